// A font configuration tried by fontconfig itself before the program loads it. fontconfig can
// wait for ever on a pipe, read a device without end, crash or take exponential time on a file it
// is given, and nothing that predicts what it reads sees all of that: so it first loads the
// configuration, and opens the faces the lessons match, in a child process under limits, and the
// program loads it only when that trial succeeded.
#pragma once

#include <fontconfig/fontconfig.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace orvelle {

// A trial's limits. They stop a hostile file, not a slow sound one: the time in which the child
// reads font files (fontconfig building the caches of folders that have none, tens of thousands
// of files on a first start) does not count against the clock's or the processor's, only against
// the cap. A configuration that waits on a pipe reads no font file; one whose glob backtracks
// spends the processor's time between them. The project's configuration takes a few ms.
struct TrialLimits {
  double seconds = 3;      // of the clock, font files' reading not counted
  double cpuSeconds = 2;   // of the processor, the same
  double capSeconds = 60;  // of the clock in all, fonts read or not
  // Address space over what the child has when it begins (RLIMIT_AS): relative, as a sanitizer's
  // process reserves terabytes before it does anything. The trial takes a few MiB.
  long mib = 1024;
};

// `text` with its control characters escaped (\n, \t, \x1b, ...), for a line of ours; with
// `lines`, the newlines that end lines are kept.
std::string Shown(const std::string& text, bool lines = false);

// What a first look at the configuration named by `path` (absolute) says of it, where fontconfig
// finds it (under its sysroot), to follow the path in a line: "is missing", "is a link to a
// missing file", "cannot be read (...)", "is a named pipe, not a file or folder", ...; or "".
std::string FirstLook(FcConfig* config, const std::string& path);

// Loads the configuration at `path` (absolute) into `config`; what is wrong with it, or "": it
// cannot be parsed (fontconfig says where on a line of its own), finds no fonts, or leaves a font
// name the programs select unmapped (the system's own maps none).
std::string LoadConfig(FcConfig* config, const std::string& path);

// The pattern the programs match for a name and style, substituted by `config`.
FcPattern* LessonPattern(FcConfig* config, const std::string& name, bool bold, bool italic);

// A family as a line names it: with the Debian package that installs it, for the project's faces.
std::string FamilyAndPackage(const std::string& family);

struct Verdict {
  bool tried = true;    // false: the trial could not run, which is no verdict on the file
  std::string problem;  // what happened, to follow the path in a line, or "": it succeeded
  std::string said;     // fontconfig's lines meanwhile: the first and the last 2 KiB of them
};

// A child process that does `work` under `limits`; its answer is the problem. Forked, and so not
// tried in a process that has threads by then. The child ends with its parent; one ended early
// leaves no lock or half-written cache of fontconfig's behind.
class Trial {
 public:
  explicit Trial(const std::function<std::string()>& work, const TrialLimits& limits = {});
  ~Trial();  // a trial not waited for is ended
  Trial(const Trial&) = delete;
  Trial& operator=(const Trial&) = delete;

  // Waits for its verdict, its child reaped: the work's answer, "is not done within 3 s", "is not
  // done within 2 s of processor time", "is still reading fonts after 60 s", "crashed fontconfig
  // (signal 11)" or "ended fontconfig's trial with status N", each with the face it was loading
  // where it was at one; "cannot be tried (...)" where it could not run. Once only.
  Verdict Wait();

 private:
  using Clock = std::chrono::steady_clock;
  bool Read(int& fd);  // what the child wrote on its notes' pipe or on stderr; false: no more now
  void Drain();        // what is left in them once the child has ended
  void End();          // its child ended and reaped, its locks cleared; its pipes closed
  void ClearLocks() const;   // the caches' locks and half-written caches its child left
  std::string Said() const;  // fontconfig's lines, whole: the first and the last of too many
  [[noreturn]] static void Interrupted();  // a termination signal came: every trial ended first

  TrialLimits limits_;
  pid_t pid_ = -1;
  std::string cannot_;  // why it could not run
  int verdict_ = -1, said_ = -1;
  Clock::time_point start_;
  std::string messages_;  // the child's notes as they come, '\0' after each
  bool answered_ = false;
  std::string answer_;                  // its verdict, once it has come
  std::string face_;                    // the face it was loading, from its last note
  std::vector<std::string> cacheDirs_;  // where fontconfig may write caches for it
  std::string head_, tail_;             // fontconfig's lines: the first and the last
  size_t lines_ = 0;
  bool cut_ = false;
};

// The work of a trial: loads the configuration at `path` (absolute) as LoadConfig does, or, where
// `path` is "", the system's configuration as FcInitLoadConfigAndFonts loads it; matches each name
// and style the lessons select and loads each face that answers as the program will, its glyphs
// looked up; then the verdict: what LoadConfig says (the system's: only whether it finds fonts),
// or what is wrong with a face ("gives IPAGothic (Debian package fonts-ipafont-gothic), whose file
// ... is missing").
std::string LessonFontsTrial(const std::string& path);

// What a trial's work tells the parent of the folders where fontconfig writes caches.
void TrialCacheDirs(const std::vector<std::string>& dirs);

// LessonFontsTrial tried in a child.
Verdict TryConfig(const std::string& path, const TrialLimits& limits = {});
// `work` tried in a child.
Verdict TryInChild(const std::function<std::string()>& work, const TrialLimits& limits = {});

}  // namespace orvelle
