#include "dropdown/ExDropDown.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::dropdown {

// Descendants that build content on the pop-up override CreateDropDownForm
// and call it again from their own constructor: the base creates the form
// only once, and C++ runs the base's version while the base is being built.
TExCustomDropDown::TExCustomDropDown(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  SetBounds(Left(), Top(), 200, 21);
  FButtonWidth = 17;
  if (!Designing()) CreateDropDownForm();
  CreateDropDownButton();
  TControlStyle S = ControlStyle();
  S.Exclude(csSetCaption);
  SetControlStyle(S);
  SetTabStop(true);
  SetReadOnly(false);
  SetText(String());
  FOldText.clear();
  FDropDownHeader = std::make_unique<THeaderAppearance>(this);
  FDropDownHeader->OnChange = [this](TObject* Sender) { BandAppearanceChanged(Sender); };
  FDropDownHeader->OnButtonsChanged = FDropDownHeader->OnChange;
  FDropDownFooter = std::make_unique<TFooterAppearance>(this);
  FDropDownFooter->OnChange = [this](TObject* Sender) { BandAppearanceChanged(Sender); };
  FDropDownFooter->OnButtonsChanged = FDropDownFooter->OnChange;
  FButtonAppearance = std::make_unique<TExButtonAppearance>();
  FIsWinXP = IsXPOrLater();
  FIsThemed = FileMajorVersion(L"COMCTL32.DLL") > 5;
  SetSelectionColorStyle(scOffice2007);
  SetComponentStyle(tsOffice2007Luna);
  FLabelFont = std::make_unique<TFont>();
  FLabelFont->OnChange = [this](TObject* Sender) { LabelFontChanged(Sender); };
}

TExCustomDropDown::~TExCustomDropDown() {
  FLabelFont.reset();
  // The pop-up may be up: it must not call back into an editor that is
  // going away, so it is cut loose before it is freed.
  if (FDropDownForm) {
    FDropDownForm->SetExDropDown(nullptr);
    FDropDownForm->OnHide = nullptr;
    FDropDownForm->OnDestroy = nullptr;
    delete FDropDownForm;
    FDropDownForm = nullptr;
  }
  delete FButton;
  FButton = nullptr;
  FDropDownHeader.reset();
  FDropDownFooter.reset();
  FButtonAppearance.reset();
}

HRESULT STDMETHODCALLTYPE TExCustomDropDown::QueryInterface(REFIID iid, void** obj) {
  return QueryComponentInterface<IZVQStyle, IZVQTones>(this, iid, obj);
}

// --- parts made once -------------------------------------------------------------

void TExCustomDropDown::CreateDropDownForm() {
  if (FDropDownForm) return;
  FDropDownForm = TDropDownForm::CreateNew(this);
  FDropDownForm->SetExDropDown(this);
  FDropDownForm->SetBorderStyle(bsNone);
  FDropDownForm->SetVisible(false);
  FDropDownForm->SetWidth(FDropDownWidth);
  FDropDownForm->SetHeight(FDropDownHeight);
  WireDropDownForm();
  FDropDownForm->SetDoubleBuffered(true);
}

void TExCustomDropDown::WireDropDownForm() {
  TDropDownForm* F = FDropDownForm;
  F->OnClose = [](TObject*, TCloseAction&) {};
  F->OnHide = [this](TObject*) { DropDownFormHidden(); };
  F->OnKeyPress = [this](TObject*, Char& Key) { DropDownFormKeyPress(Key); };
  F->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) { DropDownFormKeyDown(Key, Shift); };
  F->OnKeyUp = [this](TObject*, Word& Key, TShiftState Shift) { DropDownFormKeyUp(Key, Shift); };
  F->OnMouseWheelDown = [this](TObject*, TShiftState Shift, TPoint P, bool& Handled) {
    DropDownFormWheelDown(Shift, P, Handled);
  };
  F->OnMouseWheelUp = [this](TObject*, TShiftState Shift, TPoint P, bool& Handled) {
    DropDownFormWheelUp(Shift, P, Handled);
  };
  F->OnDestroy = [this](TObject*) { DropDownFormDestroyed(); };
  F->OnSizing = [this](TObject*) { DropDownFormSizing(); };
}

void TExCustomDropDown::CreateDropDownButton() {
  if (!FButton) {
    FButton = new TDropDownEditButton(this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject* Sender) { DropDownButtonClick(Sender); };
    if (Designing()) FButton->SetColor(clBtnFace);
  }
  SizeDropDownButton();
}

