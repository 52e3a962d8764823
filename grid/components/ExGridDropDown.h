#pragma once
// The grid drop-down: an edit whose pop-up hosts a whole extended grid.
// Its rows come from its own items, or, in grid mode, from whatever the
// application writes into the hosted grid. One column, the lookup
// column, gives the edit its text: typing in the closed edit looks ahead
// in it (or narrows the grid down to the matching rows), typing in the
// open grid moves the grid's row, and the arrow and page keys of the
// closed edit step through the rows without opening the pop-up.
#include <memory>
#include "dropdown/ExDropDown.h"
#include "grid/components/ExColGrid.h"
#include "grid/components/GridDropDownItems.h"

namespace jorv::grid {

using namespace jorv::dropdown;

enum TLookupMethod : uint8_t { lmLookup, lmNarrowDown, lmNone };
enum TGridSorting : uint8_t { gsNone, gsSingleColumn, gsMultiColumn };
enum TDropDownStyle : uint8_t { dsDropDown, dsDropDownList };

class TCustomExGridDropDown : public TExCustomDropDown {
 public:
  explicit TCustomExGridDropDown(TComponent* AOwner);
  ~TCustomExGridDropDown() override;

  // The grid in the pop-up; nullptr before the pop-up form exists.
  TExColGrid* GetGrid() const { return FGrid; }
  // Items with UseItems, else the hosted grid's data rows.
  Integer GetItemCount() const;
  void BeginUpdate() {}
  // Items added in code reach the look-ahead from here on.
  void EndUpdate() { BuildLookupItems(); }
  void Loaded() override;
  Cardinal GetVersionNr() override { return 0x06000201; }

  void SelectFirstItem();
  void SelectLastItem();
  void SelectNextItem();
  void SelectPreviousItem();
  void SelectNextPage();
  void SelectPreviousPage();

  // The first item (UseItems) or grid row (grid mode) whose lookup text
  // starts with S; Index -1 and an empty Text when none does.
  struct TLookupMatch {
    bool Found = false;
    String Text;
    Integer Index = -1;
  };
  TLookupMatch FindLookupRow(const String& S);
  Integer RowToItemIndex(Integer ARow) const;
  Integer ItemIndexToRow(Integer AIndex) const;

