// preview_svg.h - The picture of a boring as a self-contained SVG page, and the HTML page that
// shows the pictures of a batch one under another with each file's outcome above its picture.
//
// The page is A4 wide at least; its depth scale makes 30 m fill an A4-high page, and a deeper
// boring gets a taller page at the same scale. Every text is escaped for XML, and the fonts are a
// list of Japanese fonts with a generic family last, so that any browser draws the Japanese.
#pragma once

#include <string>
#include <vector>

#include "messages/message_catalogue.h"
#include "preview/preview.h"
#include "run/report.h"
#include "text/text.h"

namespace gdf {

/// Pixels per metre of depth: 30 m between the column heads and the foot of an A4-high page.
inline constexpr double kPreviewPixelsPerMetre = 31.0;
/// The deepest depth drawn below the shallowest: entries deeper still stand at the page's foot.
inline constexpr double kPreviewMaxMetres = 2000.0;

/// The SVG document (UTF-8) of a picture, its words in `language`.
std::string PreviewSvg(const PreviewPicture& picture, Language language);

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