void TExCustomDropDown::SizeDropDownButton() {
  if (!FButton) return;
  FButton->SetBWidth(FButtonWidth);
  FButton->SetBounds(FButton->Left(), FButton->Top(), FButtonWidth, 17);
  FButton->SetVisible(true);
  FButton->SetFocusControl(this);
}

void TExCustomDropDown::PlaceDropDownControl() {
  if (!FDropDownForm || !FControl) return;
  // The size the control was given, before the pop-up aligns it to its
  // client area; a descendant that sizes its control anew for an opening
  // takes the alignment off first.
  if (FControl->Parent() != FDropDownForm || FControl->Align() != alClient)
    FControlSize = TSize{FControl->Width(), FControl->Height()};
  FControl->SetParent(FDropDownForm);
  if (FDropDownHeader->Visible())
    FControl->SetTop(FDropDownHeader->Height() + 2);
  else
    FControl->SetTop(FDropDownBorderWidth);
  FControl->SetAlign(alClient);
}

void TExCustomDropDown::DoLabelClick() {
  if (OnLabelClick) OnLabelClick(this);
}

void TExCustomDropDown::DoLabelDblClick() {
  if (OnLabelDblClick) OnLabelDblClick(this);
}

void TExCustomDropDown::BandAppearanceChanged(TObject*) {
  if (FDropDownForm && FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

// --- properties ---------------------------------------------------------------------

String TExCustomDropDown::Version() const {
  const Cardinal V = const_cast<TExCustomDropDown*>(this)->GetVersionNr();
  return IntToStr(V >> 24) + L"." + IntToStr((V >> 16) & 0xFF) + L"." + IntToStr((V >> 8) & 0xFF) + L"." +
         IntToStr(V & 0xFF);
}

void TExCustomDropDown::SetEditorEnabled(bool Value) {
  FEditorEnabled = Value;
  TControlStyle S = ControlStyle();
  if (Value)
    S.Include(csDoubleClicks);
  else
    S.Exclude(csDoubleClicks);
  SetControlStyle(S);
}

void TExCustomDropDown::SetDropDownEnabled(bool Value) {
  FDropDownEnabled = Value;
  if (FButton) FButton->SetEnabled(Value);
}

void TExCustomDropDown::SetDropDownWidth(Integer Value) {
  if (FDropDownWidth == Value) return;
  FDropDownWidth = Value;
  FUserDropDownWidth = -1;
}

void TExCustomDropDown::SetDropDownHeight(Integer Value) {
  if (Value < 0 || FDropDownHeight == Value) return;
  FDropDownHeight = Value;
  FUserDropDownHeight = -1;
}

void TExCustomDropDown::SetDropDownButtonWidth(Integer Value) {
  if (!FButton || FButtonWidth == Value) return;
  FButtonWidth = Value;
  FButton->SetBWidth(Value);
  if (FButton->HandleAllocated()) UpdateButtonBounds();
}

void TExCustomDropDown::SetDropDownButtonHint(const String& Value) {
  if (FButtonHint == Value) return;
  FButtonHint = Value;
  FButton->SetHint(Value);
  if (!Value.empty()) FButton->SetShowHint(true);
}

void TExCustomDropDown::SetBorderColor(TColor Value) {
  if (FBorderColor == Value) return;
  FBorderColor = Value;
  Invalidate();
  if (FButton) FButton->Button()->Invalidate();
}

void TExCustomDropDown::SetDisabledBorder(bool Value) {
  if (FDisabledBorder == Value) return;
  FDisabledBorder = Value;
  Invalidate();
}

void TExCustomDropDown::SetFlat(bool Value) {
  FFlat = Value;
  if (FButton) FButton->Button()->SetFlat(Value);
}

void TExCustomDropDown::SetEtched(bool Value) {
  FEtched = Value;
  if (FButton) FButton->Button()->SetEtched(Value);
}

void TExCustomDropDown::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
}

void TExCustomDropDown::SetControl(TControl* Value) {
  if (FControl == Value) return;
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = Value;
  if (Value) Value->FreeNotification(this);
  if (!Designing()) PlaceDropDownControl();
}

void TExCustomDropDown::SetFocusControl(TWinControl* Value) {
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TExCustomDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomMaskEdit::Notification(AComponent, Operation);
  if (Operation != opRemove || ComponentState().Contains(csDestroying)) return;
  if (AComponent == FImages) {
    FImages = nullptr;
    Invalidate();
  }
  if (AComponent == FControl) FControl = nullptr;
  if (AComponent == FFocusControl) FFocusControl = nullptr;
  if (AComponent == FLabel) FLabel = nullptr;
}

// --- the attached label ---------------------------------------------------------------

void TExCustomDropDown::CreateLabel() {
  FLabel = new TLabel(this);
  FLabel->FreeNotification(this);
  FLabel->SetParent(Parent());
  FLabel->SetFocusControl(this);
  FLabel->Font()->Assign(FLabelFont.get());
  FLabel->OnClick = [this](TObject*) { DoLabelClick(); };
  FLabel->OnDblClick = [this](TObject*) { DoLabelDblClick(); };
  FLabel->SetParentFont(ParentFont());
}

String TExCustomDropDown::LabelCaption() const { return FLabel ? FLabel->Caption() : String(); }

void TExCustomDropDown::SetLabelCaption(const String& Value) {
  if (!FLabel) CreateLabel();
  FLabel->SetCaption(Value);
  UpdateLabel();
}

void TExCustomDropDown::SetLabelFont(TFont* Value) {
  if (!ParentFont()) FLabelFont->Assign(Value);
  if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetLabelMargin(Integer Value) {
  FLabelMargin = Value;
  if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  if (FLabel) UpdateLabel();
}

void TExCustomDropDown::LabelFontChanged(TObject*) {
  if (FLabel) UpdateLabel();
  if (Designing() && !ComponentState().Contains(csLoading)) SetParentFont(false);
}

namespace {

// Top and left of a label of size L beside an editor at E, m apart.
TPoint LabelPlace(TLabelPosition P, const TRect& E, TSize L, Integer w, Integer m) {
  const Integer EH = E.Height(), EW = E.Width();
  const Integer MidTop = E.Top + (EH - L.cy) / 2, MidLeft = E.Left + (EW - L.cx) / 2;
  const Integer Above = E.Top - L.cy - m, Below = E.Top + EH + m, Bottom = E.Top + EH - L.cy;
  const Integer Right = E.Left + EW + m;
  switch (P) {
    case lpLeftTop: return {E.Left - w - m, E.Top};
    case lpLeftCenter: return {E.Left - w - m, MidTop};
    case lpLeftBottom: return {E.Left - w - m, Bottom};
    case lpTopLeft: return {E.Left, Above};
    case lpBottomLeft: return {E.Left, Below};
    case lpLeftTopLeft: return {E.Left - m, E.Top};
    case lpLeftCenterLeft: return {E.Left - m, MidTop};
    case lpLeftBottomLeft: return {E.Left - m, Bottom};
    case lpTopCenter: return {MidLeft, Above};
    case lpBottomCenter: return {MidLeft, Below};
    case lpRightTop: return {Right, E.Top};
    case lpRightCenter: return {Right, MidTop};
    case lpRighBottom: return {Right, Bottom};
    case lpTopRight: return {E.Left + EW - L.cx, Above};
    case lpBottomRight: return {E.Left + EW - L.cx, Below};
  }
  return {E.Left, E.Top};
}

}  // namespace

void TExCustomDropDown::UpdateLabel() {
  if (!FLabel) return;
  FLabel->SetTransparent(FLabelTransparent);
  FLabel->Font()->Assign(FParentFnt ? Font() : FLabelFont.get());
  Integer w = 0;
  if (FLabel->Parent() && FLabel->Parent()->HandleAllocated()) {
    const String Cap = FLabel->Caption();
    RECT R{0, 0, 1000, 255};
    TCanvas* C = FLabel->Canvas();
    C->Font()->Assign(FLabel->Font());
    DrawTextW(C->Handle(), Cap.c_str(), static_cast<int>(Cap.size()), &R, DT_CALCRECT | DT_HIDEPREFIX);
    w = R.right - R.left;
  }
  const TPoint P = LabelPlace(FLabelPosition, BoundsRect(), TSize{FLabel->Width(), FLabel->Height()}, w,
                              FLabelMargin);
  FLabel->SetBounds(P.X, P.Y, FLabel->Width(), FLabel->Height());
  FLabel->SetVisible(Visible());
}

void TExCustomDropDown::SetParent(TWinControl* AParent) {
  TCustomMaskEdit::SetParent(AParent);
  if (FLabel) {
    FLabel->SetParent(AParent);
    FLabel->SetVisible(Visible());
  }
}

void TExCustomDropDown::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FLabel && FLabel->Parent()) UpdateLabel();
}

