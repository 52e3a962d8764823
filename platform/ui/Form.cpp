#include "platform/ui/Form.h"
#include <algorithm>
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Icon.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"

namespace jorv {

TCustomForm::TCustomForm(TComponent* AOwner)
    : TScrollingWinControl(AOwner), FIcon(std::make_unique<TIcon>()), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
  FIcon->OnChange = [this](TObject*) { UpdateIcon(); };
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FVisible = false;
  FParentColor = false;
  FParentFont = false;
  FColor = clBtnFace;
  FBrush->SetColor(FColor);
  FWidth = 320;
  FHeight = 240;
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  Destroying();
  try {
    DoDestroy();
  } catch (...) {
    if (Application) Application->HandleException(this);
  }
  if (Screen) Screen->RemoveForm(this);
  if (Application) Application->FormDestroying(this);
  // Owned components go while this is still a whole form.
  DestroyComponents();
  while (!FControls.empty()) {
    TControl* C = FControls.back();
    RemoveControl(C);
    delete C;
  }
  FCanvas->FreeHandle();
  DestroyHandle();
}

void TCustomForm::AfterConstruction() {
  if (FCreated) return;
  FCreated = true;
  DoCreate();
}

// A failing OnCreate is shown and the form is kept: the program goes on
// with what the handler had done before the failure.
void TCustomForm::DoCreate() {
  if (!OnCreate) return;
  try {
    OnCreate(this);
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(this);
  }
}

void TCustomForm::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomForm::PaintWindow(HDC DC) {
  TCanvasPaintScope Scope(FCanvas.get(), DC);
  Paint();
}

