// cp932_test.cpp - Show that code page 932 text survives the round trip and that the mappings the
// tables depend on are glibc's CP932 ones.
#include <gtest/gtest.h>

#include "common/cp932.h"

namespace gdf {
namespace {

TEST(Cp932, KeyMappings) {
  const struct {
    unsigned code;
    char16_t ch;
  } cases[] = {{0x8160, u'～'}, {0x5C, u'\\'}, {0x817C, u'－'}, {0x7E, u'~'},
               {0x8140, u'　'}, {0xB1, u'ｱ'},  {0x815E, u'／'}, {0x8145, u'・'}};
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
