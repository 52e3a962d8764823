// The inplace combo's notifications on a shown grid: a changed choice, the
// list dropping down and closing up raise the grid's combo events, and
// with DirectComboClose closing the list takes the choice at once.
#include <gtest/gtest.h>

#include "grid/base/GrdComboBox.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TComboGrid {
  TTestForm Form{420, 240};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  std::vector<String> Events;
  TComboGrid() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 400, 200);
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SetOptions(Grid->Options() + goEditing);
    Grid->SetCells(1, 1, L"abc");
    Grid->OnGetEditorType = [](TObject*, Integer, Integer, TEditorType& Editor) { Editor = edComboList; };
    Grid->OnGetEditorProp = [this](TObject*, Integer, Integer, TEditLink*) {
      Grid->ClearComboString();
      for (const wchar_t* S : {L"abc", L"def", L"ghi"}) Grid->AddComboString(S);
    };
    Grid->OnComboChange = [this](TObject*, Integer C, Integer R, Integer I, const String& S) {
      Events.push_back(L"change " + IntToStr(C) + L"," + IntToStr(R) + L":" + IntToStr(I) + L" " + S);
    };
    Grid->OnComboDropDown = [this](TObject*, Integer R, Integer C) {
      Events.push_back(L"drop " + IntToStr(R) + L"," + IntToStr(C));
    };
    Grid->OnComboCloseUp = [this](TObject*, Integer R, Integer C) {
      Events.push_back(L"closeup " + IntToStr(R) + L"," + IntToStr(C));
    };
    Grid->SetFocus();
    Pump();
    Grid->SetCol(1);
    Grid->SetRow(1);
  }
  void Key(Word VK, bool Alt = false) {
    HWND Target = GetFocus();
    const UINT Scan = MapVirtualKeyW(VK, 0);
    const UINT Down = Alt ? WM_SYSKEYDOWN : WM_KEYDOWN, Up = Alt ? WM_SYSKEYUP : WM_KEYUP;
    const LPARAM Context = Alt ? 0x20000000 : 0;
    PostMessageW(Target, Down, VK, 1 | (Scan << 16) | Context);
    PostMessageW(Target, Up, VK, 1 | (Scan << 16) | 0xC0000000 | Context);
    Pump(20);
  }
  // The combo's own notification, as the control sends it to its parent.
  void Notify(Word Code) {
    TWinControl* Combo = Grid->Combobox();
    SendMessageW(Grid->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Combo->Handle()), Code),
                 reinterpret_cast<LPARAM>(Combo->Handle()));
    Pump();
  }
};

}  // namespace

TEST(GridComboNotifications, ChoiceDropDownAndCloseUpRaiseTheComboEvents) {
  TComboGrid G;
  G.Key(VK_F2);
  ASSERT_EQ(static_cast<TWinControl*>(G.Grid->Combobox()), G.Grid->EditCtrl());
  G.Events.clear();
  G.Key(VK_DOWN);
  SendMessageW(G.Grid->Combobox()->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  SendMessageW(G.Grid->Combobox()->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  Pump();
  EXPECT_EQ(G.Events, (std::vector<String>{L"change 1,1:1 def", L"drop 1,1", L"closeup 1,1"}));
  EXPECT_TRUE(G.Grid->EditMode());
  G.Key(VK_ESCAPE);
}

TEST(GridComboNotifications, DirectComboCloseTakesTheChoiceWhenTheListCloses) {
  TComboGrid G;
  G.Grid->MouseActions()->SetDirectComboClose(true);
  G.Key(VK_F2);
  G.Grid->Combobox()->SetItemIndex(2);
  G.Events.clear();
  G.Notify(CBN_CLOSEUP);
  EXPECT_EQ(G.Events, (std::vector<String>{L"change 1,1:2 ghi", L"closeup 1,1"}));
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_EQ(G.Grid->GetCells(1, 1), L"ghi");
  EXPECT_TRUE(G.Grid->Focused());
}
