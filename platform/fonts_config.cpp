#include "platform/fonts_config.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/device.h"
#include "platform/text.h"

namespace orvelle {
namespace {

// XML text with its references replaced; false when it uses a named entity XML does not define
// (a document type may declare one, which this check does not read).
bool Unescape(std::string_view text, std::string& out) {
  bool known = true;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    const size_t end = text.find(';', i);
    if (end == std::string_view::npos) {
      out += text.substr(i);
      break;
    }
    const std::string_view ref = text.substr(i + 1, end - i - 1);
    static constexpr std::pair<std::string_view, char> kOwn[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    const auto own = std::find_if(std::begin(kOwn), std::end(kOwn),
                                  [&](const auto& e) { return e.first == ref; });
    if (own != std::end(kOwn)) {
      out += own->second;
    } else if (ref.starts_with('#')) {
      const bool hex = ref.size() > 1 && (ref[1] == 'x' || ref[1] == 'X');
      out += Chr(static_cast<int>(
          std::strtoul(std::string(ref.substr(hex ? 2 : 1)).c_str(), nullptr, hex ? 16 : 10)));
    } else {
      known = false;
    }
    i = end;
  }
  return known;
}

// fontconfig's reading of a true attribute: yes, true, 1, on.
bool IsTrue(std::string_view value) {
  if (value.empty()) return false;
  const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(value[0])));
  if (c == 't' || c == 'y' || c == '1') return true;
  return c == 'o' && value.size() > 1 && std::tolower(static_cast<unsigned char>(value[1])) == 'n';
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

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

struct Walk {
  FcConfig* config;
  ConfigWalk& result;
  long& bytes = result.bytes;
  std::vector<std::pair<dev_t, ino_t>>
      reading;  // the files and folders being read, outermost first
  std::vector<std::string> readingNames;
  std::string& problem = result.problem;

  // Says why `path`, read `depth` includes deep, is refused: of the named configuration itself,
  // plainly; of a file it reads, naming that file.
  bool Fail(const std::string& path, int depth, const std::string& why) {
    problem = depth == 0 ? why : "is refused: " + path + " " + why;
    return false;
  }

  // Reads `path` as fontconfig would; false, with `problem` set, at the first thing refused.
  // A file fontconfig would pass over (a missing include it may ignore) is passed over.
  bool Visit(const std::string& path, bool required, int depth) {
    struct stat info;
    // fontconfig takes a file it may read (access) and opens whatever it is.
    if (access(path.c_str(), R_OK) != 0 || stat(path.c_str(), &info) != 0) {
      const int error = errno;
      return !required || Fail(path, depth, Unreachable(path, error));
    }
    if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
      return Fail(path, depth, "is " + KindOf(info.st_mode) + ", not a file or folder");
    }
    if (depth > kDeepestInclude) {
      return Fail(path, depth,
                  "is included more than " + std::to_string(kDeepestInclude) + " deep");
    }
    const auto id = std::make_pair(info.st_dev, info.st_ino);
    if (const auto it = std::find(reading.begin(), reading.end(), id); it != reading.end()) {
      return Fail(path, depth,
                  "is included again from within itself (by " + readingNames.back() + ")");
    }
    if (result.files.size() == kMostConfigFiles) {
      return Fail(
          path, depth,
          "is one file more than the " + std::to_string(kMostConfigFiles) + " read at most");
    }
    reading.push_back(id);
    readingNames.push_back(path);
    result.files.push_back(path);
    const bool ok =
        S_ISDIR(info.st_mode) ? VisitFolder(path, required, depth) : VisitFile(path, depth);
    reading.pop_back();
    readingNames.pop_back();
    return ok;
  }

  // fontconfig reads a folder's files whose names begin with a digit and end in ".conf", in the
  // order of their names.
  bool VisitFolder(const std::string& path, bool required, int depth) {
    // opendir opens without waiting, and only a folder.
    DIR* dir = opendir(path.c_str());
    if (!dir) return !required || Fail(path, depth, CannotRead(errno));
    std::vector<std::string> names;
    while (const dirent* e = readdir(dir)) {
      const std::string_view name = e->d_name;
      if (name.size() > 5 && name[0] >= '0' && name[0] <= '9' && name.ends_with(".conf")) {
        names.emplace_back(name);
      }
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
      if (!Visit(path + "/" + name, required, depth + 1)) return false;
    }
    return true;
  }

