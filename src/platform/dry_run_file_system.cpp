// dry_run_file_system.cpp - Changes kept in memory over a file system that is only read.
#include "platform/dry_run_file_system.h"

#include <algorithm>

#include "platform/host.h"
#include "text/letter_case.h"
#include "text/lines.h"

namespace gdf {
namespace {

Text FoldKey(const std::string& host) {
  Text key = FromUtf8(host);
  for (char16_t& ch : key) ch = SimpleFold(ch);
  return key;
}

// A file open for writing whose bytes stay in memory.
class MemoryOutputFile : public OutputFile {
 public:
  explicit MemoryOutputFile(std::shared_ptr<std::string> content) : content_(std::move(content)) {}
  bool Write(std::string_view bytes, FileError&) override {
    content_->append(bytes);
    return true;
  }
  bool Sync(FileError&) override { return true; }
  std::int64_t Size() override { return static_cast<std::int64_t>(content_->size()); }
  bool Truncate(std::int64_t size, FileError&) override {
    content_->resize(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
    return true;
  }
  bool Close(FileError&) override { return true; }

 private:
  std::shared_ptr<std::string> content_;
};

}  // namespace

DryRunFileSystem::DryRunFileSystem(FileSystem& real) : ForwardingFileSystem(real), real_(real) {}

DryRunFileSystem::~DryRunFileSystem() = default;

const DryRunFileSystem::Where* DryRunFileSystem::Locate(TextView path) const {
  const Text trimmed = Trim(path);
  // Only a full path means the same whatever the current drive and folder are, so the cache is
  // keyed by full paths: the path itself when full, its absolute form otherwise.
  const bool full = trimmed.size() >= 3 && trimmed[1] == u':' && trimmed[2] == u'\\';
  if (full) {
    if (const auto found = located_.find(trimmed); found != located_.end()) return &found->second;
  }
  const auto absolute = real_.Absolute(trimmed);
  if (!absolute) return nullptr;
  if (!full) {
    if (const auto found = located_.find(*absolute); found != located_.end()) {
      return &found->second;
    }
  }
  const auto host = real_.ToHost(*absolute);
  if (!host) return nullptr;
  Where where;
  where.path = *absolute;
  where.key = FoldKey(*host);
  where.hostName = FromUtf8(host->substr(host->rfind(kHostSeparator) + 1));
  // "D:\" is a root; "D:\A" has the parent "D:\"; "D:\A\B" has "D:\A".
  const std::size_t separator = absolute->rfind(u'\\');
  if (absolute->size() > 3 && separator != Text::npos) {
    where.parentPath = absolute->substr(0, std::max<std::size_t>(separator, 3));
    const std::size_t slash = host->rfind(kHostSeparator);
    std::string parent = slash == std::string::npos ? std::string() : host->substr(0, slash);
    // The root of the host: "/", or a drive's "C:\".
    if (parent.empty() || (parent.size() == 2 && parent[1] == ':')) parent += kHostSeparator;
    where.parentKey = FoldKey(parent);
  }
  // Entries of an unordered map stay where they are, so the pointer holds for the run.
  return &located_.emplace(full ? trimmed : *absolute, std::move(where)).first->second;
}

const DryRunFileSystem::Node* DryRunFileSystem::Find(const Text& key) const {
  const auto found = nodeByKey_.find(key);
  return found == nodeByKey_.end() ? nullptr : &nodes_[found->second];
}

DryRunFileSystem::Node& DryRunFileSystem::Touch(const Where& where) {
  const auto found = nodeByKey_.find(where.key);
  if (found != nodeByKey_.end()) return nodes_[found->second];
  Node node;
  node.path = where.path;
  node.parentKey = where.parentKey;
  node.fileBefore = real_.Exists(where.path, ListAttribute::kNormal);
  node.state = node.fileBefore ? State::kFile : IsFolder(where) ? State::kFolder : State::kAbsent;
  // An entry that exists keeps the name the disk gives it, whatever case the caller used.
  if (node.state != State::kAbsent && !where.parentPath.empty()) {
    node.path = node.path.substr(0, node.path.rfind(u'\\') + 1) + where.hostName;
  }
  if (node.fileBefore) {
    FileError error;
    node.content = std::make_shared<std::string>(real_.ReadAll(where.path, error).value_or(""));
  }
  nodeByKey_.emplace(where.key, nodes_.size());
  nodes_.push_back(std::move(node));
  return nodes_.back();
}

bool DryRunFileSystem::IsFolder(const Where& where) const {
  if (const Node* node = Find(where.key)) return node->state == State::kFolder;
  // A listing with the directory attribute finds normal files too; a folder has no size.
  return real_.Exists(where.path, ListAttribute::kDirectory) && real_.Size(where.path) < 0;
}

bool DryRunFileSystem::IsFile(const Where& where) const {
  if (const Node* node = Find(where.key)) return node->state == State::kFile;
  return real_.Exists(where.path, ListAttribute::kNormal);
}

bool DryRunFileSystem::ParentIsFolder(const Where& where, FileError& error) const {
  if (where.parentPath.empty()) return true;  // a drive's root
  const auto parent = Locate(where.parentPath);
  if (parent && IsFolder(*parent)) return true;
  error = parent && IsFile(*parent) ? Failed(FileFailure::kNotAFolder)
                                    : Failed(FileFailure::kNoSuchFile);
  return false;
}

bool DryRunFileSystem::Exists(TextView path, ListAttribute attribute) const {
  if (path.find_first_of(u"*?") != TextView::npos) return false;
  const Text trimmed = Trim(path);
  const auto where = Locate(trimmed);
  if (!where) return false;
  const Node* node = Find(where->key);
  if (node == nullptr) return real_.Exists(path, attribute);
  const bool endsWithSeparator =
      !trimmed.empty() && (trimmed.back() == u'\\' || trimmed.back() == u'/');
  switch (node->state) {
    case State::kAbsent:
      return false;
    case State::kFolder:
      return endsWithSeparator || attribute == ListAttribute::kDirectory;
    case State::kFile:
      return !endsWithSeparator;
  }
  return false;
}

std::vector<FolderEntry> DryRunFileSystem::List(TextView folder) const {
  const auto where = Locate(folder);
  if (!where || !IsFolder(*where)) return {};
  std::vector<FolderEntry> entries = real_.List(folder);
  for (const Node& node : nodes_) {
    if (node.parentKey != where->key) continue;
    const Text name = node.path.substr(node.path.rfind(u'\\') + 1);
    const auto same = std::find_if(entries.begin(), entries.end(), [&](const FolderEntry& entry) {
      return EqualFoldingCase(entry.name, name);
    });
    if (same != entries.end()) entries.erase(same);
    if (node.state != State::kAbsent) entries.push_back({name, node.state == State::kFolder});
  }
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    if (a.isFolder != b.isFolder) return a.isFolder;
    return ToUpperSimple(a.name) < ToUpperSimple(b.name);
  });
  return entries;
}

