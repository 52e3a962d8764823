#include "edit/ExEditBtn.h"
#include "foundation/XPTheme.h"
#include "platform/gfx/Canvas.h"
#include "foundation/ZVQStyle.h"
#include "platform/ui/Screen.h"

namespace jorv::edit {
using namespace jorv::foundation;

namespace {

const TPoint Arrow[] = {{5, 7}, {11, 7}, {8, 10}};

bool KeyHeld(int VK) { return GetKeyState(VK) < 0; }

RECT ToRECT(const TRect& R) { return RECT{R.Left, R.Top, R.Right, R.Bottom}; }

void Shift(TRect& R, Integer DX, Integer DY) {
  R.Left += DX;
  R.Right += DX;
  R.Top += DY;
  R.Bottom += DY;
}

}  // namespace

// --- TExSpeedButton ------------------------------------------------------------

TExSpeedButton::TExSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {
  FIsWinXP = CommonControlsThemed();
}

void TExSpeedButton::SetEtched(bool Value) {
  if (FEtched == Value) return;
  FEtched = Value;
  Invalidate();
}

void TExSpeedButton::SetFocused(bool Value) {
  if (FFocused == Value) return;
  FFocused = Value;
  Invalidate();
}

void TExSpeedButton::CMMouseEnter(TMessage& M) {
  TSpeedButton::CMMouseEnter(M);
  FHot = true;
  Invalidate();
}

void TExSpeedButton::CMMouseLeave(TMessage& M) {
  TSpeedButton::CMMouseLeave(M);
  FHot = false;
  Invalidate();
}

bool TExSpeedButton::IsThemed() const { return FIsWinXP && IsThemeActive && IsThemeActive(); }

TEditButton* TExSpeedButton::ButtonWindow() const { return dynamic_cast<TEditButton*>(Owner()); }

TExEditBtn* TExSpeedButton::Edit() const {
  TEditButton* B = ButtonWindow();
  return B ? dynamic_cast<TExEditBtn*>(B->Owner()) : nullptr;
}

bool TExSpeedButton::EditDisabled() const {
  TExEditBtn* E = Edit();
  return E && (!E->Enabled() || E->ReadOnly());
}

Integer TExSpeedButton::ThemeState() const {
  if (EditDisabled()) return 4;
  if (IsPressed()) return 3;
  if (FHot) return 2;
  return 1;
}

TColor TExSpeedButton::StateColor(TColor Normal, TColor Hot, TColor Down) const {
  TColor C = Normal;
  if (FHot) C = Hot;
  if (IsPressed()) C = Down;
  return C;
}

void TExSpeedButton::DrawTheme(const wchar_t* ClassName, Integer Part, RECT R) {
  TEditButton* B = ButtonWindow();
  HTHEME T = OpenThemeData(B ? B->Handle() : nullptr, ClassName);
  if (!T) return;
  DrawThemeBackground(T, Canvas()->Handle(), Part, ThemeState(), &R, nullptr);
  CloseThemeData(T);
}

void TExSpeedButton::Paint() {
  TEditButton* B = ButtonWindow();
  TExEditBtn* E = Edit();
  if (!B || !E) {
    TSpeedButton::Paint();
    return;
  }
  TCanvas* C = Canvas();
  const TRect R = ClientRect();
  if (E->ButtonStyle() == bsDropDown)
    PaintDropDown(C, R);
  else
    PaintButton(C, R);
}

void TExSpeedButton::PaintDropDown(TCanvas* C, const TRect& R) {
  TEditButton* B = ButtonWindow();
  TExEditBtn* E = Edit();
  if (B->ButtonColor() != clNone) {
    C->Brush()->SetColor(StateColor(B->ButtonColor(), B->ButtonColorHot(), B->ButtonColorDown()));
    C->Pen()->SetColor(C->Brush()->Color());
    C->FillRect(R);
    C->Pen()->SetColor(E->BorderColor());
    C->MoveTo(0, R.Top);
    C->LineTo(0, R.Bottom);
    C->Brush()->SetColor(StateColor(B->ButtonTextColor(), B->ButtonTextColorHot(), B->ButtonTextColorDown()));
    C->Pen()->SetColor(C->Brush()->Color());
    C->Polygon(Arrow, 3);
    return;
  }
  if (IsThemed()) {
    RECT TR = ToRECT(R);
    if (IsVistaOrNewer()) {
      TR.left += 1;
    } else {
      InflateRect(&TR, 1, 1);
      TR.left += 2;
    }
    DrawTheme(L"combobox", 1, TR);
    return;
  }
  SetEnabled(E->Enabled() && !E->ReadOnly());
  TSpeedButton::Paint();
  const Integer W = Width(), H = Height();
  C->Pen()->SetWidth(1);
  C->Pen()->SetColor(clBtnFace);
  C->MoveTo(W - 2, 0);
  C->LineTo(0, 0);
  C->LineTo(0, H - 1);
  C->Pen()->SetColor(TColor(0xFFFFFF));
  C->MoveTo(W - 3, 1);
  C->LineTo(1, 1);
  C->LineTo(1, H - 2);
  if (Glyph()->Empty()) {
    C->Brush()->SetColor(clBlack);
    C->Pen()->SetColor(clBlack);
    C->Polygon(Arrow, 3);
  }
}

void TExSpeedButton::PaintButton(TCanvas* C, const TRect& R) {
  TEditButton* B = ButtonWindow();
  TExEditBtn* E = Edit();
  const bool Coloured = B->ButtonColor() != clNone;
  if (Coloured) {
    C->Brush()->SetColor(StateColor(B->ButtonColor(), B->ButtonColorHot(), B->ButtonColorDown()));
    C->Pen()->SetColor(C->Brush()->Color());
    C->FillRect(R);
    C->Pen()->SetColor(E->BorderColor());
    C->MoveTo(0, R.Top);
    C->LineTo(0, R.Bottom);
  } else if (IsThemed()) {
    C->FillRect(R);
    RECT TR = ToRECT(R);
    InflateRect(&TR, 1, 1);
    DrawTheme(L"button", 1, TR);
  } else {
    SetEnabled(E->Enabled() && !E->ReadOnly());
    if (!TSpeedButton::Flat()) {
      TSpeedButton::Paint();
      // The platform button drew its own glyph and caption.
      return;
    }
    RECT BR{0, 0, Width(), Height()};
    C->FillRect(TRect(0, 0, Width(), Height()));
    HBRUSH Face = CreateSolidBrush(ColorToRGB(clBtnFace));
    FillRect(C->Handle(), &BR, Face);
    DeleteObject(Face);
    BR.right += 1;
    BR.bottom += 1;
    UINT Flags = BF_RECT;
    if (FState == bsDown) Flags |= BF_FLAT;
    DrawEdge(C->Handle(), &BR, FEtched ? EDGE_ETCHED : EDGE_RAISED, Flags);
  }
  PaintGlyphAndCaption(C, R, Coloured);
}

void TExSpeedButton::PaintGlyphAndCaption(TCanvas* C, const TRect& R, bool Coloured) {
  TEditButton* B = ButtonWindow();
  TExEditBtn* E = Edit();
  TBitmap* G = Glyph();
  const String Cap = Caption();
  const bool HasGlyph = !G->Empty() && G->Width() > 0 && G->Height() > 0;
  const bool Down = FState == bsDown;
  if (HasGlyph) {
    TRect GR = R;
    Shift(GR, 1, 1);
    if (!Cap.empty())
      GR.Left += 2;
    else if (G->Width() < GR.Width())
      GR.Left += (GR.Width() - G->Width()) / 2;
    if (G->Height() < GR.Height()) GR.Top += (GR.Height() - G->Height()) / 2;
    if (Down) Shift(GR, 1, 1);
    G->SetTransparentMode(tmAuto);
    G->SetTransparent(true);
    C->Draw(GR.Left, GR.Top, G);
  }
  if (Cap.empty()) return;
  C->Font()->Assign(E->Font());
  if (B->ButtonTextColor() != clNone) C->Font()->SetColor(B->ButtonTextColor());
  if (EditDisabled()) C->Font()->SetColor(TColor(0x808080));
  if (FHot && B->ButtonTextColorHot() != clNone) C->Font()->SetColor(B->ButtonTextColorHot());
  if (IsPressed() && B->ButtonTextColorDown() != clNone) C->Font()->SetColor(B->ButtonTextColorDown());
  TRect TR = R;
  if (Coloured) TR.Left += 2;
  if (HasGlyph) {
    TR.Left += G->Width() + 2;
    TR.Top -= 1;
  } else {
    if (!Coloured) {
      TR.Left += 3;
      TR.Right -= 3;
      TR.Top += 1;
      TR.Bottom -= 1;
    }
    if (Down) Shift(TR, 1, 1);
  }
  C->Brush()->SetStyle(bsClear);
  RECT WR = ToRECT(TR);
  DrawTextW(C->Handle(), Cap.c_str(), static_cast<int>(Cap.size()), &WR, DT_CENTER | DT_TOP);
}

// --- TEditButton -------------------------------------------------------------

TEditButton::TEditButton(TComponent* AOwner) : TWinControl(AOwner) {
  TControlStyle S = ControlStyle();
  S.Exclude(csAcceptsControls);
  S.Exclude(csSetCaption);
  S.Include(csOpaque);
  SetControlStyle(S);
  FButton = new TExSpeedButton(this);
  FButton->SetParent(this);
  FButton->SetVisible(true);
  FButton->SetEnabled(Enabled());
  FButton->SetCaption(String());
  // Clicks are taken on the mouse-up, so a release after the pointer left
  // the button still counts.
  FButton->OnClick = [](TObject*) {};
  FButton->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    ButtonMouseUp(Sender, Button, Shift, X, Y);
  };
  SetBounds(0, 0, 16, 25);
}

