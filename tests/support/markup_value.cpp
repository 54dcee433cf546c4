#include "markup_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

#include "screen.h"

namespace orvelle::test {
namespace {

// A recursive descent over the text, byte by byte: the fraction mark and π are first written
// as one byte each ('|' and '#').
class Reader {
 public:
  Reader(const std::string& s, const Letters& letters) : s_(s), letters_(letters) {}

  double Whole() {
    const double v = Sum();
    if (i_ != s_.size()) Fail();
    return v;
  }

 private:
  [[noreturn]] void Fail() const {
    throw std::runtime_error("cannot read \"" + s_ + "\" at " + std::to_string(i_));
  }
  char Peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }
  static bool Digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
  static bool Letter(char c) { return c >= 'a' && c <= 'z'; }

  double Sum() {
    double v = Product();
    while (Peek() == '+' || Peek() == '-') v += (s_[i_++] == '+' ? 1 : -1) * Product();
    return v;
  }
  double Product() {
    double v = Signed();
    for (char c = Peek();; c = Peek()) {
      if (c == '*' || c == '/') {
        ++i_;
        const double w = Signed();
        v = c == '*' ? v * w : v / w;
      } else if (Digit(c) || Letter(c) || c == '(' || c == '{' || c == '|' || c == '#') {
        v *= Power();
      } else {
        return v;
      }
    }
  }
  double Signed() {
    if (Peek() != '-') return Power();
    ++i_;
    return -Signed();
  }
  double Power() {
    double v = Factor();
    while (Peek() == '^') {
      ++i_;
      if (!Digit(Peek())) Fail();
      v = std::pow(v, s_[i_++] - '0');
    }
    return v;
  }
  double Factor() {
    const char c = Peek();
    const size_t start = i_;
    if (Digit(c)) {
      while (Digit(Peek()) || Peek() == '.') ++i_;
      return std::stod(s_.substr(start, i_ - start));
    }
    if (c == '#') {
      ++i_;
      return 3.14159;
    }
    if (Letter(c)) return letters_[static_cast<size_t>(s_[i_++] - 'a')];
    if (c == '(' || c == '{') {
      ++i_;
      const double v = Sum();
      if (Peek() != (c == '(' ? ')' : '}')) Fail();
      ++i_;
      return v;
    }
    if (c != '|') Fail();
    const size_t close = s_.find('|', i_ + 1), bar = s_.find('/', i_ + 1);
    if (close == std::string::npos || bar == std::string::npos || bar > close) Fail();
    i_ = close + 1;
    return Reader(s_.substr(start + 1, bar - start - 1), letters_).Whole() /
           Reader(s_.substr(bar + 1, close - bar - 1), letters_).Whole();
  }

  std::string s_;
  const Letters& letters_;
  size_t i_ = 0;
};

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (size_t p; (p = s.find(from)) != std::string::npos;) s.replace(p, from.size(), to);
}

}  // namespace

double MarkupValue(const std::string& text, const Letters& letters) {
  std::string s = text.substr(std::min(text.find_first_not_of(' '), text.size()));
  s = s.substr(0, s.find(" ("));
  if (!s.empty() && s.front() == '=') s.erase(0, 1);
  if (!s.empty() && s.back() == '=') s.pop_back();
  ReplaceAll(s, "ﾀ", "|");
  ReplaceAll(s, "π", "#");
  return Reader(s, letters).Whole();
}

Letters LettersAt(std::initializer_list<std::pair<char, double>> values) {
  Letters letters{};
  for (const auto& [letter, value] : values) letters[static_cast<size_t>(letter - 'a')] = value;
  return letters;
}

void ExpectSameValues(const Letters& letters, std::initializer_list<std::string> steps) {
  const double value = MarkupValue(*steps.begin(), letters);
  for (const std::string& step : steps) {
    if (step.empty()) continue;
    EXPECT_NEAR(MarkupValue(step, letters), value, 1e-9) << step << " in " << *steps.begin();
  }
}

bool SameExpression(const std::string& a, const std::string& b) {
  for (int k = 0; k < 3; ++k) {
    Letters letters;
    // Different, none 0 or 1, some negative.
    for (size_t i = 0; i < letters.size(); ++i) {
      letters[i] = (i % 2 ? -0.37 : 0.41) * static_cast<double>(i + 2) * (k + 1) + 0.11 * k;
    }
    const double x = MarkupValue(a, letters), y = MarkupValue(b, letters);
    if (std::abs(x - y) > 1e-9 * (1 + std::abs(x))) return false;
  }
  return true;
}

void ExpectWorkingShown(const std::vector<DrawCall>& log, const std::vector<std::string>& steps) {
  const Screen screen(log);
  for (const std::string& step : steps) {
    EXPECT_TRUE(screen.Shows(step)) << step << " is not shown";
    EXPECT_TRUE(SameExpression(steps.front(), step)) << step << " in " << steps.front();
  }
}

}  // namespace orvelle::test
