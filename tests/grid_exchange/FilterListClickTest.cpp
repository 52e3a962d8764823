// The header's filter lists opened by real clicks on a shown grid: the
// filter button of a header cell opens its column's list, a pick and a
// tick filter at once, and Enter, a click on the button again or a click
// elsewhere close it; a filter-edit cell's type button opens the type menu.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/FilterLists.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Menus.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Column 1 holds apple, pear, apple, plum in rows 1 to 4; column 0 the row.
struct TClickGrid {
  TTestForm Form{520, 320};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  std::vector<String> Events;
  TClickGrid() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 500, 300);
    Grid->SetColCount(3);
    Grid->SetRowCount(5);
    Grid->SetDefaultColWidth(110);
    const wchar_t* Fruit[] = {L"apple", L"pear", L"apple", L"plum"};
    for (Integer r = 1; r <= 4; ++r) {
      Grid->SetCells(0, r, IntToStr(r));
      Grid->SetCells(1, r, Fruit[r - 1]);
      Grid->SetCells(2, r, r % 2 ? L"red" : L"green");
    }
    Grid->SetCells(1, 0, L"Fruit");
    Grid->SetCells(2, 0, L"Colour");
    Grid->SetFilterDropDownAuto(true);
    Grid->OnFilterShow = [this](TObject*, Integer C, bool&) { Events.push_back(L"show " + IntToStr(C)); };
    Grid->OnFilterClose = [this](TObject*, Integer C) { Events.push_back(L"close " + IntToStr(C)); };
    Grid->SetFocus();
    Pump();
  }
  String Shown() {
    String S;
    for (Integer r = 1; r < Grid->RowCount(); ++r) S += (S.empty() ? L"" : L" ") + Grid->GetCells(0, r);
    return S;
  }
  // The filter button sits in the header cell's right 16 pixels.
  TPoint Button(Integer C) {
    const TRect R = Grid->CellRect(C, 0);
    return TPoint{R.Right - 9, R.Top + 8};
  }
  void ClickGrid(TPoint P) { Click(Grid, P.X, P.Y); }
  template <class TList>
  void ClickItem(TList* List, const String& Text, Integer X) {
    const Integer Index = List->Items()->IndexOf(Text);
    ASSERT_GE(Index, 0);
    const TRect R = List->ItemRect(Index);
    Click(List, X, (R.Top + R.Bottom) / 2);
    Pump();
  }
};

// The screen as it is, saved when JORV_SHOT_DIR names a folder, so that a
// person can look at what the clicks opened.
void SaveScreen(const wchar_t* Name) {
  const char* Dir = std::getenv("JORV_SHOT_DIR");
  if (!Dir) return;
  const Integer W = GetSystemMetrics(SM_CXSCREEN), H = GetSystemMetrics(SM_CYSCREEN);
  TBitmap Shot;
  Shot.SetPixelFormat(pf24bit);
  Shot.SetSize(W, H);
  HDC Screen = GetDC(nullptr);
  BitBlt(Shot.Canvas()->Handle(), 0, 0, W, H, Screen, 0, 0, SRCCOPY);
  ReleaseDC(nullptr, Screen);
  Shot.SaveToFile(String(Dir, Dir + std::strlen(Dir)) + L"\\" + Name);
}

bool MenuShown = false;

// Runs inside the menu's own loop: notes the menu window and closes it.
void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  HWND Menu = FindWindowW(L"#32768", nullptr);
  MenuShown = Menu && IsWindowVisible(Menu);
  if (Menu) UpdateWindow(Menu);
  SaveScreen(L"filter-type-menu.bmp");
  EndMenu();
}

}  // namespace

TEST(GridFilterListClick, TheFilterButtonOpensTheListAndAClickOnItAgainCloses) {
  TClickGrid G;
  G.ClickGrid(G.Button(1));
  TDropList* List = G.Grid->FilterDropList();
  ASSERT_TRUE(List->Visible());
  EXPECT_EQ(G.Grid->FilterCol(), 1);
  EXPECT_EQ(List->Items()->Count(), 4);
  EXPECT_EQ(List->Items()->Strings(0), L"(All)");
  EXPECT_EQ(List->Items()->Strings(1), L"apple");
  // Below the header cell, its right edge 16 pixels left of the cell's.
  EXPECT_EQ(List->Top(), G.Grid->CellRect(1, 0).Top + 16);
  SaveScreen(L"filter-list.bmp");
  G.ClickGrid(G.Button(1));
  EXPECT_FALSE(List->Visible());
  EXPECT_EQ(G.Grid->FilterCol(), -1);
  // Elsewhere in the header cell no list opens.
  const TRect Header = G.Grid->CellRect(2, 0);
  G.ClickGrid(TPoint{Header.Left + 20, Header.Top + 8});
  EXPECT_FALSE(List->Visible());
  EXPECT_EQ(G.Events, (std::vector<String>{L"show 1", L"close 1"}));
}

