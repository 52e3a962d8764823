// The captioned panel's paint: body, border, bevels, picture, text,
// caption with its buttons, status bar and size grip, composed off-screen
// when buffered.
#include "panel/ExPanel.h"
#include <algorithm>
#include "foundation/HTMLPanelRenderer.h"
#include "foundation/PictureContainer.h"
#include "foundation/XPTheme.h"
#include "panel/PanelColors.h"
#include "platform/ui/Frame3D.h"

namespace jorv::panel {
using namespace jorv::foundation;

using namespace expanel;

namespace {

// Parts and states of the style class "window".
constexpr int WP_CAPTION_ = 1, CS_ACTIVE_ = 1, WP_MINBUTTON_ = 15, WP_MAXBUTTON_ = 17,
              WP_CLOSEBUTTON_ = 18, STATE_NORMAL_ = 1;
constexpr TColor Grey = 0x808080, White = 0xFFFFFF;

void DrawThemePart(HWND Wnd, HDC DC, int Part, int State, const TRect& R) {
  HTHEME Theme = OpenThemeData(Wnd, L"window");
  if (!Theme) return;
  RECT Rc{R.Left, R.Top, R.Right, R.Bottom};
  DrawThemeBackground(Theme, DC, Part, State, &Rc, nullptr);
  CloseThemeData(Theme);
}

// Text in Font turned by Escapement tenths of a degree; the temporary font
// is freed whatever happens.
void DrawRotatedText(TCanvas* C, TFont* Font, Integer Escapement, Integer X, Integer Y,
                     const String& Text, const TRect* Clip) {
  LOGFONTW LF = Font->GetLogFont();
  LF.lfEscapement = Escapement;
  LF.lfOrientation = 30;
  HFONT F = ::CreateFontIndirectW(&LF);
  HDC DC = C->Handle();
  HGDIOBJ Old = ::SelectObject(DC, F);
  ::SetBkMode(DC, TRANSPARENT);
  ::SetTextColor(DC, ColorToRGB(Font->Color()));
  RECT Rc = Clip ? RECT{Clip->Left, Clip->Top, Clip->Right, Clip->Bottom} : RECT{};
  ::ExtTextOutW(DC, X, Y, Clip ? ETO_CLIPPED : 0, Clip ? &Rc : nullptr, Text.c_str(),
                UINT(Text.size()), nullptr);
  ::SelectObject(DC, Old);
  ::DeleteObject(F);
}

void DrawGlyph(TCanvas* C, Integer X, Integer Y, TBitmap* Glyph) {
  Glyph->SetTransparent(true);
  C->Draw(X, Y, Glyph);
}

}  // namespace

bool TCustomExPanel::XPCaptionThemed() {
  return FCaption->ShadeType() == stXPCaption && FIsWinXP && IsThemeActive && IsThemeActive();
}

Integer TCustomExPanel::DrawPanelHTML(TCanvas* ACanvas, const String& AText, const TRect& R,
                                      Integer Hover, bool TestOnly, bool WordWrap) {
  String URL, Plain, Focused;
  Integer W = 0, H = 0, Count = 0, Under = -1;
  TRect AnchorR{};
  DrawHTMLText(ACanvas, AText, R, FImages, 0, 0, -1, Hover, FShadowOffset, TestOnly, false, false,
               false, false, FHover, WordWrap, 1.0, FURLColor, FHoverColor, FHoverFontColor,
               FShadowColor, URL, Plain, Focused, W, H, Count, Under, AnchorR,
               FPictureCache.get(), FPictureContainer, FLineSpacing, 0);
  return H;
}

void TCustomExPanel::DrawCaptionShade(TCanvas* C, TRect R) {
  const TShadeType Type = FCaption->ShadeType();
  if (Type == stXPCaption) {
    if (XPCaptionThemed() && HandleAllocated())
      DrawThemePart(Handle(), C->Handle(), WP_CAPTION_, CS_ACTIVE_,
                    {R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1});
    return;
  }
  if (Type == stBitmap || Type == stBitmapRStretch || Type == stBitmapLStretch) {
    TBitmap* B = FCaption->Background();
    if (B->Empty()) return;
    const Integer bw = B->Width(), bh = B->Height();
    const bool Top = FCaption->Position() == cpTop;
    HDC Src = B->Canvas()->Handle(), Dst = C->Handle();
    auto Stretch = [&](const TRect& D, const TRect& S) {
      ::StretchBlt(Dst, D.Left, D.Top, D.Width(), D.Height(), Src, S.Left, S.Top, S.Width(),
                   S.Height(), SRCCOPY);
    };
    if (Type == stBitmap) {
      C->StretchDraw(R, B);
    } else if (Type == stBitmapRStretch) {
      if (Top) {
        C->Draw(R.Left, R.Top, B);
        Stretch({bw, R.Top, R.Right, R.Bottom}, {bw - 3, 0, bw, bh});
      } else {
        C->Draw(R.Left, R.Bottom - bh, B);
        Stretch({R.Left, R.Top, R.Right, R.Bottom - bh}, {0, 0, bw, 3});
      }
    } else if (Top) {
      const Integer x = std::max(0, Width() - bw);
      C->Draw(R.Left + x, R.Top, B);
      if (x > 0) Stretch({0, R.Top, x, R.Bottom}, {0, 0, 2, bh});
    } else {
      C->Draw(R.Left, R.Top, B);
      const Integer y = std::max(0, Height() - bh);
      if (y > 0) Stretch({0, R.Bottom - y, R.Right, R.Bottom}, {0, bh - 3, bw, bh});
    }
    return;
  }

  HDC DC = C->Handle();
  std::vector<HRGN> Made;
  auto Rounded = [&](Integer L, Integer T, Integer Rt, Integer B) {
    HRGN Rg = ::CreateRoundRectRgn(L, T, Rt, B, 32, 32);
    Made.push_back(Rg);
    return Rg;
  };
  auto HalfOutlines = [&]() {
    const Integer Half = (R.Bottom - R.Top) / 2;
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetWidth(1);
    ::SelectClipRgn(DC, Rounded(R.Left, R.Top + Half, R.Right, R.Bottom));
    C->Pen()->SetColor(Grey);
    ::RoundRect(DC, R.Left, R.Top, R.Right, R.Bottom, 32, 32);
    ::SelectClipRgn(DC, Rounded(R.Left, R.Top, R.Right, R.Bottom - Half));
    C->Pen()->SetColor(White);
    ::RoundRect(DC, R.Left, R.Top, R.Right, R.Bottom, 32, 32);
    ::SelectClipRgn(DC, nullptr);
    C->Brush()->SetStyle(bsSolid);
  };
  HRGN Clip = nullptr;
  switch (FCaption->Shape()) {
    case csRectangle:
      if (!FCaption->Flat()) {
        C->Pen()->SetWidth(1);
        C->Pen()->SetColor(Grey);
        C->MoveTo(R.Left, R.Bottom - 1);
        C->LineTo(R.Right - 1, R.Bottom - 1);
        C->LineTo(R.Right - 1, R.Top);
        C->Pen()->SetColor(White);
        C->LineTo(R.Left, R.Top);
        C->LineTo(R.Left, R.Bottom - 1);
        R = {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
      }
      Clip = ::CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom);
      Made.push_back(Clip);
      break;
    case csRounded:
      HalfOutlines();
      C->Pen()->SetColor(Grey);
      C->MoveTo(R.Left + 16, R.Bottom - 1);
      C->LineTo(R.Right - 16, R.Bottom - 1);
      R.Top += 1;
      Clip = Rounded(R.Left, R.Top, R.Right, R.Bottom);
      break;
    case csSemiRounded: {
      HalfOutlines();
      C->Pen()->SetColor(White);
      C->MoveTo(R.Left + (R.Right - R.Left) / 2, R.Top);
      C->LineTo(R.Left, R.Top);
      C->LineTo(R.Left, R.Bottom - 1);
      C->Pen()->SetColor(Grey);
      C->LineTo(R.Right - 16, R.Bottom - 1);
      R.Top += 1;
      R.Left += 1;
      HRGN Round = Rounded(R.Left, R.Top, R.Right, R.Bottom);
      HRGN Square = ::CreateRectRgn(R.Left, R.Top, R.Right - (R.Right - R.Left) / 2, R.Bottom - 1);
      Made.push_back(Square);
      Clip = ::CreateRectRgn(0, 0, 0, 0);
      Made.push_back(Clip);
      ::CombineRgn(Clip, Round, Square, RGN_OR);
      break;
    }
  }
  ::SelectClipRgn(DC, Clip);
  C->Draw(R.Left, R.Top, FShadedHeader.get());
  ::SelectClipRgn(DC, nullptr);
  for (HRGN Rg : Made) ::DeleteObject(Rg);
}

void TCustomExPanel::Paint() {
  TCustomPanel::Paint();
  const TRect Client{0, 0, ClientWidth(), ClientHeight()};
  std::unique_ptr<TBitmap> Buffer;
  TCanvas* C = Canvas();
  if (FBuffered) {
    Buffer = std::make_unique<TBitmap>();
    Buffer->SetSize(Client.Right, Client.Bottom);
    C = Buffer->Canvas();
  }
  TRect R = Client;

  // Background.
  if (FColorTo == clNone) {
    C->Pen()->SetColor(Color());
    C->Brush()->SetColor(Color());
    C->FillRect(R);
  } else if (FColorMirror == clNone) {
    DrawSteppedGradient(C, Color(), FColorTo, 64, R, FGradientDirection == gdHorizontal);
  } else {
    DrawMirroredGradient(C, R, Color(), FColorTo, FColorMirror, FColorMirrorTo, FGradientDirection);
  }

  // Border and its shadow.
  if (FBorderColor != clNone && BorderWidth() > 0) {
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(FBorderColor);
    if (FBorderShadow) {
      R.Right -= 2;
      R.Bottom -= 2;
    }
    C->Rectangle(R);
    if (FBorderShadow) {
      C->Pen()->SetColor(BlendColor(FBorderColor, clBtnFace, 50));
      C->MoveTo(R.Right, R.Top + 1);
      C->LineTo(R.Right, R.Bottom);
      C->LineTo(R.Left, R.Bottom);
      C->Pen()->SetColor(BlendColor(FBorderColor, clBtnFace, 20));
      C->MoveTo(R.Right + 1, R.Top + 2);
      C->LineTo(R.Right + 1, R.Bottom + 1);
      C->LineTo(R.Left, R.Bottom + 1);
    }
    C->Brush()->SetStyle(bsSolid);
  }

  // Bevels.
  TColor TopC, BottomC;
  if (BevelOuter() != bvNone) {
    BevelColors(BevelOuter(), TopC, BottomC);
    Frame3D(C, R, TopC, BottomC, BevelWidth());
  }
  if (FBorderColor == clNone) Frame3D(C, R, Color(), Color(), 1);
  if (BevelInner() != bvNone) {
    BevelColors(BevelInner(), TopC, BottomC);
    Frame3D(C, R, TopC, BottomC, BevelWidth());
  }

  // Body.
  C->Pen()->SetColor(Color());
  C->Brush()->SetColor(Color());
  R = Client;
  const Integer BW2 = 2 * BevelWidth();
  if (FCaption->Visible()) {
    switch (FCaption->Position()) {
      case cpTop: R.Top = R.Top + FCaption->Height() - BW2; break;
      case cpLeft: R.Left = R.Left + 2 + FCaption->Height() - BW2; break;
      case cpRight: R.Right = R.Right - 2 - FCaption->Height() + BW2; break;
    }
  }
  if (FBorderShadow) {
    R.Right -= 2;
    R.Bottom -= 3;
  }
  HRGN BodyRgn = ::CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom);
  ::SelectClipRgn(C->Handle(), BodyRgn);

