#pragma once
// The shown grid that the painting tests render, and what they read of the
// picture: the box of dark (text) pixels in an area, and the texts and font
// heights that painting into a metafile records.
#include <string>
#include <vector>
#include "grid/core/RezIvevirAvod.h"
#include "tests/support/ui/Gui.h"

namespace jorv::test {

// The size of the grid and of its cells; the form around it is 20 pixels
// wider and 10 higher.
struct TPaintedGridShape {
  Integer Cols = 4;
  Integer Rows = 5;
  Integer ColWidth = 80;
  Integer RowHeight = 24;
  Integer Width = 380;
  Integer Height = 150;
};

// A grid on a shown form with one fixed row and column, the classic look
// (fixed cells a plain fill), white cells, a green selection, and its
// current cell in the last row and column, away from the cells a test
// looks at.
struct TPaintedGrid {
  explicit TPaintedGrid(const TPaintedGridShape& Shape = {});
  TRect Cell(Integer C, Integer R) const { return Grid->CellRect(C, R); }

  TTestForm Form;
  grid::TRezIvevirAvod* Grid = nullptr;
};

// The smallest rectangle of pixels darker than mid-grey inside Area less
// the two pixels at its edges where grid lines and edges are drawn; Right
// is -1 when there are none.
TRect InkBox(TRendered& Shown, TRect Area);

// The texts and the heights of the fonts that PaintTo writes into a
// metafile.
struct TMetafileText {
  explicit TMetafileText(TWinControl* Control);
  bool Has(const String& Text) const;
  // All texts and font heights, for the message of a failing check.
  std::string Dump() const;

  std::vector<String> Texts;
  std::vector<LONG> FontHeights;
};

}  // namespace jorv::test
