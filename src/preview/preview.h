// preview.h - A picture of the boring as the drawing system will be handed it: the record files
// that a run wrote, read back line by line into columns by depth, with what looks wrong marked
// at its depth.
//
// The picture is taken from the bytes of the record files themselves, so that it shows exactly
// what a run writes: after a real run from the disk, after a dry run from the overlay that kept
// the run's files in memory. Names that the run adds to the tables are marked as new.
#pragma once

#include <string>
#include <vector>

#include "common/front_end.h"
#include "platform/file_system.h"
#include "run/conversion_run.h"
#include "run/dry_run.h"
#include "run/report.h"
#include "text/text.h"

namespace gdf {

/// How a column draws its entries.
enum class PreviewColumnKind {
  kLayers,   ///< X1.TXT: bands from layer to layer
  kRanges,   ///< X3.TXT, R30.TXT to R35.TXT: texts, range entries as brackets
  kBars,     ///< X5.TXT: the scaled totals as bars
  kMarkers,  ///< N9.TXT, N8.TXT: a marker with its date
  kSeries,   ///< R41.TXT: two series as line charts
  kTexts,    ///< G71.TXT, G73.TXT, G81.TXT, R72.TXT: values as texts
  kNotes,    ///< X12.TXT: notes wrapped to the column
};

/// Where a layer's name code comes from.
enum class NameKind {
  kTable,  ///< a name of the main table (codes other than 2000 to 3999)
  kAdded,  ///< a name that an earlier run added (codes 2000 to 3999)
  kNew,    ///< a name that this run adds to the tables
};

/// One entry of a column, at its depth.
struct PreviewItem {
  double depth = 0;  ///< metres, as the depth field reads
  Text depthText;    ///< the depth field as written, without its filling blanks
  double top = 0;    ///< a band's or a range's upper end (the entry before it, or 0)
  Text text;         ///< what is shown: layer name, value, date, note
  Text code;         ///< X1: the name code as written
  NameKind nameKind = NameKind::kTable;  ///< X1: where the code comes from
  bool range = false;                    ///< a range entry ("A～B"), drawn as a bracket from `top`
  double value = 0;                      ///< X5: the scaled total; R41: the reading
  int series = 0;  ///< R41: 0 the first series, 1 and 2 the second series' two readings
  int line = 0;    ///< line of the record file, from 1
};

/// One record file that holds depth-keyed lines.
struct PreviewColumn {
  Text file;        ///< the record file's name, "X1.TXT"
  std::string tag;  ///< the section it comes from, "$A"
  PreviewColumnKind kind = PreviewColumnKind::kTexts;
  std::vector<PreviewItem> items;  ///< in file order
};

/// Something that looks wrong, at a depth or for the whole file.
struct PreviewFinding {
  bool hasDepth = false;  ///< whether it is drawn at `depth`
  double depth = 0;       ///< metres
  bool error = false;     ///< an error (the run stops or misreads) rather than a warning
  int sourceLine = 0;     ///< the line of the source data file it was found at; 0: none
  std::vector<CatalogueMessage> message;  ///< the finding, sentence after sentence (a tooltip)
};

/// Everything the picture shows.
struct PreviewPicture {
  Text source;                           ///< the source data file's name
  RunReport report;                      ///< the run drawn: the header says how it ended
  std::vector<Text> titles1;             ///< the lines of Titl01.txt (empty: not written)
  std::vector<Text> titles2;             ///< the lines of Titl02.txt
  std::vector<PreviewColumn> columns;    ///< in the order the run wrote the files
  std::vector<PreviewFinding> findings;  ///< check's findings and the picture's own
  double deepest = 0;                    ///< the deepest depth of any entry, metres
  double shallowest = 0;                 ///< the shallowest depth of any entry (0 or less)
};

/// The column kind and section tag of a record file name, or false for a file that holds no
/// depth-keyed lines (CNT.TXT, the title files).
bool PreviewColumnOf(TextView fileName, PreviewColumnKind& kind, std::string& tag);

/// Reads one record file's bytes (code page 932) into its column; the depth of every entry is
/// the value of its depth field (0 when it is not a number). `report` tells which names the run
/// added.
PreviewColumn ReadPreviewColumn(TextView fileName, const std::string& bytes,
                                const RunReport& report);

/// Builds the picture of a run that has ended: the files of `report` read through `fs` (the disk
/// after a real run, the overlay after a dry one), and the findings of check on the source.
PreviewPicture BuildPreview(const RunInputs& inputs, const RunReport& report, const FileSystem& fs);

/// A dry run and the picture of what it would write.
struct PreviewRun {
  DryRunResult dryRun;     ///< what the run would do
  PreviewPicture picture;  ///< drawn from the overlay's files before it is dropped
};

/// Runs the conversion on an overlay of `real`, which is never written, and draws it.
PreviewRun RunPreview(const RunInputs& inputs, FileSystem& real, FrontEnd& ui);

/// The target folder a preview is made for when none is given: the source's stem beside its
/// drive's root, which the dry run makes up without creating it.
Text PreviewTargetFor(const Text& source, const FileSystem& fs);

/// The run's outcome in one line: the completion text, the refusal, or the failure.
Text PreviewOutcomeText(const RunReport& report, Language language);

/// A finding in words, with the source line it was found at.
Text PreviewFindingText(const PreviewFinding& finding, Language language);

}  // namespace gdf
