// Cuts a TrueType face down to the characters named: a copy whose character map holds only those
// code points (the other glyphs stay in the file, out of reach) and whose name table is empty, so
// that fontconfig names the face after its file. The tests cut faces with kana or kanji alone.
//
//   cut-face IN OUT FIRST-LAST...     code points in hex: cut-face ipag.ttf kana.ttf 20-7E
//   3040-30FF
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Read(const Bytes& b, size_t at, int size) {
  if (at + size > b.size()) throw std::runtime_error("the file ends inside a table");
  uint32_t v = 0;
  for (int i = 0; i < size; ++i) v = v << 8 | b[at + i];
  return v;
}

void Put(Bytes& b, uint32_t v, int size) {
  for (int i = size - 1; i >= 0; --i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

uint32_t Checksum(const Bytes& b) {
  uint32_t sum = 0;
  for (size_t i = 0; i < b.size(); i += 4) {
    uint32_t word = 0;
    for (size_t k = 0; k < 4; ++k) word = word << 8 | (i + k < b.size() ? b[i + k] : 0);
    sum += word;
  }
  return sum;
}

struct Group {
  uint32_t first, last, glyph;  // code points first..last map to glyph, glyph + 1, ...
};

// The groups of the face's full Unicode map (platform 3, encoding 10, format 12).
std::vector<Group> UnicodeGroups(const Bytes& cmap) {
  const uint32_t count = Read(cmap, 2, 2);
  for (uint32_t i = 0; i < count; ++i) {
    const size_t record = 4 + 8 * i;
    const uint32_t at = Read(cmap, record + 4, 4);
    if (Read(cmap, record, 2) != 3 || Read(cmap, record + 2, 2) != 10 || Read(cmap, at, 2) != 12) {
      continue;
    }
    std::vector<Group> groups(Read(cmap, at + 12, 4));
    for (size_t g = 0; g < groups.size(); ++g) {
      const size_t p = at + 16 + 12 * g;
      groups[g] = {Read(cmap, p, 4), Read(cmap, p + 4, 4), Read(cmap, p + 8, 4)};
    }
    return groups;
  }
  throw std::runtime_error("the face has no full Unicode character map (3, 10, format 12)");
}

Bytes CutMap(const std::vector<Group>& groups, const std::vector<Group>& keep) {
  std::vector<Group> kept;
  for (const Group& g : groups) {
    for (const Group& k : keep) {
      const uint32_t first = std::max(g.first, k.first), last = std::min(g.last, k.last);
      if (first <= last) kept.push_back({first, last, g.glyph + (first - g.first)});
    }
  }
  std::sort(kept.begin(), kept.end(),
            [](const Group& a, const Group& b) { return a.first < b.first; });
  Bytes map;
  Put(map, 0, 2);   // version
  Put(map, 1, 2);   // one map
  Put(map, 3, 2);   // Windows
  Put(map, 10, 2);  // full Unicode
  Put(map, 12, 4);  // right after this header
  Put(map, 12, 2);  // format
  Put(map, 0, 2);
  Put(map, static_cast<uint32_t>(16 + 12 * kept.size()), 4);
  Put(map, 0, 4);  // language
  Put(map, static_cast<uint32_t>(kept.size()), 4);
  for (const Group& g : kept) {
    Put(map, g.first, 4);
    Put(map, g.last, 4);
    Put(map, g.glyph, 4);
  }
  return map;
}

Bytes Cut(const Bytes& face, const std::vector<Group>& keep) {
  const uint32_t count = Read(face, 4, 2);
  std::map<uint32_t, Bytes> tables;  // by tag: the order the directory keeps them in
  for (uint32_t i = 0; i < count; ++i) {
    const size_t record = 12 + 16 * i;
    const uint32_t at = Read(face, record + 8, 4), length = Read(face, record + 12, 4);
    if (at + static_cast<size_t>(length) > face.size())
      throw std::runtime_error("a table runs past the file");
    tables[Read(face, record, 4)] = Bytes(face.begin() + at, face.begin() + at + length);
  }
  constexpr uint32_t kCmap = 0x636D6170, kName = 0x6E616D65, kHead = 0x68656164;
  if (!tables.count(kCmap) || !tables.count(kHead)) throw std::runtime_error("not a TrueType face");
  tables[kCmap] = CutMap(UnicodeGroups(tables[kCmap]), keep);
  tables[kName] = {0, 0, 0, 0, 0, 6};  // format 0, no names, strings right after
  Bytes& head = tables[kHead];
  std::fill(head.begin() + 8, head.begin() + 12, 0);  // the file's checksum, set last

  Bytes out(face.begin(), face.begin() + 12);
  const uint32_t n = static_cast<uint32_t>(tables.size());
  uint32_t power = 1, log = 0;
  while (power * 2 <= n) power *= 2, ++log;
  out.resize(4);
  Put(out, n, 2);
  Put(out, power * 16, 2);
  Put(out, log, 2);
  Put(out, n * 16 - power * 16, 2);
  size_t at = 12 + 16 * n, headAt = 0;
  Bytes data;
  for (const auto& [tag, table] : tables) {
    Put(out, tag, 4);
    Put(out, Checksum(table), 4);
    Put(out, static_cast<uint32_t>(at + data.size()), 4);
    Put(out, static_cast<uint32_t>(table.size()), 4);
    if (tag == kHead) headAt = at + data.size();
    data.insert(data.end(), table.begin(), table.end());
    data.resize((data.size() + 3) / 4 * 4);
  }
  out.insert(out.end(), data.begin(), data.end());
  const uint32_t adjustment = 0xB1B0AFBA - Checksum(out);
  for (int i = 0; i < 4; ++i)
    out[headAt + 8 + i] = static_cast<uint8_t>(adjustment >> (24 - 8 * i));
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: cut-face IN OUT FIRST-LAST...\n");
    return 2;
  }
  try {
    std::vector<Group> keep;
    for (int i = 3; i < argc; ++i) {
      const std::string range = argv[i];
      const size_t dash = range.find('-');
      if (dash == std::string::npos) throw std::runtime_error("a range is FIRST-LAST: " + range);
      keep.push_back({static_cast<uint32_t>(std::stoul(range.substr(0, dash), nullptr, 16)),
                      static_cast<uint32_t>(std::stoul(range.substr(dash + 1), nullptr, 16)), 0});
    }
    std::ifstream in(argv[1], std::ios::binary);
    const Bytes face{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && !in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
    const Bytes cut = Cut(face, keep);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(cut.data()), static_cast<std::streamsize>(cut.size()));
    if (!out.flush()) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "cut-face: %s\n", e.what());
    return 1;
  }
  return 0;
}
