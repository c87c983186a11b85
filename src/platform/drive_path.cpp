// drive_path.cpp - Drive paths as text.
#include "platform/drive_path.h"

namespace gdf::drive_path {

std::vector<Text> SplitParts(TextView below) {
  std::vector<Text> parts;
  Text current;
  const auto flush = [&] {
    if (current == u".") {
      // the folder itself
    } else if (current == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else {
      // Windows drops trailing blanks and dots of every name.
      current = TrimRightOf(current, u" .");
      if (!current.empty()) parts.push_back(current);
    }
    current.clear();
  };
  for (const char16_t ch : below) {
    if (IsSeparator(ch)) {
      flush();
    } else {
      current.push_back(ch);
    }
  }
  flush();
  return parts;
}

Text Join(char16_t drive, const std::vector<Text>& parts) {
  Text out{drive, u':', u'\\'};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out.push_back(u'\\');
    out += parts[i];
  }
  return out;
}

std::optional<Text> Absolute(TextView raw, const Whereabouts& where) {
  const Text path = Trim(raw);
  if (path.empty()) return std::nullopt;
  char16_t drive = where.currentDrive;
  std::size_t pos = 0;
  if (path.size() >= 2 && path[1] == u':') {
    if (!IsAsciiLetter(path[0])) return std::nullopt;
    drive = AsciiUpper(path[0]);
    pos = 2;
  } else if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    return std::nullopt;  // a network path
  }
  if (!where.isDrive(drive)) return std::nullopt;
  Text below;
  if (pos >= path.size() || !IsSeparator(path[pos])) {
    below = where.currentBelow(drive);
    below.push_back(u'\\');
  }
  below.append(path.substr(pos));
  return Join(drive, SplitParts(below));
}

}  // namespace gdf::drive_path
