// The grid's writers that do more than store: counts that keep fixed rows
// and columns present, default sizes, selection colours, the scroll-bar
// rule of ScrollBarAlways and theme registration.
#include "foundation/HTMLSubset.h"
#include "foundation/TextUtils.h"
#include "foundation/ThemeNotifier.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/ui/InplaceEdit.h"

namespace jorv::grid {

// --- counts -------------------------------------------------------------------------------

void TRezIvevirAvod::SetRowCount(Integer Value) {
  TBaseGrid::SetRowCount(Value);
  if (FFixedRowAlways && FFixedRowsMin < RowCount()) SetFixedRows(FFixedRowsMin);
  if (Value > FMaxRowCount) FMaxRowCount = Value;
  FNormalRowCount = Value;
  UpdateScrollBarAlways(false);
}

void TRezIvevirAvod::SetColCount(Integer Value) {
  TBaseGrid::SetColCount(Value);
  if (FFixedColAlways && FFixedColsMin < ColCount()) SetFixedCols(FFixedColsMin);
  if (Value > FMaxColCount) FMaxColCount = Value;
  // A new horizontal scroll bar changes what a whole number of rows is.
  SetBounds(Left(), Top(), Width(), Height());
  UpdateScrollBarAlways(false);
}

Integer TRezIvevirAvod::FixedRows() const {
  Integer Value = TBaseGrid::FixedRows();
  return Value == 0 && FFixedRowAlways ? 1 : Value;
}

Integer TRezIvevirAvod::FixedCols() const {
  Integer Value = TBaseGrid::FixedCols();
  return Value == 0 && FFixedColAlways ? 1 : Value;
}

void TRezIvevirAvod::SetFixedRows(Integer Value) {
  Integer Asked = Value;
  if (FFixedRowAlways && Value >= RowCount()) Value = RowCount() - 1;
  TBaseGrid::SetFixedRows(Value);
  if (!Loading()) FFixedRowsMin = Asked;
}

void TRezIvevirAvod::SetFixedCols(Integer Value) {
  Integer Asked = Value;
  if (FFixedColAlways && Value >= ColCount()) Value = ColCount() - 1;
  TBaseGrid::SetFixedCols(Value);
  if (!Loading()) FFixedColsMin = Asked;
}

void TRezIvevirAvod::SetDefaultRowHeight(Integer Value) {
  TBaseGrid::SetDefaultRowHeight(Value);
  if (Designing()) FFixedRowHeight = Value;
  FFloatingFooter->SetHeight(Value);
}

void TRezIvevirAvod::SetFixedRowHeight(Integer Value) {
  FFixedRowHeight = Value;
  if (Loading() || Value == DefaultRowHeight()) return;
  for (Integer r = 0; r < TBaseGrid::FixedRows(); ++r) SetRowHeights(r, Value);
}

void TRezIvevirAvod::SetFixedColWidth(Integer Value) {
  if (Loading() || Value == DefaultColWidth()) return;
  for (Integer c = 0; c < TBaseGrid::FixedCols(); ++c) SetColWidths(c, Value);
}

void TRezIvevirAvod::SetCol(Integer Value) {
  TBaseGrid::SetCol(Value);
  FAECol = -1;
  FAERow = -1;
  TStringGrid* Synced = FSyncGrid->Grid();
  if (Synced && FSyncGrid->SelectionColumn()) Synced->SetCol(Col());
}

void TRezIvevirAvod::SetCursor(TCursor Value) {
  TBaseGrid::SetCursor(Value);
  FOldCursor = Value;
}

// --- owned objects written by copy ----------------------------------------------------------

void TRezIvevirAvod::SetBackGround(TBackGround* Value) {
  FBackGround->Assign(Value);
  Invalidate();
}

void TRezIvevirAvod::SetFixedFont(TFont* Value) {
  FFixedFont->Assign(Value);
  Invalidate();
}

void TRezIvevirAvod::SetActiveCellFont(TFont* Value) {
  FActiveCellFont->Assign(Value);
  Invalidate();
}

void TRezIvevirAvod::SetRowIndicator(TBitmap* Value) {
  FRowIndicator->Assign(Value);
  InvalidateCell(0, Row());
}

void TRezIvevirAvod::SetLookupItems(TStrings* Value) {
  if (Value) FLookupItems->Assign(Value);
}

// --- headers ---------------------------------------------------------------------------------

void TRezIvevirAvod::SetColumnHeaders(TStrings* Value) {
  FColumnHeaders->Assign(Value);
  if (FixedRows() > 0) ClearColumnHeaders();
  ShowColumnHeaders();
}

void TRezIvevirAvod::SetRowHeaders(TStrings* Value) {
  FRowHeaders->Assign(Value);
  if (Designing() && FixedCols() > 0) ClearRowHeaders();
  ShowRowHeaders();
}

void TRezIvevirAvod::ClearColumnHeaders() {
  for (Integer c = 0; c < ColCount(); ++c) SetCells(c, 0, L"");
}

void TRezIvevirAvod::ClearRowHeaders() {
  for (Integer r = 0; r < RowCount(); ++r) SetCells(0, r, L"");
}

void TRezIvevirAvod::ShowColumnHeaders() {
  if (FixedRows() <= 0 || RowCount() <= 0) return;
  for (Integer i = 0; i < FColumnHeaders->Count() && i < AllColCount(); ++i)
    SetGridCell(i, 0, EscapedNewlineToCR(FColumnHeaders->Strings(i)));
}

void TRezIvevirAvod::ShowRowHeaders() {
  if (FixedCols() <= 0) return;
  for (Integer i = 0; i < FRowHeaders->Count() && i < RowCount(); ++i)
    SetCells(0, i, EscapedNewlineToCR(FRowHeaders->Strings(i)));
}

// --- colours and switches ------------------------------------------------------------------

void TRezIvevirAvod::SetHighlightColor(TColor Value) {
  if (FHighlightColor == Value) return;
  FHighlightColor = Value;
  SetHTMLHilightColors(FHighlightColor, FHighlightTextColor);
  Invalidate();
}

void TRezIvevirAvod::SetHighlightTextColor(TColor Value) {
  if (FHighlightTextColor == Value) return;
  FHighlightTextColor = Value;
  SetHTMLHilightColors(FHighlightColor, FHighlightTextColor);
  Invalidate();
}

void TRezIvevirAvod::SetAutoSize(bool Value) { FAutoSize = Value; }

void TRezIvevirAvod::SetAutoThemeAdapt(bool Value) {
  if (FAutoThemeAdapt == Value) return;
  FAutoThemeAdapt = Value;
  FSearchFooter->SetAutoThemeAdapt(Value);
  if (Value) {
    ApplyOfficeTheme();
    Invalidate();
  }
  if (Designing() || !HandleAllocated() || Loading()) return;
  if (Value)
    GetThemeNotifier(this)->RegisterWindow(Handle());
  else
    GetThemeNotifier(this)->UnRegisterWindow(Handle());
}

void TRezIvevirAvod::SetBorderColor(TColor Value) {
  if (FBorderColor == Value) return;
  FBorderColor = Value;
  if (Parent() && Parent()->HandleAllocated()) Invalidate();
}

void TRezIvevirAvod::SetFlat(bool Value) {
  FFlat = Value;
  if (!Loading()) Invalidate();
}

void TRezIvevirAvod::SetMaxEditLength(Integer Value) { FMaxEditLength = Value; }

void TRezIvevirAvod::SetSelectionColorMixerFactor(Integer Value) {
  Value = std::clamp(Value, 0, 100);
  if (FSelectionColorMixerFactor == Value) return;
  FSelectionColorMixerFactor = Value;
  Invalidate();
}

void TRezIvevirAvod::SetShowSelection(bool Value) {
  if (FShowSelection == Value) return;
  FShowSelection = Value;
  FShowSel = Value;
  Invalidate();
}

// Sizing with the form is anchoring to all four sides; switching it off
// anchors to the top left again, as a control is placed.
void TRezIvevirAvod::SetSizeWithForm(bool Value) {
  if (FSizeWithForm == Value) return;
  FSizeWithForm = Value;
  SetAnchors(Value ? TAnchors{akLeft, akTop, akRight, akBottom} : TAnchors{akLeft, akTop});
}

// Only switching it on changes the other settings; switching it off keeps
// them, as the user may have set them for their own sake.
void TRezIvevirAvod::SetSpreadSheet(bool Value) {
  FSpreadSheet = Value;
  if (!Value) return;
  SetSelectionRectangle(true);
  SetSelectionResizer(true);
  FNavigation->SetAllowSmartClipboard(true);
  SetOptions(Options() + goEditing + goRangeSelect);
  FMouseActions->SetRangeSelectAndEdit(true);
}

void TRezIvevirAvod::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  FVerticalTextFlag = Value == vtaTop ? DT_TOP : Value == vtaCenter ? DT_VCENTER : DT_BOTTOM;
  if (FUpdateCount == 0) Invalidate();
}

