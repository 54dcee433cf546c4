#include "platform/trial.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

namespace orvelle {
namespace {

using Clock = std::chrono::steady_clock;

Clock::duration Span(double seconds) {
  return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

double Seconds(Clock::duration span) { return std::chrono::duration<double>(span).count(); }

std::string Figure(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", seconds);
  return text;
}

// The child's side. Its notes go to the parent as a kind, a text and '\0' each: 'C' a folder
// fontconfig may write caches in, 'F' the file it is loading ("" when done), 'B' whether it is
// building a font set ("1" or ""), 'V' its verdict.
int gNotes = -1;

void Note(char kind, const std::string& text) {
  if (gNotes < 0) return;
  const std::string note = kind + text + '\0';
  (void)!write(gNotes, note.data(), note.size());
}

bool All(std::string_view text, const char* among) {
  return !text.empty() && text.find_first_not_of(among) == std::string_view::npos;
}

// Where `name` is one of the files fontconfig writes a cache through, "<hash>-<arch>.cache-<N>"
// with ".LCK" (its lock, holding the writer's process number), ".NEW" (the cache half-written)
// or ".TMP-XXXXXX" (the lock being made): the cache's name and the suffix; else "".
std::pair<std::string, std::string> CacheFileParts(const std::string& name) {
  const size_t cache = name.find(".cache-");
  const size_t dash = name.find('-');
  if (cache == std::string::npos || dash != 32 || dash > cache) return {};
  const std::string_view view(name);
  if (!All(view.substr(0, 32), "0123456789abcdef") ||
      !All(view.substr(33, cache - 33), "abcdefghijklmnopqrstuvwxyz0123456789")) {
    return {};
  }
  const size_t version = cache + 7, suffix = name.find('.', version);
  if (suffix == std::string::npos || !All(view.substr(version, suffix - version), "0123456789")) {
    return {};
  }
  const std::string_view end = view.substr(suffix);
  const bool temporary = end.size() == 11 && end.starts_with(".TMP-") &&
                         All(end.substr(5),
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                             "0123456789");
  if (end != ".LCK" && end != ".NEW" && !temporary) return {};
  return {name.substr(0, suffix), std::string(end.substr(0, 4))};
}

// Removes, in each of `dirs`, the locks of fontconfig's caches (and the caches they left
// half-written) and the temporary files whose writer's number `Left` takes.
template <typename Left>
void ClearCacheLocks(const std::vector<std::string>& dirs, const Left& left) {
  for (const std::string& dir : dirs) {
    DIR* folder = opendir(dir.c_str());
    while (const dirent* e = folder ? readdir(folder) : nullptr) {
      const auto [cache, suffix] = CacheFileParts(e->d_name);
      if (suffix != ".LCK" && suffix != ".TMP") continue;
      const std::string file = dir + "/" + e->d_name;
      char text[32] = {};
      const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
      const ssize_t n = fd < 0 ? -1 : read(fd, text, sizeof text - 1);
      if (fd >= 0) close(fd);
      char* end = nullptr;
      const long writer = n > 0 ? std::strtol(text, &end, 10) : 0;
      if (writer <= 0 || end != text + n - 1 || *end != '\n' || !left(writer)) continue;
      unlink(file.c_str());
      if (suffix == ".LCK") unlink((dir + "/" + cache + ".NEW").c_str());
    }
    if (folder) closedir(folder);
  }
}

// A figure of /proc/self/status in KiB; -1 where it cannot be read.
long StatusKiB(const char* key) {
  FILE* status = std::fopen("/proc/self/status", "r");
  long kib = -1;
  char line[256];
  while (status && std::fgets(line, sizeof line, status)) {
    if (std::strncmp(line, key, std::strlen(key)) == 0) kib = std::atol(line + std::strlen(key));
  }
  if (status) std::fclose(status);
  return kib;
}

// Lowers a limit to `soft` and `hard`, never raising what this process was given (ulimit).
void Limit(int resource, rlim_t soft, rlim_t hard) {
  rlimit limit{};
  getrlimit(resource, &limit);
  limit.rlim_max = std::min(limit.rlim_max, hard);
  limit.rlim_cur = std::min({limit.rlim_cur, soft, limit.rlim_max});
  setrlimit(resource, &limit);
}

// The signals whose default ends a program and that others send: a trial ends before its
// program does. Those of a fault of the program's own (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGTRAP,
// SIGSYS) would come back at once from a handler that returned.
std::vector<int> Ending() {
  std::vector<int> ending = {SIGHUP,    SIGINT,  SIGQUIT, SIGABRT,   SIGUSR1, SIGUSR2,
                             SIGPIPE,   SIGALRM, SIGTERM, SIGSTKFLT, SIGXCPU, SIGXFSZ,
                             SIGVTALRM, SIGPROF, SIGIO,   SIGPWR};
  for (int number = SIGRTMIN; number <= SIGRTMAX; ++number) ending.push_back(number);
  return ending;
}

[[noreturn]] void RunChild(const std::function<std::string()>& work, const TrialLimits& limits,
                           int notes) {
  gNotes = notes;
  // The parent watches the processor's time where it can read it, and gives more to progress
  // in a build; the limit is then only the cap, which is never less than the processor's time.
  const bool watched = access("/proc/self/stat", R_OK) == 0;
  const double cpu = watched ? limits.capSeconds + 1 : limits.cpuSeconds;
  // SIGXCPU at the soft limit; at the hard one the kernel sends SIGKILL, which says nothing.
  const auto seconds = static_cast<rlim_t>(std::ceil(cpu));
  Limit(RLIMIT_CPU, seconds, seconds + 1);
  if (const long kib = StatusKiB("VmSize:"); kib > 0) {
    const auto bytes = static_cast<rlim_t>(kib + limits.mib * 1024) * 1024;
    Limit(RLIMIT_AS, bytes, bytes);
  }
  Limit(RLIMIT_CORE, 0, 0);  // a crash leaves no core file behind
  // It ends by any signal as a program does, whatever handlers (a sanitizer's) it inherited.
  std::vector<int> plain = Ending();
  plain.insert(plain.end(), {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGTRAP, SIGSYS});
  for (const int number : plain) signal(number, SIG_DFL);
  sigset_t all;
  sigfillset(&all);
  sigprocmask(SIG_UNBLOCK, &all, nullptr);
  Note('V', work());
  _exit(0);
}

// The parent's side. While trials are alive SIGCHLD has its default disposition (a launcher may
// leave it ignored, and then the children are reaped before they can be judged). While one is
// waited for, the signals that end a program end its trials first, their locks cleared, then the
// program by the same signal; elsewhere (SDL connecting meanwhile) they end the program at once,
// its trials' children with it.
std::vector<Trial*> gLive;
struct sigaction gChildWas;
std::vector<std::pair<int, struct sigaction>> gEndingWas;  // those made ours, as they were
volatile sig_atomic_t gCaught = 0;
int gWake[2] = {-1, -1};

void OnEnding(int number) {
  gCaught = number;
  const int saved = errno;
  (void)!write(gWake[1], "", 1);
  errno = saved;
}

void WatchEnding() {
  if (gWake[0] < 0 && pipe2(gWake, O_CLOEXEC | O_NONBLOCK) != 0) gWake[0] = gWake[1] = -1;
  if (gWake[1] < 0) return;
  struct sigaction ending {};
  ending.sa_handler = OnEnding;
  for (const int number : Ending()) {
    struct sigaction was {};
    sigaction(number, nullptr, &was);
    // One that is ignored stays ignored; one the program handles, it handles.
    if (was.sa_handler != SIG_DFL || (was.sa_flags & SA_SIGINFO)) continue;
    sigaction(number, &ending, nullptr);
    gEndingWas.emplace_back(number, was);
  }
}

void UnwatchEnding() {
  for (const auto& [number, was] : gEndingWas) sigaction(number, &was, nullptr);
  gEndingWas.clear();
}

// A child's processor time, the time it waited for a processor and its page faults, from /proc,
// and when they were read.
struct Usage {
  double cpu = 0, waited = 0;
  long faults = 0;
  Clock::time_point at;
};

// The text of /proc/PID/NAME, or false.
bool ReadProc(pid_t pid, const char* name, char (&text)[1024]) {
  char path[64];
  std::snprintf(path, sizeof path, "/proc/%d/%s", static_cast<int>(pid), name);
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  const ssize_t n = fd < 0 ? -1 : read(fd, text, sizeof text - 1);
  if (fd >= 0) close(fd);
  text[std::max<ssize_t>(n, 0)] = '\0';
  return n > 0;
}

// Whether process `pid` has ended: no such process, or one ended that is not reaped yet (an init
// that reaps no orphans keeps them).
bool Gone(pid_t pid) {
  if (kill(pid, 0) != 0) return errno == ESRCH;
  char text[1024];
  const char* state = ReadProc(pid, "stat", text) ? std::strrchr(text, ')') : nullptr;
  return state && (state[1] == ' ') && (state[2] == 'Z' || state[2] == 'X');
}

bool ReadUsage(pid_t pid, Usage& usage) {
  char text[1024];
  if (!ReadProc(pid, "stat", text)) return false;
  const char* at = std::strrchr(text, ')');  // after the name, which may hold anything
  long field[13] = {};
  for (int i = 0; at && i < 13; ++i) {
    at = std::strchr(at + 1, ' ');
    if (at) field[i] = std::atol(at + 1);
  }
  if (!at) return false;
  // From the state on: minflt is the 8th, majflt the 10th, utime and stime the 12th and 13th.
  usage.faults = field[7] + field[9];
  usage.cpu =
      static_cast<double>(field[11] + field[12]) / static_cast<double>(sysconf(_SC_CLK_TCK));
  // In ns, where the kernel keeps them: the time run, and the time waited for a processor.
  double ran = 0, waited = 0;
  if (ReadProc(pid, "schedstat", text) && std::sscanf(text, "%lf %lf", &ran, &waited) == 2) {
    usage.cpu = ran / 1e9;
    usage.waited = waited / 1e9;
  }
  usage.at = Clock::now();
  return true;
}

// Reading font files faults their pages in, mapped and let go again, and so does building their
// caches in memory: tens of thousands of faults a second of the processor's time here. Sorting a
// cache faults none, nor does a glob backtracking or a pipe waited on.
constexpr long kFewestFaults = 4;
constexpr double kFaultsPerCpuSecond = 1000;

bool Progress(const Usage& from, const Usage& to) {
  const long faults = to.faults - from.faults;
  return faults >= kFewestFaults &&
         static_cast<double>(faults) >= kFaultsPerCpuSecond * (to.cpu - from.cpu);
}

constexpr size_t kHalf = 2048;  // of the child's stderr kept at the start, and at the end

// Waits for `pid` to end, ending it at `deadline`; never more than a second past it (a child
// stuck in the kernel, which even SIGKILL does not end, is left behind). Its status, or -1.
int Reap(pid_t pid, Clock::time_point deadline) {
  bool killed = false;
  int status = 0;
  for (pid_t reaped; (reaped = waitpid(pid, &status, WNOHANG)) != pid;) {
    if (reaped < 0 && errno != EINTR) return -1;
    if (Clock::now() >= deadline) {
      if (killed) return -1;
      kill(pid, SIGKILL);
      killed = true;
      deadline = Clock::now() + std::chrono::seconds(1);
    }
    usleep(100);  // the pipes close as the child ends, a moment before it can be reaped
  }
  return status;
}

// The threads of this process, or 1 where /proc cannot tell.
int Threads() {
  DIR* tasks = opendir("/proc/self/task");
  int n = 0;
  while (const dirent* e = tasks ? readdir(tasks) : nullptr) n += e->d_name[0] != '.';
  if (tasks) closedir(tasks);
  return std::max(n, 1);
}

void AnnounceCaches() {
  static bool said = false;
  if (!std::exchange(said, true)) std::fputs("fonts: building the font caches\n", stderr);
}

}  // namespace

// What the child has used, judged stretch by stretch against the limits.
struct Trial::Judge {
  const TrialLimits& limits;
  const bool watched;
  Usage last;
  double clock = 0, cpu = 0;        // counted against the limits: the work outside a build
  double runClock = 0, runCpu = 0;  // a build's run since its last progress
  double progress = 0;              // a build's progress
  double own = 0;                   // the child's own time

