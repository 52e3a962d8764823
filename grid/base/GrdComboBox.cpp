#include "grid/base/GrdComboBox.h"

#include "edit/EditLabel.h"
#include "grid/base/GridSystem.h"
#include "platform/gfx/DCScope.h"
#include "platform/ui/Form.h"

namespace jorv::grid {

namespace {

const TColor DisabledFrame = TColor(0xB99D7F);

bool Designing(const TComponent* C) { return C->ComponentState().Contains(csDesigning); }
bool Loading(const TComponent* C) { return C->ComponentState().Contains(csLoading); }

void FrameIn(HDC DC, const TRect& R, TColor Color) {
  TGdiObject<HBRUSH> Brush(CreateSolidBrush(ColorToRGB(Color)));
  RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
  FrameRect(DC, &Rect, Brush.Handle());
}

}  // namespace

TGrdCustomCombo::TGrdCustomCombo(TComponent* AOwner) : TCustomComboBox(AOwner) {
  FButtonWidth = GetSystemMetrics(SM_CXVSCROLL) + 2;
  FIsThemed = IsComCtl6OrLater();
  FLabelFont->OnChange = [this](TObject* Sender) { LabelFontChanged(Sender); };
}

TGrdCustomCombo::~TGrdCustomCombo() {
  if (FLabel) FLabel->SetParent(nullptr);
}

void TGrdCustomCombo::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomComboBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FLabel) FLabel = nullptr;
}

void TGrdCustomCombo::SelectItem(const String& AString) {
  const Integer Index = Items()->IndexOf(AString);
  if (Index >= 0) SetItemIndex(Index);
}

void TGrdCustomCombo::Init() { FNormalColor = Color(); }

// --- properties ---------------------------------------------------------------

void TGrdCustomCombo::SetButtonWidth(Integer Value) {
  if (Value < 14 || Value > 32) return;
  FButtonWidth = Value;
  Invalidate();
}

void TGrdCustomCombo::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  SetCtl3D(!Value);
  if (FFlatParentColor && Value && Parent())
    SetColor(Parent()->Color());
  else
    SetColor(FLoadedColor);
  Invalidate();
}

void TGrdCustomCombo::SetEtched(bool Value) {
  if (Value == FEtched) return;
  FEtched = Value;
  Invalidate();
}

void TGrdCustomCombo::SetFlatLineColor(TColor Value) {
  FFlatLineColor = Value;
  Invalidate();
}

void TGrdCustomCombo::SetFlatParentColor(bool Value) {
  FFlatParentColor = Value;
  Invalidate();
}

void TGrdCustomCombo::SetBorderColor(TColor Value) {
  if (Value == FBorderColor) return;
  FBorderColor = Value;
  if (HandleAllocated()) SendMessageW(Handle(), WM_NCPAINT, 0, 0);
}

void TGrdCustomCombo::SetColor(TColor Value) {
  if (Loading(this)) FLoadedColor = Value;
  TCustomComboBox::SetColor(Value);
}

void TGrdCustomCombo::SetDropWidth(Integer Value) {
  FDropWidth = Value;
  if (Value > 0 && HandleAllocated()) SendMessageW(Handle(), CB_SETDROPPEDWIDTH, Value, 0);
}

void TGrdCustomCombo::CreateWnd() {
  TCustomComboBox::CreateWnd();
  // A window made again would forget the list's width.
  if (FDropWidth > 0) SendMessageW(Handle(), CB_SETDROPPEDWIDTH, FDropWidth, 0);
}

void TGrdCustomCombo::SetEnabled(bool Value) {
  const bool Changed = Value != Enabled();
  if (Changed && FFlat && !Loading(this)) {
    // A disabled flat combo takes its parent's colour and gets its own back.
    if (!Value) {
      FOldParentColor = ParentColor();
      FOldColor = Color();
      if (Parent()) TCustomComboBox::SetColor(Parent()->Color());
    } else {
      TCustomComboBox::SetColor(FOldColor);
      SetParentColor(FOldParentColor);
    }
  }
  TCustomComboBox::SetEnabled(Value);
  if (Changed && FLabel && !Loading(this) && !Designing(this)) {
    if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Value);
    LayoutLabel();
  }
}

void TGrdCustomCombo::SetVisible(bool Value) {
  TCustomComboBox::SetVisible(Value);
  if (FLabel) FLabel->SetVisible(Value);
}

// --- label ------------------------------------------------------------------------

