// preview_page.h - What every page of the picture is made of: the measures of an A4 page at 96
// pixels to the inch and where its parts stand, texts measured and laid out in them, labels moved
// apart along the depth axis, and the title block of the first page.
#pragma once

#include <string>
#include <vector>

#include "messages/message_catalogue.h"
#include "preview/preview.h"
#include "text/text.h"

namespace gdf {

namespace preview_page {

// An A4 page at 96 pixels to the inch, and where its parts stand on every page.
inline constexpr double kPageWidth = 210 / 25.4 * 96;   // 210 mm
inline constexpr double kPageHeight = 297 / 25.4 * 96;  // 297 mm: a browser breaks pages here
inline constexpr double kMargin = 30;
inline constexpr double kFormTop = 30;  // the title block, first page only
inline constexpr double kFormRow = 15;
inline constexpr double kHeadTop = 136;    // the column headings
inline constexpr double kPlotTop = 178;    // the depth of the page's first metre
inline constexpr double kPlotFoot = 1089;  // the page's last metre at most
inline constexpr double kFootLine = 1108;  // the file, the page number and the legend
inline constexpr double kAxisX = 66;       // the axis line; its labels end left of it
inline constexpr double kMarksX = 70;      // the strip of findings
inline constexpr double kColumnsX = 84;    // the first column
inline constexpr double kColumnsEnd = kPageWidth - kMargin;
inline constexpr double kGap = 2;
inline constexpr double kFont = 8;       // entries
inline constexpr double kHeadFont = 9;   // headings and values of the title block
inline constexpr double kSmallFont = 7;  // file names under the headings, labels of the form
inline constexpr double kLine = 1.25;    // line height, in ems
inline constexpr double kAscent = 0.88;  // of the Japanese fonts, in ems

}  // namespace preview_page

/// The width the picture lays a text out in at `fontSize` pixels: full-width characters are an
/// em, the others less, never less than the fonts draw them.
double PreviewTextWidth(TextView text, double fontSize);

namespace preview_page {

/// A number as the SVG writes it: at most two decimals, no trailing zeros.
std::string Number(double value);
/// A number with six decimals, for the scale a reader finds depths with.
std::string Precise(double value);
/// `text` cut to `width`, with "…" where it was cut.
Text Fit(TextView text, double width, double fontSize);
/// Appends the lines of `text` no wider than `width`: broken at a blank where the line would run
/// over, else at any character but one that may not begin a line ("。", "）"…).
void WrapInto(TextView text, double width, double fontSize, std::vector<Text>& lines);
/// The parts of `text` between the separators, each trimmed, the empty ones left out.
std::vector<Text> Parts(TextView text, TextView separator);

/// A block of lines to be set beside a column's entry, and where along the depth axis it goes.
struct Label {
  const PreviewItem* item = nullptr;
  std::vector<Text> lines;
  std::vector<std::string> classes;  ///< of each line; empty: none
  double anchor = 0;                 ///< the y it stands for
  double top = 0;                    ///< where its first line's box begins
  double Height() const { return static_cast<double>(lines.size()) * kFont * kLine; }
};

/// Moves labels apart along the depth axis, each as near its anchor as the others let it, all
/// between `low` and `high` where they fit there; sorts them by their anchors.
void Spread(std::vector<Label>& labels, double low, double high);

/// Appends a text element, its baseline at `y`.
void SvgText(std::string& out, double x, double y, double size, const std::string& cls,
             TextView text, const char* anchor = nullptr);
/// Appends a rectangle.
void SvgRect(std::string& out, double x, double y, double w, double h, const std::string& cls,
             const std::string& extra = {});

/// What a record file's column holds, as its heading says it (kPlainText for a file it does not
/// know).
MessageId HeadingOf(TextView file);
/// The boring's name and the survey's, for the head of the pages after the first.
Text RunningHead(const PreviewPicture& picture);
/// Appends the title block of the first page, `offset` pixels down: the header as a form, a label
/// and its value in each cell, then how the run ends and the findings that have no depth.
void TitleBlock(std::string& out, const PreviewPicture& picture, Language language, double offset);

}  // namespace preview_page
}  // namespace gdf
