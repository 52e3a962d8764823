// The enhanced edit under real character and focus messages: what each edit
// type lets through, how values are normalised and read back as numbers,
// and the looks of focus, error and links.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "edit/ExEdit.h"
#include "foundation/ValueUtils.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Shape.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/StreamCheck.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::edit;
using jorv::foundation::HexToInt;

using namespace jorv;
using namespace jorv::test;

namespace {

class ExEditTest : public ::testing::Test {
 protected:
  ExEditTest() {
    Edit = new TExEdit(Form.Get());
    Edit->SetParent(Form.Get());
    Edit->SetBounds(10, 10, 120, 21);
    Other = new TExEdit(Form.Get());
    Other->SetParent(Form.Get());
    Other->SetBounds(10, 50, 120, 21);
    Edit->HandleNeeded();
  }

  // Types each character as the keyboard would deliver it.
  void Type(const String& S, LPARAM KeyData = 1) {
    for (Char C : S) SendMessageW(Edit->Handle(), WM_CHAR, C, KeyData);
  }
  void Caret(Integer At) { SendMessageW(Edit->Handle(), EM_SETSEL, At, At); }
  String Window() { return Edit->Caption(); }
  void FocusEdit() {
    Edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Edit->Focused(); }));
  }
  void LeaveEdit() {
    Other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Other->Focused(); }));
  }

  PinnedFormatSettings Pinned{USFormatSettings()};
  TTestForm Form;
  TExEdit* Edit;
  TExEdit* Other;
};

TEST(ExEditHelpers, NumberClassesNameCaseAndHex) {
  PinnedFormatSettings Pinned(USFormatSettings());
  struct Case { const wchar_t* Text; Integer Class; };
  for (const Case& C : std::vector<Case>{{L"", 2}, {L"123", 0}, {L"-123", 0}, {L"1a", 5}, {L"1--2", 2},
                                        {L"1.2.3", 2}, {L"1,234.5", 1}, {L"1.5", 1}, {L"1,,2", 2}, {L"x", 2}})
    EXPECT_EQ(ClassifyNumberText(C.Text), C.Class) << C.Text;

  struct Name { const wchar_t* In; const wchar_t* Out; };
  for (const Name& N : std::vector<Name>{{L"mcdonald", L"McDonald"}, {L"john mcdonald", L"John McDonald"},
                                        {L"henry iii", L"Henry III"}, {L"o'neil-smith", L"O'Neil-Smith"},
                                        {L"ANNA", L"Anna"}})
    EXPECT_EQ(ToNameCase(N.In), String(N.Out)) << N.In;

  EXPECT_EQ(HexToInt(L"FF"), 255);
  EXPECT_EQ(HexToInt(L"ff"), 255);
  EXPECT_EQ(HexToInt(L"1g"), 16);  // foreign digits count as 0
  EXPECT_EQ(HexToInt(L"FFFFFFFF"), -1);
  EXPECT_EQ(HexToInt(L""), 0);
}

TEST_F(ExEditTest, VersionAndDefaults) {
  EXPECT_EQ(Edit->Version(), L"3.3.3.0");
  Edit->SetVersion(L"9");
  EXPECT_EQ(Edit->Version(), L"3.3.3.0");
  EXPECT_EQ(Edit->EditType(), etString);
  EXPECT_TRUE(Edit->AutoThousandSeparator());
  EXPECT_TRUE(Edit->CanUndo());
  EXPECT_TRUE(Edit->DefaultHandling());
  EXPECT_EQ(Edit->ReturnAsTabKey(), 9);
  EXPECT_EQ(Edit->FocusColor(), clNone);
  EXPECT_EQ(Edit->FocusFontColor(), clWindowText);
  EXPECT_EQ(Edit->ErrorColor(), clRed);
  EXPECT_EQ(Edit->DisabledColor(), clSilver);
  EXPECT_EQ(Edit->URLColor(), clBlue);
  EXPECT_EQ(Edit->EditAlign(), eaLeft);
  EXPECT_EQ(Edit->FocusAlign(), eaDefault);
}

TEST_F(ExEditTest, WrittenTextIsNormalisedForItsType) {
  struct Case {
    TExEditType Type;
    int16_t Precision;
    TPrecisionDisplay Display;
    bool AllowNull;
    const wchar_t* In;
    const wchar_t* Shown;
  };
  const std::vector<Case> Cases{
      {etNumeric, 0, pdNormal, false, L"", L"0"},
      {etNumeric, 0, pdNormal, true, L"", L""},
      {etFloat, 0, pdNormal, false, L"", L"0"},
      {etMoney, 0, pdNormal, false, L"", L"0"},
      {etHex, 0, pdNormal, false, L"", L"0"},
      {etHex, 0, pdNormal, false, L"ff", L"FF"},
      {etString, 0, pdNormal, false, L"", L""},
      {etFloat, 2, pdNormal, false, L"1.5", L"1.50"},
      {etMoney, 2, pdNormal, false, L"1234.5", L"1,234.50"},
      {etMoney, 0, pdNormal, false, L"1234", L"1,234"},
      {etFloat, 2, pdShortest, false, L"1.50", L"1.5"},
      {etFloat, 2, pdShortest, true, L"", L""},
  };
  for (const Case& C : Cases) {
    Edit->SetEditType(etString);
    Edit->SetText(L"");
    Edit->SetEditType(C.Type);
    Edit->SetPrecisionDisplay(C.Display);
    Edit->SetPrecision(C.Precision);
    Edit->SetAllowNumericNullValue(C.AllowNull);
    Edit->SetText(C.In);
    EXPECT_EQ(Edit->Text(), String(C.Shown)) << int(C.Type) << " " << C.In;
    EXPECT_FALSE(Edit->Modified());
    Edit->SetPrecision(0);
    Edit->SetPrecisionDisplay(pdNormal);
  }
}

