#pragma once
// Assignments that keep a font or pen that already is what it would
// become: each real assignment throws away the system object, and painting
// a screen of cells assigns the same font and pen to the canvas once per
// cell or more.
#include "platform/gfx/Font.h"
#include "platform/gfx/Pen.h"

namespace jorv::grid {

inline void AssignFontIfDifferent(TFont* Target, TFont* Source) {
  if (Target->Name() == Source->Name() && Target->Height() == Source->Height() &&
      Target->PixelsPerInch() == Source->PixelsPerInch() && Target->Style() == Source->Style() &&
      Target->Color() == Source->Color() && Target->Charset() == Source->Charset() &&
      Target->Pitch() == Source->Pitch() && Target->Orientation() == Source->Orientation() &&
      Target->Quality() == Source->Quality())
    return;
  Target->Assign(Source);
}

inline void AssignPenIfDifferent(TPen* Target, TPen* Source) {
  if (Target->Color() == Source->Color() && Target->Width() == Source->Width() &&
      Target->Style() == Source->Style() && Target->Mode() == Source->Mode())
    return;
  Target->Assign(Source);
}

}  // namespace jorv::grid
