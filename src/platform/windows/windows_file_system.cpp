// windows_platform.cpp - The drives of Windows and the folders that --drive stands letters for,
// on the wide (UTF-16) Windows API, and the host services of a Windows program.
//
// Every path handed to the API is absolute and carries the "\\?\" prefix, so that paths beyond
// 260 characters work and no name is taken for a device ("CON", "NUL"). Paths are resolved by the
// same Windows rules as on POSIX (dots, trailing blanks and dots of names, the current folder of
// each drive), so that both systems turn a text into the same path.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <map>
#include <mutex>
#include <set>
#include <streambuf>
#include <thread>

#include "platform/drive_path.h"
#include "platform/file_system.h"
#include "text/letter_case.h"
#include "text/lines.h"

namespace gdf {
namespace {

using drive_path::IsSeparator;

const wchar_t* W(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
Text FromWide(const wchar_t* text, std::size_t size) {
  return Text(reinterpret_cast<const char16_t*>(text), size);
}
Text FromWide(const wchar_t* text) { return FromWide(text, std::wcslen(text)); }

// What went wrong, in words, for the error texts of the run.
std::string ErrorText(DWORD code) {
  switch (code) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return "the file is in use by another program";
    case ERROR_ACCESS_DENIED:
      return "access is denied (read-only, or no permission)";
    case ERROR_WRITE_PROTECT:
      return "the medium is write-protected";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "there is not enough space on the disk";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return file_reason::kNoSuchFile;
    case ERROR_DIRECTORY:
      return file_reason::kNotAFolder;
    case ERROR_NOT_READY:
      return "the drive is not ready";
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
      return file_reason::kExists;
    case ERROR_INVALID_NAME:
      return "the name is not allowed on Windows";
    case ERROR_DIR_NOT_EMPTY:
      return "the folder is not empty";
    default:
      break;
  }
  wchar_t* buffer = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text;
  if (n > 0 && buffer != nullptr) {
    text = ToUtf8(TrimRightOf(FromWide(buffer, n), u" \r\n."));
  }
  if (buffer != nullptr) LocalFree(buffer);
  return text.empty() ? "Windows error " + std::to_string(code) : text;
}
std::string LastErrorText() { return ErrorText(GetLastError()); }

using drive_path::Join;
using drive_path::SplitParts;

// The form the API is given: "\\?\C:\WORK" or "\\?\UNC\server\share\WORK" for an absolute path.
Text LongForm(const Text& path) {
  if (StartsWith(path, u"\\\\?\\")) return path;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    return u"\\\\?\\UNC\\" + path.substr(2);
  }
  Text out = u"\\\\?\\" + path;
  if (out.size() == 6) out.push_back(u'\\');  // "\\?\C:" is the drive, not its root
  return out;
}

// The full path of a host path text, without the "\\?\" prefix; nothing when it has none.
std::optional<Text> FullHostPath(const std::string& hostPath) {
  Text text = FromUtf8(hostPath);
  if (text.empty()) return std::nullopt;
  if (StartsWith(text, u"\\\\?\\UNC\\")) {
    text = u"\\\\" + text.substr(8);
  } else if (StartsWith(text, u"\\\\?\\")) {
    text = text.substr(4);
  }
  std::replace(text.begin(), text.end(), u'/', u'\\');
  DWORD size = GetFullPathNameW(W(text), 0, nullptr, nullptr);
  if (size == 0) return std::nullopt;
  std::wstring buffer(size, L'\0');
  size = GetFullPathNameW(W(text), size, buffer.data(), nullptr);
  if (size == 0 || size >= buffer.size()) return std::nullopt;
  Text full = FromWide(buffer.data(), size);
  while (full.size() > 3 && full.back() == u'\\') full.pop_back();
  return full;
}

DWORD Attributes(const Text& hostPath) { return GetFileAttributesW(W(LongForm(hostPath))); }

bool IsFolderAttributes(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The reason for the last error on a path that was to be created or written: a path that cannot
// be reached because one of its folders is a file says so, as on POSIX.
std::string PathErrorText(const Text& longPath) {
  const DWORD code = GetLastError();
  if (code == ERROR_PATH_NOT_FOUND || code == ERROR_FILE_NOT_FOUND) {
    Text above = longPath;
    for (auto cut = above.find_last_of(u'\\'); cut != Text::npos && cut > 6;
         cut = above.find_last_of(u'\\')) {
      above.resize(cut);
      const DWORD attributes = GetFileAttributesW(W(above));
      if (attributes == INVALID_FILE_ATTRIBUTES) continue;
      if (!IsFolderAttributes(attributes)) return file_reason::kNotAFolder;
      break;
    }
  }
  return ErrorText(code);
}

// A listing with the normal or the directory attribute leaves out hidden and system entries.
bool IsListed(DWORD attributes) {
  return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

// No "insert a disk" dialog for an empty removable drive: the call fails instead.
void NoCriticalErrorBoxes() {
  DWORD previous = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous);
}

// How often, and after what pause, an open that meets a sharing violation is tried again.
constexpr int kSharingRetries = 25;
constexpr DWORD kSharingPauseMilliseconds = 20;

class WindowsOutputFile : public OutputFile {
 public:
  WindowsOutputFile(HANDLE handle, bool append) : handle_(handle), append_(append) {}
  ~WindowsOutputFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  bool Write(std::string_view bytes, std::string& error) override {
    if (append_) {
      LARGE_INTEGER zero{};
      if (!SetFilePointerEx(handle_, zero, nullptr, FILE_END)) {
        error = LastErrorText();
        return false;
      }
    }
    while (!bytes.empty()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD written = 0;
      if (!WriteFile(handle_, bytes.data(), chunk, &written, nullptr)) {
        error = LastErrorText();
        return false;
      }
      if (written == 0) {
        error = ErrorText(ERROR_DISK_FULL);
        return false;
      }
      bytes.remove_prefix(written);
    }
    return true;
  }
  bool Sync(std::string& error) override {
    if (!FlushFileBuffers(handle_)) {
      error = LastErrorText();
      return false;
    }
    return true;
  }
  std::int64_t Size() override {
    LARGE_INTEGER size{};
    return GetFileSizeEx(handle_, &size) ? static_cast<std::int64_t>(size.QuadPart) : -1;
  }
  bool Truncate(std::int64_t size, std::string& error) override {
    LARGE_INTEGER to{};
    to.QuadPart = size;
    if (!SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_)) {
      error = LastErrorText();
      return false;
    }
    return true;
  }
  bool Close(std::string& error) override {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(handle)) {
      error = LastErrorText();
      return false;
    }
    return true;
  }

