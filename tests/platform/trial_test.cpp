#include "platform/trial.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/support/scratch.h"
#include "tests/support/timed_trial.h"

namespace orvelle {
namespace {

using test::Timed;
using test::Timing;
using test::Tree;
using Seconds = std::chrono::duration<double>;

// Limits short enough for the tests to wait them out; the programs' are tried end to end.
constexpr TrialLimits kQuick{0.1, 0.1, 0.6, 1024, 0.05};
const std::string kClock = "is not done within 0.1 s";

Timed TimedTrial(const std::function<std::string()>& work, const TrialLimits& limits = kQuick) {
  return Timing([&] { return TryInChild(work, limits); });
}

double ProcessorSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// What fontconfig does as it builds a font set, in the child: font files read (mapped, their
// pages faulted in), memory grown page by page (their caches built), or the processor's time
// spent without a fault (a cache sorted, a glob backtracking); for `seconds` of its processor.
enum class Doing { kReading, kGrowing, kSpinning };

void Do(Doing doing, double seconds) {
  const std::string file = std::string(ORVELLE_TEST_FACES) + "/kana-only.ttf";
  const double until = ProcessorSeconds() + seconds;
  while (ProcessorSeconds() < until) {
    if (doing == Doing::kReading) {
      const int fd = open(file.c_str(), O_RDONLY);
      struct stat info {};
      fstat(fd, &info);
      const auto size = static_cast<size_t>(info.st_size);
      auto* p = static_cast<volatile char*>(mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0));
      close(fd);
      for (size_t at = 0; p != MAP_FAILED && at < size; at += 4096) (void)p[at];
      if (p != MAP_FAILED) munmap(const_cast<char*>(p), size);
    } else if (doing == Doing::kGrowing) {
      // Kept, as a cache being built is: a few pages faulted in at a time, each written.
      auto* page = static_cast<char*>(
          mmap(nullptr, 4 << 12, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
      for (int i = 0; page != MAP_FAILED && i < 4; ++i) page[i << 12] = 1;
      for (int i = 0; i < 20000; ++i) asm volatile("" ::: "memory");
    }
  }
}

// Work that builds a font set by `steps`, as fontconfig tells its parent.
std::function<std::string()> Building(std::vector<std::pair<Doing, double>> steps) {
  return [steps] {
    TrialBuilding(true);
    for (const auto& [doing, seconds] : steps) Do(doing, seconds);
    TrialBuilding(false);
    return std::string("built");
  };
}

// `run` in a program of its own, a child of the test's: what it answered, and its stderr.
std::pair<std::string, std::string> InAProgram(const std::function<std::string()>& run) {
  FILE* said = std::tmpfile();
  int answer[2];
  EXPECT_EQ(pipe(answer), 0);
  const pid_t program = fork();
  if (program == 0) {
    close(answer[0]);
    dup2(fileno(said), STDERR_FILENO);
    const std::string answered = run();
    _exit(write(answer[1], answered.data(), answered.size()) < 0);
  }
  close(answer[1]);
  std::string answered, stderrText;
  char buffer[512];
  for (ssize_t n; (n = read(answer[0], buffer, sizeof buffer)) > 0;) answered.append(buffer, n);
  close(answer[0]);
  waitpid(program, nullptr, 0);
  std::rewind(said);
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, said)) > 0;)
    stderrText.append(buffer, n);
  std::fclose(said);
  return {answered, stderrText};
}

