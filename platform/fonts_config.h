// A font configuration tried by fontconfig itself before the program loads it. fontconfig can
// wait for ever on a pipe, read a device without end, crash or take exponential time on a file it
// is given, and nothing that predicts what it reads sees all of that: so it first loads the
// configuration in a child process under a time limit and a memory limit, and the program loads
// it only when that trial succeeded.
#pragma once

#include <fontconfig/fontconfig.h>

#include <functional>
#include <string>

namespace orvelle {

// The trial's limits. The project's configuration is tried in 7 to 10 ms here (2 ms of it
// fontconfig's work, the rest the child's start and end), in about 70 ms where fontconfig first
// caches this machine's 36 font files, and in at most 130 ms (270 ms with the caches to write)
// beside 16 busy processes on 8 cores: ten times that and more is left, for slower machines and
// more fonts.
inline constexpr int kTrialSeconds = 3;     // of the clock, after which the child is ended
inline constexpr int kTrialCpuSeconds = 2;  // of the processor (RLIMIT_CPU)
// Address space over what the child has when it begins (RLIMIT_AS): the trial takes a few MiB.
// Relative, as a sanitizer's process reserves terabytes of it before it does anything.
inline constexpr long kTrialMiB = 1024;

// What a first look at the configuration named by `path` (absolute) says of it, where fontconfig
// finds it (under its sysroot), to follow the path in a line: "is missing", "is a link to a
// missing file", "cannot be read (...)", "is a named pipe, not a file or folder", ...; or "".
std::string FirstLook(FcConfig* config, const std::string& path);

// Loads the configuration at `path` (absolute) into `config`; what is wrong with it, or "": it
// cannot be parsed (fontconfig says where on a line of its own), finds no fonts, or leaves a font
// name the programs select unmapped (the system's own maps none).
std::string LoadConfig(FcConfig* config, const std::string& path);

struct Trial {
  // What happened, to follow the path in a line, or "" when the trial succeeded: the trial's own
  // verdict (LoadConfig's), "is not done within 3 s", "is not done within 2 s of processor time",
  // "needs more than 1024 MiB", "crashed fontconfig (signal 11)".
  std::string problem;
  std::string said;   // what fontconfig wrote on stderr meanwhile (its first 4 KiB of lines)
  bool anew = false;  // started as a fresh process: this process had threads
};

// Tries the configuration at `path` (absolute): LoadConfig, then each name and style the lessons
// select matched; or, where `path` is "", the system's configuration as FcInitLoadConfigAndFonts
// loads it, and the same matches. In a forked child where this process has one thread (the
// programs try their fonts before any thread starts); where it has more (a test), in a fresh
// process of the same program, which takes ten times as long to start.
Trial TryConfig(const std::string& path);

// `work` done in a forked child under the trial's limits; its answer is the problem. Only in a
// process with one thread.
Trial TryInChild(const std::function<std::string()>& work);

}  // namespace orvelle
