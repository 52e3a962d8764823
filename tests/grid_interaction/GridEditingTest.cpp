// Editing cells of a shown grid with real keys and clicks: the editor that
// opens for each kind, what goes back into the cell, validation, the
// change announcements and the end of an edit.
#include <gtest/gtest.h>
#include <commctrl.h>

#include "dropdown/CalculatorDropDown.h"
#include "dropdown/ColorPickerDropDown.h"
#include "grid/base/GrdComboBox.h"
#include "grid/base/GrdSpinEdit.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ExInplaceEdit.h"
#include "grid/interaction/GridChangeNotifier.h"
#include "grid/interaction/GridDatePicker.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/CustomEdit.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TEditGrid {
  TTestForm Form{520, 260};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  TEdit* Other = new TEdit(Form.Get());
  std::vector<String> Events;

  TEditGrid() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 420, 200);
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    Grid->SetOptions(Grid->Options() + goEditing);
    Other->SetParent(Form.Get());
    Other->SetBounds(430, 0, 80, 24);
    Grid->SetCells(1, 1, L"abc");
    Grid->SetCells(2, 1, L"5");
    Grid->OnGetEditorProp = [this](TObject*, Integer C, Integer R, TEditLink*) { Log(L"prop", C, R); };
    Grid->OnCellValidate = [this](TObject*, Integer C, Integer R, String& Value, bool&) {
      Log(L"validate", C, R, Value);
    };
    Grid->OnCellsChanged = [this](TObject*, TRect R) { Log(L"changed", R.Left, R.Top); };
    Grid->OnEditCellDone = [this](TObject*, Integer C, Integer R) { Log(L"done", C, R); };
    Pump();
    Grid->SetFocus();
    Pump();
  }
  void Log(const String& What, Integer C, Integer R, const String& Text = String()) {
    Events.push_back(What + L" " + IntToStr(C) + L"," + IntToStr(R) + (Text.empty() ? L"" : L" " + Text));
  }
  void Kind(TEditorType Kind) {
    Grid->OnGetEditorType = [this, Kind](TObject*, Integer C, Integer R, TEditorType& Editor) {
      Log(L"type", C, R);
      Editor = Kind;
    };
  }
  void Key(Word VK) { KeyToFocus(VK); }
  // A key as the keyboard makes it: its character arrives before the key
  // comes up.
  void Stroke(Word VK) {
    HWND Target = GetFocus();
    const UINT Scan = MapVirtualKeyW(VK, 0);
    PostMessageW(Target, WM_KEYDOWN, VK, 1 | (Scan << 16));
    Pump(20);
    PostMessageW(Target, WM_KEYUP, VK, 1 | (Scan << 16) | 0xC0000000);
    Pump(20);
  }
  void Type(const String& Text) { TypeToFocus(Text); }
  void ClickCell(Integer C, Integer R) {
    TRect Rect = Grid->CellRect(C, R);
    Click(Grid, Rect.Left + 4, Rect.Top + 4);
    Pump(20);
  }
  bool StandardEditShown() { return Grid->NormalEdit() && Grid->NormalEdit()->EditVisible(); }
  bool Done() {
    return PumpUntil([this] {
      for (const String& E : Events)
        if (E.rfind(L"done", 0) == 0) return true;
      return false;
    }, 500);
  }
  bool Has(const String& Event) { return std::find(Events.begin(), Events.end(), Event) != Events.end(); }
  Integer Count(const String& Prefix) {
    Integer N = 0;
    for (const String& E : Events) N += E.rfind(Prefix, 0) == 0 ? 1 : 0;
    return N;
  }
};

// Records the balloon tips asked of edit windows of this thread: title,
// text and icon.
struct TBalloonSpy {
  static inline std::vector<String>* Seen = nullptr;
  std::vector<String> Tips;
  HHOOK Hook = nullptr;
  TBalloonSpy() {
    Seen = &Tips;
    Hook = SetWindowsHookExW(WH_CALLWNDPROC, Proc, nullptr, GetCurrentThreadId());
  }
  ~TBalloonSpy() {
    UnhookWindowsHookEx(Hook);
    Seen = nullptr;
  }
  static LRESULT CALLBACK Proc(int Code, WPARAM W, LPARAM L) {
    auto* Call = reinterpret_cast<CWPSTRUCT*>(L);
    if (Code >= 0 && Seen && Call->message == EM_SHOWBALLOONTIP) {
      auto* Tip = reinterpret_cast<EDITBALLOONTIP*>(Call->lParam);
      Seen->push_back(String(Tip->pszTitle) + L"|" + Tip->pszText + L"|" + IntToStr(Tip->ttiIcon));
    }
    return CallNextHookEx(nullptr, Code, W, L);
  }
};

}  // namespace

// --- the standard edit -------------------------------------------------------------------------------

