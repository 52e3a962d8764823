#include "platform/ui/CustomGrid.h"
#include <algorithm>
#include <vector>
#include "platform/ui/Form.h"
#include "platform/ui/InplaceEdit.h"
#include "platform/ui/Screen.h"

namespace jorv {

namespace {

constexpr UINT_PTR SelectTimer = 1;

const wchar_t* const SIndexOutOfRange = L"Grid index out of range";

Integer ExtentOf(Integer Size, Integer LineWidth) { return Size > 0 ? Size + LineWidth : 0; }

// The last cell from Start backwards that, with those after it up to Start,
// still fits between the fixed cells and the far edge.
Integer MaxCell(const TGridAxisDrawInfo& A, Integer Start) {
  Integer Result = Start;
  Integer Line = A.GridExtent + A.EffectiveLineWidth;
  for (Integer I = Start; I >= A.FixedCellCount; --I) {
    Integer E = A.Extent(I);
    if (E <= 0) continue;
    Line -= E;
    if (Line < A.FixedBoundary) {
      if (Result == Start && A.Extent(Start) <= 0) Result = I;
      break;
    }
    Result = I;
  }
  return Result;
}

// One visible column or row: its index, first pixel and size.
struct TVisibleCell {
  Integer Index;
  Integer Start;
  Integer Size;
};

// Gives the canvas the control's font; a font that is already the same
// keeps its handle, so painting many cells makes no new fonts.
void ResetFont(TFont* Canvas, TFont* Control) {
  if (Canvas->Name() != Control->Name() || Canvas->Height() != Control->Height() ||
      !(Canvas->Style() == Control->Style()) || Canvas->Charset() != Control->Charset() ||
      Canvas->Pitch() != Control->Pitch() || Canvas->Orientation() != Control->Orientation() ||
      Canvas->Quality() != Control->Quality())
    Canvas->Assign(Control);
  else
    Canvas->SetColor(Control->Color());
}

std::vector<TVisibleCell> VisibleCells(const TGridAxisDrawInfo& A) {
  std::vector<TVisibleCell> R;
  Integer Pos = 0;
  for (Integer I = 0; I < A.FixedCellCount && Pos < A.GridExtent; ++I) {
    Integer S = A.Axis->Size(I);
    if (S > 0) R.push_back({I, Pos, S});
    Pos += A.Extent(I);
  }
  Pos = A.FixedBoundary;
  for (Integer I = A.FirstGridCell; I < A.GridCellCount && Pos < A.GridExtent; ++I) {
    Integer S = A.Axis->Size(I);
    if (S > 0) R.push_back({I, Pos, S});
    Pos += A.Extent(I);
  }
  return R;
}

}  // namespace

// --- TGridAxis ----------------------------------------------------------------

void TGridAxis::SetCount(Integer Value) {
  if (Value < FCount) FSizes.erase(FSizes.lower_bound(Value), FSizes.end());
  FCount = Value;
}

void TGridAxis::SetDefaultSize(Integer Value) {
  FDefault = Value;
  FSizes.clear();
}

Integer TGridAxis::Size(Integer Index) const {
  auto It = FSizes.find(Index);
  return It == FSizes.end() ? FDefault : It->second;
}

void TGridAxis::SetSize(Integer Index, Integer Value) {
  if (Value == FDefault)
    FSizes.erase(Index);
  else
    FSizes[Index] = Value;
}

Integer TGridAxis::Extent(Integer Index, Integer LineWidth) const {
  return ExtentOf(Size(Index), LineWidth);
}

Integer TGridAxis::SumExtents(Integer From, Integer To, Integer LineWidth) const {
  if (To <= From) return 0;
  Integer D = ExtentOf(FDefault, LineWidth);
  Integer Sum = (To - From) * D;
  for (auto It = FSizes.lower_bound(From); It != FSizes.end() && It->first < To; ++It)
    Sum += ExtentOf(It->second, LineWidth) - D;
  return Sum;
}

void TGridAxis::Move(Integer From, Integer To) {
  if (From == To) return;
  Integer Moving = Size(From);
  std::map<Integer, Integer> Moved;
  for (auto [I, V] : FSizes) {
    if (I == From) continue;
    Integer J = I;
    if (From < To && I > From && I <= To)
      J = I - 1;
    else if (From > To && I >= To && I < From)
      J = I + 1;
    Moved.emplace(J, V);
  }
  if (Moving != FDefault) Moved[To] = Moving;
  FSizes.swap(Moved);
}

void TGridAxis::Shift(Integer From, Integer Delta) {
  if (Delta == 0) return;
  auto First = FSizes.lower_bound(Delta < 0 ? From + Delta : From);
  if (First == FSizes.end()) return;
  std::map<Integer, Integer> Moved(FSizes.begin(), First);
  for (auto It = First; It != FSizes.end(); ++It)
    if (It->first >= From) Moved.emplace_hint(Moved.end(), It->first + Delta, It->second);
  FSizes.swap(Moved);
}

// --- TCustomGrid: construction and properties ----------------------------------

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  // Clicks are the grid's own: it calls Click when a cell was chosen.
  FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
  FColAxis.SetCount(FColCount);
  FColAxis.SetDefaultSize(64);
  FRowAxis.SetCount(FRowCount);
  FRowAxis.SetDefaultSize(24);
  FTabStop = true;
  FParentColor = false;
  SetBounds(0, 0, FColAxis.SumExtents(0, FColCount, FGridLineWidth),
            FRowAxis.SumExtents(0, FRowCount, FGridLineWidth));
}

TCustomGrid::~TCustomGrid() {
  // The editor goes while the grid it reports to is still whole.
  if (FInplaceEdit) {
    FInplaceEdit->FGrid = nullptr;
    delete FInplaceEdit;
    FInplaceEdit = nullptr;
  }
}

void TCustomGrid::CreateParams(TCreateParams& P) {
  TCustomControl::CreateParams(P);
  P.Style |= WS_TABSTOP;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) P.Style |= WS_VSCROLL;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) P.Style |= WS_HSCROLL;
  P.WindowClass.style = CS_DBLCLKS;
  if (FBorderStyle == bsSingle) {
    if (FCtl3D)
      P.ExStyle |= WS_EX_CLIENTEDGE;
    else
      P.Style |= WS_BORDER;
  }
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollRange();
}

void TCustomGrid::CheckCell(Integer ACol, Integer ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount)
    throw EInvalidGridOperation(SIndexOutOfRange);
}

void TCustomGrid::SetAxisCount(bool IsColumn, Integer Value) {
  Integer OldCols = FColCount, OldRows = FRowCount;
  if (IsColumn) {
    if (Value < 1) Value = 1;
    if (Value == FColCount) return;
    if (FFixedCols > Value - 1) FFixedCols = std::max(0, Value - 1);
    FColCount = Value;
    FColAxis.SetCount(Value);
  } else {
    if (Value < 1) Value = 1;
    if (Value == FRowCount) return;
    if (FFixedRows > Value - 1) FFixedRows = std::max(0, Value - 1);
    FRowCount = Value;
    FRowAxis.SetCount(Value);
  }
  // Keep every cell reference inside the grid.
  auto Clamp = [&](TGridCoord& C, bool AtLeastFixed) {
    C.X = std::min(C.X, FColCount - 1);
    C.Y = std::min(C.Y, FRowCount - 1);
    if (AtLeastFixed) {
      C.X = std::max(C.X, FFixedCols);
      C.Y = std::max(C.Y, FFixedRows);
      C.X = std::min(C.X, FColCount - 1);
      C.Y = std::min(C.Y, FRowCount - 1);
    }
  };
  if (FEditorMode && (FInplaceCol >= FColCount || FInplaceRow >= FRowCount)) {
    FInplaceCol = FInplaceRow = -1;
    HideEditor();
  }
  Clamp(FCurrent, true);
  Clamp(FAnchor, true);
  if (FOptions.Contains(goRowSelect)) {
    FCurrent.X = FFixedCols;
    FAnchor.X = FColCount - 1;
  }
  Clamp(FTopLeft, true);
  SizeChanged(OldCols, OldRows);
  UpdateScrollRange();
  InvalidateGrid();
  if (FEditorMode) UpdateEdit();
}

