#pragma once
// The custom editor link: an application edits cells of the grid with a
// control of its own by deriving from TEditLink and overriding the
// protocol below; the link ends the edit by the keys its control hands to
// EditKeyDown and by the control's exit (EditExit).
#include "platform/rtl/Component.h"
#include "platform/ui/Control.h"

namespace jorv {
class TCustomForm;
class TFont;
class TWinControl;
}  // namespace jorv

namespace jorv::grid {

class TRezIvevirAvod;

enum TEditStyle : uint8_t { esInplace, esPopup };

class TEditLink : public TComponent {
 public:
  explicit TEditLink(TComponent* AOwner);
  ~TEditLink() override;

  virtual void EditKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
  // The application's control, once CreateEditor has made it.
  virtual TWinControl* GetEditControl() { return nullptr; }
  // Makes the control with AParent (the grid, or the pop-up form) as parent.
  virtual void CreateEditor(TWinControl* AParent) { (void)AParent; }
  virtual void DestroyEditor() {}
  virtual void SetFocus(bool Value);
  virtual void SetRect(TRect R);
  virtual void SetVisible(bool Value);
  virtual void SetProperties() {}
  virtual void SetCellProps(TColor AColor, TFont* AFont) {
    (void)AColor;
    (void)AFont;
  }
  virtual String GetEditorValue() { return String(); }
  virtual void SetEditorValue(const String& S) { (void)S; }

  void EditExit(TObject* Sender);
  void FormExit(TObject* Sender);
  // The text of the grid's current cell, and writing it as the editor's text.
  String GetCellValue();
  void SetCellValue(const String& S);
  // The pop-up form for esPopup, the grid for esInplace.
  TWinControl* GetParent();
  void RestoreWinProc();
  // Stores the editor's value and ends the grid's edit.
  void HideEditor();

  // The grid that opened the link last.
  TRezIvevirAvod* Grid() const { return FOwner; }
  TPoint EditCell() const { return FEditCell; }
  TCustomForm* PopupForm() const { return FPopupForm; }
  bool ForcedExit() const { return FForcedExit; }

  bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
  void SetWantKeyLeftRight(bool Value) { FWantKeyLeftRight = Value; }
  bool WantKeyUpDown() const { return FWantKeyUpDown; }
  void SetWantKeyUpDown(bool Value) { FWantKeyUpDown = Value; }
  bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
  void SetWantKeyHomeEnd(bool Value) { FWantKeyHomeEnd = Value; }
  bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
  void SetWantKeyPriorNext(bool Value) { FWantKeyPriorNext = Value; }
  bool WantKeyReturn() const { return FWantKeyReturn; }
  void SetWantKeyReturn(bool Value) { FWantKeyReturn = Value; }
  bool WantKeyEscape() const { return FWantKeyEscape; }
  void SetWantKeyEscape(bool Value) { FWantKeyEscape = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  TEditStyle EditStyle() const { return FEditStyle; }
  void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
  Integer PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(Integer Value) { FPopupWidth = Value; }
  Integer PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(Integer Value) { FPopupHeight = Value; }
  Integer PopupLeft() const { return FPopupLeft; }
  void SetPopupLeft(Integer Value) { FPopupLeft = Value; }
  Integer PopupTop() const { return FPopupTop; }
  void SetPopupTop(Integer Value) { FPopupTop = Value; }
  bool AutoPopupWidth() const { return FAutoPopupWidth; }
  void SetAutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }
  Integer Tag() const { return FTag; }
  void SetTag(Integer Value) { FTag = Value; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TRezIvevirAvod;
  // Follows the grid's lifetime, so that neither outlives the other's pointer.
  void AttachGrid(TRezIvevirAvod* Grid);
  bool IsActedKey(Word Key) const;
  // The control's messages go to its own handler again.
  void ReleaseControl();
  // The grid takes the focus back while the link knows it is the grid's doing.
  void FocusGrid();
  // What the keys that end the edit do once the value is stored.
  void FinishKey(Word& Key, TShiftState Shift);
  TRezIvevirAvod* FOwner = nullptr;
  bool FWantKeyLeftRight = false;
  bool FWantKeyUpDown = false;
  bool FWantKeyHomeEnd = false;
  bool FWantKeyPriorNext = false;
  bool FWantKeyReturn = false;
  bool FWantKeyEscape = false;
  TEditStyle FEditStyle = esInplace;
  TCustomForm* FPopupForm = nullptr;
  Integer FPopupWidth = 0;
  Integer FPopupHeight = 0;
  bool FForcedExit = false;
  TPoint FEditCell{0, 0};
  Integer FTag = 0;
  bool FAutoPopupWidth = false;
  Integer FPopupLeft = -1;
  Integer FPopupTop = -1;
  bool FSubClassed = false;
  bool FWantReturns = false;
  bool FWantTabs = false;
};

}  // namespace jorv::grid
