#include "platform/ui/WinControl.h"
#include <algorithm>
#include "platform/gfx/Canvas.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WindowProc.h"

namespace jorv {

extern TControl* GMouseControl;

TWinControl* FindControl(HWND Handle) {
  // The inner windows of a native control (a combo box's edit) are bound to
  // the control too, but are not its window.
  auto* Control = dynamic_cast<TWinControl*>(WindowObject(Handle));
  return Control && Control->FHandle == Handle ? Control : nullptr;
}

bool IsOurWindow(HWND Handle) { return FindControl(Handle) != nullptr; }

void TWinControl::WindowMessage(HWND Window, TMessage& Message) {
  if (!FHandle) FHandle = Window;
  if (FWindowProc) {
    // A copy: the handler may be put back while it runs.
    const TWndMethod Handler = FWindowProc;
    Handler(Message);
  } else {
    WndProc(Message);
  }
}

// --- construction -----------------------------------------------------------

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FBrush(std::make_unique<TBrush>()) {
  FBrush->SetColor(FColor);
}

TWinControl::~TWinControl() {
  // Leaves the parent while this is still a windowed control, so that the
  // parent drops it from its tab order too (a control deleted by its owner
  // rather than by its parent would stay there, dangling).
  if (FParent) FParent->RemoveControl(this);
  // The children go first, while this is still a whole windowed control.
  while (!FControls.empty()) {
    TControl* C = FControls.back();
    RemoveControl(C);
    delete C;
  }
  DestroyHandle();
}

TWinControl* TWinControl::CreateParented(HWND ParentWindow) {
  auto* C = new TWinControl(nullptr);
  C->SetParentWindow(ParentWindow);
  return C;
}

void TWinControl::SetParentWindow(HWND Value) {
  if (FParent || FParentWindow == Value) return;
  if (HandleAllocated()) DestroyHandle();
  FParentWindow = Value;
  UpdateShowing();
}

// --- window creation --------------------------------------------------------

void TWinControl::CreateParams(TCreateParams& P) {
  P.Caption = FText;
  P.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (FVisible) P.Style |= WS_VISIBLE;
  if (!FEnabled) P.Style |= WS_DISABLED;
  if (FTabStop) P.Style |= WS_TABSTOP;
  P.X = FLeft;
  P.Y = FTop;
  P.Width = FWidth;
  P.Height = FHeight;
  if (FParent)
    P.WndParent = FParent->HandleAllocated() ? FParent->FHandle : nullptr;
  else
    P.WndParent = FParentWindow;
  P.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  P.WindowClass.lpfnWndProc = DefWindowProcW;
  P.WindowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  P.WindowClass.hbrBackground = nullptr;
  P.WinClassName = L"Jorv" + ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& P, const wchar_t* ClassName) {
  WNDCLASSW Native{};
  if (!GetClassInfoW(nullptr, ClassName, &Native) &&
      !GetClassInfoW(GetModuleHandleW(nullptr), ClassName, &Native))
    throw EOutOfResources(L"Window class '" + String(ClassName) + L"' is not registered");
  P.WindowClass = Native;
  P.SubClassName = ClassName;
}

void TWinControl::CreateWindowHandle(const TCreateParams& P) {
  HWND H = CreateObjectWindow(WindowTarget<&TWinControl::WindowMessage>(this), P.ExStyle,
                              P.WinClassName.c_str(), P.Caption.c_str(), P.Style, P.X, P.Y, P.Width,
                              P.Height, P.WndParent, P.Param);
  // No message reached our procedure during creation.
  if (H && !FHandle) FHandle = H;
}

void TWinControl::CreateWnd() {
  TCreateParams P;
  CreateParams(P);
  if ((P.Style & WS_CHILD) && !P.WndParent)
    throw EInvalidOperation(L"Control '" + Name() + L"' has no parent window");
  FDefWndProc = P.WindowClass.lpfnWndProc ? P.WindowClass.lpfnWndProc : DefWindowProcW;
  WNDCLASSW WC = P.WindowClass;
  WC.lpszClassName = P.WinClassName.c_str();
  if (!RegisterWindowClass(WC))
    throw EOutOfResources(L"Cannot register the window class of '" + Name() + L"'");
  CreateWindowHandle(P);
  if (!FHandle) throw EOutOfResources(L"Error creating window of '" + Name() + L"'");
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), 0);
  UpdateBounds();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  if (FParent) FParent->HandleNeeded();
  if (FHandle) return;
  FControlState += csCreating;
  {
    auto Restore = ScopeExit([&] { FControlState -= csCreating; });
    CreateWnd();
  }
  CreateChildHandles();
  Realign();
}

void TWinControl::CreateChildHandles() {
  for (TControl* C : std::vector<TControl*>(FControls))
    if (auto* W = dynamic_cast<TWinControl*>(C); W && W->FVisible && !W->FHandle) W->CreateHandle();
}

void TWinControl::DestroyChildHandles() {
  for (TControl* C : FControls)
    if (auto* W = dynamic_cast<TWinControl*>(C)) W->DestroyHandle();
}

