// What every text writer and reader of the grid shares: the cell text a
// file gets (check boxes, HTML, the save and load events) and the export
// notices a descendant, such as the data-aware grid, follows its rows by.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/base/IntList.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "tests/grid_exchange/TextFileSupport.h"
#include "tests/support/TempDir.h"

using namespace jorv;
using namespace jorv::grid;
using jorv::test::ReadBytes;

namespace {

// Records each export notice as "state:row".
class TNoticedGrid : public TRezIvevirAvod {
 public:
  using TRezIvevirAvod::TRezIvevirAvod;
  std::vector<std::string> Notices;
  void ExportNotification(TGridExportState State, Integer ARow) override {
    Notices.push_back(std::to_string(Integer(State)) + ":" + std::to_string(ARow));
  }
};

}  // namespace

TEST(GridTextHooks, FilesGetTheSavedTextAndReadersTheLoadEvent) {
  jorv::test::TTempDir Dir;
  TRezIvevirAvod Grid(nullptr);
  Grid.SetColCount(4);
  Grid.SetRowCount(1);
  Grid.SetFixedCols(0);
  Grid.SetFixedRows(0);
  Grid.AddCheckBox(0, 0, true, false);
  Grid.AddCheckBox(1, 0, false, false);
  Grid.SetCells(2, 0, L"<b>bold</b>");
  Grid.SetCells(3, 0, L"plain");
  Grid.SetSaveWithHTML(false);
  Grid.OnSaveCell = [](TObject*, Integer ACol, Integer, String& Value) {
    if (ACol == 3) Value = UpperCase(Value);
  };
  Grid.SaveToCSV(Dir.Path(L"h.csv"));
  EXPECT_EQ(ReadBytes(Dir.Path(L"h.csv")), "Y,N,bold,PLAIN\r\n");

  Grid.OnLoadCell = [](TObject*, Integer ACol, Integer, String& Value) { Value += L"!" + IntToStr(ACol); };
  Grid.LoadFromCSV(Dir.Path(L"h.csv"));
  EXPECT_EQ(Grid.GetCells(2, 0), L"bold!2");
}

TEST(GridTextHooks, EveryWriterAnnouncesItsRowsAndItsEnd) {
  jorv::test::TTempDir Dir;
  struct TCase {
    const char* Name;
    void (*Write)(TNoticedGrid&, const String&);
    std::vector<std::string> Notices;
  } Cases[] = {
      // esExportStart 0, esExportDone 2, esExportNextRow 5; the fixed row 0
      // is not saved.
      {"file", [](TNoticedGrid& G, const String& F) { G.SaveToFile(F); }, {"0:1", "5:1", "5:2", "2:-1"}},
      {"stream", [](TNoticedGrid& G, const String&) { TMemoryStream S; G.SaveToStream(&S); },
       {"0:1", "5:1", "5:2", "2:-1"}},
      {"csv", [](TNoticedGrid& G, const String& F) { G.SaveToCSV(F); }, {"0:1", "5:1", "5:2", "2:-1"}},
      {"ascii", [](TNoticedGrid& G, const String& F) { G.SaveToASCII(F); }, {"0:1", "5:1", "5:2", "2:-1"}},
      {"fixed", [](TNoticedGrid& G, const String& F) { TIntList P; G.SaveToFixed(F, &P); },
       {"0:1", "5:1", "5:2", "2:-1"}},
  };
  for (const TCase& Case : Cases) {
    TNoticedGrid Grid(nullptr);
    Grid.SetColCount(2);
    Grid.SetRowCount(3);
    Grid.SetSaveFixedCells(false);
    Case.Write(Grid, Dir.Path(L"n.txt"));
    EXPECT_EQ(Grid.Notices, Case.Notices) << Case.Name;
  }
}
