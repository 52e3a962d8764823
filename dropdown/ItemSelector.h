#pragma once
// The list surface of the list-like drop-downs: a scrolling host that owns
// the items, their look and the settings, and an inner owner-drawn panel
// that lays the items out in a grid of equal cells, paints them (picture,
// image-list image or colour box, with an HTML caption), tracks the hot and
// the selected item and grows to the items' size so that the host scrolls
// it. Keys are the hosting drop-down's business: it drives the stepping and
// type-ahead operations here.
#include <functional>
#include <memory>
#include "dropdown/DropDownTypes.h"
#include "foundation/ZVQStyle.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Collection.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/ScrollingWinControl.h"

namespace jorv {
class TCustomImageList;
}
namespace jorv::dropdown {

enum TSelectorType : uint8_t { stImage, stColor };
// Where the caption stands relative to the item's picture or colour box.
enum TItemLayout : uint8_t { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

using TDrawItemEvent = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R, Integer Index)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;
// Draws a chosen item in the editor or an item of the list in place of the
// drop-down's own drawing.
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R)>;

class TExCustomItemSelector;
class TCustomItemSelector;

class TSelectorItem : public TCollectionItem {
 public:
  explicit TSelectorItem(TCollection* Collection);
  ~TSelectorItem() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  TPicture* Image() const { return FImage.get(); }
  void SetImage(TPicture* Value) { FImage->Assign(Value); }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  // A disabled item can be neither hot nor selected.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // Where the panel laid the item out; (-1, -1, -1, -1) before that.
  const TRect& ItemRect() const { return FRect; }
  void SetItemRect(const TRect& Value) { FRect = Value; }

  void Assign(TPersistent* Source) override;

 private:
  void ItemChanged();

  String FCaption;
  TColor FColor = clNone;
  Integer FImageIndex = -1;
  std::unique_ptr<TPicture> FImage;
  String FHint;
  bool FEnabled = true;
  TRect FRect{-1, -1, -1, -1};
};

// Adding, deleting and clearing items report nothing; only an item's
// caption, colour and image index do.
class TSelectorItems : public TOwnedCollection {
 public:
  explicit TSelectorItems(TPersistent* AOwner)
      : TOwnedCollection(AOwner, CollectionItemClass<TSelectorItem>()) {}
  TSelectorItem* Add() { return static_cast<TSelectorItem*>(TCollection::Add()); }
  TSelectorItem* Insert(Integer Index) { return static_cast<TSelectorItem*>(TCollection::Insert(Index)); }
  TSelectorItem* Items(Integer Index) const { return static_cast<TSelectorItem*>(TCollection::Items(Index)); }
  void DoChange() {
    if (OnChange) OnChange(this);
  }

  TNotifyEvent OnChange;
};

// The colours and font of hot and selected items.
class TItemAppearance : public TPersistent {
 public:
  explicit TItemAppearance(TPersistent* AOwner);
  ~TItemAppearance() override;

  // Loads the preset of Value unless it is the current one; scCustom keeps
  // every colour.
  void SetColorStyle(TSelectionColorStyle Value);
  TSelectionColorStyle ColorStyle() const { return FColorStyle; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  void Assign(TPersistent* Source) override;

  TColor BorderColor = 0;
  TColor BorderColorTop = 0;
  TColor BorderColorBottom = 0;
  TColor BorderColorHot = clNone;
  TColor BorderColorSelected = clNone;
  TColor ColorHot = 0;
  TColor ColorHotTo = 0;
  TColor ColorHotText = 0;
  TColor ColorMirrorHot = 0;
  TColor ColorMirrorHotTo = 0;
  TColor ColorSelected = 0;
  TColor ColorSelectedTo = 0;
  TColor ColorMirrorSelected = 0;
  TColor ColorMirrorSelectedTo = 0;
  TColor ColorSelectedText = 0;
  TColor EdgeColor = 0;
  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
  std::unique_ptr<TFont> FFont;
  TSelectionColorStyle FColorStyle = scCustom;
};

// Where a step from Current lands among Count items: the first item when
// none is chosen; -1 (no step) past either end or without items.
Integer StepTarget(Integer Current, Integer Count, bool Forward);

// The type-ahead text of a list: keys pressed within half a second of a
// burst's first key search together. The window is measured on the
// library's clock, so that it does not hang on when a timer runs.
class TTypeAheadText {
 public:
  static constexpr Cardinal WindowMs = 500;
  // Adds Key to the current burst, or starts a new one with it.
  const String& Add(Char Key);
  const String& Text() const { return FText; }
  void Clear() { FText.clear(); }

