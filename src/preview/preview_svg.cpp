// preview_svg.cpp - Draws a picture as a boring log on A4 pages of SVG: the title block on the
// first page, on every page the depth axis and one column per record file under a heading that
// says what it holds, the labels moved apart where they would overlap, the findings as red marks,
// and the legend.
#include "preview/preview_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>

#include "common/numbers.h"
#include "common/routines.h"
#include "preview/preview_page.h"
#include "tables/soil_names.h"

namespace gdf {
namespace {

using namespace preview_page;  // NOLINT(google-build-using-namespace): the page's own measures

constexpr const char* kStyle =
    "@page{size:210mm 297mm;margin:0}"
    "text{font-family:'Noto Sans CJK JP','Noto Sans JP','Source Han Sans JP','Hiragino Kaku Gothic "
    "ProN','Hiragino Sans','Yu Gothic','Meiryo','MS Gothic','IPAexGothic','IPAGothic',"
    "'TakaoGothic',sans-serif;fill:#222}"
    ".head{font-weight:bold}.file{fill:#666}.label{fill:#555}.fail{fill:#c62828}"
    ".code{fill:#555}.newtag{fill:#c62828;font-weight:bold}.sheet{fill:#fff;stroke:#ddd}"
    ".cell{fill:none;stroke:#888}.cell-label{fill:#f0f0f0;stroke:#888}"
    ".frame{fill:#fcfcfc;stroke:#bbb}.grid{stroke:#e3e3e3}.tick{stroke:#555;fill:none}"
    ".leader{stroke:#888;stroke-width:.6;fill:none}"
    ".mark{stroke:#c62828;stroke-width:1.5}.mark-line{stroke:#c62828;stroke-opacity:.25}"
    ".bracket{fill:none;stroke:#1565c0;stroke-width:1.2}.bar{fill:#7e57c2}"
    ".s0{fill:none;stroke:#2e7d32;stroke-width:1.5}.s1{fill:none;stroke:#ef6c00;"
    "stroke-width:1.5}.s2{fill:none;stroke:#ef6c00;stroke-width:1;stroke-dasharray:3 2}";

// The fills of the layer bands: a name the run adds, one the tables gained from an earlier run,
// and a name of the tables by the range of its code, which the name search owns.
constexpr char kFillNewName[] = "#f8c9c9";
constexpr char kFillAddedName[] = "#cde9c3";
constexpr char kFillRangeA[] = "#dcc9a6";   // fill and surface soils
constexpr char kFillRangeB[] = "#f1e6a8";   // soils
constexpr char kFillRangeC[] = "#c9d5e3";   // rocks
constexpr char kFillNoRange[] = "#e2e2e2";  // a code that no search finds

const char* LayerFill(const PreviewItem& item) {
  switch (item.nameKind) {
    case NameKind::kNew:
      return kFillNewName;
    case NameKind::kAdded:
      return kFillAddedName;
    case NameKind::kTable:
      break;
  }
  float code = 0;
  try {
    code = IsNumeric(Trim(item.code)) ? NumericOrZero(Trim(item.code)) : 0;
  } catch (const std::exception&) {
    code = 0;
  }
  const std::optional<CodeRange> range = RangeOfCode(code);
  if (!range) return kFillNoRange;
  switch (*range) {
    case CodeRange::kA:
      return kFillRangeA;
    case CodeRange::kB:
      return kFillRangeB;
    case CodeRange::kC:
      return kFillRangeC;
  }
  return kFillNoRange;
}

class SvgWriter {
 public:
  SvgWriter(const PreviewPicture& picture, Language language, int scale)
      : picture_(picture), language_(language), scale_(std::max(1, scale)) {
    // 1:scale: a metre of depth is 1000/scale millimetres of paper.
    perMetre_ = 1000.0 / scale_ * 96 / 25.4;
    perPage_ = std::max(1.0, std::floor((kPlotFoot - kPlotTop) / perMetre_));
    top_ = std::floor(std::min(0.0, picture.shallowest));
    double deepest = std::max(top_ + 1, std::ceil(picture.deepest - 1e-9));
    if (deepest - top_ > kPreviewMaxMetres) {
      deepest = top_ + kPreviewMaxMetres;
      cut_ = true;
    }
    foot_ = deepest;
    depthPages_ = std::max(1, static_cast<int>(std::ceil((foot_ - top_) / perPage_ - 1e-9)));
    // The columns in the order the run wrote them, as many to a sheet as its width holds.
    sheets_.emplace_back();
    double x = kColumnsX;
    for (std::size_t i = 0; i < picture.columns.size(); ++i) {
      const double w = ColumnWidth(picture.columns[i]);
      if (x + w > kColumnsEnd && !sheets_.back().empty()) {
        sheets_.emplace_back();
        x = kColumnsX;
      }
      sheets_.back().push_back({i, x, w});
      x += w + kGap;
    }
    pages_ = depthPages_ * static_cast<int>(sheets_.size());
    out_.reserve(64 * 1024);
  }

