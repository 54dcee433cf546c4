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
#include "platform/fonts.h"

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

// Loads the configuration into `config`. Complaining, so that a file that does not parse is
// known: a faulty file loads its part before the fault and says nothing of it otherwise.
std::string Parsed(FcConfig* config, const std::string& path) {
  if (!FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(path.c_str()), FcTrue)) {
    return "cannot be parsed";
  }
  return FcConfigBuildFonts(config) ? "" : "cannot be used";
}

// What the child does: loads the configuration as the program will and matches every name and
// style the lessons select, before its verdict on the names: fontconfig's rules run as it
// matches, and crash there.
std::string TrialOf(const std::string& path) {
  FcConfig* config = path.empty() ? FcInitLoadConfigAndFonts() : FcConfigCreate();
  if (!config) return "cannot be used";
  if (std::string problem = path.empty() ? "" : Parsed(config, path); !problem.empty()) {
    return problem;
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

// The environment variable that tells a fresh process of the program to run a trial of the
// configuration it names before its main, and the descriptor of the pipe for its verdict.
constexpr const char* kTrialVariable = "ORVELLE_FONTS_TRIAL";
constexpr int kTrialVerdictFd = 198;

// The child's side. Its verdict goes to the parent as "V<problem>\n", or as "M<MiB>\n" where it
// ran out of the memory it was given.
struct Child {
  int verdict = -1;
  long startKiB = 0;             // its address space when the trial began
  long roomKiB = 0;              // what its limit leaves it over that
  char outOfMemory[32] = "M\n";  // its verdict then
};
Child child;

// A figure of /proc/self/status in KiB, read with system calls alone, as a fatal signal's handler
// reads it; -1 where it cannot be read.
long StatusKiB(const char* key) {
  char text[8192];
  const int fd = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
  const ssize_t n = fd < 0 ? -1 : read(fd, text, sizeof text - 1);
  if (fd >= 0) close(fd);
  text[std::max<ssize_t>(n, 0)] = '\0';
  const char* at = std::strstr(text, key);
  if (!at) return -1;
  long kib = 0;
  for (at += std::strlen(key); *at == ' ' || *at == '\t';) ++at;
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
  if (OutOfMemory()) (void)!write(child.verdict, child.outOfMemory, std::strlen(child.outOfMemory));
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
  const stack_t stack{handlerStack, 0, sizeof handlerStack};
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
  _exit(write(verdict, answer.data(), answer.size()) == static_cast<ssize_t>(answer.size()) ? 0
                                                                                            : 1);
}

// A trial started anew (TryConfig in a process with threads) runs here, before main, and ends the
// process.
[[maybe_unused]] const bool kRanAsTrial = [] {
  const char* trial = std::getenv(kTrialVariable);
  if (!trial) return false;
  const std::string path = trial;
  RunTrial(kTrialVerdictFd, [&] { return TrialOf(path); });
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
};

std::string Within(int seconds) { return "is not done within " + std::to_string(seconds) + " s"; }

// What happened to a child, from its verdict and how it ended.
std::string Judged(const std::string& answer, bool killed, int status) {
  if (answer.starts_with("M")) {
    return "needs more than " + answer.substr(1, answer.size() - 2) + " MiB";
  }
  if (answer.starts_with("V") && answer.ends_with("\n")) return answer.substr(1, answer.size() - 2);
  if (killed) return Within(kTrialSeconds);
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) {
    return Within(kTrialCpuSeconds) + " of processor time";
  }
  if (WIFSIGNALED(status)) {
    return "crashed fontconfig (signal " + std::to_string(WTERMSIG(status)) + ")";
  }
  return "ended fontconfig's trial with status " + std::to_string(WEXITSTATUS(status));
}

std::string CannotTry() { return "cannot be tried (" + std::string(std::strerror(errno)) + ")"; }

// Forks a child that does `inChild` with the write end of the verdict's pipe, its stderr the
// other's, and waits for its verdict and stderr to the deadline. Then reaps it, ending it first
// where it is not done: never more than a second past the deadline (a child that even SIGKILL
// does not end, stuck in the kernel, is left behind).
Trial Forked(const std::function<void(int verdict)>& inChild) {
  Pipe verdict, said;
  if (verdict.fd[0] < 0 || said.fd[0] < 0) return {CannotTry()};
  const pid_t pid = fork();
  if (pid < 0) return {CannotTry()};
  if (pid == 0) {
    if (dup2(said.fd[1], STDERR_FILENO) >= 0) inChild(verdict.fd[1]);
    _exit(127);
  }
  close(verdict.fd[1]);
  close(said.fd[1]);
  verdict.fd[1] = said.fd[1] = -1;
  Clock::time_point deadline = Clock::now() + std::chrono::seconds(kTrialSeconds);
  constexpr size_t kMost = 4096;
  std::string answer;
  Trial trial;
  pollfd fds[2] = {{verdict.fd[0], POLLIN, 0}, {said.fd[0], POLLIN, 0}};
  while ((fds[0].fd >= 0 || fds[1].fd >= 0) && Clock::now() < deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (poll(fds, 2, static_cast<int>(left.count())) <= 0) continue;
    for (pollfd& p : fds) {
      char buffer[4096];
      const ssize_t n = p.revents ? read(p.fd, buffer, sizeof buffer) : -1;
      std::string& to = &p == fds ? answer : trial.said;
      if (n > 0 && to.size() < kMost) to.append(buffer, static_cast<size_t>(n));
      if (n == 0 || (n < 0 && p.revents && errno != EINTR)) p.fd = -1;
    }
  }
  trial.said.resize(trial.said.rfind('\n', kMost - 1) + 1);  // whole lines; npos + 1: none
  bool killed = false;
  int status = 0;
  for (pid_t reaped; (reaped = waitpid(pid, &status, WNOHANG)) != pid;) {
    if (reaped < 0 && errno != EINTR) break;
    if (Clock::now() >= deadline) {
      if (killed) break;
      kill(pid, SIGKILL);
      killed = true;
      deadline = Clock::now() + std::chrono::seconds(1);
    }
    usleep(100);  // the pipes close as the child ends, a moment before it can be reaped
  }
  trial.problem = Judged(answer, killed, status);
  return trial;
}

// A process started anew for the trial, of this same program: the child of a process with
// threads may make no call but the few safe ones before it runs another program.
Trial Anew(const std::string& path) {
  std::vector<std::string> variables = {std::string(kTrialVariable) + "=" + path};
  for (char** e = environ; *e; ++e) {
    if (!std::string_view(*e).starts_with(kTrialVariable)) variables.emplace_back(*e);
  }
  std::vector<char*> envp;
  for (std::string& v : variables) envp.push_back(v.data());
  envp.push_back(nullptr);
  char* argv[] = {const_cast<char*>("orvelle-fonts-trial"), nullptr};
  Trial trial = Forked([&](int verdict) {
    if (dup2(verdict, kTrialVerdictFd) >= 0 && fcntl(kTrialVerdictFd, F_SETFD, 0) == 0) {
      execve("/proc/self/exe", argv, envp.data());
    }
  });
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
  const std::string problem = Parsed(config, path);
  return problem.empty() ? Unmapped(config) : problem;
}

Trial TryInChild(const std::function<std::string()>& work) {
  return Forked([&](int verdict) { RunTrial(verdict, work); });
}

Trial TryConfig(const std::string& path) {
  if (Threads() != 1) return Anew(path);
  return TryInChild([&] { return TrialOf(path); });
}

}  // namespace orvelle