void TWinControl::HandleNeeded() {
  if (!FHandle) CreateHandle();
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::DestroyWindowHandle() {
  if (FHandle) DestroyWindow(FHandle);
  FHandle = nullptr;
}

void TWinControl::DestroyWnd() {
  // A native control keeps its text in its window.
  if (FDefWndProc && FDefWndProc != DefWindowProcW) FText = GetText();
  DestroyWindowHandle();
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  FControlState += csDestroyingHandle;
  DestroyChildHandles();
  DestroyWnd();
  FControlState -= csDestroyingHandle;
  FShowing = false;
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  bool Focus = Focused();
  FControlState += csRecreating;
  DestroyHandle();
  FControlState -= csRecreating;
  UpdateShowing();
  HandleNeeded();
  if (Focus && CanFocus()) ::SetFocus(FHandle);
}

void TWinControl::WMNCDestroy(TMessage& M) {
  DefaultHandler(M);
  FHandle = nullptr;
  FShowing = false;
  FTrackingMouse = false;
}

// --- children ---------------------------------------------------------------

void TWinControl::InsertControl(TControl* C) {
  if (!C || C->FParent == this) return;
  if (auto* W = dynamic_cast<TWinControl*>(C)) {
    if (W->ContainsControl(this)) throw EInvalidOperation(L"A control cannot be a child of its own child");
  }
  // Windowless controls lie below the windowed ones, in their own order.
  if (dynamic_cast<TWinControl*>(C)) {
    FControls.push_back(C);
    FTabList.push_back(static_cast<TWinControl*>(C));
  } else {
    auto It = std::find_if(FControls.begin(), FControls.end(),
                           [](TControl* X) { return dynamic_cast<TWinControl*>(X) != nullptr; });
    FControls.insert(It, C);
  }
  C->FParent = this;
  C->Perform(CM_PARENTCOLORCHANGED);
  C->Perform(CM_PARENTFONTCHANGED);
  C->Perform(CM_PARENTSHOWHINTCHANGED);
  C->UpdateAnchorRules();
  if (auto* W = dynamic_cast<TWinControl*>(C)) {
    if (FHandle && W->FVisible) {
      if (W->FHandle) W->DestroyHandle();
      W->UpdateShowing();
    }
  } else {
    C->Invalidate();
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(C), 1);
  AlignControl(C);
}

void TWinControl::RemoveControl(TControl* C) {
  auto It = std::find(FControls.begin(), FControls.end(), C);
  if (It == FControls.end()) return;
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(C), 0);
  if (auto* W = dynamic_cast<TWinControl*>(C)) {
    if (TCustomForm* F = GetParentForm()) F->ControlRemoving(W);
    W->DestroyHandle();
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), W), FTabList.end());
  } else {
    C->Invalidate();
  }
  if (GMouseControl == C) GMouseControl = nullptr;
  FControls.erase(std::find(FControls.begin(), FControls.end(), C));
  C->FParent = nullptr;
  Realign();
}

void TWinControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent) FParentWindow = nullptr;
  TControl::SetParent(AParent);
  if (!FParent && FHandle && !FParentWindow) DestroyHandle();
}

bool TWinControl::ContainsControl(const TControl* Control) const {
  while (Control && Control != this) Control = Control->FParent;
  return Control == this;
}

TControl* TWinControl::ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls) {
  for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
    TControl* C = *It;
    bool IsWin = dynamic_cast<TWinControl*>(C) != nullptr;
    if (IsWin && !AllowWinControls) continue;
    if (!C->FVisible || (!C->FEnabled && !AllowDisabled)) continue;
    if (C->BoundsRect().Contains(Pos)) return C;
  }
  return nullptr;
}

// --- alignment --------------------------------------------------------------

