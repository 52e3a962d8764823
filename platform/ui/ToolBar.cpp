#include "platform/ui/ToolBar.h"
#include <commctrl.h>
#include <algorithm>
#include "platform/gfx/ImageList.h"

namespace jorv {

// --- buttons --------------------------------------------------------------------

TToolButton::TToolButton(TComponent* AOwner) : TControl(AOwner) {
  // The window clicks the button; the control only hears the mouse.
  FControlStyle = TControlStyle{csSetCaption};
  FWidth = 23;
  FHeight = 22;
}

TToolButton::~TToolButton() {
  if (TToolBar* B = ToolBar()) B->RemoveButton(this);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(FParent); }

Integer TToolButton::Index() const {
  TToolBar* B = ToolBar();
  if (!B) return -1;
  auto It = std::find(B->FButtons.begin(), B->FButtons.end(), this);
  return It == B->FButtons.end() ? -1 : static_cast<Integer>(It - B->FButtons.begin());
}

void TToolButton::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  if (AParent && !dynamic_cast<TToolBar*>(AParent))
    throw EInvalidOperation(L"A tool button can only sit on a tool bar");
  if (TToolBar* Old = ToolBar()) Old->RemoveButton(this);
  TControl::SetParent(AParent);
  if (TToolBar* New = ToolBar()) New->InsertButton(this);
}

void TToolButton::Changed() {
  if (TToolBar* B = ToolBar()) B->RecreateButtons();
}

void TToolButton::SetStyle(TToolButtonStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  if (Value == tbsSeparator || Value == tbsDivider) FWidth = 8;
  Changed();
}

void TToolButton::SetImageIndex(Integer Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TToolButton::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  Changed();
}

void TToolButton::SetDown(bool Value) {
  if (FDown == Value) return;
  FDown = Value;
  // Only one button of a group is down.
  if (Value && FGrouped && FStyle == tbsCheck)
    if (TToolBar* B = ToolBar()) {
      Integer I = Index();
      for (Integer J = I - 1; J >= 0 && B->FButtons[J]->FGrouped && B->FButtons[J]->FStyle == tbsCheck; --J)
        B->FButtons[J]->FDown = false;
      for (Integer J = I + 1; J < B->ButtonCount() && B->FButtons[J]->FGrouped && B->FButtons[J]->FStyle == tbsCheck; ++J)
        B->FButtons[J]->FDown = false;
      for (TToolButton* T : B->FButtons) B->UpdateButtonState(T);
      return;
    }
  if (TToolBar* B = ToolBar()) B->UpdateButtonState(this);
}

void TToolButton::SetGrouped(bool Value) {
  if (FGrouped == Value) return;
  FGrouped = Value;
  Changed();
}

void TToolButton::SetVisible(bool Value) {
  if (FVisible == Value) return;
  TControl::SetVisible(Value);
  Changed();
}

void TToolButton::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  TControl::SetEnabled(Value);
  if (TToolBar* B = ToolBar()) B->UpdateButtonState(this);
}

void TToolButton::CMTextChanged(TMessage& M) {
  TControl::CMTextChanged(M);
  Changed();
}

void TToolButton::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (FPlacing || !ToolBar()) {
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    return;
  }
  // The bar decides where buttons go; a separator keeps the width asked for.
  if ((FStyle == tbsSeparator || FStyle == tbsDivider) && AWidth != FWidth) {
    FWidth = AWidth;
    Changed();
  }
}

void TToolButton::Click() {
  if (FStyle == tbsCheck)
    if (TToolBar* B = ToolBar(); B && B->HandleAllocated()) {
      // The window has toggled the button already.
      bool Now = SendMessageW(B->Handle(), TB_ISBUTTONCHECKED, FCommand, 0) != 0;
      if (Now != FDown) SetDown(Now);
    }
  TControl::Click();
}

// --- the bar --------------------------------------------------------------------

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = TControlStyle{csAcceptsControls, csSetCaption, csDoubleClicks};
  FColor = clBtnFace;
  FBrush->SetColor(FColor);
  FAlign = alTop;
  SetBounds(0, 0, 150, 29);
}

TToolBar::~TToolBar() {
  // The buttons go with the windowed control's children, after this part
  // of the bar: they no longer find a tool bar to leave.
  FButtons.clear();
  DestroyHandle();
}

