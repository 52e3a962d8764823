#include "platform/ui/Label.h"
#include <cwctype>
#include "platform/gfx/DCScope.h"

namespace jorv {

bool IsAccel(Word Key, const String& Text) {
  for (size_t i = 0; i + 1 < Text.size(); ++i) {
    if (Text[i] != L'&') continue;
    ++i;  // "&&" is a plain ampersand; skip both
    if (Text[i] == L'&') continue;
    return std::towupper(Text[i]) == std::towupper(static_cast<wchar_t>(Key));
  }
  return false;
}

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle += csOpaque;
  FControlStyle += csReplicatable;
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  if (Value)
    FControlStyle -= csOpaque;
  else
    FControlStyle += csOpaque;
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  if (FFocusControl == Value) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (FShowAccelChar == Value) return;
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetEllipsisPosition(TEllipsisPosition Value) {
  if (FEllipsisPosition == Value) return;
  FEllipsisPosition = Value;
  Invalidate();
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

String TCustomLabel::GetLabelText() { return Caption(); }

UINT TCustomLabel::TextFlags() {
  UINT F = DT_EXPANDTABS;
  if (FWordWrap) F |= DT_WORDBREAK;
  switch (FAlignment) {
    case taLeftJustify: F |= DT_LEFT; break;
    case taRightJustify: F |= DT_RIGHT; break;
    case taCenter: F |= DT_CENTER; break;
  }
  return F;
}

void TCustomLabel::DoDrawText(TCanvas* C, TRect& Rect, UINT Flags) {
  String Text = GetLabelText();
  // An empty or lone-accelerator text still gets a line's height.
  if ((Flags & DT_CALCRECT) && (Text.empty() || (FShowAccelChar && Text == L"&")))
    Text += L" ";
  if (!FShowAccelChar) Flags |= DT_NOPREFIX;
  if (!(Flags & DT_CALCRECT)) {
    switch (FEllipsisPosition) {
      case epNone: break;
      case epPathEllipsis: Flags |= DT_PATH_ELLIPSIS; break;
      case epEndEllipsis: Flags |= DT_END_ELLIPSIS; break;
      case epWordEllipsis: Flags |= DT_WORD_ELLIPSIS; break;
    }
  }
  C->SetFont(Font());
  C->Brush()->SetStyle(bsClear);
  HDC DC = C->Handle();
  // Selects the font and sets the text colour.
  C->TextExtent(L"");
  SetBkMode(DC, TRANSPARENT);
  RECT R{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  if (!FEnabled && !(Flags & DT_CALCRECT)) {
    // Engraved: a light copy one pixel down-right under a shadow copy.
    OffsetRect(&R, 1, 1);
    ::SetTextColor(DC, ColorToRGB(clBtnHighlight));
    DrawTextW(DC, Text.c_str(), int(Text.size()), &R, Flags);
    OffsetRect(&R, -1, -1);
    ::SetTextColor(DC, ColorToRGB(clBtnShadow));
    DrawTextW(DC, Text.c_str(), int(Text.size()), &R, Flags);
  } else {
    DrawTextW(DC, Text.c_str(), int(Text.size()), &R, Flags);
  }
  // The canvas's idea of the text colour is stale after the engraving.
  C->Refresh();
  Rect = TRect(R.left, R.top, R.right, R.bottom);
}

void TCustomLabel::Paint() {
  TCanvas* C = Canvas();
  TRect Client = ClientRect();
  if (!Transparent()) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColor);
    C->FillRect(Client);
  }
  TRect R = Client;
  const UINT Flags = TextFlags();
  if (FLayout != tlTop) {
    TRect Calc = Client;
    DoDrawText(C, Calc, Flags | DT_CALCRECT);
    const Integer Free = Client.Height() - Calc.Height();
    R.Top += FLayout == tlBottom ? Free : Free / 2;
    R.Bottom = R.Top + Calc.Height();
  }
  DoDrawText(C, R, Flags);
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || FComponentState.Contains(csLoading) || FComponentState.Contains(csReading)) return;
  TRect R = ClientRect();
  {
    TWindowDC Screen(nullptr);
    TCanvas Measure;
    TCanvasDC Lent(&Measure, Screen);
    DoDrawText(&Measure, R, (TextFlags() & ~UINT(DT_RIGHT | DT_CENTER)) | DT_CALCRECT);
  }
  Integer X = FLeft, W = R.Right, H = R.Bottom;
  // A label stretched along an edge by its alignment keeps that extent.
  switch (FAlign) {
    case alTop:
    case alBottom: W = FWidth; break;
    case alLeft:
    case alRight: H = FHeight; break;
    case alClient: return;
    default: break;
  }
  // A right-justified label grows to the left, keeping its right edge.
  if (FAlignment == taRightJustify && FAlign == alNone) X += FWidth - W;
  SetBounds(X, FTop, W, H);
}

void TCustomLabel::CMTextChanged(TMessage& M) {
  Invalidate();
  AdjustBounds();
  (void)M;
}

void TCustomLabel::CMFontChanged(TMessage& M) {
  TGraphicControl::CMFontChanged(M);
  AdjustBounds();
}

void TCustomLabel::CMDialogChar(TWMKey& M) {
  if (FFocusControl && FEnabled && FShowAccelChar && IsAccel(M.CharCode, GetLabelText()) &&
      FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    M.Result = 1;
  }
}

void TCustomLabel::Dispatch(TMessage& M) {
  if (M.Msg == CM_DIALOGCHAR) {
    CMDialogChar(MsgAs<TWMKey>(M));
    return;
  }
  TGraphicControl::Dispatch(M);
}

}  // namespace jorv
