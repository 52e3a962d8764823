// Columns and rows sized to their content, columns fitted to the grid's
// width, the grid sized to its cells, numbering of a column or a row, and
// the small placement helpers of painting and printing: the text inset,
// the line count of a row and the origin of rotated text.
#include <algorithm>
#include <cmath>
#include <vector>
#include "foundation/TextUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

using foundation::LimitValue;

Integer TRezIvevirAvod::GetTotalXOffset() const { return FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }

Integer TRezIvevirAvod::GetTotalYOffset() const { return FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }

// --- columns -------------------------------------------------------------------------------------

void TRezIvevirAvod::MeasureColumnWidth(Integer ACol, bool GrowOnly) {
  const Integer RCol = DisplToRealCol(ACol);
  Integer First = 0, Last = RowCount() - 1;
  if (FColumnSize->Rows() == arNormal) First = FixedRows(), Last = RowCount() - FFixedFooters - 1;
  if (FColumnSize->Rows() == arFixed) Last = FixedRows() - 1;
  Integer Widest = 0;
  for (Integer r = First; r <= Last; ++r) {
    if (IsXMergedCell(RCol, r)) continue;
    TSize Text{0, 0};
    MeasureCellText(RCol, ACol, Text, false, WordWrap(), false, r);
    Integer W = GetCellGraphicSize(RCol, r).X + Text.cx;
    if (FControlLook->DropDownAlwaysVisible() && HasComboBox(RCol, r, edNone)) W += 16;
    if (ShowsSortIndicator(RCol, r) && RCol == FSortSettings->Column()) W += 10;
    TCellGraphic* G = GetCellGraphic(RCol, r);
    if (G && G->CellHAlign() == haFull) W = GetCellGraphicSize(RCol, r).X - (2 * GridLineWidth() + FXYOffset.X + 2);
    Widest = std::max(Widest, W);
  }
  Integer Width = Widest + GetTotalXOffset() + 2 * GridLineWidth() + 2;
  if (GrowOnly && GetColWidths(ACol) >= Width) return;
  DoUpdateAutoColumnSize(ACol, Width);
  SetColWidths(ACol, LimitValue(Width, FMinColWidth, FMaxColWidth));
}

