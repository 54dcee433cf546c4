#include "platform/fonts_config.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "platform/device.h"
#include "platform/face_file.h"

namespace orvelle {
namespace {

std::string CannotRead(int error) {
  return "cannot be read (" + std::string(std::strerror(error)) + ")";
}

// What a path is, for a line, when it is neither a regular file nor a folder.
std::string KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a file";
}

// Why `path` cannot be reached, from the error that looking at it gave.
std::string Unreachable(const std::string& path, int error) {
  struct stat link;
  if (error == ENOENT || error == ENOTDIR) {
    // Only where nothing is there is it missing; a link to nothing is a link.
    if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
      return "is a link to a missing file";
    }
    return "is missing";
  }
  return CannotRead(error);
}

// The names the programs select. The project's configuration gives each a face of its own.
constexpr const char* kNames[] = {kStartFont, kGothicFont, kLetterFont, kEllFont};

// The family a configuration gives for a name first.
std::string FamilyFor(FcConfig* config, const char* name) {
  FcPattern* p = FcPatternCreate();
  FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
  FcConfigSubstitute(config, p, FcMatchPattern);
  FcChar8* family = nullptr;
  std::string result;
  if (FcPatternGetString(p, FC_FAMILY, 0, &family) == FcResultMatch && family) {
    result = reinterpret_cast<const char*>(family);
  }
  FcPatternDestroy(p);
  return result;
}

bool FindsFonts(FcConfig* config) {
  const FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
  return fonts && fonts->nfont > 0;
}

// What is wrong with a configuration loaded, or "": fonts found, and the lessons' names mapped.
std::string Unmapped(FcConfig* config) {
  if (!FindsFonts(config)) return "finds no fonts";
  std::vector<std::string> unmapped;
  for (const char* name : kNames) {
    if (FamilyFor(config, name) == name) unmapped.push_back("\"" + std::string(name) + "\"");
  }
  if (unmapped.empty()) return "";
  std::string names = unmapped[0];
  for (size_t i = 1; i < unmapped.size(); ++i) {
    names += (i + 1 == unmapped.size() ? " and " : ", ") + unmapped[i];
  }
  return "loads but leaves the lessons' font name" + std::string(unmapped.size() > 1 ? "s " : " ") +
         names + " unmapped";
}

// Parses the configuration into `config`. Complaining, so that a file that does not parse is
// known: a faulty file loads its part before the fault and says nothing of it otherwise.
bool Parses(FcConfig* config, const std::string& path) {
  return FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(path.c_str()), FcTrue);
}

std::string GetString(FcPattern* p, const char* object) {
  FcChar8* s = nullptr;
  if (FcPatternGetString(p, object, 0, &s) != FcResultMatch || !s) return "";
  return reinterpret_cast<const char*>(s);
}

void TellCacheDirs(FcConfig* config) {
  const FcChar8* root = FcConfigGetSysRoot(config);
  const std::string sysroot = root ? reinterpret_cast<const char*>(root) : "";
  std::vector<std::string> dirs;
  FcStrList* list = FcConfigGetCacheDirs(config);
  while (const FcChar8* dir = list ? FcStrListNext(list) : nullptr) {
    const std::string d = reinterpret_cast<const char*>(dir);
    dirs.push_back(d);
    if (!sysroot.empty() && !d.starts_with(sysroot)) dirs.push_back(sysroot + d);
  }
  if (list) FcStrListDone(list);
  TrialCacheDirs(dirs);
}

// What is wrong with the face of `family` in `file`, loaded as the program loads it, or "".
std::string FaceProblem(const std::string& family, const std::string& file, int index) {
  const std::string gives = "gives " + FamilyAndPackage(family) + ", whose file " + Shown(file);
  struct stat info;
  if (stat(file.c_str(), &info) != 0) {
    return gives + " " + (errno == ENOENT || errno == ENOTDIR ? "is missing" : CannotRead(errno));
  }
  if (!S_ISREG(info.st_mode)) return gives + " is " + KindOf(info.st_mode) + ", not a font";
  if (access(file.c_str(), R_OK) != 0) return gives + " " + CannotRead(errno);
  TrialLoading("loading the file " + Shown(file) + " of " + FamilyAndPackage(family));
  cairo_font_face_t* face = FaceOfFile(file, index);
  cairo_scaled_font_t* unit = UnitFont(face);
  const bool loads = cairo_scaled_font_status(unit) == CAIRO_STATUS_SUCCESS;
  for (const char32_t c : {U'1', U'の', U'終'}) LookUp(unit, c);  // those the start-up check asks
  cairo_scaled_font_destroy(unit);
  cairo_font_face_destroy(face);
  TrialLoading("");
  return loads ? "" : gives + " is not a font";
}

}  // namespace

