// The native edit: typing, selection, clipboard, undo and the properties
// that must survive the window being made again.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TEdit* NewEdit(TTestForm& F) {
  auto* E = new TEdit(F.Get());
  E->SetParent(F.Get());
  E->SetBounds(10, 10, 150, 21);
  return E;
}

void Type(TWinControl* C, const String& S) {
  for (Char Ch : S) PostChar(C, Ch);
}

}  // namespace

TEST(Edit, TypedTextFollowsCaseLimitAndReadOnly) {
  struct Case {
    const char* Name;
    TEditCharCase CharCase;
    Integer MaxLength;
    bool ReadOnly;
    const wchar_t* Typed;
    const wchar_t* Expected;
  } Cases[] = {
      {"plain", ecNormal, 0, false, L"aBc", L"aBc"},
      {"upper", ecUpperCase, 0, false, L"aBc", L"ABC"},
      {"lower", ecLowerCase, 0, false, L"aBc", L"abc"},
      {"limit", ecNormal, 2, false, L"abcd", L"ab"},
      {"read-only", ecNormal, 0, true, L"abc", L""},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TTestForm F;
    TEdit* E = NewEdit(F);
    E->SetCharCase(C.CharCase);
    E->SetMaxLength(C.MaxLength);
    E->SetReadOnly(C.ReadOnly);
    Integer Changes = 0;
    E->OnChange = [&](TObject* S) {
      EXPECT_EQ(S, E);
      ++Changes;
    };
    Type(E, C.Typed);
    EXPECT_EQ(E->Text(), C.Expected);
    // A refused key may still be announced, but every accepted one is.
    EXPECT_GE(Changes, static_cast<Integer>(wcslen(C.Expected)));
    if (C.MaxLength == 0) { EXPECT_EQ(Changes, static_cast<Integer>(wcslen(C.Expected))); }
    EXPECT_EQ(E->Modified(), wcslen(C.Expected) > 0);
  }
}

TEST(Edit, SelectionReplacesAndUndoRestores) {
  TTestForm F;
  TEdit* E = NewEdit(F);
  E->SetText(L"Hello world");
  E->SetSelStart(6);
  E->SetSelLength(5);
  EXPECT_EQ(E->SelStart(), 6);
  EXPECT_EQ(E->SelLength(), 5);
  EXPECT_EQ(E->SelText(), L"world");

  E->SetSelText(L"there");
  EXPECT_EQ(E->Text(), L"Hello there");
  EXPECT_EQ(E->SelStart(), 11);
  EXPECT_EQ(E->SelLength(), 0);
  EXPECT_TRUE(E->CanUndo());
  E->Undo();
  EXPECT_EQ(E->Text(), L"Hello world");

  E->SelectAll();
  EXPECT_EQ(E->SelLength(), 11);
  E->SetSelStart(0);
  E->SetSelLength(6);
  E->ClearSelection();
  EXPECT_EQ(E->Text(), L"world");

  // Characters and positions through the window's own messages.
  LRESULT P = E->Perform(EM_POSFROMCHAR, 3, 0);
  LRESULT Ch = E->Perform(EM_CHARFROMPOS, 0, MAKELPARAM(LOWORD(P), HIWORD(P) + 1));
  EXPECT_EQ(LOWORD(Ch), 3);
}

TEST(Edit, ClipboardCutCopyAndPaste) {
  TTestForm F;
  TEdit* A = NewEdit(F);
  TEdit* B = NewEdit(F);
  B->SetTop(40);
  A->SetText(L"abcdef");
  A->SetSelStart(1);
  A->SetSelLength(3);
  A->CopyToClipboard();
  EXPECT_EQ(A->Text(), L"abcdef");
  B->PasteFromClipboard();
  EXPECT_EQ(B->Text(), L"bcd");

  A->SetSelStart(0);
  A->SetSelLength(2);
  A->CutToClipboard();
  EXPECT_EQ(A->Text(), L"cdef");
  B->SetSelStart(0);
  B->PasteFromClipboard();
  EXPECT_EQ(B->Text(), L"abbcd");
}

TEST(Edit, PropertiesSurviveARecreatedWindow) {
  TTestForm F;
  TEdit* E = NewEdit(F);
  E->SetText(L"secret");
  E->SetMaxLength(8);
  E->SetPasswordChar(L'*');
  E->SetModified(true);
  E->SetReadOnly(true);
  HWND Old = E->Handle();
  E->SetAlignment(taRightJustify);  // needs a new window
  ASSERT_NE(E->Handle(), Old);
  EXPECT_EQ(E->Text(), L"secret");
  EXPECT_TRUE(E->Modified());
  EXPECT_EQ(E->Perform(EM_GETLIMITTEXT), 8);
  EXPECT_EQ(static_cast<Char>(E->Perform(EM_GETPASSWORDCHAR)), L'*');
  EXPECT_TRUE(GetWindowLongW(E->Handle(), GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(GetWindowLongW(E->Handle(), GWL_STYLE) & ES_RIGHT);

  // Taking the mask away shows the text again.
  E->SetPasswordChar(0);
  EXPECT_EQ(E->Perform(EM_GETPASSWORDCHAR), 0);
  EXPECT_EQ(E->Text(), L"secret");
}

TEST(Edit, CaseAppliesToTextAlreadyThereAndSetByCode) {
  TTestForm F;
  TEdit* E = NewEdit(F);
  E->SetText(L"Mixed Case");
  E->SetCharCase(ecUpperCase);
  EXPECT_EQ(E->Text(), L"MIXED CASE");
  E->SetText(L"again");
  EXPECT_EQ(E->Text(), L"AGAIN");
}

TEST(Edit, BadSettingsAreRefused) {
  TTestForm F;
  TEdit* E = NewEdit(F);
  EXPECT_THROW(E->SetMaxLength(-1), ERangeError);
  EXPECT_THROW(E->SetBorderStyle(bsSizeable), EInvalidOperation);
}

TEST(Edit, AutoSelectSelectsAllWhenFocusedFromTheKeyboard) {
  TTestForm F;
  TEdit* A = NewEdit(F);
  TEdit* B = NewEdit(F);
  B->SetTop(40);
  B->SetText(L"whole");
  A->SetFocus();
  Pump();
  B->SetFocus();
  Pump();
  EXPECT_EQ(B->SelLength(), 5);
  B->SetAutoSelect(false);
  B->SetSelStart(1);
  A->SetFocus();
  Pump();
  B->SetFocus();
  Pump();
  EXPECT_NE(B->SelLength(), 5);
}

TEST(Edit, AutoSizeFitsTheFont) {
  TTestForm F;
  TEdit* E = NewEdit(F);
  E->HandleNeeded();
  Integer Small = E->Height();
  E->Font()->SetSize(20);
  EXPECT_GT(E->Height(), Small);
  // One line of the font with the border around it.
  HDC DC = GetDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, E->Font()->Handle());
  TEXTMETRICW TM{};
  GetTextMetricsW(DC, &TM);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  EXPECT_EQ(E->Height(), TM.tmHeight + 8);
  E->SetBorderStyle(bsNone);
  EXPECT_EQ(E->Height(), TM.tmHeight + 2);
  E->SetAutoSize(false);
  E->SetHeight(60);
  EXPECT_EQ(E->Height(), 60);
}
