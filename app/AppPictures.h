#pragma once
// The program's own pictures, drawn in code: the five toolbar images and
// the window icon.
#include "platform/gfx/Icon.h"
#include "platform/gfx/ImageList.h"

namespace jorv::app {

// Adds, in this order: exit, today, copy, home page, holiday dialog.
void AddToolbarPictures(TCustomImageList* Images);
// A 32 x 32 calendar leaf with a yellow holiday circle.
void MakeProgramIcon(TIcon* Icon);

}  // namespace jorv::app