void TCustomGrid::SetColCount(Integer Value) { SetAxisCount(true, Value); }

void TCustomGrid::SetRowCount(Integer Value) { SetAxisCount(false, Value); }

void TCustomGrid::SetFixedCols(Integer Value) {
  if (Value < 0) throw EInvalidGridOperation(SIndexOutOfRange);
  if (Value >= FColCount) throw EInvalidGridOperation(L"Fixed column count must be less than column count");
  if (Value == FFixedCols) return;
  FFixedCols = Value;
  if (FOptions.Contains(goRowSelect)) FCurrent.X = Value;
  FCurrent.X = std::max(FCurrent.X, Value);
  FAnchor.X = std::max(FAnchor.X, Value);
  FTopLeft.X = std::max(Value, std::min(FTopLeft.X, FColCount - 1));
  UpdateScrollRange();
  InvalidateGrid();
}

void TCustomGrid::SetFixedRows(Integer Value) {
  if (Value < 0) throw EInvalidGridOperation(SIndexOutOfRange);
  if (Value >= FRowCount) throw EInvalidGridOperation(L"Fixed row count must be less than row count");
  if (Value == FFixedRows) return;
  FFixedRows = Value;
  FCurrent.Y = std::max(FCurrent.Y, Value);
  FAnchor.Y = std::max(FAnchor.Y, Value);
  FTopLeft.Y = std::max(Value, std::min(FTopLeft.Y, FRowCount - 1));
  UpdateScrollRange();
  InvalidateGrid();
}

void TCustomGrid::SetDefaultColWidth(Integer Value) {
  FColAxis.SetDefaultSize(Value);
  ColWidthsChanged();
  InvalidateGrid();
}

void TCustomGrid::SetDefaultRowHeight(Integer Value) {
  FRowAxis.SetDefaultSize(Value);
  RowHeightsChanged();
  InvalidateGrid();
}

Integer TCustomGrid::GetColWidths(Integer Index) const {
  if (Index < 0 || Index >= FColCount) return FColAxis.DefaultSize();
  return FColAxis.Size(Index);
}

void TCustomGrid::SetColWidths(Integer Index, Integer Value) {
  if (Index < 0 || Index >= FColCount) throw EInvalidGridOperation(SIndexOutOfRange);
  if (FColAxis.Size(Index) == Value) return;
  FColAxis.SetSize(Index, Value);
  ColWidthsChanged();
}

Integer TCustomGrid::GetRowHeights(Integer Index) const {
  if (Index < 0 || Index >= FRowCount) return FRowAxis.DefaultSize();
  return FRowAxis.Size(Index);
}

