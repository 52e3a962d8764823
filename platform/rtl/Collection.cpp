#include "platform/rtl/Collection.h"
#include <algorithm>
#include <iterator>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv {

// ---------------------------------------------------------- TCollectionItem

TCollectionItem::TCollectionItem(TCollection* Collection) {
  if (Collection && Collection->FMakingItem) {
    // The collection's Add inserts this item once the derived class is
    // built; its constructors may already look at the collection.
    Collection->FMakingItem = false;
    FCollection = Collection;
    FJoining = true;
    return;
  }
  SetCollection(Collection);
}

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* Value) {
  if (FCollection == Value) return;
  if (FJoining) {
    // Never in the list, so there is nothing to take it out of.
    FJoining = false;
    FCollection = nullptr;
  } else if (FCollection) {
    FCollection->RemoveItem(this);
  }
  if (Value) Value->InsertItem(this);
}

Integer TCollectionItem::Index() const {
  if (!FCollection) return -1;
  auto& items = FCollection->FItems;
  auto it = std::find(items.begin(), items.end(), this);
  return it == items.end() ? -1 : static_cast<Integer>(it - items.begin());
}

void TCollectionItem::SetIndex(Integer Value) {
  Integer cur = Index();
  if (cur < 0 || cur == Value) return;
  FCollection->CheckIndex(Value);
  auto& items = FCollection->FItems;
  items.erase(items.begin() + cur);
  items.insert(items.begin() + Value, this);
  Changed(true);
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && !FJoining && FCollection->FUpdateCount == 0)
    FCollection->Update(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

String TCollectionItem::GetNamePath() const {
  if (!FCollection) return ClassName();
  return FCollection->GetNamePath() + L"[" + std::to_wstring(Index()) + L"]";
}

// -------------------------------------------------------------- TCollection

TCollection::TCollection(TCollectionItemClass ItemClass) : FItemClass(std::move(ItemClass)) {}

TCollection::~TCollection() {
  FUpdateCount = 1;
  Clear();
}

void TCollection::CheckIndex(Integer Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
}

TCollectionItem* TCollection::Add() {
  FMakingItem = true;
  TCollectionItem* item;
  {
    auto Restore = ScopeExit([&] { FMakingItem = false; });
    item = FItemClass(this);
  }
  if (item->FJoining && item->FCollection == this) {
    item->FJoining = false;
    item->FCollection = nullptr;
    InsertItem(item);
  } else if (item->FCollection != this) {
    // A factory that did not hand the collection on to the item's
    // constructor still gets its item in.
    item->SetCollection(this);
  }
  return item;
}

TCollectionItem* TCollection::Insert(Integer Index) {
  if (Index < 0 || Index > Count())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(Integer Index) {
  CheckIndex(Index);
  TCollectionItem* item = FItems[Index];
  Notify(item, cnDeleting);
  // Removed while whole, so Notify and Update see the real item.
  RemoveItem(item);
  delete item;
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  auto Restore = ScopeExit([&] { EndUpdate(); });
  while (!FItems.empty()) {
    TCollectionItem* item = FItems.back();
    RemoveItem(item);
    delete item;
  }
}

TCollectionItem* TCollection::Items(Integer Index) const {
  CheckIndex(Index);
  return FItems[Index];
}

void TCollection::SetItems(Integer Index, TCollectionItem* Value) { Items(Index)->Assign(Value); }

TCollectionItem* TCollection::FindItemID(Integer ID) const {
  for (TCollectionItem* item : FItems)
    if (item->FID == ID) return item;
  return nullptr;
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
  SetItemName(Item);
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  Notify(Item, cnExtracting);
  // From the back: clearing removes the last item each time, and a big
  // collection is cleared at the cost of its size.
  auto it = std::find(FItems.rbegin(), FItems.rend(), Item);
  if (it != FItems.rend()) FItems.erase(std::next(it).base());
  Item->FCollection = nullptr;
  Changed();
}

void TCollection::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TCollection*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  BeginUpdate();
  auto Restore = ScopeExit([&] { EndUpdate(); });
  Clear();
  for (TCollectionItem* item : src->FItems) Add()->Assign(item);
}

String TCollection::GetNamePath() const {
  String result = ClassName();
  if (TPersistent* owner = GetOwner()) {
    String path = owner->GetNamePath();
    if (!path.empty()) result = path + L"." + result;
  }
  return result;
}

}  // namespace jorv
