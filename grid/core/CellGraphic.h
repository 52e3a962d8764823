#pragma once
// The one graphic or small control a grid cell may show beside its text: a
// plain record whose kind says how its other fields are read. The grid
// keeps it in the graphic slot of the cell's property object.
#include "foundation/CellShapes.h"
#include "grid/core/GridCoreTypes.h"
#include "platform/ui/CustomGrid.h"
#include "platform/rtl/Variant.h"
#include "platform/ui/CheckBox.h"

namespace jorv {
class TBitmap;
class TCanvas;
class TIcon;
class TPicture;
class TStringList;
}  // namespace jorv
namespace jorv::grid {

class TFilePicture;
class TIntList;
class TRezIvevirAvod;

// Placement of a graphic relative to the cell's text.
enum TCellHAlign : uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign : uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode : uint8_t { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TRadioButtonGroup : uint8_t { rgNone, rgCol, rgRow };
enum TBalloonIcon : uint8_t { biNone, biInfo, biWarning, biError };

// An embedded scroll bar's page and range.
struct TScrollProp {
  Integer PageSize = 0;
  Integer Range = 0;
};

// Where the cell painter stands when it draws a cell's graphic: the canvas,
// the cell (real column, display row), its state and whole rectangle, and
// the alignment and measured width of its text.
struct TCellGraphicContext {
  TCanvas* Canvas = nullptr;
  Integer Col = 0;
  Integer Row = 0;
  TGridDrawState State;
  TRect CellRect;
  TAlignment TextAlign = taLeftJustify;
  Integer TextWidth = 0;
};

// What an object of an interfaced cell offers so that it draws itself.
class IInterfacedCell {
 public:
  virtual ~IInterfacedCell() = default;
  virtual void Draw(TCanvas* Canvas, const TRect& R, Integer ACol, Integer ARow, bool Selected,
                    TRezIvevirAvod* Grid) = 0;
  virtual Integer GetWidth() = 0;
  virtual Integer GetHeight() = 0;
  // Drawn before the cell text (true) or over it.
  virtual bool IsBefore() = 0;
};

class TBaseCellGraphic : public TPersistent {
 public:
  TBaseCellGraphic() = default;
  ~TBaseCellGraphic() override;
  TBaseCellGraphic(const TBaseCellGraphic&) = delete;
  TBaseCellGraphic& operator=(const TBaseCellGraphic&) = delete;

  // Copies the plain fields and CellCreated; never the objects, the variant
  // or the tri-state, so a copy frees nothing it does not hold.
  void Assign(TPersistent* Source) override;

  void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  void SetIcon(TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
  void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, Integer Padding,
                  TCellHAlign hal, TCellVAlign val);
  void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, Integer Padding,
                      TCellHAlign hal, TCellVAlign val);
  void SetImageIdx(Integer Idx, TCellHAlign hal, TCellVAlign val);
  void SetDataImage(Integer Idx, TCellHAlign hal, TCellVAlign val);
  void SetMultiImage(Integer Col, Integer Row, Integer Dir, TCellHAlign hal, TCellVAlign val,
                     TImageChangeEvent Notifier);
  void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val, TRadioButtonGroup Group);
  void SetButton(Integer bw, Integer bh, const String& Caption, TCellHAlign hal, TCellVAlign val);
  void SetBitButton(Integer bw, Integer bh, const String& Caption, TBitmap* Glyph, TCellHAlign hal,
                    TCellVAlign val);
  // Any angle is brought into 0..360 (360 stays 360).
  void SetAngle(SmallInt AAngle);
  void SetInterfacedCell(TInterfacedPersistent* AObject);

  // The size at which a picture or file picture is drawn in an area of
  // cw x rh; (0, 0) for every other kind.
  TPoint GetPictureSize(Integer cw, Integer rh, bool HasText) const;

  // The objects of the slots, by kind: nullptr when the slot holds another
  // class.
  TBitmap* Bitmap() const;
  TIcon* Icon() const;
  TPicture* Picture() const;
  TFilePicture* FilePicture() const;
  TStrings* Strings() const;
  TIntList* IntList() const;
  IInterfacedCell* Interfaced() const;
  // The balloon's title and text lines of a check box, radio button or
  // balloon cell; nullptr when it has none.
  TStringList* BalloonTexts() const;
  // Frees what the slot holds when this graphic owns it, then empties it.
  void ReleaseBitmapSlot();