void TWinControl::EnableAlign() {
  if (--FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::RequestAlign() { TControl::RequestAlign(); }

void TWinControl::AlignControl(TControl* AControl) {
  if (FAlignLevel > 0 || FComponentState.Contains(csLoading) || FControlState.Contains(csAligning)) {
    FControlState += csAlignmentNeeded;
    return;
  }
  FControlState -= csAlignmentNeeded;
  FControlState += csAligning;
  auto Restore = ScopeExit([&] { FControlState -= csAligning; });
  TRect R = ClientRect();
  AlignControls(AControl, R);
}

void TWinControl::AdjustClientRect(TRect& R) {
  R.Left += FBorderWidth;
  R.Top += FBorderWidth;
  R.Right -= FBorderWidth;
  R.Bottom -= FBorderWidth;
}

void TWinControl::AlignControls(TControl* AControl, TRect& R) {
  (void)AControl;
  AdjustClientRect(R);
  const TAlign Order[] = {alTop, alBottom, alLeft, alRight, alClient};
  for (TAlign A : Order) {
    std::vector<TControl*> L;
    for (TControl* C : FControls)
      if (C->FAlign == A && C->FVisible) L.push_back(C);
    // The side nearest the edge goes first.
    auto Key = [A](TControl* C) {
      switch (A) {
        case alTop: return C->FTop;
        case alBottom: return -(C->FTop + C->FHeight);
        case alLeft: return C->FLeft;
        case alRight: return -(C->FLeft + C->FWidth);
        default: return 0;
      }
    };
    std::stable_sort(L.begin(), L.end(), [&](TControl* X, TControl* Y) { return Key(X) < Key(Y); });
    for (TControl* C : L) {
      Integer ML = 0, MT = 0, MR = 0, MB = 0;
      if (C->FAlignWithMargins) {
        ML = C->FMargins->Left();
        MT = C->FMargins->Top();
        MR = C->FMargins->Right();
        MB = C->FMargins->Bottom();
      }
      Integer W = std::max(0, R.Width() - ML - MR);
      Integer H = std::max(0, R.Height() - MT - MB);
      switch (A) {
        case alTop:
          C->SetBounds(R.Left + ML, R.Top + MT, W, C->FHeight);
          R.Top += C->FHeight + MT + MB;
          break;
        case alBottom:
          C->SetBounds(R.Left + ML, R.Bottom - MB - C->FHeight, W, C->FHeight);
          R.Bottom -= C->FHeight + MT + MB;
          break;
        case alLeft:
          C->SetBounds(R.Left + ML, R.Top + MT, C->FWidth, H);
          R.Left += C->FWidth + ML + MR;
          break;
        case alRight:
          C->SetBounds(R.Right - MR - C->FWidth, R.Top + MT, C->FWidth, H);
          R.Right -= C->FWidth + ML + MR;
          break;
        case alClient:
          C->SetBounds(R.Left + ML, R.Top + MT, W, H);
          break;
        default: break;
      }
    }
  }
  // Anchored controls keep their distances to the anchored sides.
  TRect CR = ClientRect();
  for (TControl* C : FControls) {
    if (C->FAlign != alNone || C->FAnchors == TAnchors{akLeft, akTop}) continue;
    if (C->FAnchorParentSize.cx == 0 && C->FAnchorParentSize.cy == 0) continue;
    Integer DX = CR.Width() - C->FAnchorParentSize.cx;
    Integer DY = CR.Height() - C->FAnchorParentSize.cy;
    TRect B = C->FAnchorRect;
    Integer L = B.Left, T = B.Top, W = B.Width(), H = B.Height();
    bool AL = C->FAnchors.Contains(akLeft), AR = C->FAnchors.Contains(akRight);
    bool AT = C->FAnchors.Contains(akTop), AB = C->FAnchors.Contains(akBottom);
    if (AL && AR) W += DX;
    else if (AR) L += DX;
    else if (!AL) L += DX / 2;
    if (AT && AB) H += DY;
    else if (AB) T += DY;
    else if (!AT) T += DY / 2;
    C->FAnchorMoving = true;
    auto Restore = ScopeExit([&] { C->FAnchorMoving = false; });
    C->SetBounds(L, T, std::max(0, W), std::max(0, H));
  }
}

void TWinControl::ScaleBy(Integer M, Integer D) {
  DisableAlign();
  for (TControl* C : FControls) C->ChangeScale(M, D);
  EnableAlign();
}

// --- bounds -----------------------------------------------------------------

bool TWinControl::Showing() const {
  if (!FVisible || !FHandle) return false;
  if (FParent) return FParent->Showing();
  return IsWindowVisible(FHandle) != FALSE;
}

void TWinControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (!CanResize(AWidth, AHeight)) return;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  bool Sized = AWidth != FWidth || AHeight != FHeight;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  if (!FAnchorMoving) UpdateAnchorRules();
  if (FHandle && !IsIconic(FHandle) && !IsZoomed(FHandle)) {
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (FHandle) {
    // Minimized or maximized: the bounds are the window's normal ones.
    WINDOWPLACEMENT WP{};
    WP.length = sizeof(WP);
    GetWindowPlacement(FHandle, &WP);
    WP.rcNormalPosition = RECT{ALeft, ATop, ALeft + AWidth, ATop + AHeight};
    SetWindowPlacement(FHandle, &WP);
    UpdateBounds();
  } else {
    if (Sized) {
      Realign();
      if (!FComponentState.Contains(csLoading)) Resize();
    }
  }
  RequestAlign();
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  RECT R;
  GetWindowRect(FHandle, &R);
  HWND P = GetParent(FHandle);
  if (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) {
    if (P) MapWindowPoints(HWND_DESKTOP, P, reinterpret_cast<POINT*>(&R), 2);
  }
  FLeft = R.left;
  FTop = R.top;
  FWidth = R.right - R.left;
  FHeight = R.bottom - R.top;
}

TRect TWinControl::ClientRect() {
  if (FHandle) {
    RECT R;
    GetClientRect(FHandle, &R);
    return Rect(R.left, R.top, R.right, R.bottom);
  }
  TCreateParams P;
  CreateParams(P);
  RECT A{0, 0, 0, 0};
  AdjustWindowRectEx(&A, P.Style, FALSE, P.ExStyle);
  return Rect(0, 0, std::max<Integer>(0, FWidth - (A.right - A.left)), std::max<Integer>(0, FHeight - (A.bottom - A.top)));
}

void TWinControl::SetClientSize(Integer W, Integer H) {
  TRect R = ClientRect();
  SetBounds(FLeft, FTop, FWidth - R.Width() + W, FHeight - R.Height() + H);
}

TPoint TWinControl::ClientOrigin() {
  if (FHandle) {
    POINT P{0, 0};
    ::ClientToScreen(FHandle, &P);
    return {P.x, P.y};
  }
  TPoint O = TControl::ClientOrigin();
  TPoint Off = ClientOffset();
  return {O.X + Off.X, O.Y + Off.Y};
}

TPoint TWinControl::ClientOffset() {
  if (FHandle) {
    RECT W;
    GetWindowRect(FHandle, &W);
    POINT P{0, 0};
    ::ClientToScreen(FHandle, &P);
    return {P.x - W.left, P.y - W.top};
  }
  TCreateParams P;
  CreateParams(P);
  RECT A{0, 0, 0, 0};
  AdjustWindowRectEx(&A, P.Style, FALSE, P.ExStyle);
  return {-A.left, -A.top};
}

void TWinControl::WMWindowPosChanged(TWMWindowPosMsg& M) {
  DefaultHandler(MsgBase(M));
  UpdateBounds();
}

void TWinControl::WMSize(TWMSize& M) {
  DefaultHandler(MsgBase(M));
  UpdateBounds();
  Realign();
  if (!FComponentState.Contains(csLoading)) Resize();
}

void TWinControl::WMGetMinMaxInfo(TMessage& M) {
  DefaultHandler(M);
  MINMAXINFO* MMI = MsgAs<TWMGetMinMaxInfo>(M).MinMaxInfo;
  if (!MMI) return;
  if (FConstraints->MinWidth() > 0) MMI->ptMinTrackSize.x = FConstraints->MinWidth();
  if (FConstraints->MinHeight() > 0) MMI->ptMinTrackSize.y = FConstraints->MinHeight();
  if (FConstraints->MaxWidth() > 0) MMI->ptMaxTrackSize.x = FConstraints->MaxWidth();
  if (FConstraints->MaxHeight() > 0) MMI->ptMaxTrackSize.y = FConstraints->MaxHeight();
}

// --- visibility -------------------------------------------------------------

void TWinControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  TControl::SetVisible(Value);
  UpdateShowing();
}

void TWinControl::UpdateShowing() {
  bool Want = FVisible && (FParent ? FParent->FHandle != nullptr : true);
  if (Want && !FHandle) CreateHandle();
  if (!FHandle) return;
  bool Now = FVisible && (FParent ? FParent->FShowing : true);
  if (Now != FShowing) {
    FShowing = Now;
    {
      auto Undo = ScopeExit([&] { FShowing = !Now; });
      Perform(CM_SHOWINGCHANGED);
      Undo.Dismiss();
    }
    for (TControl* C : std::vector<TControl*>(FControls))
      if (auto* W = dynamic_cast<TWinControl*>(C)) W->UpdateShowing();
  } else if (FParent) {
    // A child window's own visibility follows Visible even while the
    // parent is hidden.
    Perform(CM_SHOWINGCHANGED);
  }
}

void TWinControl::CMShowingChanged(TMessage&) {
  if (!FHandle) return;
  bool Show = FParent ? FVisible : FShowing;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (Show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMVisibleChanged(TMessage& M) { TControl::CMVisibleChanged(M); }

void TWinControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  TControl::SetEnabled(Value);
}

void TWinControl::CMEnabledChanged(TMessage& M) {
  if (!FEnabled && Focused() && FParent) FParent->SelectNext(this, true, true);
  if (FHandle) EnableWindow(FHandle, FEnabled);
  TControl::CMEnabledChanged(M);
}

void TWinControl::CMColorChanged(TMessage& M) {
  FBrush->SetColor(FColor);
  TControl::CMColorChanged(M);
  for (TControl* C : FControls) C->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& M) {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), 0);
  TControl::CMFontChanged(M);
  for (TControl* C : FControls) C->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::FontChanged() { TControl::FontChanged(); }

void TWinControl::CMShowHintChanged(TMessage&) {
  for (TControl* C : FControls) C->Perform(CM_PARENTSHOWHINTCHANGED);
}

// --- text -------------------------------------------------------------------

String TWinControl::GetText() const {
  if (!FHandle) return FText;
  Integer N = GetWindowTextLengthW(FHandle);
  String S(static_cast<size_t>(N) + 1, L'\0');
  N = GetWindowTextW(FHandle, S.data(), N + 1);
  S.resize(std::max<Integer>(0, N));
  return S;
}

void TWinControl::SetTextValue(const String& Value) {
  FText = Value;
  if (FHandle) SetWindowTextW(FHandle, Value.c_str());
}

// --- look -------------------------------------------------------------------

void TWinControl::SetParentBackground(bool Value) {
  if (FParentBackground == Value) return;
  FParentBackground = Value;
  FControlStyle = Value ? FControlStyle + csParentBackground : FControlStyle - csParentBackground;
  Invalidate();
}

void TWinControl::SetBevelInner(TBevelCut V) {
  if (FBevelInner == V) return;
  FBevelInner = V;
  RecreateWnd();
}

void TWinControl::SetBevelOuter(TBevelCut V) {
  if (FBevelOuter == V) return;
  FBevelOuter = V;
  RecreateWnd();
}

void TWinControl::SetBevelWidth(TBevelWidth V) {
  if (V < 1) V = 1;
  if (FBevelWidth == V) return;
  FBevelWidth = V;
  RecreateWnd();
}

void TWinControl::SetBevelKind(TBevelKind V) {
  if (FBevelKind == V) return;
  FBevelKind = V;
  RecreateWnd();
}

void TWinControl::SetBevelEdges(TBevelEdges V) {
  if (FBevelEdges == V) return;
  FBevelEdges = V;
  RecreateWnd();
}

void TWinControl::SetBorderWidth(TBorderWidth V) {
  if (V < 0) V = 0;
  if (FBorderWidth == V) return;
  FBorderWidth = V;
  Realign();
  Invalidate();
}

void TWinControl::SetCtl3D(bool V) {
  if (FCtl3D == V) return;
  FCtl3D = V;
  FParentCtl3D = false;
  RecreateWnd();
}

// --- painting ---------------------------------------------------------------

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd& M) {
  if (!M.DC) return;
  RECT R;
  if (FHandle)
    GetClientRect(FHandle, &R);
  else
    R = RECT{0, 0, FWidth, FHeight};
  FillRect(M.DC, &R, FBrush->Handle());
  M.Result = 1;
}

