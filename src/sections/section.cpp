// section.cpp - The checks that several sections' readers share.
#include "sections/section.h"

#include "common/errors.h"
#include "common/numbers.h"
#include "common/routines.h"
#include "tables/table_field.h"

namespace gdf {

std::optional<float> DepthValue(TextView text) {
  if (!IsNumeric(text)) return std::nullopt;
  try {
    return NumericOrZero(text);
  } catch (const RunError&) {
    return std::nullopt;
  }
}

Text DateFaultText(const Text& date) {
  return u"The date " + Bracketed(date) +
         u" has no \"/\" between month and day: a run stops at such a date, before it writes "
         u"anything.";
}

void CheckRecordDepth(SectionNotes& notes, const FixedRecord& record, const char16_t* consequence) {
  if (DepthValue(record[1])) return;
  const Text shown = Trim(record[1]);
  notes.Warning(record.SourceLine(1),
                (shown.empty() ? u"Record " + NumberText(record.number) + u" has no depth"
                               : u"The depth " + Bracketed(shown) + u" of record " +
                                     NumberText(record.number) + u" is not a number") +
                    consequence + u".");
}

void CheckRangeMark(SectionNotes& notes, DepthTake take, const Text& value, int line, int column) {
  if (take != DepthTake::kDropped || value.size() != 1 || value.front() != kRangeMark) return;
  notes.Warning(line, u"The range mark \"～\" in column " + NumberText(column) +
                          u" has no value above it to extend: it makes no entry, and the value "
                          u"that would close it is dropped too.");
}

void CheckTableValue(SectionNotes& notes, const Text& value, int line, TextView table,
                     const char16_t* unless) {
  switch (QuotingOf(value)) {
    case TableQuoting::kPlain:
      return;
    case TableQuoting::kImpossible:
      notes.WriteFault(line, u"The value " + Bracketed(value) + u" needs double quotes in " +
                                 Text(table) +
                                 u" and holds one itself: the run stops when it adds it to the "
                                 u"table" +
                                 unless + u".");
      return;
    case TableQuoting::kQuoted:
      notes.Warning(line, u"The value " + Bracketed(value) +
                              u" holds a comma, a blank at an end or a leading double quote: it "
                              u"is written to " +
                              Text(table) + u" between double quotes.");
      return;
  }
}

}  // namespace gdf