void TGrdCustomCombo::CreateLabel() {
  FLabel = new TLabel(this);
  FLabel->SetParent(Parent());
  FLabel->SetFocusControl(this);
  FLabel->Font()->Assign(FLabelFont.get());
  FLabel->SetParentFont(ParentFont());
}

void TGrdCustomCombo::SetLabelCaption(const String& Value) {
  if (!FLabel) CreateLabel();
  FLabel->SetCaption(Value);
  LayoutLabel();
}

void TGrdCustomCombo::LayoutLabel() {
  if (!FLabel) return;
  FLabel->SetTransparent(FLabelTransparent);
  if (!ParentFont()) FLabel->Font()->Assign(FLabelFont.get());
  if (!FLabel->Parent()) return;
  const Integer w = edit::EditLabelCaptionWidth(FLabel->Caption(), FLabel->Font());
  const TSize LabelSize{FLabel->Width(), FLabel->Height()};
  // The combo's places are the edit's first thirteen, centred without a border.
  const TPoint At = edit::EditLabelPlace(static_cast<edit::TLabelPosition>(FLabelPosition), BoundsRect(),
                                         LabelSize, w, FLabelMargin, 0);
  FLabel->SetBounds(At.X, At.Y, LabelSize.cx, LabelSize.cy);
  FLabel->SetVisible(Visible());
}

void TGrdCustomCombo::LabelFontChanged(TObject*) {
  LayoutLabel();
  if (Designing(this) && !Loading(this)) SetParentFont(false);
}

void TGrdCustomCombo::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  LayoutLabel();
}

void TGrdCustomCombo::SetLabelMargin(Integer Value) {
  FLabelMargin = Value;
  LayoutLabel();
}

void TGrdCustomCombo::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  LayoutLabel();
}

void TGrdCustomCombo::SetLabelAlwaysEnabled(bool Value) {
  FLabelAlwaysEnabled = Value;
  if (FLabel && Value) FLabel->SetEnabled(true);
  LayoutLabel();
}

void TGrdCustomCombo::SetLabelFont(TFont* Value) {
  if (!ParentFont() && Value) FLabelFont->Assign(Value);
  LayoutLabel();
}

void TGrdCustomCombo::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!ComponentState().Contains(csDestroying)) LayoutLabel();
}

void TGrdCustomCombo::SetParent(TWinControl* AParent) {
  TCustomComboBox::SetParent(AParent);
  if (FLabel) {
    FLabel->SetParent(AParent);
    LayoutLabel();
  }
}

void TGrdCustomCombo::CMParentFontChanged(TMessage& Message) {
  TCustomComboBox::CMParentFontChanged(Message);
  if (FLabel && ParentFont()) FLabel->Font()->Assign(Font());
  LayoutLabel();
}

void TGrdCustomCombo::CMFontChanged(TMessage& Message) {
  TCustomComboBox::CMFontChanged(Message);
  if ((Designing(this) || Loading(this)) && FLabel && ParentFont()) FLabel->Font()->Assign(Font());
}

void TGrdCustomCombo::Loaded() {
  TCustomComboBox::Loaded();
  if (FDropWidth > 0) SetDropWidth(FDropWidth);
  FOldColor = FLoadedColor;
  if (!FFlatParentColor || FFlat) TCustomComboBox::SetColor(FLoadedColor);
  if (FLabel) {
    if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
    if (ParentFont()) FLabel->Font()->Assign(Font());
  }
  LayoutLabel();
  Init();
}

// --- focus and hover -------------------------------------------------------------------

void TGrdCustomCombo::SetLabelBold(bool Bold) {
  if (!FLabel) return;
  TFontStyles Style = FLabel->Font()->Style();
  if (Bold)
    Style.Include(fsBold);
  else
    Style.Exclude(fsBold);
  FLabel->Font()->SetStyle(Style);
}

void TGrdCustomCombo::CMEnter(TMessage& Message) {
  if (!Designing(this)) {
    FHasFocus = true;
    DrawBorders();
    if (FFocusColor != clNone) TCustomComboBox::SetColor(FFocusColor);
    if (FFocusLabel) SetLabelBold(true);
  }
  TCustomComboBox::CMEnter(Message);
  if (FFocusBorderColor != clNone) Invalidate();
}

