// check_run_agreement_test.cpp - Show that check and the run agree on every source of a corpus:
// check finds an error exactly when the run stops while it reads the source, before it writes
// anything. The corpus is every test input, the examples, the fuzz seeds, and a few hundred
// mutations of them (counts changed, lines dropped, doubled, swapped or cut, tag lines copied,
// quotes and commas put into values).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/cp932.h"
#include "run/conversion_run.h"
#include "run/dry_run.h"
#include "run/source_check.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;

// The lines of a file's bytes, each without its line end (CR LF, LF or CR).
std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

bool IsTag(const std::string& line) {
  return line.size() >= 2 && line[0] == '$' && line[1] >= 'A' && line[1] <= 'Z';
}

// One change of the kind that a typing person makes to a source, chosen by `random`.
void Mutate(std::vector<std::string>& lines, std::mt19937& random) {
  if (lines.empty()) lines.push_back("$A1");
  const auto pick = [&](std::size_t size) {
    return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
  };
  std::vector<std::size_t> tags;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (IsTag(lines[i])) tags.push_back(i);
  }
  switch (pick(8)) {
    case 0:  // a count one or a few off, or any small number
      if (!tags.empty()) {
        std::string& tag = lines[tags[pick(tags.size())]];
        const int count = std::atoi(tag.c_str() + 2);
        const int changed =
            pick(2) == 0 ? count + static_cast<int>(pick(7)) - 3 : static_cast<int>(pick(20));
        tag = tag.substr(0, 2) + std::to_string(changed);
      }
      break;
    case 1:
      lines.erase(lines.begin() + static_cast<long>(pick(lines.size())));
      break;
    case 2: {
      const std::size_t at = pick(lines.size());
      lines.insert(lines.begin() + static_cast<long>(at), lines[at]);
      break;
    }
    case 3:  // a tag line copied elsewhere: a second tag line
      if (!tags.empty()) {
        const std::string copy = lines[tags[pick(tags.size())]];
        lines.insert(lines.begin() + static_cast<long>(pick(lines.size())), copy);
      }
      break;
    case 4:
      std::swap(lines[pick(lines.size())], lines[pick(lines.size())]);
      break;
    case 5:
      lines.resize(pick(lines.size()) + 1);
      break;
    case 6: {  // a line that begins with a tag, known or not
      const char letter = static_cast<char>('A' + pick(26));
      lines[pick(lines.size())] = std::string("$") + letter + std::to_string(pick(4));
      break;
    }
    default: {  // a quote or a comma into a value
      std::string& line = lines[pick(lines.size())];
      line.insert(pick(line.size() + 1), pick(2) == 0 ? "\"" : ",");
      break;
    }
  }
}

class CheckRunAgreement : public ::testing::Test {
 protected:
  CheckRunAgreement() : disk(test::DrivesOver({{u'D', dir.path().string()}})) {
    fs::copy(test::SourceDir() + "/data/pattern", dir.path() / "pattern",
             fs::copy_options::recursive);
    fs::create_directories(dir.path() / "out");
    inputs.sourceText = u"D:\\source.gdf";
    inputs.targetText = u"D:\\out";
    inputs.patternFolder = u"D:\\pattern\\";
    inputs.programFolder = u"D:\\";
  }

  // Whether the run stops while it reads: it fails having changed no file and no table.
  bool RunStopsBeforeWriting(const std::string& bytes) {
    test::WriteBytes(dir / "source.gdf", bytes);
    test::RecordingFrontEnd ui;
    const DryRunResult result = RunDryConversion(inputs, *disk, ui);
    return result.report.outcome() == RunOutcome::kFailed && result.report.changed.empty() &&
           result.report.added.empty();
  }

  // Says where check and the run disagree on `bytes`, or nothing.
  std::string Disagreement(const std::string& name, const std::string& bytes) {
    const SourceCheck check = CheckSourceBytes(bytes, FromUtf8(name));
    const bool stops = RunStopsBeforeWriting(bytes);
    if ((check.Errors() > 0) == stops) return {};
    std::string said = name + ": check finds " + std::to_string(check.Errors()) +
                       " errors, the run " + (stops ? "stops" : "does not stop") +
                       " before writing\n";
    for (const SourceProblem& problem : check.problems) {
      said += "  " + std::to_string(problem.line) + ": " +
              (problem.severity == Severity::kError ? "error: " : "warning: ") +
              ToUtf8(RenderSentences(problem.message, Language::kEnglish)) + "\n";
    }
    for (const std::string& line : SplitLines(bytes)) {
      Text text;
      Cp932Decode(line, text);  // as far as it goes
      said += "  | " + ToUtf8(text) + "\n";
    }
    return said;
  }

  test::TempDir dir;
  std::unique_ptr<FileSystem> disk;
  RunInputs inputs;
};

TEST_F(CheckRunAgreement, OnEveryTestInputExampleFuzzSeedAndMutation) {
  std::vector<std::pair<std::string, std::string>> corpus;  // name, bytes
  const std::string root = test::SourceDir();
  for (const char* folder :
       {"/tests/cases", "/data/examples", "/fuzz/corpus/fuzz_source", "/fuzz/corpus/fuzz_run"}) {
    if (!fs::is_directory(root + folder)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root + folder)) {
      const bool source = entry.path().extension() == ".gdf" ||
                          entry.path().parent_path().string().find("fuzz") != std::string::npos;
      if (entry.is_regular_file() && source) {
        corpus.emplace_back(fs::relative(entry.path(), root).generic_string(),
                            test::ReadBytes(entry.path().string()));
      }
    }
  }
  std::sort(corpus.begin(), corpus.end());
  ASSERT_GE(corpus.size(), 12u);

  // The same mutations on every machine.
  std::mt19937 random(23);
  const std::size_t originals = corpus.size();
  for (int n = 0; n < 400; ++n) {
    const auto& [name, bytes] = corpus[random() % originals];
    std::vector<std::string> lines = SplitLines(bytes);
    const int changes = 1 + static_cast<int>(random() % 3);
    for (int k = 0; k < changes; ++k) Mutate(lines, random);
    corpus.emplace_back(name + " mutation " + std::to_string(n), JoinLines(lines));
  }

  int stopped = 0;
  for (const auto& [name, bytes] : corpus) {
    EXPECT_EQ(Disagreement(name, bytes), "");
    stopped += CheckSourceBytes(bytes, FromUtf8(name)).Errors() > 0 ? 1 : 0;
  }
  // The corpus holds both kinds in number, or it proves little.
  EXPECT_GT(stopped, 50);
  EXPECT_GT(static_cast<int>(corpus.size()) - stopped, 50);
}

}  // namespace
}  // namespace gdf
