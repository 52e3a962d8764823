// The drawn grid: sizes kept compactly, keyboard and mouse navigation,
// scrolling, sizing and moving by the mouse, cells that follow their rows
// and columns, and painting that only touches the cells on screen.
#include <gtest/gtest.h>
#include <cstring>
#include <vector>
#include "platform/rtl/SysUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

// Handles everything queued now (and what that posts), then a little more:
// a busy machine must not leave posted input for after the check.
void Settle() {
  Application->ProcessMessages();
  Pump(5);
  Application->ProcessMessages();
}

// A string grid that counts its cell paints and opens its protected moves.
class TProbeGrid : public TStringGrid {
 public:
  explicit TProbeGrid(TComponent* AOwner) : TStringGrid(AOwner) {}
  using TStringGrid::DeleteColData;
  using TStringGrid::DeleteRow;
  using TStringGrid::DeleteRowData;
  using TStringGrid::InsertColData;
  using TStringGrid::InsertRowData;
  using TStringGrid::MoveColumn;
  using TStringGrid::PermuteRowData;
  using TStringGrid::PutRowData;
  using TStringGrid::SetKeepCellsBeyondCount;
  using TStringGrid::StoredCellText;
  using TStringGrid::TakeRowData;
  using TStringGrid::MoveRow;
  Integer DrawCount = 0;
  Integer MaxRowDrawn = -1;

 protected:
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override {
    ++DrawCount;
    MaxRowDrawn = std::max(MaxRowDrawn, ARow);
    TStringGrid::DrawCell(ACol, ARow, ARect, AState);
  }
};

// The grid keys go to (the last one made).
TWinControl* GKeyTarget = nullptr;

// Key down and up through the message loop to the grid's window, with
// Shift and Ctrl held as asked.
void SendKey(Word Key, TShiftState Shift = {}) {
  BYTE Saved[256], State[256];
  GetKeyboardState(Saved);
  std::memcpy(State, Saved, sizeof(State));
  State[VK_SHIFT] = Shift.Contains(ssShift) ? 0x80 : 0;
  State[VK_CONTROL] = Shift.Contains(ssCtrl) ? 0x80 : 0;
  SetKeyboardState(State);
  HWND H = GKeyTarget->Handle();
  PostMessageW(H, WM_KEYDOWN, Key, 1);
  PostMessageW(H, WM_KEYUP, Key, 0xC0000001);
  Settle();
  SetKeyboardState(Saved);
}

struct TBigGrid {
  TTestForm Form{420, 300};
  TProbeGrid* Grid;
  explicit TBigGrid(Integer Rows = 100000, Integer Cols = 20) {
    Grid = new TProbeGrid(Form.Get());
    GKeyTarget = Grid;
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 420, 300);
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows);
    Settle();
    // The form of a test before may still be giving up the focus.
    PumpUntil([this] {
      if (GetFocus() != Grid->Handle()) Grid->SetFocus();
      return GetFocus() == Grid->Handle();
    });
  }
  // Client point inside a visible cell.
  TPoint Inside(Integer ACol, Integer ARow) {
    TRect R = Grid->CellRect(ACol, ARow);
    return {R.Left + R.Width() / 2, R.Top + R.Height() / 2};
  }
};

}  // namespace

TEST(GridAxis, SumsCountOnlyWhatDiffersFromTheDefault) {
  TGridAxis A;
  A.SetCount(100000);
  A.SetDefaultSize(20);
  A.SetSize(5, 40);
  A.SetSize(7, 0);  // hidden: no size and no line
  struct {
    Integer From, To, LineWidth, Expected;
  } Cases[] = {
      {0, 5, 1, 5 * 21},
      {0, 6, 1, 5 * 21 + 41},
      {5, 8, 1, 41 + 21},
      {0, 100000, 0, 100000 * 20 + 20 - 20},
      {8, 8, 1, 0},
  };
  for (auto& C : Cases) EXPECT_EQ(A.SumExtents(C.From, C.To, C.LineWidth), C.Expected) << C.From << ".." << C.To;

  // A moved entry takes its size along; those between close up.
  A.Move(5, 9);
  EXPECT_EQ(A.Size(9), 40);
  EXPECT_EQ(A.Size(6), 0);
  EXPECT_EQ(A.Size(5), 20);
  A.Move(9, 0);
  EXPECT_EQ(A.Size(0), 40);
  EXPECT_EQ(A.Size(7), 0);
  // Shrinking forgets the sizes cut off; growing brings defaults.
  A.SetCount(5);
  A.SetCount(10);
  EXPECT_EQ(A.Size(7), 20);
}

