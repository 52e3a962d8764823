#include "panel/ExPanel.h"
#include "panel/CaptionShade.h"
#include "panel/ExPanelSettings.h"
#include "panel/ExPanelStyler.h"
#include "foundation/HTMLPanelRenderer.h"
#include "foundation/HTMLPicture.h"
#include "foundation/PictureContainer.h"
#include "foundation/XPTheme.h"
#include "platform/rtl/Exceptions.h"

namespace jorv::panel {
using namespace jorv::foundation;

namespace {

constexpr Cardinal PanelVersion = 0x02030007;

// Visual styles exist from 5.1 on.
bool OSIsWinXPOrLater() {
  const DWORD V = ::GetVersion();
  const Byte Major = LOBYTE(LOWORD(V)), Minor = HIBYTE(LOWORD(V));
  return Major > 5 || (Major == 5 && Minor >= 1);
}

}  // namespace

// ---- TAutoSize ----

void TAutoSize::SetEnabled(bool Value) {
  FEnabled = Value;
  if (Value && FOwner) FOwner->DoAutoSize();
}

void TAutoSize::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TAutoSize*>(Source);
  if (!S) throw EInvalidCast(L"Invalid class typecast");
  SetEnabled(S->Enabled());
  SetHeight(S->Height());
  SetWidth(S->Width());
}

// ---- TCustomExPanel ----

TCustomExPanel::TCustomExPanel(TComponent* AOwner) : TCustomPanel(AOwner) {
  // The panel draws its own caption bar; the window text is not shown.
  TControlStyle Style = ControlStyle();
  Style.Exclude(csSetCaption);
  SetControlStyle(Style);
  FBackground = std::make_unique<TExImage>();
  FBackground->OnChange = [this](TObject*) { Invalidate(); };
  FCaption = std::make_unique<TPanelCaption>();
  FCaption->OnChange = [this](TObject*) { CaptionChanged(); };
  FCaption->OnShadeChange = [this](TObject*) { UpdateCaptionShade(); };
  FCaption->OnStateChange = [this](TObject*) { StateChanged(); };
  FCaption->OnFontChange = [this](TObject*) { CaptionFontChanged(); };
  FCaption->OnPositionChange = [this](TObject*) { CaptionPositionChanged(); };
  FPosition = std::make_unique<TPanelPosition>(this);
  FPictureCache = std::make_unique<THTMLPictureCache>();
  SetDoubleBuffered(true);
  FShadedHeader = std::make_unique<TBitmap>();
  FOfficeHint = std::make_unique<TExHintInfo>();
  FIsWinXP = OSIsWinXPOrLater();
  FAutoSize = std::make_unique<TAutoSize>(this);
  FOldColor = Color();
  FStatusBar = std::make_unique<TPanelStatusBar>();
  FStatusBar->OnChange = [this](TObject*) { Invalidate(); };
  // Through the panel's own accessors, so the height is also the expanded one.
  SetWidth(300);
  SetHeight(200);
  FDesignTime = ComponentState().Contains(csDesigning) && AOwner &&
                !AOwner->ComponentState().Contains(csReading) &&
                !AOwner->ComponentState().Contains(csLoading);
}

TCustomExPanel::~TCustomExPanel() {
  // The window goes while the panel is still whole, so that its destroy
  // message saves the position.
  if (HandleAllocated()) DestroyHandle();
  // The owned objects go before the control; their notices must not reach
  // a panel that is half torn down.
  FCaption->OnChange = nullptr;
  FCaption->OnShadeChange = nullptr;
  FCaption->OnStateChange = nullptr;
  FCaption->OnFontChange = nullptr;
  FCaption->OnPositionChange = nullptr;
  FStatusBar->OnChange = nullptr;
  FBackground->OnChange = nullptr;
}

void TCustomExPanel::CaptionChanged() {
  if (ControlCount() > 0) Realign();
  Invalidate();
}

void TCustomExPanel::CaptionFontChanged() {
  if (ParentFont() && FDesignTime)
    SetParentFont(FCaption->Font()->Handle() == Font()->Handle());
}

void TCustomExPanel::CaptionPositionChanged() {
  DoAutoSize();
  UpdateCaptionShade();
  Invalidate();
}

void TCustomExPanel::UpdateCaptionShade() {
  if (FShadedHeader) RenderCaptionShade(*FShadedHeader, *FCaption, Width(), Height());
}

void TCustomExPanel::WMSize(TWMSize& Message) {
  TCustomPanel::WMSize(Message);
  // The shade follows the width only; a new height alone keeps it.
  if (FShadedHeader->Width() != Width()) UpdateCaptionShade();
  Invalidate();
}

