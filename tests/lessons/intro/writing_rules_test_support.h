// Helpers of the section 2 tests: what the drills held at each key wait, the value of a mark-up
// expression, and key scripts for drills.
#pragma once

#include <cctype>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/shared.h"
#include "platform/recording_device.h"

namespace orvelle::test {

// What a drill had in hand when it waited for a key ("何かキーを押して下さい。").
struct KeyWaitShot {
  float exerciseNo = 0;
  float lastRulePick = 0;
  std::vector<std::string> coefText;  // entries 0..40
  std::string question;               // signText(1) and signText(2): the products drill's
  std::string answer;
  size_t logSize = 0;  // the log's length at the wait
};

// Takes a shot at every key wait of a run (not at the keys of a number field).
class KeyWaitRecorder {
 public:
  KeyWaitRecorder(RecordingDevice& device, Machine& m) : device_(device), m_(m) {
    device.OnKeyWait([this] { Look(); });
  }
  const std::vector<KeyWaitShot>& shots() const { return shots_; }

 private:
  void Look() {
    const auto& log = device_.log();
    bool bar = false;
    for (size_t i = seen_; i < log.size(); ++i) {
      const DrawCall& c = log[i];
      bar |= c.op == "text" && c.s == "何" && c.x1 == 128 && c.y1 == 666 && c.color == 9;
    }
    seen_ = log.size();
    if (!bar) return;
    KeyWaitShot shot{m_.exerciseNo,  m_.lastRulePick, {},
                     m_.signText[1], m_.signText[2],  log.size()};
    for (int i = 0; i <= 40; ++i) shot.coefText.push_back(m_.coefText[i]);
    shots_.push_back(shot);
  }

  RecordingDevice& device_;
  Machine& m_;
  size_t seen_ = 0;
  std::vector<KeyWaitShot> shots_;
};

// Keys for one drill of `passes` problems: a key at each problem, "2\r" at every next-step
// prompt but the last, "1\r" there.
inline std::string DrillKeys(int passes) {
  std::string keys;
  for (int i = 1; i <= passes; ++i) keys += i < passes ? " 2\r" : " 1\r";
  return keys;
}

// A random value that makes INT(r × n + 1) give `pick` (1..n).
inline float PickValue(int pick, int n) {
  return (static_cast<float>(pick) - 0.5f) / static_cast<float>(n);
}

// The value of an expression in the mark-up ("-ﾀ3a/4ﾀ", "x^2y^3", "5(a+b)", "3*x/4") for given
// values of the letters a, b, c, m, n, x, y: "*" is ×, a "/" outside a fraction ÷, a
// "ﾀp/qﾀ" the fraction p over q, "^" a one-digit exponent; a number, letter, bracket or
// fraction written next to another multiplies it. Throws on anything else.
class MarkupCalculator {
 public:
  MarkupCalculator(std::string text, const double (&letters)[7]) : letters_(letters) {
    // One byte for the fraction mark, so the walk is byte by byte.
    for (size_t p; (p = text.find("ﾀ")) != std::string::npos;) text.replace(p, 3, "|");
    s_ = text;
  }

  double Value() {
    const double v = Sum();
    if (i_ != s_.size()) Fail();
    return v;
  }

 private:
  [[noreturn]] void Fail() const {
    throw std::runtime_error("cannot read \"" + s_ + "\" at " + std::to_string(i_));
  }
  char Peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }
  bool StartsFactor(char c) const {
    return std::isdigit(static_cast<unsigned char>(c)) || LetterIndex(c) >= 0 || c == '(' ||
           c == '|';
  }
  static int LetterIndex(char c) {
    const std::string kLetters = "abcmnxy";
    const size_t p = kLetters.find(c);
    return c != '\0' && p != std::string::npos ? static_cast<int>(p) : -1;
  }

  double Sum() {
    double v = Product();
    while (Peek() == '+' || Peek() == '-') {
      const char op = s_[i_++];
      const double w = Product();
      v = op == '+' ? v + w : v - w;
    }
    return v;
  }
  double Product() {
    double v = Signed();
    while (true) {
      const char c = Peek();
      if (c == '*' || c == '/') {
        ++i_;
        const double w = Signed();
        v = c == '*' ? v * w : v / w;
      } else if (StartsFactor(c)) {
        v *= Power();
      } else {
        return v;
      }
    }
  }
  double Signed() {
    if (Peek() == '-') {
      ++i_;
      return -Signed();
    }
    return Power();
  }
  double Power() {
    double v = Factor();
    while (Peek() == '^') {
      ++i_;
      if (!std::isdigit(static_cast<unsigned char>(Peek()))) Fail();
      v = std::pow(v, s_[i_++] - '0');
    }
    return v;
  }
  double Factor() {
    const char c = Peek();
    if (std::isdigit(static_cast<unsigned char>(c))) {
      const size_t start = i_;
      while (std::isdigit(static_cast<unsigned char>(Peek())) || Peek() == '.') ++i_;
      return std::stod(s_.substr(start, i_ - start));
    }
    if (LetterIndex(c) >= 0) {
      ++i_;
      return letters_[LetterIndex(c)];
    }
    if (c == '(') {
      ++i_;
      const double v = Sum();
      if (Peek() != ')') Fail();
      ++i_;
      return v;
    }
    if (c == '|') {
      const size_t close = s_.find('|', i_ + 1);
      const size_t bar = s_.find('/', i_ + 1);
      if (close == std::string::npos || bar == std::string::npos || bar > close) Fail();
      const double num = MarkupCalculator(s_.substr(i_ + 1, bar - i_ - 1), letters_).Value();
      const double den = MarkupCalculator(s_.substr(bar + 1, close - bar - 1), letters_).Value();
      i_ = close + 1;
      return num / den;
    }
    Fail();
  }

  std::string s_;
  size_t i_ = 0;
  const double (&letters_)[7];
};

// Whether two mark-up expressions agree for several values of the letters.
inline bool SameExpression(const std::string& a, const std::string& b) {
  static const double kValues[][7] = {
      {1.7, -2.3, 3.1, 4.3, -1.9, 0.6, 2.9},
      {-0.8, 5.2, -1.4, 2.2, 3.7, -2.6, 1.3},
      {2.5, 0.4, 7.1, -3.3, 0.9, 1.9, -4.1},
  };
  for (const auto& letters : kValues) {
    const double x = MarkupCalculator(a, letters).Value();
    const double y = MarkupCalculator(b, letters).Value();
    if (std::abs(x - y) > 1e-9 * (1 + std::abs(x))) return false;
  }
  return true;
}

}  // namespace orvelle::test
