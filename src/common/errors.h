// errors.h - The failure that stops a conversion run.
//
// Routines deep in the conversion throw RunError; the run catches it at its own boundary and
// turns it into a RunFailure value that the front ends format. A failure names what happened,
// where (the stage, the file and, where known, the source line) and why.
#pragma once

#include <stdexcept>
#include <string>

#include "messages/message_catalogue.h"
#include "text/text.h"

namespace gdf {

/// What kind of fault stopped the run.
enum class FailureKind {
  kReadPastEnd,      ///< a line or field read beyond the end of a file
  kIntoNextSection,  ///< a section's count would take in the tag line of another section
  kInvalidEncoding,  ///< bytes that are not code page 932
  kOverflow,         ///< a count or counter beyond the 16-bit range, or a number beyond Single
  kCannotOpen,       ///< a file that must be read is missing or cannot be opened
  kCannotWrite,      ///< a file or folder that cannot be created or written
  kBadValue,         ///< a value that the conversion cannot use (a date without "/", ...)
  kTableFull,        ///< a lookup table whose code space is used up
  kLocked,           ///< the pattern-data folder is in use by another run
  kSubscript,        ///< more pieces than the caller's array holds
};

/// A failure of a run after its checks: what, where and why.
struct RunFailure {
  FailureKind kind = FailureKind::kCannotOpen;  ///< what happened
  Text stage;               ///< the stage of the run: "$A", "$S", "header", "L4.TXT", ...
  Text file;                ///< the file concerned (a Windows path), empty when none
  int sourceLine = 0;       ///< 1-based line of the source data file, 0 when not known
  CatalogueMessage reason;  ///< one sentence saying why

  /// The reason in a language.
  Text Reason(Language language) const { return Render(reason, language); }
};

/// The exception that carries a RunFailure up to the run's boundary.
class RunError : public std::runtime_error {
 public:
  explicit RunError(RunFailure failure)
      : std::runtime_error(ToUtf8(failure.Reason(Language::kEnglish))),
        failure_(std::move(failure)) {}
  RunError(FailureKind kind, CatalogueMessage reason, Text file = {}, int sourceLine = 0)
      : RunError(RunFailure{kind, {}, std::move(file), sourceLine, std::move(reason)}) {}
  /// A reason that has no message of its own in the catalogue.
  RunError(FailureKind kind, Text reason, Text file = {}, int sourceLine = 0)
      : RunError(kind, Say(MessageId::kPlainText, {std::move(reason)}), std::move(file),
                 sourceLine) {}

  const RunFailure& failure() const { return failure_; }
  RunFailure& failure() { return failure_; }

 private:
  RunFailure failure_;
};

/// Throws the overflow error for a value beyond the 16-bit range.
[[noreturn]] void ThrowOverflow(MessageId what);

}  // namespace gdf
