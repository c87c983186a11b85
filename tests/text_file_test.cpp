// text_file_test.cpp - Show that lines end at CR LF, LF or CR, and that whole-line and field reads
// take text as the tables and sections expect, failing past the end of the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "common/errors.h"
#include "common/text_file.h"

namespace gdf {
namespace {

LineFile FromText(const std::u16string& text) { return LineFile(Cp932Encode(text), u"t.txt"); }

TEST(LineFile, LineEnds) {
  const struct {
    const char16_t* bytes;
    std::vector<Text> lines;
    bool lastTerminated;
  } cases[] = {
      {u"", {}, false},
      {u"a\r\nb\r\n", {u"a", u"b"}, true},
      {u"a\nb", {u"a", u"b"}, false},  // a last line without a line end is a line
      {u"a\rb\r", {u"a", u"b"}, true},
      {u"a\r\r\nb", {u"a", u"", u"b"}, false},
      {u"\r\n\r\n", {u"", u""}, true},
      {u"a\n\rb", {u"a", u"", u"b"}, false},
  };
  for (const auto& c : cases) {
    const LineFile file = FromText(c.bytes);
    ASSERT_EQ(file.LineCount(), c.lines.size()) << ToUtf8(c.bytes);
    for (std::size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(file.Line(i), c.lines[i]);
    EXPECT_EQ(file.LastLineTerminated(), c.lastTerminated) << ToUtf8(c.bytes);
  }
}

TEST(LineFile, ValidateNamesLineAndOffset) {
  const LineFile file(std::string("ok\r\nbad \x81\r\n"), u"x");
  std::size_t line = 0;
  std::size_t offset = 0;
  EXPECT_FALSE(file.Validate(line, offset));
  EXPECT_EQ(line, 1u);
  EXPECT_EQ(offset, 8u);
  EXPECT_EQ(file.Line(1), u"bad \uFFFD");
  EXPECT_EQ(LineFile(std::string("a\x85\x85z\x81"), u"y").Line(0), u"a\uFFFD\uFFFDz\uFFFD");
}

// The split and the check run in one pass over the bytes; on any bytes they must agree with the
// plain split at CR LF, LF or CR and with the whole-buffer check.
TEST(LineFile, OnePassAgreesWithSplitAndCheckOnRandomBytes) {
  std::mt19937 random(7);
  const unsigned char alphabet[] = {'a',  '$',  ',',  '\r', '\n', 0x81, 0x82, 0x40, 0x9F,
                                    0xA0, 0xB1, 0xE0, 0xEF, 0xFC, 0xFD, 0x7F, 0x00};
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(random() % 24, '\0');
    for (char& b : bytes) b = static_cast<char>(alphabet[random() % sizeof alphabet]);
    std::vector<std::string> lines;
    bool terminated = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
      const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
      lines.push_back(bytes.substr(pos, end - pos));
      terminated = end < bytes.size();
      pos = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    const LineFile file(bytes, u"r");
    ASSERT_EQ(file.LineCount(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(file.LineBytes(i), lines[i]);
    EXPECT_EQ(file.LastLineTerminated(), terminated);
    std::size_t expected = 0;
    std::size_t line = 0;
    std::size_t offset = 0;
    const bool valid = Cp932Valid(bytes, &expected);
    ASSERT_EQ(file.Validate(line, offset), valid);
    if (!valid) {
      EXPECT_EQ(offset, expected);
    }
    const auto dollar = std::find_if(lines.begin(), lines.end(),
                                     [](const std::string& l) { return l.starts_with("$"); });
    const auto found = file.FirstLineStartingWith("$");
    EXPECT_EQ(found.has_value(), dollar != lines.end());
    if (found) {
      EXPECT_EQ(*found, static_cast<std::size_t>(dollar - lines.begin()));
    }
  }
}

TEST(TextReader, FieldReads) {
  const struct {
    const char16_t* text;
    int reads;
    std::vector<Text> fields;
  } cases[] = {
      {u"  12.5 , abc\r\n", 2, {u"12.5", u"abc"}},
      {u"-2.35,5/12\r\n", 2, {u"-2.35", u"5/12"}},
      {u"-2.35\r\n5/12\r\n", 2, {u"-2.35", u"5/12"}},  // a line end ends a field
      {u",5/12\r\n", 2, {u"", u"5/12"}},
      {u"1.20,\r\n", 2, {u"1.20", u""}},
      {u"1.0,5/12,x\r\n", 3, {u"1.0", u"5/12", u"x"}},
      {u"\"C:\\VIRIZU\\\",more\r\n", 2, {u"C:\\VIRIZU\\", u"more"}},
      {u"\" a,b \"x,c\r\n", 2, {u" a,b ", u"c"}},  // text after the closing quote is passed over
      {u"a\tb , c", 2, {u"a\tb", u"c"}},
      {u"　x ,y", 2, {u"　x", u"y"}},  // only the ASCII blank is skipped
  };
  for (const auto& c : cases) {
    const LineFile file = FromText(c.text);
    TextReader reader(file);
    for (int i = 0; i < c.reads; ++i) EXPECT_EQ(reader.ReadField(), c.fields[i]) << ToUtf8(c.text);
    EXPECT_TRUE(reader.AtEnd()) << ToUtf8(c.text);
  }
}

TEST(TextReader, EndOfFile) {
  {
    const LineFile file = FromText(u"a,b");
    TextReader reader(file);
    reader.ReadField();
    EXPECT_FALSE(reader.AtEnd());
    reader.ReadField();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_THROW(reader.ReadField(), RunError);
  }
  {
    const LineFile file = FromText(u"a,\r\n");
    TextReader reader(file);
    reader.ReadField();
    EXPECT_FALSE(reader.AtEnd());  // the line end still holds an empty field
    EXPECT_EQ(reader.ReadField(), u"");
    EXPECT_TRUE(reader.AtEnd());
  }
  {
    const LineFile file = FromText(u"a,b,");  // unterminated, ending in an empty field
    TextReader reader(file);
    EXPECT_EQ(reader.ReadField(), u"a");
    EXPECT_EQ(reader.ReadField(), u"b");
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadField(), u"");
    EXPECT_TRUE(reader.AtEnd());
  }
  {
    const LineFile file = FromText(u"x\r\n");
    TextReader reader(file);
    EXPECT_EQ(reader.ReadLine(), u"x");
    try {
      reader.ReadLine();
      FAIL() << "read past the end";
    } catch (const RunError& error) {
      EXPECT_EQ(error.failure().kind, FailureKind::kReadPastEnd);
      EXPECT_EQ(error.failure().sourceLine, 2);
    }
  }
}

TEST(TextReader, WholeLineAfterFieldAndBlankLines) {
  const LineFile file = FromText(u"first line, with comma\r\n  \r\n\r\n\"D:\\P\\\" , x\r\n");
  TextReader reader(file);
  EXPECT_EQ(reader.ReadLine(), u"first line, with comma");
  reader.SkipBlankLines();
  EXPECT_EQ(reader.LineNumber(), 4u);
  EXPECT_EQ(reader.ReadField(), u"D:\\P\\");
}

TEST(ReadsBackPlain, Cases) {
  EXPECT_TRUE(ReadsBackPlain(u"砂礫"));
  EXPECT_TRUE(ReadsBackPlain(u""));
  EXPECT_TRUE(ReadsBackPlain(u"a b"));
  EXPECT_FALSE(ReadsBackPlain(u"a,b"));
  EXPECT_FALSE(ReadsBackPlain(u"\"a"));
  EXPECT_FALSE(ReadsBackPlain(u" a"));
  EXPECT_FALSE(ReadsBackPlain(u"a "));
  EXPECT_TRUE(ReadsBackPlain(u"a\""));
}

}  // namespace
}  // namespace gdf