  std::string Draw() {
    const double height = kPageHeight * pages_;
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(kPageWidth) +
            "\" height=\"" + Number(height) + "\" viewBox=\"0 0 " + Number(kPageWidth) + " " +
            Number(height) + "\" data-pages=\"" + std::to_string(pages_) + "\">\n";
    out_ += "<title>" + EscapeXml(picture_.source) + "</title>\n";
    out_ += "<style>";
    out_ += kStyle;
    out_ += "</style>\n";
    for (int page = 0; page < pages_; ++page) Page(page);
    out_ += "</svg>\n";
    return std::move(out_);
  }

 private:
  struct Placed {
    std::size_t column;
    double x;
    double w;
  };

  // The page's y of a depth on the page that begins at `first` metres, `offset` pixels down.
  double Y(double depth) const {
    return offset_ + kPlotTop + (std::clamp(depth, first_, last_) - first_) * perMetre_;
  }
  bool OnPage(double depth) const {
    const double clamped = std::clamp(depth, top_, foot_);
    const bool lastPage = last_ >= foot_ - 1e-9;
    return clamped >= first_ - 1e-9 && (clamped < last_ - 1e-9 || (lastPage && clamped <= last_));
  }

  Text Said(MessageId id, std::initializer_list<MessageArg> args = {}) const {
    return Render(Say(id, args), language_);
  }

  void Text_(double x, double y, double size, const std::string& cls, TextView text,
             const char* anchor = nullptr) {
    SvgText(out_, x, y, size, cls, text, anchor);
  }
  void Rect(double x, double y, double w, double h, const std::string& cls,
            const std::string& extra = {}) {
    SvgRect(out_, x, y, w, h, cls, extra);
  }

  // How wide a column is drawn: what its entries need, and room for its heading in two lines.
  double ColumnWidth(const PreviewColumn& column) const {
    double w = 0;
    double widest = 0;
    for (const PreviewItem& item : column.items) {
      for (const Text& part : Parts(item.text, u" | ")) {
        widest = std::max(widest, PreviewTextWidth(part, kFont));
      }
    }
    switch (column.kind) {
      case PreviewColumnKind::kLayers:
        w = 112;
        break;
      case PreviewColumnKind::kRanges:
        w = std::clamp(widest + 14, 26.0, 70.0);
        break;
      case PreviewColumnKind::kBars:
        w = 70;
        break;
      case PreviewColumnKind::kMarkers:
        w = std::clamp(widest + 18, 50.0, 90.0);
        break;
      case PreviewColumnKind::kSeries:
        w = 62;
        break;
      case PreviewColumnKind::kTexts:
        w = std::clamp(widest + 12, 40.0, 96.0);
        break;
      case PreviewColumnKind::kNotes:
        w = 132;
        break;
    }
    w = std::max(w, PreviewTextWidth(column.file, kSmallFont) + 4);
    const Text heading = Said(HeadingOf(column.file));
    for (;; w += 2) {
      std::vector<Text> lines;
      WrapInto(heading, w - 4, kHeadFont, lines);
      if (lines.size() <= 2) return w;
    }
  }

