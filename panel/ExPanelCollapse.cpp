// Collapsing and expanding, caption clicks, moving and sizing by mouse,
// and the persistence of the panel's position.
#include "panel/ExPanel.h"
#include <algorithm>
#include "panel/ExPanelGroup.h"
#include "platform/rtl/IniFiles.h"
#include "platform/ui/Application.h"

namespace jorv::panel {
using namespace expanel;

// ---- collapse and expansion ----

void TCustomExPanel::SetCollaps(bool Value) {
  if (FCollaps && !Value) {
    if (OnMaximize) OnMaximize(this);
  } else if (!FCollaps && Value) {
    if (OnMinimize) OnMinimize(this);
  }
  // A write during the animation (from a handler it let run) is dropped.
  if (FIsCollapsing) return;
  if (Value == FCollaps) {
    StateChanged();
    if (OnEndCollapsExpand) OnEndCollapsExpand(this);
    return;
  }
  FIsCollapsing = true;
  FCollaps = Value;
  if (Loading()) {
    FIsCollapsing = false;
    StateChanged();
    if (OnEndCollapsExpand) OnEndCollapsExpand(this);
    return;
  }
  StartCollapse(Value);
}

Integer TCustomExPanel::BorderShadowExtent() const {
  return BorderWidth() > 0 && FBorderShadow ? BorderWidth() + 2 : 0;
}

Integer TCustomExPanel::Extent() const {
  return FCaption->Position() == cpTop ? Height() : Width();
}

void TCustomExPanel::SetExtent(Integer Value) {
  if (FCaption->Position() == cpTop)
    SetHeight(Value);
  else
    SetWidth(Value);
}

void TCustomExPanel::StartCollapse(bool Collapse) {
  const Integer C = FCaption->Height();
  const Integer SB = FStatusBar->Visible() ? FStatusBar->Height() : 0;
  const Integer N = FCollapsSteps;
  if (Collapse) {
    FOldLeft = Left();
    FFullHeight = Extent();
    if (FAutoHideChildren) HideChildren();
    FOldColor = Color();
    if (N > 0 && FCollapsColor != clNone) {
      SetColor(FCollapsColor);
      FCollapsColored = true;
    }
    const Integer Borders = FCaption->Position() == cpTop ? 2 * BorderWidth() : 0;
    FAnimStep = N > 0 ? -((Extent() - C - SB - Borders) / N) : 0;
  } else {
    if (FCaption->Position() == cpRight) FOldLeft = Left() + Width() - FFullHeight;
    // An expansion without animation gives the colour back as well, so a
    // panel never stays in the collapse colour once open.
    if ((N > 0 || FCollapsColored) && FCollapsColor != clNone) SetColor(FOldColor);
    FCollapsColored = false;
    FAnimStep = N > 0 ? (FFullHeight - C - SB) / N : 0;
  }
  FAnimDone = 0;
  FAnimSteps = N > 0 && HandleAllocated() ? N : 0;
  // The steps run on timer ticks, so no message is handled inside the
  // property write; a panel without a window goes straight to its end.
  if (FAnimSteps > 0)
    ::SetTimer(Handle(), CollapsTimerID, UINT(std::max(FCollapsDelay, 1)), nullptr);
  else
    FinishCollapse();
}

void TCustomExPanel::CollapsStep() {
  if (!FIsCollapsing) {
    if (HandleAllocated()) ::KillTimer(Handle(), CollapsTimerID);
    return;
  }
  if (FAnimDone >= FAnimSteps) {
    FinishCollapse();
    return;
  }
  ++FAnimDone;
  SetExtent(Extent() + FAnimStep);
  // A right caption keeps its right edge where it is.
  if (FCaption->Position() == cpRight) SetLeft(Left() - FAnimStep);
  Synchronize();
}

void TCustomExPanel::FinishCollapse() {
  if (HandleAllocated()) ::KillTimer(Handle(), CollapsTimerID);
  FAnimSteps = FAnimDone = 0;
  const Integer C = FCaption->Height();
  const Integer SB = FStatusBar->Visible() ? FStatusBar->Height() : 0;
  const Integer E = BorderShadowExtent();
  const TCaptionPosition Pos = FCaption->Position();
  if (FCollaps) {
    if (Pos == cpTop) {
      SetHeight(C + SB + 2 * E - 2);
    } else {
      SetWidth(E + C + SB);
      if (Pos == cpRight) SetLeft(FFullHeight + FOldLeft - Width());
    }
  } else {
    if (Pos == cpTop) {
      SetHeight(FFullHeight);
    } else {
      SetWidth(FFullHeight);
      if (Pos == cpRight) SetLeft(FOldLeft);
    }
    if (FAutoHideChildren) ShowChildren();
  }
  Synchronize();
  FIsCollapsing = false;
  StateChanged();
  if (OnEndCollapsExpand) OnEndCollapsExpand(this);
}

void TCustomExPanel::HideChildren() {
  const Integer CH = FCaption->Height();
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* Child = Controls(i);
    if (!Child->Visible()) FHideList.push_back(Child);
  }
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* Child = Controls(i);
    bool InStrip = false;
    if (FCaption->Visible()) {
      switch (FCaption->Position()) {
        case cpTop: InStrip = Child->Top() < CH; break;
        case cpLeft: InStrip = Child->Left() < CH; break;
        case cpRight: InStrip = Child->Left() > Width() - CH; break;
      }
    }
    if (!InStrip) Child->SetVisible(false);
  }
}

