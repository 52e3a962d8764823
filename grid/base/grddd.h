#pragma once
// OLE drag and drop of grid contents: a reader of a dropped data object, a
// drop target that turns a drop into typed calls, a drop source, the data
// object a grid drag offers with its format list, and the two functions
// that run a drag. The grid derives its own target and source from these.
//
// Formats, each in a global memory block: CF_UNICODETEXT and CF_TEXT (zero
// ended), "Rich Text Format" (8-bit, zero ended, while rich text is on),
// "Grid Column" (a 32-bit column), "TRezIvevirAvod Cells" (a 32-bit length
// n, four zero bytes, n bytes of cell stream); read only: CF_HDROP and the
// presence of "UniformResourceLocator".
#include <memory>
#include <ole2.h>
#include "platform/rtl/Object.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

namespace jorv::grid {
using namespace jorv;

enum TDropFormat : uint8_t { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = TSet<TDropFormat, 8>;

// Registered numbers of the named formats; 0 until registered. Registering
// needs no open clipboard, so they are registered whenever a reader, a data
// object or a format list is made (RegisterGridFormats).
extern UINT CFRtf;
extern UINT CFGridCol;
extern UINT CFGridCells;
extern UINT CFURL;
void RegisterGridFormats();

// Whether rich text is offered and accepted at all (off at start).
extern bool RTFDragDropEnabled;
void EnableRTFDragDrop(bool Value);

// Ctrl: copy; otherwise move when Allowed holds it, else copy.
DWORD DropEffectFromKeys(DWORD KeyState, DWORD Allowed);

// Walks the formats of one data object and reads its contents. Every
// reader stays within the memory block it is given: a block too short for
// what it must hold reads as absent.
class TEnumFormats : public TObject {
 public:
  // Asserts "Cannot get the format enumerator" when the object has none.
  explicit TEnumFormats(IDataObject* DataObject);
  ~TEnumFormats() override;

  IDataObject* DataObject() const { return FDataObject; }
  Integer Count() const { return FCount; }
  bool Valid() const { return FValid; }
  const FORMATETC& FormatEtc() const { return FFormatEtc; }
  DWORD Aspect() const { return FFormatEtc.dwAspect; }
  void SetAspect(DWORD Value) { FFormatEtc.dwAspect = Value; }
  CLIPFORMAT Format() const { return FFormatEtc.cfFormat; }
  void SetFormat(CLIPFORMAT Value) { FFormatEtc.cfFormat = Value; }
  LONG Index() const { return FFormatEtc.lindex; }
  void SetIndex(LONG Value) { FFormatEtc.lindex = Value; }
  DWORD Medium() const { return FFormatEtc.tymed; }
  void SetMedium(DWORD Value) { FFormatEtc.tymed = Value; }

  bool Reset();
  bool Next();
  // Makes the first format of this clipboard number the current one.
  bool HasFormat(UINT ClipFormat);
  // The current format's data in medium Tymed (nullptr when the format is
  // not valid, does not come in Tymed or cannot be had). The reader owns
  // it until the next call or its end.
  HANDLE Handle(DWORD Tymed);
  HGLOBAL GlobalHandle() { return static_cast<HGLOBAL>(Handle(TYMED_HGLOBAL)); }

  bool HasText() { return HasFormat(CF_UNICODETEXT); }
  bool HasFile() { return HasFormat(CF_HDROP); }
  bool HasRTF() { return HasFormat(CFRtf); }
  bool HasCol() { return HasFormat(CFGridCol); }
  bool HasURL() { return HasFormat(CFURL); }
  bool HasGridCells() { return HasFormat(CFGridCells); }

  String Text();
  String RTF();
  // -1 when absent or shorter than 4 bytes.
  Integer Col();
  // The cell stream after the 8-byte head, or nullptr when absent or when
  // the head's length does not fit the block.
  std::unique_ptr<TMemoryStream> Stream();
  // The current format (made current by HasFile) as a file list into
  // List; true when it gave any names.
  bool ReadFileList(TStrings* List);
  TStringList* Files() const { return FFiles.get(); }

 private:
  void ReleaseData();

