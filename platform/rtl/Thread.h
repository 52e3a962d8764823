#pragma once
// Threads, kernel events and critical sections. Component code runs on the
// main thread; a worker reaches it through Synchronize, which queues the call
// and waits until the main thread runs it in CheckSynchronize (called by the
// application's message loop, woken through the replaceable wake-up hook).
#include <exception>
#include <functional>
#include "platform/rtl/Object.h"

namespace jorv {

class TThread : public TObject {
 public:
  // The thread is created suspended: Execute must not run before the
  // descendant is constructed. Start it with Start().
  TThread();
  // Stops a thread that never started. A descendant freed while its thread
  // runs stops it in its own destructor (Terminate(); WaitFor();), since
  // Execute may use the descendant's members.
  ~TThread() override;

  // EThread "Cannot call Start on a running or suspended thread" when it
  // already started.
  void Start();
  void Resume() { Start(); }
  // Asks Execute to finish; it polls Terminated().
  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }
  // Waits for the end of the thread and returns its ReturnValue. On the
  // main thread it runs queued Synchronize calls meanwhile.
  Integer WaitFor();
  bool Finished() const { return FFinished; }
  HANDLE Handle() const { return FHandle; }
  DWORD ThreadID() const { return FThreadID; }
  Integer ReturnValue() const { return FReturnValue; }
  bool FreeOnTerminate() const { return FFreeOnTerminate; }
  void SetFreeOnTerminate(bool Value) { FFreeOnTerminate = Value; }
  // What Execute raised, if anything.
  std::exception_ptr FatalException() const { return FFatalException; }

  // Runs Method on the main thread and waits for it; an exception it raises
  // is raised again in the caller. On the main thread it simply calls it.
  void Synchronize(const std::function<void()>& Method) { StaticSynchronize(Method); }
  static void StaticSynchronize(const std::function<void()>& Method);

  // Called on the main thread after Execute ends.
  TNotifyEvent OnTerminate;

 protected:
  virtual void Execute() = 0;
  void SetReturnValue(Integer Value) { FReturnValue = Value; }
  virtual void DoTerminate();

 private:
  static unsigned __stdcall ThreadProc(void* Param);

  HANDLE FHandle = nullptr;
  DWORD FThreadID = 0;
  volatile bool FTerminated = false;
  volatile bool FFinished = false;
  bool FStarted = false;
  bool FFreeOnTerminate = false;
  Integer FReturnValue = 0;
  std::exception_ptr FFatalException;
};

// Runs the queued Synchronize calls; waits up to Timeout ms for one when
// none is queued. True when it ran any. Only the main thread may call it
// (EThread otherwise).
bool CheckSynchronize(DWORD Timeout = 0);
// Called (from the worker) whenever a call is queued, so that the UI layer
// can post a message to its window and get CheckSynchronize run.
void SetSynchronizeWakeUp(std::function<void()> WakeUp);
// The thread that initialised the runtime.
DWORD MainThreadID();

enum TWaitResult : uint8_t { wrSignaled, wrTimeout, wrAbandoned, wrError, wrIOCompletion };

class TEvent : public TObject {
 public:
  // Named events are shared with every process that opens the same name.
  explicit TEvent(bool ManualReset = true, bool InitialState = false,
                  const String& Name = String());
  ~TEvent() override;
  TWaitResult WaitFor(DWORD Timeout = INFINITE);
  void SetEvent();
  void ResetEvent();
  HANDLE Handle() const { return FHandle; }
  // The system error of the last failed wait.
  Integer LastError() const { return FLastError; }

 private:
  HANDLE FHandle = nullptr;
  Integer FLastError = 0;
};

class TCriticalSection : public TObject {
 public:
  TCriticalSection() { InitializeCriticalSection(&FSection); }
  ~TCriticalSection() override { DeleteCriticalSection(&FSection); }
  void Enter() { EnterCriticalSection(&FSection); }
  void Leave() { LeaveCriticalSection(&FSection); }
  void Acquire() { Enter(); }
  void Release() { Leave(); }
  bool TryEnter() { return TryEnterCriticalSection(&FSection) != 0; }

 private:
  CRITICAL_SECTION FSection;
};

// Holds a critical section for the life of the guard.
class TLockGuard {
 public:
  explicit TLockGuard(TCriticalSection& Section) : FSection(Section) { FSection.Enter(); }
  ~TLockGuard() { FSection.Leave(); }
  TLockGuard(const TLockGuard&) = delete;
  TLockGuard& operator=(const TLockGuard&) = delete;

 private:
  TCriticalSection& FSection;
};

}  // namespace jorv
