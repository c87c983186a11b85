// dry_run.cpp - The run on an in-memory overlay, and its changes sorted into folders.
#include "run/dry_run.h"

#include <algorithm>

#include "text/letter_case.h"
#include "text/lines.h"

namespace gdf {
namespace {

struct SplitPath {
  Text folder;  // drive form, no trailing "\" except at a root
  Text name;
};

SplitPath Split(const Text& path) {
  const std::size_t separator = path.rfind(u'\\');
  if (separator == Text::npos) return {{}, path};
  Text folder = path.substr(0, separator);
  if (folder.size() == 2) folder.push_back(u'\\');  // "D:" is the root "D:\"
  return {folder, path.substr(separator + 1)};
}

Text FolderKey(const Text& path) {
  Text key = path;
  while (key.size() > 3 && key.back() == u'\\') key.pop_back();
  return ToUpperSimple(key);
}

PlannedAction ActionOf(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::kCreated:
      return PlannedAction::kCreated;
    case ChangeKind::kReplaced:
      return PlannedAction::kReplaced;
    case ChangeKind::kAppended:
      return PlannedAction::kGrows;
    case ChangeKind::kDeleted:
      return PlannedAction::kDeleted;
    case ChangeKind::kFolderCreated:
      break;
  }
  return PlannedAction::kLeftAlone;
}

}  // namespace

std::vector<PlannedFolder> PlanFolders(const RunInputs& inputs, const RunReport& report,
                                       const std::vector<FileChange>& changes,
                                       const FileSystem& before) {
  std::vector<PlannedFolder> folders;
  const auto folderFor = [&](const Text& path, FolderRole role) -> PlannedFolder& {
    const Text key = FolderKey(path);
    for (PlannedFolder& folder : folders) {
      if (FolderKey(folder.path) == key) return folder;
    }
    folders.push_back({path, role, false, {}});
    return folders.back();
  };
  // The target and the pattern-data folder are listed whole, changed or not.
  for (const auto& [text, role] : {std::pair{inputs.targetText, FolderRole::kTarget},
                                   std::pair{inputs.patternFolder, FolderRole::kPatternData}}) {
    const auto absolute = before.Absolute(Trim(text));
    if (!absolute) continue;
    PlannedFolder& folder = folderFor(*absolute, role);
    for (const FolderEntry& entry : before.List(*absolute)) {
      if (entry.isFolder) continue;
      PlannedFile file;
      file.name = entry.name;
      const Text path = (absolute->back() == u'\\' ? *absolute : *absolute + u"\\") + entry.name;
      const std::int64_t size = before.Size(path);
      file.bytes = size < 0 ? 0 : size;
      FileError error;
      file.lines = CountLines(before.ReadAll(path, error).value_or(""));
      file.linesBefore = file.lines;
      folder.files.push_back(std::move(file));
    }
  }
  if (const auto program = before.Absolute(Trim(inputs.programFolder))) {
    folderFor(*program, FolderRole::kProgram);
  }

  for (const FileChange& change : changes) {
    if (change.kind == ChangeKind::kFolderCreated) {
      folderFor(change.path, FolderRole::kOther).created = true;
      continue;
    }
    const SplitPath split = Split(change.path);
    PlannedFolder& folder = folderFor(split.folder, FolderRole::kOther);
    auto file = std::find_if(folder.files.begin(), folder.files.end(), [&](const PlannedFile& f) {
      return EqualFoldingCase(f.name, split.name);
    });
    if (file == folder.files.end()) {
      folder.files.push_back({split.name, PlannedAction::kLeftAlone, 0, 0, 0, false, {}});
      file = folder.files.end() - 1;
    }
    file->action = ActionOf(change.kind);
    file->lines = change.linesAfter;
    file->bytes = change.bytesAfter < 0 ? 0 : change.bytesAfter;
    file->linesBefore = change.linesBefore;
    file->sameContent = change.sameContent;
    if (folder.role == FolderRole::kPatternData) {
      for (const AddedTableLine& line : report.added) {
        if (EqualFoldingCase(line.table, file->name)) file->added.push_back(line);
      }
    }
  }

  // Folders that the run leaves alone entirely are dropped, but for the target and the
  // pattern-data folder; files are shown in name order.
  std::erase_if(folders, [](const PlannedFolder& folder) {
    return folder.role == FolderRole::kProgram && folder.files.empty() && !folder.created;
  });
  for (PlannedFolder& folder : folders) {
    std::sort(folder.files.begin(), folder.files.end(),
              [](const PlannedFile& a, const PlannedFile& b) {
                return ToUpperSimple(a.name) < ToUpperSimple(b.name);
              });
  }
  return folders;
}

DryRunResult RunDryConversion(const RunInputs& inputs, FileSystem& real, FrontEnd& ui) {
  DryRunFileSystem overlay(real);
  YesFrontEnd answering(ui);
  DryRunResult result;
  result.report = RunConversion(inputs, overlay, answering);
  result.folderQuestionAsked = answering.Asked();
  result.folderLock = overlay.FolderLockTaken();
  result.changes = overlay.Changes();
  if (result.folderLock == DryRunLock::kNoLockFile) {
    // The real run makes the lock file that the dry run went without.
    Text lockFile = inputs.patternFolder;
    if (!lockFile.empty() && lockFile.back() != u'\\') lockFile += u'\\';
    result.changes.insert(result.changes.begin(),
                          FileChange{lockFile + kLockFileName, ChangeKind::kCreated, -1, 0, 0, 0});
  }
  result.folders = PlanFolders(inputs, result.report, result.changes, real);
  return result;
}

}  // namespace gdf
