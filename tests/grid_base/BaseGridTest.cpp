#include <gtest/gtest.h>
#include <map>
#include "foundation/ValueUtils.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/GridUndo.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::foundation;
using namespace jorv::grid;

using namespace jorv;
using namespace jorv::test;

// Named as the extended grid's cell graphic, which the grid frees with
// the cell; records its own end.
class TCellGraphic : public TObject {
 public:
  explicit TCellGraphic(bool* Freed) : FFreed(Freed) {}
  ~TCellGraphic() override { *FFreed = true; }

 private:
  bool* FFreed;
};

namespace {

class TProbeGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  void SetNormalRowCount(Integer N) { FNormalRowCount = N; }
  void HoverRowIdxForTest(Integer R) { FHoverRowIdx = R; }
  bool Nodes = false;
  bool VclStyles = false;
  bool HasNodes() override { return Nodes; }
  bool UsesVCLStyles() override { return VclStyles; }
  TColor CellColor = clNone;
  void GetVisualProperties(Integer, Integer, TGridDrawState&, bool, bool, bool, TBrush* ABrush, TColor&, TColor&,
                           TColor&, TFont*, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&) override {
    if (CellColor != clNone) ABrush->SetColor(CellColor);
  }
  void Key(Word K) { KeyDown(K, TShiftState()); }
  void Scale(Integer M, Integer D) { ChangeScale(M, D); }
  std::map<std::pair<Integer, Integer>, Integer> Content;
  void DrawGridCellContent(TCanvas* Canvas, Integer ACol, Integer ARow, TRect ARect,
                           TGridDrawState AState) override {
    ++Content[{ACol, ARow}];
    TBaseGrid::DrawGridCellContent(Canvas, ACol, ARow, ARect, AState);
  }
};

class BaseGrid : public testing::Test {
 protected:
  void SetUp() override {
    G = new TProbeGrid(Form.Get());
    G->SetParent(Form.Get());
    G->SetBounds(0, 0, 400, 300);
    G->SetColCount(6);
    G->SetRowCount(20);
  }
  TTestForm Form{420, 320};
  TProbeGrid* G = nullptr;
};

TEST_F(BaseGrid, MergedAreaSharesTheBaseText) {
  G->SetCells(1, 1, L"base");
  G->SetGridCell(2, 2, L"own");
  G->MergeCells(1, 1, 3, 2);
  EXPECT_EQ(G->GetCells(2, 2), L"base");
  EXPECT_EQ(G->GetGridCell(2, 2), L"own");
  G->SetCells(3, 2, L"new");
  EXPECT_EQ(G->GetGridCell(1, 1), L"new");
  EXPECT_EQ(G->GetGridCell(3, 2), L"");
  EXPECT_EQ(G->MergeCount(), 1);

  struct Case { Integer c, r; bool Merged, Base; TPoint Span, Ext; };
  for (Case k : {Case{1, 1, true, true, {2, 1}, {2, 1}}, Case{3, 2, true, false, {2, 1}, {0, 0}},
                 Case{2, 1, true, false, {2, 1}, {1, 1}}, Case{4, 1, false, true, {0, 0}, {0, 0}}}) {
    EXPECT_EQ(G->IsMergedCell(k.c, k.r), k.Merged) << k.c << "," << k.r;
    EXPECT_EQ(G->IsBaseCell(k.c, k.r), k.Base) << k.c << "," << k.r;
    EXPECT_EQ(G->CellSpan(k.c, k.r).X, k.Span.X) << k.c << "," << k.r;
    EXPECT_EQ(G->CellSpan(k.c, k.r).Y, k.Span.Y) << k.c << "," << k.r;
    EXPECT_EQ(G->CellExt(k.c, k.r).X, k.Ext.X) << k.c << "," << k.r;
    EXPECT_EQ(G->CellExt(k.c, k.r).Y, k.Ext.Y) << k.c << "," << k.r;
  }
  EXPECT_EQ(G->FullCell(3, 2), TRect(1, 1, 3, 2));
  EXPECT_EQ(G->MaxRowSpan(2), 1);
  EXPECT_EQ(G->MinRowSpan(5), G->RowCount());

  G->SplitCells(3, 2);
  EXPECT_FALSE(G->IsMergedCell(1, 1));
  EXPECT_FALSE(G->IsMergedCell(3, 2));
  EXPECT_TRUE(G->HasCellProperties(3, 2));  // splitting frees nothing
  EXPECT_EQ(G->GetCells(3, 2), L"");
  EXPECT_EQ(G->MergeCount(), 0);

  // A one-cell area is a base cell of its own and no merge at all.
  G->MergeCells(4, 4, 1, 1);
  EXPECT_FALSE(G->IsMergedCell(4, 4));
  EXPECT_EQ(G->CellSpan(4, 4).X, 0);
  EXPECT_FALSE(G->ColSpanIdentical(1, 2));
  EXPECT_FALSE(G->RowSpanIdentical(1, 2));
}

