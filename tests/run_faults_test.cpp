// run_faults_test.cpp - Show, through the core and a file system that fails on purpose, that no
// fault loses a table's entries or leaves part of a line: every change of a run that adds to
// every table is made to fail in turn, as on a disk that fills up, and folders refuse writing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "run/conversion_run.h"
#include "sections/section_table.h"
#include "support/faulty_file_system.h"
#include "support/table_faults.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  return test::FilesUnder(folder);
}

// The lines of a file, each with its CR LF.
std::vector<std::string> Lines(const std::string& content) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < content.size();) {
    const std::size_t end = std::min(content.find("\r\n", start), content.size() - 2) + 2;
    lines.push_back(content.substr(start, end - start));
    start = end;
  }
  return lines;
}

class RunFaults : public ::testing::Test {
 protected:
  RunFaults() : host(test::DrivesOver({{u'D', dir.path().string()}})), faulty(*host) {
    inputs.sourceText = u"D:\\b.gdf";
    inputs.targetText = u"D:\\out";
    inputs.patternFolder = u"D:\\pattern\\";
    inputs.programFolder = u"D:\\";
    Lay();
    before = Snapshot(dir.path());
  }
  // The folder as a run finds it first: the tables and the source, no target folder.
  void Lay() {
    for (const auto& entry : fs::directory_iterator(dir.path())) fs::remove_all(entry.path());
    test::LayFaultPattern(dir / "pattern");
    test::WriteCp932(dir / "b.gdf", test::kFaultSource);
  }
  RunReport Run() {
    test::RecordingFrontEnd ui;
    ui.answerYes = true;  // create the target folder
    return RunConversion(inputs, faulty, ui);
  }
  // Checks the tables after a failed run: whole lines only, each beginning with what it held
  // before, XKISHITU.TXT (which is rewritten, not appended to) whole as before or with the new
  // group.
  void CheckTables(const std::string& when) {
    for (const auto& [table, fields] : test::kFaultTables) {
      const std::string name = "pattern/" + table;
      ASSERT_TRUE(test::Exists(dir / name)) << table << " " << when;
      const std::string content = test::ReadBytes(dir / name);
      EXPECT_TRUE(test::WholeLines(content, fields)) << table << " " << when;
      if (table == "XKISHITU.TXT") {
        for (const std::string& line : Lines(before.at(name))) {
          EXPECT_NE(content.find(line), std::string::npos)
              << table << " lost [" << line << "] " << when;
        }
      } else {
        EXPECT_EQ(content.compare(0, before.at(name).size(), before.at(name)), 0)
            << table << " " << when;
      }
    }
    EXPECT_EQ(test::ReadBytes(dir / "b.gdf"), before.at("b.gdf")) << when;
  }
  // Checks that every record file the report names holds the bytes it says.
  void CheckReportedFiles(const RunReport& report, const std::string& when) {
    for (const WrittenFile& file : report.files) {
      const std::string path = host->ToHost(file.path).value_or("");
      EXPECT_EQ(static_cast<std::int64_t>(fs::exists(path) ? fs::file_size(path) : -1), file.bytes)
          << ToUtf8(file.path) << " " << when;
    }
  }

  // A drive path as a path below the folder ("out/X1.TXT").
  std::string Relative(const Text& path) const {
    return fs::relative(host->ToHost(path).value_or(""), dir.path()).generic_string();
  }
  // The files a run names as created or changed, each once.
  std::set<std::string> Listed(const RunReport& report) const {
    std::set<std::string> listed;
    for (const ChangedFile& file : report.changed) {
      EXPECT_TRUE(listed.insert(Relative(file.path)).second) << ToUtf8(file.path) << " twice";
    }
    return listed;
  }
  // The files that differ between two snapshots: new, changed or gone.
  static std::set<std::string> Differing(const std::map<std::string, std::string>& from,
                                         const std::map<std::string, std::string>& to) {
    std::set<std::string> differing;
    for (const auto& [name, bytes] : to) {
      if (!from.count(name) || from.at(name) != bytes) differing.insert(name);
    }
    for (const auto& [name, bytes] : from) {
      if (!to.count(name)) differing.insert(name);
    }
    return differing;
  }

