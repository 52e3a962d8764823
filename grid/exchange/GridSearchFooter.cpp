// The search footer: the strip's settings laid onto it, what its edit and
// buttons do through the grid's find, its accelerators, and the last row
// kept clear of it.
#include "foundation/HTMLUtils.h"
#include "grid/base/ExCheckBox.h"
#include "grid/base/ExGridButton.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/SearchPanel.h"
#include "platform/gfx/Font.h"
#include "platform/ui/Label.h"

namespace jorv::grid {

void TRezIvevirAvod::MakeSearchPanel() {
  FSearchPanel = new TSearchPanel(this);
  FSearchPanel->SetAlign(alBottom);
  FSearchPanel->SetHeight(0);
  FSearchPanel->SetBorderWidth(0);
  FSearchPanel->OnEditChange = [this](TObject*) { SearchFooterEditChange(); };
  FSearchPanel->OnBackwardClick = [this](TObject*) { SearchFooterFindPrevious(); };
  FSearchPanel->OnForwardClick = [this](TObject*) { SearchFooterFindNext(); };
  FSearchPanel->OnExitClick = [this](TObject*) { SearchFooterCloseClick(); };
  FSearchPanel->OnHighlightClick = [this](TObject*) { InvalidateSearchColumn(); };
  FSearchPanel->OnMatchCaseClick = [this](TObject*) { SearchFooterHighlightSearch(); };
  FSearchFooter->OnChange = [this](TObject*) { UpdateSearchFooter(); };
}

void TRezIvevirAvod::ParentSearchPanel() {
  if (!FSearchPanel) return;
  FSearchPanel->SetParent(this);
  FSearchPanel->SetVisible(FSearchFooter->Visible());
  FSearchPanel->SetHeight(FSearchFooter->Visible() ? 32 : 0);
}

Integer TRezIvevirAvod::SearchPanelHeight() const {
  return FSearchPanel && FSearchFooter->Visible() ? FSearchPanel->Height() : 0;
}

void TRezIvevirAvod::InvalidateSearchPanel() {
  if (SearchPanelHeight() > 0 && FSearchPanel->HandleAllocated())
    RedrawWindow(FSearchPanel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool TRezIvevirAvod::SearchMatchCaseTicked() const {
  return FSearchPanel && FSearchPanel->MatchCase()->Checked();
}

String TRezIvevirAvod::SearchHighlightText() const {
  if (!FSearchPanel || !FSearchFooter->Visible()) return L"";
  if (!FSearchPanel->HiliteButton()->Down() && !FSearchFooter->AlwaysHighLight()) return L"";
  return FSearchPanel->EditControl()->Text();
}

void TRezIvevirAvod::HighlightSearchMatches(Integer RCol, Integer ARow, String& Text) {
  const String Search = SearchHighlightText();
  if (Search.empty() || ARow < FixedRows() || ARow >= RowCount() - FixedFooters()) return;
  const Integer Column = FSearchFooter->SearchColumn();
  const bool Searched = Column == -1 ? RCol >= FixedCols() && RCol < AllColCount() - FFixedRightCols : RCol == Column;
  if (!Searched) return;
  String Unused;
  Text = foundation::WrapMatchesInTag(Text, Search, L"hi", Unused, FSearchFooter->HighLight() == hFullCell,
                                      SearchMatchCaseTicked());
}

// --- laying the settings onto the strip ---------------------------------------------------

namespace {

void SetButtonHint(TControl* Button, const String& Hint) {
  Button->SetHint(Hint);
  Button->SetShowHint(!Hint.empty());
}

void ShowButton(TControl* Button, bool Show, Integer Height) {
  Button->SetVisible(Show);
  Button->SetHeight(Show ? Height : 0);
}

}  // namespace

void TRezIvevirAvod::UpdateSearchFooter() {
  if (Loading() || !FSearchPanel) return;
  TSearchFooter* F = FSearchFooter.get();
  TSearchPanel* P = FSearchPanel;
  const bool Hiding = P->Visible() && P->Height() > 0 && !F->Visible();
  if ((P->HiliteButton()->Down() && Hiding) || F->AlwaysHighLight()) Invalidate();
  P->SetColor(F->Color());
  P->SetColorTo(F->ColorTo());
  P->SetVisible(F->Visible());
  P->FindNextCaption = F->FindNextCaption();
  P->FindPrevCaption = F->FindPrevCaption();
  P->MatchCaseCaption = F->MatchCaseCaption();
  P->HighLightCaption = F->HighLightCaption();
  P->ForwardButton()->SetCaption(F->FindNextCaption());
  P->BackwardButton()->SetCaption(F->FindPrevCaption());
  P->HiliteButton()->SetCaption(F->HighLightCaption());
  P->MatchCase()->SetCaption(F->MatchCaseCaption());
  P->HintClose = F->HintClose();
  P->HintFindNext = F->HintFindNext();
  P->HintFindPrev = F->HintFindPrev();
  P->HintHighlight = F->HintHighlight();
  P->Font()->Assign(F->Font());
  for (TExGridButton* B : {P->ForwardButton(), P->BackwardButton(), P->HiliteButton()}) {
    if (FAutoThemeAdapt) {
      B->SetAutoThemeAdapt(true);
      B->SetFlat(true);
      continue;
    }
    const TControlStyle Style = FControlLook->ControlStyle();
    if (Style == csFlat) B->SetFlat(true);
    if (Style == csWinXP || Style == csTheme) B->SetAutoXPStyle(true), B->SetFlat(false);
    if (Style == csClassic) B->SetAutoXPStyle(false), B->SetFlat(false);
  }
  ShowButton(P->HiliteButton(), F->ShowHighLight(), 23);
  P->ExitButton()->SetVisible(F->ShowClose());
  ShowButton(P->MatchCase(), F->ShowMatchCase(), 18);
  P->MatchCase()->SetTransparent(true);
  ShowButton(P->BackwardButton(), F->ShowFindPrev(), 23);
  ShowButton(P->ForwardButton(), F->ShowFindNext(), 23);
  SetButtonHint(P->ExitButton(), F->HintClose());
  SetButtonHint(P->ForwardButton(), F->HintFindNext());
  SetButtonHint(P->BackwardButton(), F->HintFindPrev());
  SetButtonHint(P->HiliteButton(), F->HintHighlight());
  P->MatchCase()->SetLeft(F->ShowHighLight() ? 425 : 330);
  if (!F->Visible()) {
    P->SetHeight(0);
    return;
  }
  P->SetHeight(32);
  P->SetTop(Height() - 32);
  KeepLastRowAboveSearchFooter();
}

// --- what the strip does ------------------------------------------------------------------

// Typing searches from the first cell with every option of the footer;
// the buttons continue from the last match and leave fixed cells and
// hidden rows alone.
TFindParams TRezIvevirAvod::SearchFooterParams(bool Typing) {
  TSearchFooter* F = FSearchFooter.get();
  TFindParams Params{fnAutoGoto};
  if (FSearchPanel->HiliteButton()->Down() || F->AlwaysHighLight()) Params += fnIgnoreHTMLTags;
  if (FSearchPanel->MatchCase()->Checked()) Params += fnMatchCase;
  if (F->SearchActiveColumnOnly()) Params += fnFindInCurrentCol;
  if (F->SearchMatchStart()) Params += fnMatchStart;
  if (Typing && F->SearchFixedCells()) Params += fnIncludeFixed;
  if (Typing && F->SearchHiddenRows()) Params += fnIncludeHiddenRows;
  if (F->SearchDirection() == sdLeftRight) Params += fnDirectionLeftRight;
  if (F->SearchColumn() >= 0 && F->SearchColumn() < ColCount()) {
    // Both buttons and the typing search the column where it is shown now.
    FFindCol = DisplColIndex(F->SearchColumn());
    Params += fnFindInPresetCol;
    if (!Typing) Params -= fnDirectionLeftRight;
  }
  return Params;
}

void TRezIvevirAvod::SearchFooterEditChange() {
  if (!FSearchPanel) return;
  TRetEdit* Edit = FSearchPanel->EditControl();
  const String Text = Edit->Text();
  bool DefaultSearch = true;
  if (OnSearchEditChange) OnSearchEditChange(this, Text, DefaultSearch);
  if (Text.empty()) Edit->SetColor(clWindow);
  if (!DefaultSearch || !FSearchFooter->AutoSearch()) return;
  const TFindParams Params = SearchFooterParams(true);
  const bool Highlighting = Params.Contains(fnIgnoreHTMLTags);
  if (Highlighting) Invalidate();
  if (Text.empty()) {
    if (FSearchPanel->HiliteButton()->Down()) Invalidate();
    return;
  }
  FSearchCell = Find(TPoint{-1, -1}, Text, Params);
  DoSearchFooterAction(Text, FSearchCell.X, FSearchCell.Y, saFindFirst);
  if (!Edit->Focused() && Edit->CanFocus()) Edit->SetFocus();
  if (FSearchCell.X < 0) {
    Edit->SetColor(TColor(0x0000FF));
    return;
  }
  Edit->SetColor(clWindow);
  ScrollInView(Col(), Row(), spMiddle);
  if (Highlighting) Invalidate();
}

// Keeps the found row two rows clear of the bottom while rows remain.
void TRezIvevirAvod::AdjustTopRowAfterFooterFind() {
  const bool Floating = FFloatingFooter->Visible();
  const Integer Limit = TopRow() + VisibleRowCount() - 3 + (Floating ? 0 : 1);
  if (Row() > Limit && VisibleRowCount() + FixedRows() + (Floating ? 1 : 0) < RowCount())
    SetTopRow(TopRow() + 2);
}

void TRezIvevirAvod::SearchFooterFindNext() {
  if (!FSearchPanel) return;
  const String Text = FSearchPanel->EditControl()->Text();
  if (!FSearchFooter->AutoSearch() && Text != FSearchFooter->LastSearch()) {
    FSearchCell = TPoint{-1, -1};
    FSearchFooter->SetLastSearch(Text);
  }
  FSearchCell = Find(FSearchCell, Text, SearchFooterParams(false));
  if (FSearchCell.X >= 0) ScrollInView(Col(), Row(), spMiddle);
  AdjustTopRowAfterFooterFind();
  DoSearchFooterAction(Text, FSearchCell.X, FSearchCell.Y, saFindNext);
  InvalidateSearchPanel();
}

void TRezIvevirAvod::SearchFooterFindPrevious() {
  if (!FSearchPanel) return;
  const String Text = FSearchPanel->EditControl()->Text();
  if (!FSearchFooter->AutoSearch() && Text != FSearchFooter->LastSearch()) {
    FSearchCell = TPoint{-1, -1};
    FSearchFooter->SetLastSearch(Text);
  }
  FSearchCell = Find(FSearchCell, Text, SearchFooterParams(false) + fnBackward);
  AdjustTopRowAfterFooterFind();
  if (FSearchCell.X >= 0) ScrollInView(Col(), Row(), spMiddle);
  DoSearchFooterAction(Text, FSearchCell.X, FSearchCell.Y, saFindPrevious);
  InvalidateSearchPanel();
}

void TRezIvevirAvod::SearchFooterCloseClick() {
  if (OnSearchFooterClose) OnSearchFooterClose(this);
  FSearchFooter->SetVisible(false);
}

void TRezIvevirAvod::InvalidateSearchColumn() {
  const Integer Column = FSearchFooter->SearchColumn();
  if (Column == -1) Invalidate();
  else if (Column >= 0 && Column < AllColCount() && !IsHiddenColumn(Column)) InvalidateCol(RealToDisplCol(Column));
}

void TRezIvevirAvod::SearchFooterHighlightSearch() {
  if (FSearchPanel && FSearchPanel->HiliteButton()->Down()) SearchFooterEditChange();
}

bool TRezIvevirAvod::SearchFooterDialogChar(Char Ch) {
  if (!FSearchPanel || !FSearchFooter->Visible()) return false;
  auto Usable = [Ch](TExGridButton* B) { return B->Visible() && B->Enabled() && IsAccel(Ch, B->Caption()); };
  if (Usable(FSearchPanel->ForwardButton())) {
    SearchFooterFindNext();
    return true;
  }
  if (Usable(FSearchPanel->BackwardButton())) {
    SearchFooterFindPrevious();
    return true;
  }
  if (Usable(FSearchPanel->HiliteButton())) {
    // The key presses the toggle as a click would.
    TExGridButton* Hilite = FSearchPanel->HiliteButton();
    Hilite->SetDown(!Hilite->Down());
    InvalidateSearchColumn();
    return true;
  }
  return false;
}

// --- the last row above the strip ---------------------------------------------------------

void TRezIvevirAvod::KeepLastRowAboveSearchFooter() {
  const Integer PanelHeight = SearchPanelHeight();
  if (PanelHeight == 0 || ClientHeight() <= DefaultRowHeight() + PanelHeight) return;
  const Integer Line = ClientHeight() - PanelHeight + 2;
  while (CellRect(0, RowCount() - 1).Bottom > Line && Row() <= RowCount() - 1 && TopRow() < RowCount() - 1) {
    const Integer Before = TopRow();
    SetTopRow(TopRow() + 1);
    if (TopRow() == Before) break;
  }
}

void TRezIvevirAvod::KeepCurrentCellAboveSearchFooter() {
  const Integer PanelHeight = SearchPanelHeight();
  if (PanelHeight == 0) return;
  while (CellRect(Col(), Row()).Bottom > ClientHeight() - PanelHeight + 2) {
    const Integer Before = TopRow();
    SetTopRow(TopRow() + 1);
    if (TopRow() == Before) break;
  }
}

bool TRezIvevirAvod::SearchFooterLastRowKey(Word Key) {
  if (SearchPanelHeight() == 0 || TopRow() < RowCount() - VisibleRowCount() || Row() != RowCount() - 1)
    return false;
  if (Key == VK_DOWN) {
    KeepLastRowAboveSearchFooter();
    return true;
  }
  return (Key == VK_RIGHT && Col() == ColCount() - 1) || (Key == VK_LEFT && Col() == FixedCols());
}

void TRezIvevirAvod::FocusSearchFooterEdit() {
  if (!FSearchPanel || !FSearchFooter->Visible()) return;
  TRetEdit* Edit = FSearchPanel->EditControl();
  if (Edit->CanFocus()) Edit->SetFocus();
}

bool TRezIvevirAvod::LastRowClearsSearchFooter() {
  const Integer PanelHeight = SearchPanelHeight();
  if (PanelHeight == 0) return false;
  return TopRow() + VisibleRowCount() >= RowCount() - 1 &&
         CellRect(0, RowCount() - 1).Bottom < ClientHeight() - PanelHeight + 2;
}

}  // namespace jorv::grid
