// A folder of files for one test, removed after it.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orvelle::test {

class Tree {
 public:
  Tree() {
    char dir[] = "/tmp/orvelle-fonts-XXXXXX";
    EXPECT_NE(mkdtemp(dir), nullptr);
    root_ = dir;
    chmod(dir, 0755);  // for the looks taken as another user
  }
  // Modes given back first: a folder a test locks keeps even its owner from emptying it.
  ~Tree() {
    for (const std::string& locked : locked_) chmod(locked.c_str(), 0700);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  Tree(const Tree&) = delete;
  Tree& operator=(const Tree&) = delete;

  std::string operator/(const std::string& name) const { return root_ + "/" + name; }
  std::string Text(const std::string& name, const std::string& text) const {
    std::ofstream(*this / name) << text;
    return *this / name;
  }
  std::string Folder(const std::string& name) const {
    std::filesystem::create_directories(*this / name);
    return *this / name;
  }
  std::string Fifo(const std::string& name) const {
    EXPECT_EQ(mkfifo((*this / name).c_str(), 0644), 0);
    return *this / name;
  }
  std::string Link(const std::string& name, const std::string& target) const {
    EXPECT_EQ(symlink(target.c_str(), (*this / name).c_str()), 0);
    return *this / name;
  }
  std::string Locked(const std::string& path) {
    chmod(path.c_str(), 0);
    locked_.push_back(path);
    return path;
  }
  // The names in a folder of it, sorted.
  std::vector<std::string> Names(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(*this / folder)) {
      names.push_back(e.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string root_;
  std::vector<std::string> locked_;
};

}  // namespace orvelle::test
