// Typed input of the drop-down editor: what each edit type lets through
// when typed and when pasted, the value between prefix and suffix, and the
// numbers read and written.
#include "tests/dropdown/DropDownFixture.h"

#include "platform/ui/Clipboard.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

class EditTypesTest : public DropDownFixture {
 protected:
  void Setup(TDropDownEditType Type, SmallInt Precision, bool Signed, const String& Start) {
    Edit->SetEditType(Type);
    Edit->SetSigned(Signed);
    Edit->SetPrecision(Precision);
    Edit->SetText(Start);
    // Numbers show "0" for an empty value; typing starts from nothing.
    if (Start.empty()) Edit->SetRawText(L"");
    CaretTo(static_cast<Integer>(Edit->Text().size()));
  }
  void Paste(const String& S) {
    Clipboard()->SetAsText(S);
    SendMessageW(Edit->Handle(), WM_PASTE, 0, 0);
  }
};

struct TTypeCase {
  TDropDownEditType Type;
  SmallInt Precision;
  bool Signed;
  const wchar_t* Start;
  const wchar_t* Typed;
  const wchar_t* Expected;
};

TEST_F(EditTypesTest, TypedCharactersByEditType) {
  const TTypeCase Cases[] = {
      {etString, 0, false, L"", L"a1-.,", L"a1-.,"},
      {etNumeric, 0, false, L"", L"1a2-3", L"123"},
      {etNumeric, 0, true, L"12", L"-", L"-12"},
      {etNumeric, 0, true, L"-12", L"-", L"12"},
      {etFloat, 0, false, L"1", L".5", L"15"},
      {etFloat, -1, false, L"", L"1.5x", L"1.5"},
      {etFloat, 2, false, L"1.23", L"4", L"1.23"},
      {etFloat, 2, false, L"", L".", L"0."},
      {etUppercase, 0, false, L"", L"abC", L"ABC"},
      {etLowerCase, 0, false, L"", L"AbC", L"abc"},
      {etMixedCase, 0, false, L"", L"john smith", L"John Smith"},
      {etRange, 0, false, L"", L"1-3,5", L"1-3,5"},
      {etRange, 0, false, L"", L",1--2;;3x", L"1-2;3"},
      {etHex, 0, false, L"", L"aFgz9", L"AF9"},
      {etAlphaNumeric, 0, false, L"", L"a1_ B!", L"a1B"},
      {etPassword, 0, false, L"", L"p-1", L"p-1"},
  };
  for (const TTypeCase& C : Cases) {
    Setup(C.Type, C.Precision, C.Signed, C.Start);
    Type(C.Typed);
    SCOPED_TRACE(String(L"type ") + std::to_wstring(C.Type) + L" typed " + C.Typed);
    if (C.Type == etHex)
      EXPECT_EQ(AnsiUpperCase(Edit->Text()), C.Expected);
    else
      EXPECT_EQ(Edit->Text(), C.Expected);
    Edit->SetEditType(etString);
  }
}

TEST_F(EditTypesTest, ValidCharsTakeOnlyTheirSet) {
  Edit->SetEditType(etValidChars);
  Edit->SetValidChars(L"xyz");
  Type(L"axbyc");
  EXPECT_EQ(Edit->Text(), L"xy");
}

TEST_F(EditTypesTest, AFullDecimalPartOverwritesInsteadOfGrowing) {
  Setup(etFloat, 2, false, L"1.23");
  CaretTo(3);
  Type(L"9");
  EXPECT_EQ(Edit->Text(), L"1.29") << "typed before the 3 it replaces the 3";
  CaretTo(1);
  Type(L".");
  EXPECT_EQ(Edit->Text(), L"1.29") << "a second separator only moves the caret";
  EXPECT_EQ(Edit->SelStart(), 2);
}

TEST_F(EditTypesTest, MoneyGroupsThousandsAndTakesTheSeparatorAfterAGroup) {
  Setup(etMoney, 2, false, L"");
  Type(L"1234");
  EXPECT_EQ(Edit->Text(), L"1,234");
  CaretTo(4);
  Type(L".");
  EXPECT_EQ(Edit->Text(), L"1,234") << "after 1,23 the separator is dropped";
  CaretTo(5);
  Type(L".");
  EXPECT_EQ(Edit->Text(), L"1,234.");
  EXPECT_DOUBLE_EQ(Edit->GetFloatValue(), 1234);
}

TEST_F(EditTypesTest, GroupingIsNoChangeOfItsOwn) {
  Setup(etMoney, 2, false, L"");
  Integer Changes = 0;
  Edit->OnChange = [&](TObject*) { ++Changes; };
  Type(L"12345");
  EXPECT_EQ(Edit->Text(), L"12,345");
  EXPECT_EQ(Changes, 5) << "one change per key: the grouping's rewrite neither counts nor swallows the next";
}

