#pragma once
// The extended string grid: one class over the base grid whose features
// live in grid/core (the object, settings, typed cells, looks), grid/
// interaction (editing, keys, mouse, scrolling) and grid/exchange (sorting,
// filtering, files, printing). Behind its members, each concern with state
// or an algorithm of its own is a class in its own file.
#include <functional>
#include <memory>
#include <utility>
#include <vector>
#include "foundation/ExHintInfo.h"
#include "foundation/ZVQStyle.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/ControlList.h"
#include "grid/base/GridOptions.h"
#include "grid/base/IntList.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/GridAppearance.h"
#include "grid/core/GridCoreTypes.h"
#include "grid/core/GridDataSettings.h"
#include "grid/core/GridInteractionSettings.h"
#include "grid/exchange/FindParams.h"
#include "grid/interaction/ScrollPosition.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Encoding.h"

struct tagNMTTDISPINFOW;
struct IDropTarget;

namespace jorv {
struct THintInfo;
class TCustomForm;
class TOleObject;
class TOleValue;
class TCustomListBox;
class THintWindow;
class TTimer;
class TCustomImageList;
class TScrollBar;
class TRichEdit;
class TList;
namespace foundation {
class THTMLPictureCache;
class TPictureContainer;
}  // namespace foundation
namespace dropdown {
class TExCustomDropDown;
class TExTrackBarDropDown;
class TExMemoDropDown;
class TExCalculatorDropdown;
class TExTimePickerDropDown;
class TExDetailDropDown;
class TExMultiColumnDropDown;
class TExColorPickerDropDown;
class TExImagePickerDropDown;
class TExControlDropDown;
}  // namespace dropdown
}  // namespace jorv
namespace jorv::grid {

class TGridFocusWindow;
class TGridTransEdit;
class TGridTransCombo;
class TNoActiveForm;
class THeaderDragButton;
class TGridItem;
class THiddenRowStore;
class TScrollControl;
class TExInplaceEdit;
struct TBinStreamRecords;
class TGridPropIO;
class TExRichEdit;
class TGridChangeNotifier;
class TGrdComboBox;
class TGridCheckBox;
class TGrdEditBtn;
class TGrdUnitEditBtn;
class TGridButton;
class TGrdSpinEdit;
class TGridDatePicker;
class TGridDateTimePicker;
class TRezIvevirAvodCheck;
struct TCellPaint;
class TDropList;
class TDropCheckList;
class TFooterPanel;
class TSearchPanel;
class TControlEdit;
class TControlCombo;

// The operation of RectCalc.
enum TCalcType : uint8_t { ctSum, ctAvg, ctMin, ctMax };

#define JORV_XGRID_PLAIN(Type, Name, Default)        \
 public:                                             \
  Type Name() const { return F##Name; }              \
  void Set##Name(Type Value) { F##Name = Value; }    \
                                                     \
 protected:                                          \
  Type F##Name = Default;                            \
                                                     \
 public:

// Changing the value repaints the grid.
#define JORV_XGRID_REPAINT(Type, Name, Default)                   \
 public:                                                          \
  Type Name() const { return F##Name; }                           \
  void Set##Name(Type Value) { RepaintOnChange(F##Name, Value); } \
                                                                  \
 protected:                                                       \
  Type F##Name = Default;                                         \
                                                                  \
 public:

class TRezIvevirAvod : public TBaseGrid, public IZVQStyle, public IZVQTones {
 public:
  explicit TRezIvevirAvod(TComponent* AOwner);
  ~TRezIvevirAvod() override;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** obj) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(-1); }

  // Another grid's settings, sizes and cells; any other source is ignored.
  void Assign(TPersistent* Source) override;
  virtual void AssignCells(TPersistent* Source);
  void Loaded() override;
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void Invalidate() override;
  virtual Integer GetVersionNr() const;
  virtual String GetVersionString() const;
  String Version() const { return VersionText(); }
  void SetVersion(const String&) {}
  TCustomForm* FindParentForm(TControl* AControl);
  // The glow around the current cell while it is edited (FocusHelper).
  void ShowFocusWindow(const TRect& R);
  // Follows the current cell, or hides the glow when the cell scrolled away.
  void UpdateFocusWindow();
  void HideFocusWindow();

  // Counts, sizes and the current cell.
  void SetRowCount(Integer Value) override;
  void SetColCount(Integer Value) override;
  Integer FixedRows() const override;
  void SetFixedRows(Integer Value) override;
  Integer FixedCols() const override;
  void SetFixedCols(Integer Value) override;
  Integer DefaultRowHeight() const { return TBaseGrid::DefaultRowHeight(); }
  void SetDefaultRowHeight(Integer Value);
  Integer FixedRowHeight() const { return FFixedRowHeight; }
  void SetFixedRowHeight(Integer Value);
  Integer FixedColWidth() const { return GetColWidths(0); }
  void SetFixedColWidth(Integer Value);
  void SetCol(Integer Value) override;
  TCursor Cursor() const { return TBaseGrid::Cursor(); }
  void SetCursor(TCursor Value);
  Integer AllColCount() const { return ColCount() + FNumHidden; }
  Integer NumHiddenColumns() const { return FNumHidden; }
  Integer TotalColCount() const override { return AllColCount(); }
  Integer MaxRowCount() const { return FMaxRowCount; }
  Integer MaxColCount() const { return FMaxColCount; }

  // Index spaces. Columns are real (stored) or displayed; rows are
  // displayed, or real when hidden rows are counted in.
  Integer RealToDisplCol(Integer ACol) const;
  Integer DisplToRealCol(Integer ACol) const;
  Integer RealToDisplRow(Integer ARow) const;
  Integer DisplToRealRow(Integer ARow) const;
  Integer RealColIndex(Integer ACol) const override { return DisplToRealCol(ACol); }
  Integer DisplColIndex(Integer ACol) const override { return RealToDisplCol(ACol); }
  Integer RealRowIndex(Integer ARow) const { return DisplToRealRow(ARow); }
  Integer DisplRowIndex(Integer ARow) const { return RealToDisplRow(ARow); }
  bool IsHiddenColumn(Integer ColIndex) const;
  bool IsHiddenRow(Integer RowIndex) const { return FindHiddenRowCells(RowIndex) != nullptr; }
  // The same through a list of every hidden row's stored index, ascending,
  // made when the caller's is empty and kept by the caller for the next.
  bool IsHiddenRow(Integer RowIndex, std::unique_ptr<TIntList>& ListHidden) const;
  Integer NumHiddenRows() const;
  Integer TotalRowCount() const { return AllRowCount(); }
  Integer AllRowCount() const { return RowCount() + NumHiddenRows(); }
  // Hidden columns keep their cells; only widths and counts change.
  void HideColumns(Integer FromCol, Integer ToCol);
  void HideColumn(Integer ColIndex) { HideColumns(ColIndex, ColIndex); }
  void UnHideColumns(Integer FromCol, Integer ToCol);
  void UnHideColumn(Integer ColIndex) { UnHideColumns(ColIndex, ColIndex); }
  void UnHideColumnsAll() { UnHideColumns(0, ColCount() + FNumHidden); }
  // The item of a hidden row by its real index, nullptr when it is shown.
  TGridItem* FindHiddenRowCells(Integer ARow) const;
  // Where column ACol of the recorded order stands now (ACol itself while
  // nothing is recorded).
  Integer ColumnPosition(Integer ACol) const;
  void SetColumnOrder();

  // Cells by real row, reaching hidden rows.
  String GetAllCells(Integer ACol, Integer ARow);
  void SetAllCells(Integer ACol, Integer ARow, const String& Value);
  String GetAllGridCells(Integer ACol, Integer ARow) const;
  void SetAllGridCells(Integer ACol, Integer ARow, const String& Value);
  String GetAllWideCells(Integer ACol, Integer ARow) { return GetAllCells(ACol, ARow); }
  void SetAllWideCells(Integer ACol, Integer ARow, const String& Value) { SetAllCells(ACol, ARow, Value); }
  String GetWideCells(Integer ACol, Integer ARow) { return GetCells(ACol, ARow); }
  void SetWideCells(Integer ACol, Integer ARow, const String& Value) { SetCells(ACol, ARow, Value); }
  TObject* GetAllObjects(Integer ACol, Integer ARow) const;
  void SetAllObjects(Integer ACol, Integer ARow, TObject* Value);
  String GetOriginalCells(Integer ACol, Integer ARow);
  void SetOriginalCells(Integer ACol, Integer ARow, const String& Value);
  String GetUnSortedCells(Integer ACol, Integer ARow);
  void SetUnSortedCells(Integer ACol, Integer ARow, const String& Value);
  Integer SortedRowIndex(Integer ARow) const;
  Integer UnSortedRowIndex(Integer ARow) const;
  String GetStrippedCells(Integer ACol, Integer ARow);
  Integer GetLinesInCell(Integer ACol, Integer ARow);
  Integer GetAllColWidths(Integer ACol) const;
  void SetAllColWidths(Integer ACol, Integer Value);

  // Per-cell look, kept in the cell's property object.
  TColor GetColors(Integer ACol, Integer ARow) const;
  void SetColors(Integer ACol, Integer ARow, TColor Value);
  TColor GetColorsTo(Integer ACol, Integer ARow) const;
  void SetColorsTo(Integer ACol, Integer ARow, TColor Value);
  TCellGradientDirection GetGradients(Integer ACol, Integer ARow) const;
  void SetGradients(Integer ACol, Integer ARow, TCellGradientDirection Value);
  TColor GetFontColors(Integer ACol, Integer ARow) const;
  void SetFontColors(Integer ACol, Integer ARow, TColor Value);
  TFontStyles GetFontStyles(Integer ACol, Integer ARow) const;
  void SetFontStyles(Integer ACol, Integer ARow, TFontStyles Value);
  Integer GetFontSizes(Integer ACol, Integer ARow) const;
  void SetFontSizes(Integer ACol, Integer ARow, Integer Value);
  String GetFontNames(Integer ACol, Integer ARow) const;
  void SetFontNames(Integer ACol, Integer ARow, const String& Value);
  TFont* GetCellFont(Integer ACol, Integer ARow);
  void SetFonts(Integer ACol, Integer ARow, TFont* Value);
  TAlignment GetAlignments(Integer ACol, Integer ARow) const;
  void SetAlignments(Integer ACol, Integer ARow, TAlignment Value);
  bool GetReadOnly(Integer ACol, Integer ARow) const;
  void SetReadOnly(Integer ACol, Integer ARow, bool Value);
  bool GetWordWraps(Integer ACol, Integer ARow);
  void SetWordWraps(Integer ACol, Integer ARow, bool Value);
  TControl* GetCellControls(Integer ACol, Integer ARow) const;
  void SetCellControls(Integer ACol, Integer ARow, TControl* Value);
  Integer NumCellControls() const { return FNumCellControls; }
  void SetRowColor(Integer ARow, TColor Value);
  void SetRowColorTo(Integer ARow, TColor Value);
  void SetRowFontColor(Integer ARow, TColor Value);

  // The current cell is the base cell of the merged area holding it.
  String CurrentCell() { String S; GetCurrentCell(S); return S; }
  void SetCurrentCellText(const String& Value) { SetCurrentCell(Value); }
  virtual void GetCurrentCell(String& Value);
  virtual void SetCurrentCell(const String& Value);
  virtual void GetVirtualCurrentCell(String& Value);
  virtual void GetStoredCell(Integer ACol, Integer ARow, String& Value);
  virtual void SetCurrentCellEditText(const String& Value);
  virtual void ApplyEditText(Integer ACol, Integer ARow, const String& Value);
  virtual void Zoom(Integer Step);
  void InitOrigColSizes();
  TIntList* OrigColSizes() const { return FOrigColSizes.get(); }
  bool VirtualCells() const { return FVirtualCells; }
  void SetVirtualCells(bool Value) { FVirtualCells = Value; }
  // The grid's own errors for an index outside the grid's cells (hidden
  // columns included).
  void CheckGridCell(Integer ACol, Integer ARow) const;

  // Query and event hooks: each raises its event when assigned, after the
  // grid's own answer; descendants override the hooks, never the events.
  virtual void DoGridHint(Integer ACol, Integer ARow, String& HintText, String& WideHintText);
  virtual void GetCellColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
  virtual void GetCellPrintColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
  virtual void GetCellBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders);
  virtual void GetCellPrintBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders);
  virtual void DoGetAlignment(Integer ACol, Integer ARow, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void DoGetFormat(Integer ACol, TSortStyle& AStyle, String& Prefix, String& Suffix);
  virtual void DoGetEditorType(Integer ACol, Integer ARow, TEditorType& AEditor);
  virtual void DoGetColumnEditorType(Integer ACol, Integer ARow, TEditorType& AEditor);
  virtual bool HasNoCellEditor(Integer ACol, Integer ARow);
  // edNone as the kind: start from DefaultEditor and ask the editor hook.
  virtual bool HasComboBox(Integer ACol, Integer ARow, TEditorType AEditor);
  virtual bool HasEditBtn(Integer ACol, Integer ARow, TEditorType AEditor);
  virtual bool HasSpinEdit(Integer ACol, Integer ARow, TEditorType AEditor);
  virtual bool HasFilterEdit(Integer ACol, Integer ARow);
  virtual void DoFilterEditUpdate(Integer ACol, const String& Condition, TFilterType FilterType);
  virtual void IsFixedCell(Integer ACol, Integer ARow, bool& IsFixed);
  bool IsFixed(Integer ACol, Integer ARow) override;
  virtual void CanEditCell(Integer ACol, Integer ARow, bool& CanEdit);
  virtual void DoCanEditCell(Integer ACol, Integer ARow, bool& CanEdit);
  virtual void DoIsPasswordCell(Integer ACol, Integer ARow, bool& IsPassword);
  virtual void GetCellWordWrap(Integer ACol, Integer ARow, bool& WordWrap);
  virtual void GetCellCheckTrue(Integer ACol, Integer ARow, String& Value);
  virtual void GetCellCheckFalse(Integer ACol, Integer ARow, String& Value);
  virtual void GetCellCursor(Integer ACol, Integer ARow, Integer X, Integer Y);
  virtual void DoCanSort(Integer ACol, bool& DoSort);
  virtual void DoSearchFooterAction(const String& Value, Integer ACol, Integer ARow, TSearchAction Action);
  virtual void DoButtonClick(Integer ACol, Integer ARow);
  void DoCurrentButtonClick();
  virtual void DoComboCloseUp(Integer ARow, Integer ACol);
  virtual void DoComboDropDown(Integer ARow, Integer ACol);
  virtual void PrepareKeySelectAll(TGridRect&) {}
  virtual void DisableEditing();
  virtual void AppendRow();
  virtual void SetupMouseWheel(bool Flag);
  Integer WheelScrollLines() const { return FWheelScrollLines; }

  // Typed cells and cell text hooks.
  virtual TCellType GetCellType(Integer ACol, Integer ARow);
  virtual bool GetCellEmpty(Integer ACol, Integer ARow);
  virtual String GetCellFloatFormat(Integer ACol, Integer ARow);
  Integer GetInts(Integer ACol, Integer ARow);
  void SetInts(Integer ACol, Integer ARow, Integer Value);
  Integer GetAllInts(Integer ACol, Integer ARow);
  void SetAllInts(Integer ACol, Integer ARow, Integer Value);
  double GetFloats(Integer ACol, Integer ARow);
  void SetFloats(Integer ACol, Integer ARow, double Value);
  double GetAllFloats(Integer ACol, Integer ARow);
  void SetAllFloats(Integer ACol, Integer ARow, double Value);
  TDateTime GetDates(Integer ACol, Integer ARow);
  void SetDates(Integer ACol, Integer ARow, TDateTime Value);
  TDateTime GetTimes(Integer ACol, Integer ARow);
  void SetTimes(Integer ACol, Integer ARow, TDateTime Value);
  String GetCtrlVal(Integer ACol, Integer ARow, const String& ID);
  void SetCtrlVal(Integer ACol, Integer ARow, const String& ID, const String& Value);
  void GetDisplText(Integer ACol, Integer ARow, String& Value) override;
  virtual String ReadCellText(Integer ACol, Integer ARow);
  virtual void LoadCell(Integer ACol, Integer ARow, const String& Value);

  // Highlighting ("hi") and marking ("e") of search text in cells.
  static String HilightText(bool DoCase, const String& S, const String& Text);
  static String UnHilightText(const String& S);
  static String MarkText(bool DoCase, const String& S, const String& Text);
  static String UnMarkText(const String& S);
  void HilightInCell(bool DoCase, Integer Col, Integer Row, const String& HiText, bool FullText);
  void HilightInCol(bool DoFixed, bool DoCase, Integer Col, const String& HiText, bool FullText);
  void HilightInRow(bool DoFixed, bool DoCase, Integer Row, const String& HiText, bool FullText);
  void HilightInGrid(bool DoFixed, bool DoCase, const String& HiText, bool FullText);
  void MarkInCell(bool DoCase, Integer Col, Integer Row, const String& HiText);
  void MarkInCol(bool DoFixed, bool DoCase, Integer Col, const String& HiText);
  void MarkInRow(bool DoFixed, bool DoCase, Integer Row, const String& HiText);
  void MarkInGrid(bool DoFixed, bool DoCase, const String& HiText);
  void UnHilightInCell(Integer Col, Integer Row);
  void UnHilightInCol(bool DoFixed, Integer Col);
  void UnHilightInRow(bool DoFixed, Integer Row);
  void UnHilightInGrid(bool DoFixed);
  void UnMarkInCell(Integer Col, Integer Row);
  void UnMarkInCol(bool DoFixed, Integer Col);
  void UnMarkInRow(bool DoFixed, Integer Row);
  void UnMarkInGrid(bool DoFixed);
  // Test data over the grid's cells (the normal ones unless DoFixed).
  void TextFill(bool DoFixed, const String& Txt);
  void FormatFill(bool DoFixed, const String& Fmt);
  void RandomFill(bool DoFixed, Integer Rnd);
  void LinearFill(bool DoFixed);
  // Event dispatch a descendant may change.
  virtual bool HasColumnAlignment() { return false; }
  virtual void DoFixedEdit(Integer ACol, Integer ARow, TGridFixedCellEditor& AEditor, TStrings* Values);
  virtual void DoSelectionChanged(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);
  virtual void InplaceEditKeyUp(const String&, TPoint, Integer) {}
  virtual void DoFilterDone();
  virtual void DoFilterShow(Integer ACol, bool& Allow);
  virtual void DoFilterClose(Integer ACol);
  virtual void DoCanAddRow(bool& CanAdd);
  virtual void DoCanAddCol(bool& CanAdd);
  virtual void DoCanInsertRow(Integer ARow, bool& CanInsert);
  virtual void DoIntelliZoom();
  virtual void ExportNotification(TGridExportState, Integer) {}
  virtual void ImportNotification(TGridImportState, Integer) {}
  bool ShowsSortIndicator(Integer ACol, Integer ARow);
  Integer GetRowIndent(Integer ARow) override;
  bool HasNodes() override { return FNumNodes > 0; }
  bool SelectionChanged() const { return FSelectionChanged; }

  // Cell graphics and controls: one graphic object per cell, added, asked
  // for, changed and removed (GridCellGraphics.cpp). ACol is a real column
  // and ARow a display row unless a comment says otherwise; writes outside
  // the grid raise the grid's errors, reads answer "none".
  virtual TCellGraphic* GetCellGraphic(Integer ACol, Integer ARow);
  virtual TPoint GetCellGraphicSize(Integer ACol, Integer ARow);
  virtual TPoint CalcCellGraphicSize(Integer ACol, Integer ARow, Integer ExtraHeight);
  virtual TPoint CalcPrintGraphicSize(Integer ACol, Integer ARow, Integer CW, Integer CH, double Scale);
  TCellGraphic* CreateCellGraphic(Integer ACol, Integer ARow);
  bool RemoveCellGraphic(Integer ACol, Integer ARow);
  bool RemoveCellGraphicOfType(Integer ACol, Integer ARow, TCellType ACellType);
  void AddBitmap(Integer ACol, Integer ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitmap(Integer ACol, Integer ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
  bool HasBitmap(Integer ACol, Integer ARow) { return GetBitmap(ACol, ARow) != nullptr; }
  TBitmap* GetBitmap(Integer ACol, Integer ARow);
  void RemoveBitmap(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
  void AddPicture(Integer ACol, Integer ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                  Integer Padding, TCellHAlign hal, TCellVAlign val);
  TPicture* CreatePicture(Integer ACol, Integer ARow, bool Transparent, TStretchMode StretchMode, Integer Padding,
                          TCellHAlign hal, TCellVAlign val);
  bool HasPicture(Integer ACol, Integer ARow) { return GetPicture(ACol, ARow) != nullptr; }
  TPicture* GetPicture(Integer ACol, Integer ARow);
  void RemovePicture(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
  void AddFilePicture(Integer ACol, Integer ARow, TFilePicture* AFilePicture, bool Transparent,
                      TStretchMode StretchMode, Integer Padding, TCellHAlign hal, TCellVAlign val);
  TFilePicture* CreateFilePicture(Integer ACol, Integer ARow, bool Transparent, TStretchMode StretchMode,
                                  Integer Padding, TCellHAlign hal, TCellVAlign val);
  TFilePicture* GetFilePicture(Integer ACol, Integer ARow);
  void RemoveFilePicture(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
  void AddIcon(Integer ACol, Integer ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
  TIcon* CreateIcon(Integer ACol, Integer ARow, TCellHAlign hal, TCellVAlign val);
  void RemoveIcon(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
  void AddInterfacedCell(Integer ACol, Integer ARow, TInterfacedPersistent* AObject);
  TInterfacedPersistent* GetInterfacedCell(Integer ACol, Integer ARow);
  void RemoveInterfacedCell(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctInterface); }
  void AddRotated(Integer ACol, Integer ARow, SmallInt AAngle, const String& s);
  void SetRotated(Integer ACol, Integer ARow, SmallInt AAngle);
  bool IsRotated(Integer ACol, Integer ARow, Integer& aAngle);
  void RemoveRotated(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }
  virtual TCustomImageList* GetCellImageList(Integer ACol, Integer ARow);
  void AddImageIdx(Integer ACol, Integer ARow, Integer Aidx, TCellHAlign hal, TCellVAlign val);
  bool GetImageIdx(Integer ACol, Integer ARow, Integer& idx);
  void SetImageIdx(Integer ACol, Integer ARow, Integer Idx);
  void RemoveImageIdx(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
  void AddDataImage(Integer ACol, Integer ARow, Integer Aidx, TCellHAlign hal, TCellVAlign val);
  bool HasDataImage(Integer ACol, Integer ARow) { return BaseCellIs(ACol, ARow, {ctDataImage}); }
  void RemoveDataImage(Integer ACol, Integer ARow);
  void AddMultiImage(Integer ACol, Integer ARow, Integer Dir, TCellHAlign hal, TCellVAlign val);
  TIntList* GetCellImages(Integer ACol, Integer ARow);
  void RemoveMultiImage(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }
  void AddProgress(Integer ACol, Integer ARow, TColor FGColor, TColor BKColor);
  void AddProgressEx(Integer ACol, Integer ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                     TColor BKTextColor);
  void AddProgressFormatted(Integer ACol, Integer ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                            TColor BKTextColor, const String& Fmt, Integer Min, Integer Max);
  bool HasProgress(Integer ACol, Integer ARow) { return BaseCellIs(ACol, ARow, {ctProgress}); }
  void RemoveProgress(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
  void AddExProgress(Integer ACol, Integer ARow, Integer Min, Integer Max);
  void RemoveExProgress(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }
  void AddProgressPie(Integer ACol, Integer ARow, TColor Color, Integer Value);
  void SetProgressPie(Integer ACol, Integer ARow, Integer Value);
  void RemoveProgressPie(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
  void AddRangeIndicator(Integer ACol, Integer ARow, Integer Range, TColor NegColor, TColor PosColor,
                         bool ShowValue);
  void RemoveRangeIndicator(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator); }
  void AddShape(Integer ACol, Integer ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                TCellVAlign val);
  bool HasShape(Integer ACol, Integer ARow) { return BaseCellIs(ACol, ARow, {ctShape}); }
  void RemoveShape(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }
  void SetShapeColor(Integer ACol, Integer ARow, TColor FillColor);
  TColor GetShapeColor(Integer ACol, Integer ARow);
  void AddRating(Integer ACol, Integer ARow, Integer Scale, TColor FillColor, TColor EmptyColor);
  bool HasRating(Integer ACol, Integer ARow) { return BaseCellIs(ACol, ARow, {ctRating}); }
  void RemoveRating(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }
  virtual bool DoRatingChange(Integer ACol, Integer ARow, double& NewRate);
  void AddScrollBar(Integer ACol, Integer ARow, bool AutoRange);
  bool HasScrollBar(Integer ACol, Integer ARow) { return BaseCellIs(ACol, ARow, {ctScrollbar}); }
  void RemoveScrollBar(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }
  bool HasAutoRangeScrollBar(Integer ACol, Integer ARow);
  void SetScrollPosition(Integer ACol, Integer ARow, Integer Pos);
  Integer GetScrollPosition(Integer ACol, Integer ARow);
  void SetScrollProp(Integer ACol, Integer ARow, const TScrollProp& Prop);
  TScrollProp GetScrollProp(Integer ACol, Integer ARow);
  void AddButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption, TCellHAlign hal,
                 TCellVAlign val);
  void AddBitButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption, TBitmap* Glyph,
                    TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption,
                           TCellHAlign hal, TCellVAlign val);
  // These three take a display column.
  void SetButtonText(Integer ACol, Integer ARow, const String& Caption);
  String GetButtonText(Integer ACol, Integer ARow);
  void PushButton(Integer ACol, Integer ARow, bool Push);
  bool HasButton(Integer ACol, Integer ARow) { return BaseCellIs(ACol, ARow, {ctButton, ctBitButton}); }
  void RemoveBitButton(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }
  void RemoveButton(Integer ACol, Integer ARow);
  void RemoveAllButtons();
  // Display column; for mouse hit tests.
  TRect GetCellButtonRect(Integer ACol, Integer ARow);
  TRect GetExpandButtonRect(Integer ACol, Integer ARow);
  void AddComment(Integer ACol, Integer ARow, const String& Comment);
  void AddColorComment(Integer ACol, Integer ARow, const String& Comment, TColor Color);
  void SetComment(Integer ACol, Integer ARow, const String& Value);
  bool IsComment(Integer ACol, Integer ARow, String& Comment);
  String GetComment(Integer ACol, Integer ARow);
  void RemoveComment(Integer ACol, Integer ARow);
  void RemoveAllComments();
  void AddMarker(Integer ACol, Integer ARow, Integer ErrPos, Integer ErrLen);
  void RemoveMarker(Integer ACol, Integer ARow);
  void RemoveAllMarkers();
  void GetMarker(Integer ACol, Integer ARow, Integer& ErrPos, Integer& ErrLen);
  void AddBalloon(Integer ACol, Integer ARow, const String& Title, const String& Text, TBalloonIcon Icon);
  void RemoveBalloon(Integer ACol, Integer ARow);
  bool HasBalloon(Integer ACol, Integer ARow) { return BaseCellIs(ACol, ARow, {ctBalloon}); }
  bool IsBalloon(Integer ACol, Integer ARow, String& Title, String& Text, TBalloonIcon& Icon);
  bool IsDataGraphicCell(Integer ACol, Integer ARow) {
    return BaseCellIs(ACol, ARow, {ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox});
  }
  bool HasClickableGraphic(Integer ACol, Integer ARow);
  intptr_t GetCellGraphicKey(Integer ACol, Integer ARow);
  // Whether the base cell of (ACol, ARow) holds one of the kinds.
  bool BaseCellIs(Integer ACol, Integer ARow, std::initializer_list<TCellType> Kinds);

  // Check boxes, radio buttons and radio groups (GridCheckRadio.cpp).
  static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
  void AddCheckBox(Integer ACol, Integer ARow, bool State, bool Data);
  void AddCheckBox(Integer ACol, Integer ARow, TCheckBoxState State);
  void AddCheckBoxColumn(Integer ACol, bool DefaultState, bool DataCheckBox);
  void AddTriStateCheckBoxColumn(Integer ACol, TCheckBoxState State);
  void RemoveCheckBoxColumn(Integer ACol);
  void RemoveCheckBox(Integer ACol, Integer ARow);
  bool HasCheckBox(Integer ACol, Integer ARow) {
    return BaseCellIs(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
  }
  bool HasDataCheckBox(Integer ACol, Integer ARow) {
    return BaseCellIs(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
  }
  bool IsDataCheckBoxColumn(Integer ACol);
  bool IsInCheckBox(Integer ACol, Integer ARow, Integer XPos, Integer YPos);
  bool GetCheckBoxState(Integer ACol, Integer ARow, bool& State);
  bool GetCheckBoxState(Integer ACol, Integer ARow, TCheckBoxState& State);
  bool IsChecked(Integer ACol, Integer ARow);
  bool SetCheckBoxState(Integer ACol, Integer ARow, bool State);
  bool SetCheckBoxState(Integer ACol, Integer ARow, TCheckBoxState State);
  void CheckAll(Integer ACol);
  void UnCheckAll(Integer ACol);
  bool ChangeCheckBoxState(Integer ACol, Integer ARow, bool State);
  virtual bool ToggleCheckBoxEx(Integer ACol, Integer ARow, bool User);
  bool ToggleCheckBox(Integer ACol, Integer ARow) { return ToggleCheckBoxEx(ACol, ARow, false); }
  virtual void DoCheckBoxChange(Integer ACol, Integer ARow, bool State);
  void AddRadioButton(Integer ACol, Integer ARow, bool State);
  void AddRadioButtonGroup(Integer ACol, Integer ARow, TRadioButtonGroup Group, bool State);
  void AddRadioButtonColumn(Integer ACol);
  void AddRadioButtonGroupColumn(Integer ACol);
  void RemoveRadioButton(Integer ACol, Integer ARow);
  void RemoveRadioButtonColumn(Integer ACol);
  bool HasRadioButton(Integer ACol, Integer ARow) { return BaseCellIs(ACol, ARow, {ctRadioButton}); }
  bool HasRadioButtonGroup(Integer ACol, Integer ARow, TRadioButtonGroup Group);
  bool IsRadioButtonChecked(Integer ACol, Integer ARow);
  bool SetRadioButtonState(Integer ACol, Integer ARow, bool State);
  void SetRadioButtonColumnIndex(Integer ACol, Integer Index);
  Integer GetRadioButtonColumnIndex(Integer ACol);
  virtual bool ToggleRadioButton(Integer ACol, Integer ARow, bool User);
  void AddRadio(Integer ACol, Integer ARow, Integer DirRadio, Integer IdxRadio, TStrings* sl);
  TStrings* CreateRadio(Integer ACol, Integer ARow, Integer DirRadio, Integer IdxRadio);
  bool GetRadioIdx(Integer ACol, Integer ARow, Integer& IdxRadio);
  bool SetRadioIdx(Integer ACol, Integer ARow, Integer IdxRadio);
  TStrings* GetRadioStrings(Integer ACol, Integer ARow);
  bool IsRadio(Integer ACol, Integer ARow) { return BaseCellIs(ACol, ARow, {ctRadio}); }
  void RemoveRadio(Integer ACol, Integer ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }
  void SelectNextRadio(Integer ACol, Integer ARow, bool User);

  // Node rows as far as the cell graphics read them (grid/exchange/GridNodeRows.cpp).
  bool IsNode(Integer ARow);
  bool IsSummary(Integer ARow);
  bool GetNodeState(Integer ARow);
  Integer GetNodeSpan(Integer ARow);
  Integer GetSubNodeCount(Integer ARow);
  Integer GetParentRow(Integer ARow);

  // Drawing of cell graphics and glyphs (GridGraphicDrawing.cpp). Rect is the
  // cell's content rectangle; the context says where the text stands.
  void GetCellGraphicInfo(Integer ACol, Integer ARow, TCellGraphic*& Graphic, Integer& W, Integer& H,
                          TCellHAlign& HA, TCellVAlign& VA, bool& AllowText);
  void DrawCellGraphics(TRect Rect, TCellGraphic* Graphic, TVAlignment VA, const TCellGraphicContext& Context);
  // On the canvas the cell is drawn on (the grid's own, a bitmap's, the printer's).
  void DrawCheckBoxGlyph(TCanvas* Canvas, TRect Rect, bool Checked, TCheckBoxState State, bool UseState,
                         TControlStyle Style, bool Grayed, bool Enabled);
  void DrawRadioGlyph(TCanvas* Canvas, TRect Rect, bool Upwards, double Scale, TControlStyle Style, Integer ARow,
                      Integer ACol, bool Selected, TStrings* Items, bool Disabled, bool Horizontal,
                      Integer CheckedIndex, Integer Count);
  void DrawSortIndicator(TCanvas* Canvas, Integer ACol, Integer Y, Integer X);
  static Integer Limit(Integer Value) { return Value < 0 ? 0 : Value > 100 ? 100 : Value; }
  // The text inset counts once (true) or on both sides of a cell.
  JORV_XGRID_PLAIN(bool, XYOffsetTopLeftOnly, false)

  // Looks and style presets.
  TGridLook Look() const { return FLook; }
  void SetLook(TGridLook Value);
  virtual void SetStyle(TExGridStyle AStyle);
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;
  void STDMETHODCALLTYPE SetColorTones(TColorTones ATones) override;
  void ApplyOfficeTheme();
  void SetTheme(TXPColorScheme Scheme);
  Integer GridStyle() const { return FGridStyle; }
  TOfficeTheme LastOfficeTheme() const { return FLastOfficeTheme; }
  const TColorTones& ColorTones() const { return FColorTones; }
  // Fixed-cell gradients; the first four store RGB and repaint.
  TColor ZVQGradientFrom() const { return FZVQGradientFrom; }
  void SetZVQGradientFrom(TColor Value) { SetGradientColor(FZVQGradientFrom, Value); }
  TColor ZVQGradientTo() const { return FZVQGradientTo; }
  void SetZVQGradientTo(TColor Value) { SetGradientColor(FZVQGradientTo, Value); }
  TColor ZVQGradientMirrorFrom() const { return FZVQGradientMirrorFrom; }
  void SetZVQGradientMirrorFrom(TColor Value) { SetGradientColor(FZVQGradientMirrorFrom, Value); }
  TColor ZVQGradientMirrorTo() const { return FZVQGradientMirrorTo; }
  void SetZVQGradientMirrorTo(TColor Value) { SetGradientColor(FZVQGradientMirrorTo, Value); }
  JORV_XGRID_PLAIN(TColor, ZVQGradientHoverFrom, clNone)
  JORV_XGRID_PLAIN(TColor, ZVQGradientHoverTo, clNone)
  JORV_XGRID_PLAIN(TColor, ZVQGradientHoverMirrorFrom, clNone)
  JORV_XGRID_PLAIN(TColor, ZVQGradientHoverMirrorTo, clNone)
  JORV_XGRID_PLAIN(TColor, ZVQGradientHoverBorder, clNone)
  JORV_XGRID_PLAIN(TColor, ZVQGradientDownFrom, clNone)
  JORV_XGRID_PLAIN(TColor, ZVQGradientDownTo, clNone)
  JORV_XGRID_PLAIN(TColor, ZVQGradientDownMirrorFrom, clNone)
  JORV_XGRID_PLAIN(TColor, ZVQGradientDownMirrorTo, clNone)
  JORV_XGRID_PLAIN(TColor, ZVQGradientDownBorder, clNone)

  // Owned settings objects; writing one copies the given object.
  TSortSettings* SortSettings() const { return FSortSettings.get(); }
  void SetSortSettings(TSortSettings* Value) { FSortSettings->Assign(Value); }
  TPrintSettings* PrintSettings() const { return FPrintSettings.get(); }
  void SetPrintSettings(TPrintSettings* Value) { FPrintSettings->Assign(Value); }
  THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
  void SetHTMLSettings(THTMLSettings* Value) { FHTMLSettings->Assign(Value); }
  TControlLook* ControlLook() const { return FControlLook.get(); }
  void SetControlLook(TControlLook* Value) { FControlLook->Assign(Value); }
  TGrouping* Grouping() const { return FGrouping.get(); }
  void SetGrouping(TGrouping* Value) { FGrouping->Assign(Value); }
  TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
  void SetFloatingFooter(TFloatingFooter* Value) { FFloatingFooter->Assign(Value); }
  TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
  void SetSearchFooter(TSearchFooter* Value) { FSearchFooter->Assign(Value); }
  TFilterDropDown* FilterDropDown() const { return FFilterDropDown.get(); }
  void SetFilterDropDown(TFilterDropDown* Value) { FFilterDropDown->Assign(Value); }
  TFilterEdit* FilterEdit() const { return FFilterEdit.get(); }
  void SetFilterEdit(TFilterEdit* Value) { FFilterEdit->Assign(Value); }
  TFilter* Filter() const { return FFilter.get(); }
  void SetFilter(TFilter* Value) { FFilter->Assign(Value); }
  TColumnSize* ColumnSize() const { return FColumnSize.get(); }
  void SetColumnSize(TColumnSize* Value) { FColumnSize->Assign(Value); }
  TCellNode* CellNode() const { return FCellNode.get(); }
  void SetCellNode(TCellNode* Value) { FCellNode->Assign(Value); }
  TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping.get(); }
  void SetSizeWhileTyping(TSizeWhileTyping* Value) { FSizeWhileTyping->Assign(Value); }
  TBalloonSettings* Balloon() const { return FBalloon.get(); }
  void SetBalloon(TBalloonSettings* Value) { FBalloon->Assign(Value); }
  TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }
  void SetDragDropSettings(TDragDropSettings* Value) { FDragDropSettings->Assign(Value); }
  TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
  void SetDragScrollOptions(TDragScrollOptions* Value) { FDragScrollOptions->Assign(Value); }
  TBackGround* BackGround() const { return FBackGround.get(); }
  void SetBackGround(TBackGround* Value);
  TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance.get(); }
  void SetProgressAppearance(TGridProgressAppearance* Value) { FProgressAppearance->Assign(Value); }
  TAutoColor* AutoColor() const { return FAutoColor.get(); }
  void SetAutoColor(TAutoColor* Value) { FAutoColor->Assign(Value); }
  TFocusHelper* FocusHelper() const { return FFocusHelper.get(); }
  void SetFocusHelper(TFocusHelper* Value) { FFocusHelper->Assign(Value); }
  TNavigation* Navigation() const { return FNavigation.get(); }
  void SetNavigation(TNavigation* Value) { FNavigation->Assign(Value); }
  TMouseActions* MouseActions() const { return FMouseActions.get(); }
  void SetMouseActions(TMouseActions* Value) { FMouseActions->Assign(Value); }
  TBands* Bands() const { return FBands.get(); }
  void SetBands(TBands* Value) { FBands->Assign(Value); }
  TSyncGrid* SyncGrid() const { return FSyncGrid.get(); }
  void SetSyncGrid(TSyncGrid* Value) { FSyncGrid->Assign(Value); }
  THoverButtons* HoverButtons() const { return FHoverButtons.get(); }
  void SetHoverButtons(THoverButtons* Value) { FHoverButtons->Assign(Value); }
  TShowModified* ShowModified() const { return FShowModified.get(); }
  void SetShowModified(TShowModified* Value) { FShowModified->Assign(Value); }
  TExHintInfo* OfficeHint() const { return FOfficeHint.get(); }
  void SetOfficeHint(TExHintInfo* Value) { FOfficeHint->Assign(Value); }
  TFont* FixedFont() const { return FFixedFont.get(); }
  void SetFixedFont(TFont* Value);
  TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
  void SetActiveCellFont(TFont* Value);
  TBitmap* RowIndicator() const { return FRowIndicator.get(); }
  void SetRowIndicator(TBitmap* Value);
  TStringList* ColumnHeaders() const { return FColumnHeaders.get(); }
  void SetColumnHeaders(TStrings* Value);
  TStringList* RowHeaders() const { return FRowHeaders.get(); }
  void SetRowHeaders(TStrings* Value);
  TStringList* LookupItems() const { return FLookupItems.get(); }
  void SetLookupItems(TStrings* Value);
  TSortIndexList* SortIndexes() const { return FSortIndexes.get(); }
  TIntList* MergedColumns() const { return FMergedColumns.get(); }
  TIntList* IgnoredColumns() const { return FIgnoredColumns.get(); }
  TIntList* ColumnOrder() const { return FColumnOrder.get(); }
  TIntList* SortedRowList() const { return FSortList.get(); }
  THTMLPictureCache* PictureCache() const { return FPictureCache.get(); }
  TGridFocusWindow* FocusWindow() const { return FFocusWindow; }

  // References to other components, cleared when they go.
  TCustomImageList* GridImages() const { return FGridImages; }
  void SetGridImages(TCustomImageList* Value);
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  void SetPictureContainer(TPictureContainer* Value);
  TPopupMenu* FixedDropDownMenu() const { return FFixedDropDownMenu; }
  void SetFixedDropDownMenu(TPopupMenu* Value);

  // Properties whose writers do more than store.
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor Value);
  TColor HighlightTextColor() const { return FHighlightTextColor; }
  void SetHighlightTextColor(TColor Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  Integer MaxEditLength() const { return FMaxEditLength; }
  void SetMaxEditLength(Integer Value);
  TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
  void SetScrollBarAlways(TScrollBarAlways Value);
  TScrollType ScrollType() const { return FScrollType; }
  void SetScrollType(TScrollType Value);
  Integer SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
  void SetSelectionColorMixerFactor(Integer Value);
  bool ShowSelection() const { return FShowSelection; }
  void SetShowSelection(bool Value);
  bool SizeWithForm() const { return FSizeWithForm; }
  void SetSizeWithForm(bool Value);
  bool SpreadSheet() const { return FSpreadSheet; }
  void SetSpreadSheet(bool Value);
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  bool WordWrap() const { return TBaseGrid::WordWrap(); }
  void SetWordWrap(bool Value);
  bool URLShow() const { return FURLShow; }
  void SetURLShow(bool Value) { RepaintOnChange(FURLShow, Value); }
  bool URLShowInText() const { return FURLShowInText; }
  void SetURLShowInText(bool Value) { RepaintOnChange(FURLShowInText, Value); }
  TColor URLColor() const { return FURLColor; }
  void SetURLColor(TColor Value);
  bool URLFull() const { return FURLFull; }
  void SetURLFull(bool Value);
  // Applies ScrollBarAlways; Force also hides bars that nothing needs.
  void UpdateScrollBarAlways(bool Force);
  // The cell text inset, without repainting.
  void UpdateXYOffset(Integer X, Integer Y) { FXYOffset = TPoint{X, Y}; }
  TPoint XYOffset() const { return FXYOffset; }
  bool IsWinXP() const { return FIsWinXP; }
  bool IsComCtl6() const { return FIsComCtl6; }
  Integer ZoomFactor() const { return FZoomFactor; }
  bool IsLoaded() const { return FLoaded; }

  JORV_XGRID_PLAIN(TColor, HintColor, clInfoBk)
  JORV_XGRID_PLAIN(bool, HintShowCells, false)
  JORV_XGRID_PLAIN(bool, HintShowLargeText, false)
  JORV_XGRID_PLAIN(THintShowLargeTextPos, HintShowLargeTextPos, hpCell)
  JORV_XGRID_PLAIN(bool, HintShowSizing, false)
  JORV_XGRID_PLAIN(bool, HTMLHint, false)
  JORV_XGRID_PLAIN(bool, OemConvert, false)
  JORV_XGRID_PLAIN(bool, AnchorHint, false)
  JORV_XGRID_REPAINT(bool, ActiveCellShow, false)
  JORV_XGRID_REPAINT(TColor, ActiveCellColor, clGray)
  JORV_XGRID_REPAINT(TColor, ActiveCellColorTo, clNone)
  JORV_XGRID_PLAIN(bool, AutoHideSelection, false)
  JORV_XGRID_PLAIN(bool, AutoNumAlign, false)
  JORV_XGRID_PLAIN(bool, AutoFilterUpdate, true)
  JORV_XGRID_REPAINT(TAlignment, DefaultAlignment, taLeftJustify)
  JORV_XGRID_PLAIN(TEditorType, DefaultEditor, edNormal)
  JORV_XGRID_PLAIN(TColor, DisabledFontColor, clSilver)
  JORV_XGRID_PLAIN(bool, EditWithTags, false)
  JORV_XGRID_PLAIN(bool, EnableBlink, false)
  JORV_XGRID_PLAIN(bool, EnableHTML, true)
  JORV_XGRID_PLAIN(bool, EnableWheel, true)
  JORV_XGRID_PLAIN(bool, EnhTextSize, false)
  JORV_XGRID_PLAIN(bool, EnhRowColMove, true)
  JORV_XGRID_PLAIN(bool, ExcelStyleDecimalSeparator, false)
  JORV_XGRID_PLAIN(bool, FilterDropDownMultiCol, true)
  JORV_XGRID_PLAIN(String, FilterDropDownClear, L"(All)")
  JORV_XGRID_PLAIN(bool, FilterDropDownCheck, false)
  JORV_XGRID_PLAIN(String, FilterDropDownCheckUnCheckAll, L"")
  JORV_XGRID_PLAIN(TFilterDropDownColumns, FilterDropDownColumns, fdNormal)
  JORV_XGRID_PLAIN(Integer, FilterDropDownRow, 0)
  JORV_XGRID_PLAIN(bool, FilterNormalCellsOnly, true)
  JORV_XGRID_PLAIN(bool, FixedAsButtons, false)
  JORV_XGRID_REPAINT(Integer, FixedFooters, 0)
  JORV_XGRID_REPAINT(Integer, FixedRightCols, 0)
  JORV_XGRID_PLAIN(bool, FixedRowAlways, false)
  JORV_XGRID_PLAIN(bool, FixedColAlways, false)
  JORV_XGRID_PLAIN(String, FloatFormat, L"%.2f")
  JORV_XGRID_REPAINT(TFormatType, FormatType, ftVCL)
  JORV_XGRID_PLAIN(bool, HideFocusRect, false)
  JORV_XGRID_PLAIN(bool, Hovering, false)
  JORV_XGRID_PLAIN(THoverFixedCells, HoverFixedCells, hfNone)
  JORV_XGRID_PLAIN(TIntelliPan, IntelliPan, ipVertical)
  JORV_XGRID_PLAIN(bool, IntelliZoom, true)
  JORV_XGRID_PLAIN(String, InvalidEntryTitle, L"")
  JORV_XGRID_PLAIN(TInvalidEntryIcon, InvalidEntryIcon, ieWarning)
  JORV_XGRID_PLAIN(String, InvalidEntryText, L"")
  JORV_XGRID_PLAIN(bool, Lookup, false)
  JORV_XGRID_PLAIN(bool, LookupCaseSensitive, false)
  JORV_XGRID_PLAIN(bool, LookupHistory, false)
  JORV_XGRID_PLAIN(Integer, MaxComboLength, 0)
  JORV_XGRID_PLAIN(bool, Multilinecells, false)
  JORV_XGRID_PLAIN(bool, ScrollSynch, false)
  JORV_XGRID_PLAIN(TScrollHintType, ScrollHints, shNone)
  JORV_XGRID_REPAINT(TColor, SelectionColor, 0xEACAB6)
  JORV_XGRID_REPAINT(TColor, SelectionColorTo, clNone)
  JORV_XGRID_REPAINT(bool, SelectionColorMixer, false)
  JORV_XGRID_REPAINT(TColor, SelectionMirrorColor, clNone)
  JORV_XGRID_REPAINT(TColor, SelectionMirrorColorTo, clNone)
  JORV_XGRID_REPAINT(bool, SelectionRectangle, false)
  JORV_XGRID_REPAINT(bool, SelectionResizer, false)
  JORV_XGRID_PLAIN(bool, SelectionRTFKeep, false)
  JORV_XGRID_REPAINT(TColor, SelectionTextColor, clBlack)
  JORV_XGRID_REPAINT(bool, ShowDesignHelper, true)
  JORV_XGRID_PLAIN(bool, URLUnderlineOnHover, false)
  JORV_XGRID_PLAIN(bool, URLEdit, false)
  JORV_XGRID_PLAIN(bool, UseInternalHintClass, true)
  JORV_XGRID_PLAIN(String, ValidChars, L"")
  JORV_XGRID_PLAIN(bool, ShowNullDates, true)
  JORV_XGRID_PLAIN(bool, SaveVirtCells, true)
  JORV_XGRID_PLAIN(bool, SaveWithHTML, true)
  JORV_XGRID_PLAIN(bool, SaveWithRTF, false)
  JORV_XGRID_PLAIN(bool, SaveFixedCells, true)
  JORV_XGRID_PLAIN(bool, SaveFixedRows, false)
  JORV_XGRID_PLAIN(bool, SaveFixedCols, false)
  JORV_XGRID_PLAIN(bool, SaveHiddenCells, false)
  JORV_XGRID_PLAIN(bool, QuoteEmptyCells, true)
  JORV_XGRID_PLAIN(bool, AlwaysQuotes, false)
  JORV_XGRID_PLAIN(bool, LoadFirstRow, true)
  JORV_XGRID_PLAIN(String, XMLEncoding, L"ISO-8859-1")
  JORV_XGRID_PLAIN(String, CheckTrue, L"Y")
  JORV_XGRID_PLAIN(String, CheckFalse, L"N")
  JORV_XGRID_PLAIN(Char, PasswordChar, L'*')

  // Hiding and showing rows (grid/interaction). Rows are taken out of the
  // display into the hidden-row store with all their cells and put back
  // where their stored index stands; list hidings stack as levels.
  void HideRows(Integer FromRow, Integer ToRow);
  void HideRow(Integer RowIndex) { HideRows(RowIndex, RowIndex); }
  void HideRowsEx(Integer FromRow, Integer ToRow);
  void HideRowList(TIntList* RowList);
  void UnHideRows(Integer FromRow, Integer ToRow);
  void UnHideRow(Integer RowIndex);
  void UnHideRowsAll();
  void UnHideRowList();
  Integer FilterLevel() const;
  void SetFilterLevel(Integer Value);
  THiddenRowStore* HiddenRows() const { return FHiddenRows.get(); }

  // The update counter, focus, the grid timer, painting and sizing
  // (grid/interaction).
  void BeginUpdate();
  void EndUpdate();
  void StartUpdate() { ++FUpdateCount; }
  void ResetUpdate();
  bool LockUpdate() const { return FUpdateCount > 0; }
  void SetLockUpdate(bool Value) { Value ? BeginUpdate() : EndUpdate(); }
  Integer UpdateCount() const { return FUpdateCount; }
  Integer TimerTicks() const { return FTimerTicks; }
  bool GridBlink() const { return FGridBlink; }
  const String& SearchInc() const { return FSearchInc; }
  void SetSearchInc(const String& Value) { FSearchInc = Value; }
  Integer SearchTics = 0;
  bool InvokedFocusChange = false;
  // The coloured window border of the looks that have one (grid/core).
  void PaintColoredBorder();
  JORV_XGRID_PLAIN(bool, FitCellsInGrid, false)

  // Sorting rows (grid/exchange): cells compared by their sort style, rows
  // ordered stably on one column or over the sort index list, and the
  // unsorted order restored through the row cross-reference.
  void Sort(Integer Column, TSortDirection Direction);
  void SortByColumn(Integer Col);
  virtual void QSort();
  virtual void QSortIndexed();
  virtual void QSortGroup();
  virtual void QSortGroupIndexed();
  virtual void QUnSort();
  void QuickSort(Integer Col, Integer Left, Integer Right);
  void QuickSortIndexed(Integer Left, Integer Right);
  bool SortLine(Integer Col, Integer ARow1, Integer ARow2);
  // -1, 0 or 1: the first row's cell against the second's, as a sort on
  // ACol in Direction orders them (blanks kept where BlankPos puts them).
  Integer CompareCells(Integer ACol, Integer ARow1, TSortDirection Direction, Integer ARow2);
  void InitSortXRef();
  virtual void SortSwapRows(Integer ARow1, Integer ARow2);
  // Row Left + i takes the row that stood at Left + Order[i]: every row of
  // a sort moves once, with what SortSwapRows moves along with it.
  virtual void SortPermuteRows(Integer Left, const std::vector<Integer>& Order);
  // The cross-reference follows a row that another operation moves, so
  // that the unsorted order stays restorable (a changed row count starts a
  // new unsorted order at the next sort).
  void SortXRefMoveRow(Integer FromIndex, Integer ToIndex);
  TIntList* SortRowXRef() const { return FSortList.get(); }
  Integer SortDir = 1;
  Integer SortRow = -1;
  Integer Compares = 0;
  Integer Swaps = 0;

  // Scrolling and scroll bars (grid/interaction): the four scroll looks,
  // thumbs in proportion to the visible part, scroll hints, live thumb
  // scrolling, grids scrolled along, drag auto-scroll and stepped scroll.
  TColor ScrollColor() const { return FScrollColor; }
  void SetScrollColor(TColor Value);
  Integer ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(Integer Value);
  bool ScrollProportional() const { return FScrollProportional; }
  void SetScrollProportional(bool Value);
  void InitFlatScrollBars();
  void DoneFlatScrollBars();
  bool IsFlat() const { return FIsFlat; }
  void FlatSetScrollInfo(UINT Bar, const SCROLLINFO& Info, bool Redraw);
  void FlatSetScrollProp(UINT Index, INT_PTR Value, bool Redraw);
  void FlatShowScrollBar(UINT Bar, bool Show);
  void ApplyScrollStyle();
  void ApplyScrollColor();
  void ApplyScrollWidth();
  void SyncFlatVertBar();
  void SyncFlatHorzBar();
  void UpdateFlatScrollBars();
  void UpdateVertScrollProportion();
  void UpdateHorzScrollProportion();
  void CreateMetroScrollBars();
  void FreeScrollControls();
  TScrollControl* VertScrollControl() const { return FVScrollControl; }
  TScrollControl* HorzScrollControl() const { return FHScrollControl; }
  // Drag-over near the edges scrolls on a timer owned by the grid's parent.
  void ProcessDragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept);
  TTimer* DragScrollTimer() const { return FDragTmr; }
  // Scrolls Steps times by Delta rows, one step per tick of a 10 ms timer
  // (the inertia of a flick).
  void StartScrollSteps(Integer Delta, Integer Steps);
  TTimer* ScrollStepTimer() const { return FScrollTimer; }
  THintWindow* ScrollHintWindow() const { return FScrollHintWnd; }
  void CellControlsUpdate(bool RebuildList);
  void ScreenToCell(TPoint Pt, Integer& ACol, Integer& ARow);
  bool IsOnSizingEdge(Integer X, Integer Y);

  // Column stretching and size changes (grid/interaction).
  // Index -1: the last column; AWidth -1: the client width.
  void StretchColumn(Integer Index, Integer AWidth);
  void StretchColumns();
  void StretchRightColumn() { StretchColumn(ColCount() - 1, -1); }
  virtual void DoUpdateColumnSize(Integer ACol, Integer& AWidth);
  virtual void DoUpdateAutoColumnSize(Integer ACol, Integer& AWidth);
  void SetXYOffset(TPoint Value);
  // The colour of the arrows shown while a column or row is moved; read
  // from the up arrow once the arrows exist.
  TColor GetArrowColor() const;
  TColor ArrowColor() const { return GetArrowColor(); }
  void SetArrowColor(TColor Value);
  // Set by the mouse while and after the user sizes a column or a row.
  bool ColchgFlg = true;
  bool ColSized = false;
  bool RowSized = false;
  bool ColSizeFlg = false;
  Integer Colclicked = -1;
  Integer Rowclicked = -1;
  Integer Colclickedsize = 0;
  Integer Rowclickedsize = 0;

 protected:
  void WMVScroll(TWMScroll& Message) override;
  void WMHScroll(TWMScroll& Message) override;
  void UpdateScrollPos() override;
  void TopLeftChanged() override;
  void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) override;
  void SizeChanged(Integer OldColCount, Integer OldRowCount) override;
  void ColWidthsChanged() override;
  void RowHeightsChanged() override;

 private:
  void ShowScrollHint(const String& Prefix, Integer Index);
  void DragScrollTimerTick(TObject* Sender);
  void ScrollStepTimerTick(TObject* Sender);
  void RepaintScrollControls();
  Integer ThumbCell(bool Vertical, Integer Position);
  TColor FScrollColor = clNone;
  Integer FScrollWidth = 17;
  bool FScrollProportional = false;
  bool FIsFlat = false;
  bool FIsColChanging = false;
  TScrollControl* FVScrollControl = nullptr;
  TScrollControl* FHScrollControl = nullptr;
  THintWindow* FScrollHintWnd = nullptr;
  TDragScrollDirection FDragScrollDirection;
  TTimer* FDragTmr = nullptr;
  TTimer* FScrollTimer = nullptr;
  Integer FScrollSteps = 0;
  Integer FScrollDelta = 0;
  bool FScrollEnd = false;
  TGridCoord FOldTopLeft{-1, -1};

 private:
  // Steps of the sorts (grid/exchange/GridSort.cpp).
  void SortRowRange(Integer Col, Integer Left, Integer Right, bool Indexed);
  void MoveSortedRows(Integer Left, const std::vector<Integer>& Order);
  void SortGroups(bool Indexed);
  void RunSort(bool RaiseRowChanged, const std::function<void()>& Body);

 public:
  // Displayed and stored rows and columns beyond hiding: the recorded
  // column order, moving columns and rows, the current and top row,
  // scrolling a cell into view, hiding the selection and the extents
  // (grid/interaction/GridRowsColumns.cpp).
  Integer ColumnAtPosition(Integer ACol);
  void ResetColumnOrder();
  Integer ColumnByHeader(const String& AValue);
  void MoveColumn(Integer FromIndex, Integer ToIndex);
  void MoveRow(Integer FromIndex, Integer ToIndex);
  void MoveRows(Integer FromIndex, Integer ToIndex, Integer Count);
  Integer GetRowEx() const { return Row(); }
  void SetRowEx(Integer Value);
  void SetRow(Integer Value) override { SetRowEx(Value); }
  Integer GetTopRowEx() const { return TopRow(); }
  void SetTopRowEx(Integer Value);
  Integer RealRow() const { return DisplToRealRow(Row()); }
  Integer RealCol() const { return DisplToRealCol(Col()); }
  void ScrollInView(Integer ColIndex, Integer RowIndex, TScrollPosition Position);
  void HideSelection();
  void UnHideSelection();
  bool SelectionHidden() const { return FSelHidden; }
  virtual TGridRect UsedCells();
  Integer SaveStartCol() const;
  Integer SaveStartRow() const;
  Integer SaveEndCol() const;
  Integer SaveEndRow() const;
  Integer SaveColCount() const;
  Integer SaveRowCount() const;
  TRowChangedEvent OnRowChanged;

  // Row and column operations: removing, inserting, swapping, clearing,
  // trimming and merging by content (grid/interaction/GridRowOperations.cpp,
  // GridCellClearing.cpp). Rows are displayed rows, columns stored ones.
  virtual void RemoveRows(Integer RowIndex, Integer RCount);
  virtual void RemoveRowsEx(Integer RowIndex, Integer RCount);
  virtual void RemoveRowBlock(Integer RowIndex, Integer RCount);
  void DeleteRowRange(Integer RowIndex, Integer RCount, bool DropControls);
  void RemoveRowList(TIntList* RowList);
  void RemoveCheckedRows(Integer CheckBoxColumn, bool RemoveChecked);
  void RemoveDuplicates(Integer ACol, bool DoCase);
  void RemoveSelectedRows();
  void RemoveUnSelectedRows();
  void HideSelectedRows();
  void HideUnSelectedRows();
  virtual void InsertRows(Integer RowIndex, Integer RCount, bool UpdateCellControls = false);
  void AddRow();
  virtual void RemoveCols(Integer ColIndex, Integer CCount);
  virtual void InsertCols(Integer ColIndex, Integer CCount);
  void AddColumn() { InsertCols(ColCount(), 1); }
  void RemoveSelectedCols();
  void RemoveUnSelectedCols();
  void MergeCols(Integer ColIndex1, Integer ColIndex2, const String& Separator);
  void SwapColumns(Integer ACol1, Integer ACol2);
  void SwapRows(Integer ARow1, Integer ARow2);
  virtual void ClearRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2);
  void ClearRows(Integer RowIndex, Integer RCount);
  void ClearCols(Integer ColIndex, Integer CCount);
  void ClearNormalRows(Integer RowIndex, Integer RCount);
  void ClearNormalCols(Integer ColIndex, Integer CCount);
  void ClearNormalCells();
  void ClearSelection();
  void Clear();
  void ClearAll();
  virtual void TrimRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2);
  void TrimColumn(Integer ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
  void TrimRow(Integer ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
  void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
  void ColorRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2, TColor AColor);
  void MergeColumnCells(Integer ColIndex, bool MainMerge);
  void SplitColumnCells(Integer ColIndex);
  void MergeRowCells(Integer RowIndex, bool MainMerge);
  void SplitRowCells(Integer RowIndex);
  void SplitAllCells();
  bool IsCell(const String& SubStr, Integer& ACol, Integer& ARow);
  bool IsWideCell(Integer ACol, Integer ARow);
  JORV_XGRID_PLAIN(bool, OwnsObjects, false)
  JORV_XGRID_PLAIN(bool, ClearTextOnly, false)

  // Selection in every mode, the row flags kept beside it, repainting and
  // cell helpers (grid/interaction/GridSelection.cpp).
  bool GetRowSelect(Integer ARow);
  void SetRowSelect(Integer ARow, bool Value);
  bool GetColSelect(Integer ACol);
  void SetColSelect(Integer ACol, bool Value);
  void SelectRows(Integer RowIndex, Integer RCount);
  void UnSelectRows(Integer RowIndex, Integer RCount);
  void SelectCols(Integer ColIndex, Integer CCount);
  void UnSelectCols(Integer ColIndex, Integer CCount);
  void ResetRowSelectFlags();
  void ClearRowSelect();
  void ClearColSelect();
  void SelectionToRowSelect(bool DeselectOthers);
  void SelectionToColSelect(bool DeselectOthers);
  Integer RowSelectCount();
  Integer ColSelectCount();
  void SelectCells(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow);
  bool GetSelectedCells(Integer ACol, Integer ARow);
  void SetSelectedCells(Integer ACol, Integer ARow, bool Value);
  TGridCoord GetSelectedCell(Integer Index) const;
  Integer SelectedCellsCount();
  void ClearSelectedCells();
  Integer SelectedRowCount();
  Integer SelectedColCount();
  Integer GetSelectedRow(Integer I);
  bool IsSelected(Integer ACol, Integer ARow);
  bool GetRowModified(Integer ARow) const;
  void SetRowModified(Integer ARow, bool Value);
  Integer ModifiedRowCount() const;
  void ClearModifiedRows();
  bool GetRowEnabled(Integer ARow) const;
  void SetRowEnabled(Integer ARow, bool Value);
  virtual String GetCheckTrueText() { return CheckTrue(); }
  virtual String GetCheckFalseText() { return CheckFalse(); }
  void RepaintRow(Integer ARow);
  void RepaintCol(Integer ACol);
  void RepaintRect(const TGridRect& R);
  void GotoCell(Integer ACol, Integer ARow);
  void FocusCell(Integer ACol, Integer ARow) { SetSelection(TGridRect{ACol, ARow, ACol, ARow}); }
  void MoveCurrentCell(Integer ACol, Integer ARow) { TBaseGrid::FocusCell(ACol, ARow, true); }
  void SelectRange(Integer FromCol, Integer ToCol, Integer FromRow, Integer ToRow);
  void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
  // A sorted list of the column's distinct texts, the caller's to free.
  std::unique_ptr<TStringList> DistinctValues(Integer ACol, bool CaseSensitive);
  String SelectedText();
  // Row filtering, the filter value lists and the filter-edit row
  // (grid/exchange). Each applied filter hides its failing rows as one
  // level of the hidden-row store; removing a filter brings back its level.
  bool FilterActive() const { return FFilterActive; }
  void SetFilterActive(bool Value);
  bool FilterDropDownAuto() const { return FFilterDropDownAuto; }
  void SetFilterDropDownAuto(bool Value);
  bool FilterIncremental() const { return FIncrementalFilter; }
  void SetFilterIncremental(bool Value) { FIncrementalFilter = Value; }
  virtual bool MatchFilterRow(Integer ARow);
  void FilterRow(Integer ARow);
  void ApplyFilter();
  bool RemoveLastFilter();
  void RemoveAllFilters();
  void NarrowDown(const String& ACondition, Integer AColumn = -1) { NarrowDown(ACondition, false, AColumn); }
  void NarrowDown(const String& ACondition, bool DoRemoveAccented, Integer AColumn);
  bool IsNarrowDown() const { return FIsNarrowDown; }
  virtual bool FilterDropDownValues(Integer ACol, bool AQuick);
  virtual void FilterListSelect(TObject* Sender, Integer ItemIndex);
  virtual void FilterCheckListClick(TObject* Sender, Integer ItemIndex);
  void SetFilterEditCondition(Integer ACol, TFilterType AFilterType);
  void FilterTypeMenuClick(TObject* Sender);
  // Opens the value list of a column (a real column) under its cell in the
  // filter drop-down row, as a click on the header's filter button does;
  // false when the column has no values or OnFilterShow refused.
  bool ShowFilterList(Integer ACol);
  // Hides an open list, telling OnFilterClose.
  void HideFilterLists();
  Integer FilterCol() const { return FFilterCol; }
  TStringList* FilterList() const { return FFilterList.get(); }
  TDropList* FilterDropList();
  TDropCheckList* FilterDropCheckList();
  TPopupMenu* FilterTypeMenu();

  // Column, row and range calculations, the footer row and the floating
  // footer (grid/exchange).
  double ColumnSum(Integer ACol, Integer FromRow, Integer ToRow);
  double ColumnAvg(Integer ACol, Integer FromRow, Integer ToRow);
  double ColumnMin(Integer ACol, Integer FromRow, Integer ToRow);
  double ColumnMax(Integer ACol, Integer FromRow, Integer ToRow);
  double ColumnStdDev(Integer ACol, Integer FromRow, Integer ToRow);
  double ColumnDistinct(Integer ACol, Integer FromRow, Integer ToRow);
  Integer ColumnCount(Integer ACol, Integer FromRow, Integer ToRow);
  double ColumnCustomCalc(Integer ACol, Integer FromRow, Integer ToRow);
  double RowSum(Integer ARow, Integer FromCol, Integer ToCol);
  double RowAvg(Integer ARow, Integer FromCol, Integer ToCol);
  double RowMin(Integer ARow, Integer FromCol, Integer ToCol);
  double RowMax(Integer ARow, Integer FromCol, Integer ToCol);
  double RectCalc(TGridRect GR, TCalcType CalcType);
  double RectSum(const TGridRect& GR) { return RectCalc(GR, ctSum); }
  double RectAvg(const TGridRect& GR) { return RectCalc(GR, ctAvg); }
  double RectMin(const TGridRect& GR) { return RectCalc(GR, ctMin); }
  double RectMax(const TGridRect& GR) { return RectCalc(GR, ctMax); }
  double SelectionSum() { return RectSum(Selection()); }
  double SelectionAvg() { return RectAvg(Selection()); }
  double SelectionMin() { return RectMin(Selection()); }
  double SelectionMax() { return RectMax(Selection()); }
  double CellToReal(Integer ACol, Integer ARow);
  virtual void CalcFooter(Integer ACol);
  virtual void CalcFooterRows(Integer ACol);
  void UpdateFooter();
  void FooterRowChanged() override;
  virtual TFooterPanel* CreateFooterPanel();
  // Made on first need through CreateFooterPanel, owned by the grid.
  TFooterPanel* FooterPanel();
  bool FooterPanelMade() const { return FFooterPanel != nullptr; }
  // Follows the floating footer's visibility and style.
  void FloatingFooterChanged();
  // The text a footer cell shows when its calculation cannot be made.
  static const wchar_t* const FooterCalcError;

 protected:
  // Rows of a column range as the calculations read them (GridCalculations.cpp).
  template <class TVisit>
  void ForCalcRows(Integer ACol, Integer FromRow, Integer ToRow, bool NodeRule, TVisit&& Visit);
  void CalcFooterCell(Integer ACol, TColumnCalcType Kind);
  void ApplyTickedValues(Integer Col, TDropCheckList* List);
  Integer FilterEntryIndex(const String& Shown, Integer Fallback);
  static bool IsChosenValue(const TFilterData* Chosen, const String& Shown, const void* Carried);
  // The text of a row that a filter item tests.
  String FilterCellText(const TFilterData* Item, Integer ARow);
  void RestoreFilterFixedRows();
  void UnHideLatestLevel();
  void PlaceFilterList(TWinControl* List, Integer ACol, Integer Widest);
  bool FFilterActive = false;
  bool FFilterDropDownAuto = false;
  Integer FFilterFixedRows = 0;
  bool FIsNarrowDown = false;
  String FLastFilter;
  TDropList* FDropList = nullptr;
  TDropCheckList* FDropCheckList = nullptr;
  TPopupMenu* FFltrPopup = nullptr;
  TFooterPanel* FFooterPanel = nullptr;
  bool FInFooterCalc = false;
  // The values behind the entries of FFilterList that the grid made.
  std::vector<std::unique_ptr<TObject>> FFilterListValues;

  // Find and replace, and the search footer that drives them
  // (grid/exchange: GridFind, GridSearchFooter, SearchPanel).
 public:
  TPoint Find(TPoint StartCell, const String& S, TFindParams FindParams);
  TPoint FindWide(TPoint StartCell, const String& S, TFindParams FindParams);
  TPoint FindFirst(const String& S, TFindParams FindParams);
  TPoint FindNext();
  // The number of cells changed.
  Integer Replace(const String& OrigStr, const String& NewStr, TFindParams FindParams);
  // The first normal row meeting every condition, or -1.
  Integer FindMulti(const std::vector<String>& Conditions, const std::vector<Integer>& Columns,
                    const std::vector<TSearchType>& SearchTypes, const std::vector<bool>& CaseSensitive,
                    bool AutoGoto);
  Integer FindMultiNext();
  static String BuildSearchCondition(TSearchType SearchType, const String& Text);
  TPoint SearchCell() const { return FSearchCell; }
  void SetSearchCell(TPoint Value) { FSearchCell = Value; }
  TFindParams FindParams() const { return FFindParams; }
  const String& SearchCache() const { return FSearchCache; }
  Integer FindCol() const { return FFindCol; }
  void SetFindCol(Integer Value) { FFindCol = Value; }
  Integer FindRow() const { return FFindRow; }
  void SetFindRow(Integer Value) { FFindRow = Value; }
  bool FindBusy() const { return FFindBusy; }

  // The strip at the bottom, made with the grid and shown by SearchFooter.
  TSearchPanel* SearchPanel() const { return FSearchPanel; }
  void UpdateSearchFooter();
  // The panel's height while it takes room from the cells, else 0.
  Integer SearchPanelHeight() const;
  // The shown strip and its controls paint anew.
  void InvalidateSearchPanel();
  // The footer's edit text while highlighting is on, else empty: what the
  // cell painting wraps in "hi".
  String SearchHighlightText() const;
  bool SearchMatchCaseTicked() const;
  void SearchFooterEditChange();
  void SearchFooterFindNext();
  void SearchFooterFindPrevious();
  void SearchFooterCloseClick();
  void InvalidateSearchColumn();
  void SearchFooterHighlightSearch();
  // An accelerator of the footer's buttons; true when one acted.
  bool SearchFooterDialogChar(Char Ch);
  void KeepLastRowAboveSearchFooter();
  bool LastRowClearsSearchFooter();
  // Ctrl+F: the footer's edit takes the focus while the footer shows.
  void FocusSearchFooterEdit();
  // Keys that would move the last row under the footer; true when used up.
  bool SearchFooterLastRowKey(Word Key);
  void KeepCurrentCellAboveSearchFooter();
  bool KeepRowClearOfFloatingFooter(Integer ACol, Integer ARow);

 private:
  bool MatchFindCell(Integer ACol, Integer ARow, bool Wide);
  void FindCellFrom(TPoint StartCell, const String& S, TPoint& Result, TFindParams Params, bool Wide);
  bool WalkFindCells(TPoint StartCell, TPoint& Result, bool Wide);
  void GotoFoundCell(TPoint Cell);
  Integer NodeRowForOffset(Integer N);
  bool MatchMultiRow(Integer ARow);
  void MakeSearchPanel();
  // The strip takes the grid as its parent when the grid's window is made.
  void ParentSearchPanel();
  // Wraps the footer's matches in a painted cell's text in "hi".
  void HighlightSearchMatches(Integer RCol, Integer ARow, String& Text);
  void SearchFooterChanged();
  TFindParams SearchFooterParams(bool Typing);
  void AdjustTopRowAfterFooterFind();
  TFindParams FFindParams;
  String FSearchCache;
  TPoint FSearchCell{-1, -1};
  Integer FFindCol = 0;
  Integer FFindRow = 0;
  bool FFindBusy = false;
  std::vector<String> FConditions;
  std::vector<Integer> FColumns;
  std::vector<bool> FCase;
  TSearchPanel* FSearchPanel = nullptr;

 public:

  // Published events.
  TAutoAdvanceEvent OnAutoAdvance;
  TCustomCellDrawEvent OnCustomCellBkgDraw;
  TCustomCellDrawEvent OnCustomCellDraw;
  TCustomCellSizeEvent OnCustomCellSize;
  TCustomFilterEvent OnCustomFilter;
  TGridColorEvent OnGetCellColor;
  TCellCursorEvent OnGetCellCursor;
  TGridGradientEvent OnGetCellGradient;
  TGridColorEvent OnGetCellPrintColor;
  TGridBorderEvent OnGetCellPrintBorder;
  TGridBorderEvent OnGetCellBorder;
  TGridBorderPropEvent OnGetCellBorderProp;
  TGridAlignEvent OnGetAlignment;
  TWordWrapEvent OnGetWordWrap;
  TGetColumnFilterEvent OnGetColumnFilter;
  TNotifyEvent OnFilterDone;
  TFilterSelectEvent OnFilterSelect;
  TFilterCheckEvent OnFilterCheck;
  TFilterCheckClickEvent OnFilterCheckClick;
  TFilterShowEvent OnFilterShow;
  TFilterCloseEvent OnFilterClose;
  TGridFormatEvent OnGetFormat;
  TGetCheckEvent OnGetCheckTrue;
  TGetCheckEvent OnGetCheckFalse;
  TGridHintEvent OnGridHint;
  TGridWideHintEvent OnGridWideHint;
  TGroupCalcEvent OnColumnCalc;
  TGroupCalcEvent OnGroupCalc;
  TOfficeHintEvent OnOfficeHint;
  TRowChangedEvent OnRowUpdate;
  TRowChangingEvent OnRowChanging;
  TColChangingEvent OnColChanging;
  TCellChangingEvent OnCellChanging;
  TGridBalloonEvent OnCellBalloon;
  TCustomStrToDateEvent OnCustomStrToDate;
  TGridPrintPageEvent OnPrintPage;
  TGridPrintPageNumEvent OnPrintGetPageNum;
  TGridPrintPageDoneEvent OnPrintPageDone;
  TNotifyEvent OnPrintDone;
  TGridPrintStartEvent OnPrintStart;
  TGridPrintCancelEvent OnPrintCancel;
  TDoFitToPageEvent OnFitToPage;
  TGridPrintNewPageEvent OnPrintNewPage;
  TGridPrintColumnWidthEvent OnPrintSetColumnWidth;
  TGridPrintRowHeightEvent OnPrintSetRowHeight;
  TCanAddColEvent OnCanAddCol;
  TCanAddRowEvent OnCanAddRow;
  TAutoAddRowEvent OnAutoAddRow;
  TCanInsertRowEvent OnCanInsertRow;
  TAutoInsertRowEvent OnAutoInsertRow;
  TAutoInsertColEvent OnAutoInsertCol;
  TCanDeleteRowEvent OnCanDeleteRow;
  TAutoDeleteRowEvent OnAutoDeleteRow;
  TClickSortEvent OnClickSort;
  TCanSortEvent OnCanSort;
  TNodeClickEvent OnExpandNode;
  TNodeClickEvent OnContractNode;
  TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
  TDropDownButtonClickEvent OnDropDownFooterButtonClick;
  TNodeAllowEvent OnBeforeExpandNode;
  TNodeAllowEvent OnBeforeContractNode;
  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;
  TSearchEditChangeEvent OnSearchEditChange;
  TSearchFooterActionEvent OnSearchFooterAction;
  TNotifyEvent OnSearchFooterClose;
  TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
  TFixedDropDownEvent OnFixedDropDownClick;
  TClickCellEvent OnClickCell;
  TClickCellEvent OnRightClickCell;
  TDblClickCellEvent OnDblClickCell;
  TCanClickCellEvent OnCanClickCell;
  TCanEditCellEvent OnCanEditCell;
  TFixedEditEvent OnFixedEdit;
  TIsFixedCellEvent OnIsFixedCell;
  TIsPasswordCellEvent OnIsPasswordCell;
  TAnchorClickEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TAnchorHintEvent OnAnchorHint;
  TCellControlEvent OnControlClick;
  TCellControlEvent OnControlEditDone;
  TCellComboControlEvent OnControlComboList;
  TCellComboControlSelectEvent OnControlComboSelect;
  TClipboardEvent OnClipboardPaste;
  TClipboardPasteDoneEvent OnClipboardPasteDone;
  TClipboardEvent OnClipboardCopy;
  TClipboardPasteDoneEvent OnClipboardCopyDone;
  TClipboardEvent OnClipboardCut;
  TClipboardPasteDoneEvent OnClipboardCutDone;
  TAfterCellPasteEvent OnClipboardAfterPasteCell;
  TAfterCellPasteWideEvent OnClipboardAfterPasteWideCell;
  TBeforeCellPasteEvent OnClipboardBeforePasteCell;
  TBeforeCellPasteWideEvent OnClipboardBeforePasteWideCell;
  TCellValidateEvent OnCellValidate;
  TCellValidateWideEvent OnCellValidateWide;
  TCellsChangedEvent OnCellsChanged;
  TGridProgressEvent OnFileProgress;
  TGridProgressEvent OnFilterProgress;
  TFilterEditUpdateEvent OnFilterEditUpdate;
  THasComboEvent OnHasComboBox;
  THasEditBtnEvent OnHasEditBtn;
  THasFilterEditEvent OnHasFilterEdit;
  THasSpinEditEvent OnHasSpinEdit;
  TGetEditorTypeEvent OnGetEditorType;
  TGetEditorPropEvent OnGetEditorProp;
  TFloatFormatEvent OnGetFloatFormat;
  TEllipsClickEvent OnEllipsClick;
  TNotifyEvent OnIntelliZoom;
  TButtonClickEvent OnButtonClick;
  TCheckBoxClickEvent OnCheckBoxChange;
  TCheckBoxClickEvent OnCheckBoxClick;
  TCheckBoxClickEvent OnCheckBoxMouseUp;
  TColorSelectedEvent OnColorSelected;
  TColorSelectEvent OnColorSelect;
  TExpandClickEvent OnExpandClick;
  TImageSelectedEvent OnImageSelected;
  TImageSelectEvent OnImageSelect;
  TRadioClickEvent OnRadioClick;
  TRadioClickEvent OnRadioMouseUp;
  TRadioButtonClickEvent OnRadioButtonClick;
  TClickCellEvent OnDatePickerCloseUp;
  TClickCellEvent OnDatePickerDropDown;
  TComboChangeEvent OnComboChange;
  TClickCellEvent OnComboCloseUp;
  TClickCellEvent OnComboDropDown;
  TComboObjectChangeEvent OnComboObjectChange;
  TSpinClickEvent OnSpinClick;
  TFloatSpinClickEvent OnFloatSpinClick;
  TDateTimeSpinClickEvent OnTimeSpinClick;
  TDateTimeSpinClickEvent OnDateSpinClick;
  TNotifyEvent OnRichEditSelectionChange;
  TDragScrollEvent OnDragScroll;
  TNotifyEvent OnEditingDone;
  TEditCellDoneEvent OnEditCellDone;
  TEditChangeEvent OnEditChange;
  TDateTimeChangeEvent OnDateTimeChange;
  TFooterPaintEvent OnFooterPaint;
  TCalcFooterEvent OnFooterCalc;
  THoverButtonClickEvent OnHoverButtonClick;
  TNotifyEvent OnResize;
  TRowDisjunctSelectEvent OnRowDisjunctSelect;
  TAutoInsertRowEvent OnRowDisjunctSelected;
  TSelectionChanged OnSelectionChanged;
  TUnitChangedEvent OnUnitChanged;
  TOleDragDropEvent OnOleDrop;
  TOleDroppedEvent OnOleDropped;
  TOleDragDropEvent OnOleDrag;
  TOleDragOverEvent OnOleDragOver;
  TOleDragStartEvent OnOleDragStart;
  TOleDragStopEvent OnOleDragStop;
  TOleDropColEvent OnOleDropCol;
  TOleDropFileEvent OnOleDropFile;
  TOleDropURLEvent OnOleDropURL;
  TNotifyEvent OnPainted;
  TRatingChangeEvent OnRatingChange;
  TScrollHintEvent OnScrollHint;
  TColumnSizeEvent OnColumnSize;
  TColumnSizingEvent OnColumnSizing;
  TColumnSizeEvent OnColumnMove;
  TColumnSizeEvent OnColumnMoving;
  TRowSizeEvent OnRowSize;
  TRowSizingEvent OnRowSizing;
  TRowSizeEvent OnRowMove;
  TRowSizeEvent OnRowMoving;
  TEndColumnSizeEvent OnEndColumnSize;
  TUpdateColumnSizeEvent OnUpdateColumnSize;
  TEndRowSizeEvent OnEndRowSize;
  TScrollCellEvent OnScrollCell;
  TSelectionResizeEvent OnSelectionResize;
  TSelectionResizeEvent OnSelectionResized;
  TNotifyEvent OnCreatedFloatingFooter;
  TNotifyEvent OnCreatedSearchFooter;
  TCellSaveLoadEvent OnSaveCell;
  TCellSaveLoadEvent OnLoadCell;

  // Inplace editing: when a cell may be edited, which editor opens for it,
  // how its value is written back, validated and announced
  // (grid/interaction: GridEditLifeCycle, GridEditorKinds, GridValidation,
  // ExInplaceEdit).
 public:
  bool IsEditable(Integer ACol, Integer ARow);
  void ShowInplaceEdit();
  void ShowCellEdit();
  void HideInplaceEdit();
  void HideCellEdit();
  bool EditorHandlesTab();
  // A special editor's key ended its edit: store, hand the key on, focus
  // the grid.
  virtual void DoneInplaceEdit(Word Key, TShiftState Shift);
  virtual void RestoreCellFromCache();
  bool CanSelectCellAt(Integer ACol, Integer ARow);
  bool CanShowInplaceEditor();
  virtual void DoGetEditorProp(Integer ACol, Integer ARow, TEditLink* AEditLink);
  virtual void DoCellChanging(Integer ANewCol, Integer ANewRow, bool& Allow);
  virtual void HandleF2Key() {}
  virtual bool IsPasswordCell(Integer ACol, Integer ARow);
  virtual bool IsDataEditing() { return false; }
  // The advance after a special editor ended with Enter; the cursor
  // advance fills it in.
  virtual void AdvanceAfterEditor();
  TEditorType EditControl() const { return FEditControl; }
  bool EditMode() const { return FEditMode; }
  bool Editing() const { return FEditing; }
  TWinControl* EditCtrl() const { return FEditCtrl; }
  const String& CellCache() const { return FCellCache; }
  Char StartEditChar() const { return FStartEditChar; }
  void SetStartEditChar(Char Value) { FStartEditChar = Value; }
  // The editor controls: the first five are made with the grid, the others
  // when first read.
  TExInplaceEdit* NormalEdit() const;
  TGrdComboBox* Combobox() const { return FEditCombo; }
  TGridCheckBox* EditCheck() const { return FEditCheck; }
  TGrdEditBtn* EditBtn() const { return FEditBtn; }
  TGrdUnitEditBtn* UnitEditBtn() const { return FUnitEditBtn; }
  TGridButton* GridButton() const { return FGridButton; }
  TGrdSpinEdit* SpinEdit();
  TGridDatePicker* DateTimePicker();
  TGridDateTimePicker* DateAndTimePicker();
  TExTrackBarDropDown* TrackbarDropDown();
  TExMemoDropDown* MemoDropDown();
  TExCalculatorDropdown* CalculatorDropDown();
  TExTimePickerDropDown* TimePickerDropDown();
  TExDetailDropDown* DetailPickerDropDown();
  TExMultiColumnDropDown* GridDropDown();
  TExColorPickerDropDown* ColorPickerDropDown();
  TExImagePickerDropDown* ImagePickerDropDown();
  TExControlDropDown* ControlDropDown();
  // The one list every combo cell shares.
  void ClearComboString();
  void AddComboString(const String& S);
  void AddComboStringObject(const String& S, TObject* AObject);
  bool RemoveComboString(const String& S);
  bool SetComboSelectionString(const String& S);
  void SetComboSelection(Integer Index);
  Integer GetComboCount();
  void SetComboIndex(Integer ACol, Integer ARow, Integer Index);
  Integer GetComboIndex(Integer ACol, Integer ARow);
  // Validation of the remembered cell and the change announcements.
  virtual bool ValidateCell(const String& NewValue);
  virtual bool ValidateCellWide(const String& NewValue);
  virtual void RememberOldCell(Integer ACol, Integer ARow);
  virtual void NotifyCellsChanged(TRect R);
  virtual void DoCellsLoaded();
  // The footer row's value of one stored column; -1 for every column.
  virtual void RecalcColumnFooter(Integer ACol);
  void RegisterNotifier(TGridChangeNotifier* Notifier);
  void UnRegisterNotifier(TGridChangeNotifier* Notifier);
  const String& NewCellText() const { return FNewCellText; }
  const String& OldCellText() const { return FOldCellText; }
  void SetOldCellText(const String& Value) { FOldCellText = Value; }
  bool GridModified() const { return FGridModified; }
  bool LastValidation() const { return FLastValidation; }
  bool Validating() const { return FValidating; }
  void SetValidating(bool Value) { FValidating = Value; }
  bool IsRowModified(Integer ARow) const;
  JORV_XGRID_PLAIN(bool, AlwaysValidate, false)

 protected:
  friend class TExInplaceEdit;
  TInplaceEdit* CreateEditor() override;
  bool SelectCell(Integer ACol, Integer ARow) override;
  bool CanEditShow() override { return CanShowInplaceEditor(); }
  String GetEditText(Integer ACol, Integer ARow) override;
  void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
  Integer GetEditLimit() override { return FMaxEditLength; }
  void DoEnter() override;
  void DoExit() override;
  void Click() override;
  virtual void FinishCellEdit(Integer ACol, Integer ARow);
  virtual void PrepareInplaceEditor(Integer ACol, Integer ARow);
  virtual void StoreInplaceEditValue(Integer ACol, Integer ARow);
  // The footers keep the target row in view; false refuses the move.
  virtual bool KeepRowClearOfFooters(Integer ACol, Integer ARow);
  // The registered editing messages and the keys that open an editor;
  // true when the message was handled here.
  void HandleEditingChar(TMessage& Message);
  bool HandleEditingKey(TMessage& Message);
  void HandleEditorFocus(TMessage& Message);
  TEditorType FEditControl = edNormal;
  bool FEditMode = false;
  TWinControl* FEditCtrl = nullptr;
  bool FEditing = false;
  bool FSpecialEditor = false;
  bool FEditActive = false;
  bool FEntered = false;
  bool FValidating = false;
  String FCellCache;
  String FEditText;
  Char FStartEditChar = 0;
  bool FLastValidation = true;
  bool FNoEditChange = false;
  bool FShowEditProcess = false;
  bool FForceComboSel = false;
  bool FSpinUpClick = false;
  bool FSpinDnClick = false;
  TDateTime FOriginalDateTime = 0;
  Integer FOldCol = -1;
  Integer FOldRow = -1;
  String FOldCellText;
  String FOldCellTextWide;
  bool FOldModifiedValue = false;
  String FNewCellText;
  bool FGridModified = false;
  bool FModified = false;
  bool FGotoBackPending = false;

 private:
  void MakeEditorControls();
  void SwitchEditingForCell(Integer ADisplCol, Integer ARealCol, Integer ARow, String& NewCache);
  void SelectionFollowUp(Integer ACol, Integer ARow, bool Answer);
  void ShowInvalidEntryBalloon();
  void RefuseValue(const String& NewValue, const String& V);
  void CellEditLook(Integer ACol, Integer ARow, TColor& Color);
  void PlaceEditor(TControl* Control, const TRect& R, Integer W, Integer H);
  void PostStartChar(TWinControl* Control);
  void OpenSpinEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC, Integer ARow);
  void OpenComboEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC, Integer ARow);
  void OpenEditBtnEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC, Integer ARow);
  void OpenUnitEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC, Integer ARow);
  void OpenDateEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC, Integer ARow);
  void OpenDateTimeEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC, Integer ARow);
  void OpenDropDownEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC, Integer ARow);
  void SetDropDownValue(const String& T, Integer SC, Integer ARow);
  bool StoreDropDownValue(Integer SC, Integer ARow);
  void CloseEditor(TControl* Control);
  TExCustomDropDown* DropDownFor(TEditorType Kind);
  TGrdComboBox* FEditCombo = nullptr;
  TGridCheckBox* FEditCheck = nullptr;
  TGrdEditBtn* FEditBtn = nullptr;
  TGrdUnitEditBtn* FUnitEditBtn = nullptr;
  TGridButton* FGridButton = nullptr;
  TGrdSpinEdit* FEditSpin = nullptr;
  TGridDatePicker* FEditDate = nullptr;
  TGridDateTimePicker* FEditDateTime = nullptr;
  TExTrackBarDropDown* FEditTrackBar = nullptr;
  TExMemoDropDown* FEditMemo = nullptr;
  TExCalculatorDropdown* FEditCalculator = nullptr;
  TExTimePickerDropDown* FEditTimePicker = nullptr;
  TExDetailDropDown* FEditDetailPicker = nullptr;
  TExMultiColumnDropDown* FEditGridPicker = nullptr;
  TExColorPickerDropDown* FEditColorPicker = nullptr;
  TExImagePickerDropDown* FEditImagePicker = nullptr;
  TExControlDropDown* FEditControlPicker = nullptr;

 public:
  // Cell painting, text extents and automatic sizing (GridVisualProps.cpp,
  // GridCellPaint.cpp, GridCellText.cpp, GridPaint.cpp, GridTextExtent.cpp,
  // GridAutoSize.cpp, GridSelectionQueries.cpp).
  void GetVisualProperties(Integer ACol, Integer ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                           TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                           TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                           TCellGradientDirection& GD) override;
  void GetFontProperties(Integer ACol, Integer RCol, Integer ARow, TGridDrawState& AState, TFont* AFont,
                         TBrush* ABrush, bool Remap);
  // ACol is a real column.
  void GetCellAlignment(Integer ACol, Integer ARow, TAlignment& HA, TVAlignment& VA);
  static TColor MixSelectionColor(TColor Sel, TColor Base, Integer Factor);
  static TColor MixSelectionColorIf(TColor Sel, TColor Base, bool Mixer, Integer Factor);
  virtual String GetFormattedCell(Integer ACol, Integer ARow);
  void DrawGridCellContent(TCanvas* Canvas, Integer ACol, Integer ARow, TRect ARect,
                           TGridDrawState AState) override;
  bool ContentCoversFixedFace(Integer ACol, Integer ARow) override;
  void DrawCellBorders(TCanvas* Canvas, Integer RCol, Integer ARow, TRect ARect);
  // Draws or erases (XOR) the line that follows a sized column or row.
  void DrawColSizingLine(Integer X);
  void DrawRowSizingLine(Integer Y);
  // ACol is a real column; VS measures the wrapped height inside the cell,
  // SB leaves room for a scroll bar or button.
  TSize GetCellTextSize(Integer ACol, Integer ARow, bool VS, bool SB);
  void MeasureCellText(Integer RCol, Integer DCol, TSize& Size, bool SB, bool VS, bool Unbounded, Integer ARow);
  void RenderRichTextCell(Integer RCol, Integer ARow, TRect Rect, TCanvas* Canvas);
  // Draws, or with Measure only measures, a cell's HTML text; the form
  // control PressedID, when given, is drawn pressed.
  TSize DrawCellHTML(TCanvas* Canvas, const String& Text, const TRect& Rect, bool Measure, TColor URLColor,
                     Integer HoverAnchor, const String& PressedID = String());
  void AutoSizeColumns(bool DoFixedCols, Integer Padding);
  void AutoGrowColumns(bool DoFixedCols, Integer Padding);
  void AutoSizeCol(Integer ACol, Integer Padding);
  void AutoGrowCol(Integer ACol, Integer Padding);
  void AutoSizeRows(bool DoFixedRows, Integer Padding);
  void AutoSizeRow(Integer ARow, Integer Padding);
  void AutoSizeCells(bool DoFixedCells, Integer PaddingX, Integer PaddingY);
  void AutoFitColumns(bool DoFixedCells);
  void SizeToCols();
  void SizeToRows();
  void SizeToCells();
  void AutoNumberCol(Integer ACol);
  void AutoNumberRow(Integer ARow);
  void SizeRowToLines(Integer ARow, Integer Lines, Integer Extra);
  Integer MaxLinesInRow(Integer ARow);
  Integer GetTotalXOffset() const;
  Integer GetTotalYOffset() const;
  void CalcRotatedTextRect(TRect& Rect, TSize& Size, TVAlignment VAlign, TAlignment HAlign, const String& Text,
                           Integer Angle);
  static void PlaceRotatedText(TRect& Rect, TAlignment HAlign, TVAlignment VAlign, Integer A, Integer B,
                               Integer C, Integer D, Integer Angle);
  static void InvalidateCellRange(TRezIvevirAvod* Grid, const TGridRect& Cells);
  bool IsSelectionVisible();
  bool IsHoverFixedCell(Integer ACol, Integer ARow);
  virtual bool DoCanShowFixedDropDown(Integer ACol);
  JORV_XGRID_PLAIN(Integer, MinColWidth, 0)
  JORV_XGRID_PLAIN(Integer, MaxColWidth, 0)
  JORV_XGRID_PLAIN(Integer, MinRowHeight, 0)
  JORV_XGRID_PLAIN(Integer, MaxRowHeight, 0)
  JORV_XGRID_PLAIN(bool, SizeGrowOnly, false)
  JORV_XGRID_PLAIN(Integer, AutoNumberStart, 0)
  JORV_XGRID_PLAIN(Integer, AutoNumberOffset, 0)
  JORV_XGRID_PLAIN(TSortDirection, AutoNumberDirection, sdAscending)
  JORV_XGRID_REPAINT(bool, NoDefaultDraw, false)
  JORV_XGRID_REPAINT(bool, NoImageAndText, false)
  JORV_XGRID_REPAINT(TColor, SelectionRectangleColor, clBlack)

 protected:
  void Paint() override;
  void PaintEmptyArea();
  void ApplyCellFont(TCellProperties* P, TFont* AFont);
  bool CellBaseLook(Integer ACol, Integer RCol, Integer ARow, TGridDrawState& AState, bool Print, TBrush* ABrush,
                    TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, TFont* AFont, bool& WW,
                    TCellGradientDirection& GD);
  TColor DefaultCellBrush(Integer ACol, Integer ARow, bool Print);
  void ApplyAutoColors(Integer RCol, Integer ARow, TBrush* ABrush, TFont* AFont);
  void ZoomFont(TFont* AFont);
  bool HasFixedGradientLook() const;
  void DrawFixedCellLook(TCellPaint& P);
  void DrawHoveredFixedCell(TCellPaint& P, bool Moving);
  Integer DrawRowIndicator(TCellPaint& P);
  void DrawListViewHeader(TCellPaint& P);
  void DrawEditorButtons(TCellPaint& P);
  void DrawFixedCellEdges(TCellPaint& P);
  void DrawCellGraphicLayer(TCellPaint& P);
  void DrawCellFocus(TCellPaint& P, bool HasFocus);
  void DrawDesignColumnNumber(TCellPaint& P);
  void DrawCellText(TCellPaint& P);
  void DisjunctTextColors(TCellPaint& P);
  void DrawCellBackground(TCellPaint& P, const TRect& TextRect, bool HasFocus);
  void DrawSelectionRectangle(TCellPaint& P);
  void PlaceTextRect(TCellPaint& P, TRect& R);
  bool IsSortHeaderCell(Integer RCol, Integer ARow);
  static Integer SortIndicatorY(const TRect& R, TVAlignment VA);
  void DrawHTMLCellText(TCellPaint& P, TRect R, const String& Text);
  TTextFormat PlainTextFlags(const TCellPaint& P, String& Text);
  void DrawPlainCellText(TCellPaint& P, TRect R, String Text, Integer ErrFrom, Integer ErrLen);
  void DrawTextLines(TCanvas* C, const TRect& R, const String& Text, Integer Lines, TTextFormat Flags);
  TCanvas* MeasureCanvas();
  TRect MeasureCellRect(Integer DCol, Integer ARow);
  TSize MeasureWrapped(TCanvas* C, String Text, TRect R, bool Rotated, bool Unbounded, Integer DCol, Integer ARow);
  TSize MeasureLines(TCanvas* C, const String& Text, Integer Kind);
  static TSize RotatedExtent(TSize Size, Integer Angle);
  void LoadRichCell(const String& Text);
  String RichPlainText(const String& Text, TFont* AFont);
  // The room the converter asks for, holding the loaded document, laid out in R.
  TSize RichRequestedSize(const TRect& R);
  void MeasureColumnWidth(Integer ACol, bool GrowOnly);
  void MeasureRowHeight(Integer ARow, bool GrowOnly);
  // A mouse selection is under way; the fixed cell's drop-down button is
  // pressed.
  bool FMouseDown = false;
  bool FDropDownDown = false;
  std::unique_ptr<TBitmap> FMeasureBitmap;

 public:

 protected:
  void WndProc(TMessage& Message) override;
  void CalcSizingState(Integer X, Integer Y, TGridState& State, Integer& Index, Integer& SizingPos,
                       Integer& SizingOfs, TGridDrawInfo& FixedInfo) override;
  void CreateWnd() override;
  void Resize() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Handlers of the settings objects' notices.
  virtual void MouseActionsChanged() {}
  virtual void MouseActionsIsDesigning(bool& IsDesigning);
  virtual void MouseActionsInvalidate() { Invalidate(); }
  virtual void NavigationChanged() {}
  void BandsChanged() { Invalidate(); }
  void ShowModifiedChanged();
  virtual void ColumnHeadersChanged() {}
  void ShowColumnHeaders();
  void ShowRowHeaders();
  void ClearColumnHeaders();
  void ClearRowHeaders();

  template <class T>
  void RepaintOnChange(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
  }
  // Follows the component referred to, so that the reference is cleared
  // when it goes.
  void SetReference(TComponent*& Field, TComponent* Value);
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Loading() const { return ComponentState().Contains(csLoading); }
  bool Destroying() const { return ComponentState().Contains(csDestroying); }
  String VersionText() const;

  // Rows moved whole, with every stored column (grid/interaction).
  void CloseRows(Integer ARow, Integer Count);
  void HideRange(Integer FromRow, Integer ToRow, bool HideControls);
  // Items go back to the displayed rows of Targets (ascending).
  void RestoreHiddenRows(std::vector<TGridItem>& Items, const std::vector<Integer>& Targets);
  void ShowRowControls(Integer RealRow, bool Show);
  // Window messages of focus, cursor, timer, painting and sizing
  // (grid/interaction).
  void HandleTimerMessage(TMessage& Message);
  void HandlePaintMessage(TMessage& Message);
  void HandleKillFocusMessage(TMessage& Message);
  void HandleNCPaintMessage(TMessage& Message);
  void RepaintBlinkingCells();
  void HoverToCell();
  bool FSelChange = false;
  bool FBlockFocus = false;
  bool FBlockKill = false;
  Integer FTimerTicks = 0;
  bool FGridBlink = false;
  Integer FPaintCount = 0;
  // A paint asked for while drawing was off, given back when it is on.
  bool FPaintDeferred = false;
  String FSearchInc;

  // Rows and columns moved, opened and closed with their side lists
  // (grid/interaction).
  using TBaseGrid::FocusCell;
  void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
  void InsertRowsAt(Integer RowIndex, Integer RCount, bool UpdateCellControls);
  // Displayed rows opened (Count > 0) or closed (Count < 0) at ARow: the
  // side lists by row follow.
  void RowSideListsMoved(Integer ARow, Integer Real, Integer Count);
  // Removes displayed rows with their side lists; the cell properties of
  // the rows go with them when FreeProps is set.
  void CloseRowRange(Integer RowIndex, Integer RCount, bool FreeProps, bool DropControls);
  bool RowIsSelected(Integer ARow);
  // The visibility and width of every stored column, to be rearranged and
  // put back.
  struct TStoredColumn {
    bool Visible = true;
    Integer Width = 0;
  };
  std::vector<TStoredColumn> StoredColumns() const;
  void ApplyStoredColumns(const std::vector<TStoredColumn>& Columns);
  void CellsChanged(const TRect& R);
  // Merged areas cut by a line between ARow - 1 and ARow (or columns) split.
  void SplitMergesAcrossRow(Integer ARow);
  void SplitMergesAcrossCol(Integer ACol);
  void MoveControlsInRows(Integer From, Integer Delta);
  bool FSelHidden = false;
  TGridRect FOldSelection{-1, -1, -1, -1};
  bool FNilObjects = false;
  bool FBlockCellChange = false;
  bool FUseEnabledRows = false;
  bool FForceSel = false;
  // The framework's first current row.
  Integer FLastReportedRow = 1;
  // Disjunct row and column selection, one entry per row or column.
  std::unique_ptr<TIntList> FRowSelect = std::make_unique<TIntList>();
  std::unique_ptr<TIntList> FColSelect = std::make_unique<TIntList>();

  // State that the other Parts of the grid share.
  bool FLoaded = false;
  bool FVirtualCells = false;
  bool FSelectionChanged = false;
  UINT FWheelMessage = 0;
  Integer FWheelScrollLines = 0;
  bool FWheelPan = false;
  Integer FUpdateCount = 0;
  bool FEditChange = false;
  bool FEditDisable = false;
  bool FScrollLock = false;
  Integer FZoomFactor = 0;
  // Visibility and remembered width of every real column; grows with the
  // columns, so a column of any index can be hidden.
  std::vector<uint8_t> FVisibleCol;
  std::vector<Integer> FAllColWidths;
  Integer FNumHidden = 0;
  Integer FNumNodes = 0;
  // As many as the grid starts with, until FixedRows or FixedCols is set.
  Integer FFixedRowsMin = 1;
  Integer FFixedColsMin = 1;
  Integer FMaxRowCount = 0;
  Integer FMaxColCount = 0;
  Integer FNumCellControls = 0;
  TPoint FLastHintPos{-1, -1};
  String FLastAnchorHint;
  TPoint FLastBalloonPos{-1, -1};
  HWND FHToolTip = nullptr;
  UINT_PTR FGridTimerID = 111;
  bool FIsWinXP = false;
  bool FIsWin7 = false;
  bool FIsVista = false;
  bool FIsComCtl6 = false;
  Integer FHoverFixedX = -1;
  Integer FHoverFixedY = -1;
  Integer FLastTabCol = -1;
  Integer FLastTabRow = -1;
  Integer FAECol = -1;
  Integer FAERow = -1;
  Integer FGroupColumn = -1;
  Integer FFilterCol = -1;
  Integer FClickedCol = -1;
  Integer FClickedRow = -1;
  Integer FComboIdx = -1;
  Integer FLastDesignChoice = -1;
  Integer FHoveredAnchor = -1;
  TGridRect FOldRowSelection{-1, -1, -1, -1};
  Integer FOleDragCol = -1;
  Integer FPrintPageFrom = 1;
  Integer FPrintPageTo = 1;
  Integer FPrintPageNum = 0;
  bool FGroupingActive = false;
  bool FPrintPreviewActive = false;
  bool FIncrementalFilter = false;
  bool FShowColumnNumbersAtDesign = true;
  bool FUseDisabledFont = true;
  TCursor FOldCursor = crDefault;
  Integer FOrigWidth = 0;
  Integer FNormalRowCountSet = 0;
  TPoint FXYOffset{2, 2};
  UINT FVerticalTextFlag = DT_TOP;
  TGridFocusWindow* FFocusWindow = nullptr;
  // The one bar laid over a cell holding an embedded scroll bar (GridCellScrollBarControl.cpp).
  TScrollBar* FScrollBar = nullptr;
  TScrollBar* FAuxScrollH = nullptr;

 private:
  void MakeSettings();
  void MakeLists();
  void SetColourDefaults();
  void ReadSystemFlags();
  void MakeRunTimeControls();
  void FreeRunTimeControls();
  void ClearOwnedCells();
  void AssignSettings(TRezIvevirAvod* Grid);
  void AssignSizes(TRezIvevirAvod* Grid);
  void AssignFields(TRezIvevirAvod* Grid);
  void SetGradientColor(TColor& Field, TColor Value);
  void EnsureColumnTable(Integer ACol);
  TGridRect NormalRange(bool DoFixed, Integer AddColumns) const;
  String TextForTags(Integer ACol, Integer ARow);
  void WrapInRange(const TGridRect& R, const String& Search, const String& Tag, bool FullText, bool DoCase);
  void UnwrapInRange(const TGridRect& R, const String& Tag);
  void FillRange(bool DoFixed, const std::function<void(Integer, Integer)>& FillCell);
  TCellProperties* ExistingProps(Integer ACol, Integer ARow) const { return PropsAt(ACol, ARow); }
  TCellProperties* WritableProps(Integer ACol, Integer ARow);
  void RepaintCellUnlessUpdating(Integer ACol, Integer ARow);
  // A row's property objects may go when they carry nothing but colours.
  bool PropsCarryMore(TCellProperties* Props) const;
  void ApplyLookColors(TGridLook Value);
  void ApplyStyleColors(TExGridStyle AStyle);
  void ApplyStyleLines(TExGridStyle AStyle);
  void ApplyStyleHoverDown(TExGridStyle AStyle);
  void ApplyStyleDirect(TExGridStyle AStyle);
  void PassStyleToDropDowns(TZVQStyle AStyle);
  // Check boxes of a node row and of its child rows follow each other.
  void FollowCheckGroup(Integer ACol, Integer ARow, bool NodeRow, bool NewState);
  // Steps of the cell graphics' drawing.
  void DrawCheckKinds(TCanvas* Canvas, TCellGraphic* G, TRect Box, const TRect& R, Integer T,
                      const TCellGraphicContext& Context);
  void DrawImageKinds(TCanvas* Canvas, TCellGraphic* G, const TRect& Box, const TCellGraphicContext& Context);
  void DrawValueKinds(TCanvas* Canvas, TCellGraphic* G, const TRect& Box, const TRect& Rect,
                      const TCellGraphicContext& Context);
  void DrawButtonKinds(TCanvas* Canvas, TCellGraphic* G, TRect Box, const TRect& R, const TCellGraphicContext& Context);
  void DrawProgressKinds(TCanvas* Canvas, TCellGraphic* G, TRect R, const TCellGraphicContext& Context);
  void DrawRotatedText(TCanvas* Canvas, TCellGraphic* G, const TRect& R, TVAlignment VA,
                       const TCellGraphicContext& Context);
  void DrawNodeGlyph(TCanvas* Canvas, TCellGraphic* G, const TRect& R, const TCellGraphicContext& Context);
  void DrawCommentMarker(TCanvas* Canvas, TCellGraphic* G, const TRect& R);
  bool VisualStylesOn() const;

  TGridLook FLook = glXP;
  Integer FGridStyle = gsWindowsXP;
  TOfficeTheme FLastOfficeTheme = otUnknown;
  TColorTones FColorTones{};
  TColor FZVQGradientFrom = 0xFFFFFF;
  TColor FZVQGradientTo = clBtnFace;
  TColor FZVQGradientMirrorFrom = clNone;
  TColor FZVQGradientMirrorTo = clNone;
  TColor FHighlightColor = clHighlight;
  TColor FHighlightTextColor = clHighlightText;
  bool FAutoSize = false;
  bool FAutoThemeAdapt = false;
  TColor FBorderColor = 0xB99D7F;
  bool FFlat = false;
  Integer FMaxEditLength = 0;
  TScrollBarAlways FScrollBarAlways = saNone;
  TScrollType FScrollType = ssNormal;
  Integer FSelectionColorMixerFactor = 50;
  bool FShowSelection = true;
  bool FSizeWithForm = false;
  bool FSpreadSheet = false;
  TVAlignment FVAlignment = vtaTop;
  bool FURLShow = false;
  bool FURLShowInText = false;
  TColor FURLColor = clBlue;
  bool FURLFull = false;
  Integer FFixedRowHeight = 22;
  TComponent* FGridImagesRef = nullptr;
  TComponent* FPictureContainerRef = nullptr;
  TComponent* FFixedDropDownMenuRef = nullptr;
  TCustomImageList* FGridImages = nullptr;
  TPictureContainer* FPictureContainer = nullptr;
  TPopupMenu* FFixedDropDownMenu = nullptr;

  std::unique_ptr<TAutoColor> FAutoColor;
  std::unique_ptr<TFont> FWorkFont;
  std::unique_ptr<TFocusHelper> FFocusHelper;
  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TFloatingFooter> FFloatingFooter;
  std::unique_ptr<TPrintSettings> FPrintSettings;
  std::unique_ptr<THTMLSettings> FHTMLSettings;
  std::unique_ptr<TSortSettings> FSortSettings;
  std::unique_ptr<TDragDropSettings> FDragDropSettings;
  std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
  std::unique_ptr<TControlLook> FControlLook;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TColumnSize> FColumnSize;
  std::unique_ptr<TCellNode> FCellNode;
  std::unique_ptr<TBands> FBands;
  std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
  std::unique_ptr<TMouseActions> FMouseActions;
  std::unique_ptr<TGrouping> FGrouping;
  std::unique_ptr<TStringList> FColumnHeaders;
  std::unique_ptr<THTMLPictureCache> FPictureCache;
  std::unique_ptr<TIntList> FOrigColSizes;
  std::unique_ptr<TFont> FFixedFont;
  std::unique_ptr<TFont> FActiveCellFont;
  std::unique_ptr<TStringList> FRowHeaders;
  std::unique_ptr<TStringList> FSortWorkList;
  std::unique_ptr<TStringList> FLookupItems;
  std::unique_ptr<TList> FRowSelectList;
  std::unique_ptr<TList> FColSelectList;
  std::unique_ptr<TSortIndexList> FSortIndexes;
  std::unique_ptr<TIntList> FSortList;
  std::unique_ptr<TIntList> FUnSortList;
  std::unique_ptr<TIntList> FMergedColumns;
  std::unique_ptr<TIntList> FSelectedCells;
  std::unique_ptr<TIntList> FSelectedRows;
  std::unique_ptr<TIntList> FModifiedRows;
  std::unique_ptr<TIntList> FEnabledRows;
  std::unique_ptr<TBitmap> FRowIndicator;
  std::unique_ptr<TBackGround> FBackGround;
  std::unique_ptr<TControlList> FControlList;
  std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
  std::unique_ptr<TSyncGrid> FSyncGrid;
  std::unique_ptr<THiddenRowStore> FHiddenRows;
  std::unique_ptr<TFilter> FFilter;
  std::unique_ptr<TBalloonSettings> FBalloon;
  std::unique_ptr<TShowModified> FShowModified;
  std::unique_ptr<TList> FNotifierList;
  std::unique_ptr<TIntList> FColumnOrder;
  std::unique_ptr<TExHintInfo> FOfficeHint;
  std::unique_ptr<TIntList> FIgnoredColumns;
  std::unique_ptr<TFilterDropDown> FFilterDropDown;
  std::unique_ptr<TStringList> FFilterList;
  std::unique_ptr<TFilterEdit> FFilterEdit;
  std::unique_ptr<THoverButtons> FHoverButtons;
  // The button cell under the mouse, drawn hot.
  Integer FHoveredButtonCol = -1;
  Integer FHoveredButtonRow = -1;

  // Checking cell texts with the cell checker (GridCheck.cpp).
 public:
  TRezIvevirAvodCheck* CellChecker() const { return FCellChecker; }
  void SetCellChecker(TRezIvevirAvodCheck* Value);
  // Passes the cell's text, its error marks removed, through the checker's
  // Correct and then MarkError (as its switches ask) and writes it back;
  // true when the text stayed the same. Without a checker: true.
  bool CheckCell(Integer Col, Integer Row);
  // Every cell of the range, row by row, even after one failed; true when
  // none changed.
  bool CheckCells(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow);
  bool CheckCol(bool DoFixed, Integer Col);
  bool CheckRow(bool DoFixed, Integer Row);
  bool CheckGrid(bool DoFixed);

 private:
  TComponent* FCellCheckerRef = nullptr;
  TRezIvevirAvodCheck* FCellChecker = nullptr;

  // Hints, balloon tool tips, the design-time panel, the window procedure, wheel and IntelliPan.
 public:
  // Fills the hint of the cell under HintInfo's cursor (CM_HINTSHOW).
  virtual void BuildCellHint(String& HintStr, THintInfo& HintInfo);
  // The hint window class of the whole application: the grid's HTML one or the platform's.
  bool UseHTMLHints() const { return FUseHTMLHints; }
  void SetUseHTMLHints(bool Value);
  TPoint LastHintCell() const { return FLastHintPos; }
  const String& LastAnchorHint() const { return FLastAnchorHint; }
  void BalloonInit();
  void BalloonDone();
  bool BalloonStarted() const { return FBalloonStarted; }
  HWND ToolTipHandle() const { return FHToolTip; }
  // The design-time quick configuration panel at the client's bottom right.
  virtual void PaintDesignHelper();
  virtual void DesignHelperClick(Integer X, Integer Y);
  // The panel's choice under a client point: 1 editing, 2 column numbers, 3 look, 4 close; -1 none.
  Integer DesignHitTest(Integer X, Integer Y);
  TRect DesignHelperRect();
  bool ShowColumnNumbersAtDesign() const { return FShowColumnNumbersAtDesign; }
  virtual void CanHandleWheel(Integer Delta, bool& Handled);
  bool IntelliPanActive() const { return FWheelPan; }
  TPoint IntelliPanOrigin() const { return FWheelPanPos; }
  static constexpr UINT_PTR IntelliPanTimerID = 999;

 protected:
  void DestroyWnd() override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void BalloonEnableChanged();
  void HandleDesignHitTestMessage(TMessage& Message);
  void HandleSetCursorMessage(TMessage& Message);
  void HandleSizeMessage(TMessage& Message);
  bool HandleRegisteredMessage(TMessage& Message);
  void HandleDestroyMessage();
  void HandleCancelMode();
  void HandleWheelMessage(TMessage& Message);
  // The framework's dialog code, and the characters too wherever the grid
  // itself uses them: the typed-prefix jump, or keys while editing is off.
  void HandleDialogCodeMessage(TMessage& Message);
  void DrawIntelliPanMark();
  void InvalidateIntelliPanMark();

 private:
  void PlaceCellHint(String& HintStr, THintInfo& HintInfo, Integer ACol, Integer ARow);
  TSize HintTextSize(Integer RealCol, Integer ARow);
  void CreateToolTipWindow();
  void DestroyToolTipWindow();
  void AddToolTipTool(Integer Icon, const String& Title);
  void PopupLookMenu(Integer X, Integer Y);
  void NudgeParentForm();
  bool WheelScrollStep(bool Down, TShiftState Shift, TPoint MousePos);
  void WheelMoveRow(Integer Target);
  void StartIntelliPan(TPoint Where);
  void StopIntelliPan();
  void IntelliPanStep();
  void StretchOnSize(Integer NewWidth);
  bool FUseHTMLHints = false;
  bool FBalloonStarted = false;
  TPoint FWheelPanPos{0, 0};
  HCURSOR FPrevCursor = nullptr;
  HCURSOR FICursor = nullptr;
  bool FPanShowHint = false;
  bool FInWMSize = false;
  bool FDisableSize = false;

  // Node rows, expand cells and grouping (grid/exchange/GridNodeOps.cpp, GridExpandCells.cpp, GridGrouping.cpp).
 public:
  // ARow is a stored row; the node covers Span rows from its display row.
  void AddNode(Integer ARow, Integer Span);
  void RemoveNode(Integer ARow);
  void RemoveAllNodes();
  void SetNodeState(Integer ARow, bool Value);
  Integer GetNodeLevel(Integer ARow);
  void SetNodeSpan(Integer ARow, Integer Span);
  void UpdateNodeSpan(Integer ARow, Integer Delta);
  void UpdateSubNodeCount(Integer ARow, Integer Delta);
  // ARow is a stored row.
  void ExpandNode(Integer ARow);
  void ContractNode(Integer ARow);
  void ExpandAll();
  void ContractAll();
  // ARow is a stored row.
  void InsertChildRow(Integer ARow, Integer InsertAt);
  void RemoveChildRow(Integer ARow);
  void InsertNormalRow(Integer ARow);
  void RemoveNormalRow(Integer ARow);
  // 0 node row; 2 when the next row goes on at this row's level or deeper; else 1.
  Integer GetNodeSpanType(Integer ARow);
  bool IsNodeGlyphHit(Integer ARow, Integer X);
  void MarkSummaryRow(Integer ARow);
  Integer NumNodes() const { return FNumNodes; }
  void AddExpand(Integer ACol, Integer ARow, Integer ExpandedHeight);
  bool RemoveExpand(Integer ACol, Integer ARow);
  bool HasExpand(Integer ACol, Integer ARow) { return BaseCellIs(ACol, ARow, {ctExpand}); }
  // The new state; false for a cell without an expand graphic.
  bool ToggleExpand(Integer ACol, Integer ARow);
  bool GetExpandState(Integer ACol, Integer ARow);
  Integer GetExpandHeight(Integer ACol, Integer ARow, bool Expanded);
  virtual void SubGroup(Integer ColIndex);
  virtual void SubUnGroup(Integer ColIndex);
  virtual void Group(Integer ColIndex);
  virtual void UnGroup();
  Integer GroupColumn() const { return FGroupColumn; }
  void SetGroupColumn(Integer Value);
  // The column SubGroup split the groups on; -1 when there is none.
  Integer SubGroupColumn() const { return FSubGroupColumn; }
  bool IsGrouping() const { return FIsGrouping; }
  void GroupSum(Integer ColIndex) { GroupCalc(ColIndex, 1); }
  void GroupAvg(Integer ColIndex) { GroupCalc(ColIndex, 2); }
  void GroupMin(Integer ColIndex) { GroupCalc(ColIndex, 3); }
  void GroupMax(Integer ColIndex) { GroupCalc(ColIndex, 4); }
  void GroupCount(Integer ColIndex) { GroupCalc(ColIndex, 5); }
  void GroupCustomCalc(Integer ColIndex) { GroupCalc(ColIndex, 6); }
  void GroupDistinct(Integer ColIndex) { GroupCalc(ColIndex, 7); }
  void GroupStdDev(Integer ColIndex) { GroupCalc(ColIndex, 8); }
  void GroupCalc(Integer ACol, Integer Method);

 protected:
  void DrawTreeLines(TCellPaint& P);

 private:
  // Stored end (exclusive) of the node at display row D, stored row Real.
  Integer NodeStoredEnd(Integer D, Integer Real);
  void RaiseNodeLevels(Integer From, Integer To, Integer Delta);
  void ExpandContractedNodes(bool WithFlags);
  void ApplyHeaderLook(Integer ARow, Integer FromCol, bool Merge);
  void ApplySummaryLook(Integer ARow, bool Merge);
  void BuildGroups(Integer C);
  void HideRowSet(const std::vector<Integer>& Rows, Integer Level);
  // Holds repaints and marks the grid as grouping until the guard goes,
  // also when a step throws.
  [[nodiscard]] TScopeExit<std::function<void()>> BeginGrouping();
  bool FIsGrouping = false;
  Integer FGroupWidth = 0;
  String FGroupCaption;
  String FGroupFooter;
  // Summary as the grouping was made with: undoing it must find the same rows.
  bool FGroupSummary = false;
  Integer FSubGroupColumn = -1;
  // Column-0 property objects that grouping made only to hold node levels;
  // undoing the grouping frees them again.
  std::vector<TCellProperties*> FGroupMadeProps;
  // Editing a cell from the program (GridEditCell.cpp).
 public:
  // The current cell is checked again as if it had just been selected:
  // editing is switched on or off for it, an edit under way is validated.
  void UpdateEditMode();
  // The grid takes the focus, the cell becomes current and its editor opens.
  void EditCell(Integer ACol, Integer ARow);
  TExInplaceEdit* GetNormalEdit() const { return NormalEdit(); }
  // Mouse presses, releases, double clicks and moves over the cells (grid/interaction/GridMouse*.cpp).
 public:
  // What a press over the fixed cells selects, decided by the move before it.
  enum TMouseSelectMode : uint8_t { msNormal, msColumn, msRow, msAll, msURL, msResize };
  using TFixedCellClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow)>;
  // Raised after a release on a fixed cell, column first.
  TFixedCellClickEvent OnFixedCellClick;
  // A left press and release inside the cell's top-left corner, as the user
  // makes them, without OnMouseDown and OnMouseUp.
  void EmulateCellClick(Integer ACol, Integer ARow);
  TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
  // The cell whose button is held down; (-1, -1) when none.
  TPoint PushedCellButton() const { return FPushedCellButton; }
  // Ticks the last sort by a header click took.
  Cardinal SortTime() const { return FSortTime; }

 protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void RowMoved(Integer FromIndex, Integer ToIndex) override;
  virtual void DoClickCell(Integer ARow, Integer ACol);
  virtual void DoCheckBoxClick(Integer ACol, Integer ARow, bool State);
  // The rectangle a click on the top-left corner is about to select.
  virtual void AdjustSelectAllRect(TGridRect& R) { (void)R; }
  void RadioGroupClick(Integer ACol, Integer ARow, Integer X, Integer Y);
  void HandleLButtonDownMessage(TMessage& Message);
  void HandleLButtonUpMessage(TMessage& Message);
  void HandleLButtonDblClkMessage(TMessage& Message);
  void HandleRButtonDownMessage(TMessage& Message);
  void HandleRButtonUpMessage(TMessage& Message);
  void HandleMouseLeaveMessage(TMessage& Message);
  // The sort column, the sort indexes and the current column follow a
  // moved column.
  void FollowMovedColumn(Integer DisplFrom, Integer DisplTo, Integer RealFrom, Integer RealTo);
  // WM_COMMAND of the inplace combo and of custom editors' combos.
  void HandleEditorCommand(TMessage& Message);

 private:
  bool PressOnGadget(TMessage& Message, Integer ACol, Integer ARow, Integer RealCol, const TRect& CellR);
  bool PressOnDisjunctRowsCols(TMessage& Message, Integer ACol, Integer ARow, TShiftState Shift);
  bool PressOnAnchor(Integer ACol, Integer ARow, Integer RealCol, Integer X, Integer Y);
  void OpenAnchor(const String& Anchor);
  void PressNormal(TMessage& Message, Integer ACol, Integer ARow, Integer RealCol, const TRect& CellR,
                   TShiftState Shift);
  bool SelectByFixedCells(Integer ACol, Integer ARow, TShiftState Shift);
  bool ToggleBoxByClick(Integer ACol, Integer ARow, Integer RealCol, TShiftState Shift);
  String AnchorUnderPoint(Integer ACol, Integer ARow, Integer X, Integer Y, String* Title,
                          THTMLControlHit* Control = nullptr);
  void ReleasePushedButton(Integer C, Integer R, Integer X, Integer Y);
  void ReleaseDisjunct(Integer C, Integer R);
  void SortByHeaderClick(Integer C, Integer R, Integer X, Integer Y, TShiftState Shift);
  void SortClickedColumn(Integer RC, TShiftState Shift);
  bool AutoSizeOnDblClick(TMessage& Message, Integer C, Integer R, Integer X);
  bool FilterListOnRelease(TMouseButton Button, Integer C, Integer R, Integer X, Integer Y);
  bool SelectDisjunctCellOnRelease(TMouseButton Button, TShiftState Shift, Integer C, Integer R);
  void FollowMouseOver(TShiftState Shift, Integer C, Integer R, Integer X, Integer Y);
  void DragSelectByFixedCells(Integer C, Integer R);
  void UpdateMouseSelectMode(Integer C, Integer R, Integer X, Integer Y);
  void SetHoverFixedCell(Integer C, Integer R);
  bool IsNormalCell(Integer ACol, Integer ARow);
  void NoteSizedCell(Integer ACol, Integer ARow, Integer X, Integer Y);
  bool StartTouchScroll(Integer ACol, Integer ARow, Integer X, Integer Y);
  void FollowTouchScroll(Integer Y);
  bool EndTouchScroll(Integer X, Integer Y);
  void TouchTap(Integer X, Integer Y);
  // The cursor of the select mode the mouse is in; false in none.
  bool SetSelectModeCursor();
  bool PressOnFilterEdit(Integer C, Integer R, Integer X, Integer Y);
  void InplaceComboNotification(Word Code);
  void RaiseComboChange();
  bool FilterTypeMenuOnRelease(Integer C, Integer R, Integer X, Integer Y);
  bool FDoOnClick = false;
  bool FMouseDownMove = false;
  bool FMouseKeepDown = false;
  bool FDeselectState = false;
  bool FSelectionClick = false;
  bool FColMoveFlg = false;
  bool FDblClk = false;
  bool FFixedCellPushed = false;
  bool FEditStart = false;
  bool FSuppressMouseEvents = false;
  TMouseSelectMode FMouseSelectMode = msNormal;
  Integer FMouseSelectStart = -1;
  // The select mode a drag over the fixed cells started in.
  TMouseSelectMode FMouseSelectDrag = msNormal;
  // The column whose filter list was open when the button went down.
  Integer FFilterPressCol = -1;
  // The column whose filter-type button (a filter-edit cell's top-left corner) was pressed.
  Integer FFltrPopPressCol = -1;
  Integer FMovecell = -1;
  TPoint FClickPos{-1, -1};
  TPoint FPushedCellButton{-1, -1};
  TRect FPushedFixedCell{};
  TGridRect FOrigSelection{};
  Integer FOldKeepLeftCol = 0;
  Cardinal FSortTime = 0;
  // A touch-scroll gesture: its start, the press point and the top row then.
  bool FScrollStart = false;
  Cardinal FTimeStart = 0;
  TPoint FTouchDown{-1, -1};
  Integer FTopDown = 0;
  String FMouseAnchor;
  // Keyboard navigation and the cursor advance on Enter and Tab
  // (grid/interaction/GridKeyboard.cpp, GridKeyActions.cpp, GridCursorAdvance.cpp).
 public:
  void AdvanceCell(Integer ACol, Integer ARow, bool EditorWasOpen, bool Repeated, bool Forward, bool AutoEdit,
                   bool Force);
  // False when the focus was handed on to the next control.
  bool AdvanceOnTab(bool Backward);
  void AppendAutoRow();
  virtual void WrapToFirstRow();
  virtual bool CanTabToNextRow() { return true; }
  bool IsSelectableCell(Integer ACol, Integer ARow);
  Integer FirstSelectableCol(Integer ARow);
  Integer LastSelectableCol(Integer ARow);
  TGridCoord FindNextSelectableCell(Integer ACol, Integer ARow);
  Integer FirstNormalCol() const;
  Integer ShownRightFixedCols() const;
  bool IsLastEditRow() const;
  // First row whose sort-column text starts with S (upper case); -1 when none.
  Integer Search(const String& S);

 protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  virtual void ProcessKeyDown(Word& Key, TShiftState Shift);
  virtual void ProcessKeyPress(Char& Key);
  virtual void ProcessKeyUp(Word& Key, TShiftState Shift);
  virtual void InsertNavigationRow(Integer ARow);
  virtual void RemoveNavigationRow(Integer ARow);
  virtual void EditorKeyDownHook(Word& Key, TShiftState Shift) { (void)Key; (void)Shift; }
  virtual void EditorKeyMessageHook(TMessage& Message) { (void)Message; }
  void HandleKeyDownMessage(TMessage& Message);
  void HandleCharMessage(TMessage& Message);
  void HandleKeyUpMessage(TMessage& Message);

 private:
  bool KeyDownBeforeFramework(Word Key, TShiftState Shift);
  bool EditKeyConsumed(Word Key);
  bool RowSelectScrollConsumed(Word Key, TShiftState Shift);
  void KeyDownAfterFramework(Word Key, TShiftState Shift, TGridCoord OldCell);
  bool MoveScrollOnlyKey(Word Key);
  void ClickableCellKey(Word Key);
  bool HomeEndKey(Word Key, TShiftState Shift);
  bool HomeEndToRow(Integer NewRow, TShiftState Shift);
  bool SkipFixedCellsKey(Word Key);
  void DisjunctSelectionKey(Word Key, TShiftState Shift);
  void InsertRowByKey();
  bool DeleteRowByKey();
  void SelectAllByKey();
  void CursorAdvanceWrap(Word Key);
  void CursorMoveRowsKey(Word Key);
  void SkipDisabledRowsKey(Word Key, Integer OldRow);
  void DisjunctCellsByKey(Word Key, TShiftState Shift, const TGridRect& Before);
  bool TypedPrefixJump(Char Key);
  void RaiseKeyDown(Word Key, TShiftState Shift);
  void SelectionChangeNotice();
  bool EditingOn() const;
  bool IsSelectableBaseCell(Integer ACol, Integer ARow);
  bool AdvanceStep(Integer& ACol, Integer& ARow, bool Forward, TPoint Span);
  bool AdvanceAppendRow(Integer& ARow, Integer LastRow);
  bool AdvanceToTarget(Integer ACol, Integer ARow, TGridCoord Start);
  void AdvanceEditOnArrival(TGridCoord Start, bool EditorWasOpen, bool AutoEdit);
  bool TabStep(bool Backward, bool& Again);
  void TabBackward();
  bool TabForwardInRow(Integer Right, TPoint Span, bool& Again);
  bool TabForwardAtRowEnd();
  bool TabHandOn();
  // Moves the cursor there when the cell lies inside the grid.
  void MoveToCellInGrid(Integer ACol, Integer ARow);
  TGridRect FMoveSelection{};
  TGridCoord FLastKeyCell{-1, -1};
  bool FDisableChange = false;
  // The key-down message handler runs: the framework's key processing
  // leaves Tab to it.
  bool FInKeyDownMessage = false;
  // The grid's own inplace editor controls and the keys that end their edit
  // (GridEditorControls.cpp).
 public:
  // Text goes into the current cell and is validated; false when refused.
  bool CommitEditorText(const String& Text);
  // Ends the edit by Key as DoneInplaceEdit does, then opens the editor of
  // the new current cell when AdvanceOnEnter and AdvanceAutoEdit ask it.
  void EndEditorByKey(Word Key, TShiftState Shift, bool Reopen);
  // Escape: the edit ends without validating what the editor shows.
  void CancelEditorEdit(TShiftState Shift);
  // Tab with goTabs: the editor closes and the current cell steps on.
  void LeaveEditorByTab(TShiftState Shift);
  // The focus left an editor control: its edit ends unless the grid moves
  // the focus itself.
  void EditorLostFocus();
  // The grid takes the focus back with AlwaysEdit off meanwhile.
  void FocusFromEditor();
  void NotifyEditorChange(Integer ACol, const String& Text, bool AskModify);
  // The grid's key-down processing, for the keys an editor hands over.
  void HandKeyToGrid(Word Key, TShiftState Shift);
  // OnEllipsClick with the stored column; answers the text it leaves.
  String EllipsClickText(const String& Text);
  // True while the last editor was opened by a press of the left button.
  bool LButFlg = false;
  // The application's editor of edCustom cells (GridCustomEditor.cpp).
  TEditLink* EditLink() const { return FEditLink; }
  void SetEditLink(TEditLink* Value);

 private:
  friend class TEditLink;
  void OpenCustomEditor(const String& T, TColor C, const TRect& R, Integer SC, Integer ARow);
  void StoreCustomEditor(Integer SC, Integer ARow);
  TEditLink* FEditLink = nullptr;
  // Painting remainder: balloon texts, notifications, selected-text conversions, themed and filter looks.
 public:
  // Multi-line cells are copied in spreadsheet form (quoted, lines split by vertical tabs).
  JORV_XGRID_PLAIN(bool, ExcelClipboardFormat, false)
  // Where the last balloon text was asked for (real column, row; -1 when outside the cells).
  TPoint LastBalloonCell() const { return FLastBalloonPos; }

 protected:
  void HandleNotifyMessage(TMessage& Message);
  // The header's filter button and the filter-edit row's type icon (GridFilterPaint.cpp).
  bool ShowsFilterButton(Integer RCol);
  void DrawFilterButton(TCellPaint& P, const TRect& R);
  // Draws the icon at R's left, moves R past it and answers the type's name.
  String DrawFilterEditIcon(TCellPaint& P, TRect& R);
  // A cell's own scroll bar at its right edge, when its text is taller than its page (GridCellScrollBar.cpp).
  void DrawCellScrollBar(TCellPaint& P);
  // The list-view look's header cell as the visual style's header item (GridThemedHeader.cpp).
  void DrawThemedListViewHeader(TCellPaint& P);

 private:
  void AnswerBalloonText(tagNMTTDISPINFOW* Info);
  String BalloonCellText(Integer RCol, Integer ARow);
  String SelectedCellText(Integer RCol, Integer ARow);
  // A rich cell drawn as selected: in the selection, not the focused current cell.
  bool RichCellShowsSelected(Integer RCol, Integer ARow);
  // The balloon's text, read by the tool tip after the answer returns.
  String FToolTipBuffer;
  // The footer panel's cells: the last row's cell drawn as a fixed cell.
 public:
  // ACol a display column; Rect in Canvas, the panel's.
  void PaintFooterCell(TCanvas* Canvas, Integer ACol, const TRect& Rect);
 private:
  // Fixed-cell editors, hover buttons and the dragged header image
  // (grid/interaction/GridFixedCellEdit.cpp, GridHoverButtons.cpp, GridHeaderDragImage.cpp).
 public:
  bool IntegralHeight() const { return FIntegralHeight; }
  // Applies the present bounds again, so that the height is whole rows at once.
  void SetIntegralHeight(bool Value);
  // Opens the fixed-cell edit or combo over the display cell (ACol, ARow);
  // FilterEdit: the edit of the filter-edit row.
  void ShowFixedCellEditor(Integer ACol, Integer ARow, bool FilterEdit);
  // Validates Text for the stored column ACol and stores it; false when
  // OnCellValidate refused it.
  bool StoreFixedCellText(Integer ACol, Integer ARow, const String& Text, bool FilterEdit);
  TGridTransEdit* EditTrans();
  TGridTransCombo* ComboTrans();
  // The display cell whose fixed-cell editor opened last.
  TPoint FixedCellEdited() const { return TPoint{FFixedColEdit, FFixedRowEdit}; }
  // The borderless, never active form that carries the hover buttons; made on first use.
  TNoActiveForm* HoverButtonsForm();
  virtual void HideHoverButtons();
  // The picture of a dragged header; made on first use.
  THeaderDragButton* MoveButton();
  // Shows the dragged header's picture with Caption at the screen point,
  // topmost, without taking activation or the focus.
  void ShowHeaderDragImage(const String& Caption, Integer AWidth, Integer AHeight, TPoint ScreenAt);
  void HideHeaderDragImage();

 protected:
  // A press of Button on a fixed cell opens its editor when MouseActions
  // ask it; true when the press ends there.
  bool PressOnFixedCellToEdit(TMouseButton Button, Integer C, Integer R, Integer X, Integer Y);
  void FixedCellEditOnDblClick(Integer C, Integer R);
  void FixedCellEditChange();
  void FixedCellComboChange();
  // Raises OnHoverButtonClick for the item the clicked button stands for.
  virtual void DoHoverButtonClick(TObject* Button);
  // The hover buttons follow the row under the mouse (C, R; -1 outside the cells).
  void FollowHoverButtons(Integer C, Integer R);
  // The mouse left the grid: the hover buttons go unless it went onto them.
  void HoverButtonsMouseLeave();
  // While a header is dragged, its picture follows the mouse.
  void FollowHeaderDrag(Integer C, Integer R, Integer X, Integer Y);

 private:
  bool FIntegralHeight = false;
  Integer FFixedColEdit = -1;
  Integer FFixedRowEdit = -1;
  TGridTransEdit* FEditTrans = nullptr;
  TGridTransCombo* FComboTrans = nullptr;
  void FillHoverButtonsForm();
  TNoActiveForm* FButtonForm = nullptr;
  bool FHoverButtonsFilled = false;
  THeaderDragButton* FMoveButton = nullptr;
  // Mouse gadgets: node glyphs, the cell selector, the ellipsis, fixed cells as buttons, the header drop-down,
  // the selection-resize handle and the anchor and size hints (grid/interaction/GridMouseGadgets.cpp,
  // GridFixedDropDown.cpp, GridSelectionResize.cpp, GridSizeHints.cpp).
 public:
  // While set, a click on a cell goes to CellSelectorClick and does nothing else.
  bool FCellSelectorMode = false;
  // A drag on the selection-resize handle is under way; the release fills the new selection.
  bool SelectionResizing() const { return FMouseResize; }
  // The selection as the last selection-resize drag took it.
  TGridRect DropSelection() const { return FDropSelection; }
  // The handle in client coordinates; empty when the grid shows none.
  TRect SelectionResizerRect();
  // A fixed cell is drawn sunken while the button is down on it.
  bool FixedCellPushed() const { return FFixedCellPushed; }
  bool SizeHintShown() const { return FScrollHintShow; }
  // The selection's cells as tab and line separated text on the clipboard,
  // and that text pasted back at the selection: a larger selection repeats
  // the block, or continues a series of numbers or dates, with
  // Navigation.AllowSmartClipboard (grid/exchange/GridSelectionClipboard.cpp).
  void CopySelectionToClipboard();
  void PasteSelectionFromClipboard();

 protected:
  virtual void CellSelectorClick(Integer ACol, Integer ARow) { (void)ACol; (void)ARow; }

 private:
  bool PressOnNodeGlyph(Integer ACol, Integer ARow, Integer CellX, Integer X, Integer Y, TShiftState Shift);
  void PushFixedCell(Integer ACol, Integer ARow, Integer CellX, const TRect& CellR);
  void ReleasePushedFixedCell();
  void DrawPushedFixedCell(TCellPaint& P);
  void PressOnEllipsis(Integer ACol, Integer ARow, Integer RealCol, Integer X, Integer Y, const TRect& CellR);
  bool PressOnFixedDropDown(Integer C, Integer R, Integer X, Integer Y);
  bool PressOnSelectionResizer(TMessage& Message, bool ByHandle);
  void ResizeSelectionOnRelease();
  void RaiseSizingEvents(Integer X, Integer Y);
  void ShowSizeHint(const String& Text, TPoint CellTopLeft);
  void HideSizeHint();
  THintWindow* SizeHintWindow();
  void FollowAnchorHint(Integer C, Integer R, const String& Anchor, const String& Title);
  bool FMouseResize = false;
  TGridRect FDropSelection{};
  bool FScrollHintShow = false;
  bool FNoMouseLeave = false;
  // The press point less the right and bottom edges of the sized cell.
  Integer FClickPosDX = 0;
  Integer FClickPosDY = 0;
  // The check box, button and date editors, the caret placed at the press
  // that opened an editor, and the editors' text followed into the cell
  // (GridEditorControls.cpp, GridEditorCaret.cpp, GridEditorTextChange.cpp).
 public:
  // The button editor leaves without storing: hidden, disabled, the grid focused.
  void DropButtonEditor();
  // Enter ended an editor that advances itself: the step from the current cell.
  void AdvanceFromEditor();
  // After a press opened the editor: the caret of the edit window Edit goes
  // to the character under the mouse; true when it did (LButFlg is cleared).
  bool PlaceCaretAtPress(HWND Edit);
  // Drops the date picker's calendar with its today, circle and week-number looks.
  void DatePickerDroppedDown();
 private:
  // EN_CHANGE of a spin or button editor; true when the message was handled.
  bool HandleEditorTextChange(TMessage& Message);
  // Turned header text's sort indicator (GridRotatedSortIndicator.cpp).
 protected:
  // Box: the turned text's rectangle, less the cell's margins.
  void DrawRotatedSortIndicator(TCanvas* Canvas, const TRect& Box, Integer RCol, Integer ARow);
 private:

  // Sizing fixed lines, the enhanced row and column move, synced moves and the start of an OLE drag by the mouse.
 public:
  // A fixed column or row is being sized by its own border line.
  bool SizingFixed() const { return FSizingFixed || FSizingFixedR; }
  // The drop arrows of an enhanced move (up, down, left, right); nullptr before the first move.
  TWinControl* DropArrow(TArrowDirection Direction) const;

 private:
  // Fixed sizing (GridFixedSizing.cpp): X and Y client points.
  void DetectFixedSizing(Integer X, Integer Y);
  bool PressOnFixedSizing(Integer X, Integer Y);
  void MoveFixedSizing(Integer X, Integer Y);
  bool ReleaseFixedSizing(Integer X, Integer Y);
  bool SetFixedSizingCursor();
  // The enhanced move (GridEnhancedMove.cpp).
  void FollowMouseMove(Integer C, Integer R, Integer X, Integer Y);
  void FollowEnhancedMove(Integer C, Integer R, Integer X, Integer Y);
  void PlaceDropArrows(Integer Movecell);
  void HideDropArrows();
  void AutoScrollMove(Integer X, Integer Y);
  bool EndMouseMove(Integer X, Integer Y);
  void SyncMovedColumn(Integer FromIndex, Integer ToIndex);
  void SyncMovedRow(Integer FromIndex, Integer ToIndex);
  // The start of an OLE drag (GridOleDragStart.cpp).
  bool StartOleDrag(Integer C, Integer R, Integer X, Integer Y);
  void RemoveDraggedCells(const TGridRect& Dragged);
  static bool IsPrimaryButtonDown();

  bool FSizeFixed = false;
  bool FSizeFixedR = false;
  bool FSizingFixed = false;
  bool FSizingFixedR = false;
  Integer FSizeFixedX = 0;
  Integer FSizeFixedY = 0;
  Integer FSizingFixedCol = -1;
  Integer FSizingFixedRow = -1;
  bool FSyncedMove = false;
  bool FEnhMoveStarted = false;
  Integer FMoveColInd = -1;
  Integer FMoveRowInd = -1;
  TWinControl* FArrows[4] = {nullptr, nullptr, nullptr, nullptr};
  TColor FArrowColor = TColor(0x00FF00);
  // The form controls inside HTML cells: their clicks and the edit and combo laid over them (GridHTMLControls.cpp).
 public:
  // Opens the edit (EDIT, PASSWORD, MASK) or the combo (COMBO) over R, the
  // control's rectangle in client coordinates; ACol is the stored column
  // of the cell whose HTML holds the control. Other types open nothing.
  void ShowCellControlEditor(const String& HTML, const String& CtrlType, Integer ARow, Integer ACol,
                             Integer EventCol, const TRect& R, const String& CtrlValue, const String& CtrlID);
  // The editors' exit: the value goes into the control's VALUE in the cell.
  void DoneCellControlEditor(TObject* Sender);
  void RelayControlComboSelect(TObject* Sender);
  // Opens the editor of the cell's next edit or combo control after
  // AfterID (the first for an empty one); with none the grid takes the focus.
  // ACol is a display column.
  void EditNextCellControl(Integer ACol, Integer ARow, const String& AfterID);
  // The two editors, made on first use.
  TControlEdit* HTMLEditControl();
  TControlCombo* ComboControl();
  bool CtrlEditing() const { return FCtrlEditing; }
  // Whether the controls of a cell (stored column) take clicks and keys.
  bool CellControlsEditable(Integer ACol, Integer ARow);
  // Enter or Tab in one of the two editors: the edit ends as on leaving
  // it; Enter then focuses the grid, Tab moves on.
  void LeaveCellControlByKey(TWinControl* Editor, bool Tab);

 protected:
  // A press on a form control of an HTML cell; true when it was one.
  bool PressOnHTMLControl(Integer ACol, Integer ARow, Integer RealCol, const THTMLControlHit& Hit);
  // A press beside the controls of a cell that holds some; true when it did.
  bool PressBesideHTMLControls(Integer ACol, Integer ARow, const String& Text);
  // The pressed HTML button comes up again.
  void ReleaseHTMLButton();
  // Enter or F2 on a cell with controls opens its first one; true when the cell has controls.
  bool EditCellControlsByKey();
  bool HTMLButtonPressedIn(Integer RCol, Integer ARow) const {
    return FCtrlDown && FCtrlXY.X == RCol && FCtrlXY.Y == ARow;
  }

 private:
  void OpenControlEdit(const String& HTML, const TRect& R, const String& CtrlValue);
  void OpenControlCombo(const String& HTML, Integer ARow, Integer EventCol, const TRect& R, const String& CtrlValue);
  TControlEdit* FHTMLEditControl = nullptr;
  TControlCombo* FComboControl = nullptr;
  TPoint FCtrlXY{-1, -1};
  String FCtrlID;
  String FCtrlType;
  bool FCtrlEditing = false;
  String FCtrlDownId;
  bool FCtrlDown = false;
  // Rich text cells: the converter, the inplace rich editor and the conversions (GridRichText.cpp).
 public:
  // The hidden converter that painting, measuring and export load cells into.
  TExRichEdit* RichEdit();
  // The editor of edRichEdit cells.
  TExRichEdit* InplaceRichEdit();
  // ACol a stored column; an empty cell clears RichEditor.
  void CellToRich(Integer ACol, Integer ARow, TRichEdit* RichEditor);
  // The document as RTF; empty while the grid is destroyed.
  String RichToString(TRichEdit* RichEditor);
  void RichToCell(Integer ACol, Integer ARow, TRichEdit* RichEditor);

 private:
  friend class TExRichEdit;
  // An RTF document loads as such, any other text as plain text.
  void LoadRichText(TRichEdit* RichEditor, const String& Text);
  void OpenRichEditor(TColor C, const TRect& R, Integer W, Integer H, Integer SC, Integer ARow);
  void StoreRichEditor(Integer SC, Integer ARow);
  // The grid took the focus while the rich editor showed: its edit ends.
  void CloseVisibleRichEditor();
  TExRichEdit* FRichEdit = nullptr;
  TExRichEdit* FInplaceRichEdit = nullptr;
  // The scroll bar control over a cell holding an embedded scroll bar (GridCellScrollBarControl.cpp).
 public:
  TScrollBar* CellScrollBar() const { return FScrollBar; }
  // The cell the bar stands on: a stored column and a displayed row; -1 before the first.
  Integer ScrollCol() const { return FScrollCol; }
  Integer ScrollRow() const { return FScrollRow; }

 protected:
  // Raises OnScrollCell with the bar's cell, position and bounds.
  virtual void DoScrollCell(Integer ACol, Integer ARow, Integer ScrollPosition, Integer ScrollMin,
                            Integer ScrollMax);
  // The mouse over (C, R), a displayed cell: the bar comes onto a cell
  // whose page is less than its range and goes from every other cell.
  void FollowCellScrollBar(Integer C, Integer R);
  void HideCellScrollBar();
  // The view moved: the bar stays along its cell, or shrinks to height 0 out of view.
  void LayCellScrollBar();
  // True when the message came from the bar; the bar and its cell have then moved.
  bool HandleCellScrollBarMessage(TWMScroll& Message);

 private:
  void PlaceCellScrollBar(const TRect& Cell);
  Integer FScrollCol = -1;
  Integer FScrollRow = -1;
  // The floating picture of dragged cells (grid/interaction/GridMoveForm.cpp).
 public:
  // A borderless form, owned by the grid, that never takes activation and
  // shows the visible cells of Cells (display columns and rows) as the grid
  // draws them with the selection hidden; made hidden.
  TNoActiveForm* SelectionToForm(const TGridRect& Cells);
  // The picture that follows a row or column move or an OLE drag of cells; nullptr when none shows.
  TNoActiveForm* MoveForm() const { return FMoveForm; }
  void FreeMoveForm();
  // While an OLE drag runs the picture keeps off the cursor, so that the
  // window under the cursor stays the drop target (Cursor: screen point).
  void DragPictureFollowCursor(TPoint Cursor);

 private:
  // Shows MoveForm, made from Cells when there is none yet, with its top-left corner at the screen point.
  void ShowMoveForm(const TGridRect& Cells, TPoint ScreenAt);
  // Column ACol (display) from row 0 down to the last visible row.
  TGridRect VisibleColumnCells(Integer ACol);
  // With ShowCells: the picture of the moved column or row; false without.
  bool FollowCellsMove(bool Columns, Integer C, Integer R, TPoint ScreenAt);
  // At an OLE drag's start: the picture of the cells or of the column
  // (ColumnDrag); ACol, ARow the display cell under the mouse.
  void ShowOleDragPicture(bool ColumnDrag, Integer ACol, Integer ARow);
  void EndOleDragPicture();
  TNoActiveForm* FMoveForm = nullptr;
  // The custom editor's control while the grid takes its messages (GridCustomEditorMessages.cpp).
 public:
  // With goTabs the grid answers the control's dialog-code query itself;
  // every other message goes to the control's own handler.
  void CustomEditorWindowProc(TMessage& Message);

 private:
  // A control that outlives the grid must not call into it.
  void ReleaseCustomEditorControl();
  // The view moved: an open editor of a control inside an HTML cell stores
  // its value and closes (GridHTMLControls.cpp).
  void CloseCellControlEditor();
  // The control's handler while the grid holds its messages; empty otherwise.
  TWndMethod FGridControlWndProc;
  // The binary grid stream of cells (GridBinStream*.cpp).
 public:
  // Rect holds the first and last column and row, inclusive.
  void SaveRectToBinStream(const TRect& Rect, TStream* Stream);
  void SaveToBinStream(TStream* Stream);
  void SaveToBinFile(const String& FileName);
  // Point: the column (X) and row (Y) the stream's first cell lands on.
  void LoadAtPointFromBinStream(TPoint Point, TStream* Stream);
  void LoadFromBinStream(TStream* Stream);
  void LoadFromBinFile(const String& FileName);

 private:
  void WriteBinCell(TBinStreamRecords& Records, Integer ACol, Integer ARow, TStream* Stream);
  void WriteBinGraphic(TBinStreamRecords& Records, TCellGraphic* Graphic, TStream* Stream);
  void ApplyBinHeader(const TGridPropIO& Header);
  void ReadBinCell(TBinStreamRecords& Records, TPoint Target, TStream* Stream);
  void ReadBinGraphic(TBinStreamRecords& Records, TPoint Target, bool Valid, TStream* Stream);
  void ReadBinOwnedObject(TBinStreamRecords& Records, TCellGraphic* Graphic, TPoint Target, TStream* Stream);
  // The cell stream of the cells an OLE drag carries; nullptr without the
  // private format.
  std::unique_ptr<TMemoryStream> DraggedCellStream(const TGridRect& Dragged);
  // The grid drop-down as the editor of edExGridDropDown cells (GridExGridPicker.cpp).
 public:
  // Made on first use from the class registered as "TGridExGridDropDown";
  // nullptr when the program links no such class, and the kind then opens nothing.
  TExCustomDropDown* ExGridDropDown();

 private:
  void PrepareExGridPicker();
  void SetExGridPickerValue(const String& T);
  TExCustomDropDown* FEditExGridPicker = nullptr;
  class TExGridPicker* FExGridPicker = nullptr;
  // The clipboard: copy, cut and paste of cells, selections and disjunct
  // selections as text, rich text and the private cell format
  // (grid/exchange/GridClipboardCopy.cpp, GridClipboardPaste.cpp, GridSmartPaste.cpp).
 public:
  void CopyToClipBoard();
  void CutToClipboard();
  void CutSelectionToClipboard();
  void PasteFromClipboard();
  String GetSelectionAsText();
  void SetSelectionAsText(const String& Value);
  // Writes pasted text from the displayed cell (ACol, ARow) on; the number
  // of fields met. Also the way dropped text comes in.
  Integer PasteText(Integer ACol, Integer ARow, const String& Text, Integer& Cols, Integer& Rows);
  // Cols: the most fields of a line; Rows: the ended lines less the empty ones.
  static void MeasurePasteText(const String& Text, Integer& Cols, Integer& Rows);
  TPoint ClipTopLeft() const { return FClipTopLeft; }
  TClipOperation ClipLastOp() const { return FClipLastOp; }

 protected:
  virtual void PasteCellText(Integer ACol, Integer ARow, const String& Value);
  virtual void BeginPasteCells() {}
  virtual void EndPasteCells() {}
  virtual void PasteRangeDone(TPoint& ClipTopLeft, TRect R, TClipOperation Op);
  virtual bool AllowsFmtClipboard();
  virtual void DoClipboardPasteDone(TGridRect R);

 private:
  String SelectionToText(const TGridRect& R, bool Disjunct);
  String ClipboardCellText(Integer ACol, Integer ARow);
  void CopyRectToClipboard(const TGridRect& R, bool Disjunct, bool WithCellFormat = true);
  void CopyRTFToClipboard(Integer ACol, Integer ARow);
  void CopyGridFormatToClipboard(const TGridRect& R);
  void ExtendSelectionToMerged();
  // Ctrl+C/Ins, Ctrl+X/Shift+Del, Ctrl+V/Shift+Ins (GridKeyActions.cpp).
  void ClipboardKey(Word Key, TShiftState Shift);
  void ClearCutSelection(const TGridRect& S);
  void RemoveCutRows();
  Integer PasteClipboardFormats(Integer ACol, Integer ARow, Integer& Cols, Integer& Rows);
  // Pasted or dropped cells land at Point even when they were the writer's
  // whole grid: this grid is neither cleared nor resized by them.
  void LoadRangeAtPoint(TPoint Point, TStream* Stream);
  bool PasteCellFormat(Integer ACol, Integer ARow, Integer& Cols, Integer& Rows, Integer& Count);
  bool PasteField(Integer ACol, Integer ARow, String Field, bool WideEvents);
  // Smart paste into a larger selection (GridSmartPaste.cpp); false when
  // the selection was filled by the paste itself.
  bool SmartPaste(const TGridRect& S, Integer Pasted, Integer Cols, Integer Rows);
  void SmartFillOne(const TGridRect& S);
  bool SmartSeries(const TGridRect& S);
  void SmartRepeat(const TGridRect& S, Integer Pasted);
  void SmartWrite(Integer ACol, Integer ARow, String Value, bool First, bool MarkCell = true);
  TPoint FClipTopLeft{};
  TClipOperation FClipLastOp = coCopy;
  bool FPasteAll = false;
  // The OLE drop target: what a drop does to the grid and where the arrows
  // point while dragging over it (grid/exchange/GridDropTarget.cpp).
 public:
  // Registers (true) or revokes (false) the grid's window as a drop target.
  void SetOleDropTargetActive(bool Value);
  bool OleDropTargetAssigned() const { return FOleDropTargetAssigned; }
  // The registered target (nullptr before the first registration).
  IDropTarget* GridDropTarget() const;
  void OleColumnDragStart(Integer ACol, Integer AIndex, TCustomListBox* AList);
  // Called by the drop target.
  // ColumnDrag: the drag carries a column; AnyWhere: it carries files or
  // cells, which may be dropped anywhere over the grid.
  void OleDragMouseMove(TPoint Pt, bool& Allow, bool ColumnDrag, bool AnyWhere);
  void OleDragMouseLeave();
  void OleDropText(TPoint Pt, const String& Text, bool ColumnDrag);
  void OleDropStream(TPoint Pt, TMemoryStream* Stream);
  void OleDropCol(TPoint Pt, Integer Col);
  // Rich text or a link (URL) stored unchanged in the cell under the point.
  void OleDropCellText(TPoint Pt, const String& Text, bool URL);
  void OleDropFiles(TPoint Pt, TStrings* Files);

 private:
  // The append test: a drop below the last row with whole-row appending.
  bool OleDropAppends(TPoint ClientPt, Integer& ACol, Integer& ARow, bool ColumnDrag);
  void OleDragAutoScroll(Integer ACol, Integer ARow, TPoint ClientPt);
  void OleDropFeedback(Integer ACol, Integer ARow, bool Allow, bool Append, bool ColumnDrag);
  void ShowDropArrow(TArrowDirection Direction, TPoint ScreenPoint, bool Visible);
  void HideOleDropMarks(bool Up);
  void RevokeOleDropTarget();
  void FreeOleDropTarget();
  class TGridDropTarget* FGridDropTarget = nullptr;
  bool FOleDropTargetAssigned = false;
  Integer FOleDragIndex = -1;
  TCustomListBox* FOleDragList = nullptr;
  // The text files of cells: the grid's own line format, delimited, ASCII
  // table and fixed-width text (GridNativeText.cpp, GridDelimitedText.cpp,
  // GridFixedText.cpp).
 public:
  // The text a file gets for a cell (Value is written, not read).
  virtual void SaveCell(Integer ACol, Integer ARow, String& Value);
  void SaveToFile(const String& FileName, bool Unicode = false);
  void LoadFromFile(const String& FileName);
  void SaveToStream(TStream* Stream);
  void LoadFromStream(TStream* Stream);
  void SaveToCSV(const String& FileName, bool Unicode = false);
  void AppendToCSV(const String& FileName, bool Unicode = false);
  void LoadFromCSV(const String& FileName, Integer MaxRows = -1);
  void LoadFromCSV(const String& FileName, TEncoding* AEncoding, Integer MaxRows = -1);
  void LoadFromCSVStream(TStream* AStream, Integer MaxRows = -1);
  void InsertFromCSV(const String& FileName, Integer MaxRows = -1);
  void SaveToASCII(const String& FileName, bool Unicode = false);
  void AppendToASCII(const String& FileName, bool Unicode = false);
  // Positions: the width of each saved column; columns it lacks are added.
  void SaveToFixed(const String& FileName, TIntList* Positions);
  // Positions: 1-based start of each column, the last one where the last
  // column ends; sorted in place.
  void LoadFromFixed(const String& FileName, TIntList* Positions, bool DoTrim = true, Integer MaxRows = -1);
  JORV_XGRID_PLAIN(Char, Delimiter, 0)
  JORV_XGRID_PLAIN(bool, JavaCSV, false)
  TEncoding* Encoding() const { return FEncoding; }
  void SetEncoding(TEncoding* Value) { FEncoding = Value ? Value : TEncoding::UTF8(); }

 private:
  void WriteCSVFile(const String& FileName, bool Append, bool Unicode);
  void OpenCSVFile(const String& FileName, bool Append, Integer MaxRows);
  void ReadCSVFile(TStream* Stream, bool Append, Integer MaxRows);
  void ReadCSVLine(String Line, Char Delim, Integer TargetRow);
  void WriteASCIIFile(const String& FileName, bool Append, bool Unicode);
  String CSVField(Integer ACol, Integer ARow, Char Delim);
  Integer MaxColumnTextLength(Integer ACol, Integer FromRow);
  void FireFileProgress(Integer Value, Integer& Last);
  TEncoding* FEncoding = TEncoding::UTF8();
  // Exchange with spreadsheet, word-processor and database automation
  // servers, driven by late binding (GridOfficeAutomation.cpp).
 public:
  std::unique_ptr<TStringList> GetXLSSheets(const String& FileName);
  void LoadFromXLS(const String& Filename);
  void LoadFromXLSSheet(const String& Filename, const String& SheetName);
  void SaveToXLS(const String& Filename, bool CreateNewSheet = false);
  void SaveToXLSSheet(const String& Filename, const String& SheetName);
  void SaveToDOC(const String& Filename, bool CreateNewDocument = false);
  void AppendToDoc(const String& Filename, const String& Bookmark);
  void LoadFromMDBTable(const String& Filename, const String& Table);
  void LoadFromMDBSQL(const String& Filename, const String& SQL);

 private:
  void ReadXLSSheet(const String& Filename, const String& SheetName);
  void ReadXLSBlock(const TOleObject& Sheet, const String& Address);
  void WriteXLSSheet(const String& Filename, const String& SheetName, bool CreateNewSheet);
  TOleValue MakeXLSExportArray();
  void WriteDOCTable(const String& Filename, const String& Bookmark, bool Append, bool CreateNew);
  void FillDOCTable(const TOleObject& Table);
};

#undef JORV_XGRID_PLAIN
#undef JORV_XGRID_REPAINT

}  // namespace jorv::grid
