#pragma once
// The settings objects of the grid's editing and interaction that the grid
// publishes (modified-row marks, sizing while typing, hover buttons).
#include <memory>
#include "grid/core/GridCoreTypes.h"
#include "platform/gfx/Colors.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Strings.h"

namespace jorv::grid {

enum THoverButtonPosition : uint8_t {
  hbLeftFromColumnLeft, hbRightFromColumnLeft, hbLeftFromColumnRight, hbRightFromColumnRight
};
enum THoverRows : uint8_t { hrAll, hrNormal };

#define JORV_XGRID_PLAIN(Type, Name, Default)        \
 public:                                             \
  Type Name() const { return F##Name; }              \
  void Set##Name(Type Value) { F##Name = Value; }    \
                                                     \
 private:                                            \
  Type F##Name = Default;

class TShowModified : public TPersistent {
 public:
  // Copies Color and Enabled without notification.
  void Assign(TPersistent* Source) override;
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);

  JORV_XGRID_PLAIN(bool, Enabled, false)

 public:
  TNotifyEvent OnChange;

 private:
  TColor FColor = clYellow;
};

class TSizeWhileTyping : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  JORV_XGRID_PLAIN(bool, Height, false)
  JORV_XGRID_PLAIN(bool, Width, false)
};

class THoverButtonsCollectionItem : public TCollectionItem {
 public:
  explicit THoverButtonsCollectionItem(TCollection* Collection = nullptr) : TCollectionItem(Collection) {}
  // The image index is not copied.
  void Assign(TPersistent* Source) override;
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }

  JORV_XGRID_PLAIN(String, Caption, L"")
  JORV_XGRID_PLAIN(bool, Enabled, true)
  JORV_XGRID_PLAIN(bool, Flat, false)
  JORV_XGRID_PLAIN(String, Hint, L"")
  JORV_XGRID_PLAIN(Integer, ImageIndex, 0)
  JORV_XGRID_PLAIN(Integer, Tag, 0)
  JORV_XGRID_PLAIN(Integer, Width, 0)

 private:
  std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
};

class THoverButtonsCollection : public TOwnedCollection {
 public:
  explicit THoverButtonsCollection(TPersistent* AOwner)
      : TOwnedCollection(AOwner, CollectionItemClass<THoverButtonsCollectionItem>()) {}
  THoverButtonsCollectionItem* Add() { return static_cast<THoverButtonsCollectionItem*>(TCollection::Add()); }
  THoverButtonsCollectionItem* Insert(Integer Index) {
    return static_cast<THoverButtonsCollectionItem*>(TCollection::Insert(Index));
  }
  THoverButtonsCollectionItem* Items(Integer Index) const {
    return static_cast<THoverButtonsCollectionItem*>(TCollection::Items(Index));
  }
};

class THoverButtons : public TPersistent {
 public:
  explicit THoverButtons(TPersistent* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  THoverButtonsCollection* Buttons() const { return FButtons.get(); }
  void SetButtons(THoverButtonsCollection* Value) { FButtons->Assign(Value); }

  JORV_XGRID_PLAIN(bool, Enabled, false)
  JORV_XGRID_PLAIN(Integer, Column, 0)
  JORV_XGRID_PLAIN(THoverButtonPosition, Position, hbLeftFromColumnLeft)
  JORV_XGRID_PLAIN(THoverRows, Rows, hrNormal)

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner = nullptr;
  std::unique_ptr<THoverButtonsCollection> FButtons = std::make_unique<THoverButtonsCollection>(this);
};

#undef JORV_XGRID_PLAIN

}  // namespace jorv::grid
