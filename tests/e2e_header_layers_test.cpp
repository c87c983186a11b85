// e2e_header_layers_test.cpp - Run the gdfconv binary on a boring with a header block and
// layers, and compare the title, count and layer files and the grown name tables whole; also
// the pattern-data folder taken from VirizuV5.ini, and the runs that are refused or fail.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace gdf {
namespace {

constexpr char kSource[] =
    "$Z33\n"
    "B-1\nx\n上総層群調査\n千葉県\n県道改良工事\n15\n5\n12\n52\n6\n1\n gm-150 \n+35.20\nx\nx\n"
    "12.50\n20.00\n山田\n佐藤\nNP-40\nｵｲﾙ\n40.5\n自動落下\nx\nx\nx\nx\nx\nx\nx\n35.6\n140.1\n1\n"
    "$A6\n"
    "1.20\n表土\n\n-\nTs\n-\n-\n-\n-\n"
    "2.50\n砂礫\n粘土\n-\nSGc\n-\n-\n-\n-\n"
    "3.00\n \n\n-\n-\n-\n-\n-\n-\n"
    "4.30\n腐植土\n\n-\nPt\n-\n-\n-\n-\n"
    "6.80\n砂,礫\n\n-\n\n-\n-\n-\n-\n"
    "8.00\n 砂礫 \n粘土\n-\nSGc\n-\n-\n-\n-\n";

constexpr char kKishitu[] = "5003,表土,Ts,Ts,    ,0000\n1002,砂礫,SG,SG,0102,0000";  // no line end
constexpr char kXKishitu[] =
    "2000,礫混じり砂,Sg,Sg,    ,0000\n2001,シルト混じり砂,Sm,Sm,    ,0000\n"
    "2002,腐植土（黒色）,    ,    ,    ,0000\n2003,凝灰岩,Tf,Tf,    ,0000\n"
    "4000,岩盤（区分不明）,R,R,1101,0000\n";

class HeaderLayersEndToEnd : public ::testing::Test {
 protected:
  HeaderLayersEndToEnd() {
    std::filesystem::create_directories(dir.path() / "WORK/2003/SITE/B-1");
    std::filesystem::create_directories(dir.path() / "program");
    test::WriteCp932(dir / "pattern/L1.TXT", "1,GM-150\n2,GM-300L\n");
    test::WriteCp932(dir / "pattern/L2.TXT", "1,二重管式\n2,ロータリー式オイルフィード型\n");
    test::WriteCp932(dir / "pattern/L4.TXT", "1,A\n2,B\n");
    test::WriteBytes(dir / "pattern/KISHITU.TXT", test::Cp932Lines(kKishitu));
    test::WriteCp932(dir / "pattern/XKISHITU.TXT", kXKishitu);
    test::WriteCp932(dir / "b.gdf", kSource);
  }
  std::vector<std::string> Args(std::vector<std::string> options) {
    std::vector<std::string> args = {"convert", "--drive", "D=" + dir.path().string(),
                                     "--program-dir", dir / "program"};
    args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), {"D:\\b.gdf", "D:\\WORK\\2003\\SITE\\B-1"});
    return args;
  }
  std::string Target(const std::string& name) {
    return test::ReadBytes(dir / ("WORK/2003/SITE/B-1/" + name));
  }
  std::string Pattern(const std::string& name) {
    return test::ReadBytes(dir / ("pattern/" + name));
  }

  test::TempDir dir;
};

const std::string kTitl01 = test::Cp932Lines(
    "B-1\n\n\n2003\n5\n12\n1977\n6\n1\n上総層群調査\n\n\n\n\n\n\n千葉県\n35.6\n140.1\n\n12.50\n"
    "20.00\n\n");
