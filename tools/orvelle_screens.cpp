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
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <variant>

#include "core/startup.h"
#include "lessons/apply/main_menu.h"
#include "lessons/apply/program.h"
#include "lessons/calc/main_menu.h"
#include "lessons/calc/program.h"
#include "lessons/intro/main_menu.h"
#include "lessons/intro/program.h"
#include "platform/canvas.h"
#include "platform/recording_device.h"
#include "tools/item_pupil.h"

namespace {

using namespace orvelle;
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: orvelle-screens --program orvelle|calc|apply --keys KEYS [--clock hh:mm:ss]\n"
    "                       [--seed N] [--png all|last|sums|none] --out DIR\n"
    "       orvelle-screens --program orvelle|calc|apply --item SECTION-ITEM [--clock ...]\n"
    "                       [--seed N] [--png ...] --out DIR\n"
    "       orvelle-screens --program orvelle|calc|apply --menus [--clock ...] [--seed N]\n"
    "                       [--png ...] --out DIR\n"
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
    "            menu, then any key at every key wait; at a drill's next-step prompt 2, 3, 0 and\n"
    "            Enter alone in turn until the drill has shown 11 problems (a table's ten rows\n"
    "            and its first again), then 1; in any other number field 5, -3, 0, 1/3,\n"
    "            999999999, -7/3 and -1.25 in turn. Stops when the section's sub-menu reads\n"
    "            again, and writes keys.txt: the keys typed, as --keys takes them, to replay\n"
    "  --menus   instead of KEYS, every menu choice that selects no item: at the main menu 0,\n"
    "            one past its end and its blank lines; each section opened, its sub-menu given 0\n"
    "            and one past its end and left by its last choice; then the main menu's last\n"
    "            choice, which ends the program; any key at a key wait. Writes keys.txt too\n"
    "  --items   print the program's items as its description has them, one 'SECTION ITEM'\n"
    "            line each, and do nothing else\n"
    "\n"
    "Exits 0 when the program has run until its key script ran out (or it ended itself), or\n"
    "with --item back at the sub-menu; 3 when --item or --menus stopped elsewhere (the error\n"
    "screen, still in the item after 5000 keys, or still running after the menus' last\n"
    "choice); 2 for wrong arguments or a folder it cannot write.\n";

enum class Pngs { kAll, kLast, kSums, kNone };

struct Options {
  std::string program, keys, clock = "12:00:00", out;
  Pngs pngs = Pngs::kAll;
  std::optional<int> seed;  // --seed
  bool haveKeys = false;
  bool items = false;  // --items
  std::string item;    // --item: "SECTION-ITEM"
  bool menus = false;  // --menus
};

int Fail(const std::string& why) {
  std::fprintf(stderr, "orvelle-screens: %s\n", why.c_str());
  return 2;
}

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

// The options of the command line; when it is to end at once instead (--help, a wrong argument),
// its status.
std::variant<Options, int> ParseArguments(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--program" && hasValue) {
      o.program = argv[++i];
    } else if (arg == "--keys" && hasValue) {
      o.keys = DecodeKeyScript(argv[++i]);
      o.haveKeys = true;
    } else if (arg == "--clock" && hasValue) {
      o.clock = argv[++i];
      if (!std::regex_match(o.clock, std::regex("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]"))) {
        return Fail("--clock wants hh:mm:ss, not " + o.clock);
      }
    } else if (arg == "--seed" && hasValue) {
      const std::string value = argv[++i];
      char* end = nullptr;
      const long seed = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end != '\0' || seed < -2147483647L || seed > 2147483647L) {
        return Fail("--seed wants a whole number, not " + value);
      }
      o.seed = static_cast<int>(seed);
    } else if (arg == "--png" && hasValue) {
      const std::string value = argv[++i];
      if (value == "all") {
        o.pngs = Pngs::kAll;
      } else if (value == "last") {
        o.pngs = Pngs::kLast;
      } else if (value == "sums") {
        o.pngs = Pngs::kSums;
      } else if (value == "none") {
        o.pngs = Pngs::kNone;
      } else {
        return Fail("--png wants all, last, sums or none, not " + value);
      }
    } else if (arg == "--item" && hasValue) {
      o.item = argv[++i];
    } else if (arg == "--items") {
      o.items = true;
    } else if (arg == "--menus") {
      o.menus = true;
    } else if (arg == "--out" && hasValue) {
      o.out = argv[++i];
    } else {
      return Usage();
    }
  }
  return o;
}

