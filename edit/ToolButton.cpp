#include "edit/ToolButton.h"
#include <algorithm>
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Math.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"

namespace jorv::edit {
using namespace jorv::foundation;

namespace {

constexpr Integer DropDownWidth = 12;
constexpr UINT WmThemeChanged = 0x031A;

struct TToolButtonLook {
  TColor Color, ColorTo, Hot, HotTo, Down, DownTo, Checked, CheckedTo, BorderDown, BorderHot,
      Border;
  bool Rounded;
};

constexpr TColor H(uint32_t V) { return TColor(V); }

// Office 2003, Office 2007 and Office 2010 share their hot, down and checked
// faces within each family.
const TToolButtonLook Looks[] = {
    {H(0xEDF1F1), H(0xDFEBEB), H(0xFAFCFC), H(0xE5ECED), H(0xE0E6E7), H(0xD8E0E1), H(0xFFFFFF),
     clNone, H(0xAF987A), H(0xC3CECE), clNone, true},
    {clBtnFace, clNone, H(0xEED2C1), clNone, H(0xE2B598), clNone, H(0xE8E6E1), clNone,
     H(0xC56A31), H(0xC56A31), clNone, false},
    {H(0xFDEADA), H(0xE4AE88), H(0xCCF4FF), H(0x91D0FF), H(0x4E91FE), H(0x8ED3FF), H(0x8ED3FF),
     H(0x55ADFF), 0, 0, clNone, false},
    {H(0xCFF0EA), H(0x8CC0B1), H(0xCCF4FF), H(0x91D0FF), H(0x4E91FE), H(0x8ED3FF), H(0x8ED3FF),
     H(0x55ADFF), 0, 0, clNone, false},
    {H(0xECE2E1), H(0xB39698), H(0xCCF4FF), H(0x91D0FF), H(0x4E91FE), H(0x8ED3FF), H(0x8ED3FF),
     H(0x55ADFF), 0, 0, clNone, false},
    {clBtnFace, clNone, clBtnFace, clNone, H(0xD8D3D2), clNone, H(0xCAC7C7), clNone, clNone,
     clNone, clNone, false},
    {H(0xCAFFFF), H(0xA6FFFF), H(0xA8F0FD), H(0x7CE9FC), H(0x4DE0FB), H(0x7AE9FC), H(0xB5E6F2),
     H(0x9CDDED), H(0x808080), H(0x808080), clNone, false},
    {H(0xEBEEEF), H(0x7E9898), H(0xDCFFFF), H(0x5BC0F7), H(0x087FE8), H(0x7CDAF7), H(0x8ED3FF),
     H(0x55ADFF), 0, 0, clNone, false},
    {H(0xEEDBC8), H(0xF6DDC9), H(0xEBFDFF), H(0xACECFF), H(0x76AFF1), H(0x4190F3), H(0xB5DBFB),
     H(0x78C7FE), H(0x45667B), H(0x99CEDB), H(0xE0B99B), true},
    {H(0xDFDED6), H(0xE4E2DB), H(0xEBFDFF), H(0xACECFF), H(0x76AFF1), H(0x4190F3), H(0xB5DBFB),
     H(0x78C7FE), H(0x45667B), H(0x99CEDB), H(0xC0BCB2), true},
    {H(0xF3F3F1), H(0xEEEAE7), H(0xEBFDFF), H(0xACECFF), H(0x76AFF1), H(0x4190F3), H(0xB5DBFB),
     H(0x78C7FE), H(0x45667B), H(0x99CEDB), H(0xCCCAC9), true},
    {H(0xFDF8F1), H(0xFCEFD5), H(0xFFFDF9), H(0xFFFAF0), H(0xFEF9F0), H(0xFDF0D7), H(0xFBEDD3),
     H(0xFAE9C6), H(0xFEDF9A), H(0xFCF2DA), H(0xFDDE99), true},
    {H(0xFCEBDC), H(0xFCDBC1), H(0xFDFBFA), H(0xFDF3EB), H(0xFCEBDC), H(0xFCDBC1), H(0xFDFBFA),
     H(0xFDF3EB), H(0xCEA27D), H(0xFBD6B8), H(0xCEA27D), true},
    {clBtnFace, clBtnFace, H(0xC0C0C0), H(0xC0C0C0), clHighlight, clHighlight, H(0xFFFFFF),
     H(0xFFFFFF), H(0x808080), H(0x808080), H(0x808080), false},
    {H(0xFDF6EF), H(0xF0DAC7), H(0x8AE3FD), H(0xD9F9FD), H(0x6CD0FF), H(0x7BEEFF), H(0x6CD0FF),
     H(0x6CD0FF), H(0x308AC2), H(0x58CAF1), H(0xC7B29F), true},
    {H(0xFFFFFF), H(0xEDE5E0), H(0x8AE3FD), H(0xD9F9FD), H(0x6CD0FF), H(0x7BEEFF), H(0x6CD0FF),
     H(0x6CD0FF), H(0x308AC2), H(0x58CAF1), H(0xD2CDC8), true},
    {H(0xBFBFBF), H(0x919191), H(0x8AE3FD), H(0xD9F9FD), H(0x6CD0FF), H(0x7BEEFF), H(0x6CD0FF),
     H(0x6CD0FF), H(0x308AC2), H(0x58CAF1), H(0x6D6D6D), true},
};

// Round half to even, as the platform's Round does.
Integer RoundEven(double V) { return Integer(Round(V)); }

void SetPenOr(TCanvas* C, TColor Pen, TColor Fallback) {
  C->Pen()->SetColor(Pen == clNone ? Fallback : Pen);
}

}  // namespace

void DrawToolButtonGradient(TCanvas* C, TColor From, TColor To, Integer Steps, const TRect& R,
                            TColor Border) {
  if (Steps <= 0) Steps = 1;
  const TColor F = ColorToRGB(From), T = ColorToRGB(To);
  const Integer FR = GetRValue(F), FG = GetGValue(F), FB = GetBValue(F);
  const Integer DR = Integer(GetRValue(T)) - FR, DG = Integer(GetGValue(T)) - FG,
                DB = Integer(GetBValue(T)) - FB;
  const double Band = double(R.Height()) / Steps;
  C->Pen()->SetWidth(1);
  C->Brush()->SetStyle(bsSolid);
  for (Integer i = 0; i < Steps; ++i) {
    const TColor Col = TColor(RGB(FR + RoundEven(double(i) * DR / Steps),
                                  FG + RoundEven(double(i) * DG / Steps),
                                  FB + RoundEven(double(i) * DB / Steps)));
    C->Pen()->SetColor(Col);
    C->Brush()->SetColor(Col);
    const Integer Top = R.Top + RoundEven(i * Band);
    C->FillRect(TRect(R.Left, Top, R.Right, Top + RoundEven(Band) + 1));
  }
  if (Border != clNone) {
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(Border);
    C->Rectangle(R);
    C->Brush()->SetStyle(bsSolid);
  }
}

TExToolButton::TExToolButton(TComponent* AOwner)
    : TGraphicControl(AOwner),
      FGlyph(std::make_unique<TBitmap>()),
      FGlyphDisabled(std::make_unique<TBitmap>()),
      FGlyphHot(std::make_unique<TBitmap>()),
      FGlyphDown(std::make_unique<TBitmap>()),
      FGlyphShade(std::make_unique<TBitmap>()) {
  // Clicks come from our own mouse handling only, and the caption does
  // not follow the name.
  FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 23, 22);
  FParentFont = true;
  FColor = clBtnFace;
  FParentColor = false;
  FGlyph->OnChange = [this](TObject* S) { GlyphChanged(S); };
}

