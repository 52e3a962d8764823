#include "dropdown/ButtonPanel.h"
#include "dropdown/NumberText.h"
#include "foundation/GDIPlusBrush.h"
#include "foundation/GDIPlusGraphics.h"
#include "foundation/GDIPlusPen.h"
#include "foundation/ValueUtils.h"
#include "platform/gfx/DCScope.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/CustomEdit.h"

namespace jorv::dropdown {

using namespace jorv::foundation;

// --- keys ----------------------------------------------------------------------------------------

TButtonItem::TButtonItem(TCollection* Collection)
    : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TButtonItem::~TButtonItem() = default;

void TButtonItem::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TButtonItem*>(Source);
  if (!From) {
    TCollectionItem::Assign(Source);
    return;
  }
  FCaption = From->FCaption;
  FCaptionColor = From->FCaptionColor;
  FTag = From->FTag;
  FImageIndex = From->FImageIndex;
  FImage->Assign(From->FImage.get());
  Enabled = From->Enabled;
  Name = From->Name;
}

// --- looks ----------------------------------------------------------------------------------------

TButtonAppearance::TButtonAppearance() : FFont(std::make_unique<TFont>()) {
  FFont->SetSize(10);
  FFont->SetStyle(TFontStyles{fsBold});
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::SetField(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TButtonAppearance::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TButtonAppearance*>(Source);
  if (!From) {
    TPersistent::Assign(Source);
    return;
  }
  FBorderColor = From->FBorderColor;
  FBorderColorHot = From->FBorderColorHot;
  FBorderColorDown = From->FBorderColorDown;
  FColor = From->FColor;
  FColorTo = From->FColorTo;
  FColorDown = From->FColorDown;
  FColorDownTo = From->FColorDownTo;
  FColorHot = From->FColorHot;
  FColorHotTo = From->FColorHotTo;
  FGlowColorHot = From->FGlowColorHot;
  FGlowColorDown = From->FGlowColorDown;
  FShineColor = From->FShineColor;
  BorderColorChecked = From->BorderColorChecked;
  ColorChecked = From->ColorChecked;
  ColorCheckedTo = From->ColorCheckedTo;
  ColorDisabled = From->ColorDisabled;
  ColorDisabledTo = From->ColorDisabledTo;
  FFont->Assign(From->FFont.get());
  FTextColor = From->FTextColor;
  FSpecialTextColor = From->FSpecialTextColor;
  if (OnChange) OnChange(this);
}

namespace {

TRect Grown(const TRect& R, Integer DX, Integer DY) {
  return TRect(R.Left - DX, R.Top - DY, R.Right + DX, R.Bottom + DY);
}

}  // namespace

// --- the key pad ------------------------------------------------------------------------------------

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner)
    : TCustomControl(AOwner),
      FButtons(std::make_unique<TButtonItems>(this)),
      FButtonAppearance(std::make_unique<TButtonAppearance>()) {
  SetDoubleBuffered(true);
  FButtonAppearance->OnChange = [this](TObject*) {
    if (!FExDropDown) Invalidate();
  };
}

TCustomButtonPanel::~TCustomButtonPanel() = default;

void TCustomButtonPanel::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  ArrangeButtons();
}

void TCustomButtonPanel::SetEdit(TCustomEdit* Value) {
  if (FEdit) FEdit->RemoveFreeNotification(this);
  FEdit = Value;
  if (Value) Value->FreeNotification(this);
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FEdit) FEdit = nullptr;
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value) {
  FButtonPanelType = Value;
  ArrangeButtons();
}

void TCustomButtonPanel::Loaded() {
  TCustomControl::Loaded();
  if (!FExDropDown) BuildCalculatorButtons();
}

void TCustomButtonPanel::ClearButtons() { FButtons->Clear(); }

void TCustomButtonPanel::ResetButtons() {
  ClearButtons();
  BuildCalculatorButtons();
}

