#include "platform/fonts_config.h"

#include <dirent.h>
#include <expat.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <set>

#include "platform/device.h"

namespace orvelle {
namespace {

// fontconfig's reading of a true attribute: yes, true, 1, on.
bool IsTrue(std::string_view value) {
  if (value.empty()) return false;
  const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(value[0])));
  if (c == 't' || c == 'y' || c == '1') return true;
  return c == 'o' && value.size() > 1 && std::tolower(static_cast<unsigned char>(value[1])) == 'n';
}

std::string Home() {
  const char* home = std::getenv("HOME");
  return home ? home : "";
}

// The user's configuration folder, where fontconfig looks for an include with prefix="xdg".
std::string XdgConfigHome() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME")) return xdg;
  return Home() + "/.config";
}

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

// `path` with "." and ".." taken by their text, as fontconfig takes a link's target joined to the
// link's folder: a/b/../c is a/c whatever b is. The root itself comes out as "", which fontconfig
// fails to open.
std::string Folded(std::string_view path) {
  std::vector<std::string_view> parts;
  for (size_t start = 0; start <= path.size();) {
    const size_t end = std::min(path.find('/', start), path.size());
    const std::string_view part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string folded;
  for (const std::string_view part : parts) (folded += '/') += part;
  return folded;
}

// The path fontconfig opens for `path`. It reads a link there itself, once: an absolute target
// stands as it is (no sysroot before it); a relative one is joined to the link's folder as
// written, not as the system resolves it, and folded. The system follows any link left.
std::string Opened(const std::string& path) {
  char target[4096];
  const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
  if (n <= 0) return path;
  const std::string to(target, static_cast<size_t>(n));
  if (to.starts_with('/')) return to;
  std::string folder = path.substr(0, path.rfind('/') + 1);  // "" when it names no folder
  if (!folder.starts_with('/')) {
    // A relative name (a relative folder of FONTCONFIG_PATH) is taken in the working directory.
    char here[4096];
    if (!getcwd(here, sizeof here)) return path;
    folder = std::string(here) + "/" + folder;
  }
  return Folded(folder + to);
}

// How a line names what fontconfig opens for `path`: by that name, unless fontconfig, reading a
// link itself, opens another file than the system would.
std::string Shown(const std::string& path, const std::string& opened) {
  struct stat named, read;
  if (opened == path || (stat(path.c_str(), &named) == 0 && stat(opened.c_str(), &read) == 0 &&
                         named.st_dev == read.st_dev && named.st_ino == read.st_ino)) {
    return path;
  }
  return opened + " (the link " + path + " as fontconfig reads it)";
}

struct Walk {
  FcConfig* config;
  const std::string& named;  // the path the configuration was named by
  ConfigWalk& result;
  long& bytes = result.bytes;
  std::string& problem = result.problem;
  std::set<std::string> opened;  // every path fontconfig has taken to open, as it opens it
  long entries = 0;              // listed by the folders read

  // Says why `shown`, read `depth` includes deep, is refused: of the named configuration itself,
  // plainly; of another file (or of the named one found elsewhere), naming it.
  bool Fail(const std::string& shown, int depth, const std::string& why) {
    problem = depth == 0 && shown == named ? why : "is refused: " + shown + " " + why;
    return false;
  }

  static std::string Including(const std::string& includer) {
    return includer.empty() ? "" : ", and " + includer + " includes it without ignore_missing";
  }

  // Takes `name` as fontconfig takes one it is to read (the named configuration, an include, a
  // folder's file): found through `config` and read; passed over where it cannot be and need not
  // be. `includer` is the file that includes it, if any.
  bool Take(const std::string& name, bool required, int depth, const std::string& includer = "") {
    FcChar8* found = FcConfigGetFilename(config, reinterpret_cast<const FcChar8*>(name.c_str()));
    if (!found) {
      if (!required) return true;
      const std::string where = LookedFor(name);
      const int error = access(where.c_str(), R_OK) == 0 ? ENOENT : errno;
      return Fail(where, depth, Unreachable(where, error) + Including(includer));
    }
    const std::string path = reinterpret_cast<const char*>(found);
    FcStrFree(found);
    return Visit(path, required, depth, includer);
  }

  // Reads `path` as fontconfig would; false, with `problem` set, at the first thing refused.
  bool Visit(const std::string& path, bool required, int depth, const std::string& includer) {
    const std::string real = Opened(path);
    // fontconfig keeps the paths it has opened and passes over one again before looking at it:
    // a loop of includes ends there, and a folder included many times is listed once.
    if (!opened.insert(real).second) return true;
    result.files.push_back(path);
    const std::string shown = Shown(path, real);
    struct stat info;
    if (stat(real.c_str(), &info) != 0) {
      const int error = errno;
      return !required || Fail(shown, depth, Unreachable(real, error) + Including(includer));
    }
    if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
      return Fail(shown, depth, "is " + KindOf(info.st_mode) + ", not a file or folder");
    }
    if (depth > kDeepestInclude) {
      return Fail(shown, depth,
                  "is included more than " + std::to_string(kDeepestInclude) + " deep");
    }
    if (result.files.size() > kMostConfigFiles) {
      return Fail(
          shown, depth,
          "is one file more than the " + std::to_string(kMostConfigFiles) + " read at most");
    }
    return S_ISDIR(info.st_mode) ? VisitFolder(real, shown, required, depth)
                                 : VisitFile(path, real, shown, depth);
  }

  // fontconfig reads a folder's files whose names begin with a digit and end in ".conf", in the
  // order of their names, each by the folder's path as it opened it.
  bool VisitFolder(const std::string& real, const std::string& shown, bool required, int depth) {
    // opendir opens without waiting, and only a folder.
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(real.c_str()), closedir);
    if (!dir) return !required || Fail(shown, depth, CannotRead(errno));
    std::vector<std::string> names;
    while (const dirent* e = readdir(dir.get())) {
      if (++entries > kMostFolderEntries) {
        return Fail(
            shown, depth,
            "takes the folders listed past " + std::to_string(kMostFolderEntries) + " entries");
      }
      const std::string_view name = e->d_name;
      if (name.size() > 5 && name[0] >= '0' && name[0] <= '9' && name.ends_with(".conf")) {
        names.emplace_back(name);
      }
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
      if (!Take(real + "/" + name, required, depth + 1)) return false;
    }
    return true;
  }

  bool VisitFile(const std::string& path, const std::string& real, const std::string& shown,
                 int depth) {
    // Never waits: a file swapped for a pipe since it was looked at opens without a writer and
    // is refused below.
    const int fd = open(real.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Fail(shown, depth, CannotRead(errno));
    struct Closing {
      int fd;
      ~Closing() { close(fd); }
    } closing{fd};
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      return Fail(shown, depth, "is not a file");
    }
    if (bytes + info.st_size > kMostConfigBytes) {
      return OverLimit(shown, depth, bytes + info.st_size);
    }
    // Counted as read, not as stated: a file may grow, or state no size at all.
    std::string text;
    char buffer[16384];
    for (;;) {
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno == EAGAIN) return Fail(shown, depth, "cannot be read without waiting");
      if (n < 0) return Fail(shown, depth, CannotRead(errno));
      if (n == 0) break;
      bytes += n;
      if (bytes > kMostConfigBytes) return OverLimit(shown, depth, bytes);
      text.append(buffer, static_cast<size_t>(n));
    }
    const Includes includes = IncludesIn(text);
    // fontconfig's parser puts an entity's text, markup and all, wherever it is used: 500 bytes
    // of nested entities stand for megabytes of <alias> elements and parse for a minute.
    if (includes.declaresEntity) {
      return Fail(shown, depth, "declares an entity, which can stand for many times its size");
    }
    for (const Include& include : includes.found) {
      const std::string name = include.xdg ? XdgConfigHome() + "/" + include.name : include.name;
      if (!Take(name, !include.ignoreMissing, depth + 1, path)) return false;
    }
    return true;
  }

  bool OverLimit(const std::string& shown, int depth, long total) {
    const std::string size = std::to_string(total) + " bytes";
    if (depth == 0) return Fail(shown, depth, "is over 256 KiB (" + size + ") and refused");
    problem =
        "is over 256 KiB with the files it reads (" + size + " up to " + shown + ") and refused";
    return false;
  }

  // `path` under fontconfig's sysroot, as fontconfig puts an absolute path that is not already.
  std::string Rooted(const std::string& path) const {
    const FcChar8* root = FcConfigGetSysRoot(config);
    const std::string sysroot = root ? reinterpret_cast<const char*>(root) : "";
    return path.starts_with(sysroot) ? path : sysroot + path;
  }

  // Where a name fontconfig did not find would be, for a line that says why. fontconfig looks a
  // relative name up in its own folders (FONTCONFIG_PATH, then /etc/fonts), not beside the file
  // that names it; an empty name is the system's configuration.
  std::string LookedFor(const std::string& name) const {
    if (name.starts_with('/')) return Rooted(name);
    if (name.starts_with('~')) return Rooted(Home() + name.substr(1));
    if (name.empty()) {
      const char* file = std::getenv("FONTCONFIG_FILE");
      return Rooted(file && *file ? file : "/etc/fonts/fonts.conf");
    }
    const char* path = std::getenv("FONTCONFIG_PATH");
    const std::string folders = path ? path : "";
    size_t start = 0;
    while (start < folders.size()) {
      const size_t end = std::min(folders.find(':', start), folders.size());
      const std::string candidate = Rooted(folders.substr(start, end - start) + "/" + name);
      struct stat info;
      if (end > start && lstat(candidate.c_str(), &info) == 0) return candidate;
      start = end + 1;
    }
    return Rooted("/etc/fonts/" + name);
  }
};

