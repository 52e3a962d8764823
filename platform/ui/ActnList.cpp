#include "platform/ui/ActnList.h"
#include <algorithm>
#include "platform/gfx/ImageList.h"
#include "platform/ui/Control.h"

namespace jorv {

namespace {

std::vector<TActionList*>& LiveLists() {
  static std::vector<TActionList*> Lists;
  return Lists;
}

template <class T>
void EraseFrom(std::vector<T*>& List, T* Item) {
  List.erase(std::remove(List.begin(), List.end(), Item), List.end());
}

}  // namespace

// --- basic action --------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  // Links outlive their action: each is told it has none now.
  for (TBasicActionLink* L : std::vector<TBasicActionLink*>(FClients)) L->FAction = nullptr;
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::Change() {
  for (TBasicActionLink* L : std::vector<TBasicActionLink*>(FClients)) L->Change();
}

// --- action ------------------------------------------------------------------------

TAction::TAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TAction::~TAction() { SetActionList(nullptr); }

void TAction::SetActionList(TActionList* Value) {
  if (FActionList == Value) return;
  if (FActionList) EraseFrom(FActionList->FActions, this);
  FActionList = Value;
  if (FActionList) FActionList->FActions.push_back(this);
}

bool TAction::Execute() {
  // A disabled action does nothing, as its disabled controls do.
  if (!FEnabled) return false;
  bool Handled = false;
  if (FActionList && FActionList->OnExecute) FActionList->OnExecute(this, Handled);
  return Handled || TBasicAction::Execute();
}

bool TAction::Update() {
  bool Handled = false;
  if (FActionList && FActionList->OnUpdate) FActionList->OnUpdate(this, Handled);
  return Handled || TBasicAction::Update();
}

// Each property passes to the links that show it before it is stored, so a
// link can still compare its client with the old value.
#define JORV_ACTION_SETTER(Name, Type, Field)                                             \
  void TAction::Set##Name(Type Value) {                                                   \
    if (Field == Value) return;                                                           \
    for (TBasicActionLink* B : std::vector<TBasicActionLink*>(FClients))                  \
      if (auto* L = dynamic_cast<TActionLink*>(B); L && L->Is##Name##Linked()) L->Set##Name(Value); \
    Field = Value;                                                                        \
    Change();                                                                             \
  }
JORV_ACTION_SETTER(Caption, const String&, FCaption)
JORV_ACTION_SETTER(Hint, const String&, FHint)
JORV_ACTION_SETTER(Enabled, bool, FEnabled)
JORV_ACTION_SETTER(Checked, bool, FChecked)
JORV_ACTION_SETTER(Visible, bool, FVisible)
JORV_ACTION_SETTER(GroupIndex, Integer, FGroupIndex)
JORV_ACTION_SETTER(ImageIndex, Integer, FImageIndex)
JORV_ACTION_SETTER(ShortCut, TShortCut, FShortCut)
#undef JORV_ACTION_SETTER

// --- action list ---------------------------------------------------------------------

TActionList::TActionList(TComponent* AOwner) : TComponent(AOwner) { LiveLists().push_back(this); }

TActionList::~TActionList() {
  EraseFrom(LiveLists(), this);
  for (TAction* A : std::vector<TAction*>(FActions)) A->FActionList = nullptr;
}

void TActionList::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
}

void TActionList::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TActionList::UpdateActions() {
  for (TAction* A : std::vector<TAction*>(FActions)) A->Update();
}

void UpdateAllActionLists() {
  for (TActionList* L : std::vector<TActionList*>(LiveLists())) L->UpdateActions();
}

// --- links -----------------------------------------------------------------------------

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (FAction == Value) return;
  if (FAction) EraseFrom(FAction->FClients, this);
  FAction = Value;
  if (FAction) FAction->FClients.push_back(this);
}

bool TBasicActionLink::Execute() { return FAction && FAction->Execute(); }

bool TBasicActionLink::Update() { return FAction && FAction->Update(); }

void TBasicActionLink::Change() {
  if (OnChange) OnChange(FAction);
}

TAction* TActionLink::AsAction() const { return dynamic_cast<TAction*>(FAction); }

bool TControlActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && FClient->Caption() == AsAction()->Caption();
}

bool TControlActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() && FClient->Hint() == AsAction()->Hint();
}

bool TControlActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && FClient->Enabled() == AsAction()->Enabled();
}

bool TControlActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && FClient->Visible() == AsAction()->Visible();
}

void TControlActionLink::SetCaption(const String& Value) { FClient->SetCaption(Value); }
void TControlActionLink::SetHint(const String& Value) { FClient->SetHint(Value); }
void TControlActionLink::SetEnabled(bool Value) { FClient->SetEnabled(Value); }
void TControlActionLink::SetVisible(bool Value) { FClient->SetVisible(Value); }

bool TControlActionLink::Execute() { return TActionLink::Execute(); }

}  // namespace jorv