TEST_F(BaseGrid, SpanAgreementBetweenRowsAndColumns) {
  G->MergeCells(1, 1, 1, 3);  // column 1, rows 1..3
  G->MergeCells(2, 1, 1, 3);  // column 2, same rows
  EXPECT_TRUE(G->RowSpanIdentical(1, 3));
  G->MergeCells(3, 0, 1, 2);  // column 3, rows 0..1
  G->MergeCells(3, 2, 1, 2);  // column 3, rows 2..3
  EXPECT_FALSE(G->RowSpanIdentical(1, 2));
  EXPECT_TRUE(G->RowSpanIdentical(2, 3));
  EXPECT_EQ(G->MinRowSpan(1), 1);
  EXPECT_EQ(G->MaxRowSpan(1), 2);

  G->MergeCells(1, 8, 2, 1);
  G->MergeCells(3, 8, 2, 1);
  EXPECT_FALSE(G->ColSpanIdentical(2, 3));  // different areas
  EXPECT_TRUE(G->ColSpanIdentical(1, 2));
}

// An area merged over another replaces it: the cells of the old area that
// the new one leaves out are plain cells again.
TEST_F(BaseGrid, AnAreaMergedOverAnotherReplacesIt) {
  G->MergeCells(0, 0, 1, 3);
  G->MergeCells(0, 0, 3, 1);
  EXPECT_FALSE(G->IsMergedCell(0, 2));
  EXPECT_TRUE(G->IsBaseCell(0, 2));
  EXPECT_EQ(G->CellSpan(0, 0).X, 2);
  EXPECT_EQ(G->CellSpan(0, 0).Y, 0);
  EXPECT_EQ(G->BaseCell(2, 0), (TPoint{0, 0}));
  EXPECT_EQ(G->MergeCount(), 1);
}

TEST_F(BaseGrid, DisplayHooksApplyOnlyAboveNormalRowCount) {
  G->SetCells(1, 1, L"abc");
  Integer Calls = 0;
  G->OnGetDisplText = [&](TObject*, Integer, Integer, String& V) { ++Calls; V += L"!"; };
  EXPECT_EQ(G->GetCells(1, 1), L"abc");
  EXPECT_EQ(Calls, 0);
  G->SetNormalRowCount(5);
  EXPECT_EQ(G->GetCells(1, 1), L"abc!");
  G->OnGetDisplText = nullptr;
  G->OnGetDisplWideText = [](TObject*, Integer, Integer, String&) {};
  String Marked = G->GetCells(1, 1);
  EXPECT_EQ(Marked, WideToMarkedText(L"abc"));
  EXPECT_EQ(Marked.substr(0, 2), L"|\\");
  EXPECT_EQ(Marked.size(), 8u);
}

TEST_F(BaseGrid, ObjectsLiveInTheCellProperties) {
  TObject Obj;
  EXPECT_FALSE(G->HasCellProperties(2, 3));
  G->SetObjects(2, 3, &Obj);
  EXPECT_EQ(G->GetObjects(2, 3), &Obj);
  EXPECT_EQ(G->GetCells(2, 3), L"");
  EXPECT_EQ(G->GetGridObject(2, 3), G->GetCellProperties(2, 3));
  EXPECT_FALSE(G->HasCellProperties(-1, 3));
  EXPECT_FALSE(G->HasCellProperties(G->ColCount(), 3));
  EXPECT_EQ(G->GetObjects(4, 4), nullptr);
  EXPECT_FALSE(G->HasCellProperties(4, 4));  // reading made nothing
  EXPECT_THROW(G->GetCellProperties(99, 3), EInvalidGridOperation);
}

