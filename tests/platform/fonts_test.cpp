#include "platform/fonts.h"

#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

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
  // Without a working directory the name is left for the file checks to find missing.
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

// A folder of configuration files for one test, removed after it.
class Tree {
 public:
  Tree() {
    char dir[] = "/tmp/orvelle-fonts-XXXXXX";
    EXPECT_NE(mkdtemp(dir), nullptr);
    root_ = dir;
    chmod(dir, 0755);  // for the checks run as another user
  }
  // Modes given back first: a folder a test locks keeps even its owner from emptying it, and a
  // clean-up that throws would end the tests with the tree left behind.
  ~Tree() {
    Unlock(root_);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  std::string operator/(const std::string& name) const { return root_ + "/" + name; }
  // A configuration file that includes each of `includes` (elements written out in full).
  std::string Conf(const std::string& name, const std::string& includes = "") const {
    return Text(name, "<?xml version=\"1.0\"?>\n<fontconfig>\n" + includes + "</fontconfig>\n");
  }
  std::string Text(const std::string& name, const std::string& text) const {
    std::ofstream(*this / name) << text;
    return *this / name;
  }
  std::string Sized(const std::string& name, long bytes) const {
    std::ofstream(*this / name).close();
    EXPECT_EQ(truncate((*this / name).c_str(), bytes), 0);
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
  // a/d, a link to ../other/real, where x.conf and 10-x.conf are links to ../y.conf: a/y.conf to
  // fontconfig, which folds ".." by text, and other/y.conf, a configuration, to the system.
  void LinkedFolder() const {
    Folder("other/real");
    Folder("a");
    Conf("other/y.conf");
    Link("a/d", "../other/real");
    Link("other/real/x.conf", "../y.conf");
    Link("other/real/10-x.conf", "../y.conf");
  }
  // A folder of `count` empty files, none of them a configuration file.
  std::string Crowded(const std::string& name, int count) const {
    const std::string folder = Folder(name);
    for (int i = 0; i < count; ++i) {
      close(open((folder + "/" + std::to_string(i)).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
    }
    return folder;
  }

 private:
  static void Unlock(const std::filesystem::path& folder) {
    chmod(folder.c_str(), 0700);
    std::error_code error, kind;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
      if (it->symlink_status(kind).type() == std::filesystem::file_type::directory) {
        Unlock(it->path());
      }
    }
  }

  std::string root_;
};

std::string IncludeOf(const std::string& name, const std::string& attributes = "") {
  return "<include" + attributes + ">" + name + "</include>\n";
}

struct Answer {
  std::string text;
  double seconds = 0;  // of the processor's time: a loaded machine does not count
};

// The processor's time the checks may take: what they take, many times over, and more under the
// sanitizers, which slow every call several times.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kSlower = 8;
#else
constexpr double kSlower = 1;
#endif

// What `what` returns, worked out in a child process (as the user nobody where `asNobody` and the
// tests run as root) that an alarm ends after 5 s: a check that waits for ever or reads without
// end cannot stall the tests.
Answer InChild(const std::function<std::string()>& what, bool asNobody = false) {
  int out[2];
  EXPECT_EQ(pipe(out), 0);
  const pid_t child = fork();
  if (child == 0) {
    alarm(5);
    if (asNobody && geteuid() == 0 && (setgroups(0, nullptr) || setgid(65534) || setuid(65534))) {
      _exit(1);
    }
    const std::string text = what() + "\n";
    _exit(write(out[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1);
  }
  close(out[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  close(out[0]);
  rusage usage{};
  wait4(child, nullptr, 0, &usage);
  const double took = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  if (!text.ends_with('\n')) return {"no answer", took};
  return {text.substr(0, text.size() - 1), took};
}

std::string ProblemOf(const std::string& path) {
  FcConfig* config = FcConfigCreate();
  const std::string problem = WalkConfig(config, path).problem;
  FcConfigDestroy(config);
  return problem;
}

// The line for `path`, checked in a child, which must answer in well under a second.
std::string Refusal(const std::string& path, bool asNobody = false) {
  const Answer answer = InChild([&] { return ProblemOf(path); }, asNobody);
  EXPECT_LT(answer.seconds, 0.5 * kSlower) << path << ": " << answer.text;
  return answer.text;
}

TEST(FontConfigGuard, WhatCouldWaitOrReadWithoutEndIsRefusedAtOnce) {
  const Tree t;
  const std::string zero = t.Folder("zero");
  t.Conf("zero/10-plain.conf");
  t.Link("zero/20-zero.conf", "/dev/zero");
  EXPECT_EQ(Refusal(zero),
            "is refused: " + zero + "/20-zero.conf is a character device, not a file or folder");

  const std::string piped = t.Folder("piped");
  t.Fifo("piped/10-pipe.conf");
  EXPECT_EQ(Refusal(piped),
            "is refused: " + piped + "/10-pipe.conf is a named pipe, not a file or folder");

  // Named by an include, even one that may be missing: fontconfig opens whatever is there.
  const std::string pipe = t.Fifo("pipe.conf");
  for (const char* attributes : {"", " ignore_missing=\"yes\""}) {
    EXPECT_EQ(Refusal(t.Conf("includes-pipe.conf", IncludeOf(pipe, attributes))),
              "is refused: " + pipe + " is a named pipe, not a file or folder");
  }
  EXPECT_EQ(Refusal(pipe), "is a named pipe, not a file or folder");
  EXPECT_EQ(Refusal("/dev/zero"), "is a character device, not a file or folder");

  // 16 MiB, reached through an include and in a folder: refused unread.
  const std::string big = t.Sized("big.conf", 16 << 20);
  const std::string top = t.Conf("includes-big.conf", IncludeOf(big));
  EXPECT_EQ(Refusal(top), "is over 256 KiB with the files it reads (" +
                              std::to_string((16 << 20) + std::filesystem::file_size(top)) +
                              " bytes up to " + big + ") and refused");
  t.Folder("bigs");
  t.Sized("bigs/10-big.conf", 16 << 20);
  EXPECT_EQ(Refusal(t / "bigs"), "is over 256 KiB with the files it reads (16777216 bytes up to " +
                                     t / "bigs/10-big.conf" + ") and refused");
  // Entities, which may stand within one another for megabytes.
  EXPECT_EQ(Refusal(t.Text("entity.conf", "<!DOCTYPE fontconfig [<!ENTITY e 'x'>]><fontconfig/>")),
            "declares an entity, which can stand for many times its size");
}

// fontconfig reads a link itself and folds ".." by text, where the system goes through a linked
// folder first.
TEST(FontConfigGuard, TakesALinkAsFontconfigReadsIt) {
  const Tree t;
  t.LinkedFolder();
  t.Folder("f");
  t.Link("f/10-d.conf", "../a/d");  // a folder's file: the linked folder, by fontconfig's path
  const std::string top = t / "a/d/x.conf";
  const std::string includes = t.Conf("includes.conf", IncludeOf(top));
  const std::string opened = t / "a/y.conf";
  for (const std::string kind : {"a named pipe", "a character device"}) {
    std::filesystem::remove(opened);
    kind == "a named pipe" ? t.Fifo("a/y.conf") : t.Link("a/y.conf", "/dev/zero");
    const std::string why = " as fontconfig reads it) is " + kind + ", not a file or folder";
    EXPECT_EQ(Refusal(top), "is refused: " + opened + " (the link " + top + why);
    EXPECT_EQ(Refusal(includes), "is refused: " + opened + " (the link " + top + why);
    EXPECT_EQ(Refusal(t / "f"),
              "is refused: " + opened + " (the link " + t / "a/d/10-x.conf" + why);
  }
}

TEST(FontConfigGuard, ListsAFolderOnceForEveryIncludeOfIt) {
  const Tree t;
  const std::string crowded = t.Crowded("crowded", 5000);
  std::string includes;
  for (int i = 0; i < 1000; ++i) includes += IncludeOf(crowded);
  EXPECT_EQ(Refusal(t.Conf("thousand.conf", includes)), "");
  // Under each other name (crowded, /crowded, //crowded, ...) fontconfig lists it again, with
  // "." and "..": 52 times fit in the entries listed at most, not 53.
  includes.clear();
  for (int i = 0; i < 53; ++i) includes += IncludeOf(t / (std::string(i, '/') + "crowded"));
  EXPECT_EQ(Refusal(t.Conf("many-names.conf", includes)),
            "is refused: " + t / (std::string(52, '/') + "crowded") +
                " takes the folders listed past 262144 entries");
}

TEST(FontConfigGuard, AtMost1024FilesTogetherAtMost256KiBAreRead) {
  const Tree t;
  const std::string whole = t.Sized("whole.conf", 256 << 10);
  EXPECT_EQ(Refusal(whole), "");
  const std::string over = t.Sized("over.conf", (256 << 10) + 1);
  EXPECT_EQ(Refusal(over), "is over 256 KiB (262145 bytes) and refused");
  // Each under the limit, together at it, then over it.
  const std::string a = t.Sized("a.conf", 100 << 10);
  const std::string b = t.Sized("b.conf", 100 << 10);
  const std::string c = t / "c.conf";
  const std::string top = t.Conf("top.conf", IncludeOf(a) + IncludeOf(b) + IncludeOf(c));
  const long rest = (56 << 10) - static_cast<long>(std::filesystem::file_size(top));
  t.Sized("c.conf", rest);
  EXPECT_EQ(Refusal(top), "");
  t.Sized("c.conf", rest + 1);
  EXPECT_EQ(Refusal(top),
            "is over 256 KiB with the files it reads (262145 bytes up to " + c + ") and refused");
  // The folder and 1,023 files in it, then one more.
  const std::string many = t.Folder("many");
  char name[32];
  for (int i = 1; i <= 1023; ++i) {
    std::snprintf(name, sizeof name, "many/1-%04d.conf", i);
    t.Conf(name);
  }
  EXPECT_EQ(Refusal(many), "");
  t.Conf("many/1-1024.conf");
  EXPECT_EQ(Refusal(many),
            "is refused: " + many + "/1-1024.conf is one file more than the 1024 read at most");
}

TEST(FontConfigGuard, IncludesAreFollowedEightDeepAndNeverRoundALoop) {
  const Tree t;
  // c0 includes c1, which includes c2, ... up to c9.
  for (int i = 9; i >= 0; --i) {
    t.Conf("c" + std::to_string(i) + ".conf",
           i < 9 ? IncludeOf(t / ("c" + std::to_string(i + 1) + ".conf")) : "");
  }
  EXPECT_EQ(Refusal(t / "c1.conf"), "");
  EXPECT_EQ(Refusal(t / "c0.conf"),
            "is refused: " + t / "c9.conf" + " is included more than 8 deep");

  // fontconfig passes over a path it has opened before: a loop ends where it comes round.
  t.Conf("a.conf", IncludeOf(t / "b.conf"));
  t.Conf("b.conf", IncludeOf(t / "a.conf"));
  EXPECT_EQ(Refusal(t / "a.conf"), "");
  EXPECT_EQ(Refusal(t.Conf("self.conf", IncludeOf(t / "self.conf"))), "");
  t.Folder("d");
  t.Link("d/10-here.conf", ".");
  EXPECT_EQ(Refusal(t / "d"), "");
  // A link naming its folder anew each time round (g/e/g, g/e/g/e/g, ... where e is g's parent):
  // fontconfig would go round until the system's links ran out, and more than once a folder.
  t.Folder("g");
  t.Link("g/e", "..");
  t.Link("g/10-again.conf", "e/g");
  t.Link("g/20-again.conf", "e/g");
  std::string deep = t / "g";
  for (int i = 0; i < 8; ++i) deep += "/e/g";
  EXPECT_EQ(Refusal(t / "g"),
            "is refused: " + deep + "/10-again.conf is included more than 8 deep");
}

TEST(FontConfigGuard, SaysMissingOnlyWhereNothingIsThere) {
  const Tree t;
  EXPECT_EQ(Refusal(t / "none.conf"), "is missing");
  EXPECT_EQ(Refusal(t / "no-folder/fonts.conf"), "is missing");
  EXPECT_EQ(Refusal(t.Link("dangling.conf", t / "none.conf")), "is a link to a missing file");
  t.Link("loop-a.conf", t / "loop-b.conf");
  EXPECT_EQ(Refusal(t.Link("loop-b.conf", t / "loop-a.conf")),
            "cannot be read (Too many levels of symbolic links)");
  const std::string locked = t.Conf("locked.conf");
  chmod(locked.c_str(), 0);
  EXPECT_EQ(Refusal(locked, true), "cannot be read (Permission denied)");
  chmod(t.Folder("locked").c_str(), 0);
  EXPECT_EQ(Refusal(t / "locked/fonts.conf", true), "cannot be read (Permission denied)");

  // An include fontconfig needs and cannot find refuses the whole; one it may ignore is passed.
  const std::string top = t.Conf("top.conf", IncludeOf(t / "none.conf"));
  EXPECT_EQ(Refusal(top), "is refused: " + t / "none.conf" + " is missing, and " + top +
                              " includes it without ignore_missing");
  const std::string relative = t.Conf("relative.conf", IncludeOf("none-such.conf"));
  EXPECT_EQ(Refusal(relative), "is refused: /etc/fonts/none-such.conf is missing, and " + relative +
                                   " includes it without ignore_missing");
  EXPECT_EQ(Refusal(t.Conf("ignored.conf", IncludeOf(t / "none.conf", " ignore_missing=\"yes\"") +
                                               IncludeOf(locked, " ignore_missing=\"yes\""))),
            "");
}

// What fontconfig itself reads for `path` set against what the walk took, which must be the same
// names in the same order, with nothing found wrong.
std::string WhatFontconfigReadsIsWhatWasWalked(const std::string& path) {
  FcConfig* config = FcConfigCreate();
  const ConfigWalk walk = WalkConfig(config, path);
  FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(path.c_str()), FcTrue);
  std::string walked, read;
  for (const std::string& f : walk.files) walked += " " + f;
  FcStrList* files = FcConfigGetConfigFiles(config);
  while (FcChar8* f = FcStrListNext(files)) read += " " + std::string(reinterpret_cast<char*>(f));
  FcStrListDone(files);
  FcConfigDestroy(config);
  if (walked != read || !walk.problem.empty()) {
    return walk.problem + " walked" + walked + " but fontconfig read" + read;
  }
  return "read the same " + std::to_string(walk.files.size()) + " files";
}

TEST(FontConfigGuard, WalksWhatFontconfigReads) {
  const Tree t;
  // A folder's files whose names begin with a digit and end in .conf, folders among them; a
  // relative name in fontconfig's folders, a user's under their configuration folder or home,
  // CDATA and references in a name, and an include in a comment, which is none.
  t.Folder("d/30-inner.conf");
  for (const char* name : {"d/10-a.conf", "d/9.conf", "d/30-inner.conf/1-b.conf", "d/a.conf",
                           "d/1.CONF", "d/.conf", "d/2.conf.bak"}) {
    t.Conf(name);
  }
  t.Fifo("d/0-pipe.conf.d");
  t.Folder("path");
  t.Conf("path/relative.conf");
  t.Folder("xdg/fontconfig");
  t.Conf("xdg/fontconfig/user.conf");
  t.Conf("home.conf");
  t.Conf("a&b.conf");
  t.Conf("cdata.conf");
  // Links as fontconfig reads them: through a linked folder (a/d/x.conf is a/y.conf to it), to
  // nowhere by its reading, a folder's file up and out of it, and names of what it has read.
  t.LinkedFolder();
  t.Conf("a/y.conf");
  t.Link("other/real/z.conf", "../z.conf");
  t.Conf("other/z.conf");
  t.Link("d/20-up.conf", "../up.conf");
  t.Conf("up.conf");
  t.Link("d-again", "d");
  t.Link("home-again.conf", t / "home.conf");
  // The parser's own rules: attribute defaults of the document type, an element's own text, a
  // reference the parser passes over.
  t.Text("defaults.conf", "<!DOCTYPE fontconfig [<!ATTLIST include ignore_missing CDATA 'yes'>]>" +
                              IncludeOf(t / "none.conf"));
  t.Conf("nested.conf");
  t.Text("dtd.conf", "<!DOCTYPE fontconfig SYSTEM 'urn:fontconfig:fonts.dtd'>\n<fontconfig>" +
                         IncludeOf(t / "skip&undeclared;ped.conf") + "</fontconfig>");
  t.Conf("skipped.conf");
  const std::string top = t.Conf(
      "top.conf",
      IncludeOf(t / "d") + IncludeOf("relative.conf") +
          IncludeOf("fontconfig/user.conf", " prefix=\"xdg\"") +
          IncludeOf("~/home.conf", " ignore_missing='yes'") + IncludeOf(t / "a&amp;b.conf") +
          IncludeOf("<![CDATA[" + t / "cdata.conf]]>") + "<!-- " + IncludeOf("/dev/zero") +
          " -->\n" + IncludeOf(t / "gone.conf", " ignore_missing = \"yes\"") +
          IncludeOf(t / "a/d/x.conf") + IncludeOf(t / "a/d/z.conf", " ignore_missing='yes'") +
          IncludeOf(t / "d-again") + IncludeOf(t / "d") + IncludeOf(t / "home-again.conf") +
          IncludeOf(t / "defaults.conf") +
          IncludeOf(t / "ne<description>d</description>sted.conf") + IncludeOf(t / "dtd.conf"));
  const Answer answer = InChild([&] {
    setenv("FONTCONFIG_PATH", (t / "path").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (t / "xdg").c_str(), 1);
    setenv("HOME", (t / "").c_str(), 1);
    return WhatFontconfigReadsIsWhatWasWalked(top);
  });
  EXPECT_EQ(answer.text, "read the same 19 files");

  // Under a sysroot: an absolute name, a relative one, the home's, one already under it, and
  // absolute links, whose targets fontconfig takes as they stand, though not a folder's files.
  const std::string root = t.Folder("root");
  t.Folder("root/conf");
  t.Folder("root/home");
  for (const char* name : {"root/conf/abs.conf", "root/conf/relative.conf", "root/home/home.conf",
                           "root/conf/under.conf", "outside.conf"}) {
    t.Conf(name);
  }
  t.Link("root/conf/out.conf", t / "outside.conf");
  t.Link("root/conf/out.d", t / "out.d");
  t.Folder("out.d");
  t.Conf("out.d/10-outside.conf");
  t.Folder("root" + t / "out.d");
  t.Conf("root" + t / "out.d/10-outside.conf");
  t.Conf("root/conf/top.conf", IncludeOf("/conf/abs.conf") + IncludeOf("relative.conf") +
                                   IncludeOf("~/home.conf") + IncludeOf(root + "/conf/under.conf") +
                                   IncludeOf("/conf/out.conf") + IncludeOf("/conf/out.d"));
  const Answer rooted = InChild([&] {
    setenv("FONTCONFIG_SYSROOT", root.c_str(), 1);
    setenv("FONTCONFIG_PATH", "/conf", 1);
    setenv("HOME", "/home", 1);
    return WhatFontconfigReadsIsWhatWasWalked("/conf/top.conf");
  });
  EXPECT_EQ(rooted.text, "read the same 8 files");

  // The system's own, as it is on this machine.
  const std::string own = WhatFontconfigReadsIsWhatWasWalked("/etc/fonts/fonts.conf");
  EXPECT_TRUE(own.starts_with("read the same ")) << own;
}

TEST(FontConfigGuard, TakesTheSystemsOwnAndTheProjects) {
  for (const std::string& path :
       {std::string("/etc/fonts/fonts.conf"), std::string(ORVELLE_FONTS_DIR) + "/fonts.conf"}) {
    FcConfig* config = FcConfigCreate();
    const std::clock_t start = std::clock();
    const ConfigWalk walk = WalkConfig(config, path);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    FcConfigDestroy(config);
    EXPECT_EQ(walk.problem, "") << path;
    EXPECT_LT(walk.bytes, kMostConfigBytes / 2) << path;
    EXPECT_LT(seconds, 0.1 * kSlower) << path;
  }
}

TEST(FontConfigIncludes, AreTakenAsAnXmlParserSeesThem) {
  const Includes includes = IncludesIn(
      "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"urn:x\">\n"
      "<fontconfig><!-- <include>/commented</include> -->"
      "<include ignore_missing=\"yes\" prefix='xdg'>a &amp; b&#x2f;&#47;c</include>"
      "<include ignore_missing = 'no'><![CDATA[<x>&amp;]]>&lt;y</include>"
      "<include\n ignore_missing=\"on\"/><include prefix=\"default\"> sp </include>"
      "<include>x<description>d</description>y</include>"
      "<include>a<include>b</include>c</include>"
      "<include>before the fault</include><fault></fontconfig><include>after</include>");
  const std::vector<Include>& found = includes.found;
  EXPECT_FALSE(includes.declaresEntity);
  ASSERT_EQ(found.size(), 8u);
  EXPECT_EQ(found[0].name, "a & b//c");
  EXPECT_TRUE(found[0].ignoreMissing);
  EXPECT_TRUE(found[0].xdg);
  EXPECT_EQ(found[1].name, "<x>&amp;<y");
  EXPECT_FALSE(found[1].ignoreMissing);
  EXPECT_EQ(found[2].name, "");
  EXPECT_TRUE(found[2].ignoreMissing);
  EXPECT_EQ(found[3].name, " sp ");
  EXPECT_FALSE(found[3].xdg);
  EXPECT_EQ(found[4].name, "xy");
  EXPECT_EQ(found[5].name, "b");
  EXPECT_EQ(found[6].name, "ac");
  EXPECT_EQ(found[7].name, "before the fault");
  // An entity declared, general or parameter: the reading stops there.
  for (const std::string declared : {"<!ENTITY e 'x'>", "<!ENTITY % p 'x'>"}) {
    const Includes stopped = IncludesIn("<!DOCTYPE fontconfig [" + declared +
                                        "]><fontconfig><include>x</include></fontconfig>");
    EXPECT_TRUE(stopped.declaresEntity) << declared;
    EXPECT_TRUE(stopped.found.empty()) << declared;
  }
}

std::string Loaded(const std::string& path) {
  FcConfig* config = FcConfigCreate();
  const std::string problem = LoadConfig(config, path);
  FcConfigDestroy(config);
  return problem;
}

TEST(FontConfigLoad, SaysWhatIsTrueOfAConfigurationThatIsRead) {
  EXPECT_EQ(Loaded(std::string(ORVELLE_FONTS_DIR) + "/fonts.conf"), "");
  EXPECT_EQ(Loaded("/etc/fonts/fonts.conf"),
            "loads but leaves the lessons' font names \"ｺﾞｼｯｸ\", \"ゴシック\", \"Times New Roman\" "
            "and \"MT Extra\" unmapped");
  const Tree t;
  std::ifstream ours(std::string(ORVELLE_FONTS_DIR) + "/fonts.conf");
  const std::string text{std::istreambuf_iterator<char>(ours), {}};
  // Without its last two names.
  const size_t times = text.find("  <!-- The italic letters");
  const size_t any = text.find("  <!-- Any other name");
  EXPECT_EQ(Loaded(t.Text("half.conf", text.substr(0, times) + text.substr(any))),
            "loads but leaves the lessons' font names \"Times New Roman\" and \"MT Extra\" "
            "unmapped");
  EXPECT_EQ(Loaded(t.Text("broken.conf", text.substr(0, text.size() / 2))), "cannot be parsed");
  t.Folder("empty");
  EXPECT_EQ(Loaded(t.Conf("empty.conf", "<dir>" + t / "empty" + "</dir><cachedir>" + t / "empty" +
                                            "</cachedir>\n")),
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
