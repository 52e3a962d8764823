// The grid as an object: made and freed on a form without leaks, its
// start values, copying from another grid, the bounds of whole rows, the
// editing-option repaint it drops, and loading.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/StreamCheck.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

DWORD GuiObjects(DWORD Kind) { return GetGuiResources(GetCurrentProcess(), Kind); }

BOOL CALLBACK CountWindow(HWND, LPARAM Count) {
  ++*reinterpret_cast<int*>(Count);
  return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND Window, LPARAM Count) {
  CountWindow(Window, Count);
  EnumChildWindows(Window, CountWindow, Count);
  return TRUE;
}

// Every window of this thread, top-level and child.
int ThreadWindows() {
  int Count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&Count));
  return Count;
}

// Lets the test set the flag the cell selection sets.
class TCountingGrid : public TRezIvevirAvod {
 public:
  using TRezIvevirAvod::TRezIvevirAvod;
  using TRezIvevirAvod::FEditChange;
};

}  // namespace

TEST(GridObject, StartsWithItsDefaults) {
  TRezIvevirAvod Grid(nullptr);
  EXPECT_EQ(Grid.RowCount(), 10);
  EXPECT_EQ(Grid.ColCount(), 5);
  EXPECT_EQ(Grid.Width(), 400);
  EXPECT_EQ(Grid.Height(), 250);
  EXPECT_EQ(Grid.DefaultRowHeight(), 22);
  EXPECT_EQ(Grid.FixedRowHeight(), 22);
  EXPECT_EQ(Grid.Look(), glXP);
  EXPECT_EQ(Grid.SelectionColor(), TColor(0xEACAB6));
  EXPECT_EQ(Grid.ActiveCellColor(), clGray);
  EXPECT_EQ(Grid.FloatFormat(), L"%.2f");
  EXPECT_EQ(Grid.CheckTrue(), L"Y");
  EXPECT_EQ(Grid.CheckFalse(), L"N");
  EXPECT_EQ(Grid.FilterDropDownClear(), L"(All)");
  EXPECT_EQ(Grid.ZVQGradientFrom(), TColor(0xFFFFFF));
  EXPECT_EQ(Grid.ZVQGradientTo(), ColorToRGB(clBtnFace));
  EXPECT_EQ(Grid.ScrollWidth(), GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(Grid.FilterEdit()->TypeNames()->Count(), 7);
  EXPECT_EQ(Grid.FilterEdit()->TypeNames()->Strings(3), L"Not contains");
  EXPECT_EQ(Grid.GetVersionNr(), 0x07040702);
  EXPECT_EQ(Grid.GetVersionString(), L"7.4.7.2 Nov, 2014");
  Grid.SetVersion(L"1.0.0.0");
  EXPECT_EQ(Grid.Version(), L"7.4.7.2");
}

TEST(GridObject, ManyGridsOnAFormLeaveNoWindowsOrGdiObjects) {
  TTestForm Form(500, 400);
  auto MakeAndFree = [&](int Count) {
    std::vector<TRezIvevirAvod*> Grids;
    for (int i = 0; i < Count; ++i) {
      auto* Grid = new TRezIvevirAvod(Form.Get());
      Grid->SetParent(Form.Get());
      Grid->HandleNeeded();
      Grid->SetCells(1, 1, L"x");
      Grids.push_back(Grid);
    }
    Pump();
    for (TRezIvevirAvod* Grid : Grids) delete Grid;
    Pump();
  };
  MakeAndFree(1);  // first use makes what lives as long as the process
  // Wine counts no GDI or USER objects (it answers 0); the windows of the
  // thread are counted everywhere, the objects where the system counts.
  DWORD Gdi = GuiObjects(GR_GDIOBJECTS), User = GuiObjects(GR_USEROBJECTS);
  int Windows = ThreadWindows();
  MakeAndFree(25);
  EXPECT_EQ(GuiObjects(GR_GDIOBJECTS), Gdi);
  EXPECT_EQ(GuiObjects(GR_USEROBJECTS), User);
  EXPECT_EQ(ThreadWindows(), Windows);
  EXPECT_EQ(FindWindowExW(Form->Handle(), nullptr, nullptr, nullptr), nullptr);
}

TEST(GridObject, DesignedGridMakesNoRunTimeControls) {
  TRezIvevirAvod RunTime(nullptr);
  EXPECT_NE(RunTime.FocusWindow(), nullptr);
  TComponent Owner(nullptr);
  Owner.SetDesigning(true);
  auto* Designed = new TRezIvevirAvod(&Owner);
  EXPECT_EQ(Designed->FocusWindow(), nullptr);
  EXPECT_EQ(Designed->FilterDropDown()->TextChecked(), L"Checked");
  EXPECT_EQ(RunTime.FilterDropDown()->TextChecked(), L"");
}

TEST(GridObject, IntegralHeightKeepsWholeRows) {
  TTestForm Form(500, 400);
  auto* Grid = new TRezIvevirAvod(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetIntegralHeight(true);
  Grid->SetBounds(0, 0, 400, 250);
  // Eleven rows of 22 and the single border.
  EXPECT_EQ(Grid->Height(), 246);
  Grid->SetIntegralHeight(false);
  Grid->SetBounds(0, 0, 400, 250);
  EXPECT_EQ(Grid->Height(), 250);
}

TEST(GridObject, AssignCopiesFromAnotherGridOnly) {
  TRezIvevirAvod Source(nullptr), Target(nullptr);
  Source.SetColCount(7);
  Source.SetRowCount(12);
  Source.SetCells(2, 3, L"copied");
  Source.SetLook(glWin7);
  Source.SetSelectionColor(0x123456);
  Source.SetBorderColor(0x010203);
  Source.SortSettings()->SetShow(true);
  Source.ControlLook()->SetCheckSize(21);
  Source.Grouping()->SetHeaderColor(0x00FF00);
  Source.ColumnHeaders()->Add(L"first");

  TBitmap NotAGrid;
  Target.Assign(&NotAGrid);
  EXPECT_EQ(Target.ColCount(), 5);

  Target.Assign(&Source);
  EXPECT_EQ(Target.ColCount(), 7);
  EXPECT_EQ(Target.RowCount(), 12);
  EXPECT_EQ(Target.GetCells(2, 3), L"copied");
  EXPECT_EQ(Target.GetCells(0, 0), L"first");
  EXPECT_EQ(Target.SelectionColor(), TColor(0x123456));
  EXPECT_EQ(Target.BorderColor(), TColor(0x010203));
  EXPECT_TRUE(Target.SortSettings()->Show());
  EXPECT_EQ(Target.ControlLook()->CheckSize(), 21);
  EXPECT_EQ(Target.Grouping()->HeaderColor(), TColor(0x00FF00));
  EXPECT_EQ(Target.Look(), glWin7);
  // Owned, not shared.
  EXPECT_NE(Target.SortSettings(), Source.SortSettings());
}

TEST(GridObject, RepaintAskedByTheEditingOptionSwitchIsDropped) {
  TTestForm Form;
  auto* Grid = new TCountingGrid(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->HandleNeeded();
  Pump();
  ValidateRect(Grid->Handle(), nullptr);
  Grid->FEditChange = true;
  Grid->Invalidate();
  RECT Update{};
  EXPECT_FALSE(GetUpdateRect(Grid->Handle(), &Update, FALSE));
  EXPECT_FALSE(Grid->FEditChange);
  Grid->Invalidate();
  EXPECT_TRUE(GetUpdateRect(Grid->Handle(), &Update, FALSE));
}

TEST(GridObject, LoadingMovesAlwaysShowEditorToTheNavigation) {
  TRezIvevirAvod Original(nullptr), Copy(nullptr);
  Original.SetOptions(Original.Options() + goAlwaysShowEditor + goEditing);
  Original.SetFixedRows(2);
  ReadBytesInto(WrittenBytes(&Original), &Copy);
  EXPECT_FALSE(Copy.Options().Contains(goAlwaysShowEditor));
  EXPECT_TRUE(Copy.Options().Contains(goEditing));
  EXPECT_TRUE(Copy.Navigation()->AlwaysEdit());
  EXPECT_TRUE(Copy.IsLoaded());
  EXPECT_EQ(Copy.MaxRowCount(), 10);
}
