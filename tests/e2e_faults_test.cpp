// e2e_faults_test.cpp - Show that no failure leaves a lookup table with part of a line or without
// its entries: the binary that adds to every table is cut off by a file-size limit at every size
// up to what it needs, and by folders that cannot be written; and that runs at once lose nothing.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

#include <chrono>
#include <filesystem>
#include <future>
#include <map>
#include <set>
#include <sstream>

#include "support/table_faults.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;

using test::kFaultSource;
using test::kFaultTables;
using test::LayFaultPattern;
using test::WholeLines;

class FaultSweep : public ::testing::Test {
 protected:
  FaultSweep() {
    LayFaultPattern(dir / "pattern");
    test::WriteCp932(dir / "b.gdf", kFaultSource);
    for (const auto& [table, fields] : kFaultTables)
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
    for (const auto& [table, fields] : kFaultTables) {
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
    EXPECT_EQ(test::ReadBytes(dir / "b.gdf"), test::Cp932Lines(kFaultSource));  // never written
  }
  test::TempDir dir;
  std::map<std::string, std::string> before;
};

// The binary under process limits and permission bits; run_faults_test.cpp plays the same faults
// through the core on every system.
#ifndef _WIN32
TEST_F(FaultSweep, EveryFileSizeLimitLeavesWholeLines) {
  // The size the run needs: its largest file once it has run unhindered.
  test::TempDir probe;
  LayFaultPattern(probe / "pattern");
  test::WriteCp932(probe / "b.gdf", kFaultSource);
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
  ::chmod(dir.path().c_str(), 0777);         // the program folder, where PATADD.txt is left
  ::chmod((dir / "pattern").c_str(), 0777);  // a share that everyone may write
  fs::remove_all(dir.path() / "out");
  fs::create_directories(dir.path() / "out");
  ::chmod((dir / "out").c_str(), 0555);
  const auto readOnlyTarget = Convert(-1, user);
  EXPECT_EQ(readOnlyTarget.exitCode, 3) << readOnlyTarget.err;
  EXPECT_NE(readOnlyTarget.err.find("Permission denied"), std::string::npos) << readOnlyTarget.err;
  CheckTables(-1);

  ::chmod((dir / "out").c_str(), 0777);
  // A read-only pattern-data folder cannot be locked: the run refuses before it writes anything.
  ::chmod((dir / "pattern").c_str(), 0555);
  fs::remove(dir / "pattern/GDFCONV.LCK");
  fs::remove_all(dir.path() / "out");
  fs::create_directories(dir.path() / "out");
  const auto readOnlyPattern = Convert(-1, user);
  EXPECT_EQ(readOnlyPattern.exitCode, 1) << readOnlyPattern.err;
  EXPECT_NE(readOnlyPattern.err.find("cannot be made or opened (Permission denied)"),
            std::string::npos)
      << readOnlyPattern.err;
  EXPECT_TRUE(fs::is_empty(dir.path() / "out"));
  CheckTables(-1);
  for (const auto& [table, fields] : kFaultTables) {
    EXPECT_EQ(test::ReadBytes(dir / ("pattern/" + table)), before[table]) << table;
  }

  // A program folder that cannot take PATADD.txt refuses the run before any table grows: the
  // marker must never be lost after names were added.
  ::chmod((dir / "pattern").c_str(), 0777);
  ::chmod(dir.path().c_str(), 0755);
  const bool markerBefore = test::Exists(dir / "PATADD.txt");
  const auto readOnlyProgram = Convert(-1, user);
  EXPECT_EQ(readOnlyProgram.exitCode, 1) << readOnlyProgram.err;
  EXPECT_NE(readOnlyProgram.err.find("PATADD.txt cannot be created in the program folder"),
            std::string::npos)
      << readOnlyProgram.err;
  EXPECT_NE(readOnlyProgram.err.find("--program-dir"), std::string::npos) << readOnlyProgram.err;
  for (const auto& [table, fields] : kFaultTables) {
    EXPECT_EQ(test::ReadBytes(dir / ("pattern/" + table)), before[table]) << table;
  }
  EXPECT_EQ(test::Exists(dir / "PATADD.txt"), markerBefore);
}

// A run killed at any moment: every table holds whole lines with what it held before, and
// KISHITU.TXT never grows without PATADD.txt (the marker comes before the first table line).
TEST_F(FaultSweep, AKillAtAnyMomentLeavesWholeLinesAndNeverGrowthWithoutTheMarker) {
  // A KISHITU.TXT of 15 000 lines makes the run long enough to be stopped in every stage.
  std::string filler;
  for (int i = 0; i < 15000; ++i) {
    filler += std::to_string(5000 + i % 500) + ",既存の名" + std::to_string(i) + ",X,X,    ,0000\n";
  }
  test::WriteCp932(dir / "pattern/KISHITU.TXT", "1001,砂,S,S,    ,0000\n" + filler);
  fs::copy(dir / "pattern", dir / "base", fs::copy_options::recursive);
  for (const auto& [table, fields] : kFaultTables) {
    before[table] = test::ReadBytes(dir / ("pattern/" + table));
  }
  const auto convert = [&](long killAfter) {
    return test::RunProcess(GDFCONV_BINARY,
                            {"convert", "--yes", "--quiet", "--pattern-dir", dir / "pattern",
                             "--program-dir", dir.path().string(), dir / "b.gdf", dir / "out"},
                            {}, test::ProcessLimits{-1, -1, killAfter, {}});
  };
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(convert(-1).exitCode, 0);
  const long whole = static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                           std::chrono::steady_clock::now() - start)
                                           .count());
  constexpr int kMoments = 300;
  int killed = 0;
  for (int i = 0; i < kMoments; ++i) {
    fs::remove_all(dir / "pattern");
    fs::remove_all(dir / "out");
    fs::remove(dir / "PATADD.txt");
    fs::copy(dir / "base", dir / "pattern", fs::copy_options::recursive);
    const auto result = convert(whole * i / kMoments);
    killed += result.exitCode == 128 + SIGKILL ? 1 : 0;
    const std::string when = "killed after " + std::to_string(whole * i / kMoments) + " us";
    CheckTables(i);
    if (test::ReadBytes(dir / "pattern/KISHITU.TXT") != before["KISHITU.TXT"]) {
      EXPECT_TRUE(test::Exists(dir / "PATADD.txt"))
          << "KISHITU.TXT grew without PATADD.txt, " << when;
    }
    if (HasFailure()) return;
  }
  EXPECT_GT(killed, kMoments / 2);
}

#endif

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
  for (const auto& [table, fields] : kFaultTables) {
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
