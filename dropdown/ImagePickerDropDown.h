#pragma once
// A drop-down editor that picks one picture out of a set: the pop-up shows
// the items in a grid of columns, the edit shows the chosen picture
// centred instead of text. Items come from the designer, from the image
// list or from the image files of a folder.
#include <functional>
#include <memory>
#include "dropdown/ExDropDown.h"
#include "dropdown/ItemSelector.h"

namespace jorv::dropdown {

class TImageItem : public TCollectionItem {
 public:
  explicit TImageItem(TCollection* Collection);
  ~TImageItem() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  TPicture* Image() const { return FImage.get(); }
  void SetImage(TPicture* Value) { FImage->Assign(Value); }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  void Assign(TPersistent* Source) override;

 private:
  friend class TExImagePickerDropDown;
  void ItemChanged();

  String FCaption;
  Integer FImageIndex = -1;
  std::unique_ptr<TPicture> FImage;
  String FHint;
  bool FEnabled = true;
};

class TImageItems : public TOwnedCollection {
 public:
  explicit TImageItems(TPersistent* AOwner) : TOwnedCollection(AOwner, CollectionItemClass<TImageItem>()) {}
  TImageItem* Add() { return static_cast<TImageItem*>(TCollection::Add()); }
  TImageItem* Insert(Integer Index) { return static_cast<TImageItem*>(TCollection::Insert(Index)); }
  TImageItem* Items(Integer Index) const { return static_cast<TImageItem*>(TCollection::Items(Index)); }
  void DoChange() {
    if (OnChange) OnChange(this);
  }
  TNotifyEvent OnChange;
};

class TExImagePickerDropDown : public TExCustomDropDown {
 public:
  explicit TExImagePickerDropDown(TComponent* AOwner);
  ~TExImagePickerDropDown() override;

  // Used at the next opening.
  Integer Columns() const { return FColumns; }
  void SetColumns(Integer Value) { FColumns = Value; }
  TImageItems* Items() const { return FItems.get(); }
  void SetItems(TImageItems* Value) { FItems->Assign(Value); }
  Integer ItemIndex() const { return FItemIndex; }
  void SetItemIndex(Integer Value);
  TItemLayout Layout() const { return FLayout; }
  void SetLayout(TItemLayout Value) { FLayout = Value; }
  TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
  void SetItemAppearance(TItemAppearance* Value) { FItemAppearance->Assign(Value); }
  // The selected item's image index (-1 without a selection); writing
  // selects the first item with that image index, or none.
  Integer ImageIndex() const;
  void SetImageIndex(Integer Value);
  TExCustomItemSelector* ItemSelector() const { return FItemSelector; }
  using TExCustomDropDown::DisabledBorder;
  using TExCustomDropDown::SetDisabledBorder;

  // AFolder is a search mask: a folder followed by a file pattern. Every
  // picture file that matches becomes an item; a file that does not load
  // leaves an item with an empty picture.
  void AddImagesFromFolder(const String& AFolder, bool SetImageCaption);
  void AddImagesFromImageList();
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();

  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedImage;
  TDrawItemEvent OnDrawItem;

  void DoHideDropDown(bool Cancel) override;
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;

 protected:
  void CreateWnd() override;
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void SizeDropDownForm() override;
  void DoWheelDown() override;
  void DoWheelUp() override;
  void PaintEditContent() override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  void Dispatch(TMessage& Message) override;

 private:
  void LoadImageFile(const String& FileName, const String& Caption);
  void PrepareSelector();
  void FillSelectorItems();
  void SelectorItemSelect(TObject* Sender);
  void PaintSelectedImage();
  // Selects Index in the open list without closing it.
  void MoveInList(Integer Index);
  void ListKeyDown(Word Key);
  void TypeAhead(Word Key);
  bool Open() const { return FDroppedDown && FItemSelector; }

  TExCustomItemSelector* FItemSelector = nullptr;
  Integer FColumns = 1;
  TItemLayout FLayout = ilCaptionRight;
  std::unique_ptr<TImageItems> FItems;
  Integer FItemIndex = -1;
  std::unique_ptr<TItemAppearance> FItemAppearance;
  bool FInternalCall = false;
  TTypeAheadText FCurSearch;
  Integer FOldItemIndex = -1;
};

}  // namespace jorv::dropdown