void TRezIvevirAvod::SetWordWrap(bool Value) {
  TBaseGrid::SetWordWrap(Value);
  if (FUpdateCount == 0) Invalidate();
}

void TRezIvevirAvod::SetURLColor(TColor Value) {
  if (FURLColor == Value) return;
  FURLColor = Value;
  if (FURLShow) Invalidate();
}

void TRezIvevirAvod::SetURLFull(bool Value) {
  FURLFull = Value;
  if (FURLShow) Invalidate();
}

void TRezIvevirAvod::SetScrollBarAlways(TScrollBarAlways Value) {
  FScrollBarAlways = Value;
  UpdateScrollBarAlways(true);
}

void TRezIvevirAvod::UpdateScrollBarAlways(bool Force) {
  if (!HandleAllocated()) return;
  const bool AllRows = VisibleRowCount() + FixedRows() >= RowCount();
  const bool AllCols = VisibleColCount() + FixedCols() >= ColCount();
  const bool HasVert = ScrollBars() == ssVertical || ScrollBars() == ssBoth;
  const bool HasHorz = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
  if (FScrollBarAlways != saNone) {
    if (AllRows && HasVert) ShowGridScrollBar(SB_VERT, FScrollBarAlways == saVert || FScrollBarAlways == saBoth);
    if (AllCols && HasHorz) ShowGridScrollBar(SB_HORZ, FScrollBarAlways == saHorz || FScrollBarAlways == saBoth);
    EnableScrollBar(Handle(), SB_VERT, AllRows ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
    EnableScrollBar(Handle(), SB_HORZ, AllCols ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
  } else if (Force) {
    if (AllRows) ShowGridScrollBar(SB_VERT, false);
    if (AllCols) ShowGridScrollBar(SB_HORZ, false);
  }
}

}  // namespace jorv::grid
