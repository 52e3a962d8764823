#pragma once
// The enhanced single-line edit: a value between a fixed prefix and suffix,
// typed through a filter that follows its edit type, read back as a number,
// and shown with focus, error, modified and link looks.
#include <functional>
#include <memory>
#include "edit/EditLabel.h"
#include "edit/ExEditLookup.h"
#include "edit/ExEditModel.h"
#include "platform/ui/CustomEdit.h"

namespace jorv::edit {

enum TEditAlign : uint8_t { eaLeft, eaRight, eaDefault, eaCenter };

using TValueValidateEvent = std::function<void(TObject* Sender, const String& Value, bool& IsValid)>;
using TClipboardEvent = std::function<void(TObject* Sender, const String& Value, bool& Allow)>;
using TURLClickEvent = std::function<void(TObject* Sender, const String& URL, bool& Show)>;

class TRangeList;
class TListHintWindow;
class TListBoxTab;

class TExEdit : public TCustomEdit {
 public:
  explicit TExEdit(TComponent* AOwner);
  ~TExEdit() override;

  // The value: the window text without prefix and suffix.
  String Text() const;
  void SetText(const String& Value);
  void Clear() override;
  void SetEditText(const String& AValue);

  double FloatValue() const;
  void SetFloatValue(double Value);
  Integer IntValue() const;
  void SetIntValue(Integer Value);

  bool Modified() const { return FIsModified; }
  void SetModified(bool Value);

  void SelectAll();
  void SelectBeforeDecimal();
  void SelectAfterDecimal();
  Integer CharFromPos(TPoint Pt);
  TPoint PosFromChar(Integer Index);
  Integer GetTextSize();

  virtual Cardinal GetVersionNr() const { return 0x03030300; }
  virtual bool ValidateValue(const String& Value);
  virtual void DoValueValidate(const String& Value, bool& IsValid);
  virtual bool IsURL();
  String Version() const;
  void SetVersion(const String&) {}

  // Number helpers against the current locale.
  double TextToFloat(const String& S) const;
  Integer IntegerPartEnd(const String& S) const;
  Integer DecimalSeparatorPos();
  void UpdateThousandSeparators();

  // Colours of the normal look, taken again from what the edit shows now.
  void Init();

  TExEditType EditType() const { return FModel.EditType; }
  void SetEditType(TExEditType Value);
  String Prefix() const { return FModel.Prefix; }
  void SetPrefix(const String& Value);
  String Suffix() const { return FModel.Suffix; }
  void SetSuffix(const String& Value);
  int16_t Precision() const { return FModel.Precision; }
  void SetPrecision(int16_t Value);
  TPrecisionDisplay PrecisionDisplay() const { return FModel.PrecisionDisplay; }
  void SetPrecisionDisplay(TPrecisionDisplay Value);
  bool Signed() const { return FModel.Signed; }
  void SetSigned(bool Value) { FModel.Signed = Value; }
  bool ExcelStyleDecimalSeparator() const { return FModel.ExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FModel.ExcelStyleDecimalSeparator = Value; }
  bool AutoThousandSeparator() const { return FModel.AutoThousandSeparator; }
  void SetAutoThousandSeparator(bool Value);
  bool AllowNumericNullValue() const { return FModel.AllowNumericNullValue; }
  void SetAllowNumericNullValue(bool Value) { FModel.AllowNumericNullValue = Value; }
  int16_t LengthLimit() const { return FModel.LengthLimit; }
  void SetLengthLimit(int16_t Value) { FModel.LengthLimit = Value; }
  bool TabOnFullLength() const { return FModel.TabOnFullLength; }
  void SetTabOnFullLength(bool Value) { FModel.TabOnFullLength = Value; }
  String ValidChars() const { return FModel.ValidChars; }
  void SetValidChars(const String& Value) { FModel.ValidChars = Value; }
  Integer MinValue() const { return FModel.MinValue; }
  void SetMinValue(Integer Value) { FModel.MinValue = Value; }
  Integer MaxValue() const { return FModel.MaxValue; }
  void SetMaxValue(Integer Value) { FModel.MaxValue = Value; }
  double MinFloatValue() const { return FModel.MinFloatValue; }
  void SetMinFloatValue(double Value) { FModel.MinFloatValue = Value; }
  double MaxFloatValue() const { return FModel.MaxFloatValue; }
  void SetMaxFloatValue(double Value) { FModel.MaxFloatValue = Value; }
  bool CanUndo() const { return FCanUndo; }
  void SetCanUndo(bool Value);
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  Word ReturnAsTabKey() const { return FReturnAsTabKey; }
  void SetReturnAsTabKey(Word Value) { FReturnAsTabKey = Value; }
  bool DefaultHandling() const { return FDefaultHandling; }
  void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
  String OrigText() const { return FOrigText; }
  void SetOrigText(const String& Value) { FOrigText = Value; }

