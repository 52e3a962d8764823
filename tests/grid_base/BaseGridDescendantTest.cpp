// What a grid built on the base grid relies on: cells kept beyond the
// counts while columns are hidden, the members it redefines reached from
// the platform's and the base grid's own paths, and paint steps it
// replaces.
#include <gtest/gtest.h>
#include <vector>
#include "grid/base/BaseGrid.h"
#include "grid/base/GridUndo.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Named as the extended grid's cell graphic, which the grid frees with its
// cell; records its own end.
class TCellGraphic : public TObject {
 public:
  explicit TCellGraphic(bool* Freed) : FFreed(Freed) {}
  ~TCellGraphic() override { *FFreed = true; }
  String ClassName() const override { return L"TCellGraphic"; }

 private:
  bool* FFreed;
};

// Hides columns the way the extended grid does: the count drops, the
// cells stay at their stored indexes, and the hidden ones count as stored.
class THidingGrid : public TBaseGrid {
 public:
  explicit THidingGrid(TComponent* AOwner) : TBaseGrid(AOwner) { SetKeepCellsBeyondCount(true); }
  Integer Hidden = 0;
  Integer TotalColCount() const override { return ColCount() + Hidden; }
};

class Descendant : public testing::Test {
 protected:
  TTestForm Form{420, 320};
};

TEST_F(Descendant, HiddenColumnsAndRowsKeepTheirCells) {
  bool GraphicFreed = false;
  {
    THidingGrid G(nullptr);
    G.SetColCount(6);
    G.SetRowCount(5);
    for (Integer c = 0; c < 6; ++c)
      for (Integer r = 0; r < 5; ++r) G.SetCells(c, r, String(1, Char(L'a' + c)) + String(1, Char(L'0' + r)));
    TObject Obj;
    G.SetObjects(5, 2, &Obj);
    G.GetCellProperties(4, 3)->SetBrushColor(clRed);
    G.SetGraphicObjectEx(5, 1, new TCellGraphic(&GraphicFreed));
    G.MergeCells(4, 0, 2, 1);

    // Two columns hidden, then two rows shown less.
    G.Hidden = 2;
    G.SetColCount(4);
    G.SetRowCount(3);
    EXPECT_EQ(G.GetGridCell(5, 1), L"f1");
    EXPECT_EQ(G.GetCells(5, 0), L"e0") << "a covered cell still reads its base";
    EXPECT_EQ(G.GetObjects(5, 2), &Obj);
    ASSERT_TRUE(G.HasCellProperties(4, 3));
    EXPECT_EQ(G.GetCellProperties(4, 3)->BrushColor(), clRed);
    EXPECT_FALSE(GraphicFreed);
    // Hidden columns are written at their stored indexes; beyond what is
    // stored a cell cannot be made, and a row beyond the count only cleared.
    G.SetCells(5, 2, L"new");
    EXPECT_THROW(G.SetCells(6, 0, L"x"), EInvalidGridOperation);
    EXPECT_THROW(G.SetCells(0, 7, L"x"), EInvalidGridOperation);
    G.SetCells(0, 7, L"");
    G.SetCells(1, 4, L"");
    EXPECT_EQ(G.GetGridCell(1, 4), L"");

    G.Hidden = 0;
    G.SetColCount(6);
    G.SetRowCount(5);
    EXPECT_EQ(G.GetCells(5, 2), L"new");
    EXPECT_EQ(G.GetObjects(5, 2), &Obj);
    EXPECT_EQ(G.GetCells(3, 4), L"d4");
    EXPECT_EQ(G.GetCells(0, 3), L"a3");
    EXPECT_TRUE(G.IsMergedCell(5, 0));
    EXPECT_EQ(G.GetGridObject(0, 7), nullptr);

    // Properties kept beyond the count go with the grid.
    G.SetColCount(2);
  }
  EXPECT_TRUE(GraphicFreed);
}

// Redefines the members the extended grid redefines and records each call.
class TSlotGrid : public TBaseGrid {
 public:
  using TBaseGrid::DeleteRow;
  using TBaseGrid::TBaseGrid;
  std::vector<String> Calls;
  Integer Reserved = 0;  // columns at the end the keyboard must not reach
  Integer ColCount() const override { return TBaseGrid::ColCount() - Reserved; }
  void SetCol(Integer Value) override {
    Calls.push_back(L"Col " + IntToStr(Value));
    TBaseGrid::SetCol(Value);
  }
  void SetRow(Integer Value) override {
    Calls.push_back(L"Row " + IntToStr(Value));
    TBaseGrid::SetRow(Value);
  }
  void SetRowCount(Integer Value) override {
    Calls.push_back(L"RowCount " + IntToStr(Value));
    TBaseGrid::SetRowCount(Value);
  }
  void SetCellEx(Integer c, Integer r, const String& Value) override {
    Calls.push_back(L"Cell " + IntToStr(c) + L"," + IntToStr(r) + L"=" + Value);
    TBaseGrid::SetCellEx(c, r, Value);
  }
  bool Called(const String& Call) const {
    for (const String& C : Calls)
      if (C == Call) return true;
    return false;
  }
};

