// preview_svg.h - The picture of a boring as a self-contained SVG page, and the HTML page that
// shows the pictures of a batch one under another with each file's outcome above its picture.
//
// The picture is a boring log on A4 portrait pages, one under another in one SVG, at a fixed
// scale (1:100 puts 24 m on a page): a deeper boring continues on further pages, and columns that
// do not fit the page's width continue on a page of their own beside the same depths. The title
// block stands on the first page; every page has the depth axis, the column headings and the
// legend. A browser prints it one A4 page to a sheet. Every text is escaped for XML, and the fonts
// are a list of Japanese fonts with a generic family last, so that any browser draws the Japanese.
#pragma once

#include <string>
#include <vector>

#include "messages/message_catalogue.h"
#include "preview/preview.h"
#include "run/report.h"
#include "text/text.h"

namespace gdf {

/// The scale the pictures are drawn at when none is asked for: 1:100.
inline constexpr int kPreviewScale = 100;
/// The deepest depth drawn below the shallowest: entries deeper still stand at the page's foot.
inline constexpr double kPreviewMaxMetres = 2000.0;

/// The SVG document (UTF-8) of a picture, its words in `language`, at the scale 1:`scale`.
std::string PreviewSvg(const PreviewPicture& picture, Language language, int scale = kPreviewScale);

/// One file of a batch on the index page.
struct PreviewIndexEntry {
  Text source;                                ///< the source data file's name
  RunOutcome outcome = RunOutcome::kRefused;  ///< how its run ended
  Text reason;                                ///< why it did not complete (empty when it did)
  std::string picture;                        ///< the picture's file name beside the page (UTF-8)
  std::size_t findings = 0;                   ///< how many findings its picture marks
};

/// The index page (UTF-8 HTML) of a batch's pictures, its words in `language`.
std::string PreviewIndexHtml(const std::vector<PreviewIndexEntry>& entries, bool dryRun,
                             Language language);

/// `text` escaped for XML and HTML text and attribute values, as UTF-8; characters that XML
/// cannot hold (control characters other than tab and line ends) become U+FFFD.
std::string EscapeXml(TextView text);

}  // namespace gdf
