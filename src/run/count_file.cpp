// count_file.cpp - Writing of CNT.TXT.
#include "run/count_file.h"

#include <algorithm>
#include <vector>

#include "common/print_file.h"
#include "common/routines.h"

namespace gdf {

void WriteCountFile(RunContext& context) {
  PrintFile file(context.fs, context.RecordPath(u"CNT.TXT"));
  // A fresh piece array for this split, so that a short path gives empty pieces.
  const std::int16_t n = CountDelimiters(context.validatedTarget, u"\\");
  std::vector<Text> pieces(std::max<std::size_t>(static_cast<std::size_t>(n) + 2, 6));
  SplitByDelimiters(context.validatedTarget, u"\\", pieces);
  file.PrintLine(MidBytes(pieces[3], 1, 4));
  file.PrintLine(pieces[4]);
  file.PrintLine(pieces[5]);
  file.PrintLine(u"4   ");
  file.PrintLine(u"1");
  for (int line = 6; line <= 10; ++line) file.PrintLine();
  context.CloseRecordFile(file, u"CNT.TXT");
}

}  // namespace gdf