namespace {

struct TKeyDef {
  const wchar_t* Caption;
  const wchar_t* Name;
  Integer Tag;
  bool Special;
};

// In collection order; ArrangeButtons places them by this order.
constexpr TKeyDef CalculatorKeys[] = {
    {L"", L"BTN_ON", 30, false},       {L"Back", L"BTN_BACK", 31, true}, {L"CE", L"BTN_CE", 32, true},
    {L"C", L"BTN_C", 16, true},        {L"MC", L"BTN_MC", 33, true},     {L"MR", L"BTN_MR", 34, true},
    {L"MS", L"BTN_MS", 35, true},      {L"M+", L"BTN_M+", 36, true},     {L"0", L"BTN_0", 0, false},
    {L"1", L"BTN_1", 1, false},        {L"4", L"BTN_4", 4, false},       {L"7", L"BTN_7", 7, false},
    {L"8", L"BTN_8", 8, false},        {L"5", L"BTN_5", 5, false},       {L"2", L"BTN_2", 2, false},
    {L"+/-", L"BTN_+/-", 14, false},   {L".", L"BTN_.", 15, false},      {L"3", L"BTN_3", 3, false},
    {L"6", L"BTN_6", 6, false},        {L"9", L"BTN_9", 9, false},       {L"/", L"BTN_/", 13, true},
    {L"*", L"BTN_*", 12, true},        {L"-", L"BTN_-", 11, true},       {L"+", L"BTN_+", 10, true},
    {L"=", L"BTN_=", 17, true},        {L"1/x", L"BTN_1/x", 38, false},  {L"%", L"BTN_%", 18, false},
    {L"sqrt", L"BTN_sqrt", 37, true},
};

// Column and row of each key of the table above, the top row's three wide
// keys aside (column -1).
constexpr int KeyColumn[] = {0, -1, -1, -1, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};
constexpr int KeyRow[] = {0, 0, 0, 0, 1, 2, 3, 4, 4, 3, 2, 1, 1, 2, 3, 4, 4, 3, 2, 1, 1, 2, 3, 4, 4, 3, 2, 1};

}  // namespace

void TCustomButtonPanel::BuildCalculatorButtons() {
  if (FButtons->Count() == 0 && FButtonPanelType == plCalculator) {
    for (const TKeyDef& K : CalculatorKeys) {
      TButtonItem* Item = FButtons->Add();
      Item->SetCaption(K.Caption);
      Item->Name = K.Name;
      Item->SetTag(K.Tag);
      Item->Special = K.Special;
      if (K.Special) Item->SetCaptionColor(0x000080);
    }
  }
  ArrangeButtons();
}

void TCustomButtonPanel::GetButtonsArea(TRect& R) {
  R = Grown(ClientRect(), -OffSetX, -OffSetY);
}

void TCustomButtonPanel::ArrangeButtons() {
  if (FButtons->Count() != static_cast<Integer>(std::size(CalculatorKeys)) || FButtonPanelType != plCalculator)
    return;
  TRect A;
  GetButtonsArea(A);
  const Integer W = (A.Width() - 8) / 6, H = (A.Height() - 4) / 5;
  Integer Col[6], Row[5];
  Col[0] = A.Left;
  Col[1] = Col[0] + W + 4;
  Col[2] = Col[1] + W - 1;
  Col[3] = Col[2] + W - 1;
  Col[4] = Col[3] + W + 4;
  Col[5] = Col[4] + W - 1;
  const Integer E = Col[5] + W;
  Row[0] = A.Top;
  Row[1] = Row[0] + H + 4;
  for (int i = 2; i < 5; ++i) Row[i] = Row[i - 1] + H - 1;
  for (Integer i = 0; i < FButtons->Count(); ++i) {
    TButtonItem* Item = FButtons->Items(i);
    Item->Top = Row[KeyRow[i]];
    Item->Height = H;
    Item->Width = W;
    if (KeyColumn[i] >= 0) Item->Left = Col[KeyColumn[i]];
  }
  const Integer W3 = (E - Col[1] - 8) / 3;
  const Integer WideLeft[3] = {Col[1], Col[1] + W3 + 4, Col[1] + 2 * W3 + 8};
  for (Integer i = 0; i < 3; ++i) {
    TButtonItem* Item = FButtons->Items(i + 1);
    Item->Left = WideLeft[i];
    Item->Width = i < 2 ? W3 : E - WideLeft[i];
  }
}

