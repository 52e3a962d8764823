#include "grid/base/FilePicture.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

void TFilePicture::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TFilePicture*>(Source);
  if (!S) {
    TPersistent::Assign(Source);
    return;
  }
  FFilename = S->FFilename;
  FWidth = S->FWidth;
  FHeight = S->FHeight;
}

void TFilePicture::SetFilename(const String& Value) {
  FFilename = Value;
  if (!FileExists(Value)) return;
  try {
    TPicture P;
    P.LoadFromFile(Value);
    FWidth = P.Width();
    FHeight = P.Height();
  } catch (const Exception&) {
    // An unreadable file keeps the size last measured.
  }
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& r) {
  if (FFilename.empty() || !FileExists(FFilename)) return;
  try {
    TPicture P;
    P.LoadFromFile(FFilename);
    if (P.Graphic()) Canvas->StretchDraw(r, P.Graphic());
  } catch (const Exception&) {
    // Painting never raises: a picture that cannot be read draws nothing.
  }
}

}  // namespace jorv::grid
