// Checking cell texts with a cell checker: which cells are visited, what is
// written back and answered, and where the current cell goes.
#include <gtest/gtest.h>

#include <vector>
#include "grid/base/GrdDateTimePicker.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

// Corrects "teh" to "the" and marks every "xx" as an error; records what
// it was asked and where the grid's current cell stood meanwhile.
class TSpellCheck : public TRezIvevirAvodCheck {
 public:
  TSpellCheck(TComponent* AOwner, TRezIvevirAvod* AGrid) : TRezIvevirAvodCheck(AOwner), Grid(AGrid) {}
  String Correct(Integer ACol, Integer ARow, const String& s) override {
    Visited.push_back(IntToStr(ACol) + L":" + IntToStr(ARow));
    CurrentWhileChecking.push_back(IntToStr(Grid->Col()) + L":" + IntToStr(Grid->Row()));
    return StringReplace(s, L"teh", L"the", {rfReplaceAll});
  }
  String MarkError(Integer, Integer, const String& s) override {
    return StringReplace(s, L"xx", L"<e>xx</e>", {rfReplaceAll});
  }
  void StartCheck() override { Log += L"start "; }
  void StopCheck() override { Log += L"stop"; }

  TRezIvevirAvod* Grid;
  std::vector<String> Visited;
  std::vector<String> CurrentWhileChecking;
  String Log;
};

class GridCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    Grid.SetColCount(3);
    Grid.SetRowCount(4);
    Grid.SetCellChecker(&Check);
  }
  TRezIvevirAvod Grid{nullptr};
  TSpellCheck Check{nullptr, &Grid};
};

TEST_F(GridCheck, WithoutACheckerEveryCheckAnswersTrueAndChangesNothing) {
  Grid.SetCellChecker(nullptr);
  Grid.SetCells(1, 1, L"<e>teh</e>");
  EXPECT_TRUE(Grid.CheckGrid(true));
  EXPECT_TRUE(Grid.CheckCell(1, 1));
  EXPECT_TRUE(Grid.CheckCells(0, 0, 2, 3));
  EXPECT_EQ(Grid.GetCells(1, 1), L"<e>teh</e>");
}

TEST_F(GridCheck, TheSwitchesDecideWhatIsWrittenAndAnswered) {
  struct Case {
    bool UseCorrect, UseMarkError;
    const wchar_t* Before;
    const wchar_t* After;
    bool Unchanged;
  };
  const Case Cases[] = {
      {false, false, L"teh xx", L"teh xx", true},
      // Old marks go before the check; their removal is no change.
      {false, false, L"<e>teh</e> xx", L"teh xx", true},
      {true, false, L"teh xx", L"the xx", false},
      {false, true, L"teh xx", L"teh <e>xx</e>", false},
      // The errors are marked in the corrected text.
      {true, true, L"teh xx", L"the <e>xx</e>", false},
      {true, true, L"<e>the</e> cat", L"the cat", true},
  };
  for (const Case& C : Cases) {
    Check.SetUseCorrect(C.UseCorrect);
    Check.SetUseMarkError(C.UseMarkError);
    Grid.SetCells(2, 2, C.Before);
    EXPECT_EQ(Grid.CheckCell(2, 2), C.Unchanged) << C.Before;
    EXPECT_EQ(Grid.GetCells(2, 2), C.After) << C.Before;
  }
}

TEST_F(GridCheck, RangesAreCheckedRowByRowToTheEnd) {
  Check.SetUseCorrect(true);
  Grid.SetCells(0, 0, L"teh");
  Grid.SetCells(1, 1, L"teh");
  Grid.SetCells(2, 3, L"teh");
  EXPECT_FALSE(Grid.CheckGrid(false));
  EXPECT_EQ(Check.Log, L"start stop");
  const std::vector<String> Normal{L"1:1", L"2:1", L"1:2", L"2:2", L"1:3", L"2:3"};
  EXPECT_EQ(Check.Visited, Normal);
  // The failure in the first cell did not stop the last one's correction.
  EXPECT_EQ(Grid.GetCells(2, 3), L"the");
  EXPECT_EQ(Grid.GetCells(0, 0), L"teh");
  EXPECT_TRUE(Grid.CheckGrid(false));

  Check.Visited.clear();
  EXPECT_FALSE(Grid.CheckCol(true, 0));
  EXPECT_EQ(Check.Visited, (std::vector<String>{L"0:0", L"0:1", L"0:2", L"0:3"}));
  Check.Visited.clear();
  EXPECT_TRUE(Grid.CheckRow(false, 2));
  EXPECT_EQ(Check.Visited, (std::vector<String>{L"1:2", L"2:2"}));
}

TEST_F(GridCheck, AMergedAreaIsCheckedOnceAtItsBaseCell) {
  Check.SetUseCorrect(true);
  Grid.SetCells(1, 1, L"teh");
  Grid.MergeCells(1, 1, 2, 2);
  EXPECT_FALSE(Grid.CheckGrid(false));
  EXPECT_EQ(Check.Visited, (std::vector<String>{L"1:1", L"1:3", L"2:3"}));
  EXPECT_EQ(Grid.GetCells(1, 1), L"the");
}

TEST_F(GridCheck, GotoCellVisitsEachCellAndPutsTheCurrentCellBack) {
  Check.SetGotoCell(true);
  Check.SetUseCorrect(true);
  Grid.SetCol(2);
  Grid.SetRow(3);
  Grid.CheckRow(true, 1);
  // A fixed cell cannot be the current one: the check leaves it where it was.
  EXPECT_EQ(Check.CurrentWhileChecking, (std::vector<String>{L"2:3", L"1:1", L"2:1"}));
  EXPECT_EQ(Grid.Col(), 2);
  EXPECT_EQ(Grid.Row(), 3);
}

TEST(GridCheckReference, AFreedCheckerIsForgotten) {
  TRezIvevirAvod Grid(nullptr);
  auto* Check = new TRezIvevirAvodCheck(nullptr);
  Grid.SetCellChecker(Check);
  EXPECT_EQ(Grid.CellChecker(), Check);
  delete Check;
  EXPECT_EQ(Grid.CellChecker(), nullptr);
  EXPECT_TRUE(Grid.CheckGrid(true));
}

}  // namespace