TEST_F(ExEditTest, PrefixAndSuffixFrameTheValue) {
  Edit->SetText(L"12");
  Edit->SetPrefix(L"Nr. ");
  Edit->SetSuffix(L" kg");
  EXPECT_EQ(Window(), L"Nr. 12 kg");
  EXPECT_EQ(Edit->Text(), L"12");
  Edit->SetPrefix(L"#");
  EXPECT_EQ(Window(), L"#12 kg");
  // The prefix is compared without regard to case.
  SetWindowTextW(Edit->Handle(), L"#34 kg");
  EXPECT_EQ(Edit->Text(), L"34");
  // Backspace right after the prefix would eat into it.
  Caret(1);
  Type(L"\b");
  EXPECT_EQ(Window(), L"#34 kg");
  Edit->SelectAll();
  EXPECT_EQ(Edit->SelStart(), 1);
  EXPECT_EQ(Edit->SelLength(), 2);
}

struct TypingCase {
  const char* Name;
  TExEditType Type;
  bool Signed;
  int16_t Precision;
  const wchar_t* Start;
  Integer CaretAt;  // -1: at the end
  const wchar_t* Typed;
  const wchar_t* Value;
};

TEST_F(ExEditTest, TypedCharactersFollowTheEditType) {
  const std::vector<TypingCase> Cases{
      {"numeric keeps digits", etNumeric, false, 0, L"12", -1, L"a3.", L"123"},
      {"unsigned numeric ignores minus", etNumeric, false, 0, L"12", 1, L"-", L"12"},
      {"signed numeric toggles", etNumeric, true, 0, L"12", 1, L"-", L"-12"},
      {"signed numeric toggles back", etNumeric, true, 0, L"-12", 2, L"-", L"12"},
      {"hex", etHex, false, 0, L"", -1, L"a-zF9", L"a-F9"},
      {"alphanumeric", etAlphaNumeric, false, 0, L"", -1, L"a!1 Z", L"a1Z"},
      {"upper case", etUppercase, false, 0, L"", -1, L"ab1", L"AB1"},
      {"lower case", etLowerCase, false, 0, L"", -1, L"AB1", L"ab1"},
      {"mixed case", etMixedCase, false, 0, L"", -1, L"john mcdonald", L"John McDonald"},
      {"range separators", etRange, false, 0, L"", -1, L"-1,,2;-3", L"1,2;3"},
      {"float second point", etFloat, false, 0, L"1.5", -1, L".", L"1.5"},
      {"float letters", etFloat, false, 0, L"", -1, L"1x2", L"12"},
      {"float point on empty", etFloat, false, 2, L"", -1, L".5", L"0.5"},
      {"float without decimals", etFloat, false, 0, L"1", -1, L".5", L"15"},
      {"float full decimals overwrite", etFloat, false, 2, L"1.25", 3, L"7", L"1.27"},
      {"float full decimals at end", etFloat, false, 2, L"1.25", -1, L"9", L"1.25"},
      {"signed float minus", etFloat, true, 2, L"1.25", 2, L"-", L"-1.25"},
      {"money groups", etMoney, false, 0, L"", -1, L"1234", L"1,234"},
  };
  for (const TypingCase& C : Cases) {
    Edit->SetEditType(etString);
    Edit->SetPrecision(0);
    Edit->SetAllowNumericNullValue(true);
    Edit->SetText(C.Start);
    Edit->SetEditType(C.Type);
    Edit->SetSigned(C.Signed);
    Edit->SetPrecision(C.Precision);
    Edit->SetText(C.Start);
    Caret(C.CaretAt < 0 ? static_cast<Integer>(Window().size()) : C.CaretAt);
    Type(C.Typed);
    EXPECT_EQ(Edit->Text(), String(C.Value)) << C.Name;
  }
}

TEST_F(ExEditTest, SeparatorsFollowTheLocale) {
  PinnedFormatSettings German(GermanFormatSettings());
  Edit->SetEditType(etFloat);
  Edit->SetPrecision(2);
  Edit->SetAllowNumericNullValue(true);
  Edit->SetText(L"");
  Type(L"1.5");
  EXPECT_EQ(Edit->Text(), L"15");
  Edit->SetText(L"");
  Type(L"1,5");
  EXPECT_EQ(Edit->Text(), L"1,5");
  // The keypad's decimal key carries bit 22 in its key data.
  Edit->SetExcelStyleDecimalSeparator(true);
  Edit->SetText(L"");
  Type(L"1");
  Type(L".", 1 | (1 << 22));
  Type(L"5");
  EXPECT_EQ(Edit->Text(), L"1,5");
  EXPECT_DOUBLE_EQ(Edit->FloatValue(), 1.5);

  Edit->SetEditType(etMoney);
  Edit->SetPrecision(0);
  Edit->SetText(L"");
  Type(L"1234");
  EXPECT_EQ(Edit->Text(), L"1.234");
  EXPECT_EQ(Edit->SelStart(), 5);
  EXPECT_DOUBLE_EQ(Edit->FloatValue(), 1234);
  EXPECT_EQ(Edit->IntValue(), 1234);
}

