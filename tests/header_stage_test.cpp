// header_stage_test.cpp - Show the era rule, the H13 sign and the L1 and L2 look-ups of the
// header stage, that CNT.TXT takes its lines from the target path, and that the title files
// always have 23 and 41 lines and never stop the run.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/errors.h"
#include "platform/file_system.h"
#include "platform/host_file_system.h"
#include "run/count_file.h"
#include "run/header_stage.h"
#include "run/title_files.h"
#include "support/section_fixture.h"
#include "support/test_support.h"

namespace gdf {
namespace {

// The section tests' folders and context, with L1.TXT and L2.TXT and a checked target path.
class HeaderStageTest : public test::SectionFixture {
 protected:
  HeaderStageTest() {
    test::WriteCp932(dir / "pattern/L1.TXT", "1,cm1\n2,ＣＭ１\n3, CM1 \n4,ＣＭ1\n5,CM1\n");
    test::WriteCp932(dir / "pattern/L2.TXT",
                     "\n7,\n8,ロータリー式オイルフィード型\n9,二重管式GM\n");
    context->validatedTarget = u"D:\\WORK\\2003\\SITE\\B-1\\";
  }
  // Runs the stage on header lines given by number; the others are empty.
  void Run(const std::map<int, std::string>& lines, int count = 33) {
    HeaderBlock block;
    block.lines.assign(static_cast<std::size_t>(count) + 1, Text());
    for (const auto& [n, text] : lines) block.lines[static_cast<std::size_t>(n)] = FromUtf8(text);
    RunHeaderStage(block, *context);
  }
  std::vector<std::string> Lines(const std::string& name) {
    std::vector<std::string> out;
    std::string text = test::ReadCp932(dir / ("out/" + name));
    for (std::size_t pos = 0; pos < text.size();) {
      const std::size_t end = text.find('\n', pos);
      out.push_back(text.substr(pos, end - pos));
      pos = end + 1;
    }
    return out;
  }
};

TEST_F(HeaderStageTest, EraRule) {
  const struct {
    const char* year;
    const char* western;
  } cases[] = {{"41", "1966"}, {"40", "2028"}, {"64", "1989"}, {"65", "2053"}, {"2003", "3991"},
               {"52", "1977"}, {"12", "2000"}, {"", "1988"},   {"H15", "1988"}};
  for (const auto& c : cases) {
    Run({{6, c.year}, {9, c.year}});
    const auto titl01 = Lines("Titl01.txt");
    EXPECT_EQ(titl01[3], c.western) << c.year;
    EXPECT_EQ(titl01[6], c.western) << c.year;
    EXPECT_EQ(ToUtf8(context->titleList1[4]), std::string(" ") + c.western);  // Str form
  }
}

TEST_F(HeaderStageTest, ShortHeaderBlockGivesEmptyLines) {
  Run({{1, " B-1 "}}, 1);
  const auto titl01 = Lines("Titl01.txt");
  ASSERT_EQ(titl01.size(), 23u);
  EXPECT_EQ(titl01[0], "B-1");
  EXPECT_EQ(titl01[3], "1988");
  std::vector<std::string> titl02(41);
  titl02[30] = "8";  // an empty H21 is held by the first L2 name that is not empty
  EXPECT_EQ(Lines("Titl02.txt"), titl02);
}

TEST_F(HeaderStageTest, SignOfH13) {
  const char* cases[][2] = {{"+12.5", "12.5"}, {"-3", "-3"}, {"++1", "+1"}, {" +2", " +2"}};
  for (const auto& c : cases) {
    Run({{13, c[0]}});
    EXPECT_EQ(ToUtf8(context->titleList2[19]), c[1]) << c[0];
  }
}

TEST_F(HeaderStageTest, L1Key) {
  const struct {
    const char* h12;
    const char* code;
  } cases[] = {
      {" cm１ ", "3"},  // half width, upper case, trimmed; the first equal name wins
      {"ｃｍ１", "4"},  // full-width letters stay full width and are upper-cased
      {"CM2", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    Run({{12, c.h12}});
    EXPECT_EQ(ToUtf8(context->titleList2[17]), c.code) << c.h12;
  }
}

TEST_F(HeaderStageTest, L2Substring) {
  const struct {
    const char* h21;
    const char* code;
  } cases[] = {
      {"ｵｲﾙ", "8"},     // its full-width form is in the name
      {"ＧＭ", "9"},    // its half-width form is in the name
      {"オイル ", ""},  // not trimmed
      {"", "8"},        // empty: the first name that is not empty
      {"ワイヤー", ""},
  };
  for (const auto& c : cases) {
    Run({{21, c.h21}});
    EXPECT_EQ(ToUtf8(context->titleList2[31]), c.code) << c.h21;
  }
}

TEST_F(HeaderStageTest, MissingLookUpTablesFail) {
  for (const char* table : {"L1.TXT", "L2.TXT"}) {
    const std::string path = dir / ("pattern/" + std::string(table));
    const std::string saved = test::ReadBytes(path);
    std::filesystem::remove(path);
    EXPECT_THROW(Run({}), RunError) << table;
    EXPECT_FALSE(test::Exists(dir / "out/CNT.TXT")) << table;
    test::WriteBytes(path, saved);
  }
}

TEST_F(HeaderStageTest, KishituMadeWhenMissingAndKeptOtherwise) {
  Run({});
  EXPECT_EQ(test::ReadBytes(dir / "pattern/KISHITU.TXT"), "");
  test::WriteBytes(dir / "pattern/KISHITU.TXT", "1001,礫");
  Run({});
  EXPECT_EQ(test::ReadBytes(dir / "pattern/KISHITU.TXT"), "1001,礫");
}

TEST_F(HeaderStageTest, CountFile) {
  const struct {
    const char16_t* target;
    std::vector<std::string> first;
  } cases[] = {
      {u"D:\\WORK\\2003\\SITE\\B-1\\", {"2003", "SITE", "B-1"}},
      {u"D:\\W\\ABCDE\\S\\B\\C\\", {"ABCD", "S", "B"}},
      {u"D:\\W\\平成十五\\S\\B\\", {"平成", "S", "B"}},
      {u"D:\\W\\A平成\\S\\B\\",
       {"A平", "S", "B"}},  // a character cut by the fourth byte is dropped
      {u"D:\\OUT\\", {"", "", ""}},
      {u"D:\\", {"", "", ""}},
      {u"D:\\A\\B\\C\\", {"B", "C", ""}},
  };
  for (const auto& c : cases) {
    context->validatedTarget = c.target;
    WriteCountFile(*context);
    std::vector<std::string> expected = c.first;
    expected.insert(expected.end(), {"4   ", "1", "", "", "", "", ""});
    EXPECT_EQ(Lines("CNT.TXT"), expected) << ToUtf8(c.target);
  }
}

TEST_F(HeaderStageTest, TitleFileFailuresAreAbsorbed) {
  EXPECT_NO_THROW(
      WriteTitleFiles(*context, context->titleList1, context->titleList2, u"D:\\missing\\folder"));
  EXPECT_TRUE(report.files.empty());
}

TEST_F(HeaderStageTest, L4KeepsEveryPair) {
  std::string l4;
  for (int i = 1; i <= 60; ++i) l4 += std::to_string(i) + ", k" + std::to_string(i) + " \n\n";
  test::WriteCp932(dir / "pattern/L4.TXT", l4);
  LoadL4Table(*context);
  ASSERT_EQ(context->l4.size(), 60u);
  EXPECT_EQ(context->l4[59].code, u"60");
  EXPECT_EQ(context->l4[59].key, u"k60");
  test::WriteCp932(dir / "pattern/L4.TXT", "");
  LoadL4Table(*context);
  EXPECT_TRUE(context->l4.empty());
  std::filesystem::remove(dir.path() / "pattern/L4.TXT");
  EXPECT_THROW(LoadL4Table(*context), RunError);
}

}  // namespace
}  // namespace gdf
