// e2e_faults_test.cpp - Show that no failure leaves a lookup table with part of a line or without
// its entries: a run that adds to every table is cut off by a file-size limit at every size up to
// what it needs, and by folders that cannot be written; and that runs at once lose nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <future>
#include <map>
#include <set>
#include <sstream>

#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;

// Every table of the pattern-data folder with the number of fields of its lines.
const std::map<std::string, int> kTables = {
    {"KISHITU.TXT", 6}, {"XKISHITU.TXT", 6}, {"L13.TXT", 2}, {"L14.TXT", 2}, {"L15.TXT", 2},
    {"L16.TXT", 2},     {"L17.TXT", 3},      {"L19.TXT", 2}, {"L18.txt", 2}, {"L18b.txt", 2}};

// A source that adds a name or a value to every table.
constexpr const char kSource[] =
    "$A1\n2.50\n新しい礫質土\n\n\nSG\n\n\n\n\n"
    "$S1\n1.00\nCM\n新A\n新B\n新C\n新D\n新E\n新F\n\n"
    "$H1\n3.00\n2\nx\n新色/新区分\n";

void LayPattern(const std::string& folder) {
  test::WriteCp932(folder + "/L1.TXT", "1,GM-150\n");
  test::WriteCp932(folder + "/L2.TXT", "1,ロータリー式\n");
  test::WriteCp932(folder + "/L4.TXT", "3,C\n7,M\n");
  test::WriteCp932(folder + "/KISHITU.TXT", "1001,砂,S,S,    ,0000\n");
  test::WriteCp932(folder + "/XKISHITU.TXT",
                   "2000,礫,G,G,    ,0000\n4000,他,    ,    ,    ,0000\n");
  for (const char* t : {"L13.TXT", "L14.TXT", "L15.TXT", "L16.TXT", "L19.TXT"}) {
    test::WriteCp932(folder + "/" + t, "1,ＣＭ\n");
  }
  test::WriteCp932(folder + "/L17.TXT", "1,      ,棒状\n");
  test::WriteCp932(folder + "/L18.txt", "01,灰\n");
  test::WriteCp932(folder + "/L18b.txt", "01,ＣＨ\n");
}

// Whether a table holds only whole lines of the right shape. A line's fields are counted by its
// commas; the test's names hold none.
::testing::AssertionResult WholeLines(const std::string& content, int fields) {
  if (content.empty()) return ::testing::AssertionSuccess();
  if (content.size() < 2 || content.compare(content.size() - 2, 2, "\r\n") != 0) {
    return ::testing::AssertionFailure() << "ends inside a line";
  }
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t end = content.find("\r\n", start);
    const std::string line = content.substr(start, end - start);
    if (static_cast<int>(std::count(line.begin(), line.end(), ',')) != fields - 1) {
      return ::testing::AssertionFailure() << "a line of the wrong shape: [" << line << "]";
    }
    start = end + 2;
  }
  return ::testing::AssertionSuccess();
}

class FaultSweep : public ::testing::Test {
 protected:
  FaultSweep() {
    LayPattern(dir / "pattern");
    test::WriteCp932(dir / "b.gdf", kSource);
    for (const auto& [table, fields] : kTables)
      before[table] = test::ReadBytes(dir / ("pattern/" + table));
  }
  test::ProcessResult Convert(long limit, int user = -1) {
    return test::RunGdfconv({"convert", "--yes", "--quiet", "--pattern-dir", dir / "pattern",
                             "--program-dir", dir.path().string(), dir / "b.gdf", dir / "out"},
                            {}, limit, user);
  }
  // Checks every table after a run: its lines whole, the appended tables beginning with what
  // they held before, XKISHITU.TXT keeping every line it had.
  void CheckTables(long limit) {
    for (const auto& [table, fields] : kTables) {
      const std::string content = test::ReadBytes(dir / ("pattern/" + table));
      ASSERT_TRUE(test::Exists(dir / ("pattern/" + table))) << table << " at limit " << limit;
      EXPECT_TRUE(WholeLines(content, fields)) << table << " at limit " << limit;
      if (table == "XKISHITU.TXT") {
        EXPECT_TRUE(content == before[table] || (content.find("4000,") != std::string::npos &&
                                                 content.size() > before[table].size()))
            << "at limit " << limit << ": " << content;
      } else {
        EXPECT_EQ(content.compare(0, before[table].size(), before[table]), 0)
            << table << " at limit " << limit;
      }
    }
    EXPECT_EQ(test::ReadBytes(dir / "b.gdf"), test::Cp932Lines(kSource));  // never written
  }
  test::TempDir dir;
  std::map<std::string, std::string> before;
};

