#include "generate/Digest.h"

#include <openssl/evp.h>

#include <cstring>
#include <stdexcept>

namespace {

constexpr char kHex[] = "0123456789abcdef";

[[noreturn]] void Fail() {
  throw std::runtime_error("无法计算文件的 SHA-256");
}

}  // namespace

TDigest Sha256(std::string_view bytes) {
  TDigest digest{};
  unsigned int size = 0;
  if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &size, EVP_sha256(), nullptr) != 1 ||
      size != digest.size())
    Fail();
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

TDigester::TDigester() : ctx_(EVP_MD_CTX_new()) {
  if (!ctx_ || EVP_DigestInit_ex(ctx_, EVP_sha256(), nullptr) != 1) {
    EVP_MD_CTX_free(ctx_);
    Fail();
  }
}

TDigester::~TDigester() {
  EVP_MD_CTX_free(ctx_);
}

void TDigester::Raw(const void* data, std::size_t size) {
  if (EVP_DigestUpdate(ctx_, data, size) != 1) Fail();
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
  TDigest digest{};
  unsigned int size = 0;
  if (EVP_DigestFinal_ex(ctx_, digest.data(), &size) != 1 || size != digest.size()) Fail();
  return digest;
}
