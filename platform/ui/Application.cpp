#include "platform/ui/Application.h"
#include <commctrl.h>
#include "platform/gfx/Icon.h"
#include "platform/rtl/Thread.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WindowProc.h"

namespace jorv {

namespace {
constexpr UINT_PTR HintTimerID = 1;

TApplication GApplication;

// Walks up to the nearest control that shows hints.
TControl* GetHintControl(TControl* C) {
  while (C && !C->ShowHint()) C = C->Parent();
  if (C && C->ComponentState().Contains(csDesigning)) return nullptr;
  return C;
}

// The nearest non-empty hint text of the control or a parent.
String GetHintText(TControl* C) {
  while (C && C->Hint().empty()) C = C->Parent();
  return C ? C->Hint() : String();
}

String Widen(const char* S) {
  if (!S) return String();
  int N = MultiByteToWideChar(CP_UTF8, 0, S, -1, nullptr, 0);
  String R(N > 0 ? N - 1 : 0, L'\0');
  if (N > 1) MultiByteToWideChar(CP_UTF8, 0, S, -1, R.data(), N);
  return R;
}
}  // namespace

TApplication* Application = &GApplication;

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner), FIcon(std::make_unique<TIcon>()) {
  HINSTANCE Inst = GetModuleHandleW(nullptr);
  if (FindResourceW(Inst, L"MAINICON", RT_GROUP_ICON)) {
    try {
      FIcon->LoadFromResourceName(Inst, L"MAINICON");
    } catch (const Exception&) {
      // A damaged icon resource leaves the system's default icon.
    }
  }
  FIcon->OnChange = [this](TObject*) { IconChanged(); };
  wchar_t Path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, Path, MAX_PATH);
  String P = Path;
  size_t S = P.find_last_of(L"\\/");
  if (S != String::npos) P = P.substr(S + 1);
  size_t D = P.rfind(L'.');
  FTitle = D == String::npos ? P : P.substr(0, D);
}

TApplication::~TApplication() {
  if (Application == this) Application = nullptr;
  delete FHintWindow;
  FHintWindow = nullptr;
  DestroyComponents();
  if (FHandle) {
    SetSynchronizeWakeUp(nullptr);
    DestroyWindow(FHandle);
  }
}

void TApplication::Initialize() {
  Handle();
  INITCOMMONCONTROLSEX I{sizeof(I), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&I);
}

void TApplication::SetIcon(TIcon* Value) {
  if (Value != FIcon.get()) FIcon->Assign(Value);
}

void TApplication::IconChanged() {
  HICON H = FIcon->Empty() ? nullptr : FIcon->Handle();
  if (FHandle) {
    SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(H));
    SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(H));
  }
  if (Screen)
    for (Integer I = 0; I < Screen->FormCount(); ++I)
      if (Screen->Forms(I)->Icon()->Empty()) Screen->Forms(I)->UpdateIcon();
}

void TApplication::SetTitle(const String& Value) {
  FTitle = Value;
  if (FHandle) SetWindowTextW(FHandle, Value.c_str());
}

HWND TApplication::Handle() {
  if (!FHandle) {
    WNDCLASSW WC{};
    WC.lpszClassName = L"JorvApplication";
    RegisterWindowClass(WC);
    FHandle = CreateObjectWindow(WindowTarget<&TApplication::WndProc>(this), WS_EX_TOOLWINDOW,
                                 L"JorvApplication", FTitle.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr);
    // A thread that queues work for the main thread wakes the loop.
    HWND H = FHandle;
    SetSynchronizeWakeUp([H] { PostMessageW(H, WM_NULL, 0, 0); });
  }
  return FHandle;
}

void TApplication::WndProc(HWND Window, TMessage& M) {
  if (M.Msg == WM_NULL) {
    CheckSynchronize();
    return;
  }
  if (M.Msg == WM_TIMER && MsgAs<TWMTimer>(M).TimerID == HintTimerID) {
    HintTimerExpired();
    return;
  }
  M.Result = DefWindowProcW(Window, M.Msg, M.WParam, M.LParam);
}

void TApplication::FormCreated(TCustomForm* Form) {
  if (!FMainForm) FMainForm = Form;
  Form->AfterConstruction();
}

