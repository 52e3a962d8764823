// The grid as an OLE drop target, driven through the target it registered
// for its window: where dropped text, cells, columns, files and links land,
// which drops are refused, and where the arrows point while dragging.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <ole2.h>
#include <shlobj.h>
#include <vector>

#include "grid/base/grddd.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ListBox.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

using TBlock = std::vector<Byte>;

TBlock WideBlock(const String& S) {
  const Byte* P = reinterpret_cast<const Byte*>(S.c_str());
  return TBlock(P, P + (S.size() + 1) * sizeof(Char));
}

// A file list as the shell drops it: the header, then zero-ended names and
// one more zero.
TBlock FileBlock(const std::vector<String>& Names) {
  TBlock B(sizeof(DROPFILES));
  DROPFILES D{};
  D.pFiles = sizeof(DROPFILES);
  D.fWide = TRUE;
  std::memcpy(B.data(), &D, sizeof(D));
  String All;
  for (const String& N : Names) All += N + L'\0';
  const TBlock Names16 = WideBlock(All);
  B.insert(B.end(), Names16.begin(), Names16.end());
  return B;
}

// What another program drops: each format in a block of the bytes given.
class TForeignData : public TInterfacedImpl<IDataObject> {
 public:
  explicit TForeignData(std::map<UINT, TBlock> Formats) : FFormats(std::move(Formats)) {}
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* F, STGMEDIUM* M) override {
    auto It = FFormats.find(F->cfFormat);
    if (It == FFormats.end() || !(F->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
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
    for (auto& Entry : FFormats)
      List.push_back(FORMATETC{static_cast<CLIPFORMAT>(Entry.first), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    return SHCreateStdEnumFmtEtc(static_cast<UINT>(List.size()), List.data(), E);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

 private:
  std::map<UINT, TBlock> FFormats;
};

// Six columns of 50 pixels and six rows of 20, one fixed row and column;
// every cell holds "column:row". The grid is an editable drop target.
struct TDropGrid {
  TTestForm Form{420, 260};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  std::vector<String> Events;
  TDropGrid() {
    static const bool OleReady = SUCCEEDED(OleInitialize(nullptr));
    EXPECT_TRUE(OleReady);
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 400, 240);
    Grid->SetColCount(6);
    Grid->SetRowCount(6);
    Grid->SetDefaultColWidth(50);
    Grid->SetDefaultRowHeight(20);
    Grid->SetOptions(Grid->Options() + goEditing);
    for (Integer r = 0; r < 6; ++r)
      for (Integer c = 0; c < 6; ++c) Grid->SetCells(c, r, IntToStr(c) + L":" + IntToStr(r));
    Grid->DragDropSettings()->SetOleDropTarget(true);
    Grid->OnOleDropped = [this](TObject*, TGridRect R) { Events.push_back(L"dropped " + Text(R)); };
    Pump();
  }
  static String Text(const TGridRect& R) {
    return IntToStr(R.Left) + L"," + IntToStr(R.Top) + L"-" + IntToStr(R.Right) + L"," + IntToStr(R.Bottom);
  }
  POINTL ScreenAt(Integer C, Integer R) {
    const TRect Cell = Grid->CellRect(C, R);
    const TPoint P = Grid->ClientToScreen(TPoint(Cell.Left + 5, Cell.Top + 5));
    return POINTL{P.X, P.Y};
  }
  POINTL ScreenAtClient(TPoint Client) {
    const TPoint P = Grid->ClientToScreen(Client);
    return POINTL{P.X, P.Y};
  }
  // Enters, moves to Pt and, when the position allows it, drops there;
  // the effect the grid last answered.
  DWORD Drag(IDataObject* Data, POINTL Pt, bool DoDrop = true) {
    Data->AddRef();
    IDropTarget* Target = Grid->GridDropTarget();
    DWORD Effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    Target->DragEnter(Data, MK_LBUTTON, Pt, &Effect);
    Effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    Target->DragOver(MK_LBUTTON, Pt, &Effect);
    if (DoDrop && Effect != DROPEFFECT_NONE) {
      Effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
      Target->Drop(Data, MK_LBUTTON, Pt, &Effect);
    } else {
      Target->DragLeave();
    }
    Data->Release();
    return Effect;
  }
  DWORD DragText(const String& S, POINTL Pt) { return Drag(new TSourceDataObject(S, L"", -1, nullptr), Pt); }
  String Column(Integer C) {
    String S;
    for (Integer r = 0; r < Grid->RowCount(); ++r) S += (r ? L" " : L"") + Grid->GetCells(C, r);
    return S;
  }
};

}  // namespace

TEST(GridDropTarget, TheSettingRegistersAndRevokesTheGridsWindow) {
  TDropGrid F;
  ASSERT_TRUE(F.Grid->OleDropTargetAssigned());
  TGRDDropTarget Other;
  Other.AddRef();
  EXPECT_EQ(RegisterDragDrop(F.Grid->Handle(), &Other), DRAGDROP_E_ALREADYREGISTERED);
  F.Grid->DragDropSettings()->SetOleDropTarget(false);
  EXPECT_FALSE(F.Grid->OleDropTargetAssigned());
  EXPECT_EQ(RevokeDragDrop(F.Grid->Handle()), DRAGDROP_E_NOTREGISTERED);
  // A grid whose window is made later registers it then.
  TRezIvevirAvod* Late = new TRezIvevirAvod(F.Form.Get());
  Late->DragDropSettings()->SetOleDropTarget(true);
  EXPECT_FALSE(Late->OleDropTargetAssigned());
  Late->SetParent(F.Form.Get());
  Late->HandleNeeded();
  EXPECT_TRUE(Late->OleDropTargetAssigned());
  Other.Release();
}

TEST(GridDropTarget, DroppedTextIsPastedAtTheCellAndSelected) {
  const struct {
    const char* Name;
    bool InsertRows;
    const wchar_t* Column1;
  } Cases[] = {
      {"overwrites", false, L"1:0 a c 1:3 1:4 1:5"},
      {"inserts two rows first", true, L"1:0 a c 1:1 1:2 1:3 1:4 1:5"},
  };
  for (const auto& C : Cases) {
    TDropGrid F;
    F.Grid->DragDropSettings()->SetOleInsertRows(C.InsertRows);
    F.Grid->OnOleDrop = [&](TObject*, Integer R, Integer Col, const String& Data, bool&) {
      F.Events.push_back(L"drop " + IntToStr(R) + L"," + IntToStr(Col) + L" " + Data);
    };
    const String Text = L"a\tb\r\nc\td\r\n";
    EXPECT_NE(F.DragText(Text, F.ScreenAt(1, 1)), DWORD(DROPEFFECT_NONE)) << C.Name;
    EXPECT_EQ(F.Column(1), C.Column1) << C.Name;
    EXPECT_EQ(F.Grid->GetCells(2, 2), L"d") << C.Name;
    EXPECT_EQ(TDropGrid::Text(F.Grid->Selection()), L"1,1-2,2") << C.Name;
    EXPECT_EQ(F.Events, (std::vector<String>{L"drop 1,1 " + Text, L"dropped 1,1-2,2"})) << C.Name;
  }
}

TEST(GridDropTarget, WholeRowsDroppedBelowTheLastRowAreAppended) {
  TDropGrid F;
  // Whole rows start in column 0, which must be a normal column to take text.
  F.Grid->SetFixedCols(0);
  TDragDropSettings* S = F.Grid->DragDropSettings();
  S->SetOleEntireRows(true);
  S->SetOleAppendRows(true);
  S->SetOleInsertRows(true);
  const TRect Last = F.Grid->CellRect(1, 5);
  F.DragText(L"x\ty\r\n", F.ScreenAtClient(TPoint(Last.Left + 5, Last.Bottom + 10)));
  EXPECT_EQ(F.Grid->RowCount(), 7);
  EXPECT_EQ(F.Grid->GetCells(0, 6), L"x");
  EXPECT_EQ(F.Grid->GetCells(1, 6), L"y");
  EXPECT_EQ(F.Grid->GetCells(0, 5), L"0:5");
}

TEST(GridDropTarget, RefusedPositionsAndDropsLeaveTheGridAlone) {
  TDropGrid F;
  // The header row takes no text.
  EXPECT_EQ(F.DragText(L"h", F.ScreenAt(2, 0)), DWORD(DROPEFFECT_NONE));
  // Nor does a cell the application refuses while dragging.
  F.Grid->OnOleDragOver = [](TObject*, Integer R, Integer C, bool& Allow) { Allow = !(R == 2 && C == 2); };
  EXPECT_EQ(F.DragText(L"o", F.ScreenAt(2, 2)), DWORD(DROPEFFECT_NONE));
  EXPECT_EQ(F.Grid->GetCells(2, 2), L"2:2");
  // A drop refused by its event writes nothing and is still reported.
  F.Grid->OnOleDrop = [](TObject*, Integer, Integer, const String&, bool& Allow) { Allow = false; };
  F.Grid->SetSelection(TGridRect{3, 3, 3, 3});
  F.DragText(L"r", F.ScreenAt(1, 1));
  EXPECT_EQ(F.Grid->GetCells(1, 1), L"1:1");
  EXPECT_EQ(F.Events, std::vector<String>{L"dropped 3,3-3,3"});
  EXPECT_EQ(F.Grid->GetCells(2, 0), L"2:0");
}

TEST(GridDropTarget, TheLeftArrowPointsAtTheDropRowAndGoesWhenTheDragLeaves) {
  TDropGrid F;
  IDataObject* Data = new TSourceDataObject(L"t", L"", -1, nullptr);
  Data->AddRef();
  IDropTarget* Target = F.Grid->GridDropTarget();
  DWORD Effect = DROPEFFECT_COPY;
  const POINTL Pt = F.ScreenAt(2, 3);
  Target->DragEnter(Data, MK_LBUTTON, Pt, &Effect);
  Effect = DROPEFFECT_COPY;
  Target->DragOver(MK_LBUTTON, Pt, &Effect);
  TWinControl* Arrow = F.Grid->DropArrow(arrLeft);
  ASSERT_NE(Arrow, nullptr);
  EXPECT_TRUE(IsWindowVisible(Arrow->Handle()));
  RECT Where{};
  GetWindowRect(Arrow->Handle(), &Where);
  const TRect Cell = F.Grid->CellRect(2, 3);
  const TPoint Expected = F.Grid->ClientToScreen(TPoint(Cell.Left, Cell.Top));
  EXPECT_EQ(Where.left, Expected.X - 10);
  EXPECT_EQ(Where.top, Expected.Y);
  Target->DragLeave();
  EXPECT_FALSE(IsWindowVisible(Arrow->Handle()));
  Data->Release();
}

TEST(GridDropTarget, ADroppedColumnIsMovedToTheHeaderCellItIsDroppedOn) {
  const struct {
    const char* Name;
    bool BeyondLast;
    const wchar_t* Header;
  } Cases[] = {
      {"onto header cell 4", false, L"0:0 2:0 3:0 4:0 1:0 5:0"},
      {"beyond the last column", true, L"0:0 2:0 3:0 4:0 5:0 1:0"},
  };
  for (const auto& C : Cases) {
    TDropGrid F;
    F.Grid->SetWidth(360);
    F.Grid->DragDropSettings()->SetOleColumnReorder(true);
    F.Grid->OnOleDropCol = [&](TObject*, Integer R, Integer Col, Integer Dragged) {
      F.Events.push_back(L"col " + IntToStr(R) + L"," + IntToStr(Col) + L" " + IntToStr(Dragged));
    };
    const TRect Last = F.Grid->CellRect(5, 0);
    const POINTL Pt = C.BeyondLast ? F.ScreenAtClient(TPoint(Last.Right + 20, 5)) : F.ScreenAt(4, 0);
    EXPECT_NE(F.Drag(new TSourceDataObject(L"", L"", 1, nullptr), Pt), DWORD(DROPEFFECT_NONE)) << C.Name;
    String Header;
    for (Integer c = 0; c < 6; ++c) Header += (c ? L" " : L"") + F.Grid->GetCells(c, 0);
    EXPECT_EQ(Header, C.Header) << C.Name;
    ASSERT_EQ(F.Events.size(), 1u) << C.Name;
  }
}

TEST(GridDropTarget, DroppedCellsLandWithTheirFirstCellUnderThePoint) {
  // A range, and the writer's whole grid, which must not clear or resize
  // the grid it is dropped on.
  const struct {
    const char* Name;
    Integer SourceSize;
  } Cases[] = {{"a range", 4}, {"the whole grid", 3}};
  for (const auto& C : Cases) {
    TDropGrid F;
    TRezIvevirAvod Source(nullptr);
    Source.SetColCount(C.SourceSize);
    Source.SetRowCount(C.SourceSize);
    Source.SetCells(1, 1, L"p");
    Source.SetCells(2, 2, L"s");
    TMemoryStream Cells;
    Source.SaveRectToBinStream(TRect(1, 1, 2, 2), &Cells);
    F.Drag(new TSourceDataObject(L"ignored", L"", -1, &Cells), F.ScreenAt(3, 2));
    EXPECT_EQ(F.Grid->GetCells(3, 2), L"p") << C.Name;
    EXPECT_EQ(F.Grid->GetCells(4, 3), L"s") << C.Name;
    EXPECT_EQ(F.Grid->GetCells(4, 2), L"") << C.Name;
    EXPECT_EQ(F.Grid->GetCells(1, 1), L"1:1") << C.Name;
    EXPECT_EQ(F.Grid->RowCount(), 6) << C.Name;
    EXPECT_EQ(F.Events.size(), 1u) << C.Name;
  }
}

TEST(GridDropTarget, OneDroppedFileOrALinkGoesToItsEvent) {
  const UINT URLFormat = RegisterClipboardFormatW(L"UniformResourceLocator");
  TDropGrid F;
  bool AllowURL = true;
  F.Grid->OnOleDropFile = [&](TObject*, Integer R, Integer C, const String& Name, bool&) {
    F.Events.push_back(L"file " + IntToStr(R) + L"," + IntToStr(C) + L" " + Name);
  };
  F.Grid->OnOleDropURL = [&](TObject*, Integer, Integer, const String& URL, bool& Allow) {
    F.Events.push_back(L"url " + URL);
    Allow = AllowURL;
  };
  // A file may be dropped anywhere, even on the header.
  F.Drag(new TForeignData({{CF_HDROP, FileBlock({L"C:\\data.txt"})}}), F.ScreenAt(2, 0));
  F.Drag(new TForeignData({{CF_HDROP, FileBlock({L"C:\\a.txt", L"C:\\b.txt"})}}), F.ScreenAt(2, 2));
  const String Link = L"https://example.invalid/x";
  // The link's text is dropped as text too; refusing both leaves the cell.
  F.Grid->OnOleDrop = [](TObject*, Integer, Integer, const String&, bool& Allow) { Allow = false; };
  AllowURL = false;
  F.Drag(new TForeignData({{URLFormat, TBlock{0}}, {CF_UNICODETEXT, WideBlock(Link)}}), F.ScreenAt(3, 3));
  EXPECT_EQ(F.Grid->GetCells(3, 3), L"3:3");
  AllowURL = true;
  F.Drag(new TForeignData({{URLFormat, TBlock{0}}, {CF_UNICODETEXT, WideBlock(Link)}}), F.ScreenAt(3, 3));
  EXPECT_EQ(F.Grid->GetCells(3, 3), Link);
  const std::vector<String> Expected{L"file 0,2 C:\\data.txt", L"dropped 1,1-1,1", L"url " + Link,
                                     L"dropped 1,1-1,1", L"url " + Link};
  EXPECT_EQ(F.Events, Expected);
}

TEST(GridDropTarget, ADroppedDelimitedFileIsReadUnlessItsEventRefusesIt) {
  wchar_t Dir[MAX_PATH];
  GetTempPathW(MAX_PATH, Dir);
  const String Name = String(Dir) + L"jorv-drop-data.csv";
  {
    TFileStream File(Name, fmCreate);
    const std::string Text = "x,y\r\nz,w\r\n";
    File.WriteBuffer(Text.data(), static_cast<Integer>(Text.size()));
  }
  for (bool Refuse : {true, false}) {
    TDropGrid F;
    F.Grid->OnOleDropFile = [&](TObject*, Integer, Integer, const String&, bool& Allow) { Allow = !Refuse; };
    F.Drag(new TForeignData({{CF_HDROP, FileBlock({Name})}}), F.ScreenAt(2, 2));
    EXPECT_EQ(F.Grid->GetCells(0, 0), Refuse ? L"0:0" : L"x") << Refuse;
    EXPECT_EQ(F.Grid->GetCells(1, 1), Refuse ? L"1:1" : L"w") << Refuse;
  }
  DeleteFileW(Name.c_str());
}

TEST(GridDropTarget, RichTextIsStoredUnchangedOnlyWhileRichTextDropsAreOn) {
  const String Rich = L"{\\rtf1 rich\\par}";
  for (bool On : {true, false}) {
    TDropGrid F;
    F.Grid->DragDropSettings()->SetOleDropRTF(On);
    F.Drag(new TSourceDataObject(L"plain", Rich, -1, nullptr), F.ScreenAt(2, 2));
    EXPECT_EQ(F.Grid->GetCells(2, 2), On ? Rich : String(L"plain")) << On;
  }
  EXPECT_FALSE(RTFDragDropEnabled);
}

TEST(GridDropTarget, AColumnDraggedOutOfAListIsShownWhereItIsDropped) {
  const struct {
    const char* Name;
    bool RecordOrder;
  } Cases[] = {{"by the recorded column order", true}, {"without one", false}};
  for (const auto& C : Cases) {
    TDropGrid F;
    if (C.RecordOrder) F.Grid->SetColumnOrder();
    F.Grid->HideColumn(3);
    auto* List = new TListBox(F.Form.Get());
    List->Items()->Add(L"three");
    F.Grid->OleColumnDragStart(3, 0, List);
    EXPECT_NE(F.Drag(new TSourceDataObject(L"", L"", 3, nullptr), F.ScreenAt(1, 0)), DWORD(DROPEFFECT_NONE)) << C.Name;
    EXPECT_FALSE(F.Grid->IsHiddenColumn(3)) << C.Name;
    EXPECT_EQ(F.Grid->GetCells(1, 0), L"3:0") << C.Name;
    EXPECT_EQ(F.Grid->GetCells(2, 0), L"1:0") << C.Name;
    EXPECT_EQ(List->Items()->Count(), 0) << C.Name;
    // The list's column is placed once: a later column drop without
    // reordering moves nothing.
    F.Drag(new TSourceDataObject(L"", L"", 3, nullptr), F.ScreenAt(4, 0));
    EXPECT_EQ(F.Grid->GetCells(1, 0), L"3:0") << C.Name;
  }
}
