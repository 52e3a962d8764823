#pragma once
// A component holding pictures under names chosen at design time, which the
// HTML engine's image references look up without regard to letter case.
#include "foundation/HTMLSubset.h"
#include "platform/gfx/Graphic.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Component.h"

namespace jorv::foundation {

// Items and containers make their parts through virtual factories, which a
// constructor cannot reach in a descendant: the parts are made in
// AfterConstruction, which whoever creates the object calls once it is whole
// (the collection for its items), and at the latest on first use.
class TPictureItem : public TCollectionItem {
 public:
  explicit TPictureItem(TCollection* Collection);
  ~TPictureItem() override;
  // Makes the picture through CreatePicture.
  virtual void AfterConstruction();

  // Only from another TPictureItem (EInvalidCast otherwise): its name, tag
  // and a copy of its picture.
  void Assign(TPersistent* Source) override;

  TGraphic* Picture();
  // Copies Value into the item's own picture.
  void SetPicture(TGraphic* Value) { Picture()->Assign(Value); }
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }
  Integer Tag() const { return FTag; }
  void SetTag(Integer Value) { FTag = Value; }

 protected:
  // A new THTMLPicture.
  virtual std::unique_ptr<TGraphic> CreatePicture();

 private:
  std::unique_ptr<TGraphic> FPicture;
  Integer FTag = 0;
  String FName;
};

// The factory for items of class T, finished with AfterConstruction.
template <class T>
TCollectionItemClass PictureItemClass() {
  return [](TCollection* c) -> TCollectionItem* {
    auto* Item = new T(c);
    Item->AfterConstruction();
    return Item;
  };
}

class TPictureCollection : public TOwnedCollection {
 public:
  explicit TPictureCollection(TComponent* AOwner,
                              TCollectionItemClass ItemClass = GetItemClass());

  TPictureItem* Add();
  TPictureItem* Insert(Integer Index);
  TPictureItem* GetItem(Integer Index) const;
  // Assigns Value to the item at Index.
  void SetItem(Integer Index, TPictureItem* Value);
  // Steps every item's animated picture; true when any moved to another
  // frame.
  bool Animate();
  static TCollectionItemClass GetItemClass() { return PictureItemClass<TPictureItem>(); }

 private:
  TComponent* FOwner = nullptr;
};

class TPictureContainer : public TComponent, public IHTMLPictureContainer {
 public:
  explicit TPictureContainer(TComponent* AOwner = nullptr);
  ~TPictureContainer() override;
  // Makes the items through CreateItems.
  virtual void AfterConstruction();

  // The picture of the first item whose name matches s in any letter case,
  // or nullptr.
  TGraphic* FindPicture(const String& s) override;

  TPictureCollection* Items();
  // Copies Value's items.
  void SetItems(TPictureCollection* Value) { Items()->Assign(Value); }
  // Always "2.0.0.0"; writing it changes nothing.
  String Version() const;
  void SetVersion(const String&) {}

 protected:
  virtual std::unique_ptr<TPictureCollection> CreateItems();

 private:
  std::unique_ptr<TPictureCollection> FItems;
};

}  // namespace jorv::foundation