template <class T>
void TCustomExPanel::StoreAndRepaint(T& Field, const T& Value) {
  Field = Value;
  Invalidate();
}

template <class T>
void TCustomExPanel::RepaintOnChange(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TCustomExPanel::RecordFullExtent() {
  if (FCollaps || FIsCollapsing) return;
  FFullHeight = FCaption->Position() == expanel::cpTop ? Height() : Width();
}

void TCustomExPanel::SetWidth(Integer Value) {
  TControl::SetWidth(Value);
  if (FCaption->Position() != expanel::cpTop) RecordFullExtent();
}

void TCustomExPanel::SetHeight(Integer Value) {
  TControl::SetHeight(Value);
  if (FCaption->Position() == expanel::cpTop) RecordFullExtent();
}

void TCustomExPanel::SetAutoSize(TAutoSize* Value) {
  if (!Value || ComponentState().Contains(csLoading)) return;
  FAutoSize->Assign(Value);
}

void TCustomExPanel::SetBackground(TExImage* Value) {
  FBackground->Assign(Value);
  Invalidate();
}

void TCustomExPanel::SetBackgroundPosition(expanel::TBackGroundPosition Value) {
  StoreAndRepaint(FBackgroundPosition, Value);
}
void TCustomExPanel::SetBorderColor(TColor Value) { StoreAndRepaint(FBorderColor, Value); }
void TCustomExPanel::SetBorderShadow(bool Value) { StoreAndRepaint(FBorderShadow, Value); }
void TCustomExPanel::SetCanSize(bool Value) { StoreAndRepaint(FCanSize, Value); }
void TCustomExPanel::SetEllipsis(bool Value) { StoreAndRepaint(FEllipsis, Value); }
void TCustomExPanel::SetGradientDirection(expanel::TGradientDirection Value) {
  StoreAndRepaint(FGradientDirection, Value);
}
void TCustomExPanel::SetIndent(Integer Value) { StoreAndRepaint(FIndent, Value); }
void TCustomExPanel::SetLineSpacing(Integer Value) { StoreAndRepaint(FLineSpacing, Value); }
void TCustomExPanel::SetShadowColor(TColor Value) { StoreAndRepaint(FShadowColor, Value); }
void TCustomExPanel::SetShadowOffset(Integer Value) { StoreAndRepaint(FShadowOffset, Value); }
void TCustomExPanel::SetTextVAlign(expanel::TTextVAlignment Value) {
  StoreAndRepaint(FTextVAlign, Value);
}
void TCustomExPanel::SetTopIndent(Integer Value) { StoreAndRepaint(FTopIndent, Value); }
void TCustomExPanel::SetURLColor(TColor Value) { StoreAndRepaint(FURLColor, Value); }
void TCustomExPanel::SetColorTo(TColor Value) { RepaintOnChange(FColorTo, Value); }
void TCustomExPanel::SetColorMirror(TColor Value) { RepaintOnChange(FColorMirror, Value); }
void TCustomExPanel::SetColorMirrorTo(TColor Value) { RepaintOnChange(FColorMirrorTo, Value); }

void TCustomExPanel::SetCaption(TPanelCaption* Value) {
  if (Value) FCaption->Assign(Value);
}

void TCustomExPanel::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  Invalidate();
}

void TCustomExPanel::SetOfficeHint(TExHintInfo* Value) {
  if (Value) FOfficeHint->Assign(Value);
}

void TCustomExPanel::SetPictureContainer(TPictureContainer* Value) {
  if (FPictureContainer) FPictureContainer->RemoveFreeNotification(this);
  FPictureContainer = Value;
  if (FPictureContainer) FPictureContainer->FreeNotification(this);
}

void TCustomExPanel::SetStatusBar(TPanelStatusBar* Value) {
  if (Value) FStatusBar->Assign(Value);
}

void TCustomExPanel::SetPosition(TPanelPosition* Value) {
  if (Value) FPosition->Assign(Value);
}

void TCustomExPanel::SetStyler(TExPanelStyler* Value) {
  if (FStyler) FStyler->RemoveFreeNotification(this);
  FStyler = Value;
  if (FStyler) FStyler->FreeNotification(this);
  if (!Loading() && FStyler && FStyler->Settings()) ApplySettings(FStyler->Settings());
}

void TCustomExPanel::SetText(const String& Value) {
  FText = Value;
  Invalidate();
  DoAutoSize();
}

