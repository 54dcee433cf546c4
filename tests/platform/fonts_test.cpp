#include "platform/fonts.h"

#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/device.h"
#include "platform/fonts_config.h"

namespace orvelle {
namespace {

TEST(FontConfigPath, ARelativeNameIsTakenInTheWorkingDirectory) {
  EXPECT_EQ(ConfigPathIn("alt.conf", "/home/pupil"), "/home/pupil/alt.conf");
  EXPECT_EQ(ConfigPathIn("./alt.conf", "/home/pupil"), "/home/pupil/alt.conf");
  EXPECT_EQ(ConfigPathIn("././conf/alt.conf", "/home/pupil/"), "/home/pupil/conf/alt.conf");
  EXPECT_EQ(ConfigPathIn("../alt.conf", "/home/pupil"), "/home/pupil/../alt.conf");
  EXPECT_EQ(ConfigPathIn("alt.conf", "/"), "/alt.conf");
  EXPECT_EQ(ConfigPathIn("/etc/alt.conf", "/home/pupil"), "/etc/alt.conf");
  // Without a working directory the name is left for the first look to find missing.
  EXPECT_EQ(ConfigPathIn("alt.conf", ""), "alt.conf");
}

TEST(FontConfigPath, TheEnvironmentNamesTheFileFromTheWorkingDirectory) {
  char here[4096];
  ASSERT_NE(getcwd(here, sizeof here), nullptr);
  setenv("ORVELLE_FONTS_CONF", "./alt.conf", 1);
  const std::string named = FontConfigPath();
  unsetenv("ORVELLE_FONTS_CONF");
  EXPECT_EQ(named, std::string(here) + (std::string(here) == "/" ? "" : "/") + "alt.conf");
  EXPECT_EQ(FontConfigPath(), std::string(ORVELLE_FONTS_DIR) + "/fonts.conf");
}

const std::string kOurs = std::string(ORVELLE_FONTS_DIR) + "/fonts.conf";

std::string OurText() {
  std::ifstream ours(kOurs);
  return {std::istreambuf_iterator<char>(ours), {}};
}

// The project's rules with `more` before their end.
std::string OursWith(const std::string& more) {
  std::string text = OurText();
  return text.insert(text.rfind("</fontconfig>"), more);
}

// A folder of files for one test, removed after it.
class Tree {
 public:
  Tree() {
    char dir[] = "/tmp/orvelle-fonts-XXXXXX";
    EXPECT_NE(mkdtemp(dir), nullptr);
    root_ = dir;
    chmod(dir, 0755);  // for the looks taken as another user
  }
  // Modes given back first: a folder a test locks keeps even its owner from emptying it.
  ~Tree() {
    for (const std::string& locked : locked_) chmod(locked.c_str(), 0700);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  std::string operator/(const std::string& name) const { return root_ + "/" + name; }
  std::string Text(const std::string& name, const std::string& text) const {
    std::ofstream(*this / name) << text;
    return *this / name;
  }
  std::string Folder(const std::string& name) const {
    std::filesystem::create_directories(*this / name);
    return *this / name;
  }
  std::string Fifo(const std::string& name) const {
    EXPECT_EQ(mkfifo((*this / name).c_str(), 0644), 0);
    return *this / name;
  }
  std::string Link(const std::string& name, const std::string& target) const {
    EXPECT_EQ(symlink(target.c_str(), (*this / name).c_str()), 0);
    return *this / name;
  }
  std::string Locked(const std::string& path) {
    chmod(path.c_str(), 0);
    locked_.push_back(path);
    return path;
  }

 private:
  std::string root_;
  std::vector<std::string> locked_;
};

std::string Look(const std::string& path) {
  FcConfig* config = FcConfigCreate();
  const std::string said = FirstLook(config, path);
  FcConfigDestroy(config);
  return said;
}

// The first look as the user nobody, where the tests run as root (who may read anything).
std::string LookAsNobody(const std::string& path) {
  int out[2];
  EXPECT_EQ(pipe(out), 0);
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgroups(0, nullptr) || setgid(65534) || setuid(65534))) _exit(1);
    const std::string said = Look(path);
    _exit(write(out[1], said.data(), said.size()) == static_cast<ssize_t>(said.size()) ? 0 : 1);
  }
  close(out[1]);
  std::string said;
  char buffer[512];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) said.append(buffer, n);
  close(out[0]);
  waitpid(child, nullptr, 0);
  return said;
}

