#include "panel/ExPanelGroup.h"
#include <algorithm>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::panel {

TExPanelGroup::TExPanelGroup(TComponent* AOwner) : TExPanel(AOwner) {
  FScrollBar = new TScrollBar(nullptr);
  FScrollBar->SetParent(this);
  FScrollBar->SetKind(sbVertical);
  FScrollBar->SetAlign(alRight);
  FScrollBar->SetPosition(0);
  FScrollBar->SetVisible(false);
  FScrollBar->SetLargeChange(20);
  FScrollBar->SetSmallChange(2);
  FScrollBar->SetTabStop(false);
  FScrollBar->OnScroll = [this](TObject*, TScrollCode Code, Integer& Pos) {
    ScrollBarScroll(Code, Pos);
  };
  SetDoubleBuffered(!IsVistaOrNewer());
}

TExPanelGroup::~TExPanelGroup() {
  // The list's panels go first; each one's end takes it off the list.
  while (!FPanels.empty()) {
    TCustomExPanel* P = FPanels.back();
    FPanels.pop_back();
    delete P;
  }
  delete FScrollBar;
  FScrollBar = nullptr;
}

// ---- properties ----

void TExPanelGroup::SetColumns(Integer Value) {
  if (Value <= 0) return;
  FColumns = Value;
  UpdateScrollBar();
  ArrangeControls();
  UpdateScrollBar();
}

void TExPanelGroup::SetDefaultPanel(TExPanelSettings* Value) {
  if (Value) FDefaultPanel->Assign(Value);
}

void TExPanelGroup::SetGroupStyle(TGroupStyle Value) {
  if (Value == FGroupStyle) return;
  FGroupStyle = Value;
  UpdateScrollBar();
  ArrangeControls();
}

void TExPanelGroup::SetMouseWheelDelta(Integer Value) {
  if (Value == FMouseWheelDelta) return;
  FMouseWheelDelta = Value;
  FScrollBar->SetSmallChange(Value);
}

void TExPanelGroup::SetHorzPadding(Integer Value) {
  if (Value == FHorzPadding) return;
  FHorzPadding = Value;
  ArrangeControls();
}

void TExPanelGroup::SetVertPadding(Integer Value) {
  if (Value == FVertPadding) return;
  FVertPadding = Value;
  ArrangeControls();
}

void TExPanelGroup::ListIndexCheck(Integer Index) const {
  if (Index < 0 || Index >= PanelCount())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
}

TCustomExPanel* TExPanelGroup::GetPanel(Integer Index) const {
  ListIndexCheck(Index);
  return FPanels[Index];
}

void TExPanelGroup::SetPanel(Integer Index, TCustomExPanel* Value) {
  ListIndexCheck(Index);
  if (Value) FPanels[Index]->Assign(Value);
}

// ---- the panel list ----

TCustomExPanel* TExPanelGroup::NewPanel() {
  auto* P = new TExPanel(this);
  P->SetParent(this);
  P->AssignSettings(FDefaultPanel.get());
  TPanelCaption* Default = FDefaultPanel->Caption();
  P->Caption()->SetVisible(Default->Visible());
  P->Caption()->SetMinMaxButton(Default->MinMaxButton());
  P->Caption()->SetCloseButton(Default->CloseButton());
  P->FreeNotification(this);
  return P;
}

TCustomExPanel* TExPanelGroup::AddPanel() {
  TCustomExPanel* P = NewPanel();
  P->SetIndex(PanelCount());
  FPanels.push_back(P);
  UpdateScrollBar();
  ArrangeControls();
  UpdateScrollBar();
  return P;
}

TCustomExPanel* TExPanelGroup::AppendPanel() {
  TCustomExPanel* P = AddPanel();
  if (PanelCount() > 1) MovePanelEntry(PanelCount() - 1, 0);
  return P;
}

TCustomExPanel* TExPanelGroup::InsertPanel(Integer Index) {
  TCustomExPanel* P = NewPanel();
  P->SetIndex(Index);
  FPanels.insert(FPanels.begin() + std::clamp(Index, 0, PanelCount()), P);
  NumberByPosition();
  UpdateScrollBar();
  ArrangeControls();
  UpdateScrollBar();
  return P;
}

