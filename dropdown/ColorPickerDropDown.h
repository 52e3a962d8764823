#pragma once
// A drop-down editor whose value is a colour. The edit is not typed into:
// it shows the colour as a small box followed by its name or value. The
// pop-up shows a list of named colours, a grid of colour boxes, a honeycomb
// of colours or a spectrum; choosing a colour closes it. The named list can
// also be stepped through and searched with the pop-up closed.
#include <memory>
#include "dropdown/ColorPanels.h"
#include "dropdown/ExDropDown.h"
#include "dropdown/ItemSelector.h"

namespace jorv::dropdown {

enum TColorSelectionStyle : uint8_t { csList, csDiscrete, csColorCube, csSpectrum };
enum TColorValueText : uint8_t { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

class TColorItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  void Assign(TPersistent* Source) override;

 private:
  void ItemChanged();

  String FCaption;
  TColor FColor = clNone;
  String FHint;
  bool FEnabled = true;
};

class TColorItems : public TOwnedCollection {
 public:
  explicit TColorItems(TPersistent* AOwner) : TOwnedCollection(AOwner, CollectionItemClass<TColorItem>()) {}
  TColorItem* Add() { return static_cast<TColorItem*>(TCollection::Add()); }
  TColorItem* Insert(Integer Index) { return static_cast<TColorItem*>(TCollection::Insert(Index)); }
  TColorItem* Items(Integer Index) const { return static_cast<TColorItem*>(TCollection::Items(Index)); }
  void DoChange() {
    if (OnChange) OnChange(this);
  }
  TNotifyEvent OnChange;
};

class TExColorPickerDropDown : public TExCustomDropDown {
 public:
  explicit TExColorPickerDropDown(TComponent* AOwner);
  ~TExColorPickerDropDown() override;

  // --- published ------------------------------------------------------------------
  // Applied at the next opening.
  Integer Columns() const { return FColumns; }
  void SetColumns(Integer Value) { FColumns = Value; }
  TColorItems* Colors() const { return FColors.get(); }
  void SetColors(TColorItems* Value) { FColors->Assign(Value); }
  Integer ItemIndex() const { return FItemIndex; }
  // Beyond the colours: ignored; -1 clears the named selection. Reports
  // through OnSelect every time.
  void SetItemIndex(Integer Value);
  Integer ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(Integer Value) { FColorBoxHeight = Value; }
  Integer ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(Integer Value) { FColorBoxWidth = Value; }
  TItemLayout Layout() const { return FLayout; }
  void SetLayout(TItemLayout Value) { FLayout = Value; }
  TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
  void SetItemAppearance(TItemAppearance* Value) { FItemAppearance->Assign(Value); }
  TColorValueText ColorValueText() const { return FColorValueText; }
  void SetColorValueText(TColorValueText Value);
  TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
  void SetColorSelectionStyle(TColorSelectionStyle Value);
  bool ShowText() const { return FShowText; }
  void SetShowText(bool Value);
  using TExCustomDropDown::DisabledBorder;
  using TExCustomDropDown::SetDisabledBorder;

  // --- public -----------------------------------------------------------------------
  TColor SelectedColor() const { return FSelectedColor; }
  // Selects the first named colour of exactly that value, when one has it.
  void SetSelectedColor(TColor Value);
  String SelectedColorText();
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  void AddDefaultColors();
  TExCustomItemSelector* ItemSelector() const { return FItemSelector; }
  TExColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
  TExColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }
  TCustomColorSelector* ColorSelector() const { return FColorSelector; }

  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedColor;
  TDrawItemEvent OnDrawColor;

  void DoHideDropDown(bool Cancel) override;
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;
  void Loaded() override;

 protected:
  virtual void GetSelectedColorText(String& Text);
  void CreateWnd() override;
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void SizeDropDownForm() override;
  void PlaceDropDownControl() override;
  void DropDownFormDestroyed() override;
  void DoWheelDown() override;
  void DoWheelUp() override;
  void PaintEditContent() override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  void Dispatch(TMessage& Message) override;

 private:
  bool PanelStyle() const { return FColorSelectionStyle != csList; }
  TControl* StyleControl() const;
  void HideAllBut(TControl* Keep);
  void PrepareItemSelector();
  void PrepareColorSelector();
  void PrepareCubePanel();
  void PrepareSpectrumPanel();
  void PrepareContent();
  void FillSelectorItems();
  void ConfigureItemSelector();
  void SizeToPanel();
  void SelectorItemSelected(TObject* Sender);
  void DiscreteColorSelected(TObject* Sender);
  void PanelColorSelected(TColor AColor);
  void PaintSelectedColor();
  void SelectFirstColor();
  void SelectLastColor();
  void SelectNextColor();
  void SelectPreviousColor();
  void EnsureSelectorFilled();
  // Moves the list's selection without closing it.
  void MoveInList(Integer Index);
  void ListKeyDown(Word Key);
  bool Open() const { return FDroppedDown && FItemSelector; }

  Integer FUpdateCount = 0;
  TExCustomItemSelector* FItemSelector = nullptr;
  TExColorCubePanel* FColorCubePanel = nullptr;
  TExColorSpectrumPanel* FSpectrumPanel = nullptr;
  TCustomColorSelector* FColorSelector = nullptr;
  Integer FColumns = 1;
  TItemLayout FLayout = ilCaptionRight;
  std::unique_ptr<TColorItems> FColors;
  Integer FItemIndex = -1;
  Integer FColorBoxWidth = 14;
  Integer FColorBoxHeight = 14;
  TColorSelectionStyle FColorSelectionStyle = csList;
  TColor FSelectedColor = clNone;
  bool FShowText = true;
  std::unique_ptr<TItemAppearance> FItemAppearance;
  bool FInternalCall = false;
  TTypeAheadText FCurSearch;
  Integer FOldItemIndex = -1;
  TColor FOldSelectedColor = clNone;
  bool FDesignTime = false;
  TColorValueText FColorValueText = cvtNone;
};

}  // namespace jorv::dropdown