TEST(FontConfigFirstLook, SaysWhatThePathIsWhereItIsNoFileOrFolder) {
  Tree t;
  EXPECT_EQ(Look(t / "none.conf"), "is missing");
  EXPECT_EQ(Look(t / "no-folder/fonts.conf"), "is missing");
  EXPECT_EQ(Look(t.Link("dangling.conf", t / "none.conf")), "is a link to a missing file");
  t.Link("loop-a.conf", t / "loop-b.conf");
  EXPECT_EQ(Look(t.Link("loop-b.conf", t / "loop-a.conf")),
            "cannot be read (Too many levels of symbolic links)");
  const std::string locked = t.Locked(t.Text("locked.conf", "<fontconfig/>"));
  EXPECT_EQ(LookAsNobody(locked), "cannot be read (Permission denied)");
  t.Locked(t.Folder("locked"));
  EXPECT_EQ(LookAsNobody(t / "locked/fonts.conf"), "cannot be read (Permission denied)");
  EXPECT_EQ(Look(t.Fifo("pipe.conf")), "is a named pipe, not a file or folder");
  EXPECT_EQ(Look(t.Link("zero.conf", "/dev/zero")), "is a character device, not a file or folder");
  EXPECT_EQ(Look(t.Folder("folder")), "");
  EXPECT_EQ(Look(kOurs), "");

  // Where fontconfig finds it: under its sysroot, unless the path is there already.
  t.Folder("root/conf");
  t.Fifo("root/conf/fonts.conf");
  setenv("FONTCONFIG_SYSROOT", (t / "root").c_str(), 1);
  const std::string under = Look("/conf/fonts.conf");
  const std::string already = Look(t / "root/conf/fonts.conf");
  unsetenv("FONTCONFIG_SYSROOT");
  const std::string real = std::filesystem::canonical(t / "root").string() + "/conf/fonts.conf";
  EXPECT_EQ(under, "(" + real + " under FONTCONFIG_SYSROOT) is a named pipe, not a file or folder");
  EXPECT_EQ(already, "is a named pipe, not a file or folder");
}

using Seconds = std::chrono::duration<double>;

struct Timed {
  Verdict verdict;
  double seconds;
};

Timed Timing(const std::function<Verdict()>& what) {
  const auto start = std::chrono::steady_clock::now();
  Verdict verdict = what();
  return {verdict, Seconds(std::chrono::steady_clock::now() - start).count()};
}

// Limits short enough for the tests to wait them out; the programs' are tried end to end.
constexpr TrialLimits kQuick{0.2, 0.2, 0.6, 1024};
const std::string kClock = "is not done within 0.2 s";
const std::string kProcessor = "is not done within 0.2 s of processor time";

Timed TimedTrial(const std::string& path, const TrialLimits& limits = kQuick) {
  return Timing([&] { return TryConfig(path, limits); });
}

// The project's rules with their folders and caches in `t`.
std::string OursIn(const Tree& t, const std::string& fonts, const std::string& cache) {
  std::string text = OurText();
  const auto replace = [&](const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
  };
  replace("<dir>/usr/share/fonts</dir>", "<dir>" + fonts + "</dir>");
  replace("<dir>/usr/local/share/fonts</dir>", "");
  replace("<cachedir>/var/cache/fontconfig</cachedir>", "<cachedir>" + cache + "</cachedir>");
  replace("<cachedir prefix=\"xdg\">fontconfig</cachedir>", "");
  return t.Text("ours-in.conf", text);
}

TEST(FontConfigTrial, PassesTheProjectsAndTheSystemsConfigurations) {
  for (const std::string& path : {kOurs, std::string()}) {
    const Timed timed = TimedTrial(path, TrialLimits{});
    EXPECT_TRUE(timed.verdict.tried) << path;
    EXPECT_EQ(timed.verdict.problem, "") << path;
    // Within the clock's limit: a few ms here, a sanitizer's fork and a busy machine included.
    EXPECT_LT(timed.seconds, TrialLimits{}.seconds) << path;
  }
  // A file fontconfig warns about passes; its warnings are kept, for the load to say once.
  const Tree t;
  const Verdict warned = TryConfig(t.Text("warned.conf", OursWith("<no-such-element/>\n")));
  EXPECT_EQ(warned.problem, "");
  EXPECT_NE(warned.said.find("Fontconfig warning: "), std::string::npos) << warned.said;
}

