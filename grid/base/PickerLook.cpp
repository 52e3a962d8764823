#include "grid/base/PickerLook.h"

#include "grid/base/GridSystem.h"
#include "platform/gfx/DCScope.h"

namespace jorv::grid {

namespace {

const TColor ThemedFrame = TColor(0xB99D7F);

void FrameIn(HDC DC, const TRect& R, TColor Color) {
  TGdiObject<HBRUSH> Brush(CreateSolidBrush(ColorToRGB(Color)));
  RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
  FrameRect(DC, &Rect, Brush.Handle());
}

TColor OuterFrameColor(TDateTimePicker& Picker, const TPickerLook& Look) {
  if (Look.BorderStyle == bsNone && Picker.Parent()) return Picker.Parent()->Color();
  if (Look.IsThemed) return ThemedFrame;
  return Look.BorderColor;
}

void Lines(HDC DC, TColor Color, std::initializer_list<POINT> Points) {
  TGdiObject<HPEN> Pen(CreatePen(PS_SOLID, 1, ColorToRGB(Color)));
  TSelectObject Select(DC, Pen.Handle());
  Polyline(DC, Points.begin(), static_cast<int>(Points.size()));
}

bool MouseHeld() { return (GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON)) < 0; }

// The flat three-dimensional frame of a control without border colours.
void DrawFlat3D(HDC DC, TDateTimePicker& Picker, const TPickerLook& Look, TRect R) {
  const bool Designing = Picker.ComponentState().Contains(csDesigning);
  const bool Raised = Look.FocusBorder && !Designing && (Look.MouseInControl || Look.HasFocus);
  const TColor A = Raised ? TColor(clBtnFace) : (Picker.Parent() ? Picker.Parent()->Color() : TColor(clBtnFace));
  const TColor B = Picker.Color();
  RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
  if (Raised) {
    DrawEdge(DC, &Rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    R = TRect(Rect.left, Rect.top, Rect.right, Rect.bottom);
    FrameIn(DC, R, A);
    FrameIn(DC, TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1), B);
    return;
  }
  FrameIn(DC, R, A);
  R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  FrameIn(DC, TRect(R.Left, R.Top, R.Right - Look.ButtonWidth, R.Bottom), A);
  FrameIn(DC, TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1), B);
}

}  // namespace

void InitPickerLook(TPickerLook& Look) {
  Look.ButtonWidth = GetSystemMetrics(SM_CXVSCROLL) + 2;
  Look.IsWinXP = IsWinXPOrLater();
  Look.IsThemed = IsComCtl6OrLater();
}

