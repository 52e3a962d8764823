#include "platform/rtl/Component.h"
#include <algorithm>
#include "platform/rtl/Exceptions.h"

namespace jorv {

namespace {

// Component names are identifiers: ASCII case folding is what matters.
bool SameIdent(const String& a, const String& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    Char x = a[i], y = b[i];
    if (x >= L'a' && x <= L'z') x -= 32;
    if (y >= L'a' && y <= L'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

[[noreturn]] void IndexError(Integer index) {
  throw EListError(L"List index out of bounds (" + std::to_wstring(index) + L")");
}

}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Everyone who asked to hear of our end hears it now; we drop ourselves
  // from their lists first so that an override that forgets the inherited
  // Notification cannot leave a dangling pointer behind.
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    other->RemoveNotification(this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(Integer Index) const {
  if (Index < 0 || Index >= ComponentCount()) IndexError(Index);
  return FComponents[Index];
}

Integer TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<Integer>(it - list.begin());
}

void TComponent::SetComponentIndex(Integer Value) {
  if (!FOwner) return;
  auto& list = FOwner->FComponents;
  Integer cur = ComponentIndex();
  if (cur < 0) return;
  Integer last = static_cast<Integer>(list.size()) - 1;
  Value = std::clamp(Value, 0, last);
  if (Value == cur) return;
  list.erase(list.begin() + cur);
  list.insert(list.begin() + Value, this);
}

bool TComponent::IsValidIdent(const String& Ident) {
  if (Ident.empty()) return false;
  auto alpha = [](Char c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_';
  };
  if (!alpha(Ident[0])) return false;
  for (Char c : Ident)
    if (!alpha(c) && !(c >= L'0' && c <= L'9')) return false;
  return true;
}

void TComponent::SetName(const String& NewName) {
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError(L"'" + NewName + L"' is not a valid component name");
  if (FOwner)
    FOwner->ValidateRename(this, FName, NewName);
  else
    ValidateRename(nullptr, FName, NewName);
  ChangeName(NewName);
}

void TComponent::ValidateRename(TComponent* AComponent, const String& CurName,
                                const String& NewName) {
  if (AComponent && !SameIdent(CurName, NewName) && AComponent->FOwner == this &&
      FindComponent(NewName))
    throw EComponentError(L"A component named " + NewName + L" already exists");
}

void TComponent::ValidateContainer(TComponent* AComponent) {
  AComponent->ValidateInsert(this);
}

void TComponent::SetSubComponent(bool Value) {
  if (Value)
    FComponentStyle.Include(csSubComponent);
  else
    FComponentStyle.Exclude(csSubComponent);
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  if (Value)
    FComponentState.Include(csDesigning);
  else
    FComponentState.Exclude(csDesigning);
  if (SetChildren)
    for (TComponent* c : FComponents) c->SetDesigning(Value, true);
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (SameIdent(c->FName, AName)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner == this) return;
  AComponent->ValidateContainer(this);
  if (FindComponent(AComponent->FName))
    throw EComponentError(L"A component named " + AComponent->FName + L" already exists");
  // A component has one owner: taking it over removes it from the last.
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner != this) return;
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (it != FComponents.end()) FComponents.erase(it);
  AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
  Destroying();
  while (!FComponents.empty()) {
    TComponent* instance = FComponents.back();
    Remove(instance);
    // Siblings that still stand may hold a reference to it.
    Notification(instance, opRemove);
    delete instance;
  }
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  // Registered in both directions whatever the owners: ownership can change
  // later, and a reference must never outlive its target.
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) ==
      FFreeNotifies.end()) {
    FFreeNotifies.push_back(AComponent);
    AComponent->FreeNotification(this);
  }
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  RemoveNotification(AComponent);
  AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
  auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
  if (it != FFreeNotifies.end()) FFreeNotifies.erase(it);
  if (FFreeNotifies.empty()) FComponentState.Exclude(csFreeNotification);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Walk from the end and re-check the bound: a handler may free siblings.
  Integer i = ComponentCount() - 1;
  while (i >= 0) {
    FComponents[i]->Notification(AComponent, Operation);
    --i;
    if (i >= ComponentCount()) i = ComponentCount() - 1;
  }
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

}  // namespace jorv