void TEditButton::SetColorField(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (FButton) FButton->Invalidate();
}

void TEditButton::SetFocusControl(TWinControl* Value) {
  if (FFocusControl == Value) return;
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TEditButton::AdjustButtonBounds(Integer& AWidth, Integer& AHeight) {
  if (!FButton || ComponentState().Contains(csLoading)) return;
  AWidth = FBWidth;
  FButton->SetBounds(0, 0, FBWidth, AHeight);
}

void TEditButton::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  AdjustButtonBounds(AWidth, AHeight);
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TEditButton::WMSize(TWMSize& M) {
  TWinControl::WMSize(M);
  Integer W = Width(), H = Height();
  AdjustButtonBounds(W, H);
  if (W != Width() || H != Height()) TWinControl::SetBounds(Left(), Top(), W, H);
  M.Result = 0;
}

void TEditButton::Loaded() {
  TWinControl::Loaded();
  Integer W = Width(), H = Height();
  AdjustButtonBounds(W, H);
  if (W != Width() || H != Height()) TWinControl::SetBounds(Left(), Top(), W, H);
}

void TEditButton::ButtonMouseUp(TObject* Sender, TMouseButton Button, TShiftState, Integer, Integer) {
  if (Button != mbLeft) return;
  if (Sender == FButton && OnClick) OnClick(this);
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
    FFocusControl->SetFocus();
  else if (TabStop() && !Focused() && CanFocus())
    SetFocus();
}

// --- TExEditBtn ----------------------------------------------------------------

TExEditBtn::TExEditBtn(TComponent* AOwner) : TExEdit(AOwner) {
  SetTabStop(true);
  FButton = new TEditButton(this);
  FButton->SetBounds(0, 0, 17, 17);
  FButton->SetVisible(true);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](TObject* Sender) { DoClickBtn(Sender); };
  SetText(String());
  TControlStyle S = ControlStyle();
  S.Exclude(csSetCaption);
  SetControlStyle(S);
  FIndentR = 18;
  FIndentL = 0;
}

