#include "grid/base/ExGridButton.h"

#include "grid/base/GridSystem.h"
#include "platform/rtl/Math.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"

namespace jorv::grid {

namespace {

void Inflate(TRect& R, Integer D) {
  R.Left -= D;
  R.Top -= D;
  R.Right += D;
  R.Bottom += D;
}

struct TLookRow {
  TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo,
      BorderDownColor, BorderHotColor;
};

constexpr TLookRow Looks[] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
};

void SolidPenAndBrush(TCanvas* C, TColor Pen, TColor Brush) {
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetColor(Pen);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Brush);
}

void Outline(TCanvas* C, const TRect& R, TColor Colour, bool Rounded) {
  C->Brush()->SetStyle(bsClear);
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetColor(Colour);
  if (Rounded)
    C->RoundRect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1, 8, 8);
  else
    C->Rectangle(R);
  C->Brush()->SetStyle(bsSolid);
}

// A plain face framed in Pen (the face's own colour when Pen is clNone),
// or the 16-band gradient when To is set.
void Face(TCanvas* C, const TRect& R, TColor From, TColor To, TColor Pen) {
  if (To == clNone) {
    SolidPenAndBrush(C, Pen == clNone ? From : Pen, From);
    C->Rectangle(R);
  } else {
    DrawButtonGradient(C, R, From, To, Pen);
  }
}

}  // namespace

void DrawButtonGradient(TCanvas* Canvas, const TRect& Rect, TColor From, TColor To, TColor Frame) {
  const TColor A = ColorToRGB(From), B = ColorToRGB(To);
  const Integer R0 = GetRValue(A), G0 = GetGValue(A), B0 = GetBValue(A);
  const Integer DR = Integer(GetRValue(B)) - R0, DG = Integer(GetGValue(B)) - G0, DB = Integer(GetBValue(B)) - B0;
  const double Step = Rect.Height() / 16.0;
  for (Integer i = 0; i < 16; ++i) {
    const TColor Band = TColor(RGB(R0 + Round(i * DR / 16.0), G0 + Round(i * DG / 16.0), B0 + Round(i * DB / 16.0)));
    SolidPenAndBrush(Canvas, Band, Band);
    const Integer Top = Rect.Top + Integer(Round(i * Step));
    Canvas->Rectangle(Rect.Left, Top, Rect.Right, Top + Integer(Round(Step)) + 1);
  }
  if (Frame != clNone) Outline(Canvas, Rect, Frame, false);
}

TExGridButton::TExGridButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 22, 23);
  SetColor(clBtnFace);
  SetParentFont(true);
  FIsComCtl6 = IsComCtl6OrLater();
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TExGridButton::~TExGridButton() = default;

void TExGridButton::Loaded() {
  TGraphicControl::Loaded();
  if (FShaded) BuildShade();
  if (FAutoThemeAdapt) AdaptToXPTheme();
}

void TExGridButton::Click() { TGraphicControl::Click(); }

void TExGridButton::SetLook(Integer Value) {
  if (Value < 0 || Value > 6) return;
  FLook = Value;
  const TLookRow& L = Looks[Value];
  SetColor(L.Color);
  FColorTo = L.ColorTo;
  FColorHot = L.ColorHot;
  FColorHotTo = L.ColorHotTo;
  FColorDown = L.ColorDown;
  FColorDownTo = L.ColorDownTo;
  FColorChecked = L.ColorChecked;
  FColorCheckedTo = L.ColorCheckedTo;
  FBorderDownColor = L.BorderDownColor;
  FBorderHotColor = L.BorderHotColor;
  FBorderColor = clNone;
  FFlat = true;
  FRounded = Value == 0;
  Invalidate();
}

void TExGridButton::AdaptToXPTheme() {
  switch (CurrentXPColorScheme()) {
    case 1: SetLook(2); break;
    case 2: SetLook(3); break;
    case 3: SetLook(4); break;
    default: SetLook(1);
  }
}

void TExGridButton::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  if (Value) AdaptToXPTheme();
}

