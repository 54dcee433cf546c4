// orvelle-screens: runs one program on the recording device with a key script and writes what
// a reviewer needs: a PNG of the screen each time the program waits for a key, and the log of
// every drawing call.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>

#include "core/startup.h"
#include "lessons/apply/main_menu.h"
#include "lessons/apply/program.h"
#include "lessons/calc/main_menu.h"
#include "lessons/calc/program.h"
#include "lessons/intro/main_menu.h"
#include "lessons/intro/program.h"
#include "platform/canvas.h"
#include "platform/recording_device.h"

namespace {

using namespace orvelle;
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: orvelle-screens --program orvelle|calc|apply --keys KEYS [--clock hh:mm:ss]\n"
    "                       [--seed N] [--png all|last|sums|none] --out DIR\n"
    "       orvelle-screens --program orvelle|calc|apply --item SECTION-ITEM [--clock ...]\n"
    "                       [--seed N] [--png ...] --out DIR\n"
    "       orvelle-screens --program orvelle|calc|apply --items\n"
    "\n"
    "Runs the program on the recording device, reading its keys from KEYS, and writes into DIR:\n"
    "  screen-NNN.png  the screen (1440 x 900) each time the program waits for a key, from 001;\n"
    "                  the last one is the screen on which the key script ran out\n"
    "  log.txt         every drawing call, one per line ('name key=value ...', texts as JSON\n"
    "                  strings), with a line 'key s=\"...\" at=FILE:LINE' where each key is\n"
    "                  read: the line of the program that waited for it, from the source root\n"
    "Earlier screen-*.png files, screens.txt, log.txt and keys.txt in DIR are removed first.\n"
    "\n"
    "  KEYS      one key per character; the escapes \\r (Enter), \\b (Backspace), \\f (form feed,\n"
    "            code 12) and \\\\ (a backslash) stand for those keys; real control characters\n"
    "            are taken too; a space is the space key\n"
    "  --clock   the clock the program reads (default 12:00:00); start-up seeds the random\n"
    "            generator with the sum of its hours, minutes and seconds\n"
    "  --seed N  once start-up is done, seed the random generator with N instead, so that a\n"
    "            run's random problems are those of seed N whatever the clock\n"
    "  --png     which screens to write: all (the default), only the last (under the number\n"
    "            it has among all), sums (no PNG: screens.txt, a line 'screen-NNN HASH' for\n"
    "            each screen, HASH a 64-bit sum of its pixels, to compare runs quickly), or\n"
    "            none (the log alone, much faster)\n"
    "\n"
    "  --item S-I  instead of KEYS, a pupil's keys: item I of section S chosen from the main\n"
    "            menu, then any key at every key wait; at each next-step prompt of a drill 2, 3,\n"
    "            0 and Enter alone (four more problems), then 1; in any other number field 5,\n"
    "            -3, 0, 1/3 and 999999999 in turn. Stops when the section's sub-menu reads\n"
    "            again, and writes keys.txt: the keys typed, as --keys takes them, to replay\n"
    "  --items   print the program's items as its description has them, one 'SECTION ITEM'\n"
    "            line each, and do nothing else\n"
    "\n"
    "Exits 0 when the program has run until its key script ran out (or it ended itself), or\n"
    "with --item back at the sub-menu; 3 when --item stopped elsewhere (the error screen, or\n"
    "still in the item after 5000 keys); 2 for wrong arguments or a folder it cannot write.\n";

enum class Pngs { kAll, kLast, kSums, kNone };

MainMenu gMenu = nullptr;
int gSeed = 0;

void SeededMenu(Machine& m) {
  m.random.Seed(gSeed);
  gMenu(m);
}

// The recording device that also shows the screen on which the key script runs out; `more`,
// when there is one, is asked for keys to go on with first ("": none, the run ends there).
class ScreensDevice : public RecordingDevice {
 public:
  using More = std::function<std::string(const RecordingDevice&)>;
  ScreensDevice(std::function<void()> shot, More more)
      : shot_(std::move(shot)), more_(std::move(more)) {
    OnKeyWait(shot_);
  }
  std::string PollKey() override {
    if (!KeysLeft() && more_) SetKeys(more_(*this));
    if (!KeysLeft() && !ranOut_) {
      ranOut_ = true;
      shot_();
    }
    return RecordingDevice::PollKey();
  }

 private:
  std::function<void()> shot_;
  More more_;
  bool ranOut_ = false;
};

// A pupil going through one item: each wait answered by what it waits on, as the drawing since
// the key before shows it, until the item is back at its section's sub-menu.
class ItemPupil {
 public:
  explicit ItemPupil(const SectionDescription& section) : section_(section) {}

