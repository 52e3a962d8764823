#include "dropdown/DropDownForm.h"
#include "dropdown/DropDownPaint.h"
#include "dropdown/ExDropDown.h"
#include "dropdown/HeaderFooter.h"
#include "platform/rtl/Clock.h"

namespace jorv::dropdown {

TDropDownForm::TDropDownForm(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsNone);
  SetPosition(poDesigned);
  SetVisible(false);
}

TDropDownForm::~TDropDownForm() = default;

Integer TDropDownForm::BorderWidth() const { return FExDropDown ? FExDropDown->DropDownBorderWidth() : 0; }

void TDropDownForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  Params.ExStyle |= WS_EX_TOPMOST;
  if (FExDropDown)
    if (TCustomForm* Form = FExDropDown->GetParentForm()) Params.WndParent = Form->Handle();
}

void TDropDownForm::AdjustClientRect(TRect& Rect) {
  TForm::AdjustClientRect(Rect);
  const Integer B = BorderWidth();
  Rect = TRect(Rect.Left + B, Rect.Top + B, Rect.Right - B, Rect.Bottom - B);
}

void TDropDownForm::Notification(TComponent* AComponent, TOperation Operation) {
  TForm::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHeader) FHeader = nullptr;
  if (AComponent == FFooter) FFooter = nullptr;
}

// --- header and footer ---------------------------------------------------------------------

void TDropDownForm::InitializeHeader() {
  THeaderAppearance* Look = FExDropDown->DropDownHeader();
  if (!FHeader && Look->Visible()) {
    FHeader = new TExHeader(this);
    FHeader->FreeNotification(this);
    FHeader->SetParent(this);
    FHeader->SetHeight(Look->Height());
    FHeader->SetAlign(alTop);
  }
  if (!FHeader) return;
  FHeader->SetExDropDown(FExDropDown);
  FHeader->RefreshButtons();
  FHeader->SetVisible(Look->Visible());
  FHeader->OnDrawBackGround = FExDropDown->OnDrawHeader;
  FHeader->OnGetText = FExDropDown->OnGetHeaderText;
}

void TDropDownForm::InitializeFooter() {
  TFooterAppearance* Look = FExDropDown->DropDownFooter();
  if (!FFooter && Look->Visible()) {
    FFooter = new TExFooter(this);
    FFooter->FreeNotification(this);
    FFooter->SetParent(this);
    FFooter->SetHeight(Look->Height());
    FFooter->SetAlign(alBottom);
  }
  if (!FFooter) return;
  FFooter->SetExDropDown(FExDropDown);
  FFooter->RefreshButtons();
  FFooter->SetVisible(Look->Visible());
  FFooter->OnDrawBackGround = FExDropDown->OnDrawFooter;
  FFooter->OnGetText = FExDropDown->OnGetFooterText;
}

void TDropDownForm::InitializeAndUpdate() {
  if (!FExDropDown) return;
  InitializeHeader();
  InitializeFooter();
}

// --- painting ------------------------------------------------------------------------------------

void TDropDownForm::Paint() {
  TForm::Paint();
  if (!FExDropDown) return;
  TCanvas* C = Canvas();
  const Integer B = BorderWidth();
  const TRect Client = ClientRect();
  const TRect R(Client.Left + B, Client.Top + B, Client.Right - B, Client.Bottom - B);
  const TColor From = FExDropDown->DropDownColor(), To = FExDropDown->DropDownColorTo();
  if (From != clNone && To != clNone) {
    DrawBandGradient(C, From, To, 80, R, FExDropDown->DropDownGradient() == gdHorizontal);
  } else if (From != clNone) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(From);
    C->FillRect(R);
  }
  if (B <= 0) return;
  C->Brush()->SetStyle(bsClear);
  C->Pen()->SetWidth(B);
  C->Pen()->SetColor(FExDropDown->DropDownBorderColor());
  C->Rectangle(TRect(Client.Left + B / 2, Client.Top + B / 2, Client.Right, Client.Bottom));
  C->Pen()->SetWidth(1);
}

// --- messages ------------------------------------------------------------------------------------

bool TDropDownForm::OwnsWindow(HWND Window) {
  for (HWND W = Window ? GetParent(Window) : nullptr; W; W = GetParent(W))
    if (W == FHandle) return true;
  return false;
}

void TDropDownForm::HandleActivateMessage(TWMActivate& M) {
  if (FBlockActivate) return;
  if (M.Active != WA_INACTIVE) {
    // The editor's window keeps its caption drawn active while its pop-up
    // has the activation.
    if (FExDropDown && FExDropDown->HandleAllocated()) {
      HWND Top = FExDropDown->Handle();
      while (HWND Up = GetParent(Top)) Top = Up;
      SendMessageW(Top, WM_NCACTIVATE, TRUE, 0);
    }
    return;
  }
  if (!Visible()) return;
  FDeActivateTime = jorv::GetTickCount();
  if (OwnsWindow(M.ActiveWindow)) return;
  if (FExDropDown)
    FExDropDown->DoHideDropDown(FCancelOnDeActivate);
  else
    Hide();
}

void TDropDownForm::HandleNCHitTestMessage(TWMNCHitTest& M) {
  DefaultHandler(MsgBase(M));
  if (!FSizeable) return;
  const TPoint P = ScreenToClient(TPoint{M.XPos, M.YPos});
  if (P.X > Width() - 10 && P.Y > Height() - 10) M.Result = HTBOTTOMRIGHT;
}

void TDropDownForm::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_ACTIVATE:
      TForm::WndProc(M);
      HandleActivateMessage(MsgAs<TWMActivate>(M));
      return;
    case WM_NCHITTEST: HandleNCHitTestMessage(MsgAs<TWMNCHitTest>(M)); return;
    case WM_SIZING:
      TForm::WndProc(M);
      if (OnSizing) OnSizing(this);
      return;
    case WM_GETDLGCODE: M.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; return;
    case WM_SIZE:
      TForm::WndProc(M);
      UpdateSize();
      Invalidate();
      return;
    default: TForm::WndProc(M);
  }
}

}  // namespace jorv::dropdown