void TToolBar::CreateParams(TCreateParams& P) {
  TWinControl::CreateParams(P);
  INITCOMMONCONTROLSEX I{sizeof(I), ICC_BAR_CLASSES};
  InitCommonControlsEx(&I);
  CreateSubClass(P, TOOLBARCLASSNAMEW);
  P.Style &= ~WS_CLIPCHILDREN;
  P.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (FFlat) P.Style |= TBSTYLE_FLAT;
  if (FList) P.Style |= TBSTYLE_LIST;
  if (FTransparent) P.Style |= TBSTYLE_TRANSPARENT;
  P.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TToolBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(FHandle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  // The window lays out its frame first, then the buttons.
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RecreateButtons();
}

void TToolBar::InsertButton(TToolButton* Button) {
  // A button goes after those left of it, as placed at design.
  auto It = std::find_if(FButtons.begin(), FButtons.end(),
                         [Button](TToolButton* B) { return B->FLeft > Button->FLeft; });
  FButtons.insert(It, Button);
  Button->FCommand = FNextCommand++;
  if (FNextCommand == 0) FNextCommand = 1;
  RecreateButtons();
}

void TToolBar::RemoveButton(TToolButton* Button) {
  auto It = std::find(FButtons.begin(), FButtons.end(), Button);
  if (It == FButtons.end()) return;
  FButtons.erase(It);
  RecreateButtons();
}

void TToolBar::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  RecreateButtons();
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    RecreateButtons();
  }
}

void TToolBar::RecreateButtons() {
  if (!HandleAllocated() || FUpdating) return;
  FUpdating = true;
  SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
  while (SendMessageW(FHandle, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(FHandle, TB_DELETEBUTTON, 0, 0);
  SendMessageW(FHandle, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages ? FImages->Handle() : nullptr));
  if (FImages)
    SendMessageW(FHandle, TB_SETBITMAPSIZE, 0, MAKELPARAM(FImages->Width(), FImages->Height()));
  std::vector<String> Texts;
  Texts.reserve(FButtons.size());
  for (TToolButton* B : FButtons) {
    if (!B->FVisible) continue;
    TBBUTTON T{};
    T.idCommand = B->FCommand;
    T.iBitmap = (FImages && B->FImageIndex >= 0) ? B->FImageIndex : I_IMAGENONE;
    T.fsState = static_cast<BYTE>((B->FEnabled ? TBSTATE_ENABLED : 0) | (B->FDown ? TBSTATE_CHECKED : 0));
    switch (B->FStyle) {
      case tbsButton: T.fsStyle = BTNS_BUTTON; break;
      case tbsCheck: T.fsStyle = BTNS_CHECK | (B->FGrouped ? BTNS_GROUP : 0); break;
      case tbsDropDown: T.fsStyle = BTNS_DROPDOWN; break;
      case tbsSeparator:
      case tbsDivider:
        T.fsStyle = BTNS_SEP;
        T.iBitmap = B->FWidth;
        break;
    }
    if (B->FAutoSize) T.fsStyle |= BTNS_AUTOSIZE;
    if (B->FStyle != tbsSeparator && B->FStyle != tbsDivider) {
      if (FShowCaptions) {
        Texts.push_back(B->Caption());
        T.iString = reinterpret_cast<INT_PTR>(Texts.back().c_str());
        if (FList) T.fsStyle |= BTNS_SHOWTEXT;
      } else {
        T.iString = -1;
      }
    }
    SendMessageW(FHandle, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&T));
  }
  if (!FShowCaptions) SendMessageW(FHandle, TB_SETMAXTEXTROWS, 0, 0);
  SendMessageW(FHandle, TB_SETBUTTONSIZE, 0, MAKELPARAM(FButtonWidth, FButtonHeight));
  if (FShowCaptions) SendMessageW(FHandle, TB_SETBUTTONWIDTH, 0, MAKELPARAM(FButtonWidth, FButtonWidth * 4));
  SendMessageW(FHandle, TB_AUTOSIZE, 0, 0);
  SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FHandle, nullptr, TRUE);
  FUpdating = false;
  PlaceButtons();
}

void TToolBar::PlaceButtons() {
  if (!HandleAllocated()) return;
  Integer Bottom = 0;
  for (TToolButton* B : FButtons) {
    if (!B->FVisible) continue;
    LRESULT I = SendMessageW(FHandle, TB_COMMANDTOINDEX, B->FCommand, 0);
    RECT R{};
    if (I < 0 || !SendMessageW(FHandle, TB_GETITEMRECT, I, reinterpret_cast<LPARAM>(&R))) continue;
    B->FPlacing = true;
    B->FLeft = R.left;
    B->FTop = R.top;
    B->FWidth = R.right - R.left;
    B->FHeight = R.bottom - R.top;
    B->FPlacing = false;
    Bottom = std::max<Integer>(Bottom, R.bottom);
  }
  if (FAutoSize && Bottom > 0) {
    RECT W, C;
    GetWindowRect(FHandle, &W);
    GetClientRect(FHandle, &C);
    Integer H = Bottom + (W.bottom - W.top - C.bottom) + 2;
    if (H != FHeight) SetBounds(FLeft, FTop, FWidth, H);
  }
}