  if (!FBackground->Empty()) {
    const Integer W = FBackground->Width(), H = FBackground->Height();
    const Integer RightX = std::max(R.Left, R.Right - R.Left - W - BevelWidth());
    const Integer BottomY = std::max(R.Top, Height() - H - BevelWidth());
    switch (FBackgroundPosition) {
      case bpTopLeft: C->Draw(R.Left, R.Top, FBackground.get()); break;
      case bpTopRight: C->Draw(RightX, R.Top, FBackground.get()); break;
      case bpBottomLeft: C->Draw(R.Left, BottomY, FBackground.get()); break;
      case bpBottomRight: C->Draw(RightX, BottomY, FBackground.get()); break;
      case bpTiled:
        if (W > 0 && H > 0)
          for (Integer y = R.Top; y < Height(); y += H)
            for (Integer x = R.Left; x < Width(); x += W) C->Draw(x, y, FBackground.get());
        break;
      case bpStretched:
        C->StretchDraw({R.Left, R.Top - 4, R.Right, R.Bottom + 4}, FBackground.get());
        break;
      case bpCenter: C->Draw(RightX / 2, BottomY / 2, FBackground.get()); break;
    }
  }

  const Integer Inset = BorderWidth() + 1;
  R = {R.Left + Inset + FIndent, R.Top + Inset + FTopIndent, R.Right - Inset, R.Bottom - Inset};
  if (FStatusBar->Visible()) {
    switch (FCaption->Position()) {
      case cpTop: R.Bottom -= FStatusBar->Height(); break;
      case cpLeft: R.Right -= FStatusBar->Height(); break;
      case cpRight: R.Left += FStatusBar->Height(); break;
    }
  }
  C->Font()->Assign(Font());
  if (FTextVAlign != tvaTop) {
    const Integer h = DrawPanelHTML(C, FText, R, FHoverHyperLink, true, !FEllipsis);
    if (h < R.Bottom - R.Top)
      R.Top = FTextVAlign == tvaCenter ? R.Top + (R.Bottom - R.Top - h) / 2 : R.Bottom - h;
  }
  DrawPanelHTML(C, FText, R, FHoverHyperLink, false, !FEllipsis);
  ::SelectClipRgn(C->Handle(), nullptr);
  ::DeleteObject(BodyRgn);

