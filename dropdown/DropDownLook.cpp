// The looks of a drop-down editor: the library-wide presets and colour
// tones, the selection colours of list-like descendants, the grid colours
// of those that list their items in a grid, the edit's border and the
// focus look of an editor that takes no typing.
#include "dropdown/ExDropDown.h"
#include "dropdown/DropDownPaint.h"
#include "foundation/Gradients.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Colors.h"
#include "platform/ui/Screen.h"

namespace jorv::dropdown {

namespace {

// A table cell that leaves the property as it was.
constexpr TColor Unchanged = 0x2FFFFFFF;

struct TBandLook {
  TColor Color, ColorTo, FontColor, BorderColor;
};

struct TPopupLook {
  TZVQStyle Style;
  TColor DropDownColor, DropDownColorTo, DropDownBorderColor;
  TBandLook Header, Footer;
};

#define JORV_SAME(C, CT, F, B) {C, CT, F, B}, {C, CT, F, B}
const TPopupLook PopupLooks[] = {
    {tsOffice2003Blue, 0xFFFFFF, clNone, Unchanged, {0xFCE1CB, 0xE0A57D, 0, 0}, {0xFCE1CB, 0xE0A57D, 0, 0x962D00}},
    {tsOffice2003Silver, 0xFFFFFF, clNone, Unchanged, JORV_SAME(0xECE2E1, 0xB39698, 0, 0x947C7C)},
    {tsOffice2003Olive, 0xFFFFFF, clNone, clNone, JORV_SAME(0xCFF0EA, 0x8CC0B1, 0, 0x588060)},
    {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, clNone, JORV_SAME(0x808080, 0x808080, 0xFFFFFF, 0x808080)},
    {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, JORV_SAME(0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF)},
    {tsOffice2007Obsidian, 0xFFFFFF, clNone, clNone, JORV_SAME(0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C)},
    {tsWindowsXP, 0xFFFFFF, clNone, Unchanged, JORV_SAME(0xFFFFFF, clBtnFace, 0, 0x808080)},
    {tsWhidbey, 0xF5F9FA, 0xF5F9FA, clNone, JORV_SAME(0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00)},
    {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, clNone, JORV_SAME(0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F)},
    {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0x979797, {0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA}, {0xFFFAF0, 0xFFFDF9, 0, 0xFCF2DA}},
    {tsWindows7, 0xFFFFFF, 0xFFFFFF, 0x979797, JORV_SAME(0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8)},
    {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, JORV_SAME(clBtnFace, clBtnFace, 0, clNone)},
    {tsOffice2010Blue, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, JORV_SAME(0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F)},
    {tsOffice2010Silver, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, JORV_SAME(0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8)},
    {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, JORV_SAME(0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D)},
};
#undef JORV_SAME

// The header and footer buttons by state, after Color and ColorTo.
struct TButtonStates {
  TColor BorderColor, ColorHot, ColorHotTo, BorderColorHot, ColorDown, ColorDownTo, BorderColorDown,
      ColorDisabled, ColorDisabledTo, ColorChecked, ColorCheckedTo, BorderColorChecked;
};

struct TButtonLook {
  TZVQStyle Style;
  TColor Color, ColorTo;
  TButtonStates States;
};

constexpr TButtonStates Common{clNone,   0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF,
                               0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
constexpr TButtonStates Office2010(TColor Border) {
  return {Border, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE};
}

const TButtonLook ButtonLooks[] = {
    {tsOffice2003Blue, 0xFCE1CB, 0xE0A57D, Common},
    {tsOffice2003Silver, 0xECE2E1, 0xB39698, Common},
    {tsOffice2003Olive, 0xCFF0EA, 0x8CC0B1, Common},
    {tsOffice2003Classic, 0xFFFFFF, 0xC9D1D5,
     {clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080}},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFDDC4, Common},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, Common},
    {tsWindowsXP, 0xFFFFFF, clBtnFace,
     {clNone, 0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption, clHighlight, 0xB6B6B6, 0xB6B6B6,
      0xB9D8DC, 0xB9D8DC, 0}},
    {tsWhidbey, 0xFFFFFF, 0xDFEDF0, Common},
    {tsOffice2007Silver, 0xF9F8F8, 0xE4E2DF, Common},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0,
     {0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A}},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB,
     {0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D}},
    {tsTerminal, clBtnFace, clBtnFace,
     {clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080, clBtnFace, clBtnFace, clBtnFace, clBtnFace,
      clHighlight}},
    {tsOffice2010Blue, 0xFDF6EF, 0xF0DAC7, Office2010(0xC7B29F)},
    {tsOffice2010Silver, 0xFFFFFF, 0xEDE5E0, Office2010(0xD2CDC8)},
    {tsOffice2010Black, 0xBFBFBF, 0x919191, Office2010(0xD7D7D6)},
};

