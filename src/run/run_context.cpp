// run_context.cpp - Report keeping shared by the stages.
#include "run/run_context.h"

namespace gdf {

void RunContext::CloseRecordFile(PrintFile& file, TextView name) {
  file.Close();
  report.files.push_back({Text(name), file.Path(), file.LinesWritten(), file.BytesWritten()});
}

void RunContext::NoteTableLine(TextView table, TextView code, TextView name) {
  report.added.push_back({Text(table), Text(code), Text(name)});
}

}  // namespace gdf
