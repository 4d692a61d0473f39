// Menus: building and loading, item states, and popups answered inside the modal loop.
#include <gtest/gtest.h>

#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"
#include "tests/support/DesktopTest.h"

using platform::Menus;
using platform::ModalKind;
using platform::ModalState;

namespace {

// Like the assistance bar's menu: one popup holding a submenu and commands.
const UINT kMenuId = 799;

class Owner : public CWnd {
 public:
  std::vector<UINT> commands;
  int initPopups = 0;
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    commands.push_back(LOWORD(wParam));
    return TRUE;
  }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_INITMENUPOPUP) {
      ++initPopups;
      // The owner greys an item just before the popup shows, as command-update handlers do.
      ::EnableMenuItem((HMENU)wParam, 13479, MF_BYCOMMAND | MF_GRAYED);
    }
    return CWnd::WindowProc(msg, wParam, lParam);
  }
};

class MenuTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    platform::MenuItemTemplate transparency = {
        MF_POPUP, 0, "透明度", {{0, 13481, "不透明", {}}, {0, 13482, "20%", {}}, {0, 13486, "完全透明", {}}}};
    platform::RegisterMenuTemplate(kMenuId, {{MF_POPUP, 0, "VNC_TIP",
                                              {transparency,
                                               {0, 13478, "打开(&O)", {}},
                                               {0, 13479, "隐藏(&H)", {}},
                                               {MF_SEPARATOR, 0, nullptr, {}},
                                               {0, 13488, "结束请求协助(&C)", {}}}}});
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  }
  Owner owner;
};

TEST_F(MenuTest, LoadedMenuHasTheTemplatesItems) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(kMenuId));
  CMenu* popup = menu.GetSubMenu(0);
  ASSERT_NE(nullptr, popup);
  EXPECT_EQ(5, popup->GetMenuItemCount());
  EXPECT_EQ((UINT)-1, popup->GetMenuItemID(0));  // the submenu
  EXPECT_EQ(13478u, popup->GetMenuItemID(1));
  EXPECT_EQ(0u, popup->GetMenuItemID(3));  // the separator
  EXPECT_EQ(3, popup->GetSubMenu(0)->GetMenuItemCount());
  CString text;
  popup->GetMenuString(13486, text, MF_BYCOMMAND);  // found inside the submenu
  EXPECT_EQ("完全透明", text);
  EXPECT_FALSE(menu.LoadMenu(kMenuId));  // already holds one
  CMenu missing;
  EXPECT_FALSE(missing.LoadMenu(12345));
}

TEST_F(MenuTest, ItemStatesByCommandAndByPosition) {
  CMenu menu;
  menu.LoadMenu(kMenuId);
  CMenu* popup = menu.GetSubMenu(0);
  EXPECT_EQ(0u, popup->EnableMenuItem(13488, MF_BYCOMMAND | MF_GRAYED));
  EXPECT_EQ((UINT)MF_GRAYED, popup->EnableMenuItem(13488, MF_BYCOMMAND | MF_ENABLED));
  EXPECT_EQ((UINT)-1, popup->EnableMenuItem(99999, MF_BYCOMMAND | MF_GRAYED));
  popup->CheckMenuItem(1, MF_BYPOSITION | MF_CHECKED);
  EXPECT_EQ((UINT)MF_CHECKED, popup->GetMenuState(13478, MF_BYCOMMAND));
  EXPECT_TRUE(popup->CheckMenuRadioItem(13481, 13486, 13482, MF_BYCOMMAND));
  EXPECT_EQ((UINT)(MF_CHECKED | MFT_RADIOCHECK), popup->GetMenuState(13482, MF_BYCOMMAND));
  EXPECT_EQ(0u, popup->GetMenuState(13481, MF_BYCOMMAND));
  // Deleting by command and by position, as the bar does before it shows the menu.
  EXPECT_TRUE(popup->DeleteMenu(13478, MF_BYCOMMAND));
  EXPECT_TRUE(popup->DeleteMenu(0, MF_BYPOSITION));  // the submenu, destroyed with it
  EXPECT_EQ((UINT)-1, popup->GetMenuState(13486, MF_BYCOMMAND));
  EXPECT_EQ(3, popup->GetMenuItemCount());
  EXPECT_TRUE(popup->InsertMenu(0, MF_BYPOSITION, 1, "首"));
  EXPECT_TRUE(popup->AppendMenu(MF_STRING, 2, "尾"));
  EXPECT_EQ(1u, popup->GetMenuItemID(0));
  EXPECT_EQ(2u, popup->GetMenuItemID(4));
}

