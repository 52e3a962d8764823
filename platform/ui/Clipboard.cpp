#include "platform/ui/Clipboard.h"
#include <cstring>
#include <memory>
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Metafile.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Application.h"
#include "platform/ui/WindowProc.h"

namespace jorv {

TClipboard* Clipboard() {
  static TClipboard C;
  return &C;
}

// The system's function by its full name: a bare call would find this one again.
UINT RegisterClipboardFormat(const String& Name) { return ::RegisterClipboardFormatW(Name.c_str()); }

TClipboard::~TClipboard() {
  if (FOpenRefCount > 0) CloseClipboard();
  if (FWindow) DestroyWindow(FWindow);
}

HWND TClipboard::WindowHandle() {
  if (!FWindow) {
    WNDCLASSW WC{};
    WC.lpszClassName = L"JorvClipboard";
    RegisterWindowClass(WC);
    // A message-only window: the clipboard's owner, nothing more.
    FWindow = CreateObjectWindow(WindowTarget<&TClipboard::WndProc>(this), 0, L"JorvClipboard", L"", 0, 0, 0,
                                 0, 0, HWND_MESSAGE);
  }
  return FWindow;
}

void TClipboard::WndProc(HWND Window, TMessage& Message) {
  Message.Result = DefWindowProcW(Window, Message.Msg, Message.WParam, Message.LParam);
}

void TClipboard::Open() {
  if (FOpenRefCount == 0) {
    // Another program may hold it for a moment.
    bool Ok = false;
    for (int Try = 0; Try < 10 && !Ok; ++Try) {
      Ok = OpenClipboard(WindowHandle()) != FALSE;
      if (!Ok) Sleep(10);
    }
    if (!Ok) throw EClipboardException(L"Cannot open clipboard");
    FEmptied = false;
  }
  ++FOpenRefCount;
}

void TClipboard::Close() {
  if (FOpenRefCount == 0) return;
  if (--FOpenRefCount == 0) CloseClipboard();
}

void TClipboard::Clear() {
  Open();
  EmptyClipboard();
  FEmptied = true;
  Close();
}

void TClipboard::Adding() {
  // The first format put during one opening replaces everything before it.
  if (FOpenRefCount > 0 && !FEmptied) {
    EmptyClipboard();
    FEmptied = true;
  }
}

bool TClipboard::HasFormat(UINT Format) const { return IsClipboardFormatAvailable(Format) != FALSE; }

Integer TClipboard::FormatCount() const { return CountClipboardFormats(); }

UINT TClipboard::Formats(Integer Index) const {
  const_cast<TClipboard*>(this)->Open();
  UINT F = 0;
  for (Integer I = 0; (F = EnumClipboardFormats(F)) != 0; ++I)
    if (I == Index) break;
  const_cast<TClipboard*>(this)->Close();
  return F;
}

void TClipboard::SetBuffer(UINT Format, const void* Buffer, size_t Size) {
  Open();
  auto Restore = ScopeExit([&] { Close(); });
  HGLOBAL G = GlobalAlloc(GMEM_MOVEABLE, Size ? Size : 1);
  if (!G) throw EOutOfMemory(L"Out of memory");
  void* P = GlobalLock(G);
  if (Size) std::memcpy(P, Buffer, Size);
  GlobalUnlock(G);
  Adding();
  if (!SetClipboardData(Format, G)) {
    GlobalFree(G);
    throw EClipboardException(L"Cannot put data on the clipboard");
  }
}

void TClipboard::SetAsText(const String& Value) {
  SetBuffer(CF_UNICODETEXT, Value.c_str(), (Value.size() + 1) * sizeof(Char));
}

String TClipboard::AsText() {
  Open();
  String S;
  if (HANDLE H = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* P = static_cast<const Char*>(GlobalLock(H))) {
      size_t Max = GlobalSize(H) / sizeof(Char);
      size_t N = 0;
      while (N < Max && P[N]) ++N;
      S.assign(P, N);
      GlobalUnlock(H);
    }
  }
  Close();
  return S;
}

HANDLE TClipboard::GetAsHandle(UINT Format) {
  Open();
  HANDLE H = GetClipboardData(Format);
  Close();
  return H;
}

void TClipboard::SetAsHandle(UINT Format, HANDLE Value) {
  Open();
  Adding();
  HANDLE R = SetClipboardData(Format, Value);
  Close();
  if (!R) throw EClipboardException(L"Cannot put data on the clipboard");
}