TEST_F(ExEditTest, SecondDecimalSeparatorJumpsBehindTheFirst) {
  Edit->SetEditType(etFloat);
  Edit->SetPrecision(2);
  Edit->SetText(L"12.50");
  Caret(1);
  Type(L".");
  EXPECT_EQ(Edit->Text(), L"12.50");
  EXPECT_EQ(Edit->SelStart(), 3);
}

TEST_F(ExEditTest, NumbersReadAndWritten) {
  Edit->SetEditType(etMoney);
  Edit->SetPrecision(2);
  Edit->SetFloatValue(1234.5);
  EXPECT_EQ(Edit->Text(), L"1,234.50");
  EXPECT_TRUE(Edit->Modified());
  EXPECT_DOUBLE_EQ(Edit->FloatValue(), 1234.5);
  EXPECT_EQ(Edit->IntValue(), 1234);
  Edit->SetText(L"7");
  EXPECT_FALSE(Edit->Modified());
  Edit->SetEditType(etFloat);
  Edit->SetText(L"-12.75");
  EXPECT_EQ(Edit->IntValue(), -12);

  Edit->SetEditType(etHex);
  Edit->SetIntValue(255);
  EXPECT_EQ(Edit->Text(), L"FF");
  EXPECT_EQ(Edit->IntValue(), 255);
  EXPECT_DOUBLE_EQ(Edit->FloatValue(), 255);

  Edit->SetEditType(etNumeric);
  Edit->SetText(L"42");
  EXPECT_EQ(Edit->IntValue(), 42);
  // Large numbers stay ungrouped and read back.
  Edit->SetFloatValue(12345);
  EXPECT_EQ(Edit->Text(), L"12345");
  EXPECT_EQ(Edit->IntValue(), 12345);
  Edit->SetText(L"-");
  EXPECT_DOUBLE_EQ(Edit->FloatValue(), 0);

  // Switching to a number type drops a value it cannot read.
  Edit->SetEditType(etString);
  Edit->SetText(L"abc");
  Edit->SetEditType(etNumeric);
  EXPECT_EQ(Edit->Text(), L"0");
}

TEST_F(ExEditTest, LengthLimitHoldsTheIntegerPart) {
  Edit->SetEditType(etNumeric);
  Edit->SetAllowNumericNullValue(true);
  Edit->SetLengthLimit(3);
  Edit->SetText(L"");
  Type(L"1234");
  EXPECT_EQ(Edit->Text(), L"123");

  Edit->SetTabOnFullLength(true);
  Edit->SetText(L"");
  FocusEdit();
  Type(L"123");
  EXPECT_TRUE(PumpUntil([&] { return Other->Focused(); }));
  EXPECT_EQ(Edit->Text(), L"123");
}

TEST_F(ExEditTest, LeavingClampsAndFillsNumbers) {
  struct Case { Integer Min, Max; bool AllowNull; const wchar_t* Typed; const wchar_t* After; };
  const std::vector<Case> Cases{
      {1, 10, false, L"25", L"10"}, {1, 10, false, L"0", L"1"}, {1, 10, false, L"5", L"5"},
      {0, 0, false, L"", L"0"},     {0, 0, true, L"", L""},
  };
  Edit->SetEditType(etNumeric);
  for (const Case& C : Cases) {
    Edit->SetMinValue(C.Min);
    Edit->SetMaxValue(C.Max);
    Edit->SetAllowNumericNullValue(C.AllowNull);
    FocusEdit();
    SetWindowTextW(Edit->Handle(), C.Typed);
    LeaveEdit();
    EXPECT_EQ(Edit->Text(), String(C.After)) << C.Typed;
  }

  Edit->SetEditType(etFloat);
  Edit->SetPrecision(2);
  FocusEdit();
  SetWindowTextW(Edit->Handle(), L"3.1");
  LeaveEdit();
  EXPECT_EQ(Edit->Text(), L"3.10");
}

TEST_F(ExEditTest, FocusColourOnlyForValidValues) {
  Edit->SetColor(clWindow);
  Edit->SetFocusColor(clYellow);
  Edit->SetEditType(etNumeric);
  Edit->SetMinValue(1);
  Edit->SetMaxValue(10);
  Edit->SetText(L"5");
  FocusEdit();
  EXPECT_EQ(Edit->Color(), clYellow);
  LeaveEdit();
  EXPECT_EQ(Edit->Color(), clWindow);

  // Invalid when the window was made, valid by the time it is entered.
  FocusEdit();
  auto* Third = new TExEdit(Form.Get());
  Third->SetEditType(etNumeric);
  Third->SetMinValue(1);
  Third->SetMaxValue(10);
  Third->SetText(L"50");
  Third->SetParent(Form.Get());
  Third->SetBounds(10, 90, 120, 21);
  Third->HandleNeeded();
  Third->SetColor(clWindow);
  Third->SetFocusColor(clYellow);
  Third->SetText(L"5");
  Third->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Third->Focused(); }));
  EXPECT_EQ(Third->Color(), clYellow);
  FocusEdit();
  EXPECT_EQ(Third->Color(), clWindow);
  LeaveEdit();

  bool Validated = false;
  Edit->OnValueValidate = [&](TObject*, const String&, bool&) { Validated = true; };
  Edit->SetText(L"50");
  FocusEdit();
  EXPECT_EQ(Edit->Color(), clWindow);
  EXPECT_TRUE(Validated);
}

