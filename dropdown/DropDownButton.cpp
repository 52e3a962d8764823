#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownPaint.h"
#include "dropdown/ExDropDown.h"
#include "foundation/XPTheme.h"
#include "foundation/ZVQStyle.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Colors.h"

namespace jorv::dropdown {
using namespace jorv::foundation;

namespace {

const TPoint Arrow[] = {{5, 7}, {11, 7}, {8, 10}};

RECT ToRECT(const TRect& R) { return RECT{R.Left, R.Top, R.Right, R.Bottom}; }

TRect Shifted(TRect R, Integer D) { return TRect(R.Left + D, R.Top + D, R.Right + D, R.Bottom + D); }

}  // namespace

// --- TExDropDownSpeedButton ----------------------------------------------------------------

TExDropDownSpeedButton::TExDropDownSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {
  FIsWinXP = FileMajorVersion(L"COMCTL32.DLL") > 5;
}

void TExDropDownSpeedButton::SetButtonStyle(TButtonStyle Value) {
  FButtonStyle = Value;
  Invalidate();
}

void TExDropDownSpeedButton::SetEtched(bool Value) {
  if (FEtched == Value) return;
  FEtched = Value;
  Invalidate();
}

void TExDropDownSpeedButton::SetFocused(bool Value) {
  if (FFocused == Value) return;
  FFocused = Value;
  Invalidate();
}

void TExDropDownSpeedButton::CMMouseEnter(TMessage& M) {
  TSpeedButton::CMMouseEnter(M);
  FHot = true;
  Invalidate();
}

void TExDropDownSpeedButton::CMMouseLeave(TMessage& M) {
  TSpeedButton::CMMouseLeave(M);
  FHot = false;
  Invalidate();
}

TDropDownEditButton* TExDropDownSpeedButton::Container() const { return dynamic_cast<TDropDownEditButton*>(Owner()); }

TExCustomDropDown* TExDropDownSpeedButton::DropDown() const {
  TDropDownEditButton* O = Container();
  return O ? dynamic_cast<TExCustomDropDown*>(O->Owner()) : nullptr;
}

bool TExDropDownSpeedButton::IsThemed() const { return FIsWinXP && IsThemeActive && IsThemeActive(); }

TColor TExDropDownSpeedButton::StateColor(TColor Normal, TColor Hot, TColor Down) const {
  TColor C = Normal;
  if (FHot) C = Hot;
  if (IsPressed()) C = Down;
  return C;
}

void TExDropDownSpeedButton::DrawThemePart(const wchar_t* ClassName, Integer Part, Integer State, RECT R) {
  TDropDownEditButton* O = Container();
  HWND Window = O && O->Parent() ? O->Parent()->Handle() : nullptr;
  HTHEME T = OpenThemeData(Window, ClassName);
  if (!T) return;
  DrawThemeBackground(T, Canvas()->Handle(), Part, State, &R, nullptr);
  CloseThemeData(T);
}

void TExDropDownSpeedButton::Paint() {
  TDropDownEditButton* O = Container();
  TExCustomDropDown* D = DropDown();
  if (!O || !D) {
    TSpeedButton::Paint();
    return;
  }
  if (FButtonStyle == bsButton)
    PaintPushFace(Canvas(), D);
  else
    PaintArrowFace(Canvas(), O, D);
}

void TExDropDownSpeedButton::PaintArrowFace(TCanvas* C, TDropDownEditButton* O, TExCustomDropDown* D) {
  if (O->ButtonColor() != clNone) {
    PaintColouredArrow(C, O, D);
    return;
  }
  if (!Glyph()->Empty()) {
    PaintGlyphFace(C);
    return;
  }
  if (IsThemed()) {
    Integer State = 1;
    if (!O->Enabled() || !D->Enabled() || D->ReadOnly())
      State = 4;
    else if (IsPressed())
      State = 3;
    else if (FHot)
      State = 2;
    RECT R = ToRECT(ClientRect());
    if (IsVistaOrNewer()) {
      R.left += 1;
    } else {
      InflateRect(&R, 1, 1);
      R.left += 2;
    }
    DrawThemePart(L"combobox", 1, State, R);
    return;
  }
  PaintClassicArrow(C);
}

void TExDropDownSpeedButton::PaintColouredArrow(TCanvas* C, TDropDownEditButton* O, TExCustomDropDown* D) {
  const TRect R = ClientRect();
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(StateColor(O->ButtonColor(), O->ButtonColorHot(), O->ButtonColorDown()));
  C->Pen()->SetColor(C->Brush()->Color());
  C->FillRect(R);
  C->Pen()->SetColor(D->BorderColor());
  C->MoveTo(R.Left, R.Top);
  C->LineTo(R.Left, R.Bottom);
  C->Brush()->SetColor(StateColor(O->ButtonTextColor(), O->ButtonTextColorHot(), O->ButtonTextColorDown()));
  C->Pen()->SetColor(C->Brush()->Color());
  C->Polygon(Arrow, 3);
}

void TExDropDownSpeedButton::PaintGlyphFace(TCanvas* C) {
  const TRect R = ClientRect();
  C->Brush()->SetStyle(bsSolid);
  C->Pen()->SetColor(TColor(0x808080));
  C->Brush()->SetColor(clBtnFace);
  C->Rectangle(R);
  TBitmap* G = Glyph();
  G->SetTransparentMode(tmAuto);
  G->SetTransparent(true);
  const Integer X = G->Width() < R.Width() ? (R.Width() - G->Width()) / 2 : 0;
  const Integer Y = G->Height() < R.Height() ? (R.Height() - G->Height()) / 2 : 0;
  C->Draw(X, Y, G);
}

void TExDropDownSpeedButton::PaintClassicArrow(TCanvas* C) {
  TSpeedButton::Paint();
  const Integer W = Width(), H = Height();
  C->Pen()->SetWidth(1);
  C->Pen()->SetColor(clBtnFace);
  C->MoveTo(W - 2, 0);
  C->LineTo(0, 0);
  C->LineTo(0, H - 1);
  C->Pen()->SetColor(clWhite);
  C->MoveTo(W - 3, 1);
  C->LineTo(1, 1);
  C->LineTo(1, H - 2);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(clBlack);
  C->Pen()->SetColor(clBlack);
  C->Polygon(Arrow, 3);
}

void TExDropDownSpeedButton::PaintPushFace(TCanvas* C, TExCustomDropDown* D) {
  C->Font()->Assign(D->Font());
  const bool Down = FState == bsDown;
  if (IsThemed()) {
    C->FillRect(TRect(0, 0, Width(), Height()));
    Integer State = 1;
    if (!Enabled())
      State = 4;
    else if (IsPressed())
      State = 3;
    else if (FHot)
      State = 2;
    DrawThemePart(L"button", 1, State, RECT{0, 0, Width() + 1, Height() + 1});
    PaintPushContent(C, true);
    return;
  }
  if (!Flat()) {
    TSpeedButton::Paint();
    return;
  }
  C->FillRect(TRect(0, 0, Width(), Height()));
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(TRect(0, 0, Width(), Height()));
  RECT E{0, 0, Width() + 1, Height() + 1};
  DrawEdge(C->Handle(), &E, FEtched ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (Down ? BF_FLAT : 0));
  PaintPushContent(C, false);
}

void TExDropDownSpeedButton::PaintPushContent(TCanvas* C, bool Themed) {
  const TRect R = ClientRect();
  const bool Down = FState == bsDown;
  TBitmap* G = Glyph();
  const String Cap = Caption();
  const bool HasGlyph = !G->Empty();
  if (HasGlyph && Themed) {
    TRect GR(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
    Integer X = Cap.empty() && G->Width() < GR.Width() ? GR.Left + (GR.Width() - G->Width()) / 2 : GR.Left;
    Integer Y = G->Height() < GR.Height() ? GR.Top + (GR.Height() - G->Height()) / 2 : GR.Top;
    if (Down) ++X, ++Y;
    G->SetTransparentMode(tmAuto);
    G->SetTransparent(true);
    C->Draw(X, Y, G);
  } else if (HasGlyph) {
    TRect GR(R.Left + 3, R.Top + 3, R.Right - 3, R.Bottom - 3);
    DrawTransparentBitmap(C, G, clBtnFace, Down ? Shifted(GR, 1) : GR);
  }
  if (Cap.empty()) return;
  C->Brush()->SetStyle(bsClear);
  TRect TR(R.Left + 3, R.Top + 1, R.Right - 3, R.Bottom - 1);
  UINT Flags = DT_CENTER;
  if (HasGlyph && Themed) {
    TR = TRect(R.Left + 2 + G->Width() + 2, R.Top, R.Right, R.Bottom - 1);
    Flags = DT_LEFT;
  } else if (Down) {
    TR = Shifted(TR, 1);
  }
  RECT WR = ToRECT(TR);
  DrawTextW(C->Handle(), Cap.c_str(), static_cast<int>(Cap.size()), &WR, Flags | DT_SINGLELINE | DT_VCENTER);
}

// --- TDropDownEditButton ---------------------------------------------------------------------

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TWinControl(AOwner) {
  TControlStyle S = ControlStyle();
  S.Exclude(csAcceptsControls);
  S.Exclude(csSetCaption);
  S.Include(csOpaque);
  SetControlStyle(S);
  FButton = new TExDropDownSpeedButton(this);
  FButton->SetParent(this);
  FButton->SetVisible(true);
  FButton->SetEnabled(Enabled());
  FButton->SetCaption(String());
  // The click is taken on the release, the one rule every face follows.
  FButton->OnClick = [](TObject*) {};
  FButton->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    ButtonMouseUp(Sender, Button, Shift, X, Y);
  };
  FButton->SetButtonStyle(bsDropDown);
  SetBounds(0, 0, 16, 25);
}

void TDropDownEditButton::SetColorField(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (FButton) FButton->Invalidate();
}

void TDropDownEditButton::SetBWidth(Integer Value) {
  FBWidth = Value;
  SetBounds(Left(), Top(), FBWidth, Height());
}

void TDropDownEditButton::SetFocusControl(TWinControl* Value) {
  if (FFocusControl == Value) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TDropDownEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TDropDownEditButton::SetEnabled(bool Value) {
  TWinControl::SetEnabled(Value);
  if (FButton && !ComponentState().Contains(csDesigning)) FButton->SetEnabled(Value);
}

void TDropDownEditButton::ApplySizeRule(Integer& AWidth, Integer AHeight) {
  if (!FButton || ComponentState().Contains(csLoading)) return;
  AWidth = FBWidth;
  FButton->SetBounds(0, 0, FBWidth, AHeight);
}

void TDropDownEditButton::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  ApplySizeRule(AWidth, AHeight);
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TDropDownEditButton::WMSize(TWMSize& M) {
  TWinControl::WMSize(M);
  Integer W = Width();
  ApplySizeRule(W, Height());
  if (W != Width()) TWinControl::SetBounds(Left(), Top(), W, Height());
  M.Result = 0;
}

void TDropDownEditButton::Loaded() {
  TWinControl::Loaded();
  Integer W = Width();
  ApplySizeRule(W, Height());
  if (W != Width()) TWinControl::SetBounds(Left(), Top(), W, Height());
}

void TDropDownEditButton::ButtonMouseUp(TObject*, TMouseButton Button, TShiftState, Integer, Integer) {
  if (Button == mbLeft && OnClick) OnClick(this);
}

}  // namespace jorv::dropdown
