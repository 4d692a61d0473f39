// A whole page read from page XML and painted as the surface paints it: a background picture,
// pictures, a hand pointer, shapes and texts in Chinese and English. Checked by sampling pixels;
// written to $TAV_PICTURES_DIR/page.png when that variable is set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/whiteboard/PictureSamples.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokeDocPage.h"
#include "whiteboard/model/StrokePage.h"
#include "xml/XmlParse.h"
#include "xml/XmlTree.h"

namespace {

using wbtest::Bytes;

const int kWidth = 640, kHeight = 420;
const COLORREF kPaperTop = RGB(236, 244, 255), kGrid = RGB(200, 214, 236);

// The background: a pale gradient with a grid every 40 pixels, as JPEG.
Bytes BackgroundJpeg() {
  Bytes bmp = wbtest::MakeBmp(620, 400, [](int x, int y) {
    if (x % 40 == 0 || y % 40 == 0) return kGrid;
    return RGB(236 + y / 40, 244 - y / 50, 255 - y / 30);
  });
  return wbtest::Reencode(bmp, "jpeg");
}

// A photo-like picture: four coloured quarters.
Bytes QuartersPng() {
  return wbtest::Reencode(wbtest::MakeBmp(8, 8,
                                          [](int x, int y) {
                                            if (y < 4) return x < 4 ? RGB(230, 60, 50) : RGB(60, 170, 80);
                                            return x < 4 ? RGB(50, 90, 210) : RGB(250, 200, 40);
                                          }),
                          "png");
}

// A text element: the face name and the text in Base64 of their GBK bytes.
CString TextElement(const char* id, CRect r, COLORREF colour, int height, int weight, const char* text) {
  CString xml;
  xml.Format("<text id=\"%s\" x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" style=\"stroke:%d;stroke-width:2;"
             "font-size:%d,0;font-family:%s;char-set:134;weight:%d;italic:0;strokeout:0;underline:0\">%s</text>",
             id, (int)r.left, (int)r.top, (int)r.right, (int)r.bottom, (int)colour, height,
             (LPCTSTR)wbtest::Base64(Bytes{0xcb, 0xce, 0xcc, 0xe5}), weight,
             (LPCTSTR)wbtest::Base64(Bytes(text, text + strlen(text))));
  return xml;
}

CString PageXml() {
  CString xml = "<page number=\"0\">";
  xml += "<docpage id=\"docpage:0a1b2c3d4e5f60718\" xlink:href=\"" + wbtest::DataUrl("jpg", BackgroundJpeg()) + "\"/>";
  const CString quarters = wbtest::DataUrl("png", QuartersPng());
  xml += "<image id=\"image:1\" x=\"40\" y=\"40\" width=\"120\" height=\"90\" xlink:href=\"" + quarters + "\"/>";
  xml += "<image id=\"image:2\" x=\"500\" y=\"250\" width=\"100\" height=\"100\" xlink:href=\"" + quarters + "\"/>";
  xml += "<rectangle id=\"rectangle:1\" x1=\"200\" y1=\"40\" x2=\"330\" y2=\"130\" "
         "style=\"stroke:16711680;stroke-width:3\"/>";
  xml += "<solidrectangle id=\"solidrectangle:1\" x1=\"360\" y1=\"40\" x2=\"460\" y2=\"100\" "
         "style=\"stroke:65535;stroke-width:2\"/>";
  xml += "<ellipse id=\"ellipse:1\" x1=\"480\" y1=\"40\" x2=\"610\" y2=\"120\" style=\"stroke:32768;stroke-width:4\"/>";
  xml += "<solidellipse id=\"solidellipse:1\" x1=\"40\" y1=\"160\" x2=\"140\" y2=\"220\" "
         "style=\"stroke:16744448;stroke-width:2\"/>";
  xml += "<circle id=\"circle:1\" x1=\"160\" y1=\"160\" x2=\"220\" y2=\"220\" "
         "style=\"stroke:8388736;stroke-width:2\"/>";
  xml += "<roundrect id=\"roundrect:1\" x1=\"240\" y1=\"160\" x2=\"330\" y2=\"220\" rx=\"12\" ry=\"12\" "
         "style=\"stroke:12632256;stroke-width:2\"/>";
  xml += "<line id=\"line:1\" x1=\"40\" y1=\"380\" x2=\"260\" y2=\"300\" style=\"stroke:255;stroke-width:5\"/>";
  xml += "<path id=\"freeline:1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\" style=\"stroke:8421376;stroke-width:3\" "
         "d=\"M 300 380 L 320 350 L 340 385 L 360 345 L 380 390 L 400 350 L 420 380\"/>";
  xml += "<path id=\"fluorescence:1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\" style=\"stroke:65535;stroke-width:14\" "
         "d=\"M 40 290 L 250 290\"/>";
  xml += "<path id=\"triangle:1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\" style=\"stroke:16711935;stroke-width:2\" "
         "d=\"M 360 230 L 400 160 L 440 230\"/>";
  xml += "<path id=\"polygon:1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\" style=\"stroke:128;stroke-width:2\" "
         "d=\"M 460 160 L 520 150 L 540 200 L 490 230 L 455 205\"/>";
  xml += TextElement("text:1", CRect(40, 232, 470, 268), RGB(200, 0, 0), -24, 700, "白板会议 Whiteboard meeting");
  xml += TextElement("text:2", CRect(270, 272, 490, 330), RGB(0, 0, 0), -14, 400,
                     "议程：第一季度总结。Agenda: review of the first quarter.");
  xml += "<image id=\"hand:1\" x=\"150\" y=\"100\" width=\"0\" height=\"0\" xlink:href=\"data:image/;base64,\"/>";
  xml += "<image id=\"laser:1\" x=\"300\" y=\"300\" width=\"16\" height=\"16\" xlink:href=\"data:image/;base64,\"/>";
  return xml + "</page>";
}

// Paints the page as the surface does: every object in list order into its own rectangle.
void Paint(CStrokePage& page, CDC* dc) {
  for (POSITION pos = page.m_listStroke.GetHeadPosition(); pos;) {
    CStrokeBase* stroke = static_cast<CStrokeBase*>(page.m_listStroke.GetNext(pos));
    stroke->Draw(dc, &stroke->m_tracker.m_rect);
  }
}

int CountPixels(const wbtest::Canvas& canvas, const CRect& r, COLORREF colour) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) count += canvas.At(x, y) == colour;
  return count;
}

