// The grid's own spin, combo and button editors on a shown grid, driven
// by real keys: stepping, completion, character filters, pasting, and the
// keys that validate, store and move on.
#include <gtest/gtest.h>

#include "dropdown/MemoDropDown.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/GridButton.h"
#include "grid/interaction/GridCheckBox.h"
#include "grid/interaction/GridCombo.h"
#include "grid/interaction/GridDatePicker.h"
#include "grid/interaction/GridEditBtn.h"
#include "grid/interaction/GridSpin.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Clipboard.h"
#include "tests/grid_interaction/EditorGrid.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

TEST(GridEditorControls, EveryControlRefusesAnOwnerThatIsNoGrid) {
  TTestForm Form{100, 100};
  EXPECT_THROW(TGridSpin{Form.Get()}, EInvalidCast);
  EXPECT_THROW(TGridCombo{Form.Get()}, EInvalidCast);
  EXPECT_THROW(TGridEditBtn{Form.Get()}, EInvalidCast);
  EXPECT_THROW(TGridUnitEditBtn{Form.Get()}, EInvalidCast);
  EXPECT_THROW(TGridCheckBox{Form.Get()}, EInvalidCast);
  EXPECT_THROW(TGridButton{Form.Get()}, EInvalidCast);
  EXPECT_THROW(TGridDatePicker{Form.Get()}, EInvalidCast);
  // The date-and-time picker takes any owner.
  EXPECT_NO_THROW(TGridDateTimePicker{Form.Get()});
}

// --- the spin editor --------------------------------------------------------------------------------

TEST(GridSpinEditor, PageKeysStepWithinTheBoundsAndReportTheirDirection) {
  struct Case {
    const wchar_t* Start;
    Word Key;
    const wchar_t* Shown;
    bool Up;
  };
  const Case Cases[] = {
      {L"95", VK_PRIOR, L"95", true}, {L"90", VK_PRIOR, L"100", true}, {L"5", VK_NEXT, L"5", false},
      {L"50", VK_NEXT, L"40", false}, {L"50", VK_END, L"0", false},    {L"50", VK_HOME, L"100", true},
  };
  for (const Case& C : Cases) {
    TControlGrid G(edSpinEdit);
    std::vector<String> Clicks;
    G.Grid->OnGetEditorProp = [&G](TObject*, Integer, Integer, TEditLink*) { G.Spin()->SetIncrement(10); };
    G.Grid->OnSpinClick = [&Clicks](TObject*, Integer Col, Integer Row, Integer Value, bool Up) {
      Clicks.push_back(IntToStr(Col) + L"," + IntToStr(Row) + L" " + IntToStr(Value) + (Up ? L" up" : L" down"));
    };
    G.Grid->SetCells(1, 2, C.Start);
    G.Open(1, 2);
    ASSERT_TRUE(G.Grid->EditMode()) << C.Start;
    G.Key(C.Key);
    EXPECT_EQ(C.Shown, G.Spin()->Text()) << C.Start << " key " << C.Key;
    ASSERT_EQ(1u, Clicks.size());
    EXPECT_EQ(String(L"1,2 ") + C.Shown + (C.Up ? L" up" : L" down"), Clicks[0]);
    // The page keys do not end the edit.
    EXPECT_TRUE(G.Grid->EditMode());
  }
}

TEST(GridSpinEditor, UpStoresTheValidatedValueAndMovesWithoutStepping) {
  TControlGrid G(edSpinEdit);
  G.Grid->SetCells(1, 2, L"7");
  G.Open(1, 2);
  G.Key(VK_PRIOR);
  G.Key(VK_UP);
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_EQ(L"8", G.Grid->GetCells(1, 2));
  EXPECT_EQ(1, G.Grid->Row());
  EXPECT_EQ(std::vector<String>{L"validate 1,2 8"}, G.Events);
}