void TCustomGrid::SetRowHeights(Integer Index, Integer Value) {
  if (Index < 0 || Index >= FRowCount) throw EInvalidGridOperation(SIndexOutOfRange);
  if (FRowAxis.Size(Index) == Value) return;
  FRowAxis.SetSize(Index, Value);
  RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(Integer Value) {
  Value = std::max(0, Value);
  if (Value == FGridLineWidth) return;
  FGridLineWidth = Value;
  UpdateScrollRange();
  InvalidateGrid();
  if (FEditorMode) UpdateEdit();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (FOptions == Value) return;
  if (Value.Contains(goRowSelect)) Value.Exclude(goAlwaysShowEditor);
  FOptions = Value;
  if (!FEditorMode) {
    if (Value.Contains(goAlwaysShowEditor))
      ShowEditor();
  } else if (!Value.Contains(goEditing) || Value.Contains(goRowSelect)) {
    HideEditor();
  }
  if (Value.Contains(goRowSelect)) {
    FCurrent.X = FFixedCols;
    FAnchor.X = FColCount - 1;
  }
  UpdateScrollRange();
  InvalidateGrid();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
  if (FDefaultDrawing == Value) return;
  FDefaultDrawing = Value;
  InvalidateGrid();
}

void TCustomGrid::SetDrawingStyle(TGridDrawingStyle Value) {
  if (FDrawingStyle == Value) return;
  FDrawingStyle = Value;
  InvalidateGrid();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (FFixedColor == Value) return;
  FFixedColor = Value;
  InvalidateGrid();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  if (HandleAllocated()) {
    RecreateWnd();
    UpdateScrollRange();
  }
}

// --- current cell, selection and scrolling -------------------------------------

void TCustomGrid::SetCol(Integer Value) {
  if (Value != FCurrent.X) FocusCell(Value, FCurrent.Y, true);
}

void TCustomGrid::SetRow(Integer Value) {
  if (Value != FCurrent.Y) FocusCell(FCurrent.X, Value, true);
}

TGridRect TCustomGrid::Selection() const {
  TGridRect R;
  R.Left = std::min(FCurrent.X, FAnchor.X);
  R.Right = std::max(FCurrent.X, FAnchor.X);
  R.Top = std::min(FCurrent.Y, FAnchor.Y);
  R.Bottom = std::max(FCurrent.Y, FAnchor.Y);
  return R;
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
  CheckCell(Value.Left, Value.Top);
  CheckCell(Value.Right, Value.Bottom);
  TGridRect Old = Selection();
  FAnchor = Value.TopLeft();
  FCurrent = Value.BottomRight();
  if (!FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  if (FOptions.Contains(goRowSelect)) {
    FCurrent.X = FFixedCols;
    FAnchor.X = FColCount - 1;
  }
  SelectionMoved(Old);
}

void TCustomGrid::PlaceSelectionOutside() {
  HideEditor();
  FCurrent = FAnchor = TGridCoord{FColCount, FRowCount};
  InvalidateGrid();
}

void TCustomGrid::SetLeftCol(Integer Value) {
  Value = std::max(FFixedCols, std::min(Value, FColCount - 1));
  if (Value != FTopLeft.X) MoveTopLeft(Value, FTopLeft.Y);
}

void TCustomGrid::SetTopRow(Integer Value) {
  Value = std::max(FFixedRows, std::min(Value, FRowCount - 1));
  if (Value != FTopLeft.Y) MoveTopLeft(FTopLeft.X, Value);
}

Integer TCustomGrid::VisibleColCount() {
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  return DI.Horz.LastFullVisibleCell - FTopLeft.X + 1;
}

Integer TCustomGrid::VisibleRowCount() {
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  return DI.Vert.LastFullVisibleCell - FTopLeft.Y + 1;
}

Integer TCustomGrid::GridWidth() {
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  return FColAxis.SumExtents(0, FColCount, DI.Horz.EffectiveLineWidth);
}

Integer TCustomGrid::GridHeight() {
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  return FRowAxis.SumExtents(0, FRowCount, DI.Vert.EffectiveLineWidth);
}

void TCustomGrid::CalcFixedInfo(TGridDrawInfo& DI) {
  auto Calc = [](TGridAxisDrawInfo& A, const TGridAxis& Axis, Integer Lw, Integer Fixed, Integer First,
                 Integer Count, Integer Extent) {
    A.Axis = &Axis;
    A.EffectiveLineWidth = Lw;
    A.FixedCellCount = Fixed;
    A.FirstGridCell = First;
    A.GridCellCount = Count;
    A.GridExtent = Extent;
    A.FixedBoundary = Axis.SumExtents(0, Fixed, Lw);
    A.GridBoundary = A.FixedBoundary;
    A.FullVisBoundary = A.FixedBoundary;
    A.LastFullVisibleCell = First;
  };
  TRect C = HandleAllocated() ? ClientRect() : TRect(0, 0, FWidth, FHeight);
  bool VLines = FOptions.Contains(goFixedVertLine) || FOptions.Contains(goVertLine);
  bool HLines = FOptions.Contains(goFixedHorzLine) || FOptions.Contains(goHorzLine);
  Calc(DI.Horz, FColAxis, VLines ? FGridLineWidth : 0, FFixedCols, FTopLeft.X, FColCount, C.Width());
  Calc(DI.Vert, FRowAxis, HLines ? FGridLineWidth : 0, FFixedRows, FTopLeft.Y, FRowCount, C.Height());
}

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& DI) {
  CalcFixedInfo(DI);
  for (TGridAxisDrawInfo* A : {&DI.Horz, &DI.Vert}) {
    // Only the cells that reach the client area are walked.
    for (Integer I = A->FirstGridCell; I < A->GridCellCount; ++I) {
      A->GridBoundary += A->Extent(I);
      if (A->GridBoundary > A->GridExtent + A->EffectiveLineWidth) {
        A->GridBoundary = A->GridExtent;
        break;
      }
      A->LastFullVisibleCell = I;
      A->FullVisBoundary = A->GridBoundary;
    }
  }
}

TGridCoord TCustomGrid::CalcMaxTopLeft(const TGridDrawInfo& DI) {
  return {MaxCell(DI.Horz, FColCount - 1), MaxCell(DI.Vert, FRowCount - 1)};
}

Integer TCustomGrid::CellStart(const TGridAxisDrawInfo& A, Integer Index) const {
  if (Index < A.FixedCellCount) return A.Axis->SumExtents(0, Index, A.EffectiveLineWidth);
  return A.FixedBoundary + A.Axis->SumExtents(A.FirstGridCell, Index, A.EffectiveLineWidth);
}

TRect TCustomGrid::BoxRect(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom) {
  if (ARight < ALeft) std::swap(ALeft, ARight);
  if (ABottom < ATop) std::swap(ATop, ABottom);
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  // One direction of the box: the visible span of the cells From..To.
  auto Span = [this](const TGridAxisDrawInfo& A, Integer From, Integer To, Integer& Start, Integer& Stop) {
    Integer Fixed = A.FixedCellCount;
    if (From < Fixed && To >= Fixed && To < A.FirstGridCell) To = Fixed - 1;
    if (From >= Fixed && From < A.FirstGridCell) {
      if (To < A.FirstGridCell) return false;
      From = A.FirstGridCell;
    }
    if (From < 0 || From >= A.GridCellCount) return false;
    Start = CellStart(A, From);
    if (From >= Fixed && Start >= A.GridBoundary) return false;
    To = std::min(To, A.GridCellCount - 1);
    Stop = CellStart(A, To) + std::max(0, A.Axis->Size(To));
    Stop = std::min(Stop, A.GridBoundary);
    return Stop > Start;
  };
  TRect R;
  if (!Span(DI.Horz, ALeft, ARight, R.Left, R.Right) || !Span(DI.Vert, ATop, ABottom, R.Top, R.Bottom))
    return TRect();
  return R;
}

TRect TCustomGrid::CellRect(Integer ACol, Integer ARow) { return BoxRect(ACol, ARow, ACol, ARow); }

TGridCoord TCustomGrid::MouseCoord(Integer X, Integer Y) {
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  auto Find = [](const TGridAxisDrawInfo& A, Integer P) {
    if (P < 0) return -1;
    Integer Line = 0;
    Integer I = 0;
    for (; I < A.FixedCellCount; ++I) {
      Line += A.Extent(I);
      if (P < Line) return I;
    }
    Line = A.FixedBoundary;
    for (I = A.FirstGridCell; I < A.GridCellCount && Line <= A.GridBoundary; ++I) {
      Line += A.Extent(I);
      if (P < Line) return P < A.GridBoundary ? I : -1;
    }
    return -1;
  };
  return {Find(DI.Horz, X), Find(DI.Vert, Y)};
}

void TCustomGrid::MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow) {
  TGridCoord C = MouseCoord(X, Y);
  ACol = C.X;
  ARow = C.Y;
}

bool TCustomGrid::IsActiveControl() {
  if (!HandleAllocated()) return false;
  HWND F = GetFocus();
  return F == FHandle || (F && FInplaceEdit && FInplaceEdit->HandleAllocated() && F == FInplaceEdit->Handle());
}

void TCustomGrid::MoveColRow(Integer ACol, Integer ARow, bool MoveAnchor, bool Show) {
  CheckCell(ACol, ARow);
  if (!SelectCell(ACol, ARow)) return;
  TGridRect Old = Selection();
  FCurrent = {ACol, ARow};
  if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
  if (MoveAnchor || !FOptions.Contains(goRangeSelect)) {
    FAnchor = FCurrent;
    if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
  }
  if (FOptions.Contains(goRowSelect)) FCurrent.X = FFixedCols;
  if (Show) ClampInView(FCurrent);
  SelectionMoved(Old);
}

void TCustomGrid::FocusCell(Integer ACol, Integer ARow, bool MoveAnchor) {
  MoveColRow(ACol, ARow, MoveAnchor, true);
  UpdateEdit();
  Click();
}

void TCustomGrid::ClampInView(TGridCoord Cell) {
  if (!HandleAllocated()) return;
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  TGridCoord New = FTopLeft;
  if (Cell.X >= FFixedCols) {
    if (Cell.X < FTopLeft.X)
      New.X = Cell.X;
    else if (Cell.X > DI.Horz.LastFullVisibleCell)
      New.X = MaxCell(DI.Horz, Cell.X);
  }
  if (Cell.Y >= FFixedRows) {
    if (Cell.Y < FTopLeft.Y)
      New.Y = Cell.Y;
    else if (Cell.Y > DI.Vert.LastFullVisibleCell)
      New.Y = MaxCell(DI.Vert, Cell.Y);
  }
  if (!(New == FTopLeft)) MoveTopLeft(New.X, New.Y);
}