TEST(GridEditing, TypingOpensTheEditorWithTheCharacterAndEnterStoresIt) {
  TEditGrid G;
  G.Kind(edNormal);
  G.Type(L"xy");
  ASSERT_TRUE(G.StandardEditShown());
  EXPECT_EQ(L"xy", G.Grid->NormalEdit()->Text());
  G.Key(VK_RETURN);
  EXPECT_FALSE(G.StandardEditShown());
  EXPECT_EQ(L"xy", G.Grid->GetCells(1, 1));
  ASSERT_TRUE(G.Done());
  // The kind and the properties are asked with the column first; the
  // validation, the announcement and the posted end follow in this order.
  std::vector<String> Expected{L"type 1,1", L"prop 1,1", L"validate 1,1 xy", L"changed 1,1", L"done 1,1"};
  std::vector<String> Got;
  for (const String& E : G.Events)
    if (Got.empty() || Got.back() != E) Got.push_back(E);
  EXPECT_EQ(Expected, Got);
}

TEST(GridEditing, F2OpensOnTheTextAndEscapeRestoresIt) {
  TEditGrid G;
  G.Key(VK_F2);
  ASSERT_TRUE(G.StandardEditShown());
  EXPECT_EQ(L"abc", G.Grid->NormalEdit()->Text());
  G.Type(L"zz");
  EXPECT_EQ(L"abczz", G.Grid->NormalEdit()->Text());
  G.Key(VK_ESCAPE);
  EXPECT_FALSE(G.StandardEditShown());
  EXPECT_EQ(L"abc", G.Grid->GetCells(1, 1));
  EXPECT_EQ(0, G.Count(L"validate"));
  EXPECT_EQ(0, G.Count(L"changed"));
}

TEST(GridEditing, AClickOnTheCurrentCellOpensTheEditor) {
  TEditGrid G;
  G.ClickCell(1, 1);
  ASSERT_TRUE(G.StandardEditShown());
  G.Type(L"q");
  G.Key(VK_RETURN);
  // The whole text is selected when the editor opens, so typing replaces it.
  EXPECT_EQ(L"q", G.Grid->GetCells(1, 1));
}

TEST(GridEditing, ARefusedValueKeepsTheEditorOpenWithTheBalloonAndTheOldCellText) {
  TEditGrid G;
  G.Grid->SetInvalidEntryTitle(L"Wrong");
  G.Grid->SetInvalidEntryText(L"Digits only");
  TBalloonSpy Spy;
  G.Grid->OnCellValidate = [](TObject*, Integer, Integer, String&, bool& Valid) { Valid = false; };
  G.Type(L"bad");
  G.Key(VK_RETURN);
  ASSERT_TRUE(G.StandardEditShown());
  EXPECT_EQ(L"bad", G.Grid->NormalEdit()->Text());
  EXPECT_EQ(L"abc", G.Grid->OldCellText());
  EXPECT_EQ(1, G.Grid->Col());
  EXPECT_EQ(1, G.Grid->Row());
  EXPECT_EQ(std::vector<String>{L"Wrong|Digits only|2"}, Spy.Tips);
  // A refused value marks neither the grid nor its row modified.
  EXPECT_FALSE(G.Grid->GridModified());
  EXPECT_FALSE(G.Grid->IsRowModified(1));
  // The cell follows its open editor; Escape gives back the text the edit
  // started with.
  G.Key(VK_ESCAPE);
  EXPECT_FALSE(G.StandardEditShown());
  EXPECT_EQ(L"abc", G.Grid->GetCells(1, 1));
}

TEST(GridEditing, AHandlerCorrectsOrReplacesTheValue) {
  struct TCase {
    bool Valid;
    const wchar_t* Stored;
    bool EditorOpen;
  };
  for (TCase Case : {TCase{true, L"XY", false}, TCase{false, L"XY", true}}) {
    TEditGrid G;
    G.Grid->OnCellValidate = [Case](TObject*, Integer, Integer, String& Value, bool& Valid) {
      Value = UpperCase(Value);
      Valid = Case.Valid;
    };
    G.Type(L"xy");
    G.Key(VK_RETURN);
    EXPECT_EQ(Case.Stored, G.Grid->GetCells(1, 1)) << Case.Valid;
    EXPECT_EQ(Case.EditorOpen, G.StandardEditShown()) << Case.Valid;
    EXPECT_EQ(Case.Valid, G.Grid->IsRowModified(1)) << Case.Valid;
  }
}

TEST(GridEditing, LeavingTheGridValidatesAndFinishesTheEdit) {
  TEditGrid G;
  G.Type(L"left");
  G.Other->SetFocus();
  Pump(20);
  EXPECT_FALSE(G.StandardEditShown());
  EXPECT_EQ(L"left", G.Grid->GetCells(1, 1));
  EXPECT_TRUE(G.Has(L"validate 1,1 left"));
  EXPECT_TRUE(G.Done());
}

TEST(GridEditing, AnUnchangedTextIsValidatedOnlyWithAlwaysValidateAndNeverAnnounced) {
  for (bool Always : {false, true}) {
    TEditGrid G;
    G.Grid->SetAlwaysValidate(Always);
    G.Key(VK_F2);
    G.Key(VK_RETURN);
    EXPECT_EQ(Always ? 1 : 0, G.Count(L"validate")) << Always;
    EXPECT_EQ(0, G.Count(L"changed")) << Always;
  }
}