// Without filter lists a header's right edge is part of the header: a
// click there sorts and opens no list.
TEST(GridFilterListClick, AHeaderWithoutAFilterButtonSortsOnItsRightEdge) {
  TClickGrid G;
  G.Grid->SetFilterDropDownAuto(false);
  G.Grid->SortSettings()->SetShow(true);
  G.ClickGrid(G.Button(1));
  EXPECT_EQ(G.Grid->FilterCol(), -1);
  EXPECT_TRUE(G.Events.empty());
  String Column;
  for (Integer r = 1; r <= 4; ++r) Column += G.Grid->GetCells(1, r) + L" ";
  EXPECT_EQ(Column, L"apple apple pear plum ");
}

TEST(GridFilterListClick, APickFiltersAtOnceAndTheNextButtonSwitchesColumns) {
  TClickGrid G;
  G.ClickGrid(G.Button(1));
  G.ClickItem(G.Grid->FilterDropList(), L"apple", 20);
  EXPECT_FALSE(G.Grid->FilterDropList()->Visible());
  EXPECT_EQ(G.Shown(), L"1 3");
  // A click on another column's button closes the first list and opens its own.
  G.ClickGrid(G.Button(2));
  EXPECT_EQ(G.Grid->FilterCol(), 2);
  G.ClickGrid(G.Button(1));
  EXPECT_EQ(G.Grid->FilterCol(), 1);
  KeyPress(G.Grid->FilterDropList(), VK_DOWN);
  KeyPress(G.Grid->FilterDropList(), VK_DOWN);
  KeyPress(G.Grid->FilterDropList(), VK_RETURN);
  Pump();
  EXPECT_FALSE(G.Grid->FilterDropList()->Visible());
  EXPECT_EQ(G.Shown(), L"2");
}

TEST(GridFilterListClick, TicksFilterAtOnceAndAClickOnACellCloses) {
  TClickGrid G;
  G.Grid->SetFilterDropDownCheck(true);
  G.ClickGrid(G.Button(1));
  TDropCheckList* List = G.Grid->FilterDropCheckList();
  ASSERT_TRUE(List->Visible());
  G.ClickItem(List, L"pear", 8);
  G.ClickItem(List, L"plum", 8);
  EXPECT_TRUE(List->Visible());
  EXPECT_EQ(G.Shown(), L"2 4");
  SaveScreen(L"filter-checklist.bmp");
  const TRect Cell = G.Grid->CellRect(0, 1);
  G.ClickGrid(TPoint{Cell.Left + 5, Cell.Top + 5});
  EXPECT_FALSE(List->Visible());
  EXPECT_EQ(G.Grid->FilterCol(), -1);
  // Opened again, the list shows the column's chosen values ticked.
  G.ClickGrid(G.Button(1));
  ASSERT_TRUE(List->Visible());
  for (Integer i = 0; i < List->Items()->Count(); ++i)
    EXPECT_EQ(List->Checked(i), List->Items()->Strings(i) != L"apple") << i;
}

TEST(GridFilterListClick, TheFilterButtonNeverSorts) {
  TClickGrid G;
  G.Grid->SortSettings()->SetShow(true);
  G.ClickGrid(G.Button(1));
  EXPECT_EQ(G.Grid->SortSettings()->Column(), -1);
  G.Grid->HideFilterLists();
  const TRect Header = G.Grid->CellRect(1, 0);
  G.ClickGrid(TPoint{Header.Left + 20, Header.Top + 8});
  EXPECT_EQ(G.Grid->SortSettings()->Column(), 1);
  EXPECT_EQ(G.Grid->GetCells(1, 4), L"plum");
}

// The menu runs its own loop; a timer inside it looks and closes it.
TEST(GridFilterListClick, TheTypeButtonOfAFilterEditCellOpensTheTypeMenu) {
  TClickGrid G;
  G.Grid->SetFilterDropDownAuto(false);
  G.Grid->FilterEdit()->SetEnabled(true);
  MenuShown = false;
  TPopupMenu* Menu = G.Grid->FilterTypeMenu();
  auto Captions = Menu->OnPopup;
  Menu->OnPopup = [Captions](TObject* Sender) {
    if (Captions) Captions(Sender);
    SetTimer(nullptr, 0, 20, LookAtMenu);
  };
  const TRect Cell = G.Grid->CellRect(2, 0);
  G.ClickGrid(TPoint{Cell.Left + 6, Cell.Top + 6});
  EXPECT_TRUE(MenuShown);
  EXPECT_EQ(G.Grid->FilterTypeMenu()->Tag(), 2);
  EXPECT_EQ(G.Grid->FilterTypeMenu()->Items()->Items(1)->Caption(), L"Ends with");
}
