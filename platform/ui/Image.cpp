#include "platform/ui/Image.h"
#include "platform/gfx/Icon.h"

namespace jorv {

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
  FControlStyle += csReplicatable;
  SetBounds(0, 0, 105, 105);
  FPicture->OnChange = [this](TObject* S) { PictureChanged(S); };
}

TImage::~TImage() = default;

void TImage::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  PictureChanged(this);
}

void TImage::SetCenter(bool Value) {
  if (FCenter == Value) return;
  FCenter = Value;
  PictureChanged(this);
}

void TImage::SetStretch(bool Value) {
  if (FStretch == Value) return;
  FStretch = Value;
  PictureChanged(this);
}

void TImage::SetProportional(bool Value) {
  if (FProportional == Value) return;
  FProportional = Value;
  PictureChanged(this);
}

void TImage::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  PictureChanged(this);
}

TRect TImage::DestRect() {
  Integer W = FPicture->Width(), H = FPicture->Height();
  const Integer CW = ClientWidth(), CH = ClientHeight();
  if (FStretch || (FProportional && (W > CW || H > CH))) {
    if (FProportional && W > 0 && H > 0) {
      const double Aspect = double(W) / H;
      if (W > H) {
        W = CW;
        H = Integer(CW / Aspect);
        if (H > CH) {
          H = CH;
          W = Integer(CH * Aspect);
        }
      } else {
        H = CH;
        W = Integer(CH * Aspect);
        if (W > CW) {
          W = CW;
          H = Integer(CW / Aspect);
        }
      }
    } else {
      W = CW;
      H = CH;
    }
  }
  TRect R(0, 0, W, H);
  if (FCenter) {
    const Integer DX = (CW - W) / 2, DY = (CH - H) / 2;
    R = TRect(R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY);
  }
  return R;
}

void TImage::Paint() {
  TGraphic* G = FPicture->Graphic();
  if (!G || G->Empty()) return;
  Canvas()->StretchDraw(DestRect(), G);
}

void TImage::PictureChanged(TObject*) {
  TGraphic* G = FPicture->Graphic();
  if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
    SetBounds(FLeft, FTop, FPicture->Width(), FPicture->Height());
  // Icons carry their own mask.
  if (G && !dynamic_cast<TIcon*>(G) && G->Transparent() != FTransparent) {
    auto Saved = FPicture->OnChange;
    FPicture->OnChange = nullptr;
    G->SetTransparent(FTransparent);
    FPicture->OnChange = Saved;
  }
  // An opaque picture covering the whole control spares the parent the
  // background under it.
  const TRect D = DestRect();
  if (G && !G->Empty() && !FTransparent && D.Left <= 0 && D.Top <= 0 && D.Right >= FWidth &&
      D.Bottom >= FHeight)
    FControlStyle += csOpaque;
  else
    FControlStyle -= csOpaque;
  Invalidate();
}

}  // namespace jorv
