// The grid's settings objects: copied by Assign as each one says, their
// notices, and a grid with changed settings written to a form stream and
// read back.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/TypInfo.h"
#include "tests/support/StreamCheck.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

bool StreamHolds(const TBytes& Bytes, const std::string& Name) {
  return std::string(Bytes.begin(), Bytes.end()).find(Name) != std::string::npos;
}

}  // namespace

TEST(GridSettings, ControlLookGradientsReachTheGridAsTheySay) {
  TRezIvevirAvod Grid(nullptr);
  Grid.ControlLook()->SetFixedGradientFrom(0x102030);
  EXPECT_EQ(Grid.ZVQGradientFrom(), TColor(0x102030));
  Grid.ControlLook()->SetFixedGradientFrom(clNone);
  EXPECT_EQ(Grid.ZVQGradientFrom(), TColor(0x102030));
  Grid.ControlLook()->SetFixedGradientMirrorFrom(0x405060);
  EXPECT_EQ(Grid.ZVQGradientMirrorFrom(), TColor(0x405060));
  Grid.ControlLook()->SetFixedGradientMirrorFrom(clNone);
  EXPECT_EQ(Grid.ZVQGradientMirrorFrom(), clNone);
  // System colours are kept as their RGB value.
  Grid.SetZVQGradientTo(clBtnFace);
  EXPECT_EQ(Grid.ZVQGradientTo(), ColorToRGB(clBtnFace));
}

TEST(GridSettings, AssignCopiesWhatEachObjectCopies) {
  TRezIvevirAvod A(nullptr), B(nullptr);
  A.ControlLook()->SetFixedGradientFrom(0x111111);
  A.ControlLook()->SetFixedGradientTo(0x222222);
  A.ControlLook()->SetFlatButton(true);
  B.ControlLook()->Assign(A.ControlLook());
  EXPECT_EQ(B.ControlLook()->FixedGradientFrom(), TColor(0x111111));
  EXPECT_EQ(B.ControlLook()->FixedGradientTo(), TColor(0x222222));
  EXPECT_FALSE(B.ControlLook()->FlatButton());
  EXPECT_EQ(B.ZVQGradientFrom(), TColor(0xFFFFFF));  // nothing passed to the grid

  A.SortSettings()->SetIgnoreCase(true);
  A.SortSettings()->SetColumn(3);
  B.SortSettings()->Assign(A.SortSettings());
  EXPECT_EQ(B.SortSettings()->Column(), 3);
  EXPECT_FALSE(B.SortSettings()->IgnoreCase());

  A.Grouping()->SetSummary(true);
  A.Grouping()->SetMergeHeader(true);
  B.Grouping()->Assign(A.Grouping());
  EXPECT_TRUE(B.Grouping()->MergeHeader());
  EXPECT_FALSE(B.Grouping()->Summary());

  TBitmap Other;
  EXPECT_THROW(B.PrintSettings()->Assign(&Other), EInvalidCast);
  A.PrintSettings()->SetFixedCellsAlways(true);
  A.PrintSettings()->SetJobName(L"job");
  A.PrintSettings()->Font()->SetSize(17);
  B.PrintSettings()->Assign(A.PrintSettings());
  EXPECT_EQ(B.PrintSettings()->JobName(), L"job");
  EXPECT_EQ(B.PrintSettings()->Font()->Size(), 17);
  EXPECT_FALSE(B.PrintSettings()->FixedCellsAlways());
  EXPECT_NE(B.PrintSettings()->Font(), A.PrintSettings()->Font());
}

TEST(GridSettings, NoticesComeOnlyWhereTheObjectsGiveThem) {
  TGridProgressAppearance Progress;
  int Changes = 0;
  Progress.OnChange = [&](TObject*) { ++Changes; };
  Progress.SetLevel1Perc(70);
  EXPECT_EQ(Changes, 0);
  Progress.SetLevel1Perc(75);
  EXPECT_EQ(Changes, 1);

  TBalloonSettings Enabled, Balloon;
  int EnableChanges = 0;
  Balloon.OnEnableChange = [&](TObject*) { ++EnableChanges; };
  Enabled.SetEnable(true);
  Balloon.Assign(&Enabled);
  EXPECT_TRUE(Balloon.Enable());
  EXPECT_EQ(EnableChanges, 0);
  Balloon.SetEnable(false);
  EXPECT_EQ(EnableChanges, 1);

  TAutoColor Colors;
  int AutoChanges = 0;
  Colors.OnChange = [&](TObject*) { ++AutoChanges; };
  EXPECT_FALSE(Colors.HasAutoColors());
  Colors.NegativeNumber()->SetTextColor(clRed);
  EXPECT_EQ(AutoChanges, 1);
  EXPECT_TRUE(Colors.HasAutoColors());
}