std::string Shown(const std::string& text, bool lines) {
  std::string shown;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u != 0x7F) {
      shown += c;
    } else if (c == '\n') {
      shown += lines ? "\n" : "\\n";
    } else if (c == '\t') {
      shown += "\\t";
    } else if (c == '\r') {
      shown += "\\r";
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", u);
      shown += hex;
    }
  }
  return shown;
}

std::string FirstLook(FcConfig* config, const std::string& path) {
  const FcChar8* root = FcConfigGetSysRoot(config);
  const std::string sysroot = root ? reinterpret_cast<const char*>(root) : "";
  const std::string found = path.starts_with(sysroot) ? path : sysroot + path;
  const std::string where = found == path ? "" : "(" + Shown(found) + " under FONTCONFIG_SYSROOT) ";
  struct stat info;
  if (stat(found.c_str(), &info) != 0) return where + Unreachable(found, errno);
  if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
    return where + "is " + KindOf(info.st_mode) + ", not a file or folder";
  }
  if (access(found.c_str(), R_OK) != 0) return where + CannotRead(errno);
  return "";
}

std::string LoadConfig(FcConfig* config, const std::string& path) {
  if (!Parses(config, path)) return "cannot be parsed";
  return FcConfigBuildFonts(config) ? Unmapped(config) : "cannot be used";
}

FcPattern* LessonPattern(FcConfig* config, const std::string& name, bool bold, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  // The Gothic face draws every Japanese text: whatever stands in for it must have Japanese.
  if (name == kGothicFont || name == kStartFont) {
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  }
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  return pattern;
}

std::string FamilyAndPackage(const std::string& family) {
  if (family == "IPAGothic") return family + " (Debian package fonts-ipafont-gothic)";
  if (family == "Liberation Serif") return family + " (Debian package fonts-liberation2)";
  return family;
}

std::string LessonFontsTrial(const std::string& path) {
  // fontconfig's rules run as it matches, and crash there: every name and style is matched, and
  // each face that answers loaded, before the verdict on the names.
  FcConfig* config = path.empty() ? FcInitLoadConfig() : FcConfigCreate();
  if (!config) return "cannot be used";
  if (!path.empty() && !Parses(config, path)) return "cannot be parsed";
  TellCacheDirs(config);
  TrialBuilding(true);
  const bool built = FcConfigBuildFonts(config);
  TrialBuilding(false);
  if (!built) return "cannot be used";
  if (!FindsFonts(config)) return "finds no fonts";
  std::set<std::pair<std::string, int>> loaded;
  for (const char* name : kNames) {
    for (const int style : {0, 1, 2, 3}) {
      FcPattern* pattern = LessonPattern(config, name, style & 1, style & 2);
      FcResult result;
      FcPattern* font = FcFontMatch(config, pattern, &result);
      FcPatternDestroy(pattern);
      if (!font) continue;
      const std::string file = GetString(font, FC_FILE);
      int index = 0;
      FcPatternGetInteger(font, FC_INDEX, 0, &index);
      const std::string family = GetString(font, FC_FAMILY);
      FcPatternDestroy(font);
      if (!loaded.emplace(file, index).second) continue;
      if (std::string problem = FaceProblem(family, file, index); !problem.empty()) return problem;
    }
  }
  return path.empty() ? "" : Unmapped(config);
}

Verdict TryConfig(const std::string& path, const TrialLimits& limits) {
  return TryInChild([&] { return LessonFontsTrial(path); }, limits);
}

}  // namespace orvelle