TEST(Trial, GivesABuildThatFaultsItsTimeAndSaysSo) {
  const TrialLimits& limits = kQuick;
  const auto [verdicts, said] = InAProgram([&] {
    // Parsing that faults as much (a long configuration) is not reading fonts.
    std::string v = TryInChild(
                        [] {
                          Do(Doing::kReading, 1);
                          return std::string("parsed");
                        },
                        limits)
                        .problem;
    // Reading and growing past the clock's and the processor's limits, with runs without
    // progress each within them, though not together.
    v += "; " + TryInChild(Building({{Doing::kReading, 0.05},
                                     {Doing::kSpinning, 0.06},
                                     {Doing::kGrowing, 0.05},
                                     {Doing::kSpinning, 0.06}}),
                           limits)
                    .problem;
    // Reading without end, to the cap.
    v += "; " + TryInChild(Building({{Doing::kReading, 60}}), {0.1, 0.1, 0.2, 1024, 0.05}).problem;
    return v;
  });
  const std::string ended = "; built; is still reading fonts after 0.2 s";
  EXPECT_TRUE(verdicts == "is not done within 0.1 s" + ended ||
              verdicts == "is not done within 0.1 s of processor time" + ended)
      << verdicts;
  EXPECT_EQ(said, "fonts: building the font caches\n");  // once, and not for the parsing
}

TEST(Trial, EndsARunWithoutProgressInABuildAtTheProcessorsLimit) {
  // One waited out is held to the clock: fontconfig on a named pipe, in fonts_test.cpp.
  const Timed spun = TimedTrial(Building({{Doing::kReading, 0.05}, {Doing::kSpinning, 60}}),
                                {0.15, 0.1, 0.6, 1024, 1});
  EXPECT_EQ(spun.verdict.problem, "is not done within 0.1 s of processor time");
  EXPECT_LT(spun.seconds, 1);
}

TEST(Trial, GivesABuildOnABusyMachineWhatAnIdleOneGets) {
  // The child shares one processor with two busy loops: 0.15 s of its own reading takes 0.45 s
  // of the clock, past a cap of 0.27 s that it passes.
  cpu_set_t mine, one;
  CPU_ZERO(&one);
  CPU_SET(sched_getcpu(), &one);
  if (sched_getaffinity(0, sizeof mine, &mine) != 0 || sched_setaffinity(0, sizeof one, &one)) {
    GTEST_SKIP() << "no processor to share";
  }
  std::vector<pid_t> loops;
  for (int i = 0; i < 2; ++i) {
    loops.push_back(fork());
    if (loops.back() == 0) {
      for (;;) {
      }
    }
  }
  sched_setaffinity(0, sizeof mine, &mine);
  const Timed busy = TimedTrial(
      [&] {
        sched_setaffinity(0, sizeof one, &one);
        return Building({{Doing::kReading, 0.15}})();
      },
      {0.2, 0.2, 0.27, 1024, 1});
  for (const pid_t loop : loops) {
    kill(loop, SIGKILL);
    waitpid(loop, nullptr, 0);
  }
  EXPECT_EQ(busy.verdict.problem, "built");
  EXPECT_GT(busy.seconds, 0.27);
}

TEST(Trial, AnAnswerThatHasComeIsTheVerdictHoweverLateItIsRead) {
  Trial trial([] { return std::string("done"); }, kQuick);
  usleep(150000);  // the program connecting to a slow display meanwhile
  EXPECT_EQ(trial.Wait().problem, "done");
}

TEST(Trial, RunsUnderItsLimits) {
  const auto limits = [] {
    rlimit cpu{}, space{}, core{};
    getrlimit(RLIMIT_CPU, &cpu);
    getrlimit(RLIMIT_AS, &space);
    getrlimit(RLIMIT_CORE, &core);
    std::ifstream status("/proc/self/status");
    long vmKiB = 0;
    for (std::string line; std::getline(status, line);) {
      if (line.starts_with("VmSize:")) vmKiB = std::atol(line.c_str() + 7);
    }
    const long room = static_cast<long>(space.rlim_cur / 1024) - vmKiB;
    return "cpu " + std::to_string(cpu.rlim_cur) + " core " + std::to_string(core.rlim_cur) +
           (room > 0 && room <= kQuick.mib * 1024 ? " bounded" : " room " + std::to_string(room));
  };
  // The processor's own limit is the cap: the parent ends it by the time it watches.
  EXPECT_EQ(TryInChild(limits, kQuick).problem, "cpu 2 core 0 bounded");  // 0.6 s and a second
  // Without /proc (a container), the processor's limit itself.
  const auto [unwatched, said] = InAProgram([&] {
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("none", "/proc", "tmpfs", 0, nullptr) != 0) {
      return std::string("no namespace");
    }
    return TryInChild(limits, kQuick).problem;
  });
  if (unwatched == "no namespace") GTEST_SKIP() << "no mount namespace here";
  EXPECT_EQ(unwatched.substr(0, 12), "cpu 1 core 0");  // 0.1 s, to the second
}

