// preview_svg.cpp - Draws a picture as SVG: the header with the title texts, the depth axis, one
// column per record file, the findings as red marks; and the index page of a batch.
#include "preview/preview_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>

#include "common/numbers.h"
#include "common/routines.h"
#include "tables/soil_names.h"

namespace gdf {
namespace {

constexpr double kPageMinWidth = 794;  // A4 at 96 pixels per inch
constexpr double kPlotTop = 150;       // the depth of the axis's first metre
constexpr double kPlotFoot = 40;       // below the last metre
constexpr double kAxisX = 62;          // the axis line
constexpr double kMarksX = 70;         // the strip of findings
constexpr double kColumnsX = 92;       // the first column
constexpr double kGap = 6;
constexpr double kFontSize = 11;
constexpr double kLineHeight = 13;

constexpr const char* kStyle =
    "text{font-family:'Noto Sans CJK JP','Noto Sans JP','Source Han Sans JP','Hiragino Kaku Gothic "
    "ProN','Hiragino Sans','Yu Gothic','Meiryo','MS Gothic','IPAexGothic','IPAGothic',"
    "'TakaoGothic',sans-serif;font-size:11px;fill:#222}"
    ".title{font-size:18px;font-weight:bold}.sub{font-size:12px}.small{font-size:10px;fill:#444}"
    ".head{font-weight:bold}.tag{font-size:10px;fill:#555}.fail{fill:#c62828}"
    ".depth-label{font-size:10px;text-anchor:end}.mid{dominant-baseline:central}"
    ".band-name{dominant-baseline:text-after-edge}.code{fill:#333}.newtag{fill:#c62828;"
    "font-weight:bold}.frame{fill:#fcfcfc;stroke:#bbb}.grid{stroke:#e3e3e3}"
    ".tick{stroke:#555}.mark{stroke:#c62828;stroke-width:1.5}.mark-line{stroke:#c62828;"
    "stroke-opacity:.25}.bracket{fill:none;stroke:#1565c0;stroke-width:1.2}"
    ".bar{fill:#7e57c2}.s0{fill:none;stroke:#2e7d32;stroke-width:1.5}.s1{fill:none;"
    "stroke:#ef6c00;stroke-width:1.5}.s2{fill:none;stroke:#ef6c00;stroke-width:1;"
    "stroke-dasharray:3 2}";

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string out = text;
  // "12.50" -> "12.5", "3.00" -> "3": shorter files, the same value.
  out.erase(out.find_last_not_of('0') + 1);
  if (out.back() == '.') out.pop_back();
  if (out == "-0") out = "0";
  return out;
}

// An estimate of a text's width: full-width characters are square, the others about half.
double TextWidth(TextView text, double fontSize) {
  double ems = 0;
  for (const char16_t ch : text) {
    ems += (ch < 0x0100 || (ch >= 0xFF61 && ch <= 0xFF9F)) ? 0.58 : 1.0;
  }
  return ems * fontSize;
}

// Cuts `text` into lines no wider than `width`; a backslash (the joint of a note's lines)
// starts a new line and stays at the end of the line it closes, as written.
std::vector<Text> Wrap(TextView text, double width) {
  std::vector<Text> lines(1);
  double used = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t ch = text[i];
    const double w = TextWidth(TextView(&text[i], 1), kFontSize);
    if (used + w > width && !lines.back().empty()) {
      lines.emplace_back();
      used = 0;
    }
    lines.back() += ch;
    used += w;
    if (ch == u'\\' && i + 1 < text.size()) {
      lines.emplace_back();
      used = 0;
    }
  }
  return lines;
}