TExToolButton::~TExToolButton() = default;

HRESULT STDMETHODCALLTYPE TExToolButton::QueryInterface(REFIID iid, void** obj) {
  return QueryComponentInterface<IZVQStyle>(this, iid, obj);
}

void TExToolButton::GlyphChanged(TObject*) { Invalidate(); }

void TExToolButton::SetComponentStyle(TZVQStyle AStyle) {
  switch (AStyle) {
    case tsOffice2003Blue: SetLook(2); break;
    case tsOffice2003Silver: SetLook(4); break;
    case tsOffice2003Olive: SetLook(3); break;
    case tsOffice2003Classic: SetLook(1); break;
    case tsOffice2007Luna: SetLook(8); break;
    case tsOffice2007Obsidian: SetLook(9); break;
    case tsWindowsXP: SetLook(0); break;
    case tsWhidbey: SetLook(7); break;
    case tsOffice2007Silver: SetLook(10); break;
    case tsWindowsVista: SetLook(11); break;
    case tsWindows7: SetLook(12); break;
    case tsTerminal: SetLook(13); break;
    case tsOffice2010Blue: SetLook(14); break;
    case tsOffice2010Silver: SetLook(15); break;
    case tsOffice2010Black: SetLook(16); break;
    default: break;
  }
}

