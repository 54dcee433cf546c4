#include "platform/fonts_config.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

#include "platform/device.h"

extern char** environ;

namespace orvelle {
namespace {

std::string CannotRead(int error) {
  return "cannot be read (" + std::string(std::strerror(error)) + ")";
}

// What a path is, for a line, when it is neither a regular file nor a folder.
std::string KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a file";
}

// Why `path` cannot be reached, from the error that looking at it gave.
std::string Unreachable(const std::string& path, int error) {
  struct stat link;
  if (error == ENOENT || error == ENOTDIR) {
    // Only where nothing is there is it missing; a link to nothing is a link.
    if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
      return "is a link to a missing file";
    }
    return "is missing";
  }
  return CannotRead(error);
}

// The names the programs select. The project's configuration gives each a face of its own.
constexpr const char* kNames[] = {kStartFont, kGothicFont, kLetterFont, kEllFont};

// The family a configuration gives for a name first.
std::string FamilyFor(FcConfig* config, const char* name) {
  FcPattern* p = FcPatternCreate();
  FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
  FcConfigSubstitute(config, p, FcMatchPattern);
  FcChar8* family = nullptr;
  std::string result;
  if (FcPatternGetString(p, FC_FAMILY, 0, &family) == FcResultMatch && family) {
    result = reinterpret_cast<const char*>(family);
  }
  FcPatternDestroy(p);
  return result;
}

// What is wrong with a configuration loaded, or "": fonts found, and the lessons' names mapped.
std::string Unmapped(FcConfig* config) {
  const FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
  if (!fonts || fonts->nfont == 0) return "finds no fonts";
  std::vector<std::string> unmapped;
  for (const char* name : kNames) {
    if (FamilyFor(config, name) == name) unmapped.push_back("\"" + std::string(name) + "\"");
  }
  if (unmapped.empty()) return "";
  std::string names = unmapped[0];
  for (size_t i = 1; i < unmapped.size(); ++i) {
    names += (i + 1 == unmapped.size() ? " and " : ", ") + unmapped[i];
  }
  return "loads but leaves the lessons' font name" + std::string(unmapped.size() > 1 ? "s " : " ") +
         names + " unmapped";
}

// What the child does: loads the configuration as the program will and matches every name and
// style the lessons select, before its verdict on the names: fontconfig's rules run as it
// matches, and crash there.
std::string TrialOf(const std::string& path) {
  FcConfig* config = path.empty() ? FcInitLoadConfigAndFonts() : FcConfigCreate();
  if (!config) return "cannot be used";
  if (!path.empty()) {
    if (!FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(path.c_str()), FcTrue)) {
      return "cannot be parsed";
    }
    if (!FcConfigBuildFonts(config)) return "cannot be used";
  }
  for (const char* name : kNames) {
    for (const int style : {0, 1, 2, 3}) {
      FcPattern* pattern = LessonPattern(config, name, style & 1, style & 2);
      FcResult result;
      if (FcPattern* font = FcFontMatch(config, pattern, &result)) FcPatternDestroy(font);
      FcPatternDestroy(pattern);
    }
  }
  return path.empty() ? "" : Unmapped(config);
}

// The environment variable that tells a fresh process of the program to run a trial before its
// main: "FD:PATH", FD the pipe for its verdict.
constexpr const char* kTrialVariable = "ORVELLE_FONTS_TRIAL";

// The child's side. Its verdict goes to the parent as "V<problem>\n", or "M\n" where it ran out
// of the memory it was given.
struct Child {
  int verdict = -1;
  long startKiB = 0;             // its address space when the trial began
  long roomKiB = 0;              // what its limit leaves it over that
  char outOfMemory[32] = "M\n";  // its verdict then: "M<MiB of room>\n"
};
Child child;

