#pragma once
// Byte streams: the abstract TStream with its buffer helpers, streams over
// file handles and files, memory, byte and string streams, resources linked
// into a module, and an IStream over any TStream for GDI+ and OLE.
#include <vector>
#include <objidl.h>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Object.h"

namespace jorv {

class TComponent;
class TEncoding;

JORV_EXCEPTION(EResNotFound, Exception)

enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

// File modes: one access value combined with one share value.
constexpr Word fmCreate = 0xFF00;
constexpr Word fmOpenRead = 0x0000;
constexpr Word fmOpenWrite = 0x0001;
constexpr Word fmOpenReadWrite = 0x0002;
constexpr Word fmShareCompat = 0x0000;
constexpr Word fmShareExclusive = 0x0010;
constexpr Word fmShareDenyWrite = 0x0020;
constexpr Word fmShareDenyRead = 0x0030;
constexpr Word fmShareDenyNone = 0x0040;

class TStream : public TObject {
 public:
  // Read and Write move up to Count bytes and return how many they moved.
  virtual Integer Read(void* Buffer, Integer Count) = 0;
  virtual Integer Write(const void* Buffer, Integer Count) = 0;
  virtual Int64 Seek(Int64 Offset, TSeekOrigin Origin) = 0;
  // All or nothing: EReadError "Stream read error" / EWriteError
  // "Stream write error" when fewer bytes move.
  void ReadBuffer(void* Buffer, Integer Count);
  void WriteBuffer(const void* Buffer, Integer Count);

  Int64 Position() { return Seek(0, soCurrent); }
  void SetPosition(Int64 Pos) { Seek(Pos, soBeginning); }
  virtual Int64 Size();
  virtual void SetSize(Int64 NewSize);
  // Copies Count bytes from Source's position; Count 0 copies all of
  // Source from its beginning. Returns the bytes copied.
  Int64 CopyFrom(TStream* Source, Int64 Count);
  // Writes Instance in the binary form format (see Filer.h).
  void WriteComponent(TComponent* Instance);
  // Reads a component written by WriteComponent into Instance, or into a
  // new component of the stream's class (registered by name) when Instance
  // is nullptr. The stream is checked whole first: a damaged one raises
  // EReadError and leaves Instance unchanged.
  TComponent* ReadComponent(TComponent* Instance);
};

class THandleStream : public TStream {
 public:
  explicit THandleStream(HANDLE AHandle) : FHandle(AHandle) {}
  HANDLE Handle() const { return FHandle; }
  Integer Read(void* Buffer, Integer Count) override;
  Integer Write(const void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  // Raises EStreamError when the file cannot be resized.
  void SetSize(Int64 NewSize) override;

 protected:
  HANDLE FHandle = INVALID_HANDLE_VALUE;
};

// Opens (or with fmCreate creates) the file, raising EFOpenError
// "Cannot open file "name". <system message>" or EFCreateError
// "Cannot create file "name". <system message>" with the full path.
class TFileStream : public THandleStream {
 public:
  TFileStream(const String& AFileName, Word Mode);
  ~TFileStream() override;
  const String& FileName() const { return FFileName; }

 private:
  String FFileName;
};

// The position may lie past the end; reading there gives nothing and
// writing there fills the gap with zeros.
class TMemoryStream : public TStream {
 public:
  void* Memory() { return FData.data(); }
  Integer Read(void* Buffer, Integer Count) override;
  Integer Write(const void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  Int64 Size() override { return static_cast<Int64>(FData.size()); }
  void SetSize(Int64 NewSize) override;
  void Clear();
  // Replaces the content with all of Stream (from its beginning) or the file.
  void LoadFromStream(TStream* Stream);
  void LoadFromFile(const String& FileName);
  void SaveToStream(TStream* Stream);
  void SaveToFile(const String& FileName);

 protected:
  std::vector<Byte> FData;
  Int64 FPosition = 0;
};

class TBytesStream : public TMemoryStream {
 public:
  TBytesStream() = default;
  explicit TBytesStream(const TBytes& ABytes);
  TBytes Bytes() const { return TBytes(FData.begin(), FData.end()); }
};

// Holds the text as bytes in its encoding (UTF-16 LE unless one is given,
// so nothing is lost); DataString decodes all of them.
class TStringStream : public TBytesStream {
 public:
  explicit TStringStream(const String& AString = String(), TEncoding* AEncoding = nullptr);
  String DataString() const;
  TEncoding* Encoding() const { return FEncoding; }
  // Reads Count bytes from the position and decodes them.
  String ReadString(Integer Count);
  void WriteString(const String& AString);

 private:
  TEncoding* FEncoding = nullptr;
};

// A read-only view of a resource (RT_RCDATA unless another type is given);
// EResNotFound "Resource <name> not found" when the module lacks it.
class TResourceStream : public TStream {
 public:
  TResourceStream(HINSTANCE Instance, const String& ResName, LPCWSTR ResType = RT_RCDATA);
  TResourceStream(HINSTANCE Instance, Integer ResID, LPCWSTR ResType = RT_RCDATA);
  const void* Memory() const { return FMemory; }
  Integer Read(void* Buffer, Integer Count) override;
  // Raises EStreamError: a resource cannot be written.
  Integer Write(const void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  Int64 Size() override { return FSize; }

 private:
  void Initialize(HINSTANCE Instance, LPCWSTR Name, LPCWSTR ResType, const String& Shown);
  const Byte* FMemory = nullptr;
  Int64 FSize = 0;
  Int64 FPosition = 0;
};

enum TStreamOwnership : uint8_t { soReference, soOwned };

// An IStream over a TStream; with soOwned the stream is freed with the
// adapter's last reference. Create it with new and hand it on as IStream*;
// the taker's AddRef keeps it alive.
class TStreamAdapter : public TInterfacedImpl<IStream> {
 public:
  TStreamAdapter(TStream* Stream, TStreamOwnership Ownership = soReference)
      : FStream(Stream), FOwnership(Ownership) {}
  ~TStreamAdapter() override;
  TStream* Stream() const { return FStream; }

  HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override;
  HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin,
                                 ULARGE_INTEGER* plibNewPosition) override;
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER libNewSize) override;
  HRESULT STDMETHODCALLTYPE CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead,
                                   ULARGE_INTEGER* pcbWritten) override;
  HRESULT STDMETHODCALLTYPE Commit(DWORD grfCommitFlags) override;
  HRESULT STDMETHODCALLTYPE Revert() override;
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override;
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override;
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;
  HRESULT STDMETHODCALLTYPE Clone(IStream** ppstm) override;

 protected:
  void* GetInterface(REFIID iid) override;

 private:
  TStream* FStream = nullptr;
  TStreamOwnership FOwnership = soReference;
};

}  // namespace jorv
