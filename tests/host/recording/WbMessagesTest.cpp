// Whiteboard messages (code 101, method 1) are copied as whole trees and printed readably.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/recording/EventPrinter.h"
#include "host/recording/RecordingHost.h"
#include "protocol/WbRecords.h"

namespace {

template <class T>
T* NewZeroed() {
  T* block = new T;
  std::memset(static_cast<void*>(block), 0, sizeof(T));
  return block;
}

// A type-7 message with a red line and a free line, as a surface builds it.
struct SentMessage {
  WbMsgHeader* header = NewZeroed<WbMsgHeader>();
  WbPageOpRecord* pageOp = NewZeroed<WbPageOpRecord>();
  WbListNode* first = NewZeroed<WbListNode>();
  WbListNode* second = NewZeroed<WbListNode>();
  WbLinePayload* line = NewZeroed<WbLinePayload>();
  WbStyleRecord* style = NewZeroed<WbStyleRecord>();
  WbPathPayload* path = NewZeroed<WbPathPayload>();
  char* pathText = new char[32];

  SentMessage() {
    header->head.op = WB_MSG_OBJECT_ADD;
    std::strcpy(header->head.szSessionURI, "sip:conf001@a.com");
    std::strcpy(header->head.szDConfID, "dconf-77");
    header->head.nSubConfID = 12;
    header->nValue = 1;
    header->pPageOp = pageOp;
    pageOp->nPage = 1;
    pageOp->nOp = WB_PAGEOP_OBJECT;
    pageOp->pList = first;
    first->pItem = line;
    first->pNext = second;
    second->pItem = path;
    line->head.nObjType = WB_OBJ_LINE;
    std::strcpy(line->head.szID, "line:0123456789abcdef0");
    line->head.nSubOp = 1;
    std::strcpy(line->szX1, "100");
    std::strcpy(line->szY1, "50");
    std::strcpy(line->szX2, "20");
    std::strcpy(line->szY2, "80");
    line->pStyle = style;
    std::strcpy(style->szPenColor, "255");
    style->nPenWidth = 2;
    style->nFontSize = style->nWeight = -1;
    path->head.nObjType = WB_OBJ_PATH;
    std::strcpy(path->head.szID, "freeline:1");
    path->head.nSubOp = 1;
    std::strcpy(pathText, "M 1 2 L 3 4");
    path->pszPath = pathText;
  }
  // The builder frees every block after the call; scribbling first makes a shallow copy show.
  ~SentMessage() {
    std::memset(pathText, 'x', 31);
    std::memset(static_cast<void*>(line), 0xCD, sizeof *line);
    std::memset(static_cast<void*>(first), 0xCD, sizeof *first);
    delete[] pathText;
    delete path;
    delete style;
    delete line;
    delete second;
    delete first;
    delete pageOp;
    delete header;
  }
};

const WbMsgHeader* SendAndFree(host::RecordingHost& h) {
  {
    SentMessage message;
    HostMethodBlock block{WB_MRS_METHOD, message.header, 0};
    h.OnModuleMessage(kTavorineModuleKind, kHostDataConfRecord, &block);
  }
  return static_cast<const WbMsgHeader*>(h.Events().back().As<HostMethodBlock>()->pRecord);
}

TEST(WbMessages, TheWholeTreeOutlivesTheSender) {
  host::RecordingHost h;
  const WbMsgHeader* header = SendAndFree(h);
  ASSERT_NE(header, nullptr);
  EXPECT_STREQ(header->head.szDConfID, "dconf-77");
  const WbPageOpRecord* pageOp = header->pPageOp;
  ASSERT_NE(pageOp, nullptr);
  ASSERT_NE(pageOp->pList, nullptr);
  const WbLinePayload* line = static_cast<const WbLinePayload*>(pageOp->pList->pItem);
  EXPECT_STREQ(line->szX1, "100");
  ASSERT_NE(line->pStyle, nullptr);
  EXPECT_STREQ(line->pStyle->szPenColor, "255");
  const WbListNode* second = pageOp->pList->pNext;
  ASSERT_NE(second, nullptr);
  EXPECT_STREQ(static_cast<const WbPathPayload*>(second->pItem)->pszPath, "M 1 2 L 3 4");
  EXPECT_EQ(second->pNext, nullptr);
}

TEST(WbMessages, PrintedWithHeadPageAndEveryPayload) {
  host::RecordingHost h;
  SendAndFree(h);
  EXPECT_EQ(host::EventPrinter().Format(h.Events().back()),
            "module 5 -> host: 101 (data-conference record): method 1 -> 1\n"
            "    whiteboard message: type 7 (object added), session \"sip:conf001@a.com\", data conference "
            "\"dconf-77\", sub-conference 12, value 1\n"
            "    page 1, op 3\n"
            "      line \"line:0123456789abcdef0\" sub-op 1 x1 \"100\" y1 \"50\" x2 \"20\" y2 \"80\"; style pen \"255\" "
            "width 2\n"
            "      path \"freeline:1\" sub-op 1 text \"M 1 2 L 3 4\"\n");
}

TEST(WbMessages, MessageWithoutPagePartAndPictureDataAreShort) {
  host::RecordingHost h;
  WbMsgHeader header{};
  header.head.op = WB_MSG_REQUEST_SYNC;
  header.nValue = -1;
  HostMethodBlock block{WB_MRS_METHOD, &header, 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostDataConfRecord, &block);
  std::string text = host::EventPrinter().Format(h.Events().back());
  EXPECT_NE(text.find("type 2 (content request)"), std::string::npos) << text;
  EXPECT_EQ(text.find("page "), std::string::npos) << text;

  WbImagePayload picture{};
  picture.head.nObjType = WB_OBJ_IMAGE;
  std::string data = "data:image/png;base64," + std::string(5000, 'A');
  picture.pszData = &data[0];
  WbListNode node{&picture, nullptr};
  WbPageOpRecord pageOp{};
  pageOp.pList = &node;
  header.pPageOp = &pageOp;
  h.OnModuleMessage(kTavorineModuleKind, kHostDataConfRecord, &block);
  text = host::EventPrinter().Format(h.Events().back());
  EXPECT_NE(text.find("picture \"\" sub-op 0"), std::string::npos) << text;
  EXPECT_NE(text.find("... (5022 bytes)"), std::string::npos) << text;
  EXPECT_LT(text.size(), 600u);
}

}  // namespace