// Like the item selector's cell size: the largest content and caption of
// any key with the key's inner margins.
void TCustomButtonPanel::GetButtonSize(TSize& ASize) {
  ASize = TSize{0, 0};
  Canvas()->Font()->Assign(FButtonAppearance->Font());
  for (Integer i = 0; i < FButtons->Count(); ++i) {
    TButtonItem* Item = FButtons->Items(i);
    const TSize Content = ContentSize(Item);
    TSize Text{0, 0};
    if (!Item->Caption().empty()) Text = Canvas()->TextExtent(Item->Caption());
    const bool Beside = FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight;
    const Integer Gap = Item->Caption().empty() || Content.cx == 0 ? 0 : CaptionGap;
    const Integer W = Beside ? Content.cx + Gap + Text.cx : Max(Content.cx, Text.cx);
    const Integer H = Beside ? Max(Content.cy, Text.cy) : Content.cy + Gap + Text.cy;
    ASize.cx = Max(ASize.cx, W + 2 * ButtonOffSetX);
    ASize.cy = Max(ASize.cy, H + 2 * ButtonOffSetY);
  }
}

void TCustomButtonPanel::Resize() {
  TCustomControl::Resize();
  ArrangeButtons();
}

void TCustomButtonPanel::GetButtonRect(Integer Index, TRect& R) {
  R = ValidIndex(Index) ? FButtons->Items(Index)->GetBounds() : TRect(-1, -1, -1, -1);
}

Integer TCustomButtonPanel::ButtonAt(Integer X, Integer Y) {
  for (Integer i = 0; i < FButtons->Count(); ++i)
    if (FButtons->Items(i)->GetBounds().Contains(TPoint{X, Y})) return i;
  return -1;
}

void TCustomButtonPanel::InvalidateButton(Integer Index) {
  if (!ValidIndex(Index) || !HandleAllocated()) return;
  const TRect R = Grown(FButtons->Items(Index)->GetBounds(), 8, 8);
  RECT W{R.Left, R.Top, R.Right, R.Bottom};
  InvalidateRect(Handle(), &W, TRUE);
}

void TCustomButtonPanel::ButtonClick(Integer Index) {
  if (OnButtonClick) OnButtonClick(this, Index);
}

void TCustomButtonPanel::DrawNow(Integer Index) {
  if (Index < 0 || !HandleAllocated() || !IsWindowVisible(Handle())) return;
  TWindowDC DC(Handle());
  TCanvas C;
  TCanvasDC Lent(&C, DC);
  DrawButton(Index, &C);
}

void TCustomButtonPanel::SetButtonHot(Integer Index) {
  if (Index == FButtonHot || DisabledKey(Index)) return;
  const Integer Old = FButtonHot;
  FButtonHot = -1;
  InvalidateButton(Old);
  FButtonHot = Index;
  DrawNow(Index);
}

void TCustomButtonPanel::SetButtonDown(Integer Index) {
  if (Index == FButtonDown || DisabledKey(Index)) return;
  const Integer Old = FButtonDown;
  FButtonDown = -1;
  InvalidateButton(Old);
  FButtonDown = Index;
  DrawNow(Index);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const Integer Index = ButtonAt(X, Y);
  if (Index >= 0 && !DisabledKey(Index)) SetButtonDown(Index);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const Integer Index = ButtonAt(X, Y);
  if (Index < 0 || DisabledKey(Index))
    SetButtonHot(-1);
  else if (Index != FButtonHot)
    SetButtonHot(Index);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FButtonDown < 0) return;
  const Integer Pressed = FButtonDown;
  const Integer Index = ButtonAt(X, Y) == Pressed ? Pressed : -1;
  SetButtonDown(-1);
  if (Index >= 0) ButtonClick(Index);
}

void TCustomButtonPanel::MouseLeave() {
  TCustomControl::MouseLeave();
  SetButtonHot(-1);
}

// --- painting --------------------------------------------------------------------------------------

void TCustomButtonPanel::Paint() {
  TCustomControl::Paint();
  TCanvas* C = Canvas();
  C->Brush()->SetColor(Color());
  C->FillRect(ClientRect());
  if (!FExDropDown) {
    C->Brush()->SetColor(0);
    C->FrameRect(ClientRect());
  }
  PaintButtons(C, false);
  // The hot key last, so that its glow lies over its neighbours.
  if (FButtonHot >= 0) DrawButton(FButtonHot, C);
}

void TCustomButtonPanel::PaintButtons(TCanvas* Canvas, bool IncludeHot) {
  for (Integer i = 0; i < FButtons->Count(); ++i)
    if (IncludeHot || i != FButtonHot) DrawButton(i, Canvas);
}

TSize TCustomButtonPanel::ContentSize(TButtonItem* Item) const {
  TGraphic* G = Item->Image()->Graphic();
  if (G && !G->Empty()) return TSize{G->Width(), G->Height()};
  if (FImages && Item->ImageIndex() >= 0) return TSize{FImages->Width(), FImages->Height()};
  return TSize{0, 0};
}