TEST_F(ExEditTest, ErrorLookFollowsValidation) {
  Edit->SetColor(clWindow);
  Edit->SetShowError(true);
  Edit->SetEditType(etNumeric);
  Edit->SetMinValue(1);
  Edit->SetMaxValue(10);
  Edit->SetText(L"5");
  EXPECT_FALSE(Edit->IsError());
  Edit->SetText(L"50");
  EXPECT_TRUE(Edit->IsError());
  EXPECT_EQ(Edit->Color(), clRed);
  EXPECT_EQ(Edit->Font()->Color(), clWhite);
  Edit->OnValueValidate = [](TObject*, const String& V, bool& Ok) { Ok = Ok || V == L"60"; };
  Edit->SetText(L"60");
  EXPECT_FALSE(Edit->IsError());
  EXPECT_EQ(Edit->Color(), clWindow);
}

TEST_F(ExEditTest, DisablingShowsTheDisabledColour) {
  Edit->SetColor(clAqua);
  Edit->SetEnabled(false);
  EXPECT_EQ(Edit->Color(), clSilver);
  Edit->SetEnabled(true);
  EXPECT_EQ(Edit->Color(), clAqua);
}

TEST_F(ExEditTest, FocusAlignHoldsOnlyWhileFocused) {
  Edit->SetFocusAlign(eaRight);
  FocusEdit();
  EXPECT_EQ(Edit->EditAlign(), eaRight);
  EXPECT_TRUE(GetWindowLongW(Edit->Handle(), GWL_STYLE) & ES_RIGHT);
  LeaveEdit();
  EXPECT_EQ(Edit->EditAlign(), eaLeft);
  EXPECT_FALSE(GetWindowLongW(Edit->Handle(), GWL_STYLE) & ES_RIGHT);
}

TEST_F(ExEditTest, LinksLookAndClick) {
  Edit->SetShowURL(true);
  Edit->SetText(L"www.example.org");
  EXPECT_TRUE(Edit->Font()->Style().Contains(fsUnderline));
  EXPECT_EQ(Edit->Font()->Color(), clBlue);
  Edit->SetText(L"@home");
  EXPECT_FALSE(Edit->Font()->Style().Contains(fsUnderline));
  EXPECT_NE(Edit->Font()->Color(), clBlue);

  Edit->SetText(L"http://example.org");
  Edit->SelectAll();
  EXPECT_EQ(Edit->SelStart(), 7);  // after "://"

  String Clicked;
  Edit->OnURLClick = [&](TObject*, const String& U, bool& Show) {
    Clicked = U;
    Show = false;
  };
  FocusEdit();
  SendMessageW(Edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Clicked, L"http://example.org");
}

TEST_F(ExEditTest, HintShowsTextThatDoesNotFit) {
  Edit->SetHintShowLargeText(true);
  Edit->SetText(String(60, L'W'));
  THintInfo Info;
  Info.HintControl = Edit;
  Edit->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Info));
  EXPECT_EQ(Info.HintStr, String(60, L'W'));
}

}  // namespace

namespace {

class ExEditKeysTest : public ExEditTest {
 protected:
  void Key(Word K) { SendMessageW(Edit->Handle(), WM_KEYDOWN, K, 1); }
  void Paste(const String& S) {
    Clipboard()->SetAsText(S);
    SendMessageW(Edit->Handle(), WM_PASTE, 0, 0);
  }
  void Select(Integer From, Integer To) { SendMessageW(Edit->Handle(), EM_SETSEL, From, To); }
};

TEST_F(ExEditKeysTest, CaretAndDeletionStayOutOfPrefixAndSuffix) {
  Edit->SetPrefix(L"$ ");
  Edit->SetSuffix(L" kg");
  Edit->SetText(L"123");
  Caret(4);
  Key(VK_HOME);
  EXPECT_EQ(Edit->SelStart(), 2);
  Key(VK_LEFT);
  EXPECT_EQ(Edit->SelStart(), 2);
  Key(VK_END);
  EXPECT_EQ(Edit->SelStart(), 5);
  Key(VK_RIGHT);
  EXPECT_EQ(Edit->SelStart(), 5);
  Key(VK_DELETE);
  EXPECT_EQ(Window(), L"$ 123 kg");
  Caret(2);
  Key(VK_BACK);
  EXPECT_EQ(Window(), L"$ 123 kg");
  Key(VK_DELETE);
  EXPECT_EQ(Window(), L"$ 23 kg");
  EXPECT_TRUE(Edit->Modified());
}

TEST_F(ExEditKeysTest, DeleteKeepsTheLengthLimit) {
  Edit->SetEditType(etFloat);
  Edit->SetPrecision(2);
  Edit->SetLengthLimit(3);
  Edit->SetText(L"123.45");
  // Deleting the point would join five digits into the integer part.
  Caret(3);
  Key(VK_DELETE);
  EXPECT_EQ(Edit->Text(), L"123.45");
  Caret(0);
  Key(VK_DELETE);
  EXPECT_EQ(Edit->Text(), L"23.45");
}

TEST_F(ExEditKeysTest, EscapeRestoresTheTextOfFocusEntry) {
  Edit->SetText(L"before");
  FocusEdit();
  Edit->SetDefaultHandling(false);
  SetWindowTextW(Edit->Handle(), L"after");
  Edit->SetModified(true);
  Edit->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0);
  EXPECT_EQ(Edit->Text(), L"before");
  EXPECT_FALSE(Edit->Modified());
  EXPECT_EQ(Edit->SelLength(), 6);