  void Page(int page) {
    const int depthPage = page / static_cast<int>(sheets_.size());
    const std::vector<Placed>& sheet = sheets_[page % sheets_.size()];
    offset_ = page * kPageHeight;
    first_ = top_ + depthPage * perPage_;
    last_ = first_ + perPage_;
    out_ += "<g class=\"page\" data-page=\"" + std::to_string(page + 1) + "\" data-top=\"" +
            Number(first_) + "\" data-foot=\"" + Number(last_) + "\" data-y0=\"" +
            Number(offset_ + kPlotTop) + "\" data-per-metre=\"" + Precise(perMetre_) + "\">\n";
    Rect(0, offset_, kPageWidth, kPageHeight, "sheet");
    if (page == 0) {
      TitleBlock(out_, picture_, language_, offset_);
    } else {
      Text_(kMargin, offset_ + kFormTop + kHeadFont, kHeadFont, "head",
            Fit(RunningHead(picture_), kColumnsEnd - kMargin, kHeadFont));
    }
    Axis();
    for (const Placed& placed : sheet) Column(placed);
    Findings();
    Foot(page);
    out_ += "</g>\n";
  }

  // The file and the page number at the left of the page's foot, the legend of the bands at
  // its right.
  void Foot(int page) {
    const double y = offset_ + kFootLine;
    const std::pair<const char*, MessageId> legend[] = {
        {kFillNewName, MessageId::kPreviewNewName},
        {kFillAddedName, MessageId::kPreviewAddedName},
        {kFillRangeB, MessageId::kPreviewTableName}};
    double x = kColumnsEnd;
    for (auto it = std::rbegin(legend); it != std::rend(legend); ++it) {
      const Text word = Said(it->second);
      x -= PreviewTextWidth(word, kSmallFont);
      Text_(x, y, kSmallFont, "label", word);
      x -= 14;
      Rect(x, y - 7, 10, 8, "", std::string(" fill=\"") + it->first + "\" stroke=\"#999\"");
      x -= 8;
    }
    const Text where = picture_.source + u"   " +
                       Said(MessageId::kPreviewPage, {Count(page + 1), Count(pages_)}) + u"   1:" +
                       Count(scale_);
    Text_(kMargin, y, kSmallFont, "label", Fit(where, x - kMargin - 8, kSmallFont));
    if (cut_ && last_ >= foot_ - 1e-9) {
      Text_(kMargin, offset_ + kPlotFoot + 8, kSmallFont, "fail",
            Fit(Said(MessageId::kPreviewCut, {FromAscii(Number(foot_))}), kColumnsEnd - kMargin,
                kSmallFont));
    }
  }

  void Axis() {
    const double bottom = Y(last_);
    out_ += "<g class=\"axis\">\n";
    Text_(kAxisX, offset_ + kHeadTop + kHeadFont, kHeadFont, "head",
          Said(MessageId::kPreviewHeadDepth), "end");
    Text_(kAxisX, offset_ + kHeadTop + kHeadFont * 2 + 3, kSmallFont, "file", u"m", "end");
    out_ += "<line class=\"tick\" x1=\"" + Number(kAxisX) + "\" y1=\"" + Number(Y(first_)) +
            "\" x2=\"" + Number(kAxisX) + "\" y2=\"" + Number(bottom) + "\"/>\n";
    // Every metre is labelled where a metre is long enough for its label, else every fifth.
    const int every = perMetre_ >= kFont * kLine + 2 ? 1 : 5;
    std::string ticks;
    for (double metre = first_; metre <= last_ + 1e-9; metre += 1) {
      const bool labelled = std::fmod(std::fabs(metre), static_cast<double>(every)) < 1e-9;
      const bool fifth = std::fmod(std::fabs(metre), 5.0) < 1e-9;
      const std::string y = Number(Y(metre));
      ticks += "M" + Number(kAxisX - (fifth ? 8 : 4)) + " " + y + "H" + Number(kAxisX);
      // A label's box stands on its metre's line; the last one stays above the page's foot.
      if (labelled && metre < last_ - 1e-9) {
        Text_(kAxisX - 10, Y(metre) + kFont * 0.35, kFont, "depth-label", FromAscii(Number(metre)),
              "end");
      }
      if (fifth) {
        out_ += "<line class=\"grid\" x1=\"" + Number(kMarksX) + "\" y1=\"" + y + "\" x2=\"" +
                Number(kColumnsEnd) + "\" y2=\"" + y + "\"/>\n";
      }
    }
    if (std::fmod(std::fabs(last_), static_cast<double>(every)) < 1e-9) {
      Text_(kAxisX - 10, Y(last_) - 1, kFont, "depth-label", FromAscii(Number(last_)), "end");
    }
    out_ += "<path class=\"tick\" d=\"" + ticks + "\"/>\n</g>\n";
  }

