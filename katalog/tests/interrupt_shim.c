// Preloaded into a katalog run (LD_PRELOAD), it stands in for what may happen
// to the run at any moment: it counts the calls that change the file system,
// and at the one that KATALOG_STOP_AT names it acts as KATALOG_STOP_HOW says:
//   kill  the process ends at once, as by kill -9;
//   int, term  the process gets SIGINT or SIGTERM, as by Ctrl-C or kill;
//   swap  the run's working folder in KATALOG_OUT is moved away and a link to
//         KATALOG_VICTIM put in its place, as another program could.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static atomic_long calls;

static void Swap(void) {
  const char* out = getenv("KATALOG_OUT");
  const char* victim = getenv("KATALOG_VICTIM");
  if (out == NULL || victim == NULL) return;
  char work[4096], away[4200];
  snprintf(work, sizeof work, "%s/.in-arbeit-linux-%ld", out, (long)getpid());
  snprintf(away, sizeof away, "%s-weg", work);
  if (rename(work, away) == 0) symlink(victim, work);
}

static void Count(void) {
  const char* at = getenv("KATALOG_STOP_AT");
  if (at == NULL || atomic_fetch_add(&calls, 1) + 1 != atol(at)) return;
  const char* how = getenv("KATALOG_STOP_HOW");
  if (how == NULL || strcmp(how, "kill") == 0) raise(SIGKILL);
  else if (strcmp(how, "int") == 0) raise(SIGINT);
  else if (strcmp(how, "term") == 0) raise(SIGTERM);
  else if (strcmp(how, "swap") == 0) Swap();
}

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

int mkdirat(int dir, const char* path, mode_t mode) {
  Count();
  return NEXT(mkdirat)(dir, path, mode);
}

int unlinkat(int dir, const char* path, int flags) {
  Count();
  return NEXT(unlinkat)(dir, path, flags);
}

int renameat(int from, const char* old, int to, const char* new) {
  Count();
  return NEXT(renameat)(from, old, to, new);
}

int renameat2(int from, const char* old, int to, const char* new, unsigned flags) {
  Count();
  return NEXT(renameat2)(from, old, to, new, flags);
}

int linkat(int from, const char* old, int to, const char* new, int flags) {
  Count();
  return NEXT(linkat)(from, old, to, new, flags);
}

static int OpenAt(int (*next)(int, const char*, int, ...), int dir, const char* path, int flags,
                  va_list rest) {
  mode_t mode = 0;
  if (flags & O_CREAT) {
    mode = va_arg(rest, mode_t);
    Count();
  }
  return next(dir, path, flags, mode);
}

int openat(int dir, const char* path, int flags, ...) {
  va_list rest;
  va_start(rest, flags);
  const int fd = OpenAt(NEXT(openat), dir, path, flags, rest);
  va_end(rest);
  return fd;
}

int openat64(int dir, const char* path, int flags, ...) {
  va_list rest;
  va_start(rest, flags);
  const int fd = OpenAt(NEXT(openat64), dir, path, flags, rest);
  va_end(rest);
  return fd;
}
