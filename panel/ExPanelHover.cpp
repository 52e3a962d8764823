// Anchors of the body and caption text under the mouse: hand cursor, hover
// colours, enter, exit and click events, hints; and the measuring of the
// text that automatic sizing uses.
#include "panel/ExPanel.h"
#include "foundation/HTMLPanelRenderer.h"
#include "platform/ui/Application.h"
#include "platform/ui/ShellOpen.h"

namespace jorv::panel {
using namespace expanel;

namespace {

struct THTMLResult {
  bool Hit = false;
  String URL;
  Integer Width = 0;
  Integer Height = 0;
  Integer Anchor = -1;
  TRect AnchorRect{};
};

// R grown by D on every side (shrunk for a negative D).
TRect Inflated(const TRect& R, Integer D) { return {R.Left - D, R.Top - D, R.Right + D, R.Bottom + D}; }

}  // namespace

TCanvas* TCustomExPanel::MeasureCanvas() {
  // A memory device context measures as the screen does and needs no
  // window, so a panel sizes itself before it is shown.
  if (!FMeasureBitmap) {
    FMeasureBitmap = std::make_unique<TBitmap>();
    FMeasureBitmap->SetSize(1, 1);
  }
  return FMeasureBitmap->Canvas();
}

namespace {

THTMLResult TestHTML(TCanvas* C, const String& Text, const TRect& R, TCustomImageList* Images,
                     TPoint Test, Integer Hover, Integer ShadowOffset, bool MeasureOnly,
                     bool HoverMode, bool WordWrap, TColor URLColor, TColor HoverColor,
                     TColor HoverFontColor, TColor ShadowColor, THTMLPictureCache* Cache,
                     TPictureContainer* Container, Integer LineSpacing) {
  THTMLResult Res;
  String Plain, Focused;
  Integer Count = 0;
  Res.Hit = DrawHTMLText(C, Text, R, Images, Test.X, Test.Y, -1, Hover, ShadowOffset,
                         !MeasureOnly, MeasureOnly, false, false, false, HoverMode, WordWrap,
                         1.0, URLColor, HoverColor, HoverFontColor, ShadowColor, Res.URL, Plain,
                         Focused, Res.Width, Res.Height, Count, Res.Anchor, Res.AnchorRect, Cache,
                         Container, LineSpacing, 0);
  return Res;
}

}  // namespace

bool TCustomExPanel::InCaptionZone(Integer X, Integer Y) const {
  if (!FCaption->Visible()) return false;
  const Integer CH = FCaption->Height();
  switch (FCaption->Position()) {
    case cpLeft: return X < CH;
    case cpRight: return X > Width() - CH;
    default: return Y < CH;
  }
}

String TCustomExPanel::AnchorAt(Integer X, Integer Y, TRect& AnchorRect) {
  TRect R = ClientRect();
  if (BevelInner() != bvNone || BevelOuter() != bvNone) R = Inflated(R, -BevelWidth());
  if (FBorderShadow) {
    R.Right -= 2;
    R.Bottom -= 2;
  }
  R = Inflated(R, -BorderWidth() - 1);
  R.Left += FIndent;
  R.Top += FTopIndent;
  TCanvas* C = MeasureCanvas();
  C->Font()->Assign(Font());
  auto Test = [&](const String& Text, const TRect& In, TPoint P, Integer Shadow) {
    return TestHTML(C, Text, In, FImages, P, -1, Shadow, false, false, !FEllipsis, FURLColor,
                    FHoverColor, FHoverFontColor, FShadowColor, FPictureCache.get(),
                    FPictureContainer, FLineSpacing);
  };
  Integer H = 0;
  const bool Aligned = FTextVAlign == tvaCenter || FTextVAlign == tvaBottom;
  if (Aligned) H = Test(FText, R, {0, 0}, FShadowOffset).Height;
  const Integer CH = FCaption->Height();
  THTMLResult Res;
  if (!InCaptionZone(X, Y)) {
    if (FCaption->Visible()) {
      switch (FCaption->Position()) {
        case cpTop: R.Top += CH; break;
        case cpLeft: R.Left += CH; break;
        case cpRight: R.Right -= CH; break;
      }
    }
    if (Aligned && H < R.Height())
      R.Top = FTextVAlign == tvaCenter ? R.Top + (R.Height() - H) / 2 : R.Bottom - H;
    R.Bottom += 20;
    Res = Test(FText, R, {X, Y}, 2);
    FHoverHyperLink = Res.Anchor;
  } else if (FCaption->Position() == cpTop) {
    // Side captions are drawn as plain rotated text: they have no anchors.
    R.Bottom = R.Top + CH;
    if (Aligned && H < CH) R.Top += FTextVAlign == tvaCenter ? (CH - H) / 2 : CH - H;
    C->Font()->Assign(FCaption->Font());
    R.Left += FCaption->Indent();
    R.Top += FCaption->TopIndent();
    Res = Test(FCaption->Text(), R, {X, Y}, 2);
    FCaptionHoverHyperLink = Res.Anchor;
  }
  AnchorRect = Res.AnchorRect;
  return Res.Hit ? Res.URL : String();
}

void TCustomExPanel::InvalidateHoverRect(const TRect& R) {
  if (!HandleAllocated()) return;
  if (DoubleBuffered()) {
    Invalidate();
  } else if (FHover) {
    RECT Rc{R.Left, R.Top, R.Right, R.Bottom};
    ::InvalidateRect(Handle(), &Rc, TRUE);
  }
}

void TCustomExPanel::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomPanel::MouseDown(Button, Shift, X, Y);
  TRect AR{};
  const String A = AnchorAt(X, Y, AR);
  if (A.empty()) return;
  // Only web and mail links go to the shell; any other address (a page
  // name, a path, a program) is the application's to handle.
  if (!OpenLink(A) && OnAnchorClick) OnAnchorClick(this, A);
}