TEST(FontConfigTrial, SaysAVerdictOrACrashWithFontconfigsOwnLines) {
  const Tree t;
  const std::string text = OurText();
  const Verdict broken = TryConfig(t.Text("broken.conf", text.substr(0, text.size() / 2)));
  EXPECT_EQ(broken.problem, "cannot be parsed");
  EXPECT_TRUE(broken.said.starts_with("Fontconfig error: ")) << broken.said;
  // A string property tested against a boolean or a number: fontconfig crashes as it matches.
  for (const std::string value : {"<bool>true</bool>", "<int>1</int>"}) {
    const Timed crash =
        TimedTrial(t.Text("crash.conf",
                          "<?xml version=\"1.0\"?>\n<fontconfig><dir>/usr/share/fonts</dir>"
                          "<match target=\"pattern\"><test name=\"family\">" +
                              value +
                              "</test><edit name=\"family\"><string>x</string></edit></match>"
                              "</fontconfig>\n"),
                   TrialLimits{});
    EXPECT_EQ(crash.verdict.problem, "crashed fontconfig (signal 11)") << value;
    EXPECT_LT(crash.seconds, TrialLimits{}.seconds) << value;
  }
  // 15,000 nested <not>: fontconfig recurses until its stack overflows.
  std::string nots = "<match target=\"pattern\"><edit name=\"family\">";
  for (int i = 0; i < 15000; ++i) nots += "<not>";
  nots += "<bool>true</bool>";
  for (int i = 0; i < 15000; ++i) nots += "</not>";
  const Timed deep =
      TimedTrial(t.Text("deep.conf", OursWith(nots + "</edit></match>\n")), TrialLimits{});
  EXPECT_EQ(deep.verdict.problem, "crashed fontconfig (signal 11)");
  EXPECT_LT(deep.seconds, TrialLimits{}.seconds);
}

// A trial the limits end: said when they do, never much later.
void ExpectEndedInTime(const Timed& timed, const std::vector<std::string>& lines, double limit) {
  EXPECT_NE(std::find(lines.begin(), lines.end(), timed.verdict.problem), lines.end())
      << timed.verdict.problem;
  EXPECT_GE(timed.seconds, limit - 0.02);
  // The clock's limit is said only once it has passed.
  EXPECT_TRUE(timed.verdict.problem != kClock || timed.seconds >= kQuick.seconds - 0.02);
  EXPECT_LT(timed.seconds, kQuick.seconds + 1);
}

TEST(FontConfigTrial, EndsOneThatWaitsForEverOrRunsPastItsProcessorTime) {
  // A named pipe among the font files of a folder fontconfig scans (no cache to read instead).
  const Tree t;
  t.Folder("fonts");
  t.Folder("cache");
  t.Fifo("fonts/x.ttf");
  const std::string conf =
      t.Text("piped.conf", "<fontconfig><dir>" + t / "fonts" + "</dir><cachedir>" + t / "cache" +
                               "</cachedir></fontconfig>\n");
  ExpectEndedInTime(TimedTrial(conf), {kClock}, kQuick.seconds);
  // fontconfig matches the glob against every font path by backtracking, exponential in the
  // stars; on a machine busy enough, the clock's limit comes first.
  const std::string glob = t.Text(
      "glob.conf",
      OursWith("<selectfont><rejectfont><glob>*?*?*?*?*?*?*?Q</glob></rejectfont></selectfont>\n"));
  ExpectEndedInTime(TimedTrial(glob), {kProcessor, kClock}, kQuick.cpuSeconds);
}

// Work that reads a font file as fontconfig does, mapped and its pages faulted in, over and over
// for `seconds`.
std::string Reading(double seconds) {
  const std::string file = std::string(ORVELLE_TEST_FACES) + "/kana-only.ttf";
  const auto start = std::chrono::steady_clock::now();
  while (Seconds(std::chrono::steady_clock::now() - start).count() < seconds) {
    const int fd = open(file.c_str(), O_RDONLY);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0) return "no font";
    const size_t size = static_cast<size_t>(info.st_size);
    auto* p = static_cast<volatile char*>(mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0));
    close(fd);
    if (p == MAP_FAILED) return "not mapped";
    for (size_t at = 0; at < size; at += 4096) (void)p[at];
    munmap(const_cast<char*>(p), size);
  }
  return "read";
}