String TCustomExPanel::Version() const {
  return IntToStr(HIBYTE(HIWORD(PanelVersion))) + L"." + IntToStr(LOBYTE(HIWORD(PanelVersion))) +
         L"." + IntToStr(HIBYTE(LOWORD(PanelVersion))) + L"." +
         IntToStr(LOBYTE(LOWORD(PanelVersion)));
}

String TCustomExPanel::RawText() const { return HTMLToPlainText(FText, true); }

void TCustomExPanel::SetCursor(TCursor ACursor) {
  FOldCursor = ACursor;
  TControl::SetCursor(ACursor);
}

void TCustomExPanel::BeginUpdate() {
  if (HandleAllocated()) ::SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TCustomExPanel::EndUpdate() {
  if (!HandleAllocated()) return;
  ::SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  Repaint();
}

TExHintInfo* STDMETHODCALLTYPE TCustomExPanel::GetOfficeHint(TPoint Pt) {
  if (FCaption->Visible() && Pt.Y < FCaption->Height() && !FCaption->OfficeHint()->IsEmpty())
    return FCaption->OfficeHint();
  return FOfficeHint.get();
}

Integer TCustomExPanel::CaptionButtonSize(bool ForMoveSize) {
  Integer W = 12;
  if (!FCaption->CloseMinGlyph()->Empty() && !FCaption->CloseMaxGlyph()->Empty())
    W = FCaption->CloseMinGlyph()->Width();
  if (!FCaption->MinGlyph()->Empty() && !FCaption->MaxGlyph()->Empty())
    W = ForMoveSize ? FCaption->MinGlyph()->Width() : FCaption->MaxGlyph()->Width();
  if (FCaption->ShadeType() == expanel::stXPCaption && FIsWinXP && IsThemeActive &&
      IsThemeActive())
    W = 16;
  return W;
}

namespace {

// The cell of a caption button at the end of R that the caption position
// and button position name, Margin pixels in from the edges.
TRect ButtonCell(const TRect& R, Integer W, expanel::TCaptionPosition Pos,
                 expanel::TCaptionButtonPosition BtnPos, Integer Margin) {
  using namespace expanel;
  const Integer L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom, M = Margin;
  const TRect TopRight{Rt - W - M, T + M, Rt - M, T + W + M};
  const TRect TopLeft{L + M, T + M, L + W + M, T + W + M};
  switch (Pos) {
    case cpLeft:
      return BtnPos == cbpRight ? TopLeft : TRect{L + M, B - W - M, L + W + M, B - M};
    case cpRight:
      return BtnPos == cbpRight ? TRect{Rt - W - M, B - W - M, Rt - M, B - M} : TopRight;
    default:
      return BtnPos == cbpRight ? TopRight : TopLeft;
  }
}

}  // namespace

TRect TCustomExPanel::CloseButtonRect() {
  return ButtonCell(ClientRect(), CaptionButtonSize(), FCaption->Position(),
                    FCaption->ButtonPosition(), 2);
}

TRect TCustomExPanel::ClientBesideClose() {
  using namespace expanel;
  const Integer W = CaptionButtonSize();
  const TCaptionButtonPosition BtnPos = FCaption->ButtonPosition();
  TRect R = ClientRect();
  if (FCaption->CloseButton()) {
    switch (FCaption->Position()) {
      case cpTop: (BtnPos == cbpRight ? R.Right : R.Left) += BtnPos == cbpRight ? -W : W; break;
      case cpLeft: (BtnPos == cbpRight ? R.Top : R.Bottom) += BtnPos == cbpRight ? W : -W; break;
      case cpRight: (BtnPos == cbpLeft ? R.Top : R.Bottom) += BtnPos == cbpLeft ? W : -W; break;
    }
  }
  return R;
}

TRect TCustomExPanel::MinMaxButtonRect(bool ForClick) {
  using namespace expanel;
  const Integer W = CaptionButtonSize();
  const TCaptionPosition Pos = FCaption->Position();
  const TCaptionButtonPosition BtnPos = FCaption->ButtonPosition();
  const TRect R = ClientBesideClose();
  if (ForClick && Pos == cpRight) {
    // The click test of a right caption keeps 4 pixels off the panel's
    // right edge, and off the bottom for buttons at the bottom.
    if (BtnPos == cbpLeft) return {R.Right - W - 4, R.Top + 2, R.Right - 4, R.Top + W + 2};
    return {R.Right - W - 4, R.Bottom - W - 4, R.Right - 4, R.Bottom - 4};
  }
  return ButtonCell(R, W, Pos, BtnPos, 2);
}

void TCustomExPanel::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TCustomExPanel*>(Source);
  if (!S) throw EInvalidCast(L"Invalid class typecast");
  SetAnchorHint(S->AnchorHint());
  SetAutoHideChildren(S->AutoHideChildren());
  SetBackground(S->Background());
  SetBackgroundPosition(S->BackgroundPosition());
  SetBevelInner(S->BevelInner());
  SetBevelOuter(S->BevelOuter());
  SetBevelWidth(S->BevelWidth());
  SetBorderColor(S->BorderColor());
  SetBorderShadow(S->BorderShadow());
  SetBorderStyle(S->BorderStyle());
  SetCanMove(S->CanMove());
  SetCanSize(S->CanSize());
  SetCaption(S->Caption());
  SetCollapsColor(S->CollapsColor());
  SetCollapsDelay(S->CollapsDelay());
  SetCollapsSteps(S->CollapsSteps());
  SetColor(S->Color());
  SetColorTo(S->ColorTo());
  SetColorMirror(S->ColorMirror());
  SetColorMirrorTo(S->ColorMirrorTo());
  TControl::SetCursor(S->Cursor());
  SetEnabled(S->Enabled());
  TControl::SetFont(S->Font());
  SetFixedTop(S->FixedTop());
  SetFixedLeft(S->FixedLeft());
  SetFixedHeight(S->FixedHeight());
  SetFixedWidth(S->FixedWidth());
  SetFreeOnClose(S->FreeOnClose());
  SetHeight(S->Height());
  SetHint(S->Hint());
  SetHover(S->Hover());
  SetHoverColor(S->HoverColor());
  SetHoverFontColor(S->HoverFontColor());
  SetImages(S->Images());
  SetParentColor(S->ParentColor());
  SetParentFont(S->ParentFont());
  SetParentShowHint(S->ParentShowHint());
  SetPictureContainer(S->PictureContainer());
  SetPopupMenu(S->PopupMenu());
  SetPosition(S->Position());
  SetStatusBar(S->StatusBar());
  SetShadowColor(S->ShadowColor());
  SetShadowOffset(S->ShadowOffset());
  SetShowHint(S->ShowHint());
  SetShowMoveCursor(S->ShowMoveCursor());
  SetTabStop(S->TabStop());
  SetTag(S->Tag());
  SetText(S->Text());
  SetTextVAlign(S->TextVAlign());
  SetURLColor(S->URLColor());
  SetVisible(S->Visible());
}