void TExToolButton::SetLook(Integer Value) {
  if (Value < 0 || Value >= Integer(std::size(Looks))) return;
  FLook = Value;
  const TToolButtonLook& L = Looks[Value];
  SetColor(L.Color);
  SetColorTo(L.ColorTo);
  SetColorHot(L.Hot);
  SetColorHotTo(L.HotTo);
  SetColorDown(L.Down);
  SetColorDownTo(L.DownTo);
  SetColorChecked(L.Checked);
  SetColorCheckedTo(L.CheckedTo);
  SetBorderDownColor(L.BorderDown);
  SetBorderHotColor(L.BorderHot);
  SetBorderColor(L.Border);
  SetRounded(L.Rounded);
  SetFlat(true);
}

void TExToolButton::ThemeAdapt() {
  switch (XPThemeKind()) {
    case 1: SetLook(2); break;
    case 2: SetLook(3); break;
    case 3: SetLook(4); break;
    default: SetLook(1); break;
  }
}

void TExToolButton::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  if (Value && !ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
    ThemeAdapt();
}

#define JORV_TB_SETTER(Name, Type, Field) \
  void TExToolButton::Set##Name(Type Value) { \
    if (Field == Value) return;           \
    Field = Value;                         \
    Invalidate();                          \
  }
JORV_TB_SETTER(BorderColor, TColor, FBorderColor)
JORV_TB_SETTER(BorderDownColor, TColor, FBorderDownColor)
JORV_TB_SETTER(BorderHotColor, TColor, FBorderHotColor)
JORV_TB_SETTER(ColorTo, TColor, FColorTo)
JORV_TB_SETTER(ColorDown, TColor, FColorDown)
JORV_TB_SETTER(ColorDownTo, TColor, FColorDownTo)
JORV_TB_SETTER(ColorHot, TColor, FColorHot)
JORV_TB_SETTER(ColorHotTo, TColor, FColorHotTo)
JORV_TB_SETTER(ColorChecked, TColor, FColorChecked)
JORV_TB_SETTER(ColorCheckedTo, TColor, FColorCheckedTo)
JORV_TB_SETTER(DropDownButton, bool, FDropDownButton)
JORV_TB_SETTER(DropDownSplit, bool, FDropDownSplit)
JORV_TB_SETTER(Flat, bool, FFlat)
JORV_TB_SETTER(ImageIndex, Integer, FImageIndex)
JORV_TB_SETTER(Layout, TButtonLayout, FLayout)
JORV_TB_SETTER(Rounded, bool, FRounded)
JORV_TB_SETTER(ShowCaption, bool, FShowCaption)
JORV_TB_SETTER(Spacing, Integer, FSpacing)
JORV_TB_SETTER(Style, TExToolButtonStyle, FStyle)
#undef JORV_TB_SETTER

void TExToolButton::SetMargin(Integer Value) {
  if (Value < -1 || Value == FMargin) return;
  FMargin = Value;
  Invalidate();
}

void TExToolButton::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  Invalidate();
}

void TExToolButton::SetDropDownMenu(TPopupMenu* Value) {
  if (FDropDownMenu == Value) return;
  if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
  FDropDownMenu = Value;
  if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
}

void TExToolButton::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FDropDownMenu) FDropDownMenu = nullptr;
  if (FActionLink && AComponent == FActionLink->Action()) FActionLink.reset();
  if (AComponent == FImages) {
    FImages = nullptr;
    Invalidate();
  }
}

void TExToolButton::SetGlyph(TBitmap* Value) {
  if (Value)
    FGlyph->Assign(Value);
  else
    FGlyph->SetSize(0, 0);
  if (FGlyphDisabled->Empty()) BuildDisabledGlyph();
  if (FShaded && !ComponentState().Contains(csLoading)) BuildShade();
  Invalidate();
}

