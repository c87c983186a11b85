// utility_library.cpp - Counterparts of the system directory, right trim, occurrence count and
// file size services.
#include "common/utility_library.h"

#include "platform/file_system.h"

namespace gdf {

std::int32_t InCount(TextView text, TextView what) {
  if (what.empty()) return 0;
  std::int32_t count = 0;
  for (std::size_t pos = text.find(what); pos != TextView::npos;
       pos = text.find(what, pos + what.size())) {
    ++count;
  }
  return count;
}

Text QPRTrim(TextView text) { return TrimRightOf(text, TextView(u" \0", 2)); }

Text SysDir(const FileSystem& fs, const std::string& hostFolder) {
  return fs.FromHost(hostFolder).value_or(Text());
}

std::int64_t FileSize(const FileSystem& fs, TextView path) {
  const std::int64_t size = fs.Size(path);
  return size < 0 ? 0 : size;
}

}  // namespace gdf
