#pragma once
// The native combo box: an edit with a list (csDropDown, csSimple) or a
// list alone (csDropDownList and the owner-drawn styles). The items are
// kept by the control; the edit inside is subclassed so that its keys pass
// through the control's key events, CharCase and AutoComplete.
#include "platform/gfx/Canvas.h"
#include "platform/ui/CustomEdit.h"
#include "platform/ui/ListControlItems.h"

namespace jorv {

enum TComboBoxStyle : uint8_t { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TWinControl, protected TItemWindow {
 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  void Clear();
  Integer ItemIndex();
  void SetItemIndex(Integer Value);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  Integer DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(Integer Value);
  bool DroppedDown();
  void SetDroppedDown(bool Value);
  Integer ItemHeight();
  void SetItemHeight(Integer Value);
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool Value) { FItems->SetSorted(Value); }
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  Integer MaxLength() const { return FMaxLength; }
  void SetMaxLength(Integer Value);
  Integer SelStart();
  void SetSelStart(Integer Value);
  Integer SelLength();
  void SetSelLength(Integer Value);
  String SelText();
  void SelectAll();
  // The edit window inside (csDropDown, csSimple), or nullptr.
  HWND EditHandle() const { return FEditHandle; }
  TCanvas* Canvas() const { return FCanvas.get(); }
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& Message) override;
  String GetText() const override;
  void SetTextValue(const String& Value) override;
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(Integer Index, Integer& Height);
  virtual void CNCommand(TWMCommand& Message);
  virtual void CNDrawItem(TMessage& Message);
  // Messages of the edit inside; ends in the edit's own procedure.
  virtual void EditWndProc(TMessage& Message);
  // Completes the typed text to the first item that starts with it.
  void DoAutoComplete();
  bool HasEdit() const { return FStyle == csDropDown || FStyle == csSimple; }
  bool IsOwnerDraw() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
  // The window's height: the closed box and, for the drop-down styles, its list.
  Integer WindowHeight();
  void SetWindowItemHeight(Integer Index);

  void WindowInsert(Integer Index, const String& S) override;
  void WindowDelete(Integer Index) override;
  void WindowClear() override;
  void WindowReload() override;
  void WindowUpdate(bool Updating) override;

  std::unique_ptr<TListControlItems> FItems;
  std::unique_ptr<TCanvas> FCanvas;
  TComboBoxStyle FStyle = csDropDown;
  Integer FDropDownCount = 8;
  Integer FItemHeight = 16;
  bool FAutoComplete = true;
  TEditCharCase FCharCase = ecNormal;
  Integer FMaxLength = 0;
  HWND FEditHandle = nullptr;
  WNDPROC FDefEditProc = nullptr;
  Integer FSaveItemIndex = -1;
  // Set while a typed character is being handled, so the change it makes
  // (and the completion after it) is announced once.
  bool FTyping = false;
  bool FChangedWhileTyping = false;
  bool FDeletingKey = false;

 private:
};

class TComboBox : public TCustomComboBox {
 public:
  explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};

}  // namespace jorv