static void CopyGlyph(TBitmap* Dest, TBitmap* Source) {
  if (Source)
    Dest->Assign(Source);
  else
    Dest->SetSize(0, 0);
}

void TExToolButton::SetGlyphHot(TBitmap* Value) { CopyGlyph(FGlyphHot.get(), Value); }
void TExToolButton::SetGlyphDown(TBitmap* Value) { CopyGlyph(FGlyphDown.get(), Value); }
void TExToolButton::SetGlyphDisabled(TBitmap* Value) { CopyGlyph(FGlyphDisabled.get(), Value); }

void TExToolButton::BuildDisabledGlyph() {
  FGlyphDisabled->Assign(FGlyph.get());
  if (FGlyphDisabled->Empty()) return;
  FGlyphDisabled->SetPixelFormat(pf24bit);
  HDC DC = FGlyphDisabled->Canvas()->Handle();
  for (Integer Y = 0; Y < FGlyphDisabled->Height(); ++Y)
    for (Integer X = 0; X < FGlyphDisabled->Width(); ++X) {
      const COLORREF P = GetPixel(DC, X, Y);
      const Integer Avg =
          RoundEven((GetRValue(P) + GetGValue(P) + GetBValue(P)) / 3.0) / 2 + 96;
      SetPixel(DC, X, Y, RGB(Avg, Avg, Avg));
    }
  GdiFlush();
}

void TExToolButton::BuildShade() {
  if (FGlyph->Empty()) {
    FGlyphShade->SetSize(0, 0);
    return;
  }
  const Integer W = FGlyph->Width(), Ht = FGlyph->Height();
  const COLORREF Key = ColorToRGB(FGlyph->TransparentColor());
  FGlyphShade->SetPixelFormat(pf24bit);
  FGlyphShade->SetSize(W, Ht);
  HDC Src = FGlyph->Canvas()->Handle();
  HDC Dst = FGlyphShade->Canvas()->Handle();
  for (Integer Y = 0; Y < Ht; ++Y)
    for (Integer X = 0; X < W; ++X)
      SetPixel(Dst, X, Y, GetPixel(Src, X, Y) == Key ? Key : RGB(0x80, 0x80, 0x80));
  GdiFlush();
  FGlyphShade->SetTransparentColor(TColor(Key));
  FGlyphShade->SetTransparent(true);
}

void TExToolButton::SetShaded(bool Value) {
  if (FShaded == Value) return;
  FShaded = Value;
  if (Value && !ComponentState().Contains(csLoading)) BuildShade();
  Invalidate();
}

void TExToolButton::Loaded() {
  TGraphicControl::Loaded();
  FState = FEnabled ? (FDown && FGroupIndex != 0 ? bsExclusive : bsUp) : bsDisabled;
  if (FShaded) BuildShade();
  if (FAutoThemeAdapt) ThemeAdapt();
}

