#pragma once
// A picture drawn from a file name; the file is read anew at every draw,
// so the grid holds only the name and the size measured when it was set.
#include "platform/rtl/Object.h"

namespace jorv {
class TCanvas;
}
namespace jorv::grid {


class TFilePicture : public TPersistent {
 public:
  // Copies the name (without loading it), width and height.
  void Assign(TPersistent* Source) override;
  // Nothing when the name is empty, the file is missing or unreadable.
  void DrawPicture(TCanvas* Canvas, const TRect& r);

  const String& Filename() const { return FFilename; }
  // Takes the size of a readable file; an unreadable one keeps the old size.
  void SetFilename(const String& Value);
  Integer Width() const { return FWidth; }
  // The size as recorded elsewhere, for a name read back without its file.
  void SetWidth(Integer Value) { FWidth = Value; }
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value) { FHeight = Value; }

 private:
  String FFilename;
  Integer FWidth = 0;
  Integer FHeight = 0;
};

}  // namespace jorv::grid
