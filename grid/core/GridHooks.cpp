// Every question the grid asks about a cell, and every action it reports,
// goes through a virtual hook that raises the matching event; descendant
// grids change the answers by overriding the hooks.
#include "grid/core/RezIvevirAvod.h"
#include "foundation/ValueUtils.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Pen.h"
#include "platform/ui/Screen.h"

namespace jorv::grid {

void TRezIvevirAvod::DoGridHint(Integer ACol, Integer ARow, String& HintText, String& WideHintText) {
  if (OnGridHint) {
    OnGridHint(this, ARow, ACol, HintText);
    FOfficeHint->Notes()->SetText(HintText);
  }
  if (OnGridWideHint) {
    OnGridWideHint(this, ARow, ACol, WideHintText);
    if (!WideHintText.empty()) HintText = WideToMarkedText(WideHintText);
  }
  if (OnOfficeHint) OnOfficeHint(this, ACol, ARow, FOfficeHint.get());
}

namespace {

// Kinds whose cells take the brush colour of their property object; the
// others draw a background of their own.
bool TakesCellBrush(TCellType Kind) {
  switch (Kind) {
    case ctIcon:
    case ctNone:
    case ctImageList:
    case ctCheckBox:
    case ctEmpty:
    case ctImages:
    case ctComment:
    case ctRadioButton: return true;
    default: return false;
  }
}

}  // namespace

void TRezIvevirAvod::GetCellColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  if (FActiveCellShow) {
    const Integer Displayed = RealToDisplCol(ACol);
    const bool RowHeader = ARow == Row() && Displayed == FixedCols() - 1 && FixedCols() > 0;
    const bool ColHeader = Displayed == Col() && ARow == FixedRows() - 1 && FixedRows() > 0;
    if (RowHeader || ColHeader) {
      AFont->Assign(FActiveCellFont.get());
      ABrush->SetColor(FActiveCellColor);
    }
  }
  if (TCellProperties* P = ExistingProps(ACol, ARow)) {
    if (TakesCellBrush(GetCellType(ACol, ARow)) && P->BrushColor() != clNone) ABrush->SetColor(P->BrushColor());
    if (P->FontColor() != clNone) AFont->SetColor(P->FontColor());
    if (!P->FontStyle().Empty()) AFont->SetStyle(P->FontStyle());
    if (P->FontSize() != 0) AFont->SetSize(P->FontSize());
    if (!P->FontName().empty()) AFont->SetName(P->FontName());
  }
  if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TRezIvevirAvod::GetCellPrintColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush,
                                       TFont* AFont) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

