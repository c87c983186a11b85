// cli_support.cpp - Paths, the pattern-data folder, report files and the dry run's listing.
#include "cli/cli_support.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <vector>

#include "cli/commands.h"
#include "frontend/pattern_setting.h"
#include "messages/system_texts.h"
#include "platform/host.h"
#include "run/conversion_run.h"

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

MessageId RoleTitle(FolderRole role) {
  switch (role) {
    case FolderRole::kTarget:
      return MessageId::kFolderTarget;
    case FolderRole::kPatternData:
      return MessageId::kFolderPatternData;
    case FolderRole::kProgram:
      return MessageId::kFolderProgram;
    case FolderRole::kOther:
      break;
  }
  return MessageId::kFolderOther;
}

CatalogueMessage Describe(const PlannedFile& file) {
  switch (file.action) {
    case PlannedAction::kCreated:
      return Say(MessageId::kPlanNew, {Count(file.lines), Count(file.bytes)});
    case PlannedAction::kReplaced:
      return file.sameContent
                 ? Say(MessageId::kPlanReplacedSame, {Count(file.lines), Count(file.bytes)})
                 : Say(MessageId::kPlanReplaced,
                       {Count(file.linesBefore), Count(file.lines), Count(file.bytes)});
    case PlannedAction::kGrows:
      return Say(MessageId::kPlanGrows, {Count(file.linesBefore), Count(file.lines)});
    case PlannedAction::kDeleted:
      return Say(MessageId::kPlanDeleted);
    case PlannedAction::kLeftAlone:
      break;
  }
  return Say(MessageId::kPlanLeftAlone, {Count(file.lines)});
}

}  // namespace

int UsageError(const std::string& command, const CatalogueMessage& why, Language language) {
  std::cerr << command << ": " << Said(why, language) << "\n"
            << Said(Say(MessageId::kUsageSeeHelp, {FromUtf8(command)}), language) << "\n";
  return kExitUsage;
}

std::string Said(const CatalogueMessage& message, Language language) {
  return ToUtf8(Render(message, language));
}

void PrintLines(std::ostream& out, const std::vector<CatalogueMessage>& messages,
                Language language) {
  for (const CatalogueMessage& message : messages) out << Said(message, language) << "\n";
}

std::optional<Text> ResolvePatternFolder(const std::optional<std::string>& patternDir,
                                         FileSystem& fs, const HostSettings& host,
                                         Language language) {
  std::vector<CatalogueMessage> refusal;
  auto folder = ChoosePatternFolder(fs, host, patternDir, refusal);
  if (!folder) {
    std::cerr << ToUtf8(messages::kNoSetting) << "\n";
    PrintLines(std::cerr, refusal, language);
  }
  return folder;
}

std::optional<std::string> ReadHostFile(const std::string& hostPath) {
  const std::string path = ExpandHome(hostPath);
  if (!IsHostFile(path)) return std::nullopt;
  std::ifstream in(HostPathOf(path), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad()) return std::nullopt;
  return bytes;
}

namespace {

// A host path as an option's value on a command line: between double quotes when it holds a
// blank.
Text Quoted(const std::string& path) {
  const Text text = FromUtf8(path);
  return path.find(' ') == std::string::npos ? text : u"\"" + text + u"\"";
}

// A name that the path rules accept, made from one they refused: without blanks and dots (a
// name without a dot may be of any length).
Text AcceptedName(TextView name) {
  Text out;
  for (const char16_t ch : name) {
    if (ch != u' ' && ch != u'\u3000' && ch != u'.') out.push_back(ch);
  }
  return out.empty() ? Text(u"OUT") : out;
}

// The first drive letter that no drive uses: from W: down on Windows, where C:, D:... are real
// drives; from D: up elsewhere, where Z: is the root.
char16_t FreeLetter(const FileSystem& fs) {
  const std::vector<Drive> drives = fs.Drives();
  const auto used = [&](char16_t letter) {
    return std::any_of(drives.begin(), drives.end(),
                       [&](const Drive& drive) { return drive.letter == letter; });
  };
  if (kHostPathsAreWindowsPaths) {
    for (char16_t letter = u'W'; letter > u'D'; --letter) {
      if (!used(letter)) return letter;
    }
  }
  for (char16_t letter = u'D'; letter < u'Y'; ++letter) {
    if (!used(letter)) return letter;
  }
  return u'Y';
}

}  // namespace

