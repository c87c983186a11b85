// title_files.cpp - Writing of the title files, with write errors absorbed.
#include "run/title_files.h"

#include "common/errors.h"
#include "common/print_file.h"

namespace gdf {
namespace {

void WriteTitleFile(RunContext& context, const Text& folder, TextView name,
                    const std::vector<Text>& list, std::size_t entries) {
  PrintFile file(context.fs, folder + Text(name));
  for (std::size_t entry = 1; entry <= entries; ++entry) {
    file.PrintLine(entry < list.size() ? Trim(list[entry]) : Text());
  }
  context.CloseRecordFile(file, name);
}

}  // namespace

void WriteTitleFiles(RunContext& context, const std::vector<Text>& list1,
                     const std::vector<Text>& list2, TextView folder) {
  Text path(folder);
  if (path.empty() || path.back() != u'\\') path.push_back(u'\\');
  try {
    WriteTitleFile(context, path, u"Titl01.txt", list1, kTitleList1Size);
    WriteTitleFile(context, path, u"Titl02.txt", list2, kTitleList2Size);
  } catch (const RunError&) {
    // The title files are a courtesy to the drawing system: the run goes on without them.
  }
}

}  // namespace gdf