void TExToolButton::SetGroupIndex(Integer Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TExToolButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TExToolButton::SetDown(bool Value) {
  if (FStyle == tasCheck) {
    if (FDown == Value) return;
    FDown = Value;
    FState = Value ? bsDown : bsUp;
    Invalidate();
    return;
  }
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  // The last down button of a group stays down unless all may be up.
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  if (Value) {
    FState = bsExclusive;
    Invalidate();
    UpdateExclusive();
  } else {
    FState = bsUp;
    Invalidate();
  }
}

void TExToolButton::UpdateExclusive() {
  if (FGroupIndex != 0) NotifyGroupPressed(this, FGroupIndex);
}

void TExToolButton::CMButtonPressed(TMessage& M) {
  const auto& Pressed = MsgAs<TCMButtonPressed>(M);
  if (Pressed.GroupIndex != WPARAM(FGroupIndex)) return;
  auto* Sender = dynamic_cast<TExToolButton*>(Pressed.Control);
  if (!Sender || Sender == this) return;
  if (Sender->FDown && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = Sender->FAllowAllUp;
}

void TExToolButton::Click() {
  // The button's own handler first; without one the action runs.
  if (OnClick || !FActionLink)
    TGraphicControl::Click();
  else
    FActionLink->Execute();
}

// --- action ------------------------------------------------------------------

TExToolButtonActionLink::TExToolButtonActionLink(TExToolButton* AClient)
    : TControlActionLink(AClient), FClient(AClient) {}

bool TExToolButtonActionLink::IsCheckedLinked() {
  return TControlActionLink::IsCheckedLinked() && FClient->GroupIndex() != 0 && FClient->AllowAllUp() &&
         FClient->Down() == AsAction()->Checked();
}

bool TExToolButtonActionLink::IsGroupIndexLinked() {
  return TControlActionLink::IsGroupIndexLinked() && FClient->GroupIndex() == AsAction()->GroupIndex();
}

bool TExToolButtonActionLink::IsImageIndexLinked() { return TControlActionLink::IsImageIndexLinked(); }

void TExToolButtonActionLink::SetChecked(bool Value) { FClient->SetDown(Value); }

void TExToolButtonActionLink::SetGroupIndex(Integer Value) { FClient->SetGroupIndex(Value); }

void TExToolButtonActionLink::SetImageIndex(Integer Value) {
  FImageIndex = Value;
  FClient->Invalidate();
  // A designer shows the image on the button itself.
  if (!FClient->ComponentState().Contains(csDesigning)) return;
  if (TAction* A = AsAction(); A && A->ActionList() && A->ActionList()->Images()) {
    FClient->SetImages(A->ActionList()->Images());
    FClient->SetImageIndex(Value);
  }
}

void TExToolButton::SetAction(TBasicAction* Value) {
  if (!Value) {
    FActionLink.reset();
    return;
  }
  if (!FActionLink) {
    FActionLink = std::make_unique<TExToolButtonActionLink>(this);
    FActionLink->OnChange = [this](TObject* Sender) { ActionChange(Sender, false); };
  }
  FActionLink->SetAction(Value);
  Value->FreeNotification(this);
  ActionChange(Value, ComponentState().Contains(csLoading));
}

void TExToolButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* A = dynamic_cast<TAction*>(Sender);
  if (!A) return;
  if (!CheckDefaults || Caption().empty()) SetCaption(A->Caption());
  if (!CheckDefaults || Enabled()) SetEnabled(A->Enabled());
  if (!CheckDefaults || Hint().empty()) SetHint(A->Hint());
  if (!CheckDefaults || Visible()) SetVisible(A->Visible());
  if (!CheckDefaults || FGroupIndex == 0) SetGroupIndex(A->GroupIndex());
  if (FActionLink) FActionLink->SetImageIndex(A->ImageIndex());
  if (ComponentState().Contains(csDesigning)) {
    if (A->ActionList() && A->ActionList()->Images() && A->ActionList()->Images()->Count() > 0)
      SetImageIndex(A->ImageIndex());
    SetDown(A->Checked());
  }
}

void TExToolButton::ShowDropDownMenu() {
  if (!FDropDownMenu) return;
  const TPoint P = ClientToScreen(TPoint(0, Height()));
  FDropDownMenu->Popup(P.X, P.Y);
}

bool TExToolButton::Inside(Integer X, Integer Y) {
  return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TExToolButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !FEnabled) return;
  const bool OpensMenu = FDropDownButton ? (!FDropDownSplit || X >= Width() - DropDownWidth)
                                         : FDropDownMenu != nullptr;
  if (OpensMenu) {
    FState = bsUp;
    FMouseInControl = false;
    Repaint();
    if (OnDropDown) OnDropDown(this);
    // The menu's own loop has the mouse now: the press is over.
    if (GetCaptureControl() == this) SetCaptureControl(nullptr);
    ShowDropDownMenu();
    return;
  }
  if (!FDown || FStyle == tasCheck) {
    FState = bsDown;
    Repaint();
  }
  FDragging = true;
}

void TExToolButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (FDragging) {
    TButtonState S;
    if (Inside(X, Y))
      S = FDown && FStyle != tasCheck ? bsExclusive : bsDown;
    else
      S = FDown ? (FStyle == tasCheck ? bsDown : bsExclusive) : bsUp;
    if (S != FState) {
      FState = S;
      Repaint();
    }
  } else if (!FMouseInControl) {
    UpdateTracking();
  }
}

void TExToolButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging || Button != mbLeft) return;
  FDragging = false;
  const bool DoClick = Inside(X, Y);
  if (FGroupIndex == 0) {
    FState = bsUp;
    FMouseInControl = false;
    if (FStyle == tasCheck && DoClick) {
      FDown = !FDown;
      if (FDown) FState = bsDown;
    } else if (FStyle == tasCheck && FDown) {
      FState = bsDown;
    }
    Repaint();
  } else if (DoClick) {
    SetDown(!FDown);
    if (FDown) FState = FStyle == tasCheck ? bsDown : bsExclusive;
    Repaint();
  } else {
    if (FDown) FState = FStyle == tasCheck ? bsDown : bsExclusive;
    Repaint();
  }
  if (DoClick) Click();
  UpdateTracking();
}

void TExToolButton::UpdateTracking() {
  if (!FFlat || !FEnabled || !FParent || !FParent->HandleAllocated()) return;
  POINT P;
  GetCursorPos(&P);
  const TPoint C = FParent->ScreenToClient(TPoint(P.x, P.y));
  const TControl* Cap = GetCaptureControl();
  const bool Over = BoundsRect().Contains(C) && FParent->ControlAtPos(C, false) == this &&
                    (Cap == nullptr || Cap == this);
  if (Over == FMouseInControl) return;
  FMouseInControl = Over;
  Invalidate();
  if (Over && OnMouseEnter) OnMouseEnter(this);
  if (!Over && OnMouseLeave) OnMouseLeave(this);
}

void TExToolButton::CMMouseEnter(TMessage& M) {
  TGraphicControl::CMMouseEnter(M);
  if (FFlat && !FMouseInControl && FEnabled && GetCaptureControl() == nullptr) {
    FMouseInControl = true;
    Repaint();
    if (OnMouseEnter) OnMouseEnter(this);
  }
}

void TExToolButton::CMMouseLeave(TMessage& M) {
  TGraphicControl::CMMouseLeave(M);
  if (FFlat && FMouseInControl && FEnabled && !FDragging) {
    FMouseInControl = false;
    Invalidate();
    if (OnMouseLeave) OnMouseLeave(this);
  }
}

void TExToolButton::CMEnabledChanged(TMessage& M) {
  TGraphicControl::CMEnabledChanged(M);
  if (!FEnabled) {
    FMouseInControl = false;
    FDragging = false;
  }
  UpdateTracking();
  Repaint();
}

void TExToolButton::CMFontChanged(TMessage& M) {
  TGraphicControl::CMFontChanged(M);
  Invalidate();
}

void TExToolButton::CMTextChanged(TMessage&) { Invalidate(); }

void TExToolButton::CMDialogChar(TWMKey& M) {
  if (IsAccel(M.CharCode, Caption()) && FEnabled && FVisible && FParent && FParent->Showing()) {
    Click();
    M.Result = 1;
  }
}

void TExToolButton::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case CM_BUTTONPRESSED: CMButtonPressed(M); return;
    case CM_DIALOGCHAR: CMDialogChar(MsgAs<TWMKey>(M)); return;
    case CM_SYSCOLORCHANGE: Invalidate(); break;
    case WmThemeChanged:
    case CM_SYSFONTCHANGED:
      if (FAutoThemeAdapt) ThemeAdapt();
      break;
    default: break;
  }
  TGraphicControl::Dispatch(M);
}