  test::TempDir dir;
  std::unique_ptr<FileSystem> host;
  test::FaultyFileSystem faulty;
  RunInputs inputs;
  std::map<std::string, std::string> before;
};

TEST_F(RunFaults, EveryChangeFailingInTurnLosesNothing) {
  const RunReport unhindered = Run();
  ASSERT_EQ(unhindered.outcome(), RunOutcome::kCompleted);
  const std::int64_t changes = faulty.Changes();
  const auto complete = Snapshot(dir.path());
  ASSERT_GT(changes, 20);
  int failed = 0;
  for (std::int64_t k = 1; k <= changes; ++k) {
    Lay();
    faulty.FailChange(k);
    const RunReport report = Run();
    const std::string when = "with change " + std::to_string(k) + " failing";
    ASSERT_TRUE(faulty.Struck()) << when;
    CheckReportedFiles(report, when);
    if (report.outcome() == RunOutcome::kCompleted) {
      // A run that goes on past a failed change must still have written everything.
      EXPECT_EQ(Snapshot(dir.path()), complete) << when;
    } else {
      ++failed;
      EXPECT_EQ(report.outcome(), RunOutcome::kFailed) << when;
      ASSERT_TRUE(report.failure()) << when;
      EXPECT_NE(ToUtf8(DescribeFailure(*report.failure())).find(test::kFullText), std::string::npos)
          << when << ": " << ToUtf8(DescribeFailure(*report.failure()));
      CheckTables(when);
    }
    if (HasFailure()) return;
  }
  EXPECT_GT(failed, changes / 2);
  faulty.FailChange(0);
  Lay();
  EXPECT_EQ(Run().outcome(), RunOutcome::kCompleted);
  EXPECT_EQ(Snapshot(dir.path()), complete);
}

TEST_F(RunFaults, AKillAtEveryChangeLeavesWholeLinesAndNeverGrowthWithoutTheMarker) {
  ASSERT_EQ(Run().outcome(), RunOutcome::kCompleted);
  const std::int64_t changes = faulty.Changes();
  const std::string kishitu = "pattern/KISHITU.TXT";
  for (std::int64_t k = 1; k <= changes; ++k) {
    Lay();
    faulty.KillAtChange(k);
    Run();
    const std::string when = "killed at change " + std::to_string(k);
    ASSERT_TRUE(faulty.Struck()) << when;
    CheckTables(when);
    const auto after = Snapshot(dir.path());
    if (after.at(kishitu) != before.at(kishitu)) {
      EXPECT_TRUE(after.count("PATADD.txt")) << when << ": KISHITU.TXT grew without PATADD.txt";
    }
    if (HasFailure()) return;
  }
  faulty.KillAtChange(0);
}

