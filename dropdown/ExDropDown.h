#pragma once
// The base of every drop-down editor: a single-line edit with a drop-down
// button inside its right edge, an optional attached label, typed input
// (numbers, money, ranges, hexadecimal, cases, a character set) with a
// fixed prefix and suffix, and a borderless pop-up form with a header, a
// hosted control and a footer, opened and placed on the editor's monitor
// and closed by keys, clicks outside and loss of activation.
#include <memory>
#include "dropdown/Appearances.h"
#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownForm.h"
#include "foundation/ZVQStyle.h"
#include "platform/ui/Label.h"
#include "platform/ui/MaskEdit.h"

namespace jorv {
class TCustomImageList;
}
namespace jorv::dropdown {
using namespace jorv::foundation;

// Gives any control's windowless children to a device context.
class TWinCtrl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  void PaintCtrls(HDC DC, TControl* First) { PaintControls(DC, First); }
};

// Where a pop-up of Size opens for an editor whose top-left corner is at
// the screen point Editor and which is EditorHeight high, inside WorkArea:
// below the editor (above for dpUp, or for dpAuto when it does not fit
// below), on the other side when the asked one has no room and the other
// has, then moved inside the work area.
TPoint PlaceDropDown(TPoint Editor, Integer EditorHeight, TSize Size, TDropPosition Position,
                     const TRect& WorkArea);

class TExCustomDropDown : public TCustomMaskEdit, public IZVQStyle, public IZVQTones {
 public:
  explicit TExCustomDropDown(TComponent* AOwner);
  ~TExCustomDropDown() override;

