#include <gtest/gtest.h>
#include <atomic>
#include <functional>
#include "platform/rtl/rtl.h"

using namespace jorv;

namespace {

class TWorker : public TThread {
 public:
  std::function<void(TWorker*)> Body;
  using TThread::Synchronize;
  bool IsTerminated() const { return Terminated(); }
  void Return(Integer v) { SetReturnValue(v); }

 protected:
  void Execute() override {
    if (Body) Body(this);
  }
};

}  // namespace

TEST(Thread, SynchronizeRunsOnTheMainThreadWhenChecked) {
  TWorker w;
  DWORD ranOn = 0;
  TEvent queued;
  std::atomic<int> wakeUps{0};
  SetSynchronizeWakeUp([&] {
    ++wakeUps;
    queued.SetEvent();
  });
  w.Body = [&](TWorker* t) {
    t->Synchronize([&] { ranOn = GetCurrentThreadId(); });
    t->Return(7);
  };
  w.Start();
  ASSERT_EQ(queued.WaitFor(5000), wrSignaled);
  EXPECT_EQ(ranOn, 0u);  // queued, not run, until the main thread checks
  EXPECT_TRUE(CheckSynchronize());
  EXPECT_EQ(ranOn, GetCurrentThreadId());
  EXPECT_EQ(w.WaitFor(), 7);
  EXPECT_EQ(w.ReturnValue(), 7);
  EXPECT_EQ(wakeUps, 1);
  EXPECT_FALSE(CheckSynchronize());
  SetSynchronizeWakeUp(nullptr);
}

TEST(Thread, WaitForServesSynchronizeAndOnTerminate) {
  TWorker w;
  int steps = 0;
  TObject* terminated = nullptr;
  DWORD terminateOn = 0;
  w.OnTerminate = [&](TObject* sender) {
    terminated = sender;
    terminateOn = GetCurrentThreadId();
  };
  w.Body = [&](TWorker* t) {
    for (int i = 0; i < 3; ++i) t->Synchronize([&] { ++steps; });
  };
  w.Start();
  w.WaitFor();  // would deadlock if it did not run the queued calls
  EXPECT_EQ(steps, 3);
  EXPECT_EQ(terminated, &w);
  EXPECT_EQ(terminateOn, GetCurrentThreadId());
  EXPECT_TRUE(w.Finished());
  EXPECT_THROW(w.Start(), EThread);
}

TEST(Thread, TerminateStopsAPollingLoopAndErrorsTravel) {
  TWorker w;
  TEvent running;
  w.Body = [&](TWorker* t) {
    running.SetEvent();
    while (!t->IsTerminated()) Sleep(1);
    t->Synchronize([] { throw EConvertError(L"from main"); });
  };
  w.Start();
  ASSERT_EQ(running.WaitFor(5000), wrSignaled);
  w.Terminate();
  w.WaitFor();
  ASSERT_TRUE(w.FatalException());
  try {
    std::rethrow_exception(w.FatalException());
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"from main");
  }
  // A thread that never started is freed cleanly, its body never run.
  bool ran = false;
  {
    TWorker idle;
    idle.Body = [&](TWorker*) { ran = true; };
  }
  EXPECT_FALSE(ran);
}

TEST(Thread, FreeOnTerminateDeletesTheThread) {
  static TEvent* gone;
  TEvent done;
  gone = &done;
  struct TSelfFreeing : TThread {
    ~TSelfFreeing() override { gone->SetEvent(); }
    void Execute() override {}
  };
  auto* t = new TSelfFreeing;
  t->SetFreeOnTerminate(true);
  t->Start();
  EXPECT_EQ(done.WaitFor(5000), wrSignaled);
}

TEST(Thread, EventsAndCriticalSections) {
  TEvent manual(true, false);
  EXPECT_EQ(manual.WaitFor(0), wrTimeout);
  manual.SetEvent();
  EXPECT_EQ(manual.WaitFor(0), wrSignaled);
  EXPECT_EQ(manual.WaitFor(0), wrSignaled);  // stays set
  manual.ResetEvent();
  EXPECT_EQ(manual.WaitFor(0), wrTimeout);
  TEvent autoReset(false, true);
  EXPECT_EQ(autoReset.WaitFor(0), wrSignaled);
  EXPECT_EQ(autoReset.WaitFor(0), wrTimeout);  // consumed by the wait
  TEvent named(true, false, L"JorvensaalTestEvent");
  TEvent same(true, false, L"JorvensaalTestEvent");
  named.SetEvent();
  EXPECT_EQ(same.WaitFor(0), wrSignaled);

  TCriticalSection cs;
  int counter = 0;
  TWorker a, b;
  auto body = [&](TWorker*) {
    for (int i = 0; i < 10000; ++i) {
      TLockGuard lock(cs);
      ++counter;
    }
  };
  a.Body = body;
  b.Body = body;
  a.Start();
  b.Start();
  a.WaitFor();
  b.WaitFor();
  EXPECT_EQ(counter, 20000);
}