std::int64_t DryRunFileSystem::Size(TextView path) const {
  const auto where = Locate(path);
  if (!where) return -1;
  const Node* node = Find(where->key);
  if (node == nullptr) return real_.Size(path);
  return node->state == State::kFile ? static_cast<std::int64_t>(node->content->size()) : -1;
}

bool DryRunFileSystem::CreateFolder(TextView path, FileError& error) {
  const auto where = Locate(path);
  if (!where) {
    error = Failed(FileFailure::kNoSuchDrive);
    return false;
  }
  if (IsFolder(*where) || IsFile(*where)) {
    error = Failed(FileFailure::kExists);
    return false;
  }
  if (!ParentIsFolder(*where, error)) return false;
  Touch(*where).state = State::kFolder;
  return true;
}

bool DryRunFileSystem::Delete(TextView path, FileError& error) {
  const auto where = Locate(path);
  if (!where) {
    error = Failed(FileFailure::kNoSuchDrive);
    return false;
  }
  if (!IsFile(*where)) {
    error = IsFolder(*where) ? Failed(FileFailure::kIsAFolder) : Failed(FileFailure::kNoSuchFile);
    return false;
  }
  Node& node = Touch(*where);
  node.state = State::kAbsent;
  node.content.reset();
  return true;
}

bool DryRunFileSystem::Rename(TextView from, TextView to, FileError& error) {
  const auto source = Locate(from);
  const auto target = Locate(to);
  if (!source || !target) {
    error = Failed(FileFailure::kNoSuchDrive);
    return false;
  }
  if (!IsFile(*source)) {
    error = Failed(FileFailure::kNoSuchFile);
    return false;
  }
  if (!ParentIsFolder(*target, error)) return false;
  if (IsFolder(*target)) {
    error = Failed(FileFailure::kIsAFolder);
    return false;
  }
  if (source->key == target->key) return true;
  const std::string bytes = *Touch(*source).content;
  Node& moved = Touch(*target);
  moved.state = State::kFile;
  moved.content = std::make_shared<std::string>(bytes);
  moved.replaced = true;
  Node& gone = Touch(*source);
  gone.state = State::kAbsent;
  gone.content.reset();
  return true;
}

