#include "grid/components/BlobPicture.h"
#include <cstring>
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/Metafile.h"
#include "platform/gfx/Picture.h"
#include "platform/gfx/WICImage.h"
#include "platform/rtl/Streams.h"

namespace jorv::grid {

namespace {

uint16_t Word16(const Byte* Data, size_t At) { return uint16_t(Data[At] | (Data[At + 1] << 8)); }
uint32_t Word32(const Byte* Data, size_t At) { return uint32_t(Word16(Data, At)) | (uint32_t(Word16(Data, At + 2)) << 16); }

// Loads the bytes from Offset on as a graphic of Class into Picture.
void LoadAs(TGraphicClass Class, const Byte* Data, size_t Size, size_t Offset, TPicture* Picture) {
  TMemoryStream Stream;
  WriteStreamBytes(&Stream, Data + Offset, Size - Offset);
  Stream.Seek(0, soBeginning);
  std::unique_ptr<TGraphic> Graphic = Class();
  Graphic->LoadFromStream(&Stream);
  if (!Graphic->Empty()) Picture->SetGraphic(Graphic.get());
}

void LoadDetected(const TBytes& Bytes, TPicture* Picture) {
  TMemoryStream Stream;
  WriteStreamBytes(&Stream, Bytes);
  Stream.Seek(0, soBeginning);
  Picture->LoadFromStream(&Stream);
}

}  // namespace

TGraphicClass GraphicClassForData(const Byte* Data, size_t Size) {
  if (Size < 44) return nullptr;
  const uint16_t W0 = Word16(Data, 0), W1 = Word16(Data, 2);
  // The first four signatures decide on their first word alone.
  if (W0 == 0x4949) return W1 == 0x002A ? &NewGraphic<TWICImage> : nullptr;
  if (W0 == 0x4D42) return &NewGraphic<TBitmap>;
  if (W0 == 0x4D4D) return W1 == 0x2A00 ? &NewGraphic<TWICImage> : nullptr;
  if (W0 == 0xD8FF) return &NewGraphic<TJPEGImage>;
  static const Byte Png[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
  if (std::memcmp(Data, Png, 8) == 0) return &NewGraphic<TPngImage>;
  const uint32_t D0 = Word32(Data, 0);
  if (D0 == 0x9AC6CDD7) return &NewGraphic<TMetafile>;
  if (D0 == 1 && Word32(Data, 40) == 0x464D4520) return &NewGraphic<TMetafile>;
  if (Data[0] == 0x47 && Data[1] == 0x49 && Data[2] == 0x46) return &NewGraphic<TGIFImage>;
  if (W1 == 1) return &NewGraphic<TIcon>;
  return nullptr;
}

bool FindOlePicture(const Byte* Data, size_t Size, size_t& Offset, TGraphicClass& Class) {
  size_t Position = 2, Read = 0;
  auto Next = [&](Byte& Value) {
    if (Position >= Size) return false;
    Value = Data[Position++];
    ++Read;
    return true;
  };
  Byte B = 0;
  while (Read < 512 && Next(B)) {
    if (B == 0xFF) {
      if (!Next(B)) return false;
      if (B == 0xD8) {
        Offset = Position - 2;
        Class = &NewGraphic<TJPEGImage>;
        return true;
      }
    }
    if (B == 0x47) {
      if (!Next(B)) return false;
      if (B == 0x49) {
        Offset = Position - 2;
        Class = &NewGraphic<TGIFImage>;
        return true;
      }
    }
    if (B == 0x42) {
      if (!Next(B)) return false;
      if (B == 0x4D) {
        Offset = Position - 2;
        Class = &NewGraphic<TBitmap>;
        return true;
      }
    }
  }
  return false;
}

void LoadSniffedPicture(const TBytes& Bytes, TPicture* Picture) {
  if (Bytes.size() <= 2) return;
  const uint16_t W = Word16(Bytes.data(), 0);
  if (W == 0x1C15) {
    size_t Offset = 0;
    TGraphicClass Class = nullptr;
    if (FindOlePicture(Bytes.data(), Bytes.size(), Offset, Class)) LoadAs(Class, Bytes.data(), Bytes.size(), Offset, Picture);
    return;
  }
  if (W == 0x4947) return LoadAs(&NewGraphic<TGIFImage>, Bytes.data(), Bytes.size(), 0, Picture);
  if (W == 0xD8FF) return LoadAs(&NewGraphic<TJPEGImage>, Bytes.data(), Bytes.size(), 0, Picture);
  LoadDetected(Bytes, Picture);
}

void LoadBlobPicture(const TBytes& Bytes, TPicture* Picture) {
  if (Bytes.empty()) {
    Picture->Assign(nullptr);
    return;
  }
  if (TGraphicClass Class = GraphicClassForData(Bytes.data(), Bytes.size())) {
    LoadAs(Class, Bytes.data(), Bytes.size(), 0, Picture);
    return;
  }
  LoadDetected(Bytes, Picture);
}

}  // namespace jorv::grid