 private:
  HANDLE handle_;
  bool append_;
};

// The pattern-data folder's lock: one byte of the lock file, locked with LockFileEx, which an SMB
// client passes to the file server, so that every computer on the share, Windows or not, sees it.
// The lock goes with the handle: Windows frees it when its holder ends, however it ends, and the
// file server when the holder's computer is gone and its session times out.
//
// Within one process the lock files held are kept here as well (by volume and file index), so
// that a second lock of the same folder waits as in another process, whatever the file system
// says of two handles of one process.
struct HeldInProcess {
  std::mutex guard;
  // Volume and file index -> how it is held here: -1 exclusive, else the shared holders.
  std::map<std::pair<DWORD, std::uint64_t>, int> files;
};
HeldInProcess& Held() {
  static HeldInProcess held;
  return held;
}

class WindowsFolderLock : public FolderLock {
 public:
  WindowsFolderLock(HANDLE file, LockMode mode, std::pair<DWORD, std::uint64_t> identity)
      : file_(file), mode_(mode), identity_(identity) {}
  ~WindowsFolderLock() override {
    // The holder's line goes with the holder.
    if (mode_ == LockMode::kExclusive && wroteHolder_) {
      LARGE_INTEGER start{};
      if (SetFilePointerEx(file_, start, nullptr, FILE_BEGIN)) SetEndOfFile(file_);
    }
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(kLockByteOffset & 0xffffffff);
    at.OffsetHigh = static_cast<DWORD>(kLockByteOffset >> 32);
    UnlockFileEx(file_, 0, 1, 0, &at);
    CloseHandle(file_);
    HeldInProcess& held = Held();
    const std::lock_guard<std::mutex> lock(held.guard);
    const auto entry = held.files.find(identity_);
    if (entry != held.files.end() && (entry->second <= 1)) {
      held.files.erase(entry);
    } else if (entry != held.files.end()) {
      --entry->second;
    }
  }
  bool WriteHolder(std::string_view line, std::string& error) override {
    if (mode_ != LockMode::kExclusive) return true;
    wroteHolder_ = true;
    OVERLAPPED at{};
    DWORD written = 0;
    if (!WriteFile(file_, line.data(), static_cast<DWORD>(line.size()), &written, &at) ||
        written != line.size()) {
      error = LastErrorText();
      return false;
    }
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(line.size());
    if (!SetFilePointerEx(file_, end, nullptr, FILE_BEGIN) || !SetEndOfFile(file_)) {
      error = LastErrorText();
      return false;
    }
    return true;
  }

