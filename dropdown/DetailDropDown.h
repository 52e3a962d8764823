#pragma once
// A drop-down editor over items that each carry a caption, a line of notes
// in the library's HTML subset and a picture: the edit shows the chosen
// caption and completes typed text from the first caption that starts with
// it; keys and the wheel move the choice in the edit and in the open list.
#include <memory>
#include "dropdown/ExDropDown.h"
#include "dropdown/ItemSelector.h"

namespace jorv::dropdown {

class TDetailItem : public TCollectionItem {
 public:
  explicit TDetailItem(TCollection* Collection);
  ~TDetailItem() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  TPicture* Image() const { return FImage.get(); }
  void SetImage(TPicture* Value) { FImage->Assign(Value); }
  const String& Notes() const { return FNotes; }
  void SetNotes(const String& Value) { FNotes = Value; }
  Integer Tag() const { return FTag; }
  void SetTag(Integer Value) { FTag = Value; }
  // Referenced, not owned.
  TObject* ItemObject() const { return FItemObject; }
  void SetItemObject(TObject* Value) { FItemObject = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  void Assign(TPersistent* Source) override;

 private:
  void ItemChanged();

  String FCaption;
  Integer FImageIndex = -1;
  std::unique_ptr<TPicture> FImage;
  String FNotes;
  Integer FTag = 0;
  TObject* FItemObject = nullptr;
  bool FEnabled = true;
};

class TDetailItems : public TOwnedCollection {
 public:
  explicit TDetailItems(TPersistent* AOwner) : TOwnedCollection(AOwner, CollectionItemClass<TDetailItem>()) {}
  TDetailItem* Add() { return static_cast<TDetailItem*>(TCollection::Add()); }
  TDetailItem* Insert(Integer Index) { return static_cast<TDetailItem*>(TCollection::Insert(Index)); }
  TDetailItem* Items(Integer Index) const { return static_cast<TDetailItem*>(TCollection::Items(Index)); }
  // The first item whose caption is Value, case counting; -1 when none.
  Integer IndexOf(const String& Value) const;
  void DoChange() {
    if (OnChange) OnChange(this);
  }
  TNotifyEvent OnChange;
};

class TExDetailDropDown : public TExCustomDropDown {
 public:
  explicit TExDetailDropDown(TComponent* AOwner);
  ~TExDetailDropDown() override;

  TDetailItems* Items() const { return FItems.get(); }
  void SetItems(TDetailItems* Value) { FItems->Assign(Value); }
  Integer ItemIndex() const { return FItemIndex; }
  void SetItemIndex(Integer Value);
  Integer ItemHeight() const { return FItemHeight; }
  void SetItemHeight(Integer Value) { FItemHeight = Value; }
  TItemLayout Layout() const { return FLayout; }
  void SetLayout(TItemLayout Value) { FLayout = Value; }
  TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
  void SetItemAppearance(TItemAppearance* Value) { FItemAppearance->Assign(Value); }
  TFont* CaptionFont() const { return FCaptionFont.get(); }
  void SetCaptionFont(TFont* Value) { FCaptionFont->Assign(Value); }
  TFont* NotesFont() const { return FNotesFont.get(); }
  void SetNotesFont(TFont* Value) { FNotesFont->Assign(Value); }
  TExCustomItemSelector* ItemSelector() const { return FItemSelector; }
  using TExCustomDropDown::DisabledBorder;
  using TExCustomDropDown::SetDisabledBorder;

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();

  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedImage;

  void DoHideDropDown(bool Cancel) override;
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;

 protected:
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DoShowDropDown() override;
  void SizeDropDownForm() override;
  void DropDownFormSizing() override;
  void DoWheelDown() override;
  void DoWheelUp() override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  void Change() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;

 private:
  void PrepareSelector();
  void FillSelectorItems();
  void SelectorItemSelect(TObject* Sender);
  void GetDetailItemSize(TObject* Sender, TSize& Size);
  void DrawDetailItem(TObject* Sender, TCanvas* Canvas, TRect R, Integer Index);
  void MoveInList(Integer Index);
  void SelectorStep(void (TExCustomItemSelector::*Step)());
  // The list keys of WM_KEYDOWN; true when the key is swallowed.
  bool ListKeyDown(Word Key);
  String AdjustCase(const String& S) const;
  bool Open() const { return FDroppedDown && FItemSelector; }

  TExCustomItemSelector* FItemSelector = nullptr;
  TItemLayout FLayout = ilCaptionRight;
  std::unique_ptr<TDetailItems> FItems;
  Integer FItemIndex = -1;
  std::unique_ptr<TItemAppearance> FItemAppearance;
  bool FInternalCall = false;
  TTypeAheadText FCurSearch;
  Integer FOldItemIndex = -1;
  Integer FItemHeight = 22;
  std::unique_ptr<TFont> FCaptionFont;
  std::unique_ptr<TFont> FNotesFont;
  bool FWorkMode = true;
  bool FItemChange = false;
  Integer FItemIdx = -1;
  Integer FItemSel = 0;
  bool FMatchCase = false;
};

}  // namespace jorv::dropdown