  Edit->SetCanUndo(false);
  SetWindowTextW(Edit->Handle(), L"after");
  Edit->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0);
  EXPECT_EQ(Edit->Text(), L"after");
}

TEST_F(ExEditKeysTest, ReturnIsTabMovesOn) {
  Edit->SetReturnIsTab(true);
  FocusEdit();
  Key(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return Other->Focused(); }));
}

TEST_F(ExEditKeysTest, PastedTextIsCheckedByType) {
  struct Case {
    const char* Name;
    TExEditType Type;
    bool Signed;
    const wchar_t* Start;
    const wchar_t* Pasted;
    const wchar_t* Value;
  };
  const std::vector<Case> Cases{
      {"first line only", etNumeric, false, L"", L"12\r\n34", L"12"},
      {"unsigned refuses minus", etNumeric, false, L"5", L"-7", L"5"},
      {"signed takes minus", etNumeric, true, L"", L"-7", L"-7"},
      {"numeric refuses letters", etNumeric, false, L"5", L"x", L"5"},
      {"upper case", etUppercase, false, L"", L"abc", L"ABC"},
      {"name case", etMixedCase, false, L"", L"john mcdonald", L"John McDonald"},
      {"hex", etHex, false, L"", L"1f", L"1F"},
      {"alphanumeric refuses blanks", etAlphaNumeric, false, L"a", L"b c", L"a"},
      {"float", etFloat, false, L"", L" 2.5 ", L"2.50"},
      {"float refuses text", etFloat, false, L"1.00", L"abc", L"1.00"},
      {"range", etRange, false, L"", L"1-3;5", L"1-3;5"},
      {"range refuses doubled separators", etRange, false, L"1", L",,2", L"1"},
  };
  for (const Case& C : Cases) {
    Edit->SetEditType(etString);
    Edit->SetText(L"");
    Edit->SetEditType(C.Type);
    Edit->SetSigned(C.Signed);
    Edit->SetAllowNumericNullValue(true);
    if (C.Type == etFloat) Edit->SetPrecision(2);
    Edit->SetText(C.Start);
    Caret(static_cast<Integer>(Window().size()));
    Paste(C.Pasted);
    EXPECT_EQ(Edit->Text(), String(C.Value)) << C.Name;
  }
}

TEST_F(ExEditKeysTest, ClipboardEventsSeeValueAndSelection) {
  Edit->SetPrefix(L"#");
  Edit->SetText(L"abcdef");
  String Seen;
  bool Allow = false;
  Edit->OnClipboardPaste = [&](TObject*, const String& V, bool& Ok) {
    Seen = V;
    Ok = Allow;
  };
  Select(3, 5);  // "cd"
  Paste(L"XY");
  EXPECT_EQ(Seen, L"abXYef");
  EXPECT_EQ(Edit->Text(), L"abcdef");
  Allow = true;
  Paste(L"XY");
  EXPECT_EQ(Edit->Text(), L"abXYef");
  EXPECT_TRUE(Edit->Modified());

  String Copied, Cut;
  Edit->OnClipboardCopy = [&](TObject*, const String& V, bool&) { Copied = V; };
  Edit->OnClipboardCut = [&](TObject*, const String& V, bool& Ok) {
    Cut = V;
    Ok = false;
  };
  Select(1, 3);
  SendMessageW(Edit->Handle(), WM_COPY, 0, 0);
  EXPECT_EQ(Copied, L"ab");
  Copied.clear();
  SendMessageW(Edit->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(Cut, L"ab");
  EXPECT_EQ(Copied, L"");
  EXPECT_EQ(Edit->Text(), L"abXYef");

  Edit->SetReadOnly(true);
  Paste(L"zz");
  EXPECT_EQ(Edit->Text(), L"abXYef");
}

}  // namespace

