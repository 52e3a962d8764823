#pragma once
// The small grid the row and column tests move, hide and show: rows 0..11,
// columns 0..5. Every cell holds "column:row" of its first place, every
// cell of column 4 an object of its own, every cell of column 5 a font
// colour made of its row, and every row a height of 20 plus its row.
#include <memory>
#include <vector>
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::test {

struct TFilledGrid {
  static constexpr Integer Cols = 6;
  static constexpr Integer Rows = 12;
  static String Text(Integer Col, Integer Row) { return IntToStr(Col) + L":" + IntToStr(Row); }

  grid::TRezIvevirAvod Grid{nullptr};
  std::vector<std::unique_ptr<TObject>> Objects;
  TFilledGrid() {
    Grid.SetColCount(Cols);
    Grid.SetRowCount(Rows);
    for (Integer r = 0; r < Rows; ++r) {
      for (Integer c = 0; c < Cols; ++c) Grid.SetCells(c, r, Text(c, r));
      Objects.push_back(std::make_unique<TObject>());
      Grid.SetObjects(4, r, Objects.back().get());
      Grid.SetFontColors(5, r, TColor(0x10000 + r));
      Grid.SetRowHeights(r, 20 + r);
    }
  }
};

}  // namespace jorv::test