void TCustomExPanel::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TCustomPanel::MouseMove(Shift, X, Y);
  TRect AR{};
  const String A = AnchorAt(X, Y, AR);
  FInMove = false;
  const Integer CH = FCaption->Height();
  if (FCaption->Visible() && !Designing()) {
    if (ShowHint() && !FCaption->OfficeHint()->IsEmpty() &&
        ((FPrevY > CH && CH > Y) || (FPrevY < CH && CH < Y)) && Application)
      Application->CancelHint();
    HoverButtons(X, Y);
  }
  if (InCaptionZone(X, Y))
    HoverCaption(A, AR);
  else
    HoverBody(A, AR);
  FPrevY = Y;
}

void TCustomExPanel::HoverButtons(Integer X, Integer Y) {
  const TPoint P{X, Y};
  if (FCaption->CloseButtonHoverColor() != clNone) {
    const bool Over = FCaption->CloseButton() && CloseButtonRect().Contains(P);
    if (Over != FHoverCloseBtn) {
      FHoverCloseBtn = Over;
      Invalidate();
    }
  }
  if (FCaption->MinMaxButtonHoverColor() != clNone) {
    const bool Over = FCaption->MinMaxButton() && MinMaxButtonRect(false).Contains(P);
    if (Over != FHoverMinBtn) {
      FHoverMinBtn = Over;
      Invalidate();
    }
  }
}

void TCustomExPanel::HoverBody(const String& A, const TRect& AR) {
  if (FCaptionHoverHyperLink != -1) {
    FCaptionHoverHyperLink = -1;
    if (FHover) InvalidateHoverRect(FCaptionCurrHoverRect);
  }
  if (!A.empty()) {
    if (A != FAnchor || AR != FCurrHoverRect || FHoverHyperLink == -1 ||
        FHoverHyperLink != FOldHoverHyperLink) {
      FCurrHoverRect = Inflated(FCurrHoverRect, 1);
      if (FHover) {
        InvalidateHoverRect(FCurrHoverRect);
        InvalidateHoverRect(AR);
      }
    }
    EnterAnchor(A, AR);
    FCurrHoverRect = AR;
    FOldHoverHyperLink = FHoverHyperLink;
  } else if (Cursor() == crHandPoint) {
    TControl::SetCursor(FOldCursor);
    if (OnAnchorExit) OnAnchorExit(this, A);
    FCurrHoverRect = Inflated(FCurrHoverRect, 1);
    FHoverHyperLink = FOldHoverHyperLink = -1;
    if (FHover) InvalidateHoverRect(FCurrHoverRect);
  }
}

void TCustomExPanel::HoverCaption(const String& A, const TRect& AR) {
  if (FHoverHyperLink != -1) {
    if (FHover) InvalidateHoverRect(FCurrHoverRect);
    FHoverHyperLink = FOldHoverHyperLink = -1;
  }
  if (!A.empty()) {
    if (A != FAnchor || AR != FCaptionCurrHoverRect || FCaptionHoverHyperLink == -1) {
      if (!FAnchor.empty()) InvalidateHoverRect(FCaptionCurrHoverRect);
      if (FHover) InvalidateHoverRect(AR);
    }
    EnterAnchor(A, AR);
    FCaptionCurrHoverRect = AR;
  } else if (Cursor() == crHandPoint) {
    TControl::SetCursor(FOldCursor);
    if (OnAnchorExit) OnAnchorExit(this, A);
    FCaptionHoverHyperLink = -1;
    if (FHover) InvalidateHoverRect(FCaptionCurrHoverRect);
  }
}

