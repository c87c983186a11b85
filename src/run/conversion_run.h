// conversion_run.h - The conversion run: from the two paths to the completion text.
#pragma once

#include <vector>

#include "common/front_end.h"
#include "messages/message_catalogue.h"
#include "platform/file_system.h"
#include "run/report.h"
#include "text/text.h"

namespace gdf {

/// How long a run waits for another run on the same pattern-data folder unless told otherwise.
inline constexpr int kDefaultLockWaitSeconds = 30;

/// What a run starts from.
struct RunInputs {
  Text sourceText;     ///< the text of `Text1`: the source data file path
  Text targetText;     ///< the text of `Text2`: the target folder path
  Text patternFolder;  ///< `PatternFolder`, ending with "\"
  Text programFolder;  ///< the program's own folder, ending with "\"
  /// How long to wait for another run on the same tables.
  int lockWaitMilliseconds = kDefaultLockWaitSeconds * 1000;
};

/// Runs one conversion: the checks, then the header stage and every section in order. Talks
/// to the user only through `ui`; returns what it did, and every file it changed on `disk`.
RunReport RunConversion(const RunInputs& inputs, FileSystem& disk, FrontEnd& ui);

/// The stages of a run that are neither a section's tag nor a table's name, as a failure names
/// them (and its JSON report keeps them).
inline constexpr char16_t kStageSourceFile[] = u"source file";
inline constexpr char16_t kStageTargetFolder[] = u"target folder";
inline constexpr char16_t kStagePatternFolder[] = u"pattern-data folder";

/// A stage in a language: the stages above in words, a tag or a table name as it is.
Text StageText(const Text& stage, Language language);

/// How the account of a failure is laid out.
enum class FailureLayout {
  kSentences,  ///< where it stopped, why, then the file and the line where they are known
  kFields,     ///< a heading, a blank line, then stage, file, line and reason, each on a line of
               ///< its own and said to be unknown where it is (the window's box)
};

/// Where a run stopped and why: the stage, the reason, the file and the source line. The
/// language is that of the stage's name.
std::vector<CatalogueMessage> ExplainFailure(const RunFailure& failure,
                                             Language language = Language::kEnglish,
                                             FailureLayout layout = FailureLayout::kSentences);
/// Whether an account of what a run left lists the table lines it added, or only counts them.
enum class TableLines { kListed, kCounted };

/// Why a run stopped and where, in one line: the reason, then the file and the source line.
Text FailureReasonWhere(const RunFailure& failure, Language language);
/// What a run that stopped left behind, truthfully: that no file was written, or every file it
/// created or changed (the one it was writing marked as possibly incomplete) and the table lines
/// added.
std::vector<CatalogueMessage> ExplainWhatWasLeft(const RunReport& report,
                                                 TableLines tableLines = TableLines::kListed);

/// What a completed run says besides its completion text: that the source held no section and
/// nothing was converted, and which record files of the target folder it did not write (they
/// are left from before). Empty for a run that did not complete.
std::vector<CatalogueMessage> CompletionWarnings(const RunReport& report);
/// How a run ended, in full: the refusal and its explanation, or where and why it stopped and
/// what it left.
std::vector<CatalogueMessage> ExplainOutcome(const RunReport& report,
                                             Language language = Language::kEnglish);

/// A failure in words over several lines: stage, reason, file and line.
Text DescribeFailure(const RunFailure& failure, Language language = Language::kEnglish);

/// Why a run did not complete, in one line: the refusal's message and its explanation (for a
/// declined folder question, that the folder does not exist), or the stage, line and reason of
/// the failure. For a completed run its warnings, usually none.
Text OutcomeReason(const RunReport& report, Language language = Language::kEnglish);

/// The word for how a run ended, in a batch's lines and on its page.
MessageId OutcomeWord(RunOutcome outcome);

}  // namespace gdf