TEST_F(FaultSweep, EveryFileSizeLimitLeavesWholeLines) {
  // The size the run needs: its largest file once it has run unhindered.
  test::TempDir probe;
  LayPattern(probe / "pattern");
  test::WriteCp932(probe / "b.gdf", kSource);
  const auto full =
      test::RunGdfconv({"convert", "--yes", "--quiet", "--pattern-dir", probe / "pattern",
                        "--program-dir", probe.path().string(), probe / "b.gdf", probe / "out"});
  ASSERT_EQ(full.exitCode, 0) << full.err;
  long needed = 0;
  for (const auto& entry : fs::recursive_directory_iterator(probe.path())) {
    if (entry.is_regular_file())
      needed = std::max<long>(needed, static_cast<long>(entry.file_size()));
  }
  ASSERT_GT(needed, 0);
  int failures = 0;
  for (long limit = 0; limit <= needed; ++limit) {
    const auto result = Convert(limit);
    EXPECT_TRUE(result.exitCode == 0 || result.exitCode == 3) << limit << ": " << result.err;
    failures += result.exitCode == 3 ? 1 : 0;
    CheckTables(limit);
    if (HasFailure()) return;
  }
  EXPECT_GT(failures, 0);
  EXPECT_EQ(Convert(-1).exitCode, 0);  // and a run without a limit then completes
  CheckTables(-1);
}

TEST_F(FaultSweep, UnwritableFoldersFailCleanly) {
  fs::create_directories(dir.path() / "out" / "X1.TXT");  // a record file that is a folder
  const auto result = Convert(-1);
  EXPECT_EQ(result.exitCode, 3) << result.err;
  EXPECT_NE(result.err.find("X1.TXT"), std::string::npos) << result.err;
  CheckTables(-1);

  // Permission bits do not stop root, who runs CI: then these runs go as an unprivileged user,
  // for whom the folders are readable.
  const int user = ::geteuid() == 0 ? 65534 : -1;
  ::chmod(dir.path().c_str(), 0755);
  fs::remove_all(dir.path() / "out");
  fs::create_directories(dir.path() / "out");
  ::chmod((dir / "out").c_str(), 0555);
  const auto readOnlyTarget = Convert(-1, user);
  EXPECT_EQ(readOnlyTarget.exitCode, 3) << readOnlyTarget.err;
  EXPECT_NE(readOnlyTarget.err.find("Permission denied"), std::string::npos) << readOnlyTarget.err;
  CheckTables(-1);

  ::chmod((dir / "out").c_str(), 0777);
  ::chmod((dir / "pattern").c_str(), 0555);
  const auto readOnlyPattern = Convert(-1, user);
  EXPECT_EQ(readOnlyPattern.exitCode, 3) << readOnlyPattern.err;
  EXPECT_NE(readOnlyPattern.err.find("Permission denied"), std::string::npos)
      << readOnlyPattern.err;
  CheckTables(-1);
  for (const auto& [table, fields] : kTables) {
    EXPECT_EQ(test::ReadBytes(dir / ("pattern/" + table)), before[table]) << table;
  }
}

// Two runs that add different names to the same tables at once: each waits for the other's
// lock, so every name of both is in the tables once, under codes no other line holds.
TEST_F(FaultSweep, RunsAtOnceKeepEachOthersAdditions) {
  // The names of one run carry its mark; each table entry the run adds then holds it.
  const auto source = [](const std::string& mark) {
    return "$A1\n2.50\n新しい礫質土" + mark + "\n\n\nSG\n\n\n\n\n$S1\n1.00\nCM\n新A" + mark +
           "\n新B" + mark + "\n新C" + mark + "\n新D" + mark + "\n新E" + mark + "\n新F" + mark +
           "\n\n$H1\n3.00\n2\nx\n新色" + mark + "/新区分" + mark + "\n";
  };
  const std::vector<std::string> marks = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛"};
  for (const std::string& mark : marks) test::WriteCp932(dir / (mark + ".gdf"), source(mark));
  const auto convert = [&](const std::string& mark) {
    return test::RunGdfconv({"convert", "--yes", "--quiet", "--pattern-dir", dir / "pattern",
                             "--program-dir", dir.path().string(), dir / (mark + ".gdf"),
                             dir / ("out-" + mark)});
  };
  for (std::size_t i = 0; i < marks.size(); i += 2) {  // two at a time
    auto first = std::async(std::launch::async, convert, marks[i]);
    const auto second = convert(marks[i + 1]);
    const auto firstResult = first.get();
    ASSERT_EQ(firstResult.exitCode, 0) << firstResult.err;
    ASSERT_EQ(second.exitCode, 0) << second.err;
  }
  CheckTables(-1);
  for (const auto& [table, fields] : kTables) {
    const std::string content = test::ReadCp932(dir / ("pattern/" + table));
    std::set<std::string> codes;
    std::istringstream lines(content);
    for (std::string line; std::getline(lines, line);) {
      EXPECT_TRUE(codes.insert(line.substr(0, line.find(','))).second) << table << ": " << line;
    }
    if (table == "XKISHITU.TXT") continue;  // it keeps the groups, not the names
    for (const std::string& mark : marks) {
      std::size_t count = 0;
      for (std::size_t at = content.find(mark); at != std::string::npos;
           at = content.find(mark, at + 1)) {
        ++count;
      }
      EXPECT_EQ(count, 1u) << table << " holds the names of " << mark << " " << count << " times:\n"
                           << content;
    }
  }
}

}  // namespace
}  // namespace gdf