void TCustomGrid::MoveTopLeft(Integer ALeft, Integer ATop) {
  if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
  FTopLeft = {ALeft, ATop};
  UpdateScrollPos();
  InvalidateGrid();
  TopLeftChanged();
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel) {
  if (!HandleAllocated()) return;
  InvalidateRect(OldSel);
  InvalidateRect(Selection());
  // The focused cell is drawn differently even when the selection keeps its
  // shape.
  InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::InvalidateRect(const TGridRect& Area) {
  if (!HandleAllocated()) return;
  TRect R = BoxRect(Area.Left, Area.Top, Area.Right, Area.Bottom);
  if (R.IsEmpty()) return;
  // The lines after the cells belong to them.
  RECT W{R.Left, R.Top, R.Right + FGridLineWidth, R.Bottom + FGridLineWidth};
  ::InvalidateRect(FHandle, &W, FALSE);
}

void TCustomGrid::InvalidateCell(Integer ACol, Integer ARow) { InvalidateRect({ACol, ARow, ACol, ARow}); }

void TCustomGrid::InvalidateCol(Integer ACol) {
  if (!HandleAllocated()) return;
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  InvalidateRect({ACol, 0, ACol, DI.Vert.LastFullVisibleCell + 1});
}

void TCustomGrid::InvalidateRow(Integer ARow) {
  if (!HandleAllocated()) return;
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  InvalidateRect({0, ARow, DI.Horz.LastFullVisibleCell + 1, ARow});
}

void TCustomGrid::InvalidateGrid() { Invalidate(); }

// --- scroll bars -------------------------------------------------------------

void TCustomGrid::UpdateScrollRange() {
  if (!HandleAllocated() || FUpdatingScrollBars) return;
  FUpdatingScrollBars = true;
  LONG Style = GetWindowLongW(FHandle, GWL_STYLE);
  RECT R;
  GetClientRect(FHandle, &R);
  Integer CX = GetSystemMetrics(SM_CXVSCROLL), CY = GetSystemMetrics(SM_CYHSCROLL);
  // The room there would be without any scroll bar.
  Integer W = R.right + ((Style & WS_VSCROLL) ? CX : 0);
  Integer H = R.bottom + ((Style & WS_HSCROLL) ? CY : 0);
  TGridDrawInfo DI;
  CalcFixedInfo(DI);
  Integer Lh = DI.Horz.EffectiveLineWidth, Lv = DI.Vert.EffectiveLineWidth;
  auto ColsFit = [&](Integer Room) { return FColAxis.SumExtents(0, FColCount, Lh) <= Room + Lh; };
  auto RowsFit = [&](Integer Room) { return FRowAxis.SumExtents(0, FRowCount, Lv) <= Room + Lv; };
  bool WantV = FScrollBars == ssVertical || FScrollBars == ssBoth;
  bool WantH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  bool NeedV = WantV && !RowsFit(H);
  bool NeedH = WantH && !ColsFit(W - (NeedV ? CX : 0));
  if (NeedH && WantV && !NeedV) NeedV = !RowsFit(H - CY);
  SCROLLINFO Range{};
  Range.cbSize = sizeof(Range);
  Range.fMask = SIF_RANGE;
  Range.nMax = ScrollSteps;
  if (WantV) {
    ShowGridScrollBar(SB_VERT, NeedV);
    if (NeedV) SetGridScrollInfo(SB_VERT, Range, false);
  }
  if (WantH) {
    ShowGridScrollBar(SB_HORZ, NeedH);
    if (NeedH) SetGridScrollInfo(SB_HORZ, Range, false);
  }
  FUpdatingScrollBars = false;
  // A client area that grew may leave room below the last cells; the view
  // then moves back so that it stays filled.
  CalcDrawInfo(DI);
  TGridCoord Max = CalcMaxTopLeft(DI);
  TGridCoord New{std::min(FTopLeft.X, Max.X), std::min(FTopLeft.Y, Max.Y)};
  if (!(New == FTopLeft))
    MoveTopLeft(New.X, New.Y);
  else
    UpdateScrollPos();
}

void TCustomGrid::UpdateScrollPos() {
  if (!HandleAllocated() || FScrollBars == ssNone) return;
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  TGridCoord Max = CalcMaxTopLeft(DI);
  auto Pos = [](Integer Cur, Integer Fixed, Integer MaxV) {
    if (MaxV <= Fixed) return 0;
    return static_cast<Integer>(static_cast<Int64>(Cur - Fixed) * ScrollSteps / (MaxV - Fixed));
  };
  SCROLLINFO Info{};
  Info.cbSize = sizeof(Info);
  Info.fMask = SIF_POS;
  if (FScrollBars != ssHorizontal) {
    Info.nPos = Pos(FTopLeft.Y, FFixedRows, Max.Y);
    SetGridScrollInfo(SB_VERT, Info, true);
  }
  if (FScrollBars != ssVertical) {
    Info.nPos = Pos(FTopLeft.X, FFixedCols, Max.X);
    SetGridScrollInfo(SB_HORZ, Info, true);
  }
}

void TCustomGrid::ShowGridScrollBar(UINT Bar, bool Show) { ::ShowScrollBar(FHandle, Bar, Show); }

void TCustomGrid::SetGridScrollInfo(UINT Bar, const SCROLLINFO& Info, bool Redraw) {
  SCROLLINFO Copy = Info;
  ::SetScrollInfo(FHandle, Bar, &Copy, Redraw);
}

void TCustomGrid::ModifyScrollBar(UINT Bar, UINT Code, Integer Pos) {
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  TGridCoord Max = CalcMaxTopLeft(DI);
  bool Vert = Bar == SB_VERT;
  const TGridAxisDrawInfo& A = Vert ? DI.Vert : DI.Horz;
  Integer Fixed = Vert ? FFixedRows : FFixedCols;
  Integer MaxV = Vert ? Max.Y : Max.X;
  Integer Cur = Vert ? FTopLeft.Y : FTopLeft.X;
  Integer Page = std::max(1, A.LastFullVisibleCell - A.FirstGridCell + 1);
  auto FromThumb = [&](Integer P) {
    return Fixed + static_cast<Integer>(static_cast<Int64>(P) * (MaxV - Fixed) / ScrollSteps);
  };
  switch (Code) {
    case SB_LINEUP: --Cur; break;
    case SB_LINEDOWN: ++Cur; break;
    case SB_PAGEUP: Cur -= Page; break;
    case SB_PAGEDOWN: Cur += Page; break;
    case SB_THUMBPOSITION: Cur = FromThumb(Pos); break;
    case SB_THUMBTRACK:
      if (FOptions.Contains(goThumbTracking)) Cur = FromThumb(Pos);
      break;
    case SB_TOP: Cur = Fixed; break;
    case SB_BOTTOM: Cur = MaxV; break;
    default: return;
  }
  Cur = std::max(Fixed, std::min(Cur, std::max(Fixed, MaxV)));
  if (Vert)
    MoveTopLeft(FTopLeft.X, Cur);
  else
    MoveTopLeft(Cur, FTopLeft.Y);
}

void TCustomGrid::WMHScroll(TWMScroll& M) {
  if (M.ScrollBar) {
    TCustomControl::Dispatch(MsgBase(M));
    return;
  }
  // The bars' range is small enough for the message's own position.
  ModifyScrollBar(SB_HORZ, M.ScrollCode, static_cast<Word>(M.Pos));
  M.Result = 0;
}

void TCustomGrid::WMVScroll(TWMScroll& M) {
  if (M.ScrollBar) {
    TCustomControl::Dispatch(MsgBase(M));
    return;
  }
  ModifyScrollBar(SB_VERT, M.ScrollCode, static_cast<Word>(M.Pos));
  M.Result = 0;
}

// --- painting ----------------------------------------------------------------

void TCustomGrid::Paint() {
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  TCanvas* C = Canvas();
  TRect Client = ClientRect();
  bool Focused = IsActiveControl();
  TGridRect Sel = Selection();
  std::vector<TVisibleCell> Cols = VisibleCells(DI.Horz);
  std::vector<TVisibleCell> Rows = VisibleCells(DI.Vert);
  Integer Lh = DI.Horz.EffectiveLineWidth, Lv = DI.Vert.EffectiveLineWidth;
  bool Classic3D = FDrawingStyle == gdsClassic && FCtl3D && FOptions.Contains(goFixedVertLine) &&
                   FOptions.Contains(goFixedHorzLine);
  TColor NormalLine = ColorToRGB(FColor) == ColorToRGB(clSilver) ? clGray : clSilver;

  for (const TVisibleCell& R : Rows) {
    for (const TVisibleCell& Cc : Cols) {
      Integer ACol = Cc.Index, ARow = R.Index;
      TRect Where(Cc.Start, R.Start, Cc.Start + Cc.Size, R.Start + R.Size);
      bool Fixed = ACol < FFixedCols || ARow < FFixedRows;
      TGridDrawState State;
      if (Fixed) {
        State += gdFixed;
        if (FDefaultDrawing) {
          ResetFont(C->Font(), Font());
          if (FDrawingStyle == gdsGradient) {
            // Light at the top, the fixed colour at the bottom.
            TColor To = ColorToRGB(FFixedColor);
            constexpr Integer Bands = 8;
            for (Integer B = 0; B < Bands; ++B) {
              auto Mix = [&](Integer Shift) {
                Integer T = (To >> Shift) & 0xFF;
                return (255 + (T - 255) * (B + 1) / Bands) << Shift;
              };
              C->Brush()->SetColor(Mix(0) | Mix(8) | Mix(16));
              C->FillRect(TRect(Where.Left, Where.Top + Where.Height() * B / Bands, Where.Right,
                                Where.Top + Where.Height() * (B + 1) / Bands));
            }
          } else {
            C->Brush()->SetColor(FFixedColor);
            C->FillRect(Where);
          }
          if (Classic3D) {
            RECT E{Where.Left, Where.Top, Where.Right, Where.Bottom};
            DrawEdge(C->Handle(), &E, BDR_RAISEDINNER, BF_TOPLEFT | BF_BOTTOMRIGHT);
          }
        }
        DrawCell(ACol, ARow, Where, State);
      } else {
        if (Focused && ACol == FCurrent.X && ARow == FCurrent.Y) State += gdFocused;
        if (Sel.Contains(ACol, ARow)) State += gdSelected;
        // The cell under an open editor is the editor's to show.
        bool UnderEditor = State.Contains(gdFocused) && FOptions.Contains(goEditing) && FEditorMode;
        if (!UnderEditor) {
          if (FDefaultDrawing) {
            ResetFont(C->Font(), Font());
            bool Highlight = State.Contains(gdSelected) &&
                             (!State.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) ||
                              FOptions.Contains(goRowSelect));
            if (Highlight) {
              C->Brush()->SetColor(clHighlight);
              C->Font()->SetColor(clHighlightText);
            } else {
              C->Brush()->SetColor(FColor);
            }
            C->FillRect(Where);
          }
          DrawCell(ACol, ARow, Where, State);
          if (FDefaultDrawing && State.Contains(gdFocused) && !FOptions.Contains(goRowSelect) &&
              !(FOptions.Contains(goEditing) && FOptions.Contains(goAlwaysShowEditor))) {
            C->Brush()->SetColor(FColor);
            C->DrawFocusRect(Where);
          }
        }
      }
      // The lines right of and below the cell.
      bool VLine = Fixed ? FOptions.Contains(goFixedVertLine) : FOptions.Contains(goVertLine);
      bool HLine = Fixed ? FOptions.Contains(goFixedHorzLine) : FOptions.Contains(goHorzLine);
      C->Brush()->SetColor(Fixed ? (VLine ? clBlack : FFixedColor) : (VLine ? NormalLine : FColor));
      if (Lh > 0) C->FillRect(TRect(Where.Right, Where.Top, Where.Right + Lh, Where.Bottom + Lv));
      C->Brush()->SetColor(Fixed ? (HLine ? clBlack : FFixedColor) : (HLine ? NormalLine : FColor));
      if (Lv > 0) C->FillRect(TRect(Where.Left, Where.Bottom, Where.Right, Where.Bottom + Lv));
    }
  }

  if (Focused && FDefaultDrawing && FOptions.Contains(goRowSelect)) {
    TRect F = BoxRect(Sel.Left, Sel.Top, Sel.Right, Sel.Bottom);
    if (!F.IsEmpty()) C->DrawFocusRect(F);
  }
  // Whatever the cells leave uncovered.
  C->Brush()->SetColor(FColor);
  if (DI.Horz.GridBoundary < Client.Right)
    C->FillRect(TRect(DI.Horz.GridBoundary, 0, Client.Right, Client.Bottom));
  if (DI.Vert.GridBoundary < Client.Bottom)
    C->FillRect(TRect(0, DI.Vert.GridBoundary, DI.Horz.GridBoundary, Client.Bottom));
}