TEST(Trial, CannotBeTriedWithThreadsOrWithoutAFork) {
  const auto [threads, said] = InAProgram([] {
    int gate[2];
    if (pipe(gate) != 0) return std::string("no pipe");
    std::thread waiting([&] {
      char c;
      (void)!read(gate[0], &c, 1);
    });
    const Verdict v = TryInChild([] { return std::string("ran"); });
    (void)!write(gate[1], "", 1);
    waiting.join();
    return (v.tried ? "tried: " : "not tried: ") + v.problem;
  });
  EXPECT_EQ(threads, "not tried: cannot be tried (this process has threads)");
  const auto [refused, refusedSaid] = InAProgram([] {
    if (geteuid() == 0 && (setgroups(0, nullptr) || setgid(65534) || setuid(65534))) {
      return std::string("no user");
    }
    const rlimit none{0, 0};
    setrlimit(RLIMIT_NPROC, &none);
    const Verdict v = TryInChild([] { return std::string("ran"); });
    return (v.tried ? "tried: " : "not tried: ") + v.problem;
  });
  EXPECT_EQ(refused, "not tried: cannot be tried (Resource temporarily unavailable)");
}

TEST(Trial, SaysWhatEndedAnyWork) {
  EXPECT_EQ(TryInChild([]() -> std::string { std::abort(); }).problem,
            "crashed fontconfig (signal 6)");
  EXPECT_EQ(TryInChild([]() -> std::string { _exit(3); }).problem,
            "ended fontconfig's trial with status 3");
  // Memory past the limit fails as fontconfig fails then; no line guesses that it ran out.
  EXPECT_EQ(TryInChild([] {
              const void* mapped = mmap(nullptr, size_t{2} << 30, PROT_READ | PROT_WRITE,
                                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
              return std::string(mapped == MAP_FAILED ? "refused" : "mapped");
            }).problem,
            "refused");
  // Where it was loading a file, the line names it; its last note is read however it ended.
  const std::string loading = "loading the file /x/a.ttf of A";
  EXPECT_EQ(TryInChild(
                [&]() -> std::string {
                  TrialLoading(loading);
                  raise(SIGSEGV);
                  return "";
                },
                kQuick)
                .problem,
            "crashed (signal 11) " + loading);
  EXPECT_EQ(TryInChild(
                [&]() -> std::string {
                  TrialLoading(loading);
                  pause();
                  return "";
                },
                kQuick)
                .problem,
            kClock + ", " + loading);
}

TEST(Trial, KeepsTheFirstAndTheLastOfItsLinesWhole) {
  const Verdict said = TryInChild([] {
    std::fputs("Fontconfig error: one\nFontconfig error: two\n", stderr);
    return std::string("failed");
  });
  EXPECT_EQ(said.problem, "failed");
  EXPECT_EQ(said.said, "Fontconfig error: one\nFontconfig error: two\n");
  // Of many lines, the first and the last: the error after a storm of warnings.
  const Verdict chatty = TryInChild([] {
    for (int i = 0; i < 200; ++i) std::fprintf(stderr, "Fontconfig warning: number %d\n", i);
    std::fputs("Fontconfig error: line 201: mismatched tag\n", stderr);
    return std::string();
  });
  const std::string& kept = chatty.said;
  EXPECT_LE(kept.size(), 4200u);
  std::vector<std::string> lines;
  for (size_t from = 0, end; (end = kept.find('\n', from)) != std::string::npos; from = end + 1) {
    lines.push_back(kept.substr(from, end - from));
  }
  ASSERT_EQ(lines.size(), static_cast<size_t>(std::count(kept.begin(), kept.end(), '\n')));
  ASSERT_TRUE(kept.ends_with("\n") && lines.size() > 3) << kept;
  EXPECT_EQ(lines.back(), "Fontconfig error: line 201: mismatched tag");
  // Every line whole, in order: warnings 0 to h, the count of those left out, h + n + 1 to 199.
  size_t next = 0, cut = 0;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].starts_with("(")) {
      EXPECT_EQ(cut, 0u) << kept;
      cut = std::stoul(lines[i].substr(1));
      EXPECT_EQ(lines[i], "(" + std::to_string(cut) + " lines of fontconfig's left out)");
      next += cut;
      continue;
    }
    EXPECT_EQ(lines[i], "Fontconfig warning: number " + std::to_string(next++)) << kept;
  }
  EXPECT_GT(cut, 0u);
  EXPECT_EQ(next, 200u);
}

