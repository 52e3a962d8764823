#pragma once
// A drop-down editor whose pop-up is a table: a header row of column
// captions and one row per item, each with a text per column and an image.
// The edit shows the chosen item's text of the lookup column; typing in
// the closed edit completes from that column, typing in the open list
// searches it.
#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include "dropdown/ExDropDown.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/StringGrid.h"

namespace jorv::dropdown {

enum TColumnType : uint8_t { ctText, ctImage };

using TGetCellTextEvent = std::function<void(TObject* Sender, Integer Column, Integer Row, String& Text)>;
using TGetCellPropEvent = std::function<void(TObject* Sender, Integer Column, Integer Row, TFont* Font,
                                             TColor& AColor, TColor& AColorTo)>;
using TDrawCellEvent = std::function<void(TObject* Sender, Integer Column, Integer Row, TCanvas* ACanvas,
                                          TRect ARect)>;

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
  std::unique_ptr<TFont> FFont;
  TColumnType FColumnType = ctText;
  String FHeader;
  bool FWordwrap = false;
  bool FAutoSize = false;
};

class TDropDownItem : public TCollectionItem {
 public:
  explicit TDropDownItem(TCollection* Collection);
  ~TDropDownItem() override;

  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value) { FImageIndex = Value; }
  // One string per column.
  TStringList* Text() const { return FText.get(); }
  void SetText(TStrings* Value) { FText->Assign(Value); }
  Integer Tag() const { return FTag; }
  void SetTag(Integer Value) { FTag = Value; }
  // The entry of Column, none when the item has fewer entries.
  std::optional<String> Entry(Integer Column) const;
  void Assign(TPersistent* Source) override;

 private:
  Integer FImageIndex = -1;
  std::unique_ptr<TStringList> FText;
  Integer FTag = 0;
};

class TDropDownColumns : public TOwnedCollection {
 public:
  explicit TDropDownColumns(TPersistent* AOwner)
      : TOwnedCollection(AOwner, CollectionItemClass<TDropDownColumn>()) {}
  TDropDownColumn* Add() { return static_cast<TDropDownColumn*>(TCollection::Add()); }
  TDropDownColumn* Insert(Integer Index) { return static_cast<TDropDownColumn*>(TCollection::Insert(Index)); }
  TDropDownColumn* Items(Integer Index) const { return static_cast<TDropDownColumn*>(TCollection::Items(Index)); }
  TNotifyEvent OnChange;
};

class TDropDownItems : public TOwnedCollection {
 public:
  explicit TDropDownItems(TPersistent* AOwner) : TOwnedCollection(AOwner, CollectionItemClass<TDropDownItem>()) {}
  TDropDownItem* Add() { return static_cast<TDropDownItem*>(TCollection::Add()); }
  TDropDownItem* Insert(Integer Index) { return static_cast<TDropDownItem*>(TCollection::Insert(Index)); }
  TDropDownItem* Items(Integer Index) const { return static_cast<TDropDownItem*>(TCollection::Items(Index)); }
  // The first item whose entry at Column is Value (case-sensitive), or -1.
  Integer IndexInColumn(Integer Column, const String& Value) const;
  TNotifyEvent OnChange;
};

class TExMultiColumnDropDown;

// The pop-up's table, drawn entirely by its own cell painting.
class TExColGrid : public TStringGrid {
 public:
  explicit TExColGrid(TComponent* AOwner);
  ~TExColGrid() override;

  void SetExDropDown(TExMultiColumnDropDown* Value) { FExDropDown = Value; }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TDropDownColumns* Value) { FColumns->Assign(Value); }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  Integer HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(Integer Value) { FHeaderHeight = Value; }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
  // The grid draws its lines itself: the platform grid's own stay 0 wide.
  Integer ExGridLineWidth() const { return FGridLineWidth; }
  void SetExGridLineWidth(Integer Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  bool ConfirmSelection() const { return FConfirmSelection; }
  bool MouseWheelSelection() const { return FMouseWheelSelection; }

  TGetCellTextEvent OnGetCellText;
  TDrawCellEvent OnExDrawCell;
  TGetCellPropEvent OnGetCellProp;
  TNotifyEvent OnSelect;
  // The current row moves by keys or clicks.
  std::function<void(Integer ACol, Integer ARow)> OnRowSelected;

  virtual void DoSelectRow();

 protected:
  friend class TExMultiColumnDropDown;
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(Integer ACol, Integer ARow) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void DrawBackground(TCanvas* C, const TRect& R, bool Header, bool Selected, TColor Color, Integer Position);
  void DrawLines(TCanvas* C, const TRect& R, bool Header);
  void DrawContent(TCanvas* C, TRect R, Integer ACol, Integer ARow, bool Header, bool Selected);

  TExMultiColumnDropDown* FExDropDown = nullptr;
  std::unique_ptr<TDropDownColumns> FColumns;
  TColor FLineColor = 0x808080;
  TColor FFixedLineColor = 0x808080;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FHeaderColorTo = 0x808080;
  Integer FHeaderHeight = 25;
  std::unique_ptr<TFont> FHeaderFont;
  Integer FGridLineWidth = 1;
  TCustomImageList* FImages = nullptr;
  Integer FOldRow = -1;
  bool FMouseWheelSelection = false;
  bool FConfirmSelection = false;
};

