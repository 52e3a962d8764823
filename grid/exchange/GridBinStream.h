#pragma once
// The records of the binary grid stream. Each is one component written and
// read by component streaming; a stream is a header record, then per cell
// a cell record, optionally followed by its properties, its graphic and
// the object the graphic owns.
#include <memory>
#include "grid/base/CellProperties.h"
#include "grid/base/FilePicture.h"
#include "grid/core/CellGraphic.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/Strings.h"

namespace jorv::grid {

// The rectangle's size, its column widths and row heights as
// comma-separated pixels, whether it is the whole grid and the window
// handle of the grid that wrote it.
class TGridPropIO : public TComponent {
 public:
  using TComponent::TComponent;
  Integer ColCount() const { return FColCount; }
  void SetColCount(Integer Value) { FColCount = Value; }
  Integer RowCount() const { return FRowCount; }
  void SetRowCount(Integer Value) { FRowCount = Value; }
  const String& ColWidths() const { return FColWidths; }
  void SetColWidths(const String& Value) { FColWidths = Value; }
  const String& RowHeights() const { return FRowHeights; }
  void SetRowHeights(const String& Value) { FRowHeights = Value; }
  bool FullGrid() const { return FFullGrid; }
  void SetFullGrid(bool Value) { FFullGrid = Value; }
  Integer ID() const { return FID; }
  void SetID(Integer Value) { FID = Value; }

 private:
  Integer FColCount = 0;
  Integer FRowCount = 0;
  String FColWidths;
  String FRowHeights;
  bool FFullGrid = false;
  Integer FID = 0;
};

// One cell: where it stood in the writing grid (16 bits each), its text
// and whether a properties record follows.
class TGridCellIO : public TComponent {
 public:
  using TComponent::TComponent;
  Word Col() const { return FCol; }
  void SetCol(Word Value) { FCol = Value; }
  Word Row() const { return FRow; }
  void SetRow(Word Value) { FRow = Value; }
  const String& Cell() const { return FCell; }
  void SetCell(const String& Value) { FCell = Value; }
  bool HasProp() const { return FHasProp; }
  void SetHasProp(bool Value) { FHasProp = Value; }

 private:
  Word FCol = 0;
  Word FRow = 0;
  String FCell;
  bool FHasProp = false;
};

class TGridCellPropIO : public TComponent {
 public:
  using TComponent::TComponent;
  TCellProperties* CellProperties() const { return FCellProperties.get(); }
  bool HasGraphic() const { return FHasGraphic; }
  void SetHasGraphic(bool Value) { FHasGraphic = Value; }

 private:
  std::unique_ptr<TCellProperties> FCellProperties = std::make_unique<TCellProperties>(nullptr, 0, 0);
  bool FHasGraphic = false;
};

// Holds only plain values: the objects a cell's graphic owns travel in the
// records below.
class TGridGraphicIO : public TComponent {
 public:
  using TComponent::TComponent;
  TBaseCellGraphic* CellGraphic() const { return FCellGraphic.get(); }

 private:
  std::unique_ptr<TBaseCellGraphic> FCellGraphic = std::make_unique<TBaseCellGraphic>();
};

class TGridBMPIO : public TComponent {
 public:
  using TComponent::TComponent;
  TBitmap* Bitmap() const { return FBitmap.get(); }

 private:
  std::unique_ptr<TBitmap> FBitmap = std::make_unique<TBitmap>();
};

class TGridIconIO : public TComponent {
 public:
  using TComponent::TComponent;
  TIcon* Icon() const { return FIcon.get(); }

 private:
  std::unique_ptr<TIcon> FIcon = std::make_unique<TIcon>();
};

class TGridPicIO : public TComponent {
 public:
  using TComponent::TComponent;
  TPicture* Picture() const { return FPicture.get(); }

 private:
  std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
};

// A file picture's name and size; the image stays in its file.
class TGridFilePicIO : public TComponent {
 public:
  using TComponent::TComponent;
  TFilePicture* Picture() const { return FPicture.get(); }

 private:
  std::unique_ptr<TFilePicture> FPicture = std::make_unique<TFilePicture>();
};

// A radio group's item texts, or an image cell's indexes one per string.
class TGridSLIO : public TComponent {
 public:
  using TComponent::TComponent;
  TStringList* Strings() const { return FStrings.get(); }

 private:
  std::unique_ptr<TStringList> FStrings = std::make_unique<TStringList>();
};

// One of each record, made for one save or load and freed after it.
struct TBinStreamRecords {
  explicit TBinStreamRecords(TComponent* Owner)
      : Header(Owner), Cell(Owner), Props(Owner), Graphic(Owner), Bitmap(Owner), Icon(Owner),
        Picture(Owner), FilePicture(Owner), Strings(Owner) {}
  TGridPropIO Header;
  TGridCellIO Cell;
  TGridCellPropIO Props;
  TGridGraphicIO Graphic;
  TGridBMPIO Bitmap;
  TGridIconIO Icon;
  TGridPicIO Picture;
  TGridFilePicIO FilePicture;
  TGridSLIO Strings;
  // The stream was written by a grid of this process, so that the cell
  // object references it holds still mean something.
  bool SameProcess = false;
};

}  // namespace jorv::grid