TEST_F(Descendant, RedefinedMembersAreReachedFromEveryPath) {
  auto* G = new TSlotGrid(Form.Get());
  G->SetParent(Form.Get());
  G->SetBounds(0, 0, 400, 300);
  G->SetColCount(6);
  G->SetRowCount(20);
  Pump();
  G->SetFocus();
  PumpUntil([G] { return GetFocus() == G->Handle(); });

  // The platform's keyboard takes the counts from the redefined getter.
  G->Reserved = 1;
  KeyPress(G, VK_END);
  EXPECT_EQ(G->Col(), 4);
  G->Reserved = 0;

  // The base grid's keys over a merged area move through the setters.
  G->MergeCells(1, 1, 2, 2);
  G->SetCol(1);
  G->SetRow(1);
  G->Calls.clear();
  KeyPress(G, VK_DOWN);
  EXPECT_TRUE(G->Called(L"Row 2"));
  EXPECT_EQ(G->Row(), 3);

  // The platform's wheel steps the row through the setter.
  G->Calls.clear();
  RECT W;
  GetWindowRect(G->Handle(), &W);
  SendMessageW(G->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(W.left + 100, W.top + 100));
  EXPECT_TRUE(G->Called(L"Row 4"));

  // The platform's row deletion lowers the count through the setter.
  G->Calls.clear();
  G->DeleteRow(5);
  EXPECT_TRUE(G->Called(L"RowCount 19"));

  // Undo writes and moves through the same setters.
  TExGridUndoRedo Undo(nullptr);
  G->SetUndoRedo(&Undo);
  Undo.RegisterChange(3, 7, L"", L"x");
  G->SetCells(3, 7, L"x");
  G->Calls.clear();
  Undo.Undo();
  EXPECT_EQ(G->Calls, (std::vector<String>{L"Cell 3,7=", L"Col 3", L"Row 7"}));
  G->SetUndoRedo(nullptr);
}

TEST_F(Descendant, EditorOfAMergedCellCoversTheArea) {
  auto* G = new TBaseGrid(Form.Get());
  G->SetParent(Form.Get());
  G->SetBounds(0, 0, 400, 300);
  G->SetColCount(6);
  G->SetRowCount(20);
  G->MergeCells(1, 1, 3, 2);
  G->SetOptions(G->Options() + goEditing + goAlwaysShowEditor);
  G->SetCol(2);  // a covered cell: the editor opens on the base cell's area
  Pump();
  ASSERT_TRUE(G->InplaceEditor() && G->InplaceEditor()->HandleAllocated());
  RECT E;
  GetWindowRect(G->InplaceEditor()->Handle(), &E);
  MapWindowPoints(nullptr, G->Handle(), reinterpret_cast<POINT*>(&E), 2);
  // Three 64-pixel columns from x 64, two 24-pixel rows from y 24.
  EXPECT_EQ(TRect(E.left, E.top, E.right, E.bottom), TRect(64, 24, 64 + 3 * 64, 24 + 2 * 24));

  // Scrolled out of view, the editor goes away instead of lying elsewhere.
  G->SetTopRow(10);
  Pump();
  EXPECT_FALSE(IsWindowVisible(G->InplaceEditor()->Handle()));
}

// Replaces the cell painting: a marked cell is drawn in one colour.
class TPaintingGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  Integer Painted = 0;
  TGridCoord Marked{2, 2};
  void PaintGridCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override {
    ++Painted;
    TBaseGrid::PaintGridCell(ACol, ARow, ARect, AState);
  }
  void DrawGridCell(TCanvas* Canvas, Integer ACol, Integer ARow, TRect ARect, TGridDrawState AState,
                    bool DrawContent) override {
    if (ACol == Marked.X && ARow == Marked.Y) {
      Canvas->Brush()->SetColor(clLime);
      Canvas->FillRect(ARect);
      return;
    }
    TBaseGrid::DrawGridCell(Canvas, ACol, ARow, ARect, AState, DrawContent);
  }
};

TEST_F(Descendant, PaintStepsAreReplaceable) {
  auto* G = new TPaintingGrid(Form.Get());
  G->SetParent(Form.Get());
  G->SetBorderStyle(bsNone);
  G->SetBounds(0, 0, 400, 300);
  G->SetColCount(4);
  G->SetRowCount(4);
  Pump();
  G->Painted = 0;
  TRendered R(G);
  EXPECT_EQ(G->Painted, 16);
  EXPECT_EQ(R.Pixel(2 * 64 + 30, 2 * 24 + 10), clLime);
  EXPECT_NE(R.Pixel(1 * 64 + 30, 2 * 24 + 10), clLime);
}

}  // namespace