void TExToolButton::Paint() {
  if (!FEnabled) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
  if (FStyle == tasCheck && FDown) FState = bsDown;
  TCanvas* C = Canvas();
  C->SetFont(Font());
  TRect R = ClientRect();
  const bool Designing = ComponentState().Contains(csDesigning);
  const bool Hot = FMouseInControl && FEnabled && !Designing;
  const bool CheckedDown = FStyle == tasCheck && FDown;
  auto Shrink = [](TRect& Rc, Integer D) {
    Rc = TRect(Rc.Left + D, Rc.Top + D, Rc.Right - D, Rc.Bottom - D);
  };
  C->Pen()->SetWidth(1);
  C->Brush()->SetStyle(bsSolid);
  if (!FFlat) {
    RECT F{R.Left, R.Top, R.Right, R.Bottom};
    C->Refresh();
    const bool Pushed = FState == bsDown || FState == bsExclusive;
    DrawFrameControl(C->Handle(), &F, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Pushed ? DFCS_PUSHED : 0));
    R = TRect(F.left, F.top, F.right, F.bottom);
  } else {
    if (FBorderDownColor == clNone || FRounded) Shrink(R, 1);
    if (!Hot) {
      if (CheckedDown) {
        C->Brush()->SetColor(FColorChecked);
        SetPenOr(C, FBorderDownColor, FColorChecked);
        if (FColorCheckedTo == clNone)
          C->FillRect(R);
        else
          DrawToolButtonGradient(C, FColorChecked, FColorCheckedTo, 16, R,
                                 FBorderDownColor == clNone ? FColorChecked : FBorderDownColor);
      } else {
        C->Brush()->SetColor(FColor);
        if (FColorTo == clNone) {
          C->FillRect(R);
        } else {
          TColor Pen = FDown ? FBorderDownColor : (FRounded ? clNone : FBorderColor);
          DrawToolButtonGradient(C, FColor, FColorTo, 16, R, Pen);
        }
        if (FBorderColor != clNone) {
          C->Brush()->SetStyle(bsClear);
          C->Pen()->SetColor(FBorderColor);
          if (FRounded) {
            Shrink(R, -1);
            C->RoundRect(R.Left, R.Top, R.Right, R.Bottom, 8, 8);
          } else {
            C->Rectangle(R);
          }
          C->Brush()->SetStyle(bsSolid);
        }
      }
    } else {
      TColor From = FColorHot, To = FColorHotTo, Pen = FBorderHotColor;
      if (FState == bsDown) {
        From = FColorDown;
        To = FColorDownTo;
        Pen = FBorderDownColor;
      } else if (CheckedDown) {
        From = FColorChecked;
        To = FColorCheckedTo;
        Pen = FBorderDownColor;
      }
      const TColor Frame = Pen;
      if (FRounded) Pen = clNone;
      C->Brush()->SetColor(From);
      if (To == clNone) {
        SetPenOr(C, Pen, From);
        if (Pen == clNone)
          C->FillRect(R);
        else
          C->Rectangle(R);
      } else {
        DrawToolButtonGradient(C, From, To, 16, R, Pen);
      }
      if (FRounded) {
        Shrink(R, -1);
        const TColor RF = FState == bsDown ? FBorderDownColor : FBorderHotColor;
        if (RF != clNone) {
          C->Brush()->SetStyle(bsClear);
          C->Pen()->SetColor(RF);
          C->RoundRect(R.Left, R.Top, R.Right, R.Bottom, 8, 8);
          C->Brush()->SetStyle(bsSolid);
        }
      }
      if (FDropDownButton && FDropDownSplit && Frame != clNone) {
        C->Pen()->SetColor(Frame);
        C->MoveTo(R.Right - DropDownWidth, R.Top);
        C->LineTo(R.Right - DropDownWidth, R.Bottom);
      }
    }
    Shrink(R, 1);
  }
  TPoint Offset(0, 0);
  if (FState == bsDown || FState == bsExclusive) {
    if (FState == bsExclusive && (!FFlat || !Hot)) {
      TRect F = R;
      Shrink(F, -1);
      C->Brush()->SetColor(FColorChecked);
      const TColor Pen = FDown ? FBorderDownColor : FBorderColor;
      SetPenOr(C, Pen, FColorChecked);
      if (FColorCheckedTo == clNone) {
        if (Pen == clNone)
          C->FillRect(F);
        else
          C->Rectangle(F);
      } else {
        DrawToolButtonGradient(C, FColorChecked, FColorCheckedTo, 16, F, Pen);
      }
    }
    if (!FFlat && !Designing) Offset = TPoint(1, 1);
  } else if (FFlat && Hot && FShaded) {
    Offset = TPoint(-1, -1);
  }
  if (FDropDownButton) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Font()->Color());
    C->Pen()->SetColor(Font()->Color());
    const Integer Mid = R.Top + (R.Height() - 1) / 2;
    C->Polygon({TPoint(R.Right - 8, Mid - 1), TPoint(R.Right - 4, Mid - 1),
                TPoint(R.Right - 6, Mid + 1)});
    R = TRect(R.Left, R.Top, R.Right - DropDownWidth, R.Bottom);
  }
  DrawGlyphAndCaption(C, R, Offset, FDown && FGroupIndex != 0 ? bsDown : FState, Hot);
  if (Designing && FGlyph->Empty() && FImageIndex < 0 && (!FShowCaption || Caption().empty())) {
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(clBlue);
    C->Pen()->SetStyle(psDot);
    C->Rectangle(ClientRect());
    C->Pen()->SetStyle(psSolid);
    C->Brush()->SetStyle(bsSolid);
  }
}

