// lock_holder.cpp - The holder's line of the lock file.
#include "tables/lock_holder.h"

#include <vector>

#include "common/cp932.h"
#include "platform/file_system.h"
#include "platform/host.h"
#include "text/lines.h"

namespace gdf {
namespace {

// A name as the line can hold it: no field separator and no line end in it.
Text FieldText(TextView text) {
  Text field(text);
  for (char16_t& ch : field) {
    if (ch == u',' || ch == u'\r' || ch == u'\n') ch = u' ';
  }
  return field;
}

}  // namespace

Text LockHolder::StartedClock() const {
  // "2026-12-09 10:02:05" -> "10:02"
  const std::size_t blank = started.find(u' ');
  if (blank == Text::npos || started.size() < blank + 6) return started;
  return started.substr(blank + 1, 5);
}

LockHolder ThisHolder() {
  const ProcessIdentity who = ThisProcessIdentity();
  return {FromUtf8(who.computer), FromUtf8(who.user), FromAscii(std::to_string(who.processId)),
          FromAscii(LocalDateTimeNow())};
}

std::string HolderLine(const LockHolder& holder) {
  std::string line;
  Cp932EncodeAppend(FieldText(holder.computer) + u"," + FieldText(holder.user) + u"," +
                        FieldText(holder.processId) + u"," + FieldText(holder.started),
                    line);
  return line + "\r\n";
}

std::optional<LockHolder> ParseHolderLine(std::string_view line) {
  line = FirstLine(line);
  Text text;
  if (line.empty() || !Cp932Decode(line, text)) return std::nullopt;
  std::vector<Text> fields;
  std::size_t from = 0;
  for (std::size_t comma = text.find(u','); comma != Text::npos; comma = text.find(u',', from)) {
    fields.push_back(text.substr(from, comma - from));
    from = comma + 1;
  }
  fields.push_back(text.substr(from));
  if (fields.size() != 4 || fields[0].empty() || fields[2].empty()) return std::nullopt;
  for (const char16_t ch : fields[2]) {
    if (ch < u'0' || ch > u'9') return std::nullopt;
  }
  return LockHolder{fields[0], fields[1], fields[2], fields[3]};
}

}  // namespace gdf