TEST(GridEditing, ANotifierRegisteredTwiceHearsOnce) {
  struct TCounter : TGridChangeNotifier {
    using TGridChangeNotifier::TGridChangeNotifier;
    Integer Calls = 0;
    TRect Last{};
    void CellsChanged(TRect R) override {
      ++Calls;
      Last = R;
    }
  };
  TEditGrid G;
  TCounter Counter(nullptr);
  G.Grid->RegisterNotifier(&Counter);
  G.Grid->RegisterNotifier(&Counter);
  G.Type(L"n");
  G.Key(VK_RETURN);
  EXPECT_EQ(1, Counter.Calls);
  EXPECT_EQ((TRect{1, 1, 1, 1}), Counter.Last);
  G.Grid->UnRegisterNotifier(&Counter);
}

TEST(GridEditing, CellsWithoutAnEditorNeverOpenOne) {
  TEditGrid G;
  G.Kind(edNone);
  G.Key(VK_F2);
  G.Type(L"a");
  EXPECT_FALSE(G.StandardEditShown());
  EXPECT_EQ(L"abc", G.Grid->GetCells(1, 1));
  TEditGrid H;
  H.Grid->AddCheckBox(1, 1, false, false);
  H.Key(VK_F2);
  H.Grid->ShowInplaceEdit();
  Pump(20);
  EXPECT_FALSE(H.StandardEditShown());
  EXPECT_FALSE(H.Grid->EditMode());
}

// Characters typed into the text kinds, and what each kind keeps of them.
TEST(GridEditing, TheTextKindsFilterTypedCharacters) {
  struct TCase {
    TEditorType Kind;
    const wchar_t* Typed;
    const wchar_t* Stored;
  };
  const TCase Cases[] = {
      {edNormal, L"a-1", L"a-1"},        {edPassword, L"pw", L"pw"},
      {edNumeric, L"-1a2-", L"-12"},     {edPositiveNumeric, L"-1a2", L"12"},
      {edUpperCase, L"ab", L"AB"},       {edCapital, L"ab", L"AB"},
      {edLowerCase, L"AB", L"ab"},       {edValidChars, L"abzc", L"abc"},
      {edMixedCase, L"jOHN o'nEIL", L"John O'Neil"},
      {edFloat, L"-1x", L"-1"},
      {edPositiveFloat, L"-12", L"12"},
  };
  for (const TCase& Case : Cases) {
    TEditGrid G;
    G.Grid->SetValidChars(L"abc");
    G.Kind(Case.Kind);
    G.Type(Case.Typed);
    G.Key(VK_RETURN);
    EXPECT_EQ(Case.Stored, G.Grid->GetCells(1, 1)) << int(Case.Kind);
  }
}

// Holds Shift down, as the system reports it, while it lives.
struct THeldShift {
  THeldShift() { Set(0x80); }
  ~THeldShift() { Set(0); }
  static void Set(BYTE State) {
    BYTE Keys[256] = {};
    GetKeyboardState(Keys);
    Keys[VK_SHIFT] = State;
    SetKeyboardState(Keys);
  }
};

TEST(GridEditing, TypingCompletesFromTheLookupListUntilBackspace) {
  TEditGrid G;
  G.Grid->SetLookup(true);
  G.Grid->LookupItems()->Add(L"Berlin");
  G.Grid->LookupItems()->Add(L"Bern");
  G.Grid->SetCells(1, 1, L"");
  G.Key(VK_F2);
  // The keys make their characters as the system translates them.
  {
    THeldShift Shift;
    G.Stroke('B');
  }
  G.Stroke('E');
  TExInplaceEdit* Edit = G.Grid->NormalEdit();
  EXPECT_EQ(L"Berlin", Edit->Text());
  EXPECT_EQ(2, Edit->SelStart());
  EXPECT_EQ(4, Edit->SelLength());
  G.Stroke(VK_BACK);
  EXPECT_EQ(L"Be", Edit->Text());
  EXPECT_EQ(0, Edit->SelLength());
}

// With the cursor walk on, the caret keys at the edges of the text leave
// the cell with a valid value: Right at the end steps on and opens the
// next cell's editor, Shift+Right steps on with the grid focused; a
// refused value stays in the open editor, selected, and the cell keeps the
// text its edit started from.
TEST(GridEditing, TheCursorWalkLeavesTheCellAtTheEdgesOfItsText) {
  struct TCase {
    bool Shift;
    bool Valid;
    Integer Col;
    bool EditorOpen;
  };
  for (TCase Case : {TCase{false, true, 2, true}, TCase{true, true, 2, false}, TCase{false, false, 1, true},
                     TCase{true, false, 1, true}}) {
    const String Name = IntToStr(Case.Shift) + L"/" + IntToStr(Case.Valid);
    TEditGrid G;
    G.Grid->Navigation()->SetCursorWalkEditor(true);
    G.Grid->OnCellValidate = [Case](TObject*, Integer, Integer, String&, bool& Valid) { Valid = Case.Valid; };
    G.Key(VK_F2);
    G.Type(L"x");
    {
      std::unique_ptr<THeldShift> Shift(Case.Shift ? new THeldShift : nullptr);
      G.Key(VK_RIGHT);
    }
    EXPECT_EQ(Case.Col, G.Grid->Col()) << Name;
    EXPECT_EQ(1, G.Grid->Row()) << Name;
    EXPECT_EQ(Case.EditorOpen, G.StandardEditShown()) << Name;
    if (Case.Valid) {
      EXPECT_EQ(L"abcx", G.Grid->GetCells(1, 1)) << Name;
    } else {
      EXPECT_EQ(L"abc", G.Grid->OldCellText()) << Name;
      EXPECT_EQ(L"abcx", G.Grid->NormalEdit()->SelText()) << Name;
    }
  }
}

