// The whole Orvelle program on the recording device: one key script through every section and
// every item, and storms of random keys from its start.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "../support/lesson_run.h"
#include "core/startup.h"
#include "lessons/intro/main_menu.h"
#include "platform/recording_device.h"

namespace orvelle {
namespace {

using test::DrillRun;
using test::DrillScript;
using test::KeyWaits;
using test::kIntro;

// A drill answered twice (`spaces` keys for each problem) or once.
std::string Twice(int spaces) { return test::DrillKeys(2, spaces); }
std::string Once(int spaces) { return test::DrillKeys(1, spaces); }
std::string Keys(int n) { return std::string(n, ' '); }

// One item of the walk: its section and choice, the keys it takes, its key waits (what each
// item shows is checked by the item's own test).
struct Item {
  int section;
  int choice;
  std::string keys;
  int keyWaits;
};

std::vector<Item> WalkItems() {
  return {
      {1, 1, Keys(16), 16},
      {1, 2, Keys(10), 10},
      {1, 3, Keys(13), 13},
      {1, 4, Keys(18), 18},
      {2, 1, Once(1) + Keys(6), 7},
      {2, 2, Keys(8), 8},
      {2, 3, Once(1) + Once(1) + Once(1) + Keys(1), 4},
      {2, 4, Keys(6), 6},
      {2, 5, Once(1) + Keys(8) + Once(1) + Keys(6), 16},
      {2, 6, Once(1) + Once(1) + Keys(7), 9},
      {2, 7, Keys(6), 6},
      {2, 8, Once(1) + Keys(8), 9},
      {3, 1, Keys(10), 10},
      {3, 2, Keys(5) + Twice(4) + Keys(2) + Twice(4), 5 + 8 + 2 + 8},
      {3, 3, Keys(9), 9},
      {3, 4,
       Twice(1) + Keys(1) + Twice(1) + Keys(1) + Twice(1) + Keys(1) + test::DrillKeys(4) + Keys(2),
       2 + 1 + 2 + 1 + 2 + 1 + 4 + 2},
      {3, 5, Twice(1) + Keys(1) + Twice(1) + Keys(2), 2 + 1 + 2 + 2},
      {3, 6, Twice(2) + Keys(1), 4 + 1},
      {3, 7, Keys(11), 11},
      {4, 1, Keys(9) + Twice(6) + Keys(1) + Twice(6) + Keys(1), 9 + 12 + 1 + 12 + 1},
      {4, 2, Keys(12), 12},
      {4, 3, Keys(18), 18},
      {4, 4, Twice(6) + Keys(11), 12 + 11},
      {5, 1, Keys(14), 14},
      {5, 2, Keys(4), 4},
      {5, 3, Keys(17), 17},
  };
}

// From the main menu through every item of every section, each section left by its "終了",
// then the main menu's "6　終了"; a key after it must never be read.
TEST(OrvelleWalk, EverySectionAndItemFromStartToEnd) {
  const std::vector<Item> items = WalkItems();
  for (const char* clock : {"12:00:00", "07:45:13", "21:09:58"}) {
    SCOPED_TRACE(clock);
    DrillScript s;
    for (size_t i = 0; i < items.size(); ++i) {
      const Item& item = items[i];
      if (i == 0 || items[i - 1].section != item.section) {
        s.Keys(std::to_string(item.section) + "\r");
      }
      s.Keys(std::to_string(item.choice) + "\r" + item.keys);
      s.marks.push_back(s.keys.size());  // the item is over: the sub-menu reads its choice
      if (i + 1 == items.size() || items[i + 1].section != item.section) {
        s.Keys(std::to_string(test::kIntro.SubMenuEnd(item.section)) + "\r");
      }
    }
    s.Keys("6\rX");

    DrillRun run(
        kIntro, s,
        [&](int k, const Machine&, const std::vector<DrawCall>& log) {
          const Item& item = items[k];
          SCOPED_TRACE("section " + std::to_string(item.section) + " item " +
                       std::to_string(item.choice));
          EXPECT_EQ(KeyWaits(log), item.keyWaits);
          EXPECT_FALSE(test::ShowedErrorScreen(log));
          // Each key is logged with the line of Orvelle's lessons that waited for it.
          for (const DrawCall& c : log) {
            if (c.op != Op::kKey) continue;
            EXPECT_EQ(c.site.rfind("lessons/intro/", 0), 0u) << c.ToString();
          }
        },
        clock);
    EXPECT_EQ(run.checks, static_cast<int>(items.size()));
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(test::ShowedErrorScreen(run.rest));
    // The program ended by its menu: only the key after "6" is left unread.
    EXPECT_TRUE(run.device.KeysLeft());
    EXPECT_EQ(run.device.keysRead(), static_cast<int>(s.keys.size()) - 1);
  }
}

// Random keys of every kind the number fields and key waits meet: digits, "-", "." and "/",
// Enter (twice as often), Backspace, letters and spaces (twice as often).
std::vector<std::string> StormKeys(unsigned seed, int count) {
  static const std::string kKinds[] = {
      "0123456789", "-./", "\r", "\r", "\b", "abcdefghijklmnopqrstuvwxyzQWERTS", " ", " "};
  std::mt19937 gen(seed);
  std::vector<std::string> keys;
  for (int i = 0; i < count; ++i) {
    const std::string& kind = kKinds[gen() % 8];
    keys.push_back(kind.substr(gen() % kind.size(), 1));
  }
  return keys;
}

// 20,000 random keys from the start, for several seeds: never the error screen, never a hang.
// When the program ends by its menu, it starts again on the keys that are left.
TEST(OrvelleStorm, RandomKeysNeverReachTheErrorScreen) {
  constexpr int kKeys = 20000;
  const struct {
    unsigned seed;
    const char* clock;
  } storms[] = {{1, "00:00:00"}, {2, "07:13:29"}, {3, "12:34:56"}, {4, "23:59:59"}};
  // The third character of each sub-menu line drawn: which sections the storms went into.
  std::set<std::string> subMenus;
  for (const auto& storm : storms) {
    SCOPED_TRACE(storm.seed);
    const std::vector<std::string> keys = StormKeys(storm.seed, kKeys);
    size_t used = 0;
    while (used < keys.size()) {
      RecordingDevice device;
      Machine m{device};
      device.SetClock(storm.clock);
      device.SetKeyList({keys.begin() + static_cast<long>(used), keys.end()});
      bool error = false;
      size_t scanned = 0;
      auto look = [&] {
        const auto& log = device.log();
        for (; scanned < log.size(); ++scanned) {
          const DrawCall& c = log[scanned];
          if (c.op == Op::kText && c.x1 == 48 && c.y1 == 666 && c.color == 0) subMenus.insert(c.s);
        }
        error |= test::ShowedErrorScreen(log);
      };
      device.OnKeyWait([&] {
        if (device.log().size() > 20000) {
          look();
          device.ClearLog();
          scanned = 0;
        }
      });
      const int status = StartProgram(m, "Orvelle", intro::ShowMainMenu);
      device.OnKeyWait(nullptr);
      look();
      ASSERT_FALSE(error) << "after " << used + device.keysRead() << " keys";
      EXPECT_EQ(status, 0);
      ASSERT_GT(device.keysRead(), 0);
      used += static_cast<size_t>(device.keysRead());
    }
    EXPECT_EQ(used, keys.size());
  }
  // "①P62Q", "①きまり１積", "①例5", "①P71Q", "①1,2" as the plain drawer shows them.
  EXPECT_EQ(subMenus, (std::set<std::string>{"６", "ま", "５", "７", "，"}));
}

}  // namespace
}  // namespace orvelle
