#include "grid/base/GrdEditBtn.h"

#include <algorithm>
#include "grid/base/GridSystem.h"
#include "platform/gfx/DCScope.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"

namespace jorv::grid {

// --- TExSpeedButton -----------------------------------------------------------------

void TExSpeedButton::CMMouseEnter(TMessage& Message) {
  TSpeedButton::CMMouseEnter(Message);
  FHot = true;
  Invalidate();
}

void TExSpeedButton::CMMouseLeave(TMessage& Message) {
  TSpeedButton::CMMouseLeave(Message);
  FHot = false;
  Invalidate();
}

TRect TExSpeedButton::PaintFace(TGrdEditButton* Container, bool Pressed) {
  TRect R(0, 0, Width(), Height());
  if (Container && Container->ButtonColor() != clNone) {
    FOwnFlat = true;
    TColor Fill = Container->ButtonColor();
    if (FHot) Fill = Container->ButtonColorHot();
    if (Pressed) Fill = Container->ButtonColorDown();
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
    return R;
  }
  if (FIsWinXP && VisualStylesActive() && Parent() && Parent()->HandleAllocated() &&
      DrawThemedPart(Canvas(), Parent()->Handle(), L"button", 1, Pressed ? 3 : (FHot ? 2 : 1), R))
    return R;
  RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
  if (FOwnFlat) {
    DrawEdge(Canvas()->Handle(), &Rect, Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
    R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    return R;
  }
  UINT Flags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
  if (Pressed) Flags |= DFCS_PUSHED;
  DrawFrameControl(Canvas()->Handle(), &Rect, DFC_BUTTON, Flags);
  return R;
}

void TExSpeedButton::Paint() {
  Canvas()->Font()->Assign(Font());
  const bool Pressed = FState == bsDown || FState == bsExclusive;
  const TRect R = PaintFace(dynamic_cast<TGrdEditButton*>(Parent()), Pressed);
  const Integer Shift = FState == bsDown ? 1 : 0;
  if (!FGlyph->Empty()) {
    FGlyph->SetTransparent(true);
    const Integer GW = FGlyph->Width(), GH = FGlyph->Height();
    const Integer X = GW < Width() ? (Width() - GW) / 2 : 0;
    const Integer Y = GH < Height() ? (Height() - GH) / 2 : 0;
    Canvas()->Draw(X + Shift, Y + Shift, FGlyph.get());
  }
  const String Text = Caption();
  if (Text.empty()) return;
  RECT TextRect{R.Left + Shift, R.Top + Shift, R.Right + Shift, R.Bottom + Shift};
  const int OldMode = SetBkMode(Canvas()->Handle(), TRANSPARENT);
  Canvas()->Font()->SetColor(clBlack);
  DrawTextW(Canvas()->Handle(), Text.c_str(), static_cast<int>(Text.size()), &TextRect,
            DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  SetBkMode(Canvas()->Handle(), OldMode);
}

// --- TGrdEditButton ----------------------------------------------------------------------

TGrdEditButton::TGrdEditButton(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle.Exclude(csAcceptsControls);
  FControlStyle.Exclude(csSetCaption);
  FControlStyle.Include(csOpaque);
  FButton = new TExSpeedButton(this);
  FButton->SetVisible(true);
  FButton->SetEnabled(true);
  FButton->SetParent(this);
  FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, Integer, Integer) {
    BtnMouseUp(Button);
  };
  SetBounds(0, 0, 20, 25);
}

void TGrdEditButton::SetFlat(bool Value) {
  FFlat = Value;
  FButton->SetOwnFlat(Value);
  FButton->Invalidate();
}

void TGrdEditButton::SetFocusControl(TWinControl* Value) {
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TGrdEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TGrdEditButton::BtnMouseUp(TMouseButton Button) {
  if (Button != mbLeft) return;
  if (OnClick) OnClick(this);
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
    FFocusControl->SetFocus();
  else if (TabStop() && !Focused() && CanFocus())
    SetFocus();
}

void TGrdEditButton::PlaceButton() {
  if (FButton && !ComponentState().Contains(csLoading)) FButton->SetBounds(0, 0, Width(), Height());
}

void TGrdEditButton::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  PlaceButton();
}

void TGrdEditButton::Loaded() {
  TWinControl::Loaded();
  PlaceButton();
}

void TGrdEditButton::WMSize(TWMSize& Message) {
  TWinControl::WMSize(Message);
  PlaceButton();
}

// --- TGrdEditBtn ------------------------------------------------------------------------

TGrdEditBtn::TGrdEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  FControlStyle.Exclude(csSetCaption);
  SetTabStop(true);
  FButton = new TGrdEditButton(this);
  FButton->SetBounds(0, 0, 18, 18);
  FButton->SetVisible(true);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
  SetText(L"0");
}

TGrdEditBtn::~TGrdEditBtn() {
  // The container is an owned component and goes with the edit's components.
  FButton = nullptr;
}

void TGrdEditBtn::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomMaskEdit::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FButton) FButton = nullptr;
}

