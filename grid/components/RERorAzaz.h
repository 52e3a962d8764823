#pragma once
// The data-aware grid: the extended string grid shown over a data set.
// Columns are bound to fields, rows stand for records. In page mode the
// grid stores no record data: a link's record buffers cover the visible
// rows, every cell reads the field of the record its row stands for, and
// every move of the user moves the data set. Outside page mode the whole
// data set is copied into the cells once.
#include <memory>
#include <vector>
#include "grid/components/DBGridColumn.h"
#include "grid/components/ExGridDataLink.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/data/DataTypes.h"

namespace jorv {
class TDataSet;
class TDataSource;
class TFields;
class TMemoryStream;
class TPicture;
}  // namespace jorv

namespace jorv::grid {

enum TDataSetType : uint8_t { dtSequenced, dtNonSequenced };
enum TEditPostMode : uint8_t { epCell, epRow };

using TRowChangedEvent = std::function<void(TObject* Sender, Integer OldRow, Integer NewRow)>;
using TGetRecordCountEvent = std::function<void(TObject* Sender, Integer& Count)>;
using TGetHTMLTemplateEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& HTMLTemplate, const TFields* Fields)>;
using TGetHTMLTemplateDataEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, const String& Fieldname, String& Data)>;
using TInvalidPictureEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow)>;
using TColumnPopupEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TPopupMenu* PopupMenu)>;
using TFieldToStreamEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, TField* DBField, TMemoryStream* MS)>;

class TRERorAzaz : public TRezIvevirAvod {
 public:
  explicit TRERorAzaz(TComponent* AOwner);
  ~TRERorAzaz() override;
  String ClassName() const override { return L"TRERorAzaz"; }
  Integer GetVersionNr() const override;
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  TCellType GetCellType(Integer ACol, Integer ARow) override;
  TCellGraphic* GetCellGraphic(Integer ACol, Integer ARow) override;

  // --- binding -------------------------------------------------------------------------------
  TDataSource* DataSource() const;
  void SetDataSource(TDataSource* Value);
  TExGridDataLink* DataLink() const { return FDataLink.get(); }
  TDBGridColumnCollection* Columns() const { return FColumnCollection.get(); }
  void SetColumns(TDBGridColumnCollection* Value) { FColumnCollection->Assign(Value); }
  void SetColCount(Integer Value) override;
  void SetFixedRows(Integer Value) override;
  Integer FieldCount() const { return FDataLink->FieldCount(); }
  TField* Fields(Integer Index) const { return FDataLink->Fields(Index); }
  // The field of the current column.
  TField* SelectedField();
  TDBGridColumnItem* GetColumnByName(const String& AValue) const;
  TDBGridColumnItem* GetColumnByFieldName(const String& AValue) const;
  TField* GetDBFieldAtColumn(Integer Index);
  Integer GetDBFieldIndexAtColumn(Integer Index);

  bool PageMode() const { return FPageMode; }
  void SetPageMode(bool Value);
  TDataSetType DataSetType() const { return FDataSetType; }
  void SetDataSetType(TDataSetType Value);
  bool DatasetTypeAuto() const { return FDatasetTypeAuto; }
  void SetDatasetTypeAuto(bool Value) { FDatasetTypeAuto = Value; }
  TEditPostMode EditPostMode() const { return FEditPostMode; }
  void SetEditPostMode(TEditPostMode Value) { FEditPostMode = Value; }
  bool ShowDBIndicator() const { return FShowDBIndicator; }
  void SetShowDBIndicator(bool Value);
  bool ShowBlankRow() const { return FShowBlankRow; }
  void SetShowBlankRow(bool Value);
  bool ShowMemoFields() const { return FShowMemoFields; }
  void SetShowMemoFields(bool Value);
  bool ShowBooleanFields() const { return FShowBooleanFields; }
  void SetShowBooleanFields(bool Value);
  bool ShowPictureFields() const { return FShowPictureFields; }
  void SetShowPictureFields(bool Value);
  bool ShowUnicode() const { return FShowUnicode; }
  void SetShowUnicode(bool Value) { FShowUnicode = Value; }
  bool AutoCreateColumns() const { return FAutoCreateColumns; }
  void SetAutoCreateColumns(bool Value) { FAutoCreateColumns = Value; }
  bool AutoRemoveColumns() const { return FAutoRemoveColumns; }
  void SetAutoRemoveColumns(bool Value) { FAutoRemoveColumns = Value; }
  bool RefreshOnDelete() const { return FRefreshOnDelete; }
  void SetRefreshOnDelete(bool Value) { FRefreshOnDelete = Value; }
  bool RefreshOnInsert() const { return FRefreshOnInsert; }
  void SetRefreshOnInsert(bool Value) { FRefreshOnInsert = Value; }
  bool UseDBFieldWidths() const { return FUseDBFieldWidths; }
  void SetUseDBFieldWidths(bool Value) { FUseDBFieldWidths = Value; }
  TPicture* InvalidPicture() const { return FInvalidPicture.get(); }
  void SetInvalidPicture(TPicture* Value);