class TExMultiColumnDropDown : public TExCustomDropDown {
 public:
  explicit TExMultiColumnDropDown(TComponent* AOwner);
  ~TExMultiColumnDropDown() override;

  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
  void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
  Integer DropDownRowHeight() const { return FDropDownRowHeight; }
  void SetDropDownRowHeight(Integer Value) { FDropDownRowHeight = Value; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  bool ColumnSizing() const { return FColumnSizing; }
  void SetColumnSizing(bool Value) { FColumnSizing = Value; }
  bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
  void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TDropDownColumns* Value) { FColumns->Assign(Value); }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  Integer HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(Integer Value) { FHeaderHeight = Value; }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
  Integer LookupColumn() const { return FLookupColumn; }
  void SetLookupColumn(Integer Value);
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
  TDropDownItems* Items() const { return FItems.get(); }
  void SetItems(TDropDownItems* Value) { FItems->Assign(Value); }
  Integer ItemIndex() const { return FItemIndex; }
  // At or beyond the item count: ignored. Writes the item's lookup text.
  void SetItemIndex(Integer Value);
  Integer RowCount() const { return FItems->Count(); }
  // The first item whose lookup entry is Value (case-sensitive), or -1.
  Integer GetItemIndex(const String& Value) const;
  void BeginUpdate() {}
  // Items added in code reach the type-ahead from here on.
  void EndUpdate() { RebuildLookup(); }
  TExColGrid* ListGrid() const { return FExColGrid; }
  using TExCustomDropDown::SelectionColorStyle;
  using TExCustomDropDown::SelectionColor;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;

  TNotifyEvent OnSelect;
  TGetCellTextEvent OnDropDownGetItemText;
  TDrawCellEvent OnDropDownDrawItem;
  TGetCellPropEvent OnDropDownGetItemProp;

  void Assign(TPersistent* Source) override;
  void Loaded() override;
  void DoHideDropDown(bool Cancel) override;
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;

 protected:
  friend class TExColGrid;
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void AdjustDropDownHeight(Integer& Height) override;
  void DoShowDropDown() override;
  void PlaceDropDownControl() override;
  void SizeDropDownForm() override;
  void DropDownControlKeyDown(Word& Key, TShiftState Shift) override;
  void DropDownControlKeyUp(Word& Key, TShiftState Shift) override;
  void DropDownControlKeyPress(Char& Key) override;
  void DropDownFormSizing() override;
  void DoWheelDown() override;
  void DoWheelUp() override;
  void Change() override;
  void Dispatch(TMessage& Message) override;

 private:
  void RebuildLookup();
  void FillList();
  void AutoSizeColumns();
  void SizeWordwrapRows();
  void FitColumns();
  bool AllRowsVisible();
  // The first item whose lookup entry starts with Prefix, or -1.
  Integer FindPrefix(const String& Prefix) const;
  void SearchList(Char Key);
  void ShowFound(Integer Index);
  void EditKeyDown(Word Key);
  void ClosedKeyDown(Word Key);
  void KeyUpCompletion();
  void ListRowSelected(Integer ARow);
  void ListSelect(TObject* Sender);
  String LookupText(Integer Index) const;

  bool FCaseSensitive = false;
  bool FDropDownAutoWidth = true;
  Integer FDropDownRowHeight = 22;
  TColor FLineColor = 0x808080;
  TColor FFixedLineColor = 0x808080;
  bool FColumnSizing = false;
  bool FColumnSizeWithDropDown = true;
  std::unique_ptr<TDropDownColumns> FColumns;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FHeaderColorTo = 0x808080;
  Integer FHeaderHeight = 25;
  std::unique_ptr<TFont> FHeaderFont;
  Integer FLookupColumn = 0;
  TColor FSelectionTextColor = 0;
  std::unique_ptr<TDropDownItems> FItems;
  Integer FItemIndex = -1;
  TExColGrid* FExColGrid = nullptr;
  bool FShowing = false;
  // Each item's lookup entry, and the same upper-cased for the searches
  // that ignore case.
  std::vector<String> FLookupItems;
  std::vector<String> FLookupKeys;
  String FLookupEntry;
  Integer FOldItemIndex = -1;
  bool FWorkMode = true;
  bool FItemChange = false;
  Integer FItemIdx = -1;
  Integer FItemSel = 0;
};

}  // namespace jorv::dropdown
