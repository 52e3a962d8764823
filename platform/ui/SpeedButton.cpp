#include "platform/ui/SpeedButton.h"
#include <algorithm>
#include "platform/ui/Label.h"

namespace jorv {

namespace {

// An 8 x 8 checker of button face and highlight: the face of a button
// that stays down.
HBRUSH CreateDitherBrush() {
  WORD Bits[8];
  for (int i = 0; i < 8; ++i) Bits[i] = (i % 2) ? 0xAA : 0x55;
  HBITMAP Mono = CreateBitmap(8, 8, 1, 1, Bits);
  HBRUSH B = CreatePatternBrush(Mono);
  DeleteObject(Mono);
  return B;
}

}  // namespace

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 23, 22);
  FGlyph->OnChange = [this](TObject* S) { GlyphChanged(S); };
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::GlyphChanged(TObject*) { Invalidate(); }

void TSpeedButton::SetGlyph(TBitmap* Value) {
  if (Value)
    FGlyph->Assign(Value);
  else
    FGlyph->SetSize(0, 0);
  // A strip of square images tells its own count.
  if (Value && Value->Height() > 0 && Value->Width() % Value->Height() == 0) {
    Integer N = Value->Width() / Value->Height();
    SetNumGlyphs(N > 4 ? 1 : N);
  }
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(TNumGlyphs Value) {
  Value = std::clamp<Integer>(Value, 1, 4);
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(Integer Value) {
  if (Value < -1) Value = -1;
  if (FMargin == Value) return;
  FMargin = Value;
  Invalidate();
}

void TSpeedButton::SetSpacing(Integer Value) {
  if (Value < -1) Value = -1;
  if (FSpacing == Value) return;
  FSpacing = Value;
  Invalidate();
}

void TSpeedButton::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  if (Value)
    FControlStyle -= csOpaque;
  else
    FControlStyle += csOpaque;
  Invalidate();
}

void TSpeedButton::SetGroupIndex(Integer Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  // The last button of a group stays down unless all may be up.
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  if (Value) {
    if (FState == bsUp) Invalidate();
    FState = bsExclusive;
  } else {
    FState = bsUp;
    Repaint();
  }
  if (Value) UpdateExclusive();
}

void NotifyGroupPressed(TControl* Button, Integer GroupIndex) {
  TWinControl* Parent = Button->Parent();
  if (!Parent) return;
  for (Integer i = 0; i < Parent->ControlCount(); ++i) {
    TControl* C = Parent->Controls(i);
    if (C != Button) C->Perform(CM_BUTTONPRESSED, WPARAM(GroupIndex), reinterpret_cast<LPARAM>(Button));
  }
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex != 0) NotifyGroupPressed(this, FGroupIndex);
}

void TSpeedButton::CMButtonPressed(TMessage& M) {
  const auto& Pressed = MsgAs<TCMButtonPressed>(M);
  if (Pressed.GroupIndex != WPARAM(FGroupIndex)) return;
  // Another kind of button of the same group index is no speed button.
  auto* Sender = dynamic_cast<TSpeedButton*>(Pressed.Control);
  if (!Sender || Sender == this) return;
  if (Sender->FDown && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = Sender->FAllowAllUp;
}

void TSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  FState = FEnabled ? (FDown ? bsExclusive : bsUp) : bsDisabled;
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !FEnabled) return;
  if (!FDown) {
    FState = bsDown;
    Repaint();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (FDragging) {
    const bool Inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    TButtonState S = FDown ? bsExclusive : (Inside ? bsDown : bsUp);
    if (S != FState) {
      FState = S;
      Repaint();
    }
  } else if (!FMouseInControl) {
    UpdateTracking();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging || Button != mbLeft) return;
  FDragging = false;
  const bool DoClick = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
  if (FGroupIndex == 0) {
    FState = bsUp;
    FMouseInControl = false;
    Repaint();
  } else if (DoClick) {
    SetDown(!FDown);
    // A last button that may not come up shows its down face again.
    if (FDown) FState = bsExclusive;
    Repaint();
  } else {
    if (FDown) FState = bsExclusive;
    Repaint();
  }
  if (DoClick) Click();
  UpdateTracking();
}

void TSpeedButton::UpdateTracking() {
  if (!FFlat || !FEnabled || !FParent || !FParent->HandleAllocated()) return;
  POINT P;
  GetCursorPos(&P);
  TPoint C = FParent->ScreenToClient(TPoint(P.x, P.y));
  const bool Over = BoundsRect().Contains(C) && FParent->ControlAtPos(C, false) == this;
  if (Over != FMouseInControl) {
    FMouseInControl = Over;
    Invalidate();
  }
}

void TSpeedButton::CMMouseEnter(TMessage& M) {
  TGraphicControl::CMMouseEnter(M);
  if (FFlat && !FMouseInControl && FEnabled && GetCaptureControl() == nullptr) {
    FMouseInControl = true;
    Repaint();
  }
}

