#pragma once
// A drop-down editor over several lines: the pop-up holds a memo, the edit
// shows the first line (with "..." when more follow and the edit takes no
// typing).
#include <memory>
#include "dropdown/ExDropDown.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Memo.h"

namespace jorv {
class TPopupMenu;
}
namespace jorv::dropdown {

class TExMemoDropDown : public TExCustomDropDown {
 public:
  explicit TExMemoDropDown(TComponent* AOwner);
  using TExCustomDropDown::DisabledBorder;
  using TExCustomDropDown::SetDisabledBorder;
  ~TExMemoDropDown() override;

  bool AutoDrop() const { return FAutoDrop; }
  void SetAutoDrop(bool Value) { FAutoDrop = Value; }
  // The memo's lines while the memo exists, else the lines kept here.
  TStrings* MemoText() const;
  void SetMemoText(TStrings* Value);
  TPopupMenu* MemoPopup() const { return FMemoPopup; }
  void SetMemoPopup(TPopupMenu* Value) { FMemoPopup = Value; }
  TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
  void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
  bool MemoReadOnly() const { return FMemoReadOnly; }
  void SetMemoReadOnly(bool Value);
  TMemo* Memo() const { return FMemo; }
  void DoHideDropDown(bool Cancel) override;
  void DropDownFormHidden() override;

  TNotifyEvent OnMemoChange;

 protected:
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DropDownControlKeyDown(Word& Key, TShiftState Shift) override;
  void DropDownControlKeyUp(Word& Key, TShiftState Shift) override;
  void DropDownControlKeyPress(Char& Key) override;
  void Change() override;
  void DoEnter() override;

 private:
  void MemoChanged(TObject* Sender);
  void WriteMemoLines(TStrings* From);
  // Shows the first line in the edit without writing back into the lines.
  void UpdateEditFromMemo(TObject* Sender);
  String FittedFirstLine();
  TStrings* Lines() const { return FMemo ? FMemo->Lines() : FMemoText.get(); }

  TPopupMenu* FMemoPopup = nullptr;
  std::unique_ptr<TStringList> FMemoText;
  TMemo* FMemo = nullptr;
  TScrollStyle FMemoScrollBars = ssNone;
  bool FMemoReadOnly = false;
  bool FInternalUpdate = false;
  bool FWritingMemo = false;
  bool FAutoDrop = false;
};

// Shows whatever control the application gives it in the pop-up; the
// control stays its creator's.
class TExControlDropDown : public TExDropDown {
 public:
  using TExDropDown::TExDropDown;
  using TExCustomDropDown::Control;
  using TExCustomDropDown::SetControl;
  void Loaded() override;
};

}  // namespace jorv::dropdown
