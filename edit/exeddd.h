#pragma once
// OLE drag and drop of edit text: reading what is dropped, a drop target
// with overridable hooks, and the source side that offers text.
#include <memory>
#include <ole2.h>
#include "platform/rtl/Object.h"
#include "platform/rtl/Strings.h"

namespace jorv::edit {

// Registered "Rich Text Format" number (0 until a reader registered it), and
// whether rich text is accepted and served at all.
extern UINT CFRtf;
extern bool EnableRTF;

// Walks the formats of a dropped data object and reads text and file lists.
class TEnumFormats : public TObject {
 public:
  explicit TEnumFormats(IDataObject* DataObject);
  ~TEnumFormats() override;

  IDataObject* DataObject() const { return FDataObject; }
  void SetDataObject(IDataObject* Value);
  const FORMATETC& FormatEtc() const { return FFormatEtc; }
  Word Format() const { return FFormatEtc.cfFormat; }
  void SetFormat(Word Value) { FFormatEtc.cfFormat = Value; }
  DWORD Aspect() const { return FFormatEtc.dwAspect; }
  void SetAspect(DWORD Value) { FFormatEtc.dwAspect = Value; }
  LONG Index() const { return FFormatEtc.lindex; }
  void SetIndex(LONG Value) { FFormatEtc.lindex = Value; }
  DWORD Medium() const { return FFormatEtc.tymed; }
  void SetMedium(DWORD Value) { FFormatEtc.tymed = Value; }
  bool Valid() const { return FValid; }
  Integer Count() const { return FCount; }
  TStringList* Files() const { return FFiles.get(); }

  bool Reset();
  bool Next();
  bool HasFormat(CLIPFORMAT ClipFormat);
  // The current format's data in medium Tymed; the caller releases it.
  bool Handle(DWORD Tymed, STGMEDIUM& Medium);
  bool HasText() { return HasFormat(CF_UNICODETEXT); }
  String Text() { return ReadFormatText(CF_UNICODETEXT); }
  bool HasRTF() { return CFRtf != 0 && HasFormat(static_cast<CLIPFORMAT>(CFRtf)); }
  String RTF();
  bool HasFile() { return HasFormat(CF_HDROP); }
  String ReadFormatText(CLIPFORMAT ClipFormat);
  bool ReadFileList();

 private:
  IDataObject* FDataObject = nullptr;
  IEnumFORMATETC* FEnumerator = nullptr;
  FORMATETC FFormatEtc{};
  bool FValid = false;
  Integer FCount = 0;
  std::unique_ptr<TStringList> FFiles = std::make_unique<TStringList>();
};

class TAEDropTarget : public TInterfacedImpl<IDropTarget> {
 public:
  virtual void DropText(POINT /*Pt*/, const String& /*Text*/) {}
  virtual void DropRTF(POINT /*Pt*/, const String& /*Text*/) {}
  virtual void DropFiles(POINT /*Pt*/, TStrings* /*Files*/) {}
  virtual void DragMouseMove(POINT /*Pt*/, bool& Allow) { Allow = true; }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* DataObj, DWORD KeyState, POINTL Pt, DWORD* Effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD KeyState, POINTL Pt, DWORD* Effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* DataObj, DWORD KeyState, POINTL Pt, DWORD* Effect) override;

 protected:
  bool FOk = false;
};

class TAEDropSource : public TInterfacedImpl<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL EscapePressed, DWORD KeyState) override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD Effect) override;
  bool NoAccept() const { return FNoAccept; }

 private:
  bool FNoAccept = false;
};

class TSourceDataObject : public TInterfacedImpl<IDataObject> {
 public:
  TSourceDataObject(const String& Text, const String& RTF) : textdata(Text), rtfdata(RTF) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* FormatEtc, STGMEDIUM* Medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* FormatEtc) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* In, FORMATETC* Out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD Direction, IEnumFORMATETC** Enum) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** Enum) override;

 private:
  String textdata;
  String rtfdata;
};

class TSourceEnumFormatEtc : public TInterfacedImpl<IEnumFORMATETC> {
 public:
  explicit TSourceEnumFormatEtc(Integer Index = 0) : FIndex(Index) {}
  HRESULT STDMETHODCALLTYPE Next(ULONG Count, FORMATETC* Array, ULONG* Fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG Count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** Enum) override;

 private:
  Integer FIndex = 0;
};

// Runs a drag of Text; DRAGDROP_S_CANCEL also when the last target offered
// no effect.
HRESULT StartEditTextDrag(const String& Text, const String& RTF, DWORD OkEffects, DWORD& Effect);

class TExEdit;

// Inserts text dropped on an enhanced edit.
class TEditDropTarget : public TAEDropTarget {
 public:
  explicit TEditDropTarget(TExEdit* AEdit) : FExEdit(AEdit) {}
  void DropText(POINT Pt, const String& Text) override;
  void DragMouseMove(POINT Pt, bool& Allow) override;

 private:
  TExEdit* FExEdit = nullptr;
};

}  // namespace jorv::edit