  // Only rows from FixedRows on; OnRowUpdate tells of a change.
  void SetRow(Integer Value) override;

  void Assign(TPersistent* Source) override;
  void AssignCells(TPersistent*) override {}
  void Zoom(Integer Step) override;
  void UpdateActive();
  void UpdateDisplay();
  // Outside page mode: copies the records into the cells again.
  void Reload();
  void AddAllFields();
  // A click at design time on the quick configuration panel.
  void DesignHelperClick(Integer X, Integer Y) override;
  void RemoveAllFields();
  void RemoveAllColumns();
  void SaveColumnPositions(const String& Key, const String& Section);
  void LoadColumnPositions(const String& Key, const String& Section);

  // --- reactions to the link -----------------------------------------------------------------
  void GridLinkActive(bool Value);
  void GridDataChanged();
  void GridEditingChanged();
  void GridRecordChanged(TField* Field);
  void GridUpdateData();
  virtual void LinkScrolled(Integer Distance);

  // The user's handlers of the events the grid takes for itself.
  TRowChangingEvent OnRowChanging;
  TRowChangedEvent OnRowUpdate;
  TCellValidateEvent OnCellValidate;
  TCellValidateWideEvent OnCellValidateWide;
  TCanSortEvent OnCanSort;
  TGetEditEvent OnGetEditText;
  TGetRecordCountEvent OnGetRecordCount;
  TGetHTMLTemplateEvent OnGetHTMLTemplate;
  TGetHTMLTemplateDataEvent OnGetHTMLTemplateData;
  TInvalidPictureEvent OnInvalidPicture;
  TFieldToStreamEvent OnFieldToStream;
  TColumnPopupEvent OnColumnPopup;

 protected:
  virtual bool StartRecordEdit();
  virtual Integer CountRecords();
  virtual void AutoRemoveColumns(bool Force);
  virtual std::unique_ptr<TDBGridColumnCollection> CreateColumns();
  virtual void DoInvalidPicture(Integer ACol, Integer ARow);

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void WMVScroll(TWMScroll& Message) override;
  void TopLeftChanged() override;
  bool SelectCell(Integer ACol, Integer ARow) override;
  void GetDisplText(Integer ACol, Integer ARow, String& Value) override;
  void DrawGridCellContent(TCanvas* Canvas, Integer ACol, Integer ARow, TRect ARect,
                           TGridDrawState AState) override;
  void ColWidthsChanged() override;
  void ColumnMoved(Integer FromIndex, Integer ToIndex) override;

  // Cells, editing and posting.
  void GetStoredCell(Integer ACol, Integer ARow, String& Value) override;
  void GetCurrentCell(String& Value) override;
  bool IsDataEditing() override;
  bool ToggleCheckBoxEx(Integer ACol, Integer ARow, bool User) override;
  void DoGetEditorType(Integer ACol, Integer ARow, TEditorType& AEditor) override;
  void DoGetColumnEditorType(Integer ACol, Integer ARow, TEditorType& AEditor) override;
  bool HasNoCellEditor(Integer ACol, Integer ARow) override;
  bool HasComboBox(Integer ACol, Integer ARow, TEditorType AEditor) override;
  void DoGetEditorProp(Integer ACol, Integer ARow, TEditLink* AEditLink) override;
  void CanEditCell(Integer ACol, Integer ARow, bool& CanEdit) override;
  void DoCanEditCell(Integer ACol, Integer ARow, bool& CanEdit) override;
  bool ValidateCell(const String& NewValue) override;
  bool CanEditShow() override;
  bool CanEditModify() override;
  String GetEditText(Integer ACol, Integer ARow) override;
  String GetEditMask(Integer ACol, Integer ARow) override;
  void DoCanAddRow(bool& CanAdd) override;
  void AppendRow() override {}
  bool CanTabToNextRow() override;
  void WrapToFirstRow() override;
  void ExportNotification(TGridExportState State, Integer ARow) override;
  void ImportNotification(TGridImportState State, Integer ARow) override;