  // The keys for the wait the program has come to; "" stops there.
  std::string Answer(const RecordingDevice& device) {
    const std::source_location& site = device.keySite();
    if (site.line() == section_.where.line() &&
        std::strcmp(site.file_name(), section_.where.file_name()) == 0) {
      return "";
    }
    if (site.line() == 0) {  // no lesson waits there: the error screen
      failure_ = "came to the error screen";
      return "";
    }
    if (answered_ >= kMostKeys) {
      failure_ = "was still in the item after " + std::to_string(kMostKeys) + " keys";
      return "";
    }
    std::string keys = " ";
    if (InNumberField(device.log())) {
      keys = AskedNextStep(device.log()) ? kDrillAnswers[prompts_++ % std::size(kDrillAnswers)]
                                         : kNumbers[numbers_++ % std::size(kNumbers)];
      keys += "\r";
    }
    answered_ += static_cast<int>(keys.size());
    return keys;
  }
  // Why it stopped anywhere but at the sub-menu; "" when it did not.
  const std::string& failure() const { return failure_; }

 private:
  static constexpr int kMostKeys = 5000;
  // Four more problems, then the end of the drill.
  static constexpr const char* kDrillAnswers[] = {"2", "3", "0", "", "1"};
  static constexpr const char* kNumbers[] = {"5", "-3", "0", "1/3", "999999999"};

  // The field draws its dot just before it reads; a key wait's last drawing is its bar's text.
  static bool InNumberField(const std::vector<DrawCall>& log) {
    return !log.empty() && log.back().op == Op::kCircle;
  }
  static bool AskedNextStep(const std::vector<DrawCall>& log) {
    std::string texts;
    for (auto c = log.rbegin(); c != log.rend() && c->op != Op::kKey; ++c) {
      if (c->op == Op::kText) texts.insert(0, c->s);
    }
    return texts.find("次のステップは１を入力。") != std::string::npos;
  }

