// The extended grid's keys: a small grid shaped by the input (fixed,
// hidden, merged and read-only cells, its editing and navigation settings)
// takes the rest of the input as key strokes sent to its window. No key may
// raise, and the current cell must stay inside the grid after every one.
#include <cstring>
#include "fuzz/Fuzz.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

namespace jorv::fuzz {

namespace {

using grid::TRezIvevirAvod;

// Reads the input a byte at a time; zero once it is used up.
struct TReader {
  const TInput& Input;
  size_t Pos = 0;
  Byte Next() { return Pos < Input.size() ? static_cast<Byte>(Input[Pos++]) : 0; }
  bool More() const { return Pos < Input.size(); }
  Integer Below(Integer N) { return N <= 0 ? 0 : Next() % N; }
};

void ShapeGrid(TRezIvevirAvod& G, TReader& In) {
  const Integer Cols = 1 + In.Below(7), Rows = 1 + In.Below(9);
  G.SetColCount(Cols);
  G.SetRowCount(Rows);
  for (Integer r = 0; r < Rows; ++r)
    for (Integer c = 0; c < Cols; ++c) G.SetCells(c, r, IntToStr(c) + L":" + IntToStr(r));
  G.SetFixedCols(std::min(In.Below(3), Cols - 1));
  G.SetFixedRows(std::min(In.Below(3), Rows - 1));
  if (In.Below(4) == 0) G.SetFixedRightCols(1);
  if (In.Below(4) == 0) G.SetFixedFooters(1);
  const Integer Merges = In.Below(3);
  for (Integer m = 0; m < Merges; ++m) {
    const Integer C = In.Below(Cols), R = In.Below(Rows);
    const Integer SpanX = 1 + In.Below(Cols - C), SpanY = 1 + In.Below(Rows - R);
    if (SpanX > 1 || SpanY > 1) G.MergeCells(C, R, SpanX, SpanY);
  }
  const Integer ReadOnly = In.Below(Cols * Rows + 1);
  for (Integer k = 0; k < ReadOnly; ++k) G.SetReadOnly(In.Below(Cols), In.Below(Rows), true);
  if (Cols > 2 && In.Below(3) == 0) G.HideColumn(1 + In.Below(Cols - 2));
}

void ChooseSettings(TRezIvevirAvod& G, TReader& In) {
  const Byte Options = In.Next();
  TGridOptions O = G.Options();
  if (Options & 1) O += goEditing;
  if (Options & 2) O += goTabs;
  if (Options & 4) O += goRowSelect;
  if (Options & 8) O += goRangeSelect;
  G.SetOptions(O);
  grid::TNavigation* N = G.Navigation();
  const Byte Nav = In.Next();
  N->SetAdvanceOnEnter(Nav & 1);
  N->SetAdvanceOnEnterLoop(Nav & 2);
  N->SetAdvanceInsert(Nav & 4);
  N->SetAdvanceSkipReadOnlyCells(Nav & 8);
  N->SetAdvanceAutoEdit(Nav & 16);
  N->SetAppendOnArrowDown(Nav & 32);
  N->SetAllowInsertRow(Nav & 64);
  N->SetAllowDeleteRow(Nav & 128);
  const Byte More = In.Next();
  N->SetAdvanceDirection(grid::TAdvanceDirection(More % 4));
  N->SetTabAdvanceDirection(grid::TAdvanceDirection((More >> 2) % 4));
  N->SetCursorAdvance(grid::TCursorAdvance((More >> 4) % 3));
  N->SetHomeEndKey(grid::THomeEndAction((More >> 6) % 3));
  const Byte Mouse = In.Next();
  N->SetTabToNextAtEnd(Mouse & 1);
  N->SetAutoGotoWhenSorted(Mouse & 2);
  N->SetAutoGotoIncremental(Mouse & 4);
  N->SetMoveScrollOnly((Mouse & 0x38) == 0x38);
  if (Mouse & 64) G.MouseActions()->SetDisjunctRowSelect(true);
  if (Mouse & 128) G.MouseActions()->SetDisjunctCellSelect(true);
}

const Word KeyTable[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT,
                         VK_TAB,  VK_RETURN, VK_SPACE, VK_INSERT, VK_DELETE, VK_F2, VK_ESCAPE, 'A'};

void SendKey(TRezIvevirAvod& G, Byte Code) {
  BYTE Saved[256], State[256];
  GetKeyboardState(Saved);
  std::memcpy(State, Saved, sizeof(State));
  State[VK_SHIFT] = Code & 0x10 ? 0x80 : 0;
  State[VK_CONTROL] = Code & 0x20 ? 0x80 : 0;
  SetKeyboardState(State);
  const Word Key = KeyTable[Code & 0x0F];
  HWND Focus = GetFocus();
  HWND Target = Focus && (Focus == G.Handle() || IsChild(G.Handle(), Focus)) ? Focus : G.Handle();
  SendMessageW(Target, WM_KEYDOWN, Key, 1);
  // The characters the system makes of the keys that have one, and a
  // typed letter now and then.
  if (Code & 0x40) SendMessageW(Target, WM_CHAR, L'a' + (Code & 0x07), 1);
  else if (Key == VK_RETURN || Key == VK_SPACE || Key == VK_TAB || Key == VK_ESCAPE)
    SendMessageW(IsWindow(Target) ? Target : G.Handle(), WM_CHAR, Key == VK_ESCAPE ? 27 : Key, 1);
  if (IsWindow(Target)) SendMessageW(Target, WM_KEYUP, Key, 0xC0000001);
  if (Code & 0x80) SendMessageW(G.Handle(), WM_TIMER, 111, 0);
  SetKeyboardState(Saved);
  MSG Msg;
  for (int Spins = 0; Spins < 50 && PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE); ++Spins) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
  }
}