  void Column(const Placed& placed) {
    const PreviewColumn& column = picture_.columns[placed.column];
    const double x = placed.x;
    const double w = placed.w;
    const std::string id = "p" + std::to_string(std::lround(offset_ / kPageHeight)) + "c" +
                           std::to_string(placed.column);
    const double top = Y(first_);
    const double bottom = Y(last_);
    out_ += "<g class=\"column\" data-file=\"" + EscapeXml(column.file) + "\">\n";
    // The heading says what the column holds; the record file's name stands small below it.
    std::vector<Text> heading;
    WrapInto(Said(HeadingOf(column.file)), w - 4, kHeadFont, heading);
    for (std::size_t i = 0; i < heading.size() && i < 2; ++i) {
      Text_(x + 2, offset_ + kHeadTop + kHeadFont * (1 + kLine * static_cast<double>(i)), kHeadFont,
            "head", heading[i]);
    }
    Text_(x + 2, offset_ + kPlotTop - 4, kSmallFont, "file", column.file);
    Rect(x, top, w, bottom - top, "frame");
    out_ += "<clipPath id=\"" + id + "\"><rect x=\"" + Number(x) + "\" y=\"" + Number(top) +
            "\" width=\"" + Number(w) + "\" height=\"" + Number(bottom - top) +
            "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
    Shapes(column, x, w);
    out_ += "</g>\n";
    Labels(column, x, w);
    out_ += "</g>\n";
  }

  // What a column draws beside its labels: bands, brackets, bars, markers, charts.
  void Shapes(const PreviewColumn& column, double x, double w) {
    switch (column.kind) {
      case PreviewColumnKind::kLayers:
        for (const PreviewItem& item : column.items) {
          const double a = Y(std::min(item.top, item.depth));
          const double b = Y(std::max(item.top, item.depth));
          if (b <= a) continue;
          Rect(x, a, w, b - a, "",
               std::string(" fill=\"") + LayerFill(item) + "\" stroke=\"" +
                   (item.nameKind == NameKind::kNew ? "#c62828\" stroke-dasharray=\"4 2" : "#777") +
                   "\"");
        }
        break;
      case PreviewColumnKind::kRanges:
        for (const PreviewItem& item : column.items) {
          if (!item.range) continue;
          out_ += "<path class=\"bracket\" d=\"M" + Number(x + 7) + " " + Number(Y(item.top)) +
                  "H" + Number(x + 3) + "V" + Number(Y(item.depth)) + "H" + Number(x + 7) +
                  "\"/>\n";
        }
        break;
      case PreviewColumnKind::kBars: {
        double most = 50;
        for (const PreviewItem& item : column.items) most = std::max(most, item.value);
        for (const PreviewItem& item : column.items) {
          if (!OnPage(item.depth)) continue;
          Rect(x + 2, Y(item.depth) - 3, std::max(0.0, item.value) / most * (w - 30), 6, "bar");
        }
        break;
      }
      case PreviewColumnKind::kMarkers:
        for (const PreviewItem& item : column.items) {
          if (!OnPage(item.depth)) continue;
          const double y = Y(item.depth);
          if (column.file == u"N9.TXT") {
            out_ += "<path fill=\"#1e88e5\" d=\"M" + Number(x + 2) + " " + Number(y - 6) + "H" +
                    Number(x + 12) + "L" + Number(x + 7) + " " + Number(y) + "Z\"/>\n";
          } else {
            out_ += "<circle fill=\"#00897b\" cx=\"" + Number(x + 7) + "\" cy=\"" + Number(y) +
                    "\" r=\"3\"/>\n";
          }
        }
        break;
      case PreviewColumnKind::kSeries:
        Series(column, x, w);
        break;
      case PreviewColumnKind::kTexts:
      case PreviewColumnKind::kNotes:
        break;
    }
  }