TEST(GridAxis, ShiftedSizesFollowTheirEntries) {
  TGridAxis A;
  A.SetCount(20);
  A.SetDefaultSize(20);
  for (Integer i : {2, 5, 9}) A.SetSize(i, 30 + i);
  A.Shift(5, 3);  // three entries open before 5
  EXPECT_EQ(A.Size(2), 32);
  EXPECT_EQ(A.Size(5), 20);
  EXPECT_EQ(A.Size(8), 35);
  EXPECT_EQ(A.Size(12), 39);
  A.Shift(8, -6);  // entries 2 .. 7 close: 2's size goes with them
  EXPECT_EQ(A.Size(2), 35);
  EXPECT_EQ(A.Size(6), 39);
  EXPECT_EQ(A.Custom().size(), 2u);
}

TEST(StringGrid, StoredRowsAndColumnsOpenCloseAndTravelWhole) {
  TProbeGrid G(nullptr);
  G.SetKeepCellsBeyondCount(true);
  G.SetColCount(3);
  G.SetRowCount(5);
  TObject Marker;
  for (Integer r = 0; r < 5; ++r)
    for (Integer c = 0; c < 3; ++c) G.SetCells(c, r, IntToStr(c) + L":" + IntToStr(r));
  G.SetObjects(2, 3, &Marker);
  TStringGridRow Row = G.TakeRowData(3);
  EXPECT_EQ(G.GetCells(1, 3), L"");
  EXPECT_EQ(Row.Text(1), L"1:3");
  EXPECT_EQ(Row.Object(2), &Marker);
  EXPECT_EQ(Row.Text(7), L"");  // beyond its cells: empty
  G.InsertRowData(1, 2);
  EXPECT_EQ(G.GetCells(0, 1), L"");
  EXPECT_EQ(G.GetCells(0, 3), L"0:1");
  G.PutRowData(1, std::move(Row));
  EXPECT_EQ(G.GetObjects(2, 1), &Marker);
  G.DeleteRowData(2, 1);
  EXPECT_EQ(G.GetCells(0, 2), L"0:1");
  G.InsertColData(1, 1);
  EXPECT_EQ(G.GetCells(2, 0), L"1:0");
  EXPECT_EQ(G.GetCells(1, 0), L"");
  G.DeleteColData(0, 2);
  EXPECT_EQ(G.GetCells(0, 0), L"1:0");
  EXPECT_EQ(G.GetObjects(1, 1), &Marker);
}

// Rows reordered at once take their texts and objects along, a row never
// written included; an order that is no permutation would lose rows, so it
// moves nothing.
TEST(StringGrid, StoredRowsTakeANewOrderWhole) {
  TProbeGrid G(nullptr);
  G.SetColCount(2);
  G.SetRowCount(5);
  TObject Marker;
  for (Integer r = 1; r < 4; ++r) G.SetCells(0, r, L"r" + IntToStr(r));
  G.SetObjects(1, 2, &Marker);
  auto Column = [&G] {
    std::vector<String> Texts;
    for (Integer r = 0; r < 5; ++r) Texts.push_back(G.StoredCellText(0, r));
    return Texts;
  };
  G.PermuteRowData(1, {3, 1, 0, 2});
  EXPECT_EQ(Column(), (std::vector<String>{L"", L"", L"r2", L"r1", L"r3"}));
  EXPECT_EQ(G.GetObjects(1, 2), &Marker);
  const std::vector<Integer> NoPermutations[] = {{0, 0, 1, 2}, {0, 1, 2, 4}, {-1, 0, 1, 2}};
  for (const auto& Order : NoPermutations) G.PermuteRowData(1, Order);
  EXPECT_EQ(Column(), (std::vector<String>{L"", L"", L"r2", L"r1", L"r3"}));
  EXPECT_EQ(G.StoredCellText(7, 9), L"");
}