std::optional<std::string> DryRunFileSystem::ReadAll(TextView path, FileError& error) const {
  const auto where = Locate(path);
  if (!where) {
    error = Failed(FileFailure::kNoSuchDrive);
    return std::nullopt;
  }
  const Node* node = Find(where->key);
  if (node == nullptr) return real_.ReadAll(path, error);
  if (node->state == State::kFile) return *node->content;
  error = node->state == State::kFolder ? Failed(FileFailure::kIsAFolder)
                                        : Failed(FileFailure::kNoSuchFile);
  return std::nullopt;
}

std::unique_ptr<OutputFile> DryRunFileSystem::Open(TextView path, OpenMode mode, FileError& error) {
  const auto where = Locate(path);
  if (!where) {
    error = Failed(FileFailure::kNoSuchDrive);
    return nullptr;
  }
  if (IsFolder(*where)) {
    error = Failed(FileFailure::kIsAFolder);
    return nullptr;
  }
  if (!ParentIsFolder(*where, error)) return nullptr;
  Node& node = Touch(*where);
  if (node.state != State::kFile || mode == OpenMode::kTruncate) {
    // A fresh buffer: an output file still open on the old one keeps writing there, as an open
    // file whose name was replaced does.
    node.content = std::make_shared<std::string>();
    if (node.state == State::kFile) node.replaced = true;
    node.state = State::kFile;
  }
  return std::make_unique<MemoryOutputFile>(node.content);
}

namespace {

// A dry run of a folder that has no lock file: nothing to hold, and nothing to write.
class NoFolderLock : public FolderLock {
 public:
  bool WriteHolder(std::string_view, FileError&) override { return true; }
};

}  // namespace

std::unique_ptr<FolderLock> DryRunFileSystem::LockFolder(TextView folder, LockMode,
                                                         int waitMilliseconds, LockError& error) {
  // Shared, so that the plan describes a folder that nobody changes meanwhile; and no lock file
  // is made where there is none.
  auto lock = real_.LockFolder(folder, LockMode::kShared, waitMilliseconds, error);
  if (lock) {
    folderLock_ = DryRunLock::kShared;
    return lock;
  }
  if (error.kind != LockFailure::kNoLockFile) return nullptr;
  folderLock_ = DryRunLock::kNoLockFile;
  return std::make_unique<NoFolderLock>();
}

std::vector<FileChange> DryRunFileSystem::Changes() const {
  std::vector<FileChange> changes;
  for (const Node& node : nodes_) {
    const bool folderBefore = !node.fileBefore &&
                              real_.Exists(node.path, ListAttribute::kDirectory) &&
                              real_.Size(node.path) < 0;
    FileChange change;
    change.path = node.path;
    std::string before;
    if (node.fileBefore) {
      FileError error;
      before = real_.ReadAll(node.path, error).value_or("");
      change.bytesBefore = static_cast<std::int64_t>(before.size());
      change.linesBefore = CountLines(before);
    }
    if (node.state == State::kFile) {
      change.bytesAfter = static_cast<std::int64_t>(node.content->size());
      change.linesAfter = CountLines(*node.content);
    }
    switch (node.state) {
      case State::kFolder:
        if (folderBefore) continue;
        change.kind = ChangeKind::kFolderCreated;
        break;
      case State::kAbsent:
        if (!node.fileBefore) continue;  // made and removed again, or never there
        change.kind = ChangeKind::kDeleted;
        break;
      case State::kFile:
        if (!node.fileBefore) {
          change.kind = ChangeKind::kCreated;
        } else if (node.replaced) {
          change.kind = ChangeKind::kReplaced;
          change.sameContent = *node.content == before;
        } else if (*node.content == before) {
          continue;  // opened for appending and nothing added
        } else {
          change.kind = ChangeKind::kAppended;
        }
        break;
    }
    changes.push_back(std::move(change));
  }
  return changes;
}

}  // namespace gdf