  Judge(const TrialLimits& l, pid_t pid, Clock::time_point start)
      : limits(l), watched([pid] {
          Usage now;
          return ReadUsage(pid, now);
        }()) {
    last.at = start;  // the child's counts begin at nothing
  }

  // The stretch since the last look judged, in a build or not: the line of a limit passed, or
  // "".
  std::string Look(pid_t pid, bool build) {
    Usage now = last;
    if (!watched || !ReadUsage(pid, now)) now.at = Clock::now();
    const double wall = Seconds(now.at - last.at), used = now.cpu - last.cpu;
    const double mine = std::max(0.0, wall - (now.waited - last.waited));
    own += mine;
    if (!build) {
      clock += wall;
      cpu += used;
      runClock = runCpu = 0;
    } else if (Progress(last, now)) {
      progress += mine;
      runClock = runCpu = 0;
    } else {
      runClock += mine;
      runCpu += used;
    }
    last = now;
    if (progress > limits.buildingSaidAfter) AnnounceCaches();
    if (cpu + runCpu > limits.cpuSeconds) {
      return "is not done within " + Figure(limits.cpuSeconds) + " s of processor time";
    }
    if (clock + runClock >= limits.seconds) {
      return "is not done within " + Figure(limits.seconds) + " s";
    }
    if (own >= limits.capSeconds) {
      return "is still reading fonts after " + Figure(limits.capSeconds) + " s";
    }
    return "";
  }

