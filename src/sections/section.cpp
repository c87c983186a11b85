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

CatalogueMessage DateFault(const Text& date) {
  return Say(MessageId::kCheckDateWithoutSlash, {date});
}

void CheckRecordDepth(SectionNotes& notes, const FixedRecord& record, MissingDepth missing) {
  if (DepthValue(record[1])) return;
  const Text shown = Trim(record[1]);
  const bool zero = missing == MissingDepth::kZero;
  const Text number = NumberText(record.number);
  notes.Warning(record.SourceLine(1), shown.empty()
                                          ? Say(zero ? MessageId::kCheckRecordNoDepthAsZero
                                                     : MessageId::kCheckRecordNoDepth,
                                                {number})
                                          : Say(zero ? MessageId::kCheckRecordDepthNotNumberAsZero
                                                     : MessageId::kCheckRecordDepthNotNumber,
                                                {shown, number}));
}

void CheckRangeMark(SectionNotes& notes, DepthTake take, const Text& value, int line, int column) {
  if (take != DepthTake::kDropped || value.size() != 1 || value.front() != kRangeMark) return;
  notes.Warning(line, Say(MessageId::kCheckRangeMarkAlone, {NumberText(column)}));
}

void CheckTableValue(SectionNotes& notes, const Text& value, int line, TextView table,
                     const LineFile& source) {
  switch (QuotingOf(value)) {
    case TableQuoting::kPlain:
      return;
    case TableQuoting::kImpossible:
      notes.Fault({FailureKind::kBadValue,
                   {},
                   source.Name(),
                   line,
                   Say(MessageId::kValueNeedsQuotes, {value, Text(table)})},
                  Say(MessageId::kCheckValueCannotBeQuoted, {value, Text(table)}));
      return;
    case TableQuoting::kQuoted:
      notes.Warning(line, Say(MessageId::kCheckValueQuoted, {value, Text(table)}));
      return;
  }
}

}  // namespace gdf
