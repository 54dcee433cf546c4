#include "platform/fonts.h"

#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <tuple>

#include "platform/device.h"
#include "platform/fonts_config.h"

namespace orvelle {
namespace {

// How each name's face is fitted into the cells. The Gothic face fills its cells exactly, as the
// lessons' advances assume. The italic letters and the ell are drawn with factors the Gothic
// face never sees (10 × 7 and 12 × 5 at size 8, 6 × 3 at size 16). Their ems are chosen so that a
// letter is about two thirds as high as the Gothic digits beside it and stays inside its
// advance. Their baselines put them on the digits' baseline: the lesson glyphs draw a letter 22
// units above the pen at 10 × 7 beside digits 3 × 3 high (48 units, baseline 42.24 below the pen),
// 16 above at 12 × 5 beside fraction digits 4 × 2 (baseline 28.16 below), and the label text 12
// above at 7 × 4 beside digits 2 × 2 of size 15 (baseline 26.4 below).
// Across, a letter's ink is centred in the room its neighbours leave it, so that its italic
// overhang stays clear of both. The lesson glyphs draw it 4 units right of its pen; the ink of a
// sign, digit or bracket before it ends 1 unit before the pen, and the glyph after it begins 27
// units after the pen at 10 × 7 (a sign stands 4 units left of its own cell) and 33 at 12 × 5.
// The ell is drawn at the pen and has 32 units.
CellFit FitFor(const std::string& name) {
  CellFit fit;
  if (name == kLetterFont) {
    fit.emAcross = 0.625;
    fit.emDown = 0.89;
    fit.cellAdvance = false;
    fit.baseline = (22 + 42.24) / (8 * 7);
    fit.baselineByDown = {{5, (16 + 28.16) / (8 * 5)}, {4, (12 + 26.4) / (8 * 4)}};
    fit.inkCentreByAcross = {{10, ((27 - 1) / 2.0 - 4) / (8 * 10)},
                             {12, ((33 - 1) / 2.0 - 4) / (8 * 12)}};
  } else if (name == kEllFont) {
    fit.emAcross = 0.6;
    fit.emDown = 1.0;
    fit.cellAdvance = false;
    fit.baseline = 0.88;  // drawn at the pen like a Gothic glyph, so on the Gothic baseline
    fit.inkCentreByAcross = {{6, ((32 - 1) / 2.0) / (16 * 6)}};
  }
  return fit;
}

// Set by the start-up check before the faces are first looked for: a program that cannot show its
// lessons then says so in the check's line alone.
bool checkSaysFatal = false;

// Does `load` with fontconfig's lines silenced: those of a trial that passed were said already.
template <typename Load>
auto Quietly(const Load& load) {
  std::fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (saved >= 0 && null >= 0) dup2(null, STDERR_FILENO);
  if (null >= 0) close(null);
  auto result = load();
  std::fflush(stderr);
  if (saved >= 0) {
    dup2(saved, STDERR_FILENO);
    close(saved);
  }
  return result;
}

// fontconfig's lines, as they name the path, shown as our lines show it.
void SayLines(const std::string& said, const std::string& path) {
  std::string shown;
  size_t from = 0;
  for (size_t at; !path.empty() && (at = said.find(path, from)) != std::string::npos;) {
    shown += Shown(said.substr(from, at - from), true) + Shown(path);
    from = at + path.size();
  }
  std::fputs((shown + Shown(said.substr(from), true)).c_str(), stderr);
}

// The trials begun at the start (StartFonts), and what the first look at the path said.
struct Start {
  std::string path;
  FcConfig* config = nullptr;
  std::string look;
  std::unique_ptr<Trial> ours, system;  // the system's begun where the first look failed
};
Start* begun = nullptr;

std::unique_ptr<Trial> TrialOf(const std::string& path) {
  return std::make_unique<Trial>([path] { return LessonFontsTrial(path); });
}

struct Library {
  FcConfig* config = nullptr;
  bool loaded = false;
  std::string fatal;  // the line of a program with no configuration that passed its trial
  std::map<std::tuple<std::string, bool, bool>, std::unique_ptr<Face>> faces;
  std::set<std::string> missing;  // families said to be missing
  // While the start-up check runs, the lines saying a face stands in for another wait for its
  // outcome: a program that then ends says only why.
  bool holding = false;
  std::vector<std::string> held;

