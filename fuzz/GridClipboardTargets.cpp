// What another program leaves on the clipboard or drops on a grid: TAB and
// CR separated text pasted through the per-cell events, with and without
// growth, insertion and the smart fill, written raw as selection text; and
// a block under the grid's private format, pasted at a cell.
#include "fuzz/Fuzz.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Clipboard.h"

namespace jorv::fuzz {

namespace {

using grid::TRezIvevirAvod;

void ShapeGrid(TRezIvevirAvod& Grid, uint64_t Hash) {
  Grid.SetColCount(4);
  Grid.SetRowCount(4);
  Grid.SetOptions(Grid.Options() + goEditing);
  for (Integer r = 0; r < 4; ++r)
    for (Integer c = 0; c < 4; ++c) Grid.SetCells(c, r, IntToStr(c) + L":" + IntToStr(r));
  grid::TNavigation* Nav = Grid.Navigation();
  Nav->SetAllowClipboardColGrow(Hash & 1);
  Nav->SetAllowClipboardRowGrow(Hash & 2);
  Nav->SetClipboardPasteAction(Hash & 4 ? grid::paInsert : grid::paReplace);
  Nav->SetAllowSmartClipboard(Hash & 8);
  Grid.SetSelection(TGridRect{1, 1, Hash & 16 ? 3 : 1, 3});
}

void RunPasteText(const TInput& Input) {
  const String Text = InputText(Input);
  const uint64_t Hash = InputHash(Input);
  {
    TRezIvevirAvod Grid(nullptr);
    ShapeGrid(Grid, Hash);
    Grid.OnClipboardBeforePasteWideCell = [](TObject*, Integer, Integer, String& Value, bool&) { Value += L"!"; };
    Integer Cols = 0, Rows = 0;
    Grid.PasteText(1, 1, Text, Cols, Rows);
    TRezIvevirAvod::MeasurePasteText(Text, Cols, Rows);
    Grid.GetSelectionAsText();
  }
  TRezIvevirAvod Grid(nullptr);
  ShapeGrid(Grid, Hash);
  Grid.SetSelectionAsText(Text);
}

std::vector<TInput> PasteTextSeeds() {
  return {"a\tb\r\nc\td\r\n", "1\r\n2\r\n", "\"l1\nl2\"\tx\r\n\"y\vz\"", "|\\00410042\tq\r\n\r\n",
          "1/30/2026\r\n1/31/2026\r\n", "0.5\t1.5\t"};
}

// The block goes on the clipboard with a text beside it, as a copy leaves
// it, and is pasted at the selection by a grid that reads the format.
void RunPasteCells(const TInput& Input) {
  const UINT Format = RegisterClipboardFormat(L"TRezIvevirAvod Cells");
  TClipboard* Board = Clipboard();
  Board->Open();
  Board->SetAsText(L"text");
  Board->SetBuffer(Format, Input.data(), Input.size());
  Board->Close();
  TRezIvevirAvod Grid(nullptr);
  ShapeGrid(Grid, InputHash(Input));
  Grid.Navigation()->SetAllowFmtClipboard(true);
  Grid.PasteSelectionFromClipboard();
}

TInput Saved(TRezIvevirAvod& Grid, const TRect& Rect) {
  TBytesStream Stream;
  Grid.SaveRectToBinStream(Rect, &Stream);
  const jorv::TBytes Bytes = Stream.Bytes();
  return TInput(Bytes.begin(), Bytes.end());
}

std::vector<TInput> PasteCellsSeeds() {
  TRezIvevirAvod Grid(nullptr);
  ShapeGrid(Grid, 0);
  Grid.GetCellProperties(1, 1)->SetBrushColor(0x00FF00);
  Grid.AddComment(2, 2, L"note");
  return {Saved(Grid, TRect(1, 1, 2, 2)), Saved(Grid, TRect(1, 1, 3, 3))};
}

}  // namespace

void AddGridClipboardTargets(std::vector<TFuzzTarget>& List) {
  TFuzzTarget Text{"paste-text", "paste-text", RunPasteText, {"\t", "\r\n", "\r", "\n", "\"", "\v", "|\\"}};
  Text.MakeSeeds = PasteTextSeeds;
  List.push_back(Text);
  TFuzzTarget Cells{"paste-cells", "paste-cells", RunPasteCells,
                    {"TPF0", std::string(1, '\0'), "\x0ATGridPropIO", "\x0BTGridCellIO", "\x08" "ColCount",
                     "\x08" "RowCount", "\x08" "FullGrid", "\x02ID"}};
  Cells.MakeSeeds = PasteCellsSeeds;
  List.push_back(Cells);
}

}  // namespace jorv::fuzz
