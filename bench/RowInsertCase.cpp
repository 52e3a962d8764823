#include <memory>
#include <vector>
#include "bench/Cases.h"
#include "grid/core/RezIvevirAvod.h"

namespace jorv::bench {

using namespace jorv::grid;

namespace {

constexpr Integer KRows = 1000000;
constexpr Integer KColumns = 4;
constexpr Integer KInserted = 10000;

String CellText(Integer Col, Integer Row) { return String{Char(L'a' + Col), Char(L'a' + Row % 26)}; }

}  // namespace

// Ten thousand rows inserted one at a time at the top of a million-row
// grid and removed again one at a time. Each row opens and closes with one
// move of the million row slots, so the reference is that move alone: the
// same inserts and erases at the front of a plain array of as many
// pointers.
void RowInsertCase(TTable& Table) {
  auto Grid = std::make_unique<TRezIvevirAvod>(nullptr);
  Grid->SetColCount(KColumns);
  Grid->SetRowCount(KRows);
  for (Integer r = 0; r < KRows; ++r)
    for (Integer c = 0; c < KColumns; ++c) Grid->SetCells(c, r, CellText(c, r));

  double Start = ThreadSeconds();
  for (Integer i = 0; i < KInserted; ++i) Grid->InsertRows(1, 1);
  const double Insert = ThreadSeconds() - Start;
  Start = ThreadSeconds();
  for (Integer i = 0; i < KInserted; ++i) Grid->RemoveRows(1, 1);
  const double Remove = ThreadSeconds() - Start;
  if (Grid->RowCount() != KRows || Grid->GetCells(1, 1) != CellText(1, 1) ||
      Grid->GetCells(3, KRows - 1) != CellText(3, KRows - 1))
    throw Exception(L"rows came back wrong");

  std::vector<std::unique_ptr<int>> Slots(KRows);
  Start = ThreadSeconds();
  for (Integer i = 0; i < KInserted; ++i) Slots.insert(Slots.begin() + 1, nullptr);
  const double ArrayInsert = ThreadSeconds() - Start;
  Start = ThreadSeconds();
  for (Integer i = 0; i < KInserted; ++i) Slots.erase(Slots.begin() + 1);
  const double ArrayErase = ThreadSeconds() - Start;

  const double Ns = 1e9;
  struct {
    const char* What;
    double Ours, Reference;
  } Lines[] = {{"insert 10,000 rows at the top", Insert, ArrayInsert},
               {"remove them again", Remove, ArrayErase}};
  for (auto& L : Lines)
    Table.Add({Format("9 rows at the top of 1,000,000 x 4: %s", L.What), Duration(L.Ours * Ns),
               Duration(L.Reference * Ns), L.Ours / L.Reference, "<= 3 x", AtMost(L.Ours / L.Reference, 3.0)});
}

}  // namespace jorv::bench
