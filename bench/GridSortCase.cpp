#include <algorithm>
#include <memory>
#include "bench/Cases.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SortKeys.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WinApi.h"

namespace jorv::bench {

using namespace jorv::grid;

namespace {

constexpr Integer KRows = 1000000;

// Words of mixed case and numbers with two decimals, the same in every run.
struct TColumns {
  std::vector<String> Words;
  std::vector<String> Numbers;
};

TColumns MakeColumns() {
  TColumns Result;
  uint32_t Seed = 20261211;
  auto Next = [&Seed](uint32_t Range) {
    Seed = Seed * 1103515245u + 12345u;
    return (Seed >> 8) % Range;
  };
  for (Integer i = 0; i < KRows; ++i) {
    String Word(4 + Next(9), L'a');
    for (auto& C : Word) C = Char((Next(4) == 0 ? L'A' : L'a') + Next(26));
    Result.Words.push_back(std::move(Word));
    Result.Numbers.push_back(IntToStr(Int64(Next(1000000))) + L"." + IntToStr(Int64(10 + Next(90))));
  }
  return Result;
}

// The keys made from the texts and sorted stably, without a grid.
void SortLocaleKeys(const std::vector<String>& Texts) {
  TSortKeys Keys(NORM_IGNORECASE);
  Keys.Reserve(Texts.size());
  for (const String& Text : Texts) Keys.Add(Text);
  std::vector<TSortKeys::TEntry> Entries = Keys.Entries();
  std::stable_sort(Entries.begin(), Entries.end(), [&Keys](const TSortKeys::TEntry& A, const TSortKeys::TEntry& B) {
    return Keys.CompareEntries(A, B) < 0;
  });
}

void SortNumberKeys(const std::vector<String>& Texts) {
  std::vector<std::pair<double, uint32_t>> Keys;
  Keys.reserve(Texts.size());
  for (const String& Text : Texts) {
    double Value = 0;
    Integer Code = 0;
    Val(Text, Value, Code);
    Keys.emplace_back(Code == 0 ? Value : 0, uint32_t(Keys.size()));
  }
  std::stable_sort(Keys.begin(), Keys.end(), [](const auto& A, const auto& B) { return A.first < B.first; });
}

}  // namespace

// A million rows sorted by a text column in the locale's order and by a
// number column, against the same keys made from the same texts and
// sorted with std::stable_sort; each sort starts from the unsorted order.
void GridSortCase(TTable& Table) {
  const TColumns Columns = MakeColumns();
  auto Grid = std::make_unique<TRezIvevirAvod>(nullptr);
  Grid->SetColCount(2);
  Grid->SetFixedCols(0);
  Grid->SetRowCount(KRows + 1);
  for (Integer r = 0; r < KRows; ++r) {
    Grid->SetCells(0, r + 1, Columns.Words[size_t(r)]);
    Grid->SetCells(1, r + 1, Columns.Numbers[size_t(r)]);
  }
  Grid->SortSettings()->SetAutoFormat(false);
  Grid->SortSettings()->SetFull(false);
  const TRepeat Repeat{3, 3, 0, true};
  auto Unsort = [&] { Grid->QUnSort(); };

  Grid->SortSettings()->SetDefaultFormat(ssAnsiAlphaNoCase);
  const double Text = MedianNs([&] { Grid->Sort(0, sdAscending); }, Repeat, Unsort);
  if (AnsiCompareText(Grid->GetCells(0, 1), Grid->GetCells(0, KRows)) > 0)
    throw Exception(L"the text column came out unsorted");
  const double TextReference = MedianNs([&] { SortLocaleKeys(Columns.Words); }, Repeat);
  Table.Add({"10 grid sort, 1,000,000 rows, text in locale order", Duration(Text), Duration(TextReference),
             Text / TextReference, "<= 1.5", AtMost(Text / TextReference, 1.5)});

  Grid->SortSettings()->SetDefaultFormat(ssNumeric);
  const double Number = MedianNs([&] { Grid->Sort(1, sdAscending); }, Repeat, Unsort);
  if (StrToFloat(Grid->GetCells(1, 1)) > StrToFloat(Grid->GetCells(1, KRows)))
    throw Exception(L"the number column came out unsorted");
  const double NumberReference = MedianNs([&] { SortNumberKeys(Columns.Numbers); }, Repeat);
  Table.Add({"10 grid sort, 1,000,000 rows, numbers", Duration(Number), Duration(NumberReference),
             Number / NumberReference, "<= 1.5", AtMost(Number / NumberReference, 1.5)});

  const double Back = MedianNs([&] { Grid->QUnSort(); }, Repeat, [&] { Grid->Sort(0, sdDescending); });
  Table.Add({"10 (the unsorted order restored)", Duration(Back), Duration(NumberReference), Back / NumberReference,
             "", vdInforms});
}

}  // namespace jorv::bench
