#include <gtest/gtest.h>
#include "platform/ui/ComboBox.h"
#include "platform/ui/WindowProc.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
namespace {

using test::TTestForm;

constexpr UINT WM_FAIL = WM_APP + 7;

class TFailing : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_FAIL) throw Exception(L"handler failed");
    TCustomControl::WndProc(Message);
  }
};

TEST(WindowProc, WindowsAreBoundToTheirObjectUntilDestroyed) {
  TTestForm F(200, 100, false);
  auto* Combo = new TComboBox(F.Get());
  Combo->SetParent(F.Get());
  HWND Window = Combo->Handle();
  COMBOBOXINFO Info{};
  Info.cbSize = sizeof(Info);
  ASSERT_TRUE(GetComboBoxInfo(Window, &Info));
  HWND Edit = Info.hwndItem;
  ASSERT_NE(Edit, nullptr);
  EXPECT_EQ(WindowObject(Window), Combo);
  EXPECT_EQ(FindControl(Window), Combo);
  // The inner edit reaches the combo box but is not its window.
  EXPECT_EQ(WindowObject(Edit), Combo);
  EXPECT_EQ(FindControl(Edit), nullptr);
  Combo->RecreateWnd();
  EXPECT_FALSE(IsWindow(Window));
  EXPECT_EQ(WindowObject(Window), nullptr);
  EXPECT_EQ(WindowObject(Edit), nullptr);
  EXPECT_EQ(FindControl(Combo->Handle()), Combo);
}

TEST(WindowProc, AFailingHandlerReachesTheApplicationWithItsObject) {
  TTestForm F(200, 100, false);
  auto* Failing = new TFailing(F.Get());
  Failing->SetParent(F.Get());
  TObject* Sender = nullptr;
  String Text;
  auto Old = Application->OnException;
  Application->OnException = [&](TObject* S, Exception& E) {
    Sender = S;
    Text = E.Message();
  };
  const LRESULT Result = SendMessageW(Failing->Handle(), WM_FAIL, 0, 0);
  Application->OnException = Old;
  EXPECT_EQ(Result, 0);
  EXPECT_EQ(Sender, Failing);
  EXPECT_EQ(Text, L"handler failed");
}

}  // namespace
}  // namespace jorv
