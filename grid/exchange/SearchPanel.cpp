#include "grid/exchange/SearchPanel.h"
#include "dropdown/DropDownPaint.h"
#include "grid/base/ExCheckBox.h"
#include "grid/base/ExGridButton.h"
#include "grid/core/GridGlyphs.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Canvas.h"

namespace jorv::grid {

// --- the edit ----------------------------------------------------------------------------

void TRetEdit::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE;
}

void TRetEdit::KeyDown(Word& Key, TShiftState Shift) {
  if (Key != VK_RETURN) {
    TCustomEdit::KeyDown(Key, Shift);
    return;
  }
  Key = 0;
  if (Shift.Contains(ssCtrl)) {
    if (OnCtrlReturn) OnCtrlReturn(this);
  } else if (OnReturn) {
    OnReturn(this);
  }
}

void TRetEdit::KeyPress(Char& Key) {
  if (Key != L'\r' && Key != L'\n') {
    TCustomEdit::KeyPress(Key);
    return;
  }
  if (OnKeyPress) OnKeyPress(this, Key);
  Key = 0;
}

void TRetEdit::SetTextValue(const String& Value) {
  const bool Announced = !HandleAllocated();
  const String Before = Text();
  TCustomEdit::SetTextValue(Value);
  if (!Announced && Text() != Before) Change();
}

// --- the strip ---------------------------------------------------------------------------

namespace {

void SetButtonGlyphs(TExGridButton* Button, const wchar_t* Normal, const wchar_t* Disabled) {
  LoadGridGlyph(Button->GlyphDisabled(), Disabled);
  LoadGridGlyph(Button->Glyph(), Normal);
  Button->Invalidate();
}

}  // namespace

TSearchPanel::TSearchPanel(TRezIvevirAvod* AOwner) : TCustomPanel(AOwner), FGrid(AOwner) {
  FEdit = new TRetEdit(this);
  FForwardButton = new TExGridButton(this);
  FBackwardButton = new TExGridButton(this);
  FHiliteButton = new TExGridButton(this);
  FExitButton = new TExGridButton(this);
  FMatchCase = new TExCheckBox(this);
  FColorTo = clNone;
}

void TSearchPanel::SetColorTo(TColor Value) {
  FColorTo = Value;
  Invalidate();
}

void TSearchPanel::CreateWnd() {
  TCustomPanel::CreateWnd();
  PlaceControls();
  WireControls();
  if (FGrid->OnCreatedSearchFooter) FGrid->OnCreatedSearchFooter(FGrid);
}

void TSearchPanel::PlaceControls() {
  FEdit->SetParent(this);
  FEdit->SetBounds(25, 6, 110, FEdit->Height());
  struct TPlace {
    TExGridButton* Button;
    Integer Left;
    const String* Caption;
    const String* Hint;
    const wchar_t* Glyph;
    const wchar_t* GlyphDisabled;
  };
  const TPlace TextButtons[] = {
      {FForwardButton, 140, &FindNextCaption, &HintFindNext, L"GRDARDOWN", L"GRDARDOWND"},
      {FBackwardButton, 235, &FindPrevCaption, &HintFindPrev, L"GRDARUP", L"GRDARUPD"},
      {FHiliteButton, 330, &HighLightCaption, &HintHighlight, L"GRDHI", L"GRDHID"},
  };
  for (const TPlace& P : TextButtons) {
    P.Button->SetParent(this);
    P.Button->SetBounds(P.Left, 5, 90, 23);
    P.Button->SetCaption(*P.Caption);
    P.Button->SetHint(*P.Hint);
    P.Button->SetShowHint(!P.Hint->empty());
    SetButtonGlyphs(P.Button, P.Glyph, P.GlyphDisabled);
    P.Button->SetEnabled(!FEdit->Text().empty());
    P.Button->SetParentFont(true);
  }
  FHiliteButton->SetStyle(tasCheck);
  FHiliteButton->SetAllowAllUp(true);
  FExitButton->SetParent(this);
  FExitButton->SetBounds(5, 7, 14, 14);
  FExitButton->SetCaption(L"");
  FExitButton->SetHint(HintClose);
  FExitButton->SetShowHint(!HintClose.empty());
  SetButtonGlyphs(FExitButton, L"GRDCLOSE", L"GRDCLOSE");
  LoadGridGlyph(FExitButton->GlyphHot(), L"GRDCLOSEH");
  LoadGridGlyph(FExitButton->GlyphDown(), L"GRDCLOSED");
  FExitButton->SetParentFont(true);
  FMatchCase->SetParent(this);
  FMatchCase->SetBounds(FHiliteButton->Visible() ? 425 : 330, 8, FMatchCase->Width(), FMatchCase->Height());
  FMatchCase->SetCaption(MatchCaseCaption);
}

void TSearchPanel::WireControls() {
  FEdit->OnChange = [this](TObject*) { EditChange(); };
  FEdit->OnReturn = [this](TObject*) { EditForward(); };
  FEdit->OnCtrlReturn = [this](TObject*) { EditBackward(); };
  FForwardButton->OnClick = [this](TObject*) { ForwardClick(); };
  FBackwardButton->OnClick = [this](TObject*) { BackwardClick(); };
  FExitButton->OnClick = [this](TObject*) { ExitClick(); };
  FHiliteButton->OnClick = [this](TObject*) { HighLightClick(); };
  FMatchCase->OnClick = [this](TObject*) { MatchCaseClick(); };
}

void TSearchPanel::EditChange() {
  const bool HasText = !FEdit->Text().empty();
  for (TExGridButton* Button : {FForwardButton, FBackwardButton, FHiliteButton}) Button->SetEnabled(HasText);
  if (OnEditChange) OnEditChange(this);
}

void TSearchPanel::ForwardClick() {
  if (OnForwardClick) OnForwardClick(this);
}

void TSearchPanel::BackwardClick() {
  if (OnBackwardClick) OnBackwardClick(this);
}

void TSearchPanel::ExitClick() {
  if (OnExitClick) OnExitClick(this);
}

void TSearchPanel::HighLightClick() {
  if (OnHighlightClick) OnHighlightClick(this);
}

void TSearchPanel::MatchCaseClick() {
  if (OnMatchCaseClick) OnMatchCaseClick(this);
}

void TSearchPanel::Paint() {
  TCustomPanel::Paint();
  TCanvas* C = Canvas();
  const TRect R = ClientRect();
  if (FColorTo == clNone) {
    C->Brush()->SetColor(Color());
    C->Pen()->SetColor(Color());
    C->FillRect(R);
  } else {
    dropdown::DrawBandGradient(C, Color(), FColorTo, 32, R, false);
  }
  C->Pen()->SetColor(FGrid->GridLineColor());
  C->MoveTo(0, 0);
  C->LineTo(R.Width(), 0);
}

}  // namespace jorv::grid