void TCustomButtonPanel::DrawContent(TButtonItem* Item, TCanvas* Canvas, Integer X, Integer Y) {
  TGraphic* G = Item->Image()->Graphic();
  if (G && !G->Empty())
    Canvas->Draw(X, Y, G);
  else if (FImages && Item->ImageIndex() >= 0)
    FImages->Draw(Canvas, X, Y, Item->ImageIndex(), Item->Enabled);
}

namespace {

void DrawCaption(TCanvas* Canvas, String Caption, TRect R, bool Centre) {
  if (Caption.empty()) return;
  TTextFormat Format{tfSingleLine, tfVerticalCenter};
  if (Centre) Format.Include(tfCenter);
  Canvas->TextRect(R, Caption, Format);
}

}  // namespace

void TCustomButtonPanel::DrawButton(Integer Index, TCanvas* Canvas) {
  if (!ValidIndex(Index) || !Canvas) return;
  TButtonItem* Item = FButtons->Items(Index);
  const TRect R = Item->GetBounds();
  if (R.Left < 0 && R.Right < 0) return;
  const TButtonAppearance* L = FButtonAppearance.get();
  if (Index == FButtonDown)
    DrawGlassButton(Canvas, R, L->BorderColorDown(), 0xE7E0C7, L->ColorDown(), L->ColorDownTo(), L->GlowColorDown(),
                    L->ShineColor());
  else if (Index == FButtonHot)
    DrawGlassButton(Canvas, R, L->BorderColorHot(), 0xE7E0C7, L->ColorHot(), L->ColorHotTo(), L->GlowColorHot(),
                    L->ShineColor());
  else
    DrawGlassButton(Canvas, R, L->BorderColor(), 0xE7E0C7, L->Color(), L->ColorTo(), clNone, L->ShineColor());
  const TSize Content = ContentSize(Item);
  const bool Centre = Content.cx == 0 && Content.cy == 0;
  TRect A = Grown(R, -ButtonOffSetX, -ButtonOffSetY);
  Canvas->Font()->Assign(L->Font());
  Canvas->Font()->SetColor(Item->Special ? L->SpecialTextColor() : L->TextColor());
  Canvas->Brush()->SetStyle(bsClear);
  const String& Caption = Item->Caption();
  Integer Top = A.Top + (A.Height() - Content.cy) / 2;
  switch (FButtonLayout) {
    case ilCaptionLeft: {
      Integer Left = A.Left;
      if (!Caption.empty()) {
        A.Right -= Content.cx;
        DrawCaption(Canvas, Caption, A, Centre);
        Left = A.Left + Canvas->TextWidth(Caption) + CaptionGap;
      }
      DrawContent(Item, Canvas, Left, Top);
      break;
    }
    case ilCaptionRight:
      DrawContent(Item, Canvas, A.Left, Top);
      if (!Centre) A.Left += Content.cx + CaptionGap;
      DrawCaption(Canvas, Caption, A, Centre);
      break;
    case ilCaptionTop:
      if (!Caption.empty()) {
        A.Bottom -= Content.cy;
        DrawCaption(Canvas, Caption, A, true);
        Top = A.Top + Canvas->TextHeight(Caption) + CaptionGap;
      }
      DrawContent(Item, Canvas, A.Left, Top);
      break;
    case ilCaptionBottom: {
      const Integer ContentTop = Caption.empty() ? Top : A.Top;
      DrawContent(Item, Canvas, A.Left, ContentTop);
      A.Top = ContentTop + Content.cy + CaptionGap;
      DrawCaption(Canvas, Caption, A, true);
      break;
    }
  }
  Canvas->Brush()->SetStyle(bsSolid);
}

// --- number helpers ---------------------------------------------------------------------------------

Char GetThousandSeparatorChar() { return GetThousandSeparator(); }
Char GetDecimalSeparatorChar() { return GetDecimalSeparator(); }

bool IsNumberChar(Char Ch) {
  if (Ch >= L'0' && Ch <= L'9') return true;
  WORD Type = 0;
  return GetStringTypeW(CT_CTYPE1, &Ch, 1, &Type) && (Type & C1_DIGIT);
}

String StripThousandSeparatorChars(const String& S) { return StripThousandSeparators(S); }

// --- the glass face ------------------------------------------------------------------------------------

