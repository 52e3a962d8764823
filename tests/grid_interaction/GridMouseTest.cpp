// Real mouse input on a shown grid: presses, releases and double clicks
// sent at cell coordinates, and what they do to the cells, the selection,
// the sort order, the links and the events.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ShellOpen.h"
#include "tests/support/FixedClock.h"
#include "tests/support/grid/MouseGrid.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Five columns, one fixed row and column; column 1 holds "b c a d" in
// rows 1 to 4, the other cells "column:row".
struct TMouseGrid : TShownMouseGrid<> {
  TMouseGrid() {
    const wchar_t* Letters[] = {L"b", L"c", L"a", L"d"};
    for (Integer r = 1; r <= 4; ++r) Grid->SetCells(1, r, Letters[r - 1]);
    Pump();
  }
  String Column(Integer C) {
    String S;
    for (Integer r = Grid->FixedRows(); r < Grid->RowCount(); ++r) S += Grid->GetCells(C, r);
    return S;
  }
  void ClickCell(Integer C, Integer R, WPARAM Keys = 0) { ClickAt(At(C, R), Keys); }
  void DoubleClickAt(TPoint P) {
    ClickAt(P);
    Send(WM_LBUTTONDBLCLK, P, MK_LBUTTON);
    Send(WM_LBUTTONUP, P);
  }
  void SortableHeader() {
    Grid->SortSettings()->SetShow(true);
    Grid->OnClickSort = [this](TObject*, Integer C) { Events.push_back(L"sort " + IntToStr(C)); };
  }
};

}  // namespace

TEST(GridMouseSort, ClicksOnAHeaderCycleAscendingDescendingAndUnsorted) {
  TMouseGrid F;
  F.SortableHeader();
  F.Grid->SortSettings()->SetUndoSort(true);
  F.ClickCell(1, 0);
  EXPECT_EQ(F.Column(1), L"abcd");
  F.ClickCell(1, 0);
  EXPECT_EQ(F.Column(1), L"dcba");
  EXPECT_EQ(F.Grid->SortSettings()->Direction(), sdDescending);
  F.ClickCell(1, 0);
  EXPECT_EQ(F.Column(1), L"bcad");
  EXPECT_EQ(F.Grid->SortSettings()->Column(), -1);
  EXPECT_EQ(F.Events, (std::vector<String>{L"sort 1", L"sort 1", L"sort -1"}));
  // Without UndoSort a click on another column starts ascending there.
  F.Grid->SortSettings()->SetUndoSort(false);
  F.ClickCell(2, 0);
  F.ClickCell(1, 0);
  F.ClickCell(1, 0);
  EXPECT_EQ(F.Column(1), L"dcba");
}

TEST(GridMouseSort, ClicksThatDoNotSort) {
  auto HeaderClick = [](TMouseGrid& F) { F.ClickCell(1, 0); };
  const struct {
    const char* Name;
    std::function<void(TMouseGrid&)> Setup;
    std::function<void(TMouseGrid&)> Act;
  } Cases[] = {
      {"press in the header, release in a row", [](TMouseGrid&) {},
       [](TMouseGrid& F) {
         F.Send(WM_LBUTTONDOWN, F.At(1, 0), MK_LBUTTON);
         F.Send(WM_LBUTTONUP, F.At(1, 2));
       }},
      {"release on a header border with column sizing",
       [](TMouseGrid& F) { F.Grid->SetOptions(F.Grid->Options() + goColSizing); },
       [](TMouseGrid& F) { F.ClickAt(F.At(1, 0, 62)); }},
      {"OnCanSort refuses",
       [](TMouseGrid& F) { F.Grid->OnCanSort = [](TObject*, Integer, bool& DoSort) { DoSort = false; }; },
       HeaderClick},
      {"an ignored column", [](TMouseGrid& F) { F.Grid->IgnoredColumns()->Add(1); }, HeaderClick},
      {"two rows or fewer", [](TMouseGrid& F) { F.Grid->SetRowCount(2); }, HeaderClick},
      {"a click on a normal cell", [](TMouseGrid&) {}, [](TMouseGrid& F) { F.ClickCell(1, 2); }},
  };
  for (const auto& C : Cases) {
    TMouseGrid F;
    F.SortableHeader();
    C.Setup(F);
    const String Before = F.Column(1);
    C.Act(F);
    EXPECT_EQ(F.Column(1), Before) << C.Name;
    EXPECT_TRUE(F.Events.empty()) << C.Name;
  }
}

