#include "platform/ui/Control.h"
#include <algorithm>
#include <cstdlib>
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WinControl.h"

namespace jorv {

namespace {
TControl* GCaptureControl = nullptr;
}  // namespace

// A control going away leaves the drag it takes part in.
static void ForgetDragControl(TControl* C);

// The control the mouse is over, for CM_MOUSEENTER / CM_MOUSELEAVE.
TControl* GMouseControl = nullptr;

TShiftState KeyboardStateToShiftState() {
  TShiftState S;
  if (GetKeyState(VK_SHIFT) < 0) S += ssShift;
  if (GetKeyState(VK_CONTROL) < 0) S += ssCtrl;
  if (GetKeyState(VK_MENU) < 0) S += ssAlt;
  if (GetKeyState(VK_LBUTTON) < 0) S += ssLeft;
  if (GetKeyState(VK_RBUTTON) < 0) S += ssRight;
  if (GetKeyState(VK_MBUTTON) < 0) S += ssMiddle;
  return S;
}

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState S;
  if (Keys & MK_SHIFT) S += ssShift;
  if (Keys & MK_CONTROL) S += ssCtrl;
  if (Keys & MK_LBUTTON) S += ssLeft;
  if (Keys & MK_RBUTTON) S += ssRight;
  if (Keys & MK_MBUTTON) S += ssMiddle;
  if (GetKeyState(VK_MENU) < 0) S += ssAlt;
  return S;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  TShiftState S;
  if (GetKeyState(VK_SHIFT) < 0) S += ssShift;
  if (GetKeyState(VK_CONTROL) < 0) S += ssCtrl;
  if (KeyData & 0x20000000) S += ssAlt;
  return S;
}

String GetShortHint(const String& Hint) {
  size_t I = Hint.find(L'|');
  return I == String::npos ? Hint : Hint.substr(0, I);
}

String GetLongHint(const String& Hint) {
  size_t I = Hint.find(L'|');
  return I == String::npos ? Hint : Hint.substr(I + 1);
}

// --- TSizeConstraints, TMargins ---------------------------------------------

void TSizeConstraints::Set(Integer& F, Integer V) {
  if (V < 0) V = 0;
  if (F == V) return;
  F = V;
  if (OnChange) OnChange(this);
}

void TSizeConstraints::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TSizeConstraints*>(Source)) {
    FMinWidth = S->FMinWidth;
    FMinHeight = S->FMinHeight;
    FMaxWidth = S->FMaxWidth;
    FMaxHeight = S->FMaxHeight;
    if (OnChange) OnChange(this);
    return;
  }
  TPersistent::Assign(Source);
}

void TSizeConstraints::Apply(Integer& W, Integer& H) const {
  if (FMaxWidth > 0 && W > FMaxWidth) W = FMaxWidth;
  if (FMinWidth > 0 && W < FMinWidth) W = FMinWidth;
  if (FMaxHeight > 0 && H > FMaxHeight) H = FMaxHeight;
  if (FMinHeight > 0 && H < FMinHeight) H = FMinHeight;
}

void TMargins::Set(Integer& F, Integer V) {
  if (F == V) return;
  F = V;
  if (OnChange) OnChange(this);
}

void TMargins::SetBounds(Integer L, Integer T, Integer R, Integer B) {
  if (L == FLeft && T == FTop && R == FRight && B == FBottom) return;
  FLeft = L;
  FTop = T;
  FRight = R;
  FBottom = B;
  if (OnChange) OnChange(this);
}

void TMargins::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TMargins*>(Source)) {
    SetBounds(S->FLeft, S->FTop, S->FRight, S->FBottom);
    return;
  }
  TPersistent::Assign(Source);
}