void Apply(TBandAppearance* A, const TBandLook& L) {
  A->SetColor(L.Color);
  A->SetColorTo(L.ColorTo);
  A->Font()->SetColor(L.FontColor);
  A->SetBorderColor(L.BorderColor);
}

// A device context of a window's whole area, non-client frame included,
// with a canvas on it; both go at the end of the scope.
class TWindowCanvas {
 public:
  explicit TWindowCanvas(HWND Window) : FWindow(Window), FDC(GetWindowDC(Window)) { FCanvas.SetHandle(FDC); }
  ~TWindowCanvas() {
    FCanvas.SetHandle(nullptr);
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  TWindowCanvas(const TWindowCanvas&) = delete;
  TWindowCanvas& operator=(const TWindowCanvas&) = delete;
  TCanvas* Canvas() { return &FCanvas; }
  HDC DC() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
  TCanvas FCanvas;
};

void Frame(HDC DC, const RECT& R, TColor Color) {
  TCanvas C;
  C.SetHandle(DC);
  C.Brush()->SetColor(Color);
  C.FrameRect(TRect(R.left, R.top, R.right, R.bottom));
  C.SetHandle(nullptr);
}

}  // namespace

// --- presets and tones ------------------------------------------------------------------------

void STDMETHODCALLTYPE TExCustomDropDown::SetComponentStyle(TZVQStyle AStyle) {
  FZVQStyle = AStyle;
  ApplyLookTables(AStyle);
  ApplyButtonLook(AStyle);
}

void TExCustomDropDown::ApplyLookTables(TZVQStyle AStyle) {
  for (const TPopupLook& L : PopupLooks) {
    if (L.Style != AStyle) continue;
    FDropDownColor = L.DropDownColor;
    FDropDownColorTo = L.DropDownColorTo;
    if (L.DropDownBorderColor != Unchanged) FDropDownBorderColor = L.DropDownBorderColor;
    Apply(FDropDownHeader.get(), L.Header);
    Apply(FDropDownFooter.get(), L.Footer);
  }
}

void TExCustomDropDown::ApplyButtonLook(TZVQStyle AStyle) {
  TExButtonAppearance* A = FButtonAppearance.get();
  for (const TButtonLook& L : ButtonLooks) {
    if (L.Style != AStyle) continue;
    const TButtonStates& S = L.States;
    A->SetColor(L.Color);
    A->SetColorTo(L.ColorTo);
    A->SetBorderColor(S.BorderColor);
    A->SetColorHot(S.ColorHot);
    A->SetColorHotTo(S.ColorHotTo);
    A->SetBorderColorHot(S.BorderColorHot);
    A->SetColorDown(S.ColorDown);
    A->SetColorDownTo(S.ColorDownTo);
    A->SetBorderColorDown(S.BorderColorDown);
    A->SetColorDisabled(S.ColorDisabled);
    A->SetColorDisabledTo(S.ColorDisabledTo);
    A->SetColorChecked(S.ColorChecked);
    A->SetColorCheckedTo(S.ColorCheckedTo);
    A->SetBorderColorChecked(S.BorderColorChecked);
  }
}