TEST(StringGrid, KeysMoveTheCurrentCellWithinTheScrollingCells) {
  TBigGrid T;
  TProbeGrid* G = T.Grid;
  Integer Page = G->VisibleRowCount();
  ASSERT_GT(Page, 2);
  struct {
    const char* Name;
    TGridOptions Extra;
    Integer StartCol, StartRow;
    Word Key;
    TShiftState Shift;
    Integer Col, Row;
  } Cases[] = {
      {"down", {}, 3, 5, VK_DOWN, {}, 3, 6},
      {"up stops at the fixed row", {}, 3, 1, VK_UP, {}, 3, 1},
      {"left stops at the fixed column", {}, 1, 5, VK_LEFT, {}, 1, 5},
      {"right stops at the last column", {}, 19, 5, VK_RIGHT, {}, 19, 5},
      {"home", {}, 7, 5, VK_HOME, {}, 1, 5},
      {"end", {}, 7, 5, VK_END, {}, 19, 5},
      {"ctrl+end", {}, 7, 5, VK_END, {ssCtrl}, 19, 99999},
      {"ctrl+home", {}, 7, 99000, VK_HOME, {ssCtrl}, 1, 1},
      {"page down", {}, 2, 1, VK_NEXT, {}, 2, 1 + Page},
      {"page down at the end", {}, 2, 99998, VK_NEXT, {}, 2, 99999},
      {"page up at the top", {}, 2, 3, VK_PRIOR, {}, 2, 1},
      {"tab wraps to the next row", {goTabs}, 19, 5, VK_TAB, {}, 1, 6},
      {"shift+tab wraps to the previous row", {goTabs}, 1, 5, VK_TAB, {ssShift}, 19, 4},
      {"tab wraps from the last cell to the first", {goTabs}, 19, 99999, VK_TAB, {}, 1, 1},
      {"tab without goTabs stays", {}, 4, 5, VK_TAB, {}, 4, 5},
  };
  TGridOptions Base = G->Options();
  for (auto& C : Cases) {
    G->SetOptions(Base + C.Extra);
    G->SetRow(C.StartRow);
    G->SetCol(C.StartCol);
    G->SetFocus();
    SendKey(C.Key, C.Shift);
    EXPECT_EQ(G->Col(), C.Col) << C.Name;
    EXPECT_EQ(G->Row(), C.Row) << C.Name;
    // The current cell is always on screen afterwards.
    EXPECT_GE(G->Row(), G->TopRow()) << C.Name;
    EXPECT_LT(G->Row(), G->TopRow() + G->VisibleRowCount()) << C.Name;
    EXPECT_FALSE(G->CellRect(G->Col(), G->Row()).IsEmpty()) << C.Name;
  }
}

TEST(StringGrid, ShiftWithKeysGrowsTheSelectionOnlyWithRangeSelect) {
  TBigGrid T;
  TProbeGrid* G = T.Grid;
  G->SetRow(10);
  G->SetCol(2);
  SendKey(VK_DOWN, {ssShift});
  SendKey(VK_RIGHT, {ssShift});
  EXPECT_EQ(G->Selection(), (TGridRect{2, 10, 3, 11}));
  SendKey(VK_DOWN);
  EXPECT_EQ(G->Selection(), (TGridRect{3, 12, 3, 12}));

  G->SetOptions(G->Options() - goRangeSelect);
  SendKey(VK_DOWN, {ssShift});
  EXPECT_EQ(G->Selection(), (TGridRect{3, 13, 3, 13}));
}

TEST(StringGrid, RowSelectSelectsWholeRowsAndLeftRightScroll) {
  TBigGrid T;
  TProbeGrid* G = T.Grid;
  G->SetOptions(G->Options() + goRowSelect);
  G->SetRow(4);
  EXPECT_EQ(G->Selection(), (TGridRect{1, 4, 19, 4}));
  SendKey(VK_RIGHT);
  EXPECT_EQ(G->LeftCol(), 2);
  EXPECT_EQ(G->Row(), 4);
  SendKey(VK_END);
  EXPECT_EQ(G->Row(), 99999);
}

