// The group calculations against the database's own GROUP BY on the same
// generated rows, through the SQLite3 ODBC driver: each group's sum,
// average, minimum, maximum, count, distinct count and standard deviation,
// and the sizes of the sub-groups against GROUP BY on both columns.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "tests/grid_exchange/SqliteTable.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/TempDir.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

constexpr Integer DataRows = 3000;

// Columns 1 id, 2 kind (15 values), 3 sub-kind (4 values), 4 a whole
// number; the table t holds the same as c1, c2, c3.
struct TGroupData {
  TTempDir Dir;
  TSqliteTable Db{Dir.Path(L"groups.db"), 3};
  TRezIvevirAvod Grid{nullptr};
  TGroupData() {
    Grid.SetColCount(5);
    Grid.SetRowCount(DataRows + 1);
    Grid.SetFixedRows(1);
    uint32_t State = 4711;
    auto Below = [&State](uint32_t N) {
      State = State * 1664525u + 1013904223u;
      return static_cast<Integer>((State >> 8) % N);
    };
    std::vector<std::vector<String>> Rows;
    for (Integer r = 1; r <= DataRows; ++r) {
      const Integer KindNumber = Below(15);
      const String Kind = String(L"k") + (KindNumber < 10 ? L"0" : L"") + IntToStr(KindNumber);
      const String Sub = L"s" + IntToStr(Below(4));
      const String Number = IntToStr(Below(2001) - 1000);
      Grid.SetCells(1, r, IntToStr(r));
      Grid.SetCells(2, r, Kind);
      Grid.SetCells(3, r, Sub);
      Grid.SetCells(4, r, Number);
      Rows.push_back({IntToStr(r), Kind, Sub, Number});
    }
    Db.Insert(Rows);
  }
};

TEST(GridGroupingDatabase, GroupCalculationsEqualTheDatabasesGroupBy) {
  PinnedFormatSettings Pinned{USFormatSettings()};
  TGroupData D;
  D.Grid.Grouping()->SetSummary(true);
  D.Grid.SetFloatFormat(L"%.6f");
  D.Grid.Group(2);  // the number is in column 3 now
  std::vector<Integer> Targets;
  for (Integer r = 1; r < D.Grid.RowCount(); ++r)
    if (D.Grid.IsNode(r)) Targets.push_back(r + D.Grid.GetNodeSpan(r));
  const String X = L"CAST(c3 AS REAL)";
  const auto Expected = D.Db.Numbers(L"SELECT SUM(" + X + L"), AVG(" + X + L"), MIN(" + X + L"), MAX(" + X +
                                     L"), COUNT(*), COUNT(DISTINCT c3) FROM t GROUP BY c1 ORDER BY c1");
  const auto Variance = D.Db.Numbers(
      L"SELECT SUM((v - m) * (v - m)) / COUNT(*) FROM (SELECT c1, " + X +
      L" AS v FROM t) AS x JOIN (SELECT c1 AS k, AVG(" + X + L") AS m FROM t GROUP BY c1) AS g ON x.c1 = g.k "
      L"GROUP BY x.c1 ORDER BY x.c1");
  ASSERT_EQ(Targets.size(), 15u);
  ASSERT_EQ(Expected.size(), 15u);
  ASSERT_EQ(Variance.size(), 15u);
  const struct {
    const char* Name;
    void (TRezIvevirAvod::*Calc)(Integer);
    Integer Column;  // of the query; -1 the standard deviation
  } Calculations[] = {{"sum", &TRezIvevirAvod::GroupSum, 0},      {"avg", &TRezIvevirAvod::GroupAvg, 1},
                      {"min", &TRezIvevirAvod::GroupMin, 2},      {"max", &TRezIvevirAvod::GroupMax, 3},
                      {"count", &TRezIvevirAvod::GroupCount, 4},  {"distinct", &TRezIvevirAvod::GroupDistinct, 5},
                      {"stddev", &TRezIvevirAvod::GroupStdDev, -1}};
  for (const auto& Calc : Calculations) {
    SCOPED_TRACE(Calc.Name);
    (D.Grid.*Calc.Calc)(3);
    for (size_t g = 0; g < Targets.size(); ++g) {
      const double Theirs = Calc.Column >= 0 ? Expected[g][Calc.Column] : std::sqrt(Variance[g][0]);
      const double Ours = StrToFloat(D.Grid.GetCells(3, Targets[g]));
      EXPECT_NEAR(Ours, Theirs, 1e-6 * std::max(1.0, std::abs(Theirs))) << "group " << g;
    }
  }
}

TEST(GridGroupingDatabase, SubGroupSizesEqualTheDatabasesGroupByOnBothColumns) {
  TGroupData D;
  D.Grid.Group(2);
  // Each group sorted on the sub-kind, so that every sub-kind is one run.
  D.Grid.SortSettings()->SetColumn(2);
  D.Grid.QSortGroup();
  D.Grid.SubGroup(2);
  std::vector<double> Sizes;
  for (Integer r = 1; r < D.Grid.RowCount(); ++r)
    if (D.Grid.IsNode(r) && D.Grid.GetNodeLevel(r) == 2) Sizes.push_back(D.Grid.GetNodeSpan(r) - 1);
  const auto Expected = D.Db.Numbers(L"SELECT COUNT(*) FROM t GROUP BY c1, c2 ORDER BY c1, c2");
  ASSERT_EQ(Sizes.size(), Expected.size());
  for (size_t i = 0; i < Sizes.size(); ++i) EXPECT_EQ(Sizes[i], Expected[i][0]) << "sub-group " << i;
  Integer Rows = 0;
  for (Integer r = 1; r < D.Grid.RowCount(); ++r) Rows += D.Grid.IsNode(r) ? 0 : 1;
  EXPECT_EQ(Rows, DataRows);
}

}  // namespace
