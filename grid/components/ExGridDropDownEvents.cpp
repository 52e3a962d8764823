// The hosted grid's events, forwarded to the grid drop-down's own: each
// grid event reaches one DoGrid operation, which raises the OnGrid event
// with the grid as Sender.
#include "dropdown/DropDownForm.h"
#include "grid/components/ExGridDropDown.h"

namespace jorv::grid {

void TCustomExGridDropDown::ForwardGridEvents() {
  TExColGrid* G = FGrid;
  G->OnAnchorClick = [this](auto&&... A) { DoGridAnchorClick(A...); };
  G->OnAnchorEnter = [this](auto&&... A) { DoGridAnchorEnter(A...); };
  G->OnAnchorExit = [this](auto&&... A) { DoGridAnchorExit(A...); };
  G->OnAnchorHint = [this](auto&&... A) { DoGridAnchorHint(A...); };
  G->OnButtonClick = [this](auto&&... A) { DoGridButtonClick(A...); };
  G->OnCheckBoxClick = [this](auto&&... A) { DoGridCheckBoxClick(A...); };
  G->OnColumnSize = [this](auto&&... A) { DoGridColumnSize(A...); };
  G->OnColumnSizing = [this](auto&&... A) { DoGridColumnSizing(A...); };
  G->OnEndColumnSize = [this](auto&&... A) { DoGridEndColumnSize(A...); };
  G->OnRowSize = [this](auto&&... A) { DoGridRowSize(A...); };
  G->OnRowSizing = [this](auto&&... A) { DoGridRowSizing(A...); };
  G->OnEndRowSize = [this](auto&&... A) { DoGridEndRowSize(A...); };
  G->OnRowMove = [this](auto&&... A) { DoGridRowMove(A...); };
  G->OnRowMoving = [this](auto&&... A) { DoGridRowMoving(A...); };
  G->OnRowMoved = [this](auto&&... A) { DoGridRowMoved(A...); };
  G->OnColumnMove = [this](auto&&... A) { DoGridColumnMove(A...); };
  G->OnColumnMoving = [this](auto&&... A) { DoGridColumnMoving(A...); };
  G->OnColumnMoved = [this](auto&&... A) { DoGridColumnMoved(A...); };
  G->OnCustomCellDraw = nullptr;
  if (OnGridCustomCellDraw) G->OnCustomCellDraw = [this](auto&&... A) { DoGridCustomCellDraw(A...); };
  G->OnCustomCellBkgDraw = nullptr;
  if (OnGridCustomCellBkgDraw) G->OnCustomCellBkgDraw = [this](auto&&... A) { DoGridCustomCellBkgDraw(A...); };
  G->OnCellBalloon = [this](auto&&... A) { DoGridCellBalloon(A...); };
  G->OnGetAlignment = [this](auto&&... A) { DoGridGetAlignment(A...); };
  G->OnGetCellColor = [this](auto&&... A) { DoGridGetCellColor(A...); };
  G->OnGetCellGradient = [this](auto&&... A) { DoGridGetCellGradient(A...); };
  G->OnGetFloatFormat = [this](auto&&... A) { DoGridGetFloatFormat(A...); };
  G->OnGetEditorType = [this](auto&&... A) { DoGridGetEditorType(A...); };
  G->OnGetEditorProp = [this](auto&&... A) { DoGridGetEditorProp(A...); };
  G->OnCanEditCell = [this](auto&&... A) { DoGridCanEditCell(A...); };
  G->OnEllipsClick = [this](auto&&... A) { DoGridEllipsClick(A...); };
  G->OnGetDisplText = [this](auto&&... A) { DoGridGetDisplText(A...); };
  G->OnGetFormat = [this](auto&&... A) { DoGridGetFormat(A...); };
  G->OnGridHint = [this](auto&&... A) { DoGridHint(A...); };
  G->OnOfficeHint = [this](auto&&... A) { DoGridOfficeHint(A...); };
  G->OnMouseMove = [this](auto&&... A) { DoGridMouseMove(A...); };
  G->OnMouseDown = [this](auto&&... A) { DoGridMouseDown(A...); };
  G->OnMouseUp = [this](auto&&... A) { DoGridMouseUp(A...); };
  G->OnRightClickCell = [this](auto&&... A) { DoGridRightClickCell(A...); };
  G->OnScrollHint = [this](auto&&... A) { DoGridScrollHint(A...); };
  G->OnTopLeftChanged = [this](auto&&... A) { DoGridTopLeftChanged(A...); };
  G->OnSearchEditChange = [this](auto&&... A) { DoGridSearchEditChange(A...); };
  G->OnAutoAddRow = [this](auto&&... A) { DoGridAutoAddRow(A...); };
  G->OnAutoInsertRow = [this](auto&&... A) { DoGridInsertRow(A...); };
  G->OnAutoInsertCol = [this](auto&&... A) { DoGridInsertCol(A...); };
  G->OnAutoDeleteRow = [this](auto&&... A) { DoGridDeleteRow(A...); };
  G->OnCanAddRow = [this](auto&&... A) { DoGridCanAddRow(A...); };
  G->OnCanInsertRow = [this](auto&&... A) { DoGridCanInsertRow(A...); };
  G->OnCanDeleteRow = [this](auto&&... A) { DoGridCanDeleteRow(A...); };
}

// A handler that shows a window of its own must not close the pop-up by
// taking its activation.
template <class Call>
static void WithActivationBlocked(TDropDownForm* Form, Call&& Handler) {
  Form->SetBlockActivate(true);
  Handler();
  Form->SetBlockActivate(false);
}

void TCustomExGridDropDown::DoGridAnchorClick(TObject* Sender, Integer ARow, Integer ACol, const String& Anchor,
                                              bool& AutoHandle) {
  if (OnGridAnchorClick)
    WithActivationBlocked(FDropDownForm, [&] { OnGridAnchorClick(Sender, ARow, ACol, Anchor, AutoHandle); });
}

void TCustomExGridDropDown::DoGridButtonClick(TObject* Sender, Integer ACol, Integer ARow) {
  if (OnGridButtonClick) WithActivationBlocked(FDropDownForm, [&] { OnGridButtonClick(Sender, ACol, ARow); });
}

void TCustomExGridDropDown::DoGridEllipsClick(TObject* Sender, Integer ACol, Integer ARow, String& S) {
  if (OnGridEllipsClick) WithActivationBlocked(FDropDownForm, [&] { OnGridEllipsClick(Sender, ACol, ARow, S); });
}

// The column's alignment, colour and font come first; the handler may
// change them.
void TCustomExGridDropDown::DoGridGetAlignment(TObject* Sender, Integer ARow, Integer ACol, TAlignment& HAlign,
                                               TVAlignment& VAlign) {
  if (ACol >= 0 && ACol < FColumns->Count()) HAlign = FColumns->Items(ACol)->Alignment();
  if (OnGridGetAlignment) OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
}

void TCustomExGridDropDown::DoGridGetCellColor(TObject* Sender, Integer ARow, Integer ACol, TGridDrawState AState,
                                               TBrush* ABrush, TFont* AFont) {
  if (ACol >= 0 && ACol < FColumns->Count() && ARow >= FGrid->FixedRows()) {
    ABrush->SetColor(FColumns->Items(ACol)->Color());
    AFont->Assign(FColumns->Items(ACol)->Font());
  }
  if (OnGridGetCellColor) OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
}

void TCustomExGridDropDown::DoGridGetFloatFormat(TObject* Sender, Integer ACol, Integer ARow, bool& IsFloat,
                                                 String& FloatFormat) {
  FloatFormat.clear();
  if (OnGridGetFloatFormat) OnGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat);
}

