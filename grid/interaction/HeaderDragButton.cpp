#include "grid/interaction/HeaderDragButton.h"

#include "foundation/HTMLRenderer.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

THeaderDragButton::THeaderDragButton(TComponent* AOwner)
    : TCustomControl(AOwner), FGrid(dynamic_cast<TRezIvevirAvod*>(AOwner)) {
  FVisible = false;
  SetColor(clBtnFace);
}

void THeaderDragButton::CreateParams(TCreateParams& P) {
  TCustomControl::CreateParams(P);
  P.Style = WS_POPUP | WS_BORDER;
  P.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
  P.WindowClass.style |= CS_SAVEBITS;
  P.WndParent = nullptr;
}

void THeaderDragButton::WndProc(TMessage& M) {
  if (M.Msg == WM_MOUSEACTIVATE) {
    M.Result = MA_NOACTIVATE;
    return;
  }
  TCustomControl::WndProc(M);
}

void THeaderDragButton::Paint() {
  TCanvas* C = Canvas();
  const TRect R = ClientRect();
  if (FGrid) {
    FGrid->PaintCellExt(C, 0, 0, R, TGridDrawState{gdFixed});
    C->Font()->Assign(FGrid->FixedFont());
  } else {
    C->Brush()->SetColor(Color());
    C->FillRect(R);
    C->Font()->Assign(Font());
  }
  C->Brush()->SetStyle(bsClear);
  const String Text = Caption();
  if (Pos(L"</", Text) == 0) {
    TRect Box = R;
    String Shown = Text;
    C->TextRect(Box, Shown, TTextFormat{tfCenter, tfVerticalCenter, tfSingleLine, tfEndEllipsis, tfNoPrefix});
    return;
  }
  String Url, Plain, Focused, Title, CtlID, CtlType, CtlValue;
  Integer Wd = 0, Ht = 0, Anchors = 0, AnchorAt = 0;
  TRect AnchorRect, CtlRect;
  const TColor Link = FGrid ? FGrid->URLColor() : clBlue;
  foundation::DrawHTMLText(C, Text, R, FGrid ? FGrid->GridImages() : nullptr, -1, -1, -1, -1, 0, false, false, false,
                           false, false, false, false, false, L"", 1.0, Link, clNone, clNone, clGray, Url, Plain,
                           Focused, Title, Wd, Ht, Anchors, AnchorAt, AnchorRect, CtlRect, CtlID, CtlType, CtlValue,
                           FGrid ? FGrid->PictureCache() : nullptr, nullptr, Handle(), 0);
}

}  // namespace jorv::grid
