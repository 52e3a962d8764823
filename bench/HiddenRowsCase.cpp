#include <memory>
#include "bench/Cases.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HiddenRowStore.h"

namespace jorv::bench {

using namespace jorv::grid;

namespace {

constexpr Integer KRows = 1000000;
constexpr Integer KColumns = 4;
constexpr int KRuns = 3;

String CellText(Integer Col, Integer Row) { return String{Char(L'a' + Col), Char(L'a' + Row % 26)}; }

}  // namespace

// Every second row of a million-row grid hidden as one level (a filter's
// way), each displayed row mapped to its stored row, and the level shown
// again. The reference is filling the same grid through Cells.
void HiddenRowsCase(TTable& Table) {
  auto Grid = std::make_unique<TRezIvevirAvod>(nullptr);
  Grid->SetColCount(KColumns);
  Grid->SetRowCount(KRows);
  const double FillStart = ThreadSeconds();
  for (Integer r = 0; r < KRows; ++r)
    for (Integer c = 0; c < KColumns; ++c) Grid->SetCells(c, r, CellText(c, r));
  const double Fill = ThreadSeconds() - FillStart;

  std::vector<double> Hide, Map, Show;
  TIntList EverySecond;
  for (Integer r = 1; r < KRows; r += 2) EverySecond.Add(r);
  Integer Check = 0;
  for (int Run = 0; Run < KRuns; ++Run) {
    double Start = ThreadSeconds();
    Grid->HideRowList(&EverySecond);
    Hide.push_back(ThreadSeconds() - Start);
    Start = ThreadSeconds();
    const Integer Shown = Grid->RowCount();
    for (Integer d = 0; d < Shown; ++d) Check += Grid->RealRowIndex(d) & 1;
    Map.push_back(ThreadSeconds() - Start);
    Start = ThreadSeconds();
    Grid->UnHideRowList();
    Grid->SetFilterLevel(0);
    Show.push_back(ThreadSeconds() - Start);
  }
  // Every displayed row was an even stored row, and all came back.
  if (Check != 0 || Grid->RowCount() != KRows || Grid->GetCells(1, KRows - 1) != CellText(1, KRows - 1))
    throw Exception(L"hidden rows came back wrong");
  const double Ns = 1e9;
  struct {
    const char* What;
    double Seconds;
  } Lines[] = {{"hide every second row", Median(Hide)},
               {"RealRowIndex of every displayed row", Median(Map)},
               {"show them again", Median(Show)}};
  for (auto& L : Lines)
    Table.Add({Format("8 hidden rows, 1,000,000 x 4: %s", L.What), Duration(L.Seconds * Ns), Duration(Fill * Ns),
               L.Seconds / Fill, "< 1 s", AtMost(L.Seconds, 1.0)});
}

}  // namespace jorv::bench