TExEditBtn::~TExEditBtn() {
  // The button window is an owned component and goes with the edit; nothing
  // may reach it through this pointer from here on.
  FButton = nullptr;
}

void TExEditBtn::PaintTo(HDC DC, Integer X, Integer Y) {
  TExEdit::PaintTo(DC, X, Y);
  if (FButton) FButton->PaintTo(DC, X + Width() - FButton->Width() - BorderWidth() - 2, Y + BorderWidth() + 2);
}

void TExEditBtn::PaintTo(TCanvas* Canvas, Integer X, Integer Y) { PaintTo(Canvas->Handle(), X, Y); }

void TExEditBtn::DoClickBtn(TObject*) {
  if (OnClickBtn) OnClickBtn(this);
}

void TExEditBtn::SetButtonStyle(TButtonStyle Value) {
  if (FButtonStyle == Value) return;
  FButtonStyle = Value;
  Invalidate();
  if (FButton) FButton->SpeedButton()->Invalidate();
}

void TExEditBtn::SetButtonWidth(Integer Value) {
  if (!FButton) return;
  FButton->SetBWidth(Value);
  FIndentR = Value + 3;
  if (FButton->HandleAllocated()) ResizeButton();
}

void TExEditBtn::SetButtonHint(const String& Value) {
  if (FButtonHint == Value) return;
  FButtonHint = Value;
  FButton->SetHint(Value);
  FButton->SetShowHint(!Value.empty());
}

