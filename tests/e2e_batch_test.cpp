// e2e_batch_test.cpp - Show, through the binary, that `gdfconv batch` converts each file into its
// own folder exactly as separate runs would, goes on past a file that fails in the middle,
// reports it in the per-file lines, the summary table and the JSON report, and exits 3.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "support/mini_json.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;
using test::RunGdfconv;

std::map<std::string, std::string> FilesIn(const fs::path& folder) {
  return test::FilesUnder(folder);
}

class Batch : public ::testing::Test {
 protected:
  Batch() {
    const std::string examples = test::SourceDir() + "/data/examples/";
    fs::copy(test::SourceDir() + "/data/pattern", work / "pattern", fs::copy_options::recursive);
    fs::create_directories(work.path() / "src");
    fs::create_directories(work.path() / "out");
    fs::create_directories(work.path() / "program");
    fs::copy_file(examples + "B-1.gdf", work / "src/A-1.gdf");
    test::WriteCp932(work / "src/A-2.gdf", "$A2\n1.0\n砂\n");
    fs::copy_file(examples + "B-2.gdf", work / "src/A-3.gdf");
  }
  std::vector<std::string> Args(std::vector<std::string> more) {
    std::vector<std::string> args = {"batch", "--pattern-dir", work / "pattern", "--program-dir",
                                     work / "program"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }
  test::TempDir work;
};

TEST_F(Batch, GoesOnPastAFailedFileAndReportsIt) {
  const auto result = RunGdfconv(
      Args({"--target-root", work / "out", "--report", work / "batch.json", work / "src"}));
  EXPECT_EQ(result.exitCode, 3) << result.err;
  for (const char* line :
       {"[1/3] A-1.gdf: converted (", "[2/3] A-2.gdf: failed: $A line 4: A read went past",
        "[3/3] A-3.gdf: converted (", "  failed     A-2.gdf  ",
        "3 files: 2 converted, 0 refused, 1 failed in "}) {
    EXPECT_NE(result.out.find(line), std::string::npos) << line << "\n" << result.out;
  }

  const test::Json report = test::ParseJson(test::ReadBytes(work / "batch.json"));
  EXPECT_EQ(report["converted"].number, 2);
  EXPECT_EQ(report["failed"].number, 1);
  ASSERT_EQ(report["runs"].items.size(), 3u);
  EXPECT_EQ(report["runs"][1]["outcome"].string, "failed");
  EXPECT_EQ(report["runs"][1]["failure"]["stage"].string, "$A");
  EXPECT_EQ(report["runs"][1]["failure"]["line"].number, 4);
  EXPECT_TRUE(report["runs"][1]["files"].items.empty());
  EXPECT_EQ(report["runs"][2]["outcome"].string, "completed");

  // The same files as two separate runs, one after the other, on a fresh pattern-data folder,
  // into the same target folders (CNT.TXT holds names of the target's path).
  const std::map<std::string, std::string> batchOne = FilesIn(work.path() / "out/A-1");
  const std::map<std::string, std::string> batchThree = FilesIn(work.path() / "out/A-3");
  EXPECT_TRUE(FilesIn(work.path() / "out/A-2").empty());  // not even made: the source stopped it
  fs::rename(work.path() / "pattern", work.path() / "pattern-batch");
  fs::remove_all(work.path() / "out");
  fs::copy(test::SourceDir() + "/data/pattern", work / "pattern", fs::copy_options::recursive);
  fs::create_directories(work.path() / "alone");
  for (const char* stem : {"A-1", "A-3"}) {
    const auto single = RunGdfconv(
        {"convert", "--yes", "--pattern-dir", work / "pattern", "--program-dir", work / "alone",
         work / ("src/" + std::string(stem) + ".gdf"), work / ("out/" + std::string(stem))});
    ASSERT_EQ(single.exitCode, 0) << single.err;
  }
  EXPECT_EQ(batchOne, FilesIn(work.path() / "out/A-1"));
  EXPECT_EQ(batchThree, FilesIn(work.path() / "out/A-3"));
  EXPECT_EQ(FilesIn(work.path() / "pattern-batch"), FilesIn(work.path() / "pattern"));
}

// The summary's columns stay apart in Japanese too, whose words are wider than the column was.
TEST_F(Batch, SummaryColumnsStayApartInBothLanguages) {
  for (const char* language : {"ja", "en"}) {
    const auto result = RunGdfconv(Args({"--yes", "--lang", language, "--target-root",
                                         work / ("out/" + std::string(language)), work / "src"}));
    EXPECT_EQ(result.exitCode, 3) << result.err;
    std::size_t rows = 0;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
      const std::size_t name = line.find("A-");
      if (line.rfind("  ", 0) != 0 || name == std::string::npos) continue;
      ++rows;
      EXPECT_EQ(line.substr(name - 2, 2), "  ") << language << ": " << line;
    }
    EXPECT_EQ(rows, 3u) << result.out;
  }
}