TEST(GridMouseSort, TheIndexKeyAddsAndTogglesColumnsOfAMultiColumnSort) {
  TMouseGrid F;
  F.SortableHeader();
  F.Grid->SortSettings()->SetIndexShow(true);
  for (Integer r = 1; r <= 4; ++r) F.Grid->SetCells(2, r, r % 2 ? L"x" : L"y");
  F.ClickCell(2, 0);
  EXPECT_EQ(F.Grid->SortIndexes()->SaveToString(), L"u2");
  F.ClickCell(1, 0, MK_SHIFT);
  EXPECT_EQ(F.Grid->SortIndexes()->SaveToString(), L"u2;u1");
  // Rows x: b a, rows y: c d; by column 2, then column 1.
  EXPECT_EQ(F.Column(1), L"abcd");
  F.ClickCell(1, 0, MK_SHIFT);
  EXPECT_EQ(F.Grid->SortIndexes()->SaveToString(), L"u2;d1");
  EXPECT_EQ(F.Column(1), L"badc");
  // A plain click on another column starts a new list; on the only one it toggles.
  F.ClickCell(1, 0);
  EXPECT_EQ(F.Grid->SortIndexes()->SaveToString(), L"u1");
  F.ClickCell(1, 0);
  EXPECT_EQ(F.Grid->SortIndexes()->SaveToString(), L"d1");
  EXPECT_EQ(F.Column(1), L"dcba");
}

TEST(GridMouseDoubleClick, AHeaderBorderSizesTheColumnAndTheReleaseDoesNotSort) {
  TMouseGrid F;
  F.SortableHeader();
  F.Grid->SetWordWrap(false);
  F.Grid->SetOptions(F.Grid->Options() + goColSizing);
  F.Grid->SetCells(2, 3, L"a much longer text than the column shows");
  std::vector<Integer> Sized;
  F.Grid->OnEndColumnSize = [&](TObject*, Integer C) { Sized.push_back(C); };
  // The first click of a double click on a border starts a sizing of its own.
  auto DoubleClick = [&](TPoint P) {
    F.ClickAt(P);
    Sized.clear();
    F.Send(WM_LBUTTONDBLCLK, P, MK_LBUTTON);
    F.Send(WM_LBUTTONUP, P);
  };
  const TRect Header = F.Grid->CellRect(2, 0);
  DoubleClick(TPoint{Header.Right - 1, Header.Top + 5});
  EXPECT_GT(F.Grid->GetColWidths(2), 150);
  EXPECT_EQ(Sized, std::vector<Integer>{2});
  // The left border of the first normal column has a fixed column left of it.
  const TRect First = F.Grid->CellRect(1, 0);
  DoubleClick(TPoint{First.Left + 1, First.Top + 5});
  EXPECT_EQ(F.Grid->GetColWidths(1), 64);
  EXPECT_TRUE(Sized.empty());
  EXPECT_TRUE(F.Events.empty());
}

TEST(GridMouseClick, CellEventsComeRowFirstAndOnCanClickCellStopsAll) {
  TMouseGrid F;
  F.Grid->OnClickCell = [&](TObject*, Integer R, Integer C) { F.Events.push_back(L"click " + IntToStr(R) + L"," + IntToStr(C)); };
  F.Grid->OnDblClickCell = [&](TObject*, Integer R, Integer C) { F.Events.push_back(L"dbl " + IntToStr(R) + L"," + IntToStr(C)); };
  F.Grid->OnRightClickCell = [&](TObject*, Integer R, Integer C) { F.Events.push_back(L"right " + IntToStr(R) + L"," + IntToStr(C)); };
  F.Grid->OnFixedCellClick = [&](TObject*, Integer C, Integer R) { F.Events.push_back(L"fixed " + IntToStr(C) + L"," + IntToStr(R)); };
  F.ClickCell(3, 2);
  EXPECT_EQ(F.Grid->Col(), 3);
  EXPECT_EQ(F.Grid->Row(), 2);
  F.DoubleClickAt(F.At(2, 1));
  F.ClickCell(2, 0);
  F.Send(WM_RBUTTONDOWN, F.At(4, 3), MK_RBUTTON);
  F.Send(WM_RBUTTONUP, F.At(4, 3));
  F.Send(WM_RBUTTONDOWN, TPoint{390, 230}, MK_RBUTTON);
  F.Send(WM_RBUTTONUP, TPoint{390, 230});
  EXPECT_EQ(F.Events, (std::vector<String>{L"click 2,3", L"click 1,2", L"dbl 1,2", L"click 0,2", L"fixed 2,0",
                                           L"right 3,4", L"right -1,-1"}));
  F.Events.clear();
  F.Grid->OnCanClickCell = [](TObject*, Integer, Integer, bool& Allow) { Allow = false; };
  F.ClickCell(4, 4);
  EXPECT_TRUE(F.Events.empty());
  EXPECT_EQ(F.Grid->Col(), 2);
  EXPECT_EQ(F.Grid->Row(), 1);
}