double ColumnWidth(PreviewColumnKind kind) {
  switch (kind) {
    case PreviewColumnKind::kLayers:
      return 200;
    case PreviewColumnKind::kRanges:
      return 112;
    case PreviewColumnKind::kBars:
      return 120;
    case PreviewColumnKind::kMarkers:
      return 120;
    case PreviewColumnKind::kSeries:
      return 170;
    case PreviewColumnKind::kTexts:
      return 150;
    case PreviewColumnKind::kNotes:
      return 230;
  }
  return 150;
}

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
  SvgWriter(const PreviewPicture& picture, Language language)
      : picture_(picture), language_(language) {
    top_ = std::floor(std::min(0.0, picture.shallowest));
    double deepest = std::max(top_ + 30, std::ceil(picture.deepest));
    if (deepest - top_ > kPreviewMaxMetres) {
      deepest = top_ + kPreviewMaxMetres;
      cut_ = true;
    }
    foot_ = deepest;
    width_ = kColumnsX;
    for (const PreviewColumn& column : picture.columns) width_ += ColumnWidth(column.kind) + kGap;
    width_ = std::max(kPageMinWidth, width_ + 10);
    height_ = kPlotTop + (foot_ - top_) * kPreviewPixelsPerMetre + kPlotFoot;
    out_.reserve(64 * 1024);
  }

  std::string Draw() {
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(width_) + "\" height=\"" +
            Number(height_) + "\" viewBox=\"0 0 " + Number(width_) + " " + Number(height_) +
            "\" data-top=\"" + Number(top_) + "\" data-foot=\"" + Number(foot_) + "\">\n";
    out_ += "<title>" + EscapeXml(picture_.source) + "</title>\n";
    out_ += "<style>";
    out_ += kStyle;
    out_ += "</style>\n";
    out_ += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
    Header();
    Axis();
    for (std::size_t i = 0; i < picture_.columns.size(); ++i) Column(i);
    Findings();
    out_ += "</svg>\n";
    return std::move(out_);
  }

 private:
  double Y(double depth) const {
    return kPlotTop + (std::clamp(depth, top_, foot_) - top_) * kPreviewPixelsPerMetre;
  }
  std::string YText(double depth) const { return Number(Y(depth)); }

  Text Said(MessageId id, std::initializer_list<MessageArg> args = {}) const {
    return Render(Say(id, args), language_);
  }

  void Text_(double x, double y, const std::string& cls, TextView text,
             const std::string& extra = {}) {
    out_ += "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\"";
    if (!cls.empty()) out_ += " class=\"" + cls + "\"";
    out_ += extra + ">" + EscapeXml(text) + "</text>\n";
  }

  // The non-empty lines of a title file, with their line numbers, in one line.
  Text TitleLine(const std::vector<Text>& lines, const char16_t* name) const {
    Text line = name;
    line += u":";
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const Text value = Trim(lines[i]);
      if (value.empty()) continue;
      line += u"  " + FromAscii(std::to_string(i + 1)) + u"=" + value;
    }
    return line;
  }

  void Header() {
    const auto title = [&](std::size_t index) -> Text {
      return index < picture_.titles1.size() ? Trim(picture_.titles1[index]) : Text();
    };
    Text heading = picture_.source;
    if (!title(0).empty()) heading += u"   " + title(0);
    if (!title(9).empty()) heading += u"   " + title(9);
    out_ += "<clipPath id=\"header\"><rect x=\"0\" y=\"0\" width=\"" + Number(width_ - 8) +
            "\" height=\"" + Number(kPlotTop - 44) +
            "\"/></clipPath>\n<g clip-path=\"url(#header)\">\n";
    Text_(10, 24, "title", heading);
    const RunOutcome outcome = picture_.report.outcome();
    const Text outcomeText = PreviewOutcomeText(picture_.report, language_);
    Text_(10, 42, outcome == RunOutcome::kCompleted ? "sub" : "sub fail",
          outcome == RunOutcome::kCompleted ? outcomeText
          : outcome == RunOutcome::kRefused ? Said(MessageId::kPreviewRefused, {outcomeText})
                                            : Said(MessageId::kPreviewFailed, {outcomeText}));
    if (picture_.titles1.empty() && picture_.titles2.empty()) {
      Text_(10, 58, "small", Said(MessageId::kPreviewNoTitles));
    } else {
      Text_(10, 58, "small", TitleLine(picture_.titles1, u"Titl01.txt"));
      Text_(10, 72, "small", TitleLine(picture_.titles2, u"Titl02.txt"));
    }
    // The findings that have no depth, and the legend of the bands.
    constexpr double y = 86;
    std::size_t shown = 0;
    std::size_t withoutDepth = 0;
    for (const PreviewFinding& finding : picture_.findings) {
      if (finding.hasDepth) continue;
      ++withoutDepth;
      if (shown > 0) continue;  // one in full; the others are counted
      const Text text = PreviewFindingText(finding, language_);
      out_ += "<g><title>" + EscapeXml(text) + "</title>";
      Text_(10, y, "small fail", u"● " + text);
      out_ += "</g>\n";
      ++shown;
    }
    if (withoutDepth > shown) {
      Text_(10, y + 13, "small fail",
            Said(MessageId::kPreviewMoreFindings,
                 {Count(static_cast<std::int64_t>(withoutDepth - shown))}));
    }
    out_ += "</g>\n";
    double x = width_ - 330;
    for (const auto& [fill, label] : {std::pair{kFillRangeB, MessageId::kPreviewTableName},
                                      std::pair{kFillAddedName, MessageId::kPreviewAddedName},
                                      std::pair{kFillNewName, MessageId::kPreviewNewName}}) {
      out_ += "<rect x=\"" + Number(x) + "\" y=\"" + Number(kPlotTop - 62) +
              "\" width=\"12\" height=\"10\" fill=\"" + fill + "\" stroke=\"#999\"/>\n";
      Text_(x + 16, kPlotTop - 53, "small", Said(label));
      x += 100;
    }
    if (cut_) {
      Text_(10, kPlotTop - 44, "small fail",
            Said(MessageId::kPreviewCut, {FromAscii(Number(foot_))}));
    }
  }

  void Axis() {
    const double bottom = Y(foot_);
    out_ += "<g class=\"axis\">\n";
    Text_(kAxisX, kPlotTop - 12, "depth-label", u"m");
    out_ += "<line class=\"tick\" x1=\"" + Number(kAxisX) + "\" y1=\"" + Number(kPlotTop) +
            "\" x2=\"" + Number(kAxisX) + "\" y2=\"" + Number(bottom) + "\"/>\n";
    std::string ticks;
    for (double metre = top_; metre <= foot_ + 1e-9; metre += 1) {
      const bool labelled = std::fmod(std::fabs(metre), 5.0) < 1e-9;
      const std::string y = YText(metre);
      ticks += "M" + Number(kAxisX - (labelled ? 8 : 4)) + " " + y + "H" + Number(kAxisX);
      if (labelled) {
        Text_(kAxisX - 10, Y(metre), "depth-label mid", FromAscii(Number(metre)));
        out_ += "<line class=\"grid\" x1=\"" + Number(kMarksX) + "\" y1=\"" + y + "\" x2=\"" +
                Number(width_ - 8) + "\" y2=\"" + y + "\"/>\n";
      }
    }
    out_ += "<path class=\"tick\" d=\"" + ticks + "\"/>\n</g>\n";
  }

  void Column(std::size_t index) {
    const PreviewColumn& column = picture_.columns[index];
    double x = kColumnsX;
    for (std::size_t i = 0; i < index; ++i) x += ColumnWidth(picture_.columns[i].kind) + kGap;
    const double w = ColumnWidth(column.kind);
    const std::string id = "c" + std::to_string(index);
    const double bottom = Y(foot_);
    out_ += "<g class=\"column\" data-file=\"" + EscapeXml(column.file) + "\">\n";
    Text_(x + 2, kPlotTop - 26, "head", column.file);
    Text_(x + 2, kPlotTop - 12, "tag",
          FromAscii(column.tag) + u"  " +
              Said(column.kind == PreviewColumnKind::kSeries ? MessageId::kPreviewReadings
                                                             : MessageId::kPreviewLines,
                   {Count(std::ssize(column.items))}));
    out_ += "<rect class=\"frame\" x=\"" + Number(x) + "\" y=\"" + Number(kPlotTop) +
            "\" width=\"" + Number(w) + "\" height=\"" + Number(bottom - kPlotTop) + "\"/>\n";
    out_ += "<clipPath id=\"" + id + "\"><rect x=\"" + Number(x) + "\" y=\"" +
            Number(kPlotTop - 8) + "\" width=\"" + Number(w) + "\" height=\"" +
            Number(bottom - kPlotTop + 16) + "\"/></clipPath>\n<g clip-path=\"url(#" + id +
            ")\">\n";
    switch (column.kind) {
      case PreviewColumnKind::kLayers:
        Layers(column, x, w);
        break;
      case PreviewColumnKind::kRanges:
        Ranges(column, x);
        break;
      case PreviewColumnKind::kBars:
        Bars(column, x, w);
        break;
      case PreviewColumnKind::kMarkers:
        Markers(column, x);
        break;
      case PreviewColumnKind::kSeries:
        Series(column, x, w);
        break;
      case PreviewColumnKind::kTexts:
        Texts(column, x);
        break;
      case PreviewColumnKind::kNotes:
        Notes(column, x, w);
        break;
    }
    out_ += "</g>\n</g>\n";
  }

  void Layers(const PreviewColumn& column, double x, double w) {
    // Every band first, then every name, so that a band out of order hides no name.
    for (const PreviewItem& item : column.items) {
      const double a = Y(std::min(item.top, item.depth));
      const double b = Y(std::max(item.top, item.depth));
      out_ += "<rect x=\"" + Number(x) + "\" y=\"" + Number(a) + "\" width=\"" + Number(w) +
              "\" height=\"" + Number(b - a) + "\" fill=\"" + LayerFill(item) + "\" stroke=\"" +
              (item.nameKind == NameKind::kNew ? "#c62828\" stroke-dasharray=\"4 2" : "#777") +
              "\"/>\n";
    }
    for (const PreviewItem& item : column.items) {
      out_ += "<text x=\"" + Number(x + 4) + "\" y=\"" + YText(item.depth) +
              "\" class=\"band-name\">" + EscapeXml(item.text) + " <tspan class=\"code\">" +
              EscapeXml(item.code) + "</tspan>" +
              (item.nameKind == NameKind::kNew
                   ? " <tspan class=\"newtag\">" + EscapeXml(Said(MessageId::kPreviewNewTag)) +
                         "</tspan>"
                   : "") +
              "</text>\n";
    }
  }

  void Ranges(const PreviewColumn& column, double x) {
    for (const PreviewItem& item : column.items) {
      const std::string y = YText(item.depth);
      if (item.range) {
        out_ += "<path class=\"bracket\" d=\"M" + Number(x + 9) + " " + YText(item.top) + "H" +
                Number(x + 4) + "V" + y + "H" + Number(x + 9) + "\"/>\n";
      } else {
        out_ += "<path class=\"tick\" d=\"M" + Number(x) + " " + y + "H" + Number(x + 6) + "\"/>\n";
      }
      Text_(x + 12, Y(item.depth), "mid", item.text);
    }
  }

  void Bars(const PreviewColumn& column, double x, double w) {
    double most = 50;
    for (const PreviewItem& item : column.items) most = std::max(most, item.value);
    const double room = w - 40;
    for (const PreviewItem& item : column.items) {
      const double length = std::max(0.0, item.value) / most * room;
      out_ += "<rect class=\"bar\" x=\"" + Number(x + 2) + "\" y=\"" + Number(Y(item.depth) - 3) +
              "\" width=\"" + Number(length) + "\" height=\"6\"/>\n";
      Text_(x + 6 + length, Y(item.depth), "mid", item.text);
    }
  }

  void Markers(const PreviewColumn& column, double x) {
    const bool water = column.file == u"N9.TXT";
    for (const PreviewItem& item : column.items) {
      const double y = Y(item.depth);
      if (water) {
        out_ += "<path fill=\"#1e88e5\" d=\"M" + Number(x + 3) + " " + Number(y - 6) + "H" +
                Number(x + 13) + "L" + Number(x + 8) + " " + Number(y) + "Z\"/>\n";
      } else {
        out_ += "<circle fill=\"#00897b\" cx=\"" + Number(x + 8) + "\" cy=\"" + Number(y) +
                "\" r=\"3.5\"/>\n";
      }
      out_ += "<path class=\"tick\" d=\"M" + Number(x) + " " + Number(y) + "H" + Number(x + 16) +
              "\"/>\n";
      Text_(x + 18, y, "mid", item.text + u"  " + item.depthText);
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
      out_ += "<line class=\"grid\" x1=\"" + Number(left) + "\" y1=\"" + Number(kPlotTop) +
              "\" x2=\"" + Number(left) + "\" y2=\"" + Number(Y(foot_)) + "\"/>\n";
      Text_(left, kPlotTop + 10, "small",
            Said(chart == 0 ? MessageId::kPreviewFirstSeries : MessageId::kPreviewSecondSeries,
                 {FromAscii(Number(most[chart]))}));
    }
    for (int series = 0; series < 3; ++series) {
      const int chart = series == 0 ? 0 : 1;
      const double left = x + 4 + chart * (half + 4);
      std::string points;
      std::string dots;
      for (const PreviewItem& item : column.items) {
        if (item.series != series) continue;
        const double px = left + std::max(0.0, item.value) / most[chart] * (half - 4);
        points += Number(px) + "," + YText(item.depth) + " ";
        dots += "<circle cx=\"" + Number(px) + "\" cy=\"" + YText(item.depth) +
                "\" r=\"2\" fill=\"" + (series == 0 ? "#2e7d32" : "#ef6c00") + "\"><title>" +
                EscapeXml(item.depthText + u" m: " + item.text) + "</title></circle>\n";
      }
      if (points.empty()) continue;
      points.pop_back();
      out_ += "<polyline class=\"s" + std::to_string(series) + "\" points=\"" + points + "\"/>\n";
      out_ += dots;
    }
  }

  void Texts(const PreviewColumn& column, double x) {
    for (const PreviewItem& item : column.items) {
      const double y = Y(item.depth);
      out_ += "<path class=\"tick\" d=\"M" + Number(x) + " " + Number(y) + "H" + Number(x + 6) +
              "\"/>\n";
      Text_(x + 9, y, "mid", item.text);
    }
  }

  void Notes(const PreviewColumn& column, double x, double w) {
    for (const PreviewItem& item : column.items) {
      const double y = Y(item.depth);
      out_ += "<path class=\"tick\" d=\"M" + Number(x) + " " + Number(y) + "H" + Number(x + 6) +
              "\"/>\n";
      out_ += "<text x=\"" + Number(x + 9) + "\" y=\"" + Number(y) + "\" class=\"mid\">";
      const std::vector<Text> lines = Wrap(item.text, w - 14);
      for (std::size_t i = 0; i < lines.size(); ++i) {
        out_ += "<tspan x=\"" + Number(x + 9) + "\" dy=\"" + (i == 0 ? "0" : Number(kLineHeight)) +
                "\">" + EscapeXml(lines[i]) + "</tspan>";
      }
      out_ += "</text>\n";
    }
  }

  void Findings() {
    out_ += "<g class=\"findings\">\n";
    for (const PreviewFinding& finding : picture_.findings) {
      if (!finding.hasDepth) continue;
      const std::string y = YText(finding.depth);
      out_ += "<g class=\"finding\"><title>" + EscapeXml(PreviewFindingText(finding, language_)) +
              "</title>";
      out_ += "<line class=\"mark-line\" x1=\"" + Number(kMarksX) + "\" y1=\"" + y + "\" x2=\"" +
              Number(width_ - 8) + "\" y2=\"" + y + "\"/>";
      out_ += "<circle class=\"mark\" cx=\"" + Number(kMarksX + 9) + "\" cy=\"" + y +
              "\" r=\"5\" fill=\"" + (finding.error ? "#c62828" : "#fff") + "\"/></g>\n";
    }
    out_ += "</g>\n";
  }

  const PreviewPicture& picture_;
  Language language_;
  std::string out_;
  double top_ = 0;
  double foot_ = 30;
  double width_ = kPageMinWidth;
  double height_ = 0;
  bool cut_ = false;
};

