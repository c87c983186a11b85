// preview_index.cpp - The index page of a batch's pictures, and texts escaped for XML and HTML.
#include <cstdint>
#include <initializer_list>

#include "preview/preview_svg.h"

namespace gdf {
namespace {

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
         "#ddd}\n"
         // Printed, each file's pictures begin a sheet at the width of an A4 page, its name and
         // outcome in the top margin of the picture's first page.
         "@page{size:A4;margin:0}@media print{body{margin:0;background:#fff}h1,h1+p{margin:8mm}"
         "section{position:relative;border:0;margin:0;padding:0;break-before:page}section>h2,"
         "section>p{position:absolute;top:1mm;margin:0;font-size:8pt}section>h2{left:8mm}"
         "section>p{left:50mm}img{display:block;width:210mm;max-width:none;border:0}}\n</style>\n</"
         "head>\n<body>\n<h1>" +
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