  TColor Color() const { return TCustomEdit::Color(); }
  void SetColor(TColor Value);
  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor Value) { FFocusColor = Value; }
  TColor FocusFontColor() const { return FFocusFontColor; }
  void SetFocusFontColor(TColor Value) { FFocusFontColor = Value; }
  TColor ErrorColor() const { return FErrorColor; }
  void SetErrorColor(TColor Value) { FErrorColor = Value; }
  TColor ErrorFontColor() const { return FErrorFontColor; }
  void SetErrorFontColor(TColor Value) { FErrorFontColor = Value; }
  TColor ModifiedColor() const { return FModifiedColor; }
  void SetModifiedColor(TColor Value) { FModifiedColor = Value; }
  TColor DisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(TColor Value);
  TColor URLColor() const { return FURLColor; }
  void SetURLColor(TColor Value) { FURLColor = Value; }
  bool ShowError() const { return FShowError; }
  void SetShowError(bool Value) { FShowError = Value; }
  bool ShowModified() const { return FShowModified; }
  void SetShowModified(bool Value) { FShowModified = Value; }
  bool ShowURL() const { return FShowURL; }
  void SetShowURL(bool Value) { FShowURL = Value; }
  bool IsError() const { return FIsError; }
  void SetIsError(bool Value);
  TEditAlign EditAlign() const { return FEditAlign; }
  void SetEditAlign(TEditAlign Value);
  TEditAlign FocusAlign() const { return FFocusAlign; }
  void SetFocusAlign(TEditAlign Value) { FFocusAlign = Value; }
  Integer FocusWidthInc() const { return FFocusWidthInc; }
  void SetFocusWidthInc(Integer Value) { FFocusWidthInc = Value; }
  bool AutoFocus() const { return FAutoFocus; }
  void SetAutoFocus(bool Value) { FAutoFocus = Value; }
  bool HintShowLargeText() const { return FHintShowLargeText; }
  void SetHintShowLargeText(bool Value) { FHintShowLargeText = Value; }
  String EmptyText() const { return FEmptyText; }
  void SetEmptyText(const String& Value);
  bool EmptyTextFocused() const { return FEmptyTextFocused; }
  void SetEmptyTextFocused(bool Value) { FEmptyTextFocused = Value; }
  TFontStyles EmptyTextStyle() const { return FEmptyTextStyle; }
  void SetEmptyTextStyle(TFontStyles Value);
  void SetEnabled(bool Value) override;
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool FlatParentColor() const { return FFlatParentColor; }
  void SetFlatParentColor(bool Value);
  TColor FlatLineColor() const { return FFlatLineColor; }
  void SetFlatLineColor(TColor Value);
  bool SoftBorder() const { return FSoftBorder; }
  void SetSoftBorder(bool Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool Value);
  bool Border3D() const { return FBorder3D; }
  void SetBorder3D(bool Value);
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  Integer ErrorMarkerPos() const { return FErrorMarkerPos; }
  void SetErrorMarkerPos(Integer Value);
  Integer ErrorMarkerLen() const { return FErrorMarkerLen; }
  void SetErrorMarkerLen(Integer Value);
  void SetVisible(bool Value) override;
  void SetParent(TWinControl* AParent) override;
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  // The height a form stream gives is kept, for the end of loading.
  Integer Height() const { return TCustomEdit::Height(); }
  void SetHeight(Integer Value);
  void ChangeScale(Integer M, Integer D) override;

