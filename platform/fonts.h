// The faces behind the font names the programs select, found through the project's fonts.conf,
// and how each face is fitted into the cells of the text statement.
#pragma once

#include <cairo.h>

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/face_file.h"

namespace orvelle {

// Where a face's outlines sit in the cell of a text of size s magnified h across and v down.
// The cell is s·v high; a wide character's cell is s·h wide, a narrow one's s·h / 2.
struct CellFit {
  double emAcross = 1;      // the em across, as a fraction of s·h
  double emDown = 1;        // the em down, as a fraction of s·v
  double baseline = 0.88;   // the baseline below the cell's top, as a fraction of s·v
  bool cellAdvance = true;  // the pen moves by the cell width; else by the face's own advance
  std::vector<std::pair<int, double>> baselineByDown;  // the baseline for particular factors v
  // For particular factors h: each glyph's ink is centred this far right of its pen, as a
  // fraction of s·h. At other factors a glyph stands at its own origin.
  std::vector<std::pair<int, double>> inkCentreByAcross;

  double BaselineAt(int down) const {
    for (const auto& [v, b] : baselineByDown) {
      if (v == down) return b;
    }
    return baseline;
  }
  std::optional<double> InkCentreAt(int across) const {
    for (const auto& [h, c] : inkCentreByAcross) {
      if (h == across) return c;
    }
    return std::nullopt;
  }
};

struct Face {
  std::string requested;  // the name the program selected
  std::string wanted;     // the family fonts.conf gives for it
  std::string family;     // the family that answered
  std::string style;
  std::string file;
  bool fellBack = false;  // some other family answered than the one fonts.conf gives
  bool syntheticBold = false;
  bool syntheticItalic = false;
  bool ellForL = false;  // an "l" is drawn as the script ell U+2113
  CellFit fit;
  cairo_font_face_t* face = nullptr;

  // The glyph of a character in this face, with the advance of the regular face.
  Glyph Find(char32_t c) const;

  cairo_scaled_font_t* unit = nullptr;     // this face at 1 em
  cairo_scaled_font_t* regular = nullptr;  // the regular face of the family at 1 em
  mutable std::unordered_map<char32_t, Glyph> glyphs;
};

// The face for a font name and style, resolved once and kept for the whole run. Never fails:
// when nothing at all can be loaded the face has no glyphs and draws nothing.
const Face& FindFace(const std::string& name, bool bold, bool italic);

// The configuration the faces come from (the project's fonts.conf, or the file or folder that
// ORVELLE_FONTS_CONF names, read relative to the working directory), and whether it was loaded.
// It is loaded only once fontconfig has tried it in a child process (platform/fonts_config.h);
// when it is missing, fails that trial or leaves a name unmapped, that is said on stderr in one
// line and the system's configuration is used instead, once it passes the same trial.
std::string FontConfigPath();
bool FontConfigLoaded();

// Begins the trial of the configuration (or, where its first look fails, of the system's), so that
// the program's start goes on while it runs; it is judged when a face is first looked for, and
// the system's tried then where it is wanted. Before any thread starts; the faces begin it
// otherwise.
void StartFonts();

// The line for a configuration not loaded: "fonts: PATH PROBLEM; using the system's fonts"; or,
// where the system's configuration failed its trial too (`systemProblem`), the one line of a
// program that cannot show its lessons.
std::string FontsLine(const std::string& path, const std::string& problem,
                      const std::string& systemProblem = "");

// A configuration's path made absolute in `folder` (the working directory): fontconfig looks a
// relative name up in its own folder. Unchanged when absolute or when the folder is unknown ("").
std::string ConfigPathIn(const std::string& path, const std::string& folder);

// What keeps the programs' texts from being drawn, as one line for stderr, or "" when the face of
// their texts draws the glyphs the lessons draw: a digit, a kana and a kanji. Where the system's
// configuration failed its trial too, the line says so (and the faces draw nothing); called
// before any face is looked for, it is the only line that says so. A line saying that
// a face stands in for a missing one comes out only once this has passed.
std::string TextFaceProblem();
// The same of a face.
std::string TextFaceProblem(const Face& gothic);

// A face straight from a font file, outside any configuration, kept while it is held.
std::shared_ptr<const Face> FaceFromFile(const std::string& file);

}  // namespace orvelle