TEST_F(BaseGrid, NewPropertiesStartFromTheGridsLook) {
  G->SetColor(0x336699);
  G->Font()->SetName(L"Arial");
  G->Font()->SetSize(13);
  G->SetWordWrap(false);
  TCellProperties* P = G->GetCellProperties(2, 2);
  EXPECT_EQ(P->BrushColor(), 0x336699);
  EXPECT_EQ(P->BrushColorTo(), clNone);
  EXPECT_EQ(P->FontName(), L"Arial");
  EXPECT_EQ(P->FontSize(), 13);
  EXPECT_FALSE(P->WordWrap());
  EXPECT_EQ(P->VAlignment(), vtaTop);
  EXPECT_EQ(P->OwnerCol(), 2);
  EXPECT_EQ(P->GetBaseCell(2, 2).X, 2);

  // Assign leaves the owner, the gradient, the graphic and the calculation.
  TCellProperties Src(nullptr, 7, 8);
  TObject Graphic;
  Src.SetBrushColorTo(0x111111);
  Src.SetGradientDirection(GradientHorizontal);
  Src.SetGraphicObject(&Graphic);
  Src.SetCalcType(acSUM);
  Src.SetEditor(edMaskEditBtn);
  Src.SetFontName(L"Tahoma");
  Src.SetCellSpanX(3);
  P->Assign(&Src);
  EXPECT_EQ(P->OwnerGrid(), G);
  EXPECT_EQ(P->OwnerCol(), 7);
  EXPECT_EQ(P->Editor(), edMaskEditBtn);
  EXPECT_EQ(P->FontName(), L"Tahoma");
  EXPECT_EQ(P->CellSpanX(), 3);
  EXPECT_EQ(P->BrushColorTo(), clNone);
  EXPECT_EQ(P->GradientDirection(), GradientVertical);
  EXPECT_EQ(P->GraphicObject(), nullptr);
  EXPECT_EQ(P->CalcType(), acNONE);
}

TEST_F(BaseGrid, CellGraphicsAreFreedWithTheirCells) {
  bool Freed1 = false, Freed2 = false;
  G->SetGraphicObjectEx(2, 18, new TCellGraphic(&Freed1));
  G->SetGraphicObjectEx(2, 3, new TCellGraphic(&Freed2));
  EXPECT_TRUE(G->HasCellProperties(2, 18));
  G->SetRowCount(10);  // cuts row 18 off
  EXPECT_TRUE(Freed1);
  EXPECT_FALSE(Freed2);
  TObject Other;
  G->SetGraphicObjectEx(3, 3, &Other);  // not a cell graphic: never freed here
  G->FreeCellPropertiesRange(0, 0, 5, 9);
  EXPECT_TRUE(Freed2);
  EXPECT_FALSE(G->HasCellProperties(2, 3));
  EXPECT_FALSE(G->HasCellProperties(3, 3));
}

TEST_F(BaseGrid, PlatformGridNeverDrawsLinesOrDefaults) {
  for (Integer w : {0, 1, 3}) {
    G->SetGridLineWidth(w);
    EXPECT_EQ(G->GridLineWidth(), w);
    EXPECT_EQ(static_cast<TCustomGrid*>(G)->GridLineWidth(), 0);
  }
  G->SetDefaultDrawing(true);
  EXPECT_TRUE(G->DefaultDrawing());
  EXPECT_FALSE(static_cast<TCustomGrid*>(G)->DefaultDrawing());
}

TEST_F(BaseGrid, ScalingLeavesColumnsAndRowsAlone) {
  G->SetColWidths(2, 50);
  Integer W = G->Width(), Def = G->DefaultColWidth();
  G->Scale(2, 1);
  EXPECT_EQ(G->Width(), 2 * W);
  EXPECT_EQ(G->DefaultColWidth(), Def);
  EXPECT_EQ(G->GetColWidths(2), 50);
}

