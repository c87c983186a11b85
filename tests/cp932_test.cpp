// cp932_test.cpp - Show that code page 932 text survives the round trip and that the compiled
// tables are glibc's CP932 ones, entry by entry.
#include <gtest/gtest.h>

#include "common/cp932.h"

#ifdef __linux__
#include <iconv.h>
#endif

namespace gdf {
namespace {

#ifdef __linux__
// One conversion through iconv from its initial state; nothing when iconv refuses the input.
std::optional<std::string> Iconv(iconv_t cd, std::string_view in) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string inCopy(in);
  char out[16];
  char* inPtr = inCopy.data();
  std::size_t inLeft = inCopy.size();
  char* outPtr = out;
  std::size_t outLeft = sizeof out;
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return {};
  if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return {};
  if (inLeft != 0) return {};
  return std::string(out, sizeof out - outLeft);
}

// A character or code as a number, -1 for none.
template <typename T>
long Number(const std::optional<T>& value) {
  return value.has_value() ? static_cast<long>(*value) : -1;
}

class Cp932AgainstIconv : public ::testing::Test {
 protected:
  void SetUp() override {
    decoder_ = iconv_open("UTF-16LE", "CP932");
    encoder_ = iconv_open("CP932", "UTF-16LE");
    if (decoder_ == reinterpret_cast<iconv_t>(-1) || encoder_ == reinterpret_cast<iconv_t>(-1)) {
      GTEST_SKIP() << "this system's iconv has no CP932";
    }
  }
  void TearDown() override {
    if (decoder_ != reinterpret_cast<iconv_t>(-1)) iconv_close(decoder_);
    if (encoder_ != reinterpret_cast<iconv_t>(-1)) iconv_close(encoder_);
  }
  // The one character iconv makes of a code (one or two bytes), if it makes exactly one.
  std::optional<char16_t> Decode(unsigned code) {
    std::string bytes;
    if (code >= 0x100) bytes.push_back(static_cast<char>(code >> 8));
    bytes.push_back(static_cast<char>(code & 0xFF));
    const auto out = Iconv(decoder_, bytes);
    if (!out || out->size() != 2) return std::nullopt;
    return static_cast<char16_t>(static_cast<unsigned char>((*out)[0]) |
                                 static_cast<unsigned char>((*out)[1]) << 8);
  }
  // The code iconv gives a character, if any.
  std::optional<unsigned> Encode(char16_t ch) {
    const char in[2] = {static_cast<char>(ch & 0xFF), static_cast<char>(ch >> 8)};
    const auto out = Iconv(encoder_, std::string_view(in, 2));
    if (!out || out->empty() || out->size() > 2) return std::nullopt;
    unsigned code = 0;
    for (const char c : *out) code = code * 256 + static_cast<unsigned char>(c);
    return code;
  }
  iconv_t decoder_ = reinterpret_cast<iconv_t>(-1);
  iconv_t encoder_ = reinterpret_cast<iconv_t>(-1);
};

TEST_F(Cp932AgainstIconv, EveryCodeDecodesAsIconvDecodesIt) {
  int differences = 0;
  for (unsigned code = 0; code < 0x10000; ++code) {
    // A two-byte code whose first byte is a character by itself is two characters, not one.
    const bool pair = code >= 0x100;
    const long expected = pair && Cp932Char(code >> 8).has_value() ? -1 : Number(Decode(code));
    const long actual = Number(Cp932Char(code));
    if (actual != expected && ++differences <= 10) {
      ADD_FAILURE() << std::hex << "code 0x" << code << ": table " << actual << ", iconv "
                    << expected;
    }
  }
  EXPECT_EQ(differences, 0);
}

TEST_F(Cp932AgainstIconv, EveryCharacterEncodesAsIconvEncodesIt) {
  int differences = 0;
  for (unsigned ch = 0x80; ch < 0x10000; ++ch) {
    const bool surrogate = ch >= 0xD800 && ch <= 0xDFFF;  // never a character by itself
    const long expected = surrogate ? -1 : Number(Encode(static_cast<char16_t>(ch)));
    const long actual = Number(Cp932Code(static_cast<char16_t>(ch)));
    if (actual != expected && ++differences <= 10) {
      ADD_FAILURE() << std::hex << "U+" << ch << ": table " << actual << ", iconv " << expected;
    }
  }
  EXPECT_EQ(differences, 0);
}
#endif

TEST(Cp932, ScanTablesAgreeWithTheCharacters) {
  const Cp932ScanTables& scan = Cp932Scan();
  for (unsigned b = 0; b < 256; ++b) {
    bool startsPair = false;
    for (unsigned trail = 0; trail < 256 && !startsPair; ++trail) {
      startsPair = b >= 0x80 && Cp932Char(b * 256 + trail).has_value();
    }
    const Cp932ByteClass expected = b == '\n'                  ? Cp932ByteClass::kLineFeed
                                    : b == '\r'                ? Cp932ByteClass::kReturn
                                    : Cp932Char(b).has_value() ? Cp932ByteClass::kSingle
                                    : startsPair               ? Cp932ByteClass::kLead
                                                               : Cp932ByteClass::kInvalid;
    EXPECT_EQ(scan.byteClass[b], expected) << b;
  }
  for (unsigned code = 0x100; code < 0x10000; ++code) {
    ASSERT_EQ(scan.PairValid(code), Cp932Char(code).has_value()) << std::hex << code;
  }
}

TEST(Cp932, KeyMappings) {
  const struct {
    unsigned code;
    char16_t ch;
  } cases[] = {{0x8160, u'～'}, {0x5C, u'\\'}, {0x817C, u'－'}, {0x7E, u'~'},
               {0x8140, u'　'}, {0xB1, u'ｱ'},  {0x815E, u'／'}, {0x8145, u'・'},
               {0x815F, u'＼'}, {0xA5, u'･'}};
  for (const auto& c : cases) {
    EXPECT_EQ(Cp932Char(c.code), c.ch) << std::hex << c.code;
    EXPECT_EQ(Cp932Code(c.ch), c.code) << std::hex << c.code;
  }
}

TEST(Cp932, RoundTripOfEveryAssignedCode) {
  int assigned = 0;
  for (unsigned code = 0; code < 0x10000; ++code) {
    const auto ch = Cp932Char(code);
    if (!ch) continue;
    ++assigned;
    std::string bytes;
    if (code >= 0x100) bytes.push_back(static_cast<char>(code >> 8));
    bytes.push_back(static_cast<char>(code & 0xFF));
    Text text;
    ASSERT_TRUE(Cp932Decode(bytes, text));
    ASSERT_EQ(text, Text(1, *ch));
  }
  EXPECT_GT(assigned, 7000);
}

TEST(Cp932, DecodeReportsTheFirstBadByte) {
  Text text;
  std::size_t offset = 0;
  EXPECT_FALSE(Cp932Decode(std::string("ab\x81", 3), text, &offset));  // lead byte at the end
  EXPECT_EQ(offset, 2u);
  EXPECT_FALSE(Cp932Decode(std::string("x\x81\x20y", 4), text, &offset));  // bad trail byte
  EXPECT_EQ(offset, 1u);
  EXPECT_FALSE(Cp932Decode("a\x80", text, &offset));  // 0x80 is no character
  EXPECT_EQ(offset, 1u);
  EXPECT_TRUE(Cp932Decode("\x8d\xbb\xe2\x49", text));
  EXPECT_EQ(text, u"砂礫");
}

TEST(Cp932, EncodeAndLengths) {
  EXPECT_EQ(Cp932Encode(u"砂礫A"),
            "\x8d\xbb\xe2\x49"
            "A");
  EXPECT_EQ(Cp932Encode(u"😀"), "??");  // a surrogate pair: each half is unencodable
  EXPECT_EQ(Cp932ByteLength(u"あｱa"), 4u);
  EXPECT_TRUE(Cp932Encodable(u"砂礫～"));
  EXPECT_FALSE(Cp932Encodable(u"é"));
}

}  // namespace
}  // namespace gdf