void TCustomExPanel::EnterAnchor(const String& A, const TRect& AR) {
  if (Cursor() == FOldCursor || A != FAnchor) {
    if (FAnchorHint && Application) Application->CancelHint();
    TControl::SetCursor(crHandPoint);
    if (OnAnchorEnter) OnAnchorEnter(this, A);
    if (FHover) InvalidateHoverRect(AR);
  }
  FAnchor = A;
}

void TCustomExPanel::CMMouseLeave(TMessage& Message) {
  if (FHoverHyperLink >= 0) {
    FHoverHyperLink = -1;
    FCurrHoverRect = Inflated(FCurrHoverRect, 1);
    if (FHover) InvalidateHoverRect(FCurrHoverRect);
  }
  if (FCaptionHoverHyperLink >= 0) {
    FCaptionHoverHyperLink = -1;
    FCaptionCurrHoverRect = Inflated(FCaptionCurrHoverRect, 1);
    if (FHover) InvalidateHoverRect(FCaptionCurrHoverRect);
  }
  if (OnMouseLeave) OnMouseLeave(this);
  if (FHoverCloseBtn || FHoverMinBtn) {
    FHoverCloseBtn = FHoverMinBtn = false;
    Invalidate();
  }
  TCustomPanel::CMMouseLeave(Message);
}

void TCustomExPanel::CMHintShow(TMessage& Message) {
  auto* Info = reinterpret_cast<THintInfo*>(Message.LParam);
  if (FAnchorHint && Info) {
    TRect AR{};
    String A = AnchorAt(Info->CursorPos.X, Info->CursorPos.Y, AR);
    if (!A.empty()) {
      if (OnAnchorHint) OnAnchorHint(this, A);
      const TPoint P = ClientToScreen(Info->CursorPos);
      Info->HintPos = {P.X + 10, P.Y - 10};
      Info->HintStr = A;
    }
  }
  Message.Result = 0;
}

// ---- measuring and automatic sizing ----

TSize TCustomExPanel::GetHTMLSize() {
  TRect R = ClientRect();
  if (FBorderShadow) R.Right -= 2;
  R.Left += BorderWidth() + 1 + FIndent;
  R.Right -= BorderWidth() + 1;
  TCanvas* C = MeasureCanvas();
  C->Font()->Assign(Font());
  const THTMLResult Res =
      TestHTML(C, FText, R, FImages, {0, 0}, FHoverHyperLink, FShadowOffset, false, FHover, true,
               FURLColor, FHoverColor, FHoverFontColor, FShadowColor, FPictureCache.get(),
               FPictureContainer, FLineSpacing);
  return {Res.Width, Res.Height};
}

void TCustomExPanel::DoAutoSize() {
  if (!FAutoSize->Enabled() || Loading() || FInAutoSize) return;
  // Each new bound resizes the panel, which asks for automatic sizing again.
  struct TGuard {
    bool& Flag;
    ~TGuard() { Flag = false; }
  } Guard{FInAutoSize = true};
  const Integer B2 = 2 * BevelWidth(), BW = BorderWidth();
  const Integer W0 = FAutoSize->Width() ? 0xFFFF : Width() - B2 - (FBorderShadow ? 2 : 0);
  const Integer H0 = FAutoSize->Height() ? 0xFFFF : Height() - B2;
  TCanvas* C = MeasureCanvas();
  C->Font()->Assign(Font());
  const THTMLResult Res =
      TestHTML(C, FText, {0, 0, W0, H0}, FImages, {0, 0}, FHoverHyperLink, FShadowOffset, true,
               FHover, !FEllipsis, FURLColor, FHoverColor, FHoverFontColor, FShadowColor,
               FPictureCache.get(), FPictureContainer, FLineSpacing);
  const Integer Frame = 2 * BW + (FBorderShadow ? 2 : 0);
  const Integer TW = Res.Width + Frame, TH = Res.Height + Frame;
  const Integer C_ = FCaption->Height();
  const Integer S = FStatusBar->Visible() ? FStatusBar->Height() : 0;
  const bool Top = FCaption->Position() == cpTop, Shown = FCaption->Visible();
  if (FAutoSize->Width()) {
    if (Top)
      SetWidth(B2 + TW + FIndent);
    else
      SetWidth((Shown ? C_ : 0) + TW + S + B2 + FIndent);
  }
  if (FAutoSize->Height()) {
    if (!Top)
      SetHeight(B2 + TH + FTopIndent);
    else if (Shown && FStatusBar->Visible())
      SetHeight(C_ + TH + S + B2 + FTopIndent + 2 * BW);
    else if (Shown)
      SetHeight(C_ + TH + B2 + FTopIndent);
    else
      SetHeight(S + TH + B2 + FTopIndent);
  }
  Synchronize();
}

}  // namespace jorv::panel
