// path_validation.cpp - The target path check: drive, blanks and wildcards, the drive's
// readiness, doubled separators and the eight-dot-three rule for names with a dot.
#include "common/path_validation.h"

#include "common/errors.h"
#include "common/front_end.h"
#include "common/routines.h"
#include "messages/system_texts.h"
#include "platform/file_system.h"
#include "text/letter_case.h"

namespace gdf {
namespace {

// The rule for one name between two backslashes.
PathRule NameRule(TextView part) {
  const std::size_t dot = part.find(u'.');
  if (dot == TextView::npos) return PathRule::kAccepted;
  const std::size_t d = dot + 1;  // character position of the first dot, from 1
  if (d > 9) return PathRule::kLongBeforeDot;
  try {
    const std::size_t n = static_cast<std::size_t>(ByteLen(part));
    if (n > d + 3) return PathRule::kLongAfterDot;
  } catch (const RunError&) {
    // A name too long to measure: this step is passed over, as every error after the first
    // check is.
  }
  return part.find(u'.', dot + 1) == TextView::npos ? PathRule::kAccepted : PathRule::kSecondDot;
}

// The name around position `at` of the path: between the backslashes that enclose it.
Text NameAround(const Text& path, std::size_t at) {
  const std::size_t before = path.rfind(u'\\', at);
  const std::size_t start = before == Text::npos ? 0 : before + 1;
  const std::size_t end = path.find(u'\\', at);
  return path.substr(start, end == Text::npos ? Text::npos : end - start);
}

bool Refuse(PathVerdict* verdict, PathRule rule, Text where) {
  if (verdict != nullptr) *verdict = {rule, std::move(where)};
  return false;
}

}  // namespace

bool ValidatePath(Text& path, FileSystem& fs, FrontEnd& ui, PathVerdict* verdict) {
  if (verdict != nullptr) *verdict = {};
  path = Trim(path);
  if (MidBytes(path, 2, 1) != u":") {
    ui.ShowMessage({messages::kBadDrive, MessageIcon::kInformation, {}, {}});
    return Refuse(verdict, PathRule::kNoDrive, path);
  }
  if (const std::size_t at = path.find_first_of(u"*?"); at != Text::npos) {
    return Refuse(verdict, PathRule::kWildcard, Text(1, path[at]));
  }
  if (const std::size_t at = path.find(u' '); at != Text::npos) {
    return Refuse(verdict, PathRule::kBlank, NameAround(path, at));
  }
  if (path.size() > 2 && path[2] != u'\\') path.insert(2, u"\\");
  if (!fs.SetCurrentDrive(path[0])) {
    bool mapped = false;
    for (const Drive& drive : fs.Drives()) {
      mapped = mapped || drive.letter == AsciiUpper(path[0]);
    }
    return Refuse(verdict, mapped ? PathRule::kDriveNotReady : PathRule::kDriveNotMapped,
                  Text(1, AsciiUpper(path[0])));
  }
  if (path.back() != u'\\') path.push_back(u'\\');
  if (path.size() == 3) return true;  // the root of a drive
  if (const std::size_t at = path.find(u"\\\\"); at != Text::npos) {
    return Refuse(verdict, PathRule::kDoubledSeparator, path.substr(0, at));
  }
  std::size_t start = 3;  // after the backslash at character 3
  for (std::size_t next = path.find(u'\\', start); next != Text::npos;
       start = next + 1, next = path.find(u'\\', start)) {
    const Text part = path.substr(start, next - start);
    const PathRule rule = NameRule(part);
    if (rule != PathRule::kAccepted) return Refuse(verdict, rule, part);
  }
  return true;
}

std::vector<CatalogueMessage> ExplainPathVerdict(const PathVerdict& verdict) {
  const auto said = [&](MessageId id) { return Say(id, {verdict.where}); };
  switch (verdict.rule) {
    case PathRule::kAccepted:
      return {};
    case PathRule::kNoDrive:
      return {Say(MessageId::kPathNoDrive)};
    case PathRule::kWildcard:
      return {said(MessageId::kPathWildcard)};
    case PathRule::kDriveNotMapped:
      return {said(MessageId::kPathDriveNotMapped)};
    case PathRule::kDriveNotReady:
      return {said(MessageId::kPathDriveNotReady)};
    case PathRule::kDoubledSeparator:
      return {said(MessageId::kPathDoubledSeparator)};
    case PathRule::kBlank:
      return {said(MessageId::kPathBlank), Say(MessageId::kAdviceShortName)};
    case PathRule::kLongBeforeDot:
      return {said(MessageId::kPathLongBeforeDot), Say(MessageId::kAdviceShortName)};
    case PathRule::kLongAfterDot:
      return {said(MessageId::kPathLongAfterDot), Say(MessageId::kAdviceShortName)};
    case PathRule::kSecondDot:
      return {said(MessageId::kPathSecondDot), Say(MessageId::kAdviceShortName)};
  }
  return {};
}

}  // namespace gdf