void TExToolButton::DrawGlyphAndCaption(TCanvas* C, TRect R, TPoint Offset, TButtonState State,
                                        bool Hot) {
  TBitmap* G = FGlyph.get();
  if (State == bsDisabled) {
    if (!FGlyphDisabled->Empty()) G = FGlyphDisabled.get();
  } else if (Hot) {
    if (State == bsDown || State == bsExclusive || FDown) {
      if (!FGlyphDown->Empty()) G = FGlyphDown.get();
    } else if (!FGlyphHot->Empty()) {
      G = FGlyphHot.get();
    }
  } else if (FDown && !FGlyphDown->Empty()) {
    G = FGlyphDown.get();
  }
  // The action's images, when its list has any, stand for the button's.
  TCustomImageList* List = FImages;
  Integer Index = FImageIndex;
  if (auto* A = dynamic_cast<TAction*>(Action()); A && A->ActionList() && A->ActionList()->Images() &&
                                                 A->ActionList()->Images()->Count() > 0) {
    List = A->ActionList()->Images();
    Index = FActionLink->ImageIndex();
  }
  const bool UseImages = G->Empty() && List && Index >= 0;
  TSize GlyphSize;
  if (!G->Empty())
    GlyphSize = TSize(G->Width(), G->Height());
  else if (UseImages)
    GlyphSize = TSize(List->Width(), List->Height());
  const String Text = FShowCaption ? Caption() : String();
  TSize TextSize;
  HDC DC = C->Handle();
  if (!Text.empty()) {
    RECT TB{0, 0, R.Width(), 0};
    C->TextExtent(String());  // selects the font
    DrawTextW(DC, Text.c_str(), int(Text.size()), &TB, DT_CALCRECT | DT_SINGLELINE);
    TextSize = TSize(TB.right - TB.left, TB.bottom - TB.top);
  }
  TPoint GlyphPos, TextPos;
  CalcButtonLayout(TSize(R.Width(), R.Height()), GlyphSize, TextSize, FLayout, FMargin, FSpacing,
                   GlyphPos, TextPos);
  const Integer GX = R.Left + GlyphPos.X + Offset.X, GY = R.Top + GlyphPos.Y + Offset.Y;
  const bool Pressed = State == bsDown || State == bsExclusive;
  if (UseImages) {
    List->Draw(C, GX, GY, Index, State != bsDisabled);
  } else if (!G->Empty()) {
    if (Hot && FShaded && State != bsDisabled && !Pressed && !FGlyphShade->Empty())
      C->Draw(GX + 2, GY + 2, FGlyphShade.get());
    G->SetTransparent(true);
    C->Draw(GX, GY, G);
  }
  if (Text.empty()) return;
  Integer TX = R.Left + TextPos.X + Offset.X, TY = R.Top + TextPos.Y;
  if (FFlat && Hot && FShaded && State != bsDisabled && !Pressed) {
    ++TX;
    ++TY;
  }
  RECT TR{TX, TY, TX + TextSize.cx, TY + TextSize.cy};
  C->Brush()->SetStyle(bsClear);
  C->TextExtent(String());
  DC = C->Handle();
  SetBkMode(DC, TRANSPARENT);
  const UINT Flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (State == bsDisabled) {
    OffsetRect(&TR, 1, 1);
    ::SetTextColor(DC, ColorToRGB(clBtnHighlight));
    DrawTextW(DC, Text.c_str(), int(Text.size()), &TR, Flags);
    OffsetRect(&TR, -1, -1);
    ::SetTextColor(DC, ColorToRGB(clBtnShadow));
  } else {
    ::SetTextColor(DC, ColorToRGB(Font()->Color()));
  }
  DrawTextW(DC, Text.c_str(), int(Text.size()), &TR, Flags);
  C->Refresh();
  C->Brush()->SetStyle(bsSolid);
}

}  // namespace jorv::edit
