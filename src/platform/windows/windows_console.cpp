// windows_console.cpp - The console of a Windows program: UTF-8 written through the console's
// wide API, whatever its code page; bytes as they are to a file or a pipe.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <streambuf>
#include <string>

#include "platform/console.h"
#include "text/text.h"

namespace gdf {

bool StandardInputIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

bool StandardErrorIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

bool ConsoleClosesAtExit() {
  DWORD processes[2];
  return StandardInputIsTerminal() && GetConsoleProcessList(processes, 2) == 1;
}

void WaitForKey() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  FlushConsoleInputBuffer(input);
  INPUT_RECORD record;
  DWORD read = 0;
  while (ReadConsoleInputW(input, &record, 1, &read) != 0 && read == 1) {
    if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) return;
  }
}

namespace {

// UTF-8 in, UTF-16 out to a console: whole characters at a time, whatever the console's code
// page.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {}

 protected:
  int_type overflow(int_type ch) override {
    if (ch != traits_type::eof()) {
      pending_.push_back(static_cast<char>(ch));
      if (ch == '\n' || pending_.size() >= 4096) Flush();
    }
    return traits_type::not_eof(ch);
  }
  std::streamsize xsputn(const char* data, std::streamsize size) override {
    pending_.append(data, static_cast<std::size_t>(size));
    if (pending_.find('\n') != std::string::npos || pending_.size() >= 4096) Flush();
    return size;
  }
  int sync() override {
    Flush();
    return 0;
  }

 private:
  void Flush() {
    // Keep an unfinished UTF-8 sequence at the end for the next write.
    std::size_t end = pending_.size();
    std::size_t start = end;
    while (start > 0 && end - start < 4 &&
           (static_cast<unsigned char>(pending_[start - 1]) & 0xC0) == 0x80) {
      --start;
    }
    if (start > 0) {
      const auto lead = static_cast<unsigned char>(pending_[start - 1]);
      const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      if (length > 1 && end - (start - 1) < length) end = start - 1;
    }
    const Text text = FromUtf8(std::string_view(pending_).substr(0, end));
    std::size_t done = 0;
    while (done < text.size()) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 8192));
      if (!WriteConsoleW(console_, text.data() + done, chunk, &written, nullptr) || written == 0) {
        break;
      }
      done += written;
    }
    pending_.erase(0, end);
  }

  HANDLE console_;
  std::string pending_;
};

void PrepareStream(std::ostream& stream, DWORD which, FILE* file) {
  const HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
    static ConsoleBuffer* buffers[2] = {nullptr, nullptr};
    ConsoleBuffer*& buffer = buffers[which == STD_OUTPUT_HANDLE ? 0 : 1];
    if (buffer == nullptr) buffer = new ConsoleBuffer(handle);  // lives as long as the process
    stream.rdbuf(buffer);
  } else {
    // A file or a pipe: UTF-8 bytes, lines ended as on every other system.
    std::fflush(file);
    _setmode(_fileno(file), _O_BINARY);
  }
}

}  // namespace

void PrepareStandardStreams() {
  PrepareStream(std::cout, STD_OUTPUT_HANDLE, stdout);
  PrepareStream(std::cerr, STD_ERROR_HANDLE, stderr);
}

}  // namespace gdf