TEST(FontConfigTrial, GivesReadingFontsTimeUpToItsCap) {
  // 0.3 s of reading: past the clock's 0.2 s, within the cap.
  const Timed reading = Timing([] { return TryInChild([] { return Reading(0.3); }, kQuick); });
  EXPECT_EQ(reading.verdict.problem, "read");
  EXPECT_GT(reading.seconds, kQuick.seconds);
  // Reading without end is ended at the cap.
  const Timed endless = Timing([] { return TryInChild([] { return Reading(60); }, kQuick); });
  EXPECT_EQ(endless.verdict.problem, "is still reading fonts after 0.6 s");
  EXPECT_GE(endless.seconds, kQuick.capSeconds - 0.02);
  EXPECT_LT(endless.seconds, kQuick.capSeconds + 1);
}

TEST(FontConfigTrial, RunsUnderItsLimits) {
  const Verdict limits = TryInChild(
      [] {
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
        // The processor's own limit is the cap: the parent ends it by the time it watches.
        return "cpu " + std::to_string(cpu.rlim_cur) + " core " + std::to_string(core.rlim_cur) +
               (room > 0 && room <= kQuick.mib * 1024 ? " bounded"
                                                      : " room " + std::to_string(room));
      },
      kQuick);
  EXPECT_EQ(limits.problem, "cpu 2 core 0 bounded");  // 0.6 s and a second
}

TEST(FontConfigTrial, SaysWhatEndedAnyWork) {
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
  const Verdict said = TryInChild([] {
    std::fputs("Fontconfig error: one\nFontconfig error: two\n", stderr);
    return std::string("failed");
  });
  EXPECT_EQ(said.problem, "failed");
  EXPECT_EQ(said.said, "Fontconfig error: one\nFontconfig error: two\n");
  // Of many lines, the first and the last are kept: the error after a storm of warnings.
  const Verdict chatty = TryInChild([] {
    for (int i = 0; i < 200; ++i) std::fprintf(stderr, "Fontconfig warning: number %d\n", i);
    std::fputs("Fontconfig error: line 201: mismatched tag\n", stderr);
    return std::string();
  });
  const std::string& kept = chatty.said;
  EXPECT_TRUE(kept.starts_with("Fontconfig warning: number 0\n")) << kept;
  EXPECT_TRUE(
      kept.ends_with("Fontconfig warning: number 199\n"
                     "Fontconfig error: line 201: mismatched tag\n"))
      << kept;
  EXPECT_LE(kept.size(), 4200u);
  const size_t at = kept.find("lines of fontconfig's left out)\n");
  ASSERT_NE(at, std::string::npos) << kept;
  const size_t open = kept.rfind('(', at);
  const size_t left = std::stoul(kept.substr(open + 1));
  const size_t shown = static_cast<size_t>(std::count(kept.begin(), kept.end(), '\n')) - 1;
  EXPECT_EQ(left + shown, 201u);
}

// fontconfig's lock of a cache it writes, NAME.LCK holding the writer's process number, and the
// cache half-written, NAME.NEW.
void Lock(const std::string& dir, const std::string& name, long pid) {
  std::ofstream(dir + "/" + name + ".LCK") << pid << "\n";
  std::ofstream(dir + "/" + name + ".NEW") << "half";
}

// Work that locks a cache as fontconfig does, then says its process number in `said` where it is
// given, and waits for ever.
std::string LockingForEver(const std::string& dir, const std::string& said = "") {
  TrialCacheDirs({dir});
  Lock(dir, "mine-le64.cache-8", getpid());
  std::ofstream(dir + "/mine-le64.cache-8.TMP-abc123") << getpid() << "\n";
  if (!said.empty()) {
    std::ofstream(said + ".new") << getpid();
    std::filesystem::rename(said + ".new", said);
  }
  pause();
  return "";
}

TEST(FontConfigTrial, OneEndedLeavesNoLockOrHalfCacheOfItsOwn) {
  const Tree t;
  const std::string dir = t.Folder("cache");
  Lock(dir, "other-le64.cache-8", 1);  // another writer's
  const Verdict v = TryInChild([&] { return LockingForEver(dir); }, kQuick);
  EXPECT_EQ(v.problem, kClock);
  std::vector<std::string> left;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    left.push_back(e.path().filename());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"other-le64.cache-8.LCK", "other-le64.cache-8.NEW"}));
}

