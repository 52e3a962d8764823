#pragma once
// The grid drop-down's column and item collections: each column describes
// one column of the pop-up's grid, each item one row with a text per
// column and an image. They share their names, but not their class, with
// the multi-column drop-down's; the two never mix.
#include <memory>
#include "dropdown/MultiColumnDropDown.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Strings.h"

namespace jorv::grid {

using jorv::dropdown::TColumnType;
using jorv::dropdown::ctImage;
using jorv::dropdown::ctText;

class TDropDownColumn : public TCollectionItem {
 public:
  explicit TDropDownColumn(TCollection* Collection);
  ~TDropDownColumn() override;

  Integer Width() const { return FWidth; }
  void SetWidth(Integer Value) { FWidth = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { FAlignment = Value; }
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value) { FEllipsis = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TColumnType ColumnType() const { return FColumnType; }
  void SetColumnType(TColumnType Value) { FColumnType = Value; }
  const String& Header() const { return FHeader; }
  void SetHeader(const String& Value) { FHeader = Value; }
  bool Wordwrap() const { return FWordwrap; }
  void SetWordwrap(bool Value) { FWordwrap = Value; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { FAutoSize = Value; }
  void Assign(TPersistent* Source) override;

 private:
  Integer FWidth = 80;
  TColor FColor = 0xFFFFFF;
  TAlignment FAlignment = taLeftJustify;
  bool FEllipsis = false;
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  TColumnType FColumnType = ctText;
  String FHeader;
  bool FWordwrap = false;
  bool FAutoSize = false;
};

class TDropDownColumns : public TOwnedCollection {
 public:
  explicit TDropDownColumns(TPersistent* AOwner)
      : TOwnedCollection(AOwner, CollectionItemClass<TDropDownColumn>()) {}
  TDropDownColumn* Add() { return static_cast<TDropDownColumn*>(TCollection::Add()); }
  TDropDownColumn* Insert(Integer Index) { return static_cast<TDropDownColumn*>(TCollection::Insert(Index)); }
  TDropDownColumn* Items(Integer Index) const { return static_cast<TDropDownColumn*>(TCollection::Items(Index)); }
};

class TDropDownItem : public TCollectionItem {
 public:
  explicit TDropDownItem(TCollection* Collection);
  ~TDropDownItem() override;

  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value) { FImageIndex = Value; }
  // One string per column, in column order.
  TStringList* Text() const { return FText.get(); }
  void SetText(TStrings* Value) { FText->Assign(Value); }
  // The text of Column, empty when the item has fewer texts.
  String TextOf(Integer Column) const;
  void Assign(TPersistent* Source) override;

 private:
  Integer FImageIndex = -1;
  std::unique_ptr<TStringList> FText = std::make_unique<TStringList>();
};

class TDropDownItems : public TOwnedCollection {
 public:
  explicit TDropDownItems(TPersistent* AOwner) : TOwnedCollection(AOwner, GetItemClass()) {}
  // The class of the items the collection makes.
  virtual TCollectionItemClass GetItemClass() const { return CollectionItemClass<TDropDownItem>(); }
  TDropDownItem* Add() { return static_cast<TDropDownItem*>(TCollection::Add()); }
  TDropDownItem* Insert(Integer Index) { return static_cast<TDropDownItem*>(TCollection::Insert(Index)); }
  TDropDownItem* Items(Integer Index) const { return static_cast<TDropDownItem*>(TCollection::Items(Index)); }
};

}  // namespace jorv::grid
