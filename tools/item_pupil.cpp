#include "tools/item_pupil.h"

#include <cstring>
#include <iterator>

namespace orvelle::tools {
namespace {

// Keys at most: an item still running after them is taken for one that never ends.
constexpr int kMostKeys = 5000;
// At a next-step prompt before the last problem: other numbers than 1, and Enter alone, in turn.
constexpr const char* kAnotherProblem[] = {"2", "3", "0", ""};

std::string Choice(size_t n) { return std::to_string(n); }

}  // namespace

std::string ItemPupil::Answer(const RecordingDevice& device) {
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
    if (AtNextStepPrompt(device.log())) {
      ++shown_;
      if (shown_ < drillProblems_) {
        keys = kAnotherProblem[(shown_ - 1) % std::size(kAnotherProblem)];
      } else {
        keys = "1";
        shown_ = 0;
      }
    } else {
      keys = kNumbers[numbers_++ % std::size(kNumbers)];
    }
    keys += "\r";
  }
  answered_ += static_cast<int>(keys.size());
  return keys;
}

MenusPupil::MenusPupil(const ProgramDescription& program) {
  const size_t end = static_cast<size_t>(program.MenuEnd());
  choices_ = {"0", Choice(end + 1)};
  for (size_t blank = program.sections.size() + 1; blank < end; ++blank) {
    choices_.push_back(Choice(blank));
  }
  for (size_t s = 0; s < program.sections.size(); ++s) {
    const size_t subEnd = static_cast<size_t>(program.sections[s].MenuEnd());
    choices_.insert(choices_.end(), {Choice(s + 1), "0", Choice(subEnd + 1), Choice(subEnd)});
  }
  choices_.push_back(Choice(end));
}

std::string MenusPupil::Answer(const RecordingDevice& device) {
  if (device.keySite().line() == 0) {
    failure_ = "came to the error screen";
    return "";
  }
  if (!InNumberField(device.log())) return " ";
  if (next_ == choices_.size()) {
    failure_ = "was still running after the menus' last choice";
    return "";
  }
  return choices_[next_++] + "\r";
}

bool InNumberField(const std::vector<DrawCall>& log) {
  return !log.empty() && log.back().op == Op::kCircle;
}

bool AtNextStepPrompt(const std::vector<DrawCall>& log) {
  std::string texts;
  for (auto c = log.rbegin(); c != log.rend() && c->op != Op::kKey; ++c) {
    if (c->op == Op::kText) texts.insert(0, c->s);
  }
  return texts.find("次のステップは１を入力。") != std::string::npos;
}

}  // namespace orvelle::tools