void TWinControl::PaintWindow(HDC DC) {
  TMessage M{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
  DefaultHandler(M);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  auto It = FControls.begin();
  if (First) It = std::find(FControls.begin(), FControls.end(), First);
  RECT Clip;
  int Kind = GetClipBox(DC, &Clip);
  for (; It != FControls.end(); ++It) {
    TControl* C = *It;
    if (dynamic_cast<TWinControl*>(C) || !C->FVisible) continue;
    RECT B{C->FLeft, C->FTop, C->FLeft + C->FWidth, C->FTop + C->FHeight}, X;
    if (Kind != NULLREGION && Kind != ERROR && !IntersectRect(&X, &B, &Clip)) continue;
    int Saved = SaveDC(DC);
    OffsetViewportOrgEx(DC, C->FLeft, C->FTop, nullptr);
    IntersectClipRect(DC, 0, 0, C->FWidth, C->FHeight);
    C->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    RestoreDC(DC, Saved);
  }
}

void TWinControl::PaintHandler(TWMPaint& M) {
  TPaintDC DC(FHandle, M.DC);
  PaintWindow(DC);
  PaintControls(DC, nullptr);
}

void TWinControl::WMPaint(TWMPaint& M) {
  if (M.DC || !FDoubleBuffered || !FHandle) {
    PaintHandler(M);
    return;
  }
  // Painted into a memory bitmap and copied at once, so nothing flickers.
  TPaintDC DC(FHandle, nullptr);
  RECT R;
  GetClientRect(FHandle, &R);
  TMemoryDC Mem(DC);
  TGdiObject<HBITMAP> Bmp(CreateCompatibleBitmap(DC, std::max<LONG>(1, R.right), std::max<LONG>(1, R.bottom)));
  TSelectObject Select(Mem, Bmp);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Mem.Handle()), reinterpret_cast<LPARAM>(Mem.Handle()));
  TWMPaint P{WM_PAINT, Mem, 0, 0};
  PaintHandler(P);
  BitBlt(DC, 0, 0, R.right, R.bottom, Mem, 0, 0, SRCCOPY);
}