const std::string kTitl02 = test::Cp932Lines(
    "県道改良工事\n\n\n\n\n\n\n\n\n\n\n\n\n\n佐藤\n山田\n1\ngm-150\n35.20\n1\n\n\n\n\n\n\n\nNP-40\n"
    "40.5\n自動落下\n2\nｵｲﾙ\n\n\n\n\n\n\n\n\n\n");
const std::string kX1 = test::Cp932Lines(
    "  1,   1.20,5003,表土\n  2,   2.50,2004,砂礫・粘土\n  3,   4.30,2002,腐植土\n"
    "  4,   6.80,2005,砂,礫\n  5,   8.00,2004,砂礫・粘土\n");
const std::string kCnt = test::Cp932Lines("2003\nSITE\nB-1\n4   \n1\n\n\n\n\n\n");
const std::string kKishituAfter = test::Cp932Lines(
    "5003,表土,Ts,Ts,    ,0000\n1002,砂礫,SG,SG,0102,0000\n2004,砂礫・粘土,SGc,SGc,    ,0000\n"
    "2002,腐植土,,,,0000\n2005,\"砂,礫\",    ,    ,    ,0000\n");
const std::string kXKishituAfter = test::Cp932Lines(
    "2000,礫混じり砂,Sg,Sg,    ,0000\n2001,シルト混じり砂,Sm,Sm,    ,0000\n"
    "2002,腐植土（黒色）,    ,    ,    ,0000\n2003,凝灰岩,Tf,Tf,    ,0000\n"
    "2004,砂礫・粘土,SGc,SGc,    ,0000\n2005,\"砂,礫\",    ,    ,    ,0000\n"
    "4000,岩盤（区分不明）,R,R,1101,0000\n");

TEST_F(HeaderLayersEndToEnd, HeaderAndLayersWithNewNames) {
  const auto result = test::RunGdfconv(Args({"--pattern-dir", dir / "pattern"}));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Target("Titl01.txt"), kTitl01);
  EXPECT_EQ(Target("Titl02.txt"), kTitl02);
  EXPECT_EQ(Target("CNT.TXT"), kCnt);
  EXPECT_EQ(Target("X1.TXT"), kX1);
  EXPECT_EQ(Pattern("KISHITU.TXT"), kKishituAfter);
  EXPECT_EQ(Pattern("XKISHITU.TXT"), kXKishituAfter);
  EXPECT_FALSE(test::Exists(dir / "pattern/XKISHITU.TMP"));
  EXPECT_EQ(test::ReadBytes(dir / "program/PATADD.txt"), "");
  EXPECT_EQ(result.out,
            "変換が正常に終了しました。\n"
            "  wrote D:\\WORK\\2003\\SITE\\B-1\\CNT.TXT (10 lines)\n"
            "  wrote D:\\WORK\\2003\\SITE\\B-1\\Titl01.txt (23 lines)\n"
            "  wrote D:\\WORK\\2003\\SITE\\B-1\\Titl02.txt (41 lines)\n"
            "  wrote D:\\WORK\\2003\\SITE\\B-1\\X1.TXT (5 lines)\n"
            "  added to XKISHITU.TXT: 2004,砂礫・粘土\n"
            "  added to KISHITU.TXT: 2004,砂礫・粘土\n"
            "  added to KISHITU.TXT: 2002,腐植土\n"
            "  added to XKISHITU.TXT: 2005,砂,礫\n"
            "  added to KISHITU.TXT: 2005,砂,礫\n");

  // The same run again finds every name in KISHITU.TXT and changes no table.
  std::filesystem::remove(dir.path() / "program/PATADD.txt");
  const auto again = test::RunGdfconv(Args({"--pattern-dir", dir / "pattern"}));
  ASSERT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(Target("X1.TXT"), kX1);
  EXPECT_EQ(Pattern("KISHITU.TXT"), kKishituAfter);
  EXPECT_EQ(Pattern("XKISHITU.TXT"), kXKishituAfter);
  EXPECT_EQ(again.out.find("added to"), std::string::npos);
  EXPECT_FALSE(test::Exists(dir / "program/PATADD.txt"));
}