void TToolBar::UpdateButtonState(TToolButton* B) {
  if (!HandleAllocated() || !B->FVisible) return;
  LRESULT S = SendMessageW(FHandle, TB_GETSTATE, B->FCommand, 0);
  if (S < 0) return;
  S &= ~(TBSTATE_ENABLED | TBSTATE_CHECKED);
  if (B->FEnabled) S |= TBSTATE_ENABLED;
  if (B->FDown) S |= TBSTATE_CHECKED;
  SendMessageW(FHandle, TB_SETSTATE, B->FCommand, MAKELPARAM(S, 0));
}

void TToolBar::SetShowCaptions(bool Value) {
  if (FShowCaptions == Value) return;
  FShowCaptions = Value;
  RecreateWnd();
}

void TToolBar::SetList(bool Value) {
  if (FList == Value) return;
  FList = Value;
  RecreateWnd();
}

void TToolBar::SetButtonWidth(Integer Value) {
  if (Value < 1) throw ERangeError(L"Button width must be positive");
  FButtonWidth = Value;
  RecreateButtons();
}

void TToolBar::SetButtonHeight(Integer Value) {
  if (Value < 1) throw ERangeError(L"Button height must be positive");
  FButtonHeight = Value;
  RecreateButtons();
}

void TToolBar::SetAutoSize(bool Value) {
  FAutoSize = Value;
  PlaceButtons();
}

void TToolBar::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  RecreateWnd();
}

void TToolBar::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  RecreateWnd();
}

void TToolBar::SetEdgeBorders(TEdgeBorders Value) {
  if (FEdgeBorders == Value) return;
  FEdgeBorders = Value;
  if (HandleAllocated())
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Integer TToolBar::EdgeSize(TEdgeBorder Edge) const { return FEdgeBorders.Contains(Edge) ? 2 : 0; }

void TToolBar::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      // Presses belong to the window's buttons, not to the button controls.
      TControl::WndProc(M);
      return;
    case WM_MOUSEMOVE: {
      // The button control under the mouse hears it (for hints), and so
      // does the window (for its hot buttons).
      TMessage Copy = M;
      TWinControl::WndProc(M);
      if (ControlAtPos(MsgAs<TWMMouseMove>(Copy).Pos(), false))
        DefaultHandler(Copy);
      return;
    }
  }
  TWinControl::WndProc(M);
}

void TToolBar::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case CN_COMMAND: {
      const Word Id = MsgAs<TWMCommand>(M).ItemID;
      for (TToolButton* B : FButtons)
        if (B->FCommand == Id) {
          B->Click();
          break;
        }
      M.Result = 0;
      return;
    }
    case WM_NCCALCSIZE: {
      DefaultHandler(M);
      RECT* R = &MsgAs<TWMNCCalcSize>(M).CalcSizeParams->rgrc[0];
      R->left += EdgeSize(ebLeft);
      R->top += EdgeSize(ebTop);
      R->right -= EdgeSize(ebRight);
      R->bottom -= EdgeSize(ebBottom);
      return;
    }
    case WM_NCPAINT: {
      DefaultHandler(M);
      if (FEdgeBorders.Empty()) return;
      HDC DC = GetWindowDC(FHandle);
      RECT R;
      GetWindowRect(FHandle, &R);
      OffsetRect(&R, -R.left, -R.top);
      UINT Flags = (FEdgeBorders.Contains(ebLeft) ? BF_LEFT : 0) | (FEdgeBorders.Contains(ebTop) ? BF_TOP : 0) |
                   (FEdgeBorders.Contains(ebRight) ? BF_RIGHT : 0) | (FEdgeBorders.Contains(ebBottom) ? BF_BOTTOM : 0);
      DrawEdge(DC, &R, EDGE_ETCHED, Flags);
      ReleaseDC(FHandle, DC);
      return;
    }
    case WM_SIZE:
      TWinControl::Dispatch(M);
      PlaceButtons();
      return;
  }
  TWinControl::Dispatch(M);
}

}  // namespace jorv
