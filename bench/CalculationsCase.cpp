#include <memory>
#include "bench/Cases.h"
#include "foundation/ValueUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::bench {

using namespace jorv::grid;

namespace {

constexpr Integer KRows = 1000000;
constexpr int KRuns = 3;

// In 64 bits: Row * 7919 passes the 32-bit range near row 271,000, and the
// compiler may then take the fill loop's bound for granted.
String NumberText(Integer Row) {
  return IntToStr(static_cast<Integer>(static_cast<int64_t>(Row) * 7919 % 100003)) + L"." + IntToStr(Row % 100);
}

}  // namespace

// ColumnSum, Avg, Min and Max over a million rows against a plain loop
// converting the same texts as the grid does; and the footer's
// recalculation after one edit in a million-row grid with three footer
// columns, against one ColumnSum.
void CalculationsCase(TTable& Table) {
  auto Grid = std::make_unique<TRezIvevirAvod>(nullptr);
  Grid->SetColCount(4);
  Grid->SetRowCount(KRows + 2);
  Grid->SetFixedRows(1);
  std::vector<String> Texts;
  for (Integer r = 1; r <= KRows; ++r) {
    Texts.push_back(NumberText(r));
    for (Integer c = 1; c <= 3; ++c) Grid->SetCells(c, r, Texts.back());
  }
  TFormatSettings Plain;
  Plain.DecimalSeparator = L'.';
  Plain.ThousandSeparator = L'\0';
  std::vector<double> Reference;
  for (int Run = 0; Run < KRuns; ++Run) {
    const double Start = ThreadSeconds();
    double Sum = 0, V = 0;
    for (const String& T : Texts)
      if (TryStrToFloat(foundation::NormalizeNumberText(T), V, Plain)) Sum += V;
    Reference.push_back(ThreadSeconds() - Start);
    if (Sum == 0) throw Exception(L"nothing converted");
  }
  const double R = Median(Reference);
  struct {
    const char* Name;
    double (TRezIvevirAvod::*Calc)(Integer, Integer, Integer);
  } Calcs[] = {{"ColumnSum", &TRezIvevirAvod::ColumnSum},
               {"ColumnAvg", &TRezIvevirAvod::ColumnAvg},
               {"ColumnMin", &TRezIvevirAvod::ColumnMin},
               {"ColumnMax", &TRezIvevirAvod::ColumnMax}};
  double SumTime = 0;
  for (auto& C : Calcs) {
    std::vector<double> Ours;
    for (int Run = 0; Run < KRuns; ++Run) {
      const double Start = ThreadSeconds();
      ((*Grid).*C.Calc)(1, 1, KRows);
      Ours.push_back(ThreadSeconds() - Start);
    }
    const double O = Median(Ours);
    if (C.Calc == &TRezIvevirAvod::ColumnSum) SumTime = O;
    Table.Add({Format("12 %s over 1,000,000 rows", C.Name), Duration(O * 1e9), Duration(R * 1e9), O / R, "<= 2x",
               AtMost(O / R, 2)});
  }
  Grid->FloatingFooter()->SetHeight(20);
  Grid->FloatingFooter()->SetVisible(true);
  for (Integer c = 1; c <= 3; ++c) Grid->FloatingFooter()->SetColumnCalc(c, acSUM);
  std::vector<double> Ours;
  for (int Run = 0; Run < KRuns; ++Run) {
    const double Start = ThreadSeconds();
    Grid->SetCells(2, 1 + Run, L"5");
    Grid->CalcFooter(2);
    Ours.push_back(ThreadSeconds() - Start);
  }
  const double O = Median(Ours);
  Table.Add({"12 footer after one edit, 1,000,000 rows, 3 footer columns", Duration(O * 1e9), Duration(SumTime * 1e9),
             O / SumTime, "<= 3x", AtMost(O / SumTime, 3)});
}

}  // namespace jorv::bench