// A file name as a relative URL: every byte but the unreserved ones percent-encoded.
std::string UrlPath(const std::string& name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
        (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' || byte == '.' || byte == '~') {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return out;
}

// The class of an outcome on the page, and its word.
const char* OutcomeClass(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::kCompleted:
      return "converted";
    case RunOutcome::kRefused:
      return "refused";
    case RunOutcome::kFailed:
      return "failed";
  }
  return "failed";
}

}  // namespace

std::string EscapeXml(TextView text) {
  Text clean;
  clean.reserve(text.size());
  for (const char16_t ch : text) {
    if ((ch < 0x20 && ch != u'\t' && ch != u'\n' && ch != u'\r') || ch == 0xFFFE || ch == 0xFFFF) {
      clean += u'\uFFFD';
    } else {
      clean += ch;
    }
  }
  const std::string utf8 = ToUtf8(clean);  // unpaired surrogates become U+FFFD
  std::string out;
  out.reserve(utf8.size() + 16);
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string PreviewSvg(const PreviewPicture& picture, Language language) {
  return SvgWriter(picture, language).Draw();
}

std::string PreviewIndexHtml(const std::vector<PreviewIndexEntry>& entries, bool dryRun,
                             Language language) {
  const auto said = [&](MessageId id, std::initializer_list<MessageArg> args = {}) {
    return EscapeXml(Render(Say(id, args), language));
  };
  std::int64_t counts[3] = {0, 0, 0};
  for (const PreviewIndexEntry& entry : entries) ++counts[static_cast<int>(entry.outcome)];
  const std::string title = said(MessageId::kPreviewIndexTitle);
  std::string out;
  out.reserve(512 + entries.size() * 400);
  out += "<!DOCTYPE html>\n<html lang=\"";
  out += language == Language::kJapanese ? "ja" : "en";
  out += "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
         "</title>\n<style>\n"
         "body{font-family:'Noto Sans CJK JP','Noto Sans JP','Hiragino Kaku Gothic ProN','Yu "
         "Gothic','Meiryo',sans-serif;margin:16px;background:#f4f4f4}\n"
         "section{background:#fff;margin:0 0 24px;padding:8px 12px;border:1px solid #ccc}\n"
         "h2{font-size:16px;margin:4px 0}.outcome{margin:4px 0 8px}.converted{color:#2e7d32}"
         ".refused{color:#ef6c00}.failed{color:#c62828}img{max-width:100%;border:1px solid "
         "#ddd}\n</style>\n</head>\n<body>\n<h1>" +
         title + "</h1>\n<p>";
  out += said(dryRun ? MessageId::kPreviewIndexTallyDryRun : MessageId::kPreviewIndexTally,
              {Count(std::ssize(entries)), Count(counts[0]), Count(counts[1]), Count(counts[2])});
  out += "</p>\n";
  for (const PreviewIndexEntry& entry : entries) {
    const char* cls = OutcomeClass(entry.outcome);
    out += "<section>\n<h2>" + EscapeXml(entry.source) + "</h2>\n<p class=\"outcome " + cls +
           "\">" + said(OutcomeWord(entry.outcome));
    if (!entry.reason.empty()) out += ": " + EscapeXml(entry.reason);
    if (entry.findings > 0) {
      out += " <span class=\"failed\">" +
             said(MessageId::kPreviewFindingsMarked,
                  {Count(static_cast<std::int64_t>(entry.findings))}) +
             "</span>";
    }
    out += "</p>\n";
    if (!entry.picture.empty()) {
      const std::string url = UrlPath(entry.picture);
      out += "<a href=\"" + url + "\"><img src=\"" + url + "\" alt=\"" + EscapeXml(entry.source) +
             "\" loading=\"lazy\"></a>\n";
    }
    out += "</section>\n";
  }
  out += "</body>\n</html>\n";
  return out;
}

}  // namespace gdf