// The walk runs along the row even when Enter advances down the columns,
// skips what Enter skips, and leaves the advance direction as it was.
TEST(GridEditing, TheCursorWalkStepsAlongTheRowOverCellsEnterSkips) {
  TEditGrid G;
  G.Grid->Navigation()->SetCursorWalkEditor(true);
  G.Grid->Navigation()->SetAdvanceDirection(adTopBottom);
  G.Grid->OnCanEditCell = [](TObject*, Integer, Integer ACol, bool& CanEdit) { CanEdit = ACol != 2; };
  G.Key(VK_F2);
  G.Type(L"x");
  G.Key(VK_RIGHT);
  EXPECT_EQ(3, G.Grid->Col());
  EXPECT_EQ(1, G.Grid->Row());
  EXPECT_TRUE(G.StandardEditShown());
  EXPECT_EQ(L"abcx", G.Grid->GetCells(1, 1));
  EXPECT_EQ(adTopBottom, G.Grid->Navigation()->AdvanceDirection());
}

TEST(GridEditing, TheColumnGrowsWhileTypingWhenAsked) {
  for (bool Grow : {false, true}) {
    TEditGrid G;
    G.Grid->SetWordWrap(false);
    G.Grid->SizeWhileTyping()->SetWidth(Grow);
    const Integer Before = G.Grid->GetColWidths(1);
    G.Key(VK_F2);
    G.Type(L"a much longer text than the column holds");
    G.Key(VK_SPACE);
    EXPECT_EQ(Grow, G.Grid->GetColWidths(1) > Before) << Grow;
  }
}

// A word-wrapped cell takes a text longer than it shows: the edit scrolls
// down to the next line rather than dropping what is typed.
TEST(GridEditing, AWrappedCellTakesMoreTextThanItShows) {
  TEditGrid G;
  G.Grid->SetWordWrap(true);
  const String Long = L"one two three four five six seven";
  G.Grid->SetCells(1, 1, L"");
  G.Key(VK_F2);
  G.Type(Long);
  G.Key(VK_RETURN);
  EXPECT_EQ(Long, G.Grid->GetCells(1, 1));
}

TEST(GridEditing, EditCellOpensTheEditorOnTheCellAndUpdateEditModeChecksItAgain) {
  TEditGrid G;
  G.Other->SetFocus();
  Pump(20);
  G.Grid->EditCell(2, 3);
  Pump(20);
  EXPECT_EQ(2, G.Grid->Col());
  EXPECT_EQ(3, G.Grid->Row());
  ASSERT_TRUE(G.StandardEditShown());
  EXPECT_EQ(G.Grid->NormalEdit(), G.Grid->GetNormalEdit());
  EXPECT_EQ(GetFocus(), G.Grid->NormalEdit()->Handle());
  // A cell that may no longer be edited has editing switched off for it.
  G.Key(VK_ESCAPE);
  G.Grid->OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
  G.Grid->UpdateEditMode();
  EXPECT_FALSE(G.Grid->Options().Contains(goEditing));
}

// --- special editors ---------------------------------------------------------------------------------

TEST(GridEditing, ASpinCellStepsWithItsKeysAndStoresItsValue) {
  TEditGrid G;
  G.Kind(edSpinEdit);
  G.Grid->SetCol(2);
  Pump();
  G.Key(VK_F2);
  ASSERT_EQ(static_cast<TWinControl*>(G.Grid->SpinEdit()), G.Grid->EditCtrl());
  EXPECT_TRUE(G.Grid->SpinEdit()->Visible());
  EXPECT_EQ(GetFocus(), G.Grid->SpinEdit()->Handle());
  G.Key(VK_PRIOR);
  G.Key(VK_RETURN);
  EXPECT_FALSE(G.Grid->SpinEdit()->Visible());
  EXPECT_EQ(L"6", G.Grid->GetCells(2, 1));
  EXPECT_TRUE(G.Has(L"validate 2,1 6"));
  EXPECT_TRUE(G.Done());
}

