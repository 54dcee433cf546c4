#include "page_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "platform/device.h"
#include "platform/palette.h"
#include "platform/text.h"

namespace orvelle::test {
namespace {

// A glyph as the renderer placed it: the pen's x before it, the line it stands on, how far it
// moved the pen, and the mark-up it stands for. A glyph of a fraction's part stands on the
// part's own line.
struct Glyph {
  float x, y, advance;
  std::string text;
  int color;
  bool inFraction = false;
  size_t call = 0;  // where in the log it was drawn
};

bool Near(float a, float b) { return std::abs(a - b) < 0.01f; }

// Measuring draws below the page, from y 1800.
bool OnPage(const DrawCall& c) { return c.y1 < 1500; }

bool Scale(const DrawCall& c, int h, int v) { return c.scaleX == h && c.scaleY == v; }

// A text call of the glyph renderer as the glyph it draws (see notation/glyphs.cpp for where
// each kind of glyph stands off the pen).
std::optional<Glyph> TextGlyph(const DrawCall& c) {
  const std::string& s = c.s;
  const int k = c.color;
  if (c.font.name == kLetterFont) {  // a, x and c in italics
    if (Scale(c, 12, 5)) return Glyph{c.x1 - 4, c.y1 + 16, 32, s, k, true};
    return Glyph{c.x1 - 4, c.y1 + 22, 27, s, k};
  }
  if (c.font.name == kEllFont) return Glyph{c.x1, c.y1, 32, s, k};
  if (c.font.name != kGothicFont) return std::nullopt;
  if (s == "=" && c.font.size == 14) return Glyph{c.x1 - 4, c.y1, 32, s, k};
  if (s == "." && Scale(c, 3, 2)) return Glyph{c.x1 + 3, c.y1 - 14, 8, s, k};
  if (Scale(c, 3, 2)) return Glyph{c.x1, c.y1, 24, "^" + s, k};            // an exponent
  if (Scale(c, 6, 3)) return Glyph{c.x1, c.y1 + 4, 24, "^" + s, k, true};  // in a fraction
  if (Scale(c, 2, 3) && (s == "×" || s == "÷" || s == "±")) {
    return Glyph{c.x1 + 4, c.y1, 27, s == "×" ? "*" : s == "÷" ? "/" : "@", k};
  }
  if (Scale(c, 2, 3)) return Glyph{c.x1, c.y1, 34, s, k};  // a wide character
  if (Scale(c, 3, 3) && c.font.size == 11) return Glyph{c.x1, c.y1, 38, s, k, true};
  if (Scale(c, 4, 2)) return Glyph{c.x1, c.y1, 32, s, k, true};
  if (Scale(c, 3, 4)) return Glyph{c.x1 + (s == "(" ? 4.0f : -6.0f), c.y1 + 6, 27, s, k};
  if (Scale(c, 3, 3)) return Glyph{c.x1, c.y1, s == "'" || s == "°" ? 12.0f : 27.0f, s, k};
  return std::nullopt;
}

bool Stroke(const DrawCall& c, float w, float h) {
  return c.op == Op::kLine && c.width == 5 && OnPage(c) && Near(c.x2 - c.x1, w) &&
         Near(c.y2 - c.y1, h);
}

// The glyphs of a log in the order they were drawn; a fraction is one glyph.
std::vector<Glyph> Glyphs(const std::vector<DrawCall>& log) {
  std::vector<Glyph> out;
  std::optional<Glyph> fraction;  // the bar's glyph, its parts gathered in `numerator` ...
  std::string numerator, denominator;
  const auto close = [&] {
    if (!fraction) return;
    fraction->text = "ﾀ" + numerator + "/" + denominator + "ﾀ";
    out.push_back(*fraction);
    fraction.reset();
  };
  size_t i = 0;
  const auto put = [&](Glyph g) {
    g.call = i;
    if (fraction && g.inFraction) {
      (g.y < fraction->y ? numerator : denominator) += g.text;
      return;
    }
    close();
    out.push_back(g);
  };
  for (; i < log.size(); ++i) {
    const DrawCall& c = log[i];
    if (c.op == Op::kText && OnPage(c)) {
      if (const auto g = TextGlyph(c)) put(*g);
    } else if (c.op == Op::kLine && c.width == 4 && OnPage(c) && Near(c.y1, c.y2)) {
      close();  // a fraction's bar, 25 below its line; its denominator comes first
      fraction = Glyph{c.x1, c.y1 - 25, c.x2 - c.x1, "", c.color, false, i};
      numerator.clear();
      denominator.clear();
    } else if (Stroke(c, 19, 0) || Stroke(c, 20, 0)) {
      // "-", or "+" with its upright stroke next; smaller and lower in a fraction.
      const bool small = Stroke(c, 20, 0);
      const bool plus =
          i + 1 < log.size() && (small ? Stroke(log[i + 1], 0, 20) : Stroke(log[i + 1], 0, 24));
      const float drop = small ? 14.0f : plus ? 22.0f : 20.0f;
      put({c.x1 - (small ? 6.0f : 4.0f), c.y1 - drop, small ? 32.0f : 27.0f, plus ? "+" : "-",
           c.color, small});
      i += plus ? 1 : 0;
    }
  }
  close();
  return out;
}

}  // namespace

std::vector<ReadText> ReadTexts(const std::vector<DrawCall>& log) {
  std::vector<ReadText> texts;
  size_t next = 0;  // the next call to look at for a box that erases
  const auto eraseUpTo = [&](size_t call) {
    for (; next < call && next < log.size(); ++next) {
      const DrawCall& c = log[next];
      if (c.op != Op::kBox || c.fill != kBackgroundColor) continue;
      for (ReadText& t : texts) {
        const float y = t.y + 10;  // inside its first glyph
        if (t.erased > next && t.x >= c.x1 && t.x < c.x2 && y >= c.y1 && y < c.y2) t.erased = next;
      }
    }
  };
  for (const Glyph& g : Glyphs(log)) {
    eraseUpTo(g.call);
    // The latest text on the line that this glyph goes on from.
    int at = -1, spaces = 0;
    for (int t = static_cast<int>(texts.size()) - 1; t >= 0 && at < 0; --t) {
      if (!Near(texts[t].y, g.y) || texts[t].erased < g.call) continue;
      for (int n = 0; n <= 3; ++n) {
        if (Near(texts[t].end + 27.0f * static_cast<float>(n), g.x)) {
          at = t;
          spaces = n;
        }
      }
    }
    if (at < 0) {
      texts.push_back({g.x, g.y, g.x, "", {}, g.call});
      at = static_cast<int>(texts.size()) - 1;
    }
    ReadText& t = texts[static_cast<size_t>(at)];
    t.text += std::string(static_cast<size_t>(spaces), ' ') + g.text;
    t.colors.insert(t.colors.end(), static_cast<size_t>(spaces), g.color);
    t.colors.insert(t.colors.end(), SplitChars(g.text).size(), g.color);
    t.end = g.x + g.advance;
  }
  return texts;
}

namespace {

// Whether a character can stand in an expression of the mark-up.
bool InExpression(const std::string& ch) {
  static const std::string kMarks = "+-*/=()^{}. ";
  if (ch.size() != 1) return ch == "ﾀ";
  const char c = ch[0];
  return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'a' && c <= 'z') ||
         kMarks.find(c) != std::string::npos;
}

std::string Trim(std::string s) {
  s.erase(0, std::min(s.find_first_not_of(' '), s.size()));
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

// One side of an "=": a unit's opening bracket at its end ("2x+2(" of "2x+2(本)"), a lone closing
// one and a leading "+" ("+14" of "+8+6=+14") go.
std::string Side(std::string s) {
  s = Trim(s);
  while (!s.empty() && s.back() == '(') s = Trim(s.substr(0, s.size() - 1));
  if (!s.empty() && s.front() == '+') s = Trim(s.substr(1));
  return s == ")" ? "" : s;
}

// A run of a text that can be an expression: its sides (one for each "="; the first empty when
// the run starts with "="), whether it starts the text, and whether "のとき" follows it (a
// value given to a letter).
struct Run {
  std::vector<std::string> sides;
  bool first;
  bool given;
};

std::vector<Run> Runs(const ReadText& t, const std::string& after) {
  const auto chars = SplitChars(t.text);
  std::vector<Run> runs;
  size_t i = 0;
  while (i < chars.size()) {
    if (!InExpression(chars[i])) {
      ++i;
      continue;
    }
    bool first = true;
    for (size_t k = 0; k < i; ++k) first = first && chars[k] == " ";
    std::string run;
    size_t j = i;
    for (bool fraction = false; j < chars.size() && (fraction || InExpression(chars[j])); ++j) {
      if (chars[j] == "ﾀ") fraction = !fraction;
      run += chars[j];
    }
    // A label: "(", digits, ")", and the next character in another colour.
    const size_t close = run.find(')');
    if (run[0] == '(' && close != std::string::npos && close > 1 &&
        run.find_first_not_of("0123456789", 1) == close && i + close + 1 < j &&
        t.colors[i + close] != t.colors[i + close + 1]) {
      run.erase(0, close + 1);
    }
    // A run that ends the text on an operator goes on in the text just right of it ("=3*" and
    // "(-3)" in a table's columns).
    const std::string end = Trim(run);
    if (j == chars.size() && !end.empty() &&
        std::string("+-*/").find(end.back()) != std::string::npos) {
      run = end + after;
    }
    std::string rest;
    for (size_t k = j; k < chars.size(); ++k) rest += chars[k];
    Run r{{}, first, Trim(rest).rfind("のとき", 0) == 0};
    for (size_t from = 0, to = 0; to != std::string::npos; from = to + 1) {
      to = run.find('=', from);
      r.sides.push_back(Side(run.substr(from, to - from)));
    }
    runs.push_back(r);
    i = j;
  }
  return runs;
}

// The last expression of a text's runs.
std::string LastOf(const std::vector<Run>& runs) {
  std::string last;
  for (const Run& r : runs) {
    for (const std::string& side : r.sides) {
      if (!side.empty()) last = side;
    }
  }
  return last;
}

}  // namespace

std::vector<Equality> Equalities(const std::vector<ReadText>& texts) {
  const size_t n = texts.size();
  // The text just right of each on its line, as it goes on from a run that ends on an operator.
  std::vector<std::vector<Run>> runs(n);
  for (size_t t = 0; t < n; ++t) {
    std::string after;
    for (size_t u = 0; u < n; ++u) {
      const float gap = texts[u].x - texts[t].end;
      if (u != t && Near(texts[u].y, texts[t].y) && gap >= 0 && gap < 60) after = texts[u].text;
    }
    runs[t] = Runs(texts[t], Trim(after));
  }

  // What a text that starts with "=" goes on from: the text that ends just before it on its
  // line, else the nearest line above whose text it starts under; drawn before it.
  const auto before = [&](size_t t) -> std::string {
    const ReadText& r = texts[t];
    int best = -1;
    const auto shown = [&](size_t u) {
      return texts[u].erased > r.drawn && !LastOf(runs[u]).empty();
    };
    for (size_t u = 0; u < t; ++u) {
      const float gap = r.x - texts[u].end;
      if (Near(texts[u].y, r.y) && gap > -0.5f && gap < 60 && shown(u)) {
        best = static_cast<int>(u);
      }
    }
    if (best >= 0) return LastOf(runs[static_cast<size_t>(best)]);
    // A mark over the line above (a cancellation's small digit) is no line of the working.
    for (size_t u = 0; u < t; ++u) {
      const ReadText& p = texts[u];
      if (p.y >= r.y || r.x < p.x - 60 || r.x > p.end || !shown(u)) continue;
      if (SplitChars(p.text).size() == 1) continue;
      if (best >= 0) {
        const ReadText& b = texts[static_cast<size_t>(best)];
        if (p.y < b.y || (Near(p.y, b.y) && std::abs(p.x - r.x) > std::abs(b.x - r.x))) continue;
      }
      best = static_cast<int>(u);
    }
    return best >= 0 ? LastOf(runs[static_cast<size_t>(best)]) : "";
  };

  std::vector<Equality> out;
  std::vector<std::pair<char, double>> given;
  for (size_t t = 0; t < n; ++t) {
    for (const Run& run : runs[t]) {
      std::vector<std::string> sides = run.sides;
      // "a=-3 のとき": the page gives a its value for what follows.
      if (run.given && sides.size() == 2 && sides[0].size() == 1 &&
          std::islower(static_cast<unsigned char>(sides[0][0]))) {
        std::erase_if(given, [&](const auto& g) { return g.first == sides[0][0]; });
        given.emplace_back(sides[0][0], MarkupValue(sides[1], {}));
        continue;
      }
      if (run.first && sides.size() > 1 && sides[0].empty()) sides[0] = before(t);
      for (size_t k = 1; k < sides.size(); ++k) {
        if (!sides[k - 1].empty() && !sides[k].empty()) {
          out.push_back({sides[k - 1], sides[k], given});
        }
      }
    }
  }
  return out;
}

std::vector<std::string> Expressions(const std::vector<ReadText>& texts) {
  std::vector<std::string> out;
  for (const ReadText& t : texts) {
    for (const Run& run : Runs(t, "")) {
      for (const std::string& side : run.sides) {
        if (!side.empty()) out.push_back(side);
      }
    }
  }
  return out;
}

namespace {

void ExpectHold(const std::vector<DrawCall>& log, size_t count, const Letters* at) {
  const auto equalities = Equalities(ReadTexts(log));
  EXPECT_EQ(equalities.size(), count);
  for (const Equality& e : equalities) {
    try {
      Letters values = at ? *at : Letters{};
      for (const auto& [letter, value] : e.given) values[static_cast<size_t>(letter - 'a')] = value;
      const bool holds =
          at || !e.given.empty()
              ? std::abs(MarkupValue(e.left, values) - MarkupValue(e.right, values)) < 1e-9
              : SameExpression(e.left, e.right);
      EXPECT_TRUE(holds) << e.left << " = " << e.right;
    } catch (const std::runtime_error& error) {
      ADD_FAILURE() << e.left << " = " << e.right << ": " << error.what();
    }
  }
}

}  // namespace

void ExpectEqualitiesHold(const std::vector<DrawCall>& log, size_t count) {
  ExpectHold(log, count, nullptr);
}

void ExpectEqualitiesHold(const std::vector<DrawCall>& log, size_t count, const Letters& at) {
  ExpectHold(log, count, &at);
}

}  // namespace orvelle::test
