#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "confwindow/DlgDataConf.h"
#include "platform/ui/Dialog.h"
#include "protocol/ConfMethodRecord.h"
#include "tests/support/module/ModuleFixture.h"

namespace {

using tavtest::ExpectTraffic;
using tavtest::kMsg;
using tavtest::kReq;
using tavtest::ModuleTest;

TEST_F(ModuleTest, ThereIsOneModuleObject) {
  EXPECT_EQ(Module(), TavorineModule());
  host::RecordingHost other;
  EXPECT_EQ(Module(), CreateTavorineModule(&other, nullptr, nullptr)) << "a second load returns the one object";
  Module()->WriteLog("x", 1);
  EXPECT_TRUE(other.Events().empty()) << "and keeps its first host";
}

TEST(ModuleObject, AccessorIsEmptyBeforeCreationAndAfterDeletion) {
  EXPECT_EQ(nullptr, TavorineModule());
  host::RecordingHost recording;
  CTavorineModule* module = CreateTavorineModule(&recording, nullptr, nullptr);
  EXPECT_EQ(module, TavorineModule());
  DestroyTavorineModule();
  EXPECT_EQ(nullptr, TavorineModule());
}

TEST_F(ModuleTest, VirtualOperationsInSlotOrder) {
  ITavorineModule* module = Module();
  EXPECT_EQ(5, module->GetModuleKind());
  module->Reserved();
  EXPECT_TRUE(module->CanExit());
  Module()->SetCanExit(FALSE);
  EXPECT_FALSE(module->CanExit());
  Host().Answers().Set(kMsg, kHostStateChanged, 3);
  EXPECT_EQ(3, module->ForwardToHost(kHostStateChanged, nullptr));
  HostTreeBlock tree{kTreeCreatePage, nullptr, {0, 0, 0}};
  module->ForwardToModule(kDeptTreeService, kTreeFill, &tree, 0);
  module->ClosePopupDialogs();  // no pop-up: nothing
  ExpectTraffic(Host(), {{kMsg, kHostStateChanged}, {kReq, kTreeFill}});
}

TEST_F(ModuleTest, ClosePopupDialogsEndsTheRunningDialog) {
  const UINT kTemplate = 64999;
  platform::RegisterDialogTemplate({kTemplate, "pop-up", WS_POPUP | WS_CAPTION, 0, 0, 100, 60, {}});
  CDialog popup(kTemplate, nullptr);
  OnceInModal(platform::ModalKind::Dialog, [&](const platform::ModalState&) {
    Module()->ClosePopupDialogs();
  });
  EXPECT_EQ(IDCANCEL, Module()->RunPopupDialog(popup));
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
}

TEST_F(ModuleTest, PopupSlotIsLeftToADialogThatTookItMeanwhile) {
  CDialog first, second;
  std::optional<CTavorineModule::PopupSlot> later;
  {
    CTavorineModule::PopupSlot outer(*Module(), first);
    {
      CTavorineModule::PopupSlot inner(*Module(), second);
      EXPECT_EQ(&second, Module()->m_pActiveCommonDlg);
    }
    EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
    later.emplace(*Module(), second);  // e.g. a dialog run from a host call while the first runs
  }
  EXPECT_EQ(&second, Module()->m_pActiveCommonDlg);
  later.reset();
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
}

TEST_F(ModuleTest, LoadUserDataReadsRightsAndTheSavedList) {
  DataConfInfo info;
  info.csTitle = "旧会议";
  info.csURI = "sip:old@h";
  Module()->AddDataConfInfo(info);
  Module()->m_dataConfList.RemoveAll();
  VzData().rights.iFeatures = 0x1;
  EXPECT_TRUE(Module()->LoadUserData());
  EXPECT_EQ(0x1, Module()->m_dataConfRight.iFeatures);
  ASSERT_EQ(1, Module()->m_dataConfList.GetSize());
  EXPECT_EQ(CString("旧会议"), Module()->m_dataConfList[0].csTitle);
  EXPECT_TRUE(Module()->m_bDataConfLoaded);
}

TEST_F(ModuleTest, CloseReleasesTreesLeavesEverythingThenFallsSilent) {
  JoinConference("sip:conf7@ims.example.cn");  // the windows with the set-up trees exist
  Module()->AddP2PSession("sip:peer1@h", kP2PWhiteboard);
  Module()->AddP2PSession("sip:peer2@h", kP2PAssist);
  Module()->BeginDataSession();
  Host().Clear();

  Module()->Close();
  ExpectTraffic(Host(), {{kReq, kTreeUnregister},
                         {kReq, kTreeUnregister},
                         {kReq, kTreeUnregister},
                         {kMsg, kHostConfMethod},
                         {kMsg, kHostFrontWindow},
                         {kMsg, kHostConfMethod},
                         {kMsg, kHostConfMethod},
                         {kMsg, kHostEndDataSession}});
  std::set<int> trees;
  for (const host::HostEvent& e : Host().EventsWithCode(kTreeUnregister, kReq)) trees.insert(e.As<HostTreeBlock>()->nTree);
  EXPECT_EQ((std::set<int>{kTreeCreatePage, kTreeBookPage, kTreeInviteDialog}), trees);
  EXPECT_STREQ("sip:conf7@ims.example.cn", Host().ConfMethod1(0)->szConfURI);
  EXPECT_EQ(0, Host().EventsWithCode(kHostFrontWindow)[0].As<HostFrontWindowBlock>()->nValue);
  const ConfMethodRecord* whiteboard = Host().ConfMethod1(1);
  EXPECT_EQ(kConfLeave, +whiteboard->iSubType);
  EXPECT_STREQ("sip:peer1@h", whiteboard->szConfURI);
  EXPECT_EQ(kP2PWhiteboard, +whiteboard->iConfType);
  EXPECT_STREQ("sip:peer2@h", Host().ConfMethod1(2)->szConfURI);
  EXPECT_EQ(0, +Host().ConfMethod1(2)->iConfType);
  EXPECT_TRUE(Module()->IsClosing());

  Host().Clear();
  Module()->Close();
  HostPlainBlock block{77};
  EXPECT_EQ(0, Module()->OnHostMessage(kModuleMessageCategory, kModuleRightsChanged, &block));
  EXPECT_EQ(77, block.bHandled);
  EXPECT_TRUE(Host().Events().empty());
}

TEST_F(ModuleTest, CloseWithNothingRunningOnlyClearsTheFrontWindow) {
  Module()->Close();
  ExpectTraffic(Host(), {{kMsg, kHostFrontWindow}});
}

}  // namespace