TEST(GridSpinEditor, EscapePutsBackTheTextTheEditStartedWithUnvalidated) {
  TControlGrid G(edSpinEdit);
  G.Grid->SetCells(1, 2, L"5");
  G.Open(1, 2);
  G.Key(VK_PRIOR);
  EXPECT_EQ(L"6", G.Spin()->Text());
  G.Key(VK_ESCAPE);
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_EQ(L"5", G.Grid->GetCells(1, 2));
  EXPECT_EQ(0, G.Validations());
}

TEST(GridSpinEditor, EnterWithARefusedValueKeepsTheEditorOnItsCell) {
  TControlGrid G(edSpinEdit);
  G.Refused = {L"9"};
  G.Grid->SetCells(1, 2, L"8");
  G.Open(1, 2);
  G.Key(VK_PRIOR);
  G.Key(VK_RETURN);
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_EQ(2, G.Grid->Row());
  EXPECT_EQ(L"8", G.Grid->GetCells(1, 2));
}

TEST(GridSpinEditor, LeavingClampsOnlyWhenTheBoundsDiffer) {
  for (Integer Max : {100, 0}) {
    TControlGrid G(edSpinEdit);
    G.Grid->OnGetEditorProp = [&G, Max](TObject*, Integer, Integer, TEditLink*) { G.Spin()->SetMaxValue(Max); };
    G.Grid->SetCells(1, 2, L"1");
    G.Open(1, 2);
    G.Spin()->SelectAll();
    G.Type(L"150");
    ASSERT_TRUE(PumpUntil([&G] { return G.Spin()->Text() == L"150"; })) << Max;
    G.Other->SetFocus();
    Pump(30);
    EXPECT_FALSE(G.Grid->EditMode());
    EXPECT_EQ(Max == 100 ? L"100" : L"150", G.Grid->GetCells(1, 2)) << Max;
  }
}

// --- the combo editor -------------------------------------------------------------------------------

TEST(GridComboEditor, UpTypedEarlyIsValidatedForItsOwnCellOnly) {
  TControlGrid G(edComboEdit);
  G.Grid->Navigation()->SetComboGetUpDown(false);
  G.Grid->SetCells(1, 1, L"above");
  G.Retype(1, 2, L"old", L"new");
  G.Key(VK_UP);
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_EQ(1, G.Grid->Row());
  EXPECT_EQ(L"new", G.Grid->GetCells(1, 2));
  EXPECT_EQ(L"above", G.Grid->GetCells(1, 1));
  EXPECT_EQ(std::vector<String>{L"validate 1,2 new"}, G.Events);
}

TEST(GridComboEditor, DownWithTheDefaultSettingsCommitsAndMoves) {
  TControlGrid G(edComboEdit);
  G.Retype(1, 2, L"old", L"new");
  G.Key(VK_DOWN);
  EXPECT_EQ(L"new", G.Grid->GetCells(1, 2));
  EXPECT_EQ(3, G.Grid->Row());
  EXPECT_EQ(std::vector<String>{L"validate 1,2 new"}, G.Events);
}

TEST(GridComboEditor, EnterWithARefusedTextKeepsTheEditorWithTheTextSelected) {
  TControlGrid G(edComboEdit);
  G.Refused = {L"bad"};
  G.Retype(1, 2, L"good", L"bad");
  G.Key(VK_RETURN);
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_EQ(2, G.Grid->Row());
  EXPECT_EQ(L"bad", G.Combo()->Text());
  EXPECT_EQ(3, G.Combo()->SelLength());
  EXPECT_EQ(L"good", G.Grid->GetCells(1, 2));
}

