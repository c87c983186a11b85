// e2e_what_a_run_says_test.cpp - Show, through the real binary, what a run says besides its
// outcome: after it completes, the record files of the target folder that it did not write (left
// from an earlier run, and kept) on the command line, in --report, on the batch's line and in a
// dry run, and that a source held no section on the batch's line, its page and in the report;
// and that --quiet keeps convert and batch to the completion text, or to the failure in its
// message and one line of why.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/mini_json.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;
using test::RunGdfconv;

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

class WhatARunSays : public ::testing::Test {
 protected:
  WhatARunSays() {
    fs::copy(test::SourceDir() + "/data/pattern", dir / "pattern", fs::copy_options::recursive);
    fs::create_directories(dir.path() / "program");
    fs::create_directories(dir.path() / "out");
    for (const char* name : {"B-1.gdf", "B-2.gdf"}) {
      fs::copy_file(test::SourceDir() + "/data/examples/" + name, dir / name);
    }
  }
  std::vector<std::string> Command(const std::string& command, std::vector<std::string> more) {
    std::vector<std::string> args = {command, "--pattern-dir", dir / "pattern", "--program-dir",
                                     dir / "program"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }
  test::TempDir dir;
};

// B-2.gdf has no "$O" section: after B-1.gdf, its run leaves B-1's R41.TXT in the folder.
TEST_F(WhatARunSays, RecordFilesLeftFromAnEarlierRunAreNamedAndKept) {
  const std::string said = "R41.TXT is not written by this run (it stays the file from before).";
  ASSERT_EQ(RunGdfconv(Command("convert", {dir / "B-1.gdf", dir / "out"})).exitCode, 0);
  const std::string r41 = test::ReadBytes(dir / "out/R41.TXT");
  ASSERT_FALSE(r41.empty());

  const auto dryRun = RunGdfconv(Command("convert", {"--dry-run", dir / "B-2.gdf", dir / "out"}));
  EXPECT_EQ(dryRun.exitCode, 0) << dryRun.err;
  EXPECT_NE(dryRun.out.find("The run would end with: 変換が正常に終了しました。\n" + said + "\n"),
            std::string::npos)
      << dryRun.out;

  const auto run =
      RunGdfconv(Command("convert", {"--report", dir / "run.json", dir / "B-2.gdf", dir / "out"}));
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "gdfconv convert: warning: " + said + "\n");
  const test::Json report = test::ParseJson(test::ReadBytes(dir / "run.json"));
  ASSERT_EQ(report["leftFromBefore"].items.size(), 1u);
  EXPECT_EQ(report["leftFromBefore"][0].string, "R41.TXT");
  ASSERT_EQ(report["warnings"].items.size(), 1u);
  EXPECT_EQ(report["warnings"][0].string, said);
  EXPECT_FALSE(report["heldNoSection"].boolean);

  test::WriteBytes(dir / "pairs.txt", dir / "B-2.gdf" + "\t" + dir / "out" + "\n");
  const auto batch = RunGdfconv(Command("batch", {"--list", dir / "pairs.txt"}));
  EXPECT_EQ(batch.exitCode, 0) << batch.err;
  EXPECT_NE(batch.out.find(
                "[1/1] B-2.gdf: converted (19 files written, 0 table lines added): " + said + "\n"),
            std::string::npos)
      << batch.out;

  EXPECT_EQ(test::ReadBytes(dir / "out/R41.TXT"), r41);  // nothing deleted

  // Quiet: the completion text alone.
  const auto quiet = RunGdfconv(Command("convert", {"--quiet", dir / "B-2.gdf", dir / "out"}));
  EXPECT_EQ(quiet.out, "変換が正常に終了しました。\n");
  EXPECT_EQ(quiet.err, "");
}