void TExGridButton::SetDropDownMenu(TPopupMenu* Value) {
  FDropDownMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TExGridButton::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

void TExGridButton::SetMargin(Integer Value) {
  if (Value < -1) return;
  SetField(FMargin, Value);
}

void TExGridButton::AssignGlyph(TBitmap* Target, TBitmap* Value) {
  if (Value)
    Target->Assign(Value);
  else
    Target->SetSize(0, 0);
  Invalidate();
}

void TExGridButton::SetGlyph(TBitmap* Value) {
  AssignGlyph(FGlyph.get(), Value);
  if (!FGlyphDisabled->Empty() || FGlyph->Empty()) return;
  // The disabled look: every pixel a grey lighter than its brightness.
  FGlyphDisabled->Assign(FGlyph.get());
  FGlyphDisabled->SetPixelFormat(pf24bit);
  for (Integer Y = 0; Y < FGlyphDisabled->Height(); ++Y) {
    auto* Row = static_cast<Byte*>(FGlyphDisabled->ScanLine(Y));
    for (Integer X = 0; X < FGlyphDisabled->Width(); ++X) {
      Byte* P = Row + 3 * X;
      const Byte Grey = static_cast<Byte>(Round((P[0] + P[1] + P[2]) / 3.0) / 2 + 96);
      P[0] = P[1] = P[2] = Grey;
    }
  }
  Invalidate();
}

void TExGridButton::SetShaded(bool Value) {
  FShaded = Value;
  if (Value && !ComponentState().Contains(csLoading)) BuildShade();
  Invalidate();
}

void TExGridButton::BuildShade() {
  const Integer W = FGlyph->Width(), H = FGlyph->Height();
  FGlyphShade->SetPixelFormat(pf24bit);
  FGlyphShade->SetSize(W, H);
  if (!W || !H) return;
  // The glyph's silhouette in grey on the glyph's transparent colour.
  const TColor Clear = FGlyph->Canvas()->Pixels(0, H - 1);
  for (Integer Y = 0; Y < H; ++Y)
    for (Integer X = 0; X < W; ++X)
      FGlyphShade->Canvas()->SetPixels(X, Y, FGlyph->Canvas()->Pixels(X, Y) == Clear ? Clear : TColor(0x808080));
}

void TExGridButton::SetGroupIndex(Integer Value) {
  FGroupIndex = Value;
  UpdateExclusive();
}

void TExGridButton::SetAllowAllUp(bool Value) {
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TExGridButton::SetDown(bool Value) {
  if (FStyle == tasCheck) {
    FDown = Value;
    Repaint();
    return;
  }
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  if (Value) {
    if (FState == bsUp) Invalidate();
    FState = bsExclusive;
    UpdateExclusive();
  } else {
    FState = bsUp;
    Repaint();
  }
}

void TExGridButton::UpdateExclusive() {
  NotifyGroupPressed(this, FGroupIndex);
}

void TExGridButton::CMButtonPressed(TMessage& M) {
  const auto& Pressed = MsgAs<TCMButtonPressed>(M);
  auto* Sender = dynamic_cast<TExGridButton*>(Pressed.Control);
  if (Pressed.GroupIndex != WPARAM(FGroupIndex) || !Sender || Sender == this) return;
  if (Sender->FDown && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = Sender->FAllowAllUp;
}

void TExGridButton::CMDialogChar(TWMKey& M) {
  if (IsAccel(M.CharCode, Caption()) && FEnabled && FVisible && FParent && FParent->Showing()) {
    Click();
    M.Result = 1;
  }
}

void TExGridButton::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case CM_BUTTONPRESSED: CMButtonPressed(M); return;
    case CM_DIALOGCHAR: CMDialogChar(MsgAs<TWMKey>(M)); return;
    case WM_THEMECHANGED:
    case CM_SYSFONTCHANGED:
      if (FAutoThemeAdapt) AdaptToXPTheme();
      return;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE:
      TGraphicControl::Dispatch(M);
      Invalidate();
      return;
    case WM_LBUTTONDBLCLK:
      TGraphicControl::Dispatch(M);
      if (FDown) DblClick();
      return;
    default: TGraphicControl::Dispatch(M);
  }
}

bool TExGridButton::Inside(Integer X, Integer Y) {
  return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TExGridButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !FEnabled) return;
  if (FDropDownButton && X > ClientWidth() - 12) {
    FState = bsUp;
    if (OnDropDown) OnDropDown(this);
    if (FDropDownMenu) {
      const TPoint At = ClientToScreen(TPoint(0, Height()));
      FDropDownMenu->Popup(At.X, At.Y);
    }
    return;
  }
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  if (FStyle == tasCheck) {
    FState = bsDown;
    Repaint();
  }
  FDragging = true;
}

void TExGridButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (FDragging) {
    TButtonState New = FDown ? bsExclusive : bsUp;
    if (Inside(X, Y)) New = FDown ? bsExclusive : bsDown;
    if (FStyle == tasCheck && FDown) New = bsDown;
    if (New != FState) {
      FState = New;
      Invalidate();
    }
  } else if (!FMouseInControl) {
    UpdateTracking();
  }
}

void TExGridButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging) return;
  FDragging = false;
  const bool In = Inside(X, Y);
  if (FGroupIndex == 0) {
    FState = bsUp;
    if (FStyle == tasCheck) {
      SetDown(!FDown);
      FState = bsUp;
    }
    if (In) Invalidate();
  } else if (In) {
    SetDown(!FDown);
    if (FDown) Repaint();
  } else {
    if (FDown) FState = bsExclusive;
    Repaint();
  }
  if (In) Click();
  UpdateTracking();
}