void TCustomGrid::DrawCell(Integer, Integer, const TRect&, TGridDrawState) {}

bool TCustomGrid::SelectCell(Integer, Integer) { return true; }

void TCustomGrid::TopLeftChanged() {
  if (FEditorMode && FInplaceEdit) FInplaceEdit->UpdateLoc(EditorBounds());
}

// --- keyboard ----------------------------------------------------------------

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (Key == VK_ESCAPE && FEditorMode && FInplaceEdit) {
    // The editor gives back the text it opened with.
    FInplaceEdit->SetText(FEditStartText);
    UpdateText();
    if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
    Key = 0;
    return;
  }
  // Read once through the virtual counts, which a descendant may redefine.
  const Integer Cols = ColCount(), Rows = RowCount(), FixC = FixedCols(), FixR = FixedRows();
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  Integer PageWidth = std::max(1, DI.Horz.LastFullVisibleCell - FTopLeft.X + 1);
  Integer PageHeight = std::max(1, DI.Vert.LastFullVisibleCell - FTopLeft.Y + 1);
  bool RowSelect = FOptions.Contains(goRowSelect);
  TGridCoord Cur = FCurrent, TopLeft = FTopLeft;
  bool MoveAnchor = !Shift.Contains(ssShift);
  if (Shift.Contains(ssCtrl)) {
    switch (Key) {
      case VK_UP: --TopLeft.Y; break;
      case VK_DOWN: ++TopLeft.Y; break;
      case VK_LEFT:
        if (!RowSelect) {
          Cur.X -= PageWidth;
          TopLeft.X -= PageWidth;
        }
        break;
      case VK_RIGHT:
        if (!RowSelect) {
          Cur.X += PageWidth;
          TopLeft.X += PageWidth;
        }
        break;
      case VK_PRIOR: Cur.Y = FTopLeft.Y; break;
      case VK_NEXT: Cur.Y = DI.Vert.LastFullVisibleCell; break;
      case VK_HOME:
        Cur.X = FixC;
        Cur.Y = FixR;
        break;
      case VK_END:
        Cur.X = Cols - 1;
        Cur.Y = Rows - 1;
        break;
    }
  } else {
    switch (Key) {
      case VK_UP: --Cur.Y; break;
      case VK_DOWN: ++Cur.Y; break;
      case VK_LEFT:
        if (RowSelect)
          --TopLeft.X;
        else
          --Cur.X;
        break;
      case VK_RIGHT:
        if (RowSelect)
          ++TopLeft.X;
        else
          ++Cur.X;
        break;
      case VK_NEXT:
        Cur.Y += PageHeight;
        TopLeft.Y += PageHeight;
        break;
      case VK_PRIOR:
        Cur.Y -= PageHeight;
        TopLeft.Y -= PageHeight;
        break;
      case VK_HOME:
        if (RowSelect)
          Cur.Y = FixR;
        else
          Cur.X = FixC;
        break;
      case VK_END:
        if (RowSelect)
          Cur.Y = Rows - 1;
        else
          Cur.X = Cols - 1;
        break;
      case VK_TAB:
        if (!Shift.Contains(ssAlt) && FOptions.Contains(goTabs) && !RowSelect) {
          MoveAnchor = true;
          if (Shift.Contains(ssShift)) {
            if (--Cur.X < FixC) {
              Cur.X = Cols - 1;
              if (--Cur.Y < FixR) Cur.Y = Rows - 1;
            }
          } else if (++Cur.X >= Cols) {
            Cur.X = FixC;
            if (++Cur.Y >= Rows) Cur.Y = FixR;
          }
        }
        break;
      case VK_F2: SetEditorMode(true); break;
    }
  }
  TGridCoord Max = CalcMaxTopLeft(DI);
  TopLeft.X = std::max(FixC, std::min(TopLeft.X, std::max(FixC, Max.X)));
  TopLeft.Y = std::max(FixR, std::min(TopLeft.Y, std::max(FixR, Max.Y)));
  if (!(TopLeft == FTopLeft)) MoveTopLeft(TopLeft.X, TopLeft.Y);
  Cur.X = std::max(FixC, std::min(Cur.X, Cols - 1));
  Cur.Y = std::max(FixR, std::min(Cur.Y, Rows - 1));
  if (!(Cur == FCurrent)) FocusCell(Cur.X, Cur.Y, MoveAnchor);
}

