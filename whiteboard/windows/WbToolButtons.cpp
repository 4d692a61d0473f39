#include "whiteboard/windows/WbToolButtons.h"

#include "whiteboard/surface/DrawSurface.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"

const WbToolButton kWbToolButtons[] = {
    {IDC_WB_SELECT_TOOL, kToolSelect, "选择"},
    {IDC_WB_TOOL_FIRST + kToolLine, kToolLine, "直线"},
    {IDC_WB_TOOL_FIRST + kToolPen, kToolPen, "画笔"},
    {IDC_WB_TOOL_FIRST + kToolHighlighter, kToolHighlighter, "荧光笔"},
    {IDC_WB_TOOL_FIRST + kToolRectangle, kToolRectangle, "矩形"},
    {IDC_WB_TOOL_FIRST + kToolSolidRectangle, kToolSolidRectangle, "实心矩形"},
    {IDC_WB_TOOL_FIRST + kToolRoundRect, kToolRoundRect, "圆角矩形"},
    {IDC_WB_TOOL_FIRST + kToolEllipse, kToolEllipse, "椭圆"},
    {IDC_WB_TOOL_FIRST + kToolSolidEllipse, kToolSolidEllipse, "实心椭圆"},
    {IDC_WB_TOOL_FIRST + kToolCircle, kToolCircle, "圆"},
    {IDC_WB_TOOL_FIRST + kToolTriangle, kToolTriangle, "三角形"},
    {IDC_WB_TOOL_FIRST + kToolTrapezia, kToolTrapezia, "梯形"},
    {IDC_WB_TOOL_FIRST + kToolPolyline, kToolPolyline, "折线"},
    {IDC_WB_TOOL_FIRST + kToolPolygon, kToolPolygon, "多边形"},
    {IDC_WB_TOOL_FIRST + kToolText, kToolText, "文本"},
    {IDC_WB_TOOL_FIRST + kToolLaser, kToolLaser, "激光笔"},
    {IDC_WB_TOOL_FIRST + kToolHand, kToolHand, "指示"},
    {IDC_WB_TOOL_FIRST + kToolMovePage, kToolMovePage, "移动"},
};
const int kWbToolButtonCount = sizeof kWbToolButtons / sizeof kWbToolButtons[0];
