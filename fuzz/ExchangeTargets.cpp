// Targets that read what other programs hand over: the enhanced edit's drop
// readers (text, rich text and file lists in global memory blocks of a
// dropped data object) and the clipboard's text and device-independent
// bitmap.
#include <shlobj.h>
#include <cstring>
#include <cstdio>
#include "edit/exeddd.h"
#include "fuzz/Fuzz.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/Clipboard.h"

namespace jorv::fuzz {

namespace {

// A data object that offers the input's bytes, as they are, in one format.
class TInputDataObject : public TInterfacedImpl<IDataObject> {
 public:
  TInputDataObject(CLIPFORMAT Format, const TInput& Input) : FFormat(Format), FInput(Input) {}
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* Format, STGMEDIUM* Medium) override {
    if (QueryGetData(Format) != S_OK) return DV_E_FORMATETC;
    HGLOBAL Block = GlobalAlloc(GMEM_MOVEABLE, FInput.size());
    if (!Block) return E_OUTOFMEMORY;
    if (void* Data = GlobalLock(Block)) {
      std::memcpy(Data, FInput.data(), FInput.size());
      GlobalUnlock(Block);
    }
    *Medium = STGMEDIUM{};
    Medium->tymed = TYMED_HGLOBAL;
    Medium->hGlobal = Block;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* Format) override {
    return Format && Format->cfFormat == FFormat && (Format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* Out) override {
    if (Out) Out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD Direction, IEnumFORMATETC** Enum) override {
    if (Direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC Offered{FFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return SHCreateStdEnumFmtEtc(1, &Offered, Enum);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  CLIPFORMAT FFormat;
  const TInput& FInput;
};

// A drop target that takes everything and keeps what it was given.
class TKeepingDropTarget : public edit::TAEDropTarget {
 public:
  void DropText(POINT, const String& Text) override { FText = Text; }
  void DropRTF(POINT, const String& Text) override { FText = Text; }
  void DropFiles(POINT, TStrings* Files) override { FFiles = Files->Count(); }

 private:
  String FText;
  Integer FFiles = 0;
};

void Drop(CLIPFORMAT Format, const TInput& Input) {
  auto* Data = new TInputDataObject(Format, Input);
  Data->AddRef();
  auto* Target = new TKeepingDropTarget;
  Target->AddRef();
  DWORD Effect = DROPEFFECT_COPY;
  const POINTL Point{1, 1};
  Target->DragEnter(Data, MK_LBUTTON, Point, &Effect);
  Target->DragOver(MK_LBUTTON, Point, &Effect);
  Target->Drop(Data, 0, Point, &Effect);
  edit::TEnumFormats Formats(Data);
  Formats.ReadFormatText(Format);
  if (Formats.HasFile()) Formats.ReadFileList();
  Target->Release();
  Data->Release();
}

void RunDropText(const TInput& Input) { Drop(CF_UNICODETEXT, Input); }
void RunDropFiles(const TInput& Input) { Drop(CF_HDROP, Input); }
void RunDropRtf(const TInput& Input) {
  // Reading a drop registers the rich text format first.
  if (!edit::CFRtf) edit::TEnumFormats Registering(nullptr);
  edit::EnableRTF = true;
  Drop(static_cast<CLIPFORMAT>(edit::CFRtf), Input);
}

std::vector<TInput> DropFileSeeds() {
  // A wide and a narrow file list, each ended by an empty name.
  DROPFILES Header{};
  Header.pFiles = sizeof Header;
  Header.fWide = TRUE;
  const wchar_t Wide[] = L"C:\\Daten\\Tarvok.mdb\0Z:\\tmp\\a b.txt\0";
  TInput WideList(reinterpret_cast<const char*>(&Header), sizeof Header);
  WideList.append(reinterpret_cast<const char*>(Wide), sizeof Wide);
  Header.fWide = FALSE;
  const char Narrow[] = "C:\\Daten\\Tarvok.INI\0\0";
  TInput NarrowList(reinterpret_cast<const char*>(&Header), sizeof Header);
  NarrowList.append(Narrow, sizeof Narrow);
  return {WideList, NarrowList};
}

void RunClipboard(const TInput& Input) {
  TClipboard* Board = Clipboard();
  Board->SetBuffer(CF_UNICODETEXT, Input.data(), Input.size());
  Board->AsText();
  Board->SetBuffer(CF_DIB, Input.data(), Input.size());
  TBitmap Bitmap;
  Bitmap.Assign(Board);
}

}  // namespace

void AddExchangeTargets(std::vector<TFuzzTarget>& List) {
  List.push_back({"drop-text", "drop-text", RunDropText, {}});
  TFuzzTarget Files{"drop-files", "drop-files", RunDropFiles, {std::string(2, '\0'), "C:\\", "\\\\"}};
  Files.MakeSeeds = DropFileSeeds;
  List.push_back(Files);
  List.push_back({"drop-rtf", "drop-rtf", RunDropRtf, {"{\\rtf1", "}", "\\par", "\\'e4"}});
  List.push_back({"clipboard", "bmp", RunClipboard, {"\x28", "BM"}});
}

}  // namespace jorv::fuzz