void TCustomGrid::KeyPress(Char& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == L'\r' && !FOptions.Contains(goAlwaysShowEditor)) {
    if (FEditorMode)
      HideEditor();
    else
      ShowEditor();
    Key = 0;
  }
}

void TCustomGrid::WMChar(TWMKey& M) {
  Char Ch = static_cast<Char>(M.CharCode);
  if (FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && (Ch == L'\b' || Ch >= L' ')) {
    ShowEditorChar(Ch);
    return;
  }
  TCustomControl::WMChar(M);
}

void TCustomGrid::WMGetDlgCode(TMessage& M) {
  M.Result = DLGC_WANTARROWS;
  if (FOptions.Contains(goRowSelect)) return;
  if (FOptions.Contains(goTabs)) M.Result |= DLGC_WANTTAB;
  if (FOptions.Contains(goEditing)) M.Result |= DLGC_WANTCHARS;
}

// --- mouse -------------------------------------------------------------------

void TCustomGrid::CalcSizingState(Integer X, Integer Y, TGridState& State, Integer& Index,
                                  Integer& SizingPos, Integer& SizingOfs, TGridDrawInfo& FixedInfo) {
  State = gsNormal;
  Index = -1;
  if (!FOptions.Contains(goColSizing) && !FOptions.Contains(goRowSizing)) return;
  // Near the line after a scrolling cell: its size is taken there.
  auto AxisState = [&](const TGridAxisDrawInfo& A, Integer Pos, TGridState NewState) {
    Integer Line = A.FixedBoundary;
    Integer Range = A.EffectiveLineWidth, Back = 0;
    if (Range < 7) {
      Range = 7;
      Back = (Range - A.EffectiveLineWidth) / 2;
    }
    for (Integer I = A.FirstGridCell; I < A.GridCellCount; ++I) {
      Integer S = A.Axis->Size(I);
      if (S <= 0) continue;
      Line += S;
      if (Line > A.GridBoundary) break;
      if (Pos >= Line - Back && Pos <= Line - Back + Range) {
        State = NewState;
        SizingPos = Line;
        SizingOfs = Line - Pos;
        Index = I;
        return;
      }
      Line += A.EffectiveLineWidth;
    }
  };
  if (X > FixedInfo.Horz.FixedBoundary && FOptions.Contains(goColSizing)) {
    if (Y >= FixedInfo.Vert.FixedBoundary) return;
    AxisState(FixedInfo.Horz, X, gsColSizing);
  } else if (Y > FixedInfo.Vert.FixedBoundary && FOptions.Contains(goRowSizing)) {
    if (X >= FixedInfo.Horz.FixedBoundary) return;
    AxisState(FixedInfo.Vert, Y, gsRowSizing);
  }
}

void TCustomGrid::DrawSizingLine(const TGridDrawInfo& DI) {
  if (!HandleAllocated()) return;
  HDC DC = GetDC(FHandle);
  if (FGridState == gsColSizing)
    PatBlt(DC, FSizingPos, 0, 2, DI.Vert.GridBoundary, DSTINVERT);
  else if (FGridState == gsRowSizing)
    PatBlt(DC, 0, FSizingPos, DI.Horz.GridBoundary, 2, DSTINVERT);
  ReleaseDC(FHandle, DC);
}