// The <include> elements as fontconfig's handlers take them: an element's text is its own, the
// text of elements within it left out.
struct IncludeReader {
  XML_Parser parser;
  Includes result;
  std::vector<std::optional<Include>> open;  // each element open, and the include it is

  static IncludeReader& Of(void* data) { return *static_cast<IncludeReader*>(data); }

  static void Start(void* data, const XML_Char* name, const XML_Char** attributes) {
    if (std::strcmp(name, "include") != 0) {
      Of(data).open.emplace_back();
      return;
    }
    Include include;
    for (; *attributes; attributes += 2) {
      if (std::strcmp(attributes[0], "ignore_missing") == 0) {
        include.ignoreMissing = IsTrue(attributes[1]);
      } else if (std::strcmp(attributes[0], "prefix") == 0) {
        include.xdg = std::strcmp(attributes[1], "xdg") == 0;
      }
    }
    Of(data).open.emplace_back(std::move(include));
  }

  static void End(void* data, const XML_Char*) {
    IncludeReader& reader = Of(data);
    if (reader.open.back()) reader.result.found.push_back(std::move(*reader.open.back()));
    reader.open.pop_back();
  }

  static void Text(void* data, const XML_Char* text, int length) {
    IncludeReader& reader = Of(data);
    if (!reader.open.empty() && reader.open.back()) {
      reader.open.back()->name.append(text, static_cast<size_t>(length));
    }
  }

