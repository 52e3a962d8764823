#include "platform/rtl/Streams.h"
#include <algorithm>
#include <cstring>
#include "platform/rtl/Encoding.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

// ----------------------------------------------------------------- TStream

void TStream::ReadBuffer(void* Buffer, Integer Count) {
  if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError(L"Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, Integer Count) {
  if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError(L"Stream write error");
}

Int64 TStream::Size() {
  Int64 pos = Seek(0, soCurrent);
  Int64 size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(Int64) {}

Int64 TStream::CopyFrom(TStream* Source, Int64 Count) {
  if (Count == 0) {
    Source->SetPosition(0);
    Count = Source->Size();
  }
  Int64 result = Count;
  constexpr Integer chunk = 64 * 1024;
  std::vector<Byte> buffer(static_cast<size_t>(std::min<Int64>(Count, chunk)));
  while (Count > 0) {
    Integer n = static_cast<Integer>(std::min<Int64>(Count, chunk));
    Source->ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    Count -= n;
  }
  return result;
}

// ----------------------------------------------------------- THandleStream

Integer THandleStream::Read(void* Buffer, Integer Count) {
  DWORD done = 0;
  if (Count <= 0 || !ReadFile(FHandle, Buffer, Count, &done, nullptr)) return 0;
  return static_cast<Integer>(done);
}

Integer THandleStream::Write(const void* Buffer, Integer Count) {
  DWORD done = 0;
  if (Count <= 0 || !WriteFile(FHandle, Buffer, Count, &done, nullptr)) return 0;
  return static_cast<Integer>(done);
}

Int64 THandleStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  LARGE_INTEGER move, result;
  move.QuadPart = Offset;
  DWORD method = Origin == soBeginning ? FILE_BEGIN : Origin == soCurrent ? FILE_CURRENT : FILE_END;
  if (!SetFilePointerEx(FHandle, move, &result, method)) return -1;
  return result.QuadPart;
}

void THandleStream::SetSize(Int64 NewSize) {
  Int64 pos = Position();
  Seek(NewSize, soBeginning);
  if (!SetEndOfFile(FHandle)) {
    DWORD err = GetLastError();
    Seek(pos, soBeginning);
    throw EStreamError(SysErrorMessage(err));
  }
  if (pos < NewSize) Seek(pos, soBeginning);
}

// ------------------------------------------------------------- TFileStream

namespace {

String FullPath(const String& name) {
  DWORD n = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (!n) return name;
  String r(n, L'\0');
  n = GetFullPathNameW(name.c_str(), n, r.data(), nullptr);
  r.resize(n);
  return r;
}

}  // namespace

TFileStream::TFileStream(const String& AFileName, Word Mode) : THandleStream(INVALID_HANDLE_VALUE) {
  FFileName = AFileName;
  static const DWORD shareModes[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE};
  Word shareIndex = (Mode & 0xF0) >> 4;
  DWORD share = shareIndex <= 4 ? shareModes[shareIndex] : 0;
  if ((Mode & fmCreate) == fmCreate) {
    FHandle = CreateFileW(AFileName.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (FHandle == INVALID_HANDLE_VALUE) {
      DWORD err = GetLastError();
      throw EFCreateError(L"Cannot create file \"" + FullPath(AFileName) + L"\". " +
                          SysErrorMessage(err));
    }
  } else {
    static const DWORD access[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE, 0};
    FHandle = CreateFileW(AFileName.c_str(), access[Mode & 3], share, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (FHandle == INVALID_HANDLE_VALUE) {
      DWORD err = GetLastError();
      throw EFOpenError(L"Cannot open file \"" + FullPath(AFileName) + L"\". " +
                        SysErrorMessage(err));
    }
  }
}

TFileStream::~TFileStream() {
  if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
}

// ----------------------------------------------------------- TMemoryStream

Integer TMemoryStream::Read(void* Buffer, Integer Count) {
  Int64 size = Size();
  if (Count <= 0 || FPosition < 0 || FPosition >= size) return 0;
  Integer n = static_cast<Integer>(std::min<Int64>(Count, size - FPosition));
  std::memcpy(Buffer, FData.data() + FPosition, n);
  FPosition += n;
  return n;
}

Integer TMemoryStream::Write(const void* Buffer, Integer Count) {
  if (Count <= 0 || FPosition < 0) return 0;
  Int64 end = FPosition + Count;
  if (end > Size()) FData.resize(static_cast<size_t>(end), 0);
  std::memcpy(FData.data() + FPosition, Buffer, Count);
  FPosition = end;
  return Count;
}

Int64 TMemoryStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  switch (Origin) {
    case soBeginning: FPosition = Offset; break;
    case soCurrent: FPosition += Offset; break;
    case soEnd: FPosition = Size() + Offset; break;
  }
  return FPosition;
}

void TMemoryStream::SetSize(Int64 NewSize) {
  if (NewSize < 0) NewSize = 0;
  FData.resize(static_cast<size_t>(NewSize), 0);
  if (FPosition > NewSize) FPosition = NewSize;
}

void TMemoryStream::Clear() {
  FData.clear();
  FData.shrink_to_fit();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  Stream->SetPosition(0);
  Int64 count = Stream->Size();
  SetSize(count);
  if (count) Stream->ReadBuffer(FData.data(), static_cast<Integer>(count));
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TMemoryStream::SaveToStream(TStream* Stream) {
  if (!FData.empty()) Stream->WriteBuffer(FData.data(), static_cast<Integer>(FData.size()));
}

void TMemoryStream::SaveToFile(const String& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}

TBytesStream::TBytesStream(const TBytes& ABytes) { FData.assign(ABytes.begin(), ABytes.end()); }

// ----------------------------------------------------------- TStringStream

TStringStream::TStringStream(const String& AString, TEncoding* AEncoding)
    : FEncoding(AEncoding ? AEncoding : TEncoding::Unicode()) {
  TBytes bytes = FEncoding->GetBytes(AString);
  FData.assign(bytes.begin(), bytes.end());
}

String TStringStream::DataString() const { return FEncoding->GetString(FData.data(), FData.size()); }

String TStringStream::ReadString(Integer Count) {
  Int64 size = Size();
  if (Count <= 0 || FPosition < 0 || FPosition >= size) return String();
  Integer n = static_cast<Integer>(std::min<Int64>(Count, size - FPosition));
  String s = FEncoding->GetString(FData.data() + FPosition, n);
  FPosition += n;
  return s;
}

void TStringStream::WriteString(const String& AString) {
  TBytes bytes = FEncoding->GetBytes(AString);
  WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

// --------------------------------------------------------- TResourceStream

TResourceStream::TResourceStream(HINSTANCE Instance, const String& ResName, LPCWSTR ResType) {
  Initialize(Instance, ResName.c_str(), ResType, ResName);
}

TResourceStream::TResourceStream(HINSTANCE Instance, Integer ResID, LPCWSTR ResType) {
  Initialize(Instance, MAKEINTRESOURCEW(ResID), ResType, std::to_wstring(ResID));
}

void TResourceStream::Initialize(HINSTANCE Instance, LPCWSTR Name, LPCWSTR ResType,
                                 const String& Shown) {
  HRSRC info = FindResourceW(Instance, Name, ResType);
  HGLOBAL res = info ? LoadResource(Instance, info) : nullptr;
  if (!res) throw EResNotFound(L"Resource " + Shown + L" not found");
  FMemory = static_cast<const Byte*>(LockResource(res));
  FSize = SizeofResource(Instance, info);
}

Integer TResourceStream::Read(void* Buffer, Integer Count) {
  if (Count <= 0 || FPosition < 0 || FPosition >= FSize) return 0;
  Integer n = static_cast<Integer>(std::min<Int64>(Count, FSize - FPosition));
  std::memcpy(Buffer, FMemory + FPosition, n);
  FPosition += n;
  return n;
}

Integer TResourceStream::Write(const void*, Integer) {
  throw EStreamError(L"Can't write to a read-only resource stream");
}

Int64 TResourceStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  switch (Origin) {
    case soBeginning: FPosition = Offset; break;
    case soCurrent: FPosition += Offset; break;
    case soEnd: FPosition = FSize + Offset; break;
  }
  return FPosition;
}

// ---------------------------------------------------------- TStreamAdapter

TStreamAdapter::~TStreamAdapter() {
  if (FOwnership == soOwned) delete FStream;
}

void* TStreamAdapter::GetInterface(REFIID iid) {
  if (IsEqualIID(iid, IID_ISequentialStream)) return static_cast<IStream*>(this);
  return TInterfacedImpl<IStream>::GetInterface(iid);
}

HRESULT TStreamAdapter::Read(void* pv, ULONG cb, ULONG* pcbRead) {
  if (!pv) return STG_E_INVALIDPOINTER;
  try {
    Integer n = FStream->Read(pv, static_cast<Integer>(cb));
    if (pcbRead) *pcbRead = n;
    return S_OK;
  } catch (...) {
    return S_FALSE;
  }
}

HRESULT TStreamAdapter::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
  if (!pv) return STG_E_INVALIDPOINTER;
  try {
    Integer n = FStream->Write(pv, static_cast<Integer>(cb));
    if (pcbWritten) *pcbWritten = n;
    return static_cast<ULONG>(n) == cb ? S_OK : STG_E_CANTSAVE;
  } catch (...) {
    return STG_E_CANTSAVE;
  }
}

HRESULT TStreamAdapter::Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin,
                             ULARGE_INTEGER* plibNewPosition) {
  if (dwOrigin > STREAM_SEEK_END) return STG_E_INVALIDFUNCTION;
  try {
    Int64 pos = FStream->Seek(dlibMove.QuadPart, static_cast<TSeekOrigin>(dwOrigin));
    if (pos < 0) return STG_E_INVALIDFUNCTION;
    if (plibNewPosition) plibNewPosition->QuadPart = pos;
    return S_OK;
  } catch (...) {
    return STG_E_INVALIDPOINTER;
  }
}

HRESULT TStreamAdapter::SetSize(ULARGE_INTEGER libNewSize) {
  try {
    FStream->SetSize(static_cast<Int64>(libNewSize.QuadPart));
    return FStream->Size() == static_cast<Int64>(libNewSize.QuadPart) ? S_OK : E_FAIL;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT TStreamAdapter::CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead,
                               ULARGE_INTEGER* pcbWritten) {
  if (!pstm) return STG_E_INVALIDPOINTER;
  UInt64 total = cb.QuadPart, read = 0, written = 0;
  std::vector<Byte> buffer(64 * 1024);
  HRESULT hr = S_OK;
  while (read < total) {
    ULONG want = static_cast<ULONG>(std::min<UInt64>(buffer.size(), total - read));
    Integer got = FStream->Read(buffer.data(), static_cast<Integer>(want));
    if (got <= 0) break;
    read += got;
    ULONG put = 0;
    hr = pstm->Write(buffer.data(), got, &put);
    written += put;
    if (FAILED(hr) || put != static_cast<ULONG>(got)) {
      if (SUCCEEDED(hr)) hr = STG_E_MEDIUMFULL;
      break;
    }
  }
  if (pcbRead) pcbRead->QuadPart = read;
  if (pcbWritten) pcbWritten->QuadPart = written;
  return hr;
}

HRESULT TStreamAdapter::Commit(DWORD) { return S_OK; }
HRESULT TStreamAdapter::Revert() { return STG_E_REVERTED; }
HRESULT TStreamAdapter::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
  return STG_E_INVALIDFUNCTION;
}
HRESULT TStreamAdapter::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
  return STG_E_INVALIDFUNCTION;
}

HRESULT TStreamAdapter::Stat(STATSTG* pstatstg, DWORD) {
  if (!pstatstg) return STG_E_INVALIDPOINTER;
  std::memset(pstatstg, 0, sizeof(*pstatstg));
  try {
    pstatstg->type = STGTY_STREAM;
    pstatstg->cbSize.QuadPart = static_cast<UInt64>(FStream->Size());
    pstatstg->grfMode = STGM_READWRITE;
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT TStreamAdapter::Clone(IStream** ppstm) {
  if (ppstm) *ppstm = nullptr;
  return E_NOTIMPL;
}

}  // namespace jorv
