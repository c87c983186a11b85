// windows_host.cpp - The Windows host: the drive map's folders, the places of the settings file
// (the system folder as a 32-bit program sees it), the program's folder, who runs it and when,
// and the user's interface language.
#include <windows.h>

#include <cstdio>

#include "platform/host.h"
#include "platform/windows/windows_paths.h"
#include "text/letter_case.h"

namespace gdf {

std::optional<std::pair<char16_t, std::string>> ParseDriveMapping(const std::string& text) {
  if (text.size() < 3 || text[1] != '=' || !IsAsciiLetter(static_cast<char16_t>(text[0]))) {
    return std::nullopt;
  }
  const auto folder = FullHostPath(text.substr(2));
  if (!folder) return std::nullopt;
  return std::make_pair(AsciiUpper(static_cast<char16_t>(text[0])), ToUtf8(*folder));
}

std::string ProgramFolderOfExecutable() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return ".";
    if (n < buffer.size()) {
      buffer.resize(n);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  const auto full = FullHostPath(ToUtf8(FromWide(buffer.data(), buffer.size())));
  if (!full) return ".";
  const std::size_t slash = full->find_last_of(u'\\');
  if (slash == Text::npos) return ".";
  return ToUtf8(full->substr(0, slash == 2 ? 3 : slash));
}

std::vector<std::string> SystemFolderCandidates() {
  std::vector<std::string> out;
  wchar_t buffer[MAX_PATH + 1];
  Text localAppData;
  const DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer, MAX_PATH + 1);
  if (n > 0 && n <= MAX_PATH) localAppData = FromWide(buffer, n);
  // A 32-bit program's writes below the system folder land in the user's VirtualStore, under
  // the same path without its drive.
  const auto addWithVirtualStore = [&](const Text& folder) {
    if (!localAppData.empty() && folder.size() > 2 && folder[1] == u':') {
      out.push_back(ToUtf8(localAppData + u"\\VirtualStore" + folder.substr(2)));
    }
    out.push_back(ToUtf8(folder));
  };
  const UINT wow = GetSystemWow64DirectoryW(buffer, MAX_PATH + 1);
  if (wow > 0 && wow <= MAX_PATH) addWithVirtualStore(FromWide(buffer, wow));
  const UINT system = GetSystemDirectoryW(buffer, MAX_PATH + 1);
  if (system > 0 && system <= MAX_PATH) addWithVirtualStore(FromWide(buffer, system));
  return out;
}

bool NeedsAdministrator(const std::string& hostFolder) {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return true;
  const std::string own = ToUtf8(FromWide(buffer, n));
  if (hostFolder.size() < own.size()) return true;
  const bool below = hostFolder.size() == own.size() || hostFolder[own.size()] == '\\';
  return !(below && AsciiUpper(hostFolder.substr(0, own.size())) == AsciiUpper(own));
}

bool IsHostFolder(const std::string& hostPath) {
  const auto full = FullHostPath(hostPath);
  return full && IsFolderAttributes(Attributes(*full));
}

bool IsHostFile(const std::string& hostPath) {
  const auto full = FullHostPath(hostPath);
  if (!full) return false;
  const DWORD attributes = Attributes(*full);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string JoinHostPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder + name;
  return folder + "\\" + name;
}

ProcessIdentity ThisProcessIdentity() {
  ProcessIdentity who;
  wchar_t buffer[256];
  DWORD size = 256;
  if (GetComputerNameW(buffer, &size)) who.computer = ToUtf8(FromWide(buffer, size));
  size = 256;
  if (GetUserNameW(buffer, &size) && size > 0) who.user = ToUtf8(FromWide(buffer, size - 1));
  who.processId = static_cast<std::int64_t>(GetCurrentProcessId());
  return who;
}

std::string LocalDateTimeNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay,
                now.wHour, now.wMinute, now.wSecond);
  return text;
}

std::string UserLanguageTag() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? "ja" : "en";
}

}  // namespace gdf