void TExEditBtn::SetEtched(bool Value) {
  if (FEtched == Value) return;
  FEtched = Value;
  FButton->SpeedButton()->SetEtched(Value);
  Invalidate();
}

void TExEditBtn::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  FButton->SpeedButton()->SetFlat(Value);
  TExEdit::SetFlat(Value);
  // The size pass lays the button out for the new frame.
  SetBounds(Left(), Top(), Width() + 1, Height());
  SetBounds(Left(), Top(), Width() - 1, Height());
}

void TExEditBtn::SetReadOnly(bool Value) {
  TExEdit::SetReadOnly(Value);
  UpdateButtonEnabled();
}

void TExEditBtn::SetEnabled(bool Value) {
  TExEdit::SetEnabled(Value);
  UpdateButtonEnabled();
}

void TExEditBtn::CMEnabledChanged(TMessage& M) {
  TExEdit::CMEnabledChanged(M);
  UpdateButtonEnabled();
}

void TExEditBtn::UpdateButtonEnabled() {
  if (!FButton) return;
  FButton->SetEnabled(Enabled() && !TExEdit::ReadOnly());
  FButton->SpeedButton()->Invalidate();
}

Integer TExEditBtn::GetMinHeight() {
  HDC DC = GetDC(nullptr);
  TEXTMETRICW SysMetrics{}, Metrics{};
  GetTextMetricsW(DC, &SysMetrics);
  HGDIOBJ Old = SelectObject(DC, Font()->Handle());
  GetTextMetricsW(DC, &Metrics);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  return Metrics.tmHeight + std::min(SysMetrics.tmHeight, Metrics.tmHeight) / 4;
}

void TExEditBtn::ResizeButton() {
  const Integer Frame = FFlat ? 3 : (BorderStyle() == bsNone ? 1 : 4);
  const Integer Top = FFlat ? 2 : 0;
  const Integer Offset = Ctl3D() ? 0 : 2;
  const Integer MinHeight = GetMinHeight();
  if (Height() < MinHeight) {
    // The size message that follows places the button.
    SetBounds(Left(), this->Top(), Width(), MinHeight);
  } else if (FButton) {
    if (Ctl3D())
      FButton->SetBounds(Width() - FButton->BWidth() - Frame - Offset, Top, FButton->BWidth(), Height() - Frame);
    else
      FButton->SetBounds(Width() - FButton->BWidth() - Offset, 1, FButton->BWidth(), Height() - 2);
    SetEditRect();
  }
  Invalidate();
}

void TExEditBtn::SetEditRect() {
  if (!HandleAllocated() || ComponentState().Contains(csDestroying)) return;
  RECT R{};
  SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&R));
  RECT C{};
  GetClientRect(Handle(), &C);
  const Integer BW = FButton && FButton->Visible() ? FButton->Width() + 2 : 0;
  R.left = Ctl3D() ? 0 : 2;
  R.top = 0;
  R.right = C.right - BW - FUnitSize;
  R.bottom = C.bottom + 1;
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&R));
}

