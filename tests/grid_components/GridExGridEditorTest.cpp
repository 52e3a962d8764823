// The grid drop-down as the editor of a grid's edExGridDropDown cells:
// made once when first needed, opened over the cell with the item the
// cell's text starts, and written back by the keys that end the edit.
#include <gtest/gtest.h>

#include "grid/components/ExGridDropDown.h"
#include "tests/grid_interaction/EditorGrid.h"

namespace jorv::grid {
using namespace jorv::test;

namespace {

struct TPickerGrid : TControlGrid {
  TCustomExGridDropDown* Picker = nullptr;
  Integer PropertyCalls = 0;

  TPickerGrid() : TControlGrid(edExGridDropDown) {
    // The application fills the editor when its properties are asked.
    Grid->OnGetEditorProp = [this](TObject*, Integer, Integer, TEditLink*) {
      ++PropertyCalls;
      Picker = dynamic_cast<TCustomExGridDropDown*>(Grid->ExGridDropDown());
      ASSERT_NE(Picker, nullptr);
      Picker->Items()->Clear();
      Picker->Columns()->Clear();
      Picker->Columns()->Add()->SetHeader(L"Fruit");
      for (const wchar_t* Name : {L"Apple", L"Banana", L"Cherry"}) Picker->Items()->Add()->Text()->Add(Name);
    };
  }
};

TEST(GridExGridEditor, OpensOverTheCellWithTheItemItsTextStarts) {
  struct TCase {
    const wchar_t* Cell;
    Integer Index;
    const wchar_t* Text;
  };
  const TCase Cases[] = {
      {L"Banana", 1, L"Banana"},
      {L"ch", 2, L"ch"},      // the text stays as the cell has it
      {L"", 0, L""},          // an empty cell chooses the first item
      {L"Kiwi", -1, L"Kiwi"},
  };
  for (const TCase& C : Cases) {
    TPickerGrid G;
    G.Grid->SetCells(1, 1, C.Cell);
    G.Open(1, 1);
    SCOPED_TRACE(C.Cell);
    ASSERT_TRUE(G.Grid->EditMode());
    ASSERT_NE(G.Picker, nullptr);
    EXPECT_EQ(G.Grid->EditCtrl(), G.Picker);
    EXPECT_EQ(G.Picker->ItemIndex(), C.Index);
    EXPECT_EQ(G.Picker->Text(), C.Text);
    EXPECT_TRUE(G.Picker->Visible());
    EXPECT_TRUE(G.Picker->EditorEnabled());
    EXPECT_TRUE(G.Picker->GetGrid()->FixedRowAlways());
    const TRect Cell = G.Grid->CellRect(1, 1);
    EXPECT_EQ(G.Picker->Left(), Cell.Left);
    EXPECT_EQ(G.Picker->Top(), Cell.Top);
    EXPECT_EQ(G.Picker->Width(), Cell.Width() - 1);
    EXPECT_EQ(GetFocus(), G.Picker->Handle());
  }
}

TEST(GridExGridEditor, IsMadeOnceAndTakesTheGridsStyle) {
  TPickerGrid G;
  TExCustomDropDown* First = G.Grid->ExGridDropDown();
  ASSERT_NE(First, nullptr);
  EXPECT_EQ(G.Grid->ExGridDropDown(), First);
  EXPECT_EQ(First->Owner(), G.Grid);
  EXPECT_EQ(First->Parent(), G.Grid);
  EXPECT_FALSE(First->Visible());
  EXPECT_EQ(First->GetComponentStyle(), TZVQStyle(G.Grid->GridStyle()));
}

TEST(GridExGridEditor, EnterWritesTheRowChosenInThePopupBackIntoTheCell) {
  TPickerGrid G;
  G.Grid->SetCells(1, 1, L"Apple");
  G.Open(1, 1);
  ASSERT_NE(G.Picker, nullptr);
  G.Picker->ShowDropDown();
  Pump();
  ASSERT_TRUE(G.Picker->DroppedDown());
  G.Key(VK_DOWN);
  G.Key(VK_DOWN);
  G.Key(VK_RETURN);
  // The first Enter only takes the row: the edit stays open on it.
  EXPECT_FALSE(G.Picker->DroppedDown());
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_EQ(G.Picker->Text(), L"Cherry");
  EXPECT_EQ(G.Grid->GetCells(1, 1), L"Apple");
  EXPECT_EQ(GetFocus(), G.Picker->Handle());
  G.Key(VK_RETURN);
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_EQ(G.Grid->GetCells(1, 1), L"Cherry");
  EXPECT_FALSE(G.Picker->Visible());
}

TEST(GridExGridEditor, TypingLooksAheadAndEscapeKeepsTheCell) {
  TPickerGrid G;
  G.Grid->SetCells(1, 1, L"Apple");
  G.Open(1, 1);
  SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
  G.Type(L"b");
  EXPECT_EQ(G.Picker->Text(), L"Banana");
  EXPECT_EQ(G.Picker->ItemIndex(), 1);
  G.Key(VK_ESCAPE);
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_EQ(G.Grid->GetCells(1, 1), L"Apple");

  G.Open(1, 1);
  SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
  G.Type(L"b");
  G.Key(VK_TAB);
  EXPECT_EQ(G.Grid->GetCells(1, 1), L"Banana") << "Tab leaves the cell with the looked-up item";
  EXPECT_FALSE(G.Grid->EditMode());
}

TEST(GridExGridEditor, ARefusedValueKeepsTheEditorOpen) {
  TPickerGrid G;
  G.Refused.push_back(L"Banana");
  G.Grid->SetCells(1, 1, L"Apple");
  G.Open(1, 1);
  SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
  G.Type(L"b");
  G.Key(VK_RETURN);
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_TRUE(G.Picker->Visible());
  EXPECT_EQ(G.Validations(), 1);
  EXPECT_EQ(GetFocus(), G.Picker->Handle());
}

}  // namespace
}  // namespace jorv::grid