  // Looks answered from the columns.
  void GetCellColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
  void GetCellBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders) override;
  void DoGetAlignment(Integer ACol, Integer ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
  void DoGetFormat(Integer ACol, TSortStyle& AStyle, String& Prefix, String& Suffix) override;
  bool HasColumnAlignment() override { return true; }
  void IsFixedCell(Integer ACol, Integer ARow, bool& IsFixed) override;
  void DoIsPasswordCell(Integer ACol, Integer ARow, bool& IsPassword) override;
  void GetCellCheckTrue(Integer ACol, Integer ARow, String& Value) override;
  void GetCellCheckFalse(Integer ACol, Integer ARow, String& Value) override;
  TCustomImageList* GetCellImageList(Integer ACol, Integer ARow) override;
  void DoUpdateColumnSize(Integer ACol, Integer& AWidth) override;
  void DoUpdateAutoColumnSize(Integer ACol, Integer& AWidth) override;
  void GetCellPrintColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
  void GetCellPrintBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders) override;
  String GetFormattedCell(Integer ACol, Integer ARow) override;
  bool FilterDropDownValues(Integer ACol, bool AQuick) override;
  void PrepareKeySelectAll(TGridRect& R) override;
  void AdjustSelectAllRect(TGridRect& R) override;
  void HandleF2Key() override;
  void NavigationChanged() override;
  void CanHandleWheel(Integer Delta, bool& Handled) override;
  void ColumnHeadersChanged() override;
  void PaintDesignHelper() override;
  void MouseActionsChanged() override;


 private:
  friend class TDBGridColumnItem;
  friend class TDBGridColumnCollection;

  // Row mapping and counting (RERorAzaz.cpp).
  bool HasDataSet() const;
  bool ActiveDataSet() const;
  TDataSet* LinkedDataSet() const;
  bool HasBlankRow() const;
  bool FooterLastRowVisible() const;
  Integer VisibleBufferCount();
  Integer CountDatasetRecords();
  void SetRowCountAtActivation();
  void BindColumnsToFields(bool ByFieldByName, bool AllBound);
  void UpdateFieldColumns();
  void UpdateRowCount();
  void Recount();
  void SyncRowsToDataset(bool Repaint);
  void SyncSequenced();
  void SyncNonSequenced();
  void SyncColumnCount();
  void RemoveColumnAt(Integer ARealCol);
  // The buffer a row stands for, -1 when no record is buffered for it.
  Integer BufferForRow(Integer ARow) const;
  // Runs Read with the link on the row's record; false when the row has none.
  bool ReadAtRow(Integer ARow, const std::function<void()>& Read);
  TDBGridColumnItem* ItemAt(Integer ARealCol) const;
  bool IsIndicatorColumn(Integer ARealCol) const;
  Integer FirstFieldColumn() const;
  Integer PositionalFieldIndex(Integer Index) const;
  void RepaintIndicator(Integer ARow);

  // Navigation (RERorAzazNavigation.cpp).
  void HandlePageModeKey(TMessage& Message);
  bool PageModeKey(Word& Key, TShiftState Shift);
  void KeyDownArrow(TShiftState Shift);
  void KeyInsert(TShiftState Shift);
  bool KeyDelete(TShiftState Shift);
  void FireKeyDown(Word Key, TShiftState Shift);
  void EditorEscape();
  void ShowColumnPopup(TMouseButton Button, Integer X, Integer Y);
  void GridRowChanging(Integer OldRow, Integer NewRow, bool& Allow);
  void LeaveInsertion(bool Leaving, bool& Answer);
  void MoveDataSetToRow(Integer ARow, bool& Answer);
  void AppendByKey();
  void ScrollSequenced(Integer Code, Integer T0);
  void ScrollNonSequenced(Integer Code, Integer Position);
  bool ControlsBlockMessage(const TMessage& Message) const;

  // Cell texts, editing and posting (RERorAzazCells.cpp).
  String FieldText(Integer ACol, Integer ARow, TDBGridColumnItem* Item, TField* Field, const String& Stored);
  String ExpandHTMLTemplate(Integer ACol, Integer ARow, TDBGridColumnItem* Item);
  String HeaderText(Integer ACol, const String& Stored);
  TField* FieldOfColumn(Integer ARealCol);
  bool ShownAsGraphic(TDBGridColumnItem* Item, TField* Field) const;
  void GridCellValidate(Integer ACol, Integer ARow, String& Value, bool& Valid);
  void WriteCellValue(TDBGridColumnItem* Item, TField* Field, String Value, bool& Valid);
  void PostFromGrid();
  void FillLookupList(TField* LookupField, TStrings* List);
  String LookupKeyFor(TObject* ItemObject) const;
  // The combo editor's chosen item, -1 when none.
  Integer ChosenComboItem() const;
  bool WriteComboValue(TDBGridColumnItem* Item, TField* Field);
  void WheelMoveRecord(TMessage& Message);
  void GridCanSort(Integer ACol, bool& DoSort);
  void PositionForExport(Integer ARow);

  // Graphics (RERorAzazGraphics.cpp).
  bool FieldGraphic(Integer ACol, Integer ARow, TDBGridColumnItem* Item, TField* Field);
  void LoadBlobGraphic(TField* Field, Integer ACol, Integer ARow);
  TPoint LoadFieldPicture(TField* Field, Integer ACol, Integer ARow);
  void DrawRecordIndicator(TCanvas* Canvas, TRect ARect);

  // Quick configuration (RERorAzazDesign.cpp); 1..3 the choice under the
  // point, 255 none.
  Integer DesignHelperChoiceAt(Integer X, Integer Y);
  void HandleDesignHelperHitTest(TMessage& Message);

  // Whole data set (RERorAzazWholeSet.cpp).
  void LoadAllRecords();
  void LoadRecordRow(Integer ARow);
  void ClearDataRows();
  void RemoveCellGraphics();
  void FreePictures();

  std::unique_ptr<TDBGridColumnCollection> FColumnCollection;
  std::unique_ptr<TExGridDataLink> FDataLink;
  std::unique_ptr<TCellGraphic> FCellGraphic = std::make_unique<TCellGraphic>();
  std::unique_ptr<TPicture> FPicture;
  std::unique_ptr<TPicture> FInvalidPicture;
  std::vector<std::unique_ptr<TPicture>> FPictureList;
  std::unique_ptr<TStringList> FLookupKeys = std::make_unique<TStringList>();

  bool FInternalCall = false;
  bool FDoNotUpdateMe = false;
  bool FShowMemoFields = false;
  TDataSetState FOldState = dsInactive;
  bool FRecordChanged = false;
  bool FShowDefinedFields = false;
  bool FInternalInsert = false;
  bool FShowDBIndicator = true;
  bool FEmptyDataSet = false;
  bool FCancelEditReturn = false;
  bool FDoNotCountRow = false;
  bool FShowBooleanFields = false;
  bool FShowPictureFields = false;
  bool FNotDeletionUpdate = false;
  bool FPageMode = true;
  bool FRefreshOnDelete = false;
  bool FUpdateCancel = false;
  bool FNewRecord = false;
  bool FRefreshOnInsert = false;
  Integer FVisibleFieldCount = 0;
  TDataSetType FDataSetType = dtSequenced;
  Integer FExportRow = -1;
  bool FSelExport = false;
  bool FSelImport = false;
  Integer FSelRow = 0;
  bool FNewAppendRecord = false;
  bool FKeyDownAppend = false;
  bool FFilteredDataSet = false;
  TDataSetType FOldDataSetType = dtSequenced;
  bool FShowUnicode = false;
  bool FInternalSelection = false;
  bool FDatasetTypeAuto = true;
  TEditPostMode FEditPostMode = epCell;
  TDataSetState FOldEditingState = dsBrowse;
  bool FEditUpdating = false;
  String FEditText;
  String FEditWideText;
  bool FDoNotCallSelect = false;
  bool FAppending = false;
  bool FAppendOperation = false;
  bool FExporting = false;
  bool FEditEnding = false;
  bool FOldFooterEnableCalc = false;
  bool FAllowRowChange = false;
  Integer FMustEnableControls = 0;
  bool FAutoCreateColumns = true;
  bool FAutoRemoveColumns = true;
  bool FInternalMove = false;
  bool FBlockCallBack = false;
  bool FShouldNotPostChanges = false;
  bool FShowBlankRow = true;
  Integer FExportStartRow = -1;
  bool FUseDBFieldWidths = false;
  bool FTabInsertion = false;
  bool FColWith0Width = false;
  bool FWasEditing = false;
  // A key message is being handled: KeyDown calls come from the grid's
  // own handler, not from its editor.
  bool FInKeyMessage = false;
  // The position an export or import saved.
  TBookmark FOldPosition;
  Integer FOldAR = -1;
  Integer FOldTopRow = -1;
  bool FOldIsBOF = false;
  bool FOldIsEOF = false;
};

}  // namespace jorv::grid
