#include "grid/base/BaseGrid.h"
#include <algorithm>
#include <limits>
#include "foundation/Gradients.h"
#include "foundation/ValueUtils.h"
#include "grid/base/GridUndo.h"
#include "grid/base/SameGdiObjects.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Pen.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {
using namespace jorv::foundation;

TBaseGrid::TBaseGrid(TComponent* AOwner)
    : TObjStringGrid(AOwner), FDefFont(std::make_unique<TFont>()), FDefBrush(std::make_unique<TBrush>()) {
  // The base grid draws its own lines and backgrounds; the inherited grid
  // must never draw either.
  TCustomGrid::SetGridLineWidth(0);
  TCustomGrid::SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid() {
  FDestroying = true;
  FDefFont.reset();
  FDefBrush.reset();
  FreeAllCellProperties();
  // The component model tells a linked undo component that the grid goes.
}

// ---- cell text -------------------------------------------------------------

String TBaseGrid::GetCellEx(Integer c, Integer r) {
  if (HasCellProperties(c, r)) {
    TPoint b = PropsAt(c, r)->GetBaseCell(c, r);
    c = b.X;
    r = b.Y;
  }
  String Result = StoredCell(c, r);
  if (r < FNormalRowCount) {
    GetDisplText(c, r, Result);
    if (OnGetDisplWideText) {
      String W = MarkedTextToWide(Result);
      GetDisplWideText(c, r, W);
      Result = WideToMarkedText(W);
    }
  }
  return Result;
}

void TBaseGrid::SetCellEx(Integer c, Integer r, const String& Value) {
  if (HasCellProperties(c, r)) {
    TPoint b = PropsAt(c, r)->GetBaseCell(c, r);
    StoreCell(b.X, b.Y, Value);
    UpdateCellScrollBar(b.X, b.Y);
    if (Parent()) RepaintCell(c, r);
  } else {
    StoreCell(c, r, Value);
  }
  if (FHideLastRow && r + 1 == RowCount()) FooterRowChanged();
}

void TBaseGrid::GetDisplText(Integer ACol, Integer ARow, String& Value) {
  if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(Integer ACol, Integer ARow, String& Value) {
  if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

// ---- objects -----------------------------------------------------------------

TObject* TBaseGrid::GetObjectEx(Integer c, Integer r) const {
  TCellProperties* P = PropsAt(c, r);
  return P ? reinterpret_cast<TObject*>(P->CellObject()) : nullptr;
}

void TBaseGrid::SetObjectEx(Integer c, Integer r, TObject* Value) {
  // A cell with an object must not read as empty while the object is
  // stored: the brief " " keeps the cell alive through the write.
  bool WasEmpty = GetCellEx(c, r).empty();
  if (WasEmpty) SetCellEx(c, r, L" ");
  GetCellProperties(c, r)->SetCellObject(reinterpret_cast<uintptr_t>(Value));
  if (WasEmpty) SetCellEx(c, r, String());
}

TObject* TBaseGrid::GetGraphicObjectEx(Integer c, Integer r) const {
  return PropertiesGraphic(PropsAt(c, r));
}

void TBaseGrid::SetGraphicObjectEx(Integer c, Integer r, TObject* Value) {
  if (FDestroying) return;
  bool WasEmpty = GetCellEx(c, r).empty();
  if (WasEmpty) SetCellEx(c, r, L" ");
  TCellProperties* P = PropsAt(c, r);
  if (!P) {
    P = new TCellProperties(this, c, r);
    SetGridObject(c, r, P);
    TFont F;
    TBrush B;
    TColor ColorTo = clNone, Mirror = clNone, MirrorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = FWordWrap;
    TCellGradientDirection GD = GradientVertical;
    GetDefaultCellProperties(c, r, &F, &B, ColorTo, Mirror, MirrorTo, HA, VA, WW, GD);
    P->SetCalcType(acNONE);
    P->SetAlignment(HA);
    P->SetVAlignment(VA);
    P->SetWordWrap(WW);
    P->SetFontName(F.Name());
    P->SetFontSize(F.Size());
    P->SetFontStyle(F.Style());
    P->SetFontColor(F.Color());
    P->SetBrushColor(B.Color());
    P->SetBrushColorTo(ColorTo);
    P->SetGradientDirection(GD);
  }
  P->SetGraphicObject(Value);
  if (WasEmpty) SetCellEx(c, r, String());
}

// ---- cell properties ---------------------------------------------------------

bool TBaseGrid::HasCellProperties(Integer c, Integer r) const {
  return c >= 0 && c < TotalColCount() && r >= 0 && PropsAt(c, r) != nullptr;
}

TCellProperties* TBaseGrid::GetCellProperties(Integer c, Integer r) {
  TCellProperties* P = PropsAt(c, r);
  return P ? P : CreateCellProperties(c, r);
}

void TBaseGrid::GetDefaultCellProperties(Integer, Integer, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                         TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                         TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
  AFont->Assign(Font());
  ABrush->SetColor(Color());
  AColorTo = clNone;
  AMirrorColor = clNone;
  AMirrorColorTo = clNone;
  HA = taLeftJustify;
  VA = vtaTop;
  WW = FWordWrap;
  GD = GradientVertical;
}

TCellProperties* TBaseGrid::CreateCellProperties(Integer c, Integer r) {
  // Checked before anything is made, so a bad cell leaves nothing behind.
  CheckStorableCell(c, r);
  auto* P = new TCellProperties(this, c, r);
  SetGridObject(c, r, P);
  TColor ColorTo = clNone, Mirror = clNone, MirrorTo = clNone;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = FWordWrap;
  TCellGradientDirection GD = GradientVertical;
  GetDefaultCellProperties(c, r, FDefFont.get(), FDefBrush.get(), ColorTo, Mirror, MirrorTo, HA, VA, WW, GD);
  P->SetCalcType(acNONE);
  P->SetAlignment(HA);
  // Written past the repainting setters: a new object changes no look.
  P->FVAlignment = VA;
  P->FWordWrap = WW;
  P->FFontName = FDefFont->Name();
  P->FFontSize = FDefFont->Size();
  P->FFontStyle = FDefFont->Style();
  P->FFontColor = FDefFont->Color();
  P->FBrushColor = FDefBrush->Color();
  P->FBrushColorTo = ColorTo;
  P->FGradientDirection = GD;
  return P;
}

void TBaseGrid::SetCellProperties(Integer c, Integer r, TCellProperties* Value) {
  TCellProperties* Old = PropsAt(c, r);
  if (Old == Value) return;
  SetGridObject(c, r, Value);
  delete Old;
}

void TBaseGrid::FreeCellProperties(Integer c, Integer r) {
  TCellProperties* P = PropsAt(c, r);
  if (!P) return;
  SetGridObject(c, r, nullptr);
  delete P;
}

void TBaseGrid::FreeCellPropertiesRange(Integer Col1, Integer Row1, Integer Col2, Integer Row2) {
  if (!FHasCellProps) return;
  // Only what is stored is visited: a tall range over rows never written
  // costs nothing.
  Row1 = std::max(Row1, 0);
  Row2 = std::min(Row2, StoredRowCount() - 1);
  for (Integer r = Row1; r <= Row2; ++r) {
    Integer Last = std::min(Col2, StoredColCount(r) - 1);
    for (Integer c = std::max(Col1, 0); c <= Last; ++c) DropCellProperties(c, r, true);
  }
}

void TBaseGrid::DropCellProperties(Integer c, Integer r, bool ClearSlot) {
  TCellProperties* P = PropsAt(c, r);
  if (!P) return;
  if (TObject* G = P->GraphicObject(); G && G->ClassName() == L"TCellGraphic") delete G;
  if (ClearSlot) SetGridObject(c, r, nullptr);
  delete P;
}

void TBaseGrid::FreeAllCellProperties() {
  // Kept cells beyond the counts are the grid's too.
  FreeCellPropertiesRange(0, 0, std::numeric_limits<Integer>::max(), std::numeric_limits<Integer>::max());
}

void TBaseGrid::SizeChanged(Integer OldColCount, Integer OldRowCount) {
  // Cells cut off by a smaller grid take their property objects with them;
  // the string grid only drops the slots. A grid that keeps its cells
  // beyond the counts keeps their properties too.
  if (FHasCellProps && !KeepCellsBeyondCount()) {
    // The slots are beyond the counts now: the string grid drops them.
    for (Integer r = RowCount(); r < StoredRowCount(); ++r)
      for (Integer c = 0; c < StoredColCount(r); ++c) DropCellProperties(c, r, false);
    if (ColCount() < OldColCount)
      for (Integer r = 0; r < std::min(RowCount(), StoredRowCount()); ++r)
        for (Integer c = ColCount(); c < StoredColCount(r); ++c) DropCellProperties(c, r, false);
  }
  TObjStringGrid::SizeChanged(OldColCount, OldRowCount);
}

// ---- merged cells ------------------------------------------------------------

void TBaseGrid::MergeCells(Integer c, Integer r, Integer spanx, Integer spany) {
  ++FMergeCount;
  if (spanx < 1 || spany < 1) return;
  // A cell keeps only one base: an area the new one overlaps is split
  // first, or its cells outside the new area would point at a base whose
  // span no longer covers them.
  for (Integer x = c; x < c + spanx; ++x)
    for (Integer y = r; y < r + spany; ++y)
      if (IsMergedCell(x, y)) SplitCells(x, y);
  for (Integer x = c; x < c + spanx; ++x)
    for (Integer y = r; y < r + spany; ++y) {
      TCellProperties* P = GetCellProperties(x, y);
      bool Base = x == c && y == r;
      P->SetIsBaseCell(Base);
      P->SetCellSpanX(Base ? spanx - 1 : x - c);
      P->SetCellSpanY(Base ? spany - 1 : y - r);
    }
  for (Integer x = c; x < c + spanx; ++x)
    for (Integer y = r; y < r + spany; ++y) RepaintCell(DisplColIndex(x), y);
}

void TBaseGrid::SplitCells(Integer c, Integer r) {
  TCellProperties* P = GetCellProperties(c, r);
  TPoint b = P->GetBaseCell(c, r);
  TCellProperties* BP = GetCellProperties(b.X, b.Y);
  Integer sx = BP->CellSpanX(), sy = BP->CellSpanY();
  for (Integer x = b.X; x <= b.X + sx; ++x)
    for (Integer y = b.Y; y <= b.Y + sy; ++y) {
      TCellProperties* Q = GetCellProperties(x, y);
      Q->SetIsBaseCell(true);
      Q->SetCellSpanX(-1);
      Q->SetCellSpanY(-1);
    }
  for (Integer x = b.X; x <= b.X + sx; ++x)
    for (Integer y = b.Y; y <= b.Y + sy; ++y) RepaintCell(DisplColIndex(x), y);
  --FMergeCount;
}

TPoint TBaseGrid::BaseCell(Integer c, Integer r) const {
  if (HasCellProperties(c, r)) return PropsAt(c, r)->GetBaseCell(c, r);
  return {c, r};
}

bool TBaseGrid::GetBaseCellPos(Integer c, Integer r, Integer& col, Integer& row) const {
  TPoint b = BaseCell(c, r);
  col = b.X;
  row = b.Y;
  return !HasCellProperties(c, r) || PropsAt(c, r)->IsBaseCell();
}

bool TBaseGrid::IsBaseCell(Integer c, Integer r) const {
  return !HasCellProperties(c, r) || PropsAt(c, r)->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(Integer c, Integer r) const {
  if (!HasCellProperties(c, r)) return false;
  TCellProperties* P = PropsAt(c, r);
  return P->CellSpanX() > 0 || P->CellSpanY() > 0;
}

bool TBaseGrid::IsMergedNonBaseCell(Integer c, Integer r) const { return IsMergedCell(c, r) && !IsBaseCell(c, r); }

bool TBaseGrid::IsXMergedCell(Integer c, Integer r) const {
  if (!HasCellProperties(c, r)) return false;
  TPoint b = BaseCell(c, r);
  TCellProperties* BP = PropsAt(b.X, b.Y);
  return BP && BP->CellSpanX() > 0;
}

bool TBaseGrid::IsYMergedCell(Integer c, Integer r) const {
  if (!HasCellProperties(c, r)) return false;
  TPoint b = BaseCell(c, r);
  TCellProperties* BP = PropsAt(b.X, b.Y);
  return BP && BP->CellSpanY() > 0;
}

TPoint TBaseGrid::CellSpan(Integer c, Integer r) const {
  if (!HasCellProperties(c, r)) return {0, 0};
  TCellProperties* P = PropsAt(c, r);
  if (P->CellSpanX() == -1 || P->CellSpanY() == -1) return {0, 0};
  TPoint b = P->GetBaseCell(c, r);
  TCellProperties* BP = PropsAt(b.X, b.Y);
  if (!BP) return {0, 0};
  return {BP->CellSpanX(), BP->CellSpanY()};
}

TPoint TBaseGrid::CellExt(Integer c, Integer r) const {
  if (!HasCellProperties(c, r)) return {0, 0};
  TCellProperties* P = PropsAt(c, r);
  if (P->CellSpanX() == -1 || P->CellSpanY() == -1) return {0, 0};
  TPoint b = P->GetBaseCell(c, r);
  TPoint s = CellSpan(c, r);
  return {b.X + s.X - c, b.Y + s.Y - r};
}

TRect TBaseGrid::FullCell(Integer c, Integer r) const {
  TPoint b = BaseCell(c, r);
  TPoint s = CellSpan(c, r);
  return TRect(b.X, b.Y, b.X + s.X, b.Y + s.Y);
}

Integer TBaseGrid::MinRowSpan(Integer ARow) const {
  Integer Result = RowCount();
  bool Any = false;
  for (Integer c = 0; c < ColCount(); ++c) {
    Integer y = CellSpan(c, ARow).Y;
    if (y > 0 && (!Any || y < Result)) {
      Result = y;
      Any = true;
    }
  }
  return Any ? Result : RowCount();
}

Integer TBaseGrid::MaxRowSpan(Integer ARow) const {
  Integer Result = 0;
  for (Integer c = 0; c < ColCount(); ++c) Result = std::max(Result, CellSpan(c, ARow).Y);
  return Result;
}

bool TBaseGrid::RowSpanIdentical(Integer ARow1, Integer ARow2) const {
  Integer Common = 0;
  for (Integer c = 0; c < ColCount(); ++c) {
    if (CellSpan(c, ARow1).Y > 0 && CellSpan(c, ARow2).Y > 0) {
      ++Common;
      if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
    }
  }
  return Common > 0;
}

bool TBaseGrid::ColSpanIdentical(Integer ACol1, Integer ACol2) const {
  Integer Common = 0;
  for (Integer r = 0; r < RowCount(); ++r) {
    Integer x1 = CellSpan(ACol1, r).X, x2 = CellSpan(ACol2, r).X;
    if (x1 > 0 && x2 > 0) {
      ++Common;
      if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
    } else if (x1 != x2) {
      return false;
    }
  }
  return Common > 0;
}

// ---- geometry ------------------------------------------------------------------

namespace {

// Distance from index From to index To along one axis; only the sizes in
// between are summed, so a tall grid costs what the scrolled distance costs.
template <class SizeOf>
Integer Span(Integer From, Integer To, SizeOf Size) {
  Integer d = 0;
  if (To >= From)
    for (Integer i = From; i < To; ++i) d += Size(i);
  else
    for (Integer i = To; i < From; ++i) d -= Size(i);
  return d;
}

}  // namespace

TRect TBaseGrid::UnclippedCellRect(Integer ACol, Integer ARow) {
  auto W = [this](Integer i) { return GetColWidths(i); };
  auto H = [this](Integer i) { return GetRowHeights(i); };
  TRect Origin = TCustomGrid::CellRect(LeftCol(), TopRow());
  Integer x = ACol >= FixedCols() ? Origin.Left + Span(LeftCol(), ACol, W) : Span(0, ACol, W);
  Integer y = ARow >= FixedRows() ? Origin.Top + Span(TopRow(), ARow, H) : Span(0, ARow, H);
  return TRect(x, y, x + GetColWidths(ACol), y + GetRowHeights(ARow));
}

TRect TBaseGrid::CellRect(Integer c, Integer r) {
  Integer a = RealColIndex(c);
  if (HasCellProperties(a, r)) {
    TCellProperties* P = PropsAt(a, r);
    if (P->CellSpanX() != -1 || P->CellSpanY() != -1) {
      TPoint b = P->GetBaseCell(a, r);
      Integer d = DisplColIndex(b.X);
      TCellProperties* BP = GetCellProperties(b.X, b.Y);
      TRect R1 = UnclippedCellRect(d, b.Y);
      if (R1.Right == R1.Left) ++R1.Right;
      TRect R2 = UnclippedCellRect(d + BP->CellSpanX(), b.Y + BP->CellSpanY());
      if (R2.Right == R2.Left) --R2.Left;
      return TRect(std::min(R1.Left, R2.Left), std::min(R1.Top, R2.Top), std::max(R1.Right, R2.Right),
                   std::max(R1.Bottom, R2.Bottom));
    }
    if (P->Control()) return UnclippedCellRect(c, r);
  }
  TRect R = TCustomGrid::CellRect(c, r);
  return TRect(R.Left, R.Top, R.Left + GetColWidths(c), R.Top + GetRowHeights(r));
}

TPoint TBaseGrid::CellSize(Integer c, Integer r) {
  TRect R;
  if (IsMergedCell(c, r)) {
    TPoint b = BaseCell(c, r);
    TPoint s = CellSpan(c, r);
    TRect R1 = UnclippedCellRect(b.X, b.Y);
    TRect R2 = UnclippedCellRect(b.X + s.X, b.Y + s.Y);
    R = TRect(std::min(R1.Left, R2.Left), std::min(R1.Top, R2.Top), std::max(R1.Right, R2.Right),
              std::max(R1.Bottom, R2.Bottom));
  } else {
    R = UnclippedCellRect(c, r);
  }
  return {R.Right - R.Left, R.Bottom - R.Top};
}

Integer TBaseGrid::FixedColsWidth() const {
  Integer w = 0;
  for (Integer i = 0; i < FixedCols(); ++i) w += GetColWidths(i);
  return w;
}

Integer TBaseGrid::FixedRowsHeight() const {
  Integer h = 0;
  for (Integer i = 0; i < FixedRows(); ++i) h += GetRowHeights(i);
  return h;
}

void TBaseGrid::RepaintCell(Integer c, Integer r) {
  if (!HandleAllocated()) return;
  TRect CR = CellRect(c, r);
  RECT R{CR.Left, CR.Top, CR.Right, CR.Bottom};
  ::InvalidateRect(Handle(), &R, TRUE);
}

void TBaseGrid::SelectBaseCell() {
  if (!HasCellProperties(Col(), Row())) return;
  TPoint b = PropsAt(Col(), Row())->GetBaseCell(Col(), Row());
  if (b.X != Col()) SetCol(b.X);
  if (b.Y != Row()) SetRow(b.Y);
}

// ---- clearing without freeing ------------------------------------------------------

void TBaseGrid::EmptyCol(Integer ACol) {
  for (Integer r = 0; r < RowCount(); ++r) {
    if (PropsAt(ACol, r)) SetGridObject(ACol, r, nullptr);
    SetCellEx(ACol, r, String());
  }
}

void TBaseGrid::EmptyRow(Integer ARow) {
  for (Integer c = 0; c < ColCount(); ++c) {
    if (PropsAt(c, ARow)) SetGridObject(c, ARow, nullptr);
    SetCellEx(c, ARow, String());
  }
}

void TBaseGrid::EmptyCell(Integer ACol, Integer ARow) {
  SetCellEx(ACol, ARow, String());
  if (PropsAt(ACol, ARow)) SetGridObject(ACol, ARow, nullptr);
}

// ---- navigation and notifications --------------------------------------------------

bool TBaseGrid::SelectCell(Integer ACol, Integer ARow) {
  RepaintCell(Col(), Row());
  bool Result = TObjStringGrid::SelectCell(ACol, ARow);
  RepaintCell(ACol, ARow);
  return Result;
}

void TBaseGrid::TopLeftChanged() {
  TObjStringGrid::TopLeftChanged();
  if (FixedCols() > 0) {
    Integer Last = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
    for (Integer r = TopRow(); r <= Last; ++r)
      for (Integer c = 0; c < FixedCols(); ++c)
        if (IsMergedCell(c, r)) RepaintCell(c, r);
  }
  if (FixedRows() > 0) {
    Integer Last = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
    for (Integer c = LeftCol(); c <= Last; ++c)
      for (Integer r = 0; r < FixedRows(); ++r)
        if (IsMergedCell(c, r)) RepaintCell(c, r);
  }
}

void TBaseGrid::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_NEXT && FHideLastRow && RowCount() > 1 &&
      VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1)
    SetRow(RowCount() - 2);
  if (HasCellProperties(Col(), Row())) {
    TPoint b = PropsAt(Col(), Row())->GetBaseCell(Col(), Row());
    TCellProperties* BP = GetCellProperties(b.X, b.Y);
    // Jump to the far edge of the area first, so that the inherited move
    // leaves the merged cell in one step.
    switch (Key) {
      case VK_LEFT:
        // Kept inside the scrolling columns: a wide area near the fixed
        // columns would otherwise send the cell off the grid.
        if (b.X < Col() && Col() > FixedCols() && b.X > 0) SetCol(std::max(b.X - BP->CellSpanX(), FixedCols()));
        break;
      case VK_UP:
        if (b.Y < Row() && Row() > FixedRows() && b.Y > 0) SetRow(b.Y - 1);
        break;
      case VK_RIGHT: {
        Integer e = b.X + BP->CellSpanX();
        if (e >= Col() && Col() < ColCount() - 1 && b.X < ColCount() - 1 && e < ColCount()) SetCol(e);
        break;
      }
      case VK_DOWN: {
        Integer e = b.Y + BP->CellSpanY();
        if (e >= Row() && Row() < RowCount() - 1 && b.Y < RowCount() - 1 && e < RowCount()) SetRow(e);
        break;
      }
      default:
        break;
    }
  }
  TObjStringGrid::KeyDown(Key, Shift);
  SelectBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool Result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
  if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
  SelectBaseCell();
  return Result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool Result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
  SelectBaseCell();
  return Result;
}

void TBaseGrid::ChangeScale(Integer M, Integer D) { TCustomControl::ChangeScale(M, D); }

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == FUndoRedo) FUndoRedo = nullptr;
  TObjStringGrid::Notification(AComponent, Operation);
}