  const SectionDescription& section_;
  std::string failure_;
  int answered_ = 0, prompts_ = 0, numbers_ = 0;
};

// Keys in the notation --keys reads.
std::string KeyScript(const std::string& keys) {
  std::string script;
  for (const char c : keys) {
    script += c == '\r'   ? "\\r"
              : c == '\b' ? "\\b"
              : c == '\f' ? "\\f"
              : c == '\\' ? "\\\\"
                          : std::string(1, c);
  }
  return script;
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "orvelle-screens: %s\n", why.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string program, keys, clock = "12:00:00", out;
  Pngs pngs = Pngs::kAll;
  bool seeded = false;
  bool haveKeys = false;
  bool items = false;
  std::string item;  // --item: "SECTION-ITEM"
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--program" && hasValue) {
      program = argv[++i];
    } else if (arg == "--keys" && hasValue) {
      keys = DecodeKeyScript(argv[++i]);
      haveKeys = true;
    } else if (arg == "--clock" && hasValue) {
      clock = argv[++i];
      if (!std::regex_match(clock, std::regex("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]"))) {
        return Fail("--clock wants hh:mm:ss, not " + clock);
      }
    } else if (arg == "--seed" && hasValue) {
      const std::string value = argv[++i];
      char* end = nullptr;
      const long seed = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end != '\0' || seed < -2147483647L || seed > 2147483647L) {
        return Fail("--seed wants a whole number, not " + value);
      }
      gSeed = static_cast<int>(seed);
      seeded = true;
    } else if (arg == "--png" && hasValue) {
      const std::string value = argv[++i];
      if (value == "all") {
        pngs = Pngs::kAll;
      } else if (value == "last") {
        pngs = Pngs::kLast;
      } else if (value == "sums") {
        pngs = Pngs::kSums;
      } else if (value == "none") {
        pngs = Pngs::kNone;
      } else {
        return Fail("--png wants all, last, sums or none, not " + value);
      }
    } else if (arg == "--item" && hasValue) {
      item = argv[++i];
    } else if (arg == "--items") {
      items = true;
    } else if (arg == "--out" && hasValue) {
      out = argv[++i];
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  const ProgramDescription* description = nullptr;
  if (program == "orvelle") {
    gMenu = intro::ShowMainMenu;
    description = &intro::kProgram;
  } else if (program == "calc") {
    gMenu = calc::ShowMainMenu;
    description = &calc::kProgram;
  } else if (program == "apply") {
    gMenu = apply::ShowMainMenu;
    description = &apply::kProgram;
  } else {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (items) {
    for (size_t section = 0; section < description->sections.size(); ++section) {
      for (size_t item = 1; item <= description->sections[section].items.size(); ++item) {
        std::printf("%zu %zu\n", section + 1, item);
      }
    }
    return 0;
  }
  const std::string title = description->title;
  if (haveKeys == !item.empty() || out.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::optional<ItemPupil> pupil;
  if (!item.empty()) {
    std::smatch numbers;
    const SectionDescription* section = nullptr;
    if (std::regex_match(item, numbers, std::regex("([0-9]{1,2})-([0-9]{1,2})"))) {
      const size_t s = std::stoul(numbers[1]), i = std::stoul(numbers[2]);
      if (s >= 1 && s <= description->sections.size() && i >= 1 &&
          i <= description->sections[s - 1].items.size()) {
        section = &description->sections[s - 1];
      }
    }
    if (section == nullptr) return Fail(program + " has no item " + item + " (see --items)");
    keys = numbers.str(1) + "\r" + numbers.str(2) + "\r";
    pupil.emplace(*section);
  }

  std::error_code error;
  fs::create_directories(out, error);
  if (!fs::is_directory(out)) return Fail("cannot make the folder " + out);
  for (const auto& entry : fs::directory_iterator(out, error)) {
    const std::string name = entry.path().filename().string();
    if (name == "log.txt" || name == "screens.txt" || name == "keys.txt" ||
        (name.rfind("screen-", 0) == 0 && entry.path().extension() == ".png")) {
      fs::remove(entry.path(), error);
    }
  }

  // A screen is the canvas at a key wait. Only when every screen is written is the canvas drawn
  // call by call; the last screen alone is drawn from the log once the run is over.
  Canvas canvas;
  int screens = 0;
  size_t lastScreenCalls = 0;  // the log's length at the last screen
  bool written = true;
  const auto write = [&](int number) {
    char name[32];
    std::snprintf(name, sizeof name, "screen-%03d.png", number);
    written = canvas.WritePng((fs::path(out) / name).string()) && written;
  };
  std::string sums;
  const auto sum = [&](int number) {
    // FNV-1a over the pixels taken two at a time: a changed pixel changes the sum.
    std::uint64_t hash = 0xcbf29ce484222325u;
    const size_t rowBytes = static_cast<size_t>(canvas.width()) * 4;
    for (int y = 0; y < canvas.height(); ++y) {
      const unsigned char* row = canvas.data() + static_cast<size_t>(y) * canvas.stride();
      for (size_t i = 0; i < rowBytes; i += 8) {
        std::uint64_t pixels = 0;
        std::memcpy(&pixels, row + i, std::min<size_t>(8, rowBytes - i));
        hash = (hash ^ pixels) * 0x100000001b3u;
      }
    }
    char line[48];
    std::snprintf(line, sizeof line, "screen-%03d %016llx\n", number,
                  static_cast<unsigned long long>(hash));
    sums += line;
  };
  std::string typed = keys;  // with --item, every key the run reads
  ScreensDevice::More answer;
  if (pupil) {
    answer = [&](const RecordingDevice& d) {
      const std::string more = pupil->Answer(d);
      typed += more;
      return more;
    };
  }
  ScreensDevice device(
      [&] {
        ++screens;
        if (pngs == Pngs::kAll) write(screens);
        if (pngs == Pngs::kSums) sum(screens);
        lastScreenCalls = device.log().size();
      },
      answer);
  if (pngs == Pngs::kAll || pngs == Pngs::kSums) {
    device.OnDraw([&canvas](const DrawCall& c) { canvas.Draw(c); });
  }
  device.SetClock(clock);
  device.SetKeys(keys);
  Machine machine(device);
  const int status = StartProgram(machine, title, seeded ? SeededMenu : gMenu);
  if (pngs == Pngs::kLast && screens > 0) {
    for (size_t i = 0; i < lastScreenCalls; ++i) canvas.Draw(device.log()[i]);
    write(screens);
  }

  if (pngs == Pngs::kSums) {
    std::ofstream file(fs::path(out) / "screens.txt");
    file << sums;
    written = written && file.good();
  }
  std::ofstream log(fs::path(out) / "log.txt");
  for (const DrawCall& call : device.log()) log << call.ToString() << '\n';
  log.close();
  if (pupil) {
    std::ofstream file(fs::path(out) / "keys.txt");
    file << KeyScript(typed) << '\n';
    written = written && file.good();
  }
  if (!log || !written) return Fail("cannot write into " + out);
  if (pupil && !pupil->failure().empty()) {
    std::fprintf(stderr, "orvelle-screens: %s item %s %s\n", program.c_str(), item.c_str(),
                 pupil->failure().c_str());
    return 3;
  }
  return status;
}