namespace {

class ExEditLabelTest : public ExEditTest {
 protected:
  ExEditLabelTest() {
    Edit->SetBounds(100, 60, 120, 21);
    Edit->SetLabelCaption(L"Name");
  }
  TEditLabel* Label() { return Edit->EditLabel(); }
};

TEST_F(ExEditLabelTest, PlacedAroundTheEdit) {
  ASSERT_NE(Label(), nullptr);
  EXPECT_EQ(Edit->LabelCaption(), L"Name");
  EXPECT_EQ(Label()->Parent(), Form.Get());
  const Integer LW = Label()->Width(), LH = Label()->Height(), M = 4;
  struct Case { TLabelPosition Pos; Integer Left, Top; };
  const std::vector<Case> Cases{
      {lpLeftTop, 100 - LW - M, 60},
      {lpLeftCenter, 100 - LW - M, 60 + (21 - 2 - LH) / 2},
      {lpLeftTopLeft, 100 - M, 60},
      {lpTopLeft, 100, 60 - LH - M},
      {lpBottomRight, 220 - LW, 81 + M},
      {lpRightCenter, 224, 60 + (21 - 2 - LH) / 2},
      {lpTopCenter, 100 + (120 - LW) / 2, 60 - LH - M},
  };
  for (const Case& C : Cases) {
    Edit->SetLabelPosition(C.Pos);
    EXPECT_EQ(Label()->Left(), C.Left) << int(C.Pos);
    EXPECT_EQ(Label()->Top(), C.Top) << int(C.Pos);
  }
  // It moves with the edit.
  Edit->SetLabelPosition(lpLeftTop);
  Edit->SetBounds(150, 90, 120, 21);
  EXPECT_EQ(Label()->Left(), 150 - LW - M);
  EXPECT_EQ(Label()->Top(), 90);
}

TEST_F(ExEditLabelTest, AlignedEditLeavesRoomForTheLabel) {
  Edit->SetLabelPosition(lpLeftCenter);
  const Integer LW = Label()->Width();
  Edit->SetAlign(alTop);
  EXPECT_EQ(Edit->Left(), LW + 4);
}

TEST_F(ExEditLabelTest, FollowsEnabledVisibleAndFocus) {
  Edit->SetEnabled(false);
  EXPECT_FALSE(Label()->Enabled());
  Edit->SetEnabled(true);
  Edit->SetLabelAlwaysEnabled(true);
  Edit->SetEnabled(false);
  EXPECT_TRUE(Label()->Enabled());
  Edit->SetEnabled(true);

  Edit->SetVisible(false);
  EXPECT_FALSE(Label()->Visible());
  Edit->SetVisible(true);
  EXPECT_TRUE(Label()->Visible());

  Edit->SetFocusLabel(true);
  FocusEdit();
  EXPECT_TRUE(Label()->Font()->Style().Contains(fsBold));
  LeaveEdit();
  EXPECT_FALSE(Label()->Font()->Style().Contains(fsBold));

  TObject* Sender = nullptr;
  Edit->OnLabelClick = [&](TObject* S) { Sender = S; };
  Label()->OnClick(Label());
  EXPECT_EQ(Sender, Edit);
}

}  // namespace

namespace {

TEST_F(ExEditTest, EmptyTextPromptsOnlyWhileEmpty) {
  Edit->SetColor(clWhite);
  Edit->SetEmptyText(L"WWWW");
  auto GreyPixels = [&] {
    TRendered R(Edit);
    int Grey = 0;
    for (Integer X = 0; X < Edit->Width(); ++X)
      for (Integer Y = 0; Y < Edit->Height(); ++Y)
        if (R.Pixel(X, Y) == TColor(0x808080)) ++Grey;
    return Grey;
  };
  EXPECT_GT(GreyPixels(), 10);
  Edit->SetText(L"x");
  EXPECT_EQ(GreyPixels(), 0);
}

TEST_F(ExEditTest, BorderColourFramesTheEdit) {
  Edit->SetBorderColor(clRed);
  TRendered R(Edit);
  EXPECT_EQ(R.Pixel(0, 0), clRed);
  EXPECT_EQ(R.Pixel(Edit->Width() - 1, Edit->Height() / 2), clRed);
}

TEST_F(ExEditTest, FlatEditTakesParentColourAndDrawsALine) {
  Form->SetColor(clAqua);
  Edit->SetColor(clWhite);
  Edit->SetFlat(true);
  EXPECT_EQ(Edit->BorderStyle(), bsNone);
  EXPECT_EQ(Edit->Color(), clAqua);
  TRendered R(Edit);
  EXPECT_EQ(R.Pixel(Edit->Width() / 2, Edit->Height() - 1), clBlack);
  Edit->SetFlat(false);
  EXPECT_EQ(Edit->BorderStyle(), bsSingle);
  EXPECT_EQ(Edit->Color(), clWhite);
}

TEST_F(ExEditTest, ErrorMarkerUnderlinesInRed) {
  Edit->SetColor(clWhite);
  Edit->SetText(L"abcdef");
  Edit->SetErrorMarkerPos(1);
  Edit->SetErrorMarkerLen(3);
  TRendered R(Edit);
  int Red = 0;
  for (Integer X = 0; X < Edit->Width(); ++X)
    for (Integer Y = 0; Y < Edit->Height(); ++Y)
      if (R.Pixel(X, Y) == clRed) ++Red;
  EXPECT_GT(Red, 5);
}

}  // namespace