TEST_F(Batch, ListOfPairsAndTheFolderQuestion) {
  test::WriteBytes(work / "pairs.txt", "# source, tab, target\n" + work / "src/A-1.gdf" + "\t" +
                                           work / "elsewhere/one" + "\n\n" + work / "src/A-3.gdf" +
                                           "\t" + work / "out" + "\n");
  const auto no = RunGdfconv(Args({"--list", work / "pairs.txt"}));
  EXPECT_EQ(no.exitCode, 1) << no.out;
  EXPECT_NE(no.out.find("refused    A-1.gdf"), std::string::npos) << no.out;
  EXPECT_NE(no.out.find("the target folder does not exist (answered No)"), std::string::npos);
  EXPECT_FALSE(fs::exists(work.path() / "elsewhere"));
  EXPECT_TRUE(fs::exists(work.path() / "out/X1.TXT"));

  const auto yes = RunGdfconv(Args({"--yes", "--quiet", "--list", work / "pairs.txt"}));
  EXPECT_EQ(yes.exitCode, 0) << yes.out;
  EXPECT_EQ(yes.out.find("[1/2]"), std::string::npos);  // --quiet: the summary line alone
  EXPECT_NE(yes.out.find("2 files: 2 converted, 0 refused, 0 failed"), std::string::npos);
  EXPECT_TRUE(fs::exists(work.path() / "elsewhere/one/X1.TXT"));
}

// The list is a host file that the command line reads: no drive needs to hold its folder.
TEST_F(Batch, ListThatNoDriveHolds) {
  test::TempDir lists;
  test::WriteBytes(lists / "pairs.txt", work / "src/A-1.gdf" + "\t" + work / "out" + "\n");
  const auto result =
      RunGdfconv(Args({"--drive", "D=" + work.path().string(), "--list", lists / "pairs.txt"}));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("converted  A-1.gdf  "), std::string::npos) << result.out;
  EXPECT_TRUE(fs::exists(work.path() / "out/X1.TXT"));
}

TEST_F(Batch, DryRunWritesNothing) {
  const auto before = FilesIn(work.path());
  const auto result = RunGdfconv(Args(
      {"--dry-run", "--target-root", work / "out", work / "src/A-1.gdf", work / "src/A-3.gdf"}));
  EXPECT_EQ(result.exitCode, 0) << result.out;
  EXPECT_NE(result.out.find("2 converted, 0 refused, 0 failed"), std::string::npos);
  EXPECT_NE(result.out.find("(dry run: nothing was written)"), std::string::npos);
  EXPECT_EQ(FilesIn(work.path()), before);
  EXPECT_TRUE(fs::is_empty(work.path() / "out"));
}

TEST_F(Batch, RefusedBeforeItStarts) {
  fs::create_directories(work.path() / "other");
  fs::copy_file(work / "src/A-1.gdf", work / "other/a-1.GDF");
  const struct {
    std::vector<std::string> args;
    int exitCode;
    const char* message;
  } cases[] = {
      {{"--target-root", work / "out", work / "src/A-1.gdf", work / "other/a-1.GDF"},
       2,
       "would both go into the folder"},
      {{"--target-root", work / "missing", work / "src/A-1.gdf"}, 1, "pass --yes"},
      {{"--target-root", work / "out"}, 2, "expected at least one SOURCE"},
      {{"--list", work / "src/A-1.gdf", "--target-root", work / "out"}, 2, "either"},
      {{"--list", work / "no-such-list.txt"}, 2, "cannot be read"},
  };
  for (const auto& c : cases) {
    const auto result = RunGdfconv(Args(c.args));
    EXPECT_EQ(result.exitCode, c.exitCode) << c.message << "\n" << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
  }
  EXPECT_TRUE(fs::is_empty(work.path() / "out"));
  const auto help = RunGdfconv({"batch", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Examples:"), std::string::npos);
}

}  // namespace
}  // namespace gdf
