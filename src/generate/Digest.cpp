#include "generate/Digest.h"

#include <openssl/evp.h>
#include <xxhash.h>

#include <cstring>
#include <stdexcept>

namespace {

constexpr char kHex[] = "0123456789abcdef";

[[noreturn]] void Fail() {
  throw std::runtime_error("无法计算文件的摘要");
}

TDigest Canonical(XXH128_hash_t hash) {
  XXH128_canonical_t canonical;
  XXH128_canonicalFromHash(&canonical, hash);
  TDigest digest;
  static_assert(sizeof canonical.digest == sizeof digest);
  std::memcpy(digest.data(), canonical.digest, digest.size());
  return digest;
}

}  // namespace

TDigest FileHash(std::string_view bytes) {
  return Canonical(XXH3_128bits(bytes.data(), bytes.size()));
}

TDigest Sha256Head(std::string_view bytes) {
  unsigned char full[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  if (EVP_Digest(bytes.data(), bytes.size(), full, &size, EVP_sha256(), nullptr) != 1 ||
      size != 32)
    Fail();
  TDigest digest;
  std::memcpy(digest.data(), full, digest.size());
  return digest;
}

std::string Hex(const TDigest& digest) {
  std::string hex;
  AppendHex(hex, digest);
  return hex;
}

void AppendHex(std::string& out, const TDigest& digest) {
  char hex[2 * std::tuple_size_v<TDigest>];
  for (std::size_t i = 0; i < digest.size(); ++i) {
    hex[2 * i] = kHex[digest[i] >> 4];
    hex[2 * i + 1] = kHex[digest[i] & 0x0f];
  }
  out.append(hex, sizeof hex);
}

bool FromHex(std::string_view hex, TDigest& digest) {
  if (hex.size() != digest.size() * 2) return false;
  // A record holds two digests a file: each digit is read by table.
  static constexpr auto kValue = [] {
    std::array<signed char, 256> value{};
    value.fill(-1);
    for (int i = 0; i < 16; ++i) value[static_cast<unsigned char>(kHex[i])] = static_cast<signed char>(i);
    return value;
  }();
  for (std::size_t i = 0; i < digest.size(); ++i) {
    const int high = kValue[static_cast<unsigned char>(hex[2 * i])];
    const int low = kValue[static_cast<unsigned char>(hex[2 * i + 1])];
    if (high < 0 || low < 0) return false;
    digest[i] = static_cast<unsigned char>(high << 4 | low);
  }
  return true;
}

TDigester::TDigester() : state_(XXH3_createState()) {
  if (!state_ || XXH3_128bits_reset(state_) != XXH_OK) {
    XXH3_freeState(state_);
    Fail();
  }
}

TDigester::~TDigester() {
  XXH3_freeState(state_);
}

void TDigester::Raw(const void* data, std::size_t size) {
  if (XXH3_128bits_update(state_, data, size) != XXH_OK) Fail();
}

TDigester& TDigester::Add(std::string_view text) {
  Add(static_cast<std::int64_t>(text.size()));
  Raw(text.data(), text.size());
  return *this;
}

TDigester& TDigester::Add(std::int64_t number) {
  Raw(&number, sizeof number);
  return *this;
}

TDigester& TDigester::Add(const TDigest& digest) {
  Raw(digest.data(), digest.size());
  return *this;
}

TDigest TDigester::Finish() {
  return Canonical(XXH3_128bits_digest(state_));
}