struct Program {
  const ProgramDescription* description;
  MainMenu menu;
};

std::optional<Program> ProgramNamed(const std::string& name) {
  if (name == "orvelle") return Program{&intro::kProgram, intro::ShowMainMenu};
  if (name == "calc") return Program{&calc::kProgram, calc::ShowMainMenu};
  if (name == "apply") return Program{&apply::kProgram, apply::ShowMainMenu};
  return std::nullopt;
}

// --items: one "SECTION ITEM" line for each item.
void PrintItems(const ProgramDescription& description) {
  for (size_t section = 0; section < description.sections.size(); ++section) {
    for (size_t item = 1; item <= description.sections[section].items.size(); ++item) {
      std::printf("%zu %zu\n", section + 1, item);
    }
  }
}

// The section of --item's "SECTION-ITEM", and the menu keys that choose it; nullptr when the
// program has no such item.
const SectionDescription* ItemSection(const ProgramDescription& description,
                                      const std::string& item, std::string& keys) {
  std::smatch numbers;
  if (!std::regex_match(item, numbers, std::regex("([0-9]{1,2})-([0-9]{1,2})"))) return nullptr;
  const size_t s = std::stoul(numbers[1]), i = std::stoul(numbers[2]);
  if (s < 1 || s > description.sections.size() || i < 1 ||
      i > description.sections[s - 1].items.size()) {
    return nullptr;
  }
  keys = numbers.str(1) + "\r" + numbers.str(2) + "\r";
  return &description.sections[s - 1];
}

// The folder made, and what an earlier run wrote into it removed.
bool PrepareFolder(const std::string& out) {
  std::error_code error;
  fs::create_directories(out, error);
  if (!fs::is_directory(out)) return false;
  for (const auto& entry : fs::directory_iterator(out, error)) {
    const std::string name = entry.path().filename().string();
    if (name == "log.txt" || name == "screens.txt" || name == "keys.txt" ||
        (name.rfind("screen-", 0) == 0 && entry.path().extension() == ".png")) {
      fs::remove(entry.path(), error);
    }
  }
  return true;
}

// The screens of a run as --png asks: a screen is the canvas at a key wait. Only when every
// screen is written or summed is the canvas drawn call by call; the last screen alone is drawn
// from the log once the run is over.
class Screens {
 public:
  Screens(Pngs pngs, std::string out) : pngs_(pngs), out_(std::move(out)) {}

  bool drawsEveryCall() const { return pngs_ == Pngs::kAll || pngs_ == Pngs::kSums; }
  void Draw(const DrawCall& c) { canvas_.Draw(c); }
  // At a key wait, `calls` the log's length.
  void Shot(size_t calls) {
    ++count_;
    if (pngs_ == Pngs::kAll) Write(count_);
    if (pngs_ == Pngs::kSums) Sum(count_);
    lastCalls_ = calls;
  }
  // Once the run is over: the last screen, or the sums. False when a file could not be written.
  bool Finish(const std::vector<DrawCall>& log) {
    if (pngs_ == Pngs::kLast && count_ > 0) {
      for (size_t i = 0; i < lastCalls_; ++i) canvas_.Draw(log[i]);
      Write(count_);
    }
    if (pngs_ == Pngs::kSums) {
      std::ofstream file(fs::path(out_) / "screens.txt");
      file << sums_;
      written_ = written_ && file.good();
    }
    return written_;
  }

