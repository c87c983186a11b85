// host.h - The computer the program runs on: its drive map's folders, the places of the settings
// file, the program's own folder, who runs it and when, and the user's language.
//
// posix/posix_host.cpp and windows/windows_host.cpp implement these; the build takes one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gdf {

/// The separator of host paths; whether a host path is a Windows path as the run takes it.
#ifdef _WIN32
inline constexpr char kHostSeparator = '\\';
inline constexpr bool kHostPathsAreWindowsPaths = true;
#else
inline constexpr char kHostSeparator = '/';
inline constexpr bool kHostPathsAreWindowsPaths = false;
#endif

/// Parses "X=DIR" into a drive letter and a host folder (made absolute); nothing when the text
/// is not of that form.
std::optional<std::pair<char16_t, std::string>> ParseDriveMapping(const std::string& text);

/// The host path of the running program's folder.
std::string ProgramFolderOfExecutable();

/// The host folders where the settings file is looked for when no folder is given, in order;
/// the first that holds it wins. On POSIX one folder, /etc/gdfconv. On 64-bit Windows the places
/// where a 32-bit program sees its system folder: the user's VirtualStore copy of SysWOW64,
/// SysWOW64, the VirtualStore copy of System32, then System32 (the system folder).
std::vector<std::string> SystemFolderCandidates();

/// Whether writing into a host folder (made when missing) takes administrator rights: on
/// Windows every place but those below the user's %LOCALAPPDATA%; on POSIX a folder whose
/// nearest existing ancestor only root may write.
bool NeedsAdministrator(const std::string& hostFolder);

/// Whether a host path names an existing folder, or an existing file that is not a folder.
bool IsHostFolder(const std::string& hostPath);
bool IsHostFile(const std::string& hostPath);

/// The host path joined with one more name, with the host's separator.
std::string JoinHostPath(const std::string& folder, const std::string& name);

/// Who this process is, as the lock file and the pattern-data folder's log name it.
struct ProcessIdentity {
  std::string computer;        ///< the computer's name ("PC-TANAKA")
  std::string user;            ///< the user's name ("tanaka")
  std::int64_t processId = 0;  ///< the process id
};
ProcessIdentity ThisProcessIdentity();

/// The local date and time now, "2026-12-09 10:02:05".
std::string LocalDateTimeNow();

/// The language of the user's interface as a tag ("ja_JP.UTF-8", "en", ...): on POSIX the first
/// of LC_ALL, LC_MESSAGES and LANG that is set and not empty; on Windows the user's UI
/// language. Empty when nothing says.
std::string UserLanguageTag();

}  // namespace gdf
