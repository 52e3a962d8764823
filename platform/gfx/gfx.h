#pragma once
// Umbrella header of the graphics layer.
#include "platform/gfx/Colors.h"
#include "platform/gfx/GraphicsObject.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Pen.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/WICImage.h"
#include "platform/gfx/Picture.h"
#include "platform/gfx/ImageList.h"
