#include "platform/fonts.h"

#include <dirent.h>
#include <fontconfig/fontconfig.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
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
#include <future>
#include <string>
#include <thread>
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
  Trial trial;
  double seconds;
};

Timed Timing(const std::function<Trial()>& what) {
  const auto start = std::chrono::steady_clock::now();
  Trial trial = what();
  return {trial, Seconds(std::chrono::steady_clock::now() - start).count()};
}

Timed TimedTrial(const std::string& path) {
  return Timing([&] { return TryConfig(path); });
}

int Threads() {
  int n = 0;
  DIR* tasks = opendir("/proc/self/task");
  while (const dirent* e = tasks ? readdir(tasks) : nullptr) n += e->d_name[0] != '.';
  if (tasks) closedir(tasks);
  return n;
}

TEST(FontConfigTrial, PassesTheProjectsAndTheSystemsConfigurations) {
  for (const std::string& path : {kOurs, std::string()}) {
    const bool threaded = Threads() > 1;
    const Timed timed = TimedTrial(path);
    EXPECT_EQ(timed.trial.problem, "") << path;
    EXPECT_EQ(timed.trial.anew, threaded) << path;
    // Far within the limit: a few ms here, a sanitizer's fork and a busy machine included.
    EXPECT_LT(timed.seconds, kTrialSeconds / 3.0) << path;
  }
  // A file fontconfig warns about passes; its warnings are kept, for the load to say once.
  const Tree t;
  const Trial warned = TryConfig(t.Text("warned.conf", OursWith("<no-such-element/>\n")));
  EXPECT_EQ(warned.problem, "");
  EXPECT_NE(warned.said.find("Fontconfig warning: "), std::string::npos) << warned.said;
}

TEST(FontConfigTrial, SaysAVerdictOrACrashWithFontconfigsOwnLines) {
  const Tree t;
  const std::string text = OurText();
  const Trial broken = TryConfig(t.Text("broken.conf", text.substr(0, text.size() / 2)));
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
                              "</fontconfig>\n"));
    EXPECT_EQ(crash.trial.problem, "crashed fontconfig (signal 11)") << value;
    EXPECT_LT(crash.seconds, kTrialSeconds) << value;
  }
  // 15,000 nested <not>: fontconfig recurses until its stack overflows.
  std::string nots = "<match target=\"pattern\"><edit name=\"family\">";
  for (int i = 0; i < 15000; ++i) nots += "<not>";
  nots += "<bool>true</bool>";
  for (int i = 0; i < 15000; ++i) nots += "</not>";
  const Timed deep = TimedTrial(t.Text("deep.conf", OursWith(nots + "</edit></match>\n")));
  EXPECT_EQ(deep.trial.problem, "crashed fontconfig (signal 11)");
  EXPECT_LT(deep.seconds, kTrialSeconds);
}

const std::string kClock = "is not done within " + std::to_string(kTrialSeconds) + " s";
const std::string kProcessor =
    "is not done within " + std::to_string(kTrialCpuSeconds) + " s of processor time";

// A trial the limits end: said when they do, never much later.
void ExpectEndedInTime(const Timed& timed, const std::vector<std::string>& lines, int limit) {
  EXPECT_NE(std::find(lines.begin(), lines.end(), timed.trial.problem), lines.end())
      << timed.trial.problem;
  EXPECT_GE(timed.seconds, limit - 0.05);
  // The clock's limit is said only once it has passed.
  EXPECT_TRUE(timed.trial.problem != kClock || timed.seconds >= kTrialSeconds - 0.05);
  EXPECT_LT(timed.seconds, kTrialSeconds + 1.0);
}

TEST(FontConfigTrial, EndsOneThatWaitsForEver) {
  // A named pipe among the font files of a folder fontconfig scans (no cache to read instead).
  const Tree t;
  t.Folder("fonts");
  t.Folder("cache");
  t.Fifo("fonts/x.ttf");
  const std::string conf =
      t.Text("piped.conf", "<fontconfig><dir>" + t / "fonts" + "</dir><cachedir>" + t / "cache" +
                               "</cachedir></fontconfig>\n");
  ExpectEndedInTime(TimedTrial(conf), {kClock}, kTrialSeconds);
}

TEST(FontConfigTrial, EndsOneThatRunsPastItsProcessorTime) {
  // fontconfig matches the glob against every font path by backtracking, exponential in the stars.
  const Tree t;
  const std::string conf = t.Text(
      "glob.conf",
      OursWith("<selectfont><rejectfont><glob>*?*?*?*?*?*?*?Q</glob></rejectfont></selectfont>\n"));
  // On a machine busy enough, the clock's limit comes first.
  ExpectEndedInTime(TimedTrial(conf), {kProcessor, kClock}, kTrialCpuSeconds);
}