TEST(GridMouseClick, CheckBoxesToggleAndAHeaderBoxWithCheckAllSetsTheColumn) {
  TMouseGrid F;
  F.Grid->SetOptions(F.Grid->Options() + goEditing);
  F.Grid->MouseActions()->SetPreciseCheckBoxCheck(true);
  F.Grid->AddCheckBoxColumn(3, false, false);
  F.Grid->AddCheckBox(3, 0, false, false);
  std::vector<String> Clicks;
  F.Grid->OnCheckBoxClick = [&](TObject*, Integer C, Integer R, bool State) {
    Clicks.push_back(IntToStr(C) + L"," + IntToStr(R) + (State ? L"+" : L"-"));
  };
  auto BoxPoint = [&](Integer C, Integer R) {
    const TRect Cell = F.Grid->CellRect(C, R);
    for (Integer y = Cell.Top; y < Cell.Bottom; ++y)
      for (Integer x = Cell.Left; x < Cell.Right; ++x)
        if (F.Grid->IsInCheckBox(C, R, x, y)) return TPoint{x + 2, y + 2};
    return TPoint{-1, -1};
  };
  const TPoint Box = BoxPoint(3, 2);
  ASSERT_GE(Box.X, 0);
  F.ClickAt(Box);
  EXPECT_TRUE(F.Grid->IsChecked(3, 2));
  F.ClickAt(Box);
  EXPECT_FALSE(F.Grid->IsChecked(3, 2));
  // Beside the box the cell is only selected.
  F.ClickAt(TPoint{F.Grid->CellRect(3, 2).Right - 3, Box.Y});
  EXPECT_FALSE(F.Grid->IsChecked(3, 2));
  F.Grid->MouseActions()->SetCheckAllCheck(true);
  F.ClickAt(BoxPoint(3, 0));
  for (Integer r = 1; r <= 4; ++r) EXPECT_TRUE(F.Grid->IsChecked(3, r)) << r;
  EXPECT_EQ(Clicks, (std::vector<String>{L"3,2+", L"3,2-", L"3,0+"}));
}

TEST(GridMouseClick, ARatingTakesHalfAStarPerNinePixels) {
  const struct {
    Integer X;
    double Rate;
  } Cases[] = {{0, 0}, {8, 0}, {9, 0.5}, {17, 0.5}, {18, 1}, {26, 1}, {27, 1.5}};
  for (const auto& C : Cases) {
    TMouseGrid F;
    F.Grid->SetOptions(F.Grid->Options() + goEditing);
    F.Grid->AddRating(2, 2, 5, clYellow, clGray);
    F.ClickAt(F.At(2, 2, C.X));
    EXPECT_EQ(F.Grid->GetFloats(2, 2), C.Rate) << C.X;
  }
}