// A figure of /proc/self/status in KiB, read with system calls alone, as a fatal signal's handler
// reads it; -1 where it cannot be read.
long StatusKiB(const char* key) {
  char text[8192];
  const int fd = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  const ssize_t n = read(fd, text, sizeof text - 1);
  close(fd);
  if (n <= 0) return -1;
  text[n] = '\0';
  const char* at = std::strstr(text, key);
  if (!at) return -1;
  long kib = 0;
  for (at += std::strlen(key); *at == ' ' || *at == '\t'; ++at) {
  }
  for (; *at >= '0' && *at <= '9'; ++at) kib = kib * 10 + (*at - '0');
  return kib;
}

// Whether the child's address space grew past half the room its limit leaves: a sound
// configuration takes a few MiB, so a trial that failed after that failed for want of memory (an
// allocation of fontconfig's past the limit, which it may take for a fault, or crash on).
bool OutOfMemory() {
  return child.roomKiB > 0 && StatusKiB("VmPeak:") - child.startKiB > child.roomKiB / 2;
}

void SayIfOutOfMemory() {
  if (OutOfMemory() &&
      write(child.verdict, child.outOfMemory, std::strlen(child.outOfMemory)) < 0) {
    return;
  }
}

// On a fatal signal: says so where memory ran out, and ends the child by the same signal (the
// handler is reset by then).
void OnFatalSignal(int number) {
  SayIfOutOfMemory();
  raise(number);
}

void Limit(int resource, rlim_t soft, rlim_t hard) {
  const rlimit limit{soft, hard};
  setrlimit(resource, &limit);
}

[[noreturn]] void RunTrial(int verdict, const std::function<std::string()>& work) {
  child.verdict = verdict;
  child.startKiB = StatusKiB("VmSize:");
  Limit(RLIMIT_CPU, kTrialCpuSeconds, kTrialCpuSeconds + 1);
  if (child.startKiB > 0) {
    const rlim_t bytes = static_cast<rlim_t>(child.startKiB + kTrialMiB * 1024) * 1024;
    Limit(RLIMIT_AS, bytes, bytes);  // or less, where this process was given less (ulimit -v)
    rlimit given{};
    getrlimit(RLIMIT_AS, &given);
    child.roomKiB = std::min(given.rlim_cur, bytes) / 1024 - child.startKiB;
    std::snprintf(child.outOfMemory, sizeof child.outOfMemory, "M%ld\n", child.roomKiB / 1024);
  }
  Limit(RLIMIT_CORE, 0, 0);  // a crash leaves no core file behind
  // A stack of its own for the handler: fontconfig's recursion can overflow the child's.
  static char handlerStack[1 << 16];
  stack_t stack{};
  stack.ss_sp = handlerStack;
  stack.ss_size = sizeof handlerStack;
  sigaltstack(&stack, nullptr);
  struct sigaction fatal {};
  fatal.sa_handler = OnFatalSignal;
  fatal.sa_flags = SA_ONSTACK | SA_RESETHAND;
  for (const int number : {SIGSEGV, SIGBUS, SIGABRT, SIGILL, SIGFPE}) {
    sigaction(number, &fatal, nullptr);
  }
  signal(SIGXCPU, SIG_DFL);
  sigset_t all;
  sigfillset(&all);
  sigprocmask(SIG_UNBLOCK, &all, nullptr);
#if defined(__SANITIZE_ADDRESS__)
  // The sanitizer's allocator ends the process with a report, not a signal, when memory runs out.
  __sanitizer_set_death_callback(SayIfOutOfMemory);
#endif
  const std::string problem = work();
  const std::string answer =
      !problem.empty() && OutOfMemory() ? child.outOfMemory : "V" + problem + "\n";
  const bool written =
      write(verdict, answer.data(), answer.size()) == static_cast<ssize_t>(answer.size());
  _exit(written ? 0 : 1);
}