// Group header and summary lines come with node rows, which the grouping
// makes; until a row is one, the event alone decides.
void TRezIvevirAvod::GetCellBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders) {
  if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TRezIvevirAvod::GetCellPrintBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TRezIvevirAvod::DoGetAlignment(Integer ACol, Integer ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) HAlign = taCenter;
  if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TRezIvevirAvod::DoGetFormat(Integer ACol, TSortStyle& AStyle, String& Prefix, String& Suffix) {
  if (OnGetFormat) OnGetFormat(this, ACol, AStyle, Prefix, Suffix);
}

void TRezIvevirAvod::DoGetEditorType(Integer ACol, Integer ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TRezIvevirAvod::DoGetColumnEditorType(Integer ACol, Integer ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TRezIvevirAvod::HasNoCellEditor(Integer ACol, Integer ARow) {
  if (!OnGetEditorType) return false;
  TEditorType Kind = edNormal;
  OnGetEditorType(this, ACol, ARow, Kind);
  return Kind == edNone;
}

bool TRezIvevirAvod::HasComboBox(Integer ACol, Integer ARow, TEditorType AEditor) {
  if (OnHasComboBox) {
    bool Has = false;
    OnHasComboBox(this, ACol, ARow, Has);
    return Has;
  }
  if (!FControlLook->DropDownAlwaysVisible()) return false;
  if (AEditor == edNone) {
    AEditor = FDefaultEditor;
    DoGetEditorType(ACol, ARow, AEditor);
  }
  return AEditor == edComboEdit || AEditor == edComboList;
}

bool TRezIvevirAvod::HasEditBtn(Integer ACol, Integer ARow, TEditorType AEditor) {
  if (OnHasEditBtn) {
    bool Has = false;
    OnHasEditBtn(this, ACol, ARow, Has);
    return Has;
  }
  if (!FControlLook->DropDownAlwaysVisible()) return false;
  if (AEditor == edNone) {
    AEditor = FDefaultEditor;
    DoGetEditorType(ACol, ARow, AEditor);
  }
  return AEditor == edEditBtn;
}

bool TRezIvevirAvod::HasSpinEdit(Integer ACol, Integer ARow, TEditorType AEditor) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  if (OnHasSpinEdit) {
    bool Has = false;
    OnHasSpinEdit(this, ACol, ARow, Has);
    return Has;
  }
  if (!FControlLook->SpinButtonsAlwaysVisible()) return false;
  if (AEditor == edNone) {
    AEditor = FDefaultEditor;
    DoGetColumnEditorType(ACol, ARow, AEditor);
  }
  return AEditor == edSpinEdit || AEditor == edFloatSpinEdit || AEditor == edTimeSpinEdit ||
         AEditor == edDateSpinEdit;
}

bool TRezIvevirAvod::HasFilterEdit(Integer ACol, Integer ARow) {
  if (!FFilterEdit->Enabled() || ARow != FFilterEdit->Row()) return false;
  if (FFilterEdit->Columns() == fdNormal && (ACol < FixedCols() || ACol > ColCount() - FFixedRightCols - 1))
    return false;
  bool Has = true;
  if (OnHasFilterEdit) OnHasFilterEdit(this, ACol, Has);
  return Has;
}

void TRezIvevirAvod::DoFilterEditUpdate(Integer ACol, const String& Condition, TFilterType FilterType) {
  if (OnFilterEditUpdate) OnFilterEditUpdate(this, ACol, Condition, FilterType);
}

void TRezIvevirAvod::IsFixedCell(Integer ACol, Integer ARow, bool& IsFixed) {
  if (IsFixed) return;
  IsFixed = (FFixedRowAlways && RowCount() == FFixedRowsMin && ARow <= FFixedRowsMin) ||
            (FFixedColAlways && ColCount() == FFixedColsMin && ACol < FFixedColsMin) || ACol < FixedCols() ||
            ARow < FixedRows();
  if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

bool TRezIvevirAvod::IsFixed(Integer ACol, Integer ARow) {
  TPoint Base = BaseCell(DisplToRealCol(ACol), ARow);
  const Integer Col = RealToDisplCol(Base.X);
  if (Base.Y >= RowCount() - FFixedFooters) return true;
  if (Col >= ColCount() - FFixedRightCols && Col <= ColCount() - 1) return true;
  bool Fixed = false;
  IsFixedCell(Col, Base.Y, Fixed);
  return Fixed;
}

void TRezIvevirAvod::CanEditCell(Integer ACol, Integer ARow, bool& CanEdit) {
  TPoint Base = BaseCell(ACol, ARow);
  bool FromProperties = false;
  if (TCellProperties* P = ExistingProps(Base.X, Base.Y); P && CanEdit) {
    FromProperties = true;
    CanEdit = !P->ReadOnly();
    if (!Options().Contains(goEditing) && !FEditDisable && !FMouseActions->RangeSelectAndEdit()) CanEdit = false;
  }
  if (Base.X < AllColCount())
    DoCanEditCell(Base.X, Base.Y, CanEdit);
  else if (!FromProperties)
    CanEdit = true;
}

void TRezIvevirAvod::DoCanEditCell(Integer ACol, Integer ARow, bool& CanEdit) {
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TRezIvevirAvod::DoIsPasswordCell(Integer ACol, Integer ARow, bool& IsPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TRezIvevirAvod::GetCellWordWrap(Integer ACol, Integer ARow, bool& WordWrap) {
  if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

void TRezIvevirAvod::GetCellCheckTrue(Integer ACol, Integer ARow, String& Value) {
  Value = FCheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TRezIvevirAvod::GetCellCheckFalse(Integer ACol, Integer ARow, String& Value) {
  Value = FCheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

void TRezIvevirAvod::GetCellCursor(Integer ACol, Integer ARow, Integer X, Integer Y) {
  if (!OnGetCellCursor) return;
  TCursor Answer = Screen->Cursor();
  OnGetCellCursor(this, ACol, ARow, X, Y, Answer);
  if (Answer != Cursor()) ::SetCursor(Screen->Cursors(Answer));
}

void TRezIvevirAvod::DoCanSort(Integer ACol, bool& DoSort) {
  if (OnCanSort) OnCanSort(this, ACol, DoSort);
}

void TRezIvevirAvod::DoSearchFooterAction(const String& Value, Integer ACol, Integer ARow, TSearchAction Action) {
  if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, Action);
}

void TRezIvevirAvod::DoButtonClick(Integer ACol, Integer ARow) {
  if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TRezIvevirAvod::DoCurrentButtonClick() {
  if (OnButtonClick) OnButtonClick(this, Col(), Row());
}

void TRezIvevirAvod::DoComboCloseUp(Integer ARow, Integer ACol) {
  if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TRezIvevirAvod::DoComboDropDown(Integer ARow, Integer ACol) {
  if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

void TRezIvevirAvod::DisableEditing() { SetOptions(Options() - goEditing); }

void TRezIvevirAvod::AppendRow() { SetRowCount(RowCount() + 1); }

void TRezIvevirAvod::CalcSizingState(Integer X, Integer Y, TGridState& State, Integer& Index, Integer& SizingPos,
                                     Integer& SizingOfs, TGridDrawInfo& FixedInfo) {
  TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
  Integer ACol = -1, ARow = -1;
  MouseToCell(X - 6, Y, ACol, ARow);
  if (State == gsColSizing && ARow >= 0 && ARow < FixedRows() && ACol >= 0 && OnColumnSize) {
    bool Allow = true;
    OnColumnSize(this, ACol, Allow);
    if (!Allow) State = gsNormal;
  }
  MouseToCell(X, Y - 6, ACol, ARow);
  if (State == gsRowSizing && ACol >= 0 && ACol < FixedCols() && OnRowSize) {
    bool Allow = true;
    OnRowSize(this, ARow, Allow);
    if (!Allow) State = gsNormal;
  }
}

void TRezIvevirAvod::SetupMouseWheel(bool) {
  FWheelMessage = 0;
  FWheelScrollLines = 0;
  FWheelPan = false;
  UINT Lines = 3;
  if (SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &Lines, 0)) FWheelScrollLines = static_cast<Integer>(Lines);
  if (Lines == WHEEL_PAGESCROLL) FWheelScrollLines = VisibleRowCount();
  FWheelMessage = WM_MOUSEWHEEL;
}

}  // namespace jorv::grid