TEST(StringGrid, ScrollBarsMoveTheViewOverAHundredThousandRows) {
  TBigGrid T;
  TProbeGrid* G = T.Grid;
  HWND H = G->Handle();
  LONG Style = GetWindowLongW(H, GWL_STYLE);
  ASSERT_TRUE(Style & WS_VSCROLL);
  ASSERT_TRUE(Style & WS_HSCROLL);
  Integer Page = G->VisibleRowCount();
  Integer MaxTop = 100000 - Page;

  auto Scroll = [&](UINT Code, Integer Pos = 0) {
    SendMessageW(H, WM_VSCROLL, MAKEWPARAM(Code, Pos), 0);
    return G->TopRow();
  };
  EXPECT_EQ(Scroll(SB_LINEDOWN), 2);
  EXPECT_EQ(Scroll(SB_PAGEDOWN), 2 + Page);
  EXPECT_EQ(Scroll(SB_LINEUP), 1 + Page);
  EXPECT_EQ(Scroll(SB_BOTTOM), MaxTop);
  EXPECT_EQ(Scroll(SB_LINEDOWN), MaxTop) << "no scrolling past the last row";
  EXPECT_EQ(GetScrollPos(H, SB_VERT), 127);
  EXPECT_EQ(Scroll(SB_TOP), 1);
  // The thumb's 128 steps stand for the whole range.
  EXPECT_EQ(Scroll(SB_THUMBPOSITION, 64), 1 + static_cast<Integer>(Int64(64) * (MaxTop - 1) / 127));
  Integer Before = G->TopRow();
  EXPECT_EQ(Scroll(SB_THUMBTRACK, 10), Before) << "tracking only with goThumbTracking";
  G->SetOptions(G->Options() + goThumbTracking);
  EXPECT_EQ(Scroll(SB_THUMBTRACK, 127), MaxTop);
  // The current cell did not move with the view.
  EXPECT_EQ(G->Row(), 1);

  // Moving the current cell far down brings it into view as the last row.
  Scroll(SB_TOP);
  G->SetRow(50000);
  EXPECT_EQ(G->TopRow(), 50000 - Page + 1);
  SendMessageW(H, WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  EXPECT_EQ(G->LeftCol(), 2);
}

TEST(StringGrid, PaintingTouchesOnlyTheCellsOnScreen) {
  TBigGrid Small(200);
  TBigGrid Big(100000);
  auto PaintCount = [](TProbeGrid* G) {
    G->DrawCount = 0;
    G->MaxRowDrawn = -1;
    TRendered R(G);
    return G->DrawCount;
  };
  Integer SmallCount = PaintCount(Small.Grid);
  ASSERT_GT(SmallCount, 0);
  EXPECT_EQ(PaintCount(Big.Grid), SmallCount);
  EXPECT_LE(Big.Grid->MaxRowDrawn, Big.Grid->TopRow() + Big.Grid->VisibleRowCount());
  // Far down the grid the same work again.
  Big.Grid->SetTopRow(90000);
  EXPECT_EQ(PaintCount(Big.Grid), SmallCount);
  EXPECT_GE(Big.Grid->MaxRowDrawn, 90000);
  // A million rows with some tall ones cost no more either.
  Big.Grid->SetRowCount(1000000);
  for (Integer R = 0; R < 1000000; R += 100000) Big.Grid->SetRowHeights(R, 40);
  Big.Grid->SetTopRow(1);
  EXPECT_LE(PaintCount(Big.Grid), SmallCount);
  // Going to the last row scrolls it into view and paints no more than a
  // screenful there (how fast is the benchmark program's business).
  Big.Grid->SetRow(999999);
  EXPECT_EQ(Big.Grid->Row(), 999999);
  EXPECT_GE(Big.Grid->TopRow() + Big.Grid->VisibleRowCount(), 999999);
  EXPECT_LE(PaintCount(Big.Grid), SmallCount);
  EXPECT_EQ(Big.Grid->MaxRowDrawn, 999999);
}

TEST(StringGrid, DefaultDrawingPaintsFixedSelectedAndTextCells) {
  TBigGrid T(10, 5);
  TProbeGrid* G = T.Grid;
  G->SetBorderStyle(bsNone);  // client and rendering share their origin
  G->SetColWidths(1, 100);
  G->SetFixedColor(clYellow);
  G->SetColor(clWhite);
  G->SetCells(2, 3, L"WWWW");
  // (1, 1) is selected and not the current cell, so it is highlighted
  // whether or not the grid has the focus.
  G->SetSelection({1, 1, 2, 2});
  Settle();
  EXPECT_EQ(G->CellRect(2, 1), (TRect{64 + 1 + 100 + 1, 25, 64 + 1 + 100 + 1 + 64, 25 + 24}));
  TRendered R(G);
  TPoint Fixed{10, 10}, Selected = T.Inside(1, 1), Plain = T.Inside(3, 3);
  EXPECT_EQ(R.Pixel(Fixed.X, Fixed.Y), clYellow);
  EXPECT_EQ(R.Pixel(Selected.X, Selected.Y), ColorToRGB(clHighlight));
  EXPECT_EQ(R.Pixel(Plain.X, Plain.Y), clWhite);
  // The text of a cell shows inside its rectangle.
  TRect Text = G->CellRect(2, 3);
  bool Ink = false;
  for (Integer X = Text.Left; X < Text.Right && !Ink; ++X)
    for (Integer Y = Text.Top; Y < Text.Bottom && !Ink; ++Y) Ink = R.Pixel(X, Y) != clWhite;
  EXPECT_TRUE(Ink);
  // The line between two normal cells is drawn after the first.
  EXPECT_NE(R.Pixel(G->CellRect(3, 3).Right, Plain.Y), clWhite);
}

TEST(StringGrid, MouseDragSelectsARangeAndShiftClickMovesItsCorner) {
  TBigGrid T;
  TProbeGrid* G = T.Grid;
  TPoint A = T.Inside(1, 2), B = T.Inside(3, 5), C = T.Inside(4, 3);
  MouseDown(G, A.X, A.Y);
  Settle();
  MouseMove(G, B.X, B.Y);
  Settle();
  MouseUp(G, B.X, B.Y);
  Settle();
  EXPECT_EQ(G->Selection(), (TGridRect{1, 2, 3, 5}));
  EXPECT_EQ(G->Col(), 1);
  EXPECT_EQ(G->Row(), 2);

  BYTE Saved[256], State[256];
  GetKeyboardState(Saved);
  std::memcpy(State, Saved, sizeof(State));
  State[VK_SHIFT] = 0x80;
  SetKeyboardState(State);
  PostMessageW(G->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(C.X, C.Y));
  PostMessageW(G->Handle(), WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(C.X, C.Y));
  Settle();
  SetKeyboardState(Saved);
  EXPECT_EQ(G->Selection(), (TGridRect{1, 2, 4, 3}));

  // Clicks on fixed cells or beyond the last cell select nothing.
  G->SetRowCount(3);
  Settle();
  MouseDown(G, 5, 5);
  Settle();
  MouseUp(G, 5, 5);
  Settle();
  MouseDown(G, 30, 290);
  Settle();
  MouseUp(G, 30, 290);
  Settle();
  EXPECT_EQ(G->Col(), 1);
  EXPECT_EQ(G->Row(), 2);
}

TEST(StringGrid, MouseSizesColumnsAndRowsAtTheirLines) {
  TBigGrid T;
  TProbeGrid* G = T.Grid;
  G->SetOptions(G->Options() + goColSizing + goRowSizing);
  struct {
    const char* Name;
    TPoint From, To;
    Integer Col, ColWidth, Row, RowHeight;
  } Cases[] = {
      // The line after column 2 lies at its right edge, in the fixed row.
      {"column wider", {65 + 65 + 64, 10}, {65 + 65 + 64 + 30, 10}, 2, 94, -1, 0},
      {"column narrower", {65 + 65 + 64, 10}, {65 + 65 + 20, 10}, 2, 20, -1, 0},
      {"row taller", {10, 25 + 25 + 24}, {10, 25 + 25 + 24 + 16}, -1, 0, 2, 40},
      {"too small is refused", {10, 25 + 25 + 24}, {10, 25 + 25 + 1}, -1, 0, 2, 24},
  };
  for (auto& C : Cases) {
    G->SetDefaultColWidth(64);
    G->SetDefaultRowHeight(24);
    Settle();
    MouseDown(G, C.From.X, C.From.Y);
    Settle();
    EXPECT_EQ(G->GridState(), C.Col >= 0 ? gsColSizing : gsRowSizing) << C.Name;
    MouseMove(G, C.To.X, C.To.Y);
    Settle();
    MouseUp(G, C.To.X, C.To.Y);
    Settle();
    EXPECT_EQ(G->GridState(), gsNormal) << C.Name;
    if (C.Col >= 0) {
      EXPECT_EQ(G->GetColWidths(C.Col), C.ColWidth) << C.Name;
    } else {
      EXPECT_EQ(G->GetRowHeights(C.Row), C.RowHeight) << C.Name;
    }
    EXPECT_EQ(G->GetColWidths(C.Col >= 0 ? C.Col + 1 : 3), 64) << C.Name;
  }
  // Without the option the same press selects instead.
  G->SetOptions(G->Options() - goColSizing);
  MouseDown(G, 65 + 65 + 64, 10);
  Settle();
  EXPECT_EQ(G->GridState(), gsNormal);
  MouseUp(G, 65 + 65 + 64, 10);
  Settle();
}

TEST(StringGrid, MouseMovesColumnsAndRowsWithTheirCellsAndSizes) {
  TBigGrid T;
  TProbeGrid* G = T.Grid;
  G->SetOptions(G->Options() + goColMoving + goRowMoving);
  for (Integer C = 1; C < 5; ++C) G->SetCells(C, 3, L"c" + std::to_wstring(C));
  for (Integer R = 0; R < 6; ++R) G->SetCells(0, R, L"r" + std::to_wstring(R));
  G->SetColWidths(1, 80);
  G->SetRowHeights(2, 30);
  std::vector<std::pair<Integer, Integer>> ColMoves, RowMoves;
  G->OnColumnMoved = [&](TObject*, Integer F, Integer To) { ColMoves.push_back({F, To}); };
  G->OnRowMoved = [&](TObject*, Integer F, Integer To) { RowMoves.push_back({F, To}); };

  // Column 1's header dragged onto column 3.
  TPoint From = T.Inside(1, 0), To = T.Inside(3, 0);
  MouseDown(G, From.X, From.Y);
  Settle();
  EXPECT_EQ(G->GridState(), gsColMoving);
  MouseMove(G, To.X, To.Y);
  Settle();
  MouseUp(G, To.X, To.Y);
  Settle();
  ASSERT_EQ(ColMoves.size(), 1u);
  EXPECT_EQ(ColMoves[0], (std::pair<Integer, Integer>{1, 3}));
  EXPECT_EQ(G->GetCells(3, 3), L"c1");
  EXPECT_EQ(G->GetCells(1, 3), L"c2");
  EXPECT_EQ(G->GetColWidths(3), 80);
  EXPECT_EQ(G->GetColWidths(1), 64);

  // Row 2's fixed cell dragged onto row 4.
  From = T.Inside(0, 2);
  To = T.Inside(0, 4);
  MouseDown(G, From.X, From.Y);
  Settle();
  EXPECT_EQ(G->GridState(), gsRowMoving);
  MouseMove(G, To.X, To.Y);
  Settle();
  MouseUp(G, To.X, To.Y);
  Settle();
  ASSERT_EQ(RowMoves.size(), 1u);
  EXPECT_EQ(RowMoves[0], (std::pair<Integer, Integer>{2, 4}));
  EXPECT_EQ(G->GetCells(0, 4), L"r2");
  EXPECT_EQ(G->GetCells(3, 2), L"c1") << "row 3 moved up to 2";
  EXPECT_EQ(G->GetRowHeights(4), 30);
  EXPECT_EQ(G->GetRowHeights(2), 24);
}

TEST(StringGrid, RowsMovedAndDeletedInCodeKeepTheirCellsAndTheCurrentCell) {
  TBigGrid T;
  TProbeGrid* G = T.Grid;
  G->SetCells(2, 99998, L"deep");
  G->SetCells(2, 5, L"five");
  G->SetRow(5);
  G->MoveRow(99998, 1);
  EXPECT_EQ(G->GetCells(2, 1), L"deep");
  EXPECT_EQ(G->GetCells(2, 6), L"five");
  EXPECT_EQ(G->Row(), 6) << "the current cell stays on its row";
  G->DeleteRow(1);
  EXPECT_EQ(G->RowCount(), 99999);
  EXPECT_EQ(G->GetCells(2, 5), L"five");
  EXPECT_EQ(G->Row(), 5);
  G->MoveColumn(2, 19);
  EXPECT_EQ(G->GetCells(19, 5), L"five");
  EXPECT_THROW(G->MoveRow(0, 99999), EInvalidGridOperation);
  // Shrinking drops the cells cut off; growing again finds them empty.
  G->SetColCount(10);
  G->SetColCount(20);
  EXPECT_EQ(G->GetCells(19, 5), L"");
}

TEST(StringGrid, CellsColumnsAndRowsReadAndWriteTheSameStore) {
  TBigGrid T(8, 4);
  TProbeGrid* G = T.Grid;
  TObject Tag;
  G->SetCells(1, 2, L"x");
  G->SetObjects(1, 2, &Tag);
  EXPECT_EQ(G->GetCols(1)->Strings(2), L"x");
  EXPECT_EQ(G->GetRows(2)->Objects(1), &Tag);
  EXPECT_EQ(G->GetCols(1)->Count(), 8);
  EXPECT_EQ(G->GetRows(2)->Count(), 4);

  TStringList L;
  L.Add(L"a");
  L.Add(L"b");
  G->SetRows(3, &L);
  EXPECT_EQ(G->GetCells(0, 3), L"a");
  EXPECT_EQ(G->GetCells(1, 3), L"b");
  EXPECT_EQ(G->GetCells(2, 3), L"");
  G->GetCols(1)->Clear();
  EXPECT_EQ(G->GetCells(1, 2), L"");
  EXPECT_EQ(G->GetObjects(1, 2), nullptr);
  EXPECT_EQ(G->GetCells(0, 3), L"a");

  // Reading outside is harmless; writing outside is refused.
  EXPECT_EQ(G->GetCells(4, 0), L"");
  EXPECT_EQ(G->GetCells(-1, 0), L"");
  EXPECT_THROW(G->SetCells(4, 0, L"no"), EInvalidGridOperation);
  EXPECT_THROW(G->SetCells(0, 8, L"no"), EInvalidGridOperation);
  EXPECT_THROW(G->GetCols(4), EInvalidGridOperation);
  G->GetRows(4)->SetCommaText(L"a,b,c,d");
  EXPECT_EQ(G->GetRows(4)->Add(L"more"), -1) << "the row is full";
  EXPECT_THROW(G->SetFixedRows(8), EInvalidGridOperation);
  EXPECT_THROW(G->SetSelection({0, 0, 9, 9}), EInvalidGridOperation);
}

TEST(StringGrid, WheelStepsMoveTheCurrentRowWithinTheGrid) {
  TBigGrid T(6, 4);
  TProbeGrid* G = T.Grid;
  auto Wheel = [&](Integer Delta) {
    POINT P{10, 10};
    ClientToScreen(G->Handle(), &P);
    SendMessageW(G->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, Delta), MAKELPARAM(P.x, P.y));
    return G->Row();
  };
  EXPECT_EQ(Wheel(-WHEEL_DELTA), 2);
  EXPECT_EQ(Wheel(WHEEL_DELTA), 1);
  EXPECT_EQ(Wheel(WHEEL_DELTA), 1) << "not into the fixed row";
  G->SetRow(5);
  EXPECT_EQ(Wheel(-WHEEL_DELTA), 5) << "not past the last row";
}