  void Series(const PreviewColumn& column, double x, double w) {
    const double half = (w - 12) / 2;
    double most[2] = {1, 1};
    for (const PreviewItem& item : column.items) {
      const int chart = item.series == 0 ? 0 : 1;
      most[chart] = std::max(most[chart], item.value);
    }
    for (int chart = 0; chart < 2; ++chart) {
      const double left = x + 4 + chart * (half + 4);
      out_ += "<line class=\"grid\" x1=\"" + Number(left) + "\" y1=\"" + Number(Y(first_)) +
              "\" x2=\"" + Number(left) + "\" y2=\"" + Number(Y(last_)) + "\"/>\n";
    }
    for (int series = 0; series < 3; ++series) {
      const int chart = series == 0 ? 0 : 1;
      const double left = x + 4 + chart * (half + 4);
      std::string points;
      std::string dots;
      for (const PreviewItem& item : column.items) {
        if (item.series != series) continue;
        const double px = left + std::max(0.0, item.value) / most[chart] * (half - 4);
        points += Number(px) + "," + Number(Y(item.depth)) + " ";
        if (!OnPage(item.depth)) continue;
        dots += "<circle cx=\"" + Number(px) + "\" cy=\"" + Number(Y(item.depth)) +
                "\" r=\"2\" fill=\"" + (series == 0 ? "#2e7d32" : "#ef6c00") + "\"><title>" +
                EscapeXml(item.depthText + u" m: " + item.text) + "</title></circle>\n";
      }
      if (points.empty()) continue;
      points.pop_back();
      out_ += "<polyline class=\"s" + std::to_string(series) + "\" points=\"" + points + "\"/>\n";
      out_ += dots;
    }
  }

  // The lines a column's entry is labelled with.
  Label LabelOf(const PreviewColumn& column, const PreviewItem& item, double width) const {
    Label label;
    label.item = &item;
    label.anchor = Y(item.depth);
    switch (column.kind) {
      case PreviewColumnKind::kLayers: {
        // In the band, where it is on the page.
        label.anchor = (Y(std::min(item.top, item.depth)) + Y(std::max(item.top, item.depth))) / 2;
        WrapInto(item.text, width, kFont, label.lines);
        label.lines.push_back(item.code);
        label.classes.assign(label.lines.size(), "");
        label.classes.back() = "code";
        if (item.nameKind == NameKind::kNew) {
          label.lines.push_back(Said(MessageId::kPreviewNewTag));
          label.classes.push_back("newtag");
        }
        return label;
      }
      case PreviewColumnKind::kRanges:
        if (item.range) label.anchor = (Y(item.top) + Y(item.depth)) / 2;
        WrapInto(item.text, width, kFont, label.lines);
        break;
      case PreviewColumnKind::kMarkers:
        // The depth read, and the date it was read on as the record file writes it.
        label.lines.push_back(Fit(item.depthText + u" m", width, kFont));
        label.lines.push_back(Fit(item.text, width, kFont));
        break;
      case PreviewColumnKind::kBars:
        label.lines.push_back(item.text);
        break;
      case PreviewColumnKind::kTexts:
        // The values of a line side by side as far as the column holds them.
        for (const Text& part : Parts(item.text, u" | ")) {
          if (!label.lines.empty() &&
              PreviewTextWidth(label.lines.back() + u"  " + part, kFont) <= width) {
            label.lines.back() += u"  " + part;
          } else {
            WrapInto(part, width, kFont, label.lines);
          }
        }
        break;
      case PreviewColumnKind::kNotes:
        // A note's lines are joined by "\" in the record file: each joint begins a line.
        for (const Text& part : Parts(item.text, u"\\")) WrapInto(part, width, kFont, label.lines);
        break;
      case PreviewColumnKind::kSeries:
        break;
    }
    if (label.lines.empty()) label.lines.push_back({});
    label.classes.assign(label.lines.size(), "");
    return label;
  }