// A trial started anew (TryConfig in a process with threads) runs here, before main, and ends the
// process.
[[maybe_unused]] const bool kRanAsTrial = [] {
  const char* trial = std::getenv(kTrialVariable);
  if (!trial) return false;
  const char* path = std::strchr(trial, ':');
  if (!path) _exit(127);
  const std::string named = path + 1;
  RunTrial(std::atoi(trial), [&] { return TrialOf(named); });
}();

// The parent's side.
using Clock = std::chrono::steady_clock;

int Threads() {
  DIR* tasks = opendir("/proc/self/task");
  if (!tasks) return 0;  // not known: taken as more than one
  int n = 0;
  while (const dirent* e = readdir(tasks)) n += e->d_name[0] != '.';
  closedir(tasks);
  return n;
}

struct Pipe {
  int fd[2] = {-1, -1};
  Pipe() {
    if (pipe2(fd, O_CLOEXEC) != 0) fd[0] = fd[1] = -1;
  }
  ~Pipe() {
    for (const int f : fd) {
      if (f >= 0) close(f);
    }
  }
  void CloseWrite() {
    close(fd[1]);
    fd[1] = -1;
  }
};

// Waits for the child's verdict and stderr, to the deadline, and reaps it, ending it first where
// it is not done. Never waits past the deadline and a second: a child that even SIGKILL does not
// end (stuck in the kernel) is left behind.
Trial Await(pid_t pid, Pipe& verdict, Pipe& said) {
  verdict.CloseWrite();
  said.CloseWrite();
  Clock::time_point deadline = Clock::now() + std::chrono::seconds(kTrialSeconds);
  std::string answer;
  Trial trial;
  constexpr size_t kMostSaid = 4096;
  pollfd fds[2] = {{verdict.fd[0], POLLIN, 0}, {said.fd[0], POLLIN, 0}};
  bool killed = false, cut = false;
  int status = 0;
  for (;;) {
    const Clock::time_point now = Clock::now();
    const bool reading = fds[0].fd >= 0 || fds[1].fd >= 0;
    if (!reading) {
      const pid_t reaped = waitpid(pid, &status, WNOHANG);
      if (reaped == pid || (reaped < 0 && errno != EINTR)) break;
    }
    if (now >= deadline) {
      if (killed) break;
      kill(pid, SIGKILL);
      killed = true;
      deadline = now + std::chrono::seconds(1);
      continue;
    }
    if (!reading) {
      usleep(100);  // the pipes close as the child ends, a moment before it can be reaped
      continue;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
    if (poll(fds, 2, static_cast<int>(left)) <= 0) continue;
    for (pollfd& p : fds) {
      if (p.fd < 0 || !p.revents) continue;
      char buffer[4096];
      const ssize_t n = read(p.fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        p.fd = -1;
      } else if (&p == &fds[0]) {
        if (answer.size() < kMostSaid) answer.append(buffer, static_cast<size_t>(n));
      } else if (trial.said.size() < kMostSaid) {
        trial.said.append(buffer, static_cast<size_t>(n));
      } else {
        cut = true;
      }
    }
  }
  if (cut || trial.said.size() > kMostSaid) {
    trial.said.resize(trial.said.rfind('\n', kMostSaid - 1) + 1);  // npos + 1: nothing
  }
  if (answer.starts_with("M")) {
    trial.problem = "needs more than " + std::to_string(std::atol(answer.c_str() + 1)) + " MiB";
  } else if (answer.starts_with("V") && answer.ends_with("\n")) {
    trial.problem = answer.substr(1, answer.size() - 2);
  } else if (killed) {
    trial.problem = "is not done within " + std::to_string(kTrialSeconds) + " s";
  } else if (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) {
    trial.problem =
        "is not done within " + std::to_string(kTrialCpuSeconds) + " s of processor time";
  } else if (WIFSIGNALED(status)) {
    trial.problem = "crashed fontconfig (signal " + std::to_string(WTERMSIG(status)) + ")";
  } else {
    trial.problem = "ended fontconfig's trial with status " + std::to_string(WEXITSTATUS(status));
  }
  return trial;
}

std::string CannotTry() { return "cannot be tried (" + std::string(std::strerror(errno)) + ")"; }

// A process started anew for the trial, of this same program: the child of a process with
// threads may make no call but the few safe ones before it runs another program.
Trial Anew(const std::string& path) {
  Pipe verdict, said;
  if (verdict.fd[0] < 0 || said.fd[0] < 0) return {CannotTry()};
  std::vector<std::string> variables;
  for (char** e = environ; *e; ++e) {
    if (!std::string_view(*e).starts_with(std::string(kTrialVariable) + "=")) {
      variables.emplace_back(*e);
    }
  }
  variables.push_back(std::string(kTrialVariable) + "=" + std::to_string(verdict.fd[1]) + ":" +
                      path);
  std::vector<char*> envp;
  for (std::string& v : variables) envp.push_back(v.data());
  envp.push_back(nullptr);
  char name[] = "orvelle-fonts-trial";
  char* argv[] = {name, nullptr};
  const pid_t pid = fork();
  if (pid < 0) return {CannotTry()};
  if (pid == 0) {
    if (dup2(said.fd[1], STDERR_FILENO) >= 0 && fcntl(verdict.fd[1], F_SETFD, 0) == 0) {
      execve("/proc/self/exe", argv, envp.data());
    }
    _exit(127);
  }
  Trial trial = Await(pid, verdict, said);
  trial.anew = true;
  return trial;
}

}  // namespace