void TWinControl::PaintClientTo(HDC DC, Integer X, Integer Y) {
  HandleNeeded();
  RECT R;
  GetClientRect(FHandle, &R);
  int Saved = SaveDC(DC);
  OffsetViewportOrgEx(DC, X, Y, nullptr);
  IntersectClipRect(DC, 0, 0, R.right, R.bottom);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  RestoreDC(DC, Saved);
  for (TControl* C : FControls) {
    auto* W = dynamic_cast<TWinControl*>(C);
    if (!W || !W->FVisible) continue;
    int S2 = SaveDC(DC);
    IntersectClipRect(DC, X, Y, X + R.right, Y + R.bottom);
    W->PaintTo(DC, X + W->FLeft, Y + W->FTop);
    RestoreDC(DC, S2);
  }
}

void TWinControl::PaintTo(HDC DC, Integer X, Integer Y) {
  HandleNeeded();
  int Saved = SaveDC(DC);
  OffsetViewportOrgEx(DC, X, Y, nullptr);
  IntersectClipRect(DC, 0, 0, FWidth, FHeight);
  // The frame: the window's own non-client painting.
  TPoint Off = ClientOffset();
  if (Off.X || Off.Y || FWidth != ClientWidth() || FHeight != ClientHeight())
    SendMessageW(FHandle, WM_PRINT, reinterpret_cast<WPARAM>(DC), PRF_NONCLIENT);
  RestoreDC(DC, Saved);
  PaintClientTo(DC, X + Off.X, Y + Off.Y);
}

