// Every file fontconfig would read for a font configuration, checked before it reads any of them:
// the named file or folder, a folder's configuration files, and each <include>, each found where
// fontconfig finds it and walked once, as fontconfig reads it once. fontconfig reads whatever it
// is pointed at to the end before it parses it, and its time grows faster than the size, so a
// device, a pipe or a large file would stall start-up with no window and no word.
#pragma once

#include <fontconfig/fontconfig.h>

#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

// The most a configuration reads with everything it includes. The system's own is about 83 KiB
// and loads in 0.03 s; 256 KiB of the slowest kind (distinct <dir> lines) takes about 0.5 s.
inline constexpr long kMostConfigBytes = 256 << 10;
// The most files and folders it reads: fontconfig's time grows with the square of their count
// (1,024 small files take 0.08 s, 4,096 take 0.9 s, 10,000 take 5 s); the system's own has 35.
inline constexpr size_t kMostConfigFiles = 1024;
// The most entries its folders list together. fontconfig lists a folder again under each other
// name it is given (a/b, a//b, a/./b), 100,000 entries in about 20 ms; the system's own lists a few
// dozen.
inline constexpr long kMostFolderEntries = 1 << 18;
// How deep includes are followed. The system's own goes 4 deep (fonts.conf, conf.d,
// 50-user.conf, the user's conf.d, its files).
inline constexpr int kDeepestInclude = 8;

// What fontconfig would read for the configuration at `path` (absolute), walked without reading
// anything that could wait or run long. `config` is the configuration it would be loaded into:
// fontconfig finds a name through it (its folders for a relative name, its sysroot before an
// absolute one).
struct ConfigWalk {
  // Why it is not to be loaded, to follow the path in a line ("is missing", "cannot be read
  // (Permission denied)", "is refused: ..."), or "" when every file it reads is a regular file or
  // folder, and together they are at most kMostConfigFiles, list at most kMostFolderEntries and
  // come to at most kMostConfigBytes.
  std::string problem;
  std::vector<std::string> files;  // the files and folders read, in the order read, as named
  long bytes = 0;                  // what was read of them
};
ConfigWalk WalkConfig(FcConfig* config, const std::string& path);

// Loads the configuration at `path` (absolute) into `config` once WalkConfig passes it; what
// is wrong with it, or "": it cannot be parsed (fontconfig says where on a line of its own), finds
// no fonts, or leaves a font name the programs select unmapped (the system's own maps none).
std::string LoadConfig(FcConfig* config, const std::string& path);

// An <include> of a configuration file, as fontconfig reads it.
struct Include {
  std::string name;  // the element's own text, as the parser gives it, blanks kept
  bool ignoreMissing = false;
  bool xdg = false;  // prefix="xdg": the name is under the user's configuration folder
};

struct Includes {
  std::vector<Include> found;   // in order
  bool declaresEntity = false;  // the document type declares an entity; reading stopped there
};
// The <include> elements of a configuration file's text, read with expat as fontconfig reads it
// (as UTF-8, entities expanded, attribute defaults of the document type applied); reading stops at
// the first fault, keeping what came before it, as fontconfig's does.
Includes IncludesIn(std::string_view xml);

}  // namespace orvelle