// --- TControl ---------------------------------------------------------------

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner),
      FMargins(std::make_unique<TMargins>()),
      FConstraints(std::make_unique<TSizeConstraints>()),
      FFont(std::make_unique<TFont>()) {
  FFont->OnChange = [this](TObject*) { FontChanged(); };
  FMargins->OnChange = [this](TObject*) {
    if (FAlignWithMargins) RequestAlign();
  };
  FConstraints->OnChange = [this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl() {
  ForgetDragControl(this);
  if (GCaptureControl == this) SetCaptureControl(nullptr);
  if (GMouseControl == this) GMouseControl = nullptr;
  if (Application) Application->ControlDestroying(this);
  if (FParent) FParent->RemoveControl(this);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage M{Msg, WParam, LParam, 0};
  if (FWindowProc) {
    // A copy: the handler may be put back while it runs.
    const TWndMethod Handler = FWindowProc;
    Handler(M);
  } else {
    WndProc(M);
  }
  return M.Result;
}

TWndMethod TControl::WindowProc() {
  if (FWindowProc) return FWindowProc;
  return [this](TMessage& Message) { WndProc(Message); };
}

void TControl::WndProc(TMessage& Message) {
  if (DragMessage(this, Message)) return;
  if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && FDragMode == dmAutomatic &&
      !FComponentState.Contains(csDesigning)) {
    BeginDrag(false);
    return;
  }
  if (Message.Msg == WM_MOUSEMOVE && Application)
    Application->HintMouseMessage(this, Message);
  Dispatch(Message);
}

void TControl::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case WM_LBUTTONDOWN: WMLButtonDown(MsgAs<TWMMouse>(M)); break;
    case WM_LBUTTONUP: WMLButtonUp(MsgAs<TWMMouse>(M)); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(MsgAs<TWMMouse>(M)); break;
    case WM_RBUTTONDOWN: WMRButtonDown(MsgAs<TWMMouse>(M)); break;
    case WM_RBUTTONUP: WMRButtonUp(MsgAs<TWMMouse>(M)); break;
    case WM_RBUTTONDBLCLK: WMRButtonDblClk(MsgAs<TWMMouse>(M)); break;
    case WM_MBUTTONDOWN: WMMButtonDown(MsgAs<TWMMouse>(M)); break;
    case WM_MBUTTONUP: WMMButtonUp(MsgAs<TWMMouse>(M)); break;
    case WM_MBUTTONDBLCLK: WMMButtonDblClk(MsgAs<TWMMouse>(M)); break;
    case WM_MOUSEMOVE: WMMouseMove(MsgAs<TWMMouse>(M)); break;
    case WM_MOUSEWHEEL: WMMouseWheel(M); break;
    case WM_CANCELMODE: WMCancelMode(M); break;
    case WM_CONTEXTMENU: WMContextMenu(MsgAs<TWMContextMenu>(M)); break;
    case CM_MOUSEENTER: CMMouseEnter(M); break;
    case CM_MOUSELEAVE: CMMouseLeave(M); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(M); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(M); break;
    case CM_FONTCHANGED: CMFontChanged(M); break;
    case CM_COLORCHANGED: CMColorChanged(M); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(M); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(M); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(M); break;
    case CM_TEXTCHANGED: CMTextChanged(M); break;
    case CM_HINTSHOW: CMHintShow(M); break;
    case CM_MOUSEWHEEL: CMMouseWheel(M); break;
    default: DefaultHandler(M);
  }
}

void TControl::DefaultHandler(TMessage& M) {
  // A windowless control keeps its text itself.
  switch (M.Msg) {
    case WM_GETTEXTLENGTH: M.Result = static_cast<LRESULT>(FText.size()); break;
    case WM_GETTEXT: {
      auto& Get = MsgAs<TWMGetText>(M);
      if (Get.TextMax > 0) {
        size_t N = std::min<size_t>(FText.size(), Get.TextMax - 1);
        std::copy_n(FText.data(), N, Get.Text);
        Get.Text[N] = 0;
        M.Result = static_cast<LRESULT>(N);
      }
      break;
    }
    case WM_SETTEXT: {
      const auto& Set = MsgAs<TWMSetText>(M);
      FText = Set.Text ? Set.Text : L"";
      M.Result = 1;
      break;
    }
  }
}

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent == this) throw EInvalidOperation(L"A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return FParent; }

bool TControl::CanResize(Integer& NewWidth, Integer& NewHeight) {
  FConstraints->Apply(NewWidth, NewHeight);
  return true;
}

void TControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (!CanResize(AWidth, AHeight)) return;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  bool Sized = AWidth != FWidth || AHeight != FHeight;
  Invalidate();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  if (!FAnchorMoving) UpdateAnchorRules();
  Invalidate();
  RequestAlign();
  if (Sized && !FComponentState.Contains(csLoading)) Resize();
}