void TGrdEditBtn::ButtonClick(TObject* Sender) {
  if (OnClickBtn) OnClickBtn(Sender);
}

void TGrdEditBtn::SetButtonWidth(Integer Value) {
  FButtonWidth = Value;
  FButton->SetWidth(Value);
  // A wider button would otherwise reach past the edit until its next resize.
  PlaceButton();
}

void TGrdEditBtn::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->Button()->SetIsWinXP(Value);
}

void TGrdEditBtn::SetRightAlign(bool Value) {
  if (Value == FRightAlign) return;
  FRightAlign = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TGrdEditBtn::KeyDown(Word& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  const bool Held = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_LMENU) < 0 || GetKeyState(VK_RMENU) < 0;
  if (Key == VK_F4 && !Held && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) ButtonClick(this);
}

void TGrdEditBtn::WMChar(TWMKey& Message) {
  if (FEditorEnabled) TCustomMaskEdit::WMChar(Message);
}

void TGrdEditBtn::Dispatch(TMessage& Message) {
  if ((Message.Msg == WM_PASTE || Message.Msg == WM_CUT) && (!FEditorEnabled || ReadOnly())) return;
  TCustomMaskEdit::Dispatch(Message);
}

void TGrdEditBtn::CMEnter(TMessage& Message) {
  if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
  TCustomMaskEdit::CMEnter(Message);
}

void TGrdEditBtn::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
  if (FRightAlign) Params.Style |= ES_RIGHT;
}

void TGrdEditBtn::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  SetEditRect();
}

void TGrdEditBtn::SetEditRect() {
  if (!HandleAllocated() || !FButton) return;
  const Integer Inset = BorderStyle() == bsNone ? 3 : 1;
  Integer Right = ClientWidth() - FButton->Width() - 5 - FUnitSize;
  if (FUnitSize > 0) Right -= 3;
  RECT R{Inset, Inset, Right, ClientHeight() + 1};
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&R));
}

Integer TGrdEditBtn::MinHeight() {
  TWindowDC Screen(nullptr);
  TEXTMETRICW System{}, Own{};
  GetTextMetricsW(Screen.Handle(), &System);
  {
    TSelectObject Select(Screen.Handle(), Font()->Handle());
    GetTextMetricsW(Screen.Handle(), &Own);
  }
  return Own.tmHeight + std::min(Own.tmHeight, System.tmHeight) / 4;
}

void TGrdEditBtn::WMSize(TWMSize& Message) {
  TCustomMaskEdit::WMSize(Message);
  const Integer Min = MinHeight();
  if (Height() < Min) {
    SetBounds(Left(), Top(), Width(), Min);
    return;
  }
  PlaceButton();
}

void TGrdEditBtn::PlaceButton() {
  if (!FButton) return;
  const Integer B = BorderStyle() == bsNone ? 4 : 0;
  if (Ctl3D())
    FButton->SetBounds(Width() - FButton->Width() - 5 + B, 0, FButton->Width(), Height() - 5 + B);
  else
    FButton->SetBounds(Width() - FButton->Width(), 1, FButton->Width(), Height() - 3);
  SetEditRect();
}

// --- TGrdUnitEditBtn ---------------------------------------------------------------------

TGrdUnitEditBtn::TGrdUnitEditBtn(TComponent* AOwner) : TGrdEditBtn(AOwner) {
  FUnitSize = 20;
  SetRightAlign(true);
}

void TGrdUnitEditBtn::SetUnits(TStrings* Value) {
  if (Value) FUnits->Assign(Value);
}

void TGrdUnitEditBtn::SetUnitID(const String& Value) {
  FUnitID = Value;
  Invalidate();
}

void TGrdUnitEditBtn::SetUnitSpace(Integer Value) {
  FUnitSize = Value;
  SetEditRect();
  Invalidate();
}

String TGrdUnitEditBtn::TextAndUnit() const { return Text() + FUnitID; }