TEST_F(HeaderLayersEndToEnd, PatternFolderFromTheSettingsFile) {
  test::WriteCp932(dir / "sys/VirizuV5.ini", "[VIRIZU]\nD:\\PATTERN\\\n");
  const auto result = test::RunGdfconv(Args({"--system-dir", dir / "sys"}));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Target("X1.TXT"), kX1);
  EXPECT_EQ(Pattern("KISHITU.TXT"), kKishituAfter);
  EXPECT_EQ(Pattern("XKISHITU.TXT"), kXKishituAfter);
}

TEST_F(HeaderLayersEndToEnd, NoSettingEndsTheProgram) {
  const struct {
    const char* why;
    const char* ini;  // nullptr: no settings file
  } cases[] = {
      {"no settings file", nullptr},
      {"empty settings file", ""},
      {"a folder that does not exist", "x\nD:\\nothing\\\n"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(dir.path() / "sys");
    std::filesystem::create_directories(dir.path() / "sys");
    if (c.ini != nullptr) test::WriteCp932(dir / "sys/VirizuV5.ini", c.ini);
    const auto result = test::RunGdfconv(Args({"--system-dir", dir / "sys"}));
    EXPECT_EQ(result.exitCode, 1) << c.why;
    // The system's text first, then where the file was looked for and how to give the folder.
    EXPECT_EQ(result.err.rfind(" VIRIZU の設定がありません.\n", 0), 0u) << c.why;
    EXPECT_NE(result.err.find(dir / "sys/VirizuV5.ini"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("--pattern-dir DIR"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "") << c.why;
    EXPECT_FALSE(test::Exists(dir / "WORK/2003/SITE/B-1/X1.TXT")) << c.why;
    if (c.ini == nullptr || *c.ini == '\0') {
      EXPECT_FALSE(test::Exists(dir / "sys/VirizuV5.ini")) << c.why;
    }
  }
}

TEST_F(HeaderLayersEndToEnd, CodeSpaceUsedUpFailsWithTablesWhole) {
  const std::string xkishitu = test::Cp932Lines("2000,a,,,,0\n3999,b,,,,0\n4000,c,,,,0\n");
  test::WriteBytes(dir / "pattern/XKISHITU.TXT", xkishitu);
  const auto result = test::RunGdfconv(Args({"--pattern-dir", dir / "pattern"}));
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_NE(result.err.find("3999"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("XKISHITU.TXT"), std::string::npos) << result.err;
  EXPECT_EQ(Pattern("XKISHITU.TXT"), xkishitu);
  EXPECT_EQ(Pattern("KISHITU.TXT"), test::Cp932Lines(kKishitu));
  EXPECT_EQ(Target("X1.TXT"), test::Cp932Lines("  1,   1.20,5003,表土\n"));
  EXPECT_FALSE(test::Exists(dir / "program/PATADD.txt"));
}

TEST_F(HeaderLayersEndToEnd, WithoutHeaderBlock) {
  // "$Z0": no title or count file, and KISHITU.TXT is not made, so the layers fail without it.
  std::string source = kSource;
  source.replace(0, 4, "$Z0");
  test::WriteCp932(dir / "b.gdf", source);
  std::filesystem::remove(dir.path() / "pattern/KISHITU.TXT");
  const auto result = test::RunGdfconv(Args({"--pattern-dir", dir / "pattern"}));
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_NE(result.err.find("KISHITU.TXT"), std::string::npos) << result.err;
  for (const char* name : {"Titl01.txt", "Titl02.txt", "CNT.TXT"}) {
    EXPECT_FALSE(test::Exists(dir / ("WORK/2003/SITE/B-1/" + std::string(name)))) << name;
  }
  EXPECT_FALSE(test::Exists(dir / "pattern/KISHITU.TXT"));
}

}  // namespace
}  // namespace gdf