// The program in a child of its own that begins a trial of `work` and ends by `signal`, its
// trial's child reported by its process number in `t`: the status of the program, and whether
// the trial's child is gone.
std::pair<int, bool> EndedDuringATrial(const Tree& t, int signal,
                                       const std::function<std::string()>& work) {
  prctl(PR_SET_CHILD_SUBREAPER, 1);  // the trial's child comes to this process when orphaned
  const pid_t program = fork();
  if (program == 0) {
    TryInChild(work, {30, 30, 60, 1024});
    _exit(0);
  }
  long child = 0;
  for (int i = 0; i < 2000 && child == 0; ++i) {
    usleep(1000);
    std::ifstream(t / "child") >> child;
  }
  kill(program, signal);
  int status = 0;
  waitpid(program, &status, 0);
  bool gone = false;
  for (int i = 0; i < 2000 && !gone; ++i) {
    int ended = 0;
    gone = waitpid(static_cast<pid_t>(child), &ended, WNOHANG) == child ||
           (kill(static_cast<pid_t>(child), 0) != 0 && errno == ESRCH);
    if (!gone) usleep(1000);
  }
  if (child > 0 && !gone) kill(static_cast<pid_t>(child), SIGKILL);  // not left to the next test
  prctl(PR_SET_CHILD_SUBREAPER, 0);
  return {status, child > 0 && gone};
}

TEST(FontConfigTrial, EndsWithItsProgram) {
  const Tree t;
  const std::string dir = t.Folder("cache");
  const auto work = [&] { return LockingForEver(dir, t / "child"); };
  // Ended at once: its child follows it.
  const auto [killed, killedGone] = EndedDuringATrial(t, SIGKILL, work);
  EXPECT_TRUE(WIFSIGNALED(killed) && WTERMSIG(killed) == SIGKILL);
  EXPECT_TRUE(killedGone);
  std::filesystem::remove(t / "child");
  // A termination signal ends the trial first, its locks cleared, then the program by it.
  const auto [terminated, terminatedGone] = EndedDuringATrial(t, SIGTERM, work);
  EXPECT_TRUE(WIFSIGNALED(terminated) && WTERMSIG(terminated) == SIGTERM) << terminated;
  EXPECT_TRUE(terminatedGone);
  EXPECT_FALSE(std::filesystem::exists(dir + "/mine-le64.cache-8.LCK"));
  EXPECT_FALSE(std::filesystem::exists(dir + "/mine-le64.cache-8.NEW"));
}

