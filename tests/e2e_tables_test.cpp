// e2e_tables_test.cpp - Show that `gdfconv tables` finds each fault planted in a pattern-data
// folder, with its line, who added it where the log knows, and what to do; that the bundled
// folder is healthy; that it names a run that holds the lock; and that --log lists additions.
//
// Each folder under tests/table-faults is one fault: its files are laid over a copy of the
// bundled data/pattern (a file NAME.remove takes NAME away), and expected.txt is the whole
// output of `gdfconv tables --lang en`, with the exit status in its first line. With
// GDFCONV_UPDATE_CASES=1 the test writes what the binary gave instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "support/mini_json.h"
#include "support/table_faults.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;

class Tables : public ::testing::Test {
 protected:
  // A copy of the bundled pattern-data folder, with a fault case's files over it.
  void Lay(const fs::path& overlay = {}) {
    fs::remove_all(work.path() / "pattern");
    fs::copy(test::SourceDir() + "/data/pattern", work / "pattern", fs::copy_options::recursive);
    if (overlay.empty()) return;
    for (const auto& entry : fs::directory_iterator(overlay)) {
      const std::string name = entry.path().filename().string();
      if (name == "README" || name == "expected.txt") continue;
      if (entry.path().extension() == ".remove") {
        fs::remove(work.path() / "pattern" / entry.path().stem());
      } else {
        fs::copy_file(entry.path(), work.path() / "pattern" / name,
                      fs::copy_options::overwrite_existing);
      }
    }
  }
  test::ProcessResult Tables_(const std::vector<std::string>& more = {}) {
    std::vector<std::string> args = {
        "tables",        "--lang",        "en", "--drive", "D=" + work.path().string(),
        "--pattern-dir", work / "pattern"};
    args.insert(args.end(), more.begin(), more.end());
    return test::RunGdfconv(args);
  }
  test::TempDir work;
};

TEST_F(Tables, EachPlantedFaultIsFoundWithWhatToDo) {
  std::vector<fs::path> cases;
  for (const auto& entry : fs::directory_iterator(test::SourceDir() + "/tests/table-faults")) {
    if (entry.is_directory()) cases.push_back(entry.path());
  }
  std::sort(cases.begin(), cases.end());
  ASSERT_GE(cases.size(), 10u);
  for (const fs::path& folder : cases) {
    const std::string name = folder.filename().string();
    EXPECT_FALSE(test::ReadBytes((folder / "README").string()).empty()) << name << ": no README";
    Lay(folder);
    const auto before = test::FilesUnder(work.path() / "pattern");
    const auto result = Tables_();
    const std::string got = std::to_string(result.exitCode) + "\n" + result.out + result.err;
    if (std::getenv("GDFCONV_UPDATE_CASES") != nullptr) {
      test::WriteBytes((folder / "expected.txt").string(), got);
      continue;
    }
    EXPECT_EQ(got, test::ReadBytes((folder / "expected.txt").string())) << name;
    // It only reads: not even a lock file is made.
    EXPECT_EQ(test::FilesUnder(work.path() / "pattern"), before) << name;
  }
}

TEST_F(Tables, TheBundledFolderIsHealthyInBothForms) {
  Lay();
  const auto text = Tables_();
  EXPECT_EQ(text.exitCode, 0) << text.out << text.err;
  EXPECT_NE(text.out.find("The folder is healthy."), std::string::npos) << text.out;
  const auto json = Tables_({"--format", "json"});
  EXPECT_EQ(json.exitCode, 0);
  const test::Json report = test::ParseJson(json.out);
  EXPECT_TRUE(report["healthy"].boolean);
  EXPECT_EQ(report["tables"].number, 13);
  for (const test::Json& finding : report["findings"].items) {
    EXPECT_EQ(finding["severity"].string, "note") << finding["message"].string;
  }
}

TEST_F(Tables, NamesTheRunThatHoldsTheLock) {
  Lay();
  const auto fs = test::DrivesOver({{u'D', work.path().string()}});
  LockError error;
  auto held = fs->LockFolder(u"D:\\pattern", LockMode::kExclusive, 0, error);
  ASSERT_TRUE(held) << error.reason;
  FileError why;
  ASSERT_TRUE(held->WriteHolder("PC-TANAKA,tanaka,4242,2026-12-09 10:02:05\r\n", why));
  const auto result = Tables_();
  EXPECT_NE(result.out.find("Lock: tanaka on PC-TANAKA has been converting since 10:02"),
            std::string::npos)
      << result.out;
  const auto json = test::ParseJson(Tables_({"--format", "json"}).out);
  EXPECT_EQ(json["lock"]["holder"]["user"].string, "tanaka");
}

TEST_F(Tables, LogListsTheAdditionsOfTheRunsSinceADate) {
  Lay();
  test::WriteCp932(work / "b.gdf", test::kFaultSource);
  const auto run = test::RunGdfconv({"convert", "--yes", "--drive", "D=" + work.path().string(),
                                     "--pattern-dir", work / "pattern", "--program-dir",
                                     work.path().string(), "D:\\b.gdf", "D:\\out"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto log = Tables_({"--log"});
  EXPECT_EQ(log.exitCode, 0);
  for (const char* line :
       {"D:\\b.gdf  XKISHITU.TXT  2006  新しい礫質土", "D:\\b.gdf  KISHITU.TXT  2006  新しい礫質土",
        "D:\\b.gdf  L16.TXT   6  新D", "D:\\b.gdf  L18b.txt  08  新区分", "10 additions"}) {
    EXPECT_NE(log.out.find(line), std::string::npos) << line << "\n" << log.out;
  }
  const auto json = test::ParseJson(Tables_({"--log", "--format", "json"}).out);
  ASSERT_EQ(json["additions"].items.size(), 10u);
  EXPECT_EQ(json["additions"][0]["source"].string, "D:\\b.gdf");
  EXPECT_EQ(Tables_({"--log", "--since", "2999-01-01"}).out, "The log records no addition.\n");
  for (const char* bad : {"yesterday", "2026-1-1", "2026/12/01"}) {
    EXPECT_EQ(Tables_({"--log", "--since", bad}).exitCode, 2) << bad;
  }
}

}  // namespace
}  // namespace gdf
