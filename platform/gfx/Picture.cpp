#include "platform/gfx/Picture.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <vector>
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/Metafile.h"
#include "platform/gfx/WICImage.h"
#include "platform/rtl/Filer.h"

namespace jorv {

namespace {

struct TFileFormat {
  String Extension;  // lower case, no dot
  String Description;
  TGraphicClass Class;
  std::type_index Type;
};

String Lower(String s) {
  for (auto& c : s) c = wchar_t(std::towlower(c));
  return s;
}

std::vector<TFileFormat>& Formats() {
  static std::vector<TFileFormat> formats = {
      {L"bmp", L"Bitmaps", &NewGraphic<TBitmap>, typeid(TBitmap)},
      {L"ico", L"Icons", &NewGraphic<TIcon>, typeid(TIcon)},
      {L"png", L"Portable Network Graphics", &NewGraphic<TPngImage>, typeid(TPngImage)},
      {L"jpg", L"JPEG Image File", &NewGraphic<TJPEGImage>, typeid(TJPEGImage)},
      {L"jpeg", L"JPEG Image File", &NewGraphic<TJPEGImage>, typeid(TJPEGImage)},
      {L"jpe", L"JPEG Image File", &NewGraphic<TJPEGImage>, typeid(TJPEGImage)},
      {L"jfif", L"JPEG Image File", &NewGraphic<TJPEGImage>, typeid(TJPEGImage)},
      {L"gif", L"GIF Image", &NewGraphic<TGIFImage>, typeid(TGIFImage)},
      {L"tif", L"TIFF Images", &NewGraphic<TWICImage>, typeid(TWICImage)},
      {L"tiff", L"TIFF Images", &NewGraphic<TWICImage>, typeid(TWICImage)},
      {L"wdp", L"HD Photo Images", &NewGraphic<TWICImage>, typeid(TWICImage)},
      {L"emf", L"Enhanced Metafiles", &NewGraphic<TMetafile>, typeid(TMetafile)},
      {L"wmf", L"Metafiles", &NewGraphic<TMetafile>, typeid(TMetafile)},
  };
  return formats;
}

String ExtensionOf(const String& FileName) {
  size_t dot = FileName.find_last_of(L".\\/:");
  if (dot == String::npos || FileName[dot] != L'.') return String();
  return Lower(FileName.substr(dot + 1));
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterFormat(const String& Extension, const String& Description,
                              TGraphicClass Class, std::type_index Type) {
  String ext = Lower(Extension);
  if (!ext.empty() && ext[0] == L'.') ext.erase(0, 1);
  for (auto& f : Formats())
    if (f.Extension == ext) {
      f = {ext, Description, Class, Type};
      return;
    }
  Formats().push_back({ext, Description, Class, Type});
}

TGraphicClass TPicture::GraphicClassForExtension(const String& Extension) {
  String ext = Lower(Extension);
  if (!ext.empty() && ext[0] == L'.') ext.erase(0, 1);
  for (const auto& f : Formats())
    if (f.Extension == ext) return f.Class;
  return nullptr;
}

TGraphicClass TPicture::GraphicClassForData(const Byte* Data, size_t Size) {
  auto starts = [&](const char* sig, size_t n) { return Size >= n && std::memcmp(Data, sig, n) == 0; };
  if (starts("BM", 2) && Size >= 26) return &NewGraphic<TBitmap>;
  if (starts("\xFF\xD8\xFF", 3)) return &NewGraphic<TJPEGImage>;
  if (starts("\x89PNG\r\n\x1A\n", 8)) return &NewGraphic<TPngImage>;
  if (starts("\xD7\xCD\xC6\x9A", 4)) return &NewGraphic<TMetafile>;
  if (starts("\1\0\0\0", 4) && Size >= 44 && std::memcmp(Data + 40, " EMF", 4) == 0)
    return &NewGraphic<TMetafile>;
  if (starts("GIF87a", 6) || starts("GIF89a", 6)) return &NewGraphic<TGIFImage>;
  if (starts("II*\0", 4) || starts("MM\0*", 4)) return &NewGraphic<TWICImage>;
  if (starts("\0\0\1\0", 4) && Size >= 6 + 16) return &NewGraphic<TIcon>;
  return nullptr;
}

String TPicture::GraphicFilter() {
  String all, each;
  for (const auto& f : Formats()) {
    String mask = L"*." + f.Extension;
    all += (all.empty() ? L"" : L";") + mask;
    each += L"|" + f.Description + L" (" + mask + L")|" + mask;
  }
  return L"All (" + all + L")|" + all + each;
}

TGraphicClass TPicture::ClassOf(const TGraphic* Graphic) {
  std::type_index t(typeid(*Graphic));
  for (const auto& f : Formats())
    if (f.Type == t) return f.Class;
  return nullptr;
}

void TPicture::Take(std::unique_ptr<TGraphic> Graphic) {
  FGraphic = std::move(Graphic);
  if (FGraphic) FGraphic->OnChange = [this](TObject* s) { Changed(s); };
  Changed(this);
}

void TPicture::Changed(TObject*) {
  if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(TGraphic* Value) {
  if (Value == FGraphic.get()) return;
  if (!Value) {
    Take(nullptr);
    return;
  }
  TGraphicClass cls = ClassOf(Value);
  if (!cls)
    throw EInvalidGraphicOperation(L"Cannot hold a copy of a " + Value->ClassName() +
                                   L": its kind is not registered");
  std::unique_ptr<TGraphic> copy = cls();
  copy->Assign(Value);
  Take(std::move(copy));
}

void TPicture::SetBitmap(TBitmap* Value) { SetGraphic(Value); }
void TPicture::SetIcon(TIcon* Value) { SetGraphic(Value); }

TBitmap* TPicture::Bitmap() {
  auto* b = dynamic_cast<TBitmap*>(FGraphic.get());
  if (!b) {
    auto fresh = std::make_unique<TBitmap>();
    b = fresh.get();
    Take(std::move(fresh));
  }
  return b;
}

TIcon* TPicture::Icon() {
  auto* i = dynamic_cast<TIcon*>(FGraphic.get());
  if (!i) {
    auto fresh = std::make_unique<TIcon>();
    i = fresh.get();
    Take(std::move(fresh));
  }
  return i;
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source) {
    SetGraphic(nullptr);
    return;
  }
  if (auto* p = dynamic_cast<TPicture*>(Source)) {
    if (p != this) SetGraphic(p->FGraphic.get());
    return;
  }
  if (auto* g = dynamic_cast<TGraphic*>(Source)) {
    SetGraphic(g);
    return;
  }
  TPersistent::Assign(Source);
}

void TPicture::LoadFromFile(const String& FileName) {
  String ext = ExtensionOf(FileName);
  TGraphicClass cls = GraphicClassForExtension(ext);
  if (!cls) throw EInvalidGraphic(L"Unknown picture file extension (." + ext + L")");
  std::unique_ptr<TGraphic> g = cls();
  g->LoadFromFile(FileName);
  Take(std::move(g));
}

void TPicture::SaveToFile(const String& FileName) {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::LoadFromStream(TStream* Stream) {
  Int64 start = Stream->Position();
  Byte head[48] = {};  // an enhanced metafile shows its kind at byte 40
  size_t n = std::min<size_t>(sizeof head, StreamRemaining(Stream));
  ReadStreamBuffer(Stream, head, n);
  Stream->SetPosition(start);
  TGraphicClass cls = GraphicClassForData(head, n);
  if (!cls) throw EInvalidGraphic(L"Unsupported stream format");
  std::unique_ptr<TGraphic> g = cls();
  g->LoadFromStream(Stream);
  Take(std::move(g));
}

void TPicture::SaveToStream(TStream* Stream) {
  if (FGraphic) FGraphic->SaveToStream(Stream);
}


TGraphicClass TPicture::ClassNamed(const String& Name) {
  for (const auto& f : Formats())
    if (f.Class()->ClassName() == Name) return f.Class;
  return nullptr;
}

void TPicture::DefineProperties(TFiler* Filer) {
  TPersistent::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      L"Data", [this](TStream* Stream) { ReadData(Stream); },
      [this](TStream* Stream) { WriteData(Stream); }, FGraphic && !FGraphic->Empty());
}

void TPicture::WriteData(TStream* Stream) {
  const String Name = FGraphic->ClassName();
  const std::string Narrow(Name.begin(), Name.end());
  const Byte Length = static_cast<Byte>(std::min<size_t>(Narrow.size(), 255));
  Stream->WriteBuffer(&Length, 1);
  Stream->WriteBuffer(Narrow.data(), Length);
  FGraphic->WriteData(Stream);
}

void TPicture::ReadData(TStream* Stream) {
  Byte Length = 0;
  Stream->ReadBuffer(&Length, 1);
  std::string Narrow(Length, '\0');
  if (Length > 0) Stream->ReadBuffer(Narrow.data(), Length);
  const String Name(Narrow.begin(), Narrow.end());
  TGraphicClass Class = ClassNamed(Name);
  if (!Class) throw EReadError(L"Unknown picture kind \"" + Name + L"\"");
  std::unique_ptr<TGraphic> Graphic = Class();
  Graphic->ReadData(Stream);
  Take(std::move(Graphic));
}

}  // namespace jorv