void TControl::UpdateAnchorRules() {
  FAnchorRect = BoundsRect();
  if (FParent) {
    TRect R = FParent->ClientRect();
    FAnchorParentSize = {R.Width(), R.Height()};
  }
}

TRect TControl::ClientRect() { return Rect(0, 0, FWidth, FHeight); }

void TControl::SetClientSize(Integer W, Integer H) {
  TRect R = ClientRect();
  SetBounds(FLeft, FTop, FWidth - R.Width() + W, FHeight - R.Height() + H);
}

TPoint TControl::ClientOrigin() {
  if (!FParent) return {FLeft, FTop};
  TPoint P = FParent->ClientOrigin();
  return {P.X + FLeft, P.Y + FTop};
}

TPoint TControl::ClientToParent(const TPoint& P, TWinControl* AParent) {
  if (!AParent) AParent = FParent;
  if (!AParent) throw EInvalidOperation(L"Control '" + Name() + L"' has no parent window");
  TPoint R = P;
  const TControl* C = this;
  while (C && C != AParent) {
    R.X += C->FLeft;
    R.Y += C->FTop;
    C = C->FParent;
  }
  if (!C) throw EInvalidOperation(L"Control '" + Name() + L"' is not a child of the given parent");
  return R;
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  TAlign Old = FAlign;
  FAlign = Value;
  // Aligned to a side, the anchors are those of that side.
  switch (Value) {
    case alTop: FAnchors = {akLeft, akTop, akRight}; break;
    case alBottom: FAnchors = {akLeft, akRight, akBottom}; break;
    case alLeft: FAnchors = {akLeft, akTop, akBottom}; break;
    case alRight: FAnchors = {akRight, akTop, akBottom}; break;
    case alClient: FAnchors = {akLeft, akTop, akRight, akBottom}; break;
    default:
      if (Old != alNone && Old != alCustom) FAnchors = {akLeft, akTop};
  }
  RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
  if (FAnchors == Value) return;
  FAnchors = Value;
  UpdateAnchorRules();
}

