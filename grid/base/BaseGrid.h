#pragma once
// The string grid every richer grid of the library is built on: one
// property object per cell kept in the cell's object slot, merged cells,
// display-text hooks, its own cell painting and grid lines, and a link to
// an undo/redo component.
#include <memory>
#include "grid/base/CellProperties.h"
#include "platform/ui/StringGrid.h"

namespace jorv::grid {

class TExGridUndoRedo;

// The string grid under the base grid; it adds nothing.
class TObjStringGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
};

class TBaseGrid : public TObjStringGrid {
 public:
  explicit TBaseGrid(TComponent* AOwner);
  ~TBaseGrid() override;

  // Display text: merge redirection and the display hooks. Cells reaches
  // the Ex accessors, which a descendant redefines.
  String GetCells(Integer c, Integer r) override { return GetCellEx(c, r); }
  void SetCells(Integer c, Integer r, const String& Value) override { SetCellEx(c, r, Value); }
  virtual String GetCellEx(Integer c, Integer r);
  virtual void SetCellEx(Integer c, Integer r, const String& Value);
  // Exactly the stored text of the cell, no redirection, no hooks.
  String GetGridCell(Integer c, Integer r) const { return StoredCell(c, r); }
  // The stored text read where it is kept, without a copy: valid until a
  // cell is next written or the counts change.
  const String& GridCellText(Integer c, Integer r) const { return StoredCellText(c, r); }
  void SetGridCell(Integer c, Integer r, const String& Value) { StoreCell(c, r, Value); }
  // The user's object lives in the cell's properties; the slot itself
  // holds the properties.
  TObject* GetObjects(Integer c, Integer r) override { return GetObjectEx(c, r); }
  void SetObjects(Integer c, Integer r, TObject* Value) override { SetObjectEx(c, r, Value); }
  virtual TObject* GetObjectEx(Integer c, Integer r) const;
  virtual void SetObjectEx(Integer c, Integer r, TObject* Value);
  TObject* GetGridObject(Integer c, Integer r) const { return StoredObject(c, r); }
  void SetGridObject(Integer c, Integer r, TObject* Value) { StoreObject(c, r, Value); }
  TObject* GetGraphicObjectEx(Integer c, Integer r) const;
  void SetGraphicObjectEx(Integer c, Integer r, TObject* Value);

  // Cell properties.
  bool HasCellProperties(Integer c, Integer r) const;
  TCellProperties* GetCellProperties(Integer c, Integer r);
  void SetCellProperties(Integer c, Integer r, TCellProperties* Value);
  TCellProperties* CreateCellProperties(Integer c, Integer r);
  void FreeCellProperties(Integer c, Integer r);
  void FreeCellPropertiesRange(Integer Col1, Integer Row1, Integer Col2, Integer Row2);
  void FreeAllCellProperties();
  // Frees one cell's properties with a cell graphic of the grid's own
  // class; ClearSlot empties the slot (not for slots about to be dropped).
  void DropCellProperties(Integer c, Integer r, bool ClearSlot);
  static TObject* PropertiesGraphic(const TCellProperties* Props) {
    return Props ? Props->GraphicObject() : nullptr;
  }

  // Merged cells.
  virtual void MergeCells(Integer c, Integer r, Integer spanx, Integer spany);
  virtual void SplitCells(Integer c, Integer r);
  TPoint BaseCell(Integer c, Integer r) const;
  bool GetBaseCellPos(Integer c, Integer r, Integer& col, Integer& row) const;
  bool IsBaseCell(Integer c, Integer r) const;
  bool IsMergedCell(Integer c, Integer r) const;
  bool IsMergedNonBaseCell(Integer c, Integer r) const;
  bool IsXMergedCell(Integer c, Integer r) const;
  bool IsYMergedCell(Integer c, Integer r) const;
  TPoint CellSpan(Integer c, Integer r) const;
  TPoint CellExt(Integer c, Integer r) const;
  TRect FullCell(Integer c, Integer r) const;
  Integer MinRowSpan(Integer ARow) const;
  Integer MaxRowSpan(Integer ARow) const;
  bool RowSpanIdentical(Integer ARow1, Integer ARow2) const;
  bool ColSpanIdentical(Integer ACol1, Integer ACol2) const;
  Integer MergeCount() const { return FMergeCount; }

  // Geometry; c is a display column. A cell of a merged area answers the
  // whole area, which is also where the inplace editor goes.
  TRect CellRect(Integer c, Integer r) override;
  TRect UnclippedCellRect(Integer ACol, Integer ARow);
  TPoint CellSize(Integer c, Integer r);
  Integer FixedColsWidth() const;
  Integer FixedRowsHeight() const;
  void RepaintCell(Integer c, Integer r);
  void SelectBaseCell();

  // Clearing without freeing, for cells whose objects were moved elsewhere.
  void EmptyCol(Integer ACol);
  void EmptyRow(Integer ARow);
  void EmptyCell(Integer ACol, Integer ARow);