TEST(GridMouseClick, ACellButtonClicksOnReleaseOverItOnly) {
  TMouseGrid F;
  F.Grid->SetOptions(F.Grid->Options() + goEditing);
  F.Grid->AddButton(2, 2, 40, 18, L"Go", haLeft, vaTop);
  std::vector<String> Clicks;
  F.Grid->OnButtonClick = [&](TObject*, Integer C, Integer R) { Clicks.push_back(IntToStr(C) + L"," + IntToStr(R)); };
  F.Grid->OnDblClickCell = [&](TObject*, Integer, Integer) { Clicks.push_back(L"dbl"); };
  const TRect Button = F.Grid->GetCellButtonRect(2, 2);
  const TPoint On{Button.Left + 5, Button.Top + 5};
  F.Send(WM_LBUTTONDOWN, On, MK_LBUTTON);
  EXPECT_EQ(F.Grid->PushedCellButton(), (TPoint{2, 2}));
  F.Send(WM_LBUTTONUP, On);
  EXPECT_EQ(F.Grid->PushedCellButton(), (TPoint{-1, -1}));
  F.Send(WM_LBUTTONDOWN, On, MK_LBUTTON);
  F.Send(WM_LBUTTONUP, F.At(3, 3));
  F.Send(WM_LBUTTONDBLCLK, On, MK_LBUTTON);
  F.Send(WM_LBUTTONUP, On);
  EXPECT_EQ(Clicks, (std::vector<String>{L"2,2"}));
  // Beside the button the press is a press on the cell.
  F.ClickAt(TPoint{F.Grid->CellRect(2, 2).Right - 4, Button.Top + 5});
  EXPECT_EQ(F.Grid->Col(), 2);
  EXPECT_EQ(F.Grid->Row(), 2);
}

// Cells hold data: only web and mail links reach the shell, never a
// program or a path.
TEST(GridMouseLinks, OnlyWebAndMailLinksOfCellsAreOpened) {
  std::vector<String> Opened;
  auto Old = SetShellOpenHandler([&](const String& A) { Opened.push_back(A); });
  const struct {
    const wchar_t* Text;
    bool URLShow;
    bool Opens;
  } Cases[] = {{L"http://example.org/a", true, true},       {L"mailto:someone@example.org", true, true},
               {L"file://C:/Windows/notepad.exe", true, false}, {L"x://calc.exe", true, false},
               {L"C:\\tools\\run.bat mailto:", true, false},  {L"http://example.org/b", false, false}};
  for (size_t i = 0; i < std::size(Cases); ++i) {
    const auto& C = Cases[i];
    TMouseGrid F;
    F.Grid->SetURLShow(C.URLShow);
    F.Grid->SetCells(2, 2, C.Text);
    Opened.clear();
    F.ClickCell(2, 2);
    EXPECT_EQ(Opened, C.Opens ? std::vector<String>{C.Text} : std::vector<String>{}) << "case " << i;
  }
  TMouseGrid F;
  F.Grid->SetURLShow(true);
  F.Grid->SetCells(2, 2, L"http://example.org/c");
  F.Grid->OnAnchorClick = [](TObject*, Integer, Integer, const String&, bool& AutoHandle) { AutoHandle = false; };
  Opened.clear();
  F.ClickCell(2, 2);
  EXPECT_TRUE(Opened.empty());
  SetShellOpenHandler(Old);
}

TEST(GridMouseLinks, ACellAnchorMovesToTheCellItNames) {
  const struct {
    const wchar_t* Ref;
    Integer Col;
    Integer Row;
  } Cases[] = {{L"CELL://R3C4", 4, 3}, {L"cell://r2c3", 3, 2}, {L"CELL://nowhere", 1, 1}};
  for (const auto& C : Cases) {
    TMouseGrid F;
    F.Grid->SetCells(2, 4, String(L"<a href=\"") + C.Ref + L"\">go</a>");
    F.Grid->SetRow(1);
    F.Grid->SetCol(1);
    F.ClickAt(F.At(2, 4, 6, 8));
    EXPECT_EQ(F.Grid->Col(), C.Col) << C.Ref;
    EXPECT_EQ(F.Grid->Row(), C.Row) << C.Ref;
  }
}

TEST(GridMouseSelect, CtrlClicksMakeDisjunctRowsAndCells) {
  TMouseGrid F;
  F.Grid->MouseActions()->SetDisjunctRowSelect(true);
  F.ClickCell(2, 1);
  F.ClickCell(2, 3, MK_CONTROL);
  F.ClickCell(3, 4, MK_CONTROL);
  EXPECT_EQ(F.Grid->RowSelectCount(), 3);
  F.ClickCell(2, 3, MK_CONTROL);
  EXPECT_FALSE(F.Grid->IsSelected(2, 3));
  EXPECT_TRUE(F.Grid->IsSelected(1, 4));
  F.ClickCell(2, 2);
  EXPECT_EQ(F.Grid->RowSelectCount(), 1);
  EXPECT_TRUE(F.Grid->IsSelected(4, 2));

  TMouseGrid G;
  G.Grid->MouseActions()->SetDisjunctCellSelect(true);
  G.ClickCell(1, 1);
  G.ClickCell(3, 2, MK_CONTROL);
  G.ClickCell(4, 4, MK_CONTROL);
  EXPECT_EQ(G.Grid->SelectedCellsCount(), 3);
  G.ClickCell(3, 2, MK_CONTROL);
  EXPECT_EQ(G.Grid->SelectedCellsCount(), 2);
  EXPECT_FALSE(G.Grid->IsSelected(3, 2));
  EXPECT_TRUE(G.Grid->IsSelected(4, 4));
  G.ClickCell(2, 2);
  EXPECT_EQ(G.Grid->SelectedCellsCount(), 1);
  EXPECT_TRUE(G.Grid->IsSelected(2, 2));
}