// ---- properties ------------------------------------------------------------------

void TBaseGrid::SetUndoRedo(TExGridUndoRedo* Value) {
  if (FUndoRedo == Value) return;
  if (FUndoRedo) FUndoRedo->RemoveFreeNotification(this);
  FUndoRedo = Value;
  if (Value) {
    Value->FreeNotification(this);
    Value->SetGrid(this);
  }
}

void TBaseGrid::SetActiveRowShow(bool Value) {
  if (FActiveRowShow == Value) return;
  FActiveRowShow = Value;
  Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor Value) {
  if (FActiveRowColor == Value) return;
  FActiveRowColor = Value;
  Invalidate();
}

void TBaseGrid::SetActiveRowColorTo(TColor Value) {
  if (FActiveRowColorTo == Value) return;
  FActiveRowColorTo = Value;
  Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColor(TColor Value) {
  if (FActiveRowMirrorColor == Value) return;
  FActiveRowMirrorColor = Value;
  Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) {
  if (FActiveRowMirrorColorTo == Value) return;
  FActiveRowMirrorColorTo = Value;
  Invalidate();
}

void TBaseGrid::SetDefaultDrawing(bool Value) {
  FDefaultDrawing = Value;
  TCustomGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(Integer Value) {
  FGridLineWidth = Value;
  TCustomGrid::SetGridLineWidth(0);
  Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
  FGridLineColor = Value;
  Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value) {
  FGridFixedLineColor = Value;
  Invalidate();
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) {
  if (FSelectionStyle == Value) return;
  FSelectionStyle = Value;
  Invalidate();
}

// ---- painting --------------------------------------------------------------------

void TBaseGrid::Paint() {
  // The cells switch the canvas font between the grid's and the fixed
  // cells' looks many times a pass: each look's handle is made once.
  Canvas()->Font()->SetKeepHandles(true);
  TScopeExit Release([this] {
    Canvas()->Refresh();  // no kept handle may stay selected when they are freed
    Canvas()->Font()->SetKeepHandles(false);
  });
  TObjStringGrid::Paint();
  ++FPaintID;
}

void TBaseGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  PaintGridCell(ACol, ARow, ARect, AState);
}

void TBaseGrid::PaintGridCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  DrawGridCell(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::GetVisualProperties(Integer, Integer, TGridDrawState&, bool, bool, bool, TBrush*, TColor&,
                                    TColor&, TColor&, TFont*, TAlignment&, TVAlignment&, bool&,
                                    TCellGradientDirection&) {}

void TBaseGrid::DrawGridCellContent(TCanvas* Canvas, Integer ACol, Integer ARow, TRect ARect, TGridDrawState) {
  String S = GetCellEx(ACol, ARow);
  RECT R{ARect.Left, ARect.Top, ARect.Right, ARect.Bottom};
  Canvas->Brush()->SetStyle(bsClear);
  ::DrawTextW(Canvas->Handle(), S.c_str(), static_cast<int>(S.size()), &R,
              DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
}

namespace {

struct TSelectionFace {
  TColor Color, ColorTo, Corner, Border, InnerLower, InnerUpper, Mirror, MirrorTo;
};

// One row per selection style when the grid has the focus, and the grey
// face every style shows without it.
constexpr TSelectionFace kFocusedFaces[] = {
    {},
    {0xFDF8F1, 0xFCEFD5, 0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, clNone, clNone},
    {0xFCEBDC, 0xFCDBC1, 0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, clNone, clNone},
    {0xD7FFFD, 0x58D4FC, 0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0x58D4FC, 0xB3F1FC},
};
constexpr TSelectionFace kUnfocusedFace{0xF8F8F8, 0xE5E5E5, 0xEFEFEF, 0xD9D9D9,
                                        0xF0F0F0, 0xFBFAFA, clNone,   clNone};

}  // namespace

// The part of a fixed cell's face that shows once the content has painted
// its own face over the cell less its last column and two last rows, and
// the fixed lines have been drawn over that column and the last row: the
// fill costs as much again as the face, for a strip one pixel high.
TRect TBaseGrid::UncoveredFixedFace(Integer ACol, Integer ARow, const TRect& R, TColor FaceColor) {
  const TGridOptions Opt = Options();
  if (FaceColor == clNone || !Opt.Contains(goFixedVertLine) || !ContentCoversFixedFace(ACol, ARow)) return R;
  const bool BottomLine = Opt.Contains(goFixedHorzLine) && !(RealColIndex(ACol) == 0 && HasNodes());
  return TRect(R.Left, R.Bottom - 2, R.Right - 1, BottomLine ? R.Bottom - 1 : R.Bottom);
}

void TBaseGrid::DrawGridCell(TCanvas* Canvas, Integer ACol, Integer ARow, TRect ARect, TGridDrawState AState,
                             bool DrawContent) {
  if (ARow == RowCount() - 1 && FHideLastRow) {
    Canvas->Brush()->SetColor(Color());
    Canvas->Pen()->SetColor(Color());
    Canvas->Rectangle(ARect);
    return;
  }

  Integer bc = 0, br = 0;
  if (!GetBaseCellPos(RealColIndex(ACol), ARow, bc, br)) {
    // A merged area is painted whole, once per pass, by the first of its
    // covered cells that the grid asks for.
    TCellProperties* BP = GetCellProperties(bc, br);
    if (BP->PaintID() != FPaintID) {
      BP->SetPaintID(FPaintID);
      PaintCell(Canvas, DisplColIndex(bc), br, ARect, AState);
    }
    return;
  }

  if (DrawContent && IsFixed(ACol, ARow)) {
    AState.Include(gdFixed);
    AState.Exclude(gdSelected);
  }
  bool Fixed = AState.Contains(gdFixed);
  bool Selected = AState.Contains(gdSelected);
  TRect R = DrawContent ? CellRect(ACol, ARow) : ARect;

  // A scrolled merged area must not paint over the fixed cells.
  Integer W = ACol >= FixedCols() ? FixedColsWidth() : 0;
  Integer H = ARow >= FixedRows() ? FixedRowsHeight() : 0;
  HRGN Clip = nullptr;
  HDC DC = Canvas->Handle();
  if ((ACol >= FixedCols() && FixedCols() > 0 && R.Left < W) ||
      (ARow >= FixedRows() && FixedRows() > 0 && R.Top < H)) {
    Clip = ::CreateRectRgn(W, H, Width(), Height());
    ::SelectClipRgn(DC, Clip);
  }

  Canvas->Pen()->SetWidth(1);
  AssignFontIfDifferent(Canvas->Font(), Font());
  // The base grid's own visual properties leave the brush alone; start
  // from the grid's colours so a plain base grid paints plain cells.
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Fixed ? FixedColor() : Color());
  TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = FWordWrap;
  TCellGradientDirection GD = GradientVertical;
  GetVisualProperties(ACol, ARow, AState, false, true, true, Canvas->Brush(), ColorTo, MirrorColor,
                      MirrorColorTo, Canvas->Font(), HA, VA, WW, GD);
  Fixed = AState.Contains(gdFixed);
  Selected = AState.Contains(gdSelected);
  Canvas->Pen()->SetColor(Canvas->Brush()->Color());

  if (ARow == FHoverRowIdx && FHoverRow && !(Selected && !FHoverRowCells.Contains(hcSelected)) &&
      !(Fixed && !FHoverRowCells.Contains(hcFixed))) {
    Canvas->Brush()->SetColor(FHoverRowColor);
    ColorTo = FHoverRowColorTo;
    MirrorColor = clNone;
    MirrorColorTo = clNone;
    GD = GradientVertical;
  }
  if ((FActiveRowShow && ARow == Row() && ACol >= FixedCols() && (ACol != Col() || !FShowSel)) ||
      (!DrawContent && Selected)) {
    Canvas->Brush()->SetColor(FActiveRowColor);
    ColorTo = FActiveRowColorTo;
    MirrorColor = FActiveRowMirrorColor;
    MirrorColorTo = FActiveRowMirrorColorTo;
  }
  Canvas->Pen()->SetColor(Canvas->Brush()->Color());

  TGridOptions Opt = Options();
  if (Selected && FSelectionStyle != ssDefault && FShowSel) {
    TGridRect Sel = Selection();
    Integer L = Sel.Left, Rt = Sel.Right;
    if (Rt < L) std::swap(L, Rt);
    Integer Pos = 0;
    if (ACol == L && ACol < Rt)
      Pos = 1;
    else if (ACol == Rt && L < ACol)
      Pos = 2;
    else if (L < ACol && ACol < Rt)
      Pos = 3;
    TRect S = R;
    if (!Opt.Contains(goHorzLine)) ++S.Bottom;
    if (!Opt.Contains(goVertLine)) ++S.Right;
    bool HasFocus = HandleAllocated() && ::GetFocus() == Handle();
    const TSelectionFace& F =
        (HasFocus || Opt.Contains(goDrawFocusSelected)) ? kFocusedFaces[FSelectionStyle] : kUnfocusedFace;
    DrawRoundedGradientButton(Canvas, F.Color, F.ColorTo, F.Mirror, F.MirrorTo, F.InnerUpper, F.InnerLower,
                              F.Border, F.Corner, Color(), S, Pos);
  } else if (!UsesVCLStyles() || (!Fixed && !Selected)) {
    if (MirrorColorTo == clNone)
      DrawGradientPart(Canvas, Canvas->Brush()->Color(), ColorTo, 64, R, GD == GradientHorizontal,
                       Fixed && DrawContent ? UncoveredFixedFace(ACol, ARow, R, Canvas->Brush()->Color()) : R);
    else
      FillMirroredGradient(Canvas, R, Canvas->Brush()->Color(), ColorTo, MirrorColor, MirrorColorTo, true,
                           clNone, false, true);
  }

  Integer Half = 1;
  if (Fixed) {
    Canvas->Pen()->SetColor(FGridFixedLineColor);
    Canvas->Pen()->SetWidth(1);
  } else {
    Canvas->Pen()->SetWidth(FGridLineWidth);
    if (FGridLineWidth > 0) Canvas->Pen()->SetColor(FGridLineColor);
    Half = (FGridLineWidth + 1) / 2;
  }
  // A zero-width line still draws one pixel, in the cell's own colour.
  if (!(RealColIndex(ACol) == 0 && HasNodes()) &&
      ((Opt.Contains(goHorzLine) && !Fixed) || (Opt.Contains(goFixedHorzLine) && Fixed))) {
    Canvas->MoveTo(R.Left - Half + 1, R.Bottom - Half);
    Canvas->LineTo(R.Right - Half + 1, R.Bottom - Half);
  }
  if ((Opt.Contains(goVertLine) && !Fixed) || (Opt.Contains(goFixedVertLine) && Fixed)) {
    Integer x = R.Right - Half;
    Canvas->MoveTo(x, R.Bottom - Half);
    Canvas->LineTo(x, R.Top - Half);
  }

  TRect C = R;
  if (Fixed) {
    C.Right -= 1;
    C.Bottom -= 2;
  } else {
    C = TRect(C.Left + FGridLineWidth, C.Top + FGridLineWidth, C.Right - FGridLineWidth,
              C.Bottom - FGridLineWidth);
  }
  if (DrawContent) DrawGridCellContent(Canvas, ACol, ARow, C, AState);

  if (Clip) {
    ::SelectClipRgn(DC, nullptr);
    ::DeleteObject(Clip);
  }
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Pen()->SetStyle(psSolid);
}

}  // namespace jorv::grid
