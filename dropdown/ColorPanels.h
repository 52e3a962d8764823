#pragma once
// The three colour panels a colour picker hosts besides its named-colour
// list: a honeycomb of 127 hexagonal cells, a picture of hues whose pixels
// are the colours, and a grid of colour boxes (ten base colours with their
// shades by default). Each tells its host of a choice through an event.
#include <memory>
#include "dropdown/DropDownTypes.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/Collection.h"
#include "platform/ui/CustomControl.h"

namespace jorv {
class TImage;
class TBitmap;
}  // namespace jorv
namespace jorv::dropdown {

// The number under which the spectrum's pointer cursor is kept in the
// screen's cursor list.
constexpr TCursor crSpectrumPointer = 54;

class TExCustomColorSelectorPanel : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  // Fired on mouse-up by the cube and the spectrum, so that a host may
  // close its pop-up.
  TNotifyEvent OnShouldHide;

 protected:
  void DoShouldHide() {
    if (OnShouldHide) OnShouldHide(this);
  }
};

class TExColorCubePanel : public TExCustomColorSelectorPanel {
 public:
  static constexpr Integer CellCount = 127;
  struct TCubeCell {
    TPoint Center;
    TColor Color = clNone;
  };

  explicit TExColorCubePanel(TComponent* AOwner);

  TColor SelectedColor() const { return FSelectedColor; }
  // Selects the first cell of that colour; repaints nothing.
  void SetSelectedColor(TColor Value) { SetSelection(Value, -1); }
  bool ShowRGBHint() const { return FShowRGBHint; }
  void SetShowRGBHint(bool Value);
  Integer SelectedIndex() const { return FSelectedIndex; }
  Integer HotIndex() const { return FHotIndex; }
  const TCubeCell& Cell(Integer Index) const { return FCubeCells[Index]; }

  void InitCubeColors();
  // Forgets the hot cell and gives the panel its default size.
  void ResetHotCell();
  // The first cell whose centre is at most 6 pixels from the point, or -1.
  Integer CellAt(Integer X, Integer Y) const;
  void SetSelection(TColor AColor, Integer Index);

  TNotifyEvent OnSelect;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  void DrawCell(Integer Index);
  void RedrawCell(Integer Index);
  void ShowCellHint(Integer Index);

  TCubeCell FCubeCells[CellCount + 1];
  TPoint FCubeSize{6, 3};
  TColor FSelectedColor = clNone;
  Integer FSelectedIndex = -1;
  Integer FHotIndex = -1;
  bool FShowRGBHint = true;
};

// The picture of the spectrum: the program's bitmap resource "ZVQ_SPECTRUM"
// when it has one, else 128 x 128 hues drawn here: hue from left to right
// (red, yellow, green, cyan, blue, magenta), white at the top fading to
// the pure hue at row 64 and on to black at the bottom.
void LoadSpectrumBitmap(TBitmap* Bitmap);

class TExColorSpectrumPanel : public TExCustomColorSelectorPanel {
 public:
  explicit TExColorSpectrumPanel(TComponent* AOwner);
  ~TExColorSpectrumPanel() override;

  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
  TColor HotColor() const { return FHotColor; }
  TImage* SpectrumImage() const { return FSpectrumImage; }
  const TRect& SelectedRect() const { return FSelectedRect; }
  const TRect& HotRect() const { return FHotRect; }

  // Sizes the panel, centres the picture and places the two sample boxes.
  void LayoutSpectrum();

  TNotifyEvent OnSelect;

 protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  void ImageMouseMove(TShiftState Shift, Integer X, Integer Y);
  void ImageMouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  void ImageMouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  void DrawSample(TCanvas* ACanvas, const TRect& R, TColor AColor);
  void RedrawSample(const TRect& R, TColor AColor);

  TImage* FSpectrumImage = nullptr;
  TColor FHotColor = clNone;
  TColor FSelectedColor = clWhite;
  TRect FHotRect;
  TRect FSelectedRect;
};

// Where a colour box stands in a vertical run of shades.
enum TItemPos : uint8_t { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TItemPos ColorBoxPos() const { return FColorBoxPos; }
  void SetColorBoxPos(TItemPos Value) { FColorBoxPos = Value; }
  // A disabled box can be neither hot nor selected.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // Written by the layout; (-1, -1, -1, -1) before it.
  const TRect& ItemRect() const { return FRect; }
  void SetItemRect(const TRect& Value) { FRect = Value; }
  void Assign(TPersistent* Source) override;