// A cache of fontconfig's, named as it names them.
const std::string kCache = "0123456789abcdef0123456789abcdef-le64.cache-8";
const std::string kOtherCache = "fedcba9876543210fedcba9876543210-le64.cache-8";

// fontconfig's lock of a cache it writes, NAME.LCK holding the writer's process number, and the
// cache half-written, NAME.NEW.
void Lock(const std::string& dir, const std::string& name, long pid) {
  std::ofstream(dir + "/" + name + ".LCK") << pid << "\n";
  std::ofstream(dir + "/" + name + ".NEW") << "half";
}

// Work that locks a cache as fontconfig does, with files of other names holding its number
// beside it, then says its process number in `said` where it is given, and waits for ever.
std::string LockingForEver(const std::string& dir, const std::string& said = "") {
  TrialCacheDirs({dir});
  Lock(dir, kCache, getpid());
  std::ofstream(dir + "/" + kCache + ".TMP-abc123") << getpid() << "\n";
  std::ofstream(dir + "/user.LCK") << getpid() << "\n";
  std::ofstream(dir + "/notes.TMP-keep.txt") << getpid() << "\n";
  if (!said.empty()) {
    std::ofstream(said + ".new") << getpid();
    std::filesystem::rename(said + ".new", said);
  }
  pause();
  return "";
}

const std::vector<std::string> kNotFontconfigs = {"notes.TMP-keep.txt", "user.LCK"};

TEST(Trial, OneEndedLeavesNoLockOrHalfCacheOfItsOwn) {
  const Tree t;
  const std::string dir = t.Folder("cache");
  Lock(dir, kOtherCache, 1);  // a writer's that is alive
  const Verdict v = TryInChild([&] { return LockingForEver(dir); }, kQuick);
  EXPECT_EQ(v.problem, kClock);
  EXPECT_EQ(t.Names("cache"), (std::vector<std::string>{kOtherCache + ".LCK", kOtherCache + ".NEW",
                                                        "notes.TMP-keep.txt", "user.LCK"}));
}

TEST(Trial, ClearsTheLocksOfAWriterThatIsGone) {
  const Tree t;
  const std::string dir = t.Folder("cache");
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  Lock(dir, kCache, gone);
  std::ofstream(dir + "/" + kCache + ".TMP-Zz09aB") << gone << "\n";
  // One ended and not reaped yet is gone too: an init that reaps no orphans keeps them so.
  const pid_t ended = fork();
  if (ended == 0) _exit(0);
  siginfo_t info{};
  waitid(P_PID, static_cast<id_t>(ended), &info, WEXITED | WNOWAIT);
  const std::string endedCache = "00000000000000000000000000000000-le64.cache-8";
  Lock(dir, endedCache, ended);
  Lock(dir, kOtherCache, 1);
  std::ofstream(dir + "/user.LCK") << gone << "\n";
  EXPECT_EQ(TryInChild([&] {
              TrialCacheDirs({dir});
              return std::string("looked");
            }).problem,
            "looked");
  waitpid(ended, nullptr, 0);
  EXPECT_EQ(t.Names("cache"),
            (std::vector<std::string>{kOtherCache + ".LCK", kOtherCache + ".NEW", "user.LCK"}));
}

