#include "dropdown/HeaderFooter.h"
#include "dropdown/DropDownPaint.h"
#include "dropdown/ExButton.h"
#include "dropdown/ExDropDown.h"
#include "foundation/HTMLRenderer.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Screen.h"

namespace jorv::dropdown {

// --- what header and footer share -------------------------------------------------------------

TExBand::TExBand(TComponent* AOwner, std::unique_ptr<TBandAppearance> AAppearance)
    : TCustomControl(AOwner), FAppearance(std::move(AAppearance)) {
  SetBorderWidth(0);
  SetDoubleBuffered(true);
  FAppearance->OnChange = [this](TObject* Sender) { AppearanceChanged(Sender); };
}

TExBand::~TExBand() {
  // The buttons are this band's components; the list only points at them.
  FButtonList.Clear();
}

void TExBand::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
}

void TExBand::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (Integer i = FButtonList.IndexOf(dynamic_cast<TExButton*>(AComponent)); i >= 0) FButtonList.Delete(i);
}

void TExBand::AppearanceChanged(TObject*) {
  SetVisible(FAppearance->Visible());
  SetHeight(FAppearance->Height());
}

void TExBand::SetExDropDown(TExCustomDropDown* ADropDown) {
  FExDropDown = ADropDown;
  if (!ADropDown) {
    SetImages(nullptr);
    return;
  }
  SetImages(ADropDown->Images());
  FAppearance->Assign(DropDownAppearance());
}

void TExBand::RefreshButtons() {
  if (FExDropDown) BuildButtons();
}

void TExBand::ClearButtons() {
  for (Integer i = FButtonList.Count() - 1; i >= 0; --i) delete static_cast<TExButton*>(FButtonList.Items(i));
  FButtonList.Clear();
}

void TExBand::PrepareButton(TExButton*, THeaderButton*) {}

void TExBand::BuildButtons() {
  TBandAppearance* Look = DropDownAppearance();
  if (!Look || !FExDropDown) return;
  ClearButtons();
  TBandButtons* Items = Look->BandButtons();
  const Integer MaxHeight = GetButtonArea().Height();
  for (Integer i = 0; i < Items->Count(); ++i) {
    auto* Item = static_cast<THeaderButton*>(Items->Items(i));
    auto* B = new TExButton(this);
    B->SetParent(this);
    PrepareButton(B, Item);
    B->SetAppearance(FExDropDown->ButtonAppearance());
    B->SetCaption(Item->Caption());
    B->SetImages(FImages);
    B->SetImageIndex(Item->ImageIndex());
    B->SetEnabled(Item->Enabled());
    B->AutoSizeButton();
    if (Item->Width() > 0) B->SetWidth(Item->Width());
    if (Item->Height() > 0) B->SetHeight(Item->Height());
    if (B->Height() > MaxHeight) B->SetHeight(MaxHeight);
    B->SetTag(i);
    B->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
    FButtonList.Add(B);
  }
  ArrangeButtons();
}

void TExBand::UpdateButtons() {
  TBandAppearance* Look = DropDownAppearance();
  if (!Look || !FExDropDown) return;
  TBandButtons* Items = Look->BandButtons();
  for (Integer i = 0; i < FButtonList.Count(); ++i) {
    TExButton* B = ButtonAt(i);
    B->SetAppearance(FExDropDown->ButtonAppearance());
    B->SetImages(FImages);
    if (i < Items->Count()) {
      auto* Item = static_cast<THeaderButton*>(Items->Items(i));
      B->SetCaption(Item->Caption());
      B->SetImageIndex(Item->ImageIndex());
      B->SetEnabled(Item->Enabled());
    }
    B->AutoSizeButton();
  }
  ArrangeButtons();
}

TRect TExBand::GetButtonArea() {
  const TRect R = ClientRect();
  return TRect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 3);
}

void TExBand::ArrangeButtons() {
  if (FButtonList.Count() == 0) return;
  const TRect A = GetButtonArea();
  const bool Right = FAppearance->ButtonAlignment() == baRight;
  Integer X = Right ? A.Right : A.Left;
  for (Integer i = 0; i < FButtonList.Count(); ++i) {
    TExButton* B = ButtonAt(i);
    const Integer Top = Max(A.Top, (A.Bottom - B->Height()) / 2);
    if (Right) {
      B->SetBounds(X - B->Width(), Top, B->Width(), B->Height());
      X = B->Left();
    } else {
      B->SetBounds(X, Top, B->Width(), B->Height());
      X += B->Width();
    }
  }
}