 private:
  HANDLE file_;
  LockMode mode_;
  std::pair<DWORD, std::uint64_t> identity_;
  bool wroteHolder_ = false;
};

// The first line of the lock file, read through the handle that tried to lock it.
std::string HolderLine(HANDLE file) {
  char buffer[512];
  OVERLAPPED at{};
  DWORD got = 0;
  if (!ReadFile(file, buffer, sizeof buffer, &got, &at) || got == 0) return {};
  return std::string(FirstLine(std::string_view(buffer, got)));
}

}  // namespace

WindowsFileSystem::WindowsFileSystem(FileSystemSettings settings) {
  NoCriticalErrorBoxes();
  for (auto& [letter, folder] : settings.drives) {
    if (const auto full = FullHostPath(folder)) {
      Text root = *full;
      if (root.size() == 3 && root[1] == u':') root.pop_back();  // "C:\" stands as "C:"
      mapped_[AsciiUpper(letter)] = root;
    }
  }
  const DWORD drives = GetLogicalDrives();
  for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
    if (drives & (1u << (letter - u'A'))) {
      currentDrive_ = letter;
      break;
    }
  }
  if (!mapped_.empty() && !(drives & (1u << (currentDrive_ - u'A')))) {
    currentDrive_ = mapped_.begin()->first;
  }
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::wstring buffer(size, L'\0');
  const DWORD n = GetCurrentDirectoryW(size, buffer.data());
  if (n > 0 && n < size) {
    if (const auto drivePath = FromHost(ToUtf8(FromWide(buffer.data(), n)))) {
      currentDrive_ = (*drivePath)[0];
      currentFolders_[currentDrive_] = drivePath->substr(2);
    }
  }
}

std::vector<Drive> WindowsFileSystem::Drives() const {
  std::vector<Drive> out;
  const DWORD drives = GetLogicalDrives();
  for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
    const auto it = mapped_.find(letter);
    if (it != mapped_.end()) {
      out.push_back({letter, ToUtf8(it->second)});
    } else if (drives & (1u << (letter - u'A'))) {
      out.push_back({letter, ToUtf8(Text{letter, u':', u'\\'})});
    }
  }
  return out;
}