TEST_F(BaseGrid, MergedCellRectCoversTheAreaWhenScrolledAway) {
  G->MergeCells(1, 1, 2, 3);
  G->HandleNeeded();
  Integer dw = G->DefaultColWidth(), dh = G->DefaultRowHeight();
  TRect R = G->CellRect(2, 2);
  EXPECT_EQ(R, TRect(dw, dh, 3 * dw, 4 * dh));
  G->SetTopRow(3);
  R = G->CellRect(2, 3);
  EXPECT_EQ(R.Top, dh + (1 - 3) * dh);
  EXPECT_EQ(R.Bottom, dh + dh);
  EXPECT_EQ(R.Right - R.Left, 2 * dw);
  EXPECT_EQ(G->CellSize(2, 3).Y, 3 * dh);
}

TEST_F(BaseGrid, TallGridStaysQuick) {
  G->SetRowCount(100000);
  G->HandleNeeded();
  G->MergeCells(1, 99990, 2, 5);
  G->SetCells(2, 99994, L"deep");
  G->SetRow(99992);
  Pump();
  TRendered Img(G);
  EXPECT_EQ(G->GetCells(1, 99990), L"deep");
  TRect R = G->CellRect(2, 99993);
  EXPECT_EQ(R.Bottom - R.Top, 5 * G->DefaultRowHeight());
  G->SetRowCount(5);  // frees the area's properties
  EXPECT_FALSE(G->HasCellProperties(1, 99990));
}

TEST_F(BaseGrid, ArrowKeysLeaveAMergedAreaInOneStep) {
  G->MergeCells(1, 1, 3, 2);
  G->HandleNeeded();
  G->SetCol(1);
  G->SetRow(1);
  G->Key(VK_RIGHT);
  EXPECT_EQ(G->Col(), 4);
  G->Key(VK_LEFT);  // back into the area: its base cell
  EXPECT_EQ(G->Col(), 1);
  G->Key(VK_DOWN);
  EXPECT_EQ(G->Row(), 3);
  G->SetRow(2);  // a covered cell selects its base
  G->SetCol(2);
  G->SelectBaseCell();
  EXPECT_EQ(G->Col(), 1);
  EXPECT_EQ(G->Row(), 1);

  // Left from a covered cell of an area wider than the columns before it
  // stays on the grid.
  G->SetCol(3);
  EXPECT_NO_THROW(G->Key(VK_LEFT));
  EXPECT_EQ(G->Col(), 1);
}

TEST_F(BaseGrid, MergedAreaPaintsItsContentOncePerPass) {
  G->MergeCells(2, 2, 3, 2);
  G->SetCells(2, 2, L"x");
  Pump();
  G->Content.clear();
  TRendered First(G);
  auto Once = G->Content;
  TRendered Second(G);
  for (auto& [cell, n] : G->Content) EXPECT_EQ(n, 2 * Once[cell]) << cell.first << "," << cell.second;
  for (Integer c = 2; c <= 4; ++c)
    for (Integer r = 2; r <= 3; ++r)
      if (c != 2 || r != 2) { EXPECT_EQ(Once.count({c, r}), 0u) << c << "," << r; }
  Integer BaseDraws = Once[std::make_pair(2, 2)];
  EXPECT_GE(BaseDraws, 1);
  EXPECT_LE(BaseDraws, 2);
}

TEST_F(BaseGrid, RowColoursAndOwnGridLines) {
  G->SetColor(0xFFFFFF);
  G->SetBorderStyle(bsNone);  // client and picture coordinates agree
  G->SetDefaultColWidth(40);
  G->SetDefaultRowHeight(20);
  G->SetCol(1);
  G->SetRow(2);
  G->SetActiveRowShow(true);
  G->SetActiveRowColor(0x00FF00);
  G->SetHoverRow(true);
  G->SetHoverRowColor(0x0000FF);
  G->HoverRowIdxForTest(2);
  Pump();
  {
    TRendered Img(G);
    // (3, 2): current row, not the current cell: the active row wins.
    EXPECT_EQ(Img.Pixel(3 * 40 + 20, 2 * 20 + 10), 0x00FF00);
    // A plain cell and its own bottom and right lines.
    EXPECT_EQ(Img.Pixel(3 * 40 + 20, 5 * 20 + 10), 0xFFFFFF);
    EXPECT_EQ(Img.Pixel(3 * 40 + 20, 6 * 20 - 1), 0xC0C0C0);
    EXPECT_EQ(Img.Pixel(4 * 40 - 1, 5 * 20 + 10), 0xC0C0C0);
  }
  G->HoverRowIdxForTest(5);
  G->SetGridLineWidth(0);
  G->Invalidate();
  Pump();
  {
    TRendered Img(G);
    // The hover row, lines and all in its colour when lines have no width.
    EXPECT_EQ(Img.Pixel(3 * 40 + 20, 5 * 20 + 10), 0x0000FF);
    EXPECT_EQ(Img.Pixel(3 * 40 + 20, 6 * 20 - 1), 0x0000FF);
    EXPECT_EQ(Img.Pixel(4 * 40 - 1, 5 * 20 + 10), 0x0000FF);
  }
}

