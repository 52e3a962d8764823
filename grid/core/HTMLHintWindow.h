#pragma once
// The grid's hint window: shows a hint of the library's HTML subset, with
// the images of the grid that asked for it, or a wide text carried in the
// marked form of an ordinary string, in a borderless window with a
// two-tone frame.
#include "platform/ui/HintWindow.h"

namespace jorv {
class TCustomImageList;
namespace foundation {
class TPictureContainer;
}  // namespace foundation
}  // namespace jorv
namespace jorv::grid {

using foundation::TPictureContainer;

class THTMLHintWindow : public THintWindow {
 public:
  explicit THTMLHintWindow(TComponent* AOwner);
  // The maker the application's hint machinery is given.
  static THintWindow* Make(TComponent* AOwner) { return new THTMLHintWindow(AOwner); }
  void ActivateHint(const TRect& Rect, const String& AHint) override;
  // AData, when given, is a TObject; a grid lends its images.
  void ActivateHintData(const TRect& Rect, const String& AHint, void* AData) override;
  TRect CalcHintRect(Integer MaxWidth, const String& AHint, void* AData) override;
  static void DrawHintFrame(TCanvas* Canvas, const TRect& R, TColor Light, TColor Dark);
  TCustomImageList* Images() const { return FImages; }
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  TSize TextSize() const { return {FTextWidth, FTextHeight}; }
  const String& WideCaption() const { return FWideCaption; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  // The hint's text size within MaxWidth; Wide receives the wide text of marked text.
  TSize Measure(Integer MaxWidth, const String& AHint, String& Wide);

  TCustomImageList* FImages = nullptr;
  TPictureContainer* FPictureContainer = nullptr;
  Integer FTextWidth = 0;
  Integer FTextHeight = 0;
  String FWideCaption;
};

}  // namespace jorv::grid
