#pragma once
// The edit the extended grid lays over a cell for its text kinds: the
// character filter of each kind, validation when a key or the focus leaves
// the cell, the look of the cell and the edit events of the grid.
#include "platform/ui/InplaceEdit.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TExInplaceEdit : public TInplaceEdit {
 public:
  explicit TExInplaceEdit(TComponent* AOwner);

  bool VAlign() const { return FValign; }
  void SetVAlign(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  Integer LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(Integer Value) { FLengthLimit = Value; }
  // The edit has the focus and its edit is not yet finished.
  bool GotFocus() const { return FGotFocus; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void Change() override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void BoundsChanged() override;
  void UpdateContents() override;

 private:
  TRezIvevirAvod* Grid() const;
  // The cell's colour, font and alignment, and the grid's editor-property
  // event.
  void LoadCellLook();
  // False drops the character (with a beep where the kind beeps).
  bool FilterChar(Char& Key);
  bool FilterFloatChar(Char& Key);
  // Enter, Tab and the vertical keys leave the cell only with a valid value.
  bool ValidateOnKey(Word& Key, TShiftState Shift);
  void RefusedOnKey(const String& OldText);
  // Shift+Left at the start or Shift+Right at the end of the text leaves
  // the cell with a valid value; true when the key was taken.
  bool WalkOnShiftKey(Word& Key, TShiftState Shift);
  // Left at the start or Right at the end of the text steps to the next
  // cell; true when the key ends here.
  bool WalkOnKeyUp(Word& Key, TShiftState Shift);
  void WalkToCell(bool Forward, bool OpenEditor);
  // Completes the typed start from the grid's lookup list.
  void CompleteFromLookup();
  // The column and row grow with the text when the grid asks for it.
  void SizeWhileTyping();
  void SizeRowForLineBreak();
  void HandlePaste();
  String TakePastedText(const String& Pasted);
  Integer CaretPos();
  // Writes without raising the grid's edit-change event.
  void SetTextQuietly(const String& Value);

  Integer FLengthLimit = 0;
  bool FValign = false;
  bool FWordWrap = false;
  bool FGotFocus = false;
  Integer FColE = -1;
  Integer FRowE = -1;
  bool FAltBack = false;
  bool FDropEnterChar = false;
  // Caret position when the last key went down.
  Integer FSelKeyDown = 0;
  // Completion follows typing, not Backspace or Delete.
  bool FWorkmode = true;
  // A character of a mixed-case cell was let through: the whole text is
  // rewritten once the edit has taken it.
  bool FRewriteMixedCase = false;
};

}  // namespace jorv::grid