void STDMETHODCALLTYPE TExCustomDropDown::SetColorTones(TColorTones ATones) {
  FButton->SetButtonColor(ATones.Background.BrushColor);
  FButton->SetButtonColorHot(ATones.Hover.BrushColor);
  FButton->SetButtonColorDown(ATones.Selected.BrushColor);
  FButton->SetButtonBorderColor(ATones.Background.BorderColor);
  SetBorderColor(ATones.Background.BorderColor);
}

// --- selection colours ------------------------------------------------------------------------

void TExCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  FSelectionColorStyle = Value;
  switch (Value) {
    case scOffice2007: FSelectionColor = 0xD7FFFD; FSelectionColorTo = 0x58D4FC; break;
    case scWindowsVista: FSelectionColor = 0xFDF8F1; FSelectionColorTo = 0xFCEFD5; break;
    case scWindows7: FSelectionColor = 0xFCEBDC; FSelectionColorTo = 0xFCDBC1; break;
    case scCustom: break;
  }
}

// --- looks of descendants with a grid -----------------------------------------------------------

void TExCustomDropDown::SetGridSelectionLines(TSelectionColorStyle Value, TColor& LineColor, TColor& FixedLineColor) {
  if (Value == scOffice2007) {
    LineColor = 0xF1EDEB;
    FixedLineColor = 0xD1BBA4;
  } else if (Value == scWindowsVista || Value == scWindows7) {
    LineColor = 0xECECF0;
    FixedLineColor = 0xD4D2D1;
  }
}

namespace {

struct TGridLook {
  TZVQStyle Style;
  TColor From, To, HeaderText;
  TSelectionColorStyle Selection;
  TColor Line, FixedLine;
};

// A header text colour that leaves the header font as it is.
constexpr TColor KeepHeaderText = clDefault;

const TGridLook GridLooks[] = {
    {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, KeepHeaderText, scOffice2007, 0x947C7C, 0x947C7C},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, KeepHeaderText, scOffice2007, 0x588060, 0x588060},
    {tsOffice2003Classic, 0x808080, 0x808080, KeepHeaderText, scOffice2007, 0x808080, 0x808080},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, scOffice2007, 0xFFD2AF, 0xFFD2AF},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, scOffice2007, 0x5C534C, 0x5C534C},
    {tsWindowsXP, clBtnFace, clBtnFace, 0, scCustom, 0xC0C0C0, 0},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, scOffice2007, 0x74706F, 0x74706F},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0, scWindowsVista, 0xFCF2DA, 0xFCF2DA},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0, scWindows7, 0xFBD6B8, 0xFBD6B8},
    {tsTerminal, clBtnFace, clBtnFace, 0, scCustom, 0x808080, 0x808080},
    {tsOffice2010Blue, 0xEDDBCD, clNone, 0x5B391E, scCustom, 0xEEDDCF, 0xEEDDCF},
    {tsOffice2010Silver, 0xEDE9E5, clNone, 0x5B391E, scCustom, 0xEEDDCF, 0xEEDDCF},
    {tsOffice2010Black, 0x828282, clNone, 0xD7D7D6, scCustom, 0xEEDDCF, 0xEEDDCF},
};

bool IsOffice2010(TZVQStyle AStyle) {
  return AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black;
}

}  // namespace

void TExCustomDropDown::ApplyGridLook(TZVQStyle AStyle, bool WithOffice2010, const TGridLookColors& Colors) {
  if (IsOffice2010(AStyle) && !WithOffice2010) return;
  for (const TGridLook& L : GridLooks) {
    if (L.Style != AStyle) continue;
    Colors.HeaderColor = L.From;
    Colors.HeaderColorTo = L.To;
    if (L.HeaderText != KeepHeaderText) Colors.HeaderFont.SetColor(L.HeaderText);
    // The descendant's own override may set line colours: the row's win.
    SetSelectionColorStyle(L.Selection);
    Colors.LineColor = L.Line;
    Colors.FixedLineColor = L.FixedLine;
    Colors.SelectionTextColor = 0;
    if (AStyle == tsWindowsXP || AStyle == tsTerminal) {
      SetSelectionColor(clHighlight);
      SetSelectionColorTo(clHighlight);
      Colors.SelectionTextColor = clHighlightText;
    }
    if (IsOffice2010(AStyle)) {
      SetSelectionColor(0x6CD0FF);
      SetSelectionColorTo(0x6CD0FF);
    }
    return;
  }
}