void TGrdUnitEditBtn::SetTextAndUnit(const String& Value) {
  // The longest fitting unit wins, so that with "m" and "cm" both listed
  // "5cm" reads as 5 cm, not as "5c" metres.
  Integer Best = -1;
  size_t BestLength = 0;
  for (Integer Index = 0; Index < FUnits->Count(); ++Index) {
    const String Unit = FUnits->Get(Index);
    if (Unit.empty() || Unit.size() > Value.size()) continue;
    if (Value.find(Unit) != Value.size() - Unit.size()) continue;
    if (Best < 0 || Unit.size() > BestLength) {
      Best = Index;
      BestLength = Unit.size();
    }
  }
  if (Best < 0) return;
  SetText(Value.substr(0, Value.size() - BestLength));
  SetUnitID(FUnits->Get(Best));
}

TPoint TGrdUnitEditBtn::UnitMenuPoint() {
  const TPoint Origin = ClientOrigin();
  return TPoint(Origin.X + ClientWidth() - 15, Origin.Y + ClientHeight());
}

void TGrdUnitEditBtn::ButtonClick(TObject*) {
  if (OnClickBtn) OnClickBtn(this);
  HMENU Menu = CreatePopupMenu();
  for (Integer Index = 0; Index < FUnits->Count(); ++Index)
    AppendMenuW(Menu, MF_STRING, static_cast<UINT_PTR>(Index + 1), FUnits->Get(Index).c_str());
  const TPoint At = UnitMenuPoint();
  // The choice comes back as WM_COMMAND to the edit's window.
  TrackPopupMenu(Menu, TPM_LEFTBUTTON, At.X, At.Y, 0, Handle(), nullptr);
  DestroyMenu(Menu);
}

void TGrdUnitEditBtn::WMCommand(TWMCommand& Message) {
  const Integer Id = Message.ItemID;
  if (Message.NotifyCode != EN_CHANGE && Id >= 1 && Id <= FUnits->Count()) {
    const String Old = FUnitID;
    SetUnitID(FUnits->Get(Id - 1));
    if (FUnitID != Old && OnUnitChanged) OnUnitChanged(this, FUnitID);
    return;
  }
  TGrdEditBtn::WMCommand(Message);
}

void TGrdUnitEditBtn::WMPaint(TWMPaint& Message) {
  TGrdEditBtn::WMPaint(Message);
  DrawUnit();
}

void TGrdUnitEditBtn::DrawUnit() {
  if (!HandleAllocated() || !Button()) return;
  TWindowDC DC(Handle());
  TSelectObject SelectFont(DC.Handle(), Font()->Handle());
  const int OldMode = SetBkMode(DC.Handle(), TRANSPARENT);
  SetTextColor(DC.Handle(), ColorToRGB(Font()->Color()));
  const Integer Right = ClientWidth() - Button()->Width() - 3;
  RECT R{Right - FUnitSize, 2, Right, ClientHeight()};
  DrawTextW(DC.Handle(), FUnitID.c_str(), static_cast<int>(FUnitID.size()), &R, DT_EDITCONTROL);
  SetBkMode(DC.Handle(), OldMode);
}

// --- TGrdSpeedButton ----------------------------------------------------------------------

TGrdSpeedButton::TGrdSpeedButton(TComponent* AOwner)
    : TSpeedButton(AOwner), FPicture(std::make_unique<TPicture>()) {
  FPicture->OnChange = [this](TObject*) { Invalidate(); };
}

TGrdSpeedButton::~TGrdSpeedButton() = default;

void TGrdSpeedButton::SetImageIndex(Integer Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  Invalidate();
}

void TGrdSpeedButton::SetImages(TCustomImageList* Value) {
  FImages = Value;
  // Only kept, but forgotten when the list goes first.
  if (Value) Value->FreeNotification(this);
}

void TGrdSpeedButton::SetPicture(TPicture* Value) {
  FPicture->Assign(Value);
  Invalidate();
}

void TGrdSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
  TSpeedButton::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TGrdSpeedButton::Paint() {
  TSpeedButton::Paint();
  if (FImages && FImageIndex >= 0 && FImageIndex < FImages->Count())
    FImages->Draw(Canvas(), (Width() - FImages->Width()) / 2, (Height() - FImages->Height()) / 2, FImageIndex);
  TGraphic* Graphic = FPicture->Graphic();
  if (Graphic && !Graphic->Empty())
    Canvas()->Draw((Width() - Graphic->Width()) / 2, (Height() - Graphic->Height()) / 2, Graphic);
}

}  // namespace jorv::grid