// --- window and geometry -----------------------------------------------------------------

void TExCustomDropDown::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TExCustomDropDown::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  UpdateEditRect();
  if (FLabel) UpdateLabel();
}

void TExCustomDropDown::UpdateEditRect() {
  if (!HandleAllocated()) return;
  RECT R{};
  SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&R));
  R.bottom = ClientHeight() + 1;
  R.right = ClientWidth() - FButtonWidth - 3;
  if (BorderStyle() == bsSingle) {
    R.left = 1;
    R.top = 1;
  } else {
    R.left = 2;
    R.top = 3;
  }
  FEditRect = TRect(R.left, R.top, R.right, R.bottom);
  if (!Ctl3D()) R.left += 1;
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&R));
}

Integer TExCustomDropDown::GetMinHeight() {
  HDC DC = GetDC(nullptr);
  TEXTMETRICW SysMetrics{}, Metrics{};
  GetTextMetricsW(DC, &SysMetrics);
  HGDIOBJ Old = SelectObject(DC, Font()->Handle());
  GetTextMetricsW(DC, &Metrics);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  return Metrics.tmHeight + Min<Integer>(SysMetrics.tmHeight, Metrics.tmHeight) / 4;
}

void TExCustomDropDown::UpdateButtonBounds() {
  Integer Inset = BorderStyle() == bsNone ? 2 : 4;
  if (FFlat) Inset = 3;
  const Integer MinHeight = GetMinHeight();
  if (Height() < MinHeight) {
    SetHeight(MinHeight);
  } else if (FButton) {
    if (FIsThemed && Ctl3D() && BorderStyle() == bsSingle)
      FButton->SetBounds(Width() - FButtonWidth - Inset, FFlat ? 2 : 0, FButtonWidth, Height() - Inset);
    else
      FButton->SetBounds(Width() - FButtonWidth - (Ctl3D() ? 0 : 2), 1, FButtonWidth, Height() - 2);
    UpdateEditRect();
  }
  Invalidate();
}

