// e2e_check_test.cpp - Show, through the binary, that `gdfconv check` finds each kind of problem
// at its exact line with its severity, lists the sections with what stands in them, exits 0 on
// warnings alone and 1 on an error, and writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/mini_json.h"
#include "support/test_support.h"

namespace gdf {
namespace {

using test::Json;
using test::RunGdfconv;

// Nine lines of a layer record, none of them blank.
const std::string kLayer = "1.0\n砂\nx\nx\nx\nx\nx\nx\nx\n";

struct Expected {
  int line;
  const char* severity;
  bool stopsRun;
  const char* fragment;  // a part of the message
};

struct Case {
  const char* name;
  std::string bytes;  // code page 932 bytes of the source
  std::vector<Expected> problems;
};

std::vector<Case> Cases() {
  const auto cp932 = [](const std::string& utf8) { return test::Cp932Lines(utf8); };
  return {
      {"count beyond the records",
       cp932("$A2\n" + kLayer),
       {{1, "error", true, "promises more records than the 1 that stand after the tag line"}}},
      {"bytes that are not CP932",
       "$A1\r\n1.0\r\n\x81\x20x\r\nx\r\nx\r\nx\r\n\x81\x20\r\nx\r\nx\r\nx\r\n",
       {{3, "error", true, "not code page 932"}, {7, "error", false, "not code page 932"}}},
      {"a file saved as UTF-8",
       "$A1\r\n1.0\r\n\xE7\xA0\x82\r\nx\r\nx\r\nx\r\n\xE7\xA0\x82\r\nx\r\nx\r\nx\r\n",
       {{3, "error", true, "UTF-8: save it as Shift-JIS (CP932)"}}},
      {"second tag line",
       cp932("$A1\n" + kLayer + "$A1\n" + kLayer),
       {{11, "warning", false, "second tag line $A"},
        {12, "warning", false, "Lines 12 to 20 are never read"}}},
      {"lines no search reaches",
       cp932("memo\n$A1\n" + kLayer + "stray\n$W1\n1.0,5/12\n"),
       {{1, "warning", false, "Line 1 is never read"},
        {12, "warning", false, "Line 12 is never read"}}},
      {"range mark with nothing to extend",
       cp932("$S1\n1.00\n～\nx\nx\nx\nx\nx\nx\nmemo\n"),
       {{3, "warning", false, "has no value above it"}}},
      {"dates without a slash",
       cp932("$W2\n1.0,5-12\n2.0\n6\n"),
       {{2, "error", true, "[5-12]"}, {4, "error", false, "[6]"}}},
      {"$B date without a slash",
       cp932("$B1\n1.0\n512\n\n\n\n\n\n\n\n\n"),
       {{3, "error", true, "[512]"}}},
      {"$O series out of order",
       cp932("$O2\n5.0\n1\n\n\n\n3.0\n1\n\n\n\n"),
       {{7, "warning", false, "above the one at line 2"}}},
      {"depth that is not a number",
       cp932("$A1\nabc\n砂\nx\nx\nx\nx\nx\nx\nx\n"),
       {{2, "warning", false, "[abc]"}}},
      {"$K record without text",
       cp932("$K1\n1.0\nx\n\t\n2.0\nx\ntext\n\t\n"),
       {{2, "warning", false, "no text lines"}}},
      {"count beyond 32 767", cp932("$A40000\n"), {{1, "error", true, "beyond 32 767"}}},
      {"names quoted in the tables",
       cp932("$H1\n1.0\n3\nx\nAB / CD\n"),
       {{5, "warning", false, "[AB ]"}, {5, "warning", false, "[ CD]"}}},
      {"a name the tables cannot hold",
       cp932("$S1\n1.0\nCM\n\"a\",b\nx\nx\nx\nx\nx\nmemo\n"),
       {{4, "error", true, "holds one itself, so no line of the table can hold it"}}},
      {"attributes that go into the tables between double quotes",
       cp932("$A2\n1.0\n砂\nx\nx\na,b\nx\nx\nx\nx\n2.0\n礫\nx\nx\n\"a,b\nx\nx\nx\nx\n"),
       {{6, "warning", false, "[a,b] holds a comma or begins with a double quote"},
        {15, "warning", false, "[\"a,b] needs double quotes in the name tables and holds one"}}},
      {"count that takes in the next section",
       cp932("$A2\n" + kLayer + "$W1\n1.0,5/12\nx\nx\nx\nx\nx\nx\nx\n"),
       {{1, "error", true, "before the tag line $W at line 11: the run would read that tag line"},
        {13, "warning", false, "Lines 13 to 19 are never read"}}},
      {"count that takes in a second tag line, which the run reads as a record",
       cp932("$A2\n" + kLayer + "$A1\n1.0\nx\nx\nx\nx\nx\nx\nx\n"),
       {{1, "warning", false, "the run reads that tag line and the lines after it as records"}}},
      {"count that is not a number",
       cp932("$A2,x\n" + kLayer + kLayer),
       {{1, "warning", false, "is not a number"},
        {2, "warning", false, "Lines 2 to 19 are never read"}}},
  };
}

class CheckCommand : public ::testing::Test {
 protected:
  test::TempDir dir;
};

TEST_F(CheckCommand, EachProblemAtItsLine) {
  for (const Case& c : Cases()) {
    const std::string path = dir / "case.gdf";
    test::WriteBytes(path, c.bytes);
    const auto result = RunGdfconv({"check", "--format", "json", path});
    bool anyError = false;
    for (const Expected& e : c.problems) anyError = anyError || std::string(e.severity) == "error";
    EXPECT_EQ(result.exitCode, anyError ? 1 : 0) << c.name << "\n" << result.err;
    const Json file = test::ParseJson(result.out)["files"][0];
    const Json& problems = file["problems"];
    ASSERT_EQ(problems.items.size(), c.problems.size()) << c.name << "\n" << result.out;
    for (std::size_t i = 0; i < c.problems.size(); ++i) {
      const Json& p = problems[i];
      const Expected& e = c.problems[i];
      EXPECT_EQ(p["line"].number, e.line) << c.name << " " << i;
      EXPECT_EQ(p["severity"].string, e.severity) << c.name << " " << i;
      EXPECT_EQ(p["stopsRun"].boolean, e.stopsRun) << c.name << " " << i;
      EXPECT_NE(p["message"].string.find(e.fragment), std::string::npos)
          << c.name << ": " << p["message"].string;
    }
    EXPECT_EQ(test::ReadBytes(path), c.bytes);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(CheckCommand, SectionsWithWhatStandsInThem) {
  test::WriteCp932(dir / "b.gdf", "$A2\n" + kLayer + "$W1\n1.0,5/12\nx\nx\nx\nx\nx\nx\nx\n");
  const auto result = RunGdfconv({"check", "--format=json", dir / "b.gdf"});
  const Json report = test::ParseJson(result.out);
  const Json& sections = report["files"][0]["sections"];
  ASSERT_EQ(sections.items.size(), 2u) << result.out;
  const struct {
    const char* tag;
    int line;
    double count;
    double present;
  } expected[] = {{"$A", 1, 2, 1}, {"$W", 11, 1, 4}};  // "x" lines pair into field records
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(sections[i]["tag"].string, expected[i].tag);
    EXPECT_EQ(sections[i]["line"].number, expected[i].line);
    EXPECT_EQ(sections[i]["count"].number, expected[i].count);
    EXPECT_EQ(sections[i]["present"].number, expected[i].present);
    EXPECT_TRUE(sections[i]["converted"].boolean);
  }
}

TEST_F(CheckCommand, TextFormAndSeveralFiles) {
  test::WriteCp932(dir / "bad.gdf", "$W1\n1.0,5-12\n");
  const std::string good = test::SourceDir() + "/data/examples/B-1.gdf";
  const auto clean = RunGdfconv({"check", good});
  EXPECT_EQ(clean.exitCode, 0) << clean.out;
  EXPECT_NE(clean.out.find("10 sections, 0 errors, 0 warnings"), std::string::npos) << clean.out;

  const auto both = RunGdfconv({"check", good, dir / "bad.gdf", dir / "missing.gdf"});
  EXPECT_EQ(both.exitCode, 1);
  EXPECT_NE(both.out.find(dir / "bad.gdf" + ":2: error: $W: The date [5-12]"), std::string::npos)
      << both.out;
  EXPECT_NE(both.out.find(dir / "missing.gdf" + ": error: There is no such file"),
            std::string::npos)
      << both.out;
  EXPECT_NE(both.out.find("3 files: 2 errors, 0 warnings"), std::string::npos) << both.out;

  // A folder is there: it is named as a folder, not as a missing file.
  std::filesystem::create_directories(dir.path() / "logs");
  for (const auto& [lang, said] : {std::pair{"C", ": error: This is a folder"},
                                   std::pair{"ja", ": エラー: これはフォルダです。"}}) {
    const auto folder = RunGdfconv({"check", dir / "logs"}, {}, -1, -1, lang);
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_NE(folder.out.find(dir / "logs" + said), std::string::npos) << folder.out;
  }

  EXPECT_EQ(RunGdfconv({"check"}).exitCode, 2);
  EXPECT_EQ(RunGdfconv({"check", "--format", "xml", good}).exitCode, 2);
  const auto help = RunGdfconv({"check", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Examples:"), std::string::npos);
}

// The findings and the words around them in Japanese; the section tags and the system's own
// texts stay as they are.
TEST_F(CheckCommand, SpeaksTheUsersLanguage) {
  test::WriteCp932(dir / "bad.gdf", "$W1\n1.0,5-12\n");
  test::WriteCp932(dir / "quoted.gdf", "$A1\n1.0\n砂\nx\nx\na,b\nx\nx\nx\nx\nmemo\n");
  const auto text = RunGdfconv({"check", dir / "bad.gdf", dir / "quoted.gdf"}, {}, -1, -1, "ja");
  EXPECT_EQ(text.exitCode, 1) << text.err;
  for (const std::string& expected : {
           dir / "bad.gdf" + ": セクション 1 個、エラー 1 件、警告 0 件",
           dir / "bad.gdf" + ":2: エラー: $W: 日付「5-12」の月と日の間に「/」がありません。",
           dir / "quoted.gdf" + ":6: 警告: $A: 属性「a,b」にはコンマがあるか",
           dir / "quoted.gdf" + ":11: 警告: 11 行目は読まれません。どのセクションにも入らない"
                                "行です。",
           std::string("ファイル 2 個：エラー 1 件、警告 2 件"),
       }) {
    EXPECT_NE(text.out.find(expected), std::string::npos) << expected << "\n" << text.out;
  }
  EXPECT_EQ(text.out.find("error"), std::string::npos) << text.out;

  const auto json = RunGdfconv({"check", "--format", "json", dir / "quoted.gdf"}, {}, -1, -1, "ja");
  const Json problem = test::ParseJson(json.out)["files"][0]["problems"][0];
  EXPECT_EQ(problem["message"].string,
            "属性「a,b」にはコンマがあるか、二重引用符で始まります。地層名が新しければ、属性は参"
            "照表に二重引用符で囲んで書き込まれます。");
}

}  // namespace
}  // namespace gdf