void TCustomGrid::DrawMoveLine() {
  if (!HandleAllocated() || FMovePos < 0) return;
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  HDC DC = GetDC(FHandle);
  if (FGridState == gsColMoving) {
    Integer X = CellStart(DI.Horz, FMovePos);
    if (FMovePos > FMoveIndex) X += std::max(0, FColAxis.Size(FMovePos));
    if (FMovePos >= DI.Horz.FirstGridCell || FMovePos < FFixedCols)
      PatBlt(DC, X - 1, 0, 3, DI.Vert.GridBoundary, DSTINVERT);
  } else if (FGridState == gsRowMoving) {
    Integer Y = CellStart(DI.Vert, FMovePos);
    if (FMovePos > FMoveIndex) Y += std::max(0, FRowAxis.Size(FMovePos));
    if (FMovePos >= DI.Vert.FirstGridCell || FMovePos < FFixedRows)
      PatBlt(DC, 0, Y - 1, DI.Horz.GridBoundary, 3, DSTINVERT);
  }
  ReleaseDC(FHandle, DC);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (CanFocus() && !IsActiveControl()) {
    SetFocus();
    if (!IsActiveControl()) {
      SetMouseCapture(false);
      return;
    }
  }
  if (Button == mbLeft && Shift.Contains(ssDouble)) {
    DblClick();
  } else if (Button == mbLeft) {
    TGridDrawInfo DI;
    CalcDrawInfo(DI);
    CalcSizingState(X, Y, FGridState, FSizingIndex, FSizingPos, FSizingOfs, DI);
    if (FGridState != gsNormal) {
      DrawSizingLine(DI);
      TCustomControl::MouseDown(Button, Shift, X, Y);
      return;
    }
    TGridCoord Cell = MouseCoord(X, Y);
    if (Cell.X >= FixedCols() && Cell.Y >= FixedRows()) {
      if (FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect)) {
        if (Cell.X == FCurrent.X && Cell.Y == FCurrent.Y) {
          ShowEditor();
          // A second click soon after, now landing on the edit, still counts
          // as a double click.
          if (FInplaceEdit) FInplaceEdit->FClickTime = GetMessageTime();
        } else {
          MoveColRow(Cell.X, Cell.Y, true, true);
          UpdateEdit();
        }
        Click();
      } else {
        FGridState = gsSelecting;
        SetTimer(FHandle, SelectTimer, 60, nullptr);
        FTimerActive = true;
        if (Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect)) {
          TGridRect Old = Selection();
          FAnchor = Cell;
          if (FOptions.Contains(goRowSelect)) FAnchor.X = ColCount() - 1;
          ClampInView(Cell);
          SelectionMoved(Old);
        } else {
          MoveColRow(Cell.X, Cell.Y, true, true);
        }
      }
    } else if (FOptions.Contains(goRowMoving) && Cell.X >= 0 && Cell.X < FixedCols() && Cell.Y >= FixedRows()) {
      FMoveIndex = FMovePos = Cell.Y;
      FGridState = gsRowMoving;
      Update();
      DrawMoveLine();
      SetTimer(FHandle, SelectTimer, 60, nullptr);
      FTimerActive = true;
    } else if (FOptions.Contains(goColMoving) && Cell.Y >= 0 && Cell.Y < FixedRows() && Cell.X >= FixedCols()) {
      FMoveIndex = FMovePos = Cell.X;
      FGridState = gsColMoving;
      Update();
      DrawMoveLine();
      SetTimer(FHandle, SelectTimer, 60, nullptr);
      FTimerActive = true;
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  switch (FGridState) {
    case gsSelecting: {
      TGridCoord Cell = MouseCoord(X, Y);
      if (Cell.X >= FixedCols() && Cell.Y >= FixedRows() && !(Cell == FAnchor)) {
        if (FOptions.Contains(goRangeSelect)) {
          TGridRect Old = Selection();
          FAnchor = Cell;
          if (FOptions.Contains(goRowSelect)) FAnchor.X = ColCount() - 1;
          ClampInView(Cell);
          SelectionMoved(Old);
        } else if (!(Cell == FCurrent)) {
          MoveColRow(Cell.X, Cell.Y, true, true);
        }
      }
      break;
    }
    case gsColSizing:
    case gsRowSizing: {
      TGridDrawInfo DI;
      CalcDrawInfo(DI);
      DrawSizingLine(DI);
      FSizingPos = (FGridState == gsColSizing ? X : Y) + FSizingOfs;
      DrawSizingLine(DI);
      break;
    }
    case gsColMoving:
    case gsRowMoving: {
      TGridCoord Cell = MouseCoord(X, Y);
      bool Cols = FGridState == gsColMoving;
      Integer To = Cols ? Cell.X : Cell.Y;
      Integer Fixed = Cols ? FixedCols() : FixedRows();
      if (To >= Fixed && To != FMovePos) {
        DrawMoveLine();
        FMovePos = To;
        DrawMoveLine();
      }
      break;
    }
    default: break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TGridState State = FGridState;
  if (State != gsNormal) {
    if (FTimerActive) {
      KillTimer(FHandle, SelectTimer);
      FTimerActive = false;
    }
    switch (State) {
      case gsSelecting:
        MouseMove(Shift, X, Y);
        FGridState = gsNormal;
        UpdateEdit();
        Click();
        break;
      case gsColSizing:
      case gsRowSizing: {
        TGridDrawInfo DI;
        CalcDrawInfo(DI);
        DrawSizingLine(DI);
        // Where the button came up decides, whatever moves came before.
        FSizingPos = (State == gsColSizing ? X : Y) + FSizingOfs;
        FGridState = gsNormal;
        const TGridAxisDrawInfo& A = State == gsColSizing ? DI.Horz : DI.Vert;
        Integer NewSize = FSizingPos - CellStart(A, FSizingIndex);
        if (NewSize > 1) {
          if (State == gsColSizing)
            SetColWidths(FSizingIndex, NewSize);
          else
            SetRowHeights(FSizingIndex, NewSize);
        }
        UpdateEdit();
        break;
      }
      case gsColMoving:
      case gsRowMoving: {
        DrawMoveLine();
        TGridCoord Cell = MouseCoord(X, Y);
        Integer To = State == gsColMoving ? Cell.X : Cell.Y;
        if (To >= (State == gsColMoving ? FixedCols() : FixedRows())) FMovePos = To;
        FGridState = gsNormal;
        if (FMovePos >= 0 && FMovePos != FMoveIndex) {
          if (State == gsColMoving)
            MoveColumn(FMoveIndex, FMovePos);
          else
            MoveRow(FMoveIndex, FMovePos);
        }
        UpdateEdit();
        break;
      }
      default: break;
    }
    FGridState = gsNormal;
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::WMCancelMode(TMessage& M) {
  if (FGridState != gsNormal) {
    if (FTimerActive) {
      KillTimer(FHandle, SelectTimer);
      FTimerActive = false;
    }
    if (FGridState == gsColSizing || FGridState == gsRowSizing) {
      TGridDrawInfo DI;
      CalcDrawInfo(DI);
      DrawSizingLine(DI);
    } else if (FGridState == gsColMoving || FGridState == gsRowMoving) {
      DrawMoveLine();
    }
    FGridState = gsNormal;
  }
  TCustomControl::WMCancelMode(M);
}

void TCustomGrid::TimerTick() {
  if (FGridState != gsSelecting && FGridState != gsColMoving && FGridState != gsRowMoving) return;
  POINT P;
  GetCursorPos(&P);
  ::ScreenToClient(FHandle, &P);
  TGridDrawInfo DI;
  CalcDrawInfo(DI);
  TGridCoord Max = CalcMaxTopLeft(DI);
  TGridCoord New = FTopLeft;
  bool Rows = FGridState != gsColMoving, Cols = FGridState != gsRowMoving;
  // Dragging past an edge of the scrolling cells scrolls one cell a tick.
  if (Rows && P.y < DI.Vert.FixedBoundary && New.Y > FFixedRows) --New.Y;
  if (Rows && P.y >= DI.Vert.GridExtent && New.Y < Max.Y) ++New.Y;
  if (Cols && P.x < DI.Horz.FixedBoundary && New.X > FFixedCols) --New.X;
  if (Cols && P.x >= DI.Horz.GridExtent && New.X < Max.X) ++New.X;
  if (New == FTopLeft) return;
  MoveTopLeft(New.X, New.Y);
  CalcDrawInfo(DI);
  Integer X = std::max<Integer>(DI.Horz.FixedBoundary, std::min<Integer>(P.x, DI.Horz.GridBoundary - 1));
  Integer Y = std::max<Integer>(DI.Vert.FixedBoundary, std::min<Integer>(P.y, DI.Vert.GridBoundary - 1));
  MouseMove(KeyboardStateToShiftState(), X, Y);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool Result = TCustomControl::DoMouseWheelDown(Shift, MousePos);
  if (!Result) {
    if (FCurrent.Y < FRowCount - 1) SetRow(FCurrent.Y + 1);
    Result = true;
  }
  return Result;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool Result = TCustomControl::DoMouseWheelUp(Shift, MousePos);
  if (!Result) {
    if (FCurrent.Y > FFixedRows) SetRow(FCurrent.Y - 1);
    Result = true;
  }
  return Result;
}

void TCustomGrid::WMSetCursorGrid(TWMSetCursor& M) {
  if (M.HitTest == HTCLIENT && FGridState == gsNormal && Screen) {
    POINT P;
    GetCursorPos(&P);
    ::ScreenToClient(FHandle, &P);
    TGridDrawInfo DI;
    CalcDrawInfo(DI);
    TGridState State;
    Integer Index, Pos, Ofs;
    CalcSizingState(P.x, P.y, State, Index, Pos, Ofs, DI);
    if (State == gsColSizing || State == gsRowSizing) {
      ::SetCursor(Screen->Cursors(State == gsColSizing ? crHSplit : crVSplit));
      M.Result = 1;
      return;
    }
  }
  TCustomControl::WMSetCursor(M);
}

// --- moving, sizing and scaling ------------------------------------------------

void TCustomGrid::MoveColRowData(bool IsColumn, Integer FromIndex, Integer ToIndex) {
  Integer Count = IsColumn ? FColCount : FRowCount;
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= Count || ToIndex >= Count)
    throw EInvalidGridOperation(SIndexOutOfRange);
  if (FromIndex == ToIndex) return;
  HideEditor();
  (IsColumn ? FColAxis : FRowAxis).Move(FromIndex, ToIndex);
  // Cell references follow the moved line.
  auto Adjust = [&](Integer& I) {
    if (I == FromIndex)
      I = ToIndex;
    else if (FromIndex < ToIndex && I > FromIndex && I <= ToIndex)
      --I;
    else if (FromIndex > ToIndex && I >= ToIndex && I < FromIndex)
      ++I;
  };
  if (IsColumn && !FOptions.Contains(goRowSelect)) {
    Adjust(FCurrent.X);
    Adjust(FAnchor.X);
  } else if (!IsColumn) {
    Adjust(FCurrent.Y);
    Adjust(FAnchor.Y);
  }
  if (IsColumn) {
    ColumnMoved(FromIndex, ToIndex);
    ColWidthsChanged();
  } else {
    RowMoved(FromIndex, ToIndex);
    RowHeightsChanged();
  }
  InvalidateGrid();
}

void TCustomGrid::MoveColumn(Integer FromIndex, Integer ToIndex) { MoveColRowData(true, FromIndex, ToIndex); }

void TCustomGrid::MoveRow(Integer FromIndex, Integer ToIndex) { MoveColRowData(false, FromIndex, ToIndex); }

void TCustomGrid::DeleteColumn(Integer ACol) {
  MoveColumn(ACol, ColCount() - 1);
  SetColCount(ColCount() - 1);
}

void TCustomGrid::DeleteRow(Integer ARow) {
  MoveRow(ARow, RowCount() - 1);
  SetRowCount(RowCount() - 1);
}

void TCustomGrid::ColumnMoved(Integer, Integer) {}

void TCustomGrid::RowMoved(Integer, Integer) {}

void TCustomGrid::ColWidthsChanged() {
  UpdateScrollRange();
  InvalidateGrid();
  if (FEditorMode) UpdateEdit();
}

void TCustomGrid::RowHeightsChanged() {
  UpdateScrollRange();
  InvalidateGrid();
  if (FEditorMode) UpdateEdit();
}

void TCustomGrid::SizeChanged(Integer, Integer) {}

void TCustomGrid::ChangeScale(Integer M, Integer D) {
  TCustomControl::ChangeScale(M, D);
  if (M == D) return;
  for (TGridAxis* A : {&FColAxis, &FRowAxis}) {
    std::map<Integer, Integer> Custom = A->Custom();
    A->SetDefaultSize(MulDiv(A->DefaultSize(), M, D));
    for (auto [I, V] : Custom) A->SetSize(I, MulDiv(V, M, D));
  }
  ColWidthsChanged();
  RowHeightsChanged();
}

// --- the editor --------------------------------------------------------------

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

String TCustomGrid::GetEditText(Integer, Integer) { return String(); }

void TCustomGrid::SetEditText(Integer, Integer, const String&) {}

String TCustomGrid::GetEditMask(Integer, Integer) { return String(); }

Integer TCustomGrid::GetEditLimit() { return 0; }

bool TCustomGrid::CanEditAcceptKey(Char) { return true; }

bool TCustomGrid::CanEditModify() { return true; }

bool TCustomGrid::CanEditShow() {
  return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode &&
         HandleAllocated() && (FOptions.Contains(goAlwaysShowEditor) || IsActiveControl());
}

void TCustomGrid::SetEditorMode(bool Value) {
  if (!Value) {
    HideEditor();
    return;
  }
  ShowEditor();
  if (FInplaceEdit) FInplaceEdit->Deselect();
}

void TCustomGrid::ShowEditor() {
  FEditorMode = true;
  UpdateEdit();
}

void TCustomGrid::HideEditor() {
  FEditorMode = false;
  if (!FInplaceEdit) return;
  UpdateText();
  FInplaceCol = FInplaceRow = -1;
  FInplaceEdit->Hide();
}

void TCustomGrid::ShowEditorChar(Char Ch) {
  ShowEditor();
  if (FInplaceEdit && FInplaceEdit->EditVisible())
    PostMessageW(FInplaceEdit->Handle(), WM_CHAR, Ch, 0);
}

void TCustomGrid::UpdateText() {
  if (FInplaceEdit && FInplaceCol >= 0 && FInplaceRow >= 0 && FInplaceCol < FColCount && FInplaceRow < FRowCount)
    SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
}

void TCustomGrid::InvalidateEditor() {
  FInplaceCol = FInplaceRow = -1;
  UpdateEdit();
}

void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) return;
  auto Load = [this] {
    FInplaceCol = FCurrent.X;
    FInplaceRow = FCurrent.Y;
    FInplaceEdit->UpdateContents();
    FEditStartText = FInplaceEdit->Text();
    FInplaceEdit->SelectAll();
  };
  if (!FInplaceEdit) {
    FInplaceEdit = CreateEditor();
    FInplaceEdit->SetGrid(this);
    FInplaceEdit->SetParent(this);
    Load();
  } else if (FCurrent.X != FInplaceCol || FCurrent.Y != FInplaceRow) {
    UpdateText();
    FInplaceCol = FInplaceRow = -1;
    FInplaceEdit->Hide();
    Load();
  }
  if (CanEditShow()) FInplaceEdit->Move(EditorBounds());
}

