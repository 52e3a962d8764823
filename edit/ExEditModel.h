#pragma once
// What the enhanced edit knows without a window: its value between a fixed
// prefix and suffix, the rules by which typed characters, keys and pastes
// change the text and the selection, the selection arithmetic, and how the
// value reads and writes as a number. The edit control keeps the window and
// the events; it asks this model what a key does and shows what it answers.
#include <cstdint>
#include <optional>
#include "platform/rtl/Types.h"

namespace jorv::edit {

enum TExEditType : uint8_t {
  etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword,
  etMoney, etRange, etHex, etAlphaNumeric, etValidChars
};

enum TPrecisionDisplay : uint8_t { pdNormal, pdShortest };

// 0 integer, 1 decimal number, 2 invalid, 5 hexadecimal but no plain integer;
// separators are the current locale's.
Integer ClassifyNumberText(const String& S);
String ToNameCase(const String& S);

// The whole window text (prefix, value and suffix) and the selection in it.
struct TEditState {
  String Text;
  Integer SelStart = 0;
  Integer SelLength = 0;
};

// A selection as the window takes it: anchor first, caret second.
struct TSelRange {
  Integer From = 0;
  Integer To = 0;
};

// What a typed character does. The window either never sees it, inserts it
// (the converted Ch, over Select when given), or shows a new text.
enum TCharAction : uint8_t { caDiscard, caPass, caShow, caSetValue };
// Steps after the window inserted a passed character.
enum TAfterPass : uint8_t { apNone, apMoneyGroups, apNameCase, apBackspace };

struct TCharRule {
  TCharAction Action = caDiscard;
  Char Ch = 0;
  // caShow: the new window text and selection; caSetValue: the selection
  // taken after the value is written.
  TEditState Shown;
  String Value;  // caSetValue: written as the edit's value
  std::optional<TSelRange> Select;  // taken before passing, or alone
  bool ModifiedFirst = false;  // the edit counts as modified before the change
  bool ModifiedAfter = false;  // ... and after it
  bool BackspaceChanges = false;  // apBackspace: something before the caret or selected goes
  bool EndsBlock = false;  // the swallowed change notice is not awaited
  TAfterPass After = apNone;
  bool Tail = false;  // the common tail runs: full length, modified, lookup
};

// Modifier keys and key data that the rules read.
struct TTypedKeys {
  bool Ctrl = false;
  bool SideCtrl = false;  // the left or right Control key by itself
  bool KeypadDecimal = false;  // the key data marks the keypad's decimal key
};

// What a key-down does among the guards that keep the caret off the affixes.
struct TKeyRule {
  bool Consume = false;  // the key ends here, the window never sees it
  std::optional<TSelRange> Select;
  bool SetModified = false;
  bool FireKeyDown = false;  // the key-down event fires for a refused Backspace
};

// A paste: the value it would give and the selection after it.
struct TPasteRule {
  String Pasted;  // the clipboard's first line
  String Candidate;
  TSelRange Selection;
};

// A candidate value a type accepts, as it is written.
struct TPasteValue {
  String Value;
  bool Reformat = false;  // the number is written again in its own format
  bool Modified = false;  // the edit counts as modified after the write
};

class TExEditModel {
 public:
  // The settings the Parts give the control; the control's accessors
  // read and write these.
  TExEditType EditType = etString;
  String Prefix;
  String Suffix;
  int16_t Precision = 0;
  TPrecisionDisplay PrecisionDisplay = pdNormal;
  bool Signed = false;
  bool ExcelStyleDecimalSeparator = false;
  bool AutoThousandSeparator = true;
  bool AllowNumericNullValue = false;
  int16_t LengthLimit = 0;
  bool TabOnFullLength = false;
  String ValidChars;
  Integer MinValue = 0;
  Integer MaxValue = 0;
  double MinFloatValue = 0;
  double MaxFloatValue = 0;

  bool IsNumberType() const { return EditType == etNumeric || EditType == etFloat || EditType == etMoney; }

  // --- value and number conversions ---
  // The value inside a window text: the prefix taken off when it matches
  // without regard to case, as many characters as the suffix has cut.
  String Value(const String& WindowText) const;
  String Framed(const String& Value) const { return Prefix + Value + Suffix; }
  // A value written as the edit's text, in its type's format.
  String Normalised(const String& Value) const;
  double TextToFloat(const String& S) const;
  double FloatValue(const String& Value) const;
  Integer IntValue(const String& Value) const;
  // The text a number is written as; none for types without numbers.
  std::optional<String> FloatText(double Number) const;
  std::optional<String> IntText(Integer Number) const;
  // One more than the number of integer characters.
  Integer IntegerPartEnd(const String& S) const;
  // Window position (1-based) of the decimal separator, or past the end.
  Integer DecimalSeparatorPos(const String& Value) const;
  // The window text with the integer part grouped again, the caret kept
  // at the same distance from the end of the value.
  TEditState ThousandSeparated(const TEditState& State) const;
  // The bounds of numeric and float types hold.
  bool InBounds(const String& Value) const;
  // A numeric value outside its bounds, on leaving the edit.
  std::optional<String> ClampedOnExit(const String& Value) const;
  static bool LooksLikeURL(const String& Value);

  // --- selection ---
  TSelRange WholeValue(const String& Value, bool ShowURL) const;
  Integer CaretBeforeDecimal(const String& Value) const;
  Integer CaretAfterDecimal(const String& Value) const;
  String SelectedValue(const TEditState& State) const;
  // After a click: a selection that reaches into an affix, held out of it.
  std::optional<TSelRange> KeptOffAffixes(const TEditState& State) const;
  std::optional<Integer> CaretOutOfPrefix(const TEditState& State) const;

  // --- typing rules ---
  // Characters the control leaves to these rules: everything but Return,
  // Esc and the Control shortcuts, which concern the window and its form.
  TCharRule TypeChar(const TEditState& State, Char Ch, const TTypedKeys& Keys) const;
  TEditState SignToggled(const TEditState& State, bool& SetsModified) const;
  TEditState NameCased(const TEditState& AfterPass, Integer CaretBefore) const;
  bool MoneyRegroups(const TEditState& AfterPass, Char Ch) const;
  bool FullLengthReached(const TEditState& State) const;
  TKeyRule KeyDown(const TEditState& State, Word Key, bool Shift) const;
  TPasteRule Paste(const TEditState& State, const String& Clipboard) const;
  std::optional<TPasteValue> AcceptPaste(const String& Candidate, const String& Pasted) const;

  // What a plain edit window does with a character it is given, and with
  // the Delete key: the measure for predictions, and for tests that type
  // without a window.
  static TEditState Inserted(const TEditState& State, Char Ch);
  static TEditState Deleted(const TEditState& State);
  // A character typed with the rules and the window's insertion together;
  // none when the rules refuse it outright.
  std::optional<TEditState> Typed(const TEditState& State, Char Ch, const TTypedKeys& Keys = {}) const;

 private:
  bool FullDecimals(const TEditState& State) const;
  bool SeparatorRefused(const TEditState& State) const;
  TCharRule TypeNumber(const TEditState& State, Char Ch, const TTypedKeys& Keys) const;
  TCharRule TypeFloat(const TEditState& State, Char Ch) const;
};

}  // namespace jorv::edit