  if (FCaption->Visible()) PaintCaption(C);
  if (FStatusBar->Visible()) PaintStatusBar(C);
  if (FShowSizeMoveGrip && FCanSize && !Collaps()) PaintSizeGrip(C);

  if (FCaption->Position() == cpRight && FBorderColor != clNone && BorderWidth() > 0) {
    TRect B = Client;
    if (FBorderShadow) {
      B.Right -= 2;
      B.Bottom -= 2;
    }
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(FBorderColor);
    C->Rectangle(B);
    C->Brush()->SetStyle(bsSolid);
  }

  if (OnPaint) OnPaint(this, C, Client);
  if (Buffer) Canvas()->Draw(0, 0, Buffer.get());
}

void TCustomExPanel::PaintCaption(TCanvas* C) {
  const TCaptionPosition Pos = FCaption->Position();
  const bool BtnLeft = FCaption->ButtonPosition() == cbpLeft;
  TRect R{0, 0, Width(), Height()};
  const Integer BWd = BorderWidth();
  if (FBorderShadow && BWd > 0) {
    switch (Pos) {
      case cpTop: R.Left = R.Top = BWd; R.Right = Width() - BWd - 2; break;
      case cpLeft: R.Left = R.Top = BWd; R.Bottom = Height() - BWd + 1; break;
      case cpRight: R.Top = BWd; R.Right = Width() - BWd; R.Bottom = Height() - BWd + 1; break;
    }
  }
  if (BevelInner() != bvNone || BevelOuter() != bvNone)
    R = {R.Left + BevelWidth(), R.Top + BevelWidth(), R.Right - BevelWidth(),
         R.Bottom - BevelWidth()};
  const TColor Fill = Collaps() ? FCaption->CloseColor() : FCaption->Color();
  C->Pen()->SetWidth(1);
  C->Pen()->SetColor(Fill);
  C->Brush()->SetColor(Fill);
  const Integer H = FCaption->Height(), BW2 = 2 * BevelWidth(), S = FBorderShadow ? 3 : 0;
  const TShadeType Type = FCaption->ShadeType();
  const bool Shaded = Type != stNormal && (Type != stXPCaption || XPCaptionThemed());
  TRect Band = R;
  switch (Pos) {
    case cpTop: Band.Bottom = R.Top + H - BW2; break;
    case cpLeft: Band.Right = R.Left + H - BW2; if (!Shaded) Band.Bottom -= S; break;
    case cpRight: Band.Left = R.Right - H; if (!Shaded) Band.Bottom -= S; break;
  }
  if (Shaded)
    DrawCaptionShade(C, Band);
  else if (FCaption->ColorTo() == clNone)
    C->Rectangle(Band);
  else
    DrawSteppedGradient(C, FCaption->Color(), FCaption->ColorTo(), 64, Band,
                        FCaption->GradientDirection() == gdHorizontal);

  const bool Themed = XPCaptionThemed() && HandleAllocated();
  Integer &L = R.Left, &T = R.Top, &Rt = R.Right, &B = R.Bottom;
  // A 14 x 14 styled button cell at the end ButtonPosition names.
  auto ThemedCell = [&]() -> TRect {
    switch (Pos) {
      case cpTop: return BtnLeft ? TRect{L + 2, T + 4, L + 16, T + 18} : TRect{Rt - 16, T + 4, Rt - 2, T + 18};
      case cpLeft: return BtnLeft ? TRect{L + 4, B - 16, L + 18, B - 2} : TRect{L + 4, T + 2, L + 18, T + 16};
      default: return BtnLeft ? TRect{Rt - 18, T + 2, Rt - 4, T + 16} : TRect{Rt - 18, B - 16, Rt - 4, B - 2};
    }
  };
  // Shortens R at the buttons' end by N.
  auto Shorten = [&](Integer N) {
    switch (Pos) {
      case cpTop: (BtnLeft ? L : Rt) += BtnLeft ? N : -N; break;
      case cpLeft: (BtnLeft ? B : T) += BtnLeft ? -N : N; break;
      case cpRight: (BtnLeft ? T : B) += BtnLeft ? N : -N; break;
    }
  };

  if (FCaption->CloseButton()) {
    TBitmap* GMin = FCaption->CloseMinGlyph();
    TBitmap* GMax = FCaption->CloseMaxGlyph();
    if (Themed) {
      DrawThemePart(Handle(), C->Handle(), WP_CLOSEBUTTON_, STATE_NORMAL_, ThemedCell());
      Shorten(14);
    } else if (GMin->Empty() || GMax->Empty()) {
      const TColor Hov = FCaption->CloseButtonHoverColor();
      C->Pen()->SetWidth(2);
      C->Pen()->SetColor(FHoverCloseBtn && Hov != clNone ? Hov : FCaption->CloseButtonColor());
      TPoint P;
      switch (Pos) {
        case cpTop: P = BtnLeft ? TPoint{L + 4, T + 4} : TPoint{Rt - 10, T + 4}; break;
        case cpLeft: P = BtnLeft ? TPoint{L + 4, B - 10} : TPoint{L + 4, T + 4}; break;
        case cpRight: P = BtnLeft ? TPoint{Rt - 10, T + 4} : TPoint{Rt - 10, B - 12}; break;
      }
      C->MoveTo(P.X, P.Y);
      C->LineTo(P.X + 6, P.Y + 6);
      C->MoveTo(P.X + 6, P.Y);
      C->LineTo(P.X, P.Y + 6);
      C->Pen()->SetWidth(1);
      Shorten(Pos == cpRight && !BtnLeft ? 14 : 12);
    } else {
      TBitmap* G = Collaps() ? GMin : GMax;
      const Integer gw = G->Width(), gh = G->Height();
      switch (Pos) {
        case cpTop: DrawGlyph(C, BtnLeft ? L : Rt - gw, T + 2, G); Shorten(gw); break;
        case cpLeft: DrawGlyph(C, L + 2, BtnLeft ? B - gh : T, G); Shorten(gh); break;
        case cpRight: DrawGlyph(C, Rt - gw - 2, BtnLeft ? T : B - gh - 2, G); Shorten(gh); break;
      }
    }
  }

  if (FCaption->MinMaxButton()) {
    const bool Coll = Collaps();
    TBitmap* G = Coll ? FCaption->MaxGlyph() : FCaption->MinGlyph();
    if (Themed) {
      DrawThemePart(Handle(), C->Handle(), Coll ? WP_MAXBUTTON_ : WP_MINBUTTON_, STATE_NORMAL_,
                    ThemedCell());
    } else if (G->Empty()) {
      const TColor Hov = FCaption->MinMaxButtonHoverColor();
      const TColor Col = FHoverMinBtn && Hov != clNone ? Hov : FCaption->MinMaxButtonColor();
      C->Pen()->SetWidth(1);
      C->Pen()->SetColor(Col);
      C->Brush()->SetColor(Col);
      // Near and far offsets of the arrow's base and tip across the bar.
      const Integer Base = Coll ? 5 : 8, Tip = Coll ? 8 : 5;
      switch (Pos) {
        case cpTop:
          if (BtnLeft) C->Polygon({{L + 4, T + Base}, {L + 10, T + Base}, {L + 7, T + Tip}});
          else C->Polygon({{Rt - 10, T + Base}, {Rt - 4, T + Base}, {Rt - 7, T + Tip}});
          break;
        case cpLeft:
          if (BtnLeft) C->Polygon({{L + Base, B - 4}, {L + Base, B - 10}, {L + Tip, B - 7}});
          else C->Polygon({{L + Base, T + 10}, {L + Base, T + 4}, {L + Tip, T + 7}});
          break;
        case cpRight: {
          const Integer RB = Coll ? 6 : 9, RT = Coll ? 9 : 6;
          if (BtnLeft) C->Polygon({{Rt - RB, T + 10}, {Rt - RB, T + 4}, {Rt - RT, T + 7}});
          else C->Polygon({{Rt - RB, B - 4}, {Rt - RB, B - 10}, {Rt - RT, B - 7}});
          break;
        }
      }
    } else {
      const Integer gw = G->Width(), gh = G->Height();
      switch (Pos) {
        case cpTop: DrawGlyph(C, BtnLeft ? L : Rt - gw, T + 2, G); break;
        case cpLeft: DrawGlyph(C, L + 2, BtnLeft ? B - gh : T, G); break;
        case cpRight:
          if (Coll) DrawGlyph(C, Rt - gw - 2, BtnLeft ? T : B - gh - 2, G);
          else DrawGlyph(C, Rt - 12, BtnLeft ? T : B - gh, G);
          break;
      }
    }
  }

  // Caption text.
  const Integer Room = 20 * (Integer(FCaption->CloseButton()) + Integer(FCaption->MinMaxButton()));
  C->Font()->Assign(FCaption->Font());
  switch (Pos) {
    case cpTop:
      (BtnLeft ? L : Rt) += BtnLeft ? Room : -Room;
      B = T + H;
      L += FCaption->Indent() + 2;
      T += FCaption->TopIndent();
      DrawPanelHTML(C, FCaption->Text(), R, FCaptionHoverHyperLink, false, false);
      break;
    case cpLeft: {
      (BtnLeft ? B : T) += BtnLeft ? -Room : Room;
      Rt = L + H;
      B -= FCaption->Indent();
      L += FCaption->TopIndent();
      B += Canvas()->TextHeight(L"gh") - 2;
      C->Brush()->SetStyle(bsClear);
      const String Plain = HTMLToPlainText(FCaption->Text(), true);
      // Bottom-aligned: the rotated run starts at the band's bottom.
      DrawRotatedText(C, FCaption->Font(), -2700, L, B, Plain, nullptr);
      C->Brush()->SetStyle(bsSolid);
      break;
    }
    case cpRight: {
      (BtnLeft ? T : B) += BtnLeft ? Room : -Room;
      Rt = Width();
      L = Width() - H + FCaption->TopIndent();
      T += FCaption->Indent() + 2;
      C->Brush()->SetStyle(bsClear);
      const String Plain = HTMLToPlainText(FCaption->Text(), true);
      DrawRotatedText(C, FCaption->Font(), -900, Rt - 4, T, Plain, &R);
      C->Brush()->SetStyle(bsSolid);
      break;
    }
  }
}