void TWinControl::PaintTo(TCanvas* Canvas, Integer X, Integer Y) { PaintTo(Canvas->Handle(), X, Y); }

// --- messages ---------------------------------------------------------------

void TWinControl::WndProc(TMessage& M) {
  // A drag owns the mouse, whatever children lie under it.
  if (DragMessage(this, M)) return;
  switch (M.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      if (IsControlMouseMsg(MsgAs<TWMMouse>(M))) return;
      if (M.Msg == WM_MOUSEMOVE) TrackMouse(this);
      break;
    case WM_MOUSELEAVE:
      FTrackingMouse = false;
      if (GMouseControl && (GMouseControl == this || GMouseControl->FParent == this) &&
          (GMouseControl == this || !dynamic_cast<TWinControl*>(GMouseControl))) {
        TControl* Old = GMouseControl;
        GMouseControl = nullptr;
        Old->Perform(CM_MOUSELEAVE);
      }
      if (Application) Application->HintMouseLeave(this);
      break;
  }
  TControl::WndProc(M);
}

void TWinControl::TrackMouse(TControl* Over) {
  if (!FTrackingMouse && FHandle) {
    TRACKMOUSEEVENT T{sizeof(T), TME_LEAVE, FHandle, 0};
    FTrackingMouse = TrackMouseEvent(&T) != FALSE;
  }
  if (GMouseControl == Over) return;
  TControl* Old = GMouseControl;
  GMouseControl = Over;
  if (Old) Old->Perform(CM_MOUSELEAVE);
  if (GMouseControl == Over) Over->Perform(CM_MOUSEENTER);
}

bool TWinControl::IsControlMouseMsg(TWMMouse& M) {
  TControl* C = nullptr;
  TControl* Cap = GetCaptureControl();
  if (Cap && Cap->FParent == this && !dynamic_cast<TWinControl*>(Cap))
    C = Cap;
  else if (!Cap || Cap == this)
    C = ControlAtPos(M.Pos(), false);
  if (!C) return false;
  if (M.Msg == WM_MOUSEMOVE) TrackMouse(C);
  TMessage Local{M.Msg, M.Keys, MAKELPARAM(static_cast<Word>(M.XPos - C->FLeft), static_cast<Word>(M.YPos - C->FTop)), 0};
  if (C->FWindowProc) {
    const TWndMethod Handler = C->FWindowProc;
    Handler(Local);
  } else {
    C->WndProc(Local);
  }
  M.Result = Local.Result;
  return true;
}

void TWinControl::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case WM_PAINT: WMPaint(MsgAs<TWMPaint>(M)); break;
    case WM_ERASEBKGND: WMEraseBkgnd(MsgAs<TWMEraseBkgnd>(M)); break;
    case WM_SIZE: WMSize(MsgAs<TWMSize>(M)); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(MsgAs<TWMWindowPosMsg>(M)); break;
    case WM_SETFOCUS: WMSetFocus(MsgAs<TWMSetFocus>(M)); break;
    case WM_KILLFOCUS: WMKillFocus(MsgAs<TWMKillFocus>(M)); break;
    case WM_KEYDOWN: WMKeyDown(MsgAs<TWMKey>(M)); break;
    case WM_KEYUP: WMKeyUp(MsgAs<TWMKey>(M)); break;
    case WM_SYSKEYDOWN: WMSysKeyDown(MsgAs<TWMKey>(M)); break;
    case WM_SYSKEYUP: WMSysKeyUp(MsgAs<TWMKey>(M)); break;
    case WM_CHAR: WMChar(MsgAs<TWMKey>(M)); break;
    case WM_SETCURSOR: WMSetCursor(MsgAs<TWMSetCursor>(M)); break;
    case WM_COMMAND: WMCommand(MsgAs<TWMCommand>(M)); break;
    case WM_NOTIFY: WMNotify(MsgAs<TWMNotify>(M)); break;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(M); break;
    case WM_NCDESTROY: WMNCDestroy(M); break;
    case CN_KEYDOWN: CNKeyDown(MsgAs<TWMKey>(M)); break;
    case CN_KEYUP: CNKeyUp(MsgAs<TWMKey>(M)); break;
    case CN_CHAR: CNChar(MsgAs<TWMKey>(M)); break;
    case CN_SYSKEYDOWN: CNSysKeyDown(MsgAs<TWMKey>(M)); break;
    case CM_ENTER: CMEnter(M); break;
    case CM_EXIT: CMExit(M); break;
    case CM_DIALOGKEY: CMDialogKey(MsgAs<TWMKey>(M)); break;
    case CM_DIALOGCHAR: CMDialogChar(MsgAs<TWMKey>(M)); break;
    case CM_CHILDKEY: CMChildKey(M); break;
    case CM_SHOWINGCHANGED: CMShowingChanged(M); break;
    case CM_SHOWHINTCHANGED: CMShowHintChanged(M); break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      if (!DoControlMsg(MsgAs<TWMCtlColor>(M).ChildWnd, M)) DefaultHandler(M);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!DoControlMsg(MsgAs<TWMScroll>(M).ScrollBar, M)) DefaultHandler(M);
      break;
    case WM_DRAWITEM:
      if (!DoControlMsg(MsgAs<TWMDrawItem>(M).DrawItemStruct->hwndItem, M)) DefaultHandler(M);
      break;
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: {
      HDC DC = MsgAs<TWMCtlColor>(M).ChildDC;
      SetTextColor(DC, ColorToRGB(FFont->Color()));
      SetBkColor(DC, ColorToRGB(FBrush->Color()));
      M.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
      break;
    }
    default: TControl::Dispatch(M);
  }
}