TEST(GridMouseSelect, FixedCellsSelectTheirRowColumnOrAll) {
  TMouseGrid F;
  F.Grid->MouseActions()->SetRowSelect(true);
  F.Grid->MouseActions()->SetColSelect(true);
  F.Grid->MouseActions()->SetAllSelect(true);
  const struct {
    Integer Col;
    Integer Row;
    TRezIvevirAvod::TMouseSelectMode Mode;
    TGridRect Selected;
  } Cases[] = {{0, 2, TRezIvevirAvod::msRow, {1, 2, 4, 2}},
               {3, 0, TRezIvevirAvod::msColumn, {3, 1, 3, 4}},
               {0, 0, TRezIvevirAvod::msAll, {1, 1, 4, 4}}};
  for (const auto& C : Cases) {
    F.Send(WM_MOUSEMOVE, F.At(C.Col, C.Row));
    EXPECT_EQ(F.Grid->MouseSelectMode(), C.Mode);
    F.Send(WM_LBUTTONDOWN, F.At(C.Col, C.Row), MK_LBUTTON);
    F.Send(WM_LBUTTONUP, F.At(C.Col, C.Row));
    EXPECT_EQ(F.Grid->Selection(), C.Selected) << C.Col << "," << C.Row;
  }
  // Dragging down the fixed column extends the row selection.
  F.Send(WM_MOUSEMOVE, F.At(0, 1));
  F.Send(WM_LBUTTONDOWN, F.At(0, 1), MK_LBUTTON);
  F.Send(WM_MOUSEMOVE, F.At(0, 3), MK_LBUTTON);
  F.Send(WM_LBUTTONUP, F.At(0, 3));
  EXPECT_EQ(F.Grid->Selection(), (TGridRect{1, 1, 4, 3}));
  // The cursor shows the select mode.
  F.Send(WM_MOUSEMOVE, F.At(3, 0));
  SendMessageW(F.Grid->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(F.Grid->Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  F.Send(WM_MOUSEMOVE, F.At(3, 3));
  EXPECT_EQ(F.Grid->MouseSelectMode(), TRezIvevirAvod::msNormal);
}

TEST(GridMouseMove, ADraggedHeaderMovesItsColumnAndTheSortColumnFollows) {
  TMouseGrid F;
  F.SortableHeader();
  F.Grid->SetOptions(F.Grid->Options() + goColMoving);
  F.Grid->SortSettings()->SetColumn(3);
  F.Send(WM_LBUTTONDOWN, F.At(1, 0), MK_LBUTTON);
  F.Send(WM_MOUSEMOVE, F.At(2, 0), MK_LBUTTON);
  F.Send(WM_MOUSEMOVE, F.At(3, 0), MK_LBUTTON);
  F.Send(WM_LBUTTONUP, F.At(3, 0));
  EXPECT_EQ(F.Grid->GetCells(3, 2), L"c");
  EXPECT_EQ(F.Grid->GetCells(1, 2), L"2:2");
  EXPECT_EQ(F.Grid->SortSettings()->Column(), 2);
  // The release that ends a move does not sort.
  EXPECT_TRUE(F.Events.empty());
}

TEST(GridMouseMove, TheSortColumnFollowsMovedColumns) {
  const struct {
    Integer From, To, Sorted, After;
  } Cases[] = {{2, 5, 3, 2}, {2, 5, 2, 5}, {2, 5, 5, 4}, {2, 5, 6, 6}, {5, 2, 2, 3}, {5, 2, 5, 2}, {5, 2, 1, 1}};
  for (const auto& C : Cases) {
    TRezIvevirAvod Grid(nullptr);
    Grid.SetColCount(8);
    Grid.SortSettings()->SetColumn(C.Sorted);
    Grid.MoveColumn(C.From, C.To);
    EXPECT_EQ(Grid.SortSettings()->Column(), C.After) << C.From << ">" << C.To << " sorted " << C.Sorted;
  }
}

TEST(GridMouseMove, SizingAHeaderBySizesEveryColumnAlikeWithAllColumnSizeAndDoesNotSort) {
  TMouseGrid F;
  F.SortableHeader();
  F.Grid->SetOptions(F.Grid->Options() + goColSizing);
  F.Grid->MouseActions()->SetAllColumnSize(true);
  std::vector<Integer> Ended;
  F.Grid->OnEndColumnSize = [&](TObject*, Integer C) { Ended.push_back(C); };
  const TRect Header = F.Grid->CellRect(1, 0);
  const TPoint From{Header.Right, Header.Top + 8}, To{Header.Right + 64, Header.Top + 8};
  F.Send(WM_MOUSEMOVE, From);
  F.Send(WM_LBUTTONDOWN, From, MK_LBUTTON);
  F.Send(WM_MOUSEMOVE, TPoint{From.X + 30, From.Y}, MK_LBUTTON);
  F.Send(WM_MOUSEMOVE, To, MK_LBUTTON);
  F.Send(WM_LBUTTONUP, To);
  EXPECT_GT(F.Grid->GetColWidths(1), 100);
  for (Integer c = 2; c <= 4; ++c) EXPECT_EQ(F.Grid->GetColWidths(c), F.Grid->GetColWidths(1)) << c;
  EXPECT_EQ(F.Grid->GetColWidths(0), 64);
  EXPECT_EQ(Ended, std::vector<Integer>{1});
  EXPECT_TRUE(F.Events.empty());
}

TEST(GridMouseTouch, AQuickFlickRunsOnATapTogglesASlowDragStops) {
  FixedClock Clock(46000);
  TMouseGrid F;
  F.Grid->SetRowCount(50);
  F.Grid->MouseActions()->SetTouchScroll(true);
  F.Grid->SetOptions(F.Grid->Options() + goEditing);
  const TPoint Start = F.At(2, 7);
  // The steps run only when the test fires the timer, never by themselves
  // while messages are pumped.
  F.Grid->StartScrollSteps(0, 0);
  F.Grid->ScrollStepTimer()->SetInterval(3600000);
  // The finger goes up three rows within 200 ms: the rows run on.
  F.Send(WM_LBUTTONDOWN, Start, MK_LBUTTON);
  F.Send(WM_MOUSEMOVE, TPoint{Start.X, Start.Y - 69}, MK_LBUTTON);
  EXPECT_EQ(F.Grid->TopRow(), 4);
  Clock.Advance(200);
  F.Send(WM_LBUTTONUP, TPoint{Start.X, Start.Y - 69});
  TTimer* Steps = F.Grid->ScrollStepTimer();
  ASSERT_NE(Steps, nullptr);
  ASSERT_TRUE(Steps->Enabled());
  FireTimer(Steps);
  FireTimer(Steps);
  EXPECT_EQ(F.Grid->TopRow(), 6);
  // A slow drag stops where the finger left it.
  F.Grid->StartScrollSteps(0, 0);
  const Integer Top = F.Grid->TopRow();
  F.Send(WM_LBUTTONDOWN, F.At(2, Top + 6), MK_LBUTTON);
  F.Send(WM_MOUSEMOVE, F.At(2, Top + 4), MK_LBUTTON);
  Clock.Advance(800);
  F.Send(WM_LBUTTONUP, F.At(2, Top + 4));
  EXPECT_EQ(F.Grid->TopRow(), Top + 2);
  EXPECT_FALSE(Steps->Enabled());
  // A tap on a check box toggles it once and makes its cell current.
  F.Grid->AddCheckBox(3, Top + 3, false, false);
  F.Send(WM_LBUTTONDOWN, F.At(3, Top + 3), MK_LBUTTON);
  F.Send(WM_LBUTTONUP, F.At(3, Top + 3));
  EXPECT_TRUE(F.Grid->IsChecked(3, Top + 3));
  EXPECT_EQ(F.Grid->Row(), Top + 3);
  EXPECT_EQ(F.Grid->Col(), 3);
}
