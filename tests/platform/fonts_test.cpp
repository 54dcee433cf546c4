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
#include "tests/support/scratch.h"
#include "tests/support/timed_trial.h"

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

using test::Timed;
using test::Timing;
using test::Tree;

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

// Limits short enough for the tests to wait them out; the programs' are tried end to end.
constexpr TrialLimits kQuick{0.2, 0.2, 0.6, 1024, 1};

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
  // The system's configuration, FONTCONFIG_FILE where it is set, goes through the same trial.
  t.Folder("none");
  const std::string empty =
      t.Text("empty.conf", "<fontconfig><dir>" + t / "none" + "</dir><cachedir>" + t / "none" +
                               "</cachedir></fontconfig>\n");
  for (const auto& [file, problem] : {std::pair(t / "crash.conf", "crashed fontconfig (signal 11)"),
                                      std::pair(empty, "finds no fonts")}) {
    setenv("FONTCONFIG_FILE", file.c_str(), 1);
    const Verdict system = TryConfig("", kQuick);
    unsetenv("FONTCONFIG_FILE");
    EXPECT_EQ(system.problem, problem) << file;
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

// Limits for the trials that are to end at them.
constexpr TrialLimits kShort{0.1, 0.1, 0.6, 1024, 1};
const std::string kShortClock = "is not done within 0.1 s";
const std::string kShortProcessor = "is not done within 0.1 s of processor time";

// A trial of `conf` the short limits end: said when they do, never much later; on a machine
// busy enough, the clock's limit may come before the processor's.
void ExpectEnded(const std::string& conf, bool processor) {
  const Timed timed = TimedTrial(conf, kShort);
  const std::string& problem = timed.verdict.problem;
  EXPECT_TRUE(problem == kShortClock || (processor && problem == kShortProcessor)) << problem;
  // The clock's limit is said only once it has passed.
  EXPECT_GE(timed.seconds, (problem == kShortClock ? kShort.seconds : kShort.cpuSeconds) - 0.02);
  EXPECT_LT(timed.seconds, kShort.seconds + 1);
}

TEST(FontConfigTrial, EndsOneThatWaitsForEverOrRunsPastItsProcessorTime) {
  // A named pipe among the font files of a folder fontconfig scans (no cache to read instead).
  const Tree t;
  t.Folder("fonts");
  t.Folder("cache");
  t.Fifo("fonts/x.ttf");
  ExpectEnded(t.Text("piped.conf", "<fontconfig><dir>" + t / "fonts" + "</dir><cachedir>" +
                                       t / "cache" + "</cachedir></fontconfig>\n"),
              false);
  // fontconfig matches the glob against every font path by backtracking, exponential in the
  // stars.
  ExpectEnded(t.Text("glob.conf", OursWith("<selectfont><rejectfont><glob>*?*?*?*?*?*?*?Q</glob>"
                                           "</rejectfont></selectfont>\n")),
              true);
  // Parsing a long configuration (10,000 folders that do not exist) builds no caches, however
  // many pages it faults in: the limits hold there as they are.
  std::string dirs = "<fontconfig>\n";
  for (int i = 0; i < 10000; ++i) dirs += "<dir>" + t / "nowhere/" + std::to_string(i) + "</dir>\n";
  ExpectEnded(t.Text("dirs.conf", dirs + "</fontconfig>\n"), true);
}

TEST(FontConfigTrial, BuildsTheCachesOfThousandsOfFontsPastItsProcessorsLimit) {
  // 2,000 links to one face, in a folder without a cache: fontconfig reads them all, then builds
  // and writes their cache, in several times the processor's limit.
  const Tree t;
  const std::string face = t / "serif.ttf";
  std::filesystem::copy_file(FindFace(kLetterFont, false, false).file, face);
  t.Folder("fonts");
  for (int i = 0; i < 2000; ++i) {
    const std::string link = t / "fonts/" + std::to_string(i) + ".ttf";
    ASSERT_TRUE(::link(face.c_str(), link.c_str()) == 0 ||
                symlink(face.c_str(), link.c_str()) == 0);
  }
  t.Folder("cache");
  const std::string conf =
      t.Text("many.conf", "<fontconfig><dir>" + t / "fonts" + "</dir><cachedir>" + t / "cache" +
                              "</cachedir></fontconfig>\n");
  const TrialLimits limits{0.2, 0.05, 10, 1024, 1};
  const Timed first = TimedTrial(conf, limits);
  EXPECT_TRUE(first.verdict.problem.starts_with("loads but leaves")) << first.verdict.problem;
  EXPECT_GT(first.seconds, limits.cpuSeconds * 3);
  const std::vector<std::string> cached = t.Names("cache");
  ASSERT_EQ(cached.size(), 1u);
  EXPECT_TRUE(cached[0].ends_with(".cache-8") || cached[0].find(".cache-") != std::string::npos)
      << cached[0];
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