// --- window -----------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& P) {
  TScrollingWinControl::CreateParams(P);
  P.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  P.ExStyle = 0;
  if (!FEnabled) P.Style |= WS_DISABLED;
  bool MinMax = false;
  switch (FBorderStyle) {
    case bsNone: P.Style |= WS_POPUP; break;
    case bsSingle: P.Style |= WS_CAPTION | WS_BORDER; MinMax = true; break;
    case bsSizeable: P.Style |= WS_CAPTION | WS_THICKFRAME; MinMax = true; break;
    case bsDialog:
      P.Style |= WS_POPUP | WS_CAPTION;
      P.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow: P.Style |= WS_CAPTION; P.ExStyle |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin: P.Style |= WS_CAPTION | WS_THICKFRAME; P.ExStyle |= WS_EX_TOOLWINDOW; break;
  }
  if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
    P.Style |= WS_SYSMENU;
    if (MinMax && FBorderIcons.Contains(biMinimize)) P.Style |= WS_MINIMIZEBOX;
    if (MinMax && FBorderIcons.Contains(biMaximize)) P.Style |= WS_MAXIMIZEBOX;
    if (FBorderIcons.Contains(biHelp) && !(P.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
      P.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (FFormStyle == fsStayOnTop) P.ExStyle |= WS_EX_TOPMOST;
  if (FPosition == poDefault || FPosition == poDefaultPosOnly) {
    P.X = static_cast<Integer>(CW_USEDEFAULT);
    P.Y = static_cast<Integer>(CW_USEDEFAULT);
  }
  // Secondary forms stay above the main form.
  P.WndParent = FParentWindow;
  if (!P.WndParent && Application && Application->MainForm() && Application->MainForm() != this &&
      Application->MainForm()->HandleAllocated())
    P.WndParent = Application->MainForm()->Handle();
}

void TCustomForm::CreateWnd() {
  TScrollingWinControl::CreateWnd();
  UpdateIcon();
  if (FPosition == poDefault || FPosition == poDefaultPosOnly) UpdateBounds();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (FBorderIcons == Value) return;
  FBorderIcons = Value;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (FFormStyle == Value) return;
  FFormStyle = Value;
  if (FHandle)
    SetWindowPos(FHandle, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetIcon(TIcon* Value) {
  if (Value == FIcon.get()) return;
  FIcon->Assign(Value);
}

void TCustomForm::UpdateIcon() {
  if (!FHandle) return;
  TIcon* I = FIcon.get();
  if (I->Empty() && Application) I = Application->Icon();
  // The icon objects keep their handles for as long as the window shows them.
  HICON H = I->Empty() ? nullptr : I->Handle();
  SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(H));
  SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(H));
}

TWindowState TCustomForm::WindowState() {
  if (FHandle && FShowing) {
    if (IsIconic(FHandle)) return wsMinimized;
    if (IsZoomed(FHandle)) return wsMaximized;
    return wsNormal;
  }
  return FWindowState;
}

void TCustomForm::SetWindowState(TWindowState Value) {
  FWindowState = Value;
  if (!FHandle || !FShowing) return;
  static const int Cmd[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
  ShowWindow(FHandle, Cmd[Value]);
  UpdateBounds();
}

void TCustomForm::ApplyPosition() {
  FPlaced = true;
  TCustomForm* Center = nullptr;
  switch (FPosition) {
    case poOwnerFormCenter:
      Center = dynamic_cast<TCustomForm*>(Owner());
      if (!Center && Application) Center = Application->MainForm();
      break;
    case poMainFormCenter:
      if (Application) Center = Application->MainForm();
      break;
    case poScreenCenter:
    case poDesktopCenter: break;
    default: return;
  }
  if (Center == this || (Center && !Center->Showing())) Center = nullptr;
  TRect WA = Screen ? Screen->WorkAreaRect() : Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  TRect Area = Center ? Center->BoundsRect() : WA;
  Integer L = Area.Left + (Area.Width() - FWidth) / 2;
  Integer T = Area.Top + (Area.Height() - FHeight) / 2;
  if (L + FWidth > WA.Right) L = WA.Right - FWidth;
  if (T + FHeight > WA.Bottom) T = WA.Bottom - FHeight;
  L = std::max(L, WA.Left);
  T = std::max(T, WA.Top);
  SetBounds(L, T, FWidth, FHeight);
}

void TCustomForm::SetWindowToMonitor() { ApplyPosition(); }

void TCustomForm::CMShowingChanged(TMessage&) {
  if (!FHandle) return;
  if (FShowing) {
    if (!FPlaced) ApplyPosition();
    FFormState += fsShowing;
    {
      auto Restore = ScopeExit([&] { FFormState -= fsShowing; });
      DoShow();
    }
    static const int Cmd[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(FHandle, Cmd[FWindowState]);
    if (FWindowState == wsNormal) SetForegroundWindow(FHandle);
    UpdateBounds();
    if (FActiveControl && FActiveControl->CanFocus())
      ::SetFocus(FActiveControl->Handle());
    else if (!FActiveControl)
      if (TWinControl* First = FindNextControl(nullptr, true, true, false)) First->SetFocus();
  } else {
    DoHide();
    ShowWindow(FHandle, SW_HIDE);
  }
}

// The focus goes straight back to the active control. The system's own
// handling would put it on the form's window first, and the control would
// be left and entered again on the way: an editor that ends its edit when
// it is left would end it just because a pop-up of its own closed.
void TCustomForm::WMActivate(TWMActivate& M) {
  const bool Now = M.Active != WA_INACTIVE;
  const bool ToActiveControl = Now && !M.Minimized && FActiveControl && FActiveControl->HandleAllocated() &&
                               FActiveControl->CanFocus();
  if (ToActiveControl)
    ::SetFocus(FActiveControl->Handle());
  else
    DefaultHandler(MsgBase(M));
  if (Now == FActive) return;
  FActive = Now;
  if (Now) {
    if (Screen) Screen->SetActiveForm(this);
    Activate();
  } else {
    Deactivate();
  }
}

void TCustomForm::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_SIZE:
      switch (MsgAs<TWMSize>(M).SizeType) {
        case SIZE_MAXIMIZED: FWindowState = wsMaximized; break;
        case SIZE_MINIMIZED: FWindowState = wsMinimized; break;
        case SIZE_RESTORED: FWindowState = wsNormal; break;
      }
      break;
    case WM_CLOSE:
      Close();
      return;
    case CM_RELEASE:
      delete this;
      return;
    case WM_NEXTDLGCTL:
      NextDlgCtl(MsgAs<TWMNextDlgCtl>(M));
      return;
    case WM_ACTIVATE: WMActivate(MsgAs<TWMActivate>(M)); return;
  }
  TScrollingWinControl::WndProc(M);
}

void TCustomForm::Dispatch(TMessage& M) { TScrollingWinControl::Dispatch(M); }

// Controls ask their form to move the focus on as a dialog would.
void TCustomForm::NextDlgCtl(TWMNextDlgCtl& M) {
  M.Result = 0;
  if (M.Handle) {
    if (TWinControl* Control = FindControl(reinterpret_cast<HWND>(M.CtlFocus)))
      if (Control->CanFocus()) Control->SetFocus();
    return;
  }
  TWinControl* From = FindControl(GetFocus());
  SelectNext(From ? From : FActiveControl, M.CtlFocus == 0, true);
}

// --- focus ------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) return;
  if (Control && (!ContainsControl(Control) || Control == this))
    throw EInvalidOperation(L"Invalid active control");
  if (Control && FShowing && !Control->CanFocus())
    throw EInvalidOperation(L"Cannot focus a disabled or invisible window");
  FActiveControl = Control;
  if (Control && FShowing && FActive) ::SetFocus(Control->Handle());
}

void TCustomForm::FocusControl(TWinControl* Control) {
  if (!Control->CanFocus()) throw EInvalidOperation(L"Cannot focus a disabled or invisible window");
  FActiveControl = Control;
  ::SetFocus(Control->Handle());
}