TEST(GridSettings, FilterItemsJoinAndAreFoundByColumn) {
  TRezIvevirAvod Grid(nullptr);
  TFilterData* First = Grid.Filter()->Add();
  TFilterData* Second = Grid.Filter()->Add();
  EXPECT_EQ(First->Operation(), foNONE);
  EXPECT_EQ(Second->Operation(), foAND);
  Second->SetColumn(4);
  Second->FilterType = ftEqual;
  EXPECT_EQ(Grid.Filter()->GetColFilter(4), Second);
  EXPECT_EQ(Grid.Filter()->HasFilterType(4), ftEqual);
  EXPECT_EQ(Grid.Filter()->HasFilterType(2), ftContains);
  EXPECT_TRUE(Grid.Filter()->HasOtherFilter(4));
  Grid.Filter()->RemoveColumnFilter(4);
  EXPECT_FALSE(Grid.Filter()->HasFilter(4));
  EXPECT_EQ(Grid.Filter()->Count(), 1);
}

TEST(GridSettings, SortRowMustStayInTheFixedRows) {
  TRezIvevirAvod Grid(nullptr);
  EXPECT_THROW(Grid.SortSettings()->SetRow(1), Exception);
  EXPECT_EQ(Grid.SortSettings()->Row(), 0);
  Grid.SetFixedRows(2);
  Grid.SortSettings()->SetRow(1);
  EXPECT_EQ(Grid.SortSettings()->Row(), 1);
}

TEST(GridSettings, ChangedGridComesBackFromAFormStream) {
  TRezIvevirAvod Original(nullptr), Copy(nullptr);
  Original.SetColCount(8);
  Original.SetRowCount(30);
  Original.SetFixedRows(2);
  Original.SetLook(glOffice2007);
  Original.SetSelectionColor(0x00FF00);
  Original.SetFloatFormat(L"%.3f");
  Original.SetDefaultEditor(edSpinEdit);
  Original.SetScrollBarAlways(saBoth);
  Original.ControlLook()->SetCheckSize(19);
  Original.ControlLook()->SetControlStyle(csFlat);
  Original.ProgressAppearance()->SetLevel2Perc(80);
  Original.BackGround()->SetDisplay(bdGradientVert);
  Original.AutoColor()->NegativeNumber()->SetTextColor(clRed);
  Original.Balloon()->SetInitialDelay(300);
  Original.HTMLSettings()->SetSummary(L"table summary");
  Original.SortSettings()->SetShow(true);
  Original.SortSettings()->SetRow(1);
  Original.PrintSettings()->SetTitleText(L"Report");
  Original.PrintSettings()->TitleLines()->Add(L"line one");
  Original.Grouping()->SetHeaderUnderline(true);
  Original.FloatingFooter()->SetColumn(2);
  Original.FilterDropDown()->SetHeight(210);
  Original.FilterEdit()->SetRow(1);
  Original.Filter()->Add()->SetCondition(L">5");
  Original.ColumnSize()->SetKey(L"Grid.ini");
  Original.CellNode()->SetNodeIndent(20);
  Original.DragDropSettings()->SetOleEntireRows(true);
  Original.DragScrollOptions()->Margins()->SetTopMargin(30);
  Original.ShowModified()->SetEnabled(true);
  Original.SizeWhileTyping()->SetHeight(true);
  Original.HoverButtons()->Buttons()->Add()->SetCaption(L"Go");
  Original.ColumnHeaders()->Add(L"Name");
  Original.FixedFont()->SetSize(11);

  TBytes Bytes = WrittenBytes(&Original);
  // 22 differs from the stored default 21; the default look is left out.
  EXPECT_TRUE(StreamHolds(Bytes, "FixedRowHeight"));
  ReadBytesInto(Bytes, &Copy);
  std::vector<String> Differences = PropertyDifferences(&Original, &Copy);
  EXPECT_TRUE(Differences.empty()) << UTF8Encode(Differences.empty() ? L"" : Differences[0]);
  EXPECT_EQ(Copy.Look(), glOffice2007);
  EXPECT_EQ(Copy.Filter()->Items(0)->Condition(), L">5");
  EXPECT_EQ(Copy.HoverButtons()->Buttons()->Items(0)->Caption(), L"Go");
  EXPECT_EQ(Copy.GetCells(0, 0), L"Name");

  TRezIvevirAvod Plain(nullptr);
  EXPECT_FALSE(StreamHolds(WrittenBytes(&Plain), "glXP"));
  EXPECT_TRUE(StreamHolds(Bytes, "glOffice2007"));
}