void TExEditBtn::CreateParams(TCreateParams& P) {
  // The enhanced edit already asks for a multi-line window unless it is a
  // password edit; its formatting rectangle keeps the text off the button.
  TExEdit::CreateParams(P);
  P.Style |= WS_CLIPCHILDREN;
}

void TExEditBtn::CreateWnd() {
  TExEdit::CreateWnd();
  SetBounds(Left(), Top(), Width() - 1, Height());
  SetBounds(Left(), Top(), Width() + 1, Height());
  ResizeButton();
  SetEditRect();
}

void TExEditBtn::Loaded() {
  TExEdit::Loaded();
  if (FButton) FButton->Loaded();
  ResizeButton();
  SetEditRect();
  UpdateButtonEnabled();
  if (!Glyph()->Empty()) Glyph()->SetTransparentMode(tmAuto);
}

void TExEditBtn::WMSize(TWMSize& M) {
  TExEdit::WMSize(M);
  ResizeButton();
}

void TExEditBtn::CMFontChanged(TMessage& M) {
  TExEdit::CMFontChanged(M);
  SetEditRect();
}

void TExEditBtn::CMEnter(TMessage& M) {
  if (AutoSelect() && !KeyHeld(VK_LBUTTON)) SelectAll();
  TExEdit::CMEnter(M);
  SetEditRect();
  UpdateButtonFocus();
}

void TExEditBtn::CMExit(TMessage& M) {
  TExEdit::CMExit(M);
  UpdateButtonFocus();
}

void TExEditBtn::MouseEnter() {
  TExEdit::MouseEnter();
  if (!Enabled()) return;
  FMouseInControl = true;
  UpdateButtonFocus();
}

void TExEditBtn::MouseLeave() {
  TExEdit::MouseLeave();
  if (!Enabled()) return;
  FMouseInControl = false;
  UpdateButtonFocus();
}

void TExEditBtn::UpdateButtonFocus() {
  if (!FFlat || !FButton) return;
  bool On;
  if (ComponentState().Contains(csDesigning))
    On = Enabled();
  else
    On = FMouseInControl || (Screen && Screen->ActiveControl() == this);
  FButton->SpeedButton()->SetFocused(On);
}

void TExEditBtn::WMKeyDown(TWMKey& M) {
  if (!FEditorEnabled && M.CharCode == VK_DELETE) {
    M.CharCode = 0;
    M.Result = 1;
    return;
  }
  const bool CtrlEnter = M.CharCode == VK_RETURN && KeyHeld(VK_CONTROL);
  TExEdit::WMKeyDown(M);
  if (CtrlEnter && HandleAllocated()) PostMessageW(Handle(), WM_KEYDOWN, VK_UP, 0);
}

void TExEditBtn::KeyDown(Word& Key, TShiftState Shift) {
  TExEdit::KeyDown(Key, Shift);
  if (Key == VK_F4 && !KeyHeld(VK_CONTROL) && !KeyHeld(VK_LMENU) && !KeyHeld(VK_RMENU) && !KeyHeld(VK_MENU))
    DoClickBtn(this);
}

void TExEditBtn::WMChar(TWMKey& M) {
  if (FEditorEnabled) {
    TExEdit::WMChar(M);
    return;
  }
  const Word Ch = M.CharCode;
  if ((Ch == 3 && EditType() != etPassword) || Ch == 13 || Ch == 27) TExEdit::WMChar(M);
}

void TExEditBtn::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case WM_CUT:
    case WM_PASTE:
      if (!FEditorEnabled || TExEdit::ReadOnly()) return;
      break;
    case WM_CLEAR:
    case WM_UNDO:
      // The context menu's Delete and Undo would change a locked text too.
      if (!FEditorEnabled) return;
      break;
    default: break;
  }
  TExEdit::Dispatch(M);
}

}  // namespace jorv::edit
