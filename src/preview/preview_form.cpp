// preview_form.cpp - The title block of the picture's first page, laid out as a form from the
// title files, and the words that head the columns.
#include <cstdint>
#include <initializer_list>

#include "preview/preview_page.h"
#include "preview/preview_svg.h"
#include "text/letter_case.h"

namespace gdf::preview_page {
namespace {

// The title block drawn from the lines of Titl01.txt and Titl02.txt.
class TitleForm {
 public:
  TitleForm(std::string& out, const PreviewPicture& picture, Language language, double offset)
      : out_(out), picture_(picture), language_(language), offset_(offset) {}

  Text Title1(std::size_t entry) const {
    return entry <= picture_.titles1.size() ? Trim(picture_.titles1[entry - 1]) : Text();
  }
  Text Title2(std::size_t entry) const {
    return entry <= picture_.titles2.size() ? Trim(picture_.titles2[entry - 1]) : Text();
  }
  // "2003/5/12" from the year, month and day entries of Titl01.txt; empty when there is none.
  Text Date(std::size_t year) const {
    if (Title1(year).empty()) return {};
    Text date = Title1(year);
    if (!Title1(year + 1).empty()) date += u"/" + Title1(year + 1);
    if (!Title1(year + 2).empty()) date += u"/" + Title1(year + 2);
    return date;
  }
  static Text WithUnit(const Text& value, const char16_t* unit) {
    return value.empty() ? value : value + u" " + unit;
  }

  // The header as a form: a label and its value in each cell, the run's outcome below it.
  void Draw() {
    const Text period = Date(4).empty() && Date(7).empty() ? Text() : Date(4) + u"～" + Date(7);
    const Text machine = Title2(32).empty()
                             ? Title2(18)
                             : Title2(18) + (Title2(18).empty() ? u"" : u" ") + Title2(32);
    struct Field {
      MessageId label;
      Text value;
    };
    const std::vector<std::vector<Field>> rows = {
        {{MessageId::kPreviewFormSurvey, Title1(10)}},
        {{MessageId::kPreviewFormProject, Title1(17)}, {MessageId::kPreviewFormSite, Title2(1)}},
        {{MessageId::kPreviewFormClient, Title1(18)},
         {MessageId::kPreviewFormContractor, Title1(19)}},
        {{MessageId::kPreviewFormBoring, Title1(1)},
         {MessageId::kPreviewFormElevation, WithUnit(Title2(19), u"m")},
         {MessageId::kPreviewFormLength, WithUnit(Title1(21), u"m")},
         {MessageId::kPreviewFormDiameter, WithUnit(Title1(22), u"mm")}},
        {{MessageId::kPreviewFormPeriod, period}, {MessageId::kPreviewFormMachine, machine}},
    };
    constexpr double kLabelWidth = 58;
    const double formWidth = kColumnsEnd - kMargin;
    const bool noTitles = picture_.titles1.empty() && picture_.titles2.empty();
    out_ += "<g class=\"form\">\n";
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const double y = offset_ + kFormTop + static_cast<double>(r) * kFormRow;
      const double cellWidth = formWidth / static_cast<double>(rows[r].size());
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        const double x = kMargin + static_cast<double>(c) * cellWidth;
        Rect(x, y, kLabelWidth, kFormRow, "cell-label");
        Rect(x + kLabelWidth, y, cellWidth - kLabelWidth, kFormRow, "cell");
        const double baseline = y + kFormRow - 4;
        Text_(x + 3, baseline, kSmallFont, "label",
              Fit(Said(rows[r][c].label), kLabelWidth - 6, kSmallFont));
        Text value = rows[r][c].value;
        if (r == 0 && noTitles) value = Said(MessageId::kPreviewNoTitles);
        if (!value.empty()) {
          Text_(x + kLabelWidth + 3, baseline, kHeadFont, "",
                Fit(value, cellWidth - kLabelWidth - 6, kHeadFont));
        }
      }
    }
    out_ += "</g>\n";
    // How the run ends, then the findings that have no depth.
    const double below = offset_ + kFormTop + static_cast<double>(rows.size()) * kFormRow;
    const RunOutcome outcome = picture_.report.outcome();
    const Text outcomeText = PreviewOutcomeText(picture_.report, language_);
    const Text said = outcome == RunOutcome::kCompleted ? outcomeText
                      : outcome == RunOutcome::kRefused
                          ? Said(MessageId::kPreviewRefused, {outcomeText})
                          : Said(MessageId::kPreviewFailed, {outcomeText});
    Text_(kMargin, below + 13, kHeadFont, outcome == RunOutcome::kCompleted ? "" : "fail",
          Fit(said, kColumnsEnd - kMargin, kHeadFont));
    std::size_t withoutDepth = 0;
    const PreviewFinding* first = nullptr;
    for (const PreviewFinding& finding : picture_.findings) {
      if (finding.hasDepth) continue;
      ++withoutDepth;
      if (first == nullptr) first = &finding;
    }
    Text line;
    if (first != nullptr) line = u"● " + PreviewFindingText(*first, language_);
    if (withoutDepth > 1) {
      line += u"  " + Said(MessageId::kPreviewMoreFindings,
                           {Count(static_cast<std::int64_t>(withoutDepth - 1))});
    }
    if (!line.empty()) {
      out_ += "<g>";
      if (first != nullptr) {
        out_ += "<title>" + EscapeXml(PreviewFindingText(*first, language_)) + "</title>";
      }
      Text_(kMargin, below + 25, kSmallFont, "fail",
            Fit(Trim(line), kColumnsEnd - kMargin, kSmallFont));
      out_ += "</g>\n";
    }
  }

