// print_file.cpp - Buffered print statements to a code page 932 file, and whole-line appends.
#include "common/print_file.h"

#include "common/cp932.h"
#include "common/errors.h"

namespace gdf {
namespace {

constexpr std::size_t kFlushSize = 1 << 16;

[[noreturn]] void ThrowWrite(const Text& path, const FileError& error) {
  throw RunError(FailureKind::kCannotWrite, Say(MessageId::kCannotWriteFile, {ReasonOf(error)}),
                 path);
}

}  // namespace

PrintFile::PrintFile(FileSystem& fs, Text path, OpenMode mode) : path_(std::move(path)) {
  FileError error;
  file_ = fs.Open(path_, mode, error);
  if (!file_) ThrowWrite(path_, error);
}

PrintFile::~PrintFile() {
  if (!file_) return;
  FileError ignored;
  // Closing after a failure: keep what can be kept, report nothing.
  if (file_->Write(buffer_, ignored)) buffer_.clear();
  file_->Close(ignored);
}

void PrintFile::Print(TextView item) {
  Cp932EncodeAppend(item, buffer_);
  if (buffer_.size() >= kFlushSize) Flush();
}

void PrintFile::PrintLine(TextView item) {
  Cp932EncodeAppend(item, buffer_);
  buffer_ += "\r\n";
  ++lines_;
  if (buffer_.size() >= kFlushSize) Flush();
}

void PrintFile::Flush() {
  FileError error;
  if (!file_->Write(buffer_, error)) ThrowWrite(path_, error);
  bytes_ += static_cast<std::int64_t>(buffer_.size());
  buffer_.clear();
}

void PrintFile::Close() {
  Flush();
  FileError error;
  auto file = std::move(file_);
  if (!file->Close(error)) ThrowWrite(path_, error);
}

void AppendBytes(FileSystem& fs, TextView path, std::string_view bytes) {
  FileError error;
  auto file = fs.Open(path, OpenMode::kAppend, error);
  if (!file) ThrowWrite(Text(path), error);
  const std::int64_t before = file->Size();
  if (!file->Write(bytes, error)) {
    FileError ignored;
    if (before >= 0) file->Truncate(before, ignored);
    file->Close(ignored);
    ThrowWrite(Text(path), error);
  }
  if (!file->Close(error)) ThrowWrite(Text(path), error);
}

bool EndsWithLineEnd(const std::string& content) {
  return content.empty() || content.back() == '\n' || content.back() == '\r';
}

}  // namespace gdf