void TGrdCustomCombo::CMExit(TMessage& Message) {
  if (!Designing(this)) {
    FHasFocus = false;
    DrawBorders();
    if (FFocusColor != clNone && FNormalColor != clNone) TCustomComboBox::SetColor(FNormalColor);
    SetLabelBold(false);
  }
  TCustomComboBox::CMExit(Message);
  Invalidate();
}

void TGrdCustomCombo::CMMouseEnter(TMessage& Message) {
  TCustomComboBox::CMMouseEnter(Message);
  if (!FMouseInControl && Enabled()) {
    FMouseInControl = true;
    DrawBorders();
  }
  FMouseInControl = true;
  if (FAutoFocus && !Designing(this)) {
    TCustomForm* Form = GetParentForm();
    if (!Form || (Form->HandleAllocated() && GetActiveWindow() == Form->Handle())) {
      if (CanFocus()) SetFocus();
    }
  }
  if (FIsWinXP) Invalidate();
}

void TGrdCustomCombo::CMMouseLeave(TMessage& Message) {
  TCustomComboBox::CMMouseLeave(Message);
  if (FMouseInControl && Enabled()) {
    FMouseInControl = false;
    DrawBorders();
  }
  FMouseInControl = false;
  FButtonHover = false;
  if (FIsWinXP) Invalidate();
}

void TGrdCustomCombo::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TCustomComboBox::MouseMove(Shift, X, Y);
  const bool Over = X > Width() - FButtonWidth && X < Width();
  if (Over != FButtonHover) {
    FButtonHover = Over;
    Invalidate();
  }
}

// --- list ------------------------------------------------------------------------------

void TGrdCustomCombo::InvalidateButton() {
  if (!HandleAllocated()) return;
  RECT R{};
  GetClientRect(Handle(), &R);
  R.left = R.right - FButtonWidth;
  InvalidateRect(Handle(), &R, FALSE);
}

void TGrdCustomCombo::DropDown() {
  TCustomComboBox::DropDown();
  InvalidateButton();
}

void TGrdCustomCombo::CloseUp() {
  TCustomComboBox::CloseUp();
  InvalidateButton();
  if (OnDropUp) OnDropUp(this);
}

// --- painting ----------------------------------------------------------------------------

bool TGrdCustomCombo::ThemesInUse() const { return FIsThemed && VisualStylesActive(); }

bool TGrdCustomCombo::PaintsItself() {
  return FFlat || FButtonColor != clNone || FBorderColor != clNone ||
         (FFocusBorderColor != clNone && FHasFocus) || (!Enabled() && ThemesInUse() && !FDisabledBorder);
}

bool TGrdCustomCombo::IsActive() {
  if (Designing(this)) return Enabled();
  return FMouseInControl || FHasFocus;
}