void TSpeedButton::CMMouseLeave(TMessage& M) {
  TGraphicControl::CMMouseLeave(M);
  if (FFlat && FMouseInControl && FEnabled && !FDragging) {
    FMouseInControl = false;
    Invalidate();
  }
}

void TSpeedButton::CMEnabledChanged(TMessage& M) {
  TGraphicControl::CMEnabledChanged(M);
  if (!FEnabled) {
    FMouseInControl = false;
    FDragging = false;
  }
  UpdateTracking();
  Repaint();
}

void TSpeedButton::CMTextChanged(TMessage&) { Invalidate(); }

void TSpeedButton::CMDialogChar(TWMKey& M) {
  if (IsAccel(M.CharCode, Caption()) && FEnabled && FVisible && FParent && FParent->Showing()) {
    Click();
    M.Result = 1;
  }
}

void TSpeedButton::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case CM_BUTTONPRESSED: CMButtonPressed(M); return;
    case CM_DIALOGCHAR: CMDialogChar(MsgAs<TWMKey>(M)); return;
    default: TGraphicControl::Dispatch(M);
  }
}

std::unique_ptr<TBitmap> TSpeedButton::GlyphFor(TButtonState State) {
  if (FGlyph->Empty()) return nullptr;
  const Integer W = FGlyph->Width() / FNumGlyphs, H = FGlyph->Height();
  if (W <= 0 || H <= 0) return nullptr;
  // Down in a group without its own image looks pressed; pressed without
  // its own image looks up.
  Integer Index = 0;
  bool MakeDisabled = false;
  switch (State) {
    case bsUp: Index = 0; break;
    case bsDisabled:
      if (FNumGlyphs >= 2)
        Index = 1;
      else
        MakeDisabled = true;
      break;
    case bsDown: Index = FNumGlyphs >= 3 ? 2 : 0; break;
    case bsExclusive: Index = FNumGlyphs >= 4 ? 3 : FNumGlyphs >= 3 ? 2 : 0; break;
  }
  const TColor Key = ColorToRGB(FGlyph->TransparentColor());
  auto B = std::make_unique<TBitmap>();
  B->SetPixelFormat(pf24bit);
  B->SetSize(W, H);
  HDC Src = FGlyph->Canvas()->Handle();
  HDC Dst = B->Canvas()->Handle();
  BitBlt(Dst, 0, 0, W, H, Src, Index * W, 0, SRCCOPY);
  if (MakeDisabled) {
    // Engraved from the up image: every pixel that is neither transparent
    // nor white becomes shadow, with a highlight one pixel down-right.
    std::vector<bool> Ink(size_t(W) * H);
    for (Integer Y = 0; Y < H; ++Y)
      for (Integer X = 0; X < W; ++X) {
        COLORREF C = GetPixel(Dst, X, Y);
        Ink[size_t(Y) * W + X] = C != COLORREF(Key) && C != RGB(255, 255, 255);
      }
    const COLORREF Hi = ColorToRGB(clBtnHighlight), Sh = ColorToRGB(clBtnShadow);
    for (Integer Y = 0; Y < H; ++Y)
      for (Integer X = 0; X < W; ++X) {
        COLORREF C = COLORREF(Key);
        if (Ink[size_t(Y) * W + X])
          C = Sh;
        else if (X > 0 && Y > 0 && Ink[size_t(Y - 1) * W + X - 1])
          C = Hi;
        SetPixel(Dst, X, Y, C);
      }
  }
  GdiFlush();
  B->SetTransparentColor(Key);
  B->SetTransparent(true);
  return B;
}

void CalcButtonLayout(TSize Client, TSize GlyphSize, TSize TextSize, TButtonLayout Layout,
                      Integer Margin, Integer Spacing, TPoint& GlyphPos, TPoint& TextPos) {
  const Integer CW = Client.cx, CH = Client.cy;
  const bool Horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  GlyphPos = TPoint();
  TextPos = TPoint();
  if (Horizontal) {
    GlyphPos.Y = (CH - GlyphSize.cy + 1) / 2;
    TextPos.Y = (CH - TextSize.cy + 1) / 2;
  } else {
    GlyphPos.X = (CW - GlyphSize.cx + 1) / 2;
    TextPos.X = (CW - TextSize.cx + 1) / 2;
  }
  if (TextSize.cx == 0 || GlyphSize.cx == 0) Spacing = 0;
  const Integer Room = Horizontal ? CW : CH;
  const Integer GlyphExt = Horizontal ? GlyphSize.cx : GlyphSize.cy;
  const Integer TextExt = Horizontal ? TextSize.cx : TextSize.cy;
  if (Margin == -1) {
    if (Spacing == -1) {
      Margin = (Room - (GlyphExt + TextExt)) / 3;
      Spacing = Margin;
    } else {
      Margin = (Room - (GlyphExt + Spacing + TextExt) + 1) / 2;
    }
  } else if (Spacing == -1) {
    Spacing = (Room - (Margin + GlyphExt) - TextExt) / 2;
  }
  switch (Layout) {
    case blGlyphLeft:
      GlyphPos.X = Margin;
      TextPos.X = GlyphPos.X + GlyphSize.cx + Spacing;
      break;
    case blGlyphRight:
      GlyphPos.X = CW - Margin - GlyphSize.cx;
      TextPos.X = GlyphPos.X - Spacing - TextSize.cx;
      break;
    case blGlyphTop:
      GlyphPos.Y = Margin;
      TextPos.Y = GlyphPos.Y + GlyphSize.cy + Spacing;
      break;
    case blGlyphBottom:
      GlyphPos.Y = CH - Margin - GlyphSize.cy;
      TextPos.Y = GlyphPos.Y - Spacing - TextSize.cy;
      break;
  }
}

