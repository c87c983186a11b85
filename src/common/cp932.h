// cp932.h - Code page 932 (Shift-JIS as Windows has it) to UTF-16 and back.
//
// Every file is code page 932 on disk. The conversion tables are data compiled into the program
// (cp932_tables.inc, written by tools/gen_cp932_tables.py from glibc's iconv "CP932"), so the
// mapping is that table's on every system (0x8160 <-> U+FF5E, 0x5C <-> U+005C,
// 0x817C <-> U+FF0D, 0x80 no character) and nothing is built at start-up; the per-byte work is a
// table look-up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace gdf {

/// Decodes code page 932 bytes. Returns false and sets `errorOffset` to the offset of the
/// first byte that does not start a valid character when the bytes are not code page 932.
bool Cp932Decode(std::string_view bytes, Text& out, std::size_t* errorOffset = nullptr);

/// Whether `bytes` are code page 932 throughout; sets `errorOffset` to the first bad byte.
bool Cp932Valid(std::string_view bytes, std::size_t* errorOffset = nullptr);

/// The classes of a first byte, for scanners that split lines and check the code page in the
/// same pass.
enum class Cp932ByteClass : std::uint8_t {
  kSingle,    ///< a one-byte character other than a line end
  kLead,      ///< starts a double-byte character
  kInvalid,   ///< starts no character
  kLineFeed,  ///< LF
  kReturn,    ///< CR
};

/// The tables behind a one-pass scan: the class of every byte, and a bit per lead * 256 + trail
/// that is set for every assigned double-byte code.
struct Cp932ScanTables {
  const Cp932ByteClass* byteClass;  // 256 entries
  const std::uint64_t* validPair;   // 1024 words
  bool PairValid(unsigned code) const { return ((validPair[code >> 6] >> (code & 63)) & 1u) != 0; }
};
const Cp932ScanTables& Cp932Scan();

/// Encodes text as code page 932. A character that the code page does not hold becomes "?",
/// as the platform's own conversion does.
std::string Cp932Encode(TextView text);

/// Appends the code page 932 form of `text` to `out`.
void Cp932EncodeAppend(TextView text, std::string& out);

/// Whether every character of `text` has a code page 932 form.
bool Cp932Encodable(TextView text);

/// Number of code page 932 bytes of one character: 1 or 2 ("?" counts 1).
int Cp932CharBytes(char16_t ch);

/// Number of code page 932 bytes of a text.
std::size_t Cp932ByteLength(TextView text);

/// The code page 932 code of a character (one byte, or lead byte * 256 + trail byte), or
/// nothing when the code page does not hold it.
std::optional<unsigned> Cp932Code(char16_t ch);

/// The character of a code page 932 code, or nothing when the code is not assigned.
std::optional<char16_t> Cp932Char(unsigned code);

}  // namespace gdf
