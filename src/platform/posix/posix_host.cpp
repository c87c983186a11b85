// posix_host.cpp - The POSIX host: the drive map's folders, the settings file's place, the
// program's folder, who runs it and when, and the user's language from the locale variables.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "platform/host.h"
#include "platform/posix/posix_file_system.h"
#include "text/letter_case.h"

namespace gdf {

std::optional<std::pair<char16_t, std::string>> ParseDriveMapping(const std::string& text) {
  if (text.size() < 3 || text[1] != '=' || !IsAsciiLetter(static_cast<char16_t>(text[0]))) {
    return std::nullopt;
  }
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::absolute(text.substr(2), ec);
  if (ec) return std::nullopt;
  return std::make_pair(AsciiUpper(static_cast<char16_t>(text[0])),
                        StripTrailingSlashes(folder.lexically_normal().string()));
}

std::string ProgramFolderOfExecutable() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return ".";
  return std::filesystem::path(std::string(buffer, static_cast<std::size_t>(n)))
      .parent_path()
      .string();
}

std::vector<std::string> SystemFolderCandidates() { return {"/etc/gdfconv"}; }

bool NeedsAdministrator(const std::string& hostFolder) {
  std::filesystem::path folder(hostFolder);
  struct stat st {};
  while (::stat(folder.c_str(), &st) != 0) {
    if (!folder.has_relative_path()) return true;
    folder = folder.parent_path();
  }
  // Another user than root may write: the owner when not root, or the group or anyone.
  const bool ownerWrites = st.st_uid != 0 && (st.st_mode & S_IWUSR) != 0;
  return !(ownerWrites || (st.st_mode & (S_IWGRP | S_IWOTH)) != 0);
}

bool IsHostFolder(const std::string& hostPath) {
  struct stat st {};
  return ::stat(hostPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsHostFile(const std::string& hostPath) {
  struct stat st {};
  return ::stat(hostPath.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string JoinHostPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

ProcessIdentity ThisProcessIdentity() {
  ProcessIdentity who;
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) == 0) who.computer = name;
  if (const passwd* user = ::getpwuid(::geteuid()); user != nullptr) {
    who.user = user->pw_name;
  } else if (const char* logged = std::getenv("USER"); logged != nullptr) {
    who.user = logged;
  }
  who.processId = ::getpid();
  return who;
}

std::string LocalDateTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

std::string UserLanguageTag() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace gdf