void RunGridKeys(const TInput& Input) {
  TReader In{Input};
  String Raised;
  TExceptionEvent OldHandler = Application->OnException;
  auto Restore = ScopeExit([&OldHandler] { Application->OnException = OldHandler; });
  Application->OnException = [&Raised](TObject*, Exception& E) {
    if (Raised.empty()) Raised = E.ClassName() + String(L": ") + E.Message();
  };
  TForm Form(nullptr);
  Form.SetBounds(0, 0, 420, 260);
  TRezIvevirAvod* G = new TRezIvevirAvod(&Form);
  G->SetParent(&Form);
  G->SetBounds(0, 0, 400, 240);
  try {
    ShapeGrid(*G, In);
    ChooseSettings(*G, In);
  } catch (const Exception&) {
    // A shape the grid refuses to take is no key input.
    return;
  }
  Form.Show();
  G->SetFocus();
  Integer Keys = 0;
  while (In.More() && Keys++ < 100) {
    SendKey(*G, In.Next());
    if (!Raised.empty()) break;
    if (G->Col() < 0 || G->Row() < 0 || G->Col() >= G->ColCount() || G->Row() >= G->RowCount()) {
      Raised = L"current cell (" + IntToStr(G->Col()) + L"," + IntToStr(G->Row()) + L") outside a grid of " +
               IntToStr(G->ColCount()) + L"x" + IntToStr(G->RowCount());
      break;
    }
  }
  Form.Hide();
  if (!Raised.empty()) throw Exception(Raised);
}

// Every exception out of a key is a fault.
bool NothingDocumented(const Exception&) { return false; }

std::vector<TInput> GridKeySeeds() {
  return {std::string("\x05\x07\x01\x01\x00\x00\x00\x00\x00\x0f\x03\x00\x00\x01\x02\x03\x08\x09\x04\x05", 20),
          std::string("\x03\x04\x00\x00\x01\x01\x01\x05\x01\x02\x13\xff\x80\x00\x08\x08\x08\x18\x18\x09\x09", 21),
          std::string("\x06\x08\x02\x01\x00\x00\x02\x00\x00\x00\x00\x00\x00\x02\x00\x4a\x42\x0a\x4b\x4c", 20)};
}

}  // namespace

void AddGridKeyTargets(std::vector<TFuzzTarget>& List) {
  TFuzzTarget Keys;
  Keys.Name = "grid-keys";
  Keys.Corpus = "grid-keys";
  Keys.Run = RunGridKeys;
  Keys.Documented = NothingDocumented;
  Keys.MakeSeeds = GridKeySeeds;
  List.push_back(Keys);
}

}  // namespace jorv::fuzz