 private:
  Text Said(MessageId id, std::initializer_list<MessageArg> args = {}) const {
    return Render(Say(id, args), language_);
  }
  void Text_(double x, double y, double size, const std::string& cls, TextView text) {
    SvgText(out_, x, y, size, cls, text);
  }
  void Rect(double x, double y, double w, double h, const std::string& cls) {
    SvgRect(out_, x, y, w, h, cls);
  }

  std::string& out_;
  const PreviewPicture& picture_;
  Language language_;
  double offset_;
};

}  // namespace

// What a record file's column holds, as its heading says it.
MessageId HeadingOf(TextView file) {
  static constexpr std::pair<const char16_t*, MessageId> kHeadings[] = {
      {u"X1.TXT", MessageId::kPreviewHeadX1},   {u"X3.TXT", MessageId::kPreviewHeadX3},
      {u"R31.TXT", MessageId::kPreviewHeadR31}, {u"R32.TXT", MessageId::kPreviewHeadR32},
      {u"R33.TXT", MessageId::kPreviewHeadR33}, {u"R34.TXT", MessageId::kPreviewHeadR34},
      {u"R35.TXT", MessageId::kPreviewHeadR35}, {u"R30.TXT", MessageId::kPreviewHeadR30},
      {u"N9.TXT", MessageId::kPreviewHeadN9},   {u"X5.TXT", MessageId::kPreviewHeadX5},
      {u"X12.TXT", MessageId::kPreviewHeadX12}, {u"R41.TXT", MessageId::kPreviewHeadR41},
      {u"N8.TXT", MessageId::kPreviewHeadN8},   {u"G71.TXT", MessageId::kPreviewHeadG71},
      {u"G73.TXT", MessageId::kPreviewHeadG73}, {u"G81.TXT", MessageId::kPreviewHeadG81},
      {u"R72.TXT", MessageId::kPreviewHeadR72},
  };
  for (const auto& [name, heading] : kHeadings) {
    if (EqualFoldingCase(file, name)) return heading;
  }
  return MessageId::kPlainText;
}

Text RunningHead(const PreviewPicture& picture) {
  const auto title = [&](std::size_t entry) {
    return entry <= picture.titles1.size() ? Trim(picture.titles1[entry - 1]) : Text();
  };
  Text head = title(1).empty() ? picture.source : title(1);
  if (!title(10).empty()) head += u"  " + title(10);
  return head;
}

void TitleBlock(std::string& out, const PreviewPicture& picture, Language language, double offset) {
  TitleForm(out, picture, language, offset).Draw();
}

}  // namespace gdf::preview_page
