// path_validation.cpp - The target path check: drive, blanks and wildcards, the drive's
// readiness, doubled separators and the eight-dot-three rule for names with a dot.
#include "common/path_validation.h"

#include "common/errors.h"
#include "common/front_end.h"
#include "common/messages.h"
#include "common/platform.h"
#include "common/routines.h"

namespace gdf {
namespace {

// The rule for one name between two backslashes.
bool NameAcceptable(TextView part) {
  const std::size_t dot = part.find(u'.');
  if (dot == TextView::npos) return true;
  const std::size_t d = dot + 1;  // character position of the first dot, from 1
  if (d > 9) return false;
  try {
    const std::size_t n = static_cast<std::size_t>(ByteLen(part));
    if (n > d + 3) return false;
  } catch (const RunError&) {
    // A name too long to measure: this step is passed over, as every error after the first
    // check is.
  }
  return part.find(u'.', dot + 1) == TextView::npos;
}

}  // namespace

bool ValidatePath(Text& path, FileSystem& fs, FrontEnd& ui) {
  path = Trim(path);
  if (MidBytes(path, 2, 1) != u":") {
    ui.ShowMessage({messages::kBadDrive, MessageIcon::kInformation, {}});
    return false;
  }
  if (path.find_first_of(u"*? ") != Text::npos) return false;
  if (path.size() > 2 && path[2] != u'\\') path.insert(2, u"\\");
  if (!fs.SetCurrentDrive(path[0])) return false;
  if (path.back() != u'\\') path.push_back(u'\\');
  if (path.size() == 3) return true;  // the root of a drive
  if (path.find(u"\\\\") != Text::npos) return false;
  std::size_t start = 3;  // after the backslash at character 3
  for (std::size_t next = path.find(u'\\', start); next != Text::npos;
       start = next + 1, next = path.find(u'\\', start)) {
    if (!NameAcceptable(TextView(path).substr(start, next - start))) return false;
  }
  return true;
}

}  // namespace gdf