void TWinControl::DefaultHandler(TMessage& M) {
  if (!FHandle) {
    TControl::DefaultHandler(M);
    return;
  }
  // Our own messages mean nothing to the system's procedures.
  if (M.Msg >= CM_BASE && M.Msg < 0xC000) return;
  M.Result = CallWindowProcW(FDefWndProc ? FDefWndProc : DefWindowProcW, FHandle, M.Msg, M.WParam, M.LParam);
}

bool TWinControl::DoControlMsg(HWND ControlHandle, TMessage& M) {
  TWinControl* C = FindControl(ControlHandle);
  if (!C || C == this) return false;
  M.Result = C->Perform(CN_BASE + M.Msg, M.WParam, M.LParam);
  return true;
}

void TWinControl::WMCommand(TWMCommand& M) {
  if (!DoControlMsg(M.Ctl, MsgBase(M))) DefaultHandler(MsgBase(M));
}

void TWinControl::WMNotify(TWMNotify& M) {
  if (!M.NMHdr || !DoControlMsg(M.NMHdr->hwndFrom, MsgBase(M)))
    DefaultHandler(MsgBase(M));
}

void TWinControl::WMSetCursor(TWMSetCursor& M) {
  if (M.CursorWnd == FHandle && M.HitTest == HTCLIENT && Screen) {
    TCursor Cur = Screen->Cursor();
    if (Cur == crDefault) {
      POINT P;
      GetCursorPos(&P);
      ::ScreenToClient(FHandle, &P);
      TControl* C = ControlAtPos({P.x, P.y}, false);
      Cur = (C && C->FCursor != crDefault) ? C->FCursor : FCursor;
    }
    if (Cur != crDefault) {
      ::SetCursor(Screen->Cursors(Cur));
      M.Result = 1;
      return;
    }
  }
  DefaultHandler(MsgBase(M));
}

// --- focus ------------------------------------------------------------------

bool TWinControl::CanFocus() {
  TCustomForm* F = GetParentForm();
  if (!F) return FVisible && FEnabled;
  for (TWinControl* C = this; C; C = C->FParent)
    if (!C->FVisible || !C->FEnabled) return false;
  return true;
}