// Stopped at every change in turn, on a disk that fills up and on one that fails a single change,
// a run names exactly the files that differ on the disk from before it, and marks as possibly
// incomplete every record file that it left other than a whole run writes it. The target holds
// every record file of an earlier run: a run that completes (past a title file it could not
// write) names those it left untouched, and only those.
TEST_F(RunFaults, EveryChangeFailingInTurnNamesEveryFileItLeft) {
  // The source with a header block, for the count and title files.
  const auto lay = [&] {
    Lay();
    test::WriteCp932(dir / "b.gdf", "$Z3\nB-9\n1\n県道改良\n" + std::string(test::kFaultSource));
    for (const char16_t* name : kRecordFiles) {
      test::WriteBytes(dir / ("out/" + ToUtf8(name)), "earlier\r\n");
    }
  };
  lay();
  ASSERT_EQ(Run().outcome(), RunOutcome::kCompleted);
  const std::int64_t changes = faulty.Changes();
  const auto complete = Snapshot(dir.path());
  int completed = 0;
  for (const test::FaultAfter after : {test::FaultAfter::kDiskFull, test::FaultAfter::kNothing}) {
    for (std::int64_t k = 1; k <= changes; ++k) {
      lay();
      const auto start = Snapshot(dir.path());
      faulty.FailChange(k, after);
      const RunReport report = Run();
      const std::string when = "with change " + std::to_string(k) + " failing" +
                               (after == test::FaultAfter::kNothing ? " alone" : "");
      const auto end = Snapshot(dir.path());
      EXPECT_EQ(Listed(report), Differing(start, end)) << when;
      for (const ChangedFile& file : report.changed) {
        const std::string name = Relative(file.path);
        if (name.rfind("out/", 0) == 0 && end.count(name) && complete.at(name) != end.at(name)) {
          EXPECT_TRUE(file.mayBeIncomplete) << name << " " << when;
        }
      }
      if (report.outcome() == RunOutcome::kCompleted) {
        ++completed;
        std::set<std::string> untouched;
        for (const char16_t* name : kRecordFiles) {
          const std::string path = "out/" + ToUtf8(name);
          if (end.at(path) == start.at(path)) untouched.insert(path);
        }
        std::set<std::string> named;
        for (const Text& name : report.leftFromBefore) named.insert("out/" + ToUtf8(name));
        EXPECT_EQ(named, untouched) << when;
      }
      if (HasFailure()) return;
    }
  }
  EXPECT_GT(completed, 0);  // past a title file, which the run passes over
}

TEST_F(RunFaults, RefusedFoldersFailTheRunAndKeepTheTables) {
  const struct {
    const char16_t* folder;
    bool tablesAsBefore;  // whether no table may have changed at all
  } cases[] = {{u"D:\\out", false}, {u"D:\\pattern", true}, {u"D:\\", true}};
  for (const auto& c : cases) {
    Lay();
    fs::create_directories(dir.path() / "out");
    test::FaultyFileSystem refusing(*host);
    refusing.RefuseFolder(c.folder);
    test::RecordingFrontEnd ui;
    ui.answerYes = true;
    const RunReport report = RunConversion(inputs, refusing, ui);
    const std::string when = "with " + ToUtf8(c.folder) + " refused";
    if (c.tablesAsBefore) {
      // A pattern-data folder that cannot be written cannot be locked: refused, nothing written.
      EXPECT_EQ(report.outcome(), RunOutcome::kRefused) << when;
      ASSERT_TRUE(report.refusal()) << when;
      EXPECT_EQ(report.refusal()->kind, RefusalKind::kPatternFolderCannotLock) << when;
      EXPECT_TRUE(report.changed.empty()) << when;
      EXPECT_TRUE(report.added.empty()) << when;
      EXPECT_EQ(Snapshot(dir.path()), before) << when;
      continue;
    }
    EXPECT_EQ(report.outcome(), RunOutcome::kFailed) << when;
    ASSERT_TRUE(report.failure()) << when;
    EXPECT_NE(ToUtf8(DescribeFailure(*report.failure())).find(test::kRefusedText),
              std::string::npos)
        << when << ": " << ToUtf8(DescribeFailure(*report.failure()));
    CheckReportedFiles(report, when);
    CheckTables(when);
    EXPECT_EQ(Listed(report), Differing(before, Snapshot(dir.path()))) << when;
  }
}

TEST_F(RunFaults, RecordFileThatIsAFolderFailsTheRunNamingIt) {
  fs::create_directories(dir.path() / "out" / "X1.TXT");
  const RunReport report = Run();
  EXPECT_EQ(report.outcome(), RunOutcome::kFailed);
  ASSERT_TRUE(report.failure());
  EXPECT_NE(ToUtf8(DescribeFailure(*report.failure())).find("X1.TXT"), std::string::npos);
  CheckTables("with X1.TXT a folder");
}

}  // namespace
}  // namespace gdf