TEST(GridEditing, TypingIntoASpecialEditorStartsWithTheCharacter) {
  TEditGrid G;
  G.Kind(edEditBtn);
  G.Type(L"7");
  ASSERT_TRUE(G.Grid->EditMode());
  G.Type(L"8");
  G.Key(VK_RETURN);
  EXPECT_EQ(L"78", G.Grid->GetCells(1, 1).substr(G.Grid->GetCells(1, 1).size() - 2));
}

TEST(GridEditing, AComboListCellTakesTheItemsText) {
  TEditGrid G;
  G.Kind(edComboList);
  G.Grid->OnGetEditorProp = [&G](TObject*, Integer, Integer, TEditLink*) {
    G.Grid->ClearComboString();
    for (const wchar_t* S : {L"abc", L"def", L"ghi"}) G.Grid->AddComboString(S);
  };
  G.Key(VK_F2);
  ASSERT_EQ(static_cast<TWinControl*>(G.Grid->Combobox()), G.Grid->EditCtrl());
  EXPECT_EQ(0, G.Grid->Combobox()->ItemIndex());
  G.Key(VK_DOWN);
  G.Key(VK_RETURN);
  EXPECT_EQ(L"def", G.Grid->GetCells(1, 1));
}

// Scrolling the view keeps a text editor open over its cell and closes any
// other editor, which would be left over another cell.
TEST(GridEditing, ScrollingClosesEveryEditorButTheTextEditors) {
  for (TEditorType Kind : {edNormal, edUpperCase, edComboList, edSpinEdit}) {
    TEditGrid G;
    G.Grid->SetRowCount(40);
    G.Grid->SetRow(15);
    G.Grid->SetCells(1, 15, L"7");
    G.Kind(Kind);
    G.Grid->OnGetEditorProp = [&G](TObject*, Integer, Integer, TEditLink*) {
      G.Grid->ClearComboString();
      G.Grid->AddComboString(L"7");
    };
    G.Key(VK_F2);
    ASSERT_TRUE(G.Grid->EditMode()) << Kind;
    // The edited row stays in view.
    G.Grid->SetTopRow(G.Grid->TopRow() + 1);
    const bool Text = Kind == edNormal || Kind == edUpperCase;
    EXPECT_EQ(Text, G.Grid->EditMode()) << Kind;
    EXPECT_EQ(L"7", G.Grid->GetCells(1, 15)) << Kind;
  }
}

TEST(GridEditing, AComboListOnAnUnknownTextRaisesTheComboEventsForItsFirstItem) {
  TEditGrid G;
  G.Grid->SetCells(1, 1, L"none");
  G.Kind(edComboList);
  std::vector<String> Changes;
  G.Grid->OnGetEditorProp = [&G](TObject*, Integer, Integer, TEditLink*) {
    G.Grid->ClearComboString();
    G.Grid->AddComboString(L"one");
    G.Grid->AddComboString(L"two");
  };
  G.Grid->OnComboChange = [&](TObject*, Integer C, Integer R, Integer I, const String& S) {
    Changes.push_back(IntToStr(C) + L"," + IntToStr(R) + L":" + IntToStr(I) + L" " + S);
  };
  G.Key(VK_F2);
  EXPECT_EQ(std::vector<String>{L"1,1:0 one"}, Changes);
  G.Key(VK_ESCAPE);
  EXPECT_EQ(L"none", G.Grid->GetCells(1, 1));
}

TEST(GridEditing, SetComboSelectionWinsOverTheMatchingItem) {
  TEditGrid G;
  G.Kind(edComboList);
  G.Grid->OnGetEditorProp = [&G](TObject*, Integer, Integer, TEditLink*) {
    G.Grid->ClearComboString();
    for (const wchar_t* S : {L"abc", L"def", L"ghi"}) G.Grid->AddComboString(S);
    G.Grid->SetComboSelection(2);
  };
  G.Key(VK_F2);
  EXPECT_EQ(2, G.Grid->Combobox()->ItemIndex());
}

TEST(GridEditing, CheckBoxAndButtonEditorsLeaveTheTextAlone) {
  for (TEditorType Kind : {edCheckBox, edButton}) {
    TEditGrid G;
    G.Kind(Kind);
    G.Key(VK_F2);
    EXPECT_TRUE(G.Grid->EditMode()) << int(Kind);
    G.Grid->HideInplaceEdit();
    EXPECT_FALSE(G.Grid->EditMode()) << int(Kind);
    EXPECT_EQ(L"abc", G.Grid->GetCells(1, 1)) << int(Kind);
  }
}

// A date before the picker's first date opens at that date, one after its
// last date at the last: the bounds themselves are valid dates.
TEST(GridEditing, ADateOutsideThePickersBoundsOpensAtTheNearestBound) {
  const TDateTime Min = 43831;  // 1 January 2020
  const TDateTime Max = 44196;  // 31 December 2020
  struct TCase {
    TDateTime Cell;
    TDateTime Opened;
  };
  for (TCase Case : {TCase{43800, Min}, TCase{Min, Min}, TCase{44000, 44000}, TCase{44300, Max}}) {
    TEditGrid G;
    G.Kind(edDateEdit);
    G.Grid->DateTimePicker()->SetMinDate(Min);
    G.Grid->DateTimePicker()->SetMaxDate(Max);
    G.Grid->SetCells(1, 1, DateToStr(Case.Cell));
    G.Key(VK_F2);
    ASSERT_EQ(static_cast<TWinControl*>(G.Grid->DateTimePicker()), G.Grid->EditCtrl());
    EXPECT_EQ(Case.Opened, double(G.Grid->DateTimePicker()->Date())) << Case.Cell;
    G.Key(VK_RETURN);
    EXPECT_FALSE(G.Grid->EditMode());
  }
}