  IDataObject* FDataObject = nullptr;
  IEnumFORMATETC* FEnumerator = nullptr;
  FORMATETC FFormatEtc{};
  bool FValid = false;
  Integer FCount = 0;
  std::unique_ptr<TStringList> FFiles = std::make_unique<TStringList>();
  STGMEDIUM FData{};
};

// Sorts a drop into typed calls; the grid overrides the hooks.
class TGRDDropTarget : public TInterfacedImpl<IDropTarget> {
 public:
  virtual void DropText(TPoint Pt, const String& S);
  virtual void DropStream(TPoint Pt, TMemoryStream* Stream);
  virtual void DropCol(TPoint Pt, Integer Col);
  virtual void DropRTF(TPoint Pt, const String& S);
  virtual void DropFiles(TPoint Pt, TStrings* Files);
  virtual void DropURL(TPoint Pt, const String& S);
  virtual void DragMouseMove(TPoint Pt, bool& Allow, TDropFormats DropFormats);
  virtual void DragMouseEnter();
  virtual void DragMouseLeave();

  bool AcceptText() const { return FAcceptText; }
  void SetAcceptText(bool Value) { FAcceptText = Value; }
  bool AcceptFiles() const { return FAcceptFiles; }
  void SetAcceptFiles(bool Value) { FAcceptFiles = Value; }
  bool AcceptCols() const { return FAcceptCols; }
  void SetAcceptCols(bool Value) { FAcceptCols = Value; }
  bool AcceptURLs() const { return FAcceptURLs; }
  void SetAcceptURLs(bool Value) { FAcceptURLs = Value; }
  TDropFormats DropFormats() const { return FDropFormats; }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* DataObj, DWORD KeyState, POINTL Pt, DWORD* Effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD KeyState, POINTL Pt, DWORD* Effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* DataObj, DWORD KeyState, POINTL Pt, DWORD* Effect) override;

 protected:
  bool FOk = false;

 private:
  // The typed calls of one drop; false when nothing could be delivered.
  bool DeliverDrop(TEnumFormats& Formats, TPoint Pt);
  bool FAcceptText = true;
  bool FAcceptFiles = true;
  bool FAcceptCols = false;
  bool FAcceptURLs = true;
  TDropFormats FDropFormats;
};

class TGRDDropSource : public TInterfacedImpl<IDropSource> {
 public:
  virtual void FinishDragDrop();
  virtual void CurrentEffect(Integer Effect);
  virtual void QueryDrag();

  // The last feedback reported that no effect was possible.
  bool NoAccept() const { return FNoAccept; }

  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL EscapePressed, DWORD KeyState) override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD Effect) override;

 protected:
  bool FNoAccept = false;
};

// What a grid drag offers: text (also as 8-bit text and, while switched
// on, rich text), a column (-1: none) and a cell stream (not owned; it
// must outlive the drag).
class TSourceDataObject : public TInterfacedImpl<IDataObject> {
 public:
  TSourceDataObject(const String& Text, const String& RTF, Integer Col, TMemoryStream* Stream);

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* FormatEtc, STGMEDIUM* Medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* FormatEtc, STGMEDIUM* Medium) override;
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* FormatEtc) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* In, FORMATETC* Out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC* FormatEtc, STGMEDIUM* Medium, BOOL Release) override;
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD Direction, IEnumFORMATETC** Enum) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* FormatEtc, DWORD Flags, IAdviseSink* Sink,
                                    DWORD* Connection) override;
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD Connection) override;
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** Enum) override;

 private:
  // The block of one answerable format, or nullptr.
  HGLOBAL MakeBlock(UINT Format) const;
  String textdata;
  String rtfdata;
  Integer scolidx = -1;
  TMemoryStream* memstr = nullptr;
};

// CF_TEXT, CF_UNICODETEXT, rich text, then "Grid Column" and the cells
// (always last) when the data object holds them.
class TSourceEnumFormatEtc : public TInterfacedImpl<IEnumFORMATETC> {
 public:
  TSourceEnumFormatEtc(bool HasCol, bool HasGridCells, Integer Index = 0);
  HRESULT STDMETHODCALLTYPE Next(ULONG Count, FORMATETC* Array, ULONG* Fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG Count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** Enum) override;

 private:
  Integer FormatCount() const { return 3 + (FHasCol ? 1 : 0) + (FHasGridCells ? 1 : 0); }
  FORMATETC Entry(Integer Index) const;
  Integer FIndex = 0;
  bool FHasCol = false;
  bool FHasGridCells = false;
};

// Runs the modal drag of text, rich text and an optional cell stream with
// DropSource; DRAGDROP_S_CANCEL also when the last target showed no effect.
HRESULT StartTextDrag(TGRDDropSource* DropSource, const String& Text, const String& RTF, TMemoryStream* Stream,
                      DWORD OkEffects, DWORD& Effect);
// The same with a data object holding only Column.
HRESULT StartColumnDrag(TGRDDropSource* DropSource, Integer Column, DWORD OkEffects, DWORD& Effect);

}  // namespace jorv::grid
