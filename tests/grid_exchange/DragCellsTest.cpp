// An OLE drag of cells offers, beside their text, the dragged cells in the
// grid's private format: the binary grid stream that another grid reads.
#include <gtest/gtest.h>

#include <cstring>
#include <ole2.h>

#include "grid/base/grddd.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Streams.h"
#include "tests/support/grid/MouseGrid.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

void SendButton(DWORD Flags);

void CALLBACK ReleaseButtonOnce(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  SendButton(MOUSEEVENTF_LEFTUP);
}

void SendButton(DWORD Flags) {
  INPUT In{};
  In.type = INPUT_MOUSE;
  In.mi.dwFlags = Flags;
  SendInput(1, &In, sizeof(In));
}

// Takes what the drag offers when it enters, then lets the button go so
// that the drag ends there.
class TRecordingTarget : public TInterfacedImpl<IDropTarget> {
 public:
  bool Entered = false;
  String Text;
  TBytes Cells;
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* Data, DWORD, POINTL, DWORD* Effect) override {
    Entered = true;
    Text = ReadBlock<wchar_t>(Data, CF_UNICODETEXT);
    Cells = ReadBytes(Data, CFGridCells);
    *Effect = DROPEFFECT_NONE;
    SendButton(MOUSEEVENTF_LEFTUP);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* Effect) override {
    *Effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject*, DWORD, POINTL, DWORD* Effect) override {
    *Effect = DROPEFFECT_NONE;
    return S_OK;
  }

 private:
  static TBytes ReadBytes(IDataObject* Data, UINT Format) {
    FORMATETC Query{static_cast<CLIPFORMAT>(Format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM Medium{};
    if (Data->GetData(&Query, &Medium) != S_OK) return {};
    TBytes Result;
    if (const Byte* Block = static_cast<const Byte*>(GlobalLock(Medium.hGlobal))) {
      Result.assign(Block, Block + GlobalSize(Medium.hGlobal));
      GlobalUnlock(Medium.hGlobal);
    }
    ReleaseStgMedium(&Medium);
    return Result;
  }
  template <class C>
  static String ReadBlock(IDataObject* Data, UINT Format) {
    const TBytes Bytes = ReadBytes(Data, Format);
    String Result;
    for (size_t i = 0; i + sizeof(C) <= Bytes.size(); i += sizeof(C)) {
      C Unit;
      std::memcpy(&Unit, &Bytes[i], sizeof(C));
      if (Unit == 0) break;
      Result += static_cast<Char>(Unit);
    }
    return Result;
  }
};

// The shown mouse grid as a drag source.
struct TDragSourceGrid : TShownMouseGrid<> {
  TDragSourceGrid() { Grid->DragDropSettings()->SetOleDropSource(true); }
  void PutCursor(TPoint P) {
    const TPoint S = Grid->ClientToScreen(P);
    SetCursorPos(S.X, S.Y);
    Pump();
  }
  // Selects columns 1 to 2 of row 2 and drags them a few pixels.
  void DragSelection() {
    // Should no target ever see the drag, this lets the button go so
    // that the test fails instead of waiting for ever.
    Grid->OnOleDragStart = [](TObject*, Integer, Integer) {
      SetTimer(nullptr, 0, 3000, ReleaseButtonOnce);
    };
    TGridRect Range;
    Range.Left = 1;
    Range.Top = 2;
    Range.Right = 2;
    Range.Bottom = 2;
    Grid->SetSelection(Range);
    const TPoint Inside = At(2, 2);
    PutCursor(Inside);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    Pump();
    PutCursor(TPoint{Inside.X + 12, Inside.Y + 2});
    PutCursor(TPoint{Inside.X + 16, Inside.Y + 4});
    SendButton(MOUSEEVENTF_LEFTUP);
    Pump();
  }
};

}  // namespace

TEST(GridDragCells, ADragOffersTheDraggedCellsInTheGridsOwnFormat) {
  const struct {
    const char* Name;
    bool AllowFmtClipboard;
    bool HasCells;
  } Cases[] = {{"with the private format", true, true}, {"without it: text only", false, false}};
  for (const auto& C : Cases) {
    TDragSourceGrid F;
    F.Grid->Navigation()->SetAllowFmtClipboard(C.AllowFmtClipboard);
    auto* Target = new TRecordingTarget;
    Target->AddRef();
    ASSERT_EQ(RegisterDragDrop(F.Grid->Handle(), Target), S_OK) << C.Name;
    F.DragSelection();
    RevokeDragDrop(F.Grid->Handle());
    EXPECT_TRUE(Target->Entered) << C.Name;
    EXPECT_EQ(Target->Text, L"1:2\t2:2") << C.Name;
    if (C.HasCells) {
      // A 32-bit length, four zero bytes, then the stream.
      ASSERT_GT(Target->Cells.size(), 8u) << C.Name;
      uint32_t Length = 0;
      std::memcpy(&Length, Target->Cells.data(), 4);
      TMemoryStream Stream;
      Stream.WriteBuffer(Target->Cells.data() + 8, static_cast<Integer>(Length));
      Stream.SetPosition(0);
      TRezIvevirAvod Other(nullptr);
      Other.SetColCount(4);
      Other.SetRowCount(3);
      Other.LoadAtPointFromBinStream(TPoint(0, 1), &Stream);
      EXPECT_EQ(Other.GetCells(0, 1), L"1:2") << C.Name;
      EXPECT_EQ(Other.GetCells(1, 1), L"2:2") << C.Name;
      EXPECT_EQ(Other.GetCells(2, 1), L"") << C.Name;
    } else {
      EXPECT_TRUE(Target->Cells.empty()) << C.Name;
    }
    Target->Release();
  }
}
