#pragma once
// The look and state of one cell, made the first time anything asks for it.
// Merged cells are nothing but a pattern of span codes in these objects:
// the base (top-left) cell of an area holds its extent less one, every
// covered cell its offset back to the base, and -1/-1 means unmerged.
#include <cstdint>
#include "grid/base/GridTypes.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Colors.h"
#include "platform/gfx/Font.h"

namespace jorv {
class TControl;
}
namespace jorv::grid {

class TBaseGrid;

class TCellProperties : public TPersistent {
 public:
  TCellProperties(TBaseGrid* AOwner, Integer ACol, Integer ARow);

  // Copies everything but the owner grid, the graphic object, the gradient
  // end colour and direction, the paint pass and the calculation.
  void Assign(TPersistent* Source) override;
  // The base cell of the area holding the cell at (c, r), the cell's own
  // coordinates.
  TPoint GetBaseCell(Integer c, Integer r) const;

  TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
  bool IsBaseCell() const { return FIsBaseCell; }
  void SetIsBaseCell(bool Value) { FIsBaseCell = Value; }
  Integer CellSpanX() const { return FCellSpanX; }
  void SetCellSpanX(Integer Value) { FCellSpanX = Value; }
  Integer CellSpanY() const { return FCellSpanY; }
  void SetCellSpanY(Integer Value) { FCellSpanY = Value; }
  Integer OwnerCol() const { return FOwnerCol; }
  void SetOwnerCol(Integer Value) { FOwnerCol = Value; }
  Integer OwnerRow() const { return FOwnerRow; }
  void SetOwnerRow(Integer Value) { FOwnerRow = Value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { FAlignment = Value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { FBorderColor = Value; }
  Integer BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(Integer Value) { FBorderWidth = Value; }
  TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(TColor Value);
  TColor BrushColorTo() const { return FBrushColorTo; }
  void SetBrushColorTo(TColor Value);
  TBrushStyle BrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(TBrushStyle Value) { FBrushStyle = Value; }
  uintptr_t CellObject() const { return FObject; }
  void SetCellObject(uintptr_t Value) { FObject = Value; }
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor Value) { FFontColor = Value; }
  const String& FontName() const { return FFontName; }
  void SetFontName(const String& Value) { FFontName = Value; }
  Integer FontSize() const { return FFontSize; }
  void SetFontSize(Integer Value) { FFontSize = Value; }
  TFontStyles FontStyle() const { return FFontStyle; }
  void SetFontStyle(TFontStyles Value) { FFontStyle = Value; }
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType Value) { FEditor = Value; }
  TCellGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TCellGradientDirection Value) { FGradientDirection = Value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  Integer NodeLevel() const { return FNodeLevel; }
  void SetNodeLevel(Integer Value) { FNodeLevel = Value; }
  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value) { FControl = Value; }
  TColumnCalcType CalcType() const { return FCalcType; }
  void SetCalcType(TColumnCalcType Value) { FCalcType = Value; }
  TObject* CalcObject() const { return FCalcObject; }
  void SetCalcObject(TObject* Value) { FCalcObject = Value; }
  TObject* GraphicObject() const { return FGraphicObject; }
  void SetGraphicObject(TObject* Value) { FGraphicObject = Value; }
  Integer PaintID() const { return FPaintID; }
  void SetPaintID(Integer Value) { FPaintID = Value; }

 private:
  // The grid seeds new objects field by field, without repainting.
  friend class TBaseGrid;
  void Repaint();

  TBaseGrid* FOwnerGrid = nullptr;
  Integer FOwnerCol = 0;
  Integer FOwnerRow = 0;
  uintptr_t FObject = 0;
  TObject* FGraphicObject = nullptr;
  TBrushStyle FBrushStyle = bsSolid;
  TColor FBrushColor = clNone;
  TColor FBrushColorTo = clNone;
  Integer FFontSize = 0;
  TColor FFontColor = clNone;
  TFontStyles FFontStyle{};
  Integer FCellSpanY = -1;
  Integer FCellSpanX = -1;
  Integer FBorderWidth = 0;
  TColor FBorderColor = 0;
  TAlignment FAlignment = taLeftJustify;
  TVAlignment FVAlignment = vtaTop;
  Integer FPaintID = 0;
  bool FWordWrap = true;
  bool FIsBaseCell = true;
  TColumnCalcType FCalcType = acNONE;
  TObject* FCalcObject = nullptr;
  Integer FNodeLevel = 0;
  TEditorType FEditor = edNormal;
  String FFontName;
  bool FReadOnly = false;
  TCellGradientDirection FGradientDirection = GradientVertical;
  TControl* FControl = nullptr;
};

}  // namespace jorv::grid