void TSpeedButton::DrawGlyphAndCaption(TCanvas* C, const TRect& Client, TPoint Offset,
                                       TButtonState State) {
  std::unique_ptr<TBitmap> G = GlyphFor(State);
  const String Text = Caption();
  TSize GlyphSize = G ? TSize(G->Width(), G->Height()) : TSize();
  C->SetFont(Font());
  RECT TB{0, 0, Client.Width(), 0};
  TSize TextSize;
  if (!Text.empty()) {
    HDC DC = C->Handle();
    C->TextExtent(L"");  // selects the font
    DrawTextW(DC, Text.c_str(), int(Text.size()), &TB, DT_CALCRECT);
    TextSize = TSize(TB.right - TB.left, TB.bottom - TB.top);
  }
  TPoint GlyphPos, TextPos;
  CalcButtonLayout(TSize(Client.Width(), Client.Height()), GlyphSize, TextSize, FLayout, FMargin,
                   FSpacing, GlyphPos, TextPos);
  const Integer DX = Client.Left + Offset.X, DY = Client.Top + Offset.Y;
  if (G) C->Draw(GlyphPos.X + DX, GlyphPos.Y + DY, G.get());
  if (Text.empty()) return;
  RECT R{TextPos.X + DX, TextPos.Y + DY, TextPos.X + DX + TextSize.cx, TextPos.Y + DY + TextSize.cy};
  C->Brush()->SetStyle(bsClear);
  C->TextExtent(L"");
  HDC DC = C->Handle();
  SetBkMode(DC, TRANSPARENT);
  const UINT Flags = DT_CENTER | DT_VCENTER;
  if (State == bsDisabled) {
    OffsetRect(&R, 1, 1);
    ::SetTextColor(DC, ColorToRGB(clBtnHighlight));
    DrawTextW(DC, Text.c_str(), int(Text.size()), &R, Flags);
    OffsetRect(&R, -1, -1);
    ::SetTextColor(DC, ColorToRGB(clBtnShadow));
  }
  DrawTextW(DC, Text.c_str(), int(Text.size()), &R, Flags);
  C->Refresh();
}

void TSpeedButton::Paint() {
  if (!FEnabled) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
  TCanvas* C = Canvas();
  TRect R = ClientRect();
  const bool Pressed = FState == bsDown || FState == bsExclusive;
  HDC DC = C->Handle();
  if (!FFlat) {
    RECT F{R.Left, R.Top, R.Right, R.Bottom};
    C->Refresh();
    DrawFrameControl(DC, &F, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Pressed ? DFCS_PUSHED : 0));
    R = TRect(F.left, F.top, F.right, F.bottom);
  } else {
    if (!FTransparent) {
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(FColor);
      C->FillRect(R);
    }
    if (Pressed || (FMouseInControl && FState != bsDisabled)) {
      RECT F{R.Left, R.Top, R.Right, R.Bottom};
      C->Refresh();
      DrawEdge(DC, &F, Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  }
  if (FState == bsExclusive && (!FFlat || !FMouseInControl)) {
    // The checker of a button that stays down.
    HBRUSH B = CreateDitherBrush();
    C->Refresh();
    COLORREF OldText = ::SetTextColor(DC, ColorToRGB(clBtnFace));
    COLORREF OldBk = ::SetBkColor(DC, ColorToRGB(clBtnHighlight));
    RECT F{R.Left, R.Top, R.Right, R.Bottom};
    FillRect(DC, &F, B);
    ::SetTextColor(DC, OldText);
    ::SetBkColor(DC, OldBk);
    DeleteObject(B);
  }
  const TPoint Offset = Pressed ? TPoint(1, 1) : TPoint(0, 0);
  DrawGlyphAndCaption(C, R, Offset, FState);
}

}  // namespace jorv
