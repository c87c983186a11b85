// windows_file_system.cpp - The drives of Windows and the folders that --drive stands letters
// for, on the wide (UTF-16) Windows API.
//
// Paths are resolved by the same Windows rules as on POSIX (dots, trailing blanks and dots of
// names, the current folder of each drive), so that both systems turn a text into the same path.
#include "platform/windows/windows_file_system.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "platform/drive_path.h"
#include "platform/windows/windows_error_texts.h"
#include "platform/windows/windows_paths.h"
#include "text/letter_case.h"

namespace gdf {
namespace {

using drive_path::IsSeparator;
using drive_path::Join;
using drive_path::SplitParts;

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
  bool Write(std::string_view bytes, FileError& error) override {
    if (append_) {
      LARGE_INTEGER zero{};
      if (!SetFilePointerEx(handle_, zero, nullptr, FILE_END)) {
        error = LastWindowsError();
        return false;
      }
    }
    while (!bytes.empty()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD written = 0;
      if (!WriteFile(handle_, bytes.data(), chunk, &written, nullptr)) {
        error = LastWindowsError();
        return false;
      }
      if (written == 0) {
        error = WindowsError(ERROR_DISK_FULL);
        return false;
      }
      bytes.remove_prefix(written);
    }
    return true;
  }
  bool Sync(FileError& error) override {
    if (!FlushFileBuffers(handle_)) {
      error = LastWindowsError();
      return false;
    }
    return true;
  }
  std::int64_t Size() override {
    LARGE_INTEGER size{};
    return GetFileSizeEx(handle_, &size) ? static_cast<std::int64_t>(size.QuadPart) : -1;
  }
  bool Truncate(std::int64_t size, FileError& error) override {
    LARGE_INTEGER to{};
    to.QuadPart = size;
    if (!SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_)) {
      error = LastWindowsError();
      return false;
    }
    return true;
  }
  bool Close(FileError& error) override {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(handle)) {
      error = LastWindowsError();
      return false;
    }
    return true;
  }

 private:
  HANDLE handle_;
  bool append_;
};

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

bool WindowsFileSystem::CreateFolder(TextView path, FileError& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = Failed(FileFailure::kNoSuchDrive);
    return false;
  }
  const Text longPath = LongForm(FromUtf8(*host));
  if (!CreateDirectoryW(W(longPath), nullptr)) {
    error = PathError(longPath);
    return false;
  }
  return true;
}

bool WindowsFileSystem::Delete(TextView path, FileError& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = Failed(FileFailure::kNoSuchDrive);
    return false;
  }
  if (!DeleteFileW(W(LongForm(FromUtf8(*host))))) {
    error = LastWindowsError();
    return false;
  }
  return true;
}

bool WindowsFileSystem::Rename(TextView from, TextView to, FileError& error) {
  const auto hostFrom = ToHost(from);
  const auto hostTo = ToHost(to);
  if (!hostFrom || !hostTo) {
    error = Failed(FileFailure::kNoSuchDrive);
    return false;
  }
  if (!MoveFileExW(W(LongForm(FromUtf8(*hostFrom))), W(LongForm(FromUtf8(*hostTo))),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = LastWindowsError();
    return false;
  }
  return true;
}

std::optional<std::string> WindowsFileSystem::ReadAll(TextView path, FileError& error) const {
  const auto host = ToHost(path);
  if (!host) {
    error = Failed(FileFailure::kNoSuchDrive);
    return std::nullopt;
  }
  const Text hostPath = LongForm(FromUtf8(*host));
  if (IsFolderAttributes(GetFileAttributesW(W(hostPath)))) {
    error = Failed(FileFailure::kIsAFolder);
    return std::nullopt;
  }
  const HANDLE file =
      CreateFileW(W(hostPath), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = LastWindowsError();
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
      error = LastWindowsError();
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

bool WindowsFileSystem::CanWrite(TextView path, FileError& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = Failed(FileFailure::kNoSuchDrive);
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
    error = PathError(longPath);
    return false;
  }
  CloseHandle(file);
  return true;
}

std::unique_ptr<OutputFile> WindowsFileSystem::Open(TextView path, OpenMode mode,
                                                    FileError& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = Failed(FileFailure::kNoSuchDrive);
    return nullptr;
  }
  const Text longPath = LongForm(FromUtf8(*host));
  if (IsFolderAttributes(GetFileAttributesW(W(longPath)))) {
    error = Failed(FileFailure::kIsAFolder);
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
    error = PathError(longPath);
    return nullptr;
  }
  if (mode == OpenMode::kTruncate && !SetEndOfFile(file)) {
    error = LastWindowsError();
    CloseHandle(file);
    return nullptr;
  }
  return std::make_unique<WindowsOutputFile>(file, mode == OpenMode::kAppend);
}

}  // namespace gdf