void TControl::SetAlignWithMargins(bool Value) {
  if (FAlignWithMargins == Value) return;
  FAlignWithMargins = Value;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (FParent) FParent->AlignControl(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  VisibleChanging();
  if (!Value) Invalidate();
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value);
  RequestAlign();
}

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  if (!FUpdatingFromParent) FParentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (Value && FParent) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (Value && FParent) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
  if (!FUpdatingFromParent) FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetShowHint(bool Value) {
  if (FShowHint == Value && !FParentShowHint) return;
  FShowHint = Value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (Value && FParent) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (FPopupMenu == Value) return;
  // The link to a menu given up stays: it is shared with the menu's own
  // reference to the control it pops up for, and an extra notice is harmless.
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

String TControl::GetText() const { return FText; }

void TControl::SetTextValue(const String& Value) { FText = Value; }

void TControl::SetText(const String& Value) {
  if (GetText() == Value) return;
  SetTextValue(Value);
  Perform(CM_TEXTCHANGED);
}

Integer TControl::GetTextLen() const { return static_cast<Integer>(GetText().size()); }

Integer TControl::GetTextBuf(Char* Buffer, Integer BufSize) const {
  if (BufSize <= 0 || !Buffer) return 0;
  String T = GetText();
  Integer N = std::min<Integer>(static_cast<Integer>(T.size()), BufSize - 1);
  std::copy_n(T.data(), N, Buffer);
  Buffer[N] = 0;
  return N;
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
  if (MouseCapture() == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

void TControl::Invalidate() {
  if (FParent && FParent->HandleAllocated()) {
    RECT R{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
    InvalidateRect(FParent->Handle(), &R, !FControlStyle.Contains(csOpaque));
  }
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::BringToFront() {
  if (!FParent) return;
  auto& L = FParent->FControls;
  L.erase(std::find(L.begin(), L.end(), this));
  // Windowless controls always lie below windowed ones; keep them together
  // so the parent paints them in list order.
  L.push_back(this);
  if (auto* W = dynamic_cast<TWinControl*>(this); W && W->HandleAllocated())
    SetWindowPos(W->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Invalidate();
}

void TControl::SendToBack() {
  if (!FParent) return;
  auto& L = FParent->FControls;
  L.erase(std::find(L.begin(), L.end(), this));
  L.insert(L.begin(), this);
  if (auto* W = dynamic_cast<TWinControl*>(this); W && W->HandleAllocated())
    SetWindowPos(W->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Invalidate();
}

void TControl::PaintTo(HDC DC, Integer X, Integer Y) {
  int Saved = SaveDC(DC);
  POINT Old;
  OffsetViewportOrgEx(DC, X, Y, &Old);
  IntersectClipRect(DC, 0, 0, FWidth, FHeight);
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  RestoreDC(DC, Saved);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParent) {
    if (FParentColor) Perform(CM_PARENTCOLORCHANGED);
    if (FParentFont) Perform(CM_PARENTFONTCHANGED);
  }
  RequestAlign();
}

void TControl::ChangeScale(Integer M, Integer D) {
  if (M == D || D == 0) return;
  SetBounds(MulDiv(FLeft, M, D), MulDiv(FTop, M, D), MulDiv(FWidth, M, D), MulDiv(FHeight, M, D));
  if (!FParentFont) {
    FUpdatingFromParent = true;
    FFont->SetHeight(MulDiv(FFont->Height(), M, D));
    FUpdatingFromParent = false;
  }
}

TCustomForm* TControl::GetParentForm() const {
  const TControl* C = this;
  while (C->FParent) C = C->FParent;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(C));
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

// --- mouse ------------------------------------------------------------------

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

bool TControl::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  bool Handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, Handled);
  if (!Handled) {
    if (WheelDelta < 0)
      Handled = DoMouseWheelDown(Shift, MousePos);
    else if (WheelDelta > 0)
      Handled = DoMouseWheelUp(Shift, MousePos);
  }
  return Handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool Handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, Handled);
  return Handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool Handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, Handled);
  return Handled;
}

void TControl::DoMouseDown(TWMMouse& M, TMouseButton Button, TShiftState Shift) {
  if (!FControlStyle.Contains(csNoStdEvents))
    MouseDown(Button, KeysToShiftState(M.Keys) + Shift, M.XPos, M.YPos);
}

void TControl::DoMouseUp(TWMMouse& M, TMouseButton Button) {
  if (!FControlStyle.Contains(csNoStdEvents))
    MouseUp(Button, KeysToShiftState(M.Keys), M.XPos, M.YPos);
}

void TControl::WMLButtonDown(TWMMouse& M) {
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) FControlState += csClicked;
  DefaultHandler(MsgBase(M));
  DoMouseDown(M, mbLeft, {});
}

void TControl::WMLButtonUp(TWMMouse& M) {
  DefaultHandler(MsgBase(M));
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (FControlState.Contains(csClicked)) {
    FControlState -= csClicked;
    if (ClientRect().Contains(M.Pos())) Click();
  }
  DoMouseUp(M, mbLeft);
}

void TControl::WMLButtonDblClk(TWMMouse& M) {
  DefaultHandler(MsgBase(M));
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) DblClick();
  DoMouseDown(M, mbLeft, {ssDouble});
}

void TControl::WMRButtonDown(TWMMouse& M) {
  DefaultHandler(MsgBase(M));
  DoMouseDown(M, mbRight, {});
}