void TExCustomDropDown::DrawSelectionBackground(TCanvas* Canvas, const TRect& Rect, TColor Color, Integer Position) {
  struct TFace {
    TColor Mirror, MirrorTo, InnerTop, InnerBottom, Border, Edge;
  };
  static const TFace Faces[] = {
      {},
      {0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF},
      {clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB},
      {clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE},
  };
  if (FSelectionColorStyle == scCustom) {
    Canvas->Brush()->SetColor(FSelectionColor);
    Canvas->Pen()->SetColor(FSelectionColor);
    Canvas->FillRect(Rect);
    return;
  }
  const TFace& F = Faces[FSelectionColorStyle];
  DrawRoundedGradientButton(Canvas, FSelectionColor, FSelectionColorTo, F.Mirror, F.MirrorTo, F.InnerTop, F.InnerBottom,
                            F.Border, F.Edge, Color, Rect, Position);
}

void TExCustomDropDown::DrawGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps,
                                         const TRect& Rect, TGradientDirection Direction) {
  DrawBandGradient(Canvas, FromColor, ToColor, Steps, Rect, Direction == gdHorizontal);
}

// --- the edit's border and focus look ------------------------------------------------------------

bool TExCustomDropDown::IsBorderActive() {
  if (Designing()) return false;
  return FMouseInControl || (Screen && Screen->ActiveControl() == this);
}

void TExCustomDropDown::DrawBorder(HDC DC) {
  if (Designing()) return;
  RECT R{};
  GetWindowRect(Handle(), &R);
  OffsetRect(&R, -R.left, -R.top);
  const bool HasFocus = Focused();
  if (!Enabled() && FIsThemed && FDisabledBorder) {
    Frame(DC, R, 0xC0C0C0);
    return;
  }
  if (FBorderColor != clNone) {
    Frame(DC, R, (HasFocus && FFocusBorderColor != clNone) ? FFocusBorderColor : FBorderColor);
    return;
  }
  if (FFocusBorderColor != clNone) {
    if (HasFocus) Frame(DC, R, FFocusBorderColor);
    return;
  }
  const bool Active = IsBorderActive();
  const TColor Outside = Parent() ? Parent()->Color() : clBtnFace;
  if (Active)
    DrawEdge(DC, &R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  else {
    Frame(DC, R, Outside);
    InflateRect(&R, -1, -1);
  }
  Frame(DC, R, Active ? clBtnFace : Outside);
}

void TExCustomDropDown::PaintBorder() {
  if (!HandleAllocated()) return;
  if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
  TWindowCanvas W(Handle());
  DrawBorder(W.DC());
  if (FButton) FButton->Button()->SetFocused(Designing() ? Enabled() : IsBorderActive());
}

void TExCustomDropDown::PaintEditContent() {
  if (FEditorEnabled || !HandleAllocated() || !Focused() || Designing() || !FFocusDraw) return;
  TWindowCanvas W(Handle());
  TCanvas* C = W.Canvas();
  const TRect R(2, 2, Width() - FButtonWidth - 1, Height() - 2);
  C->Pen()->SetColor(clBlack);
  C->Brush()->SetColor(clHighlight);
  C->Rectangle(R);
  C->Font()->Assign(Font());
  C->Font()->SetColor(clHighlightText);
  C->Brush()->SetStyle(bsClear);
  const String Value = Text();
  RECT TR{R.Left + 2, R.Top, R.Right - 3, R.Bottom};
  DrawTextW(C->Handle(), Value.c_str(), static_cast<int>(Value.size()), &TR, DT_SINGLELINE | DT_VCENTER);
}

}  // namespace jorv::dropdown