std::string FirstLook(FcConfig* config, const std::string& path) {
  const FcChar8* root = FcConfigGetSysRoot(config);
  const std::string sysroot = root ? reinterpret_cast<const char*>(root) : "";
  const std::string found = path.starts_with(sysroot) ? path : sysroot + path;
  const std::string where = found == path ? "" : "(" + found + " under FONTCONFIG_SYSROOT) ";
  struct stat info;
  if (stat(found.c_str(), &info) != 0) return where + Unreachable(found, errno);
  if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
    return where + "is " + KindOf(info.st_mode) + ", not a file or folder";
  }
  if (access(found.c_str(), R_OK) != 0) return where + CannotRead(errno);
  return "";
}

std::string LoadConfig(FcConfig* config, const std::string& path) {
  // Complaining, so that a file that does not parse is known: a faulty file loads its part before
  // the fault and says nothing of it otherwise.
  if (!FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(path.c_str()), FcTrue)) {
    return "cannot be parsed";
  }
  if (!FcConfigBuildFonts(config)) return "cannot be used";
  return Unmapped(config);
}

FcPattern* LessonPattern(FcConfig* config, const std::string& name, bool bold, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  // The Gothic face draws every Japanese text: whatever stands in for it must have Japanese.
  if (name == kGothicFont || name == kStartFont) {
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  }
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  return pattern;
}

Trial TryInChild(const std::function<std::string()>& work) {
  Pipe verdict, said;
  if (verdict.fd[0] < 0 || said.fd[0] < 0) return {CannotTry()};
  const pid_t pid = fork();
  if (pid < 0) return {CannotTry()};
  if (pid == 0) {
    if (dup2(said.fd[1], STDERR_FILENO) < 0) _exit(127);
    RunTrial(verdict.fd[1], work);
  }
  return Await(pid, verdict, said);
}

Trial TryConfig(const std::string& path) {
  if (Threads() != 1) return Anew(path);
  return TryInChild([&] { return TrialOf(path); });
}

std::string FontsLine(const std::string& path, const std::string& problem,
                      const std::string& systemProblem) {
  const std::string line = "fonts: " + path + " " + problem;
  if (systemProblem.empty()) return line + "; using the system's fonts";
  const char* file = std::getenv("FONTCONFIG_FILE");
  return line + ", and the system's " + (file && *file ? file : "/etc/fonts/fonts.conf") + " " +
         systemProblem + "; cannot show the lessons";
}

}  // namespace orvelle