void TControl::WMRButtonUp(TWMMouse& M) {
  if (dynamic_cast<TWinControl*>(this)) {
    // The button is up before the context menu runs (the system's handling
    // of the release asks the window for it): a command chosen there may
    // free this control, and nothing of it may be touched afterwards.
    DoMouseUp(M, mbRight);
    DefaultHandler(MsgBase(M));
    return;
  }
  // A windowless control asks through its parent's window, which hands the
  // request to the control under the point.
  HWND H = FParent && FParent->HandleAllocated() ? FParent->Handle() : nullptr;
  TPoint P = ClientToScreen({M.XPos, M.YPos});
  DoMouseUp(M, mbRight);
  if (H)
    SendMessageW(H, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(H),
                 MAKELPARAM(static_cast<Word>(P.X), static_cast<Word>(P.Y)));
}

void TControl::WMRButtonDblClk(TWMMouse& M) {
  DefaultHandler(MsgBase(M));
  DoMouseDown(M, mbRight, {ssDouble});
}

void TControl::WMMButtonDown(TWMMouse& M) {
  DefaultHandler(MsgBase(M));
  DoMouseDown(M, mbMiddle, {});
}

void TControl::WMMButtonUp(TWMMouse& M) {
  DefaultHandler(MsgBase(M));
  DoMouseUp(M, mbMiddle);
}

void TControl::WMMButtonDblClk(TWMMouse& M) {
  DefaultHandler(MsgBase(M));
  DoMouseDown(M, mbMiddle, {ssDouble});
}

void TControl::WMMouseMove(TWMMouse& M) {
  DefaultHandler(MsgBase(M));
  if (!FControlStyle.Contains(csNoStdEvents)) MouseMove(KeysToShiftState(M.Keys), M.XPos, M.YPos);
}

void TControl::WMMouseWheel(TMessage& M) {
  // Offered to the control as CM_MOUSEWHEEL first; unhandled, the window
  // gets the default (which passes it to the parent).
  M.Result = Perform(CM_MOUSEWHEEL, M.WParam, M.LParam);
  if (M.Result == 0) DefaultHandler(M);
}

void TControl::CMMouseWheel(TMessage& M) {
  const auto& Wheel = MsgAs<TCMMouseWheel>(M);
  TPoint P{Wheel.XPos, Wheel.YPos};
  M.Result = DoMouseWheel(KeysToShiftState(Wheel.Keys), Wheel.WheelDelta, P) ? 1 : 0;
}

void TControl::WMCancelMode(TMessage& M) {
  if (MouseCapture()) SetMouseCapture(false);
  DefaultHandler(M);
}

void TControl::WMContextMenu(TWMContextMenu& M) {
  TPoint P{M.XPos, M.YPos};
  // (-1, -1): asked for from the keyboard, not at a point.
  TPoint C{-1, -1};
  if (P.X != -1 || P.Y != -1) {
    C = ScreenToClient(P);
    // Over a scroll bar or the caption the system's own menu is meant.
    if (!ClientRect().Contains(C)) {
      DefaultHandler(MsgBase(M));
      return;
    }
    if (auto* W = dynamic_cast<TWinControl*>(this))
      if (TControl* Child = W->ControlAtPos(C, false)) {
        M.Result = Child->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(M.hWnd),
                                  MAKELPARAM(static_cast<Word>(P.X), static_cast<Word>(P.Y)));
        if (M.Result) return;
      }
  }
  bool Handled = false;
  if (OnContextPopup) OnContextPopup(this, C, Handled);
  // Without a menu of its own a window leaves the request to the system,
  // which lets a native control show its menu or passes it to the parent.
  if (Handled || (FPopupMenu && ShowControlPopupMenu(this, P))) {
    M.Result = 1;
    return;
  }
  DefaultHandler(MsgBase(M));
}

void TControl::CMMouseEnter(TMessage& M) {
  if (!MsgAs<TCMMouseEnter>(M).Control) MouseEnter();
}

void TControl::CMMouseLeave(TMessage& M) {
  if (!MsgAs<TCMMouseLeave>(M).Control) MouseLeave();
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMVisibleChanged(TMessage&) { Invalidate(); }

void TControl::CMFontChanged(TMessage&) { Invalidate(); }

void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage& M) {
  if (!FParentFont) return;
  const auto& Changed = MsgAs<TCMParentFontChanged>(M);
  TFont* Source = Changed.Given ? Changed.Font : (FParent ? FParent->Font() : nullptr);
  if (!Source) return;
  FUpdatingFromParent = true;
  FFont->Assign(Source);
  FUpdatingFromParent = false;
}

