#include "platform/text.h"

namespace orvelle {
namespace {

// Length in bytes of the UTF-8 sequence that starts with `lead`; a stray byte counts as one.
int SeqLen(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

// Byte offset of character `index` (0-based); s.size() when past the end.
size_t Offset(std::string_view s, int index) {
  size_t at = 0;
  for (int i = 0; i < index && at < s.size(); ++i) {
    at += SeqLen(static_cast<unsigned char>(s[at]));
  }
  return at < s.size() ? at : s.size();
}

}  // namespace

int CharLen(std::string_view s) {
  int n = 0;
  for (size_t at = 0; at < s.size(); at += SeqLen(static_cast<unsigned char>(s[at]))) ++n;
  return n;
}

std::string CharLeft(std::string_view s, int n) {
  if (n <= 0) return "";
  return std::string(s.substr(0, Offset(s, n)));
}

std::string CharRight(std::string_view s, int n) {
  const int len = CharLen(s);
  if (n <= 0) return "";
  if (n >= len) return std::string(s);
  return std::string(s.substr(Offset(s, len - n)));
}

std::string CharMid(std::string_view s, int start, int count) {
  if (start < 1) start = 1;
  const size_t from = Offset(s, start - 1);
  if (count < 0) return std::string(s.substr(from));
  if (count == 0) return "";
  const size_t to = from + Offset(s.substr(from), count);
  return std::string(s.substr(from, to - from));
}

int CharFind(std::string_view s, std::string_view needle, int start) {
  if (needle.empty()) return 0;
  if (start < 1) start = 1;
  int index = start;
  for (size_t at = Offset(s, start - 1); at < s.size();
       at += SeqLen(static_cast<unsigned char>(s[at])), ++index) {
    if (s.substr(at, needle.size()) == needle) return index;
  }
  return 0;
}

std::vector<std::string> SplitChars(std::string_view s) {
  std::vector<std::string> out;
  for (size_t at = 0; at < s.size();) {
    const size_t n = SeqLen(static_cast<unsigned char>(s[at]));
    out.emplace_back(s.substr(at, n));
    at += n;
  }
  return out;
}

int CharCode(std::string_view ch) {
  if (ch.empty()) return 0;
  const auto b = [&](size_t i) { return i < ch.size() ? static_cast<unsigned char>(ch[i]) : 0; };
  const int n = SeqLen(b(0));
  switch (n) {
    case 2:
      return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3:
      return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    case 4:
      return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    default:
      return b(0);
  }
}

std::string Chr(int code) {
  std::string s;
  const auto c = static_cast<unsigned>(code);
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

int CharBytes(std::string_view ch) {
  if (ch.empty()) return 0;
  const int code = CharCode(ch);
  return (code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F)) ? 1 : 2;
}

int ByteLen(std::string_view s) {
  int n = 0;
  for (const auto& ch : SplitChars(s)) n += CharBytes(ch);
  return n;
}

int CompareText(std::string_view a, std::string_view b) {
  // UTF-8 byte order is code-point order.
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace orvelle
