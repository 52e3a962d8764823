#pragma once
// Pictures kept in blob fields: the graphic kind named by a blob's first
// bytes, and pictures wrapped in the OLE object header a desktop database
// puts in front of them.
#include <cstddef>
#include "platform/gfx/Graphic.h"

namespace jorv {
class TPicture;
}

namespace jorv::grid {

// The graphic kind a blob of at least 44 bytes starts with; null when none.
TGraphicClass GraphicClassForData(const Byte* Data, size_t Size);

// Searches the first 512 bytes after an OLE object header (15 1C) for a
// JPEG, GIF or bitmap signature; Offset is where the picture starts.
bool FindOlePicture(const Byte* Data, size_t Size, size_t& Offset, TGraphicClass& Class);

// Decodes the bytes of a picture field into Picture: a wrapped OLE picture,
// a GIF or JPEG by its signature, anything else by the picture's own
// detection. Undecodable bytes raise; bytes naming no picture leave it
// empty.
void LoadSniffedPicture(const TBytes& Bytes, TPicture* Picture);

// Decodes a graphic field's bytes: the kind its first bytes name, else the
// picture's own detection. Empty bytes clear the picture.
void LoadBlobPicture(const TBytes& Bytes, TPicture* Picture);

}  // namespace jorv::grid
