// A piece of work done in a child process under limits, judged by what the child does. The font
// configuration's trial (fonts_config.h) runs fontconfig in one: fontconfig can wait for ever on
// a pipe, read a device without end, crash or take exponential time on a file it is given, and
// nothing that predicts what it reads sees all of that.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace orvelle {

// A trial's limits. They stop a hostile file, not a slow sound one. While the work builds a font
// set (TrialBuilding), a stretch in which the child faults pages in, many for the processor's
// time it takes (reading font files, building their caches in memory), is progress and counts
// only against the cap; there the clock and the processor count a run without progress (a cache
// sorted, a glob backtracking, a pipe waited on) from the last progress on. Elsewhere (the
// configuration parsed, the faces matched and loaded) they count every moment.
struct TrialLimits {
  double seconds = 3;     // of the clock; in a build, of the child's own time (below)
  double cpuSeconds = 2;  // of the processor
  // Of the child's own time in all: the clock less the time it waited for a processor, so that a
  // busy machine is given what an idle one is.
  double capSeconds = 60;
  // Address space over what the child has when it begins (RLIMIT_AS): relative, as a sanitizer's
  // process reserves terabytes before it does anything. The trial takes a few MiB.
  long mib = 1024;
  // Progress after which "fonts: building the font caches" is said: a few new fonts stay quiet.
  double buildingSaidAfter = 1;
};

struct Verdict {
  bool tried = true;    // false: the trial could not run, which is no verdict on the file
  std::string problem;  // what happened, to follow the path in a line, or "": it succeeded
  std::string said;     // the child's stderr: its first and last 2 KiB, in whole lines
};

// A child process that does `work` under `limits`; its answer is the problem. Forked, and so not
// tried in a process that has threads by then. The child ends with its parent; one ended early
// by its limits or by a signal that ends the program leaves no lock or half-written cache of
// fontconfig's behind, and one killed outright leaves them for the next trial to clear.
class Trial {
 public:
  explicit Trial(const std::function<std::string()>& work, const TrialLimits& limits = {});
  ~Trial();  // a trial not waited for is ended
  Trial(const Trial&) = delete;
  Trial& operator=(const Trial&) = delete;

  // Waits for its verdict, its child reaped: the work's answer, whenever it came; "is not done
  // within 3 s", "is not done within 2 s of processor time", "is still reading fonts after 60 s",
  // "crashed fontconfig (signal 11)" or "ended fontconfig's trial with status N", each with the
  // file it was loading where it was at one; "cannot be tried (...)" where it could not run.
  // Once only. A signal that ends the program ends it here, its trials ended first.
  Verdict Wait();

 private:
  using Clock = std::chrono::steady_clock;
  struct Judge;
  bool Read(int& fd);  // what the child wrote on its notes' pipe or on stderr; false: no more now
  void Drain();        // what is left in them once the child has ended
  void End();          // its child ended and reaped, its locks cleared; its pipes closed
  void ClearLocks() const;   // the caches' locks and half-written caches its child left
  std::string Said() const;  // the child's stderr, whole lines: the first and the last of many
  [[noreturn]] static void Interrupted();  // a signal that ends the program came

  TrialLimits limits_;
  pid_t pid_ = -1;
  std::string cannot_;  // why it could not run
  int verdict_ = -1, said_ = -1;
  Clock::time_point start_;
  std::string messages_;  // the child's notes as they come, '\0' after each
  bool answered_ = false;
  std::string answer_;                     // its verdict, once it has come
  std::string loading_;                    // the file it was loading, from its last note of one
  bool building_ = false, built_ = false;  // in a build now; in one since the last look
  std::vector<std::string> cacheDirs_;     // where fontconfig may write caches for it
  std::string head_, tail_;                // its stderr: the first and the last
  size_t lines_ = 0;
  bool cut_ = false;
};

// `work` tried in a child.
Verdict TryInChild(const std::function<std::string()>& work, const TrialLimits& limits = {});

// What a trial's work tells its parent, from the child. The folders where fontconfig may write
// caches: a trial ended early clears there the locks and half-written caches of its child, and
// this clears those of writers that are gone (a program killed outright as it wrote).
void TrialCacheDirs(const std::vector<std::string>& dirs);
// The file it is loading ("loading the file ... of ..."), for the line of a trial that ends
// there; "" once it is loaded.
void TrialLoading(const std::string& what);
// Whether it is building a font set: fontconfig reading font files, and building and writing
// their caches.
void TrialBuilding(bool building);

}  // namespace orvelle
