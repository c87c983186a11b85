// table_field.cpp - The quoting rule of table fields.
#include "tables/table_field.h"

#include "common/errors.h"
#include "common/text_file.h"

namespace gdf {

TableQuoting QuotingOf(TextView value) {
  if (ReadsBackPlain(value)) return TableQuoting::kPlain;
  if (value.find(u'"') != TextView::npos) return TableQuoting::kImpossible;
  return TableQuoting::kQuoted;
}

Text TableField(TextView value, TextView tablePath) {
  switch (QuotingOf(value)) {
    case TableQuoting::kPlain:
      return Text(value);
    case TableQuoting::kQuoted:
      return u"\"" + Text(value) + u"\"";
    case TableQuoting::kImpossible:
      break;
  }
  throw RunError(FailureKind::kBadValue,
                 Say(MessageId::kValueNeedsQuotes,
                     {Text(value), Text(tablePath.substr(tablePath.rfind(u'\\') + 1))}),
                 Text(tablePath));
}

}  // namespace gdf