namespace {

TEST_F(ExEditKeysTest, TypingOverTheWholeValueIsAChange) {
  Edit->SetText(L"old");
  int Changes = 0;
  Edit->OnChange = [&](TObject*) { ++Changes; };
  Edit->SelectAll();
  Type(L"n");
  EXPECT_EQ(Edit->Text(), L"n");
  EXPECT_EQ(Changes, 1);
  EXPECT_TRUE(Edit->Modified());
}

TEST_F(ExEditKeysTest, ShowModifiedColoursTheFont) {
  Edit->Font()->SetColor(clBlack);
  Edit->Init();
  Edit->SetShowModified(true);
  Type(L"a");
  EXPECT_EQ(Edit->Font()->Color(), clHighlight);
  Edit->SetText(L"b");
  EXPECT_EQ(Edit->Font()->Color(), clBlack);
}

TEST_F(ExEditKeysTest, ShiftHomeSelectsTheWholeValue) {
  Edit->SetPrefix(L"ab");
  Edit->SetText(L"123");
  Caret(5);
  BYTE Keys[256];
  GetKeyboardState(Keys);
  Keys[VK_SHIFT] = 0x80;
  SetKeyboardState(Keys);
  Key(VK_HOME);
  Keys[VK_SHIFT] = 0;
  SetKeyboardState(Keys);
  EXPECT_EQ(Edit->SelText(), L"123");
}

TEST_F(ExEditKeysTest, ReturnGoesToTheParentWithoutDefaultHandling) {
  std::vector<WPARAM> Keys;
  Form->OnKeyDown = [&](TObject*, Word& K, TShiftState) { Keys.push_back(K); };
  Edit->SetDefaultHandling(false);
  Type(L"\r");
  Pump();
  ASSERT_FALSE(Keys.empty());
  EXPECT_EQ(Keys.front(), WPARAM(VK_RETURN));
  EXPECT_EQ(Edit->Text(), L"");
}

TEST_F(ExEditKeysTest, PastingAFullValueMovesOn) {
  Edit->SetEditType(etNumeric);
  Edit->SetAllowNumericNullValue(true);
  Edit->SetText(L"");
  Edit->SetLengthLimit(3);
  Edit->SetTabOnFullLength(true);
  FocusEdit();
  Paste(L"123");
  EXPECT_TRUE(PumpUntil([&] { return Other->Focused(); }));
}

}  // namespace

namespace {

TEST_F(ExEditTest, FocusWidensAndNarrowsAgain) {
  Edit->SetFocusWidthInc(30);
  FocusEdit();
  EXPECT_EQ(Edit->Width(), 150);
  LeaveEdit();
  EXPECT_EQ(Edit->Width(), 120);
}

TEST_F(ExEditTest, AutoFocusTakesTheFocusOnMouseEnter) {
  Edit->SetAutoFocus(true);
  Other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Other->Focused(); }));
  Edit->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return Edit->Focused(); }));
}

}  // namespace

namespace {

TEST_F(ExEditKeysTest, TabLeavesWithoutTypingATab) {
  Edit->SetText(L"ab");
  FocusEdit();
  KeyPress(Edit, VK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return Other->Focused(); }));
  EXPECT_EQ(Edit->Text(), L"ab");
}

TEST_F(ExEditTest, PositionPastTheEndLiesRightOfTheLastCharacter) {
  Edit->SetText(L"abc");
  EXPECT_GT(Edit->PosFromChar(3).X, Edit->PosFromChar(2).X);
  EXPECT_EQ(Edit->CharFromPos(Edit->PosFromChar(1)), 1);
  Edit->SetText(L"");
  EXPECT_EQ(Edit->PosFromChar(0).X, 0);
}

}  // namespace

namespace {

TEST_F(ExEditKeysTest, ReturnReachesTheDefaultButton) {
  auto* Ok = new TButton(Form.Get());
  Ok->SetParent(Form.Get());
  Ok->SetBounds(150, 10, 75, 25);
  Ok->SetDefault(true);
  int Clicks = 0;
  Ok->OnClick = [&](TObject*) { ++Clicks; };
  Edit->SetText(L"ab");
  FocusEdit();
  KeyPress(Edit, VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return Clicks == 1; }));
  EXPECT_EQ(Edit->Text(), L"ab");
}

}  // namespace

namespace {

TEST_F(ExEditTest, TransparentEditShowsItsParent) {
  Form->SetColor(clAqua);
  Edit->SetColor(clWhite);
  Edit->SetBorderStyle(bsNone);
  Edit->SetTransparent(true);
  TRendered R(Edit);
  EXPECT_EQ(R.Pixel(Edit->Width() - 3, Edit->Height() - 3), clAqua);
}

// Records every width the edit is given, to see the frame-redrawing nudges.
class TWidthRecordingEdit : public TExEdit {
 public:
  using TExEdit::TExEdit;
  void SetBounds(Integer L, Integer T, Integer W, Integer H) override {
    Widths.push_back(W);
    TExEdit::SetBounds(L, T, W, H);
  }
  // The two widths given last: the nudge and its way back.
  std::vector<Integer> Nudge() const {
    return Widths.size() < 2 ? Widths : std::vector<Integer>(Widths.end() - 2, Widths.end());
  }
  std::vector<Integer> Widths;
};

TEST_F(ExEditTest, ColourAndStyleChangesNudgeTheWidthToRedrawTheFrame) {
  auto* Nudged = new TWidthRecordingEdit(Form.Get());
  Nudged->SetParent(Form.Get());
  Nudged->SetBounds(10, 90, 120, 21);
  Nudged->SetFocusColor(clYellow);
  struct Case { const char* Name; std::function<void()> Act; std::vector<Integer> Widths; };
  const std::vector<Case> Cases{
      {"focus colour on entry", [&] {
         Nudged->SetFocus();
         ASSERT_TRUE(PumpUntil([&] { return Nudged->Focused(); }));
       }, {119, 120}},
      {"normal colour on exit", [&] { LeaveEdit(); }, {119, 120}},
      {"disabled", [&] { Nudged->SetEnabled(false); }, {121, 120}},
      {"enabled", [&] { Nudged->SetEnabled(true); }, {121, 120}},
      {"alignment", [&] { Nudged->SetEditAlign(eaRight); }, {121, 120}},
      {"undo", [&] { Nudged->SetCanUndo(false); }, {121, 120}},
  };
  for (const Case& C : Cases) {
    Nudged->Widths.clear();
    C.Act();
    EXPECT_EQ(Nudged->Nudge(), C.Widths) << C.Name;
    EXPECT_EQ(Nudged->Width(), 120) << C.Name;
  }
  // The hover border is redrawn the same way when the focus goes.
  Nudged->SetFocusColor(clNone);
  Nudged->SetFocusBorder(true);
  Nudged->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Nudged->Focused(); }));
  Nudged->Widths.clear();
  LeaveEdit();
  EXPECT_EQ(Nudged->Nudge(), (std::vector<Integer>{119, 120}));
}

