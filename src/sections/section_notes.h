// section_notes.h - What a section's reader tells about the lines it reads: a warning at a line,
// a fault at a line, and the records that stand in the section.
//
// The run hears only the faults, and its reading stops at the first (StopAtFirstFault); the
// checker keeps every note and lets the reader go on where it can, so that one reading of the
// section says both what the run does and what it passes over.
#pragma once

#include <string>
#include <utility>

#include "common/errors.h"
#include "common/text.h"

namespace gdf {

class SectionNotes {
 public:
  virtual ~SectionNotes() = default;
  /// Whether the notes are kept. Only then does a reader check its records beyond what the run
  /// needs, and count what stands in the section past its count.
  virtual bool Checking() const = 0;
  /// Something at source line `line` that the run passes over silently.
  virtual void Warning(int line, Text message) = 0;
  /// A value at source line `line` that the reading takes but that stops the run when it writes.
  virtual void WriteFault(int line, Text message) = 0;
  /// A fault that stops the run's reading. `explanation` is what a check says of it, for a
  /// record that stands wholly before the next tag line; without one the failure speaks.
  virtual void Fault(RunFailure failure, Text explanation = {}) = 0;
  /// What stands in the section so far, in the unit of its count.
  virtual void Present(long long count) = 0;
};

/// The run's notes: the first fault ends the reading as a RunError; nothing else is kept.
class StopAtFirstFault final : public SectionNotes {
 public:
  bool Checking() const override { return false; }
  void Warning(int, Text) override {}
  void WriteFault(int, Text) override {}
  void Fault(RunFailure failure, Text) override { throw RunError(std::move(failure)); }
  void Present(long long) override {}
};

/// A value as messages show it: between square brackets.
inline Text Bracketed(TextView text) { return u"[" + Text(text) + u"]"; }

/// A whole number as messages show it.
inline Text NumberText(long long value) { return FromAscii(std::to_string(value)); }

}  // namespace gdf
