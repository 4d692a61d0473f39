#include <gtest/gtest.h>

#include <string>

#include "common/ConfMethodRecord.h"
#include "confwindow/DlgDataConf.h"
#include "platform/ui/Wnd.h"
#include "tests/support/module/ModuleFixture.h"

namespace {

using tavtest::ExpectTraffic;
using tavtest::kMsg;
using tavtest::kReq;
using tavtest::ModuleTest;

TEST_F(ModuleTest, SendEventPassesModuleKindCodeBlockAndAnswer) {
  Host().Answers().Set(kMsg, kHostStateChanged, 7);
  EXPECT_EQ(7, Module()->NotifyStateChanged());
  const host::HostEvent& event = Host().Events().at(0);
  EXPECT_EQ(kTavorineModuleKind, event.sender);
  EXPECT_EQ(kHostStateChanged, event.code);
  EXPECT_EQ(0u, event.blockAddress);

  HostTreeBlock tree{kTreeBookPage, nullptr, {0, 0, 0}};
  Module()->SendToModule(kDeptTreeService, kTreeFill, &tree, 3);
  const host::HostEvent& request = Host().Events().at(1);
  EXPECT_EQ(kReq, request.channel);
  EXPECT_EQ(kDeptTreeService, request.sender);
  EXPECT_EQ(3, request.value);
  ASSERT_NE(nullptr, request.As<HostTreeBlock>());
  EXPECT_EQ(kTreeBookPage, request.As<HostTreeBlock>()->nTree);
}

TEST(ModuleBase, WithoutAHostNothingIsSent) {
  CTavorineModule module(nullptr, nullptr, nullptr);
  EXPECT_EQ(0, module.SendEvent(kHostStateChanged, nullptr));
  EXPECT_EQ(0, module.SendToModule(kDeptTreeService, kTreeFill, nullptr, 0));
  module.WriteLog("no host", 1);
  module.SkinWindow(nullptr, "media.skn", "");
  EXPECT_EQ(0, bIMSConfMethod(1, nullptr)) << "no module object: refused";
}

TEST_F(ModuleTest, LogLinesGoAsCodes20003And20004) {
  Module()->WriteLog("CTest::Run()\n", 1);
  WriteModuleLog(Module(), 2, "plain line");
  auto logs = Host().EventsWithCode(kHostWriteLog);
  ASSERT_EQ(1u, logs.size());
  EXPECT_STREQ("CTest::Run()\n", logs[0].As<HostLogBlock>()->pText);
  EXPECT_EQ(1, logs[0].As<HostLogBlock>()->nLevel);
  auto plain = Host().EventsWithCode(kHostWriteLogPlain);
  ASSERT_EQ(1u, plain.size());
  EXPECT_STREQ("plain line", plain[0].As<HostLogBlock>()->pText);
  EXPECT_EQ(2, plain[0].As<HostLogBlock>()->nLevel);
}

TEST_F(ModuleTest, SkinsGoToTheFirstInterfaceWithoutASecond) {
  HWND window = reinterpret_cast<HWND>(0x1234);
  Module()->SkinWindow(window, "media.skn", "window01");
  auto skins = Host().EventsWithCode(kHostSkinWindow);
  ASSERT_EQ(1u, skins.size());
  const HostSkinBlock* block = skins[0].As<HostSkinBlock>();
  EXPECT_EQ(window, block->hWnd);
  EXPECT_STREQ("media.skn", block->pSkinFile);
  EXPECT_STREQ("window01", block->pSection);
}

TEST(ModuleBase, SkinsGoToTheSecondInterfaceWhenGiven) {
  host::RecordingHost first, second;
  CTavorineModule module(&first, &second, nullptr);
  module.SkinWindow(nullptr, "dataconf.skn", "");
  module.WriteLog("x", 1);
  EXPECT_EQ(0u, first.CountCode(kHostSkinWindow));
  EXPECT_EQ(1u, first.CountCode(kHostWriteLog));
  ASSERT_EQ(1u, second.CountCode(kHostSkinWindow));
  EXPECT_STREQ("", second.EventsWithCode(kHostSkinWindow)[0].As<HostSkinBlock>()->pSection);
  EXPECT_EQ(0u, second.CountCode(kHostWriteLog));
}

TEST_F(ModuleTest, ConfMethodReturnsTheHostsResult) {
  CConfMethodRecordPtr rec;
  BuildConfJoin(*rec, "sip:c@h", "1");
  Host().Answers().Queue(kMsg, kHostConfMethod, 0);
  EXPECT_EQ(0, bIMSConfMethod(1, rec.get())) << "0: the host did not take it";
  EXPECT_EQ(1, bIMSConfMethod(1, rec.get()));
  ExpectTraffic(Host(), {{kMsg, kHostConfMethod}, {kMsg, kHostConfMethod}});
}

TEST_F(ModuleTest, ConferenceRecordsNeedARunningConference) {
  int record = 42;
  EXPECT_EQ(0, Module()->IMSSend2MrsMethod(0, 5, &record)) << "no conference window";
  ExpectTraffic(Host(), {});
  ASSERT_EQ(1u, Host().LogLines().size());
  EXPECT_EQ(0u, Host().LogLines()[0].find("[ERROR]CTavorineModule::IMSSend2MrsMethod"));
  JoinConference();
  DeliverStatus(kStatisConfEnded, "sip:conf001@ims.example.cn");
  Host().Clear();
  EXPECT_EQ(0, Module()->IMSSend2MrsMethod(0, 5, &record)) << "no conference runs";
  ExpectTraffic(Host(), {});
  std::vector<std::string> logs = Host().LogLines();
  ASSERT_EQ(1u, logs.size());
  EXPECT_EQ(0u, logs[0].find("[ERROR]CTavorineModule::IMSSend2MrsMethod"));

  EXPECT_EQ(1, Module()->IMSSend2MrsMethod(1, 5, &record)) << "point to point always goes";
  JoinConference();
  Host().Answers().Queue(kMsg, kHostDataConfRecord, 9);
  EXPECT_EQ(9, Module()->IMSSend2MrsMethod(0, 3, &record));
  auto sent = Host().EventsWithCode(kHostDataConfRecord);
  ASSERT_EQ(1u, sent.size());
  EXPECT_EQ(3, sent[0].As<HostMethodBlock>()->nMethod);
}

TEST_F(ModuleTest, NothingIsSentWhileClosing) {
  Module()->Close();
  Host().Clear();
  StartConference();
  int record = 1;
  EXPECT_EQ(0, Module()->SendEvent(kHostStateChanged, nullptr));
  EXPECT_EQ(0, Module()->NotifyStateChanged());
  EXPECT_EQ(0, Module()->SendToModule(kDeptTreeService, kTreeFill, nullptr, 0));
  Module()->SkinWindow(nullptr, "media.skn", "");
  Module()->WriteLog("late", 1);
  WriteModuleLog(Module(), 1, "late");
  EXPECT_EQ(0, Module()->IMSSend2MrsMethod(0, 5, &record));
  EXPECT_EQ(0, bIMSConfMethod(1, &record));
  EXPECT_EQ(0, Module()->ForwardToHost(kHostStateChanged, nullptr));
  Module()->InitDeptTree();
  EXPECT_TRUE(Host().Events().empty());
}

}  // namespace

