// The enhanced edit's rules without a window: typing, keys and pastes as
// changes of (text, selection), the selection arithmetic around prefix and
// suffix, and the number conversions. No test here creates a window.
#include <gtest/gtest.h>

#include <vector>

#include "edit/ExEditModel.h"
#include "platform/rtl/WinApi.h"
#include "tests/support/PinnedFormatSettings.h"

using namespace jorv;
using namespace jorv::edit;

namespace {

// Types each character in turn; refused characters leave the state alone.
TEditState TypeAll(const TExEditModel& Model, TEditState State, const String& Keys, TTypedKeys With = {}) {
  for (Char C : Keys)
    if (auto Next = Model.Typed(State, C, With)) State = *Next;
  return State;
}

TExEditModel ModelOf(TExEditType Type, int16_t Precision = 0, bool Signed = false) {
  TExEditModel M;
  M.EditType = Type;
  M.Precision = Precision;
  M.Signed = Signed;
  return M;
}

struct TypingCase {
  const char* Name;
  TExEditType Type;
  int16_t Precision;
  bool Signed;
  const wchar_t* Prefix;
  const wchar_t* Start;  // the whole window text
  Integer Caret;
  Integer Selected;
  const wchar_t* Typed;
  const wchar_t* Shown;
  Integer CaretAfter;
};

TEST(ExEditModel, TypingChangesTextAndCaret) {
  PinnedFormatSettings Pinned(USFormatSettings());
  const std::vector<TypingCase> Cases{
      {"numeric skips letters", etNumeric, 0, false, L"Nr ", L"Nr 12", 5, 0, L"a3", L"Nr 123", 6},
      {"sign on the same digit", etNumeric, 0, true, L"", L"12", 1, 0, L"-", L"-12", 2},
      {"sign taken off again", etNumeric, 0, true, L"", L"-12", 2, 0, L"-", L"12", 1},
      {"lone sign over the value", etNumeric, 0, true, L"", L"12", 0, 2, L"-", L"-", 1},
      {"money groups as typed", etMoney, 0, false, L"", L"", 0, 0, L"1234", L"1,234", 5},
      {"money point over all", etMoney, 2, false, L"", L"5.00", 0, 4, L".", L"0.00", 2},
      {"full decimals overwrite", etFloat, 2, false, L"", L"1.25", 3, 0, L"7", L"1.27", 4},
      {"second point jumps", etFloat, 2, false, L"", L"12.50", 1, 0, L".", L"12.50", 3},
      {"point on empty", etFloat, 2, false, L"", L"", 0, 0, L".5", L"0.5", 3},
      {"float minus in front", etFloat, 2, true, L"", L"1.25", 2, 0, L"-", L"-1.25", 3},
      {"name case", etMixedCase, 0, false, L"", L"", 0, 0, L"john mcdonald", L"John McDonald", 13},
      {"upper case", etUppercase, 0, false, L"", L"", 0, 0, L"ab1", L"AB1", 3},
      {"hex letters", etHex, 0, false, L"", L"", 0, 0, L"a-zF9", L"a-F9", 4},
      {"range separators placed", etRange, 0, false, L"", L"", 0, 0, L"-1,,2;-3", L"1,2;3", 5},
      {"backspace deletes", etString, 0, false, L"", L"abc", 2, 0, L"\b", L"ac", 1},
      {"money backspace regroups", etMoney, 0, false, L"", L"1,234", 5, 0, L"\b", L"123", 3},
  };
  for (const TypingCase& C : Cases) {
    TExEditModel M = ModelOf(C.Type, C.Precision, C.Signed);
    M.Prefix = C.Prefix;
    const TEditState After = TypeAll(M, TEditState{C.Start, C.Caret, C.Selected}, C.Typed);
    EXPECT_EQ(After.Text, String(C.Shown)) << C.Name;
    EXPECT_EQ(After.SelStart, C.CaretAfter) << C.Name;
    EXPECT_EQ(After.SelLength, 0) << C.Name;
  }
}

TEST(ExEditModel, RefusedCharactersChangeNothing) {
  PinnedFormatSettings Pinned(USFormatSettings());
  struct Case { const char* Name; TExEditModel Model; TEditState State; Char Typed; };
  TExEditModel Prefixed = ModelOf(etString);
  Prefixed.Prefix = L"#";
  TExEditModel Limited = ModelOf(etNumeric);
  Limited.LengthLimit = 3;
  const std::vector<Case> Cases{
      {"minus of an unsigned number", ModelOf(etNumeric), {L"12", 1, 0}, L'-'},
      {"backspace into the prefix", Prefixed, {L"#34", 1, 0}, L'\b'},
      {"integer part full", Limited, {L"123", 3, 0}, L'4'},
      {"digit past full decimals", ModelOf(etFloat, 2), {L"1.25", 4, 0}, L'9'},
      {"point without decimals", ModelOf(etFloat, 0), {L"12", 2, 0}, L'.'},
      {"comma as decimal point", ModelOf(etFloat, 2), {L"12", 2, 0}, L','},
      {"separator after a separator", ModelOf(etRange), {L"1,", 2, 0}, L','},
      {"separator at the start", ModelOf(etRange), {L"1", 0, 0}, L';'},
      {"decimal point too near a group", ModelOf(etMoney, 2), {L"1,23", 4, 0}, L'.'},
  };
  for (const Case& C : Cases) EXPECT_FALSE(C.Model.Typed(C.State, C.Typed).has_value()) << C.Name;
}

TEST(ExEditModel, GermanSeparatorsAndTheKeypadDecimalKey) {
  PinnedFormatSettings German(GermanFormatSettings());
  TExEditModel Money = ModelOf(etMoney);
  EXPECT_EQ(TypeAll(Money, {}, L"1234").Text, L"1.234");
  TExEditModel Float = ModelOf(etFloat, 2);
  EXPECT_EQ(TypeAll(Float, {}, L"1.5").Text, L"15");
  EXPECT_EQ(TypeAll(Float, {}, L"1,5").Text, L"1,5");
  Float.ExcelStyleDecimalSeparator = true;
  TTypedKeys Keypad;
  Keypad.KeypadDecimal = true;
  EXPECT_EQ(TypeAll(Float, {L"1", 1, 0}, L".", Keypad).Text, L"1,");
}

TEST(ExEditModel, RulesTellTheControlWhatToDo) {
  PinnedFormatSettings Pinned(USFormatSettings());
  // A typed string character counts as a change before the window takes it.
  const TCharRule Str = ModelOf(etString).TypeChar({L"a", 1, 0}, L'b', {});
  EXPECT_EQ(Str.Action, caPass);
  EXPECT_TRUE(Str.ModifiedFirst);
  EXPECT_TRUE(Str.Tail);
  // Unsigned numbers refuse a lone minus without any tail.
  const TCharRule Minus = ModelOf(etNumeric).TypeChar({L"1", 1, 0}, L'-', {});
  EXPECT_EQ(Minus.Action, caDiscard);
  EXPECT_FALSE(Minus.Tail);
  // A numeric edit passes other characters only with a Control key alone.
  TTypedKeys SideCtrl;
  SideCtrl.SideCtrl = true;
  EXPECT_EQ(ModelOf(etNumeric).TypeChar({L"1", 1, 0}, L'x', SideCtrl).Action, caPass);
  EXPECT_EQ(ModelOf(etNumeric).TypeChar({L"1", 1, 0}, L'x', {}).Action, caDiscard);
  // A refused range separator still marks the edit modified.
  EXPECT_TRUE(ModelOf(etRange).TypeChar({L"1,", 2, 0}, L',', {}).ModifiedFirst);
  // The backspace is a change when something before the caret goes.
  EXPECT_TRUE(ModelOf(etString).TypeChar({L"ab", 1, 0}, L'\b', {}).BackspaceChanges);
  EXPECT_FALSE(ModelOf(etString).TypeChar({L"ab", 0, 0}, L'\b', {}).BackspaceChanges);
  // The third digit of a limited integer part moves the focus on.
  TExEditModel Limited = ModelOf(etNumeric);
  Limited.LengthLimit = 3;
  Limited.TabOnFullLength = true;
  EXPECT_TRUE(Limited.FullLengthReached({L"123", 3, 0}));
  EXPECT_FALSE(Limited.FullLengthReached({L"12", 2, 0}));
}

TEST(ExEditModel, KeysKeepTheCaretOffTheAffixes) {
  PinnedFormatSettings Pinned(USFormatSettings());
  TExEditModel M = ModelOf(etString);
  M.Prefix = L"Nr ";
  M.Suffix = L" kg";
  // "Nr 12 kg": the value runs from 3 to 5.
  struct Case {
    const char* Name;
    Word Key;
    bool Shift;
    Integer Caret;
    bool Consume;
    Integer From, To;  // -1: no selection taken
    bool Modified;
    bool KeyDownEvent;
  };
  const std::vector<Case> Cases{
      {"home", VK_HOME, false, 4, true, 3, 3, false, false},
      {"shift home", VK_HOME, true, 4, true, 5, 3, false, false},
      {"end", VK_END, false, 3, true, 5, 5, false, false},
      {"shift end", VK_END, true, 4, true, 4, 5, false, false},
      {"right at the suffix", VK_RIGHT, false, 5, true, -1, -1, false, false},
      {"right inside", VK_RIGHT, false, 4, false, -1, -1, false, false},
      {"left at the prefix", VK_LEFT, false, 3, true, -1, -1, false, false},
      {"delete at the suffix", VK_DELETE, false, 5, true, -1, -1, false, false},
      {"delete inside", VK_DELETE, false, 4, false, -1, -1, true, false},
      {"backspace at the prefix", VK_BACK, false, 3, true, -1, -1, false, true},
      {"backspace inside", VK_BACK, false, 4, false, -1, -1, true, false},
  };
  for (const Case& C : Cases) {
    const TKeyRule R = M.KeyDown(TEditState{L"Nr 12 kg", C.Caret, 0}, C.Key, C.Shift);
    EXPECT_EQ(R.Consume, C.Consume) << C.Name;
    EXPECT_EQ(R.Select.has_value(), C.From >= 0) << C.Name;
    if (R.Select && C.From >= 0) {
      EXPECT_EQ(R.Select->From, C.From) << C.Name;
      EXPECT_EQ(R.Select->To, C.To) << C.Name;
    }
    EXPECT_EQ(R.SetModified, C.Modified) << C.Name;
    EXPECT_EQ(R.FireKeyDown, C.KeyDownEvent) << C.Name;
  }
  // Delete may not pull decimals into a full integer part.
  TExEditModel Limited = ModelOf(etFloat, 1);
  Limited.LengthLimit = 3;
  EXPECT_TRUE(Limited.KeyDown({L"123.4", 3, 0}, VK_DELETE, false).Consume);
  EXPECT_FALSE(Limited.KeyDown({L"12.4", 2, 0}, VK_DELETE, false).Consume);
}

TEST(ExEditModel, PasteBuildsTheValueAndEachTypeJudgesIt) {
  PinnedFormatSettings Pinned(USFormatSettings());
  TExEditModel M = ModelOf(etNumeric);
  M.Prefix = L"#";
  const TPasteRule AtCaret = M.Paste({L"#12", 2, 0}, L"34\r\n56");
  EXPECT_EQ(AtCaret.Pasted, L"34");
  EXPECT_EQ(AtCaret.Candidate, L"1342");
  EXPECT_EQ(AtCaret.Selection.From, 4);
  EXPECT_EQ(AtCaret.Selection.To, 4);
  const TPasteRule OverSelection = M.Paste({L"#12", 1, 2}, L"9");
  EXPECT_EQ(OverSelection.Candidate, L"9");
  EXPECT_EQ(OverSelection.Selection.From, 1);
  EXPECT_EQ(OverSelection.Selection.To, 2);

  struct Case { const char* Name; TExEditModel Model; const wchar_t* Candidate; const wchar_t* Written; };
  TExEditModel Valid = ModelOf(etValidChars);
  Valid.ValidChars = L"abc";
  const std::vector<Case> Cases{
      {"unsigned negative", ModelOf(etNumeric), L"-5", nullptr},
      {"signed negative", ModelOf(etNumeric, 0, true), L"-5", L"-5"},
      {"letters in a number", ModelOf(etNumeric), L"12a", nullptr},
      {"float trimmed", ModelOf(etFloat, 2), L" 1.5 ", L"1.5"},
      {"decimals without precision", ModelOf(etFloat, 0), L"1.5", nullptr},
      {"hexadecimal", ModelOf(etHex), L"1aF", L"1aF"},
      {"not hexadecimal", ModelOf(etHex), L"xyz", nullptr},
      {"alphanumeric", ModelOf(etAlphaNumeric), L"ab1", L"ab1"},
      {"alphanumeric space", ModelOf(etAlphaNumeric), L"a b", nullptr},
      {"valid characters", Valid, L"cab", L"cab"},
      {"invalid character", Valid, L"abd", nullptr},
      {"upper case", ModelOf(etUppercase), L"abc", L"ABC"},
      {"name case", ModelOf(etMixedCase), L"o'neil", L"O'Neil"},
      {"range", ModelOf(etRange), L"1-3;5", L"1-3;5"},
      {"range doubled separator", ModelOf(etRange), L"1--3", nullptr},
  };
  for (const Case& C : Cases) {
    const auto R = C.Model.AcceptPaste(C.Candidate, C.Candidate);
    ASSERT_EQ(R.has_value(), C.Written != nullptr) << C.Name;
    if (R) {
      EXPECT_EQ(R->Value, String(C.Written)) << C.Name;
    }
  }
}

TEST(ExEditModel, NumbersReadWrittenAndGrouped) {
  PinnedFormatSettings Pinned(USFormatSettings());
  struct Read { TExEditType Type; const wchar_t* Value; double Float; Integer Int; };
  for (const Read& C : std::vector<Read>{{etMoney, L"1,234.5", 1234.5, 1234},
                                         {etMoney, L"12.", 12, 12},
                                         {etMoney, L"-", 0, 0},
                                         {etHex, L"FF", 255, 255},
                                         {etNumeric, L"42", 42, 42},
                                         {etNumeric, L"4x", 0, 0},
                                         {etFloat, L"-12.75", -12.75, -12},
                                         {etString, L"3.5", 3.5, 0}}) {
    const TExEditModel M = ModelOf(C.Type);
    EXPECT_DOUBLE_EQ(M.FloatValue(C.Value), C.Float) << C.Value;
    EXPECT_EQ(M.IntValue(C.Value), C.Int) << C.Value;
  }

  EXPECT_EQ(ModelOf(etMoney, 2).FloatText(1234.5), String(L"1234.50"));
  EXPECT_EQ(ModelOf(etNumeric).FloatText(12345), String(L"12345"));
  EXPECT_EQ(ModelOf(etHex).FloatText(255.9), String(L"FF"));
  EXPECT_EQ(ModelOf(etString, -1).FloatText(0.5), String(L"0.5"));
  EXPECT_FALSE(ModelOf(etAlphaNumeric).FloatText(1).has_value());
  EXPECT_EQ(ModelOf(etHex).IntText(255), String(L"FF"));

  EXPECT_EQ(ModelOf(etMoney, 2).Normalised(L"1234.5"), L"1,234.50");
  EXPECT_EQ(ModelOf(etHex).Normalised(L"ff"), L"FF");
  EXPECT_EQ(ModelOf(etNumeric).Normalised(L""), L"0");
  TExEditModel Null = ModelOf(etNumeric);
  Null.AllowNumericNullValue = true;
  EXPECT_EQ(Null.Normalised(L""), L"");

  // Grouping keeps the caret before the same character.
  TExEditModel Money = ModelOf(etMoney);
  Money.Prefix = L"$";
  const TEditState Grouped = Money.ThousandSeparated({L"$12345.6", 6, 0});
  EXPECT_EQ(Grouped.Text, L"$12,345.6");
  EXPECT_EQ(Grouped.SelStart, 7);
  Money.Prefix.clear();
  Money.AutoThousandSeparator = false;
  const TEditState Plain = Money.ThousandSeparated({L"1,234", 5, 0});
  EXPECT_EQ(Plain.Text, L"1234");
  EXPECT_EQ(Plain.SelStart, 4);
}

TEST(ExEditModel, BoundsAndSelections) {
  PinnedFormatSettings Pinned(USFormatSettings());
  TExEditModel M = ModelOf(etNumeric);
  M.MinValue = 1;
  M.MaxValue = 10;
  EXPECT_EQ(M.ClampedOnExit(L"25"), String(L"10"));
  EXPECT_EQ(M.ClampedOnExit(L"0"), String(L"1"));
  EXPECT_EQ(M.ClampedOnExit(L"abc"), String(L"1"));
  EXPECT_FALSE(M.ClampedOnExit(L"5").has_value());
  EXPECT_TRUE(M.InBounds(L"10"));
  EXPECT_FALSE(M.InBounds(L"11"));
  TExEditModel F = ModelOf(etFloat, 2);
  F.MinFloatValue = 0.5;
  F.MaxFloatValue = 1.5;
  EXPECT_TRUE(F.InBounds(L"1.5"));
  EXPECT_FALSE(F.InBounds(L"1.51"));

  TExEditModel Affixed = ModelOf(etString);
  Affixed.Prefix = L"#";
  EXPECT_EQ(Affixed.WholeValue(L"12", false).From, 1);
  EXPECT_EQ(Affixed.WholeValue(L"12", false).To, 3);
  const TExEditModel Bare = ModelOf(etString);
  EXPECT_EQ(Bare.WholeValue(L"http://x.de", true).From, 7);
  EXPECT_EQ(Bare.WholeValue(L"http://x.de", true).To, 18);
  EXPECT_EQ(Bare.WholeValue(L"mailto:a@b", true).From, 7);
  EXPECT_EQ(Bare.CaretBeforeDecimal(L"12.5"), 2);
  EXPECT_EQ(Bare.CaretAfterDecimal(L"12.5"), 3);

  Affixed.Suffix = L"%";
  const auto IntoPrefix = Affixed.KeptOffAffixes({L"#12%", 0, 0});
  ASSERT_TRUE(IntoPrefix.has_value());
  EXPECT_EQ(IntoPrefix->From, 1);
  EXPECT_EQ(IntoPrefix->To, 3);
  EXPECT_EQ(Affixed.SelectedValue({L"#12%", 2, 5}), L"2");
  TExEditModel Suffixed = ModelOf(etString);
  Suffixed.Suffix = L"%";
  const auto PastEnd = Suffixed.KeptOffAffixes({L"12%", 3, 0});
  ASSERT_TRUE(PastEnd.has_value());
  EXPECT_EQ(PastEnd->From, 2);
  EXPECT_EQ(PastEnd->To, 2);
  const auto IntoSuffix = Suffixed.KeptOffAffixes({L"12%", 1, 2});
  ASSERT_TRUE(IntoSuffix.has_value());
  EXPECT_EQ(IntoSuffix->From, 1);
  EXPECT_EQ(IntoSuffix->To, 2);
  EXPECT_FALSE(Suffixed.KeptOffAffixes({L"12%", 1, 0}).has_value());

  EXPECT_TRUE(TExEditModel::LooksLikeURL(L"www.example.org"));
  EXPECT_TRUE(TExEditModel::LooksLikeURL(L"a@b"));
  EXPECT_FALSE(TExEditModel::LooksLikeURL(L"@b"));
}

}  // namespace
