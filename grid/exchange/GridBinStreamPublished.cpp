// Published properties of the binary grid stream's records, in the order
// the stream holds them.
#include "grid/exchange/GridBinStream.h"
#include "platform/rtl/TypInfo.h"

namespace jorv::grid {

namespace {

jorv::Int64 ColOf(const TGridCellIO* Record) { return Record->Col(); }
void SetColOf(TGridCellIO* Record, jorv::Int64 Value) { Record->SetCol(static_cast<Word>(Value)); }
jorv::Int64 RowOf(const TGridCellIO* Record) { return Record->Row(); }
void SetRowOf(TGridCellIO* Record, jorv::Int64 Value) { Record->SetRow(static_cast<Word>(Value)); }

}  // namespace

JORV_PUBLISH(TGridPropIO, TComponent) {
  Class.Integer(L"ColCount", &TGridPropIO::ColCount, &TGridPropIO::SetColCount)
      .Integer(L"RowCount", &TGridPropIO::RowCount, &TGridPropIO::SetRowCount)
      .Text(L"ColWidths", &TGridPropIO::ColWidths, &TGridPropIO::SetColWidths)
      .Text(L"RowHeights", &TGridPropIO::RowHeights, &TGridPropIO::SetRowHeights)
      .Boolean(L"FullGrid", &TGridPropIO::FullGrid, &TGridPropIO::SetFullGrid)
      .Integer(L"ID", &TGridPropIO::ID, &TGridPropIO::SetID);
}

JORV_PUBLISH(TGridCellIO, TComponent) {
  Class.Integer(L"Col", &ColOf, &SetColOf)
      .Integer(L"Row", &RowOf, &SetRowOf)
      .Text(L"Cell", &TGridCellIO::Cell, &TGridCellIO::SetCell)
      .Boolean(L"HasProp", &TGridCellIO::HasProp, &TGridCellIO::SetHasProp);
}

JORV_PUBLISH(TGridCellPropIO, TComponent) {
  Class.Object(L"CellProperties", &TGridCellPropIO::CellProperties)
      .Boolean(L"HasGraphic", &TGridCellPropIO::HasGraphic, &TGridCellPropIO::SetHasGraphic);
}

JORV_PUBLISH(TGridGraphicIO, TComponent) { Class.Object(L"CellGraphic", &TGridGraphicIO::CellGraphic); }
JORV_PUBLISH(TGridBMPIO, TComponent) { Class.Object(L"Bitmap", &TGridBMPIO::Bitmap); }
JORV_PUBLISH(TGridIconIO, TComponent) { Class.Object(L"Icon", &TGridIconIO::Icon); }
JORV_PUBLISH(TGridPicIO, TComponent) { Class.Object(L"Picture", &TGridPicIO::Picture); }
JORV_PUBLISH(TGridFilePicIO, TComponent) { Class.Object(L"Picture", &TGridFilePicIO::Picture); }
JORV_PUBLISH(TGridSLIO, TComponent) { Class.Object(L"Strings", &TGridSLIO::Strings); }

}  // namespace jorv::grid

JORV_PUBLISHED_UNIT(grid_binstream)