TEST(FontConfigTrial, JudgesItsChildWhereChildrenAreIgnored) {
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

TEST(FontConfigTrial, LoadsEachFaceTheLessonsMatch) {
  // The face's file reached through a link, whose target changes while the folder, and so
  // fontconfig's cache of it, stays as it was.
  const Tree t;
  const std::string fonts = t.Folder("fonts");
  t.Folder("real");
  const std::string real = t / "real/ipag.ttf";
  std::filesystem::copy_file(FindFace(kGothicFont, false, false).file, real);
  t.Link("fonts/ipag.ttf", real);
  const std::string conf = OursIn(t, fonts, t.Folder("cache"));
  EXPECT_EQ(TryConfig(conf, kQuick).problem, "");  // and its cache written
  const std::string gives =
      "gives IPAGothic (Debian package fonts-ipafont-gothic), whose file " + fonts + "/ipag.ttf ";
  std::filesystem::remove(real);
  EXPECT_EQ(TryConfig(conf, kQuick).problem, gives + "is missing");
  EXPECT_EQ(mkfifo(real.c_str(), 0644), 0);
  // Said at once, not waited on.
  EXPECT_EQ(TryConfig(conf, kQuick).problem, gives + "is a named pipe, not a font");
  std::filesystem::remove(real);
  t.Text("real/ipag.ttf", "not a font at all");
  EXPECT_EQ(TryConfig(conf, kQuick).problem, gives + "is not a font");
}

TEST(FontConfigTrial, ItsLineNamesThePathAndWhatFollows) {
  const std::string path = "/home/pupil/fonts.conf";
  EXPECT_EQ(FontsLine(path, "is not done within 3 s"),
            "fonts: /home/pupil/fonts.conf is not done within 3 s; using the system's fonts");
  unsetenv("FONTCONFIG_FILE");
  EXPECT_EQ(FontsLine(path, "crashed fontconfig (signal 11)", "finds no fonts"),
            "fonts: /home/pupil/fonts.conf crashed fontconfig (signal 11), and the system's "
            "/etc/fonts/fonts.conf finds no fonts; cannot show the lessons");
  setenv("FONTCONFIG_FILE", "/home/pupil/system.conf", 1);
  // The fault both share, said once.
  EXPECT_EQ(
      FontsLine(path, "gives X, whose file /x is missing", "gives X, whose file /x is missing"),
      "fonts: /home/pupil/fonts.conf gives X, whose file /x is missing, and the system's "
      "/home/pupil/system.conf too; cannot show the lessons");
  unsetenv("FONTCONFIG_FILE");
  // A path cannot forge a line or reach the terminal's controls.
  EXPECT_EQ(FontsLine("/tmp/a\nfonts: b\x1b[2J\t\x7f.conf", "is missing"),
            "fonts: /tmp/a\\nfonts: b\\x1b[2J\\t\\x7f.conf is missing; using the system's fonts");
  EXPECT_EQ(Shown("one\ntwo\r\n", true), "one\ntwo\\r\n");
}

std::string Loaded(const std::string& path) {
  FcConfig* config = FcConfigCreate();
  const std::string problem = LoadConfig(config, path);
  FcConfigDestroy(config);
  return problem;
}

TEST(FontConfigLoad, SaysWhatIsTrueOfAConfigurationThatIsRead) {
  EXPECT_EQ(Loaded(kOurs), "");
  EXPECT_EQ(Loaded("/etc/fonts/fonts.conf"),
            "loads but leaves the lessons' font names \"ｺﾞｼｯｸ\", \"ゴシック\", \"Times New Roman\" "
            "and \"MT Extra\" unmapped");
  const Tree t;
  const std::string text = OurText();
  // Without its last two names.
  const size_t times = text.find("  <!-- The italic letters");
  const size_t any = text.find("  <!-- Any other name");
  const std::string half = t.Text("half.conf", text.substr(0, times) + text.substr(any));
  EXPECT_EQ(Loaded(half),
            "loads but leaves the lessons' font names \"Times New Roman\" and \"MT Extra\" "
            "unmapped");
  EXPECT_EQ(TryConfig(half, kQuick).problem, Loaded(half));  // the trial's verdict is the load's
  EXPECT_EQ(Loaded(t.Text("broken.conf", text.substr(0, text.size() / 2))), "cannot be parsed");
  t.Folder("empty");
  EXPECT_EQ(Loaded(t.Text("empty.conf", "<fontconfig><dir>" + t / "empty" + "</dir><cachedir>" +
                                            t / "empty" + "</cachedir></fontconfig>\n")),
            "finds no fonts");
}

TEST(TextFace, AFaceMustDrawDigitsKanaAndKanji) {
  EXPECT_EQ(TextFaceProblem(), "");
  EXPECT_EQ(TextFaceProblem(FindFace(kGothicFont, false, false)), "");
  const std::string japanese =
      "fonts: no font found to draw Japanese text with: IPAGothic is missing (Debian package "
      "fonts-ipafont-gothic); cannot show the lessons";
  // Cut from IPAGothic: its kana without a kanji, its kanji without a kana; and a Latin face.
  for (const std::string& file : {std::string(ORVELLE_TEST_FACES) + "/kana-only.ttf",
                                  std::string(ORVELLE_TEST_FACES) + "/kanji-only.ttf",
                                  FindFace(kLetterFont, false, false).file}) {
    const auto face = FaceFromFile(file);
    ASSERT_TRUE(face->Find(U'1').found) << file;
    EXPECT_EQ(TextFaceProblem(*face), japanese) << file;
  }
  EXPECT_TRUE(FaceFromFile(std::string(ORVELLE_TEST_FACES) + "/kana-only.ttf")->Find(U'の').found);
  EXPECT_TRUE(FaceFromFile(std::string(ORVELLE_TEST_FACES) + "/kanji-only.ttf")->Find(U'終').found);
  EXPECT_EQ(TextFaceProblem(*FaceFromFile("/nonexistent/face.ttf")),
            "fonts: no font found to draw text with; cannot show the lessons");
}

}  // namespace
}  // namespace orvelle