void TExCustomDropDown::Loaded() {
  TCustomMaskEdit::Loaded();
  FParentFnt = ParentFont();
  UpdateEditRect();
  UpdateButtonBounds();
  if (FButton) FButton->SetEnabled(Enabled());
  if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
  if (FLabel) UpdateLabel();
  if (FLabel && ParentFont()) FLabel->Font()->Assign(Font());
}

// --- copying -----------------------------------------------------------------------------

void TExCustomDropDown::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TExCustomDropDown*>(Source);
  if (!S) return;
  FFocusDraw = S->FFocusDraw;
  FForceShadow = S->FForceShadow;
  FDropDownEnabled = S->FDropDownEnabled;
  FDropDownColor = S->FDropDownColor;
  FDropDownColorTo = S->FDropDownColorTo;
  FDropDownGradient = S->FDropDownGradient;
  FDropDownBorderColor = S->FDropDownBorderColor;
  FDropDownBorderWidth = S->FDropDownBorderWidth;
  FDropDownShadow = S->FDropDownShadow;
  FDropDownWidth = S->FDropDownWidth;
  FDropDownHeight = S->FDropDownHeight;
  FDropDownSizeable = S->FDropDownSizeable;
  FEditType = S->FEditType;
  FReturnIsTab = S->FReturnIsTab;
  FLengthLimit = S->FLengthLimit;
  FPrecision = S->FPrecision;
  FPrefix = S->FPrefix;
  FSuffix = S->FSuffix;
  FDefaultHandling = S->FDefaultHandling;
  FCanUndo = S->FCanUndo;
  FExcelStyleDecimalSeparator = S->FExcelStyleDecimalSeparator;
  FValidChars = S->FValidChars;
  FSigned = S->FSigned;
  FAutoThousandSeparator = S->FAutoThousandSeparator;
  FButtonAppearance->Assign(S->FButtonAppearance.get());
  FDropDownHeader->Assign(S->FDropDownHeader.get());
  FDropDownFooter->Assign(S->FDropDownFooter.get());
  FDropPosition = S->FDropPosition;
  FFlat = S->FFlat;
  SetDropDownButtonWidth(S->FButtonWidth);
  SetDropDownButtonHint(S->FButtonHint);
  FEditorEnabled = S->FEditorEnabled;
  FButton->Glyph()->Assign(S->FButton->Glyph());
  FButton->SetButtonCaption(S->FButton->ButtonCaption());
  FEtched = S->FEtched;
  SetImages(S->FImages);
  FSelectionColorStyle = S->FSelectionColorStyle;
  FSelectionColor = S->FSelectionColor;
  FSelectionColorTo = S->FSelectionColorTo;
}

}  // namespace jorv::dropdown