  // Painting entries (c is a display column), each a step a descendant
  // may redefine.
  virtual void DrawGridCell(TCanvas* Canvas, Integer ACol, Integer ARow, TRect ARect, TGridDrawState AState,
                            bool DrawContent);
  virtual void PaintCell(TCanvas* ACanvas, Integer ACol, Integer ARow, TRect ARect, TGridDrawState AState) {
    DrawGridCell(ACanvas, ACol, ARow, ARect, AState, true);
  }
  virtual void PaintCellExt(TCanvas* ACanvas, Integer ACol, Integer ARow, TRect ARect, TGridDrawState AState) {
    DrawGridCell(ACanvas, ACol, ARow, ARect, AState, false);
  }
  // The platform's cell drawing comes here: DrawGridCell on the grid's own
  // canvas.
  virtual void PaintGridCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState);
  Integer PaintID() const { return FPaintID; }

  // Neutral hooks the extended grid overrides.
  virtual bool IsFixed(Integer ACol, Integer ARow) { (void)ACol; (void)ARow; return false; }
  virtual Integer GetRowIndent(Integer ARow) { (void)ARow; return 0; }
  virtual bool HasNodes() { return false; }
  virtual void DrawGridCellContent(TCanvas* Canvas, Integer ACol, Integer ARow, TRect ARect,
                                   TGridDrawState AState);
  // Whether DrawGridCellContent paints a face of its own over the whole of
  // the fixed cell's content rectangle (the cell less its last column and
  // two last rows).
  virtual bool ContentCoversFixedFace(Integer ACol, Integer ARow) { (void)ACol; (void)ARow; return false; }
  virtual void FooterRowChanged() {}
  virtual void GetDisplText(Integer ACol, Integer ARow, String& Value);
  virtual void GetDisplWideText(Integer ACol, Integer ARow, String& Value);
  virtual void GetDefaultCellProperties(Integer ACol, Integer ARow, TFont* AFont, TBrush* ABrush,
                                        TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                        TAlignment& HA, TVAlignment& VA, bool& WW,
                                        TCellGradientDirection& GD);
  virtual void UpdateCellScrollBar(Integer ACol, Integer ARow) { (void)ACol; (void)ARow; }
  virtual bool HasCellBorders() { return false; }
  virtual bool UsesVCLStyles() { return false; }
  virtual void GetVisualProperties(Integer ACol, Integer ARow, TGridDrawState& AState, bool Print,
                                   bool Select, bool Remap, TBrush* ABrush, TColor& AColorTo,
                                   TColor& AMirrorColor, TColor& AMirrorColorTo, TFont* AFont,
                                   TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
  virtual Integer RealColIndex(Integer ACol) const { return ACol; }
  virtual Integer DisplColIndex(Integer ACol) const { return ACol; }
  Integer TotalColCount() const override { return ColCount(); }

  // Properties.
  bool ActiveRowShow() const { return FActiveRowShow; }
  void SetActiveRowShow(bool Value);
  TColor ActiveRowColor() const { return FActiveRowColor; }
  void SetActiveRowColor(TColor Value);
  TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
  void SetActiveRowColorTo(TColor Value);
  TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
  void SetActiveRowMirrorColor(TColor Value);
  TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
  void SetActiveRowMirrorColorTo(TColor Value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);
  Integer GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(Integer Value);
  TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(TColor Value);
  TColor GridFixedLineColor() const { return FGridFixedLineColor; }
  void SetGridFixedLineColor(TColor Value);
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool Value) { FHoverRow = Value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
  THoverRowCells HoverRowCells() const { return FHoverRowCells; }
  void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
  TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
  void SetSelectionStyle(TGridSelectionStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  TExGridUndoRedo* UndoRedo() const { return FUndoRedo; }
  void SetUndoRedo(TExGridUndoRedo* Value);

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

 protected:
  friend class TCellProperties;

  void Paint() override;
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(Integer ACol, Integer ARow) override;
  void TopLeftChanged() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  // Scaled as a plain windowed control: bounds and font, not the columns
  // and rows, whose sizes the extended grid manages itself.
  void ChangeScale(Integer M, Integer D) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SizeChanged(Integer OldColCount, Integer OldRowCount) override;
  TCellProperties* PropsAt(Integer c, Integer r) const {
    return static_cast<TCellProperties*>(StoredObject(c, r));
  }
  void CellPropsMade() { FHasCellProps = true; }
  TRect UncoveredFixedFace(Integer ACol, Integer ARow, const TRect& R, TColor FaceColor);

  bool FDefaultDrawing = false;
  Integer FGridLineWidth = 1;
  TColor FGridLineColor = 0xC0C0C0;
  TColor FGridFixedLineColor = 0x808080;
  Integer FPaintID = 1;
  bool FHideLastRow = false;
  Integer FNormalRowCount = 0;
  TExGridUndoRedo* FUndoRedo = nullptr;
  bool FWordWrap = true;
  bool FActiveRowShow = false;
  TColor FActiveRowColor = clInfoBk;
  TColor FActiveRowColorTo = clNone;
  TColor FActiveRowMirrorColor = clNone;
  TColor FActiveRowMirrorColorTo = clNone;
  TGridSelectionStyle FSelectionStyle = ssDefault;
  std::unique_ptr<TFont> FDefFont;
  std::unique_ptr<TBrush> FDefBrush;
  Integer FHoverRowIdx = -1;
  bool FHoverRow = false;
  THoverRowCells FHoverRowCells{hcNormal, hcSelected};
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  bool FShowSel = true;
  bool FHasCellProps = false;
  Integer FMergeCount = 0;
  bool FDestroying = false;
};

}  // namespace jorv::grid