bool WindowsFileSystem::DriveReady(char16_t letter) const {
  letter = AsciiUpper(letter);
  if (letter < u'A' || letter > u'Z') return false;
  const auto it = mapped_.find(letter);
  if (it != mapped_.end()) return IsFolderAttributes(Attributes(it->second));
  if (!(GetLogicalDrives() & (1u << (letter - u'A')))) return false;
  // Ready when its root can be listed: an empty removable drive answers "not ready".
  const Text pattern = LongForm(Text{letter, u':', u'\\'}) + u"*";
  WIN32_FIND_DATAW data;
  const HANDLE find =
      FindFirstFileExW(W(pattern), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  FindClose(find);
  return true;
}

bool WindowsFileSystem::SetCurrentDrive(char16_t letter) {
  if (!DriveReady(letter)) return false;
  currentDrive_ = AsciiUpper(letter);
  return true;
}

char16_t WindowsFileSystem::CurrentDrive() const { return currentDrive_; }

Text WindowsFileSystem::CurrentFolder(char16_t letter) const {
  letter = AsciiUpper(letter);
  const auto it = currentFolders_.find(letter);
  if (it != currentFolders_.end()) return Join(letter, SplitParts(it->second));
  // Windows keeps the current folder of each drive other than the current one in the
  // environment, as "=D:".
  if (mapped_.find(letter) == mapped_.end()) {
    const wchar_t name[] = {L'=', static_cast<wchar_t>(letter), L':', L'\0'};
    wchar_t buffer[MAX_PATH * 4];
    const DWORD n = GetEnvironmentVariableW(name, buffer, MAX_PATH * 4);
    if (n > 2 && n < MAX_PATH * 4 && AsciiUpper(static_cast<char16_t>(buffer[0])) == letter) {
      return Join(letter, SplitParts(FromWide(buffer + 2, n - 2)));
    }
  }
  return Join(letter, {});
}

bool WindowsFileSystem::SetCurrentFolder(TextView path) {
  const auto absolute = Absolute(path);
  if (!absolute || !Exists(*absolute + u"\\", ListAttribute::kDirectory)) return false;
  currentFolders_[(*absolute)[0]] = absolute->substr(2);
  return true;
}

std::optional<Text> WindowsFileSystem::Absolute(TextView raw) const {
  return drive_path::Absolute(
      raw, {currentDrive_,
            [this](char16_t drive) {
              return mapped_.count(drive) != 0 || (GetLogicalDrives() & (1u << (drive - u'A')));
            },
            [this](char16_t drive) { return CurrentFolder(drive).substr(2); }});
}

std::optional<std::string> WindowsFileSystem::ToHost(TextView path) const {
  const auto absolute = Absolute(path);
  if (!absolute) return std::nullopt;
  const auto it = mapped_.find((*absolute)[0]);
  Text host = it == mapped_.end() ? absolute->substr(0, 2) : it->second;
  // Each name that exists is given as the disk has it, whatever its case here.
  bool exists = true;
  for (const Text& part : SplitParts(TextView(*absolute).substr(2))) {
    host.push_back(u'\\');
    if (exists && part.find_first_of(u"*?") == Text::npos) {
      WIN32_FIND_DATAW data;
      const HANDLE find = FindFirstFileExW(W(LongForm(host + part)), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, 0);
      if (find != INVALID_HANDLE_VALUE) {
        FindClose(find);
        host += FromWide(data.cFileName);
        continue;
      }
      exists = false;
    }
    host += part;
  }
  if (host.size() == 2) host.push_back(u'\\');
  return ToUtf8(host);
}

std::optional<Text> WindowsFileSystem::FromHost(const std::string& hostPath) const {
  const auto full = FullHostPath(hostPath);
  if (!full) return std::nullopt;
  // The longest mapped folder that holds it wins; else the real drive of the path.
  std::optional<char16_t> best;
  std::size_t bestLength = 0;
  const Text folded = ToUpperSimple(*full);
  for (const auto& [letter, folder] : mapped_) {
    const Text root = ToUpperSimple(folder);
    const bool holds = folded == root ||
                       (folded.size() > root.size() && folded.compare(0, root.size(), root) == 0 &&
                        (folded[root.size()] == u'\\' || root.back() == u'\\'));
    if (holds && (!best || root.size() > bestLength)) {
      best = letter;
      bestLength = root.size();
    }
  }
  if (best) return Join(*best, SplitParts(TextView(*full).substr(bestLength)));
  if (full->size() >= 2 && full->at(1) == u':' && IsAsciiLetter(full->at(0))) {
    return Join(AsciiUpper(full->at(0)), SplitParts(TextView(*full).substr(2)));
  }
  return std::nullopt;  // a network path has no drive letter
}

bool WindowsFileSystem::Exists(TextView path, ListAttribute attribute) const {
  if (path.find_first_of(u"*?") != TextView::npos) return false;  // no such name can exist
  const Text trimmed = Trim(path);
  const auto host = ToHost(trimmed);
  if (!host) return false;
  const Text hostPath = FromUtf8(*host);
  const bool endsWithSeparator = !trimmed.empty() && IsSeparator(trimmed.back());
  if (endsWithSeparator || hostPath.size() <= 3) {
    // A listing of the folder's entries (or of a root, which has no entry of its own).
    return IsFolderAttributes(Attributes(hostPath));
  }
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileExW(W(LongForm(hostPath)), FindExInfoBasic, &data,
                                       FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  if (!IsListed(data.dwFileAttributes)) return false;
  if (attribute == ListAttribute::kNormal) {
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }
  return true;
}

std::vector<FolderEntry> WindowsFileSystem::List(TextView folder) const {
  std::vector<FolderEntry> out;
  const auto host = ToHost(folder);
  if (!host) return out;
  Text pattern = LongForm(FromUtf8(*host));
  if (pattern.back() != u'\\') pattern.push_back(u'\\');
  pattern.push_back(u'*');
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileExW(W(pattern), FindExInfoBasic, &data, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return out;
  do {
    const Text name = FromWide(data.cFileName);
    if (name == u"." || name == u".." || !IsListed(data.dwFileAttributes)) continue;
    out.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(out.begin(), out.end(), [](const FolderEntry& a, const FolderEntry& b) {
    if (a.isFolder != b.isFolder) return a.isFolder;
    return ToUpperSimple(a.name) < ToUpperSimple(b.name);
  });
  return out;
}

std::int64_t WindowsFileSystem::Size(TextView path) const {
  const auto host = ToHost(path);
  if (!host) return -1;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(W(LongForm(FromUtf8(*host))), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return -1;
  }
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool WindowsFileSystem::CreateFolder(TextView path, std::string& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = file_reason::kNoSuchDrive;
    return false;
  }
  const Text longPath = LongForm(FromUtf8(*host));
  if (!CreateDirectoryW(W(longPath), nullptr)) {
    error = PathErrorText(longPath);
    return false;
  }
  return true;
}

bool WindowsFileSystem::Delete(TextView path, std::string& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = file_reason::kNoSuchDrive;
    return false;
  }
  if (!DeleteFileW(W(LongForm(FromUtf8(*host))))) {
    error = LastErrorText();
    return false;
  }
  return true;
}

bool WindowsFileSystem::Rename(TextView from, TextView to, std::string& error) {
  const auto hostFrom = ToHost(from);
  const auto hostTo = ToHost(to);
  if (!hostFrom || !hostTo) {
    error = file_reason::kNoSuchDrive;
    return false;
  }
  if (!MoveFileExW(W(LongForm(FromUtf8(*hostFrom))), W(LongForm(FromUtf8(*hostTo))),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = LastErrorText();
    return false;
  }
  return true;
}

std::optional<std::string> WindowsFileSystem::ReadAll(TextView path, std::string& error) const {
  const auto host = ToHost(path);
  if (!host) {
    error = file_reason::kNoSuchDrive;
    return std::nullopt;
  }
  const Text hostPath = LongForm(FromUtf8(*host));
  if (IsFolderAttributes(GetFileAttributesW(W(hostPath)))) {
    error = "it is a folder";
    return std::nullopt;
  }
  const HANDLE file =
      CreateFileW(W(hostPath), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = LastErrorText();
    return std::nullopt;
  }
  // Bytes as they are: no line end is changed, and a 0x1A byte is a byte like any other.
  LARGE_INTEGER size{};
  std::string content;
  if (GetFileSizeEx(file, &size)) content.resize(static_cast<std::size_t>(size.QuadPart) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == content.size()) content.resize(content.size() + (1 << 16));
    const DWORD chunk =
        static_cast<DWORD>(std::min<std::size_t>(content.size() - filled, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file, content.data() + filled, chunk, &got, nullptr)) {
      error = LastErrorText();
      CloseHandle(file);
      return std::nullopt;
    }
    if (got == 0) break;
    filled += got;
  }
  CloseHandle(file);
  content.resize(filled);
  return content;
}

bool WindowsFileSystem::CanWrite(TextView path, std::string& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = file_reason::kNoSuchDrive;
    return false;
  }
  const Text longPath = LongForm(FromUtf8(*host));
  const DWORD attributes = GetFileAttributesW(W(longPath));
  if (attributes == INVALID_FILE_ATTRIBUTES) return FileSystem::CanWrite(path, error);
  // An existing file: opened for writing, and shared every way, so that the check stands in
  // nobody's way; one that another program has open for writing can be written.
  const HANDLE file = CreateFileW(W(longPath), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_SHARING_VIOLATION) return true;
    error = PathErrorText(longPath);
    return false;
  }
  CloseHandle(file);
  return true;
}

std::unique_ptr<OutputFile> WindowsFileSystem::Open(TextView path, OpenMode mode,
                                                    std::string& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = file_reason::kNoSuchDrive;
    return nullptr;
  }
  const Text longPath = LongForm(FromUtf8(*host));
  if (IsFolderAttributes(GetFileAttributesW(W(longPath)))) {
    error = file_reason::kIsAFolder;
    return nullptr;
  }
  // Others may read the file while it is written, but nobody may write it meanwhile. A file
  // that another program has open for a moment (a run that checks whether it can write the
  // marker, a virus scanner) is tried again for a while before the open fails.
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0;; ++attempt) {
    file = CreateFileW(W(longPath), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION ||
        attempt == kSharingRetries) {
      break;
    }
    Sleep(kSharingPauseMilliseconds);
  }
  if (file == INVALID_HANDLE_VALUE) {
    error = PathErrorText(longPath);
    return nullptr;
  }
  if (mode == OpenMode::kTruncate && !SetEndOfFile(file)) {
    error = LastErrorText();
    CloseHandle(file);
    return nullptr;
  }
  return std::make_unique<WindowsOutputFile>(file, mode == OpenMode::kAppend);
}

