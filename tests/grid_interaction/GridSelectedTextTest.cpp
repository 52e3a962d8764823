// The text of the selection: rich cells as their plain text, and cells of
// several lines in spreadsheet form when that form is asked for.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

TEST(GridSelectedText, RichAndMultiLineCells) {
  TTestForm Form{420, 200};
  auto* Grid = new TRezIvevirAvod(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetBounds(0, 0, 400, 180);
  Grid->SetColCount(4);
  Grid->SetRowCount(4);
  Grid->SetCells(1, 1, L"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Rich}");
  Grid->SetCells(2, 1, L"a\r\nb");
  Grid->SetCells(1, 2, L"c");
  Grid->SetCells(2, 2, L"d");
  Grid->SetSelection(TGridRect{1, 1, 2, 2});
  struct {
    bool Excel, Multiline;
    String Text;
  } Cases[] = {
      {false, true, L"Rich\ta\r\nb\r\nc\td"},
      // Lines count only in a grid of multi-line cells.
      {true, false, L"Rich\ta\r\nb\r\nc\td"},
      {true, true, L"Rich\t\"a\vb\"\r\nc\td"},
  };
  for (const auto& C : Cases) {
    Grid->SetExcelClipboardFormat(C.Excel);
    Grid->SetMultilinecells(C.Multiline);
    EXPECT_EQ(Grid->SelectedText(), C.Text) << C.Excel << C.Multiline;
  }
}
