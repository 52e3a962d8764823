#include "panel/ExPanelStyler.h"
#include "panel/ExPanel.h"
#include "platform/gfx/Colors.h"

namespace jorv::panel {
using namespace expanel;

namespace {

// A value a preset leaves alone.
constexpr TColor Keep = TColor(0x7EEEEEEE);
constexpr Integer KeepInt = -1;

struct TBodyPreset {
  TColor Color, ColorTo, ColorMirror, ColorMirrorTo, FontColor;
  TBevelCut BevelOuter;
  TColor BorderColor;
  bool BorderShadow;
  TColor CollapsColor;
};

struct TCaptionPreset {
  TColor Color, ColorTo;
  TGradientDirection Direction;
  TColor FontColor;
  TShadeType ShadeType;
  Integer ShadeGrain, ShadeLight, Height, Indent, Visible;
};

struct TStatusPreset {
  TColor Color, ColorTo;
  Integer Direction;
  TColor BorderColor;
  TBorderStyle BorderStyle;
  bool BevelInner;
  TColor FontColor;
};

struct TPreset {
  TBodyPreset Body;
  TCaptionPreset Caption;
  TStatusPreset Status;
};

constexpr TColor White = clWhite, Black = clBlack, Face = clBtnFace, Gray = clGray;
constexpr TColor Blue07 = 0x723708, Luna = 0xFFD2AF, Blue10 = 0x5B391E;
constexpr Integer V = gdVertical, K = KeepInt;

// Indexed by TExPanelStyle; psCustom's row is never written.
const TPreset Presets[] = {
    // psXP
    {{White, 0xE3F0F2, clNone, clNone, Keep, bvNone, Gray, true, Face},
     {clHighlight, clBlue, gdHorizontal, clHighlightText, stNormal, K, K, 20, 2, K},
     {0xE3F0F2, White, K, clSilver, bsSingle, false, Black}},
    // psFlat
    {{Face, clNone, clNone, clNone, clWindowText, bvNone, Gray, false, Face},
     {clHighlight, clNone, gdHorizontal, clHighlightText, stNormal, K, K, 20, 0, K},
     {Face, clNone, K, clSilver, bsSingle, false, Black}},
    // psZVQ
    {{White, 0xE4E4E4, clNone, clNone, clWindowText, bvNone, Gray, true, Face},
     {White, clNone, gdHorizontal, Black, stRMetal, 32, 255, 20, 4, 1},
     {0xDEDEDE, 0xA9A9A9, K, White, bsSingle, false, Black}},
    // psClassic
    {{Face, clNone, clNone, clNone, clWindowText, bvRaised, Gray, false, Face},
     {White, clNone, gdHorizontal, Black, stNormal, 32, 255, K, K, 0},
     {Face, clNone, K, clNone, bsNone, true, Black}},
    // psOffice2003Blue
    {{0xFDEADA, 0xE4AE88, clNone, clNone, clWindowText, bvNone, Gray, false, clNone},
     {0xD68759, 0x933803, gdVertical, White, stNormal, 32, 255, K, K, K},
     {0xE08F65, 0xF9DBC4, K, clNone, bsSingle, false, White}},
    // psOffice2003Olive
    {{0xCFF0EA, 0x8CC0B1, clNone, clNone, clWindowText, bvNone, Gray, false, clNone},
     {0xC6EFE7, 0x94BDB5, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {0x80B0A1, 0xD3E4E3, K, clNone, bsSingle, false, Black}},
    // psOffice2003Silver
    {{0xECE2E1, 0xB39698, clNone, clNone, clWindowText, bvNone, Gray, false, clNone},
     {0xEFE7E7, 0xAA8888, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {0xBFA8A9, 0xDECFCF, K, clNone, bsSingle, false, Black}},
    // psOffice2003Classic
    {{White, 0xC9D1D5, clNone, clNone, Keep, bvNone, Gray, true, Face},
     {clHighlight, clBlue, gdHorizontal, clHighlightText, stNormal, K, K, 20, 2, K},
     {0xE3F0F2, White, K, clSilver, bsSingle, false, Black}},
    // psOffice2007Luna
    {{0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7, Blue07, bvNone, Luna, false, clNone},
     {0xFFEFE3, Luna, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {0xF7E3D3, 0xF5D0B3, V, Luna, bsSingle, false, Blue07}},
    // psOffice2007Obsidian
    {{0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5, Blue07, bvNone, Luna, false, clNone},
     {0xB8B8B6, 0xA0A09E, gdVertical, White, stNormal, 32, 255, K, K, K},
     {0xA19F9E, 0x534D4B, V, Black, bsSingle, false, White}},
    // psWhidbey
    {{White, 0xE3F0F2, clNone, clNone, Keep, bvNone, Gray, true, Face},
     {0xF3F7F8, 0xACC3C3, gdVertical, Black, stNormal, K, K, 20, 2, K},
     {0xE3F0F2, White, K, clSilver, bsSingle, false, Black}},
    // psWindowsXP
    {{Face, clNone, clNone, clNone, clWindowText, bvRaised, Gray, false, Face},
     {clHighlight, clNone, gdHorizontal, clHighlightText, stNormal, 32, 255, K, K, 0},
     {Face, clNone, K, clNone, bsNone, true, Black}},
    // psCustom
    {},
    // psOffice2007Silver
    {{0xF9F5F3, 0xE7DCD5, 0xE7DCD5, 0xFBFAF0, Blue07, bvNone, Luna, false, clNone},
     {0xF8F7F6, 0xE8E0DB, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {0xFAEEEB, 0xE5DBD7, V, Black, bsSingle, false, Blue07}},
    // psWindowsVista
    {{0xFDF8F1, 0xFCEFD5, clNone, clNone, Blue07, bvNone, 0xFDDE99, false, clNone},
     {0xFDF8F1, 0xFCEFD5, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {0xFDF8F1, 0xFCEFD5, V, 0xFDDE99, bsSingle, false, Blue07}},
    // psWindows7
    {{0xFDFBFA, 0xFDF3EB, clNone, clNone, Blue07, bvNone, Luna, false, clNone},
     {0xFCEBDC, 0xFCDBC1, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {0xFCEBDC, 0xFCDBC1, V, 0xCEA27D, bsSingle, false, Blue07}},
    // psTerminal
    {{Face, clNone, clNone, clNone, Black, bvNone, Gray, false, clHighlight},
     {clSilver, clNone, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {clSilver, clNone, V, Black, bsSingle, false, Black}},
    // psOffice2010Blue
    {{0xFDF6EF, 0xF0DAC7, clNone, clNone, Black, bvNone, 0xC7B29F, false, clNone},
     {0xFDF6EF, 0xF0DAC7, gdVertical, Blue10, stNormal, 32, 255, K, K, K},
     {0xFDF6EF, 0xF0DAC7, V, 0xFDF6EF, bsSingle, false, Blue10}},
    // psOffice2010Silver
    {{White, 0xEDE5E0, clNone, clNone, Black, bvNone, 0xD2CDC8, false, clNone},
     {White, 0xEDE5E0, gdVertical, Blue10, stNormal, 32, 255, K, K, K},
     {White, 0xEDE5E0, V, 0xF7F3F0, bsSingle, false, Blue10}},
    // psOffice2010Black
    {{0xBFBFBF, 0x919191, clNone, clNone, Black, bvNone, 0x6D6D6D, false, clNone},
     {0xBFBFBF, 0x919191, gdVertical, 0xD7D7D6, stNormal, 32, 255, K, K, K},
     {0xBFBFBF, 0x919191, V, 0xBFBFBF, bsSingle, false, 0xD7D7D6}},
    // psWindows8
    {{White, clNone, clNone, clNone, Black, bvNone, clNone, false, clNone},
     {0xEEEEEE, clNone, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {0xEEEEEE, clNone, V, clNone, bsSingle, false, Black}},
    // psOffice2013White
    {{White, clNone, clNone, clNone, Black, bvNone, clNone, false, clNone},
     {0xEEEEEE, clNone, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {0xEEEEEE, clNone, V, clNone, bsSingle, false, Black}},
    // psOffice2013LightGray
    {{White, clNone, clNone, clNone, Black, bvNone, clNone, false, clNone},
     {0xF6F6F6, clNone, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {0xF6F6F6, clNone, V, clNone, bsSingle, false, Black}},
    // psOffice2013Gray
    {{White, clNone, clNone, clNone, Black, bvNone, clNone, false, clNone},
     {0xE5E5E5, clNone, gdVertical, Black, stNormal, 32, 255, K, K, K},
     {0xE5E5E5, clNone, V, clNone, bsSingle, false, Black}},
};
static_assert(sizeof(Presets) / sizeof(Presets[0]) == psOffice2013Gray + 1);

void WriteBody(TExPanelSettings* S, const TBodyPreset& P) {
  S->SetColor(P.Color);
  S->SetColorTo(P.ColorTo);
  S->SetColorMirror(P.ColorMirror);
  S->SetColorMirrorTo(P.ColorMirrorTo);
  if (P.FontColor != Keep) S->Font()->SetColor(P.FontColor);
  S->SetBevelInner(bvNone);
  S->SetBevelOuter(P.BevelOuter);
  S->SetBorderColor(P.BorderColor);
  S->SetBorderShadow(P.BorderShadow);
  S->SetBorderStyle(bsNone);
  S->SetCollapsColor(P.CollapsColor);
}

void WriteCaption(TPanelCaption* C, const TCaptionPreset& P) {
  C->SetColor(P.Color);
  C->SetColorTo(P.ColorTo);
  C->SetGradientDirection(P.Direction);
  C->Font()->SetColor(P.FontColor);
  C->SetShadeType(P.ShadeType);
  if (P.ShadeGrain != KeepInt) C->SetShadeGrain(Byte(P.ShadeGrain));
  if (P.ShadeLight != KeepInt) C->SetShadeLight(P.ShadeLight);
  if (P.Height != KeepInt) C->SetHeight(P.Height);
  if (P.Indent != KeepInt) C->SetIndent(P.Indent);
  if (P.Visible != KeepInt) C->SetVisible(P.Visible != 0);
}

void WriteStatusBar(TPanelStatusBar* B, const TStatusPreset& P) {
  B->SetColor(P.Color);
  B->SetColorTo(P.ColorTo);
  if (P.Direction != KeepInt) B->SetGradientDirection(TGradientDirection(P.Direction));
  B->SetBorderColor(P.BorderColor);
  B->SetBorderStyle(P.BorderStyle);
  B->SetBevelInner(P.BevelInner);
  B->Font()->SetColor(P.FontColor);
}

// The first windowed control among the owners, to give the notifier
// window a place on the form.
TWinControl* FirstWindowedOwner(TComponent* C) {
  for (TComponent* O = C ? C->Owner() : nullptr; O; O = O->Owner()) {
    if (auto* W = dynamic_cast<TWinControl*>(O)) return W;
  }
  return nullptr;
}

}  // namespace

// ---- the notifier window ----

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 0, 0);
  SetVisible(false);
}

void TThemeNotifierWindow::WndProc(TMessage& Message) {
  if (Message.Msg == WM_THEMECHANGED && OnThemeChange) OnThemeChange(this);
  TWinControl::WndProc(Message);
}

// ---- presets by look ----

TExPanelStyle ExPanelStyleOfThemeKind(Integer Kind) {
  switch (Kind) {
    case 1: return psOffice2003Blue;
    case 2: return psOffice2003Olive;
    case 3: return psOffice2003Silver;
    default: return psOffice2003Classic;
  }
}

bool ExPanelStyleOfZVQStyle(TZVQStyle AStyle, TExPanelStyle& Style) {
  switch (AStyle) {
    case tsOffice2003Blue: Style = psOffice2003Blue; return true;
    case tsOffice2003Silver: Style = psOffice2003Silver; return true;
    case tsOffice2003Olive: Style = psOffice2003Olive; return true;
    case tsOffice2003Classic: Style = psOffice2003Classic; return true;
    case tsOffice2007Luna: Style = psOffice2007Luna; return true;
    case tsOffice2007Obsidian: Style = psOffice2007Obsidian; return true;
    case tsWindowsXP: Style = psWindowsXP; return true;
    case tsWhidbey: Style = psWhidbey; return true;
    case tsOffice2007Silver: Style = psOffice2007Silver; return true;
    case tsWindowsVista: Style = psWindowsVista; return true;
    case tsWindows7: Style = psWindows7; return true;
    case tsTerminal: Style = psTerminal; return true;
    case tsOffice2010Blue: Style = psOffice2010Blue; return true;
    case tsOffice2010Silver: Style = psOffice2010Silver; return true;
    case tsOffice2010Black: Style = psOffice2010Black; return true;
    case tsWindows8: Style = psWindows8; return true;
    case tsOffice2013White: Style = psOffice2013White; return true;
    case tsOffice2013LightGray: Style = psOffice2013LightGray; return true;
    case tsOffice2013Gray: Style = psOffice2013Gray; return true;
    case tsCustom: break;
  }
  return false;
}

// ---- the styler ----

TExPanelStyler::TExPanelStyler(TComponent* AOwner) : TComponent(AOwner) {
  FNotifierWnd = new TThemeNotifierWindow(this);
  if (TWinControl* Parent = FirstWindowedOwner(this)) FNotifierWnd->SetParent(Parent);
  FNotifierWnd->OnThemeChange = [this](TObject*) { StylerThemeAdapt(); };
  FSettings->OnChange = [this](TObject*) { ApplyToPanels(); };
  SetStyle(psXP);
}

TExPanelStyler::~TExPanelStyler() {
  FSettings->OnChange = nullptr;
  if (FNotifierWnd) FNotifierWnd->OnThemeChange = nullptr;
}

void TExPanelStyler::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  // The form may free the notifier window with its other children first.
  if (Operation == opRemove && AComponent == FNotifierWnd) FNotifierWnd = nullptr;
}

void TExPanelStyler::Loaded() {
  TComponent::Loaded();
  if (!ComponentState().Contains(csDesigning)) StylerThemeAdapt();
  ApplyToPanels();
}

void TExPanelStyler::ApplyToPanels() {
  if (ComponentState().Contains(csLoading) || !Owner()) return;
  TComponent* Form = Owner();
  for (Integer i = 0; i < Form->ComponentCount(); ++i) {
    auto* Panel = dynamic_cast<TCustomExPanel*>(Form->Components(i));
    if (Panel && Panel->Styler() == this) Panel->ApplySettings(FSettings.get());
  }
}

void TExPanelStyler::SetSettings(TExPanelSettings* Value) {
  if (!Value || Value == FSettings.get()) return;
  FSettings->Assign(Value);
  ApplyToPanels();
}

void TExPanelStyler::SetStyle(TExPanelStyle Value) {
  FStyle = Value;
  FSettings->BeginUpdate();
  if (Value != psCustom) {
    const TPreset& P = Presets[Value];
    WriteBody(FSettings.get(), P.Body);
    WriteCaption(FSettings->Caption(), P.Caption);
    WriteStatusBar(FSettings->StatusBar(), P.Status);
  }
  FSettings->EndUpdate();
}

void TExPanelStyler::SetComponentStyle(TZVQStyle AStyle) {
  TExPanelStyle Style = psCustom;
  if (ExPanelStyleOfZVQStyle(AStyle, Style)) SetStyle(Style);
}

void TExPanelStyler::SetColorTones(TColorTones ATones) {
  SetStyle(psCustom);
  const String UIFont = DefaultUIFontName();
  TPanelCaption* C = FSettings->Caption();
  C->SetColor(ATones.Selected.BrushColor);
  C->SetColorTo(clNone);
  C->Font()->SetName(UIFont);
  C->Font()->SetColor(ATones.Selected.TextColor);
  C->SetFlat(true);
  C->SetShadeType(stNormal);
  C->SetCloseColor(ATones.Selected.BrushColor);
  FSettings->SetColor(ATones.Background.BrushColor);
  FSettings->SetColorTo(clNone);
  FSettings->Font()->SetName(UIFont);
  FSettings->Font()->SetColor(ATones.Background.TextColor);
  FSettings->SetBevelInner(bvNone);
  FSettings->SetBevelOuter(bvNone);
  FSettings->SetBorderStyle(bsNone);
  TPanelStatusBar* B = FSettings->StatusBar();
  B->Font()->SetName(UIFont);
  B->Font()->SetColor(ATones.Foreground.TextColor);
  B->SetColor(ATones.Foreground.BrushColor);
  B->SetColorTo(clNone);
}

HRESULT STDMETHODCALLTYPE TExPanelStyler::QueryInterface(REFIID iid, void** obj) {
  return QueryComponentInterface<IZVQStyle, IZVQTones>(this, iid, obj);
}

void TExPanelStyler::StylerThemeAdapt() {
  if (FAutoThemeAdapt) SetStyle(ExPanelStyleOfThemeKind(XPThemeKind()));
}

void TExPanelStyler::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TExPanelStyler*>(Source);
  if (!S) return;
  FAutoThemeAdapt = S->FAutoThemeAdapt;
  FSettings->Assign(S->FSettings.get());
  FComments = S->FComments;
  SetStyle(S->FStyle);
}

}  // namespace jorv::panel
