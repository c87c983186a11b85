// e2e_dry_run_test.cpp - Show, through the binary, that `convert --dry-run` leaves every folder
// byte-identical while its report and its listing say exactly what the real run then does: the
// same files with the same sizes and line counts, the same table lines, the same failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/mini_json.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;
using test::Json;
using test::RunGdfconv;

using Snapshot = std::map<std::string, std::string>;  // relative path -> bytes ("/" for folders)

class DryRun : public ::testing::Test {
 protected:
  DryRun() {
    fs::copy(test::SourceDir() + "/data/pattern", work / "pattern", fs::copy_options::recursive);
    fs::copy(test::SourceDir() + "/data/examples", work / "src", fs::copy_options::recursive);
    fs::create_directories(work.path() / "program");
    test::WriteBytes(work / "out/B-2/X1.TXT", "stale\r\n");
    test::WriteBytes(work / "out/B-2/NOTES.TXT", "kept\r\n");
  }

  Snapshot Take() const {
    Snapshot snapshot;
    for (const auto& entry : fs::recursive_directory_iterator(work.path())) {
      const std::string relative = fs::relative(entry.path(), work.path()).generic_string();
      snapshot[relative] = entry.is_directory() ? "/" : test::ReadBytes(entry.path().string());
    }
    return snapshot;
  }

  test::ProcessResult Convert(const std::string& source, const std::string& target,
                              const std::string& report, bool dryRun) {
    std::vector<std::string> args = {"convert",       "--pattern-dir",  work / "pattern",
                                     "--program-dir", work / "program", "--report",
                                     report};
    args.push_back(dryRun ? "--dry-run" : "--yes");
    args.push_back(source);
    args.push_back(target);
    return RunGdfconv(args);
  }

  static Json Read(const std::string& path) { return test::ParseJson(test::ReadBytes(path)); }

  test::TempDir work;
  test::TempDir reports;
};

// The parts of a report that a dry run and the real run must share.
void ExpectSameRun(const Json& dry, const Json& real) {
  EXPECT_TRUE(dry["dryRun"].boolean);
  EXPECT_FALSE(real["dryRun"].boolean);
  for (const char* key : {"outcome", "completionText", "refusal"}) {
    EXPECT_EQ(dry[key].string, real[key].string) << key;
    EXPECT_EQ(dry[key].kind, real[key].kind) << key;
  }
  ASSERT_EQ(dry["files"].items.size(), real["files"].items.size());
  for (std::size_t i = 0; i < real["files"].items.size(); ++i) {
    for (const char* key : {"name", "path"}) {
      EXPECT_EQ(dry["files"][i][key].string, real["files"][i][key].string) << i;
    }
    for (const char* key : {"lines", "bytes"}) {
      EXPECT_EQ(dry["files"][i][key].number, real["files"][i][key].number) << i;
    }
  }
  ASSERT_EQ(dry["added"].items.size(), real["added"].items.size());
  for (std::size_t i = 0; i < real["added"].items.size(); ++i) {
    for (const char* key : {"table", "code", "name"}) {
      EXPECT_EQ(dry["added"][i][key].string, real["added"][i][key].string) << i;
    }
  }
  EXPECT_EQ(dry["markerCreated"].boolean, real["markerCreated"].boolean);
}

TEST_F(DryRun, WritesNothingAndListsWhatTheRunThenDoes) {
  // B-1 goes to a folder that does not exist yet; B-2 to one with files of an earlier run, and
  // then again over its own files.
  int round = 0;
  for (const std::string stem : {"B-1", "B-2", "B-2"}) {
    const std::string dryName = stem + "-" + std::to_string(++round) + "-dry.json";
    const std::string realName = stem + "-" + std::to_string(round) + "-real.json";
    const std::string source = work / ("src/" + stem + ".gdf");
    const std::string target = work / ("out/" + stem);
    const Snapshot before = Take();
    const auto dry = Convert(source, target, reports / dryName, true);
    ASSERT_EQ(dry.exitCode, 0) << dry.err;
    EXPECT_NE(dry.out.find("Dry run: nothing was written."), std::string::npos);
    EXPECT_EQ(Take(), before) << stem;

    if (stem == "B-2") {
      EXPECT_NE(dry.out.find("NOTES.TXT   left alone 1 line"), std::string::npos) << dry.out;
    }

    const auto real = Convert(source, target, reports / realName, false);
    ASSERT_EQ(real.exitCode, 0) << real.err;
    const Json dryReport = Read(reports / dryName);
    ExpectSameRun(dryReport, Read(reports / realName));
    EXPECT_GT(dryReport["files"].items.size(), 15u);
    EXPECT_EQ(dryReport["added"].items.empty(), round == 3);  // the third run adds no name

    // Every file of the target and pattern-data folders as the plan says it will be.
    const Snapshot after = Take();
    for (const Json& folder : dryReport["plan"]["folders"].items) {
      const std::string role = folder["role"].string;
      const std::string sub = role == "target"        ? "out/" + stem
                              : role == "patternData" ? "pattern"
                              : role == "program"     ? "program"
                                                      : "out";
      EXPECT_EQ(folder["created"].boolean, !before.count(sub)) << sub;
      std::size_t listed = 0;
      for (const Json& file : folder["files"].items) {
        const std::string path = sub + "/" + file["name"].string;
        ASSERT_TRUE(after.count(path)) << path;
        const std::string& bytes = after.at(path);
        EXPECT_EQ(file["bytes"].number, static_cast<double>(bytes.size())) << path;
        const std::string& action = file["action"].string;
        if (action == "leftAlone") {
          EXPECT_EQ(bytes, before.at(path)) << path;
        } else if (action == "replaced") {
          EXPECT_EQ(file["sameContent"].boolean, bytes == before.at(path)) << path;
        } else {
          EXPECT_EQ(action, before.count(path) ? "grows" : "created") << path;
          if (before.count(path)) {
            EXPECT_EQ(bytes.rfind(before.at(path), 0), 0u) << path;  // grown at its end
          }
        }
        ++listed;
      }
      if (role == "target" || role == "patternData") {
        std::size_t onDisk = 0;
        for (const auto& [path, bytes] : after) {
          if (path.rfind(sub + "/", 0) == 0 && bytes != "/") ++onDisk;
        }
        EXPECT_EQ(listed, onDisk) << sub;
      }
    }
  }
}