// The balloons of the hosted grid are set up again on the first move of
// each opening, so that they follow the pop-up to where it opened.
void TCustomExGridDropDown::DoGridMouseMove(TObject* Sender, TShiftState Shift, Integer X, Integer Y) {
  if (!FBalloonInit && FGrid && FGrid->Balloon()->Enable()) {
    FGrid->Balloon()->SetEnable(false);
    FGrid->Balloon()->SetEnable(true);
    FBalloonInit = true;
  }
  if (OnGridMouseMove) OnGridMouseMove(Sender, Shift, X, Y);
}

void TCustomExGridDropDown::DoGridKeyDown(Word& Key, TShiftState Shift) {
  if (OnGridKeyDown) OnGridKeyDown(this, Key, Shift);
}

void TCustomExGridDropDown::DoGridKeyUp(Word& Key, TShiftState Shift) {
  if (OnGridKeyUp) OnGridKeyUp(this, Key, Shift);
}

void TCustomExGridDropDown::DoGridKeyPress(Char& Key) {
  if (OnGridKeyPress) OnGridKeyPress(this, Key);
}

void TCustomExGridDropDown::DoGridAnchorEnter(TObject* Sender, Integer ARow, Integer ACol, const String& Anchor) {
  if (OnGridAnchorEnter) OnGridAnchorEnter(Sender, ARow, ACol, Anchor);
}

void TCustomExGridDropDown::DoGridAnchorExit(TObject* Sender, Integer ARow, Integer ACol, const String& Anchor) {
  if (OnGridAnchorExit) OnGridAnchorExit(Sender, ARow, ACol, Anchor);
}

void TCustomExGridDropDown::DoGridAnchorHint(TObject* Sender, Integer ARow, Integer ACol, String& Anchor) {
  if (OnGridAnchorHint) OnGridAnchorHint(Sender, ARow, ACol, Anchor);
}

