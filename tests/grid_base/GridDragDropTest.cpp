// Grid drag and drop through the real OLE interfaces: what a grid drag
// offers, how a drop is sorted into typed calls, blocks from other
// programs that lie about their contents, and a drag between two windows.
#include <gtest/gtest.h>

#include <shlobj.h>
#include <cstring>
#include <map>
#include <thread>
#include <vector>
#include "grid/base/grddd.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

using TBlock = std::vector<Byte>;

FORMATETC Fmt(UINT F, DWORD Tymed = TYMED_HGLOBAL, DWORD Aspect = DVASPECT_CONTENT) {
  return FORMATETC{static_cast<CLIPFORMAT>(F), nullptr, Aspect, -1, Tymed};
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

void EnsureOle() {
  static const bool Done = SUCCEEDED(OleInitialize(nullptr));
  ASSERT_TRUE(Done);
  RegisterGridFormats();
}

TBlock Bytes(const void* P, size_t N) { return TBlock(static_cast<const Byte*>(P), static_cast<const Byte*>(P) + N); }
TBlock operator+(TBlock A, const TBlock& B) {
  A.insert(A.end(), B.begin(), B.end());
  return A;
}
TBlock Wide(const String& S, bool Terminated = true) {
  return Bytes(S.c_str(), (S.size() + (Terminated ? 1 : 0)) * sizeof(Char));
}
TBlock Ansi(const std::string& S, bool Terminated = true) { return Bytes(S.c_str(), S.size() + (Terminated ? 1 : 0)); }
TBlock Int32(int32_t V) { return Bytes(&V, 4); }
// The cells head claiming Length bytes, followed by Body.
TBlock Cells(uint32_t Length, const std::string& Body) {
  TBlock B = Bytes(&Length, 4);
  B.insert(B.end(), 4, 0);
  B.insert(B.end(), Body.begin(), Body.end());
  return B;
}

TBlock FileList(const TBlock& Names, bool WideNames = true, DWORD Offset = sizeof(DROPFILES)) {
  TBlock B(sizeof(DROPFILES));
  DROPFILES D{};
  D.pFiles = Offset;
  D.fWide = WideNames;
  std::memcpy(B.data(), &D, sizeof(D));
  B.insert(B.end(), Names.begin(), Names.end());
  return B;
}

// An object dropped by some other program: each format in a block of
// exactly the bytes given, whatever they claim to hold.
class Foreign : public TInterfacedImpl<IDataObject> {
 public:
  Foreign(std::initializer_list<std::pair<const UINT, TBlock>> Formats) : FFormats(Formats) {}
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* F, STGMEDIUM* M) override {
    auto It = FFormats.find(F->cfFormat);
    if (It == FFormats.end() || F->tymed != TYMED_HGLOBAL) return DV_E_FORMATETC;
    HGLOBAL H = GlobalAlloc(GMEM_MOVEABLE, It->second.size());
    if (!It->second.empty()) std::memcpy(GlobalLock(H), It->second.data(), It->second.size());
    GlobalUnlock(H);
    *M = STGMEDIUM{};
    M->tymed = TYMED_HGLOBAL;
    M->hGlobal = H;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* F) override {
    return FFormats.count(F->cfFormat) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC** E) override {
    std::vector<FORMATETC> List;
    for (auto& [Format, Block] : FFormats) List.push_back(Fmt(Format));
    return SHCreateStdEnumFmtEtc(static_cast<UINT>(List.size()), List.data(), E);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

 private:
  std::map<UINT, TBlock> FFormats;
};

// Writes down every typed call of a drop.
class Recorder : public TGRDDropTarget {
 public:
  std::vector<String> Got;
  bool Refuse = false;
  void DropText(TPoint, const String& S) override { Got.push_back(L"text " + S); }
  void DropStream(TPoint, TMemoryStream* M) override {
    Got.push_back(L"cells " + String(static_cast<const char*>(M->Memory()),
                                     static_cast<const char*>(M->Memory()) + M->Size()));
  }
  void DropCol(TPoint, Integer Col) override { Got.push_back(L"col " + IntToStr(Col)); }
  void DropRTF(TPoint, const String& S) override { Got.push_back(L"rtf " + S); }
  void DropFiles(TPoint, TStrings* F) override {
    for (Integer I = 0; I < F->Count(); ++I) Got.push_back(L"file " + F->Strings(I));
  }
  void DropURL(TPoint, const String& S) override { Got.push_back(L"url " + S); }
  void DragMouseMove(TPoint, bool& Allow, TDropFormats) override {
    if (Refuse) Allow = false;
  }
};

// Runs a whole drag of Data over R with Keys and gives back what it saw.
DWORD DropOn(Recorder* R, IDataObject* Data, DWORD Keys = 0, DWORD Allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE) {
  DWORD E = Allowed;
  EXPECT_EQ(R->DragEnter(Data, Keys, POINTL{5, 6}, &E), S_OK);
  E = Allowed;
  R->DragOver(Keys, POINTL{5, 6}, &E);
  E = Allowed;
  EXPECT_EQ(R->Drop(Data, Keys, POINTL{5, 6}, &E), S_OK);
  return E;
}

String ReadWide(IDataObject* D, UINT Format) {
  FORMATETC F = Fmt(Format);
  STGMEDIUM M{};
  if (D->GetData(&F, &M) != S_OK) return L"<none>";
  String S(static_cast<const wchar_t*>(GlobalLock(M.hGlobal)));
  GlobalUnlock(M.hGlobal);
  ReleaseStgMedium(&M);
  return S;
}

HRESULT QueryGetDataOf(IDataObject* D, UINT Format) {
  FORMATETC F = Fmt(Format);
  return D->QueryGetData(&F);
}

TBlock ReadBlock(IDataObject* D, UINT Format) {
  FORMATETC F = Fmt(Format);
  STGMEDIUM M{};
  if (D->GetData(&F, &M) != S_OK) return TBlock();
  TBlock B = Bytes(GlobalLock(M.hGlobal), GlobalSize(M.hGlobal));
  GlobalUnlock(M.hGlobal);
  ReleaseStgMedium(&M);
  return B;
}

TEST(GridDropTarget, SortsADropIntoTypedCalls) {
  EnsureOle();
  struct Case {
    const char* Name;
    Foreign* Data;
    bool RTF;
    std::vector<String> Want;
  };
  const TBlock Files = FileList(Wide(L"C:\\a.txt") + Wide(L"C:\\b c.txt") + Wide(L""));
  Case Cases[] = {
      // A column from another grid goes alone, whatever else comes with it.
      {"column", new Foreign({{CFGridCol, Int32(3)}, {CF_UNICODETEXT, Wide(L"x")}}), false, {L"col 3"}},
      {"cells", new Foreign({{CFGridCells, Cells(3, "abc")}, {CF_UNICODETEXT, Wide(L"x")}}), false, {L"cells abc"}},
      {"text and files", new Foreign({{CF_UNICODETEXT, Wide(L"hi")}, {CF_HDROP, Files}}), false,
       {L"text hi", L"file C:\\a.txt", L"file C:\\b c.txt"}},
      {"rich text off", new Foreign({{CFRtf, Ansi("{\\rtf1}")}, {CF_UNICODETEXT, Wide(L"t")}}), false, {L"text t"}},
      {"rich text on", new Foreign({{CFRtf, Ansi("{\\rtf1}")}, {CF_UNICODETEXT, Wide(L"t")}}), true,
       {L"rtf {\\rtf1}"}},
      {"link alone", new Foreign({{CFURL, Ansi("http://x")}}), false, {L"url "}},
      {"link with text", new Foreign({{CFURL, TBlock{0}}, {CF_UNICODETEXT, Wide(L"http://y")}}), false,
       {L"text http://y", L"url http://y"}},
  };
  for (auto& C : Cases) {
    Ref<Foreign> Keep(C.Data);
    EnableRTFDragDrop(C.RTF);
    Ref<Recorder> R(new Recorder);
    EXPECT_EQ(DropOn(R.P, C.Data), static_cast<DWORD>(DROPEFFECT_MOVE)) << C.Name;
    EXPECT_EQ(R->Got, C.Want) << C.Name;
  }
  EnableRTFDragDrop(false);
}

TEST(GridDropTarget, AcceptsByFormatAndSwitchAndEffectsFollowTheKeys) {
  EnsureOle();
  Ref<Foreign> Text(new Foreign({{CF_UNICODETEXT, Wide(L"t")}}));
  Ref<Foreign> Column(new Foreign({{CFGridCol, Int32(1)}}));
  Ref<Foreign> Ansi8(new Foreign({{CF_TEXT, Ansi("t")}}));
  struct Case {
    IDataObject* Data;
    DWORD Keys, Allowed, Want;
    bool AcceptCols;
  } Cases[] = {
      {Text.P, 0, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE, false},
      {Text.P, MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY, false},
      {Text.P, 0, DROPEFFECT_COPY, DROPEFFECT_COPY, false},
      // Columns only where the grid allows them; 8-bit text is never read.
      {Column.P, 0, DROPEFFECT_MOVE, DROPEFFECT_NONE, false},
      {Column.P, 0, DROPEFFECT_MOVE, DROPEFFECT_MOVE, true},
      {Ansi8.P, 0, DROPEFFECT_MOVE, DROPEFFECT_NONE, false},
  };
  for (auto& C : Cases) {
    Ref<Recorder> R(new Recorder);
    R->SetAcceptCols(C.AcceptCols);
    DWORD E = C.Allowed;
    R->DragEnter(C.Data, C.Keys, POINTL{0, 0}, &E);
    EXPECT_EQ(E, C.Want);
    E = C.Allowed;
    R->DragOver(C.Keys, POINTL{0, 0}, &E);
    EXPECT_EQ(E, C.Want);
  }
  // The hook may refuse a place; DropFormats names what the drag holds.
  Ref<Recorder> R(new Recorder);
  R->Refuse = true;
  DWORD E = DROPEFFECT_MOVE;
  R->DragEnter(Text.P, 0, POINTL{0, 0}, &E);
  EXPECT_TRUE(R->DropFormats() == TDropFormats({dfText}));
  R->DragOver(0, POINTL{0, 0}, &E);
  EXPECT_EQ(E, static_cast<DWORD>(DROPEFFECT_NONE));
}

// Blocks whose lengths, offsets or terminators do not fit their size: each
// reader stops at the block's end or refuses, and a drop that delivers
// nothing reports no effect, so a moving source keeps its data. Blocks of
// 16 bytes end where the heap's next bytes are not zero, so a reader that
// ran on would show it.
TEST(GridDropTarget, MalformedBlocksAreReadOnlyWithinTheirSize) {
  EnsureOle();
  struct Case {
    const char* Name;
    Foreign* Data;
    std::vector<String> Want;
  };
  const TBlock FourNames = Wide(L"C:\\a") + Wide(L"C:\\b");  // no empty name at the end
  Case Cases[] = {
      {"text without end", new Foreign({{CF_UNICODETEXT, Wide(L"abcdefgh", false)}}), {L"text abcdefgh"}},
      {"rtf without end", new Foreign({{CFRtf, Ansi("{\\rtf1 abcdefg}", false)}, {CF_UNICODETEXT, Wide(L"")}}),
       {L"rtf {\\rtf1 abcdefg}"}},
      {"cells longer than block", new Foreign({{CFGridCells, Cells(1000, "abcdefgh")}}), {}},
      {"cells longer than block, text beside", new Foreign({{CFGridCells, Cells(9, "abcdefgh")},
                                                             {CF_UNICODETEXT, Wide(L"t")}}),
       {L"text t"}},
      {"cells head cut short", new Foreign({{CFGridCells, TBlock{3, 0, 0}}}), {}},
      {"cells head only", new Foreign({{CFGridCells, Cells(0, "")}}), {L"cells "}},
      {"column cut short", new Foreign({{CFGridCol, TBlock{1, 0}}}), {}},
      {"files without end", new Foreign({{CF_HDROP, FileList(FourNames)}}), {L"file C:\\a", L"file C:\\b"}},
      {"file name cut short", new Foreign({{CF_HDROP, FileList(Wide(L"C:\\a") + Wide(L"C:\\bcd", false))}}),
       {L"file C:\\a"}},
      {"8-bit names", new Foreign({{CF_HDROP, FileList(Ansi("C:\\x") + Ansi("C:\\yz", false), false)}}),
       {L"file C:\\x"}},
      {"offset outside", new Foreign({{CF_HDROP, FileList(Wide(L"C:\\a") + Wide(L""), true, 4000)}}), {}},
      {"header cut short", new Foreign({{CF_HDROP, TBlock{20, 0, 0, 0}}}), {}},
  };
  for (auto& C : Cases) {
    Ref<Foreign> Keep(C.Data);
    EnableRTFDragDrop(true);
    Ref<Recorder> R(new Recorder);
    R->SetAcceptCols(true);
    const DWORD E = DropOn(R.P, C.Data);
    EXPECT_EQ(R->Got, C.Want) << C.Name;
    EXPECT_EQ(E, static_cast<DWORD>(C.Want.empty() ? DROPEFFECT_NONE : DROPEFFECT_MOVE)) << C.Name;
  }
  EnableRTFDragDrop(false);
}

TEST(GridDropTarget, FormatsAreKnownWhileAnotherProgramHoldsTheClipboard) {
  EnsureOle();
  HANDLE Opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE Release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread Holder([&] {
    OpenClipboard(nullptr);
    SetEvent(Opened);
    WaitForSingleObject(Release, INFINITE);
    CloseClipboard();
  });
  WaitForSingleObject(Opened, INFINITE);
  Ref<Foreign> Data(new Foreign({{CFGridCol, Int32(2)}}));
  Ref<Recorder> R(new Recorder);
  R->SetAcceptCols(true);
  DropOn(R.P, Data.P);
  SetEvent(Release);
  Holder.join();
  CloseHandle(Opened);
  CloseHandle(Release);
  EXPECT_EQ(R->Got, std::vector<String>{L"col 2"});
}

TEST(GridDragSource, DataObjectAnswersWhatItHolds) {
  EnsureOle();
  TMemoryStream Stream;
  std::string Hundred(100, 'c');
  Stream.Write(Hundred.data(), 100);
  Ref<TSourceDataObject> Text(new TSourceDataObject(L"Grüße", L"", -1, &Stream));
  EXPECT_EQ(ReadWide(Text.P, CF_UNICODETEXT), L"Grüße");
  EXPECT_EQ(ReadBlock(Text.P, CF_TEXT).size(), 6u);
  // A cell stream of 100 bytes: its length, four zeros, the bytes.
  TBlock Block = ReadBlock(Text.P, CFGridCells);
  ASSERT_EQ(Block.size(), 108u);
  EXPECT_EQ(TBlock(Block.begin(), Block.begin() + 8), (TBlock{100, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(std::string(Block.begin() + 8, Block.end()), Hundred);
  // No rich text to give: asked for, it is refused rather than empty.
  EnableRTFDragDrop(true);
  EXPECT_TRUE(ReadBlock(Text.P, CFRtf).empty());
  Ref<TSourceDataObject> Rich(new TSourceDataObject(L"t", L"{\\rtf1}", -1, nullptr));
  EXPECT_EQ(ReadBlock(Rich.P, CFRtf), Ansi("{\\rtf1}"));
  EnableRTFDragDrop(false);
  EXPECT_TRUE(ReadBlock(Rich.P, CFRtf).empty());

  struct Case {
    FORMATETC F;
    HRESULT Want;
  } Cases[] = {
      {Fmt(CF_TEXT), S_OK},
      {Fmt(CF_TEXT, TYMED_HGLOBAL | TYMED_ISTREAM), DV_E_FORMATETC},
      {Fmt(CF_TEXT, TYMED_HGLOBAL, DVASPECT_ICON), DV_E_FORMATETC},
      {Fmt(CFGridCol), DV_E_FORMATETC},
      {Fmt(CF_HDROP), DV_E_FORMATETC},
  };
  for (auto& C : Cases) EXPECT_EQ(Text->QueryGetData(&C.F), C.Want) << C.F.cfFormat << " " << C.F.tymed;
  FORMATETC F = Fmt(CF_TEXT);
  STGMEDIUM M{};
  EXPECT_EQ(Text->GetDataHere(&F, &M), DV_E_FORMATETC);
  EXPECT_EQ(Text->SetData(&F, &M, FALSE), DV_E_FORMATETC);
  EXPECT_EQ(Text->DAdvise(&F, 0, nullptr, nullptr), OLE_E_ADVISENOTSUPPORTED);
  IEnumFORMATETC* E = nullptr;
  EXPECT_EQ(Text->EnumFormatEtc(DATADIR_SET, &E), E_NOTIMPL);
  EXPECT_EQ(E, nullptr);
}

TEST(GridDragSource, ColumnDragListsFourFormatsButAnswersOnlyTheColumn) {
  EnsureOle();
  Ref<TSourceDataObject> D(new TSourceDataObject(L"", L"", 7, nullptr));
  IEnumFORMATETC* Raw = nullptr;
  ASSERT_EQ(D->EnumFormatEtc(DATADIR_GET, &Raw), S_OK);
  FORMATETC Got[6]{};
  ULONG N = 0;
  EXPECT_EQ(Raw->Next(6, Got, &N), S_FALSE);
  ASSERT_EQ(N, 4u);
  const UINT Want[] = {CF_TEXT, CF_UNICODETEXT, CFRtf, CFGridCol};
  for (ULONG I = 0; I < N; ++I) {
    EXPECT_EQ(Got[I].cfFormat, Want[I]);
    EXPECT_EQ(Got[I].tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_EQ(Got[I].lindex, -1);
    EXPECT_EQ(QueryGetDataOf(D.P, Got[I].cfFormat), I == 3 ? S_OK : DV_E_FORMATETC);
  }
  EXPECT_EQ(ReadBlock(D.P, CFGridCol), Int32(7));
  // Walking: Skip stops at the end, a clone keeps the place.
  EXPECT_EQ(Raw->Reset(), S_OK);
  EXPECT_EQ(Raw->Skip(3), S_OK);
  IEnumFORMATETC* Copy = nullptr;
  ASSERT_EQ(Raw->Clone(&Copy), S_OK);
  EXPECT_EQ(Copy->Next(1, Got, &N), S_OK);
  EXPECT_EQ(Got[0].cfFormat, CFGridCol);
  EXPECT_EQ(Raw->Skip(5), S_FALSE);
  EXPECT_EQ(Raw->Next(1, Got, &N), S_FALSE);
  EXPECT_EQ(N, 0u);
  Copy->Release();
  Raw->Release();
  // The cells come last, after the column.
  TMemoryStream S;
  Ref<TSourceDataObject> Both(new TSourceDataObject(L"", L"", 1, &S));
  ASSERT_EQ(Both->EnumFormatEtc(DATADIR_GET, &Raw), S_OK);
  EXPECT_EQ(Raw->Next(6, Got, &N), S_FALSE);
  ASSERT_EQ(N, 5u);
  EXPECT_EQ(Got[3].cfFormat, CFGridCol);
  EXPECT_EQ(Got[4].cfFormat, CFGridCells);
  Raw->Release();
}

class RecordingSource : public TGRDDropSource {
 public:
  std::vector<String> Calls;
  std::function<void()> OnQuery;
  void FinishDragDrop() override { Calls.push_back(L"finish"); }
  void CurrentEffect(Integer E) override { Calls.push_back(L"effect " + IntToStr(E)); }
  void QueryDrag() override {
    Calls.push_back(L"query");
    if (OnQuery) OnQuery();
  }
};

TEST(GridDragSource, EscapeCancelsAndReleasingTheButtonDrops) {
  Ref<RecordingSource> S(new RecordingSource);
  EXPECT_EQ(S->QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
  EXPECT_EQ(S->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
  EXPECT_EQ(S->QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
  EXPECT_EQ(S->Calls, (std::vector<String>{L"query", L"finish", L"query", L"finish", L"query"}));
  S->Calls.clear();
  EXPECT_EQ(S->GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
  EXPECT_TRUE(S->NoAccept());
  S->GiveFeedback(DROPEFFECT_COPY);
  EXPECT_FALSE(S->NoAccept());
  EXPECT_EQ(S->Calls, (std::vector<String>{L"effect 0", L"effect 1"}));
}

// --- a real drag between two windows -----------------------------------------

void SendMouse(DWORD Flags, TPoint At = TPoint()) {
  INPUT In{};
  In.type = INPUT_MOUSE;
  In.mi.dwFlags = Flags;
  if (Flags & MOUSEEVENTF_MOVE) {
    In.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    In.mi.dx = At.X * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    In.mi.dy = At.Y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  SendInput(1, &In, sizeof(In));
}

class CountingTarget : public Recorder {
 public:
  Integer Overs = 0;
  void DragMouseMove(TPoint Pt, bool& Allow, TDropFormats F) override {
    ++Overs;
    Recorder::DragMouseMove(Pt, Allow, F);
  }
};

// Presses the left button over From, starts the drag through Start and
// lets the drag loop itself move the pointer to To and release the button
// once the target saw it there.
HRESULT DragBetween(TForm* From, TForm* To, CountingTarget* Target,
                    const std::function<HRESULT(TGRDDropSource*, DWORD&)>& Start, DWORD& Effect) {
  const TPoint Down = From->ClientToScreen({40, 40}), Over = To->ClientToScreen({40, 40});
  SendMouse(MOUSEEVENTF_MOVE, Down);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpUntil([] { return (GetKeyState(VK_LBUTTON) & 0x8000) != 0; });
  Ref<RecordingSource> Source(new RecordingSource);
  Integer Step = 0;
  Source->OnQuery = [&] {
    if (Step == 0) {
      SendMouse(MOUSEEVENTF_MOVE, Over);
      Step = 1;
    } else if (Step == 1 && Target->Overs > 0) {
      SendMouse(MOUSEEVENTF_LEFTUP);
      Step = 2;
    } else if (Step < 2 && Source->Calls.size() > 400) {
      // Never hangs: the drag gives up if the pointer never arrives.
      SendMouse(MOUSEEVENTF_LEFTUP);
      Step = 3;
    }
  };
  return Start(Source.P, Effect);
}

TEST(GridDragDrop, RealDragCarriesTextCellsAndColumnsToAnotherWindow) {
  EnsureOle();
  TTestForm From(200, 150), To(200, 150);
  To->SetBounds(From->Left() + From->Width() + 40, From->Top(), To->Width(), To->Height());
  Pump();
  Ref<CountingTarget> Target(new CountingTarget);
  Target->SetAcceptCols(true);
  ASSERT_EQ(RegisterDragDrop(To->Handle(), Target.P), S_OK);

  TMemoryStream Placeholder;
  Placeholder.Write("cells", 5);
  DWORD Effect = 0;
  HRESULT R = DragBetween(
      From.Get(), To.Get(), Target.P,
      [&](TGRDDropSource* S, DWORD& E) {
        return StartTextDrag(S, L"a\tb", L"", &Placeholder, DROPEFFECT_COPY | DROPEFFECT_MOVE, E);
      },
      Effect);
  EXPECT_EQ(R, DRAGDROP_S_DROP);
  EXPECT_EQ(Effect, static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_EQ(Target->Got, std::vector<String>{L"cells cells"});
  // A grid drag always lists rich text, answered or not.
  EXPECT_TRUE(Target->DropFormats() == TDropFormats({dfText, dfRTF, dfGridCells}));

  Target->Got.clear();
  Target->Overs = 0;
  R = DragBetween(
      From.Get(), To.Get(), Target.P,
      [&](TGRDDropSource* S, DWORD& E) { return StartColumnDrag(S, 4, DROPEFFECT_MOVE, E); }, Effect);
  EXPECT_EQ(R, DRAGDROP_S_DROP);
  EXPECT_EQ(Target->Got, std::vector<String>{L"col 4"});

  // Text alone arrives as text; a target that accepts nothing cancels.
  Target->Got.clear();
  Target->Overs = 0;
  R = DragBetween(
      From.Get(), To.Get(), Target.P,
      [&](TGRDDropSource* S, DWORD& E) { return StartTextDrag(S, L"plain", L"", nullptr, DROPEFFECT_COPY, E); },
      Effect);
  EXPECT_EQ(Target->Got, std::vector<String>{L"text plain"});
  EXPECT_EQ(Effect, static_cast<DWORD>(DROPEFFECT_COPY));
  Target->Got.clear();
  Target->Overs = 0;
  Target->Refuse = true;
  R = DragBetween(
      From.Get(), To.Get(), Target.P,
      [&](TGRDDropSource* S, DWORD& E) { return StartTextDrag(S, L"plain", L"", nullptr, DROPEFFECT_COPY, E); },
      Effect);
  EXPECT_EQ(R, DRAGDROP_S_CANCEL);
  EXPECT_TRUE(Target->Got.empty());
  RevokeDragDrop(To->Handle());
}

}  // namespace