class PagePicture : public wbtest::PictureTest {};

TEST_F(PagePicture, APageReadFromXmlPaintsEveryKindOfObject) {
  CStrokePage page;
  XmlElement* root = XmlLoadString(PageXml());
  ASSERT_NE(nullptr, root);
  ASSERT_TRUE(page.FromXml(root));
  XmlFreeTree(root);
  ASSERT_NE(nullptr, page.m_pDocPage);
  EXPECT_EQ(page.m_pDocPage, page.StrokeAt(0));

  wbtest::Canvas canvas(kWidth, kHeight);
  Paint(page, canvas.dc());
  if (const char* dir = getenv("TAV_PICTURES_DIR")) {
    EXPECT_TRUE(canvas.WritePng((std::string(dir) + "/page.png").c_str()));
  }

  // The background at (10, 10) at its own size (JPEG: colours near the originals).
  auto near = [](COLORREF a, COLORREF b) {
    return abs(GetRValue(a) - GetRValue(b)) < 12 && abs(GetGValue(a) - GetGValue(b)) < 12 &&
           abs(GetBValue(a) - GetBValue(b)) < 12;
  };
  EXPECT_TRUE(near(kPaperTop, canvas.At(25, 15))) << std::hex << canvas.At(25, 15);
  EXPECT_EQ(RGB(255, 255, 255), canvas.At(5, 5));
  // Pictures stretched to their elements' sizes.
  EXPECT_EQ(RGB(230, 60, 50), canvas.At(41, 41));
  EXPECT_EQ(RGB(250, 200, 40), canvas.At(158, 128));
  EXPECT_EQ(RGB(60, 170, 80), canvas.At(598, 252));
  // Filled shapes in their colours.
  EXPECT_EQ(RGB(255, 255, 0), canvas.At(410, 70));
  EXPECT_EQ(RGB(0, 128, 255), canvas.At(90, 190));
  // Texts in their colours: the Chinese words at the start of the first one, the English after.
  EXPECT_GT(CountPixels(canvas, CRect(40, 232, 140, 268), RGB(200, 0, 0)), 100);
  EXPECT_GT(CountPixels(canvas, CRect(200, 232, 470, 268), RGB(200, 0, 0)), 100);
  EXPECT_GT(CountPixels(canvas, CRect(270, 272, 490, 330), RGB(0, 0, 0)), 100);
}

// A peer's page may place a pen dot anywhere a coordinate can be written: at the ends of the
// range it paints nothing on the canvas and computes nothing that overflows; a dot inside the
// canvas still shows.
TEST(PageDots, DotsAtTheEndsOfTheCoordinateRangePaintWithoutOverflow) {
  CStrokePage page;
  const char* xml =
      "<page number=\"0\">"
      "<path id=\"freeline:1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\" style=\"stroke:255;stroke-width:16\" "
      "d=\"M -2147483648 -2147483648 Z\"/>"
      "<path id=\"freeline:2\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\" style=\"stroke:255;stroke-width:16\" "
      "d=\"M 2147483647 2147483647 Z\"/>"
      "<path id=\"fluorescence:1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\" style=\"stroke:255;stroke-width:1000\" "
      "d=\"M 2147483647 -2147483648 Z\"/>"
      "<path id=\"freeline:3\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\" style=\"stroke:255;stroke-width:8\" "
      "d=\"M 20 20 Z\"/>"
      "</page>";
  XmlElement* root = XmlLoadString(xml);
  ASSERT_NE(nullptr, root);
  ASSERT_TRUE(page.FromXml(root));
  XmlFreeTree(root);
  ASSERT_EQ(4, page.m_listStroke.GetCount());
  wbtest::Canvas canvas(40, 40);
  Paint(page, canvas.dc());
  EXPECT_EQ(RGB(255, 0, 0), canvas.At(20, 20));
  const int dot = CountPixels(canvas, CRect(16, 16, 24, 24), RGB(255, 0, 0));
  EXPECT_LT(40, dot) << "the dot inside the canvas";
  EXPECT_EQ(dot, CountPixels(canvas, CRect(0, 0, 40, 40), RGB(255, 0, 0))) << "nothing else";
}

}  // namespace
