#include "grid/base/grddd.h"

#include <cstring>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/GlobalMemory.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"

namespace jorv::grid {

UINT CFRtf = 0;
UINT CFGridCol = 0;
UINT CFGridCells = 0;
UINT CFURL = 0;
bool RTFDragDropEnabled = false;

void RegisterGridFormats() {
  CFRtf = RegisterClipboardFormatW(L"Rich Text Format");
  CFGridCol = RegisterClipboardFormatW(L"Grid Column");
  CFGridCells = RegisterClipboardFormatW(L"TRezIvevirAvod Cells");
  CFURL = RegisterClipboardFormatW(L"UniformResourceLocator");
}

void EnableRTFDragDrop(bool Value) { RTFDragDropEnabled = Value; }

DWORD DropEffectFromKeys(DWORD KeyState, DWORD Allowed) {
  if (KeyState & MK_CONTROL) return DROPEFFECT_COPY;
  return (Allowed & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

namespace {

// The length and the four zero bytes in front of a cell stream.
constexpr size_t CellsHeadSize = 8;

// Nothing thrown by a hook may unwind into the system's drag loop: it is
// shown like any exception of the message loop and the call fails.
template <class F>
HRESULT Guarded(TObject* Sender, F&& Body) {
  try {
    return Body();
  } catch (...) {
    if (Application) Application->HandleException(Sender);
    return E_UNEXPECTED;
  }
}

}  // namespace

// --- reading a dropped object ----------------------------------------------

TEnumFormats::TEnumFormats(IDataObject* DataObject) : FDataObject(DataObject) {
  if (FDataObject) FDataObject->AddRef();
  if (!FDataObject || FAILED(FDataObject->EnumFormatEtc(DATADIR_GET, &FEnumerator)) || !FEnumerator) {
    FEnumerator = nullptr;
    if (FDataObject) FDataObject->Release();
    FDataObject = nullptr;
    throw EAssertionFailed(L"Cannot get the format enumerator");
  }
  Reset();
  RegisterGridFormats();
}

TEnumFormats::~TEnumFormats() {
  ReleaseData();
  if (FEnumerator) FEnumerator->Release();
  if (FDataObject) FDataObject->Release();
}

void TEnumFormats::ReleaseData() {
  if (FData.tymed != TYMED_NULL) ReleaseStgMedium(&FData);
  FData = STGMEDIUM{};
}

bool TEnumFormats::Reset() {
  FValid = false;
  FCount = 0;
  return SUCCEEDED(FEnumerator->Reset());
}

bool TEnumFormats::Next() {
  ++FCount;
  ULONG Fetched = 0;
  FValid = FEnumerator->Next(1, &FFormatEtc, &Fetched) == S_OK && Fetched == 1;
  // A target device handed out belongs to the caller; none is used here.
  if (FValid && FFormatEtc.ptd) {
    CoTaskMemFree(FFormatEtc.ptd);
    FFormatEtc.ptd = nullptr;
  }
  return FValid;
}

bool TEnumFormats::HasFormat(UINT ClipFormat) {
  if (!ClipFormat || !Reset()) return false;
  while (Next())
    if (FFormatEtc.cfFormat == ClipFormat) return true;
  return false;
}

HANDLE TEnumFormats::Handle(DWORD Tymed) {
  ReleaseData();
  if (!FValid || (FFormatEtc.tymed & Tymed) != Tymed) return nullptr;
  FORMATETC Wanted = FFormatEtc;
  Wanted.tymed = Tymed;
  STGMEDIUM Medium{};
  if (FAILED(FDataObject->GetData(&Wanted, &Medium))) return nullptr;
  FData = Medium;
  // A medium of another kind than asked for is no answer.
  if (FData.tymed != Tymed) {
    ReleaseData();
    return nullptr;
  }
  return FData.hGlobal;
}

String TEnumFormats::Text() {
  if (!HasText()) return String();
  return GlobalBlockWideText(GlobalHandle());
}

String TEnumFormats::RTF() {
  if (!HasRTF()) return String();
  return AnsiToString(GlobalBlockAnsiText(GlobalHandle()));
}

Integer TEnumFormats::Col() {
  if (!HasCol()) return -1;
  TGlobalLock Lock(GlobalHandle());
  if (Lock.Size() < sizeof(int32_t)) return -1;
  int32_t Value;
  std::memcpy(&Value, Lock.Data(), sizeof(Value));
  return Value;
}

std::unique_ptr<TMemoryStream> TEnumFormats::Stream() {
  if (!HasGridCells()) return nullptr;
  TGlobalLock Lock(GlobalHandle());
  if (Lock.Size() < CellsHeadSize) return nullptr;
  uint32_t Length;
  std::memcpy(&Length, Lock.Data(), sizeof(Length));
  // The head's length is the sender's word; the block's size is the fact.
  if (Length > Lock.Size() - CellsHeadSize) return nullptr;
  auto Result = std::make_unique<TMemoryStream>();
  Result->Write(Lock.Bytes() + CellsHeadSize, static_cast<Integer>(Length));
  Result->SetPosition(0);
  return Result;
}

bool TEnumFormats::ReadFileList(TStrings* List) {
  FFiles->Clear();
  if (!List) return false;
  if (List != FFiles.get()) List->Clear();
  GlobalBlockFileNames(GlobalHandle(), List);
  return List->Count() > 0;
}

// --- drop target -------------------------------------------------------------

void TGRDDropTarget::DropText(TPoint, const String&) {}
void TGRDDropTarget::DropStream(TPoint, TMemoryStream*) {}
void TGRDDropTarget::DropCol(TPoint, Integer) {}
void TGRDDropTarget::DropRTF(TPoint, const String&) {}
void TGRDDropTarget::DropFiles(TPoint, TStrings*) {}
void TGRDDropTarget::DropURL(TPoint, const String&) {}
void TGRDDropTarget::DragMouseMove(TPoint, bool&, TDropFormats) {}
void TGRDDropTarget::DragMouseEnter() {}
void TGRDDropTarget::DragMouseLeave() {}

HRESULT TGRDDropTarget::DragEnter(IDataObject* DataObj, DWORD KeyState, POINTL, DWORD* Effect) {
  if (!Effect) return E_INVALIDARG;
  return Guarded(this, [&] {
    FOk = false;
    FDropFormats = TDropFormats();
    const DWORD Allowed = *Effect;
    *Effect = DROPEFFECT_NONE;
    TEnumFormats F(DataObj);
    const bool Text = F.HasText(), Files = F.HasFile(), RTF = F.HasRTF(), Col = F.HasCol(), URL = F.HasURL(),
               Cells = F.HasGridCells();
    FOk = (Text && FAcceptText) || (Files && FAcceptFiles) || (RTF && RTFDragDropEnabled && FAcceptText) ||
          (Col && FAcceptCols) || (URL && FAcceptURLs) || Cells;
    const std::pair<bool, TDropFormat> Present[] = {{Text, dfText}, {Files, dfFile}, {Col, dfCol},
                                                    {RTF, dfRTF},   {URL, dfURL},    {Cells, dfGridCells}};
    for (auto [Has, Format] : Present)
      if (Has) FDropFormats.Include(Format);
    if (FOk) *Effect = DropEffectFromKeys(KeyState, Allowed);
    DragMouseEnter();
    return S_OK;
  });
}

HRESULT TGRDDropTarget::DragOver(DWORD KeyState, POINTL Pt, DWORD* Effect) {
  if (!Effect) return E_INVALIDARG;
  return Guarded(this, [&] {
    DWORD Result = FOk ? DropEffectFromKeys(KeyState, *Effect) : DROPEFFECT_NONE;
    *Effect = DROPEFFECT_NONE;
    bool Allow = Result != DROPEFFECT_NONE;
    DragMouseMove(TPoint(Pt.x, Pt.y), Allow, FDropFormats);
    *Effect = Allow ? Result : DROPEFFECT_NONE;
    return S_OK;
  });
}

HRESULT TGRDDropTarget::DragLeave() {
  return Guarded(this, [&] {
    DragMouseLeave();
    return S_OK;
  });
}

HRESULT TGRDDropTarget::Drop(IDataObject* DataObj, DWORD KeyState, POINTL Pt, DWORD* Effect) {
  if (!Effect) return E_INVALIDARG;
  return Guarded(this, [&] {
    const DWORD Allowed = *Effect;
    *Effect = DROPEFFECT_NONE;
    if (!FOk) return S_OK;
    TEnumFormats F(DataObj);
    // A drop that delivered nothing must not let the source remove what
    // it moved.
    if (DeliverDrop(F, TPoint(Pt.x, Pt.y))) *Effect = DropEffectFromKeys(KeyState, Allowed);
    return S_OK;
  });
}

bool TGRDDropTarget::DeliverDrop(TEnumFormats& F, TPoint Pt) {
  if (F.HasCol()) {
    const Integer Col = F.Col();
    if (Col >= 0) {
      DropCol(Pt, Col);
      return true;
    }
  }
  bool Delivered = false;
  // Cells that do not fit their block are refused; the text the drag
  // carries beside them is taken instead.
  if (auto Cells = F.Stream()) {
    DropStream(Pt, Cells.get());
    Delivered = true;
  } else if (RTFDragDropEnabled && F.HasRTF()) {
    DropRTF(Pt, F.RTF());
    Delivered = true;
  } else if (F.HasText()) {
    DropText(Pt, F.Text());
    Delivered = true;
  }
  if (F.HasFile() && F.ReadFileList(F.Files())) {
    DropFiles(Pt, F.Files());
    Delivered = true;
  }
  if (F.HasURL()) {
    DropURL(Pt, F.Text());
    Delivered = true;
  }
  return Delivered;
}

// --- drop source ---------------------------------------------------------------

void TGRDDropSource::FinishDragDrop() {}
void TGRDDropSource::CurrentEffect(Integer) {}
void TGRDDropSource::QueryDrag() {}

HRESULT TGRDDropSource::QueryContinueDrag(BOOL EscapePressed, DWORD KeyState) {
  return Guarded(this, [&]() -> HRESULT {
    HRESULT Result = S_OK;
    if (EscapePressed) {
      FinishDragDrop();
      Result = DRAGDROP_S_CANCEL;
    } else if (!(KeyState & MK_LBUTTON)) {
      FinishDragDrop();
      Result = DRAGDROP_S_DROP;
    }
    QueryDrag();
    return Result;
  });
}

HRESULT TGRDDropSource::GiveFeedback(DWORD Effect) {
  FNoAccept = Effect == DROPEFFECT_NONE;
  Guarded(this, [&] {
    CurrentEffect(static_cast<Integer>(Effect));
    return S_OK;
  });
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

// --- data offered by a drag ------------------------------------------------------

TSourceDataObject::TSourceDataObject(const String& Text, const String& RTF, Integer Col, TMemoryStream* Stream)
    : textdata(Text), rtfdata(RTF), scolidx(Col), memstr(Stream) {
  RegisterGridFormats();
}

HRESULT TSourceDataObject::QueryGetData(FORMATETC* F) {
  if (!F || F->dwAspect != DVASPECT_CONTENT || F->tymed != TYMED_HGLOBAL) return DV_E_FORMATETC;
  const UINT Format = F->cfFormat;
  bool Known = false;
  if (!textdata.empty())
    // Rich text is answered only when there is some: an empty block would
    // be no rich text at all.
    Known = Format == CF_TEXT || Format == CF_UNICODETEXT ||
            (RTFDragDropEnabled && Format == CFRtf && !rtfdata.empty());
  if (memstr && Format == CFGridCells) Known = true;
  if (scolidx != -1 && Format == CFGridCol) Known = true;
  return Known ? S_OK : DV_E_FORMATETC;
}

HGLOBAL TSourceDataObject::MakeBlock(UINT Format) const {
  if (Format == CF_UNICODETEXT)
    return GlobalBlockOf(textdata.c_str(), textdata.size() * sizeof(Char), (textdata.size() + 1) * sizeof(Char));
  if (Format == CF_TEXT || Format == CFRtf) {
    const std::string Bytes = StringToAnsi(Format == CF_TEXT ? textdata : rtfdata);
    return GlobalBlockOf(Bytes.data(), Bytes.size(), Bytes.size() + 1);
  }
  if (Format == CFGridCol) {
    const int32_t Col = scolidx;
    return GlobalBlockOf(&Col, sizeof(Col), sizeof(Col));
  }
  const Int64 Length = memstr->Size();
  if (Length > Int64(UINT32_MAX) - Int64(CellsHeadSize)) return nullptr;
  HGLOBAL Block = GlobalBlockOf(nullptr, 0, CellsHeadSize + static_cast<size_t>(Length));
  TGlobalLock Lock(Block);
  if (!Lock.Data()) return Block;
  const uint32_t Head = static_cast<uint32_t>(Length);
  std::memcpy(Lock.Data(), &Head, sizeof(Head));
  if (Length) std::memcpy(static_cast<Byte*>(Lock.Data()) + CellsHeadSize, memstr->Memory(), Length);
  return Block;
}

HRESULT TSourceDataObject::GetData(FORMATETC* F, STGMEDIUM* Medium) {
  if (!Medium) return E_INVALIDARG;
  *Medium = STGMEDIUM{};
  if (QueryGetData(F) != S_OK) return DV_E_FORMATETC;
  HGLOBAL Block = MakeBlock(F->cfFormat);
  if (!Block) return DV_E_FORMATETC;
  Medium->tymed = TYMED_HGLOBAL;
  Medium->hGlobal = Block;
  Medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT TSourceDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return DV_E_FORMATETC; }

HRESULT TSourceDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return DV_E_FORMATETC; }

HRESULT TSourceDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* Out) {
  if (Out) Out->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT TSourceDataObject::EnumFormatEtc(DWORD Direction, IEnumFORMATETC** Enum) {
  if (!Enum) return E_INVALIDARG;
  *Enum = nullptr;
  if (Direction != DATADIR_GET) return E_NOTIMPL;
  *Enum = new TSourceEnumFormatEtc(scolidx != -1, memstr != nullptr);
  (*Enum)->AddRef();
  return S_OK;
}

HRESULT TSourceDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT TSourceDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT TSourceDataObject::EnumDAdvise(IEnumSTATDATA** Enum) {
  if (Enum) *Enum = nullptr;
  return OLE_E_ADVISENOTSUPPORTED;
}

// --- the format list of a grid drag -------------------------------------------------

TSourceEnumFormatEtc::TSourceEnumFormatEtc(bool HasCol, bool HasGridCells, Integer Index)
    : FIndex(Index), FHasCol(HasCol), FHasGridCells(HasGridCells) {
  RegisterGridFormats();
}

FORMATETC TSourceEnumFormatEtc::Entry(Integer Index) const {
  UINT Format = CF_TEXT;
  if (Index == 1)
    Format = CF_UNICODETEXT;
  else if (Index == 2)
    Format = CFRtf;
  else if (Index == 3)
    Format = FHasCol ? CFGridCol : CFGridCells;
  else if (Index == 4)
    Format = CFGridCells;
  return FORMATETC{static_cast<CLIPFORMAT>(Format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

HRESULT TSourceEnumFormatEtc::Next(ULONG Count, FORMATETC* Array, ULONG* Fetched) {
  if (!Array && Count) return E_INVALIDARG;
  ULONG Done = 0;
  while (Done < Count && FIndex < FormatCount()) Array[Done++] = Entry(FIndex++);
  if (Fetched) *Fetched = Done;
  return Done == Count ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(ULONG Count) {
  const Int64 Target = Int64(FIndex) + Count;
  if (Target > FormatCount()) {
    FIndex = FormatCount();
    return S_FALSE;
  }
  FIndex = static_cast<Integer>(Target);
  return S_OK;
}

HRESULT TSourceEnumFormatEtc::Reset() {
  FIndex = 0;
  return S_OK;
}

HRESULT TSourceEnumFormatEtc::Clone(IEnumFORMATETC** Enum) {
  if (!Enum) return E_INVALIDARG;
  *Enum = new TSourceEnumFormatEtc(FHasCol, FHasGridCells, FIndex);
  (*Enum)->AddRef();
  return S_OK;
}

// --- running a drag ---------------------------------------------------------------------

namespace {

HRESULT RunDrag(TGRDDropSource* DropSource, TSourceDataObject* Data, DWORD OkEffects, DWORD& Effect) {
  Data->AddRef();
  DropSource->AddRef();
  Effect = DROPEFFECT_NONE;
  HRESULT Result = DoDragDrop(Data, DropSource, OkEffects, &Effect);
  if (DropSource->NoAccept()) Result = DRAGDROP_S_CANCEL;
  DropSource->Release();
  Data->Release();
  return Result;
}

}  // namespace

HRESULT StartTextDrag(TGRDDropSource* DropSource, const String& Text, const String& RTF, TMemoryStream* Stream,
                      DWORD OkEffects, DWORD& Effect) {
  return RunDrag(DropSource, new TSourceDataObject(Text, RTF, -1, Stream), OkEffects, Effect);
}

HRESULT StartColumnDrag(TGRDDropSource* DropSource, Integer Column, DWORD OkEffects, DWORD& Effect) {
  return RunDrag(DropSource, new TSourceDataObject(String(), String(), Column, nullptr), OkEffects, Effect);
}

}  // namespace jorv::grid
