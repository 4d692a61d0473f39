// Page backgrounds loaded from picture files: the size limit, the format word and the kept bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/whiteboard/PictureSamples.h"
#include "whiteboard/model/StrokeDocPage.h"

namespace {

using wbtest::Bytes;

class PictureFile : public wbtest::PictureTest {
 protected:
  // A BMP of 3 x 2 pixels padded to exactly `size` bytes, written as `name`.
  std::string WriteBmpOfSize(const char* name, size_t size) {
    Bytes small = wbtest::HalvesBmp(3, 2);
    Bytes bmp = wbtest::MakeBmp(3, 2, [](int x, int) { return x < 1 ? RGB(255, 0, 0) : RGB(0, 0, 255); },
                                size - small.size());
    EXPECT_EQ(size, bmp.size());
    std::string path = TempPath(name);
    wbtest::WriteFileBytes(path, bmp);
    return path;
  }
};

TEST_F(PictureFile, AFileOfExactlyOneMebibyteIsAccepted) {
  std::string path = WriteBmpOfSize("limit.bmp", 1048576);
  CStrokeDocPage docpage;
  ASSERT_TRUE(docpage.LoadFromFile(path.c_str()));
  EXPECT_TRUE(MessageBoxesShown().empty());
  EXPECT_STREQ(docpage.m_csFormat, "bmp");
  EXPECT_STREQ(docpage.m_csData, wbtest::Base64(wbtest::ReadFileBytes(path)));
  EXPECT_EQ(3, docpage.m_nWidth);
  EXPECT_EQ(2, docpage.m_nHeight);
  EXPECT_EQ(CRect(10, 10, 13, 12), CRect(docpage.m_rcDraw));
}

TEST_F(PictureFile, OneByteMoreIsRefusedWithTheSizeMessage) {
  std::string path = WriteBmpOfSize("over.bmp", 1048577);
  CStrokeDocPage docpage;
  EXPECT_FALSE(docpage.LoadFromFile(path.c_str()));
  ASSERT_EQ(1u, MessageBoxesShown().size());
  const platform::MessageBoxRecord& box = MessageBoxesShown()[0];
  EXPECT_STREQ(box.text, "请您选择小于1M的文件！");
  EXPECT_STREQ(box.caption, GetMsgTitle());
  EXPECT_EQ(nullptr, box.owner);
  EXPECT_EQ((UINT)MB_OK, box.flags);
  EXPECT_STREQ(docpage.m_csData, "");
  EXPECT_EQ(0u, docpage.m_image.GetWidth());
}

// A device (or a file that grew after its size was read) is read no further than the limit.
TEST_F(PictureFile, ADeviceIsReadNoFurtherThanTheLimit) {
  std::string path = TempPath("endless.jpg");
  ASSERT_EQ(0, symlink("/dev/zero", path.c_str()));
  CStrokeDocPage docpage;
  EXPECT_FALSE(docpage.LoadFromFile(path.c_str()));
  ASSERT_EQ(1u, MessageBoxesShown().size());
  EXPECT_STREQ(MessageBoxesShown()[0].text, "请您选择小于1M的文件！");
  EXPECT_STREQ(docpage.m_csData, "");
}

TEST_F(PictureFile, TheExtensionIsTheFormatWordInAnyCase) {
  Bytes jpeg = wbtest::Reencode(wbtest::HalvesBmp(8, 8), "jpeg");
  std::string path = TempPath("photo.JPG");
  wbtest::WriteFileBytes(path, jpeg);
  CStrokeDocPage docpage;
  ASSERT_TRUE(docpage.LoadFromFile(path.c_str()));
  EXPECT_STREQ(docpage.m_csFormat, "JPG");
  // What is sent is what every reader loads.
  CStrokeDocPage peer;
  EXPECT_TRUE(peer.ApplyRecord(docpage.GetObjectRecord(WB_MSG_OBJECT_ADD, 0)));
  EXPECT_EQ(8, peer.m_nWidth);
}

TEST_F(PictureFile, AGifBackgroundIsRefusedBecauseNoReaderTakesIt) {
  std::string path = TempPath("laser.gif");
  wbtest::WriteFileBytes(path, wbtest::ReadFileBytes(wbtest::AppPicturesDir() + "laser.gif"));
  CStrokeDocPage docpage;
  EXPECT_FALSE(docpage.LoadFromFile(path.c_str()));
  EXPECT_STREQ(LastMessageBoxText(), "不支持的文件格式！");
  EXPECT_EQ(0u, docpage.m_image.GetWidth());
  EXPECT_STREQ(docpage.m_csFormat, "");
  // A picture file without an extension is refused the same way.
  std::string bare = TempPath("picture");
  wbtest::WriteFileBytes(bare, wbtest::HalvesBmp(2, 2));
  EXPECT_FALSE(docpage.LoadFromFile(bare.c_str()));
  EXPECT_EQ(2u, MessageBoxesShown().size());
}

TEST_F(PictureFile, MissingOrUndecodableFilesLoadNothing) {
  CStrokeDocPage docpage;
  EXPECT_FALSE(docpage.LoadFromFile(""));
  EXPECT_TRUE(MessageBoxesShown().empty());
  EXPECT_FALSE(docpage.LoadFromFile(TempPath("absent.png").c_str()));
  std::string text = TempPath("notes.png");
  wbtest::WriteFileBytes(text, Bytes{'h', 'e', 'l', 'l', 'o'});
  EXPECT_FALSE(docpage.LoadFromFile(text.c_str()));
  EXPECT_STREQ(LastMessageBoxText(), "不支持的文件格式！");
}

}  // namespace