  // Every entry's label on this page, moved apart along the depth axis where they would
  // overlap, with a leader line to its depth when it stands away from it.
  void Labels(const PreviewColumn& column, double x, double w) {
    double indent = 8;
    switch (column.kind) {
      case PreviewColumnKind::kLayers:
        indent = 3;
        break;
      case PreviewColumnKind::kRanges:
        indent = 10;
        break;
      case PreviewColumnKind::kMarkers:
        indent = 15;
        break;
      case PreviewColumnKind::kBars:
        indent = w - 26;
        break;
      default:
        break;
    }
    const double width = w - indent - 2;
    std::vector<Label> labels;
    if (column.kind == PreviewColumnKind::kSeries) {
      // The largest reading of each chart, over its chart at the head of the plot.
      for (int chart = 0; chart < 2; ++chart) {
        double most = 1;
        for (const PreviewItem& item : column.items) {
          if ((item.series == 0) == (chart == 0)) most = std::max(most, item.value);
        }
        Text_(
            x + 3, Y(first_) + kFont * (kAscent + kLine * chart) + 1, kFont, "",
            Fit(Said(chart == 0 ? MessageId::kPreviewFirstSeries : MessageId::kPreviewSecondSeries,
                     {FromAscii(Number(most))}),
                w - 5, kFont));
      }
      return;
    }
    double height = 0;
    for (const PreviewItem& item : column.items) {
      if (!OnPage(item.depth)) continue;
      labels.push_back(LabelOf(column, item, width));
      height += labels.back().Height() + 1;
    }
    // Where the labels would not all fit the page, each keeps only its first line.
    if (height > Y(last_) - Y(first_) - 2) {
      for (Label& label : labels) {
        if (label.lines.size() < 2) continue;
        label.lines.resize(1);
        label.classes.resize(1);
        label.lines[0] = Fit(label.lines[0] + u"…", width, kFont);
      }
    }
    Spread(labels, Y(first_) + 1, Y(last_) - 1);
    for (const Label& label : labels) {
      const double depthY = Y(label.item->depth);
      const double middle = label.top + label.Height() / 2;
      out_ += "<g class=\"entry\" data-line=\"" + std::to_string(label.item->line) +
              "\" data-y=\"" + Number(depthY) + "\">";
      if (column.kind != PreviewColumnKind::kLayers && column.kind != PreviewColumnKind::kBars &&
          column.kind != PreviewColumnKind::kMarkers) {
        out_ += "<path class=\"tick\" d=\"M" + Number(x) + " " + Number(depthY) + "H" +
                Number(x + 3) + "\"/>";
      }
      if (std::fabs(middle - label.anchor) > 1) {
        out_ += "<path class=\"leader\" d=\"M" + Number(x + indent - 5) + " " +
                Number(label.anchor) + "L" + Number(x + indent - 1) + " " + Number(middle) + "\"/>";
      }
      out_ += "<text font-size=\"" + Number(kFont) + "\">";
      for (std::size_t i = 0; i < label.lines.size(); ++i) {
        const double baseline = label.top + kFont * (kLine - 1) / 2 + kFont * kAscent +
                                kFont * kLine * static_cast<double>(i);
        out_ += "<tspan x=\"" + Number(x + indent) + "\" y=\"" + Number(baseline) + "\"";
        if (!label.classes[i].empty()) out_ += " class=\"" + label.classes[i] + "\"";
        out_ += ">" + EscapeXml(label.lines[i]) + "</tspan>";
      }
      out_ += "</text></g>\n";
    }
  }

  void Findings() {
    out_ += "<g class=\"findings\">\n";
    for (const PreviewFinding& finding : picture_.findings) {
      if (!finding.hasDepth || !OnPage(finding.depth)) continue;
      const std::string y = Number(Y(finding.depth));
      out_ += "<g class=\"finding\"><title>" + EscapeXml(PreviewFindingText(finding, language_)) +
              "</title>";
      out_ += "<line class=\"mark-line\" x1=\"" + Number(kMarksX) + "\" y1=\"" + y + "\" x2=\"" +
              Number(kColumnsEnd) + "\" y2=\"" + y + "\"/>";
      out_ += "<circle class=\"mark\" cx=\"" + Number(kMarksX + 6) + "\" cy=\"" + y +
              "\" r=\"4\" fill=\"" + (finding.error ? "#c62828" : "#fff") + "\"/></g>\n";
    }
    out_ += "</g>\n";
  }

  const PreviewPicture& picture_;
  Language language_;
  int scale_ = 100;
  std::string out_;
  double perMetre_ = 0;
  double perPage_ = 24;
  double top_ = 0;
  double foot_ = 1;
  bool cut_ = false;
  int depthPages_ = 1;
  int pages_ = 1;
  std::vector<std::vector<Placed>> sheets_;
  // The page being drawn.
  double offset_ = 0;
  double first_ = 0;
  double last_ = 0;
};

}  // namespace

std::string PreviewSvg(const PreviewPicture& picture, Language language, int scale) {
  return SvgWriter(picture, language, scale).Draw();
}

}  // namespace gdf
