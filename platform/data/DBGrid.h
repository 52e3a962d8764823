#pragma once
// The data grid: the drawn grid showing the records of a data source, one
// row per record of its link's window and one column per shown column item.
// The grid keeps no record data: every cell reads its field from the
// record buffer its row stands for, and every move the user makes in the
// rows moves the data set.
#include <memory>
#include <vector>
#include "platform/data/DataLink.h"
#include "platform/rtl/Collection.h"
#include "platform/ui/CustomGrid.h"

namespace jorv {

class TColumn;
class TDBGrid;
class TDataSource;
class TField;

enum TDBGridOption : uint8_t {
  dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
  dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect
};
using TDBGridOptions = TSet<TDBGridOption, 16>;

class TColumnTitle : public TPersistent {
 public:
  explicit TColumnTitle(TColumn* AColumn) : FColumn(AColumn) {}
  // The caption set, else the field's display label, else the field name.
  String Caption() const;
  void SetCaption(const String& Value);
  bool IsCaptionStored() const { return FCaptionSet; }
  void RestoreDefaults();
  void Assign(TPersistent* Source) override;

 protected:
  TPersistent* GetOwner() const override;

 private:
  TColumn* FColumn;
  String FCaption;
  bool FCaptionSet = false;
};

class TColumn : public TCollectionItem {
 public:
  explicit TColumn(TCollection* Collection = nullptr);
  ~TColumn() override;

  const String& FieldName() const { return FFieldName; }
  void SetFieldName(const String& Value);
  // The field of the grid's open data set named FieldName; nullptr when
  // there is none.
  TField* Field() const;
  // The width set, else one wide enough for the field's display width and
  // the title.
  Integer Width() const;
  void SetWidth(Integer Value);
  bool IsWidthStored() const { return FWidth >= 0; }
  TColumnTitle* Title() const { return FTitle.get(); }
  void SetTitle(TColumnTitle* Value) { FTitle->Assign(Value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  TDBGrid* Grid() const;
  void Assign(TPersistent* Source) override;

 protected:
  String GetDisplayName() const override;

 private:
  friend class TDBGrid;
  friend class TColumnTitle;
  String FFieldName;
  Integer FWidth = -1;
  bool FVisible = true;
  bool FReadOnly = false;
  std::unique_ptr<TColumnTitle> FTitle = std::make_unique<TColumnTitle>(this);
};

class TDBGridColumns : public TCollection {
 public:
  explicit TDBGridColumns(TDBGrid* AGrid);
  TColumn* Add() { return static_cast<TColumn*>(TCollection::Add()); }
  TColumn* Items(Integer Index) const { return static_cast<TColumn*>(TCollection::Items(Index)); }
  TDBGrid* Grid() const { return FGrid; }

 protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* Item) override;
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

 private:
  TDBGrid* FGrid;
};

class TDBGrid : public TCustomGrid {
 public:
  explicit TDBGrid(TComponent* AOwner);
  ~TDBGrid() override;

  TDataSource* DataSource() const;
  void SetDataSource(TDataSource* Value);
  // Without items of its own the grid shows one column per visible field
  // of the open data set; those columns go again when it closes.
  TDBGridColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TDBGridColumns* Value) { FColumns->Assign(Value); }
  TDBGridOptions Options() const { return FOptions; }
  void SetOptions(TDBGridOptions Value);
  // With dgMultiSelect: the records the user picked (Ctrl+click,
  // Shift+arrows), by bookmark, in the order they were picked.
  const std::vector<TBookmark>& SelectedRows() const { return FSelectedRows; }
  bool IsRowSelected() const;

  // The link the grid answers CM_GETDATALINK with.
  TDataLink* DataLink() const;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void Resize() override;
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(Integer ACol, Integer ARow) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void DoExit() override;
  void ColWidthsChanged() override;

  String GetEditText(Integer ACol, Integer ARow) override;
  void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
  Integer GetEditLimit() override;
  bool CanEditShow() override;
  bool CanEditModify() override;
  bool CanEditAcceptKey(Char Key) override;

 private:
  class TGridDataLink;
  friend class TGridDataLink;
  friend class TColumn;
  friend class TDBGridColumns;

  // Link notices.
  void LinkActive();
  void DataChanged();
  void Scrolled(Integer Distance);
  void EditingChanged();
  void RecordChanged(TField* Field);
  void UpdateData();
  void FlushEditor();
  bool FocusField(TField* Field);

  // Columns and rows.
  void LayoutChanged();
  void BuildDefaultColumns();
  TColumn* ColumnAt(Integer ACol) const;
  Integer IndicatorOffset() const { return FOptions.Contains(dgIndicator) ? 1 : 0; }
  Integer TitleOffset() const { return FOptions.Contains(dgTitles) ? 1 : 0; }
  Integer DataRowsThatFit();
  void UpdateRows();
  void SyncRow();
  void UpdateScrollBar();
  Integer DefaultColumnWidth(const TColumn* Column);
  void ApplyGridOptions();

  // Moves and record operations.
  void MoveData(Integer Distance);
  void ScrollBarMessage(Word Code);
  bool CanModifyData() const;
  void InsertRecord();
  void DeleteRecord();
  bool IsDataKey(Word Key, TShiftState Shift) const;
  void ToggleRowSelection();
  void ClearRowSelection();
  void DrawIndicator(const TRect& R);
  bool RowSelected(Integer ARow);

  std::unique_ptr<TGridDataLink> FDataLink;
  std::unique_ptr<TDBGridColumns> FColumns;
  TDBGridOptions FOptions{dgEditing,   dgTitles, dgIndicator,     dgColumnResize, dgColLines,
                          dgRowLines,  dgTabs,   dgConfirmDelete, dgCancelOnExit};
  std::vector<TBookmark> FSelectedRows;
  bool FDefaultColumns = false;
  Integer FLayoutLock = 0;
  bool FSyncing = false;
  bool FInternalMove = false;
  // The text of the open editor and the column it edits, kept until the
  // link writes it to the field.
  String FEditText;
  Integer FEditCol = -1;
  bool FEditModified = false;
  bool FInCanEditModify = false;
};

}  // namespace jorv