void TRezIvevirAvod::AutoSizeCol(Integer ACol, Integer Padding) {
  if (ACol == 0 && FNumNodes > 0) {
    Integer Deepest = 0;
    for (Integer r = 0; r < RowCount(); ++r)
      if (TCellProperties* P = ExistingProps(0, r)) Deepest = std::max(Deepest, P->NodeLevel());
    Integer Start = 4;
    switch (FCellNode->NodeType()) {
      case cn3D: Start = 6; break;
      case cnGlyph: Start = FCellNode->ExpandGlyph()->Empty() ? 0 : FCellNode->ExpandGlyph()->Width() / 2; break;
      case cnLeaf: Start = 8; break;
      default: break;
    }
    SetColWidths(0, Start + Deepest * FCellNode->NodeIndent());
  }
  MeasureColumnWidth(ACol, FSizeGrowOnly);
  if (Padding != 0) SetColWidths(ACol, LimitValue(GetColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
}

void TRezIvevirAvod::AutoGrowCol(Integer ACol, Integer Padding) {
  const bool Kept = FSizeGrowOnly;
  TScopeExit Restore([&] { FSizeGrowOnly = Kept; });
  FSizeGrowOnly = true;
  AutoSizeCol(ACol, Padding);
}

void TRezIvevirAvod::AutoSizeColumns(bool DoFixedCols, Integer Padding) {
  const Integer First = DoFixedCols ? 0 : FixedCols();
  const Integer Last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  for (Integer c = First; c <= Last; ++c) {
    MeasureColumnWidth(c, FSizeGrowOnly);
    if (Padding != 0) SetColWidths(c, LimitValue(GetColWidths(c) + Padding, FMinColWidth, FMaxColWidth));
  }
}

void TRezIvevirAvod::AutoGrowColumns(bool DoFixedCols, Integer Padding) {
  const bool Kept = FSizeGrowOnly;
  TScopeExit Restore([&] { FSizeGrowOnly = Kept; });
  FSizeGrowOnly = true;
  AutoSizeColumns(DoFixedCols, Padding);
}

// --- rows ----------------------------------------------------------------------------------------

void TRezIvevirAvod::MeasureRowHeight(Integer ARow, bool GrowOnly) {
  TCanvas* C = MeasureCanvas();
  Integer Highest = 0;
  for (Integer c = 0; c < ColCount(); ++c) {
    const Integer RCol = DisplToRealCol(c);
    if (IsYMergedCell(RCol, ARow)) continue;
    if (FIgnoredColumns->HasValue(RCol)) continue;
    C->Font()->Assign(ARow < FixedRows() || c < FixedCols() ? FFixedFont.get() : Font());
    GetCellColor(RCol, ARow, TGridDrawState{}, C->Brush(), C->Font());
    ZoomFont(C->Font());
    TSize Text{0, 0};
    MeasureCellText(RCol, c, Text, false, WordWrap(), false, ARow);
    Integer TH = Text.cy, GH = CalcCellGraphicSize(RCol, ARow, 0).Y;
    const TCellType Kind = GetCellType(RCol, ARow);
    if (TCellGraphic* G = GetCellGraphic(RCol, ARow)) {
      if (G->CellVAlign() == vaFull) GH = TH == 0 ? DefaultRowHeight() : 0;
      if ((Kind == ctDataCheckBox || Kind == ctVirtCheckBox) && GH > 0) TH = 0;
    }
    Integer H = TH + GH;
    if (!IsBaseCell(RCol, ARow)) H = 0;
    if (Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRadioButton)
      H = DefaultRowHeight();
    Highest = std::max(Highest, H);
  }
  Integer Height = Highest + GetTotalYOffset() + 2 * GridLineWidth() + (FXYOffsetTopLeftOnly ? 2 : 0);
  if (GrowOnly && GetRowHeights(ARow) >= Height) return;
  SetRowHeights(ARow, LimitValue(Height, FMinRowHeight, FMaxRowHeight));
}

void TRezIvevirAvod::AutoSizeRow(Integer ARow, Integer Padding) {
  MeasureRowHeight(ARow, FSizeGrowOnly);
  if (Padding != 0) SetRowHeights(ARow, LimitValue(GetRowHeights(ARow) + Padding, FMinRowHeight, FMaxRowHeight));
}

void TRezIvevirAvod::AutoSizeRows(bool DoFixedRows, Integer Padding) {
  if (RowCount() == 0) return;
  const Integer First = DoFixedRows ? 0 : FixedRows();
  ExportNotification(esExportStart, First);
  for (Integer r = First; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    if (WordWrap())
      AutoSizeRow(r, Padding);
    else
      SizeRowToLines(r, MaxLinesInRow(r), Padding);
  }
  ExportNotification(esExportDone, -1);
  UpdateScrollBarAlways(true);
}

void TRezIvevirAvod::SizeRowToLines(Integer ARow, Integer Lines, Integer Extra) {
  TCanvas* C = MeasureCanvas();
  C->Font()->Assign(Font());
  GetCellColor(FixedCols(), ARow, TGridDrawState{}, C->Brush(), C->Font());
  TRect Box(0, 0, 4096, 20);
  String Sample = L"gh";
  C->TextRect(Box, Sample, TTextFormat{tfCalcRect, tfSingleLine});
  const Integer H = Box.Height();
  const Integer Height = LimitValue(Extra + Lines * (H + 2), FMinRowHeight, FMaxRowHeight) + FXYOffset.Y;
  SetRowHeights(ARow, Height);
}

Integer TRezIvevirAvod::MaxLinesInRow(Integer ARow) {
  if (!FMultilinecells || ColCount() == 0) return 1;
  Integer Most = 0;
  for (Integer c = 0; c < ColCount(); ++c)
    Most = std::max(Most, foundation::CountTextLines(GetCells(DisplToRealCol(c), ARow), true));
  return Most;
}

// --- cells, fitting, the grid's own size ------------------------------------------------------

void TRezIvevirAvod::AutoSizeCells(bool DoFixedCells, Integer PaddingX, Integer PaddingY) {
  BeginUpdate();
  TScopeExit End([this] { EndUpdate(); });
  const Integer FirstCol = DoFixedCells ? 0 : FixedCols(), FirstRow = DoFixedCells ? 0 : FixedRows();
  // Without SizeGrowOnly the sizes start from nothing, so a column or row
  // may also shrink to what its cells need.
  std::vector<Integer> Heights;
  for (Integer r = FirstRow; r < RowCount(); ++r) Heights.push_back(FSizeGrowOnly ? GetRowHeights(r) : 0);
  TCanvas* C = MeasureCanvas();
  for (Integer c = FirstCol; c < ColCount(); ++c) {
    const Integer RCol = DisplToRealCol(c);
    Integer Width = FSizeGrowOnly ? GetColWidths(c) : 0;
    for (Integer r = FirstRow; r < RowCount(); ++r) {
      C->Font()->Assign(r < FixedRows() || c < FixedCols() ? FFixedFont.get() : Font());
      GetCellColor(RCol, r, TGridDrawState{}, C->Brush(), C->Font());
      const TSize Text = GetCellTextSize(RCol, r, false, false);
      const TPoint Graphic = GetCellGraphicSize(RCol, r);
      const Integer W = Text.cx + Graphic.X + PaddingX + FXYOffset.X;
      const Integer H = Text.cy + Graphic.Y + PaddingY + FXYOffset.Y;
      if (!IsXMergedCell(RCol, r) && W > Width) Width = std::max(Width, LimitValue(W, FMinColWidth, FMaxColWidth));
      Integer& RowHeight = Heights[r - FirstRow];
      if (!IsYMergedCell(RCol, r) && H > RowHeight)
        RowHeight = std::max(RowHeight, LimitValue(H, FMinRowHeight, FMaxRowHeight));
    }
    if (Width > 0) SetColWidths(c, Width);
  }
  for (Integer r = FirstRow; r < RowCount(); ++r)
    if (Heights[r - FirstRow] > 0) SetRowHeights(r, Heights[r - FirstRow]);
}

void TRezIvevirAvod::AutoFitColumns(bool DoFixedCells) {
  const bool SomeRowsHidden = VisibleRowCount() + FixedRows() < RowCount();
  const Integer S = FScrollBarAlways == saVert || (ScrollBars() != ssNone && SomeRowsHidden)
                        ? GetSystemMetrics(SM_CXVSCROLL)
                        : 0;
  const Integer B = BorderStyle() == bsSingle ? (Ctl3D() ? 4 : 2) : 0;
  const Integer First = DoFixedCells ? 0 : FixedCols();
  const Integer Last = DoFixedCells ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  Integer W = Width();
  if (!DoFixedCells)
    for (Integer c = 0; c < ColCount(); ++c)
      if (c < First || c > Last) W -= GetColWidths(c);
  Integer L = Options().Contains(goVertLine) ? GridLineWidth() * (ColCount() - FixedCols()) : 0;
  if (Options().Contains(goFixedVertLine) && DoFixedCells) L += FixedCols() + FFixedRightCols;
  if (ColCount() < 2) {
    SetColWidths(0, W - S - 5);
    return;
  }
  Integer Sum = 0;
  for (Integer c = First; c <= Last; ++c) Sum += GetColWidths(c);
  if (Sum == W - S - B || Sum <= 0) return;
  const double F = double(W - S - B - L) / Sum;
  double T = 0;
  for (Integer c = First; c <= Last; ++c) T += Round(F * GetColWidths(c));
  for (Integer c = First; c <= Last; ++c) SetColWidths(c, Integer(Round(GetColWidths(c) * T / Sum)));
  Integer NewSum = 0, WidestCol = First;
  for (Integer c = First; c <= Last; ++c) {
    NewSum += GetColWidths(c);
    if (GetColWidths(c) > GetColWidths(WidestCol)) WidestCol = c;
  }
  Integer G = W - S - B - NewSum;
  const Integer N = Last - First + 1;
  if (N > 1 && G > N) {
    for (Integer c = First; c <= Last; ++c) SetColWidths(c, GetColWidths(c) + G / N);
    G -= N * (G / N);
  }
  SetColWidths(WidestCol, GetColWidths(WidestCol) + G);
}

void TRezIvevirAvod::SizeToCols() {
  Integer W = 0;
  for (Integer c = 0; c < ColCount(); ++c) W += GetColWidths(c);
  SetClientWidth(W);
}

void TRezIvevirAvod::SizeToRows() {
  Integer H = 0;
  for (Integer r = 0; r < RowCount(); ++r) H += GetRowHeights(r);
  SetClientHeight(H);
}

void TRezIvevirAvod::SizeToCells() {
  const TScrollStyle Kept = ScrollBars();
  SetScrollBars(ssNone);
  SizeToCols();
  SizeToRows();
  SetScrollBars(Kept);
}

// --- numbering -----------------------------------------------------------------------------------

void TRezIvevirAvod::AutoNumberCol(Integer ACol) {
  if (RowCount() == 0) return;
  const Integer Last = RowCount() - FFixedFooters - 1;
  for (Integer p = FixedRows() + FAutoNumberStart; p <= Last; ++p) {
    const Integer Number = FAutoNumberOffset + (p - FixedRows()) + 1;
    SetInts(ACol, FAutoNumberDirection == sdAscending ? p : FixedRows() + Last - p, Number);
  }
}

void TRezIvevirAvod::AutoNumberRow(Integer ARow) {
  const Integer Last = ColCount() - FFixedRightCols - 1;
  for (Integer p = FixedCols() + FAutoNumberStart; p <= Last; ++p) {
    const Integer Number = FAutoNumberOffset + (p - FixedCols()) + 1;
    SetInts(FAutoNumberDirection == sdAscending ? p : FixedCols() + Last - p, ARow, Number);
  }
}

// --- placement helpers ---------------------------------------------------------------------------

void TRezIvevirAvod::CalcRotatedTextRect(TRect& Rect, TSize& Size, TVAlignment VAlign, TAlignment HAlign,
                                         const String& Text, Integer Angle) {
  TCanvas* C = MeasureCanvas();
  Size = C->TextExtent(Text);
  Rect = TRect(Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2);
  const double T = Angle * 3.14159265358979323846 / 180.0;
  const Integer A = std::abs(Integer(std::cos(T) * Size.cy)), B = std::abs(Integer(std::sin(T) * Size.cx));
  const Integer Cc = std::abs(Integer(std::sin(T) * Size.cy)), D = std::abs(Integer(std::cos(T) * Size.cx));
  PlaceRotatedText(Rect, HAlign, VAlign, A, B, Cc, D, Angle);
}

void TRezIvevirAvod::PlaceRotatedText(TRect& Rect, TAlignment HAlign, TVAlignment VAlign, Integer A, Integer B,
                                      Integer C, Integer D, Integer Angle) {
  const Integer Q = Angle <= 90 ? 1 : Angle <= 180 ? 2 : Angle <= 270 ? 3 : 4;
  const Integer W = Rect.Right - Rect.Left, H = Rect.Bottom - Rect.Top;
  const Integer Left = Rect.Left, Right = Rect.Right, Top = Rect.Top, Bottom = Rect.Bottom;
  Integer X = Left, Y = Top;
  switch (Q) {
    case 1:
      X = HAlign == taRightJustify ? Right - D - C : HAlign == taCenter ? Left + (W - C - D) / 2 : Left;
      Y = VAlign == vtaCenter ? Top + B - (A + B - H) / 2 : VAlign == vtaBottom ? Bottom - A : Top + B;
      break;
    case 2:
      X = HAlign == taRightJustify ? Right - C : HAlign == taCenter ? Right - (C + W - D) / 2 : Left + D;
      Y = VAlign == vtaCenter ? Top + A + B - (A + B - H) / 2 : VAlign == vtaBottom ? Bottom : Top + A + B;
      break;
    case 3:
      X = HAlign == taRightJustify ? Right : HAlign == taCenter ? Right - (W - C - D) / 2 : Left + C + D;
      Y = VAlign == vtaCenter ? Top + A - (A + B - H) / 2 : VAlign == vtaBottom ? Bottom - B : Top + A;
      break;
    default:
      X = HAlign == taRightJustify ? Right - D : HAlign == taCenter ? Left + (C + W - D) / 2 : Left + C;
      Y = VAlign == vtaCenter ? Top - (A + B - H) / 2 : VAlign == vtaBottom ? Bottom - A - B : Top;
      break;
  }
  Rect.Left = X;
  Rect.Top = Y;
}

void TRezIvevirAvod::InvalidateCellRange(TRezIvevirAvod* Grid, const TGridRect& Cells) {
  if (!Grid->HandleAllocated()) return;
  const TRect R1 = Grid->CellRect(Cells.Left, Cells.Top), R2 = Grid->CellRect(Cells.Right, Cells.Bottom);
  RECT Both{std::min(R1.Left, R2.Left), std::min(R1.Top, R2.Top), std::max(R1.Right, R2.Right),
            std::max(R1.Bottom, R2.Bottom)};
  ::InvalidateRect(Grid->Handle(), &Both, FALSE);
}

}  // namespace jorv::grid
