// text_file.cpp - Lines of a file and the whole-line and field reads over them.
#include "common/text_file.h"

#include <algorithm>
#include <cstring>

#include "common/cp932.h"
#include "common/errors.h"
#include "platform/file_system.h"
#include "text/lines.h"

namespace gdf {

LineFile::LineFile(std::string bytes, Text name)
    : bytes_(std::move(bytes)), name_(std::move(name)) {
  if (bytes_.size() > UINT32_MAX) {
    throw RunError(FailureKind::kCannotOpen, Say(MessageId::kFileTooLarge), name_);
  }
  const auto* data = reinterpret_cast<const unsigned char*>(bytes_.data());
  const auto n = static_cast<std::uint32_t>(bytes_.size());
  if (n == 0) return;
  // Most files end their lines with LF or CR LF: counting LF sizes the index in one go.
  starts_.reserve(static_cast<std::size_t>(std::count(bytes_.begin(), bytes_.end(), '\n')) + 1);
  const auto addLine = [&](std::uint32_t start) {
    if (data[start] == '$') dollarLines_.push_back(static_cast<std::uint32_t>(starts_.size()));
    starts_.push_back(start);
  };
  // One pass splits the lines and checks the code page. CR and LF never occur inside a
  // double-byte character (trail bytes are 0x40 and up), so a bad byte only marks the check
  // failed and the split goes on byte by byte.
  const Cp932ScanTables& scan = Cp932Scan();
  addLine(0);
  std::uint32_t i = 0;
  while (i < n) {
    switch (scan.byteClass[data[i]]) {
      case Cp932ByteClass::kSingle:
        ++i;
        continue;
      case Cp932ByteClass::kLead:
        if (i + 1 < n && scan.PairValid(data[i] * 256u + data[i + 1])) {
          i += 2;
          continue;
        }
        [[fallthrough]];
      case Cp932ByteClass::kInvalid:
        if (firstBad_ == kAllValid) firstBad_ = i;
        ++i;
        continue;
      case Cp932ByteClass::kLineFeed:
      case Cp932ByteClass::kReturn:
        break;
    }
    std::uint32_t next = i + 1;
    if (data[i] == '\r' && next < n && data[next] == '\n') ++next;
    if (next == n) {
      lastTerminated_ = true;
      return;
    }
    addLine(next);
    i = next;
  }
}

std::size_t LineFile::LineEnd(std::size_t index) const {
  // A line ends where the next begins, less its line end (CR LF, LF or CR).
  const std::size_t next = index + 1 < starts_.size() ? starts_[index + 1] : bytes_.size();
  if (index + 1 == starts_.size() && !lastTerminated_) return next;
  std::size_t end = next - 1;
  if (bytes_[end] == '\n' && end > starts_[index] && bytes_[end - 1] == '\r') --end;
  return end;
}

std::string_view LineFile::LineBytes(std::size_t index) const {
  return std::string_view(bytes_).substr(starts_[index], LineEnd(index) - starts_[index]);
}

Text LineFile::Line(std::size_t index) const {
  Text out;
  DecodeLine(index, out);
  return out;
}

void LineFile::DecodeLine(std::size_t index, Text& out) const {
  // A validated file decodes in one step; elsewhere each bad byte becomes U+FFFD.
  std::string_view bytes = LineBytes(index);
  std::size_t bad = 0;
  // A failed decode leaves in `out` what it decoded before the bad byte.
  if (Cp932Decode(bytes, out, &bad)) return;
  Text piece;
  for (;;) {
    out.push_back(u'\uFFFD');
    bytes.remove_prefix(bad + 1);
    const bool rest = Cp932Decode(bytes, piece, &bad);
    out += piece;
    if (rest) return;
  }
}

bool LineFile::LineStartsWith(std::size_t index, std::string_view prefix) const {
  const std::string_view line = LineBytes(index);
  return line.size() >= prefix.size() &&
         std::memcmp(line.data(), prefix.data(), prefix.size()) == 0;
}

bool LineFile::Validate(std::size_t& badLine, std::size_t& badOffset) const {
  if (firstBad_ == kAllValid) return true;
  badOffset = firstBad_;
  const auto after =
      std::upper_bound(starts_.begin(), starts_.end(), static_cast<std::uint32_t>(firstBad_));
  badLine = static_cast<std::size_t>(after - starts_.begin()) - 1;
  return false;
}

std::optional<std::size_t> LineFile::FirstLineStartingWith(std::string_view prefix) const {
  if (prefix.empty()) return starts_.empty() ? std::nullopt : std::optional<std::size_t>(0);
  if (prefix[0] == '$') {
    for (const std::uint32_t i : dollarLines_) {
      if (LineStartsWith(i, prefix)) return i;
    }
    return std::nullopt;
  }
  for (std::size_t i = 0; i < starts_.size(); ++i) {
    if (LineStartsWith(i, prefix)) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> Utf8Line(const LineFile& file) {
  const std::string_view bytes = file.Bytes();
  std::size_t firstWide = std::string_view::npos;
  if (!IsUtf8(bytes, &firstWide)) return std::nullopt;
  if (firstWide == std::string_view::npos) return std::nullopt;
  for (std::size_t line = 0; line < file.LineCount(); ++line) {
    const std::string_view text = file.LineBytes(line);
    if (static_cast<std::size_t>(text.data() + text.size() - bytes.data()) > firstWide) {
      return line;
    }
  }
  return std::nullopt;
}

void ThrowNotCodePage932(const LineFile& file, std::size_t badLine, std::size_t badOffset) {
  if (const auto line = Utf8Line(file)) {
    const std::string_view text = file.LineBytes(*line);
    throw RunError(FailureKind::kInvalidEncoding,
                   Say(MessageId::kUtf8Source,
                       {Count(static_cast<std::int64_t>(*line + 1)), FromUtf8(std::string(text))}),
                   file.Name(), static_cast<int>(*line + 1));
  }
  throw RunError(FailureKind::kInvalidEncoding,
                 Say(MessageId::kNotCodePage932, {Count(static_cast<std::int64_t>(badOffset))}),
                 file.Name(), static_cast<int>(badLine + 1));
}

LineFile LoadLineFile(const FileSystem& fs, TextView path) {
  FileError error;
  auto bytes = fs.ReadAll(path, error);
  if (!bytes) {
    throw RunError(FailureKind::kCannotOpen, Say(MessageId::kCannotReadFile, {ReasonOf(error)}),
                   Text(path));
  }
  LineFile file(std::move(*bytes), Text(path));
  std::size_t badLine = 0;
  std::size_t badOffset = 0;
  if (!file.Validate(badLine, badOffset)) ThrowNotCodePage932(file, badLine, badOffset);
  return file;
}

TextReader::TextReader(const LineFile& file, std::size_t firstLine)
    : file_(&file), line_(firstLine) {}

const Text& TextReader::Current() {
  if (cachedLine_ != line_) {
    file_->DecodeLine(line_, cached_);
    cachedLine_ = line_;
  }
  return cached_;
}

bool TextReader::AtEnd() const {
  const std::size_t count = file_->LineCount();
  if (line_ >= count) return true;
  if (line_ + 1 == count && column_ > 0 && !file_->LastLineTerminated() && !afterComma_) {
    // Only the unterminated rest of the last line is left; after a comma an empty field is.
    return column_ >= (cachedLine_ == line_ ? cached_.size() : file_->Line(line_).size());
  }
  return false;
}

void TextReader::ThrowPastEnd() const {
  throw RunError(
      FailureKind::kReadPastEnd,
      Say(MessageId::kReadPastEnd, {Count(static_cast<std::int64_t>(file_->LineCount()))}),
      file_->Name(), static_cast<int>(file_->LineCount() + 1));
}

void TextReader::StopBefore(std::size_t line, RunFailure failure) {
  stopLine_ = line;
  stopFailure_ = std::move(failure);
}

void TextReader::CheckCanRead() const {
  if (line_ >= stopLine_ && stopFailure_) throw RunError(*stopFailure_);
  if (AtEnd()) ThrowPastEnd();
}

Text TextReader::ReadLine() {
  CheckCanRead();
  Text out;
  if (column_ == 0 && cachedLine_ != line_) {
    file_->DecodeLine(line_, out);  // a whole line not yet read: no copy through the cache
  } else {
    const Text& line = Current();
    out = line.substr(std::min(column_, line.size()));
  }
  lastLine_ = line_;
  ++line_;
  column_ = 0;
  afterComma_ = false;
  return out;
}

Text TextReader::ReadField() {
  CheckCanRead();
  const Text& line = Current();
  std::size_t pos = column_;
  while (pos < line.size() && line[pos] == u' ') ++pos;
  Text field;
  lastLine_ = line_;
  if (pos < line.size() && line[pos] == u'"') {
    const std::size_t close = line.find(u'"', pos + 1);
    const std::size_t end = close == Text::npos ? line.size() : close;
    field = line.substr(pos + 1, end - pos - 1);
    pos = close == Text::npos ? line.size() : close + 1;
    // Anything between the closing quote and the next comma is passed over.
    const std::size_t comma = line.find(u',', pos);
    pos = comma == Text::npos ? line.size() : comma;
  } else {
    const std::size_t comma = line.find(u',', pos);
    const std::size_t end = comma == Text::npos ? line.size() : comma;
    field = TrimRight(TextView(line).substr(pos, end - pos));
    pos = end;
  }
  afterComma_ = pos < line.size();
  if (afterComma_) {
    column_ = pos + 1;  // past the comma
  } else {
    ++line_;  // the line end ends the field
    column_ = 0;
  }
  return field;
}

void TextReader::SkipBlankLines() {
  while (column_ == 0 && line_ < file_->LineCount()) {
    if (!IsBlankLine(file_->LineBytes(line_))) return;
    ++line_;
  }
}

bool ReadsBackPlain(TextView text) {
  if (text.empty()) return true;
  return text.find(u',') == TextView::npos && text.front() != u'"' && text.front() != u' ' &&
         text.back() != u' ';
}

}  // namespace gdf
