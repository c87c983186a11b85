// host_settings.cpp - Parsing of the host options shared by the front ends.
#include "frontend/host_settings.h"

#include <filesystem>

#include "frontend/pattern_setting.h"

namespace gdf {
namespace {

// The value of "--name VALUE" or "--name=VALUE" when args[i] is that option.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& name,
                                       std::optional<CatalogueMessage>& error) {
  const std::string& arg = args[i];
  if (arg == name) {
    if (i + 1 >= args.size()) {
      error = Say(MessageId::kUsageNeedsValue, {FromUtf8(name)});
      return std::string();
    }
    i += 2;
    return args[i - 1];
  }
  if (arg.rfind(name + "=", 0) == 0) {
    ++i;
    return arg.substr(name.size() + 1);
  }
  return std::nullopt;
}

std::string AbsoluteFolder(const std::string& path) {
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(HostPathOf(ExpandHome(path)), ec);
  return ec ? path : HostPathText(absolute.lexically_normal());
}

}  // namespace

bool TakeHostOption(const std::vector<std::string>& args, std::size_t& i, HostSettings& settings,
                    std::optional<CatalogueMessage>& error) {
  if (auto value = OptionValue(args, i, "--drive", error)) {
    if (error) return true;
    const auto mapping = ParseDriveMapping(
        value->size() > 2 ? value->substr(0, 2) + ExpandHome(value->substr(2)) : *value);
    if (!mapping) {
      error = Say(MessageId::kUsageDrive);
      return true;
    }
    settings.fileSystem.drives[mapping->first] = mapping->second;
    return true;
  }
  if (auto value = OptionValue(args, i, "--system-dir", error)) {
    if (!error) settings.systemDir = AbsoluteFolder(*value);
    return true;
  }
  if (auto value = OptionValue(args, i, "--program-dir", error)) {
    if (!error) settings.programDir = AbsoluteFolder(*value);
    return true;
  }
  return false;
}

void CompleteHostSettings(HostSettings& settings) {
  if (settings.programDir.empty()) settings.programDir = ProgramFolderOfExecutable();
  if (settings.systemDir.empty()) {
    settings.systemDirsLooked = SystemFolderCandidates();
    for (const std::string& folder : settings.systemDirsLooked) {
      if (IsHostFile(JoinHostPath(folder, kSettingsFileName))) {
        settings.systemDir = folder;
        return;
      }
    }
    if (!settings.systemDirsLooked.empty()) settings.systemDir = settings.systemDirsLooked.back();
  }
}

Text ProgramFolderText(const FileSystem& fs, const HostSettings& settings) {
  Text folder = fs.FromHost(settings.programDir).value_or(Text());
  if (!folder.empty() && folder.back() != u'\\') folder.push_back(u'\\');
  return folder;
}

}  // namespace gdf