namespace {

TEST_F(ModuleTest, TreeServiceRequestsCarryTheTreeNumbers) {
  int treeCtrl = 0;
  Module()->RegisterDeptTree(kTreeBookPage, &treeCtrl);
  EXPECT_EQ(0, Module()->RegisterDeptTree(7, &treeCtrl)) << "not a set-up tree";
  Module()->InitDeptTree();
  ExpectTraffic(Host(), {{kReq, kTreeRegister}, {kReq, kTreeFill}, {kReq, kTreeFill}, {kReq, kTreeFill}});
  const HostTreeBlock* registered = Host().Events()[0].As<HostTreeBlock>();
  EXPECT_EQ(kTreeBookPage, registered->nTree);
  EXPECT_EQ(&treeCtrl, registered->pTreeCtrl);
  EXPECT_EQ(kDeptTreeService, Host().Events()[0].sender);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(kTreeCreatePage + i, Host().Events()[1 + i].As<HostTreeBlock>()->nTree);
}

TEST(ModuleBase, MainWindowIsTheHostsWindow) {
  CWnd mainWindow;
  ASSERT_TRUE(mainWindow.CreateEx(0, "TavHostMain", "host", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  CTavorineModule module(nullptr, nullptr, mainWindow.GetSafeHwnd());
  EXPECT_EQ(&mainWindow, module.GetMainWnd());
  EXPECT_EQ(mainWindow.GetSafeHwnd(), module.GetMainHwnd());
  CTavorineModule headless(nullptr, nullptr, nullptr);
  EXPECT_EQ(nullptr, headless.GetMainWnd());
}

}  // namespace