void TCustomExGridDropDown::DoGridCheckBoxClick(TObject* Sender, Integer ACol, Integer ARow, bool State) {
  if (OnGridCheckBoxClick) OnGridCheckBoxClick(Sender, ACol, ARow, State);
}

void TCustomExGridDropDown::DoGridCanSort(TObject* Sender, Integer ACol, bool& DoSort) {
  if (OnGridCanSort) OnGridCanSort(Sender, ACol, DoSort);
}

void TCustomExGridDropDown::DoGridClickSort(TObject* Sender, Integer ACol) {
  if (OnGridClickSort) OnGridClickSort(Sender, ACol);
}

void TCustomExGridDropDown::DoGridCustomCompare(TObject* Sender, const String& str1, const String& str2, Integer& Res) {
  if (OnGridCustomCompare) OnGridCustomCompare(Sender, str1, str2, Res);
}

void TCustomExGridDropDown::DoGridRawCompare(TObject* Sender, Integer ACol, Integer Row1, Integer Row2, Integer& Res) {
  if (OnGridRawCompare) OnGridRawCompare(Sender, ACol, Row1, Row2, Res);
}

void TCustomExGridDropDown::DoGridColumnSize(TObject* Sender, Integer ACol, bool& Allow) {
  if (OnGridColumnSize) OnGridColumnSize(Sender, ACol, Allow);
}

void TCustomExGridDropDown::DoGridColumnSizing(TObject* Sender, Integer ACol, Integer ColumnSize) {
  if (OnGridColumnSizing) OnGridColumnSizing(Sender, ACol, ColumnSize);
}

void TCustomExGridDropDown::DoGridEndColumnSize(TObject* Sender, Integer ACol) {
  if (OnGridEndColumnSize) OnGridEndColumnSize(Sender, ACol);
}

void TCustomExGridDropDown::DoGridRowSize(TObject* Sender, Integer ARow, bool& Allow) {
  if (OnGridRowSize) OnGridRowSize(Sender, ARow, Allow);
}

void TCustomExGridDropDown::DoGridRowSizing(TObject* Sender, Integer ARow, Integer RowSize) {
  if (OnGridRowSizing) OnGridRowSizing(Sender, ARow, RowSize);
}

void TCustomExGridDropDown::DoGridEndRowSize(TObject* Sender, Integer ARow) {
  if (OnGridEndRowSize) OnGridEndRowSize(Sender, ARow);
}

void TCustomExGridDropDown::DoGridRowMove(TObject* Sender, Integer ARow, bool& Allow) {
  if (OnGridRowMove) OnGridRowMove(Sender, ARow, Allow);
}

void TCustomExGridDropDown::DoGridRowMoving(TObject* Sender, Integer ARow, bool& Allow) {
  if (OnGridRowMoving) OnGridRowMoving(Sender, ARow, Allow);
}

void TCustomExGridDropDown::DoGridRowMoved(TObject* Sender, Integer FromIndex, Integer ToIndex) {
  if (OnGridRowMoved) OnGridRowMoved(Sender, FromIndex, ToIndex);
}

void TCustomExGridDropDown::DoGridColumnMove(TObject* Sender, Integer ACol, bool& Allow) {
  if (OnGridColumnMove) OnGridColumnMove(Sender, ACol, Allow);
}

void TCustomExGridDropDown::DoGridColumnMoving(TObject* Sender, Integer ACol, bool& Allow) {
  if (OnGridColumnMoving) OnGridColumnMoving(Sender, ACol, Allow);
}

void TCustomExGridDropDown::DoGridColumnMoved(TObject* Sender, Integer FromIndex, Integer ToIndex) {
  if (OnGridColumnMoved) OnGridColumnMoved(Sender, FromIndex, ToIndex);
}