std::vector<CatalogueMessage> TargetAdvice(const PathArgument& target, const PathVerdict& verdict,
                                           const FileSystem& fs) {
  std::vector<CatalogueMessage> out;
  switch (verdict.rule) {
    case PathRule::kNoDrive:
      if (!IsHostPathText(target.given)) {
        out.push_back(Say(MessageId::kAdviceHostPath, {FromUtf8(target.given)}));
      }
      return out;
    case PathRule::kDriveNotMapped:
    case PathRule::kDriveNotReady:
      out.push_back(Say(MessageId::kAdviceMapDrive, {verdict.where}));
      return out;
    case PathRule::kBlank:
    case PathRule::kLongBeforeDot:
    case PathRule::kLongAfterDot:
    case PathRule::kSecondDot:
      break;
    case PathRule::kDoubledSeparator:
    case PathRule::kWildcard:
    case PathRule::kAccepted:
      return out;
  }
  if (IsHostPathText(target.given)) {
    out.push_back(Say(MessageId::kPathChecked, {FromUtf8(target.given), target.text}));
  }
  // The folder that holds the offending name, and the rest of the target below it.
  const auto host = fs.ToHost(target.text);
  if (!host) {
    out.push_back(Say(MessageId::kAdviceDriveOptionAny));
    return out;
  }
  const std::string name = ToUtf8(verdict.where);
  const std::filesystem::path whole = HostPathOf(*host);
  std::filesystem::path folder;
  bool met = false;
  for (const auto& part : whole) {
    folder /= part;
    if (HostPathText(part) == name) {
      met = true;
      break;
    }
  }
  if (!met) {
    out.push_back(Say(MessageId::kAdviceDriveOptionAny));
    return out;
  }
  if (!IsHostFolder(HostPathText(folder))) {
    // A folder that the run would make: a mapped drive cannot reach it, another name can.
    Text renamed = target.text;
    const Text accepted = AcceptedName(verdict.where);
    const std::size_t at = renamed.find(u"\\" + verdict.where);
    if (at != Text::npos) renamed.replace(at + 1, verdict.where.size(), accepted);
    out.push_back(Say(MessageId::kAdviceOtherName, {verdict.where, accepted, renamed}));
    return out;
  }
  const std::filesystem::path below = whole.lexically_relative(folder);
  Text rest = FromUtf8(below.empty() || below == "." ? std::string() : HostPathText(below));
  for (char16_t& c : rest) c = c == u'/' ? u'\\' : c;
  const Text letter(1, FreeLetter(fs));
  const Text mapped = Quoted(HostPathText(folder));
  out.push_back(Say(MessageId::kAdviceDriveOption, {letter, mapped, rest}));
  // The window takes the drive letters of the system: subst stands one for the folder.
  if (kHostPathsAreWindowsPaths) out.push_back(Say(MessageId::kAdviceSubst, {letter, mapped}));
  return out;
}

bool ReportFile::Open(const std::string& hostPath, CatalogueMessage& error) {
  path_ = ExpandHome(hostPath);
  stream_.open(HostPathOf(path_), std::ios::binary | std::ios::trunc);
  if (!stream_) {
    error = Say(MessageId::kReportFileCannotBeWritten, {FromUtf8(hostPath)});
    return false;
  }
  return true;
}

