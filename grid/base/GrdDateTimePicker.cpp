#include "grid/base/GrdDateTimePicker.h"

#include "grid/base/GridSystem.h"
#include "platform/gfx/DCScope.h"

namespace jorv::grid {

namespace {

const TColor DisabledFrame = TColor(0xB99D7F);

void FrameIn(HDC DC, const TRect& R, TColor Color) {
  TGdiObject<HBRUSH> Brush(CreateSolidBrush(ColorToRGB(Color)));
  RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
  FrameRect(DC, &Rect, Brush.Handle());
}

}  // namespace

TGrdDateTimePicker::TGrdDateTimePicker(TComponent* AOwner) : TDateTimePicker(AOwner) {
  FLook.ButtonWidth = GetSystemMetrics(SM_CXVSCROLL) + 2;
  FLook.IsWinXP = IsWinXPOrLater();
  FLook.IsThemed = IsComCtl6OrLater();
  SetDoubleBuffered(true);
  SetParentCtl3D(false);
  SetBorderStyle(bsSingle);
  SetCtl3D(true);
  FLook.BorderStyle = bsNone;
}

String TGrdDateTimePicker::Version() const { return L"1.0.0.0"; }

void TGrdDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  if (Value == FLook.BorderStyle) return;
  FLook.BorderStyle = Value;
  Invalidate();
}

void TGrdDateTimePicker::SetBorderColor(TColor Value) {
  if (Value == FLook.BorderColor) return;
  FLook.BorderColor = Value;
  Invalidate();
}

void TGrdDateTimePicker::SetMetroStyle(bool Value) {
  if (Value == FLook.MetroStyle) return;
  FLook.MetroStyle = Value;
  Invalidate();
}

bool TGrdDateTimePicker::MetroActive() const {
  return FLook.MetroStyle && !ComponentState().Contains(csDesigning);
}

void TGrdDateTimePicker::DrawButton(HDC DC) {
  const Integer CW = ClientWidth(), CH = ClientHeight(), BW = FLook.ButtonWidth;
  const TRect R(CW - BW + 2 + 1, 1, Width() - 1, Height() - 1);
  const bool Held = (GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON)) < 0;
  TCanvas Canvas;
  TCanvasDC Bound(&Canvas, DC);
  if (FLook.ButtonColor != clNone) {
    TColor Fill = FLook.ButtonColor;
    if (FLook.ButtonHover) Fill = FLook.ButtonColorHot;
    if (Held && FLook.ButtonHover) Fill = FLook.ButtonColorDown;
    Canvas.Brush()->SetColor(Fill);
    Canvas.FillRect(TRect(R.Left + 2, R.Top, R.Right, R.Bottom));
    Canvas.Pen()->SetColor(FLook.ButtonBorderColor);
    Canvas.MoveTo(R.Left, R.Top);
    Canvas.LineTo(R.Left, R.Bottom);
    const TColor Arrow = Held ? FLook.ButtonTextColorDown : FLook.ButtonTextColor;
    Canvas.Brush()->SetColor(Arrow);
    Canvas.Pen()->SetColor(Arrow);
    Canvas.Polygon({{R.Left + 5, R.Top + 7}, {R.Left + 11, R.Top + 7}, {R.Left + 8, R.Top + 10}});
  } else if (FLook.IsThemed && VisualStylesActive()) {
    const bool Dropped = DroppedDown();
    int State = 2;
    if (!Enabled())
      State = 4;
    else if (Held && Dropped)
      State = 3;
    else if (Held || !FLook.ButtonHover || Dropped)
      State = 1;
    DrawThemedPart(&Canvas, Handle(), L"combobox", 1, State, R);
  } else {
    RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
    DrawFrameControl(DC, &Rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
  }
  ExcludeClipRect(DC, CW - BW - 4, 0, CW + 2, CH);
}

void TGrdDateTimePicker::WMPaint(TWMPaint& Message) {
  TDateTimePicker::WMPaint(Message);
  if ((Ctl3D() && !MetroActive()) || !IsVistaOrLater() || !HandleAllocated()) return;
  if (MetroActive() && Kind() != dtkTime) {
    TWindowDC DC(Handle());
    TSavedDC Saved(DC.Handle());
    if (IsComCtl6OrLater()) {
      const Integer Right = ClientWidth(), BW = FLook.ButtonWidth;
      RECT Wipe = VisualStylesActive() ? RECT{Right - BW - 15, 1, Right, Height()}
                                       : RECT{Right - BW - 2, 4, Right - 2, Height() - 4};
      FillRect(DC.Handle(), &Wipe, Brush()->Handle());
    }
    DrawButton(DC.Handle());
  }
  DrawBorders();
}