void TApplication::FormDestroying(TCustomForm* Form) {
  if (FMainForm == Form) FMainForm = nullptr;
  ControlDestroying(Form);
}

void TApplication::ControlDestroying(TControl* Control) {
  if (FHintControl == Control) {
    FHintControl = nullptr;
    HideHint();
    StopHintTimer();
  }
}

// --- loop -------------------------------------------------------------------

void TApplication::Run() {
  FTerminate = false;
  Handle();
  if (FMainForm && FShowMainForm) FMainForm->Show();
  while (!FTerminate) {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  }
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::ProcessMessages() {
  MSG Msg;
  while (ProcessMessage(Msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG Msg;
  if (!ProcessMessage(Msg)) Idle(Msg);
}

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminate = true;
    return true;
  }
  bool Handled = false;
  if (OnMessage) OnMessage(Msg, Handled);
  // Escape ends a drag wherever the focus is.
  if (!Handled && Msg.message == WM_KEYDOWN && Msg.wParam == VK_ESCAPE && DragControl()) {
    CancelDrag();
    Handled = true;
  }
  if (!Handled && !IsHintMsg(Msg) && !IsKeyMsg(Msg)) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
  }
  return true;
}

void TApplication::Idle(const MSG&) {
  CheckHintControl();
  bool Done = true;
  try {
    if (OnIdle) OnIdle(this, Done);
    // Actions bring their state (enabled, checked, ...) up to date while
    // nothing else is to be done.
    UpdateAllActionLists();
  } catch (...) {
    HandleException(this);
  }
  FreeDeviceContexts();
  if (CheckSynchronize()) Done = false;
  if (Done) WaitMessage();
}

bool TApplication::IsKeyMsg(MSG& Msg) {
  switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
      break;
    default:
      return false;
  }
  // A native window inside one of ours (an edit of a combo box) answers
  // through the nearest control of ours.
  HWND H = Msg.hwnd;
  TWinControl* C = FindControl(H);
  while (!C && H) {
    H = GetParent(H);
    C = FindControl(H);
  }
  if (!C) return false;
  try {
    return C->Perform(CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
  } catch (...) {
    HandleException(C);
    return true;
  }
}

bool TApplication::IsHintMsg(const MSG& Msg) {
  if (!FHintActive) return false;
  switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_MOUSEWHEEL:
      CancelHint();
      break;
  }
  return false;
}

// --- exceptions -------------------------------------------------------------

void TApplication::HandleException(TObject* Sender) {
  if (!std::current_exception()) return;
  if (HWND Cap = GetCapture()) SendMessageW(Cap, WM_CANCELMODE, 0, 0);
  auto Report = [&](Exception& E) {
    try {
      if (OnException)
        OnException(Sender, E);
      else
        ShowException(E);
    } catch (Exception& Inner) {
      ShowException(Inner);
    } catch (...) {
    }
  };
  try {
    throw;
  } catch (EAbort&) {
  } catch (Exception& E) {
    Report(E);
  } catch (std::exception& E) {
    Exception X(Widen(E.what()));
    Report(X);
  } catch (...) {
    Exception X(L"Unknown exception");
    Report(X);
  }
}

void TApplication::ShowException(const Exception& E) {
  String Msg = E.Message();
  if (!Msg.empty() && Msg.back() > L'.') Msg += L'.';
  MessageBox(Msg, FTitle, MB_OK | MB_ICONSTOP);
}

Integer TApplication::MessageBox(const String& Text, const String& Caption, UINT Flags) {
  return ShowMessageBox(Text, Caption.empty() ? FTitle : Caption, Flags);
}

// --- hints ------------------------------------------------------------------

void TApplication::SetHint(const String& Value) {
  if (FHint == Value) return;
  FHint = Value;
  if (OnHint) OnHint(this);
}

void TApplication::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  if (!Value) CancelHint();
}

void TApplication::SetHintColor(TColor Value) {
  FHintColor = Value;
  if (FHintWindow) FHintWindow->SetColor(Value);
}

void TApplication::StartHintTimer(Integer Value, bool Show) {
  StopHintTimer();
  FHintTimerShows = Show;
  if (Value <= 0) {
    if (Show) HintTimerExpired();
    return;
  }
  SetTimer(Handle(), HintTimerID, static_cast<UINT>(Value), nullptr);
}

