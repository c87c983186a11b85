// pattern_folder_guard.cpp - The lock of the pattern-data folder, its holder's line, the log of
// added lines, and the flush before the lock is given back.
#include "run/pattern_folder_guard.h"

#include <map>

#include "common/errors.h"
#include "common/print_file.h"
#include "messages/system_texts.h"
#include "platform/host.h"
#include "tables/addition_log.h"
#include "text/letter_case.h"

namespace gdf {
namespace {

int Seconds(int milliseconds) { return (milliseconds + 999) / 1000; }

}  // namespace

CatalogueMessage WaitingNotice(const std::optional<LockHolder>& holder, int seconds) {
  if (!holder) return Say(MessageId::kWaitingForOtherProgram, {Count(seconds)});
  return Say(MessageId::kWaitingForHolder,
             {holder->computer, holder->user, holder->StartedClock(), Count(seconds)});
}

PatternFolderGuard::PatternFolderGuard(const RunInputs& inputs, FileSystem& fs,
                                       std::unique_ptr<FolderLock> lock, LockHolder holder)
    : inputs_(inputs), fs_(fs), lock_(std::move(lock)), holder_(std::move(holder)) {}

PatternFolderGuard::~PatternFolderGuard() = default;

std::unique_ptr<PatternFolderGuard> PatternFolderGuard::Take(
    const RunInputs& inputs, FileSystem& fs, FrontEnd& ui, std::vector<CatalogueMessage>& refusal) {
  const Text& folder = inputs.patternFolder;
  LockError error;
  auto lock = fs.LockFolder(folder, LockMode::kExclusive, 0, error);
  std::optional<LockHolder> holder;
  if (!lock && error.kind == LockFailure::kBusy) {
    holder = ParseHolderLine(error.holderLine);
    if (inputs.lockWaitMilliseconds > 0) {
      ui.Notify(WaitingNotice(holder, Seconds(inputs.lockWaitMilliseconds)));
      error = {};
      lock = fs.LockFolder(folder, LockMode::kExclusive, inputs.lockWaitMilliseconds, error);
      // The holder may have changed while this run waited: the last one is named.
      if (!lock && error.kind == LockFailure::kBusy) {
        if (auto last = ParseHolderLine(error.holderLine)) holder = std::move(last);
      }
      if (lock) ui.SetStatusText(messages::kConverting);
    }
  }
  if (!lock) {
    switch (error.kind) {
      case LockFailure::kBusy:
        throw RunError(
            RunFailure{FailureKind::kLocked, kStagePatternFolder, folder, 0,
                       holder ? Say(MessageId::kPatternFolderBusyHolder,
                                    {Count(Seconds(inputs.lockWaitMilliseconds)), holder->computer,
                                     holder->user, holder->StartedClock()})
                              : Say(MessageId::kPatternFolderBusy,
                                    {Count(Seconds(inputs.lockWaitMilliseconds))})});
      case LockFailure::kCannotLock:
        refusal = {Say(MessageId::kPatternFolderCannotLock, {folder, ReasonOf(error.reason)}),
                   Say(MessageId::kPatternFolderLockAdvice)};
        return nullptr;
      case LockFailure::kCannotOpen:
      case LockFailure::kNoLockFile:
        refusal = {Say(MessageId::kPatternFolderNoLockFile,
                       {folder, kLockFileName, ReasonOf(error.reason)}),
                   Say(MessageId::kPatternFolderWriteAdvice)};
        return nullptr;
    }
  }
  LockHolder self = ThisHolder();
  // The line only names the holder to those who wait; the lock itself is what keeps them out,
  // so a run whose line cannot be written goes on unnamed.
  FileError unnamed;
  lock->WriteHolder(HolderLine(self), unnamed);
  return std::unique_ptr<PatternFolderGuard>(
      new PatternFolderGuard(inputs, fs, std::move(lock), std::move(self)));
}

void PatternFolderGuard::Settle(const RunReport& report) {
  // The files changed, each once whatever the case of its name.
  std::map<Text, Text> changed;
  for (const AddedTableLine& line : report.added)
    changed.emplace(ToUpperSimple(line.table), line.table);
  if (logged_ < report.added.size()) {
    const std::vector<AddedTableLine> fresh(
        report.added.begin() + static_cast<std::ptrdiff_t>(logged_), report.added.end());
    logged_ = report.added.size();
    const Text log = inputs_.patternFolder + kAdditionLogName;
    AppendBytes(
        fs_, log,
        AdditionLogLines(holder_, FromAscii(LocalDateTimeNow()), inputs_.sourceText, fresh));
    changed.emplace(kAdditionLogName, kAdditionLogName);
  }
  // On the disk, or on the file server, before another run may read them.
  for (const auto& [key, name] : changed) {
    const Text path = inputs_.patternFolder + name;
    FileError error;
    auto file = fs_.Open(path, OpenMode::kAppend, error);
    if (!file || !file->Sync(error) || !file->Close(error)) {
      throw RunError(FailureKind::kCannotWrite, Say(MessageId::kCannotWriteFile, {ReasonOf(error)}),
                     path);
    }
  }
}

void PatternFolderGuard::SettleAfterFailure(const RunReport& report) {
  try {
    Settle(report);
  } catch (const RunError&) {
    // The run has already stopped for its own reason, which it reports; the tables hold what
    // its report lists whether or not the log does.
  }
}

}  // namespace gdf
