#pragma once
// The native single-line edit: text, selection, clipboard and undo through
// the window's own EM_* messages, with the properties kept while the window
// does not exist and handed to it when it is made.
#include "platform/ui/WinControl.h"

namespace jorv {

enum TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);

  Integer SelStart();
  void SetSelStart(Integer Value);
  Integer SelLength();
  void SetSelLength(Integer Value);
  String SelText();
  void SetSelText(const String& Value) { SetSelTextBuf(Value.c_str()); }
  // Replaces the selection (undoably) with Buf.
  void SetSelTextBuf(const Char* Buf);
  void SelectAll();
  void ClearSelection();
  virtual void Clear();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  bool CanUndo();
  void ClearUndo();

  bool Modified();
  void SetModified(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // 0 means no limit of our own.
  Integer MaxLength() const { return FMaxLength; }
  void SetMaxLength(Integer Value);
  Char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(Char Value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& Message) override;
  void DoEnter() override;
  void CMFontChanged(TMessage& Message) override;
  virtual void Change();
  virtual void CNCommand(TWMCommand& Message);
  // Keeps the height to one line of the font plus the border.
  void AdjustHeight();
  // Text brought to the case CharCase asks for.
  String ApplyCharCase(const String& S) const;
  void SetTextValue(const String& Value) override;

  bool FReadOnly = false;
  Integer FMaxLength = 0;
  Char FPasswordChar = 0;
  TEditCharCase FCharCase = ecNormal;
  bool FAutoSelect = true;
  bool FAutoSize = true;
  TBorderStyle FBorderStyle = bsSingle;
  bool FHideSelection = true;
  TAlignment FAlignment = taLeftJustify;
  // Kept here while the window does not exist.
  bool FModified = false;
  bool FCreating = false;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

}  // namespace jorv