  bool VisitFile(const std::string& path, int depth) {
    // Never waits: a file swapped for a pipe since it was looked at opens without a writer and
    // is refused below.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Fail(path, depth, CannotRead(errno));
    struct Closing {
      int fd;
      ~Closing() { close(fd); }
    } closing{fd};
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      return Fail(path, depth, "is not a file");
    }
    if (bytes + info.st_size > kMostConfigBytes)
      return OverLimit(path, depth, bytes + info.st_size);
    // Counted as read, not as stated: a file may grow, or state no size at all.
    std::string text;
    char buffer[16384];
    for (;;) {
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno == EAGAIN) return Fail(path, depth, "cannot be read without waiting");
      if (n < 0) return Fail(path, depth, CannotRead(errno));
      if (n == 0) break;
      bytes += n;
      if (bytes > kMostConfigBytes) return OverLimit(path, depth, bytes);
      text.append(buffer, static_cast<size_t>(n));
    }
    const Includes includes = IncludesIn(text);
    if (includes.declaresEntity) {
      return Fail(path, depth, "declares an entity, which this check cannot follow");
    }
    for (const Include& include : includes.found) {
      if (!VisitInclude(path, include, depth)) return false;
    }
    return true;
  }

  bool OverLimit(const std::string& path, int depth, long total) {
    const std::string size = std::to_string(total) + " bytes";
    if (depth == 0) return Fail(path, depth, "is over 256 KiB (" + size + ") and refused");
    problem =
        "is over 256 KiB with the files it reads (" + size + " up to " + path + ") and refused";
    return false;
  }

  // fontconfig looks a relative name up in its own folders (FONTCONFIG_PATH, then /etc/fonts),
  // not beside the file that names it; an empty name is the system's configuration.
  bool VisitInclude(const std::string& from, const Include& include, int depth) {
    if (include.namedEntity) {
      return Fail(from, depth, "has an <include> named with an entity, which is not followed");
    }
    const std::string name = include.xdg ? XdgConfigHome() + "/" + include.name : include.name;
    FcChar8* found = FcConfigGetFilename(config, reinterpret_cast<const FcChar8*>(name.c_str()));
    if (!found) {
      if (include.ignoreMissing) return true;
      const std::string where = LookedFor(name);
      const int error = access(where.c_str(), R_OK) == 0 ? ENOENT : errno;
      return Fail(
          where, depth + 1,
          Unreachable(where, error) + ", and " + from + " includes it without ignore_missing");
    }
    const std::string path = reinterpret_cast<const char*>(found);
    FcStrFree(found);
    return Visit(path, !include.ignoreMissing, depth + 1);
  }

  // Where a name fontconfig did not find would be, for a line that says why.
  static std::string LookedFor(const std::string& name) {
    if (name.starts_with('/')) return name;
    if (name.starts_with('~')) return Home() + name.substr(1);
    if (name.empty()) {
      const char* file = std::getenv("FONTCONFIG_FILE");
      return file && *file ? file : "/etc/fonts/fonts.conf";
    }
    const char* path = std::getenv("FONTCONFIG_PATH");
    const std::string folders = path ? path : "";
    size_t start = 0;
    while (start < folders.size()) {
      const size_t end = std::min(folders.find(':', start), folders.size());
      const std::string candidate = folders.substr(start, end - start) + "/" + name;
      struct stat info;
      if (end > start && lstat(candidate.c_str(), &info) == 0) return candidate;
      start = end + 1;
    }
    return "/etc/fonts/" + name;
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
  Includes result;
  std::vector<Include>& found = result.found;
  bool inside = false;  // within an <include>, taking its text
  int nested = 0;       // elements open within it, whose text is theirs
  Include current;
  std::string raw;
  size_t i = 0;
  auto skipPast = [&](std::string_view end) {
    const size_t at = xml.find(end, i);
    i = at == std::string_view::npos ? xml.size() : at + end.size();
  };
  while (i < xml.size()) {
    if (xml[i] != '<') {
      const size_t next = std::min(xml.find('<', i), xml.size());
      if (inside && nested == 0) raw += xml.substr(i, next - i);
      i = next;
      continue;
    }
    const std::string_view rest = xml.substr(i);
    if (rest.starts_with("<!--")) {
      skipPast("-->");
    } else if (rest.starts_with("<![CDATA[")) {
      const size_t start = i + 9;
      skipPast("]]>");
      if (inside && nested == 0) {
        // Kept apart from references: CDATA is taken as it stands.
        if (!Unescape(raw, current.name)) current.namedEntity = true;
        raw.clear();
        current.name += xml.substr(start, std::max(start, i - 3) - start);
      }
    } else if (rest.starts_with("<?")) {
      skipPast("?>");
    } else if (rest.starts_with("<!")) {
      // The document type, with its internal subset in brackets and quoted literals.
      int brackets = 0;
      char quote = 0;
      for (++i; i < xml.size(); ++i) {
        const char c = xml[i];
        if (!quote && xml.substr(i).starts_with("<!--")) {
          skipPast("-->");
          --i;
        } else if (!quote && xml.substr(i).starts_with("<!ENTITY")) {
          result.declaresEntity = true;
        } else if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '[') {
          ++brackets;
        } else if (c == ']') {
          --brackets;
        } else if (c == '>' && brackets <= 0) {
          ++i;
          break;
        }
      }
    } else if (rest.starts_with("</")) {
      size_t end = 2;
      while (end < rest.size() && !IsBlank(rest[end]) && rest[end] != '>') ++end;
      const std::string_view name = rest.substr(2, end - 2);
      skipPast(">");
      if (inside && nested > 0) {
        --nested;
      } else if (inside && name == "include") {
        if (!Unescape(raw, current.name)) current.namedEntity = true;
        found.push_back(current);
        inside = false;
      }
    } else {
      // A start tag: its name, its attributes, and whether it closes itself.
      size_t at = i + 1;
      while (at < xml.size() && !IsBlank(xml[at]) && xml[at] != '>' && xml[at] != '/') ++at;
      const std::string_view name = xml.substr(i + 1, at - i - 1);
      Include tag;
      bool closed = false;
      while (at < xml.size() && xml[at] != '>') {
        if (xml[at] == '/') {
          closed = true;
          ++at;
          continue;
        }
        if (IsBlank(xml[at])) {
          ++at;
          continue;
        }
        closed = false;
        const size_t nameStart = at;
        while (at < xml.size() && !IsBlank(xml[at]) && xml[at] != '=' && xml[at] != '>') ++at;
        const std::string_view attribute = xml.substr(nameStart, at - nameStart);
        while (at < xml.size() && IsBlank(xml[at])) ++at;
        if (at >= xml.size() || xml[at] != '=') continue;
        ++at;
        while (at < xml.size() && IsBlank(xml[at])) ++at;
        if (at >= xml.size() || (xml[at] != '"' && xml[at] != '\'')) continue;
        const char quote = xml[at++];
        const size_t valueEnd = std::min(xml.find(quote, at), xml.size());
        std::string value;
        Unescape(xml.substr(at, valueEnd - at), value);
        at = valueEnd + 1;
        if (attribute == "ignore_missing") tag.ignoreMissing = IsTrue(value);
        if (attribute == "prefix") tag.xdg = value == "xdg";
      }
      i = std::min(at + 1, xml.size());
      if (inside) {
        if (!closed) ++nested;
      } else if (name == "include") {
        current = tag;
        raw.clear();
        if (closed) {
          found.push_back(current);
        } else {
          inside = true;
          nested = 0;
        }
      }
    }
  }
  return result;
}

ConfigWalk WalkConfig(FcConfig* config, const std::string& path) {
  ConfigWalk result;
  Walk{config, result}.Visit(path, true, 0);
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
