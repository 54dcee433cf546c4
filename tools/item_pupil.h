// The pupils orvelle-screens answers as: one going through an item (--item), one through the
// menus alone (--menus). Each answers every wait by what it waits on, as the drawing since the key
// before shows it.
#pragma once

#include <string>
#include <vector>

#include "lessons/common/program.h"
#include "platform/recording_device.h"

namespace orvelle::tools {

class Pupil {
 public:
  virtual ~Pupil() = default;
  // The keys for the wait the program has come to; "" stops there.
  virtual std::string Answer(const RecordingDevice& device) = 0;
  // Why it stopped where it should not have; "" when it did not.
  const std::string& failure() const { return failure_; }

 protected:
  std::string failure_;
};

// Once the menu keys have chosen an item: any key at every key wait, a drill's problems one after
// another, numbers in any other field, until the item is back at its section's sub-menu.
class ItemPupil : public Pupil {
 public:
  // The problems each drill shows before the pupil ends it: a table of ten rows (the longest the
  // lessons have) and its first row again.
  static constexpr int kDrillProblems = 11;
  // The numbers typed into the number fields that are not a drill's prompt, one a field in turn:
  // whole, negative, zero, a fraction, the most digits the field takes, a negative fraction and a
  // negative decimal (each with a negative n + 1, which apply 2-④ writes in brackets).
  static constexpr const char* kNumbers[] = {"5", "-3", "0", "1/3", "999999999", "-7/3", "-1.25"};

  // `drillProblems`: more for a test that looks for where a table starts again.
  explicit ItemPupil(const SectionDescription& section, int drillProblems = kDrillProblems)
      : section_(section), drillProblems_(drillProblems) {}

  std::string Answer(const RecordingDevice& device) override;

 private:
  const SectionDescription& section_;
  int drillProblems_;
  int answered_ = 0;  // keys typed
  int shown_ = 0;     // problems of the drill under way shown so far
  int numbers_ = 0;   // number fields answered
};

// Every choice of the program's menus that selects no item: at the main menu 0, one past its end
// and each of its blank lines; each section opened, its sub-menu given 0 and one past its end,
// and left by its "終了"; then the main menu's "終了", which ends the program. Any key at a key
// wait (a section's aims).
class MenusPupil : public Pupil {
 public:
  explicit MenusPupil(const ProgramDescription& program);
  std::string Answer(const RecordingDevice& device) override;

 private:
  std::vector<std::string> choices_;
  size_t next_ = 0;
};

// Whether the program reads a number (the field draws its dot just before it reads; a key wait's
// last drawing is its bar's text), and whether that number is a drill's next-step prompt.
bool InNumberField(const std::vector<DrawCall>& log);
bool AtNextStepPrompt(const std::vector<DrawCall>& log);

}  // namespace orvelle::tools