  TCellType CellType() const { return FCellType; }
  void SetCellType(TCellType Value) { FCellType = Value; }
  TObject* CellBitmap() const { return FCellBitmap; }
  void SetCellBitmap(TObject* Value) { FCellBitmap = Value; }
  TObject* CellIcon() const { return FCellIcon; }
  void SetCellIcon(TObject* Value) { FCellIcon = Value; }
  // Colours that progress bars, pies, range indicators, shapes and ratings
  // keep beside their two object slots.
  TColor CellBitmapColor() const { return FCellBitmapColor; }
  void SetCellBitmapColor(TColor Value) { FCellBitmapColor = Value; }
  TColor CellIconColor() const { return FCellIconColor; }
  void SetCellIconColor(TColor Value) { FCellIconColor = Value; }
  TCellVAlign CellVAlign() const { return FCellVAlign; }
  void SetCellVAlign(TCellVAlign Value) { FCellVAlign = Value; }
  TCellHAlign CellHAlign() const { return FCellHAlign; }
  void SetCellHAlign(TCellHAlign Value) { FCellHAlign = Value; }
  Integer CellIndex() const { return FCellIndex; }
  void SetCellIndex(Integer Value) { FCellIndex = Value; }
  bool CellTransparent() const { return FCellTransparent; }
  void SetCellTransparent(bool Value) { FCellTransparent = Value; }
  bool CellCreated() const { return FCellCreated; }
  void SetCellCreated(bool Value) { FCellCreated = Value; }
  bool CellBoolean() const { return FCellBoolean; }
  void SetCellBoolean(bool Value) { FCellBoolean = Value; }
  Integer CellAngle() const { return FCellAngle; }
  void SetCellAngle(Integer Value) { FCellAngle = Value; }
  double CellValue() const { return FCellValue; }
  void SetCellValue(double Value) { FCellValue = Value; }
  Integer CellErrFrom() const { return FCellErrFrom; }
  void SetCellErrFrom(Integer Value) { FCellErrFrom = Value; }
  Integer CellErrLen() const { return FCellErrLen; }
  void SetCellErrLen(Integer Value) { FCellErrLen = Value; }
  const String& CellText() const { return FCellText; }
  void SetCellText(const String& Value) { FCellText = Value; }
  const Variant& CellVar() const { return FCellVar; }
  void SetCellVar(const Variant& Value) { FCellVar = Value; }
  TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
  void SetCellCheckBoxState(TCheckBoxState Value) { FCellCheckBoxState = Value; }
  // A balloon attached to a check box or radio button: its own flag, so
  // that the group of a radio button and the grayed look of a check box
  // (both in CellAngle) survive it.
  bool CellBalloon() const { return FCellBalloon; }
  void SetCellBalloon(bool Value) { FCellBalloon = Value; }

 private:
  bool OwnsBitmapSlot() const;

  TCellType FCellType = ctNone;
  TObject* FCellBitmap = nullptr;
  TObject* FCellIcon = nullptr;
  TColor FCellBitmapColor = 0;
  TColor FCellIconColor = 0;
  TCellVAlign FCellVAlign = vaTop;
  TCellHAlign FCellHAlign = haLeft;
  Integer FCellIndex = 0;
  bool FCellTransparent = false;
  bool FCellCreated = false;
  bool FCellBoolean = false;
  Integer FCellAngle = 0;
  double FCellValue = 0;
  Integer FCellErrFrom = 0;
  Integer FCellErrLen = 0;
  String FCellText;
  Variant FCellVar;
  TCheckBoxState FCellCheckBoxState = cbUnchecked;
  bool FCellBalloon = false;
};

class TCellGraphic : public TBaseCellGraphic {
 public:
  // The base grid frees a cell's graphic with the cell only for this name.
  String ClassName() const override { return L"TCellGraphic"; }
  // Also copies the comment and its colour from another TCellGraphic.
  void Assign(TPersistent* Source) override;

  const String& CellComment() const { return FCellComment; }
  void SetCellComment(const String& Value) { FCellComment = Value; }
  TColor CommentColor() const { return FCommentColor; }
  void SetCommentColor(TColor Value) { FCommentColor = Value; }

 private:
  String FCellComment;
  TColor FCommentColor = 0;
};

}  // namespace jorv::grid