// A dry run, a preview and a check write nothing, not even the lock file: where the folder has
// one, a dry run takes it shared (and waits for a run that changes the folder); where it has
// none, the plan says that the folder was read without a lock, and that the run would make one.
TEST_F(DryRun, TakesTheLockSharedWhereThereIsALockFileAndMakesNone) {
  const std::string source = work / "src/B-1.gdf";
  const std::string lockFile = work / "pattern/GDFCONV.LCK";
  const Snapshot before = Take();
  const auto dry = Convert(source, work / "out/B-1", reports / "dry.json", true);
  ASSERT_EQ(dry.exitCode, 0) << dry.err;
  EXPECT_NE(dry.out.find("The pattern-data folder has no lock file GDFCONV.LCK, so it was read "
                         "without a lock (and none was made)."),
            std::string::npos)
      << dry.out;
  EXPECT_NE(dry.out.find("GDFCONV.LCK   new"), std::string::npos) << dry.out;
  EXPECT_EQ(Read(reports / "dry.json")["plan"]["patternFolderLock"].string, "no lock file");
  const auto preview = RunGdfconv({"preview", "--pattern-dir", work / "pattern", "--program-dir",
                                   work / "program", source, "-o", reports / "b.svg"});
  EXPECT_EQ(preview.exitCode, 0) << preview.err;
  EXPECT_EQ(RunGdfconv({"check", source}).exitCode, 0);
  EXPECT_EQ(Take(), before);

  ASSERT_EQ(Convert(source, work / "out/B-1", reports / "real.json", false).exitCode, 0);
  ASSERT_TRUE(test::Exists(lockFile));
  const Snapshot withLockFile = Take();
  const auto fs = test::DrivesOver({{u'D', work.path().string()}});
  {
    LockError error;
    const auto held = fs->LockFolder(u"D:\\pattern", LockMode::kExclusive, 0, error);
    ASSERT_TRUE(held) << error.reason;
    auto waiting =
        RunGdfconv({"convert", "--dry-run", "--lock-wait", "1", "--pattern-dir", work / "pattern",
                    "--program-dir", work / "program", source, work / "out/B-1"});
    EXPECT_EQ(waiting.exitCode, 3) << waiting.out << waiting.err;
  }
  const auto shared = Convert(source, work / "out/B-1", reports / "shared.json", true);
  ASSERT_EQ(shared.exitCode, 0) << shared.err;
  EXPECT_NE(shared.out.find("The pattern-data folder was read under a shared lock"),
            std::string::npos)
      << shared.out;
  EXPECT_EQ(Read(reports / "shared.json")["plan"]["patternFolderLock"].string, "shared");
  EXPECT_EQ(Take(), withLockFile);
}

TEST_F(DryRun, FailureAndRefusalAreThoseOfTheRun) {
  test::WriteCp932(work / "src/short.gdf", "$Z0\n$A2\n1.0\n砂\n");
  const struct {
    std::string source;
    std::string target;
    int exitCode;
    const char* stage;
    double line;
  } cases[] = {
      {work / "src/short.gdf", work / "out/S", 3, "$A", 5},
      {work / "src/B-1.gdf", work / "src/B-2.gdf/S", 1, "", 0},  // under a file: refused
      {work / "src/missing.gdf", work / "out/S", 1, "", 0},
      {work / "src/B-1.gdf", "Q:\\NO\\DRIVE", 1, "", 0},
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::string name = std::to_string(++n);
    const Snapshot before = Take();
    const auto dry = Convert(c.source, c.target, reports / (name + "-dry.json"), true);
    EXPECT_EQ(dry.exitCode, c.exitCode) << dry.out << dry.err;
    EXPECT_EQ(Take(), before);
    const auto real = Convert(c.source, c.target, reports / (name + "-real.json"), false);
    EXPECT_EQ(real.exitCode, c.exitCode);
    const Json dryReport = Read(reports / (name + "-dry.json"));
    const Json realReport = Read(reports / (name + "-real.json"));
    ExpectSameRun(dryReport, realReport);
    EXPECT_EQ(dryReport["failure"].kind, realReport["failure"].kind);
    if (c.exitCode == 3) {
      EXPECT_NE(dry.out.find("The run would fail."), std::string::npos) << dry.out;
      for (const char* key : {"kind", "stage", "file", "reason"}) {
        EXPECT_EQ(dryReport["failure"][key].string, realReport["failure"][key].string) << key;
      }
      EXPECT_EQ(dryReport["failure"]["stage"].string, c.stage);
      EXPECT_EQ(dryReport["failure"]["line"].number, c.line);
    }
  }
}

TEST_F(DryRun, ReportFileThatCannotBeWrittenIsAUsageError) {
  const auto result =
      Convert(work / "src/B-1.gdf", work / "out/B-1", work / "no/such/folder/report.json", true);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_FALSE(fs::exists(work.path() / "out/B-1"));
}

}  // namespace
}  // namespace gdf