// A drop-down editor left by a paging key still has its value validated:
// a refused value stays in the open editor and never reaches the cell.
TEST(GridEditing, PagingOutOfADropDownValidatesItsValue) {
  TEditGrid G;
  G.Kind(edCalculatorDropDown);
  G.Grid->SetCol(2);
  Pump();
  G.Grid->OnCellValidate = [](TObject*, Integer, Integer, String&, bool& Valid) { Valid = false; };
  G.Key(VK_F2);
  ASSERT_EQ(static_cast<TWinControl*>(G.Grid->CalculatorDropDown()), G.Grid->EditCtrl());
  G.Type(L"9");
  G.Key(VK_NEXT);
  EXPECT_EQ(L"5", G.Grid->GetCells(2, 1));
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_EQ(1, G.Grid->Row());
}

// Every kind opens its editor by F2, by a typed character and by a click
// on the current cell, asks the application for its properties, and
// writes back through Enter; Escape after typing gives back the text the
// cell had. The kinds without a control yet open nothing.
TEST(GridEditing, EveryKindOpensItsEditorAndWritesBack) {
  struct TCase {
    TEditorType Kind;
    const wchar_t* Cell;
    const wchar_t* Stored;
  };
  const TCase Cases[] = {
      {edNormal, L"abc", L"abc"},
      {edSpinEdit, L"5", L"5"},
      {edComboEdit, L"abc", L"abc"},
      {edComboList, L"abc", L""},
      {edEditBtn, L"abc", L"abc"},
      {edCheckBox, L"abc", L"abc"},
      {edDateEdit, L"15.06.2020", L"15.06.2020"},
      {edDateEditUpDown, L"15.06.2020", L"15.06.2020"},
      {edTimeEdit, L"10:30:00", L"10:30:00"},
      {edButton, L"abc", L"abc"},
      {edNumeric, L"12", L"12"},
      {edPositiveNumeric, L"12", L"12"},
      {edFloat, L"1,5", L"1,5"},
      {edCapital, L"abc", L"abc"},
      {edMixedCase, L"abc", L"abc"},
      {edPassword, L"abc", L"abc"},
      {edUnitEditBtn, L"12", L"12"},
      {edLowerCase, L"abc", L"abc"},
      {edUpperCase, L"abc", L"abc"},
      {edFloatSpinEdit, L"1,5", L"1,50"},
      {edTimeSpinEdit, L"10:30:00", L"10:30:00"},
      {edDateSpinEdit, L"15.06.2020", L"15.06.2020"},
      {edNumericEditBtn, L"12", L"12"},
      {edFloatEditBtn, L"12", L"12"},
      {edDateTimeEdit, L"15.06.2020 10:30", L"15.06.2020 10:30"},
      {edValidChars, L"abc", L"abc"},
      {edTrackbarDropDown, L"7", L"7"},
      {edMemoDropDown, L"abc", L"abc\r\n"},
      {edCalculatorDropDown, L"12", L"12,00"},
      {edTimePickerDropDown, L"10:30:00", L"10:30:00"},
      {edDetailDropDown, L"abc", L"abc"},
      {edGridDropDown, L"abc", L"abc"},
      {edColorPickerDropDown, L"abc", L""},
      {edImagePickerDropDown, L"abc", L"abc"},
      {edControlDropDown, L"abc", L"abc"},
      {edPositiveFloat, L"1,5", L"1,5"},
      {edNumericUnitEditBtn, L"12", L"12"},
      {edFloatUnitEditBtn, L"12", L"12"},
      {edMaskEditBtn, L"abc", L"abc"},
  };
  const TFormatSettings German = GermanFormatSettings();
  SetFormatSettingsOverride(&German);
  enum TOpen { byF2, byClick, byTyping };
  for (const TCase& Case : Cases) {
    for (TOpen Open : {byF2, byClick, byTyping}) {
      const String Name = IntToStr(int(Case.Kind)) + L"/" + IntToStr(int(Open));
      TEditGrid G;
      G.Grid->SetCells(1, 1, Case.Cell);
      G.Kind(Case.Kind);
      if (Open == byF2) G.Key(VK_F2);
      if (Open == byClick) G.ClickCell(1, 1);
      if (Open == byTyping) G.Type(L"1");
      ASSERT_TRUE(G.Grid->EditMode()) << Name;
      EXPECT_EQ(Case.Kind != edCheckBox, G.Has(L"prop 1,1")) << Name;
      if (Open == byTyping) {
        G.Key(VK_ESCAPE);
        // Escape is no key of the check box: its edit goes on.
        if (Case.Kind == edCheckBox) {
          EXPECT_TRUE(G.Grid->EditMode()) << Name;
          G.Grid->HideInplaceEdit();
        }
        EXPECT_FALSE(G.Grid->EditMode()) << Name;
        EXPECT_EQ(Case.Cell, G.Grid->GetCells(1, 1)) << Name;
        continue;
      }
      if (Case.Kind == edCheckBox || Case.Kind == edButton)
        G.Grid->HideInplaceEdit();
      else
        G.Key(VK_RETURN);
      EXPECT_FALSE(G.Grid->EditMode()) << Name;
      EXPECT_TRUE(G.Done()) << Name;
      EXPECT_EQ(Case.Stored, G.Grid->GetCells(1, 1)) << Name;
    }
  }
  SetFormatSettingsOverride(nullptr);
}