HRESULT STDMETHODCALLTYPE TCustomExPanel::QueryInterface(REFIID iid, void** obj) {
  return QueryComponentInterface<IZVQTones, IZVQOfficeHint>(this, iid, obj);
}

void STDMETHODCALLTYPE TCustomExPanel::SetColorTones(TColorTones Tones) {
  const String UIFont = DefaultUIFontName();
  FCaption->SetColor(Tones.Selected.BrushColor);
  FCaption->SetColorTo(clNone);
  FCaption->Font()->SetName(UIFont);
  FCaption->Font()->SetColor(Tones.Selected.TextColor);
  FCaption->SetFlat(true);
  FCaption->SetShadeType(expanel::stNormal);
  FCaption->SetCloseColor(Tones.Selected.BrushColor);
  SetColor(Tones.Background.BrushColor);
  SetColorTo(clNone);
  Font()->SetName(UIFont);
  Font()->SetColor(Tones.Background.TextColor);
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  SetBorderStyle(bsNone);
  FStatusBar->Font()->SetName(UIFont);
  FStatusBar->Font()->SetColor(Tones.Foreground.TextColor);
  FStatusBar->SetColor(Tones.Foreground.BrushColor);
  FStatusBar->SetColorTo(clNone);
  FOptimizePaint = true;
}

void TCustomExPanel::Loaded() {
  TCustomPanel::Loaded();
  if (FPosition->Save()) LoadPosition();
  FTopLeft = ClientOrigin();
  FWidthHeight = {Width(), Height()};
  FOldCursor = Cursor();
  FOldColor = Color();
  if (FStyler && FStyler->Settings()) ApplySettings(FStyler->Settings());
}

void TCustomExPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FPictureContainer) FPictureContainer = nullptr;
  if (AComponent == FStyler) FStyler = nullptr;
}

void TCustomExPanel::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  TCustomPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (Designing()) Synchronize();
  if (AWidth != FLastSetWidth || AHeight != FLastSetHeight) {
    for (Integer i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
    Invalidate();
  }
  FLastSetWidth = AWidth;
  FLastSetHeight = AHeight;
}

