#include "platform/ui/HintWindow.h"
#include "platform/ui/Screen.h"

namespace jorv {

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  FColor = clInfoBk;
  FParentColor = false;
  FParentFont = false;
  FBrush->SetColor(FColor);
  FVisible = false;
  if (Screen) FFont->Assign(Screen->HintFont());
}

void THintWindow::CreateParams(TCreateParams& P) {
  TCustomControl::CreateParams(P);
  P.Style = WS_POPUP | WS_BORDER;
  P.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  P.WndParent = nullptr;
  P.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(Integer MaxWidth, const String& AHint, void*) {
  TRect R = Rect(0, 0, MaxWidth, 0);
  String S = AHint;
  Canvas()->Font()->Assign(FFont.get());
  HDC DC = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, FFont->Handle());
  RECT X{0, 0, MaxWidth, 0};
  DrawTextW(DC, S.c_str(), static_cast<int>(S.size()), &X,
            DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(DC, Old);
  DeleteDC(DC);
  R = Rect(0, 0, X.right + 6, X.bottom + 4);
  return R;
}

void THintWindow::ActivateHint(const TRect& R, const String& AHint) { ActivateHintData(R, AHint, nullptr); }

void THintWindow::ActivateHintData(const TRect& R, const String& AHint, void*) {
  SetText(AHint);
  TRect B = R;
  // Kept on the monitor it appears on.
  if (Screen) {
    TRect WA = Screen->MonitorFromPoint(B.TopLeft())->WorkareaRect();
    if (B.Right > WA.Right) B = Bounds(WA.Right - B.Width(), B.Top, B.Width(), B.Height());
    if (B.Bottom > WA.Bottom) B = Bounds(B.Left, WA.Bottom - B.Height(), B.Width(), B.Height());
    if (B.Left < WA.Left) B = Bounds(WA.Left, B.Top, B.Width(), B.Height());
    if (B.Top < WA.Top) B = Bounds(B.Left, WA.Top, B.Width(), B.Height());
  }
  SetBounds(B.Left, B.Top, B.Width(), B.Height());
  HandleNeeded();
  SetWindowPos(FHandle, HWND_TOPMOST, B.Left, B.Top, B.Width(), B.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  FVisible = true;
  Invalidate();
}

void THintWindow::Paint() {
  TRect R = ClientRect();
  TCanvas* C = Canvas();
  C->Brush()->SetColor(FColor);
  C->FillRect(R);
  C->Font()->Assign(FFont.get());
  C->Brush()->SetStyle(bsClear);
  R.Left += 2;
  R.Top += 2;
  String S = GetText();
  C->TextRect(R, S, {tfLeft, tfWordBreak, tfNoPrefix});
}

void THintWindow::WMNCHitTest(TMessage& M) { M.Result = HTTRANSPARENT; }

void THintWindow::Dispatch(TMessage& M) {
  if (M.Msg == WM_NCHITTEST) {
    WMNCHitTest(M);
    return;
  }
  TCustomControl::Dispatch(M);
}

bool THintWindow::IsHintMsg(const MSG& Msg) const {
  return (Msg.message >= WM_KEYFIRST && Msg.message <= WM_KEYLAST) ||
         Msg.message == WM_LBUTTONDOWN || Msg.message == WM_RBUTTONDOWN || Msg.message == WM_MBUTTONDOWN;
}

}  // namespace jorv
