#pragma once
// A single-line edit whose text follows an edit mask: typing overwrites
// one position at a time and only with what the position accepts, literals
// stay in place, and leaving the edit checks that every required position
// is filled.
//
// A mask has up to three fields separated by ';': the mask itself, '0' when
// Text leaves the literals out (anything else keeps them), and the
// character that shows an empty position ('_' by default). Mask characters:
//   L l  a letter (required, optional)     A a  a letter or digit
//   C c  any character                     0 9  a digit
//   #    an optional digit or sign         :  /  the locale's separators
//   >    upper case from here              <    lower case from here
//   <>   no case change from here          \    the next character is literal
//   !    optional positions stand to the left (blanks lead, not trail)
//   _    a literal space                   anything else is a literal
#include <vector>
#include "platform/rtl/Exceptions.h"
#include "platform/ui/CustomEdit.h"

namespace jorv {

JORV_EXCEPTION(EDBEditError, Exception)

// Value laid into EditMask (literals added, empty positions as spaces).
String FormatMaskText(const String& EditMask, const String& Value);

class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(TComponent* AOwner);

  // Setting a new mask keeps the characters entered so far.
  const String& EditMask() const { return FMask; }
  void SetEditMask(const String& Value);
  // A mask without a single position (only fields or directives) masks
  // nothing.
  bool IsMasked() const { return !FSlots.empty(); }
  // The text as shown, literals and blank characters included.
  String EditText() const;
  void SetEditText(const String& Value);
  // The character shown in an empty position.
  Char MaskBlank() const { return FMaskBlank; }
  // Number of positions of the masked text.
  Integer MaskLength() const { return static_cast<Integer>(FSlots.size()); }

  // Raises EDBEditError, with the caret on the first bad position, when
  // the edit was changed and its text does not satisfy the mask.
  virtual void ValidateEdit();
  // True when Value satisfies the mask; otherwise Pos is the first bad
  // position (0-based).
  virtual bool Validate(const String& Value, Integer& Pos);
  // Back to the text the edit had when it got the focus.
  void Reset();
  // The masked text's selection as the edit shows it: the caret is a
  // one-character selection.
  String SelText();

 protected:
  friend String FormatMaskText(const String& EditMask, const String& Value);

  // One position of the masked text.
  struct TSlot {
    Char Literal = 0;   // a literal character, or 0 for an input position
    Char Kind = 0;      // the mask character of an input position
    bool Optional = false;
    int8_t Case = 0;    // 1 upper, -1 lower
  };

  String GetText() const override;
  void SetTextValue(const String& Value) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void WMLButtonUp(TWMMouse& Message) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  // False stops every change through the keyboard and the clipboard.
  virtual bool EditCanModify();
  virtual void ValidateError();
  // Shows the caret as a selection of the position at Pos.
  void SetCursor(Integer Pos);
  // Makes a bare caret a one-character selection again.
  void CheckCursor();

  // The mask's input positions and literals.
  std::vector<TSlot> FSlots;
  String FMask;
  bool FMaskSave = true;
  bool FReverse = false;
  Char FMaskBlank = L'_';
  // The edit text at focus entry, for Reset.
  String FOldValue;
  bool FReEnter = false;

 private:
  void Parse();
  // Entered characters of an edit text, blanks as spaces, trimmed on the
  // side the mask's direction asks.
  String RemoveEditFormat(const String& Value) const;
  // Characters laid into the input positions with the literals between;
  // an empty position shows Blank.
  String AddEditFormat(const String& Value, Char Blank) const;
  // A text that has its literals in place (or some of them) laid into the
  // mask position by position.
  String PadInputLiterals(const String& Value, Char Blank) const;
  // The edit text, cut or padded to the mask's length.
  String CurrentText() const;
  void WriteText(const String& Value);
  bool Accepts(const TSlot& S, Char C) const;
  Char ApplyCase(const TSlot& S, Char C) const;
  Integer NextInput(Integer Pos) const;
  Integer PrevInput(Integer Pos) const;
  void GetSel(Integer& Start, Integer& Stop);
  // Blanks the input positions in [Start, Stop); true when any changed.
  bool BlankRange(String& Text, Integer Start, Integer Stop) const;
  void CharKeys(Char Key);
  void DeleteKeys(Word Key);
  void PasteText();
  void CutText();
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
};

}  // namespace jorv