TEST_F(MenuTest, ReturnCmdGivesTheChosenCommandAndPostsNothing) {
  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_STRING, 13457, "查看(&S)");
  menu.AppendMenu(MF_STRING | MF_GRAYED, 13458, "删除(&D)");
  OnceInModal(ModalKind::Menu, [&](const ModalState& state) {
    EXPECT_EQ(owner.m_hWnd, state.window);
    EXPECT_FALSE(Menus::Choose(13458));  // greyed
    EXPECT_FALSE(Menus::Choose(4242));   // not in the menu
    EXPECT_TRUE(Menus::Choose(13457));
  });
  EXPECT_EQ(13457, menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, 50, 60, &owner));
  Pump();
  EXPECT_TRUE(owner.commands.empty());
  ASSERT_EQ(1u, Menus::Shown().size());
  const platform::MenuRecord& shown = Menus::Shown()[0];
  EXPECT_EQ(50, shown.at.x);
  EXPECT_EQ((UINT)MF_GRAYED, shown.Find(13458)->state & MF_GRAYED);
  EXPECT_EQ("查看(&S)", shown.Find(13457)->text);
}

TEST_F(MenuTest, WithoutReturnCmdTheCommandIsPostedToTheOwner) {
  CMenu menu;
  menu.LoadMenu(kMenuId);
  OnceInModal(ModalKind::Menu, [&](const ModalState&) {
    EXPECT_FALSE(Menus::Choose(13479));  // greyed by the owner's WM_INITMENUPOPUP
    EXPECT_TRUE(Menus::Choose(13482));   // in the submenu
    EXPECT_TRUE(owner.commands.empty());  // not before the popup has closed
  });
  EXPECT_TRUE(menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, 10, 10, &owner));
  EXPECT_EQ(1, owner.initPopups);
  EXPECT_TRUE(owner.commands.empty());  // posted, not sent
  Pump();
  EXPECT_EQ(std::vector<UINT>{13482}, owner.commands);
}

TEST_F(MenuTest, DismissedPopupsChooseNothing) {
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, 13434, "删除(&D)");
  OnceInModal(ModalKind::Menu, [](const ModalState&) { EXPECT_TRUE(Menus::Dismiss()); });
  EXPECT_EQ(0, menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner));
  // Esc closes it as well; without a hook answer the script decides, then it is dismissed.
  OnceInModal(ModalKind::Menu, [](const ModalState&) { platform::user::PressEscape(); });
  EXPECT_EQ(0, menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner));
  Menus::Script(13434);
  EXPECT_EQ(13434, menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner));
  EXPECT_TRUE(menu.TrackPopupMenu(0, 0, 0, &owner));
  Pump();
  EXPECT_TRUE(owner.commands.empty());
  EXPECT_EQ(4u, Menus::Shown().size());
}

TEST_F(MenuTest, InvalidPopupsAreRefusedWithoutALoop) {
  CMenu empty;
  empty.CreatePopupMenu();
  EXPECT_FALSE(empty.TrackPopupMenu(0, 0, 0, &owner));
  empty.AppendMenu(MF_STRING, 1, "x");
  EXPECT_FALSE(empty.TrackPopupMenu(0, 0, 0, nullptr));
  HMENU gone = empty.Detach();
  DestroyMenu(gone);
  EXPECT_FALSE(TrackPopupMenu(gone, 0, 0, 0, 0, owner.m_hWnd, nullptr));
  EXPECT_EQ(nullptr, CMenu::FromHandle(gone));
  EXPECT_TRUE(Menus::Shown().empty());
}

}  // namespace
