#include "platform/ui/Panel.h"
#include <uxtheme.h>
#include <algorithm>
#include "platform/ui/Frame3D.h"

namespace jorv {

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                csOpaque,          csDoubleClicks, csReplicatable};
  FBevelInner = bvNone;
  FBevelOuter = bvRaised;
  FBevelWidth = 1;
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
  SetParentBackground(true);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetVerticalAlignment(TVerticalAlignment Value) {
  if (FVerticalAlignment == Value) return;
  FVerticalAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  if (FBevelInner == Value) return;
  FBevelInner = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  if (FBevelOuter == Value) return;
  FBevelOuter = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(TBevelWidth Value) {
  if (Value < 1) Value = 1;
  if (FBevelWidth == Value) return;
  FBevelWidth = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

Integer TCustomPanel::FrameSize() const {
  Integer N = FBorderWidth;
  if (FBevelOuter != bvNone) N += FBevelWidth;
  if (FBevelInner != bvNone) N += FBevelWidth;
  return N;
}

void TCustomPanel::CreateParams(TCreateParams& P) {
  TCustomControl::CreateParams(P);
  if (FBorderStyle == bsSingle) {
    if (FCtl3D)
      P.ExStyle |= WS_EX_CLIENTEDGE;
    else
      P.Style |= WS_BORDER;
  }
  // Resizes repaint what they must themselves (see FullRepaint).
  P.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomPanel::AdjustClientRect(TRect& R) {
  TCustomControl::AdjustClientRect(R);
  Integer B = 0;
  if (FBevelOuter != bvNone) B += FBevelWidth;
  if (FBevelInner != bvNone) B += FBevelWidth;
  R.Left += B;
  R.Top += B;
  R.Right -= B;
  R.Bottom -= B;
}

void TCustomPanel::BevelColors(TBevelCut Cut, TColor& TopColor, TColor& BottomColor) {
  TopColor = clBtnHighlight;
  BottomColor = clBtnShadow;
  if (Cut == bvLowered) std::swap(TopColor, BottomColor);
}

bool TCustomPanel::UsesParentBackground() {
  return FParentBackground && FParent && HandleAllocated() && IsAppThemed() && IsThemeActive();
}

void TCustomPanel::Paint() {
  TCanvas* C = Canvas();
  TRect R = ClientRect();
  // Under visual styles the parent's background shows through instead of
  // Color; it goes down first so the bevels stay on top of it.
  const bool Themed = UsesParentBackground();
  if (Themed) {
    RECT Whole{R.Left, R.Top, R.Right, R.Bottom};
    C->Refresh();
    DrawThemeParentBackground(Handle(), C->Handle(), &Whole);
  }
  TColor Top, Bottom;
  if (FBevelOuter != bvNone) {
    BevelColors(FBevelOuter, Top, Bottom);
    Frame3D(C, R, Top, Bottom, FBevelWidth);
  }
  if (Themed) {
    R.Left += FBorderWidth;
    R.Top += FBorderWidth;
    R.Right -= FBorderWidth;
    R.Bottom -= FBorderWidth;
  } else {
    Frame3D(C, R, FColor, FColor, FBorderWidth);
  }
  if (FBevelInner != bvNone) {
    BevelColors(FBevelInner, Top, Bottom);
    Frame3D(C, R, Top, Bottom, FBevelWidth);
  }
  if (!Themed) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColor);
    C->FillRect(R);
  }
  String Text = Caption();
  if (Text.empty()) return;
  C->Brush()->SetStyle(bsClear);
  C->SetFont(Font());
  TTextFormat F{tfExpandTabs, tfSingleLine};
  switch (FAlignment) {
    case taLeftJustify: F.Include(tfLeft); break;
    case taRightJustify: F.Include(tfRight); break;
    case taCenter: F.Include(tfCenter); break;
  }
  switch (FVerticalAlignment) {
    case taAlignTop: F.Include(tfTop); break;
    case taAlignBottom: F.Include(tfBottom); break;
    case taVerticalCenter: F.Include(tfVerticalCenter); break;
  }
  C->TextRect(R, Text, F);
  C->Brush()->SetStyle(bsSolid);
}

void TCustomPanel::CreateWnd() {
  TCustomControl::CreateWnd();
  RECT W;
  GetWindowRect(FHandle, &W);
  FWindowSize = TSize(W.right - W.left, W.bottom - W.top);
}

void TCustomPanel::WMWindowPosChanged(TWMWindowPosMsg& M) {
  const WINDOWPOS* P = M.WindowPos;
  const TSize Old = FWindowSize;
  if (P && !(P->flags & SWP_NOSIZE)) FWindowSize = TSize(P->cx, P->cy);
  TCustomControl::WMWindowPosChanged(M);
  if (Old == FWindowSize) return;
  if (FFullRepaint || !Caption().empty()) {
    Invalidate();
    return;
  }
  // Only the frame along the right and bottom edges moved; the inside is
  // all one colour, and what a growth uncovers the system invalidates.
  const Integer Strip = FrameSize();
  if (Strip == 0) return;
  // Window and client sizes differ by the window border, inside which the
  // strips lie.
  TRect CR = ClientRect();
  const Integer DW = FWindowSize.cx - CR.Width(), DH = FWindowSize.cy - CR.Height();
  const Integer W = std::max(Old.cx, FWindowSize.cx) - DW;
  const Integer H = std::max(Old.cy, FWindowSize.cy) - DH;
  if (Old.cx != FWindowSize.cx) {
    RECT S{std::min(Old.cx, FWindowSize.cx) - DW - Strip, 0, W, H};
    InvalidateRect(FHandle, &S, FALSE);
  }
  if (Old.cy != FWindowSize.cy) {
    RECT S{0, std::min(Old.cy, FWindowSize.cy) - DH - Strip, W, H};
    InvalidateRect(FHandle, &S, FALSE);
  }
}

}  // namespace jorv
