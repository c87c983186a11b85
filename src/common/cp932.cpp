// cp932.cpp - Code page 932 conversion over the compiled tables.
#include "common/cp932.h"

namespace gdf {
namespace {

#include "common/cp932_tables.inc"

constexpr char16_t kNoSingle = 0xFFFF;  // kSingle: the byte is no character by itself

// The character of a double-byte code (lead * 256 + trail), or 0 when it is not assigned.
constexpr char16_t DoubleChar(unsigned code) { return kDouble[kLeadRow[code >> 8]][code & 0xFF]; }

// The code of a character of U+0080 and above, or 0 when the code page has no form for it.
constexpr std::uint16_t EncodeOf(char16_t ch) { return kEncode[kEncodePage[ch >> 8]][ch & 0xFF]; }

// The mappings that stored files and the drawing system depend on.
static_assert(kSingle[0x5C] == u'\\' && kSingle[0x7E] == u'~' && kSingle[0x80] == kNoSingle);
static_assert(DoubleChar(0x8160) == u'\uFF5E' && EncodeOf(u'\uFF5E') == 0x8160);
static_assert(DoubleChar(0x817C) == u'\uFF0D' && EncodeOf(u'\uFF0D') == 0x817C);

}  // namespace

const Cp932ScanTables& Cp932Scan() {
  static constexpr Cp932ScanTables scan{kByteClass, kValidPair};
  return scan;
}

bool Cp932Decode(std::string_view bytes, Text& out, std::size_t* errorOffset) {
  out.clear();
  out.resize(bytes.size());
  char16_t* dst = out.data();
  const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = src[i];
    if (b < 0x80) {
      *dst++ = b;  // ASCII maps to itself in this code page
      ++i;
      continue;
    }
    const char16_t single = kSingle[b];
    if (single != kNoSingle) {
      *dst++ = single;
      ++i;
      continue;
    }
    const char16_t ch = i + 1 < n ? kDouble[kLeadRow[b]][src[i + 1]] : char16_t{0};
    if (ch == 0) {
      if (errorOffset != nullptr) *errorOffset = i;
      out.resize(static_cast<std::size_t>(dst - out.data()));
      return false;
    }
    *dst++ = ch;
    i += 2;
  }
  out.resize(static_cast<std::size_t>(dst - out.data()));
  return true;
}

bool Cp932Valid(std::string_view bytes, std::size_t* errorOffset) {
  const Cp932ScanTables& scan = Cp932Scan();
  const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    const Cp932ByteClass kind = scan.byteClass[src[i]];
    if (kind != Cp932ByteClass::kLead && kind != Cp932ByteClass::kInvalid) {
      ++i;  // a one-byte character or a line end
      continue;
    }
    if (kind == Cp932ByteClass::kInvalid || i + 1 >= n ||
        !scan.PairValid(src[i] * 256u + src[i + 1])) {
      if (errorOffset != nullptr) *errorOffset = i;
      return false;
    }
    i += 2;
  }
  return true;
}

void Cp932EncodeAppend(TextView text, std::string& out) {
  for (const char16_t ch : text) {
    if (ch < 0x80) {
      out.push_back(static_cast<char>(ch));
      continue;
    }
    const std::uint16_t code = EncodeOf(ch);
    if (code == 0) {
      out.push_back('?');
    } else if (code < 0x100) {
      out.push_back(static_cast<char>(code));
    } else {
      out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
    }
  }
}

std::string Cp932Encode(TextView text) {
  std::string out;
  out.reserve(text.size() * 2);
  Cp932EncodeAppend(text, out);
  return out;
}

bool Cp932Encodable(TextView text) {
  for (const char16_t ch : text) {
    if (ch >= 0x80 && EncodeOf(ch) == 0) return false;
  }
  return true;
}

int Cp932CharBytes(char16_t ch) {
  if (ch < 0x80) return 1;
  const std::uint16_t code = EncodeOf(ch);
  return code < 0x100 ? 1 : 2;  // no form ("?") or a single byte
}

std::size_t Cp932ByteLength(TextView text) {
  std::size_t n = 0;
  for (const char16_t ch : text) n += static_cast<std::size_t>(Cp932CharBytes(ch));
  return n;
}

std::optional<unsigned> Cp932Code(char16_t ch) {
  if (ch < 0x80) return ch;
  const std::uint16_t code = EncodeOf(ch);
  if (code == 0) return std::nullopt;
  return code;
}

std::optional<char16_t> Cp932Char(unsigned code) {
  if (code < 0x100) {
    const char16_t ch = kSingle[code];
    if (ch == kNoSingle) return std::nullopt;
    return ch;
  }
  if (code > 0xFFFF) return std::nullopt;
  const char16_t ch = DoubleChar(code);
  if (ch == 0) return std::nullopt;
  return ch;
}

}  // namespace gdf
