#include "platform/rtl/Thread.h"
#include <process.h>
#include <condition_variable>
#include <deque>
#include <mutex>
#include "platform/rtl/Exceptions.h"

namespace jorv {

namespace {

// Set during static initialisation, which runs on the main thread.
const DWORD GMainThreadID = GetCurrentThreadId();

struct TSyncCall {
  const std::function<void()>* Method = nullptr;
  std::exception_ptr Error;
  bool Done = false;
};

struct TSyncQueue {
  std::mutex Lock;
  std::condition_variable DoneSignal;
  std::deque<TSyncCall*> Calls;
  std::function<void()> WakeUp;
  // Signalled while calls are queued, so the main thread can wait on it
  // together with a thread handle.
  HANDLE Event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

TSyncQueue& Queue() {
  static TSyncQueue q;
  return q;
}

}  // namespace

DWORD MainThreadID() { return GMainThreadID; }

void SetSynchronizeWakeUp(std::function<void()> WakeUp) {
  auto& q = Queue();
  std::lock_guard<std::mutex> lock(q.Lock);
  q.WakeUp = std::move(WakeUp);
}

bool CheckSynchronize(DWORD Timeout) {
  if (GetCurrentThreadId() != GMainThreadID)
    throw EThread(L"CheckSynchronize called from a thread which is not the main thread");
  auto& q = Queue();
  if (Timeout) WaitForSingleObject(q.Event, Timeout);
  bool ran = false;
  for (;;) {
    TSyncCall* call;
    {
      std::lock_guard<std::mutex> lock(q.Lock);
      if (q.Calls.empty()) {
        ResetEvent(q.Event);
        return ran;
      }
      call = q.Calls.front();
      q.Calls.pop_front();
    }
    try {
      (*call->Method)();
    } catch (...) {
      call->Error = std::current_exception();
    }
    ran = true;
    {
      std::lock_guard<std::mutex> lock(q.Lock);
      call->Done = true;
    }
    q.DoneSignal.notify_all();
  }
}

void TThread::StaticSynchronize(const std::function<void()>& Method) {
  if (!Method) return;
  if (GetCurrentThreadId() == GMainThreadID) {
    Method();
    return;
  }
  auto& q = Queue();
  TSyncCall call;
  call.Method = &Method;
  std::function<void()> wake;
  {
    std::lock_guard<std::mutex> lock(q.Lock);
    q.Calls.push_back(&call);
    SetEvent(q.Event);
    wake = q.WakeUp;
  }
  if (wake) wake();
  std::unique_lock<std::mutex> lock(q.Lock);
  q.DoneSignal.wait(lock, [&] { return call.Done; });
  if (call.Error) std::rethrow_exception(call.Error);
}

// ------------------------------------------------------------------ TThread

TThread::TThread() {
  unsigned id = 0;
  FHandle = reinterpret_cast<HANDLE>(
      _beginthreadex(nullptr, 0, &TThread::ThreadProc, this, CREATE_SUSPENDED, &id));
  if (!FHandle) throw EThread(L"Thread creation error");
  FThreadID = id;
}

TThread::~TThread() {
  if (FHandle && !FFinished && GetCurrentThreadId() != FThreadID) {
    if (!FStarted) {
      // Let the suspended thread run out without touching Execute.
      FTerminated = true;
      FFreeOnTerminate = false;
      OnTerminate = nullptr;
      FStarted = true;
      ResumeThread(FHandle);
    } else {
      Terminate();
    }
    WaitFor();
  }
  if (FHandle) CloseHandle(FHandle);
}

void TThread::Start() {
  if (FStarted || FFinished)
    throw EThread(L"Cannot call Start on a running or suspended thread");
  FStarted = true;
  ResumeThread(FHandle);
}

unsigned __stdcall TThread::ThreadProc(void* Param) {
  auto* t = static_cast<TThread*>(Param);
  if (!t->FTerminated) {
    try {
      t->Execute();
    } catch (...) {
      t->FFatalException = std::current_exception();
    }
  }
  unsigned result = static_cast<unsigned>(t->FReturnValue);
  bool freeThread = t->FFreeOnTerminate;
  try {
    t->DoTerminate();
  } catch (...) {
    if (!t->FFatalException) t->FFatalException = std::current_exception();
  }
  t->FFinished = true;
  if (freeThread) delete t;
  return result;
}

void TThread::DoTerminate() {
  if (OnTerminate) Synchronize([this] { OnTerminate(this); });
}

Integer TThread::WaitFor() {
  if (GetCurrentThreadId() == FThreadID)
    throw EThread(L"Thread cannot wait for itself");
  if (GetCurrentThreadId() == GMainThreadID) {
    // A worker may be waiting in Synchronize for us: serve it meanwhile.
    HANDLE handles[2] = {FHandle, Queue().Event};
    for (;;) {
      DWORD r = MsgWaitForMultipleObjects(2, handles, FALSE, INFINITE, QS_SENDMESSAGE);
      if (r == WAIT_OBJECT_0) break;
      if (r == WAIT_OBJECT_0 + 1) {
        CheckSynchronize();
      } else if (r == WAIT_OBJECT_0 + 2) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
      } else {
        break;
      }
    }
  } else {
    WaitForSingleObject(FHandle, INFINITE);
  }
  DWORD code = 0;
  GetExitCodeThread(FHandle, &code);
  return static_cast<Integer>(code);
}

// ------------------------------------------------------------------- TEvent

TEvent::TEvent(bool ManualReset, bool InitialState, const String& Name) {
  FHandle = CreateEventW(nullptr, ManualReset, InitialState, Name.empty() ? nullptr : Name.c_str());
  if (!FHandle) throw EOSError(L"Cannot create event");
}

TEvent::~TEvent() {
  if (FHandle) CloseHandle(FHandle);
}

TWaitResult TEvent::WaitFor(DWORD Timeout) {
  switch (WaitForSingleObject(FHandle, Timeout)) {
    case WAIT_OBJECT_0: return wrSignaled;
    case WAIT_TIMEOUT: return wrTimeout;
    case WAIT_ABANDONED: return wrAbandoned;
    default:
      FLastError = static_cast<Integer>(GetLastError());
      return wrError;
  }
}

void TEvent::SetEvent() { ::SetEvent(FHandle); }
void TEvent::ResetEvent() { ::ResetEvent(FHandle); }

}  // namespace jorv