  static void Entity(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                     const XML_Char*, const XML_Char*, const XML_Char*) {
    Of(data).result.declaresEntity = true;
    XML_StopParser(Of(data).parser, XML_FALSE);
  }
};

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

}  // namespace

Includes IncludesIn(std::string_view xml) {
  // fontconfig names UTF-8 to its parser, whatever encoding the file declares.
  IncludeReader reader{XML_ParserCreate("UTF-8"), {}, {}};
  if (!reader.parser) return reader.result;
  XML_SetUserData(reader.parser, &reader);
  XML_SetElementHandler(reader.parser, IncludeReader::Start, IncludeReader::End);
  XML_SetCharacterDataHandler(reader.parser, IncludeReader::Text);
  XML_SetEntityDeclHandler(reader.parser, IncludeReader::Entity);
  // In pieces an int can count; a fault or a stop ends the reading, what came before standing.
  constexpr size_t kPiece = 1 << 20;
  for (size_t at = 0;; at += kPiece) {
    const size_t n = std::min(kPiece, xml.size() - at);
    const bool last = at + n == xml.size();
    if (XML_Parse(reader.parser, xml.data() + at, static_cast<int>(n), last) != XML_STATUS_OK ||
        last) {
      break;
    }
  }
  XML_ParserFree(reader.parser);
  return reader.result;
}

ConfigWalk WalkConfig(FcConfig* config, const std::string& path) {
  ConfigWalk result;
  Walk{config, path, result}.Take(path, true, 0);
  return result;
}

std::string LoadConfig(FcConfig* config, const std::string& path) {
  if (std::string problem = WalkConfig(config, path).problem; !problem.empty()) return problem;
  // Complaining, so that a file that does not parse is known: a faulty file loads its part before
  // the fault and says nothing of it otherwise.
  if (!FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(path.c_str()), FcTrue)) {
    return "cannot be parsed";
  }
  if (!FcConfigBuildFonts(config)) return "cannot be used";
  const FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
  if (!fonts || fonts->nfont == 0) return "finds no fonts";
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

}  // namespace orvelle
