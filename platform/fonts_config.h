// A font configuration tried by fontconfig itself before the program loads it. fontconfig can
// wait for ever on a pipe, read a device without end, crash or take exponential time on a file it
// is given, and nothing that predicts what it reads sees all of that: so it first loads the
// configuration, and opens the faces the lessons match, in a child process under limits, and the
// program loads it only when that trial succeeded.
#pragma once

#include <fontconfig/fontconfig.h>

#include <string>

#include "platform/trial.h"

namespace orvelle {

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

// The work of a trial: loads the configuration at `path` (absolute) as LoadConfig does, or, where
// `path` is "", the system's configuration as FcInitLoadConfigAndFonts loads it; matches each name
// and style the lessons select and loads each face that answers as the program will, its glyphs
// looked up; then the verdict: what LoadConfig says (the system's: only whether it finds fonts),
// or what is wrong with a face ("gives IPAGothic (Debian package fonts-ipafont-gothic), whose file
// ... is missing").
std::string LessonFontsTrial(const std::string& path);

// LessonFontsTrial tried in a child.
Verdict TryConfig(const std::string& path, const TrialLimits& limits = {});

}  // namespace orvelle
