// Preloaded into the console program by tst_stapel: open() with O_TMPFILE
// fails as on vfat, exFAT, NFS or CIFS, everything else reaches the kernel.
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <sys/syscall.h>
#include <unistd.h>

static int oeffnen(const char* pfad, int flags, va_list rest) {
  if ((flags & O_TMPFILE) == O_TMPFILE) {
    errno = EOPNOTSUPP;
    return -1;
  }
  const int modus = flags & O_CREAT ? va_arg(rest, int) : 0;
  return (int)syscall(SYS_openat, AT_FDCWD, pfad, flags, modus);
}
int open(const char* pfad, int flags, ...) {
  va_list rest;
  va_start(rest, flags);
  const int deskriptor = oeffnen(pfad, flags, rest);
  va_end(rest);
  return deskriptor;
}
int open64(const char* pfad, int flags, ...) __attribute__((alias("open")));