TEST_F(EditTypesTest, PastedTextByEditType) {
  struct TPasteCase {
    TDropDownEditType Type;
    SmallInt Precision;
    const wchar_t* Start;
    const wchar_t* Pasted;
    const wchar_t* Expected;
  };
  const TPasteCase Cases[] = {
      {etString, 0, L"ab", L"x-1", L"abx-1"},
      {etNumeric, 0, L"12", L"34", L"1234"},
      {etNumeric, 0, L"12", L"3a", L"12"},
      {etNumeric, 0, L"12", L"-3", L"12"},
      {etFloat, -1, L"1", L"2.5", L"12.5"},
      {etFloat, 0, L"1", L".5", L"1"},
      {etUppercase, 0, L"A", L"bc", L"ABC"},
      {etMixedCase, 0, L"", L"ann lee", L"Ann Lee"},
      {etAlphaNumeric, 0, L"a", L"b c", L"a"},
      {etHex, 0, L"A", L"B", L"A"},
      {etRange, 0, L"1", L"-2", L"1"},
  };
  for (const TPasteCase& C : Cases) {
    Setup(C.Type, C.Precision, false, C.Start);
    Paste(C.Pasted);
    SCOPED_TRACE(String(L"type ") + std::to_wstring(C.Type) + L" pasted " + C.Pasted);
    EXPECT_EQ(Edit->Text(), C.Expected);
    Edit->SetEditType(etString);
    Edit->SetPrecision(0);
  }
}

TEST_F(EditTypesTest, PasteAsksItsEventAndRespectsMaxLength) {
  String Seen;
  Edit->OnClipboardPaste = [&](TObject*, String Value, bool& Allow) {
    Seen = Value;
    Allow = Value != L"nono";
  };
  Setup(etString, 0, false, L"no");
  Paste(L"no");
  EXPECT_EQ(Seen, L"nono");
  EXPECT_EQ(Edit->Text(), L"no");
  Edit->SetMaxLength(4);
  Paste(L"abc");
  EXPECT_EQ(Edit->Text(), L"no");
}

TEST_F(EditTypesTest, PrefixAndSuffixStayAroundTheValue) {
  Edit->SetPrefix(L"$ ");
  Edit->SetSuffix(L" USD");
  Edit->SetText(L"12");
  EXPECT_EQ(Edit->Text(), L"12");
  EXPECT_EQ(GetWindowTextLengthW(Edit->Handle()), 8);
  SendMessageW(Edit->Handle(), EM_SETSEL, 2, 2);
  SendMessageW(Edit->Handle(), WM_CHAR, VK_BACK, 1);
  EXPECT_EQ(Edit->Text(), L"12") << "Backspace at the value's start does not eat the prefix";
  SendMessageW(Edit->Handle(), EM_SETSEL, 4, 4);
  KeyDown(VK_RIGHT);
  EXPECT_EQ(Edit->SelStart(), 4) << "the caret does not go into the suffix";
  KeyDown(VK_HOME);
  EXPECT_EQ(Edit->SelStart(), 2) << "Home goes to the value's start";
  KeyDown(VK_LEFT);
  EXPECT_EQ(Edit->SelStart(), 2);
  Edit->SelectAll();
  EXPECT_EQ(Edit->SelText(), L"12");
}

TEST_F(EditTypesTest, NumbersInAndOut) {
  Setup(etHex, 0, false, L"ff");
  EXPECT_EQ(Edit->Text(), L"FF");
  EXPECT_DOUBLE_EQ(Edit->GetFloatValue(), 255);
  Setup(etFloat, 2, false, L"Error");
  EXPECT_EQ(Edit->Text(), L"Error");
  Edit->SetFloatValue(3.14159);
  EXPECT_EQ(Edit->Text(), L"3.14");
  Setup(etMoney, 2, false, L"1234567.5");
  EXPECT_EQ(Edit->Text(), L"1,234,567.50");
  EXPECT_DOUBLE_EQ(Edit->GetFloatValue(), 1234567.5);
  Edit->SetEditType(etString);
  Edit->SetPrecision(0);
  Edit->SetText(L"abc");
  Edit->SetEditType(etFloat);
  EXPECT_EQ(Edit->Text(), L"0") << "a text that is no number becomes zero";
  Edit->SetEditType(etNumeric);
  Edit->SetText(L"");
  EXPECT_EQ(Edit->Text(), L"0") << "an empty number is zero";
}

TEST_F(EditTypesTest, LeavingAnEmptyNumberFillsItUnlessEmptyIsAllowed) {
  auto* Other = new TEdit(Form.Get());
  Other->SetParent(Form.Get());
  Other->SetBounds(10, 100, 50, 21);
  Edit->SetEditType(etNumeric);
  Edit->SetFocus();
  Edit->SetRawText(L"");
  Other->SetFocus();
  EXPECT_EQ(Edit->Text(), L"0");
  Edit->SetAllowNumericNullValue(true);
  Edit->SetFocus();
  Edit->SetRawText(L"");
  Other->SetFocus();
  EXPECT_EQ(Edit->Text(), L"");
}

TEST_F(EditTypesTest, TypingOverTheWholeValueReportsTheChange) {
  Integer Changes = 0;
  Edit->OnChange = [&](TObject*) { ++Changes; };
  Edit->SetText(L"abc");
  Changes = 0;
  Edit->SelectAll();
  Type(L"x");
  EXPECT_EQ(Edit->Text(), L"x");
  EXPECT_EQ(Changes, 1);
  Edit->SetText(L"y");
  EXPECT_EQ(Changes, 2) << "a written value is reported like a typed one";
  Edit->SetText(L"y");
  EXPECT_EQ(Changes, 2) << "but only when it differs";
}

}  // namespace
