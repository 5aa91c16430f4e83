// Digests of 128 bits (XXH3): of a file's bytes (the run's record), and of
// what a group of files is made from (the design and the skeleton), fed
// piece by piece. They only tell whether something is still what it was,
// which needs no cryptographic strength, at a small part of SHA-256's cost.
// Records of earlier versions hold SHA-256; Sha256Head reads them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using TDigest = std::array<unsigned char, 16>;

TDigest FileHash(std::string_view bytes);
// The first half of the bytes' SHA-256, as an earlier record keeps it.
TDigest Sha256Head(std::string_view bytes);

// Lower-case hexadecimal, and back (false for anything but 32 such digits).
std::string Hex(const TDigest& digest);
void AppendHex(std::string& out, const TDigest& digest);
bool FromHex(std::string_view hex, TDigest& digest);

// A digest of a sequence of values. Each text goes in with its length, so
// that ("ab", "c") and ("a", "bc") differ.
class TDigester {
public:
  TDigester();
  ~TDigester();
  TDigester(const TDigester&) = delete;
  TDigester& operator=(const TDigester&) = delete;

  TDigester& Add(std::string_view text);
  TDigester& Add(std::int64_t number);
  TDigester& Add(const TDigest& digest);
  // The digest of everything added; the digester is spent.
  TDigest Finish();

private:
  void Raw(const void* data, std::size_t size);
  struct XXH3_state_s* state_;
};
