#include "platform/gfx/Graphic.h"

#include <limits>
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/Filer.h"

namespace jorv {

void TGraphic::DefineProperties(TFiler* Filer) {
  TPersistent::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      L"Data", [this](TStream* Stream) { ReadData(Stream); },
      [this](TStream* Stream) { WriteData(Stream); }, !GetEmpty());
}

size_t StreamRemaining(TStream* Stream) {
  Int64 rest = Stream->Size() - Stream->Position();
  return rest > 0 ? size_t(rest) : 0;
}

void ReadStreamBuffer(TStream* Stream, void* Buffer, size_t Count) {
  Byte* p = static_cast<Byte*>(Buffer);
  while (Count > 0) {
    Integer chunk = Integer(std::min<size_t>(Count, 1u << 30));
    Stream->ReadBuffer(p, chunk);
    p += chunk;
    Count -= size_t(chunk);
  }
}

TBytes ReadStreamRest(TStream* Stream) {
  TBytes data(StreamRemaining(Stream), 0);
  ReadStreamBuffer(Stream, data.data(), data.size());
  return data;
}

void WriteStreamBytes(TStream* Stream, const Byte* Data, size_t Size) {
  while (Size > 0) {
    Integer chunk = Integer(std::min<size_t>(Size, 1u << 30));
    Stream->WriteBuffer(Data, chunk);
    Data += chunk;
    Size -= size_t(chunk);
  }
}

void TGraphic::SetSize(Integer, Integer) {}

void TGraphic::SetModified(bool Value) {
  if (Value) Changed(this);
  else FModified = false;
}

void TGraphic::SetTransparentValue(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed(this);
}

void TGraphic::Changed(TObject*) {
  FModified = true;
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const String& FileName) {
  // Written to memory first, so a picture that fails to encode leaves no
  // truncated file behind.
  TMemoryStream memory;
  SaveToStream(&memory);
  TFileStream stream(FileName, fmCreate);
  WriteStreamBytes(&stream, static_cast<const Byte*>(memory.Memory()), size_t(memory.Size()));
}

void TGraphic::AssignTo(TPersistent* Dest) {
  if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
    if (Empty()) {
      b->Assign(nullptr);
      return;
    }
    b->SetSize(Width(), Height());
    TCanvas* c = b->Canvas();
    c->Brush()->SetColor(clWhite);
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(Rect(0, 0, Width(), Height()));
    c->Draw(0, 0, this);
    return;
  }
  TPersistent::AssignTo(Dest);
}

}  // namespace jorv
