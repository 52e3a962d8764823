#include "edit/EditLabel.h"

namespace jorv::edit {

TPoint EditLabelPlace(TLabelPosition Position, const TRect& Control, TSize Label, Integer CaptionWidth,
                      Integer Margin, Integer Border) {
  const Integer L = Control.Left, T = Control.Top, W = Control.Width(), H = Control.Height();
  const Integer LW = Label.cx, LH = Label.cy, M = Margin, w = CaptionWidth;
  const Integer vc = H > LH ? T + (H - Border - LH) / 2 : T - (LH - H + Border) / 2;
  const Integer hc = W > LW ? L + (W - LW) / 2 : L - (LW - W) / 2;
  switch (Position) {
    case lpLeftTop: return {L - w - M, T};
    case lpLeftCenter: return {L - w - M, vc};
    case lpLeftBottom: return {L - w - M, T + H - LH};
    case lpTopLeft: return {L, T - LH - M};
    case lpBottomLeft: return {L, T + H + M};
    case lpLeftTopLeft: return {L - M, T};
    case lpLeftCenterLeft: return {L - M, vc};
    case lpLeftBottomLeft: return {L - M, T + H - LH};
    case lpTopCenter: return {hc, T - LH - M};
    case lpBottomCenter: return {hc, T + H + M};
    case lpRightTop: return {L + W + M, T};
    case lpRightCenter: return {L + W + M, vc};
    case lpRighBottom: return {L + W + M, T + H - LH};
    case lpTopRight: return {L + W - LW, T - LH - M};
    case lpBottomRight: return {L + W - LW, T + H + M};
  }
  return {L, T};
}

void EditLabelRoom(TLabelPosition Position, TAlign Align, TSize Label, Integer Margin, Integer& Left,
                   Integer& Top, Integer& Width) {
  switch (Position) {
    case lpLeftTop: case lpLeftCenter: case lpLeftBottom:
      if (Align == alTop || Align == alBottom || Align == alClient) {
        Left += Label.cx + Margin;
        Width -= Label.cx + Margin;
      }
      break;
    case lpTopLeft: case lpTopCenter: case lpTopRight:
      if (Align == alTop || Align == alLeft || Align == alRight || Align == alClient) Top += Label.cy;
      break;
    case lpRightTop: case lpRightCenter: case lpRighBottom:
      if (Align == alTop || Align == alBottom || Align == alClient) Width -= Label.cx + Margin;
      break;
    default: break;
  }
}

Integer EditLabelCaptionWidth(const String& Caption, TFont* Font) {
  RECT R{0, 0, 1000, 255};
  HDC DC = GetDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, Font->Handle());
  DrawTextW(DC, Caption.c_str(), static_cast<int>(Caption.size()), &R, DT_CALCRECT | DT_HIDEPREFIX);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  return R.right - R.left;
}

void TEditLabel::CMEnabledChanged(TMessage& M) {
  TLabel::CMEnabledChanged(M);
  if (FAlwaysEnable && !Enabled()) SetEnabled(true);
}

}  // namespace jorv::edit
