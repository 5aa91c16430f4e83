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
  hex.reserve(digest.size() * 2);
  for (const unsigned char byte : digest) {
    hex += kHex[byte >> 4];
    hex += kHex[byte & 0x0f];
  }
  return hex;
}

bool FromHex(std::string_view hex, TDigest& digest) {
  if (hex.size() != digest.size() * 2) return false;
  for (std::size_t i = 0; i < hex.size(); ++i) {
    const char* at = hex[i] == '\0' ? nullptr : std::strchr(kHex, hex[i]);
    if (!at) return false;
    const auto nibble = static_cast<unsigned char>(at - kHex);
    digest[i / 2] = static_cast<unsigned char>(i % 2 ? (digest[i / 2] | nibble) : nibble << 4);
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