void TCustomExPanel::PaintStatusBar(TCanvas* C) {
  const TCaptionPosition Pos = FCaption->Position();
  Integer m = (BevelInner() != bvNone || BevelOuter() != bvNone) ? 2 : 1;
  if (FBorderShadow && BorderWidth() > 0) m += 2;
  const Integer h = FStatusBar->Height();
  TRect S;
  switch (Pos) {
    case cpTop: S = {m, Height() - h - 1, Width() - m, Height() - m}; break;
    case cpLeft: S = {Width() - h - m, 1, Width() - m, Height() - m}; break;
    case cpRight: S = {m, 1, m + h, Height() - m}; break;
  }
  const TColor Col = FStatusBar->Color(), ColTo = FStatusBar->ColorTo();
  if (Col != clNone && ColTo != clNone) {
    DrawSteppedGradient(C, ColorToRGB(Col), ColorToRGB(ColTo), 40, S,
                        FStatusBar->GradientDirection() == gdHorizontal);
  } else if (Col != clNone) {
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(Col);
    C->Brush()->SetColor(Col);
    C->Rectangle(S);
  }
  if (FStatusBar->ImageIndex() >= 0 && FImages) {
    const Integer iw = FImages->Width(), ih = FImages->Height();
    if (Pos == cpTop) {
      FImages->Draw(C, S.Left + 1, S.Top + 2, FStatusBar->ImageIndex(), true);
      S.Left += iw + 2;
    } else {
      const Integer y = (Collaps() || !FCanSize) ? S.Bottom - ih - 1 : S.Bottom - ih - 12;
      FImages->Draw(C, S.Left + 2, y, FStatusBar->ImageIndex(), true);
      S.Bottom -= ih + 2;
    }
  }
  C->Font()->Assign(FStatusBar->Font());
  if (Pos == cpTop) {
    TRect T{S.Left + 2, S.Top + FStatusBar->TopIndent(), S.Right, S.Bottom};
    DrawPanelHTML(C, FStatusBar->Text(), T, FCaptionHoverHyperLink, false, false);
  } else {
    const String Plain = HTMLToPlainText(FStatusBar->Text(), true);
    if (Pos == cpLeft) {
      const Integer y = (Collaps() || !FCanSize) ? S.Bottom - 2 : S.Bottom - 16;
      DrawRotatedText(C, FStatusBar->Font(), -2700, S.Left + 2, y, Plain, nullptr);
    } else {
      DrawRotatedText(C, FStatusBar->Font(), -900, S.Right - 2, S.Top + 3, Plain, nullptr);
    }
  }
  if (FStatusBar->BorderStyle() == bsSingle && FStatusBar->BorderColor() != clNone) {
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(FStatusBar->BorderColor());
    C->Brush()->SetStyle(bsClear);
    const Integer BWd = BorderWidth();
    switch (Pos) {
      case cpTop: C->Rectangle(BWd, S.Top, S.Right - BWd + 1, S.Bottom - BWd + 1); break;
      case cpLeft: C->Rectangle(S.Left, S.Top, S.Right + 1, Height()); break;
      case cpRight: C->Rectangle(S.Left - 1, S.Top, S.Right, Height()); break;
    }
    C->Brush()->SetStyle(bsSolid);
  }
  if (FStatusBar->BevelInner()) {
    C->Pen()->SetWidth(1);
    auto Line3 = [C](TColor Colr, TPoint A, TPoint B2, TPoint D) {
      C->Pen()->SetColor(Colr);
      C->MoveTo(A.X, A.Y);
      C->LineTo(B2.X, B2.Y);
      C->LineTo(D.X, D.Y);
    };
    const Integer Ht = Height();
    switch (Pos) {
      case cpTop:
        Line3(Grey, {0, S.Bottom - 1}, {0, S.Top}, {S.Right, S.Top});
        Line3(White, {0, S.Bottom - 1}, {S.Right - 1, S.Bottom - 1}, {S.Right - 1, S.Top});
        break;
      case cpLeft:
        Line3(Grey, {S.Left, Ht}, {S.Left, S.Top}, {S.Right - 1, S.Top});
        Line3(White, {S.Left, Ht}, {S.Right - 1, Ht}, {S.Right - 1, S.Top});
        break;
      case cpRight:
        Line3(Grey, {S.Left, Ht}, {S.Right - 1, Ht}, {S.Right - 1, S.Top});
        Line3(White, {S.Left, Ht}, {S.Left, S.Top}, {S.Right - 1, S.Top});
        break;
    }
  }
}