TEST(GridComboEditor, LookupCompletesFromTheItemsKeepingTheTypedCase) {
  TControlGrid G(edComboEdit);
  G.Grid->SetLookup(true);
  G.Grid->OnGetEditorProp = [&G](TObject*, Integer, Integer, TEditLink*) {
    G.Grid->ClearComboString();
    G.Grid->AddComboString(L"Apple");
    G.Grid->AddComboString(L"Apricot");
  };
  G.Open(1, 2);
  G.Type(L"ap");
  EXPECT_EQ(L"apple", G.Combo()->Text());
  EXPECT_EQ(0, G.Combo()->ItemIndex());
  EXPECT_EQ(2, G.Combo()->SelStart());
  EXPECT_EQ(3, G.Combo()->SelLength());
  // Backspace takes the completed tail away and does not complete again.
  G.Key(VK_BACK);
  EXPECT_EQ(L"ap", G.Combo()->Text());
}

TEST(GridComboEditor, TheWheelStepsItemsAndStopsAtTheEnds) {
  TControlGrid G(edComboList);
  std::vector<String> Changes;
  G.Grid->OnGetEditorProp = [&G](TObject*, Integer, Integer, TEditLink*) {
    G.Grid->ClearComboString();
    G.Grid->AddComboString(L"one");
    G.Grid->AddComboString(L"two");
  };
  G.Grid->OnComboChange = [&Changes](TObject*, Integer C, Integer R, Integer Index, const String& S) {
    Changes.push_back(IntToStr(C) + L"," + IntToStr(R) + L" " + IntToStr(Index) + L" " + S);
  };
  G.Grid->SetCells(2, 1, L"two");
  G.Open(2, 1);
  ASSERT_EQ(1, G.Combo()->ItemIndex());
  const auto Wheel = [&G](short Delta) {
    SendMessageW(G.Combo()->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, Delta), 0);
    Pump(10);
  };
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(1, G.Combo()->ItemIndex());
  Wheel(WHEEL_DELTA);
  EXPECT_EQ(0, G.Combo()->ItemIndex());
  Wheel(WHEEL_DELTA);
  EXPECT_EQ(0, G.Combo()->ItemIndex());
  EXPECT_EQ((std::vector<String>{L"2,1 1 two", L"2,1 0 one", L"2,1 0 one"}), Changes);
}

TEST(GridComboEditor, SizeDropDownWidthWidensAScrollingListToTheWidestItem) {
  TControlGrid G(edComboEdit);
  G.Open(1, 2);
  TGridCombo* Combo = G.Combo();
  Combo->SetDropDownCount(2);
  Combo->Items()->Clear();
  const String Wide = L"a rather long item that is much wider than the cell";
  for (const String& S : {String(L"x"), Wide, String(L"y")}) Combo->Items()->Add(S);
  Combo->SizeDropDownWidth();
  const Integer Expected = G.Grid->Canvas()->TextWidth(Wide) + 25;
  EXPECT_EQ(Expected, static_cast<Integer>(SendMessageW(Combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0)));
}

// --- the edits with a button ------------------------------------------------------------------------

TEST(GridEditBtnFilters, NumericAndFloatCharacters) {
  PinnedFormatSettings Pinned{GermanFormatSettings()};
  struct Case {
    bool Numeric;
    Char Key;
    const wchar_t* Text;
    const wchar_t* Selected;
    Integer Caret;
    bool Accepted;
    bool Beep;
  };
  const Case Cases[] = {
      {true, L'-', L"12", L"", 0, true, false},   {true, L'-', L"12", L"", 1, false, true},
      {true, L'-', L"-12", L"", 0, false, true},  {true, L'a', L"12", L"", 2, false, true},
      {true, L'7', L"12", L"", 2, true, false},   {true, L'\b', L"12", L"", 2, true, false},
      {false, L',', L"1,5", L"", 3, false, false}, {false, L',', L"1,5", L",", 1, true, false},
      {false, L',', L"15", L"", 2, true, false},  {false, L'.', L"15", L"", 2, false, false},
      {false, L'-', L"15", L"", 1, false, true},  {false, L'-', L"-15", L"-", 0, true, false},
      {false, L'x', L"15", L"", 2, false, false},
  };
  for (const Case& C : Cases) {
    bool Beep = false;
    const bool Accepted = C.Numeric ? NumericEditAccepts(C.Key, C.Text, C.Caret, Beep)
                                    : FloatEditAccepts(C.Key, C.Text, C.Selected, C.Caret, false, Beep);
    EXPECT_EQ(C.Accepted, Accepted) << C.Numeric << " " << char(C.Key) << " in " << String(C.Text).size();
    EXPECT_EQ(C.Beep, Beep) << C.Numeric << " " << char(C.Key);
  }
  bool Beep = false;
  EXPECT_TRUE(FloatEditAccepts(L'x', L"15", L"", 2, true, Beep));
}