bool TWinControl::Focused() { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (TCustomForm* F = GetParentForm(); F && F != this) {
    F->FocusControl(this);
    return;
  }
  if (!CanFocus()) throw EInvalidOperation(L"Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

Integer TWinControl::TabOrder() const {
  if (!FParent) return -1;
  auto& L = FParent->FTabList;
  auto It = std::find(L.begin(), L.end(), this);
  return It == L.end() ? -1 : static_cast<Integer>(It - L.begin());
}

void TWinControl::SetTabOrder(Integer Value) {
  if (!FParent) return;
  auto& L = FParent->FTabList;
  auto It = std::find(L.begin(), L.end(), this);
  if (It == L.end()) return;
  L.erase(It);
  if (Value < 0 || Value > static_cast<Integer>(L.size())) Value = static_cast<Integer>(L.size());
  L.insert(L.begin() + Value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
  for (TWinControl* C : FTabList) {
    List.push_back(C);
    C->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* Cur, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
  std::vector<TWinControl*> L;
  GetTabOrderList(L);
  if (L.empty()) return nullptr;
  Integer N = static_cast<Integer>(L.size());
  auto It = std::find(L.begin(), L.end(), Cur);
  Integer Start = It == L.end() ? (GoForward ? N - 1 : 0) : static_cast<Integer>(It - L.begin());
  Integer I = Start;
  for (Integer Step = 0; Step < N; ++Step) {
    I = GoForward ? (I + 1) % N : (I + N - 1) % N;
    TWinControl* C = L[I];
    if (C == Cur) break;
    if ((!CheckTabStop || C->FTabStop) && (!CheckParent || C->FParent == this) && C->CanFocus())
      return C;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* Cur, bool GoForward, bool CheckTabStop) {
  if (TWinControl* C = FindNextControl(Cur, GoForward, CheckTabStop, !CheckTabStop)) C->SetFocus();
}

void TWinControl::WMSetFocus(TWMSetFocus& M) {
  DefaultHandler(MsgBase(M));
  if (TCustomForm* F = GetParentForm()) F->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TWMKillFocus& M) { DefaultHandler(MsgBase(M)); }

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }

void TWinControl::CMExit(TMessage&) { DoExit(); }

// --- keyboard ---------------------------------------------------------------

void TWinControl::KeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(Char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

bool TWinControl::DoKeyDown(TWMKey& M) {
  TCustomForm* F = GetParentForm();
  if (F && F != this && F->KeyPreview() && F->DoKeyDown(M)) return true;
  if (!FControlStyle.Contains(csNoStdEvents)) {
    Word Key = M.CharCode;
    KeyDown(Key, KeyDataToShiftState(M.KeyData));
    M.CharCode = Key;
    if (Key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyUp(TWMKey& M) {
  TCustomForm* F = GetParentForm();
  if (F && F != this && F->KeyPreview() && F->DoKeyUp(M)) return true;
  if (!FControlStyle.Contains(csNoStdEvents)) {
    Word Key = M.CharCode;
    KeyUp(Key, KeyDataToShiftState(M.KeyData));
    M.CharCode = Key;
    if (Key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyPress(TWMKey& M) {
  TCustomForm* F = GetParentForm();
  if (F && F != this && F->KeyPreview() && F->DoKeyPress(M)) return true;
  if (!FControlStyle.Contains(csNoStdEvents)) {
    Char Ch = static_cast<Char>(M.CharCode);
    KeyPress(Ch);
    M.CharCode = static_cast<Word>(Ch);
    if (Ch == 0) return true;
  }
  return false;
}

void TWinControl::WMKeyDown(TWMKey& M) {
  if (!DoKeyDown(M)) DefaultHandler(MsgBase(M));
}

void TWinControl::WMSysKeyDown(TWMKey& M) {
  if (!DoKeyDown(M)) DefaultHandler(MsgBase(M));
}

void TWinControl::WMKeyUp(TWMKey& M) {
  if (!DoKeyUp(M)) DefaultHandler(MsgBase(M));
}

void TWinControl::WMSysKeyUp(TWMKey& M) {
  if (!DoKeyUp(M)) DefaultHandler(MsgBase(M));
}

void TWinControl::WMChar(TWMKey& M) {
  if (!DoKeyPress(M)) DefaultHandler(MsgBase(M));
}

void TWinControl::CNKeyDown(TWMKey& M) {
  // Asked by the message loop before the key is dispatched: a navigation
  // key the control does not want goes to the form as a dialog key.
  M.Result = 1;
  if (Perform(CM_CHILDKEY, M.CharCode, reinterpret_cast<LPARAM>(this)) != 0) return;
  UINT Mask = 0;
  switch (M.CharCode) {
    case VK_TAB: Mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: Mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: Mask = DLGC_WANTALLKEYS; break;
  }
  if (Mask != 0 && Perform(CM_WANTSPECIALKEY, M.CharCode, M.KeyData) == 0 &&
      (Perform(WM_GETDLGCODE) & Mask) == 0) {
    TCustomForm* F = GetParentForm();
    if (F && F->Perform(CM_DIALOGKEY, M.CharCode, M.KeyData) != 0) return;
  }
  M.Result = 0;
}

void TWinControl::CNSysKeyDown(TWMKey& M) {
  M.Result = 1;
  if (Perform(CM_CHILDKEY, M.CharCode, reinterpret_cast<LPARAM>(this)) != 0) return;
  M.Result = 0;
}

void TWinControl::CNKeyUp(TWMKey& M) { M.Result = 0; }

void TWinControl::CNChar(TWMKey& M) {
  M.Result = 1;
  if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
    TCustomForm* F = GetParentForm();
    if (F && F->Perform(CM_DIALOGCHAR, M.CharCode, M.KeyData) != 0) return;
  }
  M.Result = 0;
}

void TWinControl::CMDialogKey(TWMKey& M) {
  // Offered to every child, so a default or cancel button can answer.
  for (TControl* C : std::vector<TControl*>(FControls)) {
    if (C->Perform(CM_DIALOGKEY, M.CharCode, M.KeyData) != 0) {
      M.Result = 1;
      return;
    }
  }
}

void TWinControl::CMDialogChar(TWMKey& M) {
  for (TControl* C : std::vector<TControl*>(FControls)) {
    if (C->Perform(CM_DIALOGCHAR, M.CharCode, M.KeyData) != 0) {
      M.Result = 1;
      return;
    }
  }
}

}  // namespace jorv