void TCustomForm::SetFocus() {
  if (!FVisible || !FEnabled) throw EInvalidOperation(L"Cannot focus a disabled or invisible window");
  if (FActiveControl && FActiveControl->CanFocus())
    ::SetFocus(FActiveControl->Handle());
  else
    ::SetFocus(Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (Control == this) Control = nullptr;
  if (Screen) {
    Screen->SetActiveForm(this);
    Screen->SetActiveControl(Control);
  }
  if (FFocusedControl == Control) return true;
  TWinControl* Old = FFocusedControl;
  FFocusedControl = Control;
  if (Control) FActiveControl = Control;
  // Leave the old control and its parents up to the common one, then enter
  // the new one's parents down to it.
  for (TWinControl* C = Old; C && C != this && !C->ContainsControl(Control); C = C->Parent()) {
    C->Perform(CM_EXIT);
    if (FFocusedControl != Control) return false;
  }
  std::vector<TWinControl*> Enter;
  for (TWinControl* C = Control; C && C != this && !(Old && C->ContainsControl(Old)); C = C->Parent())
    Enter.push_back(C);
  for (auto It = Enter.rbegin(); It != Enter.rend(); ++It) {
    (*It)->Perform(CM_ENTER);
    if (FFocusedControl != Control) return false;
  }
  return true;
}

void TCustomForm::ControlRemoving(TWinControl* Control) {
  if (FActiveControl && Control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
  if (FFocusedControl && Control->ContainsControl(FFocusedControl)) FFocusedControl = nullptr;
  if (Screen && Screen->ActiveControl() && Control->ContainsControl(Screen->ActiveControl()))
    Screen->SetActiveControl(nullptr);
}

void TCustomForm::CMDialogKey(TWMKey& M) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (M.CharCode) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
          M.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (FActiveControl && FActiveControl->Parent()) {
          FActiveControl->Parent()->SelectNext(FActiveControl,
                                               M.CharCode == VK_RIGHT || M.CharCode == VK_DOWN, false);
          M.Result = 1;
          return;
        }
        break;
    }
  }
  TScrollingWinControl::CMDialogKey(M);
}

// --- modal and closing ------------------------------------------------------

namespace {
struct TDisabledWindows {
  HWND Except;
  std::vector<HWND> List;
};

BOOL CALLBACK DisableWindow(HWND H, LPARAM L) {
  auto* D = reinterpret_cast<TDisabledWindows*>(L);
  if (H != D->Except && IsWindowVisible(H) && IsWindowEnabled(H)) {
    D->List.push_back(H);
    EnableWindow(H, FALSE);
  }
  return TRUE;
}
}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (FVisible || !FEnabled || FFormState.Contains(fsModal) || FFormStyle == fsMDIChild)
    throw EInvalidOperation(L"Cannot make a visible window modal");
  if (HWND Cap = GetCapture()) SendMessageW(Cap, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  if (Application) Application->CancelHint();
  HWND ActiveWindow = GetActiveWindow();
  FFormState += fsModal;
  HandleNeeded();
  TDisabledWindows D{FHandle, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&D));
  auto Restore = [&] {
    for (HWND H : D.List)
      if (IsWindow(H)) EnableWindow(H, TRUE);
    FFormState -= fsModal;
    if (ActiveWindow && IsWindow(ActiveWindow)) SetActiveWindow(ActiveWindow);
  };
  TModalResult Result = mrNone;
  auto Restored = ScopeExit(Restore);
  {
    // A failed loop still takes the form off the screen; should hiding fail
    // too, the loop's failure is the one reported.
    auto HideFailed = ScopeExit([&] { Hide(); });
    Show();
    FModalResult = mrNone;
    do {
      Application->HandleMessage();
      if (Application->Terminated())
        FModalResult = mrCancel;
      else if (FModalResult != mrNone)
        CloseModal();
    } while (FModalResult == mrNone);
    Result = FModalResult;
    HideFailed.Dismiss();
    Hide();
  }
  return Result;
}

void TCustomForm::CloseModal() {
  try {
    TCloseAction Action = caNone;
    if (CloseQuery()) {
      Action = caHide;
      DoClose(Action);
    }
    if (Action == caNone) FModalResult = mrNone;
    else if (Action == caFree) Release();
  } catch (...) {
    FModalResult = mrNone;
    Application->HandleException(this);
  }
}

bool TCustomForm::CloseQuery() {
  bool CanClose = true;
  if (OnCloseQuery) OnCloseQuery(this, CanClose);
  return CanClose;
}

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction Action = caHide;
  DoClose(Action);
  if (Action == caNone) return;
  if (Application && Application->MainForm() == this)
    Application->Terminate();
  else if (Action == caHide)
    Hide();
  else if (Action == caMinimize)
    SetWindowState(wsMinimized);
  else
    Release();
}

void TCustomForm::Release() {
  if (FHandle)
    PostMessageW(FHandle, CM_RELEASE, 0, 0);
  else
    delete this;
}

TBitmap* TCustomForm::GetFormImage() {
  auto Image = std::make_unique<TBitmap>();
  HandleNeeded();
  TRect R = ClientRect();
  Image->SetPixelFormat(pf24bit);
  Image->SetSize(R.Width(), R.Height());
  if (R.Width() > 0 && R.Height() > 0) {
    TCanvas* C = Image->Canvas();
    C->Brush()->SetColor(FColor);
    C->FillRect(R);
    C->Lock();
    auto Restore = ScopeExit([&] { C->Unlock(); });
    PaintClientTo(C->Handle(), 0, 0);
  }
  return Image.release();
}

}  // namespace jorv
