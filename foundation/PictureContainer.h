#pragma once
// A component holding pictures under names chosen at design time, which the
// HTML engine's image references look up without regard to letter case.
#include "foundation/HTMLSubset.h"
#include "platform/gfx/Graphic.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Component.h"

namespace jorv::foundation {

class TPictureItem : public TCollectionItem {
 public:
  explicit TPictureItem(TCollection* Collection);
  ~TPictureItem() override;

  // Only from another TPictureItem (EInvalidCast otherwise): its name, tag
  // and a copy of its picture.
  void Assign(TPersistent* Source) override;

  TGraphic* Picture() const { return FPicture.get(); }
  // Copies Value into the item's own picture.
  void SetPicture(TGraphic* Value) { FPicture->Assign(Value); }
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

class TPictureCollection : public TOwnedCollection {
 public:
  explicit TPictureCollection(TComponent* AOwner);

  TPictureItem* Add();
  TPictureItem* Insert(Integer Index);
  TPictureItem* GetItem(Integer Index) const;
  // Assigns Value to the item at Index.
  void SetItem(Integer Index, TPictureItem* Value);
  // Steps every item's animated picture; true when any moved to another
  // frame.
  bool Animate();
  static TCollectionItemClass GetItemClass() { return CollectionItemClass<TPictureItem>(); }

 private:
  TComponent* FOwner = nullptr;
};

class TPictureContainer : public TComponent, public IHTMLPictureContainer {
 public:
  explicit TPictureContainer(TComponent* AOwner = nullptr);
  ~TPictureContainer() override;

  // The picture of the first item whose name matches s in any letter case,
  // or nullptr.
  TGraphic* FindPicture(const String& s) override;

  TPictureCollection* Items() const { return FItems.get(); }
  // Copies Value's items.
  void SetItems(TPictureCollection* Value) { FItems->Assign(Value); }
  // Always "2.0.0.0"; writing it changes nothing.
  String Version() const;
  void SetVersion(const String&) {}

 protected:
  virtual std::unique_ptr<TPictureCollection> CreateItems();

 private:
  std::unique_ptr<TPictureCollection> FItems;
};

}  // namespace jorv::foundation