  // --- published ----------------------------------------------------------------
  bool AutoShowDropDown() const { return FAutoShowDropDown; }
  void SetAutoShowDropDown(bool Value) { FAutoShowDropDown = Value; }
  bool AutoSizeColumns() const { return FAutoSizeColumns; }
  void SetAutoSizeColumns(bool Value) { FAutoSizeColumns = Value; }
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
  TBands* Bands() const { return FBands.get(); }
  void SetBands(TBands* Value) { FBands->Assign(Value); }
  bool ColumnSizing() const { return FColumnSizing; }
  void SetColumnSizing(bool Value) { FColumnSizing = Value; }
  bool ColumnMoving() const { return FColumnMoving; }
  void SetColumnMoving(bool Value) { FColumnMoving = Value; }
  bool RowSizing() const { return FRowSizing; }
  void SetRowSizing(bool Value) { FRowSizing = Value; }
  bool RowMoving() const { return FRowMoving; }
  void SetRowMoving(bool Value) { FRowMoving = Value; }
  bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
  void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TDropDownColumns* Value) { FColumns->Assign(Value); }
  bool GridEditable() const { return FGridEditable; }
  void SetGridEditable(bool Value) { FGridEditable = Value; }
  TCustomImageList* GridImages() const { return FGridImages; }
  void SetGridImages(TCustomImageList* Value);
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  Integer HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(Integer Value) { FHeaderHeight = Value; }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool Value) { FHoverRow = Value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
  TDropDownItems* Items() const { return FItems.get(); }
  void SetItems(TDropDownItems* Value) { FItems->Assign(Value); }
  Integer ItemIndex() const { return FItemIndex; }
  void SetItemIndex(Integer Value);
  Integer LookupColumn() const { return FLookupColumn; }
  void SetLookupColumn(Integer Value) { FLookupColumn = Value; }
  TLookupMethod LookupMethod() const { return FLookupMethod; }
  void SetLookupMethod(TLookupMethod Value) { FLookupMethod = Value; }
  TMouseActions* MouseActions() const { return FMouseActions.get(); }
  void SetMouseActions(TMouseActions* Value) { FMouseActions->Assign(Value); }
  TNavigation* Navigation() const { return FNavigation.get(); }
  void SetNavigation(TNavigation* Value) { FNavigation->Assign(Value); }
  TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
  void SetSearchFooter(TSearchFooter* Value) { FSearchFooter->Assign(Value); }
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value) { FRowSelect = Value; }
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
  TGridSorting Sorting() const { return FSorting; }
  void SetSorting(TGridSorting Value) { FSorting = Value; }
  TDropDownStyle Style() const { return FStyle; }
  // dsDropDownList: the edit cannot be typed into.
  void SetStyle(TDropDownStyle Value);
  bool UseItems() const { return FUseItems; }
  void SetUseItems(bool Value) { FUseItems = Value; }
  using TExCustomDropDown::SelectionColor;
  using TExCustomDropDown::SelectionColorStyle;
  using TExCustomDropDown::SelectionColorTo;
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;

  // A row was chosen in the pop-up.
  TNotifyEvent OnSelect;
  // The hosted grid's events, raised with the grid as Sender. The sort,
  // compare and spin ones are never raised: the drop-down keeps the
  // grid's sort events for itself and leaves the others unconnected.
  TAnchorClickEvent OnGridAnchorClick;
  TAnchorEvent OnGridAnchorEnter;
  TAnchorEvent OnGridAnchorExit;
  TAnchorHintEvent OnGridAnchorHint;
  TButtonClickEvent OnGridButtonClick;
  TCheckBoxClickEvent OnGridCheckBoxClick;
  TCanSortEvent OnGridCanSort;
  TClickSortEvent OnGridClickSort;
  TCustomCompareEvent OnGridCustomCompare;
  TRawCompareEvent OnGridRawCompare;
  TColumnSizeEvent OnGridColumnSize;
  TColumnSizingEvent OnGridColumnSizing;
  TEndColumnSizeEvent OnGridEndColumnSize;
  TRowSizeEvent OnGridRowSize;
  TRowSizingEvent OnGridRowSizing;
  TEndRowSizeEvent OnGridEndRowSize;
  TRowSizeEvent OnGridRowMove;
  TRowSizeEvent OnGridRowMoving;
  TMovedEvent OnGridRowMoved;
  TColumnSizeEvent OnGridColumnMove;
  TColumnSizeEvent OnGridColumnMoving;
  TMovedEvent OnGridColumnMoved;
  TCustomCellDrawEvent OnGridCustomCellDraw;
  TCustomCellDrawEvent OnGridCustomCellBkgDraw;
  TGridBalloonEvent OnGridCellBalloon;
  TGridAlignEvent OnGridGetAlignment;
  TGridColorEvent OnGridGetCellColor;
  TGridGradientEvent OnGridGetCellGradient;
  TFloatFormatEvent OnGridGetFloatFormat;
  TGetEditorTypeEvent OnGridGetEditorType;
  TGetEditorPropEvent OnGridGetEditorProp;
  TCanEditCellEvent OnGridCanEditCell;
  TEllipsClickEvent OnGridEllipsClick;
  TGetDisplTextEvent OnGridGetDiplText;
  TGridFormatEvent OnGridGetFormat;
  TGridHintEvent OnGridHint;
  TOfficeHintEvent OnGridOfficeHint;
  TMouseMoveEvent OnGridMouseMove;
  TMouseEvent OnGridMouseDown;
  TMouseEvent OnGridMouseUp;
  TClickCellEvent OnGridRightClickCell;
  TScrollHintEvent OnGridScrollHint;
  TNotifyEvent OnGridTopLeftChanged;
  TSearchEditChangeEvent OnGridSearchEditChange;
  TSpinClickEvent OnGridSpinClick;
  TAutoAddRowEvent OnGridAutoAddRow;
  TAutoInsertRowEvent OnGridInsertRow;
  TAutoInsertColEvent OnGridInsertCol;
  TAutoDeleteRowEvent OnGridDeleteRow;
  TCanAddRowEvent OnGridCanAddRow;
  TCanInsertRowEvent OnGridCanInsertRow;
  TCanDeleteRowEvent OnGridCanDeleteRow;
  // The keys in the open pop-up, raised with the drop-down as Sender.
  TKeyEvent OnGridKeyDown;
  TKeyEvent OnGridKeyUp;
  TKeyPressEvent OnGridKeyPress;

  void DoHideDropDown(bool Cancel) override;

 protected:
  friend class TExColGrid;
  virtual TDropDownItems* CreateItems(TPersistent* AOwner);
  // One per event of the hosted grid, each raising its OnGrid event.
  virtual void DoGridAnchorClick(TObject* Sender, Integer ARow, Integer ACol, const String& Anchor, bool& AutoHandle);
  virtual void DoGridAnchorEnter(TObject* Sender, Integer ARow, Integer ACol, const String& Anchor);
  virtual void DoGridAnchorExit(TObject* Sender, Integer ARow, Integer ACol, const String& Anchor);
  virtual void DoGridAnchorHint(TObject* Sender, Integer ARow, Integer ACol, String& Anchor);
  virtual void DoGridButtonClick(TObject* Sender, Integer ACol, Integer ARow);
  virtual void DoGridCheckBoxClick(TObject* Sender, Integer ACol, Integer ARow, bool State);
  virtual void DoGridCanSort(TObject* Sender, Integer ACol, bool& DoSort);
  virtual void DoGridClickSort(TObject* Sender, Integer ACol);
  virtual void DoGridCustomCompare(TObject* Sender, const String& str1, const String& str2, Integer& Res);
  virtual void DoGridRawCompare(TObject* Sender, Integer ACol, Integer Row1, Integer Row2, Integer& Res);
  virtual void DoGridColumnSize(TObject* Sender, Integer ACol, bool& Allow);
  virtual void DoGridColumnSizing(TObject* Sender, Integer ACol, Integer ColumnSize);
  virtual void DoGridEndColumnSize(TObject* Sender, Integer ACol);
  virtual void DoGridRowSize(TObject* Sender, Integer ARow, bool& Allow);
  virtual void DoGridRowSizing(TObject* Sender, Integer ARow, Integer RowSize);
  virtual void DoGridEndRowSize(TObject* Sender, Integer ARow);
  virtual void DoGridRowMove(TObject* Sender, Integer ARow, bool& Allow);
  virtual void DoGridRowMoving(TObject* Sender, Integer ARow, bool& Allow);
  virtual void DoGridRowMoved(TObject* Sender, Integer FromIndex, Integer ToIndex);
  virtual void DoGridColumnMove(TObject* Sender, Integer ACol, bool& Allow);
  virtual void DoGridColumnMoving(TObject* Sender, Integer ACol, bool& Allow);
  virtual void DoGridColumnMoved(TObject* Sender, Integer FromIndex, Integer ToIndex);
  virtual void DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, Integer ACol, Integer ARow, TGridDrawState AState,
                                    TRect ARect, bool Printing);
  virtual void DoGridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, Integer ACol, Integer ARow,
                                       TGridDrawState AState, TRect ARect, bool Printing);
  virtual void DoGridCellBalloon(TObject* Sender, Integer ACol, Integer ARow, String& ATitle, String& AText,
                                 Integer& AIcon);
  virtual void DoGridGetAlignment(TObject* Sender, Integer ARow, Integer ACol, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void DoGridGetCellColor(TObject* Sender, Integer ARow, Integer ACol, TGridDrawState AState, TBrush* ABrush,
                                  TFont* AFont);
  virtual void DoGridGetCellGradient(TObject* Sender, Integer ARow, Integer ACol, TColor& Color, TColor& ColorTo,
                                     TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD);
  virtual void DoGridGetFloatFormat(TObject* Sender, Integer ACol, Integer ARow, bool& IsFloat, String& FloatFormat);
  virtual void DoGridGetEditorType(TObject* Sender, Integer ACol, Integer ARow, TEditorType& AEditor);
  virtual void DoGridGetEditorProp(TObject* Sender, Integer ACol, Integer ARow, TEditLink* AEditLink);
  virtual void DoGridCanEditCell(TObject* Sender, Integer ARow, Integer ACol, bool& CanEdit);
  virtual void DoGridEllipsClick(TObject* Sender, Integer ACol, Integer ARow, String& S);
  virtual void DoGridGetDisplText(TObject* Sender, Integer ACol, Integer ARow, String& Value);
  virtual void DoGridGetFormat(TObject* Sender, Integer ACol, TSortStyle& AStyle, String& aPrefix, String& aSuffix);
  virtual void DoGridHint(TObject* Sender, Integer ARow, Integer ACol, String& hintstr);
  virtual void DoGridOfficeHint(TObject* Sender, Integer ACol, Integer ARow, TExHintInfo* OfficeHint);
  virtual void DoGridMouseMove(TObject* Sender, TShiftState Shift, Integer X, Integer Y);
  virtual void DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  virtual void DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  virtual void DoGridRightClickCell(TObject* Sender, Integer ARow, Integer ACol);
  virtual void DoGridScrollHint(TObject* Sender, Integer ARow, String& hintstr);
  virtual void DoGridTopLeftChanged(TObject* Sender);
  virtual void DoGridSearchEditChange(TObject* Sender, const String& Value, bool& DefaultSearch);
  virtual void DoGridSpinClick(TObject* Sender, Integer ACol, Integer ARow, Integer AValue, bool UpDown);
  virtual void DoGridAutoAddRow(TObject* Sender, Integer ARow);
  virtual void DoGridInsertRow(TObject* Sender, Integer ARow);
  virtual void DoGridInsertCol(TObject* Sender, Integer ACol);
  virtual void DoGridDeleteRow(TObject* Sender, Integer ARow);
  virtual void DoGridCanAddRow(TObject* Sender, bool& CanAdd);
  virtual void DoGridCanInsertRow(TObject* Sender, Integer ARow, bool& CanInsert);
  virtual void DoGridCanDeleteRow(TObject* Sender, Integer ARow, bool& CanDelete);
  virtual void DoGridKeyDown(Word& Key, TShiftState Shift);
  virtual void DoGridKeyUp(Word& Key, TShiftState Shift);
  virtual void DoGridKeyPress(Char& Key);
  // The look-ahead of one character; the row or item it found, or -1.
  Integer LookupKey(Char Ch);

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
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void DoEnter() override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void BuildLookupItems();
  void SizeColumnsToDropDown();
  void ConnectGridEvents();
  // The hosted grid's events to the DoGrid operations.
  void ForwardGridEvents();
  void GridSelectCell(Integer ACol, Integer ARow);
  void GridSelect();
  // Moves ItemIndex (and the text) to Index and the grid's row to ARow.
  void StepTo(Integer Index, Integer ARow);
  void StepBy(Integer Delta, Integer Page);
  void SelectFromEdit(Integer Start);
  void HandleGridKeyDown(TWMKey& Message);
  void HandleGridChar(TWMKey& Message);
  Integer LookupListIndex(const String& S) const;
  bool GridEditing() const;

  bool FAutoShowDropDown = false;
  bool FAutoSizeColumns = true;
  bool FCaseSensitive = false;
  bool FDropDownAutoWidth = true;
  Integer FDropDownRowHeight = 22;
  TColor FLineColor = 0xF1EDEB;
  TColor FFixedLineColor = 0xD1BBA4;
  std::unique_ptr<TBands> FBands = std::make_unique<TBands>();
  bool FColumnSizing = false;
  bool FColumnMoving = false;
  bool FRowSizing = false;
  bool FRowMoving = false;
  bool FColumnSizeWithDropDown = true;
  std::unique_ptr<TDropDownColumns> FColumns;
  bool FGridEditable = false;
  TCustomImageList* FGridImages = nullptr;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FHeaderColorTo = 0x808080;
  Integer FHeaderHeight = 25;
  std::unique_ptr<TFont> FHeaderFont = std::make_unique<TFont>();
  bool FHoverRow = false;
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  std::unique_ptr<TDropDownItems> FItems;
  Integer FItemIndex = -1;
  Integer FLookupColumn = 0;
  TLookupMethod FLookupMethod = lmLookup;
  std::unique_ptr<TMouseActions> FMouseActions;
  std::unique_ptr<TNavigation> FNavigation = std::make_unique<TNavigation>();
  std::unique_ptr<TSearchFooter> FSearchFooter;
  bool FRowSelect = true;
  TColor FSelectionTextColor = 0;
  TGridSorting FSorting = gsNone;
  TDropDownStyle FStyle = dsDropDown;
  bool FUseItems = true;
  TExColGrid* FGrid = nullptr;

  Integer FSelRow = 0;
  Integer FOldItemIndex = -1;
  Integer FTempItemIndex = -1;
  String FLookupEntry;
  // Each item's lookup-column text, for the completion of the closed edit.
  std::unique_ptr<TStringList> FLookupItems = std::make_unique<TStringList>();
  bool FWorkMode = true;
  bool FItemChange = false;
  Integer FItemIdx = -1;
  Integer FItemSel = 0;
  bool FNodeCell = false;
  bool FMatchCase = false;
  // The hosted grid's balloons were set up again in this opening.
  bool FBalloonInit = false;
  bool FInChange = false;
};

}  // namespace jorv::grid
