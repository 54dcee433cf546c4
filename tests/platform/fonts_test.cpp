#include "platform/fonts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace orvelle {
namespace {

TEST(FontConfigPath, ARelativeNameIsTakenInTheWorkingDirectory) {
  EXPECT_EQ(ConfigPathIn("alt.conf", "/home/pupil"), "/home/pupil/alt.conf");
  EXPECT_EQ(ConfigPathIn("./alt.conf", "/home/pupil"), "/home/pupil/alt.conf");
  EXPECT_EQ(ConfigPathIn("././conf/alt.conf", "/home/pupil/"), "/home/pupil/conf/alt.conf");
  EXPECT_EQ(ConfigPathIn("../alt.conf", "/home/pupil"), "/home/pupil/../alt.conf");
  EXPECT_EQ(ConfigPathIn("alt.conf", "/"), "/alt.conf");
  EXPECT_EQ(ConfigPathIn("/etc/alt.conf", "/home/pupil"), "/etc/alt.conf");
  // Without a working directory the name is left for the file checks to find missing.
  EXPECT_EQ(ConfigPathIn("alt.conf", ""), "alt.conf");
}

TEST(FontConfigPath, TheEnvironmentNamesTheFileFromTheWorkingDirectory) {
  char here[4096];
  ASSERT_NE(getcwd(here, sizeof here), nullptr);
  setenv("ORVELLE_FONTS_CONF", "./alt.conf", 1);
  const std::string named = FontConfigPath();
  unsetenv("ORVELLE_FONTS_CONF");
  EXPECT_EQ(named, std::string(here) + (std::string(here) == "/" ? "" : "/") + "alt.conf");
  EXPECT_EQ(FontConfigPath(), std::string(ORVELLE_FONTS_DIR) + "/fonts.conf");
}

TEST(FontConfigFile, OneOver1MiBIsRefusedUnread) {
  char dir[] = "/tmp/orvelle-fonts-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string path = std::string(dir) + "/fonts.conf";
  EXPECT_EQ(ConfigFileProblem(path), "is missing");
  for (long size : {0L, 1L << 20, (1L << 20) + 1, 2L << 20}) {
    std::FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(ftruncate(fileno(f), size), 0);
    std::fclose(f);
    EXPECT_EQ(
        ConfigFileProblem(path),
        size > (1L << 20) ? "is over 1 MiB (" + std::to_string(size) + " bytes) and refused" : "")
        << size;
  }
  std::remove(path.c_str());
  // A device or a pipe is never read; a folder of configuration files is.
  EXPECT_EQ(ConfigFileProblem("/dev/zero"), "is not a file and refused");
  const std::string fifo = std::string(dir) + "/fifo.conf";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ConfigFileProblem(fifo), "is not a file and refused");
  std::remove(fifo.c_str());
  EXPECT_EQ(ConfigFileProblem(dir), "");
  rmdir(dir);
}

TEST(TextFace, TheProjectsFaceDrawsDigitsKanaAndKanji) { EXPECT_EQ(TextFaceProblem(), ""); }

}  // namespace
}  // namespace orvelle