void TClipboard::AssignGraphic(TGraphic* Source) {
  if (auto* M = dynamic_cast<TMetafile*>(Source)) {
    if (M->Empty()) throw EClipboardException(L"Cannot put an empty picture on the clipboard");
    // The clipboard takes a copy of its own; the system offers the older
    // metafile format from it.
    HENHMETAFILE Copy = CopyEnhMetaFileW(M->Handle(), nullptr);
    if (!Copy) throw EClipboardException(L"Cannot put data on the clipboard");
    Open();
    Adding();
    bool Ok = SetClipboardData(CF_ENHMETAFILE, Copy) != nullptr;
    Close();
    if (!Ok) {
      DeleteEnhMetaFile(Copy);
      throw EClipboardException(L"Cannot put data on the clipboard");
    }
    return;
  }
  // Anything else goes as a DIB, which every program (and a 32-bit one
  // under any system) can read back; the system offers CF_BITMAP from it.
  TBitmap Copy;
  Copy.Assign(Source);
  Copy.SetPixelFormat(pf24bit);
  TBytes Bmp = Copy.SaveToBytes();
  if (Bmp.size() < sizeof(BITMAPFILEHEADER)) throw EClipboardException(L"Cannot put an empty picture on the clipboard");
  SetBuffer(CF_DIB, Bmp.data() + sizeof(BITMAPFILEHEADER), Bmp.size() - sizeof(BITMAPFILEHEADER));
}

void TClipboard::Assign(TPersistent* Source) {
  if (auto* P = dynamic_cast<TPicture*>(Source)) {
    if (!P->Graphic() || P->Graphic()->Empty())
      throw EClipboardException(L"Cannot put an empty picture on the clipboard");
    AssignGraphic(P->Graphic());
    return;
  }
  if (auto* G = dynamic_cast<TGraphic*>(Source)) {
    AssignGraphic(G);
    return;
  }
  TPersistent::Assign(Source);
}

void TClipboard::ReadBitmap(TBitmap* B) {
  HANDLE H = GetClipboardData(CF_DIB);
  if (!H) throw EClipboardException(L"The clipboard holds no picture");
  auto* Info = static_cast<const BITMAPINFOHEADER*>(GlobalLock(H));
  if (!Info) throw EClipboardException(L"The clipboard holds no picture");
  size_t Size = GlobalSize(H);
  if (Size < sizeof(BITMAPINFOHEADER) || Info->biSize < sizeof(BITMAPINFOHEADER) || Info->biSize > Size) {
    GlobalUnlock(H);
    throw EClipboardException(L"The clipboard's picture is not valid");
  }
  size_t Colors = Info->biClrUsed ? Info->biClrUsed : (Info->biBitCount <= 8 ? (1u << Info->biBitCount) : 0);
  size_t Masks = (Info->biCompression == BI_BITFIELDS && Info->biSize == sizeof(BITMAPINFOHEADER)) ? 12 : 0;
  BITMAPFILEHEADER FH{};
  FH.bfType = 0x4D42;
  FH.bfSize = static_cast<DWORD>(sizeof(FH) + Size);
  FH.bfOffBits = static_cast<DWORD>(sizeof(FH) + Info->biSize + Masks + Colors * sizeof(RGBQUAD));
  TBytes Data(sizeof(FH) + Size, 0);
  std::memcpy(Data.data(), &FH, sizeof(FH));
  std::memcpy(Data.data() + sizeof(FH), Info, Size);
  GlobalUnlock(H);
  B->LoadFromBytes(Data.data(), Data.size());
}

void TClipboard::AssignTo(TPersistent* Dest) {
  auto* B = dynamic_cast<TBitmap*>(Dest);
  auto* M = dynamic_cast<TMetafile*>(Dest);
  auto* P = dynamic_cast<TPicture*>(Dest);
  if (!B && !M && !P) {
    TPersistent::AssignTo(Dest);
    return;
  }
  Open();
  auto Restore = ScopeExit([&] { Close(); });
  // A picture takes the metafile when there is one (the system makes a
  // bitmap of nothing else), else the bitmap.
  bool Vector = M || (P && IsClipboardFormatAvailable(CF_ENHMETAFILE));
  if (Vector) {
    auto H = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
    HENHMETAFILE Copy = H ? CopyEnhMetaFileW(H, nullptr) : nullptr;
    if (!Copy) throw EClipboardException(L"The clipboard holds no picture");
    TMetafile Read;
    Read.SetHandle(Copy);
    if (M) M->Assign(&Read);
    else P->SetGraphic(&Read);
  } else if (B) {
    ReadBitmap(B);
  } else {
    TBitmap Read;
    ReadBitmap(&Read);
    P->SetGraphic(&Read);
  }
}

}  // namespace jorv