TRect TCustomGrid::EditorBounds() {
  if (BoxRect(FCurrent.X, FCurrent.Y, FCurrent.X, FCurrent.Y).IsEmpty()) return TRect();
  return CellRect(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::DoExit() {
  TCustomControl::DoExit();
  if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
}

// --- messages ----------------------------------------------------------------

void TCustomGrid::WMSetFocus(TWMSetFocus& M) {
  TCustomControl::WMSetFocus(M);
  if (!FInplaceEdit || !FInplaceEdit->HandleAllocated() || M.FocusedWnd != FInplaceEdit->Handle()) {
    InvalidateRect(Selection());
    UpdateEdit();
  }
}

void TCustomGrid::WMKillFocus(TWMKillFocus& M) {
  TCustomControl::WMKillFocus(M);
  InvalidateRect(Selection());
}

void TCustomGrid::WMSize(TWMSize& M) {
  TCustomControl::WMSize(M);
  UpdateScrollRange();
}

void TCustomGrid::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case WM_GETDLGCODE: WMGetDlgCode(M); return;
    case WM_VSCROLL: WMVScroll(MsgAs<TWMScroll>(M)); return;
    case WM_HSCROLL: WMHScroll(MsgAs<TWMScroll>(M)); return;
    case WM_TIMER:
      if (MsgAs<TWMTimer>(M).TimerID == SelectTimer) {
        TimerTick();
        return;
      }
      break;
    case WM_SETCURSOR:
      if (MsgAs<TWMSetCursor>(M).CursorWnd == FHandle) {
        WMSetCursorGrid(MsgAs<TWMSetCursor>(M));
        return;
      }
      break;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
      TCustomControl::Dispatch(M);
      InvalidateGrid();
      return;
  }
  TCustomControl::Dispatch(M);
}

// --- TDrawGrid ---------------------------------------------------------------

void TDrawGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(Integer ACol, Integer ARow) {
  bool Result = TCustomGrid::SelectCell(ACol, ARow);
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, Result);
  return Result;
}

void TDrawGrid::TopLeftChanged() {
  TCustomGrid::TopLeftChanged();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

String TDrawGrid::GetEditText(Integer ACol, Integer ARow) {
  String Result;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, Result);
  return Result;
}

void TDrawGrid::SetEditText(Integer ACol, Integer ARow, const String& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

String TDrawGrid::GetEditMask(Integer ACol, Integer ARow) {
  String Result;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, Result);
  return Result;
}

void TDrawGrid::ColumnMoved(Integer FromIndex, Integer ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::RowMoved(Integer FromIndex, Integer ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

}  // namespace jorv
