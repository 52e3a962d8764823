#include "grid/base/GridOptions.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/StringGrid.h"

namespace jorv::grid {

// ---- search footer ---------------------------------------------------------

TSearchFooter::TSearchFooter(TComponent* AOwner, bool InitDesign)
    : FOwner(AOwner), FFont(std::make_unique<TFont>()) {
  if (InitDesign) {
    FFindNextCaption = L"Find &next";
    FFindPrevCaption = L"Find &previous";
    FHighLightCaption = L"Highlight";
    FHintClose = L"Close";
    FHintFindNext = L"Find next occurrence";
    FHintFindPrev = L"Find previous occurrence";
    FHintHighlight = L"Highlight occurrences";
    FMatchCaseCaption = L"Match case";
  }
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Changed() {
  if (OnChange) OnChange(this);
}

void TSearchFooter::SetText(String& Field, const String& Value) {
  Field = Value;
  Changed();
}

void TSearchFooter::SetFlag(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TSearchFooter::SetColor(TColor Value) {
  FColor = Value;
  Changed();
}

void TSearchFooter::SetColorTo(TColor Value) {
  FColorTo = Value;
  Changed();
}

void TSearchFooter::SetFindNextCaption(const String& Value) { SetText(FFindNextCaption, Value); }
void TSearchFooter::SetFindPrevCaption(const String& Value) { SetText(FFindPrevCaption, Value); }
void TSearchFooter::SetHighLightCaption(const String& Value) { SetText(FHighLightCaption, Value); }
void TSearchFooter::SetHintClose(const String& Value) { SetText(FHintClose, Value); }
void TSearchFooter::SetHintFindNext(const String& Value) { SetText(FHintFindNext, Value); }
void TSearchFooter::SetHintFindPrev(const String& Value) { SetText(FHintFindPrev, Value); }
void TSearchFooter::SetHintHighlight(const String& Value) { SetText(FHintHighlight, Value); }
void TSearchFooter::SetMatchCaseCaption(const String& Value) { SetText(FMatchCaseCaption, Value); }

void TSearchFooter::SetFont(TFont* Value) {
  FFont->Assign(Value);
  Changed();
}

void TSearchFooter::SetShowClose(bool Value) {
  FShowClose = Value;
  Changed();
}

void TSearchFooter::SetShowFindNext(bool Value) { SetFlag(FShowFindNext, Value); }
void TSearchFooter::SetShowFindPrev(bool Value) { SetFlag(FShowFindPrev, Value); }
void TSearchFooter::SetShowHighLight(bool Value) { SetFlag(FShowHighLight, Value); }
void TSearchFooter::SetShowMatchCase(bool Value) { SetFlag(FShowMatchCase, Value); }
void TSearchFooter::SetVisible(bool Value) { SetFlag(FVisible, Value); }

void TSearchFooter::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  Changed();
}

void TSearchFooter::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TSearchFooter*>(Source);
  if (!S) return;
  FAlwaysHighLight = S->FAlwaysHighLight;
  FColor = S->FColor;
  FColorTo = S->FColorTo;
  FFindNextCaption = S->FFindNextCaption;
  FFindPrevCaption = S->FFindPrevCaption;
  FHighLightCaption = S->FHighLightCaption;
  FMatchCaseCaption = S->FMatchCaseCaption;
  FHintClose = S->FHintClose;
  FHintFindNext = S->FHintFindNext;
  FHintFindPrev = S->FHintFindPrev;
  FHintHighlight = S->FHintHighlight;
  FShowClose = S->FShowClose;
  FShowFindNext = S->FShowFindNext;
  FShowFindPrev = S->FShowFindPrev;
  FShowHighLight = S->FShowHighLight;
  FShowMatchCase = S->FShowMatchCase;
  FSearchActiveColumnOnly = S->FSearchActiveColumnOnly;
  FSearchMatchStart = S->FSearchMatchStart;
  FSearchColumn = S->FSearchColumn;
  FSearchDirection = S->FSearchDirection;
  FSearchHiddenRows = S->FSearchHiddenRows;
  FVisible = S->FVisible;
  FFont->Assign(S->FFont.get());
  FHighLight = S->FHighLight;
}

// ---- navigation ------------------------------------------------------------

void TNavigation::SetAdvanceInsert(bool Value) {
  if (FAdvanceInsert == Value) return;
  FAdvanceInsert = Value;
  if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value) {
  if (FAdvanceDirection == Value) return;
  FAdvanceDirection = Value;
  if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceAuto(bool Value) {
  if (FAdvanceAuto == Value) return;
  FAdvanceAuto = Value;
  if (Value) FAdvanceOnEnter = true;
}

void TNavigation::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TNavigation*>(Source);
  if (!S) return;
  // Every setting but KeepScrollOnSort.
  FAllowInsertRow = S->FAllowInsertRow;
  FAllowDeleteRow = S->FAllowDeleteRow;
  FAlwaysEdit = S->FAlwaysEdit;
  FAdvanceOnEnter = S->FAdvanceOnEnter;
  FAdvanceOnEnterLoop = S->FAdvanceOnEnterLoop;
  FAdvanceInsert = S->FAdvanceInsert;
  FAdvanceAutoEdit = S->FAdvanceAutoEdit;
  FAdvanceSkipReadOnlyCells = S->FAdvanceSkipReadOnlyCells;
  FAutoGotoWhenSorted = S->FAutoGotoWhenSorted;
  FAutoGotoIncremental = S->FAutoGotoIncremental;
  FAutoComboDropSize = S->FAutoComboDropSize;
  FAutoComboSelect = S->FAutoComboSelect;
  FAdvanceDirection = S->FAdvanceDirection;
  FAllowClipboardShortCuts = S->FAllowClipboardShortCuts;
  FAllowCtrlEnter = S->FAllowCtrlEnter;
  FAllowSmartClipboard = S->FAllowSmartClipboard;
  FAllowRTFClipboard = S->FAllowRTFClipboard;
  FAllowFmtClipboard = S->FAllowFmtClipboard;
  FAllowClipboardAlways = S->FAllowClipboardAlways;
  FAllowClipboardRowGrow = S->FAllowClipboardRowGrow;
  FAllowClipboardColGrow = S->FAllowClipboardColGrow;
  FAdvanceAuto = S->FAdvanceAuto;
  FAppendOnArrowDown = S->FAppendOnArrowDown;
  FEditSelectAll = S->FEditSelectAll;
  FInsertPosition = S->FInsertPosition;
  FClipboardCutAction = S->FClipboardCutAction;
  FClipboardPasteAction = S->FClipboardPasteAction;
  FComboGetUpDown = S->FComboGetUpDown;
  FCursorAdvance = S->FCursorAdvance;
  FCursorWalkEditor = S->FCursorWalkEditor;
  FCursorWalkAlwaysEdit = S->FCursorWalkAlwaysEdit;
  FCursorMoveRows = S->FCursorMoveRows;
  FMoveRowOnSort = S->FMoveRowOnSort;
  FMoveScrollOnly = S->FMoveScrollOnly;
  FImproveMaskSel = S->FImproveMaskSel;
  FLeftRightRowSelect = S->FLeftRightRowSelect;
  FCopyHTMLTagsToClipboard = S->FCopyHTMLTagsToClipboard;
  FKeepHorizScroll = S->FKeepHorizScroll;
  FLineFeedOnEnter = S->FLineFeedOnEnter;
  FHomeEndKey = S->FHomeEndKey;
  FSkipFixedCells = S->FSkipFixedCells;
  FSkipDisabledRows = S->FSkipDisabledRows;
  FTabToNextAtEnd = S->FTabToNextAtEnd;
  FTabAdvanceDirection = S->FTabAdvanceDirection;
}

// ---- mouse actions ---------------------------------------------------------

TMouseActions::TMouseActions(TComponent* AOwner)
    : FOwner(AOwner), FFixedComboValues(std::make_unique<TStringList>()) {}

TMouseActions::~TMouseActions() = default;

bool TMouseActions::Designing() {
  bool Result = false;
  if (OnIsDesigning) OnIsDesigning(this, Result);
  return Result;
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
  FDisjunctRowSelect = Value;
  if (Value && Designing()) {
    FDisjunctColSelect = false;
    FDisjunctCellSelect = false;
  }
}

void TMouseActions::SetDisjunctColSelect(bool Value) {
  FDisjunctColSelect = Value;
  if (Value && Designing()) {
    FDisjunctRowSelect = false;
    FDisjunctCellSelect = false;
  }
}

void TMouseActions::SetDisjunctCellSelect(bool Value) {
  FDisjunctCellSelect = Value;
  if (Value && Designing()) {
    FDisjunctRowSelect = false;
    FDisjunctColSelect = false;
  }
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
  FHotmailRowSelect = Value;
  if (Value) {
    FDisjunctRowSelect = true;
    FCheckAllCheck = true;
  }
  if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
  FEditOnDblClickOnly = Value;
  if (Value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetWheelAction(TWheelAction Value) {
  if (FWheelAction == Value) return;
  FWheelAction = Value;
  if (OnChange) OnChange(this);
}

TStrings* TMouseActions::FixedComboValues() const { return FFixedComboValues.get(); }

void TMouseActions::SetFixedComboValues(TStrings* Value) { FFixedComboValues->Assign(Value); }

void TMouseActions::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TMouseActions*>(Source);
  if (!S) return;
  FAllColumnSize = S->FAllColumnSize;
  FAllRowSize = S->FAllRowSize;
  FAllSelect = S->FAllSelect;
  FAutoFocus = S->FAutoFocus;
  FAutoSizeColOnDblClick = S->FAutoSizeColOnDblClick;
  FCaretPositioning = S->FCaretPositioning;
  FCheckAllCheck = S->FCheckAllCheck;
  FColSelect = S->FColSelect;
  FDirectComboClose = S->FDirectComboClose;
  FDirectComboDrop = S->FDirectComboDrop;
  FDirectDateClose = S->FDirectDateClose;
  FDirectDateDrop = S->FDirectDateDrop;
  FDirectEdit = S->FDirectEdit;
  FDisjunctRowSelect = S->FDisjunctRowSelect;
  FDisjunctRowSelectNoCtrl = S->FDisjunctRowSelectNoCtrl;
  FDisjunctColSelect = S->FDisjunctColSelect;
  FDisjunctCellSelect = S->FDisjunctCellSelect;
  FFixedRowsEdit = S->FFixedRowsEdit;
  FFixedRowsEditor = S->FFixedRowsEditor;
  FFixedColsEditor = S->FFixedColsEditor;
  FFixedColsEdit = S->FFixedColsEdit;
  FMoveRowOnNodeClick = S->FMoveRowOnNodeClick;
  FNoAutoRangeScroll = S->FNoAutoRangeScroll;
  FNodeAllExpandContract = S->FNodeAllExpandContract;
  FNoScrollOnPartialRow = S->FNoScrollOnPartialRow;
  FNoScrollOnPartialCol = S->FNoScrollOnPartialCol;
  FPreciseCheckBoxCheck = S->FPreciseCheckBoxCheck;
  FPreciseNodeClick = S->FPreciseNodeClick;
  FRangeSelectAndEdit = S->FRangeSelectAndEdit;
  FRowSelect = S->FRowSelect;
  FRowSelectPersistent = S->FRowSelectPersistent;
  FSelectOnRightClick = S->FSelectOnRightClick;
  FSizeFixedCol = S->FSizeFixedCol;
  FTouchScroll = S->FTouchScroll;
  FWheelIncrement = S->FWheelIncrement;
  FWheelAction = S->FWheelAction;
  FWheelActive = S->FWheelActive;
}

// ---- synchronised grid, bands, focus helper ---------------------------------

void TSyncGrid::SetGrid(TStringGrid* Value) {
  if (Value && static_cast<TComponent*>(Value) == FOwner) return;
  FGrid = Value;
}

void TSyncGrid::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TSyncGrid*>(Source);
  if (!S) return;
  SetGrid(S->FGrid);
  FScrollVertical = S->FScrollVertical;
  FScrollHorizontal = S->FScrollHorizontal;
  FSelectionColumn = S->FSelectionColumn;
  FSelectionRow = S->FSelectionRow;
  FMoveColumn = S->FMoveColumn;
  FMoveRow = S->FMoveRow;
}

void TBands::ChangedWhileActive() {
  if (FActive && OnChange) OnChange(this);
}

void TBands::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value) {
  if (FPrimaryColor == Value) return;
  FPrimaryColor = Value;
  ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value) {
  if (FSecondaryColor == Value) return;
  FSecondaryColor = Value;
  ChangedWhileActive();
}

void TBands::SetPrimaryLength(Integer Value) {
  if (FPrimaryLength == Value) return;
  FPrimaryLength = Value;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  ChangedWhileActive();
}

void TBands::SetSecondaryLength(Integer Value) {
  if (FSecondaryLength == Value) return;
  FSecondaryLength = Value;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  ChangedWhileActive();
}

void TBands::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TBands*>(Source);
  if (!S) return;
  FActive = S->FActive;
  FPrimaryColor = S->FPrimaryColor;
  FSecondaryColor = S->FSecondaryColor;
  FPrimaryLength = S->FPrimaryLength;
  FSecondaryLength = S->FSecondaryLength;
  FPrint = S->FPrint;
  FTotalLength = FPrimaryLength + FSecondaryLength;
}

void TFocusHelper::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TFocusHelper*>(Source)) FEnabled = S->FEnabled;
}

}  // namespace jorv::grid