void TCustomExPanel::AlignControls(TControl* AControl, TRect& Rect) {
  using namespace expanel;
  const Integer CH = FCaption->Height();
  if (FCaption->Visible()) {
    switch (FCaption->Position()) {
      case cpTop: if (Rect.Top < CH) Rect.Top = CH - 2; break;
      case cpLeft: if (Rect.Left < CH) Rect.Left = CH - 2; break;
      case cpRight: if (Rect.Right > Width() - CH) Rect.Right = Width() - CH; break;
    }
  }
  if (FStatusBar->Visible()) {
    const Integer SH = FStatusBar->Height();
    switch (FCaption->Position()) {
      case cpTop: if (Rect.Bottom > Height() - SH) Rect.Bottom = Height() - SH; break;
      case cpLeft: if (Rect.Right > Width() - SH) Rect.Right = Width() - SH; break;
      case cpRight: if (Rect.Left < SH) Rect.Left = SH; break;
    }
  }
  TCustomPanel::AlignControls(AControl, Rect);
}

void TCustomExPanel::Resize() {
  if (!FOptimizePaint && !ComponentState().Contains(csDesigning) && HandleAllocated()) Repaint();
  TCustomPanel::Resize();
  DoAutoSize();
}

void TCustomExPanel::ChangeScale(Integer M, Integer D) {
  TCustomPanel::ChangeScale(M, D);
  FCaption->ScaleHeight(::MulDiv(FCaption->Height(), M, D));
  FCaption->Font()->SetSize(::MulDiv(FCaption->Font()->Size(), M, D));
}

void TCustomExPanel::CMParentFontChanged(TMessage& Message) {
  TCustomPanel::CMParentFontChanged(Message);
  if (ParentFont()) FCaption->SetFont(Font());
}

void TCustomExPanel::CMMouseEnter(TMessage& Message) {
  if (OnMouseEnter) OnMouseEnter(this);
  TCustomPanel::CMMouseEnter(Message);
}

void TCustomExPanel::WMEraseBkgnd(TWMEraseBkgnd& Message) {
  if (FOptimizePaint) {
    Message.Result = 1;
    return;
  }
  TCustomPanel::WMEraseBkgnd(Message);
}

}  // namespace jorv::panel

namespace jorv::panel {

void TCustomExPanel::ApplySettings(TExPanelSettings* Settings) {
  if (!Settings) return;
  SetAnchorHint(Settings->AnchorHint());
  SetAutoHideChildren(Settings->AutoHideChildren());
  SetBevelInner(Settings->BevelInner());
  SetBevelOuter(Settings->BevelOuter());
  SetBevelWidth(Settings->BevelWidth());
  SetBorderColor(Settings->BorderColor());
  SetBorderShadow(Settings->BorderShadow());
  SetBorderStyle(Settings->BorderStyle());
  SetBorderWidth(Settings->BorderWidth());
  SetCanMove(Settings->CanMove());
  SetCanSize(Settings->CanSize());
  // The buttons belong to the panel, not to the look.
  const bool Close = FCaption->CloseButton(), MinMax = FCaption->MinMaxButton();
  FCaption->Assign(Settings->Caption());
  FCaption->SetCloseButton(Close);
  FCaption->SetMinMaxButton(MinMax);
  SetCollapsColor(Settings->CollapsColor());
  SetCollapsDelay(Settings->CollapsDelay());
  SetCollapsSteps(Settings->CollapsSteps());
  SetColor(Settings->Color());
  SetColorTo(Settings->ColorTo());
  SetColorMirror(Settings->ColorMirror());
  SetColorMirrorTo(Settings->ColorMirrorTo());
  SetCursor(Settings->Cursor());
  if (ParentFont())
    FCaption->SetFont(Font());
  else
    TControl::SetFont(Settings->Font());
  SetFixedTop(Settings->FixedTop());
  SetFixedLeft(Settings->FixedLeft());
  SetFixedHeight(Settings->FixedHeight());
  SetFixedWidth(Settings->FixedWidth());
  SetHover(Settings->Hover());
  SetHoverColor(Settings->HoverColor());
  SetHoverFontColor(Settings->HoverFontColor());
  SetIndent(Settings->Indent());
  SetShadowColor(Settings->ShadowColor());
  SetShadowOffset(Settings->ShadowOffset());
  SetShowMoveCursor(Settings->ShowMoveCursor());
  SetStatusBar(Settings->StatusBar());
  SetTextVAlign(Settings->TextVAlign());
  SetTopIndent(Settings->TopIndent());
  SetURLColor(Settings->URLColor());
}

void TCustomExPanel::AssignSettings(TExPanelSettings* Settings) {
  if (!Settings) return;
  ApplySettings(Settings);
  SetHeight(Settings->Height());
  SetWidth(Settings->Width());
  SetHint(Settings->Hint());
}

}  // namespace jorv::panel