void TControl::CMParentColorChanged(TMessage& M) {
  if (!FParentColor) return;
  const auto& Changed = MsgAs<TCMParentColorChanged>(M);
  TColor C = Changed.Given ? static_cast<TColor>(Changed.Color) : (FParent ? FParent->Color() : FColor);
  FUpdatingFromParent = true;
  SetColor(C);
  FUpdatingFromParent = false;
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (FParentShowHint && FParent) FShowHint = FParent->ShowHint();
}

void TControl::CMTextChanged(TMessage&) { Invalidate(); }

void TControl::CMHintShow(TMessage& M) { M.Result = 0; }

// --- drag and drop ----------------------------------------------------------

// The one drag of the application: the source holds the mouse capture, so
// every mouse message of the drag reaches the source's window, which hands
// it here (DragMessage).
struct TDragSession {
  TControl* Source = nullptr;
  TDragObject* Object = nullptr;
  TPoint Start;
  Integer Threshold = DefaultDragThreshold;
  bool Active = false;      // the mouse went past the threshold
  TControl* Target = nullptr;
  bool Accepted = false;

  static TDragSession& Current() {
    static TDragSession S;
    return S;
  }
  TObject* SourceObject() const { return Object ? static_cast<TObject*>(Object) : Source; }

  static void Forget(TControl* C) {
    TDragSession& S = Current();
    if (S.Target == C) S.Target = nullptr;
    if (S.Source == C) S = TDragSession{};
  }

  // Asks Target about the drag at screen point P.
  bool Ask(TControl* T, const TPoint& P, TDragState State) {
    bool Accept = static_cast<bool>(T->OnDragOver);
    TPoint C = T->ScreenToClient(P);
    T->DragOver(SourceObject(), C.X, C.Y, State, Accept);
    return Accept;
  }

  void MoveTo(const TPoint& P) {
    if (!Active) {
      if (std::abs(P.X - Start.X) < Threshold && std::abs(P.Y - Start.Y) < Threshold) return;
      Active = true;
    }
    TControl* Over = FindDragTarget(P, false);
    if (Over != Target) {
      TControl* Old = Target;
      Target = nullptr;
      if (Old) Ask(Old, P, dsDragLeave);
      // A handler may have ended the drag.
      if (!Source) return;
      Target = Over;
      Accepted = Target && Ask(Target, P, dsDragEnter);
    } else if (Target) {
      Accepted = Ask(Target, P, dsDragMove);
    }
    if (!Source) return;
    if (Object) {
      Object->FDragTarget = Target;
      Object->FDragPos = P;
    }
    if (Screen) ::SetCursor(Screen->Cursors(Accepted ? Source->DragCursor() : crNoDrop));
  }

  // Ends the drag; the state is cleared before any handler runs, so a
  // handler may start the next one.
  void Done(bool Drop) {
    if (!Source) return;
    TDragSession S = *this;
    *this = TDragSession{};
    if (S.Source->MouseCapture()) SetCaptureControl(nullptr);
    TPoint P;
    GetCursorPos(reinterpret_cast<POINT*>(&P));
    bool Dropped = Drop && S.Active && S.Target && S.Accepted;
    if (S.Object) {
      S.Object->FDropped = Dropped;
      S.Object->FCancelling = !Drop;
    }
    TPoint C = S.Target ? S.Target->ScreenToClient(P) : TPoint{0, 0};
    if (S.Target) {
      if (Dropped) {
        S.Target->DragDrop(S.SourceObject(), C.X, C.Y);
      } else {
        bool Accept = false;
        S.Target->DragOver(S.SourceObject(), C.X, C.Y, dsDragLeave, Accept);
      }
    }
    if (Screen) ::SetCursor(Screen->Cursors(crDefault));
    S.Source->DoEndDrag(Dropped ? S.Target : nullptr, Dropped ? C.X : 0, Dropped ? C.Y : 0);
  }
};

static void ForgetDragControl(TControl* C) { TDragSession::Forget(C); }