TEST_F(BaseGrid, SelectionFacesAndNodeColumn) {
  G->SetColor(0xFFFFFF);
  G->SetBorderStyle(bsNone);
  G->SetDefaultColWidth(40);
  G->SetDefaultRowHeight(20);
  G->SetSelection(TGridRect{1, 2, 3, 2});
  G->SetSelectionStyle(ssVista);
  auto Face = [&](Integer c) {
    G->Invalidate();
    Pump();
    TRendered Img(G);
    return Img.Pixel(c * 40 + 20, 2 * 20 + 10);
  };
  auto IsGrey = [](TColor C) { return (C & 0xFF) == ((C >> 8) & 0xFF) && (C & 0xFF) == ((C >> 16) & 0xFF); };
  // Without the focus and without goDrawFocusSelected: the grey face.
  TColor Grey = Face(2);
  EXPECT_NE(Grey, 0xFFFFFF);
  EXPECT_TRUE(IsGrey(Grey)) << std::hex << Grey;
  TGridOptions O = G->Options();
  O.Include(goDrawFocusSelected);
  G->SetOptions(O);
  TColor Vista = Face(2);
  EXPECT_FALSE(IsGrey(Vista)) << std::hex << Vista;
  EXPECT_GT((Vista >> 16) & 0xFF, Vista & 0xFF);  // bluish
  G->SetSelectionStyle(ssDefault);
  G->SetSelectionStyle(ssWin7);
  EXPECT_NE(Face(2), Vista);

  // Fixed and selected cells are left to the visual style when it is on.
  G->SetSelectionStyle(ssDefault);
  G->VclStyles = true;
  G->CellColor = 0x0000FF;
  G->Invalidate();
  Pump();
  {
    TRendered Img(G);
    EXPECT_NE(Img.Pixel(2 * 40 + 20, 2 * 20 + 10), 0x0000FF);  // selected
    EXPECT_NE(Img.Pixel(20, 5 * 20 + 10), 0x0000FF);           // fixed
    EXPECT_EQ(Img.Pixel(2 * 40 + 20, 5 * 20 + 10), 0x0000FF);  // plain
  }
  G->CellColor = clNone;

  // A node grid draws no bottom line under column 0.
  G->VclStyles = false;
  G->Invalidate();
  Pump();
  TColor Line = TRendered(G).Pixel(20, 6 * 20 - 1);
  EXPECT_EQ(Line, 0x808080);
  G->Nodes = true;
  G->Invalidate();
  Pump();
  EXPECT_NE(TRendered(G).Pixel(20, 6 * 20 - 1), 0x808080);
}

TEST_F(BaseGrid, UndoLinkFollowsTheComponent) {
  auto* U = new TExGridUndoRedo(nullptr);
  G->SetUndoRedo(U);
  EXPECT_EQ(U->Grid(), G);
  delete U;
  EXPECT_EQ(G->UndoRedo(), nullptr);

  TExGridUndoRedo Survivor(nullptr);
  G->SetUndoRedo(&Survivor);
  Survivor.RegisterChange(1, 1, L"", L"x");
  delete G;
  EXPECT_EQ(Survivor.Grid(), nullptr);
  Survivor.Undo();  // no grid: nothing, no crash
  EXPECT_EQ(Survivor.Level(), 1);
}

// ---- undo and redo -----------------------------------------------------------