TEST(StringGrid, ScalingScalesDefaultAndCustomSizes) {
  TBigGrid T(6, 4);
  TProbeGrid* G = T.Grid;
  G->SetColWidths(2, 30);
  G->SetRowHeights(3, 10);
  T.Form->ScaleBy(3, 2);  // scales its children
  EXPECT_EQ(G->DefaultColWidth(), 96);
  EXPECT_EQ(G->DefaultRowHeight(), 36);
  EXPECT_EQ(G->GetColWidths(2), 45);
  EXPECT_EQ(G->GetRowHeights(3), 15);
  EXPECT_EQ(G->GetColWidths(1), 96);
}

TEST(StringGrid, ARefusedCellIsNeitherEnteredByKeysNorByTheMouse) {
  TBigGrid T(20, 6);
  TProbeGrid* G = T.Grid;
  G->OnSelectCell = [](TObject*, Integer ACol, Integer, bool& CanSelect) { CanSelect = ACol != 3; };
  Integer TopLeftChanges = 0;
  G->OnTopLeftChanged = [&](TObject*) { ++TopLeftChanges; };
  G->SetCol(2);
  SendKey(VK_RIGHT);
  EXPECT_EQ(G->Col(), 2);
  TPoint P = T.Inside(3, 4);
  MouseDown(G, P.X, P.Y);
  Settle();
  MouseUp(G, P.X, P.Y);
  Settle();
  EXPECT_EQ(G->Col(), 2);
  EXPECT_EQ(G->Row(), 1);
  EXPECT_THROW(G->SetCol(6), EInvalidGridOperation);
  // Only a real move of the view is announced.
  EXPECT_EQ(TopLeftChanges, 0);
  G->SetRow(19);
  EXPECT_EQ(TopLeftChanges, 1);
  G->SetTopRow(G->TopRow());
  EXPECT_EQ(TopLeftChanges, 1);
}

