// hold_lock.cpp - gdfconv_hold_lock FILE [LINE]: another program that holds the pattern-data
// folder's lock, for the tests of a run that waits. It opens (or makes) FILE, writes LINE with CR
// LF as its whole content when one is given (an empty LINE empties it), locks the byte a run
// locks with a plain fcntl lock, says "held" on stdout, and waits until it is killed.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gdfconv_hold_lock FILE [LINE]\n");
    return 2;
  }
  const int fd = ::open(argv[1], O_RDWR | O_CREAT, 0666);
  if (fd < 0) {
    std::perror(argv[1]);
    return 1;
  }
  struct flock byte {};
  byte.l_type = F_WRLCK;
  byte.l_whence = SEEK_SET;
  byte.l_start = 0x40000000;
  byte.l_len = 1;
  if (::fcntl(fd, F_SETLKW, &byte) != 0) {
    std::perror("fcntl");
    return 1;
  }
  if (argc > 2) {
    const std::string line = argv[2][0] == '\0' ? "" : std::string(argv[2]) + "\r\n";
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, line.data(), line.size(), 0) < 0) {
      std::perror("write");
      return 1;
    }
  }
  std::printf("held\n");
  std::fflush(stdout);
  for (;;) ::pause();
}