void TApplication::StopHintTimer() {
  if (FHandle) KillTimer(FHandle, HintTimerID);
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& M) {
  SetHint(GetLongHint(GetHintText(Control)));
  if (!FShowHint) return;
  TControl* NewHint = GetHintControl(Control);
  if (!NewHint) {
    CancelHint();
    return;
  }
  TPoint P = MsgAs<TWMMouse>(M).Pos();
  if (NewHint != Control) P = NewHint->ScreenToClient(Control->ClientToScreen(P));
  if (NewHint == FHintControl && (FHintCursorRect.IsEmpty() || FHintCursorRect.Contains(P))) return;
  bool WasActive = FHintActive;
  if (WasActive) HideHint();
  Integer Pause = WasActive ? FHintShortPause : FHintPause;
  NewHint->Perform(CM_HINTSHOWPAUSE, WasActive, reinterpret_cast<LPARAM>(&Pause));
  FHintControl = NewHint;
  FHintCursorRect = NewHint->ClientRect();
  StartHintTimer(Pause, true);
}

void TApplication::HintMouseLeave(TWinControl*) { CheckHintControl(); }

void TApplication::CheckHintControl() {
  if (!FHintControl) return;
  POINT P;
  GetCursorPos(&P);
  TControl* Under = FindDragTarget({P.x, P.y}, true);
  if (!Under || GetHintControl(Under) != FHintControl) {
    SetHint(Under ? GetLongHint(GetHintText(Under)) : String());
    CancelHint();
  }
}

void TApplication::HintTimerExpired() {
  StopHintTimer();
  if (!FHintTimerShows) {
    HideHint();
    return;
  }
  if (!FHintControl) return;
  POINT P;
  GetCursorPos(&P);
  ActivateHint({P.x, P.y});
}

void TApplication::ActivateHint(const TPoint& CursorPos) {
  StopHintTimer();
  if (!FHintControl || !FShowHint) return;
  THintInfo HI;
  HI.HintControl = FHintControl;
  HI.HintWindowClass = HintWindowClass;
  HI.HintPos = {CursorPos.X, CursorPos.Y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4};
  HI.HintMaxWidth = Screen ? Screen->Width() : GetSystemMetrics(SM_CXSCREEN);
  HI.HintColor = FHintColor;
  HI.CursorRect = FHintControl->ClientRect();
  HI.CursorPos = FHintControl->ScreenToClient(CursorPos);
  HI.HideTimeout = FHintHidePause;
  HI.HintStr = GetShortHint(GetHintText(FHintControl));
  bool CanShow = FHintControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&HI)) == 0;
  if (CanShow && OnShowHint) OnShowHint(HI.HintStr, CanShow, HI);
  FHintCursorRect = HI.CursorRect;
  if (CanShow && !HI.HintStr.empty()) {
    // A hint of another class gets a window of its own class.
    if (FHintWindow && FHintWindowClass != HI.HintWindowClass) {
      delete FHintWindow;
      FHintWindow = nullptr;
    }
    if (!FHintWindow) {
      FHintWindow = HI.HintWindowClass ? HI.HintWindowClass(nullptr) : new THintWindow(nullptr);
      FHintWindowClass = HI.HintWindowClass;
    }
    FHintWindow->SetColor(HI.HintColor);
    TRect R = FHintWindow->CalcHintRect(HI.HintMaxWidth, HI.HintStr, HI.HintData);
    R = Bounds(HI.HintPos.X, HI.HintPos.Y, R.Width(), R.Height());
    FHintWindow->ActivateHintData(R, HI.HintStr, HI.HintData);
    FHintActive = true;
  } else {
    HideHint();
  }
  if (HI.ReshowTimeout > 0)
    StartHintTimer(HI.ReshowTimeout, true);
  else if (FHintActive && HI.HideTimeout > 0)
    StartHintTimer(HI.HideTimeout, false);
}

void TApplication::HideHint() {
  if (FHintWindow) FHintWindow->ReleaseHandle();
  FHintActive = false;
}

void TApplication::CancelHint() {
  StopHintTimer();
  HideHint();
  FHintControl = nullptr;
  FHintCursorRect = TRect();
}

}  // namespace jorv