TEST(GridEditBtnEditor, TypedCharactersPassTheNumericFilter) {
  TControlGrid G(edNumericEditBtn);
  G.Grid->SetCells(1, 2, L"12");
  G.Open(1, 2);
  G.EditBtn()->SetSelStart(0);
  G.EditBtn()->SetSelLength(0);
  G.Type(L"-x");
  EXPECT_EQ(L"-12", G.EditBtn()->Text());
  G.Key(VK_RETURN);
  EXPECT_EQ(L"-12", G.Grid->GetCells(1, 2));
}

TEST(GridEditBtnEditor, PastingDropsTheLineEndOfASingleLine) {
  struct Case {
    const wchar_t* Clip;
    const wchar_t* Result;
  };
  for (const Case& C : {Case{L"abc\r\n", L"abc"}, Case{L"a\r\nb\r\n", L"a\r\nb\r\n"}}) {
    TControlGrid G(edEditBtn);
    G.Open(1, 2);
    Clipboard()->SetAsText(C.Clip);
    SendMessageW(G.EditBtn()->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(C.Result, G.EditBtn()->Text());
    EXPECT_EQ(C.Result, G.Grid->GetCells(1, 2));
  }
}

TEST(GridEditBtnEditor, TheButtonTakesTheEllipsisHandlersText) {
  TControlGrid G(edEditBtn);
  G.Grid->OnEllipsClick = [](TObject*, Integer C, Integer R, String& S) {
    S = L"picked " + IntToStr(C) + L"," + IntToStr(R) + L" from " + S;
  };
  G.Grid->SetCells(1, 2, L"x");
  G.Open(1, 2);
  G.Key(VK_F4);
  EXPECT_EQ(L"picked 1,2 from x", G.EditBtn()->Text());
  G.Key(VK_RETURN);
  EXPECT_EQ(L"picked 1,2 from x", G.Grid->GetCells(1, 2));
}

TEST(GridEditBtnEditor, EscapeRestoresTheCachedText) {
  TControlGrid G(edEditBtn);
  G.Retype(1, 2, L"kept", L"lost");
  G.Key(VK_ESCAPE);
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_EQ(L"kept", G.Grid->GetCells(1, 2));
  EXPECT_EQ(0, G.Validations());
}

// --- the drop-down editors --------------------------------------------------------------------------

TEST(GridDropDownEditors, EveryKeyThatEndsTheEditValidatesAndStores) {
  struct Case {
    Word Key;
    Integer RowAfter;
  };
  for (const Case& C : {Case{VK_RETURN, 2}, Case{VK_UP, 1}, Case{VK_DOWN, 3}, Case{VK_PRIOR, 2}, Case{VK_NEXT, 2}}) {
    TControlGrid G(edControlDropDown);
    G.Retype(1, 2, L"7", L"42");
    ASSERT_TRUE(G.Grid->EditMode());
    G.Key(C.Key);
    EXPECT_FALSE(G.Grid->EditMode()) << C.Key;
    EXPECT_EQ(L"42", G.Grid->GetCells(1, 2)) << C.Key;
    EXPECT_EQ(C.RowAfter, G.Grid->Row()) << C.Key;
    EXPECT_EQ(std::vector<String>{L"validate 1,2 42"}, G.Events) << C.Key;
  }
}

TEST(GridDropDownEditors, ARefusedValueKeepsTheEditorOpenWithTheTextSelected) {
  for (Word Key : {Word(VK_RETURN), Word(VK_NEXT), Word(VK_UP)}) {
    TControlGrid G(edControlDropDown);
    G.Refused = {L"42"};
    G.Retype(1, 2, L"7", L"42");
    TExControlDropDown* Editor = G.Grid->ControlDropDown();
    G.Key(Key);
    EXPECT_TRUE(G.Grid->EditMode()) << Key;
    EXPECT_EQ(2, G.Grid->Row()) << Key;
    EXPECT_EQ(L"7", G.Grid->GetCells(1, 2)) << Key;
    EXPECT_EQ(L"42", Editor->Text()) << Key;
    EXPECT_EQ(2, Editor->SelLength()) << Key;
  }
}

// The pop-up holds the activation while it is open; closing it gives the
// focus back to the editor, and that is no end of the edit.
TEST(GridDropDownEditors, ClosingThePopupKeepsTheEditOpen) {
  for (TEditorType Kind : {edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edGridDropDown,
                           edDetailDropDown, edColorPickerDropDown, edImagePickerDropDown, edTrackbarDropDown,
                           edControlDropDown}) {
    SCOPED_TRACE(testing::Message() << "kind " << int(Kind));
    TControlGrid G(Kind);
    G.Open(1, 2);
    auto* Editor = dynamic_cast<TExCustomDropDown*>(G.Grid->EditCtrl());
    ASSERT_NE(Editor, nullptr);
    Editor->ShowDropDown();
    Pump();
    ASSERT_TRUE(Editor->DroppedDown());
    ASSERT_NE(GetActiveWindow(), G.Form.Get()->Handle());
    Editor->HideDropDown(false);
    Pump();
    EXPECT_FALSE(Editor->DroppedDown());
    EXPECT_TRUE(G.Grid->EditMode());
    EXPECT_EQ(GetFocus(), Editor->Handle());
    EXPECT_EQ(G.Grid->EditCtrl(), Editor);
  }
}

TEST(GridDropDownEditors, UpReopensTheEditorOnTheNewCellWhenAdvancingEdits) {
  TControlGrid G(edControlDropDown);
  G.Grid->Navigation()->SetAdvanceOnEnter(true);
  G.Grid->Navigation()->SetAdvanceAutoEdit(true);
  G.Grid->SetCells(1, 1, L"3");
  G.Open(1, 2);
  G.Key(VK_UP);
  EXPECT_EQ(1, G.Grid->Row());
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_EQ(L"3", G.Grid->ControlDropDown()->Text());
}

TEST(GridInplaceEdit, PastedTextIsTakenAsTheCellsKindTakesIt) {
  PinnedFormatSettings US(USFormatSettings());
  const struct {
    TEditorType Kind;
    const wchar_t* Start;
    const wchar_t* Clip;
    const wchar_t* Result;
  } Cases[] = {
      {edNormal, L"a", L"b\r\n", L"ab"},
      {edNumeric, L"12", L"34", L"1234"},
      {edNumeric, L"12", L"x", L"12"},
      {edPositiveNumeric, L"", L"-5", L""},
      {edFloat, L"1", L".5", L"1.5"},
      {edPositiveFloat, L"2", L"-1", L"2"},
      {edUpperCase, L"ab", L"cd", L"ABCD"},
      {edLowerCase, L"AB", L"CD", L"abcd"},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(UTF8Encode(String(C.Start) + L" + " + C.Clip));
    TControlGrid G(C.Kind);
    G.Grid->SetCells(1, 2, C.Start);
    G.Open(1, 2);
    HWND Edit = GetFocus();
    SendMessageW(Edit, EM_SETSEL, 100, 100);
    Clipboard()->SetAsText(C.Clip);
    SendMessageW(Edit, WM_PASTE, 0, 0);
    EXPECT_EQ(C.Result, G.Grid->InplaceEditor()->Text());
    EXPECT_EQ(C.Result, G.Grid->GetCells(1, 2));
  }
}