// A source with no tag line completes and writes nothing; the batch's line, its page and the
// report say why.
TEST_F(WhatARunSays, ASourceWithoutSectionsSaysThatNothingWasConverted) {
  const std::string said =
      "The source file holds no tag line of a section: nothing is converted, and no file is "
      "written.";
  fs::create_directories(dir.path() / "sources");
  test::WriteCp932(dir / "sources/plain.gdf", "B-9\n $A1\n$a1\n");
  const auto batch = RunGdfconv(
      Command("batch", {"--yes", "--target-root", dir / "many", "--report", dir / "batch.json",
                        "--preview-dir", dir / "pictures", dir / "sources"}));
  EXPECT_EQ(batch.exitCode, 0) << batch.err;
  EXPECT_NE(batch.out.find("[1/1] plain.gdf: converted (0 files written, 0 table lines added): " +
                           said + "\n"),
            std::string::npos)
      << batch.out;
  EXPECT_NE(test::ReadBytes(dir / "pictures/index.html").find(said), std::string::npos);
  const test::Json run = test::ParseJson(test::ReadBytes(dir / "batch.json"))["runs"][0];
  EXPECT_EQ(run["outcome"].string, "completed");
  EXPECT_TRUE(run["heldNoSection"].boolean);
  ASSERT_EQ(run["warnings"].items.size(), 1u);
  EXPECT_EQ(run["warnings"][0].string, said);
  EXPECT_TRUE(fs::is_empty(dir.path() / "many/plain"));
}

TEST_F(WhatARunSays, QuietFailuresAndRefusalsSayTheirMessageAndOneLineOfWhy) {
  // B-1 adds names to the tables, then stops at R31.TXT, which is a folder.
  fs::create_directories(dir.path() / "stops/R31.TXT");
  const auto loud = RunGdfconv(Command("convert", {dir / "B-1.gdf", dir / "stops"}));
  EXPECT_EQ(loud.exitCode, 3);
  EXPECT_NE(loud.err.find("added to the tables of the pattern-data folder:"), std::string::npos)
      << loud.err;
  fs::copy(test::SourceDir() + "/data/pattern", dir / "pattern",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);

  const struct {
    const char* what;
    std::vector<std::string> args;
    int status;
    std::string first;  // the first line of stderr
  } cases[] = {
      {"a failure after table lines were added",
       {dir / "B-1.gdf", dir / "stops"},
       3,
       "The conversion stopped in $S."},
      {"a count into the next section",
       {dir / "short.gdf", dir / "out"},
       3,
       "The conversion stopped in $A."},
      {"a refused target path",
       {dir / "B-1.gdf", "Q:\\OUT"},
       1,
       "指定されたパスは正しくありません。"},
      {"a folder question answered No",
       {dir / "B-1.gdf", dir / "new"},
       1,
       "フォルダがありません。新規作成しますか？"},
  };
  test::WriteCp932(dir / "short.gdf", "$A2\n1.0\n砂\n\n\n\n\n\n\n\n$S1\n");
  for (const auto& c : cases) {
    std::vector<std::string> args = {"--quiet"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto result = RunGdfconv(Command("convert", args));
    EXPECT_EQ(result.exitCode, c.status) << c.what << "\n" << result.err;
    EXPECT_EQ(result.out, "") << c.what;
    EXPECT_EQ(LineCount(result.err), 2u) << c.what << "\n" << result.err;
    EXPECT_EQ(result.err.substr(0, result.err.find('\n')), c.first) << c.what;
  }

  // A batch: the summary line, and a line for the file that did not convert.
  fs::create_directories(dir.path() / "sources");
  fs::copy_file(dir / "B-2.gdf", dir / "sources/B-2.gdf");
  fs::copy_file(dir / "short.gdf", dir / "sources/short.gdf");
  const auto batch = RunGdfconv(
      Command("batch", {"--quiet", "--yes", "--target-root", dir / "many", dir / "sources"}));
  EXPECT_EQ(batch.exitCode, 3);
  EXPECT_EQ(batch.out.substr(0, batch.out.rfind(" in ")),
            "2 files: 1 converted, 0 refused, 1 failed");
  EXPECT_EQ(LineCount(batch.out), 1u) << batch.out;
  EXPECT_EQ(batch.err,
            "short.gdf: failed: $A line 11: The count 2 of $A would take in line 11, the tag line "
            "of $S: fewer lines stand before it than the count promises.\n");
}

}  // namespace
}  // namespace gdf
