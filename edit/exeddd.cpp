#include "edit/exeddd.h"

#include <shlobj.h>
#include "platform/rtl/Exceptions.h"

namespace jorv::edit {

UINT CFRtf = 0;
bool EnableRTF = false;

namespace {

DWORD KeyEffect(DWORD KeyState) { return (KeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE; }

const FORMATETC* ServedFormat(Integer Index) {
  static FORMATETC Formats[3] = {
      {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
      {CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
      {0, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
  };
  Formats[2].cfFormat = static_cast<CLIPFORMAT>(CFRtf);
  return &Formats[Index];
}

}  // namespace

// --- reading a dropped object ------------------------------------------------

TEnumFormats::TEnumFormats(IDataObject* DataObject) {
  SetDataObject(DataObject);
  if (OpenClipboard(nullptr)) {
    CFRtf = RegisterClipboardFormatW(L"Rich Text Format");
    CloseClipboard();
  }
}

TEnumFormats::~TEnumFormats() {
  if (FEnumerator) FEnumerator->Release();
  if (FDataObject) FDataObject->Release();
}

void TEnumFormats::SetDataObject(IDataObject* Value) {
  if (FEnumerator) FEnumerator->Release();
  FEnumerator = nullptr;
  if (FDataObject) FDataObject->Release();
  FDataObject = Value;
  if (!FDataObject) return;
  FDataObject->AddRef();
  if (FAILED(FDataObject->EnumFormatEtc(DATADIR_GET, &FEnumerator)) || !FEnumerator) {
    FEnumerator = nullptr;
    throw EAssertionFailed(L"Cannot get the format enumerator");
  }
  Reset();
}

bool TEnumFormats::Reset() {
  FValid = false;
  FCount = 0;
  return FEnumerator && SUCCEEDED(FEnumerator->Reset());
}

bool TEnumFormats::Next() {
  ++FCount;
  ULONG Fetched = 0;
  FValid = FEnumerator && FEnumerator->Next(1, &FFormatEtc, &Fetched) == S_OK && Fetched == 1;
  // The enumerator hands over a target device the caller owns.
  if (FValid && FFormatEtc.ptd) {
    CoTaskMemFree(FFormatEtc.ptd);
    FFormatEtc.ptd = nullptr;
  }
  return FValid;
}

bool TEnumFormats::HasFormat(CLIPFORMAT ClipFormat) {
  Reset();
  while (Next())
    if (FFormatEtc.cfFormat == ClipFormat) return true;
  return false;
}

bool TEnumFormats::Handle(DWORD Tymed, STGMEDIUM& Medium) {
  Medium = STGMEDIUM{};
  if (!FValid || !(FFormatEtc.tymed & Tymed) || !FDataObject) return false;
  FORMATETC F = FFormatEtc;
  F.tymed = Tymed;
  return SUCCEEDED(FDataObject->GetData(&F, &Medium)) && Medium.tymed == Tymed && Medium.hGlobal;
}

String TEnumFormats::ReadFormatText(CLIPFORMAT ClipFormat) {
  String S;
  if (!HasFormat(ClipFormat)) return S;
  STGMEDIUM Medium;
  if (!Handle(TYMED_HGLOBAL, Medium)) return S;
  if (auto* P = static_cast<const wchar_t*>(GlobalLock(Medium.hGlobal))) {
    // Never past the block, whether or not the sender ended the text.
    const size_t Max = GlobalSize(Medium.hGlobal) / sizeof(wchar_t);
    size_t N = 0;
    while (N < Max && P[N]) ++N;
    S.assign(P, N);
    GlobalUnlock(Medium.hGlobal);
  }
  ReleaseStgMedium(&Medium);
  return S;
}

String TEnumFormats::RTF() {
  String S;
  if (!HasRTF()) return S;
  STGMEDIUM Medium;
  if (!Handle(TYMED_HGLOBAL, Medium)) return S;
  if (auto* P = static_cast<const char*>(GlobalLock(Medium.hGlobal))) {
    const size_t Max = GlobalSize(Medium.hGlobal);
    size_t N = 0;
    while (N < Max && P[N]) ++N;
    for (size_t I = 0; I < N; ++I) S += static_cast<Char>(static_cast<unsigned char>(P[I]));
    GlobalUnlock(Medium.hGlobal);
  }
  ReleaseStgMedium(&Medium);
  return S;
}

bool TEnumFormats::ReadFileList() {
  FFiles->Clear();
  STGMEDIUM Medium;
  if (!Handle(TYMED_HGLOBAL, Medium)) return false;
  const size_t Size = GlobalSize(Medium.hGlobal);
  if (auto* Base = static_cast<const BYTE*>(GlobalLock(Medium.hGlobal))) {
    const auto* D = reinterpret_cast<const DROPFILES*>(Base);
    // A block too small or an offset outside it gives no files.
    if (Size >= sizeof(DROPFILES) && D->pFiles < Size) {
      size_t Off = D->pFiles;
      while (Off < Size) {
        String Name;
        if (D->fWide) {
          while (Off + 1 < Size) {
            const Char C = *reinterpret_cast<const wchar_t*>(Base + Off);
            Off += 2;
            if (!C) break;
            Name += C;
          }
        } else {
          std::string A;
          while (Off < Size) {
            const char C = static_cast<char>(Base[Off++]);
            if (!C) break;
            A += C;
          }
          if (!A.empty()) {
            const int N = MultiByteToWideChar(CP_ACP, 0, A.data(), static_cast<int>(A.size()), nullptr, 0);
            Name.resize(N);
            MultiByteToWideChar(CP_ACP, 0, A.data(), static_cast<int>(A.size()), Name.data(), N);
          }
        }
        if (Name.empty()) break;
        FFiles->Add(Name);
      }
    }
    GlobalUnlock(Medium.hGlobal);
  }
  ReleaseStgMedium(&Medium);
  return FFiles->Count() > 0;
}

// --- drop target ------------------------------------------------------------

HRESULT TAEDropTarget::DragEnter(IDataObject* DataObj, DWORD KeyState, POINTL, DWORD* Effect) {
  TEnumFormats F(DataObj);
  FOk = F.HasText() || F.HasFile() || (F.HasRTF() && EnableRTF);
  if (Effect) *Effect = FOk ? KeyEffect(KeyState) : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT TAEDropTarget::DragOver(DWORD KeyState, POINTL Pt, DWORD* Effect) {
  DWORD E = FOk ? KeyEffect(KeyState) : DROPEFFECT_NONE;
  bool Allow = true;
  DragMouseMove(POINT{Pt.x, Pt.y}, Allow);
  if (!Allow) E = DROPEFFECT_NONE;
  if (Effect) *Effect = E;
  return S_OK;
}

HRESULT TAEDropTarget::Drop(IDataObject* DataObj, DWORD KeyState, POINTL Pt, DWORD* Effect) {
  if (!FOk) {
    if (Effect) *Effect = DROPEFFECT_NONE;
    return S_OK;
  }
  const POINT P{Pt.x, Pt.y};
  TEnumFormats F(DataObj);
  if (F.HasRTF() && EnableRTF)
    DropRTF(P, F.RTF());
  else if (F.HasText())
    DropText(P, F.Text());
  if (F.HasFile() && F.ReadFileList()) DropFiles(P, F.Files());
  if (Effect) *Effect = KeyEffect(KeyState);
  return S_OK;
}

// --- drop source --------------------------------------------------------------

HRESULT TAEDropSource::QueryContinueDrag(BOOL EscapePressed, DWORD KeyState) {
  if (EscapePressed) return DRAGDROP_S_CANCEL;
  return (KeyState & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
}

HRESULT TAEDropSource::GiveFeedback(DWORD Effect) {
  FNoAccept = Effect == DROPEFFECT_NONE;
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

// --- data offered by a drag -----------------------------------------------------

HRESULT TSourceDataObject::QueryGetData(FORMATETC* F) {
  if (!F || F->dwAspect != DVASPECT_CONTENT || F->tymed != TYMED_HGLOBAL) return DV_E_FORMATETC;
  const bool Known = F->cfFormat == CF_TEXT || F->cfFormat == CF_UNICODETEXT ||
                     (EnableRTF && CFRtf != 0 && F->cfFormat == CFRtf);
  return Known ? S_OK : DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(FORMATETC* F, STGMEDIUM* Medium) {
  if (!Medium) return E_INVALIDARG;
  *Medium = STGMEDIUM{};
  if (QueryGetData(F) != S_OK) return DV_E_FORMATETC;
  std::string Bytes;
  if (F->cfFormat == CF_UNICODETEXT) {
    Bytes.assign(reinterpret_cast<const char*>(textdata.c_str()), (textdata.size() + 1) * sizeof(wchar_t));
  } else {
    // Text in the system's 8-bit code page; rich text is 8-bit already.
    const String& W = F->cfFormat == CF_TEXT ? textdata : rtfdata;
    if (F->cfFormat == CF_TEXT) {
      const int N = WideCharToMultiByte(CP_ACP, 0, W.c_str(), static_cast<int>(W.size()), nullptr, 0, nullptr, nullptr);
      Bytes.resize(N);
      WideCharToMultiByte(CP_ACP, 0, W.c_str(), static_cast<int>(W.size()), Bytes.data(), N, nullptr, nullptr);
    } else {
      for (Char C : W) Bytes += static_cast<char>(C);
    }
    Bytes += '\0';
  }
  HGLOBAL H = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, Bytes.size());
  if (!H) return DV_E_FORMATETC;
  void* P = GlobalLock(H);
  if (!P) {
    GlobalFree(H);
    return DV_E_FORMATETC;
  }
  memcpy(P, Bytes.data(), Bytes.size());
  GlobalUnlock(H);
  Medium->tymed = TYMED_HGLOBAL;
  Medium->hGlobal = H;
  Medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT TSourceDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* Out) {
  if (Out) Out->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT TSourceDataObject::EnumFormatEtc(DWORD Direction, IEnumFORMATETC** Enum) {
  if (!Enum) return E_INVALIDARG;
  *Enum = nullptr;
  if (Direction != DATADIR_GET) return E_NOTIMPL;
  *Enum = new TSourceEnumFormatEtc(0);
  (*Enum)->AddRef();
  return S_OK;
}

HRESULT TSourceDataObject::EnumDAdvise(IEnumSTATDATA** Enum) {
  if (Enum) *Enum = nullptr;
  return OLE_E_ADVISENOTSUPPORTED;
}

// The three formats are served in this order; the rich text one only
// answers to QueryGetData while it is switched on.
HRESULT TSourceEnumFormatEtc::Next(ULONG Count, FORMATETC* Array, ULONG* Fetched) {
  ULONG N = 0;
  while (N < Count && FIndex < 3 && Array) {
    Array[N++] = *ServedFormat(FIndex);
    ++FIndex;
  }
  if (Fetched) *Fetched = N;
  return N == Count ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(ULONG Count) {
  const int64_t I = static_cast<int64_t>(FIndex) + Count;
  if (I > 3) {
    FIndex = 3;
    return S_FALSE;
  }
  FIndex = static_cast<Integer>(I);
  return S_OK;
}

HRESULT TSourceEnumFormatEtc::Reset() {
  FIndex = 0;
  return S_OK;
}

HRESULT TSourceEnumFormatEtc::Clone(IEnumFORMATETC** Enum) {
  if (!Enum) return E_INVALIDARG;
  *Enum = new TSourceEnumFormatEtc(FIndex);
  (*Enum)->AddRef();
  return S_OK;
}

HRESULT StartEditTextDrag(const String& Text, const String& RTF, DWORD OkEffects, DWORD& Effect) {
  auto* Source = new TAEDropSource;
  auto* Data = new TSourceDataObject(Text, RTF);
  Source->AddRef();
  Data->AddRef();
  HRESULT R = DoDragDrop(Data, Source, OkEffects, &Effect);
  if (Source->NoAccept()) R = DRAGDROP_S_CANCEL;
  Data->Release();
  Source->Release();
  return R;
}

}  // namespace jorv::edit