  Library() {
    StartFonts();
    const std::unique_ptr<Start> start(std::exchange(begun, nullptr));
    const std::string& path = start->path;
    config = start->config;
    std::string problem = start->look;
    if (problem.empty()) {
      const Verdict trial = start->ours->Wait();
      start->ours.reset();
      SayLines(trial.said, path);
      // A trial that cannot run is no verdict: the configuration is loaded as it is. The load
      // repeats the trial's checks, for a file changed since.
      if (trial.tried) problem = trial.problem;
      const auto load = [&] { return LoadConfig(config, path); };
      if (problem.empty()) problem = trial.tried ? Quietly(load) : load();
      if (problem.empty()) {
        loaded = true;
        if (!trial.tried) {
          std::fprintf(stderr, "fonts: %s %s; loaded without it\n", Shown(path).c_str(),
                       trial.problem.c_str());
        }
        return;
      }
    }
    if (config) FcConfigDestroy(config);
    // Wanted only now: begun now, unless the process has threads by then (the trial says so).
    if (!start->system) start->system = TrialOf("");
    const Verdict system = start->system->Wait();
    start->system.reset();
    SayLines(system.said, "");
    if (!system.tried || system.problem.empty()) {
      std::fprintf(stderr, "%s\n", FontsLine(path, problem).c_str());
      config = system.tried ? Quietly(FcInitLoadConfigAndFonts) : FcInitLoadConfigAndFonts();
      return;
    }
    fatal = FontsLine(path, problem, system.problem);
    if (!checkSaysFatal) std::fprintf(stderr, "%s\n", fatal.c_str());
    config = FcConfigCreate();  // no fonts: every face draws nothing
  }
};

Library& Lib() {
  // Kept to the end of the process: the faces are shared by every canvas.
  static Library* lib = new Library;
  return *lib;
}

std::string GetString(FcPattern* p, const char* object) {
  FcChar8* s = nullptr;
  if (FcPatternGetString(p, object, 0, &s) != FcResultMatch || !s) return "";
  return reinterpret_cast<const char*>(s);
}

int GetInt(FcPattern* p, const char* object, int otherwise) {
  int v = otherwise;
  FcPatternGetInteger(p, object, 0, &v);
  return v;
}

bool HasFamily(FcPattern* p, const std::string& family) {
  FcChar8* s = nullptr;
  for (int i = 0; FcPatternGetString(p, FC_FAMILY, i, &s) == FcResultMatch; ++i) {
    if (FcStrCmpIgnoreCase(s, reinterpret_cast<const FcChar8*>(family.c_str())) == 0) return true;
  }
  return false;
}

struct Match {
  FcPattern* font = nullptr;  // owned
  std::string wanted;
};

Match MatchFont(const std::string& name, bool bold, bool italic) {
  FcPattern* pattern = LessonPattern(Lib().config, name, bold, italic);
  Match m;
  m.wanted = GetString(pattern, FC_FAMILY);
  FcResult result = FcResultNoMatch;
  m.font = FcFontMatch(Lib().config, pattern, &result);
  FcPatternDestroy(pattern);
  return m;
}

std::unique_ptr<Face> Resolve(const std::string& name, bool bold, bool italic) {
  auto face = std::make_unique<Face>();
  face->requested = name;
  face->fit = FitFor(name);
  face->ellForL = name == kEllFont;
  Match m = MatchFont(name, bold, italic);
  face->wanted = m.wanted;
  if (!m.font) {
    face->fellBack = true;
    return face;
  }
  face->family = GetString(m.font, FC_FAMILY);
  face->style = GetString(m.font, FC_STYLE);
  face->file = GetString(m.font, FC_FILE);
  face->fellBack = !HasFamily(m.font, m.wanted);
  if (face->fellBack && m.wanted != name && Lib().missing.insert(m.wanted).second) {
    // A face named in fonts.conf is missing: say so once, the text still shows in another.
    const std::string line = "fonts: " + m.wanted + " for \"" + name +
                             "\" is not installed; using " + face->family + "\n";
    if (Lib().holding) {
      Lib().held.push_back(line);
    } else {
      std::fputs(line.c_str(), stderr);
    }
  }
  // A configuration may itself ask for the synthetic styles (the system's does), naming the face
  // bold or oblique for it.
  FcBool embolden = FcFalse;
  FcPatternGetBool(m.font, FC_EMBOLDEN, 0, &embolden);
  FcMatrix* shear = nullptr;
  const bool sheared =
      FcPatternGetMatrix(m.font, FC_MATRIX, 0, &shear) == FcResultMatch && shear && shear->xy != 0;
  face->syntheticBold =
      bold && (embolden || GetInt(m.font, FC_WEIGHT, FC_WEIGHT_REGULAR) < FC_WEIGHT_DEMIBOLD);
  face->syntheticItalic =
      italic && (sheared || GetInt(m.font, FC_SLANT, FC_SLANT_ROMAN) == FC_SLANT_ROMAN);
  face->face = FaceOfFile(face->file, GetInt(m.font, FC_INDEX, 0));
  FcPatternDestroy(m.font);
  face->unit = UnitFont(face->face);

  // Advances come from the regular face, so a bold or italic text is as wide as a plain one.
  if (bold || italic) {
    const Face& plain = FindFace(name, false, false);
    face->regular = plain.unit;
  } else {
    face->regular = face->unit;
  }

  if (face->fit.cellAdvance) {
    // Fit the face's ascent and descent into the cell.
    cairo_font_extents_t e;
    cairo_scaled_font_extents(face->unit, &e);
    const double height = e.ascent + e.descent;
    if (height > 0) {
      face->fit.emDown = 1 / height;
      face->fit.baseline = e.ascent / height;
    }
  }
  return face;
}

}  // namespace

Glyph Face::Find(char32_t c) const {
  auto it = glyphs.find(c);
  if (it != glyphs.end()) return it->second;
  Glyph g = LookUp(unit, c);
  if (regular != unit) {
    const Glyph plain = LookUp(regular, c);
    if (plain.found) g.advance = plain.advance;
  }
  glyphs.emplace(c, g);
  return g;
}

const Face& FindFace(const std::string& name, bool bold, bool italic) {
  auto& faces = Lib().faces;
  const auto key = std::make_tuple(name, bold, italic);
  auto it = faces.find(key);
  if (it == faces.end()) it = faces.emplace(key, Resolve(name, bold, italic)).first;
  return *it->second;
}

std::string FontsLine(const std::string& path, const std::string& problem,
                      const std::string& systemProblem) {
  const std::string line = "fonts: " + Shown(path) + " " + problem;
  if (systemProblem.empty()) return line + "; using the system's fonts";
  const char* file = std::getenv("FONTCONFIG_FILE");
  const std::string system =
      "the system's " + Shown(file && *file ? file : "/etc/fonts/fonts.conf");
  // The same fault in both (a face they both give) is said once.
  return line + ", and " + system + (systemProblem == problem ? " too" : " " + systemProblem) +
         "; cannot show the lessons";
}

void StartFonts() {
  static bool started = false;
  if (std::exchange(started, true)) return;
  begun = new Start;
  begun->path = FontConfigPath();
  begun->config = FcConfigCreate();
  begun->look = begun->config ? FirstLook(begun->config, begun->path) : "cannot be used";
  // The system's is wanted only where ours fails.
  if (begun->look.empty()) {
    begun->ours = TrialOf(begun->path);
  } else {
    begun->system = TrialOf("");
  }
}

std::string ConfigPathIn(const std::string& path, const std::string& folder) {
  if (path.empty() || path[0] == '/' || folder.empty()) return path;
  std::string_view rest = path;
  while (rest.starts_with("./")) rest.remove_prefix(2);
  return folder + (folder.back() == '/' ? "" : "/") + std::string(rest);
}

std::string FontConfigPath() {
  const char* path = std::getenv("ORVELLE_FONTS_CONF");
  if (!path || !*path) return std::string(ORVELLE_FONTS_DIR) + "/fonts.conf";
  std::error_code error;
  const std::filesystem::path here = std::filesystem::current_path(error);
  return ConfigPathIn(path, error ? "" : here.string());
}

bool FontConfigLoaded() { return Lib().loaded; }

std::string TextFaceProblem(const Face& gothic) {
  if (!gothic.face || !gothic.Find(U'1').found) {
    return "fonts: no font found to draw text with; cannot show the lessons";
  }
  // A face without Japanese draws the digits and leaves every other text of the lessons blank. The
  // kana and the kanji are ones every program draws (の, and 終 of its main menu's 終了).
  // Whatever the configuration asks for, the project's face is the one to install.
  if (!gothic.Find(U'の').found || !gothic.Find(U'終').found) {
    return "fonts: no font found to draw Japanese text with: IPAGothic is missing (Debian package "
           "fonts-ipafont-gothic); cannot show the lessons";
  }
  return "";
}

std::string TextFaceProblem() {
  checkSaysFatal = true;
  Library& lib = Lib();  // a configuration refused is said at once, before the check
  if (!lib.fatal.empty()) return lib.fatal;
  lib.holding = true;
  const std::string problem = TextFaceProblem(FindFace(kGothicFont, false, false));
  lib.holding = false;
  if (problem.empty()) {
    for (const std::string& line : lib.held) std::fputs(line.c_str(), stderr);
  }
  lib.held.clear();
  return problem;
}

std::shared_ptr<const Face> FaceFromFile(const std::string& file) {
  auto* face = new Face;
  face->file = file;
  face->face = FaceOfFile(file, 0);
  face->unit = UnitFont(face->face);
  face->regular = face->unit;
  return std::shared_ptr<const Face>(face, [](const Face* f) {
    cairo_scaled_font_destroy(f->unit);
    cairo_font_face_destroy(f->face);
    delete f;
  });
}

}  // namespace orvelle
