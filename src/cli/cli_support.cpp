// cli_support.cpp - Paths, the pattern-data folder, report files and the dry run's listing.
#include "cli/cli_support.h"

#include <algorithm>
#include <iostream>
#include <iterator>
#include <vector>

#include "cli/commands.h"
#include "common/messages.h"
#include "run/conversion_run.h"
#include "run/pattern_setting.h"

namespace gdf::cli::support {
namespace {

// The code point at `i` of UTF-8 text, advancing `i`.
char32_t NextCodePoint(std::string_view utf8, std::size_t& i) {
  const auto byte = static_cast<unsigned char>(utf8[i]);
  const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
  char32_t cp = length == 1 ? byte : byte & (0x3F >> (length - 1));
  for (int k = 1; k < length && i + static_cast<std::size_t>(k) < utf8.size(); ++k) {
    cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
  }
  i += static_cast<std::size_t>(length);
  return cp;
}

bool IsWide(char32_t cp) {
  return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0x303E) ||
         (cp >= 0x3041 && cp <= 0x33FF) || (cp >= 0x3400 && cp <= 0x4DBF) ||
         (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xA000 && cp <= 0xA4CF) ||
         (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
         (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
         (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

const char* RoleTitle(FolderRole role) {
  switch (role) {
    case FolderRole::kTarget:
      return "Target folder";
    case FolderRole::kPatternData:
      return "Pattern-data folder";
    case FolderRole::kProgram:
      return "Program folder";
    case FolderRole::kOther:
      break;
  }
  return "Folder";
}

std::string Lines(std::int32_t lines) {
  return std::to_string(lines) + (lines == 1 ? " line" : " lines");
}

std::string Describe(const PlannedFile& file) {
  switch (file.action) {
    case PlannedAction::kCreated:
      return "new        " + Lines(file.lines) + ", " + std::to_string(file.bytes) + " bytes";
    case PlannedAction::kReplaced:
      return "replaced   " + Lines(file.lines) + ", " + std::to_string(file.bytes) + " bytes (" +
             (file.sameContent ? "the same content as now" : "now " + Lines(file.linesBefore)) +
             ")";
    case PlannedAction::kGrows:
      return "grows      " + Lines(file.linesBefore) + " -> " + Lines(file.lines);
    case PlannedAction::kDeleted:
      return "deleted";
    case PlannedAction::kLeftAlone:
      break;
  }
  return "left alone " + Lines(file.lines);
}

}  // namespace

bool IsSeconds(const std::string& text) {
  try {
    return std::stoi(text) >= 0;
  } catch (const std::exception&) {
    return false;
  }
}

std::optional<Text> ResolvePatternFolder(const std::optional<std::string>& patternDir,
                                         FileSystem& fs, const HostSettings& host) {
  if (patternDir) {
    const std::string hostPath = ExpandHome(*patternDir);
    const auto drivePath = IsHostFolder(hostPath) ? fs.FromHost(hostPath) : std::nullopt;
    if (!drivePath) {
      std::cerr << ToUtf8(messages::kNoSetting) << "\n"
                << "(the pattern-data folder " << *patternDir
                << " does not exist, or no drive holds it)\n";
      return std::nullopt;
    }
    Text folder = *drivePath;
    if (folder.back() != u'\\') folder.push_back(u'\\');
    return folder;
  }
  const auto setting = CheckPatternFolderSetting(fs, host.systemDir);
  if (!setting) {
    std::cerr << ToUtf8(messages::kNoSetting) << "\n";
    // Where several places were searched, say which: the file may be in a place not looked at.
    if (host.systemDirsLooked.size() > 1 &&
        !IsHostFile(JoinHostPath(host.systemDir, kSettingsFileName))) {
      std::cerr << "(" << kSettingsFileName << " was looked for in these folders, in this order:\n";
      for (const std::string& folder : host.systemDirsLooked) std::cerr << "  " << folder << "\n";
      std::cerr << " the first that holds it is used; --system-dir DIR names another)\n";
    }
    return std::nullopt;
  }
  return *setting;
}

std::optional<std::string> ReadHostFile(const std::string& hostPath) {
  const std::string path = ExpandHome(hostPath);
  if (!IsHostFile(path)) return std::nullopt;
  std::ifstream in(HostPathOf(path), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad()) return std::nullopt;
  return bytes;
}

bool ReportFile::Open(const std::string& hostPath, std::string& error) {
  path_ = ExpandHome(hostPath);
  stream_.open(HostPathOf(path_), std::ios::binary | std::ios::trunc);
  if (!stream_) {
    error = "the report file " + hostPath + " cannot be written";
    return false;
  }
  return true;
}

bool ReportFile::Write(const std::string& content, std::string& error) {
  stream_ << content;
  stream_.close();
  if (!stream_) {
    error = "the report file " + path_ + " could not be written whole";
    return false;
  }
  return true;
}

std::size_t DisplayWidth(std::string_view utf8) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) width += IsWide(NextCodePoint(utf8, i)) ? 2 : 1;
  return width;
}

std::string PadRight(const std::string& utf8, std::size_t width) {
  const std::size_t used = DisplayWidth(utf8);
  return used >= width ? utf8 : utf8 + std::string(width - used, ' ');
}

void PrintDryRun(std::ostream& out, const DryRunResult& result) {
  const RunReport& report = result.report;
  out << "Dry run: nothing was written.\n";
  if (result.folderQuestionAsked) {
    out << "The run would ask \"" << ToUtf8(messages::kCreateFolder)
        << "\"; the answer Yes is assumed here.\n";
  }
  switch (report.outcome()) {
    case RunOutcome::kCompleted:
      out << "The run would end with: " << ToUtf8(report.completionText()) << "\n";
      break;
    case RunOutcome::kRefused:
      out << "The run would be refused: " << ToUtf8(report.refusal()->message) << "\n";
      return;
    case RunOutcome::kFailed:
      out << "The run would fail. " << ToUtf8(DescribeFailure(*report.failure())) << "\n"
          << "What it would write before the failure:\n";
      break;
  }
  std::vector<std::string> created;  // outermost first
  for (const PlannedFolder& folder : result.folders) {
    if (folder.created) created.push_back(ToUtf8(folder.path));
  }
  std::sort(created.begin(), created.end());
  if (!created.empty()) {
    out << "It would create the folder" << (created.size() == 1 ? " " : "s ");
    for (std::size_t i = 0; i < created.size(); ++i) out << (i > 0 ? ", " : "") << created[i];
    out << ".\n";
  }
  for (const PlannedFolder& folder : result.folders) {
    if (folder.role == FolderRole::kOther && folder.files.empty()) continue;
    out << "\n" << RoleTitle(folder.role) << " " << ToUtf8(folder.path);
    if (folder.created) out << " (would be created)";
    out << "\n";
    std::size_t width = 0;
    for (const PlannedFile& file : folder.files) {
      width = std::max(width, DisplayWidth(ToUtf8(file.name)));
    }
    for (const PlannedFile& file : folder.files) {
      out << "  " << PadRight(ToUtf8(file.name), width + 2) << Describe(file) << "\n";
      for (const AddedTableLine& line : file.added) {
        out << "  " << std::string(width + 2, ' ') << "  + " << ToUtf8(line.code) << ","
            << ToUtf8(line.name) << "\n";
      }
    }
    if (folder.files.empty()) out << "  (no files)\n";
  }
}

namespace {

// The option texts that every command with these options shares.
constexpr HostWords kSharedWords[] = {
    {"@SYSTEM_DIR@", "the folder that stands for the system directory (default /etc/gdfconv)",
     "the folder of VirizuV5.ini (default: the system folder as a 32-bit\n"
     "                      program sees it: the VirtualStore copy of SysWOW64, SysWOW64, the\n"
     "                      VirtualStore copy of System32, System32; the first that holds it)"},
    {"@DRIVE@",
     "map drive letter X to host folder DIR (repeatable); Z: maps to / unless\n"
     "                      given otherwise",
     "stand drive letter X for folder DIR, as subst does (repeatable)"},
};

void ReplaceAll(std::string& text, std::string_view marker, std::string_view words) {
  for (auto at = text.find(marker); at != std::string::npos;
       at = text.find(marker, at + words.size())) {
    text.replace(at, marker.size(), words);
  }
}

}  // namespace

std::string HelpForThisHost(std::string text, std::span<const HostWords> words) {
  for (const HostWords& word : words) {
    ReplaceAll(text, word.marker, kHostPathsAreWindowsPaths ? word.windows : word.posix);
  }
  for (const HostWords& word : kSharedWords) {
    ReplaceAll(text, word.marker, kHostPathsAreWindowsPaths ? word.windows : word.posix);
  }
  return text;
}

}  // namespace gdf::cli::support

namespace gdf::cli {

int ExitStatusOf(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::kCompleted:
      return kExitConverted;
    case RunOutcome::kRefused:
      return kExitRefused;
    case RunOutcome::kFailed:
      break;
  }
  return kExitFailed;
}

int ExitStatusOf(const BatchTally& tally) {
  return tally.failed > 0 ? kExitFailed : tally.refused > 0 ? kExitRefused : kExitConverted;
}

}  // namespace gdf::cli
