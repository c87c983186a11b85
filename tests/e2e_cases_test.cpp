// e2e_cases_test.cpp - Runs every case folder under tests/cases through the real gdfconv binary
// and compares the folders it leaves, byte for byte, with the case's expected files.
//
// A case folder holds:
//   README            one sentence: what the case shows
//   *.gdf             the source data files; each is converted on its own, from a fresh start
//   pattern/          the pattern-data folder before (empty when missing)
//   expected/out/     the target folder after, whole (empty when missing)
//   expected/pattern/ the pattern-data folder after, whole (unchanged when missing); the time,
//                     computer and user of each line of its GDFCONV.LOG are "*"
//   expected/program/ the program's folder after, whole: PATADD.txt (empty when missing)
//   expected/stdout   the standard output, whole (not compared when missing); with several
//                     sources, expected/SOURCE.stdout for each
//   expected/stderr   the standard error, the same way
//   expected/status   the exit status (0 when missing)
// The run sees the work folder as drive D:, so the paths it prints are the same on every machine:
//   gdfconv convert --drive D=WORK --pattern-dir WORK/pattern --program-dir WORK/program
//                   D:\SOURCE.gdf D:\out
// Malformed inputs are source files named for their fault, in a case folder of their own.
//
// With GDFCONV_UPDATE_CASES=1 in the environment, the test writes what the binary gave as the
// expected files instead (review the change with git diff before committing it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;

// The files below a folder (relative path -> bytes; the log of additions without its times and
// places); empty when the folder is missing.
std::map<std::string, std::string> FilesIn(const fs::path& folder) {
  return test::FilesUnder(folder);
}

// Where two folders' files differ, one line each; empty when they are the same.
std::string Differences(const std::map<std::string, std::string>& expected,
                        const std::map<std::string, std::string>& actual) {
  std::string out;
  for (const auto& [name, bytes] : expected) {
    const auto found = actual.find(name);
    if (found == actual.end()) {
      out += "  missing: " + name + "\n";
    } else if (found->second != bytes) {
      out += "  differs: " + name + "\n    expected: " + bytes +
             "\n    actual:   " + found->second + "\n";
    }
  }
  for (const auto& [name, bytes] : actual) {
    if (expected.count(name) == 0) out += "  not expected: " + name + "\n";
  }
  return out;
}

// Replaces the files of `folder` with `files`; removes it when there are none.
void WriteFolder(const fs::path& folder, const std::map<std::string, std::string>& files) {
  fs::remove_all(folder);
  for (const auto& [name, bytes] : files) test::WriteBytes((folder / name).string(), bytes);
}

std::vector<fs::path> CaseFolders() {
  std::vector<fs::path> folders;
  for (const auto& entry : fs::directory_iterator(test::SourceDir() + "/tests/cases")) {
    if (entry.is_directory()) folders.push_back(entry.path());
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

TEST(Cases, EveryCaseFolderGivesItsExpectedFiles) {
  const std::vector<fs::path> cases = CaseFolders();
  ASSERT_FALSE(cases.empty());
  for (const fs::path& folder : cases) {
    const std::string name = folder.filename().string();
    EXPECT_FALSE(test::ReadBytes((folder / "README").string()).empty()) << name << ": no README";
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() == ".gdf") sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    EXPECT_FALSE(sources.empty()) << name << ": no source data file";
    const fs::path expected = folder / "expected";
    const std::string status = test::ReadBytes((expected / "status").string());
    const int expectedStatus = status.empty() ? 0 : std::stoi(status);
    const bool patternGrows = fs::is_directory(expected / "pattern");

    for (const fs::path& source : sources) {
      const std::string label = name + "/" + source.filename().string();
      test::TempDir work;
      fs::create_directories(work.path() / "pattern");
      fs::create_directories(work.path() / "program");
      fs::create_directories(work.path() / "out");
      if (fs::is_directory(folder / "pattern")) {
        fs::copy(folder / "pattern", work.path() / "pattern", fs::copy_options::recursive);
      }
      fs::copy_file(source, work.path() / source.filename());
      const auto result = test::RunGdfconv(
          {"convert", "--drive", "D=" + work.path().string(), "--pattern-dir", work / "pattern",
           "--program-dir", work / "program", "D:\\" + source.filename().string(), "D:\\out"});

      if (std::getenv("GDFCONV_UPDATE_CASES") != nullptr) {
        WriteFolder(expected / "out", FilesIn(work.path() / "out"));
        const auto pattern = FilesIn(work.path() / "pattern");
        WriteFolder(expected / "pattern",
                    pattern == FilesIn(folder / "pattern") ? decltype(pattern)() : pattern);
        WriteFolder(expected / "program", FilesIn(work.path() / "program"));
        fs::remove(expected / "status");
        if (result.exitCode != 0) {
          test::WriteBytes((expected / "status").string(), std::to_string(result.exitCode) + "\n");
        }
        const std::string prefix = sources.size() > 1 ? source.stem().string() + "." : "";
        const std::pair<const char*, const std::string*> streams[] = {{"stdout", &result.out},
                                                                      {"stderr", &result.err}};
        for (const auto& [stream, text] : streams) {
          fs::remove(expected / (prefix + stream));
          if (!text->empty()) test::WriteBytes((expected / (prefix + stream)).string(), *text);
        }
        continue;
      }
      EXPECT_EQ(result.exitCode, expectedStatus) << label << "\n" << result.err;
      EXPECT_EQ(Differences(FilesIn(expected / "out"), FilesIn(work.path() / "out")), "")
          << label << ": the target folder";
      EXPECT_EQ(Differences(FilesIn(patternGrows ? expected / "pattern" : folder / "pattern"),
                            FilesIn(work.path() / "pattern")),
                "")
          << label << ": the pattern-data folder";
      EXPECT_EQ(Differences(FilesIn(expected / "program"), FilesIn(work.path() / "program")), "")
          << label << ": the program's folder";
      const std::pair<const char*, const std::string*> streams[] = {{"stdout", &result.out},
                                                                    {"stderr", &result.err}};
      for (const auto& [stream, text] : streams) {
        fs::path file = expected / (source.stem().string() + "." + stream);
        if (!fs::exists(file)) file = expected / stream;
        if (fs::exists(file)) {
          EXPECT_EQ(*text, test::ReadBytes(file.string())) << label;
        }
      }
    }
  }
}

}  // namespace
}  // namespace gdf