class UndoRedo : public BaseGrid {
 protected:
  void SetUp() override {
    BaseGrid::SetUp();
    U = new TExGridUndoRedo(Form.Get());
    G->SetUndoRedo(U);
  }
  void Change(Integer c, Integer r, const String& V) {
    U->RegisterChange(c, r, G->GetCells(c, r), V);
    G->SetCells(c, r, V);
  }
  TExGridUndoRedo* U = nullptr;
};

TEST_F(UndoRedo, NewChangeDropsWhatWasUndone) {
  Change(1, 1, L"A");
  Change(2, 1, L"B");
  Change(3, 1, L"C");
  U->Undo();
  U->Undo();
  EXPECT_EQ(U->Level(), 1);
  EXPECT_EQ(G->GetCells(2, 1), L"");
  EXPECT_EQ(G->GetCells(3, 1), L"");
  Change(4, 1, L"D");
  EXPECT_EQ(U->Level(), 2);
  EXPECT_EQ(U->Items()->Count(), 2);
  EXPECT_FALSE(U->CanRedo());
  U->Undo();
  EXPECT_EQ(G->GetCells(4, 1), L"");
  EXPECT_EQ(G->Col(), 4);
  U->Undo();
  EXPECT_EQ(G->GetCells(1, 1), L"");
  EXPECT_FALSE(U->CanUndo());
  U->Redo();
  EXPECT_EQ(G->GetCells(1, 1), L"A");
}

TEST_F(UndoRedo, SequenceStepsAsOne) {
  Change(1, 5, L"keep");
  U->StartSequence();
  Change(1, 1, L"x");
  Change(2, 1, L"y");
  Change(3, 1, L"z");
  U->StopSequence();
  EXPECT_EQ(U->Level(), 6);
  U->Undo();
  EXPECT_EQ(U->Level(), 1);
  EXPECT_EQ(G->GetCells(1, 1) + G->GetCells(2, 1) + G->GetCells(3, 1), L"");
  EXPECT_EQ(G->GetCells(1, 5), L"keep");
  U->Redo();
  EXPECT_EQ(U->Level(), 6);
  EXPECT_EQ(G->GetCells(1, 1) + G->GetCells(2, 1) + G->GetCells(3, 1), L"xyz");
}

TEST_F(UndoRedo, MaxLevelKeepsTheNewest) {
  U->SetMaxLevel(2);
  Change(1, 1, L"a");
  Change(1, 2, L"b");
  Change(1, 3, L"c");
  ASSERT_EQ(U->Items()->Count(), 2);
  EXPECT_EQ(U->Items()->GetItem(0)->Value(), L"b");
  EXPECT_EQ(U->Items()->GetItem(1)->Value(), L"c");
}

TEST_F(UndoRedo, EventsSeeTheCurrentAndTheNewText) {
  std::vector<std::pair<String, String>> Seen;
  U->OnUndo = [&](TObject*, TBaseGrid*, Integer, Integer, const String& O, const String& N) {
    Seen.push_back({O, N});
  };
  U->OnRedo = U->OnUndo;
  U->Undo();  // nothing to undo
  U->Redo();  // nothing to redo
  EXPECT_TRUE(Seen.empty());
  Change(2, 2, L"shown");
  U->Undo();
  U->Redo();
  ASSERT_EQ(Seen.size(), 2u);
  EXPECT_EQ(Seen[0], std::make_pair(String(L"shown"), String()));
  EXPECT_EQ(Seen[1], std::make_pair(String(), String(L"shown")));
}

TEST_F(UndoRedo, OpenSequencesNeverReplayMarkers) {
  // A start whose stop was never registered, and a stop whose start was
  // pruned: Level stays in range and no cell (-1, -1) is written.
  U->StartSequence();
  Change(1, 1, L"a");
  U->Undo();
  U->Undo();
  EXPECT_EQ(U->Level(), 0);
  U->Redo();
  EXPECT_EQ(U->Level(), U->Items()->Count());
  EXPECT_EQ(G->GetCells(1, 1), L"a");
  U->Reset();
  U->SetMaxLevel(1);
  U->StartSequence();
  Change(1, 2, L"b");  // prunes the start marker
  U->StopSequence();
  U->Undo();
  EXPECT_EQ(U->Level(), 0);
  EXPECT_EQ(G->GetCells(1, 2), L"");
}

}  // namespace
