#pragma once
// Collections: owned lists of items, each item knowing its collection, its
// index and a unique ID. The collection creates its items through the
// factory it was given, as the platform does with an item class.
#include <functional>
#include <vector>
#include "platform/rtl/Object.h"

namespace jorv {

class TCollection;

enum TCollectionNotification : uint8_t { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
 public:
  // Joins Collection (when given) at its end. An item the collection makes
  // itself (Add, Insert) joins only once its whole class is built, so that
  // Notify and Update never see a half-made item; until then its
  // constructors already find their Collection(), but it has no Index().
  explicit TCollectionItem(TCollection* Collection = nullptr);
  // Leaves its collection.
  ~TCollectionItem() override;

  TCollection* Collection() const { return FCollection; }
  // Moves the item to another collection (nullptr: to none).
  void SetCollection(TCollection* Value);
  Integer Index() const;
  // Moves the item within its collection; EListError for a bad index.
  virtual void SetIndex(Integer Value);
  Integer ID() const { return FID; }
  String DisplayName() const { return GetDisplayName(); }
  void SetDisplayName(const String& Value) { SetDisplayNameImpl(Value); }
  String GetNamePath() const override;

 protected:
  // Tells the collection: AllItems = true reports a change of every item
  // (Update(nullptr)), else of this one.
  virtual void Changed(bool AllItems);
  virtual String GetDisplayName() const { return ClassName(); }
  virtual void SetDisplayNameImpl(const String& /*Value*/) { Changed(false); }
  TPersistent* GetOwner() const override;

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  Integer FID = 0;
  // Made by FCollection's Add and not in its list yet.
  bool FJoining = false;
};

using TCollectionItemClass = std::function<TCollectionItem*(TCollection* Collection)>;

// The factory for items of class T (constructed with the collection).
template <class T>
TCollectionItemClass CollectionItemClass() {
  return [](TCollection* c) -> TCollectionItem* { return new T(c); };
}

class TCollection : public TPersistent {
 public:
  explicit TCollection(TCollectionItemClass ItemClass = CollectionItemClass<TCollectionItem>());
  ~TCollection() override;

  TCollectionItem* Add();
  TCollectionItem* Insert(Integer Index);
  void Delete(Integer Index);
  void Clear();
  TCollectionItem* Items(Integer Index) const;
  // Assigns Value to the item at Index.
  void SetItems(Integer Index, TCollectionItem* Value);
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TCollectionItem* FindItemID(Integer ID) const;
  const TCollectionItemClass& ItemClass() const { return FItemClass; }

  virtual void BeginUpdate() { ++FUpdateCount; }
  virtual void EndUpdate();
  Integer UpdateCount() const { return FUpdateCount; }

  // Clears and adds one item per source item, assigned from it.
  void Assign(TPersistent* Source) override;
  TPersistent* Owner() const { return GetOwner(); }
  String GetNamePath() const override;

 protected:
  // Item changed (nullptr: the whole collection); not called while updating.
  virtual void Update(TCollectionItem* /*Item*/) {}
  virtual void Notify(TCollectionItem* /*Item*/, TCollectionNotification /*Action*/) {}
  virtual void SetItemName(TCollectionItem* /*Item*/) {}
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void CheckIndex(Integer Index) const;

  TCollectionItemClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  Integer FUpdateCount = 0;
  Integer FNextID = 0;
  // Set by Add while its factory runs: the first item constructed for this
  // collection then waits to be inserted by Add.
  bool FMakingItem = false;
};

// A collection that reports an owner (the component or settings object
// that publishes it).
class TOwnedCollection : public TCollection {
 public:
  TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
      : TCollection(std::move(ItemClass)), FOwner(AOwner) {}

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner = nullptr;
};

}  // namespace jorv