std::unique_ptr<FolderLock> WindowsFileSystem::LockFolder(TextView folder, LockMode mode,
                                                          int waitMilliseconds, LockError& error) {
  const auto host = ToHost(folder);
  if (!host) {
    error = {LockFailure::kCannotOpen, file_reason::kNoSuchDrive, {}};
    return nullptr;
  }
  const Text hostFolder = FromUtf8(*host);
  if (!IsFolderAttributes(Attributes(hostFolder))) {
    error = {LockFailure::kCannotOpen, ErrorText(ERROR_PATH_NOT_FOUND), {}};
    return nullptr;
  }
  const Text path = LongForm(hostFolder + u"\\" + kLockFileName);
  // Made when missing, never created exclusively, so that two first runs cannot race; shared
  // for reading, writing and deleting, so that it never stands in anybody's way but by its lock.
  const bool exclusive = mode == LockMode::kExclusive;
  const HANDLE file =
      CreateFileW(W(path), exclusive ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  exclusive ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    const bool none = !exclusive && (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND);
    error = {none ? LockFailure::kNoLockFile : LockFailure::kCannotOpen, ErrorText(code), {}};
    return nullptr;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file, &info)) {
    error = {LockFailure::kCannotOpen, LastErrorText(), {}};
    CloseHandle(file);
    return nullptr;
  }
  const std::pair<DWORD, std::uint64_t> identity{
      info.dwVolumeSerialNumber,
      (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
  HeldInProcess& held = Held();
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  auto pause = std::chrono::milliseconds(2);
  for (;;) {
    DWORD code = ERROR_LOCK_VIOLATION;
    {
      const std::lock_guard<std::mutex> lock(held.guard);
      const auto entry = held.files.find(identity);
      if (entry == held.files.end() || (!exclusive && entry->second > 0)) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(kLockByteOffset & 0xffffffff);
        at.OffsetHigh = static_cast<DWORD>(kLockByteOffset >> 32);
        const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
        if (LockFileEx(file, flags, 0, 1, 0, &at)) {
          if (exclusive) {
            held.files[identity] = -1;
          } else {
            ++held.files[identity];
          }
          return std::make_unique<WindowsFolderLock>(file, mode, identity);
        }
        code = GetLastError();
      }
    }
    if (code != ERROR_LOCK_VIOLATION && code != ERROR_SHARING_VIOLATION &&
        code != ERROR_IO_PENDING) {
      error = {LockFailure::kCannotLock, ErrorText(code), {}};
      CloseHandle(file);
      return nullptr;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) {
      error = {LockFailure::kBusy, ErrorText(code), HolderLine(file)};
      CloseHandle(file);
      return nullptr;
    }
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    pause = std::min(pause * 2, std::chrono::milliseconds(100));
  }
}

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