  // When to look next: a tenth of a second on (a fraction of a short limit), or at the moment
  // the clock or the cap would pass, were all the time since the last look counted.
  Clock::time_point Next() const {
    const double left = std::min(limits.seconds - clock - runClock, limits.capSeconds - own);
    const double step = watched ? std::min(0.1, limits.seconds / 4) : left;
    return last.at + Span(std::max(0.0, std::min(step, left)));
  }
};

void TrialCacheDirs(const std::vector<std::string>& dirs) {
  for (const std::string& dir : dirs) Note('C', dir);
  // A writer killed outright (SIGKILL) leaves its lock, which keeps fontconfig from writing
  // that cache start after start: cleared where its process is gone.
  ClearCacheLocks(dirs, [](long writer) { return Gone(static_cast<pid_t>(writer)); });
}

void TrialLoading(const std::string& what) { Note('F', what); }

void TrialBuilding(bool building) { Note('B', building ? "1" : ""); }

Trial::Trial(const std::function<std::string()>& work, const TrialLimits& limits)
    : limits_(limits) {
  if (Threads() > 1) {
    // The child of a process with threads may make no call but the few safe ones.
    cannot_ = "cannot be tried (this process has threads)";
    return;
  }
  int fds[4] = {-1, -1, -1, -1};  // the notes' pipe and the child's stderr's
  const bool piped = pipe2(fds, O_CLOEXEC) == 0 && pipe2(fds + 2, O_CLOEXEC) == 0;
  const pid_t parent = getpid();
  if (piped) {
    if (gLive.empty()) {
      struct sigaction plain {};
      plain.sa_handler = SIG_DFL;
      sigaction(SIGCHLD, &plain, &gChildWas);
    }
    gLive.push_back(this);
    pid_ = fork();
  }
  if (!piped || pid_ < 0) {
    cannot_ = "cannot be tried (" + std::string(std::strerror(errno)) + ")";
    pid_ = -1;
    for (const int fd : fds) {
      if (fd >= 0) close(fd);
    }
    return;  // the destructor lets SIGCHLD go
  }
  if (pid_ == 0) {
    // With its parent, whenever that ends; one already gone (before the call) is seen at once.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(0);
    for (const Trial* other : gLive) {
      for (const int fd : {other->verdict_, other->said_}) {
        if (fd >= 0) close(fd);
      }
    }
    for (const int fd : {fds[0], fds[2], gWake[0], gWake[1]}) {
      if (fd >= 0) close(fd);
    }
    if (dup2(fds[3], STDERR_FILENO) < 0) _exit(127);
    close(fds[3]);
    RunChild(work, limits, fds[1]);
  }
  close(fds[1]);
  close(fds[3]);
  verdict_ = fds[0];
  said_ = fds[2];
  start_ = Clock::now();
}

Trial::~Trial() {
  End();
  const auto self = std::find(gLive.begin(), gLive.end(), this);
  if (self == gLive.end()) return;
  gLive.erase(self);
  if (gLive.empty()) sigaction(SIGCHLD, &gChildWas, nullptr);
}

void Trial::End() {
  if (pid_ >= 0) {
    kill(pid_, SIGKILL);
    Reap(pid_, Clock::now() + std::chrono::seconds(1));
    Drain();
    ClearLocks();
    pid_ = -1;
  }
  for (int* fd : {&verdict_, &said_}) {
    if (*fd >= 0) close(std::exchange(*fd, -1));
  }
}

void Trial::Interrupted() {
  for (Trial* t : gLive) t->End();
  const int caught = gCaught;
  UnwatchEnding();  // its default given back, the signal ends the program as it would have
  sigaction(SIGCHLD, &gChildWas, nullptr);
  raise(caught);
  _exit(128 + caught);
}

void Trial::ClearLocks() const {
  ClearCacheLocks(cacheDirs_, [this](long writer) { return writer == pid_; });
}

void Trial::Drain() {
  for (int* fd : {&verdict_, &said_}) {
    if (*fd >= 0) fcntl(*fd, F_SETFL, O_NONBLOCK);  // a child left behind still holds its end
    while (*fd >= 0 && Read(*fd)) {
    }
  }
}

bool Trial::Read(int& fd) {
  char buffer[4096];
  const ssize_t n = read(fd, buffer, sizeof buffer);
  if (n < 0 && errno == EINTR) return true;
  if (n < 0 && errno == EAGAIN) return false;
  if (n <= 0) {
    close(std::exchange(fd, -1));
    return false;
  }
  const std::string_view got(buffer, static_cast<size_t>(n));
  if (&fd == &said_) {
    lines_ += static_cast<size_t>(std::count(got.begin(), got.end(), '\n'));
    const size_t room = kHalf - std::min(kHalf, head_.size());
    head_.append(got.substr(0, room));
    if (got.size() > room) tail_.append(got.substr(room));
    if (tail_.size() > 2 * kHalf) {
      tail_.erase(0, tail_.size() - kHalf);
      cut_ = true;
    }
    return true;
  }
  messages_.append(got);
  for (size_t end; (end = messages_.find('\0')) != std::string::npos; messages_.erase(0, end + 1)) {
    const std::string text = messages_.substr(1, end - 1);
    if (messages_[0] == 'V') answered_ = true, answer_ = text;
    if (messages_[0] == 'F') loading_ = text;
    if (messages_[0] == 'B') building_ = !text.empty(), built_ = true;
    if (messages_[0] == 'C') cacheDirs_.push_back(text);
  }
  return true;
}

Verdict Trial::Wait() {
  Verdict v;
  if (pid_ < 0) {
    v.tried = false;
    v.problem = cannot_.empty() ? "cannot be tried (it was tried already)" : cannot_;
    return v;
  }
  WatchEnding();
  Judge judge(limits_, pid_, start_);
  // What is waiting in the pipes is read before anything is judged: an answer that has come is
  // the verdict, however late it is read (the program was connecting to a slow display).
  Clock::time_point look = Clock::now();
  std::string ended;  // why the child was ended
  while (verdict_ >= 0 || said_ >= 0) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(look - Clock::now());
    pollfd fds[3] = {{verdict_, POLLIN, 0}, {said_, POLLIN, 0}, {gWake[0], POLLIN, 0}};
    const int ready = poll(fds, 3, static_cast<int>(std::max<long>(left.count(), 0)));
    if (gCaught) Interrupted();
    if (ready > 0 && fds[0].revents) Read(verdict_);
    if (ready > 0 && fds[1].revents) Read(said_);
    if (answered_) break;
    if (Clock::now() < look) continue;
    // In a build where it was in one at any moment since the last look.
    ended = judge.Look(pid_, building_ || built_);
    built_ = building_;
    if (!ended.empty()) break;
    look = judge.Next();
  }
  if (!ended.empty()) kill(pid_, SIGKILL);
  const int status = Reap(pid_, Clock::now() + std::chrono::seconds(1));
  Drain();
  if (!answered_) ClearLocks();
  pid_ = -1;
  UnwatchEnding();
  if (gCaught) Interrupted();  // a signal that came as it ended
  const std::string processor =
      "is not done within " + Figure(limits_.cpuSeconds) + " s of processor time";
  const std::string loading = loading_.empty() ? "" : ", " + loading_;
  if (answered_) {
    v.problem = answer_;
  } else if (!ended.empty()) {
    v.problem = ended + loading;
  } else if (status >= 0 && WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) {
    v.problem = processor + loading;
  } else if (status >= 0 && WIFSIGNALED(status)) {
    const std::string signal = "(signal " + std::to_string(WTERMSIG(status)) + ")";
    v.problem =
        loading_.empty() ? "crashed fontconfig " + signal : "crashed " + signal + " " + loading_;
  } else {
    v.problem = "ended fontconfig's trial with status " +
                (status >= 0 ? std::to_string(WEXITSTATUS(status)) : std::string("unknown"));
  }
  End();  // its pipes
  v.said = Said();
  return v;
}

std::string Trial::Said() const {
  const std::string all = head_ + tail_;
  if (!cut_ && all.size() <= 2 * kHalf) return all.substr(0, all.rfind('\n') + 1);  // npos + 1: ""
  // Whole lines: the first and the last.
  const std::string first = head_.substr(0, head_.rfind('\n') + 1);
  std::string rest = tail_.substr(tail_.size() > kHalf ? tail_.size() - kHalf : 0);
  rest = rest.substr(rest.find('\n') + 1);
  rest = rest.substr(0, rest.rfind('\n') + 1);
  const auto count = [](const std::string& s) {
    return static_cast<size_t>(std::count(s.begin(), s.end(), '\n'));
  };
  const size_t left = lines_ - count(first) - count(rest);
  return first + "(" + std::to_string(left) + " lines of fontconfig's left out)\n" + rest;
}

Verdict TryInChild(const std::function<std::string()>& work, const TrialLimits& limits) {
  return Trial(work, limits).Wait();
}

}  // namespace orvelle
