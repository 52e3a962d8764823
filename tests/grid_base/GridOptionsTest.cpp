#include <gtest/gtest.h>
#include "grid/base/GridOptions.h"
#include "platform/gfx/Font.h"
#include "platform/ui/StringGrid.h"

using namespace jorv::grid;

using namespace jorv;

namespace {

TEST(Bands, NotifiesOnlyWhileActiveAndOnRealChange) {
  TBands B;
  Integer Changes = 0;
  B.OnChange = [&](TObject*) { ++Changes; };
  B.SetPrimaryColor(0x123456);  // inactive: stored, silent
  EXPECT_EQ(B.PrimaryColor(), 0x123456);
  EXPECT_EQ(Changes, 0);
  B.SetActive(true);
  EXPECT_EQ(Changes, 1);
  B.SetPrimaryColor(0x123456);  // same value: silent
  B.SetActive(true);
  EXPECT_EQ(Changes, 1);
  B.SetSecondaryLength(4);
  EXPECT_EQ(Changes, 2);
  EXPECT_EQ(B.TotalLength(), 5);

  TBands Src;
  Src.SetPrimaryLength(2);
  Src.SetSecondaryLength(3);
  Src.SetPrint(true);
  TBands Dst;
  Integer DstChanges = 0;
  Dst.OnChange = [&](TObject*) { ++DstChanges; };
  Dst.Assign(&Src);
  EXPECT_EQ(Dst.TotalLength(), 5);
  EXPECT_TRUE(Dst.Print());
  EXPECT_EQ(DstChanges, 0);
}

TEST(Navigation, AssignAndAdvanceAuto) {
  TNavigation Src, Dst;
  Src.SetTabAdvanceDirection(adTopBottomInCol);
  Src.SetAdvanceDirection(adTopBottom);
  Src.SetKeepScrollOnSort(true);
  Src.SetAllowClipboardRowGrow(false);
  Dst.Assign(&Src);
  EXPECT_EQ(Dst.TabAdvanceDirection(), adTopBottomInCol);
  EXPECT_EQ(Dst.AdvanceDirection(), adTopBottom);
  EXPECT_FALSE(Dst.AllowClipboardRowGrow());
  EXPECT_FALSE(Dst.KeepScrollOnSort());

  TNavigation N;
  Integer Changes = 0;
  N.OnChange = [&](TObject*) { ++Changes; };
  N.SetAdvanceAuto(true);
  EXPECT_TRUE(N.AdvanceOnEnter());
  N.SetAdvanceOnEnter(false);
  N.SetAdvanceAuto(false);
  EXPECT_FALSE(N.AdvanceOnEnter());
  N.SetAdvanceOnEnter(true);
  N.SetAdvanceAuto(false);  // unchanged: leaves AdvanceOnEnter alone
  EXPECT_TRUE(N.AdvanceOnEnter());
  EXPECT_EQ(Changes, 0);
  N.SetAdvanceDirection(adTopBottom);
  N.SetAdvanceDirection(adTopBottom);
  N.SetAdvanceInsert(true);
  EXPECT_EQ(Changes, 2);
}

TEST(MouseActions, DisjunctSelectionsExcludeEachOtherOnlyWhileDesigning) {
  TMouseActions M(nullptr);
  M.SetDisjunctRowSelect(true);
  M.SetDisjunctColSelect(true);  // no designer asked: both stay
  EXPECT_TRUE(M.DisjunctRowSelect());
  bool Designing = true;
  M.OnIsDesigning = [&](TObject*, bool& D) { D = Designing; };
  M.SetDisjunctCellSelect(true);
  EXPECT_FALSE(M.DisjunctRowSelect());
  EXPECT_FALSE(M.DisjunctColSelect());

  Integer Invalidated = 0, Disabled = 0, Changes = 0;
  M.OnInvalidate = [&](TObject*) { ++Invalidated; };
  M.OnDisableEdit = [&](TObject*) { ++Disabled; };
  M.OnChange = [&](TObject*) { ++Changes; };
  M.SetHotmailRowSelect(true);
  EXPECT_TRUE(M.DisjunctRowSelect());
  EXPECT_TRUE(M.CheckAllCheck());
  EXPECT_EQ(Invalidated, 1);
  M.SetEditOnDblClickOnly(true);
  M.SetEditOnDblClickOnly(false);
  EXPECT_EQ(Disabled, 1);
  M.SetWheelAction(waScroll);
  M.SetWheelAction(waScroll);
  EXPECT_EQ(Changes, 1);

  TMouseActions Copy(nullptr);
  M.SetSizeFixedRow(true);
  M.SetWheelIncrement(3);
  Copy.Assign(&M);
  EXPECT_EQ(Copy.WheelIncrement(), 3);
  EXPECT_EQ(Copy.WheelAction(), waScroll);
  EXPECT_FALSE(Copy.SizeFixedRow());
  EXPECT_FALSE(Copy.HotmailRowSelect());
  EXPECT_FALSE(Copy.EditOnDblClickOnly());
}

TEST(SearchFooter, CaptionsOnlyAtDesignTimeAndNotices) {
  TSearchFooter Run(nullptr, false), Design(nullptr, true);
  for (const String* s : {&Run.FindNextCaption(), &Run.FindPrevCaption(), &Run.HighLightCaption(),
                          &Run.MatchCaseCaption(), &Run.HintClose(), &Run.HintFindNext(),
                          &Run.HintFindPrev(), &Run.HintHighlight()})
    EXPECT_TRUE(s->empty());
  EXPECT_EQ(Design.FindNextCaption(), L"Find &next");
  EXPECT_EQ(Design.HintHighlight(), L"Highlight occurrences");
  EXPECT_EQ(Run.ColorTo(), clBtnFace);
  EXPECT_EQ(Run.SearchColumn(), -1);

  Integer Changes = 0;
  Run.OnChange = [&](TObject*) { ++Changes; };
  Run.SetVisible(false);     // same: silent
  Run.SetShowClose(true);    // always tells
  Run.SetAutoSearch(false);  // direct
  Run.SetColor(0x10);
  EXPECT_EQ(Changes, 2);

  Design.SetSearchFixedCells(true);
  Design.SetSearchColumn(4);
  Design.Font()->SetSize(15);
  Run.Assign(&Design);
  EXPECT_EQ(Run.FindPrevCaption(), L"Find &previous");
  EXPECT_EQ(Run.SearchColumn(), 4);
  EXPECT_EQ(Run.Font()->Size(), 15);
  EXPECT_FALSE(Run.SearchFixedCells());
  EXPECT_FALSE(Run.AutoSearch());  // not copied
}

TEST(SyncGrid, NeverFollowsItsOwner) {
  TStringGrid Owner(nullptr), Other(nullptr);
  TSyncGrid S(&Owner);
  S.SetGrid(&Owner);
  EXPECT_EQ(S.Grid(), nullptr);
  S.SetGrid(&Other);
  S.SetMoveRow(true);
  TSyncGrid T(&Other);
  T.Assign(&S);  // the source's grid is T's owner: refused
  EXPECT_EQ(T.Grid(), nullptr);
  EXPECT_TRUE(T.MoveRow());
  S.SetGrid(nullptr);
  EXPECT_EQ(S.Grid(), nullptr);
}

}  // namespace