void TCustomExPanel::ShowChildren() {
  // Only the current children are looked at: the list may name controls
  // that have gone since.
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* Child = Controls(i);
    if (std::find(FHideList.begin(), FHideList.end(), Child) == FHideList.end())
      Child->SetVisible(true);
  }
  FHideList.clear();
}

void TCustomExPanel::DestroyWnd() {
  // The animation's timer goes with the window: finish at once rather than
  // stay half collapsed.
  if (FIsCollapsing && FAnimSteps > 0) FinishCollapse();
  TCustomPanel::DestroyWnd();
}

void TCustomExPanel::Synchronize() {
  if (auto* Group = dynamic_cast<TExPanelGroup*>(Parent())) Group->ChildPanelChanged(this);
}

// ---- caption clicks ----

TRect TCustomExPanel::CaptionStrip(const TRect& R) {
  const Integer C = FCaption->Height();
  switch (FCaption->Position()) {
    case cpLeft: return {R.Left, R.Top, R.Left + C, R.Bottom};
    case cpRight: return {R.Right - C, R.Top, R.Right, R.Bottom};
    default: return {R.Left, R.Top, R.Right - 2, R.Top + C};
  }
}

void TCustomExPanel::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomPanel::MouseUp(Button, Shift, X, Y);
  if (!Designing() && FCaption->Visible()) CaptionClick({X, Y});
}

void TCustomExPanel::CaptionClick(TPoint P) {
  bool Toggle = FCaption->MinMaxCaption();
  if (FCaption->CloseButton() && CloseButtonRect().Contains(P)) {
    SetVisible(false);
    if (OnClose) OnClose(this);
    Synchronize();
    Toggle = false;
    if (FFreeOnClose) {
      ReleaseLater();
      return;
    }
  }
  const TRect R = ClientBesideClose();
  if (FCaption->MinMaxButton() && MinMaxButtonRect(true).Contains(P)) {
    Toggle = false;
    SetCollaps(!FCollaps);
  }
  if (CaptionStrip(R).Contains(P)) {
    if (Toggle) SetCollaps(!FCollaps);
    if (OnCaptionClick) OnCaptionClick(this);
  }
}