bool StandardInputIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

bool StandardErrorIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

namespace {

// UTF-8 in, UTF-16 out to a console: whole characters at a time, whatever the console's code
// page.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {}

 protected:
  int_type overflow(int_type ch) override {
    if (ch != traits_type::eof()) {
      pending_.push_back(static_cast<char>(ch));
      if (ch == '\n' || pending_.size() >= 4096) Flush();
    }
    return traits_type::not_eof(ch);
  }
  std::streamsize xsputn(const char* data, std::streamsize size) override {
    pending_.append(data, static_cast<std::size_t>(size));
    if (pending_.find('\n') != std::string::npos || pending_.size() >= 4096) Flush();
    return size;
  }
  int sync() override {
    Flush();
    return 0;
  }

 private:
  void Flush() {
    // Keep an unfinished UTF-8 sequence at the end for the next write.
    std::size_t end = pending_.size();
    std::size_t start = end;
    while (start > 0 && end - start < 4 &&
           (static_cast<unsigned char>(pending_[start - 1]) & 0xC0) == 0x80) {
      --start;
    }
    if (start > 0) {
      const auto lead = static_cast<unsigned char>(pending_[start - 1]);
      const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      if (length > 1 && end - (start - 1) < length) end = start - 1;
    }
    const Text text = FromUtf8(std::string_view(pending_).substr(0, end));
    std::size_t done = 0;
    while (done < text.size()) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 8192));
      if (!WriteConsoleW(console_, text.data() + done, chunk, &written, nullptr) || written == 0) {
        break;
      }
      done += written;
    }
    pending_.erase(0, end);
  }

  HANDLE console_;
  std::string pending_;
};

void PrepareStream(std::ostream& stream, DWORD which, FILE* file) {
  const HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
    static ConsoleBuffer* buffers[2] = {nullptr, nullptr};
    ConsoleBuffer*& buffer = buffers[which == STD_OUTPUT_HANDLE ? 0 : 1];
    if (buffer == nullptr) buffer = new ConsoleBuffer(handle);  // lives as long as the process
    stream.rdbuf(buffer);
  } else {
    // A file or a pipe: UTF-8 bytes, lines ended as on every other system.
    std::fflush(file);
    _setmode(_fileno(file), _O_BINARY);
  }
}

}  // namespace

void PrepareStandardStreams() {
  PrepareStream(std::cout, STD_OUTPUT_HANDLE, stdout);
  PrepareStream(std::cerr, STD_ERROR_HANDLE, stderr);
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