void TExPanelGroup::RemovePanel(Integer Index) {
  if (Index < 0 || Index >= PanelCount()) return;
  // Freeing the panel takes its entry off the list (Notification).
  delete FPanels[Index];
  NumberByPosition();
  ArrangeControls();
}

void TExPanelGroup::NumberByPosition() {
  for (Integer i = 0; i < PanelCount(); ++i) FPanels[i]->SetIndex(i);
}

void TExPanelGroup::MovePanel(Integer FromIndex, Integer ToIndex) {
  const Integer From = PanelCount() - 1 - FromIndex, To = PanelCount() - 1 - ToIndex;
  ListIndexCheck(From);
  ListIndexCheck(To);
  TCustomExPanel* P = FPanels[From];
  FPanels.erase(FPanels.begin() + From);
  FPanels.insert(FPanels.begin() + To, P);
  for (Integer i = 0; i < PanelCount(); ++i) FPanels[i]->SetIndex(PanelCount() - i);
  ArrangeByIndex();
}

void TExPanelGroup::MovePanelEntry(Integer CurIndex, Integer NewIndex) {
  TCustomExPanel* P = FPanels[CurIndex];
  FPanels.erase(FPanels.begin() + CurIndex);
  FPanels.insert(FPanels.begin() + NewIndex, P);
  for (Integer i = 0; i < PanelCount(); ++i) FPanels[i]->SetIndex(PanelCount() - i);
  ArrangeByIndex();
}

void TExPanelGroup::ArrangeByIndex() {
  // Runs even inside BeginUpdate/EndUpdate.
  const Integer Count = FUpdateCount;
  FCode = true;
  FUpdateCount = 0;
  ArrangeControls();
  FUpdateCount = Count;
  FCode = false;
}

void TExPanelGroup::Clear() {
  for (Integer i = ControlCount() - 1; i >= 0; --i) {
    if (i < ControlCount()) {
      if (auto* P = dynamic_cast<TCustomExPanel*>(Controls(i))) delete P;
    }
  }
  FPanels.clear();
  UpdateScrollBar();
}

void TExPanelGroup::InitPanels() {
  for (TCustomExPanel* P : FPanels) P->RemoveFreeNotification(this);
  FPanels.clear();
  for (Integer i = 0; i < ControlCount(); ++i) {
    if (auto* P = dynamic_cast<TCustomExPanel*>(Controls(i))) {
      P->SetIndex(PanelCount());
      P->FreeNotification(this);
      FPanels.push_back(P);
    }
  }
}

void TExPanelGroup::Notification(TComponent* AComponent, TOperation Operation) {
  TExPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  // A panel freed elsewhere (its close button, its owner) leaves the list,
  // so the group never frees it a second time.
  FPanels.erase(std::remove(FPanels.begin(), FPanels.end(), AComponent), FPanels.end());
}

void TExPanelGroup::ArrangePanels() {
  FCode = true;
  ArrangeControls();
  FCode = false;
}

void TExPanelGroup::UpdateGroup() {
  ArrangeControls();
  UpdateScrollBar();
  SetHeight(Height() + 1);
  SetHeight(Height() - 1);
}

void TExPanelGroup::ChildPanelChanged(TCustomExPanel*) {
  UpdateScrollBar();
  ArrangeControls();
}

void TExPanelGroup::OpenAllPanels() {
  BeginUpdate();
  for (TCustomExPanel* P : SortedPanels(false, false)) P->SetCollaps(false);
  EndUpdate();
}

void TExPanelGroup::CloseAllPanels() {
  BeginUpdate();
  for (TCustomExPanel* P : SortedPanels(false, false)) P->SetCollaps(true);
  EndUpdate();
  Invalidate();
}

void TExPanelGroup::BeginUpdate() {
  if (HandleAllocated()) ::SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  ++FUpdateCount;
}

void TExPanelGroup::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount > 0) return;
  if (HandleAllocated()) ::SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  UpdateScrollBar();
  ArrangeControls();
  UpdateScrollBar();
}

// ---- arranging ----

std::vector<TCustomExPanel*> TExPanelGroup::SortedPanels(bool ByIndex, bool ByLeft) const {
  std::vector<TCustomExPanel*> Panels;
  for (Integer i = 0; i < ControlCount(); ++i) {
    if (auto* P = dynamic_cast<TCustomExPanel*>(Controls(i))) Panels.push_back(P);
  }
  std::stable_sort(Panels.begin(), Panels.end(), [&](TCustomExPanel* A, TCustomExPanel* B) {
    if (ByIndex) return A->Index() < B->Index();
    return ByLeft ? A->Left() < B->Left() : A->Top() < B->Top();
  });
  return Panels;
}