namespace {

ARGB WithAlpha(TColor Color, uint8_t Alpha) { return (ColorToGPColor(Color) & 0x00FFFFFF) | (ARGB(Alpha) << 24); }

void FillGradient(TGPGraphics& G, float X, float Y, float W, float H, ARGB From, ARGB To, LinearGradientMode Mode) {
  if (W <= 0 || H <= 0) return;
  // One pixel more along the gradient, so that GDI+ does not wrap its first
  // colour onto the last row.
  const TGPRectF Band{X, Y, Mode == LinearGradientModeHorizontal ? W + 1 : W,
                      Mode == LinearGradientModeVertical ? H + 1 : H};
  TGPLinearGradientBrush Brush(Band, From, To, Mode);
  G.FillRectangle(&Brush, X, Y, W, H);
}

void DrawGlow(TGPGraphics& G, const TRect& R, TColor GlowColor) {
  const ARGB Edge = WithAlpha(GlowColor, 130), Out = WithAlpha(GlowColor, 0);
  const float L = float(R.Left), T = float(R.Top), Rt = float(R.Right), B = float(R.Bottom), H = float(R.Height());
  const float W = float(R.Width());
  FillGradient(G, L - 8, T, 8, H, Out, Edge, LinearGradientModeHorizontal);
  FillGradient(G, Rt - 1, T, 9, H, Edge, Out, LinearGradientModeHorizontal);
  FillGradient(G, L, T - 8, W, 8, Out, Edge, LinearGradientModeVertical);
  FillGradient(G, L, B - 1, W, 8, Edge, Out, LinearGradientModeVertical);
  FillGradient(G, L - 6, B - 1, 6, 6, Out, Edge, LinearGradientModeBackwardDiagonal);
  FillGradient(G, Rt, B, 5, 5, Edge, Out, LinearGradientModeForwardDiagonal);
  FillGradient(G, L - 6, T - 6, 6, 6, Out, Edge, LinearGradientModeForwardDiagonal);
  FillGradient(G, Rt, T - 6, 5, 6, Edge, Out, LinearGradientModeBackwardDiagonal);
}

}  // namespace

void DrawGlassButton(TCanvas* Canvas, const TRect& R, TColor BorderColor, TColor FrameColor, TColor Color,
                     TColor ColorTo, TColor GlowColor, TColor ShineColor) {
  if (!Canvas) return;
  TGPGraphics G(Canvas->Handle());
  G.SetSmoothingMode(SmoothingModeAntiAlias);
  const Integer H2 = R.Height() / 2;
  const float W = float(R.Right - R.Left - 1), L = float(R.Left), T = float(R.Top);
  FillGradient(G, L, T + H2, W, float(R.Height() - H2 - 1), ColorToGPColor(Color), ColorToGPColor(ColorTo),
               LinearGradientModeVertical);
  TGPSolidBrush Solid(ColorToGPColor(Color));
  G.FillRectangle(&Solid, L, T, W, float(H2));
  FillGradient(G, L, T, W, float(H2), WithAlpha(ShineColor, 160), WithAlpha(ShineColor, 90),
               LinearGradientModeVertical);
  // Crisp one-pixel lines: drawn without anti-aliasing on pixel centres.
  G.SetSmoothingMode(SmoothingModeNone);
  TGPPen White(0xFFFFFFFF);
  G.DrawLine(&White, L, T + 1, float(R.Right), T + 1);
  TGPPen Frame(ColorToGPColor(FrameColor));
  G.DrawLine(&Frame, L + 1, T + 2, L + 1, float(R.Bottom - 2));
  G.DrawLine(&Frame, L + 1, float(R.Bottom - 2), float(R.Right - 1), float(R.Bottom - 2));
  G.DrawLine(&Frame, float(R.Right - 1), float(R.Bottom - 2), float(R.Right - 1), T + 1);
  TGPPen Border(ColorToGPColor(BorderColor));
  G.DrawRectangle(&Border, L, T, float(R.Width()), float(R.Height() - 1));
  if (GlowColor == clNone) return;
  TGPPen GlowBorder(WithAlpha(GlowColor, 100));
  G.DrawRectangle(&GlowBorder, L, T, float(R.Width()), float(R.Height() - 1));
  G.SetSmoothingMode(SmoothingModeAntiAlias);
  DrawGlow(G, R, GlowColor);
}

}  // namespace jorv::dropdown
