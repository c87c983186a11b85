// posix_file_system.cpp - Drive letters over host folders, with Windows path rules on POSIX.
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/drive_path.h"
#include "platform/posix/posix_error_texts.h"
#include "platform/posix/posix_file_system.h"
#include "text/letter_case.h"

namespace gdf {
namespace {

using drive_path::IsSeparator;

// A path split into its drive and the names below the drive's root.
struct Resolved {
  char16_t drive = u'Z';
  std::vector<Text> parts;
};

using drive_path::Join;
using drive_path::SplitParts;

// The host name of one component inside `hostFolder`: the exact name when it exists, else an
// entry whose name equals it without regard to case, else the name itself.
std::string MatchComponent(const std::string& hostFolder, const Text& name) {
  const std::string exact = ToUtf8(name);
  struct stat st {};
  if (::lstat((hostFolder + "/" + exact).c_str(), &st) == 0) return exact;
  DIR* dir = ::opendir(hostFolder.empty() ? "/" : hostFolder.c_str());
  if (dir == nullptr) return exact;
  std::string found = exact;
  while (const dirent* entry = ::readdir(dir)) {
    if (EqualFoldingCase(FromUtf8(entry->d_name), name)) {
      found = entry->d_name;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

class PosixOutputFile : public OutputFile {
 public:
  explicit PosixOutputFile(int fd) : fd_(fd) {}
  ~PosixOutputFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  bool Write(std::string_view bytes, FileError& error) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0) {
        if (errno == EINTR) continue;
        error = ErrnoError();
        return false;
      }
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }
  bool Sync(FileError& error) override {
    if (::fsync(fd_) != 0) {
      error = ErrnoError();
      return false;
    }
    return true;
  }
  std::int64_t Size() override {
    struct stat st {};
    return ::fstat(fd_, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
  }
  bool Truncate(std::int64_t size, FileError& error) override {
    if (::ftruncate(fd_, size) != 0) {
      error = ErrnoError();
      return false;
    }
    return true;
  }
  bool Close(FileError& error) override {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
      error = ErrnoError();
      return false;
    }
    return true;
  }

 private:
  int fd_;
};

}  // namespace

std::string StripTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

PosixFileSystem::PosixFileSystem(FileSystemSettings settings) {
  for (auto& [letter, folder] : settings.drives) {
    drives_[AsciiUpper(letter)] = StripTrailingSlashes(folder);
  }
  if (drives_.find(u'Z') == drives_.end()) drives_[u'Z'] = "/";
  currentDrive_ = drives_.begin()->first;
  std::error_code ec;
  const std::string cwd = std::filesystem::current_path(ec).string();
  if (!ec) {
    if (const auto drivePath = FromHost(cwd)) {
      currentDrive_ = (*drivePath)[0];
      currentFolders_[currentDrive_] = drivePath->substr(2);
    }
  }
}

std::vector<Drive> PosixFileSystem::Drives() const {
  std::vector<Drive> out;
  for (const auto& [letter, folder] : drives_) out.push_back({letter, folder});
  return out;
}

bool PosixFileSystem::DriveReady(char16_t letter) const {
  const auto it = drives_.find(AsciiUpper(letter));
  if (it == drives_.end()) return false;
  struct stat st {};
  return ::stat(it->second.empty() ? "/" : it->second.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PosixFileSystem::SetCurrentDrive(char16_t letter) {
  if (!DriveReady(letter)) return false;
  currentDrive_ = AsciiUpper(letter);
  return true;
}

char16_t PosixFileSystem::CurrentDrive() const { return currentDrive_; }

Text PosixFileSystem::CurrentFolder(char16_t letter) const {
  letter = AsciiUpper(letter);
  const auto it = currentFolders_.find(letter);
  const Text below = it == currentFolders_.end() ? Text() : it->second;
  return Join(letter, SplitParts(below));
}

bool PosixFileSystem::SetCurrentFolder(TextView path) {
  const auto absolute = Absolute(path);
  if (!absolute || !Exists(*absolute + u"\\", ListAttribute::kDirectory)) return false;
  const auto host = ToHost(*absolute);
  struct stat st {};
  if (!host || ::stat(host->c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  currentFolders_[(*absolute)[0]] = absolute->substr(2);
  return true;
}

std::optional<Text> PosixFileSystem::Absolute(TextView raw) const {
  return drive_path::Absolute(
      raw, {currentDrive_, [this](char16_t drive) { return drives_.count(drive) != 0; },
            [this](char16_t drive) {
              const auto it = currentFolders_.find(drive);
              return it != currentFolders_.end() ? it->second : Text();
            }});
}

std::optional<std::string> PosixFileSystem::ToHost(TextView path) const {
  const auto absolute = Absolute(path);
  if (!absolute) return std::nullopt;
  const char16_t drive = (*absolute)[0];
  // A drive of "/" ("Z:") gives "/tmp", not "//tmp".
  std::string host = drives_.at(drive);
  if (host == "/") host.clear();
  for (const Text& part : SplitParts(TextView(*absolute).substr(2))) {
    host += "/" + MatchComponent(host.empty() ? std::string("/") : host, part);
  }
  return host.empty() ? std::string("/") : host;
}

std::optional<Text> PosixFileSystem::FromHost(const std::string& hostPath) const {
  std::filesystem::path p(hostPath);
  std::error_code ec;
  if (p.is_relative()) p = std::filesystem::current_path(ec) / p;
  const std::string normal = StripTrailingSlashes(p.lexically_normal().string());
  std::optional<char16_t> best;
  std::size_t bestLength = 0;
  for (const auto& [letter, folder] : drives_) {
    const std::string root = folder.empty() || folder == "/" ? std::string() : folder;
    const bool holds = normal == root || (normal == "/" && root.empty()) ||
                       (normal.size() > root.size() && normal.compare(0, root.size(), root) == 0 &&
                        normal[root.size()] == '/');
    if (holds && (!best || root.size() > bestLength)) {
      best = letter;
      bestLength = root.size();
    }
  }
  if (!best) return std::nullopt;
  Text below = FromUtf8(normal.substr(std::min(bestLength, normal.size())));
  std::replace(below.begin(), below.end(), u'/', u'\\');
  return Join(*best, SplitParts(below));
}

bool PosixFileSystem::Exists(TextView path, ListAttribute attribute) const {
  if (path.find_first_of(u"*?") != TextView::npos) return false;  // no such name can exist
  const Text trimmed = Trim(path);
  const auto host = ToHost(trimmed);
  if (!host) return false;
  struct stat st {};
  if (::stat(host->c_str(), &st) != 0) return false;
  const bool endsWithSeparator = !trimmed.empty() && IsSeparator(trimmed.back());
  if (endsWithSeparator) return S_ISDIR(st.st_mode);  // a listing of the folder's entries
  if (attribute == ListAttribute::kNormal) return S_ISREG(st.st_mode);
  return true;
}

std::vector<FolderEntry> PosixFileSystem::List(TextView folder) const {
  std::vector<FolderEntry> out;
  const auto host = ToHost(folder);
  if (!host) return out;
  DIR* dir = ::opendir(host->c_str());
  if (dir == nullptr) return out;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (::stat((*host + "/" + name).c_str(), &st) != 0) continue;
    out.push_back({FromUtf8(name), S_ISDIR(st.st_mode)});
  }
  ::closedir(dir);
  std::sort(out.begin(), out.end(), [](const FolderEntry& a, const FolderEntry& b) {
    if (a.isFolder != b.isFolder) return a.isFolder;
    return ToUpperSimple(a.name) < ToUpperSimple(b.name);
  });
  return out;
}

std::int64_t PosixFileSystem::Size(TextView path) const {
  const auto host = ToHost(path);
  struct stat st {};
  if (!host || ::stat(host->c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return static_cast<std::int64_t>(st.st_size);
}

bool PosixFileSystem::CreateFolder(TextView path, FileError& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = Failed(FileFailure::kNoSuchDrive);
    return false;
  }
  if (::mkdir(host->c_str(), 0777) != 0) {
    error = ErrnoError();
    return false;
  }
  return true;
}

bool PosixFileSystem::Delete(TextView path, FileError& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = Failed(FileFailure::kNoSuchDrive);
    return false;
  }
  if (::unlink(host->c_str()) != 0) {
    error = ErrnoError();
    return false;
  }
  return true;
}

bool PosixFileSystem::Rename(TextView from, TextView to, FileError& error) {
  const auto hostFrom = ToHost(from);
  const auto hostTo = ToHost(to);
  if (!hostFrom || !hostTo) {
    error = Failed(FileFailure::kNoSuchDrive);
    return false;
  }
  if (::rename(hostFrom->c_str(), hostTo->c_str()) != 0) {
    error = ErrnoError();
    return false;
  }
  return true;
}

namespace {

// A buffer of many megabytes is faulted in far faster in huge pages, where the kernel offers
// them on request; it is only advice, and nothing changes where it is not taken.
void AdviseHugePages(char* data, std::size_t size) {
  constexpr std::size_t kHuge = std::size_t{2} << 20;
  if (size < 4 * kHuge) return;
  // From the first huge-page boundary in the buffer, whole huge pages only.
  const std::size_t skip = (kHuge - reinterpret_cast<std::uintptr_t>(data) % kHuge) % kHuge;
  const std::size_t length = (size - skip) & ~(kHuge - 1);
  if (length > 0) ::madvise(data + skip, length, MADV_HUGEPAGE);
}

}  // namespace

std::optional<std::string> PosixFileSystem::ReadAll(TextView path, FileError& error) const {
  const auto host = ToHost(path);
  if (!host) {
    error = Failed(FileFailure::kNoSuchDrive);
    return std::nullopt;
  }
  const int fd = ::open(host->c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = ErrnoError();
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    error = S_ISDIR(st.st_mode) ? Failed(FileFailure::kIsAFolder) : ErrnoError();
    ::close(fd);
    return std::nullopt;
  }
  // Read straight into the string: a large source file is copied once. One byte more than the
  // size lets the read that finds the end return 0 without the string growing (and moving).
  std::string content;
  content.reserve(static_cast<std::size_t>(st.st_size) + 1);
  AdviseHugePages(content.data(), content.capacity());
  content.resize(static_cast<std::size_t>(st.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == content.size()) content.resize(content.size() + (1 << 16));
    const ssize_t n = ::read(fd, content.data() + filled, content.size() - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = ErrnoError();
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  content.resize(filled);
  ::close(fd);
  return content;
}

std::unique_ptr<OutputFile> PosixFileSystem::Open(TextView path, OpenMode mode, FileError& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = Failed(FileFailure::kNoSuchDrive);
    return nullptr;
  }
  const int flags =
      O_WRONLY | O_CREAT | O_CLOEXEC | (mode == OpenMode::kAppend ? O_APPEND : O_TRUNC);
  const int fd = ::open(host->c_str(), flags, 0666);
  if (fd < 0) {
    error = ErrnoError();
    return nullptr;
  }
  return std::make_unique<PosixOutputFile>(fd);
}

bool PosixFileSystem::CanWrite(TextView path, FileError& error) {
  const auto host = ToHost(path);
  if (!host) {
    error = Failed(FileFailure::kNoSuchDrive);
    return false;
  }
  // A file that is not there yet could be written when its folder can be.
  std::string probe = *host;
  struct stat st {};
  if (::stat(probe.c_str(), &st) != 0 && errno == ENOENT) {
    probe = std::filesystem::path(probe).parent_path().string();
  }
  if (::access(probe.c_str(), W_OK) != 0) {
    error = ErrnoError();
    return false;
  }
  return true;
}

}  // namespace gdf
