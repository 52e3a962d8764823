#pragma once
// The grid's drop-down editors: each drop-down of the library as an
// editor of the grid. They hand the keys that end the edit to the grid,
// which validates, stores and moves on, and end the edit when they lose
// the focus.
#include "dropdown/CalculatorDropDown.h"
#include "dropdown/ColorPickerDropDown.h"
#include "dropdown/DetailDropDown.h"
#include "dropdown/ImagePickerDropDown.h"
#include "dropdown/MemoDropDown.h"
#include "dropdown/MultiColumnDropDown.h"
#include "dropdown/TimePickerDropDown.h"
#include "dropdown/TrackBarDropDown.h"

namespace jorv::grid {

using namespace jorv::dropdown;

class TRezIvevirAvod;

// What the shared key procedure asks of one wrapper.
class TGridDropDownLink {
 public:
  virtual ~TGridDropDownLink() = default;
  virtual TExCustomDropDown* Editor() = 0;
  // The value validation sees, and writing a value back into the editor.
  virtual String EditorText() { return Editor()->Text(); }
  virtual void SetEditorText(const String& S) = 0;
  // The key-down processing of the wrapper's base class.
  virtual void InheritedKeyDown(Word& Key, TShiftState Shift) = 0;
  // Enter finishes what the editor has pending before it is validated.
  virtual void BeforeEnter() {}
  // Escape first closes what the editor has open.
  virtual void BeforeEscape() {}
  // Enter and Escape are wanted as ordinary keys, not as dialog keys.
  virtual bool WantsEnterEscape() { return false; }
  // False for the keys this editor keeps for itself.
  virtual bool IsHandOverKey(Word Key, TShiftState Shift);
  // False for keys that end the edit without validating the value.
  virtual bool ValidatesKey(Word Key) { (void)Key; return true; }
  // A press that opened the editor puts its caret under the mouse.
  virtual bool PlacesCaretAtPress() { return false; }
  bool WorkMode = true;
};

// The hand-over procedure of the drop-down editors.
void DropDownKeyDown(TGridDropDownLink* Link, TRezIvevirAvod* Grid, Word& Key, TShiftState Shift);
void DropDownKeyPress(TGridDropDownLink* Link, TRezIvevirAvod* Grid, Char& Key);
// CM_WANTSPECIALKEY after the base's answer.
void DropDownWantsKey(TGridDropDownLink* Link, TRezIvevirAvod* Grid, TMessage& Message);
void DropDownChanged(TRezIvevirAvod* Grid, const String& Text);
void DropDownExit(TRezIvevirAvod* Grid);
void DropDownCaretAtPress(TRezIvevirAvod* Grid, HWND Edit);
// The grid of an owner; raises the invalid-cast error for any other.
TRezIvevirAvod* DropDownGrid(TComponent* AOwner);

template <class Base>
class TGridDropDownEditor : public Base, public TGridDropDownLink {
 public:
  // AOwner must be the grid.
  explicit TGridDropDownEditor(TComponent* AOwner) : Base(AOwner), FGrid(DropDownGrid(AOwner)) {}
  TExCustomDropDown* Editor() override { return this; }
  void SetEditorText(const String& S) override { this->SetRawText(S); }
  void InheritedKeyDown(Word& Key, TShiftState Shift) override { Base::KeyDown(Key, Shift); }

 protected:
  void Dispatch(TMessage& Message) override {
    Base::Dispatch(Message);
    if (Message.Msg == CM_WANTSPECIALKEY) DropDownWantsKey(this, FGrid, Message);
    if (Message.Msg == WM_SETFOCUS && PlacesCaretAtPress() && this->HandleAllocated())
      DropDownCaretAtPress(FGrid, this->Handle());
  }
  void KeyDown(Word& Key, TShiftState Shift) override { DropDownKeyDown(this, FGrid, Key, Shift); }
  void KeyPress(Char& Key) override {
    DropDownKeyPress(this, FGrid, Key);
    if (Key != 0) Base::KeyPress(Key);
  }
  void DoExit() override {
    DropDownExit(FGrid);
    Base::DoExit();
  }
  void Change() override {
    Base::Change();
    DropDownChanged(FGrid, EditorText());
  }
  TRezIvevirAvod* FGrid = nullptr;
};

class TGridTrackbarDropDown : public TGridDropDownEditor<TExTrackBarDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
  // Written through Text, so that the position follows.
  void SetEditorText(const String& S) override { SetText(S); }
  bool WantsEnterEscape() override { return true; }
  bool PlacesCaretAtPress() override { return true; }
};

class TGridMemoDropDown : public TGridDropDownEditor<TExMemoDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
  bool PlacesCaretAtPress() override { return true; }
};

class TGridCalculatorDropDown : public TGridDropDownEditor<TExCalculatorDropdown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
  void BeforeEnter() override { CalcResult(); }
  bool PlacesCaretAtPress() override { return true; }
};

class TGridTimepickerDropDown : public TGridDropDownEditor<TExTimePickerDropDown> {
 public:
  explicit TGridTimepickerDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner) { SetFocusDraw(false); }
};

class TGridGridDropDown : public TGridDropDownEditor<TExMultiColumnDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
  void BeforeEscape() override {
    if (DroppedDown()) HideDropDown(true);
  }
};

class TGridDetailPickerDropDown : public TGridDropDownEditor<TExDetailDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridColorDropDown : public TGridDropDownEditor<TExColorPickerDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
  String EditorText() override { return SelectedColorText(); }
  bool WantsEnterEscape() override { return true; }
  bool IsHandOverKey(Word Key, TShiftState Shift) override;
  bool ValidatesKey(Word Key) override { return Key == VK_RETURN; }
};

class TGridImageDropDown : public TGridDropDownEditor<TExImagePickerDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
  // The picker shows an image's caption; the cell keeps what it held.
  String EditorText() override;
};

class TGridControlDropDown : public TGridDropDownEditor<TExControlDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
};

}  // namespace jorv::grid