std::vector<Integer> TExPanelGroup::RowHeights(const std::vector<TCustomExPanel*>& Panels) const {
  std::vector<Integer> Rows((Panels.size() + FColumns - 1) / FColumns, -1);
  for (size_t k = 0; k < Panels.size(); ++k) {
    if (Panels[k]->Visible())
      Rows[k / FColumns] = std::max(Rows[k / FColumns], Panels[k]->Height());
  }
  return Rows;
}

void TExPanelGroup::ArrangeControls() {
  if (Loading() || FIsArranging || FUpdateCount > 0) return;
  FIsArranging = true;
  {
    auto Restore = ScopeExit([&] { FIsArranging = false; });
    if (FGroupStyle == gsVertical)
      ArrangeVertical();
    else
      ArrangeHorizontal();
  }
  DoArrangedControls();
}

void TExPanelGroup::ArrangeVertical() {
  if (FUpdateCount > 0) return;
  ++FUpdateCount;
  const std::vector<TCustomExPanel*> Panels = SortedPanels(FCode, false);
  const std::vector<Integer> Rows = RowHeights(Panels);
  const bool Scrolled = FScrollBar->Visible();
  const Integer W = Width(), S = Scrolled ? FScrollBar->Width() : 0, P = FHorzPadding,
                C = FColumns;
  Integer Y = FVertPadding - (Scrolled ? FScrollBar->Position() : 0) +
              (Caption()->Visible() ? Caption()->Height() : 0);
  if (FScrollSmooth) {
    for (TCustomExPanel* Panel : Panels)
      if (Panel->Visible()) Panel->BeginUpdate();
  }
  for (size_t k = 0; k < Panels.size(); ++k) {
    const Integer Column = Integer(k) % C;
    Panels[k]->SetBounds(((W - S - P) / C) * Column + P, Y, (W - (C + 1) * P - S) / C,
                         Panels[k]->Height());
    // A row is as high as its highest visible panel, so rows never overlap.
    const Integer RowHeight = Rows[k / C];
    if (Column == C - 1 || k + 1 == Panels.size()) {
      if (RowHeight >= 0) Y += RowHeight + FVertPadding;
    }
  }
  for (TCustomExPanel* Panel : Panels) {
    if (FScrollSmooth && Panel->Visible()) Panel->EndUpdate();
    Panel->Invalidate();
    // Children re-lay themselves out at the panel's new width.
    for (Integer i = 0; i < Panel->ControlCount(); ++i) {
      TControl* Child = Panel->Controls(i);
      Child->SetWidth(Child->Width() + 1);
      Child->SetWidth(Child->Width() - 1);
    }
  }
  --FUpdateCount;
  Invalidate();
}

void TExPanelGroup::ArrangeHorizontal() {
  const bool Scrolled = FScrollBar->Visible();
  Integer X = FHorzPadding - (Scrolled ? FScrollBar->Position() : 0);
  const Integer H = Height() - 2 * FVertPadding - (Scrolled ? FScrollBar->Height() : 0);
  for (TCustomExPanel* Panel : SortedPanels(false, true)) {
    Panel->SetBounds(X, FVertPadding, Panel->Width(), H);
    if (Panel->Visible()) X += Panel->Width() + FHorzPadding;
  }
}

void TExPanelGroup::DoArrangedControls() {
  if (OnArrangedControls) OnArrangedControls(this);
}

Integer TExPanelGroup::GetContentHeight() {
  // The same rows the arrangement makes, whatever the children besides
  // the panels (the scroll bar among them).
  Integer Height = FVertPadding + (Caption()->Visible() ? Caption()->Height() : 0);
  for (Integer Row : RowHeights(SortedPanels(false, false))) {
    if (Row >= 0) Height += Row + FVertPadding;
  }
  return Height;
}

Integer TExPanelGroup::GetContentWidth() {
  Integer Width = FHorzPadding;
  for (TCustomExPanel* Panel : SortedPanels(false, true)) {
    if (Panel->Visible()) Width += Panel->Width() + FHorzPadding;
  }
  return Width;
}