void TControl::BeginDrag(bool Immediate, Integer Threshold) {
  TDragSession& S = TDragSession::Current();
  if (S.Source) return;
  const TControl* W = dynamic_cast<TWinControl*>(this) ? this : FParent;
  if (!W) throw EInvalidOperation(L"Control '" + Name() + L"' has no parent window");
  FControlState -= csLButtonDown;
  FControlState -= csClicked;
  S.Source = this;
  S.Threshold = Threshold < 0 ? DefaultDragThreshold : Threshold;
  GetCursorPos(reinterpret_cast<POINT*>(&S.Start));
  {
    auto Undo = ScopeExit([&] { S = TDragSession{}; });
    TDragObject* Object = nullptr;
    DoStartDrag(Object);
    S.Object = Object;
    Undo.Dismiss();
  }
  // A handler may have ended it already.
  if (S.Source != this) return;
  SetCaptureControl(this);
  if (Immediate) {
    S.Active = true;
    S.MoveTo(S.Start);
  }
}

void TControl::EndDrag(bool Drop) {
  if (Dragging()) TDragSession::Current().Done(Drop);
}

bool TControl::Dragging() const { return TDragSession::Current().Source == this; }

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, Integer X, Integer Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, Integer X, Integer Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void CancelDrag() { TDragSession::Current().Done(false); }

TControl* DragControl() { return TDragSession::Current().Source; }

bool DragMessage(TControl* Control, TMessage& M) {
  TDragSession& S = TDragSession::Current();
  if (!S.Source) return false;
  auto* W = dynamic_cast<TWinControl*>(Control);
  // The window that holds the capture for the source: its own, or its
  // parent's for a windowless one.
  bool Holder = S.Source == Control || (W && S.Source->Parent() == W && !dynamic_cast<TWinControl*>(S.Source));
  if (!Holder) return false;
  if (M.Msg == WM_CAPTURECHANGED) {
    if (!W || MsgAs<TWMCaptureChanged>(M).NewCapture != W->Handle()) S.Done(false);
    return false;
  }
  if (M.Msg < WM_MOUSEFIRST || M.Msg > WM_MOUSELAST || M.Msg == WM_MOUSEWHEEL) return false;
  // Windowless sources see the messages in their own coordinates.
  if (W && S.Source != Control) return false;
  auto& Mouse = MsgAs<TWMMouse>(M);
  TPoint P = Control->ClientToScreen(Mouse.Pos());
  switch (M.Msg) {
    case WM_MOUSEMOVE: S.MoveTo(P); break;
    case WM_LBUTTONUP: S.MoveTo(P); S.Done(true); break;
    case WM_RBUTTONDOWN: S.Done(false); break;
    default: break;
  }
  M.Result = 0;
  return true;
}

// --- capture ----------------------------------------------------------------

TControl* GetCaptureControl() {
  HWND H = GetCapture();
  TControl* C = FindControl(H);
  if (C && GCaptureControl && GCaptureControl->Parent() == C) return GCaptureControl;
  if (!C && GCaptureControl && dynamic_cast<TWinControl*>(GCaptureControl) == nullptr &&
      GCaptureControl->Parent() && GCaptureControl->Parent()->HandleAllocated() &&
      GCaptureControl->Parent()->Handle() == H)
    return GCaptureControl;
  return C;
}

void SetCaptureControl(TControl* Control) {
  GCaptureControl = nullptr;
  if (!Control) {
    ReleaseCapture();
    return;
  }
  if (auto* W = dynamic_cast<TWinControl*>(Control)) {
    SetCapture(W->Handle());
    return;
  }
  if (!Control->Parent()) return;
  GCaptureControl = Control;
  SetCapture(Control->Parent()->Handle());
}

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
  HWND H = WindowFromPoint(POINT{Pos.X, Pos.Y});
  while (H && !FindControl(H)) H = GetParent(H);
  TWinControl* W = FindControl(H);
  if (!W) return nullptr;
  TControl* C = W->ControlAtPos(W->ScreenToClient(Pos), AllowDisabled);
  return C ? C : W;
}

}  // namespace jorv
