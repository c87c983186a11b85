// section_notes.h - What a section's reader tells about the lines it reads: a warning at a line,
// a fault at a line, and the records that stand in the section.
//
// The run hears only the faults, and its reading stops at the first (StopAtFirstFault); the
// checker keeps every note (KeepEveryNote) and lets the reader go on where it can, so that one
// reading of the section says both what the run does and what it passes over.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/errors.h"
#include "common/text_file.h"
#include "messages/message_catalogue.h"
#include "text/text.h"

namespace gdf {

class SectionNotes {
 public:
  virtual ~SectionNotes() = default;
  /// Whether the notes are kept. Only then does a reader check its records beyond what the run
  /// needs, and count what stands in the section past its count.
  virtual bool Checking() const = 0;
  /// Something at source line `line` that the run passes over silently.
  virtual void Warning(int line, CatalogueMessage message) = 0;
  /// A fault that stops the run's reading. `explanation` is what a check says of it, for a
  /// record that stands wholly before the next tag line; without one the failure speaks.
  virtual void Fault(RunFailure failure, std::optional<CatalogueMessage> explanation = {}) = 0;
  /// What stands in the section so far, in the unit of its count.
  virtual void Present(long long count) = 0;
};

/// The run's notes: the first fault ends the reading as a RunError; nothing else is kept.
class StopAtFirstFault final : public SectionNotes {
 public:
  bool Checking() const override { return false; }
  void Warning(int, CatalogueMessage) override {}
  void Fault(RunFailure failure, std::optional<CatalogueMessage>) override {
    throw RunError(std::move(failure));
  }
  void Present(long long) override {}
};

/// One note that a reader told, as the checker keeps it.
struct SectionNote {
  bool fault = false;        ///< a fault that stops the run's reading, else a warning
  int line = 0;              ///< 1-based source line
  CatalogueMessage message;  ///< what a check says
  bool stopsRun = false;     ///< whether the run's reading stops here (the first fault)
};

/// The checker's notes: every warning, and every fault that a check explains; the first fault
/// is where the run stops, and where the reading stood then.
class KeepEveryNote final : public SectionNotes {
 public:
  /// `reader` is the reading's, to tell where it stood at the first fault.
  explicit KeepEveryNote(const TextReader& reader) : reader_(reader) {}

  bool Checking() const override { return true; }
  void Warning(int line, CatalogueMessage message) override {
    notes_.push_back({false, line, std::move(message), false});
  }
  void Fault(RunFailure failure, std::optional<CatalogueMessage> explanation) override {
    const bool first = !failure_;
    if (first) Stop(failure);
    if (!explanation) return;  // the failure speaks for itself
    notes_.push_back({true, failure.sourceLine, std::move(*explanation), first});
    if (first) explained_ = true;
  }
  void Present(long long count) override { present_ = count; }

  /// A fault thrown by the reading, which ends it: the first one counts.
  void Thrown(const RunFailure& failure) {
    if (!failure_) Stop(failure);
  }

  const std::vector<SectionNote>& Notes() const { return notes_; }
  /// The first fault, where the run's reading stops.
  const std::optional<RunFailure>& Failure() const { return failure_; }
  /// Whether a note already says what the first fault says.
  bool Explained() const { return explained_; }
  /// What stands in the section, in the unit of its count.
  long long PresentCount() const { return present_; }
  /// 1-based line that the reading had reached at the first fault.
  std::size_t StoppedAt() const { return stoppedAt_; }

 private:
  void Stop(const RunFailure& failure) {
    failure_ = failure;
    stoppedAt_ = reader_.LastLineNumber();
  }

  const TextReader& reader_;
  std::vector<SectionNote> notes_;
  std::optional<RunFailure> failure_;
  std::size_t stoppedAt_ = 0;
  bool explained_ = false;
  long long present_ = 0;
};

/// A whole number as messages show it.
inline Text NumberText(long long value) { return FromAscii(std::to_string(value)); }

}  // namespace gdf