 private:
  String FText;
  Cardinal FStart = 0;
};

// The item colours of a library look, for the drop-downs that carry an
// item appearance of their own; tsCustom and a nil appearance change
// nothing.
void ApplyItemAppearanceStyle(TItemAppearance* Appearance, foundation::TZVQStyle Style);

// The host: scrolls the panel and publishes the settings.
class TExCustomItemSelector : public TScrollingWinControl {
 public:
  explicit TExCustomItemSelector(TComponent* AOwner);
  ~TExCustomItemSelector() override;

  TSelectorItems* Items() const { return FItems.get(); }
  void SetItems(TSelectorItems* Value) { FItems->Assign(Value); }
  Integer Columns() const { return FColumns; }
  void SetColumns(Integer Value);
  Integer ItemIndex() const;
  void SetItemIndex(Integer Value);
  Integer ItemHot() const;
  TSelectorType SelectorType() const { return FSelectorType; }
  void SetSelectorType(TSelectorType Value);
  // A plain store: shows at the next layout or repaint.
  TItemLayout ItemLayout() const { return FItemLayout; }
  void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
  void SetItemAppearance(TItemAppearance* Value) { FItemAppearance->Assign(Value); }
  Integer ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(Integer Value);
  Integer ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(Integer Value);
  TCustomItemSelector* ItemSelectorPanel() const { return FPanel; }

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  bool LookupItem(const String& S);
  void ScrollItemInView(Integer Index);
  // Whole rows that fit the host's height, times Columns.
  Integer GetVisibleItemCount();
  void UpdateSelectorPanel();
  // The panel's size, or 100 x 50 without a panel.
  void GetPanelSize(TSize& Size);

  TNotifyEvent OnItemSelect;
  TDrawItemEvent OnDrawItem;
  TItemSizeEvent OnItemSize;

 protected:
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CreateSelectorPanel();
  void PanelItemSelect(TObject* Sender);

  std::unique_ptr<TSelectorItems> FItems;
  TSelectorType FSelectorType = stImage;
  TItemLayout FItemLayout = ilCaptionRight;
  Integer FColumns = 1;
  Integer FColorBoxWidth = 14;
  Integer FColorBoxHeight = 14;
  TCustomImageList* FImages = nullptr;
  TCustomItemSelector* FPanel = nullptr;
  std::unique_ptr<TItemAppearance> FItemAppearance;
};

// The panel: lays out, paints and hit-tests the host's items.
class TCustomItemSelector : public TCustomControl {
 public:
  // Raises EJorvError ("Invalid parent") unless AOwner is a host.
  explicit TCustomItemSelector(TComponent* AOwner);

  Integer ItemIndex() const { return FItemIndex; }
  void SetItemIndex(Integer Value);
  Integer ItemHot() const { return FItemHot; }
  void SetItemHot(Integer Index);
  // (-1, -1, -1, -1) for an index outside the items.
  void GetItemRect(Integer Index, TRect& R);
  // The first item whose rectangle holds the point, or -1.
  Integer ItemAtPos(Integer X, Integer Y);
  void PaintItems(TCanvas* ACanvas);

  virtual void DrawItem(Integer Index, TCanvas* ACanvas);
  virtual void GetItemsArea(TRect& R);
  virtual void GetItemSize(TSize& ASize);
  virtual void InvalidateItem(Integer Index);
  virtual void ArrangeItems();

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  bool LookupItem(const String& S);

  Integer OffSetX = 2;
  Integer OffSetY = 2;
  Integer ItemOffSetX = 4;
  Integer ItemOffSetY = 4;
  Integer CaptionGap = 4;
  TNotifyEvent OnItemSelect;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseLeave() override;

 private:
  TSelectorItems* Items() const { return FHost->Items(); }
  bool IsValid(Integer Index) const { return Index >= 0 && Index < Items()->Count(); }
  bool IsDisabled(Integer Index) const { return IsValid(Index) && !Items()->Items(Index)->Enabled(); }
  void PaintItemBackground(Integer Index, TCanvas* ACanvas, const TRect& R);
  TSize ContentSize(TSelectorItem* Item);
  void DrawContent(TSelectorItem* Item, TCanvas* ACanvas, Integer X, Integer Y, TSize Size);
  TSize DrawCaption(TCanvas* ACanvas, const String& Caption, TRect T, bool CentreVertically);
  void DrawItemContent(TSelectorItem* Item, TCanvas* ACanvas, const TRect& R);

  TExCustomItemSelector* FHost;
  Integer FItemIndex = -1;
  Integer FItemHot = -1;
};

}  // namespace jorv::dropdown