namespace {

// Takes the scroll bars over: sees every change the grid makes to them,
// can mirror them into the common controls' flat bars, and scrolls two
// rows a line itself.
class TOwnBarsGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  struct TChange {
    UINT Bar;
    bool Shown;
    SCROLLINFO Info;
  };
  std::vector<TChange> Changes;
  std::vector<HWND> Senders;
  bool Flat = false;
  // The last position set on a bar, -1 when none.
  Integer LastPos(UINT Bar) const {
    for (auto It = Changes.rbegin(); It != Changes.rend(); ++It)
      if (It->Bar == Bar && (It->Info.fMask & SIF_POS)) return It->Info.nPos;
    return -1;
  }

 protected:
  void ShowGridScrollBar(UINT Bar, bool Show) override {
    Changes.push_back({Bar, Show, SCROLLINFO{}});
    if (Flat)
      FlatScrollBarApi().FlatSB_ShowScrollBar(Handle(), Bar, Show);
    else
      TStringGrid::ShowGridScrollBar(Bar, Show);
  }
  void SetGridScrollInfo(UINT Bar, const SCROLLINFO& Info, bool Redraw) override {
    Changes.push_back({Bar, true, Info});
    SCROLLINFO Copy = Info;
    if (Flat)
      FlatScrollBarApi().FlatSB_SetScrollInfo(Handle(), Bar, &Copy, Redraw);
    else
      TStringGrid::SetGridScrollInfo(Bar, Info, Redraw);
  }
  void WMVScroll(TWMScroll& M) override {
    Senders.push_back(M.ScrollBar);
    if (!M.ScrollBar && M.ScrollCode == SB_LINEDOWN) {
      SetTopRow(TopRow() + 2);
      M.Result = 0;
      return;
    }
    TStringGrid::WMVScroll(M);
  }
};

}  // namespace

