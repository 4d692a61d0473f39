#include "whiteboard/model/WbGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(WbGeometry, LineTravelsAsDrawn) {
  WbLinePayload line{};
  SetWbLineGeometry(&line, RECT{100, 50, 20, 80});
  EXPECT_STREQ(line.szX1, "100");
  EXPECT_STREQ(line.szY1, "50");
  EXPECT_STREQ(line.szX2, "20");
  EXPECT_STREQ(line.szY2, "80");
}

TEST(WbGeometry, RectangleKeepsItsSignedSize) {
  WbRectPayload rect{};
  SetWbRectGeometry(&rect, RECT{100, 100, 20, 40});
  EXPECT_STREQ(rect.szX, "100");
  EXPECT_STREQ(rect.szY, "100");
  EXPECT_STREQ(rect.szWidth, "-80");
  EXPECT_STREQ(rect.szHeight, "-60");
  EXPECT_STREQ(rect.szCornerX, "");
  EXPECT_STREQ(rect.szCornerY, "");
}

TEST(WbGeometry, EllipseAndCircleTruncate) {
  WbEllipsePayload ellipse{};
  SetWbEllipseGeometry(&ellipse, RECT{0, 0, 101, 51});
  EXPECT_STREQ(ellipse.szCX, "50");
  EXPECT_STREQ(ellipse.szCY, "25");
  EXPECT_STREQ(ellipse.szRX, "50");
  EXPECT_STREQ(ellipse.szRY, "25");
  SetWbEllipseGeometry(&ellipse, RECT{101, 51, 0, 0});  // dragged the other way
  EXPECT_STREQ(ellipse.szCX, "51");
  EXPECT_STREQ(ellipse.szRX, "-50");
  WbCirclePayload circle{};
  SetWbCircleGeometry(&circle, RECT{10, 10, 60, 61});
  EXPECT_STREQ(circle.szCX, "35");
  EXPECT_STREQ(circle.szCY, "35");
  EXPECT_STREQ(circle.szR, "25");
}

TEST(WbGeometry, ExtremeRectanglesDoNotOverflow) {
  WbRectPayload rect{};
  SetWbRectGeometry(&rect, RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  EXPECT_STREQ(rect.szWidth, "4294967295");
  WbEllipsePayload ellipse{};
  SetWbEllipseGeometry(&ellipse, RECT{INT_MAX, 0, INT_MIN, 0});
  EXPECT_STREQ(ellipse.szRX, "-2147483647");
  EXPECT_STREQ(ellipse.szCX, "0");
}

}  // namespace
