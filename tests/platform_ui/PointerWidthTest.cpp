// Slots that carry pointers keep them whole on 64-bit: objects placed above
// 4 GiB are found again through their windows, timers, threads and lists.
#include <gtest/gtest.h>
#include <new>
#include "platform/rtl/Thread.h"
#include "platform/ui/ListBox.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
namespace {

// Committed memory above 4 GiB, so that a pointer into it loses its high half
// when squeezed through 32 bits.
class THighMemory {
 public:
  THighMemory() {
    for (uint64_t Base = 0x7E00000000; Base < 0x7F00000000 && !FBlock; Base += 0x10000000) {
      FBlock = VirtualAlloc(reinterpret_cast<void*>(static_cast<uintptr_t>(Base)), Size,
                            MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    }
  }
  ~THighMemory() {
    if (FBlock) VirtualFree(FBlock, 0, MEM_RELEASE);
  }
  void* At(size_t Offset) const { return static_cast<char*>(FBlock) + Offset; }
  bool Available() const { return FBlock != nullptr; }
  static constexpr size_t Size = 1 << 20;

 private:
  void* FBlock = nullptr;
};

// A fake pointer whose high half is not zero, never dereferenced.
TObject* const FarObject = reinterpret_cast<TObject*>(~uintptr_t(0) - 0xFFF7);

class TCountingThread : public TThread {
 public:
  ~TCountingThread() override {
    Terminate();
    WaitFor();
  }
  int Runs = 0;

 protected:
  void Execute() override { ++Runs; }
};

TEST(PointerWidth, ValueSlotsHoldAWholePointer) {
  TComponent Component(nullptr);
  Component.SetTag(reinterpret_cast<NativeInt>(FarObject));
  EXPECT_EQ(reinterpret_cast<TObject*>(Component.Tag()), FarObject);

  TStringList List;
  List.AddObject(L"far", FarObject);
  EXPECT_EQ(List.Objects(0), FarObject);

  test::TTestForm Form;
  auto* Box = new TListBox(Form.Get());
  Box->SetParent(Form.Get());
  Box->Items()->AddObject(L"far", FarObject);
  Box->RecreateWnd();
  Box->HandleNeeded();
  EXPECT_EQ(Box->Items()->Objects(0), FarObject);
}

TEST(PointerWidth, ObjectsAboveFourGigabytesAreReachedThroughTheirHandles) {
  if (sizeof(void*) == 4) GTEST_SKIP() << "no addresses above 4 GiB on 32-bit";
  THighMemory High;
  ASSERT_TRUE(High.Available()) << "no memory could be reserved above 4 GiB";
  ASSERT_GT(reinterpret_cast<uintptr_t>(High.At(0)), uintptr_t(0xFFFFFFFF));

  auto* Timer = new (High.At(0)) TTimer(nullptr);
  int Ticks = 0;
  Timer->OnTimer = [&](TObject*) { ++Ticks; };
  Timer->SetInterval(10);
  EXPECT_TRUE(test::PumpUntil([&] { return Ticks > 0; }));
  Timer->~TTimer();

  auto* Thread = new (High.At(4096)) TCountingThread;
  Thread->Start();
  Thread->WaitFor();
  EXPECT_EQ(Thread->Runs, 1);
  Thread->~TCountingThread();

  test::TTestForm Form;
  auto* Panel = new (High.At(8192)) TPanel(nullptr);
  Panel->SetParent(Form.Get());
  Panel->SetBounds(0, 0, 50, 50);
  int Clicks = 0;
  Panel->OnClick = [&](TObject*) { ++Clicks; };
  test::Click(Panel, 10, 10);
  EXPECT_TRUE(test::PumpUntil([&] { return Clicks > 0; }));
  EXPECT_EQ(FindControl(Panel->Handle()), Panel);
  Panel->~TPanel();
}

}  // namespace
}  // namespace jorv
