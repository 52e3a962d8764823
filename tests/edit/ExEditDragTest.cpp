// Text dragged out of the enhanced edit and text or files dropped onto it,
// through the real OLE interfaces.
#include <gtest/gtest.h>

#include <shlobj.h>
#include <cstring>
#include <vector>
#include "edit/ExEdit.h"
#include "edit/exeddd.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::edit;

using namespace jorv;
using namespace jorv::test;

namespace {

FORMATETC Fmt(CLIPFORMAT F, DWORD Tymed = TYMED_HGLOBAL, DWORD Aspect = DVASPECT_CONTENT) {
  return FORMATETC{F, nullptr, Aspect, -1, Tymed};
}

// Owns one reference to a COM object for the length of a test.
template <class T>
struct Ref {
  T* P;
  Ref(const Ref&) = delete;
  explicit Ref(T* X) : P(X) { P->AddRef(); }
  ~Ref() { P->Release(); }
  T* operator->() const { return P; }
};

// A dropped object that offers exactly one format in an HGLOBAL block.
class OneFormat : public TInterfacedImpl<IDataObject> {
 public:
  OneFormat(CLIPFORMAT F, std::vector<BYTE> Bytes) : FFormat(F), FBytes(std::move(Bytes)) {}
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* F, STGMEDIUM* M) override {
    if (F->cfFormat != FFormat || !(F->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
    HGLOBAL H = GlobalAlloc(GMEM_MOVEABLE, FBytes.size());
    memcpy(GlobalLock(H), FBytes.data(), FBytes.size());
    GlobalUnlock(H);
    *M = STGMEDIUM{};
    M->tymed = TYMED_HGLOBAL;
    M->hGlobal = H;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* F) override { return F->cfFormat == FFormat ? S_OK : DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC** E) override {
    FORMATETC F = Fmt(FFormat);
    return SHCreateStdEnumFmtEtc(1, &F, E);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

 private:
  CLIPFORMAT FFormat;
  std::vector<BYTE> FBytes;
};

std::vector<BYTE> FileList(const std::vector<String>& Names) {
  std::vector<BYTE> B(sizeof(DROPFILES));
  auto* D = reinterpret_cast<DROPFILES*>(B.data());
  D->pFiles = sizeof(DROPFILES);
  D->fWide = TRUE;
  for (const String& N : Names) {
    const BYTE* P = reinterpret_cast<const BYTE*>(N.c_str());
    B.insert(B.end(), P, P + (N.size() + 1) * 2);
  }
  B.push_back(0);
  B.push_back(0);
  return B;
}

String ReadUnicode(IDataObject* D) {
  FORMATETC F = Fmt(CF_UNICODETEXT);
  STGMEDIUM M{};
  if (D->GetData(&F, &M) != S_OK) return L"<none>";
  String S(static_cast<const wchar_t*>(GlobalLock(M.hGlobal)));
  GlobalUnlock(M.hGlobal);
  ReleaseStgMedium(&M);
  return S;
}

TEST(EditDragSource, OffersTextInBothCodePagesOnlyInGlobalMemory) {
  Ref<TSourceDataObject> D(new TSourceDataObject(L"Grüße", L""));
  struct Case {
    FORMATETC F;
    HRESULT Want;
  } Cases[] = {
      {Fmt(CF_TEXT), S_OK},
      {Fmt(CF_UNICODETEXT), S_OK},
      {Fmt(CF_TEXT, TYMED_HGLOBAL | TYMED_ISTREAM), DV_E_FORMATETC},
      {Fmt(CF_TEXT, TYMED_HGLOBAL, DVASPECT_ICON), DV_E_FORMATETC},
      {Fmt(CF_HDROP), DV_E_FORMATETC},
  };
  for (auto& C : Cases) EXPECT_EQ(D->QueryGetData(&C.F), C.Want) << C.F.cfFormat << " " << C.F.tymed;

  EXPECT_EQ(ReadUnicode(D.P), L"Grüße");
  FORMATETC F = Fmt(CF_TEXT);
  STGMEDIUM M{};
  ASSERT_EQ(D->GetData(&F, &M), S_OK);
  EXPECT_EQ(GlobalSize(M.hGlobal), 6u);  // five characters and the zero in the 8-bit code page
  EXPECT_EQ(M.pUnkForRelease, nullptr);
  ReleaseStgMedium(&M);
  F = Fmt(CF_TEXT, TYMED_ISTREAM);
  EXPECT_EQ(D->GetData(&F, &M), DV_E_FORMATETC);
  EXPECT_EQ(M.hGlobal, nullptr);

  IEnumFORMATETC* E = nullptr;
  EXPECT_EQ(D->EnumFormatEtc(DATADIR_SET, &E), E_NOTIMPL);
  EXPECT_EQ(E, nullptr);
}

TEST(EditDragSource, FormatEnumeratorWalksThreeFormats) {
  Ref<TSourceDataObject> D(new TSourceDataObject(L"x", L""));
  IEnumFORMATETC* Raw = nullptr;
  ASSERT_EQ(D->EnumFormatEtc(DATADIR_GET, &Raw), S_OK);
  FORMATETC Got[4]{};
  ULONG N = 0;
  EXPECT_EQ(Raw->Next(2, Got, &N), S_OK);
  EXPECT_EQ(N, 2u);
  EXPECT_EQ(Got[0].cfFormat, CF_TEXT);
  EXPECT_EQ(Got[1].cfFormat, CF_UNICODETEXT);
  EXPECT_EQ(Got[1].tymed, static_cast<DWORD>(TYMED_HGLOBAL));
  EXPECT_EQ(Raw->Next(4, Got, &N), S_FALSE);
  EXPECT_EQ(N, 1u);
  IEnumFORMATETC* Copy = nullptr;
  EXPECT_EQ(Raw->Reset(), S_OK);
  EXPECT_EQ(Raw->Skip(1), S_OK);
  ASSERT_EQ(Raw->Clone(&Copy), S_OK);
  EXPECT_EQ(Copy->Next(1, Got, &N), S_OK);
  EXPECT_EQ(Got[0].cfFormat, CF_UNICODETEXT);
  EXPECT_EQ(Raw->Skip(5), S_FALSE);
  EXPECT_EQ(Raw->Next(1, Got, &N), S_FALSE);
  EXPECT_EQ(N, 0u);
  Copy->Release();
  Raw->Release();
}

TEST(EditDragSource, SourceFollowsKeysAndFeedback) {
  Ref<TAEDropSource> S(new TAEDropSource);
  EXPECT_EQ(S->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
  EXPECT_EQ(S->QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
  EXPECT_EQ(S->QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
  EXPECT_EQ(S->GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
  EXPECT_TRUE(S->NoAccept());
  S->GiveFeedback(DROPEFFECT_MOVE);
  EXPECT_FALSE(S->NoAccept());
}

class Recorder : public TAEDropTarget {
 public:
  std::vector<String> Got;
  void DropText(POINT, const String& T) override { Got.push_back(L"text " + T); }
  void DropFiles(POINT, TStrings* F) override {
    for (Integer I = 0; I < F->Count(); ++I) Got.push_back(L"file " + F->Strings(I));
  }
};

TEST(EditDropTarget, AcceptsUnicodeTextAndFileListsOnly) {
  struct Case {
    IDataObject* Data;
    DWORD Keys;
    DWORD Effect;
    std::vector<String> Got;
  };
  auto* Text = new TSourceDataObject(L"hi", L"");
  std::vector<BYTE> Ansi{'h', 'i', 0};
  auto* AnsiOnly = new OneFormat(CF_TEXT, Ansi);
  auto* Files = new OneFormat(CF_HDROP, FileList({L"C:\\a.txt", L"C:\\b c.txt"}));
  Case Cases[] = {
      {Text, 0, DROPEFFECT_MOVE, {L"text hi"}},
      {Text, MK_CONTROL, DROPEFFECT_COPY, {L"text hi"}},
      {AnsiOnly, 0, DROPEFFECT_NONE, {}},
      {Files, 0, DROPEFFECT_MOVE, {L"file C:\\a.txt", L"file C:\\b c.txt"}},
  };
  Ref<IDataObject> Keep[] = {Ref<IDataObject>(Text), Ref<IDataObject>(AnsiOnly), Ref<IDataObject>(Files)};
  for (auto& C : Cases) {
    Ref<Recorder> R(new Recorder);
    DWORD E = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(R->DragEnter(C.Data, C.Keys, POINTL{0, 0}, &E), S_OK);
    EXPECT_EQ(E, C.Effect);
    E = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    R->DragOver(C.Keys, POINTL{0, 0}, &E);
    EXPECT_EQ(E, C.Effect);
    E = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    R->Drop(C.Data, C.Keys, POINTL{0, 0}, &E);
    EXPECT_EQ(E, C.Effect);
    EXPECT_EQ(R->Got, C.Got);
  }
}

TEST(EditDropTarget, DropInsertsTheFirstLineAtTheMouse) {
  TTestForm Form;
  auto* E = new TExEdit(Form.Get());
  E->SetParent(Form.Get());
  E->SetBounds(10, 10, 200, 21);
  E->SetText(L"ab");
  E->SetOleDropTarget(true);
  // Registered once: a second registration of the window fails.
  Ref<Recorder> Probe(new Recorder);
  EXPECT_EQ(RegisterDragDrop(E->Handle(), Probe.P), DRAGDROP_E_ALREADYREGISTERED);

  // The mouse right of the text: the drop lands at the end.
  POINT P{190, 10};
  ClientToScreen(E->Handle(), &P);
  SetCursorPos(P.x, P.y);
  Ref<TEditDropTarget> T(new TEditDropTarget(E));
  Ref<TSourceDataObject> D(new TSourceDataObject(L"cd\r\nef", L""));
  DWORD Effect = DROPEFFECT_MOVE;
  T->DragEnter(D.P, 0, POINTL{P.x, P.y}, &Effect);
  T->DragOver(0, POINTL{P.x, P.y}, &Effect);
  EXPECT_EQ(Effect, static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_NE(E->DropCaretPos().X, -1);
  T->Drop(D.P, 0, POINTL{P.x, P.y}, &Effect);
  EXPECT_EQ(E->Text(), L"abcd");
  EXPECT_EQ(E->DropCaretPos().X, -1);

  E->SetOleDropTarget(false);
  EXPECT_EQ(RegisterDragDrop(E->Handle(), Probe.P), S_OK);
  RevokeDragDrop(E->Handle());
}

}  // namespace
