// The steps on the user's folder: a file put there is what the module reads, and each check
// fails the play, naming its line, when the folder does not hold what it expects.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/scenario/ScenarioPlayer.h"
#include "tests/host/recording/FakeModule.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

class FileWordsTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = testing::TempDir() + "file-words-" + std::to_string(getpid());
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ + "/files");
    savedPath_ = VzData().csUserPath;
    VzData().csUserPath = (root_ + "/user/").c_str();
    Write(root_ + "/files/damaged.dat", "CharToCode\x01\x02");
    Write(root_ + "/files/other.dat", "other bytes");
    module_ = std::make_unique<host_test::FakeModule>(&host_);
    host_.Attach(module_.get());
  }
  void TearDown() override {
    VzData().csUserPath = savedPath_;
    std::filesystem::remove_all(root_);
  }
  static void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

  // Plays the steps, their source files in root_/files; the play's output.
  std::string Play(const std::string& text, bool* ok) {
    host::Scenario scenario;
    std::string error;
    EXPECT_TRUE(host::ParseScenario(text, &scenario, &error)) << error;
    for (host::ScenarioStep& step : scenario.steps) host::ResolvePaths(&step, root_ + "/files");
    std::ostringstream out;
    host::ScenarioPlayer player(host_, [](uint32_t) {}, out);
    *ok = player.Play(scenario);
    return out.str();
  }

  std::string root_;
  CString savedPath_;
  host::RecordingHost host_;
  std::unique_ptr<host_test::FakeModule> module_;
};

TEST_F(FileWordsTest, PutFilesAreCheckedByteForByte) {
  bool ok = false;
  std::string out = Play("put-file mmc.dat damaged.dat\nput-file \"<user>mmc_dfs.dat\" other.dat\n"
                         "expect-file mmc.dat damaged.dat\nexpect-file zhangweimmc_dfs.dat other.dat\n"
                         "expect-file-kept damaged.dat\nexpect-file mmc_dfs.bak absent\n",
                         &ok);
  EXPECT_TRUE(ok) << out;
  std::ifstream copy(root_ + "/user/zhangweimmc_dfs.dat", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}), "other bytes");
}

TEST_F(FileWordsTest, EachCheckFailsOnItsLine) {
  const char* const cases[][2] = {
      {"put-file mmc.dat other.dat\nexpect-file mmc.dat damaged.dat\n",
       "< FAILED: line 2: the user's file mmc.dat holds 11 bytes that are not the 12 bytes of "},
      {"note\nexpect-file mmc.dat other.dat\n", "< FAILED: line 2: the user's folder holds no file mmc.dat\n"},
      {"put-file mmc.dat other.dat\nexpect-file mmc.dat absent\n", "< FAILED: line 2: the user's file mmc.dat exists\n"},
      {"put-file mmc.dat other.dat\nexpect-file-kept damaged.dat\n",
       "< FAILED: line 2: no file of the user's folder holds the 12 bytes of "},
      {"put-file mmc.dat missing.dat\n", "< FAILED: line 1: cannot read "},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(root_ + "/user");
    bool ok = true;
    std::string out = Play(c[0], &ok);
    EXPECT_FALSE(ok) << c[0];
    EXPECT_NE(out.find(c[1]), std::string::npos) << out;
  }
}

TEST(FileWordsParse, NamesAreFilesOfTheUsersFolder) {
  host::Scenario scenario;
  std::string error;
  EXPECT_FALSE(host::ParseScenario("put-file ../mmc.dat a.dat\n", &scenario, &error));
  EXPECT_EQ(error, "line 1: put-file: '../mmc.dat' is not a file name of the user's folder");
  EXPECT_FALSE(host::ParseScenario("expect-file mmc.dat\n", &scenario, &error));
  EXPECT_EQ(error, "line 1: expect-file needs a file name and a source file or absent");
}

}  // namespace
