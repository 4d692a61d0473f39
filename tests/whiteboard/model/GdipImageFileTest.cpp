// Pictures in files: GBK names, Windows separators, unreadable and unwritable paths.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/DesktopTest.h"
#include "tests/whiteboard/model/ImageSamples.h"
#include "whiteboard/model/GdipImage.h"

using samples::Bytes;

namespace {

class GdipImageFile : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    char dir[] = "/tmp/gdipimage-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(dir));
    dir_ = dir;
    Bytes png = samples::EncodePng(samples::Pattern(5, 3, 3));
    ASSERT_TRUE(picture_.LoadFromMemory(png.data(), (UINT)png.size()));
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
    DesktopTest::TearDown();
  }

  std::string Path(const char* name) const { return dir_ + "/" + name; }
  Bytes ReadBack(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void WriteRaw(const std::string& path, const std::string& bytes) const {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::string dir_;
  CGdipImage picture_;
};

TEST_F(GdipImageFile, EveryFormatSavesAndLoadsUnderAGbkName) {
  const std::string gbkName = Path("白板图片");     // GBK bytes in the module
  const std::string diskName = Path(u8"白板图片");  // UTF-8 on disk
  for (int format = 0; format < 3; ++format) {
    BOOL saved = format == 0   ? picture_.SaveBmpToFile(gbkName.c_str())
                 : format == 1 ? picture_.SaveJpegToFile(gbkName.c_str(), 85)
                               : picture_.SavePngToFile(gbkName.c_str(), 0);
    ASSERT_TRUE(saved) << format;
    EXPECT_EQ(5, samples::Decode(ReadBack(diskName), 3).width) << format;
    CGdipImage loaded;
    ASSERT_TRUE(loaded.LoadFromFile(gbkName.c_str())) << format;
    EXPECT_EQ(5u, loaded.GetWidth());
    EXPECT_EQ(3u, loaded.GetHeight());
  }
  EXPECT_TRUE(MessageBoxesShown().empty());
}

TEST_F(GdipImageFile, BackslashesSeparateFolders) {
  ASSERT_TRUE(picture_.SavePngToFile((dir_ + "\\back.png").c_str(), 0));
  EXPECT_FALSE(ReadBack(Path("back.png")).empty());
  CGdipImage loaded;
  EXPECT_TRUE(loaded.LoadPngFromFile((dir_ + "\\back.png").c_str()));
  EXPECT_EQ(5u, loaded.GetWidth());
}

TEST_F(GdipImageFile, AFileThatIsNoPictureIsRefusedWithABox) {
  WriteRaw(Path("notes.jpg"), "these are not the pixels you are looking for");
  const std::string missing = Path("missing.bmp");
  for (const std::string& path : {Path("notes.jpg"), missing, Path("")}) {
    CGdipImage image = picture_;
    size_t shown = MessageBoxesShown().size();
    EXPECT_FALSE(image.LoadFromFile(path.c_str())) << path;
    EXPECT_EQ(0u, image.GetWidth());
    ASSERT_EQ(shown + 1, MessageBoxesShown().size());
    const platform::MessageBoxRecord& box = MessageBoxesShown().back();
    EXPECT_STREQ("不支持的文件格式！", box.text);
    EXPECT_STREQ("Error", box.caption);
    EXPECT_EQ((UINT)MB_OK, box.flags);
  }
}

TEST_F(GdipImageFile, ASaveThatCannotBeWrittenReportsFailure) {
  EXPECT_FALSE(picture_.SavePngToFile(Path("no-such-folder/x.png").c_str(), 0));
  EXPECT_FALSE(picture_.SaveBmpToFile(nullptr));
  EXPECT_FALSE(picture_.SaveJpegToFile("", 85));
  EXPECT_FALSE(picture_.SavePngToFile("\x81", 0));  // half a GBK character
  CGdipImage empty;
  EXPECT_FALSE(empty.SaveBmpToFile(Path("empty.bmp").c_str()));
  EXPECT_TRUE(ReadBack(Path("empty.bmp")).empty());
}

}  // namespace
