// Taking a control's messages from outside it: the handler that replaces
// the control's own gets what its window receives and what Perform sends,
// passes on what it does not answer, and once put back the control answers
// for itself again.
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "platform/ui/CustomEdit.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
namespace {

using test::TTestForm;

TEST(ControlWindowProc, AnOutsideHandlerTakesTheMessagesUntilTheOwnOneIsPutBack) {
  TTestForm F(200, 100, false);
  auto* Edit = new TEdit(F.Get());
  Edit->SetParent(F.Get());
  const HWND Window = Edit->Handle();
  const LRESULT Own = SendMessageW(Window, WM_GETDLGCODE, 0, 0);
  std::vector<UINT> Seen;
  TWndMethod Saved = Edit->WindowProc();
  Edit->SetWindowProc([&](TMessage& Message) {
    Seen.push_back(Message.Msg);
    if (Message.Msg == WM_GETDLGCODE) {
      Message.Result = DLGC_WANTALLKEYS;
      return;
    }
    Saved(Message);
  });
  EXPECT_EQ(DLGC_WANTALLKEYS, SendMessageW(Window, WM_GETDLGCODE, 0, 0));
  EXPECT_EQ(DLGC_WANTALLKEYS, Edit->Perform(WM_GETDLGCODE));
  // What the handler passes on still reaches the control.
  SetWindowTextW(Window, L"abc");
  EXPECT_EQ(L"abc", Edit->Text());
  EXPECT_EQ(2, std::count(Seen.begin(), Seen.end(), UINT(WM_GETDLGCODE)));
  EXPECT_EQ(1, std::count(Seen.begin(), Seen.end(), UINT(WM_SETTEXT)));
  Edit->SetWindowProc(Saved);
  Seen.clear();
  EXPECT_EQ(Own, SendMessageW(Window, WM_GETDLGCODE, 0, 0));
  EXPECT_EQ(Own, Edit->Perform(WM_GETDLGCODE));
  EXPECT_TRUE(Seen.empty());
}

}  // namespace
}  // namespace jorv