void TExBand::WMSize(TWMSize& M) {
  TCustomControl::WMSize(M);
  ArrangeButtons();
}

void TExBand::ButtonClick(TObject* Sender) {
  if (auto* B = dynamic_cast<TExButton*>(Sender)) FireButtonClick(static_cast<Integer>(B->Tag()));
}

Integer TExBand::GetTextLimit() { return ButtonAt(FButtonList.Count() - 1)->Left() - 2; }

bool TExBand::DropDownFramesBand() const {
  return FExDropDown && FExDropDown->DropDownBorderWidth() > 0 && FExDropDown->DropDownBorderColor() != clNone;
}

// --- painting -------------------------------------------------------------------------------------

void TExBand::PaintBackground(TCanvas* C, const TRect& R) {
  TBandAppearance* A = FAppearance.get();
  if (A->ColorTo() == clNone) {
    if (A->Color() != clNone) {
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(A->Color());
      C->FillRect(R);
    }
  } else {
    DrawBandGradient(C, A->Color(), A->ColorTo(), 80, R, A->GradientDirection() == gdHorizontal);
  }
  if (A->BorderColor() == clNone || A->BorderWidth() <= 0) return;
  C->Pen()->SetWidth(A->BorderWidth());
  C->Pen()->SetColor(A->BorderColor());
  DrawBorderLines(C, R);
  C->Pen()->SetWidth(1);
}

void TExBand::PaintCaption(TCanvas* C, const TRect& R) {
  TBandAppearance* A = FAppearance.get();
  const Integer B = A->BorderWidth();
  TRect T(R.Left + B, R.Top + B, R.Right - B, R.Bottom - B);
  if (A->ImageIndex() >= 0 && FImages) {
    FImages->Draw(C, T.Left + 4, T.Top + (T.Height() - FImages->Height()) / 2, A->ImageIndex());
    T.Left += FImages->Width() + 8;
  }
  String Text = A->Caption();
  if (OnGetText) OnGetText(this, Text);
  if (Text.empty()) return;
  if (FButtonList.Count() > 0) T.Right = GetTextLimit();
  C->Font()->Assign(A->Font());
  C->Brush()->SetStyle(bsClear);
  TSize Size;
  DrawHTMLCaption(C, Text, T, FImages, false, Handle(), Size);
  if (Size.cy < T.Height()) T.Top += (T.Height() - Size.cy) / 2;
  DrawHTMLCaption(C, Text, T, FImages, true, Handle(), Size);
}

void TExBand::Paint() {
  TCanvas* C = Canvas();
  const TRect R = ClientRect();
  if (OnDrawBackGround) {
    OnDrawBackGround(this, C, R);
    return;
  }
  PaintBackground(C, R);
  PaintCaption(C, R);
}

// --- header -----------------------------------------------------------------------------------------

TExHeader::TExHeader(TComponent* AOwner) : TExBand(AOwner, std::make_unique<THeaderAppearance>(AOwner)) {
  SetControlStyle(TControlStyle{csAcceptsControls, csClickEvents, csDoubleClicks});
  FAppearance->OnButtonsChanged = [](TObject*) {};
}

THeaderButtons* TExHeader::GetButtons() const { return FExDropDown ? FExDropDown->DropDownHeader()->Buttons() : nullptr; }

TBandAppearance* TExHeader::DropDownAppearance() const {
  return FExDropDown ? FExDropDown->DropDownHeader() : nullptr;
}

void TExHeader::DrawBorderLines(TCanvas* C, const TRect& R) {
  C->MoveTo(R.Left, R.Bottom - 1);
  C->LineTo(R.Right, R.Bottom - 1);
  if (!DropDownFramesBand()) {
    C->MoveTo(R.Left, R.Bottom - 1);
    C->LineTo(R.Left, R.Top);
    C->LineTo(R.Right, R.Top);
    C->LineTo(R.Right, R.Bottom - 1);
  }
  const TColor Light = BlendColor(FAppearance->BorderColor(), clWhite, 20);
  C->Pen()->SetWidth(1);
  C->Brush()->SetStyle(bsClear);
  C->Pen()->SetColor(Light);
  C->Rectangle(TRect(R.Left, R.Top, R.Right, R.Bottom - FAppearance->BorderWidth()));
}

void TExHeader::FireButtonClick(Integer Index) {
  if (FExDropDown && FExDropDown->OnDropDownHeaderButtonClick)
    FExDropDown->OnDropDownHeaderButtonClick(FExDropDown, Index);
}

// --- footer -----------------------------------------------------------------------------------------

