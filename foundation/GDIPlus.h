#pragma once
// The whole GDI+ object layer.
#include "foundation/GDIPlusBase.h"
#include "foundation/GDIPlusBrush.h"
#include "foundation/GDIPlusFont.h"
#include "foundation/GDIPlusGraphics.h"
#include "foundation/GDIPlusImage.h"
#include "foundation/GDIPlusMatrix.h"
#include "foundation/GDIPlusPath.h"
#include "foundation/GDIPlusPen.h"
