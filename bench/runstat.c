/* Runs a command several times and prints one line per run: wall seconds,
 * CPU seconds (user + sys) and peak RSS in KB.
 *
 * usage: runstat [--status=N] RUNS STDOUT_FILE cmd args...
 *
 * --status=N takes exit status N as success as well (a driver run that does
 * all its work and then reports that the program is too large to load).
 * The figures come from wait4() on the child, with microsecond resolution
 * (GNU time only resolves 10 ms, too coarse for the small cases).  The
 * helper is a small C program on purpose: a forked child starts with its
 * parent's resident pages counted in its peak RSS, so a bigger parent (a
 * script interpreter) would raise the floor of every RSS figure.
 * The command's standard output goes to STDOUT_FILE (rewritten every run),
 * its standard error to STDOUT_FILE.err.  Exits 1 if any run fails. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

int main(int argc, char** argv) {
  int accepted = 0;
  if (argc > 1 && strncmp(argv[1], "--status=", 9) == 0) {
    accepted = atoi(argv[1] + 9);
    argv++;
    argc--;
  }
  if (argc < 4) {
    fprintf(stderr, "usage: runstat [--status=N] RUNS STDOUT_FILE cmd args...\n");
    return 2;
  }
  int runs = atoi(argv[1]);
  char errName[4096];
  snprintf(errName, sizeof errName, "%s.err", argv[2]);
  for (int i = 0; i < runs; i++) {
    double start = now();
    pid_t pid = fork();
    if (pid < 0) return perror("fork"), 1;
    if (pid == 0) {
      int out = open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0644);
      int err = open(errName, O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (out < 0 || err < 0) _exit(127);
      dup2(out, 1);
      dup2(err, 2);
      execvp(argv[3], argv + 3);
      _exit(127);
    }
    int status;
    struct rusage ru;
    if (wait4(pid, &status, 0, &ru) < 0) return perror("wait4"), 1;
    double wall = now() - start;
    if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != accepted)) {
      fprintf(stderr, "FAILED (status %d): %s, see %s\n", status, argv[3], errName);
      return 1;
    }
    double cpu = ru.ru_utime.tv_sec + ru.ru_utime.tv_usec / 1e6 + ru.ru_stime.tv_sec +
                 ru.ru_stime.tv_usec / 1e6;
    printf("%.4f %.4f %ld\n", wall, cpu, ru.ru_maxrss);
    fflush(stdout);
  }
  return 0;
}