void TCustomExGridDropDown::DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, Integer ACol, Integer ARow,
                                                 TGridDrawState AState, TRect ARect, bool Printing) {
  if (OnGridCustomCellDraw) OnGridCustomCellDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomExGridDropDown::DoGridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, Integer ACol, Integer ARow,
                                                    TGridDrawState AState, TRect ARect, bool Printing) {
  if (OnGridCustomCellBkgDraw) OnGridCustomCellBkgDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomExGridDropDown::DoGridCellBalloon(TObject* Sender, Integer ACol, Integer ARow, String& ATitle,
                                              String& AText, Integer& AIcon) {
  if (OnGridCellBalloon) OnGridCellBalloon(Sender, ACol, ARow, ATitle, AText, AIcon);
}

void TCustomExGridDropDown::DoGridGetCellGradient(TObject* Sender, Integer ARow, Integer ACol, TColor& Color,
                                                  TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo,
                                                  TCellGradientDirection& GD) {
  if (OnGridGetCellGradient) OnGridGetCellGradient(Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD);
}

void TCustomExGridDropDown::DoGridGetEditorType(TObject* Sender, Integer ACol, Integer ARow, TEditorType& AEditor) {
  if (OnGridGetEditorType) OnGridGetEditorType(Sender, ACol, ARow, AEditor);
}

void TCustomExGridDropDown::DoGridGetEditorProp(TObject* Sender, Integer ACol, Integer ARow, TEditLink* AEditLink) {
  if (OnGridGetEditorProp) OnGridGetEditorProp(Sender, ACol, ARow, AEditLink);
}

void TCustomExGridDropDown::DoGridCanEditCell(TObject* Sender, Integer ARow, Integer ACol, bool& CanEdit) {
  if (OnGridCanEditCell) OnGridCanEditCell(Sender, ARow, ACol, CanEdit);
}

void TCustomExGridDropDown::DoGridGetDisplText(TObject* Sender, Integer ACol, Integer ARow, String& Value) {
  if (OnGridGetDiplText) OnGridGetDiplText(Sender, ACol, ARow, Value);
}

void TCustomExGridDropDown::DoGridGetFormat(TObject* Sender, Integer ACol, TSortStyle& AStyle, String& aPrefix,
                                            String& aSuffix) {
  if (OnGridGetFormat) OnGridGetFormat(Sender, ACol, AStyle, aPrefix, aSuffix);
}

void TCustomExGridDropDown::DoGridHint(TObject* Sender, Integer ARow, Integer ACol, String& hintstr) {
  if (OnGridHint) OnGridHint(Sender, ARow, ACol, hintstr);
}

void TCustomExGridDropDown::DoGridOfficeHint(TObject* Sender, Integer ACol, Integer ARow, TExHintInfo* OfficeHint) {
  if (OnGridOfficeHint) OnGridOfficeHint(Sender, ACol, ARow, OfficeHint);
}

void TCustomExGridDropDown::DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X,
                                            Integer Y) {
  if (OnGridMouseDown) OnGridMouseDown(Sender, Button, Shift, X, Y);
}

void TCustomExGridDropDown::DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X,
                                          Integer Y) {
  if (OnGridMouseUp) OnGridMouseUp(Sender, Button, Shift, X, Y);
}

void TCustomExGridDropDown::DoGridRightClickCell(TObject* Sender, Integer ARow, Integer ACol) {
  if (OnGridRightClickCell) OnGridRightClickCell(Sender, ARow, ACol);
}

void TCustomExGridDropDown::DoGridScrollHint(TObject* Sender, Integer ARow, String& hintstr) {
  if (OnGridScrollHint) OnGridScrollHint(Sender, ARow, hintstr);
}

void TCustomExGridDropDown::DoGridTopLeftChanged(TObject* Sender) {
  if (OnGridTopLeftChanged) OnGridTopLeftChanged(Sender);
}

void TCustomExGridDropDown::DoGridSearchEditChange(TObject* Sender, const String& Value, bool& DefaultSearch) {
  if (OnGridSearchEditChange) OnGridSearchEditChange(Sender, Value, DefaultSearch);
}

void TCustomExGridDropDown::DoGridSpinClick(TObject* Sender, Integer ACol, Integer ARow, Integer AValue, bool UpDown) {
  if (OnGridSpinClick) OnGridSpinClick(Sender, ACol, ARow, AValue, UpDown);
}

void TCustomExGridDropDown::DoGridAutoAddRow(TObject* Sender, Integer ARow) {
  if (OnGridAutoAddRow) OnGridAutoAddRow(Sender, ARow);
}

void TCustomExGridDropDown::DoGridInsertRow(TObject* Sender, Integer ARow) {
  if (OnGridInsertRow) OnGridInsertRow(Sender, ARow);
}

void TCustomExGridDropDown::DoGridInsertCol(TObject* Sender, Integer ACol) {
  if (OnGridInsertCol) OnGridInsertCol(Sender, ACol);
}

void TCustomExGridDropDown::DoGridDeleteRow(TObject* Sender, Integer ARow) {
  if (OnGridDeleteRow) OnGridDeleteRow(Sender, ARow);
}

void TCustomExGridDropDown::DoGridCanAddRow(TObject* Sender, bool& CanAdd) {
  if (OnGridCanAddRow) OnGridCanAddRow(Sender, CanAdd);
}

void TCustomExGridDropDown::DoGridCanInsertRow(TObject* Sender, Integer ARow, bool& CanInsert) {
  if (OnGridCanInsertRow) OnGridCanInsertRow(Sender, ARow, CanInsert);
}

void TCustomExGridDropDown::DoGridCanDeleteRow(TObject* Sender, Integer ARow, bool& CanDelete) {
  if (OnGridCanDeleteRow) OnGridCanDeleteRow(Sender, ARow, CanDelete);
}

}  // namespace jorv::grid
