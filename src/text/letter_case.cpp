// letter_case.cpp - Case mapping over the generated range tables.
#include "text/letter_case.h"

#include <algorithm>
#include <iterator>

namespace gdf {
namespace {

struct CaseRange {
  char16_t first;
  char16_t last;
  int delta;
  int stride;
};
#include "text/case_tables.inc"

template <std::size_t N>
char16_t LookUp(const CaseRange (&ranges)[N], char16_t ch) {
  const auto* it = std::upper_bound(std::begin(ranges), std::end(ranges), ch,
                                    [](char16_t c, const CaseRange& r) { return c < r.first; });
  if (it == std::begin(ranges)) return ch;
  --it;
  if (ch > it->last || (ch - it->first) % it->stride != 0) return ch;
  return static_cast<char16_t>(ch + it->delta);
}

}  // namespace

std::string AsciiUpper(std::string bytes) {
  for (char& byte : bytes) byte = static_cast<char>(AsciiUpper(static_cast<unsigned char>(byte)));
  return bytes;
}

// Names and paths are mostly ASCII, so that range skips the table search.
char16_t SimpleUpper(char16_t ch) { return ch < 0x80 ? AsciiUpper(ch) : LookUp(kUpperRanges, ch); }
char16_t SimpleFold(char16_t ch) { return ch < 0x80 ? AsciiLower(ch) : LookUp(kFoldRanges, ch); }

Text ToUpperSimple(TextView text) {
  Text out(text);
  for (char16_t& ch : out) ch = SimpleUpper(ch);
  return out;
}

bool EqualFoldingCase(TextView a, TextView b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && SimpleFold(a[i]) != SimpleFold(b[i])) return false;
  }
  return true;
}

}  // namespace gdf