void TCustomExPanel::ReleaseLater() {
  // The panel is inside its own mouse handling: it goes when the message
  // loop comes back to the posted notice.
  if (HandleAllocated()) ::PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

void TCustomExPanel::WMLButtonDblClk(TWMMouse& Message) {
  TCustomPanel::WMLButtonDblClk(Message);
  if (FCaption->Visible() && CaptionStrip(ClientRect()).Contains(Message.Pos()) &&
      OnCaptionDBlClick)
    OnCaptionDBlClick(this);
}

// ---- moving and sizing ----

void TCustomExPanel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST:
      TCustomPanel::WndProc(Message);
      if (!Designing()) HitTest(MsgAs<TWMNCHitTest>(Message));
      return;
    case WM_ENTERSIZEMOVE:
      FTopLeft = ClientOrigin();
      FWidthHeight = {Width(), Height()};
      break;
    case WM_SIZING:
      if (!Designing()) return Sizing(Message);
      break;
    case WM_MOVING:
      return Moving(Message);
    case WM_EXITSIZEMOVE:
      TCustomPanel::WndProc(Message);
      if (OnEndMoveSize) OnEndMoveSize(this);
      Synchronize();
      return;
    case WM_DESTROY:
      TCustomPanel::WndProc(Message);
      if (FPosition->Save()) SavePosition();
      return;
    case WM_TIMER:
      if (Message.WParam != CollapsTimerID) break;
      CollapsStep();
      return;
    case CM_RELEASE:
      delete this;
      return;
  }
  TCustomPanel::WndProc(Message);
}

void TCustomExPanel::HitTest(TWMNCHitTest& Message) {
  const TPoint P = ScreenToClient({Message.XPos, Message.YPos});
  TRect R = ClientRect();
  const Integer W = CaptionButtonSize(true);
  const Integer Buttons = (FCaption->CloseButton() ? W : 0) + (FCaption->MinMaxButton() ? W : 0);
  const bool AtLeft = FCaption->ButtonPosition() == cbpLeft;
  const Integer C = FCaption->Height();
  bool InZone = false;
  if (FCaption->Visible()) {
    switch (FCaption->Position()) {
      case cpTop:
        (AtLeft ? R.Left : R.Right) += AtLeft ? Buttons : -Buttons;
        InZone = P.Y < C && R.Left < P.X && P.X < R.Right;
        break;
      case cpLeft:
        (AtLeft ? R.Bottom : R.Top) += AtLeft ? -Buttons : Buttons;
        InZone = P.X < C && R.Top < P.Y && P.Y < R.Bottom;
        break;
      case cpRight:
        (AtLeft ? R.Top : R.Bottom) += AtLeft ? Buttons : -Buttons;
        InZone = P.X > Width() - C && R.Top < P.Y && P.Y < R.Bottom;
        break;
    }
  }
  TRect AnchorR{};
  FInMove = false;
  if (InZone && FCanMove && Message.Result == HTCLIENT && AnchorAt(P.X, P.Y, AnchorR).empty()) {
    MouseMove({}, P.X, P.Y);
    Message.Result = HTCAPTION;
    FInMove = true;
  }
  if (Message.Result != HTCLIENT || !FCanSize || FCollaps) return;
  const Integer FX = ::GetSystemMetrics(SM_CXFRAME), FY = ::GetSystemMetrics(SM_CYFRAME);
  const Integer H = Height(), Wd = Width();
  LRESULT Answer = HTCLIENT;
  if (FCaption->Position() == cpRight) {
    if (!FFixedHeight && !FFixedWidth && P.Y > H - FY - 2 && P.X < FX + 2)
      Answer = HTBOTTOMLEFT;
    else if (!FFixedHeight && P.Y > H - FY)
      Answer = HTBOTTOM;
    else if (!FFixedWidth && P.X < FX + 2)
      Answer = HTLEFT;
  } else {
    if (!FFixedHeight && !FFixedWidth && P.Y > H - FY - 2 && P.X > Wd - FX - 2)
      Answer = HTBOTTOMRIGHT;
    else if (!FFixedHeight && P.Y > H - FY)
      Answer = HTBOTTOM;
    else if (!FFixedWidth && P.X > Wd - FX)
      Answer = HTRIGHT;
  }
  if (Answer == HTCLIENT) return;
  ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Message.Result = Answer;
}