// The program in a child of its own that begins a trial of `work` and ends by `signal`, as it
// waits for the trial or (`waiting` false) before, its trial's child reported by its process
// number in `t`: the status of the program, the seconds it took to end, and whether the trial's
// child is gone.
struct Ended {
  int status = 0;
  double seconds = 0;
  bool childGone = false;
};

// Whether `program` handles `signal`.
bool Handles(pid_t program, int signal) {
  std::ifstream status("/proc/" + std::to_string(program) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("SigCgt:"))
      return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
  }
  return false;
}

Ended EndedDuringATrial(const Tree& t, int signal, bool waiting,
                        const std::function<std::string()>& work) {
  std::filesystem::remove(t / "child");
  prctl(PR_SET_CHILD_SUBREAPER, 1);  // the trial's child comes to this process when orphaned
  const pid_t program = fork();
  if (program == 0) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);  // SIGQUIT's
    Trial trial(work, {30, 30, 60, 1024, 1});
    if (!waiting) sleep(30);  // connecting to a display that does not answer
    trial.Wait();
    _exit(0);
  }
  long child = 0;
  const bool caught = waiting && signal != SIGKILL;  // by then: the program in its wait
  for (int i = 0; i < 2000 && (child == 0 || (caught && !Handles(program, signal))); ++i) {
    usleep(1000);
    std::ifstream(t / "child") >> child;
  }
  const auto signalled = std::chrono::steady_clock::now();
  kill(program, signal);
  Ended ended;
  waitpid(program, &ended.status, 0);
  ended.seconds = Seconds(std::chrono::steady_clock::now() - signalled).count();
  for (int i = 0; i < 2000 && !ended.childGone; ++i) {
    int status = 0;
    ended.childGone = waitpid(static_cast<pid_t>(child), &status, WNOHANG) == child ||
                      (kill(static_cast<pid_t>(child), 0) != 0 && errno == ESRCH);
    if (!ended.childGone) usleep(1000);
  }
  if (child > 0 && !ended.childGone) kill(static_cast<pid_t>(child), SIGKILL);  // not left over
  prctl(PR_SET_CHILD_SUBREAPER, 0);
  ended.childGone = ended.childGone && child > 0;
  return ended;
}

TEST(Trial, EndsWithItsProgramAtOnce) {
  const Tree t;
  const std::string dir = t.Folder("cache");
  const auto work = [&] { return LockingForEver(dir, t / "child"); };
  for (const bool waiting : {true, false}) {
    // Killed outright: its child follows it, its locks left for the next trial to clear.
    const Ended killed = EndedDuringATrial(t, SIGKILL, waiting, work);
    EXPECT_TRUE(WIFSIGNALED(killed.status) && WTERMSIG(killed.status) == SIGKILL);
    EXPECT_TRUE(killed.childGone);
    // A signal that ends a program ends it at once, by that signal, and its trial with it; as
    // it waits for the trial, the locks are cleared first.
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1}) {
      const Ended ended = EndedDuringATrial(t, signal, waiting, work);
      EXPECT_TRUE(WIFSIGNALED(ended.status) && WTERMSIG(ended.status) == signal)
          << signal << " " << ended.status;
      EXPECT_LT(ended.seconds, 1) << signal;
      EXPECT_TRUE(ended.childGone) << signal;
      if (waiting) {
        EXPECT_EQ(t.Names("cache"), (std::vector<std::string>{"notes.TMP-keep.txt", "user.LCK"}))
            << signal;
      }
    }
  }
}

TEST(Trial, JudgesItsChildWhereChildrenAreIgnored) {
  // A launcher may leave SIGCHLD ignored: children are then reaped before anyone can wait.
  struct sigaction ignore {
  }, was{}, after{};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGCHLD, &ignore, &was);
  const Verdict crashed = TryInChild([]() -> std::string { std::abort(); });
  const Verdict done = TryInChild([] { return std::string("done"); });
  sigaction(SIGCHLD, &was, &after);
  EXPECT_EQ(crashed.problem, "crashed fontconfig (signal 6)");
  EXPECT_EQ(done.problem, "done");
  EXPECT_EQ(after.sa_handler, SIG_IGN);  // given back as it was
}

}  // namespace
}  // namespace orvelle
