// SHA-256 digests: of a file's bytes (the run's record), and of what a
// group of files is made from (the design and the skeleton), fed piece by
// piece.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using TDigest = std::array<unsigned char, 32>;

TDigest Sha256(std::string_view bytes);

// Lower-case hexadecimal, and back (false for anything but 64 such digits).
std::string Hex(const TDigest& digest);
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
  struct evp_md_ctx_st* ctx_;
};