void DrawPickerButton(TDateTimePicker& Picker, const TPickerLook& Look, HDC DC, Integer StyledInset) {
  const Integer CW = Picker.ClientWidth(), CH = Picker.ClientHeight(), BW = Look.ButtonWidth;
  if (IsComCtl6OrLater()) {
    RECT Wipe = VisualStylesActive() ? RECT{CW - BW - StyledInset, 1, CW, Picker.Height()}
                                     : RECT{CW - BW - 2, 4, CW - 2, Picker.Height() - 4};
    FillRect(DC, &Wipe, Picker.Brush()->Handle());
  }
  const TRect R(CW - BW + 2 + 1, 1, Picker.Width() - 1, Picker.Height() - 1);
  const bool Held = MouseHeld();
  TCanvas Canvas;
  TCanvasDC Bound(&Canvas, DC);
  if (Look.ButtonColor != clNone) {
    TColor Fill = Look.ButtonColor;
    if (Look.ButtonHover) Fill = Look.ButtonColorHot;
    if (Held && Look.ButtonHover) Fill = Look.ButtonColorDown;
    Canvas.Brush()->SetColor(Fill);
    Canvas.FillRect(TRect(R.Left + 2, R.Top, R.Right, R.Bottom));
    Canvas.Pen()->SetColor(Look.ButtonBorderColor);
    Canvas.MoveTo(R.Left, R.Top);
    Canvas.LineTo(R.Left, R.Bottom);
    const TColor Arrow = Held ? Look.ButtonTextColorDown : Look.ButtonTextColor;
    Canvas.Brush()->SetColor(Arrow);
    Canvas.Pen()->SetColor(Arrow);
    Canvas.Polygon({{R.Left + 5, R.Top + 7}, {R.Left + 11, R.Top + 7}, {R.Left + 8, R.Top + 10}});
  } else if (Look.IsThemed && VisualStylesActive()) {
    const bool Dropped = Picker.DroppedDown();
    int State = 2;
    if (!Picker.Enabled())
      State = 4;
    else if (Held && Dropped)
      State = 3;
    else if (Held || !Look.ButtonHover || Dropped)
      State = 1;
    DrawThemedPart(&Canvas, Picker.Handle(), L"combobox", 1, State, R);
  } else {
    RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
    DrawFrameControl(DC, &Rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Picker.Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
  }
  ExcludeClipRect(DC, CW - BW - 4, 0, CW + 2, CH);
}

void DrawPickerBorders(TDateTimePicker& Picker, const TPickerLook& Look) {
  if (!Picker.HandleAllocated()) return;
  if (Picker.Enabled() && Look.BorderColor == clNone && Look.FocusBorderColor == clNone) return;
  TWindowDC DC(Picker.Handle(), true);
  TSavedDC Saved(DC.Handle());
  const TRect R(0, 0, Picker.Width(), Picker.Height());
  if (!Picker.Enabled() && Look.IsThemed && !Look.DisabledBorder)
    FrameIn(DC.Handle(), R, ThemedFrame);
  else if (Look.BorderColor != clNone && !(Look.HasFocus && Look.FocusBorderColor != clNone))
    FrameIn(DC.Handle(), R, Look.BorderColor);
  else if (Look.FocusBorderColor != clNone) {
    if (Look.HasFocus) FrameIn(DC.Handle(), R, Look.FocusBorderColor);
  } else
    DrawFlat3D(DC.Handle(), Picker, Look, R);
  if (Look.IsWinXP && Look.IsThemed && VisualStylesActive()) return;
  // The button's own edge, raised while the control is active.
  const Integer CW = Picker.ClientWidth(), CH = Picker.ClientHeight(), BW = Look.ButtonWidth;
  ExcludeClipRect(DC.Handle(), CW - BW + 4, 4, CW - 4, CH - 4);
  RECT Button{CW - BW, 2, Picker.Width() - 2, Picker.Height() - 2};
  const bool Active = Picker.ComponentState().Contains(csDesigning) ? Picker.Enabled()
                                                                   : (Look.MouseInControl || Look.HasFocus);
  if (Active) {
    DrawEdge(DC.Handle(), &Button, EDGE_RAISED, BF_RECT | (Picker.DroppedDown() ? BF_FLAT : 0));
  } else {
    RECT Fill{Button.left, Button.top + 1, Button.right - 1, Button.bottom - 1};
    FillRect(DC.Handle(), &Fill, GetSysColorBrush(COLOR_BTNFACE));
  }
  ExcludeClipRect(DC.Handle(), Button.left, Button.top, Button.right, Button.bottom);
}

void DrawPickerFlatFrame(TDateTimePicker& Picker, const TPickerLook& Look) {
  TWindowDC DC(Picker.Handle(), true);
  const Integer W = Picker.Width(), H = Picker.Height();
  const TColor Outer = OuterFrameColor(Picker, Look);
  Lines(DC.Handle(), Outer, {{0, H}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
  if (!Picker.Parent()) return;
  const TColor Inner = Look.BorderStyle == bsSingle ? Picker.Parent()->Color() : Outer;
  Lines(DC.Handle(), Inner, {{1, H - 2}, {1, 1}, {W - 1, 1}});
}

void DrawPickerPaintFrame(TDateTimePicker& Picker, const TPickerLook& Look) {
  TWindowDC DC(Picker.Handle(), true);
  const Integer W = Picker.Width(), H = Picker.Height();
  const TColor Outer = OuterFrameColor(Picker, Look);
  Lines(DC.Handle(), Outer, {{0, H}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
  if (!VisualStylesActive()) Lines(DC.Handle(), Outer, {{1, H}, {1, 1}, {W - 2, 1}, {W - 2, H - 2}, {0, H - 2}});
}

bool TrackPickerButtonHover(TPickerLook& Look, Integer Width, Integer X) {
  const bool Over = X > Width - Look.ButtonWidth && X < Width;
  if (Over == Look.ButtonHover) return false;
  Look.ButtonHover = Over;
  return true;
}

}  // namespace jorv::grid