TExFooter::TExFooter(TComponent* AOwner) : TExBand(AOwner, std::make_unique<TFooterAppearance>(AOwner)) {
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
}

TFooterButtons* TExFooter::GetButtons() const { return FExDropDown ? FExDropDown->DropDownFooter()->Buttons() : nullptr; }

TBandAppearance* TExFooter::DropDownAppearance() const {
  return FExDropDown ? FExDropDown->DropDownFooter() : nullptr;
}

bool TExFooter::HasSizeGrip() const {
  return Appearance()->SizeGrip() && FExDropDown && FExDropDown->DropDownSizeable();
}

TRect TExFooter::GetButtonArea() {
  const TRect R = ClientRect();
  return TRect(R.Left + 2, R.Top + 2, R.Right - (HasSizeGrip() ? 14 : 2), R.Bottom - 2);
}

void TExFooter::PrepareButton(TExButton* Button, THeaderButton* Item) {
  Button->SetExDropDown(FExDropDown);
  if (auto* F = dynamic_cast<TFooterButton*>(Item)) Button->SetModalResult(F->ModalResult());
}

void TExFooter::DrawBorderLines(TCanvas* C, const TRect& R) {
  C->MoveTo(R.Left, R.Top);
  C->LineTo(R.Right, R.Top);
  if (!DropDownFramesBand()) {
    C->MoveTo(R.Left, R.Top);
    C->LineTo(R.Left, R.Bottom);
    C->LineTo(R.Right, R.Bottom);
    C->LineTo(R.Right, R.Top);
  }
  const TColor Light = BlendColor(FAppearance->BorderColor(), clWhite, 20);
  C->Pen()->SetWidth(1);
  C->Brush()->SetStyle(bsClear);
  C->Pen()->SetColor(Light);
  C->Rectangle(TRect(R.Left, R.Top + FAppearance->BorderWidth(), R.Right, R.Bottom));
}

void TExFooter::FireButtonClick(Integer Index) {
  if (FExDropDown && FExDropDown->OnDropDownFooterButtonClick)
    FExDropDown->OnDropDownFooterButtonClick(FExDropDown, Index);
}

void TExFooter::Paint() {
  TExBand::Paint();
  if (OnDrawBackGround || !HasSizeGrip()) return;
  const TRect R = ClientRect();
  const Integer B = FAppearance->BorderWidth();
  DrawSizeGrip(Canvas(), TRect(R.Right - B - 16, 1, R.Right - B - 1, R.Bottom));
}

void TExFooter::DrawSizeGrip(TCanvas* C, const TRect& R) {
  static const TPoint Dots[] = {{5, 2}, {9, 2}, {13, 2}, {13, 6}, {13, 10}, {9, 6}};
  auto Draw = [&](TColor Color, Integer Shift) {
    C->Pen()->SetColor(Color);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color);
    for (const TPoint& D : Dots) {
      const Integer X = R.Left + D.X - Shift, Y = R.Bottom - (D.Y + Shift);
      C->Rectangle(X, Y, X + 2, Y - 2);
    }
  };
  Draw(clWhite, 0);
  Draw(FAppearance->BorderColor(), 1);
}

bool TExFooter::InGripZone(Integer X, Integer Y) { return X > Width() - 12 && Y > Height() - 15; }

void TExFooter::RestoreCursor() {
  if (Screen && Screen->Cursor() != FOldCursor) Screen->SetCursor(FOldCursor);
}

void TExFooter::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TExBand::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !HasSizeGrip() || !Parent() || !InGripZone(X, Y)) return;
  ReleaseCapture();
  SendMessageW(Parent()->Handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, 0);
}

void TExFooter::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TExBand::MouseMove(Shift, X, Y);
  if (!HasSizeGrip() || !Parent() || !Screen) return;
  if (InGripZone(X, Y)) {
    if (Screen->Cursor() != crSizeNWSE) Screen->SetCursor(crSizeNWSE);
  } else {
    RestoreCursor();
  }
}

void TExFooter::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TExBand::MouseUp(Button, Shift, X, Y);
  if (HasSizeGrip() && Parent()) RestoreCursor();
}

void TExFooter::CMMouseEnter(TMessage& M) {
  TExBand::CMMouseEnter(M);
  if (Screen && Screen->Cursor() != crSizeNWSE) FOldCursor = Screen->Cursor();
}

void TExFooter::CMMouseLeave(TMessage& M) {
  TExBand::CMMouseLeave(M);
  if (HasSizeGrip() && Parent()) RestoreCursor();
}

}  // namespace jorv::dropdown