// Edited through real keys, each kind writes its value back, has it
// validated, announces the change and posts the end of the edit.
TEST(GridEditing, EditingThroughKeysWritesBackAndAnnounces) {
  struct TCase {
    TEditorType Kind;
    const wchar_t* Cell;
    const wchar_t* Typed;  // opens the editor with its first character; F2 when empty
    Word Key;              // then pressed, when not 0
    const wchar_t* Stored;
  };
  const TCase Cases[] = {
      {edNormal, L"", L"xy", 0, L"xy"},
      {edNumeric, L"", L"1a2", 0, L"12"},
      {edUpperCase, L"", L"ab", 0, L"AB"},
      {edSpinEdit, L"5", L"", VK_PRIOR, L"6"},
      {edComboList, L"abc", L"", VK_DOWN, L"def"},
      {edComboEdit, L"", L"xy", 0, L"xy"},
      {edEditBtn, L"", L"78", 0, L"78"},
      {edUnitEditBtn, L"", L"12", 0, L"12"},
      {edMemoDropDown, L"", L"xy", 0, L"xy\r\n"},
  };
  for (const TCase& Case : Cases) {
    const String Name = IntToStr(int(Case.Kind));
    TEditGrid G;
    G.Grid->SetCells(1, 1, Case.Cell);
    G.Kind(Case.Kind);
    G.Grid->OnGetEditorProp = [&G](TObject*, Integer C, Integer R, TEditLink*) {
      G.Log(L"prop", C, R);
      G.Grid->ClearComboString();
      for (const wchar_t* S : {L"abc", L"def"}) G.Grid->AddComboString(S);
    };
    if (String(Case.Typed).empty())
      G.Key(VK_F2);
    else
      G.Type(Case.Typed);
    if (Case.Key) G.Key(Case.Key);
    G.Key(VK_RETURN);
    EXPECT_FALSE(G.Grid->EditMode()) << Name;
    EXPECT_EQ(Case.Stored, G.Grid->GetCells(1, 1)) << Name;
    ASSERT_TRUE(G.Done()) << Name;
    EXPECT_TRUE(G.Has(L"type 1,1")) << Name;
    EXPECT_TRUE(G.Has(L"prop 1,1")) << Name;
    EXPECT_EQ(1, G.Count(L"validate 1,1 ")) << Name;
    EXPECT_EQ(1, G.Count(L"changed 1,1")) << Name;
  }
}

TEST(GridEditing, KindsWithoutAControlOpenNothing) {
  for (TEditorType Kind : {edDataCheckBox, edCustom, edExGridDropDown, edNone}) {
    TEditGrid G;
    G.Kind(Kind);
    G.Key(VK_F2);
    EXPECT_EQ(nullptr, G.Grid->EditCtrl()) << int(Kind);
    EXPECT_FALSE(G.StandardEditShown()) << int(Kind);
    G.Type(L"x");
    EXPECT_EQ(L"abc", G.Grid->GetCells(1, 1)) << int(Kind);
  }
}

TEST(GridEditing, AColourPickerOnAShapeCellColoursTheShapeAndNamesTheColour) {
  TEditGrid G;
  G.Grid->AddShape(1, 1, csCircle, clBlue, clBlack, haCenter, vaCenter);
  G.Kind(edColorPickerDropDown);
  G.Key(VK_F2);
  EXPECT_EQ(clBlue, G.Grid->ColorPickerDropDown()->SelectedColor());
  G.Grid->ColorPickerDropDown()->SetSelectedColor(clRed);
  G.Key(VK_RETURN);
  EXPECT_EQ(TColor(0x0000FF), G.Grid->GetShapeColor(1, 1));
  EXPECT_EQ(L"Red", G.Grid->GetCells(1, 1));
}

// --- focus, moves and the end of a special editor ---------------------------------------------------

