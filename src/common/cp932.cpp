// cp932.cpp - Code page 932 conversion tables built from iconv, and the fast paths over them.
#include "common/cp932.h"

#include <iconv.h>

#include <array>
#include <cstring>
#include <memory>

namespace gdf {
namespace {

constexpr char16_t kNoChar = 0xFFFF;       // not a character of the code page
constexpr std::uint16_t kNoCode = 0xFFFF;  // no code page form

struct Tables {
  std::array<char16_t, 256> single{};  // single-byte characters; kNoChar for lead and invalid
  std::array<bool, 256> lead{};        // bytes that start a double-byte character
  std::unique_ptr<std::array<char16_t, 65536>> twoByte;      // lead * 256 + trail
  std::unique_ptr<std::array<std::uint16_t, 65536>> encode;  // character -> code
  std::array<std::uint64_t, 1024> validPair{};  // bit (lead * 256 + trail): an assigned code
  std::array<Cp932ByteClass, 256> byteClass{};  // what each byte starts
};

// One conversion through iconv; returns false when iconv refuses the input.
bool Convert(iconv_t cd, const char* in, std::size_t inLen, char* out, std::size_t& outLen) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* inPtr = const_cast<char*>(in);
  std::size_t inLeft = inLen;
  char* outPtr = out;
  std::size_t outLeft = outLen;
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return false;
  if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return false;
  if (inLeft != 0) return false;
  outLen = outLen - outLeft;
  return true;
}

Tables BuildTables() {
  Tables t;
  t.twoByte = std::make_unique<std::array<char16_t, 65536>>();
  t.encode = std::make_unique<std::array<std::uint16_t, 65536>>();
  t.twoByte->fill(kNoChar);
  t.encode->fill(kNoCode);
  t.single.fill(kNoChar);

  iconv_t dec = iconv_open("UTF-16LE", "CP932");
  iconv_t enc = iconv_open("CP932", "UTF-16LE");
  if (dec == reinterpret_cast<iconv_t>(-1) || enc == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("iconv has no CP932 converter on this system");
  }
  const auto decodeOne = [&](const char* bytes, std::size_t len) -> char16_t {
    char out[8];
    std::size_t outLen = sizeof out;
    if (!Convert(dec, bytes, len, out, outLen) || outLen != 2) return kNoChar;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 (static_cast<unsigned char>(out[1]) << 8));
  };
  for (unsigned b = 0; b < 256; ++b) {
    const char in[1] = {static_cast<char>(b)};
    t.single[b] = decodeOne(in, 1);
  }
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (t.single[lead] != kNoChar) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const char16_t ch = decodeOne(in, 2);
      if (ch != kNoChar) {
        (*t.twoByte)[lead * 256 + trail] = ch;
        t.lead[lead] = true;
      }
    }
  }
  for (unsigned cp = 0; cp < 0x10000; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const char in[2] = {static_cast<char>(cp & 0xFF), static_cast<char>(cp >> 8)};
    char out[8];
    std::size_t outLen = sizeof out;
    if (!Convert(enc, in, 2, out, outLen)) continue;
    if (outLen == 1) {
      (*t.encode)[cp] = static_cast<unsigned char>(out[0]);
    } else if (outLen == 2) {
      (*t.encode)[cp] = static_cast<std::uint16_t>((static_cast<unsigned char>(out[0]) << 8) |
                                                   static_cast<unsigned char>(out[1]));
    }
  }
  iconv_close(dec);
  iconv_close(enc);
  for (unsigned code = 0; code < 65536; ++code) {
    if ((*t.twoByte)[code] != kNoChar) t.validPair[code >> 6] |= std::uint64_t{1} << (code & 63);
  }
  for (unsigned b = 0; b < 256; ++b) {
    t.byteClass[b] = b == '\n'                ? Cp932ByteClass::kLineFeed
                     : b == '\r'              ? Cp932ByteClass::kReturn
                     : t.single[b] != kNoChar ? Cp932ByteClass::kSingle
                     : t.lead[b]              ? Cp932ByteClass::kLead
                                              : Cp932ByteClass::kInvalid;
  }
  return t;
}

const Tables& GetTables() {
  static const Tables tables = BuildTables();
  return tables;
}

}  // namespace

const Cp932ScanTables& Cp932Scan() {
  static const Cp932ScanTables scan{GetTables().byteClass.data(), GetTables().validPair.data()};
  return scan;
}

bool Cp932Decode(std::string_view bytes, Text& out, std::size_t* errorOffset) {
  const Tables& t = GetTables();
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
    const char16_t single = t.single[b];
    if (single != kNoChar) {
      *dst++ = single;
      ++i;
      continue;
    }
    const char16_t ch = (t.lead[b] && i + 1 < n) ? (*t.twoByte)[b * 256u + src[i + 1]] : kNoChar;
    if (ch == kNoChar) {
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
  const Tables& t = GetTables();
  for (const char16_t ch : text) {
    if (ch < 0x80) {
      out.push_back(static_cast<char>(ch));
      continue;
    }
    const std::uint16_t code = (*t.encode)[ch];
    if (code == kNoCode) {
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
  const Tables& t = GetTables();
  for (const char16_t ch : text) {
    if (ch >= 0x80 && (*t.encode)[ch] == kNoCode) return false;
  }
  return true;
}

int Cp932CharBytes(char16_t ch) {
  if (ch < 0x80) return 1;
  const std::uint16_t code = (*GetTables().encode)[ch];
  return (code == kNoCode || code < 0x100) ? 1 : 2;
}

std::size_t Cp932ByteLength(TextView text) {
  std::size_t n = 0;
  for (const char16_t ch : text) n += static_cast<std::size_t>(Cp932CharBytes(ch));
  return n;
}

std::optional<unsigned> Cp932Code(char16_t ch) {
  if (ch < 0x80) return ch;
  const std::uint16_t code = (*GetTables().encode)[ch];
  if (code == kNoCode) return std::nullopt;
  return code;
}

std::optional<char16_t> Cp932Char(unsigned code) {
  const Tables& t = GetTables();
  if (code < 0x100) {
    const char16_t ch = t.single[code];
    if (ch == kNoChar) return std::nullopt;
    return ch;
  }
  if (code > 0xFFFF) return std::nullopt;
  const char16_t ch = (*t.twoByte)[code];
  if (ch == kNoChar) return std::nullopt;
  return ch;
}

}  // namespace gdf