TEST_F(ExEditTest, LoadingKeepsTheStreamedHeight) {
  // Written from an edit without a window, whose height nothing adjusts.
  auto* Source = new TExEdit(Form.Get());
  Source->SetBounds(10, 10, 120, 40);
  Source->Font()->SetSize(30);
  const TBytes Bytes = WrittenBytes(Source);
  // Read into an edit with a window, whose height follows each font read.
  ReadBytesInto(Bytes, Edit);
  EXPECT_EQ(Edit->Font()->Size(), 30);
  EXPECT_EQ(Edit->Height(), 40);
}

TEST_F(ExEditTest, ScalingGivesTheLabelFontTheEditFontsSize) {
  Edit->SetLabelCaption(L"Name");
  Edit->SetParentFont(false);
  Edit->Font()->SetSize(10);
  Edit->LabelFont()->SetSize(8);
  Form->ScaleBy(3, 2);
  EXPECT_EQ(Edit->Font()->Size(), 15);
  EXPECT_EQ(Edit->LabelFont()->Size(), 15);
}

TEST_F(ExEditTest, LabelFollowsTheEditsVisibilityAndShowing) {
  Edit->SetLabelCaption(L"Name");
  TEditLabel* Label = Edit->EditLabel();
  ASSERT_TRUE(Label->Visible());
  Label->SetVisible(false);
  Edit->Perform(CM_VISIBLECHANGED, 1);
  EXPECT_TRUE(Label->Visible());
  // Hiding and showing the form changes whether the edit shows.
  Label->SetVisible(false);
  Form->Hide();
  Form->Show();
  EXPECT_TRUE(Label->Visible());
  Edit->SetVisible(false);
  EXPECT_FALSE(Label->Visible());
}

TEST_F(ExEditTest, WindowCreationPlacesTheLabel) {
  TForm* Hidden = new TForm(nullptr);
  auto Free = ScopeExit([&] { delete Hidden; });
  Hidden->SetBounds(40, 40, 300, 200);
  auto* Late = new TExEdit(Hidden);
  Late->SetParent(Hidden);
  Late->SetBounds(100, 20, 120, 21);
  Late->SetLabelPosition(lpTopLeft);
  Late->SetLabelCaption(L"Name");
  ASSERT_FALSE(Hidden->HandleAllocated());
  Late->HandleNeeded();
  // Above the edit by the label's height and the margin of 4.
  EXPECT_EQ(Late->EditLabel()->Left(), 100);
  EXPECT_EQ(Late->EditLabel()->Top(), 20 - Late->EditLabel()->Height() - 4);
}

TEST_F(ExEditTest, TransparentEditShowsTheGraphicControlsUnderIt) {
  auto* Under = new TShape(Form.Get());
  Under->SetParent(Form.Get());
  Under->SetBounds(10, 10, 120, 21);
  Under->Brush()->SetColor(TColor(0x00C000));
  Under->Pen()->SetColor(TColor(0x00C000));
  Under->SendToBack();
  Edit->SetTransparent(true);
  Pump();
  EXPECT_EQ(ColorToRGB(TRendered(Edit).Pixel(100, 10)), TColor(0x00C000));
  Edit->SetTransparent(false);
  EXPECT_EQ(ColorToRGB(TRendered(Edit).Pixel(100, 10)), ColorToRGB(clWindow));
}

TEST_F(ExEditTest, FlatLayoutSurvivesNewBounds) {
  // Made flat and then widened, the edit lays its text out as one made
  // flat at that width (the height follows the font once the border goes,
  // so only the sides and the top are compared).
  Edit->SetFlat(true);
  Edit->SetBounds(10, 10, 150, 21);
  Other->SetBounds(10, 50, 150, 21);
  Other->SetFlat(true);
  RECT R{}, Expected{};
  SendMessageW(Edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&R));
  SendMessageW(Other->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Expected));
  EXPECT_EQ(Edit->BorderStyle(), bsNone);
  EXPECT_EQ(R.left, Expected.left);
  EXPECT_EQ(R.top, Expected.top);
  EXPECT_EQ(R.right, Expected.right);
}

}  // namespace
