// addition_log.cpp - Writing and reading GDFCONV.LOG.
#include "tables/addition_log.h"

#include <iterator>

#include "common/cp932.h"
#include "text/lines.h"

namespace gdf {
namespace {

constexpr char16_t kSeparator = u'\t';

// A value as a field of the log: a tab or a line end in it would split the line.
Text Field(TextView text) {
  Text field(text);
  for (char16_t& ch : field) {
    if (ch == kSeparator || ch == u'\r' || ch == u'\n') ch = u' ';
  }
  return field;
}

}  // namespace

std::string AdditionLogLines(const LockHolder& who, TextView time, TextView source,
                             const std::vector<AddedTableLine>& added) {
  std::string bytes;
  for (const AddedTableLine& line : added) {
    const Text fields[] = {Field(time),       Field(who.computer), Field(who.user), Field(source),
                           Field(line.table), Field(line.code),    Field(line.name)};
    Text text = fields[0];
    for (std::size_t i = 1; i < std::size(fields); ++i) text += kSeparator + fields[i];
    Cp932EncodeAppend(text, bytes);
    bytes += "\r\n";
  }
  return bytes;
}

std::vector<LoggedAddition> ReadAdditionLog(const std::string& bytes) {
  std::vector<LoggedAddition> out;
  std::int32_t number = 0;
  for (const Line& raw : SplitLines(bytes)) {
    ++number;
    Text line;
    Cp932Decode(raw.content, line);
    std::vector<Text> fields;
    std::size_t from = 0;
    for (std::size_t tab = line.find(kSeparator); tab != Text::npos;
         tab = line.find(kSeparator, from)) {
      fields.push_back(line.substr(from, tab - from));
      from = tab + 1;
    }
    fields.push_back(line.substr(from));
    if (fields.size() != 7) continue;
    out.push_back(
        {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], number});
  }
  return out;
}

}  // namespace gdf
