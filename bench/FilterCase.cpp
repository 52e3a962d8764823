#include <memory>
#include <set>
#include "bench/Cases.h"
#include "bench/Profiler.h"
#include "foundation/FilterMatch.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::bench {

using namespace jorv::grid;

namespace {

constexpr Integer KRows = 1000000;
constexpr int KRuns = 3;

// One row in ten holds "abc" somewhere in its text.
String FilterText(Integer Row) {
  String Text = L"row " + IntToStr(Row * 7919 % 1000003);
  if (Row % 10 == 0) Text += L" xabcx";
  return Text;
}

// 100,000 different values over a million rows.
String ValueText(Integer Row) { return L"value " + IntToStr(Row * 7919 % 100000); }

std::unique_ptr<TRezIvevirAvod> MillionRows(String (*Text)(Integer)) {
  auto Grid = std::make_unique<TRezIvevirAvod>(nullptr);
  Grid->SetColCount(2);
  Grid->SetRowCount(KRows + 1);
  Grid->SetFixedRows(1);
  for (Integer r = 1; r <= KRows; ++r) Grid->SetCells(1, r, Text(r));
  return Grid;
}

}  // namespace

// Applying "*abc*" to a million rows and removing it again, against a
// plain loop calling the same matcher on the same texts; then the distinct
// values of a column for its drop-down list, against putting the same
// texts into a sorted set.
void FilterCase(TTable& Table) {
  {
    auto Grid = MillionRows(FilterText);
    TFilterData* Item = Grid->Filter()->Add();
    Item->SetColumn(1);
    Item->SetCondition(L"*abc*");
    std::vector<String> Texts;
    for (Integer r = 1; r <= KRows; ++r) Texts.push_back(FilterText(r));
    std::vector<double> Ours, Reference, Applying;
    TProfile Profile("filter applied and removed");
    for (int Run = 0; Run < KRuns; ++Run) {
      double Start = ThreadSeconds();
      Grid->SetFilterActive(true);
      Applying.push_back(ThreadSeconds() - Start);
      const Integer Shown = Grid->RowCount();
      Grid->SetFilterActive(false);
      Ours.push_back(ThreadSeconds() - Start);
      Profile.Pause();
      Start = ThreadSeconds();
      Integer Matched = 0;
      for (const String& T : Texts) Matched += foundation::MatchFilterExpression(L"*abc*", T, true);
      Reference.push_back(ThreadSeconds() - Start);
      Profile.Resume();
      if (Shown != Matched + 1 || Grid->RowCount() != KRows + 1) throw Exception(L"the filter left the wrong rows");
    }
    const double O = Median(Ours), R = Median(Reference);
    Table.Add({"11 filter \"*abc*\" on 1,000,000 rows, applied and removed", Duration(O * 1e9), Duration(R * 1e9),
               O / R, "<= 2x", AtMost(O / R, 2)});
    const double A = Median(Applying);
    Table.Add({"(11 of which applying: row tests and hiding 900,000 rows)", Duration(A * 1e9), Duration(R * 1e9),
               A / R, "", vdInforms});
  }
  {
    auto Grid = MillionRows(ValueText);
    Grid->SetFilterDropDownAuto(true);
    std::vector<double> Ours, Reference;
    TProfile Profile("distinct values for the list");
    for (int Run = 0; Run < KRuns; ++Run) {
      double Start = ThreadSeconds();
      Grid->FilterDropDownValues(1, false);
      Ours.push_back(ThreadSeconds() - Start);
      Profile.Pause();
      Start = ThreadSeconds();
      std::set<String> Sorted;
      for (Integer r = 1; r <= KRows; ++r) Sorted.insert(ValueText(r));
      Reference.push_back(ThreadSeconds() - Start);
      Profile.Resume();
      if (Grid->FilterList()->Count() != static_cast<Integer>(Sorted.size()) + 1)
        throw Exception(L"the value list is not the distinct values");
    }
    const double O = Median(Ours), R = Median(Reference);
    Table.Add({"11 distinct values of 1,000,000 rows (100,000) for the list", Duration(O * 1e9), Duration(R * 1e9),
               O / R, "<= 3x", AtMost(O / R, 3)});
  }
}

}  // namespace jorv::bench