void TExGridButton::UpdateTracking() {
  if (!FFlat || !FEnabled || !FParent || !FParent->HandleAllocated()) return;
  POINT P;
  GetCursorPos(&P);
  const TPoint C = FParent->ScreenToClient(TPoint(P.x, P.y));
  const bool Over = BoundsRect().Contains(C) && FParent->ControlAtPos(C, false) == this;
  Perform(Over ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TExGridButton::CMMouseEnter(TMessage& M) {
  TGraphicControl::CMMouseEnter(M);
  if (!FEnabled || FMouseInControl || GetCaptureControl() != nullptr) return;
  FMouseInControl = true;
  Repaint();
}

void TExGridButton::CMMouseLeave(TMessage& M) {
  TGraphicControl::CMMouseLeave(M);
  if (!FEnabled || !FMouseInControl || FDragging) return;
  FMouseInControl = false;
  Invalidate();
}

void TExGridButton::CMEnabledChanged(TMessage& M) {
  TGraphicControl::CMEnabledChanged(M);
  UpdateTracking();
  Repaint();
}

// --- painting --------------------------------------------------------------------

void TExGridButton::Paint() {
  if (!FEnabled) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex ? bsExclusive : bsUp;
  }
  if (FStyle == tasCheck && FDown) FState = bsDown;
  TRect R = ClientRect();
  PaintFace(R);
  const bool Designing = ComponentState().Contains(csDesigning);
  const bool Hovered = FMouseInControl && FEnabled && !Designing;
  TPoint Offset;
  if (Pressed()) {
    if (FState == bsExclusive && (!FFlat || !Hovered)) {
      TRect Whole = R;
      Inflate(Whole, 1);
      Face(Canvas(), Whole, FColorChecked, FColorCheckedTo, clNone);
    }
    if (!FFlat && !Designing) Offset = TPoint(1, 1);
  } else if (FFlat && Hovered && FShaded) {
    Offset = TPoint(-1, -1);
  }
  TRect Content = ClientRect();
  if (FDropDownButton) {
    const Integer Right = Content.Right, M = Content.Top + Content.Height() / 2;
    SolidPenAndBrush(Canvas(), Font()->Color(), Font()->Color());
    Canvas()->Polygon({TPoint(Right - 8, M - 1), TPoint(Right - 4, M - 1), TPoint(Right - 6, M + 1)});
    Content.Right -= 12;
  }
  PaintContent(Content, Offset);
}

void TExGridButton::PaintFace(TRect& R) {
  if (FFlat) {
    PaintFlatFace(R);
    return;
  }
  const bool Themed = IsWinXPOrLater() && FAutoXPStyle && FIsComCtl6 && VisualStylesActive();
  const HWND Window = FParent && FParent->HandleAllocated() ? FParent->Handle() : nullptr;
  if (Themed && DrawThemedPart(Canvas(), Window, L"button", 1, Pressed() ? 3 : FMouseInControl ? 2 : 1, R)) return;
  RECT Rc{R.Left, R.Top, R.Right, R.Bottom};
  DrawFrameControl(Canvas()->Handle(), &Rc, DFC_BUTTON, DFCS_BUTTONPUSH | (Pressed() ? DFCS_PUSHED : 0));
}

void TExGridButton::PaintFlatFace(TRect& R) {
  TCanvas* C = Canvas();
  if (FBorderDownColor == clNone || FRounded) Inflate(R, -1);
  const bool Hovered = FMouseInControl && FEnabled && !ComponentState().Contains(csDesigning);
  if (!Hovered) {
    if (FStyle == tasCheck && FDown)
      Face(C, R, FColorChecked, FColorCheckedTo, FBorderDownColor);
    else if (FColorTo == clNone) {
      SolidPenAndBrush(C, Color(), Color());
      C->FillRect(R);
    } else {
      DrawButtonGradient(C, R, Color(), FColorTo, FDown ? FBorderDownColor : FRounded ? clNone : FBorderColor);
    }
    if (FBorderColor != clNone) Outline(C, R, FBorderColor, FRounded);
  } else {
    TColor From = FColorHot, To = FColorHotTo, Pen = FBorderHotColor;
    if (FState == bsDown) {
      From = FColorDown;
      To = FColorDownTo;
      Pen = FBorderDownColor;
    }
    if (FStyle == tasCheck && FDown && !FDragging) {
      From = FColorChecked;
      To = FColorCheckedTo;
      Pen = FBorderDownColor;
    }
    const TColor Line = FState == bsDown ? FBorderDownColor : FBorderHotColor;
    Face(C, R, From, To, FRounded ? clNone : Pen);
    if (FRounded) Outline(C, R, Line, true);
    if (FDropDownButton) {
      C->Pen()->SetColor(FRounded ? Line : Pen);
      C->MoveTo(R.Right - 12, R.Top);
      C->LineTo(R.Right - 12, R.Bottom);
    }
  }
  Inflate(R, -1);
}

TBitmap* TExGridButton::GlyphToDraw() {
  auto Usable = [](TBitmap* B) { return B && !B->Empty(); };
  TBitmap* Choice = nullptr;
  if (!FEnabled)
    Choice = FGlyphDisabled.get();
  else if (Pressed())
    Choice = FGlyphDown.get();
  else if (FMouseInControl && !ComponentState().Contains(csDesigning))
    Choice = FGlyphHot.get();
  return Usable(Choice) ? Choice : FGlyph.get();
}

void TExGridButton::PaintContent(const TRect& Content, TPoint Offset) {
  TCanvas* C = Canvas();
  C->SetFont(Font());
  TBitmap* Glyph = GlyphToDraw();
  const TSize S{Content.Width(), Content.Height()};
  const TSize G = Glyph->Empty() ? TSize{0, 0} : TSize{Glyph->Width(), Glyph->Height()};
  const String Text = Caption();
  TSize T{0, 0};
  if (!Text.empty()) {
    RECT M{0, 0, S.cx, 0};
    DrawTextW(C->Handle(), Text.c_str(), -1, &M, DT_CALCRECT | DT_CENTER | DT_SINGLELINE);
    T = TSize{M.right - M.left, M.bottom - M.top};
  }
  const TButtonLayout Layout = FLayout;
  const bool Horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  const Integer Size = Horizontal ? S.cx : S.cy, GlyphSize = Horizontal ? G.cx : G.cy;
  const Integer TextSize = Horizontal ? T.cx : T.cy;
  Integer Margin = FMargin, Spacing = FSpacing;
  if (T.cx == 0 || G.cx == 0) Spacing = 0;
  if (Margin == -1) {
    if (Spacing == -1) {
      Margin = (Size - GlyphSize - TextSize) / 3;
      Spacing = Margin;
    } else {
      Margin = (Size - GlyphSize - Spacing - TextSize + 1) / 2;
    }
  } else if (Spacing == -1) {
    Spacing = (Size - Margin - GlyphSize - TextSize) / 2;
  }
  Integer GlyphAt = Margin, TextAt = Margin + GlyphSize + Spacing;
  if (Layout == blGlyphRight || Layout == blGlyphBottom) {
    GlyphAt = Size - Margin - GlyphSize;
    TextAt = GlyphAt - Spacing - TextSize;
  }
  TPoint GlyphPos, TextPos;
  if (Horizontal) {
    GlyphPos = TPoint(GlyphAt, (S.cy - G.cy + 1) / 2);
    TextPos = TPoint(TextAt, (S.cy - T.cy + 1) / 2);
  } else {
    GlyphPos = TPoint((S.cx - G.cx + 1) / 2, GlyphAt);
    TextPos = TPoint((S.cx - T.cx + 1) / 2, TextAt);
  }
  GlyphPos = TPoint(GlyphPos.X + Content.Left + Offset.X, GlyphPos.Y + Content.Top + Offset.Y);
  TextPos = TPoint(TextPos.X + Content.Left + Offset.X, TextPos.Y + Content.Top + Offset.Y);
  if (Text.empty()) GlyphPos = TPoint(0, 0);
  const bool Raised = FFlat && FMouseInControl && FShaded && FEnabled && !Pressed();
  if (!Glyph->Empty()) {
    if (Raised && !FGlyphShade->Empty()) {
      const TPoint At = Text.empty() ? GlyphPos : TPoint(GlyphPos.X + 2, GlyphPos.Y + 2);
      FGlyphShade->SetTransparent(true);
      C->Draw(At.X, At.Y, FGlyphShade.get());
    }
    TBitmap Image;
    Image.Assign(Glyph);
    Image.SetTransparent(true);
    C->Draw(GlyphPos.X, GlyphPos.Y, &Image);
  }
  if (Text.empty() || !FShowCaption) return;
  if (Raised) TextPos = TPoint(TextPos.X + 1, TextPos.Y + 1);
  C->Brush()->SetStyle(bsClear);
  auto Draw = [&](Integer Dx, TColor Colour) {
    RECT M{TextPos.X + Dx, TextPos.Y + Dx, TextPos.X + Dx + T.cx, TextPos.Y + Dx + T.cy};
    C->Font()->SetColor(Colour);
    DrawTextW(C->Handle(), Text.c_str(), -1, &M, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  };
  if (!FEnabled) {
    Draw(1, clBtnHighlight);
    Draw(0, clBtnShadow);
  } else {
    Draw(0, Font()->Color());
  }
  C->Brush()->SetStyle(bsSolid);
}

}  // namespace jorv::grid
