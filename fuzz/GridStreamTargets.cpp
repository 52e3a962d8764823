// The grid's binary cell stream, as a dropped or pasted block hands it
// over: read whole into a grid and at a cell of another.
#include "fuzz/Fuzz.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::fuzz {

namespace {

using grid::TRezIvevirAvod;

void ShapeGrid(TRezIvevirAvod& Grid) {
  Grid.SetColCount(4);
  Grid.SetRowCount(3);
  for (Integer r = 0; r < 3; ++r)
    for (Integer c = 0; c < 4; ++c) Grid.SetCells(c, r, IntToStr(c) + L":" + IntToStr(r));
}

TInput Saved(TRezIvevirAvod& Grid, const TRect& Rect) {
  TBytesStream Stream;
  Grid.SaveRectToBinStream(Rect, &Stream);
  const jorv::TBytes Bytes = Stream.Bytes();
  return TInput(Bytes.begin(), Bytes.end());
}

std::vector<TInput> GridStreamSeeds() {
  TRezIvevirAvod Grid(nullptr);
  ShapeGrid(Grid);
  Grid.GetCellProperties(1, 1)->SetBrushColor(0x00FF00);
  Grid.GetCellProperties(1, 1)->SetFontName(L"Tahoma");
  Grid.CreateBitmap(2, 1, false, grid::haLeft, grid::vaTop)->SetSize(2, 2);
  TStrings* Items = Grid.CreateRadio(0, 2, 1, 0);
  Items->Add(L"one");
  Items->Add(L"two");
  Grid.AddMultiImage(1, 2, 0, grid::haLeft, grid::vaTop);
  Grid.GetCellImages(1, 2)->Add(2);
  Grid.AddComment(3, 2, L"note");
  return {Saved(Grid, TRect(0, 0, 3, 2)), Saved(Grid, TRect(1, 1, 2, 2))};
}

void RunGridStream(const TInput& Input) {
  const jorv::TBytes Bytes(Input.begin(), Input.end());
  {
    TRezIvevirAvod Grid(nullptr);
    ShapeGrid(Grid);
    TBytesStream Stream(Bytes);
    Grid.LoadFromBinStream(&Stream);
  }
  TRezIvevirAvod Grid(nullptr);
  ShapeGrid(Grid);
  TBytesStream Stream(Bytes);
  Grid.LoadAtPointFromBinStream(TPoint(2, 1), &Stream);
}

}  // namespace

void AddGridStreamTargets(std::vector<TFuzzTarget>& List) {
  TFuzzTarget Target{"grid-stream", "grid-stream", RunGridStream,
                     {"TPF0", std::string(1, '\0'), "\x02", "\x06", "\x08", "\x09", "\x0ATGridPropIO", "\x0BTGridCellIO",
                      "\x08HasProp", "\x0AHasGraphic", "\x08FullGrid", "\x09ColWidths", "\x08" "CellType",
                      "\x07ctRadio", "\x08ctImages", "\x08ctBitmap", "\x09ctComment"}};
  Target.MakeSeeds = GridStreamSeeds;
  List.push_back(Target);
}

}  // namespace jorv::fuzz
