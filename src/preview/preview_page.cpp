// preview_page.cpp - Texts measured and laid out on the picture's pages, and labels moved apart
// along the depth axis.
#include "preview/preview_page.h"

#include <algorithm>
#include <cstdio>

#include "preview/preview_svg.h"

namespace gdf {
namespace preview_page {
namespace {

// How far a character advances, in ems: full-width characters are square; of the half-width
// ones, capitals and the wide small letters are given more than the others, so that the width
// laid out is never less than what the fonts draw.
double Advance(char16_t ch) {
  if (ch >= 0xFF61 && ch <= 0xFF9F) return 0.5;  // half-width katakana
  if (ch >= 0x0100) return 1.0;
  if ((ch >= u'A' && ch <= u'Z') || ch == u'm' || ch == u'w' || ch == u'@' || ch == u'%' ||
      ch == u'&') {
    return 0.85;
  }
  return 0.6;
}

// Whether a character may not stand first on a line (closing marks and punctuation).
bool CannotBeginLine(char16_t ch) {
  return TextView(u"。、，．）」』】〕！？・ー々ぁぃぅぇぉっゃゅょァィゥェォッャュョ").find(ch) !=
         TextView::npos;
}

}  // namespace

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

// A scale's factor, with the digits a reader needs to find every depth to a hundredth of a pixel.
std::string Precise(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", value);
  return text;
}

Text Fit(TextView text, double width, double fontSize) {
  if (PreviewTextWidth(text, fontSize) <= width) return Text(text);
  Text out;
  double used = PreviewTextWidth(u"…", fontSize);
  for (const char16_t ch : text) {
    used += Advance(ch) * fontSize;
    if (used > width) break;
    out += ch;
  }
  return out + u"…";
}

void WrapInto(TextView text, double width, double fontSize, std::vector<Text>& lines) {
  Text line;
  double used = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const double w = Advance(text[i]) * fontSize;
    if (used + w > width && !line.empty()) {
      const std::size_t blank = line.rfind(u' ');
      if (blank != Text::npos && blank > 0 && text[i] != u' ') {
        lines.push_back(TrimRight(TextView(line).substr(0, blank)));
        line = line.substr(blank + 1);
      } else if (CannotBeginLine(text[i]) && line.size() >= 2) {
        // "。" and its kind do not begin a line: the character before goes down with it.
        lines.push_back(line.substr(0, line.size() - 1));
        line = line.substr(line.size() - 1);
      } else {
        lines.push_back(TrimRight(line));
        line.clear();
      }
      used = PreviewTextWidth(line, fontSize);
      if (text[i] == u' ') continue;
    }
    line += text[i];
    used += w;
  }
  if (!Trim(line).empty() || lines.empty()) lines.push_back(TrimRight(line));
}

std::vector<Text> Parts(TextView text, TextView separator) {
  std::vector<Text> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    const Text part = Trim(text.substr(start, at == TextView::npos ? TextView::npos : at - start));
    if (!part.empty()) parts.push_back(part);
    if (at == TextView::npos) return parts;
    start = at + separator.size();
  }
}

void Spread(std::vector<Label>& labels, double low, double high) {
  std::stable_sort(labels.begin(), labels.end(),
                   [](const Label& a, const Label& b) { return a.anchor < b.anchor; });
  double bottom = low;
  for (Label& label : labels) {
    label.top = std::max(label.anchor - label.Height() / 2, bottom);
    bottom = label.top + label.Height() + 1;
  }
  double ceiling = high;
  for (auto it = labels.rbegin(); it != labels.rend(); ++it) {
    if (it->top + it->Height() <= ceiling) break;
    it->top = ceiling - it->Height();
    ceiling = it->top - 1;
  }
}

void SvgText(std::string& out, double x, double y, double size, const std::string& cls,
             TextView text, const char* anchor) {
  out += "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" font-size=\"" + Number(size) + "\"";
  if (anchor != nullptr) out += std::string(" text-anchor=\"") + anchor + "\"";
  if (!cls.empty()) out += " class=\"" + cls + "\"";
  out += ">" + EscapeXml(text) + "</text>\n";
}

void SvgRect(std::string& out, double x, double y, double w, double h, const std::string& cls,
             const std::string& extra) {
  out += "<rect x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" width=\"" + Number(w) +
         "\" height=\"" + Number(h) + "\"" + (cls.empty() ? "" : " class=\"" + cls + "\"") + extra +
         "/>\n";
}

}  // namespace preview_page

double PreviewTextWidth(TextView text, double fontSize) {
  double ems = 0;
  for (const char16_t ch : text) ems += preview_page::Advance(ch);
  return ems * fontSize;
}

}  // namespace gdf