void TCustomExPanel::Sizing(TMessage& Message) {
  auto* R = reinterpret_cast<RECT*>(Message.LParam);
  if (FFixedWidth) R->right = R->left + FWidthHeight.X;
  if (FFixedHeight) R->bottom = R->top + FWidthHeight.Y;
  FFullHeight = FCaption->Position() == cpTop ? R->bottom - R->top : R->right - R->left;
  Message.Result = 0;
  if (R->right - R->left != Width()) UpdateCaptionShade();
}

void TCustomExPanel::Moving(TMessage& Message) {
  FTopLeft = ClientOrigin();
  if (FInMove) ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (Designing()) return TCustomPanel::WndProc(Message);
  auto* R = reinterpret_cast<RECT*>(Message.LParam);
  if (FFixedLeft) {
    R->right += FTopLeft.X - R->left;
    R->left = FTopLeft.X;
  }
  if (FFixedTop) {
    R->bottom += FTopLeft.Y - R->top;
    R->top = FTopLeft.Y;
  }
  Message.Result = 0;
}

void TCustomExPanel::CreateWnd() {
  TCustomPanel::CreateWnd();
  // Only the designer places a dropped panel in its group's column or row;
  // at run time the group arranges.
  auto* Group = dynamic_cast<TExPanelGroup*>(Parent());
  if (!Designing() || !Group) return;
  if (Group->GroupStyle() == gsVertical) {
    SetBounds(Group->HorzPadding(), std::max(Top(), Group->VertPadding()),
              Group->Width() - 2 * Group->HorzPadding(), Height());
  } else {
    SetBounds(std::max(Left(), Group->HorzPadding()), Group->VertPadding(), Width(),
              Group->Height() - 2 * Group->HorzPadding());
  }
}

// ---- position persistence ----

std::unique_ptr<TCustomIniFile> TCustomExPanel::OpenPositionFile() {
  if (FPosition->Key().empty() || FPosition->Section().empty() || Designing()) return nullptr;
  if (FPosition->Location() == clInifile) return std::make_unique<TIniFile>(FPosition->Key());
  return std::make_unique<TRegistryIniFile>(FPosition->Key());
}

void TCustomExPanel::SavePosition() {
  std::unique_ptr<TCustomIniFile> Ini = OpenPositionFile();
  if (!Ini) return;
  const String& S = FPosition->Section();
  Ini->WriteInteger(S, L"Top", Top());
  Ini->WriteInteger(S, L"Left", Left());
  Ini->WriteInteger(S, L"Height", Height());
  Ini->WriteInteger(S, L"FullHeight", FFullHeight);
  Ini->WriteInteger(S, L"Width", Width());
  Ini->WriteInteger(S, L"Collaps", FCollaps ? 1 : 0);
}

void TCustomExPanel::LoadPosition() {
  std::unique_ptr<TCustomIniFile> Ini = OpenPositionFile();
  if (!Ini) return;
  const String& S = FPosition->Section();
  SetTop(Ini->ReadInteger(S, L"Top", Top()));
  SetLeft(Ini->ReadInteger(S, L"Left", Left()));
  SetHeight(Ini->ReadInteger(S, L"Height", Height()));
  SetWidth(Ini->ReadInteger(S, L"Width", Width()));
  // A stored collapsed panel collapses from its stored (collapsed) size and
  // then gets its expanded extent back.
  SetCollaps(Ini->ReadInteger(S, L"Collaps", 0) == 1);
  FFullHeight = Ini->ReadInteger(S, L"FullHeight", Height());
}

}  // namespace jorv::panel