 private:
  TColor FColor = clNone;
  TItemPos FColorBoxPos = ipStandAlone;
  bool FEnabled = true;
  TRect FRect{-1, -1, -1, -1};
};

class TColorBoxItems : public TOwnedCollection {
 public:
  explicit TColorBoxItems(TPersistent* AOwner)
      : TOwnedCollection(AOwner, CollectionItemClass<TColorBoxItem>()) {}
  TColorBoxItem* Add() { return static_cast<TColorBoxItem*>(TCollection::Add()); }
  TColorBoxItem* Insert(Integer Index) { return static_cast<TColorBoxItem*>(TCollection::Insert(Index)); }
  TColorBoxItem* Items(Integer Index) const { return static_cast<TColorBoxItem*>(TCollection::Items(Index)); }
  void DoChange() {
    if (OnChange) OnChange(this);
  }
  TNotifyEvent OnChange;
};

class TColorBoxAppearance : public TPersistent {
 public:
  explicit TColorBoxAppearance(TPersistent* AOwner) : FOwner(AOwner) {}
  // The colours every look but the custom one gives.
  void SetDefaults();
  void Assign(TPersistent* Source) override;

  TColor BorderColor = 0xC5C5C5;
  TColor OuterBorderColorHot = 0x3694F2;
  TColor InnerBorderColorHot = 0x94E2FF;
  TColor OuterBorderColorSelected = 0x0000FF;
  TColor InnerBorderColorSelected = 0x94E2FF;

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
};

class TCustomColorSelector : public TExCustomColorSelectorPanel {
 public:
  explicit TCustomColorSelector(TComponent* AOwner);
  ~TCustomColorSelector() override;

  TColorBoxAppearance* ColorBoxAppearance() const { return FColorBoxAppearance.get(); }
  void SetColorBoxAppearance(TColorBoxAppearance* Value) { FColorBoxAppearance->Assign(Value); }
  Integer ItemIndex() const { return FItemIndex; }
  // Raises the collection's index error beyond the boxes; a disabled box
  // is refused; -1 clears the selection.
  void SetItemIndex(Integer Index);
  Integer ItemHot() const { return FItemHot; }
  void SetItemHot(Integer Index);
  TColorBoxItems* Items() const { return FItems.get(); }
  void SetItems(TColorBoxItems* Value) { FItems->Assign(Value); }
  Integer ColumnGap() const { return FColumnGap; }
  void SetColumnGap(Integer Value);
  Integer Columns() const { return FColumns; }
  void SetColumns(Integer Value);
  TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
  void SetItemColorStyle(TSelectionColorStyle Value);
  Integer ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(Integer Value);
  Integer ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(Integer Value);
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);

  void AddDefaultColorBoxes();
  virtual void ArrangeColorBoxes();
  virtual void DrawColorBox(Integer Index, TCanvas* ACanvas);
  virtual void GetItemsRect(TRect& R);
  virtual void GetColorBoxSize(TSize& Size);
  virtual void InvalidateColorBox(Integer Index);
  Integer ItemAtPos(Integer X, Integer Y) const;
  TRect GetItemRect(Integer Index) const;

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  void HandleKey(Word Key, bool EditorEnabled, bool DroppedDown);

  Integer OffSetX = 4;
  Integer OffSetY = 4;
  TNotifyEvent OnItemSelect;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseLeave() override;

 private:
  bool IsBox(Integer Index) const { return Index >= 0 && Index < FItems->Count(); }
  bool IsEnabledBox(Integer Index) const { return IsBox(Index) && FItems->Items(Index)->Enabled(); }
  void DrawBoxNow(Integer Index);
  void PaintItems(TCanvas* ACanvas);
  void MoveByRow(Integer Rows);

  std::unique_ptr<TColorBoxAppearance> FColorBoxAppearance;
  std::unique_ptr<TColorBoxItems> FItems;
  Integer FItemIndex = -1;
  Integer FItemHot = -1;
  Integer FColumnGap = 4;
  Integer FColumns = 10;
  TSelectionColorStyle FItemColorStyle = scOffice2007;
  Integer FColorBoxHeight = 12;
  Integer FColorBoxWidth = 12;
  TColor FSelectedColor = clNone;
};

}  // namespace jorv::dropdown