bool ReportFile::Write(const std::string& content, CatalogueMessage& error) {
  stream_ << content;
  stream_.close();
  if (!stream_) {
    error = Say(MessageId::kReportFileNotWrittenWhole, {FromUtf8(path_)});
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

void PrintDryRun(std::ostream& out, const DryRunResult& result, Language language) {
  const auto say = [&](const CatalogueMessage& message) { return Said(message, language); };
  const RunReport& report = result.report;
  out << say(Say(MessageId::kDryRunNothingWritten)) << "\n";
  if (result.folderQuestionAsked) {
    out << say(Say(MessageId::kDryRunWouldAsk, {messages::kCreateFolder})) << "\n";
  }
  switch (report.outcome()) {
    case RunOutcome::kCompleted:
      out << say(Say(MessageId::kDryRunWouldEnd, {report.completionText()})) << "\n";
      PrintLines(out, CompletionWarnings(report), language);
      break;
    case RunOutcome::kRefused:
      out << say(Say(MessageId::kDryRunWouldBeRefused, {report.refusal()->message})) << "\n";
      PrintLines(out, report.refusal()->explanation, language);
      return;
    case RunOutcome::kFailed:
      out << say(Say(MessageId::kDryRunWouldFail)) << "\n";
      PrintLines(out, ExplainFailure(*report.failure(), language), language);
      out << say(Say(MessageId::kDryRunBeforeFailure)) << "\n";
      break;
  }
  if (result.folderLock == DryRunLock::kShared) {
    out << say(Say(MessageId::kDryRunReadShared)) << "\n";
  } else if (result.folderLock == DryRunLock::kNoLockFile) {
    out << say(Say(MessageId::kDryRunReadWithoutLock, {kLockFileName})) << "\n";
  }
  std::vector<Text> created;  // outermost first
  for (const PlannedFolder& folder : result.folders) {
    if (folder.created) created.push_back(folder.path);
  }
  std::sort(created.begin(), created.end());
  if (!created.empty()) {
    Text list;
    for (std::size_t i = 0; i < created.size(); ++i) list += (i > 0 ? u", " : u"") + created[i];
    out << say(Say(MessageId::kDryRunWouldCreateFolders, {Count(std::ssize(created)), list}))
        << "\n";
  }
  for (const PlannedFolder& folder : result.folders) {
    if (folder.role == FolderRole::kOther && folder.files.empty()) continue;
    out << "\n" << say(Say(RoleTitle(folder.role), {folder.path}));
    if (folder.created) out << say(Say(MessageId::kFolderWouldBeCreated));
    out << "\n";
    std::size_t width = 0;
    for (const PlannedFile& file : folder.files) {
      width = std::max(width, DisplayWidth(ToUtf8(file.name)));
    }
    for (const PlannedFile& file : folder.files) {
      out << "  " << PadRight(ToUtf8(file.name), width + 2) << say(Describe(file)) << "\n";
      for (const AddedTableLine& line : file.added) {
        out << "  " << std::string(width + 2, ' ') << "  + " << ToUtf8(line.code) << ","
            << ToUtf8(line.name) << "\n";
      }
    }
    if (folder.files.empty()) out << "  " << say(Say(MessageId::kNoFiles)) << "\n";
  }
}

namespace {

// The option texts that every command with these options shares.
constexpr HostWords kSharedWords[] = {
    {"@SYSTEM_DIR@", MessageId::kHelpSystemDirPosix, MessageId::kHelpSystemDirWindows},
    {"@DRIVE@", MessageId::kHelpDrivePosix, MessageId::kHelpDriveWindows},
    {"@LANG_DEFAULT@", MessageId::kHelpLanguageDefaultPosix,
     MessageId::kHelpLanguageDefaultWindows},
};

void ReplaceAll(std::string& text, std::string_view marker, std::string_view words) {
  for (auto at = text.find(marker); at != std::string::npos;
       at = text.find(marker, at + words.size())) {
    text.replace(at, marker.size(), words);
  }
}

}  // namespace

std::string HelpForThisHost(MessageId help, std::span<const HostWords> words, Language language) {
  std::string text = Said(Say(help), language);
  const auto put = [&](const HostWords& word) {
    ReplaceAll(text, word.marker,
               Said(Say(kHostPathsAreWindowsPaths ? word.windows : word.posix), language));
  };
  for (const HostWords& word : words) put(word);
  for (const HostWords& word : kSharedWords) put(word);
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
