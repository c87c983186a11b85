// pattern_setting.cpp - Reading of the pattern-data folder setting and the start-up check.
//
// The settings file is "VirizuV5.ini" in the folder that stands for the system directory. Its
// second line names the pattern-data folder; a missing, empty or one-line file is no setting,
// and an empty file is removed so that it does not linger.
#include "frontend/pattern_setting.h"

#include <algorithm>

#include "common/text_file.h"
#include "common/utility_library.h"
#include "platform/host.h"
#include "platform/host_paths.h"

namespace gdf {
namespace {

// The settings file's drive path; empty when no drive holds the system folder.
Text SettingsFilePath(FileSystem& fs, const std::string& systemDirHost) {
  const Text systemDir = QPRTrim(SysDir(fs, systemDirHost));
  if (systemDir.empty()) return {};
  Text path = systemDir;
  if (path.back() != u'\\') path.push_back(u'\\');
  return path + FromAscii(kSettingsFileName);
}

// The folder of the example in the explanation: a Windows folder on Windows, a folder that the
// drive Z: ("/") reaches elsewhere.
constexpr const char16_t* kExampleFolder =
    kHostPathsAreWindowsPaths ? u"C:\\柱状図\\PATTERN\\" : u"Z:\\srv\\pattern\\";

// Line 2 of a settings file saved as UTF-8 (as Notepad saves unless told otherwise), read as
// UTF-8; nothing for a file without multi-byte UTF-8. Such a file often reads as code page 932
// too ("柱状図" as "譟ｱ迥ｶ蝗ｳ"), so only a setting that failed is taken for UTF-8.
std::optional<Text> Utf8SecondLine(FileSystem& fs, const Text& path) {
  FileError error;
  auto bytes = fs.ReadAll(path, error);
  if (!bytes) return std::nullopt;
  const LineFile file(std::move(*bytes), path);
  if (!Utf8Line(file) || file.LineCount() < 2) return std::nullopt;
  return Trim(FromUtf8(file.LineBytes(1)));
}

}  // namespace

Text ReadPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost) {
  const Text path = SettingsFilePath(fs, systemDirHost);
  if (path.empty()) return {};  // no drive holds the system folder

  // A missing file counts as empty; an empty one is deleted. A folder of that name is neither.
  const std::int64_t size = fs.Size(path);
  if (size < 1) {
    if (size == 0) {
      FileError ignored;
      fs.Delete(path, ignored);
    }
    return {};
  }

  FileError error;
  auto bytes = fs.ReadAll(path, error);
  if (!bytes) return {};
  const LineFile file(std::move(*bytes), path);
  TextReader reader(file);
  reader.ReadLine();
  if (reader.AtEnd()) return {};  // a file of one line names no folder
  return Trim(reader.ReadField());
}

std::optional<Text> CheckPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost) {
  const Text folder = ReadPatternFolderSetting(fs, systemDirHost);
  if (folder.empty() || folder.back() != u'\\') return std::nullopt;
  // The folder without its trailing backslash must exist.
  const Text shortened = folder.substr(0, folder.size() - 1);
  if (shortened.empty() || !fs.Exists(shortened, ListAttribute::kDirectory)) return std::nullopt;
  return folder;
}

std::vector<CatalogueMessage> ExplainMissingSetting(FileSystem& fs, const HostSettings& host) {
  const Text file = FromUtf8(JoinHostPath(host.systemDir, kSettingsFileName));
  const Text path = SettingsFilePath(fs, host.systemDir);
  const Text folder = ReadPatternFolderSetting(fs, host.systemDir);  // removes an empty file
  const bool present = !path.empty() && fs.Size(path) > 0;
  std::vector<CatalogueMessage> out;
  if (folder.empty()) {
    out.push_back(
        Say(present ? MessageId::kSettingsFileEmpty : MessageId::kSettingsFileMissing, {file}));
  } else if (const auto named = Utf8SecondLine(fs, path)) {
    out.push_back(Say(MessageId::kSettingsFileUtf8, {file, *named}));
  } else if (folder.back() != u'\\') {
    out.push_back(Say(MessageId::kSettingsFolderNoBackslash, {folder, file}));
  } else {
    out.push_back(Say(MessageId::kSettingsFolderMissing, {folder, file}));
  }
  // A file to be made goes where a user without administrator rights can write, when such a
  // place was looked in.
  Text toWrite = file;
  if (!present) {
    const auto writable =
        std::find_if(host.systemDirsLooked.begin(), host.systemDirsLooked.end(),
                     [](const std::string& place) { return !NeedsAdministrator(place); });
    if (writable != host.systemDirsLooked.end()) {
      toWrite = FromUtf8(JoinHostPath(*writable, kSettingsFileName));
    }
  }
  out.push_back(Say(MessageId::kSettingsHow, {toWrite}));
  out.push_back(Say(MessageId::kSettingsFirstLine));
  out.push_back(Say(MessageId::kSettingsSecondLine, {kExampleFolder}));
  out.push_back(Say(MessageId::kSettingsOrOption));
  // The places looked in, when no --system-dir named one: the file may be in another of them.
  if (!host.systemDirsLooked.empty()) {
    out.push_back(Say(MessageId::kSettingsLookedIn, {FromUtf8(kSettingsFileName)}));
    for (const std::string& place : host.systemDirsLooked) {
      out.push_back(Say(NeedsAdministrator(place) ? MessageId::kSettingsLookedInAdministrator
                                                  : MessageId::kSettingsLookedInAnyUser,
                        {FromUtf8(place)}));
    }
    out.push_back(Say(MessageId::kSettingsLookedInEnd));
  }
  return out;
}

std::optional<Text> ChoosePatternFolder(FileSystem& fs, const HostSettings& host,
                                        const std::optional<std::string>& patternDir,
                                        std::vector<CatalogueMessage>& refusal) {
  refusal.clear();
  if (!patternDir) {
    auto folder = CheckPatternFolderSetting(fs, host.systemDir);
    if (!folder) refusal = ExplainMissingSetting(fs, host);
    return folder;
  }
  const std::string hostPath = ExpandHome(*patternDir);
  const auto drivePath = IsHostFolder(hostPath) ? fs.FromHost(hostPath) : std::nullopt;
  if (!drivePath) {
    refusal.push_back(Say(MessageId::kPatternDirMissing, {FromUtf8(*patternDir)}));
    return std::nullopt;
  }
  Text folder = *drivePath;
  if (folder.back() != u'\\') folder.push_back(u'\\');
  return folder;
}

}  // namespace gdf
