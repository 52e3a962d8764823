#include "platform/gfx/GraphicsObject.h"

namespace jorv {

namespace {
struct TDeleteLater {
  HGDIOBJ Handle;
  ~TDeleteLater() {
    if (Handle) DeleteObject(Handle);
  }
};
}  // namespace

void TGraphicsObject::Changed() {
  TDeleteLater old{FHandle};
  FHandle = nullptr;
  if (OnChange) OnChange(this);
}

void TGraphicsObject::FreeHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

}  // namespace jorv