  // --- the pop-up -----------------------------------------------------------
  TDropDownEditButton* Button() const { return FButton; }
  TDropDownForm* DropDownForm() const { return FDropDownForm; }
  bool DroppedDown() const { return FDroppedDown; }
  void ShowDropDown() { DoShowDropDown(); }
  void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }

  // --- looks ----------------------------------------------------------------
  TZVQStyle GetComponentStyle() const { return FZVQStyle; }
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;
  void STDMETHODCALLTYPE SetColorTones(TColorTones ATones) override;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** obj) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(-1); }

  void SelectAll();
  void SelectAfterDecimal();
  void SelectBeforeDecimal();
  // Copies the drop-down settings (not text, events, label or colours of
  // the edit) from another drop-down; any other source changes nothing.
  void Assign(TPersistent* Source) override;

  // --- published --------------------------------------------------------------
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
  TColor DropDownColor() const { return FDropDownColor; }
  void SetDropDownColor(TColor Value) { FDropDownColor = Value; }
  TColor DropDownColorTo() const { return FDropDownColorTo; }
  void SetDropDownColorTo(TColor Value) { FDropDownColorTo = Value; }
  TColor DropDownBorderColor() const { return FDropDownBorderColor; }
  void SetDropDownBorderColor(TColor Value) { FDropDownBorderColor = Value; }
  Integer DropDownBorderWidth() const { return FDropDownBorderWidth; }
  void SetDropDownBorderWidth(Integer Value) { FDropDownBorderWidth = Value; }
  bool DropDownShadow() const { return FDropDownShadow; }
  void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
  Integer DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(Integer Value);
  Integer DropDownHeight() const { return FDropDownHeight; }
  void SetDropDownHeight(Integer Value);
  bool DropDownEnabled() const { return FDropDownEnabled; }
  void SetDropDownEnabled(bool Value);
  TDropPosition DropPosition() const { return FDropPosition; }
  void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
  Integer DropDownButtonWidth() const { return FButtonWidth; }
  void SetDropDownButtonWidth(Integer Value);
  const String& DropDownButtonHint() const { return FButtonHint; }
  void SetDropDownButtonHint(const String& Value);
  bool DropDownSizeable() const { return FDropDownSizeable; }
  void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value);
  TBitmap* DropDownButtonGlyph() const { return FButton->Glyph(); }
  void SetDropDownButtonGlyph(TBitmap* Value) { FButton->SetGlyph(Value); }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  String LabelCaption() const;
  void SetLabelCaption(const String& Value);
  TLabel* EditLabel() const { return FLabel; }
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  Integer LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(Integer Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value) { FLabelAlwaysEnabled = Value; }
  TFont* LabelFont() const { return FLabelFont.get(); }
  void SetLabelFont(TFont* Value);
  String Version() const;
  void SetVersion(const String&) {}
  TExButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
  void SetButtonAppearance(TExButtonAppearance* Value) { FButtonAppearance->Assign(Value); }
  THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
  void SetDropDownHeader(THeaderAppearance* Value) { FDropDownHeader->Assign(Value); }
  TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
  void SetDropDownFooter(TFooterAppearance* Value) { FDropDownFooter->Assign(Value); }

  // Text() reads the value: the window text without Prefix and Suffix.
  virtual void SetText(const String& Value);

  void Loaded() override;
  void SetParent(TWinControl* AParent) override;
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

  TNotifyEvent OnBeforeDropDown;
  TDropDown OnDropDown;
  TNotifyEvent OnBeforeDropUp;
  TDropUp OnDropUp;
  TDropDownButtonItemClick OnDropDownHeaderButtonClick;
  TDropDownButtonItemClick OnDropDownFooterButtonClick;
  TDrawBackGroundEvent OnDrawHeader;
  TDrawBackGroundEvent OnDrawFooter;
  TGetTextEvent OnGetHeaderText;
  TGetTextEvent OnGetFooterText;
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;
  TGetDropDownPosEvent OnGetDropDownPos;

  // --- what descendants, the pop-up and its panels call -------------------------
  virtual void DoHideDropDown(bool Cancel);
  virtual void DropDownFormHidden();
  virtual Cardinal GetVersionNr() { return 0x01030203; }

 protected:
  friend class TDropDownForm;

  // --- virtual operations, in the order descendants know them -----------------
  virtual void DoLabelClick();
  virtual void DoLabelDblClick();
  virtual void CreateDropDownForm();
  virtual void CreateDropDownButton();
  virtual void SizeDropDownButton();
  virtual void DoBeforeDropDown();
  virtual void AdjustDropDownHeight(Integer& Height);
  virtual void FocusDropDownControl();
  virtual void DoShowDropDown();
  virtual void PlaceDropDownControl();
  virtual void SizeDropDownForm();
  virtual void DropDownFormDestroyed() {}
  virtual void DropDownFormWheelDown(TShiftState Shift, TPoint MousePos, bool& Handled);
  virtual void DropDownFormWheelUp(TShiftState Shift, TPoint MousePos, bool& Handled);
  virtual void DropDownFormKeyPress(Char& Key);
  virtual void DropDownFormKeyDown(Word& Key, TShiftState Shift);
  virtual void DropDownFormKeyUp(Word& Key, TShiftState Shift);
  virtual void DropDownControlKeyDown(Word& Key, TShiftState Shift);
  virtual void DropDownControlKeyUp(Word& Key, TShiftState Shift);
  virtual void DropDownControlKeyPress(Char& Key);
  virtual void DropDownFormSizing() {}
  virtual void DoWheelDown() {}
  virtual void DoWheelUp() {}
  virtual void PaintEditContent();
  virtual void UpdateEditRect();
  virtual void UpdateButtonBounds();
  virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
  virtual void DrawSelectionBackground(TCanvas* Canvas, const TRect& Rect, TColor Color, Integer Position);
  virtual void DrawGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps,
                                const TRect& Rect, TGradientDirection Direction);

  // --- looks of descendants that list their items in a grid ---------------------
  // The grid colours such a descendant keeps, which a look sets together.
  struct TGridLookColors {
    TColor& HeaderColor;
    TColor& HeaderColorTo;
    TFont& HeaderFont;
    TColor& LineColor;
    TColor& FixedLineColor;
    TColor& SelectionTextColor;
  };
  // The grid lines a selection colour style brings; scCustom leaves them.
  static void SetGridSelectionLines(TSelectionColorStyle Value, TColor& LineColor, TColor& FixedLineColor);
  // Call after the base's preset. Styles without a row leave the colours
  // alone; the Office 2010 rows only where the descendant has them.
  void ApplyGridLook(TZVQStyle AStyle, bool WithOffice2010, const TGridLookColors& Colors);

  // --- protected properties -----------------------------------------------------
  TDropDownEditType EditType() const { return FEditType; }
  void SetEditType(TDropDownEditType Value);
  SmallInt Precision() const { return FPrecision; }
  void SetPrecision(SmallInt Value);
  SmallInt LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(SmallInt Value) { FLengthLimit = Value; }
  const String& Prefix() const { return FPrefix; }
  void SetPrefix(const String& Value);
  const String& Suffix() const { return FSuffix; }
  void SetSuffix(const String& Value);
  bool Signed() const { return FSigned; }
  void SetSigned(bool Value) { FSigned = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
  void SetAllowNumericNullValue(bool Value) { FAllowNumericNullValue = Value; }
  bool DefaultHandling() const { return FDefaultHandling; }
  void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
  bool CanUndo() const { return FCanUndo; }
  void SetCanUndo(bool Value) { FCanUndo = Value; }
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  const String& ValidChars() const { return FValidChars; }
  void SetValidChars(const String& Value) { FValidChars = Value; }
  bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
  void SetAutoThousandSeparator(bool Value) { FAutoThousandSeparator = Value; }
  bool FocusDraw() const { return FFocusDraw; }
  void SetFocusDraw(bool Value) { FFocusDraw = Value; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  TGradientDirection DropDownGradient() const { return FDropDownGradient; }
  void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
  TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
  TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(TColor Value) { FSelectionColor = Value; }
  TColor SelectionColorTo() const { return FSelectionColorTo; }
  void SetSelectionColorTo(TColor Value) { FSelectionColorTo = Value; }
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value);
  bool ForceShadow() const { return FForceShadow; }
  void SetForceShadow(bool Value) { FForceShadow = Value; }
  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value);
  String DropDownButtonCaption() const { return FButton->ButtonCaption(); }
  void SetDropDownButtonCaption(const String& Value) { FButton->SetButtonCaption(Value); }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardEvent OnClipboardPaste;

  // --- value text and numbers -------------------------------------------------------
  // Writes the window text as it is: no prefix, suffix or formatting.
  void SetRawText(const String& S);
  // Backspace while the user types a lookup entry: removes the selected
  // text, or else the entry's last character; the caret goes to the end.
  void LookupBackspace(String& Entry);
  String RawText() const { return TCustomMaskEdit::GetText(); }
  void SetModifiedState(bool Value);
  bool GetModifiedState() const { return FIsModified; }
  double GetFloatValue();
  void SetFloatValue(double Value);
  void SetIntValue(Integer Value);
  double TextToFloat(const String& S) const;
  TRect GetEditRect() const { return FEditRect; }
  void UpdateLabel();
  Integer GetMinHeight();

  // --- framework overrides --------------------------------------------------------------
  String GetText() const override;
  void SetTextValue(const String& Value) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Adds "SelectionColorStyle" and "ZVQStyle" to the form stream.
  void DefineProperties(TFiler* Filer) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void DoEnter() override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void Change() override;

  // --- message handlers ------------------------------------------------------------------
  void HandleKeyDownMessage(TWMKey& Message);
  void HandleCharMessage(TWMKey& Message);
  void HandleWantSpecialKeyMessage(TWMKey& Message);
  void HandleSetFocusMessage(TWMSetFocus& Message);
  void HandleKillFocusMessage(TWMKillFocus& Message);
  void HandleWindowMessage(TMessage& Message);
  void HandlePaste(TMessage& Message);
  void HandleCut(TMessage& Message);
  void HandleCopy(TMessage& Message);
  void HandleMouseDown(TWMMouse& Message);
  void HandleMouseUp(TWMMouse& Message);
  void DrawBorder(HDC DC);
  void PaintBorder();
  void OpenFromButton();
  void DropDownButtonClick(TObject* Sender);

  // --- state, in the order the class keeps it ------------------------------------------------
  TLabel* FLabel = nullptr;
  bool FParentFnt = false;
  Integer FDropDownWidth = 0;
  Integer FDropDownHeight = 0;
  Integer FUserDropDownWidth = -1;
  Integer FUserDropDownHeight = -1;
  bool FEditorEnabled = true;
  TDropPosition FDropPosition = dpAuto;
  bool FFlat = false;
  TCustomImageList* FImages = nullptr;
  bool FDropDownShadow = true;
  Integer FDropDownBorderWidth = 1;
  String FButtonHint;
  TColor FDropDownColorTo = clNone;
  TColor FDropDownColor = 0xFFFFFF;
  TColor FDropDownBorderColor = 0;
  Integer FButtonWidth = 17;
  bool FMouseInControl = false;
  bool FEtched = false;
  TWinControl* FFocusControl = nullptr;
  std::unique_ptr<THeaderAppearance> FDropDownHeader;
  std::unique_ptr<TExButtonAppearance> FButtonAppearance;
  std::unique_ptr<TFooterAppearance> FDropDownFooter;
  TControl* FControl = nullptr;
  // The hosted control's own size, taken before the pop-up aligns it.
  TSize FControlSize;
  TGradientDirection FDropDownGradient = gdHorizontal;
  bool FDropDownSizeable = true;
  TColor FSelectionColor = clNone;
  TColor FSelectionColorTo = clNone;
  TSelectionColorStyle FSelectionColorStyle = scOffice2007;
  TDropDownEditType FEditType = etString;
  SmallInt FLengthLimit = 0;
  SmallInt FPrecision = 0;
  String FPrefix;
  String FSuffix;
  bool FSigned = false;
  bool FReturnIsTab = false;
  bool FIsWinXP = false;
  bool FIsThemed = false;
  bool FBlockChange = false;
  bool FAllowNumericNullValue = false;
  bool FDefaultHandling = true;
  bool FCanUndo = true;
  bool FExcelStyleDecimalSeparator = false;
  String FValidChars;
  bool FBlockCopy = false;
  bool FButtonDown = false;
  bool FAutoThousandSeparator = true;
  bool FIsModified = false;
  TRect FEditRect;
  bool FDropDownEnabled = true;
  bool FDroppedDown = false;
  bool FFocusDraw = true;
  bool FForceShadow = false;
  TZVQStyle FZVQStyle = tsOffice2007Luna;
  Integer FLabelMargin = 4;
  TLabelPosition FLabelPosition = lpLeftTop;
  bool FLabelAlwaysEnabled = false;
  bool FLabelTransparent = false;
  std::unique_ptr<TFont> FLabelFont;
  TColor FBorderColor = clNone;
  TColor FFocusBorderColor = clNone;
  bool FDisabledBorder = true;
  TDropDownForm* FDropDownForm = nullptr;
  TDropDownEditButton* FButton = nullptr;
  String FOldText;
  // Counts change notifications, so that SetRawText can tell whether the
  // window announced its text itself.
  Cardinal FChangeCount = 0;

 private:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  void CreateLabel();
  void LabelFontChanged(TObject* Sender);
  void BandAppearanceChanged(TObject* Sender);
  void WireDropDownForm();
  void ApplyShadowClassStyle();
  TPoint EditorScreenOrigin();
  TRect WorkAreaOf(const TPoint& P);
  bool IsBorderActive();
  void ApplyLookTables(TZVQStyle AStyle);
  void ApplyButtonLook(TZVQStyle AStyle);
  // Typed input.
  bool RouteChar(TWMKey& Message);
  bool FilterChar(TWMKey& Message);
  bool FilterByType(Char& Key, TWMKey& Message);
  void AfterChar(Char Key, Integer CaretBefore);
  bool DecimalRules(Char Key, bool Money);
  bool GroupingAllows(const String& Value, Integer Caret);
  bool ToggleSign();
  bool KeyDownGuards(TWMKey& Message);
  bool RoutingKeyDown(TWMKey& Message);
  void CloseOrToggleByKey(Word Key);
  void ApplyThousandSeparators();
  bool PasteAllowed(const String& NewValue, const String& Clip);
  void WriteComposed(const String& Value, Integer Caret);
  Integer CaretPos();
  Integer ValueLength() { return static_cast<Integer>(Text().size()); }
  Integer PrefixLength() const { return static_cast<Integer>(FPrefix.size()); }
};

// Publishes the base's properties and events and adds nothing.
class TExDropDown : public TExCustomDropDown {
 public:
  using TExCustomDropDown::TExCustomDropDown;
};

}  // namespace jorv::dropdown
