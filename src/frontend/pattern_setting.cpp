// pattern_setting.cpp - Reading of the pattern-data folder setting and the start-up check.
//
// The settings file is "VirizuV5.ini" in the folder that stands for the system directory. Its
// second line names the pattern-data folder; a missing, empty or one-line file is no setting,
// and an empty file is removed so that it does not linger.
#include "frontend/pattern_setting.h"

#include "common/text_file.h"
#include "common/utility_library.h"
#include "platform/host.h"

namespace gdf {
Text ReadPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost) {
  const Text systemDir = QPRTrim(SysDir(fs, systemDirHost));
  if (systemDir.empty()) return {};  // no drive holds the system folder
  Text path = systemDir;
  if (path.back() != u'\\') path.push_back(u'\\');
  path += FromAscii(kSettingsFileName);

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
  if (folder.empty()) return std::nullopt;
  // The folder without its trailing backslash must exist, as a folder or a file.
  const Text shortened = folder.substr(0, folder.size() - 1);
  if (shortened.empty() || !fs.Exists(shortened, ListAttribute::kDirectory)) return std::nullopt;
  return folder;
}

std::vector<CatalogueMessage> ExplainMissingSetting(FileSystem& fs,
                                                    const std::string& systemDirHost,
                                                    SettingAdvice how) {
  const Text file = FromUtf8(JoinHostPath(systemDirHost, kSettingsFileName));
  std::vector<CatalogueMessage> out;
  const Text folder = ReadPatternFolderSetting(fs, systemDirHost);
  const Text systemDir = QPRTrim(SysDir(fs, systemDirHost));
  Text path = systemDir;
  if (!path.empty() && path.back() != u'\\') path.push_back(u'\\');
  path += FromAscii(kSettingsFileName);
  if (!folder.empty()) {
    out.push_back(Say(MessageId::kSettingsFolderMissing, {folder, file}));
  } else if (!systemDir.empty() && fs.Size(path) > 0) {
    out.push_back(Say(MessageId::kSettingsFileEmpty, {file}));
  } else {
    out.push_back(Say(MessageId::kSettingsFileMissing, {file}));
  }
  out.push_back(
      Say(how == SettingAdvice::kFileOnly ? MessageId::kSettingsHowFile : MessageId::kSettingsHow,
          {file}));
  return out;
}

}  // namespace gdf