void TCustomExPanel::PaintSizeGrip(TCanvas* C) {
  TRect R{0, 0, ClientWidth(), ClientHeight()};
  if (BevelInner() != bvNone || BevelOuter() != bvNone) {
    const Integer d = 2 * BevelWidth();
    R = {R.Left + d, R.Top + d, R.Right - d, R.Bottom - d};
  }
  if (FBorderShadow) {
    R.Right -= 4;
    R.Bottom -= 4;
  }
  const bool Right = FCaption->Position() == cpRight;
  if (Right) {
    R.Right = R.Left + ::GetSystemMetrics(SM_CXVSCROLL);
    R.Top = R.Bottom - ::GetSystemMetrics(SM_CXHSCROLL);
    R.Left += 1;
  } else {
    R.Left = R.Right - ::GetSystemMetrics(SM_CXVSCROLL);
    R.Top = R.Bottom - ::GetSystemMetrics(SM_CXHSCROLL);
  }
  auto Lines = [&](TColor Col, Integer W, std::initializer_list<TPoint> KK) {
    C->Pen()->SetColor(Col);
    C->Pen()->SetWidth(W);
    for (TPoint K : KK) {
      if (Right) {
        C->MoveTo(R.Left, R.Bottom - K.X);
        C->LineTo(R.Left + K.Y, R.Bottom);
      } else {
        C->MoveTo(R.Right, R.Bottom - K.X);
        C->LineTo(R.Right - K.Y, R.Bottom);
      }
    }
  };
  Lines(Grey, 2, {{11, 11}, {6, 7}, {3, 3}});
  Lines(White, 1, {{12, 12}, {8, 8}, {4, 4}});
  C->Pen()->SetWidth(1);
}

}  // namespace jorv::panel