void TGrdCustomCombo::DrawButton(TCanvas* Canvas) {
  const Integer CW = ClientWidth(), CH = Height();
  TRect R(CW - FButtonWidth + 2 + 1, 1, Width() - 1, Height() - 1);
  const bool Held = (GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON)) < 0;
  HDC DC = Canvas->Handle();
  if (FButtonColor != clNone) {
    TColor Fill = FButtonColor;
    if (FButtonHover) Fill = FButtonColorHot;
    if (Held && FButtonHover) Fill = FButtonColorDown;
    R = TRect(R.Left - 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    Canvas->Brush()->SetColor(Fill);
    Canvas->Pen()->SetColor(Fill);
    Canvas->Rectangle(R);
    Canvas->Pen()->SetColor(FButtonBorderColor);
    Canvas->MoveTo(R.Left, R.Top);
    Canvas->LineTo(R.Left, R.Bottom);
    const TColor Arrow = Held ? FButtonTextColorDown : FButtonTextColor;
    Canvas->Brush()->SetColor(Arrow);
    Canvas->Pen()->SetColor(Arrow);
    Canvas->Polygon({{R.Left + 4, R.Top + 7}, {R.Left + 10, R.Top + 7}, {R.Left + 7, R.Top + 10}});
  } else if (ThemesInUse()) {
    const bool Dropped = DroppedDown();
    int State = 2;
    if (!Enabled())
      State = 4;
    else if (Held && Dropped)
      State = 3;
    else if (Held || !FButtonHover || Dropped)
      State = 1;
    DrawThemedPart(Canvas, Handle(), L"combobox", 1, State, R);
  } else {
    RECT Rect{R.Left - 4, R.Top + 1, R.Right, R.Bottom - 1};
    DrawFrameControl(DC, &Rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
  }
  // The content painted next leaves the button alone.
  ExcludeClipRect(DC, CW - FButtonWidth - 4, 0, CW + 2, CH);
}

void TGrdCustomCombo::WMPaint(TWMPaint& Message) {
  if ((FIsVista && FButtonColor == clNone) || !PaintsItself()) {
    TCustomComboBox::WMPaint(Message);
    return;
  }
  PAINTSTRUCT Paint{};
  HDC DC = Message.DC ? Message.DC : BeginPaint(Handle(), &Paint);
  {
    TSavedDC Saved(DC);
    TCanvasDC Bound(Canvas(), DC);
    if (Style() != csSimple) {
      Canvas()->Brush()->SetColor(Color());
      // The window reaches down over the list; the box is Height() tall.
      Canvas()->FillRect(TRect(0, 0, ClientWidth(), Height()));
      DrawButton(Canvas());
    }
    TMessage Inner{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
    DefaultHandler(Inner);
    // The themed native painting sets its own clipping and may cover the
    // button: it is drawn once more on top.
    if (Style() != csSimple) {
      SelectClipRgn(DC, nullptr);
      DrawButton(Canvas());
    }
  }
  if (!Message.DC) EndPaint(Handle(), &Paint);
  DrawBorders();
  Message.Result = 0;
}

void TGrdCustomCombo::DrawControlBorder(HDC DC, TRect R) {
  if (!Enabled() && FIsThemed && !FDisabledBorder) {
    FrameIn(DC, R, DisabledFrame);
  } else if (FBorderColor != clNone && !(FHasFocus && FFocusBorderColor != clNone)) {
    FrameIn(DC, R, FBorderColor);
  } else if (FFocusBorderColor != clNone) {
    if (FHasFocus) FrameIn(DC, R, FFocusBorderColor);
  } else {
    const bool Raised = FFocusBorder && !Designing(this) && IsActive();
    const TColor A = Raised ? clBtnFace : (Parent() ? Parent()->Color() : clBtnFace);
    RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
    if (Raised) {
      DrawEdge(DC, &Rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      R = TRect(Rect.left, Rect.top, Rect.right, Rect.bottom);
      FrameIn(DC, R, A);
      FrameIn(DC, TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1), Color());
    } else {
      FrameIn(DC, R, A);
      R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
      FrameIn(DC, TRect(R.Left, R.Top, R.Right - FButtonWidth, R.Bottom), A);
      FrameIn(DC, TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1), Color());
    }
    if (FFlat && FFlatLineColor != clNone) {
      TGdiObject<HPEN> Pen(CreatePen(PS_SOLID, 1, ColorToRGB(FFlatLineColor)));
      TSelectObject Select(DC, Pen.Handle());
      MoveToEx(DC, R.Left - 2, Height() - 1, nullptr);
      LineTo(DC, R.Right - FButtonWidth - 1, Height() - 1);
    }
  }
}

void TGrdCustomCombo::DrawButtonBorder(HDC DC) {
  if (Style() == csSimple || (FIsWinXP && ThemesInUse())) return;
  const Integer CW = ClientWidth(), CH = Height();
  ExcludeClipRect(DC, CW - FButtonWidth + 4, 4, CW - 4, CH - 4);
  const TRect R(CW - FButtonWidth - 2 + 2, 2, Width() - 2, Height() - 2);
  if (!IsActive()) {
    RECT Fill{R.Left, R.Top + 1, R.Right - 1, R.Bottom - 1};
    FillRect(DC, &Fill, GetSysColorBrush(COLOR_BTNFACE));
  }
  ExcludeClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
}

void TGrdCustomCombo::DrawBorders() {
  if (!HandleAllocated()) return;
  if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
  if (FIsVista && FBorderColor == clNone) return;
  TWindowDC DC(Handle());
  TSavedDC Saved(DC.Handle());
  DrawControlBorder(DC.Handle(), TRect(0, 0, Width(), Height()));
  DrawButtonBorder(DC.Handle());
}

void TGrdCustomCombo::Dispatch(TMessage& Message) {
  if (Message.Msg != WM_NCPAINT) {
    TCustomComboBox::Dispatch(Message);
    return;
  }
  TCustomComboBox::Dispatch(Message);
  if (FFlat || (!Enabled() && ThemesInUse() && !FDisabledBorder)) DrawBorders();
  if ((FFocusBorderColor != clNone && FHasFocus) || FBorderColor != clNone) DrawBorders();
}

}  // namespace jorv::grid