  // The attached label, made on the first caption written.
  TEditLabel* EditLabel() const { return FLabel; }
  String LabelCaption() const { return FLabel ? FLabel->Caption() : String(); }
  void SetLabelCaption(const String& Value);
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  Integer LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(Integer Value);
  TFont* LabelFont() const { return FLabelFont.get(); }
  void SetLabelFont(TFont* Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value);
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool Value) { FFocusLabel = Value; }
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;

  // Range text: the value read into a list, a list written as the window text.
  bool RangeStrToList(TRangeList* RangeList);
  void ListToRangeStr(TRangeList* RangeList);

  TLookupSettings* Lookup() const { return FLookup.get(); }
  void SetLookup(TLookupSettings* Value) { FLookup->Assign(Value); }
  TPersistence* Persistence() const { return FPersistence.get(); }
  void SetPersistence(TPersistence* Value) { FPersistence->Assign(Value); }
  bool FullTextSearch() const { return FFullTextSearch; }
  void SetFullTextSearch(bool Value) { FFullTextSearch = Value; }
  bool LookupVisible() const;
  // Fills, places and shows or hides the pop-up for the text typed so far.
  void UpdateLookupList();
  void SelectLookupItem();
  void ReturnFocusFromLookup();
  virtual void DoLookupNeedData(const String& Value, TStrings* List, Integer& ItemIndex);
  virtual void LoadPersist();
  virtual void SavePersist();

  bool OleDropTarget() const { return FOleDropTarget; }
  void SetOleDropTarget(bool Value);
  bool OleDropSource() const { return FOleDropSource; }
  void SetOleDropSource(bool Value) { FOleDropSource = Value; }
  // The drop caret mark while text is dragged over the edit.
  void TrackDropCaret();
  void ClearDropCaret();
  void InvalidateDropCaret();
  void PlaceCaretAtMouse();
  TPoint DropCaretPos() const { return FCaretPos; }
  bool IsDragSource() const { return FIsDragSource; }

  TLookupSelectEvent OnLookupSelect;
  TLookupIndexSelectEvent OnLookupIndexSelect;
  TLookupNeedDataEvent OnLookupNeedData;

  TValueValidateEvent OnValueValidate;
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardEvent OnClipboardPaste;
  TURLClickEvent OnURLClick;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Loaded() override;
  void Dispatch(TMessage& Message) override;
  void CNCommand(TWMCommand& Message) override;
  void Change() override;
  void WMChar(TWMKey& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMPaint(TWMPaint& Message) override;
  void WMEraseBkgnd(TWMEraseBkgnd& Message) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void CMEnabledChanged(TMessage& Message) override;
  // The frame in the colour the state asks for, on a DC of the whole window.
  void DrawBorder(HDC DC);
  void PaintBorder();
  bool UseBorder3D();
  // Flat underline, empty-text prompt and error marker over the painted text.
  void DrawDecorations(HDC DC);
  void DrawErrorMarker(HDC DC, Integer Pos, Integer Count);
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void CMHintShow(TMessage& Message) override;
  // The window text whole, prefix and suffix included.
  String WindowText() const { return TCustomEdit::GetText(); }
  void SetWindowText(const String& Value);
  void ApplyURLStyle(bool On);
  void ApplyErrorColors();
  void UpdateEditRect(bool AFlat);
  void CreateLabel();
  void UpdateLabel();
  void UpdateLabelPosition();
  void LabelFontChanged(TObject* Sender);
  void DoLabelClick(TObject* Sender);
  void DoLabelDblClick(TObject* Sender);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CMFontChanged(TMessage& Message) override;
  void CMParentFontChanged(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMShowingChanged(TMessage& Message) override;
  // The label sits on the edit's parent and shows when the edit does.
  void LabelFollowsEdit();
  // Narrows (or widens) the edit by one pixel and back, which makes the
  // system redraw its frame in the new colours.
  void NudgeWidth(Integer First);
  // Descendants reserve room for their buttons with these.
  Integer FIndentR = 0;
  Integer FIndentL = 0;

 private:
  bool Loading() const { return ComponentState().Contains(csLoading); }
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  void HandleWantSpecialKeyMessage(TWMKey& Message);
  void HandlePasteMessage(TMessage& Message);
  void HandleCopyMessage(TMessage& Message);
  void HandleCutMessage(TMessage& Message);
  // Mouse steps of the text drag: a press inside the selection arms it (true
  // when it did), a move with the button down starts it, a release without
  // a move is a click; the release also keeps the selection off the affixes.
  bool ArmTextDrag(const TWMMouse& Message);
  void DragArmedText();
  void HandleLButtonUpMessage(TWMMouse& Message);
  // The selected part of the value.
  String SelectedValue();
  // The character handler's steps; Pass hands the character to the window.
  void HandleCharMessage(TWMKey& Message);
  void PassChar(TWMKey& Message) { TCustomEdit::WMChar(Message); }
  // Carries out what the model's rule for a typed character says; true
  // when the common tail follows.
  bool ApplyCharRule(TWMKey& Message, const TCharRule& Rule);
  // The window text and selection as the model sees them, and back.
  TEditState State();
  void Show(const TEditState& Value);
  void Select(const TSelRange& Range);

  // Value, affixes, number settings and the typing rules.
  TExEditModel FModel;
  bool FCanUndo = true;
  bool FEditorEnabled = true;
  bool FReturnIsTab = false;
  Word FReturnAsTabKey = 9;
  bool FDefaultHandling = true;
  String FOrigText;
  TColor FFocusColor = clNone;
  TColor FFocusFontColor = clWindowText;
  TColor FErrorColor = clRed;
  TColor FErrorFontColor = clWhite;
  TColor FModifiedColor = clHighlight;
  TColor FDisabledColor = clSilver;
  TColor FURLColor = clBlue;
  bool FShowError = false;
  bool FShowModified = false;
  bool FShowURL = false;
  bool FIsError = false;
  TEditAlign FEditAlign = eaLeft;
  TEditAlign FFocusAlign = eaDefault;
  Integer FFocusWidthInc = 0;
  bool FAutoFocus = false;
  bool FHintShowLargeText = false;
  String FEmptyText;
  bool FEmptyTextFocused = false;
  TFontStyles FEmptyTextStyle{};

  bool FFlat = false;
  bool FFlatParentColor = true;
  TColor FFlatLineColor = clBlack;
  bool FSoftBorder = false;
  TColor FBorderColor = clNone;
  TColor FFocusBorderColor = clNone;
  bool FFocusBorder = false;
  bool FBorder3D = false;
  bool FDisabledBorder = true;
  bool FTransparent = false;
  Integer FErrorMarkerPos = 0;
  Integer FErrorMarkerLen = 0;
  TBorderStyle FOldBorder = bsSingle;
  bool FMouseInControl = false;
  Integer FLoadedHeight = 0;
  bool FIsWinXP = false;
  bool FIsThemed = false;
  TEditLabel* FLabel = nullptr;
  std::unique_ptr<TFont> FLabelFont = std::make_unique<TFont>();
  TLabelPosition FLabelPosition = lpLeftTop;
  Integer FLabelMargin = 4;
  bool FLabelTransparent = false;
  bool FLabelAlwaysEnabled = false;
  bool FFocusLabel = false;
  bool FParentFnt = false;

  bool FIsModified = false;
  bool FBlockCopy = false;
  bool FBlockDefaultHandling = false;
  bool FIsValidating = false;
  bool FBlockChange = false;
  bool FAlignChanging = false;
  TEditAlign FOldEditAlign = eaLeft;
  TColor FNormalColor = clWindow;
  TColor FFontColor = clWindowText;
  bool FIsUrl = false;

  std::unique_ptr<TLookupSettings> FLookup = std::make_unique<TLookupSettings>();
  std::unique_ptr<TPersistence> FPersistence = std::make_unique<TPersistence>();
  bool FFullTextSearch = false;
  TListHintWindow* FListBox = nullptr;
  TListBoxTab* FListControl = nullptr;
  void LookupListKeyPress(TObject* Sender, Char& Key);
  void LookupListMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  // Lookup keys while the pop-up shows; True when the key was taken.
  bool LookupKeyDown(TWMKey& Message);
  void HideLookup();
  void AddToHistory();

  bool FOleDropTarget = false;
  bool FOleDropSource = false;
  TPoint FCaretPos{-1, -1};
  bool FOleDropTargetAssigned = false;
  bool FIsDragSource = false;
  bool FButtonDown = false;
  void RevokeDropTarget();
};

// The unit-wide default that new edits copy into DefaultHandling.
extern bool ExEditDefaultHandling;

}  // namespace jorv::edit