void TExPanelGroup::UpdateScrollBar() {
  if (FUpdateCount > 0 || !FScrollBar) return;
  const bool Vertical = FGroupStyle == gsVertical;
  if (Vertical) {
    if (FScrollBar->Kind() != sbVertical) FScrollBar->SetKind(sbVertical);
    if (FScrollBar->Align() != alRight) FScrollBar->SetAlign(alRight);
    FScrollBar->SetWidth(16);
  } else {
    if (FScrollBar->Kind() != sbHorizontal) FScrollBar->SetKind(sbHorizontal);
    if (FScrollBar->Align() != alBottom) FScrollBar->SetAlign(alBottom);
    FScrollBar->SetHeight(16);
  }
  const Integer E = Vertical ? GetContentHeight() : GetContentWidth();
  const Integer Room = Vertical ? Height() : Width();
  if (Room < E && (E > 0 || !Vertical)) {
    const Integer Pos = std::min(FScrollBar->Position(), E);
    FScrollBar->SetPageSize(0);
    FScrollBar->SetParams(Pos, 0, E);
    FScrollBar->SetPageSize(Room);
    FScrollBar->SetLargeChange(Room / 3);
  }
  FScrollBar->SetVisible(Room < E);
  FScrollBar->Invalidate();
}

// ---- scrolling ----

void TExPanelGroup::ScrollBarScroll(TScrollCode Code, Integer& Pos) {
  if (Code != scEndScroll) return;
  const Integer Last = FScrollBar->Max() - FScrollBar->PageSize();
  if (Pos > Last) Pos = std::max(Last, 0);
  FScrollBar->SetPosition(Pos);
  ArrangeControls();
}

void TExPanelGroup::SetScrollPosition(Integer Value) {
  FScrollBar->SetPosition(Value);
  Integer Pos = FScrollBar->Position();
  ScrollBarScroll(scEndScroll, Pos);
}

bool TExPanelGroup::Wheel(Integer Direction) {
  if (!FScrollBar->Visible()) return false;
  FScrollBar->SetPosition(FScrollBar->Position() + Direction * 2 * FScrollBar->SmallChange());
  // Straight to the arrangement: no checks, no OnArrangedControls.
  if (FGroupStyle == gsVertical)
    ArrangeVertical();
  else
    ArrangeHorizontal();
  return true;
}

bool TExPanelGroup::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  return Wheel(1) || TExPanel::DoMouseWheelDown(Shift, MousePos);
}

bool TExPanelGroup::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  return Wheel(-1) || TExPanel::DoMouseWheelUp(Shift, MousePos);
}

// ---- reactions ----

void TExPanelGroup::StateChanged() {
  ArrangeControls();
  UpdateScrollBar();
}

void TExPanelGroup::Loaded() {
  TExPanel::Loaded();
  SetWidth(Width() + 1);
  SetWidth(Width() - 1);
  UpdateScrollBar();
  ArrangeControls();
  InitPanels();
}

void TExPanelGroup::AlignControls(TControl* AControl, TRect& Rect) {
  TExPanel::AlignControls(AControl, Rect);
  UpdateScrollBar();
}

void TExPanelGroup::WMSize(TWMSize& Message) {
  TExPanel::WMSize(Message);
  UpdateScrollBar();
}

void TExPanelGroup::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  TExPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (AWidth != FOldWidth || AHeight != FOldHeight) {
    FOldWidth = AWidth;
    FOldHeight = AHeight;
    ArrangeControls();
  }
}

// ---- positions ----

void TExPanelGroup::SetPanelPositions(bool Save) {
  TPanelPosition Kept(nullptr);
  for (Integer i = 0; i < ControlCount(); ++i) {
    auto* P = dynamic_cast<TCustomExPanel*>(Controls(i));
    if (!P) continue;
    Kept.Assign(P->Position());
    P->Position()->Assign(Position());
    P->Position()->SetSection(P->Name());
    auto Restore = ScopeExit([&] { P->Position()->Assign(&Kept); });
    if (Save)
      P->SavePosition();
    else
      P->LoadPosition();
  }
}

void TExPanelGroup::LoadPanelPositions() { SetPanelPositions(false); }

void TExPanelGroup::SavePanelPositions() { SetPanelPositions(true); }

}  // namespace jorv::panel