TEST(GridEditing, AClickElsewhereValidatesASpecialEditorBeforeTheMove) {
  TEditGrid G;
  G.Kind(edSpinEdit);
  G.Grid->SetCol(2);
  Pump();
  G.Grid->OnCellChanging = [&G](TObject*, Integer, Integer, Integer NewRow, Integer NewCol, bool&) {
    G.Log(L"changing", NewCol, NewRow);
  };
  G.Key(VK_F2);
  G.Key(VK_PRIOR);
  G.ClickCell(1, 3);
  EXPECT_EQ(L"6", G.Grid->GetCells(2, 1));
  const auto Validate = std::find(G.Events.begin(), G.Events.end(), L"validate 2,1 6");
  const auto Changing = std::find(G.Events.begin(), G.Events.end(), L"changing 1,3");
  ASSERT_NE(G.Events.end(), Validate);
  ASSERT_NE(G.Events.end(), Changing);
  EXPECT_LT(Validate, Changing);
  EXPECT_EQ(3, G.Grid->Row());
}

// Tab in a special editor, without goTabs, takes a valid value and moves
// on to the form's next control.
TEST(GridEditing, TabLeavesASpecialEditorWithItsValue) {
  TEditGrid G;
  G.Kind(edSpinEdit);
  G.Grid->SetCol(2);
  Pump();
  G.Key(VK_F2);
  ASSERT_EQ(static_cast<TWinControl*>(G.Grid->SpinEdit()), G.Grid->EditCtrl());
  G.Key(VK_PRIOR);
  G.Key(VK_TAB);
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_EQ(L"6", G.Grid->GetCells(2, 1));
  EXPECT_TRUE(G.Has(L"validate 2,1 6"));
  EXPECT_EQ(G.Other->Handle(), GetFocus());
}

TEST(GridEditing, AMoveRefusedWhileASpecialEditorIsOpenKeepsTheCellAndItsCache) {
  TEditGrid G;
  G.Kind(edSpinEdit);
  G.Grid->SetCol(2);
  Pump();
  G.Grid->OnCellChanging = [](TObject*, Integer, Integer, Integer, Integer, bool& Allow) { Allow = false; };
  G.Key(VK_F2);
  G.ClickCell(1, 3);
  EXPECT_EQ(1, G.Grid->Row());
  EXPECT_EQ(2, G.Grid->Col());
  EXPECT_EQ(L"5", G.Grid->CellCache());
}

TEST(GridEditing, EnteringTheGridRemembersTheCurrentCellAndAlwaysEditReopens) {
  TEditGrid G;
  Integer Enters = 0;
  G.Grid->OnEnter = [&](TObject*) { ++Enters; };
  G.Grid->Navigation()->SetAlwaysEdit(true);
  G.Key(VK_F2);
  G.Key(VK_RETURN);
  G.Other->SetFocus();
  Pump(20);
  G.Grid->SetCells(1, 1, L"later");
  G.Grid->SetFocus();
  Pump(20);
  EXPECT_EQ(1, Enters);
  EXPECT_EQ(L"later", G.Grid->OldCellText());
  EXPECT_TRUE(G.StandardEditShown());
}

TEST(GridEditing, EditOnDblClickOnlyKeepsASingleClickFromEditing) {
  TEditGrid G;
  G.Grid->MouseActions()->SetEditOnDblClickOnly(true);
  G.ClickCell(1, 2);
  G.ClickCell(1, 2);
  EXPECT_FALSE(G.StandardEditShown());
  EXPECT_FALSE(G.Grid->Options().Contains(goEditing));
}

TEST(GridEditing, SelectingACoveredCellMovesToTheBaseCell) {
  TEditGrid G;
  G.Grid->MergeCells(1, 2, 2, 2);
  G.ClickCell(2, 3);
  EXPECT_EQ(1, G.Grid->Col());
  EXPECT_EQ(2, G.Grid->Row());
}

TEST(GridEditing, ARefusedValueOfASpecialEditorKeepsTheCurrentCell) {
  TEditGrid G;
  G.Kind(edSpinEdit);
  G.Grid->SetCol(2);
  Pump();
  G.Grid->OnCellValidate = [](TObject*, Integer, Integer, String&, bool& Valid) { Valid = false; };
  G.Key(VK_F2);
  G.Key(VK_PRIOR);
  G.ClickCell(1, 3);
  EXPECT_EQ(1, G.Grid->Row());
  EXPECT_EQ(2, G.Grid->Col());
  EXPECT_EQ(L"5", G.Grid->GetCells(2, 1));
  EXPECT_TRUE(G.Grid->EditMode());
}

TEST(GridEditing, OnlyATakenMoveReportsTheRowChange) {
  TEditGrid G;
  std::vector<Integer> NewRows;
  bool Refuse = true;
  G.Grid->OnRowChanged = [&](TObject*, Integer, Integer NewRow) { NewRows.push_back(NewRow); };
  G.Grid->OnRowChanging = [&](TObject*, Integer, Integer, bool& Allow) { Allow = !Refuse; };
  G.Key(VK_DOWN);
  EXPECT_EQ(1, G.Grid->Row());
  EXPECT_TRUE(NewRows.empty());
  Refuse = false;
  G.Key(VK_DOWN);
  EXPECT_EQ(2, G.Grid->Row());
  EXPECT_EQ(std::vector<Integer>{2}, NewRows);
}