void TGrdDateTimePicker::DrawBorders() {
  if (!MetroActive() || !HandleAllocated()) return;
  if (Enabled() && FLook.BorderColor == clNone && FLook.FocusBorderColor == clNone) return;
  TWindowDC DC(Handle(), true);
  TSavedDC Saved(DC.Handle());
  const TRect R(0, 0, Width(), Height());
  if (!Enabled() && FLook.IsThemed && !FLook.DisabledBorder)
    FrameIn(DC.Handle(), R, DisabledFrame);
  else if (FLook.BorderColor != clNone && !(FLook.HasFocus && FLook.FocusBorderColor != clNone))
    FrameIn(DC.Handle(), R, FLook.BorderColor);
  else if (FLook.FocusBorderColor != clNone && FLook.HasFocus)
    FrameIn(DC.Handle(), R, FLook.FocusBorderColor);
  if (FLook.IsWinXP && FLook.IsThemed && VisualStylesActive()) return;
  // The button's own edge, raised while the control is active.
  const Integer CW = ClientWidth(), CH = ClientHeight(), BW = FLook.ButtonWidth;
  ExcludeClipRect(DC.Handle(), CW - BW + 4, 4, CW - 4, CH - 4);
  RECT Button{CW - BW, 2, Width() - 2, Height() - 2};
  if (FLook.MouseInControl || FLook.HasFocus) {
    DrawEdge(DC.Handle(), &Button, EDGE_RAISED, BF_RECT | (DroppedDown() ? BF_FLAT : 0));
  } else {
    RECT Fill{Button.left, Button.top + 1, Button.right - 1, Button.bottom - 1};
    FillRect(DC.Handle(), &Fill, GetSysColorBrush(COLOR_BTNFACE));
  }
}

void TGrdDateTimePicker::PaintFlatFrame() {
  TWindowDC DC(Handle(), true);
  const bool HasParent = Parent() != nullptr;
  TColor PenColor = FLook.BorderColor;
  if (FLook.BorderStyle == bsNone && HasParent)
    PenColor = Parent()->Color();
  else if (FLook.IsThemed)
    PenColor = DisabledFrame;
  TGdiObject<HPEN> Pen(CreatePen(PS_SOLID, 1, ColorToRGB(PenColor)));
  TSelectObject Select(DC.Handle(), Pen.Handle());
  const Integer W = Width(), H = Height();
  const POINT Outer[] = {{0, H}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}};
  Polyline(DC.Handle(), Outer, 5);
  if (!HasParent) return;
  TGdiObject<HPEN> ParentPen(CreatePen(PS_SOLID, 1, ColorToRGB(Parent()->Color())));
  TSelectObject SelectParent(DC.Handle(), FLook.BorderStyle == bsSingle ? ParentPen.Handle() : Pen.Handle());
  const POINT Inner[] = {{1, H - 2}, {1, 1}, {W - 1, 1}};
  Polyline(DC.Handle(), Inner, 3);
}

void TGrdDateTimePicker::Dispatch(TMessage& Message) {
  TDateTimePicker::Dispatch(Message);
  if (Message.Msg != WM_NCPAINT || !HandleAllocated()) return;
  if (!Ctl3D() && FLook.BorderColor != clNone) PaintFlatFrame();
  if (!Enabled() && FLook.IsThemed && VisualStylesActive() && !FLook.DisabledBorder) DrawBorders();
  if ((FLook.FocusBorderColor != clNone && FLook.HasFocus) || FLook.BorderColor != clNone) DrawBorders();
}

void TGrdDateTimePicker::CMEnter(TMessage& Message) {
  TDateTimePicker::CMEnter(Message);
  if (ComponentState().Contains(csDesigning)) return;
  FLook.HasFocus = true;
  DrawBorders();
}

void TGrdDateTimePicker::CMExit(TMessage& Message) {
  TDateTimePicker::CMExit(Message);
  if (ComponentState().Contains(csDesigning)) return;
  FLook.HasFocus = false;
  DrawBorders();
}

void TGrdDateTimePicker::CMMouseEnter(TMessage& Message) {
  TDateTimePicker::CMMouseEnter(Message);
  if (ComponentState().Contains(csDesigning)) return;
  if (!FLook.MouseInControl && Enabled()) {
    FLook.MouseInControl = true;
    DrawBorders();
  }
  FLook.MouseInControl = true;
  if (FLook.IsWinXP) Invalidate();
}

void TGrdDateTimePicker::CMMouseLeave(TMessage& Message) {
  TDateTimePicker::CMMouseLeave(Message);
  if (ComponentState().Contains(csDesigning)) return;
  if (FLook.MouseInControl && Enabled()) {
    FLook.MouseInControl = false;
    DrawBorders();
  }
  FLook.MouseInControl = false;
  FLook.ButtonHover = false;
  if (FLook.IsWinXP) Invalidate();
}

void TGrdDateTimePicker::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TDateTimePicker::MouseMove(Shift, X, Y);
  const bool Over = X > Width() - FLook.ButtonWidth && X < Width();
  if (Over != FLook.ButtonHover) {
    FLook.ButtonHover = Over;
    Invalidate();
  }
}

String TRezIvevirAvodCheck::MarkError(Integer, Integer, const String& s) { return s; }

String TRezIvevirAvodCheck::Correct(Integer, Integer, const String& s) { return s; }

}  // namespace jorv::grid