 private:
  void Write(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "screen-%03d.png", number);
    written_ = canvas_.WritePng((fs::path(out_) / name).string()) && written_;
  }
  void Sum(int number) {
    // FNV-1a over the pixels taken two at a time: a changed pixel changes the sum.
    std::uint64_t hash = 0xcbf29ce484222325u;
    const size_t rowBytes = static_cast<size_t>(canvas_.width()) * 4;
    for (int y = 0; y < canvas_.height(); ++y) {
      const unsigned char* row = canvas_.data() + static_cast<size_t>(y) * canvas_.stride();
      for (size_t i = 0; i < rowBytes; i += 8) {
        std::uint64_t pixels = 0;
        std::memcpy(&pixels, row + i, std::min<size_t>(8, rowBytes - i));
        hash = (hash ^ pixels) * 0x100000001b3u;
      }
    }
    char line[48];
    std::snprintf(line, sizeof line, "screen-%03d %016llx\n", number,
                  static_cast<unsigned long long>(hash));
    sums_ += line;
  }

  Pngs pngs_;
  std::string out_;
  Canvas canvas_;
  int count_ = 0;
  size_t lastCalls_ = 0;  // the log's length at the last screen
  std::string sums_;
  bool written_ = true;
};

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

MainMenu gMenu = nullptr;
int gSeed = 0;

void SeededMenu(Machine& m) {
  m.random.Seed(gSeed);
  gMenu(m);
}

// One run of the program on the recording device, from its start to the end of its keys (with a
// pupil, to the end of the item); the log, the screens and the keys typed written into o.out.
int Run(const Options& o, const Program& program, tools::Pupil* pupil) {
  Screens screens(o.pngs, o.out);
  std::string typed = o.keys;  // with a pupil, every key the run reads
  ScreensDevice::More answer;
  if (pupil != nullptr) {
    answer = [&](const RecordingDevice& d) {
      const std::string more = pupil->Answer(d);
      typed += more;
      return more;
    };
  }
  ScreensDevice device([&] { screens.Shot(device.log().size()); }, answer);
  if (screens.drawsEveryCall()) device.OnDraw([&](const DrawCall& c) { screens.Draw(c); });
  device.SetClock(o.clock);
  device.SetKeys(o.keys);
  Machine machine(device);
  gMenu = program.menu;
  gSeed = o.seed.value_or(0);
  const int status = StartProgram(machine, program.description->title, o.seed ? SeededMenu : gMenu);

  bool written = screens.Finish(device.log());
  std::ofstream log(fs::path(o.out) / "log.txt");
  for (const DrawCall& call : device.log()) log << call.ToString() << '\n';
  log.close();
  if (pupil != nullptr) {
    std::ofstream file(fs::path(o.out) / "keys.txt");
    file << KeyScript(typed) << '\n';
    written = written && file.good();
  }
  if (!log || !written) return Fail("cannot write into " + o.out);
  if (pupil != nullptr && !pupil->failure().empty()) {
    const std::string run = o.menus ? "menus" : "item " + o.item;
    std::fprintf(stderr, "orvelle-screens: %s %s %s\n", o.program.c_str(), run.c_str(),
                 pupil->failure().c_str());
    return 3;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  auto parsed = ParseArguments(argc, argv);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  Options& o = std::get<Options>(parsed);
  const std::optional<Program> program = ProgramNamed(o.program);
  if (!program) return Usage();
  if (o.items) {
    PrintItems(*program->description);
    return 0;
  }
  if (o.haveKeys + !o.item.empty() + o.menus != 1 || o.out.empty()) return Usage();
  std::unique_ptr<tools::Pupil> pupil;
  if (!o.item.empty()) {
    const SectionDescription* section = ItemSection(*program->description, o.item, o.keys);
    if (section == nullptr) return Fail(o.program + " has no item " + o.item + " (see --items)");
    pupil = std::make_unique<tools::ItemPupil>(*section);
  } else if (o.menus) {
    pupil = std::make_unique<tools::MenusPupil>(*program->description);
  }
  if (!PrepareFolder(o.out)) return Fail("cannot make the folder " + o.out);
  return Run(o, *program, pupil.get());
}
