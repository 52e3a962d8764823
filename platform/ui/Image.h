#pragma once
// A windowless picture: drawn at its own size, stretched (keeping its
// proportions when asked) and centred; AutoSize fits the control to it.
#include <memory>
#include "platform/gfx/Picture.h"
#include "platform/ui/CustomControl.h"

namespace jorv {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  // Stretches keeping the width-to-height ratio; a picture larger than the
  // control is shrunk so even without Stretch.
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // Where the picture lands in client coordinates.
  TRect DestRect();

 protected:
  void Paint() override;
  void PictureChanged(TObject* Sender);

  std::unique_ptr<TPicture> FPicture;
  bool FAutoSize = false;
  bool FCenter = false;
  bool FStretch = false;
  bool FProportional = false;
  bool FTransparent = false;
};

}  // namespace jorv