TEST(FontConfigTrial, RunsUnderItsLimits) {
  const Trial limits = TryInChild([] {
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
           (room > 0 && room <= kTrialMiB * 1024 ? " bounded" : " room " + std::to_string(room));
  });
  EXPECT_EQ(limits.problem, "cpu " + std::to_string(kTrialCpuSeconds) + " core 0 bounded");
}

TEST(FontConfigTrial, SaysWhatEndedAnyWork) {
  const Timed memory = Timing([] {
    // Mapped, not allocated: a sanitizer's allocator would end the child with a report, which
    // takes long to write.
    return TryInChild([] {
      while (mmap(nullptr, 64 << 20, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0) !=
             MAP_FAILED) {
      }
      return std::string("got no more memory");
    });
  });
  // 1024 MiB over what it had, or less where this process was given less (ulimit -v).
  const std::string& needs = memory.trial.problem;
  ASSERT_TRUE(needs.starts_with("needs more than ") && needs.ends_with(" MiB")) << needs;
  const long mib = std::atol(needs.c_str() + std::strlen("needs more than "));
  EXPECT_TRUE(mib > 512 && mib <= kTrialMiB) << needs;
  EXPECT_LT(memory.seconds, kTrialSeconds);
  // Far below the limit, a failure is what the work says.
  EXPECT_EQ(TryInChild([] {
              const void* mapped = mmap(nullptr, 256 << 20, PROT_READ | PROT_WRITE,
                                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
              return std::string(mapped != MAP_FAILED ? "no" : "none");
            }).problem,
            "no");
  EXPECT_EQ(TryInChild([]() -> std::string { std::abort(); }).problem,
            "crashed fontconfig (signal 6)");
  EXPECT_EQ(TryInChild([]() -> std::string { _exit(3); }).problem,
            "ended fontconfig's trial with status 3");
  const Trial said = TryInChild([] {
    std::fputs("Fontconfig error: one\nFontconfig error: two\n", stderr);
    return std::string("failed");
  });
  EXPECT_EQ(said.problem, "failed");
  EXPECT_EQ(said.said, "Fontconfig error: one\nFontconfig error: two\n");
  // What it says is kept to its first 4 KiB of lines.
  const Trial chatty = TryInChild([] {
    for (int i = 0; i < 10000; ++i) std::fputs("Fontconfig warning: again and again\n", stderr);
    return std::string();
  });
  EXPECT_EQ(chatty.problem, "");
  EXPECT_LE(chatty.said.size(), 4096u);
  EXPECT_GT(chatty.said.size(), 4000u);
  EXPECT_TRUE(chatty.said.ends_with("again and again\n"));
}

TEST(FontConfigTrial, StartsAnewInAProcessWithThreads) {
  std::promise<void> done;
  std::thread waiting([ended = done.get_future()] { ended.wait(); });
  ASSERT_GT(Threads(), 1);
  const Trial ours = TryConfig(kOurs);
  const Trial system = TryConfig("");
  const Tree t;
  const Trial crashed = TryConfig(t.Text(
      "crash.conf",
      "<fontconfig><dir>/usr/share/fonts</dir><match target=\"pattern\"><test name=\"family\">"
      "<bool>true</bool></test><edit name=\"family\"><string>x</string></edit></match>"
      "</fontconfig>\n"));
  done.set_value();
  waiting.join();
  EXPECT_TRUE(ours.anew);
  EXPECT_EQ(ours.problem, "");
  EXPECT_EQ(system.problem, "");
  EXPECT_TRUE(crashed.anew);
  EXPECT_EQ(crashed.problem, "crashed fontconfig (signal 11)");
  EXPECT_NE(crashed.said.find("saw bool, expected string"), std::string::npos) << crashed.said;
}

TEST(FontConfigTrial, ItsLineNamesThePathAndWhatFollows) {
  const std::string path = "/home/pupil/fonts.conf";
  EXPECT_EQ(FontsLine(path, kClock),
            "fonts: /home/pupil/fonts.conf is not done within 3 s; using the system's fonts");
  unsetenv("FONTCONFIG_FILE");
  EXPECT_EQ(FontsLine(path, "crashed fontconfig (signal 11)", kProcessor),
            "fonts: /home/pupil/fonts.conf crashed fontconfig (signal 11), and the system's "
            "/etc/fonts/fonts.conf is not done within 2 s of processor time; cannot show the "
            "lessons");
  setenv("FONTCONFIG_FILE", "/home/pupil/system.conf", 1);
  EXPECT_EQ(FontsLine(path, "is missing", "needs more than 1024 MiB"),
            "fonts: /home/pupil/fonts.conf is missing, and the system's /home/pupil/system.conf "
            "needs more than 1024 MiB; cannot show the lessons");
  unsetenv("FONTCONFIG_FILE");
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
  EXPECT_EQ(TryConfig(half).problem, Loaded(half));  // the trial's verdict is the load's
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