TEST(StringGrid, ADescendantSeesEveryScrollBarChangeAndMessage) {
  TTestForm Form(420, 300);
  auto* G = new TOwnBarsGrid(Form.Get());
  G->SetParent(Form.Get());
  G->SetBounds(0, 0, 420, 300);
  G->SetColCount(3);
  G->SetRowCount(5);
  G->HandleNeeded();
  Settle();
  HWND H = G->Handle();

  // Growing shows the vertical bar with the grid's 128 steps.
  G->Changes.clear();
  G->SetRowCount(1000);
  bool Shown = false, Ranged = false;
  for (const auto& C : G->Changes) {
    Shown = Shown || (C.Bar == SB_VERT && C.Shown && C.Info.fMask == 0);
    Ranged = Ranged || (C.Bar == SB_VERT && (C.Info.fMask & SIF_RANGE) && C.Info.nMin == 0 && C.Info.nMax == 127);
  }
  EXPECT_TRUE(Shown);
  EXPECT_TRUE(Ranged);
  // Every position the bar shows came through the hook.
  G->SetTopRow(500);
  EXPECT_GT(G->LastPos(SB_VERT), 0);
  EXPECT_EQ(G->LastPos(SB_VERT), GetScrollPos(H, SB_VERT));

  // The descendant's own line step, the grid's page step.
  SendMessageW(H, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  EXPECT_EQ(G->TopRow(), 502);
  SendMessageW(H, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), 0);
  EXPECT_EQ(G->TopRow(), 501);
  EXPECT_EQ(G->LastPos(SB_VERT), GetScrollPos(H, SB_VERT));

  // A scroll bar placed in the grid gets its messages back; the grid stays.
  auto* Bar = new TScrollBar(G);
  Bar->SetKind(sbVertical);
  Bar->SetParent(G);
  Bar->SetBounds(10, 10, 16, 100);
  Bar->SetPosition(10);
  SendMessageW(H, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(Bar->Handle()));
  EXPECT_EQ(G->Senders.back(), Bar->Handle());
  EXPECT_EQ(Bar->Position(), 11);
  EXPECT_EQ(G->TopRow(), 501);

  // Mirrored into the flat bars of the common controls, bound by name.
  const TFlatScrollBarApi& Api = FlatScrollBarApi();
  ASSERT_TRUE(Api.InitializeFlatSB && Api.FlatSB_SetScrollInfo && Api.FlatSB_GetScrollInfo &&
              Api.FlatSB_ShowScrollBar && Api.FlatSB_SetScrollProp && Api.UninitializeFlatSB);
  Api.InitializeFlatSB(H);
  G->Flat = true;
  G->SetTopRow(100);
  SCROLLINFO SI{};
  SI.cbSize = sizeof(SI);
  SI.fMask = SIF_POS | SIF_RANGE;
  ASSERT_TRUE(Api.FlatSB_GetScrollInfo(H, SB_VERT, &SI));
  EXPECT_EQ(SI.nPos, G->LastPos(SB_VERT));
  EXPECT_EQ(SI.nMax, 127);
  G->Flat = false;
  Api.UninitializeFlatSB(H);
}
