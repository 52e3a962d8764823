#include "fuzz/Engine.h"
#include <winternl.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <exception>
#include <new>
#include "platform/rtl/SysUtils.h"

namespace jorv::fuzz {

namespace {

// Runtime errors that mean the code went wrong rather than the input:
// an index outside a list, a failed assertion, a bad cast or pointer.
bool IsFaultError(const Exception& Error) {
  return dynamic_cast<const EListError*>(&Error) || dynamic_cast<const EStringListError*>(&Error) ||
         dynamic_cast<const EAssertionFailed*>(&Error) || dynamic_cast<const EInvalidPointer*>(&Error) ||
         dynamic_cast<const ERangeError*>(&Error) || dynamic_cast<const EIntOverflow*>(&Error) ||
         dynamic_cast<const EInvalidCast*>(&Error);
}

std::string Narrow(const String& Text) { return UTF8Encode(Text); }

// The exception judged; empty when the target documents it.
std::string RunCaught(const TFuzzTarget& Target, const TInput& Input) {
  try {
    Target.Run(Input);
  } catch (const Exception& Error) {
    const bool Documented = Target.Documented ? Target.Documented(Error) : !IsFaultError(Error);
    if (!Documented) return "undocumented " + std::string(typeid(Error).name()) + ": " + Narrow(Error.Message());
  } catch (const std::bad_alloc&) {
    return "out of memory (std::bad_alloc)";
  } catch (const std::exception& Error) {
    return std::string("uncaught ") + typeid(Error).name() + ": " + Error.what();
  }
  return {};
}

// An input that leaves objects behind each time it runs leaks them; one
// that takes some only the first time fills a cache.
std::string CheckLeak(const TFuzzTarget& Target, const TInput& Input, Integer GdiBefore,
                      Integer WindowsBefore) {
  Integer Gdi = GdiObjectCount(), Windows = UserWindowCount();
  if (Gdi <= GdiBefore && Windows <= WindowsBefore) return {};
  for (int Round = 0; Round < 3; ++Round) {
    const Integer G = GdiObjectCount(), W = UserWindowCount();
    RunCaught(Target, Input);
    const Integer GAfter = GdiObjectCount(), WAfter = UserWindowCount();
    if (GAfter <= G && WAfter <= W) return {};
    Gdi = GAfter - G;
    Windows = WAfter - W;
  }
  char Text[96];
  std::snprintf(Text, sizeof Text, "leak: %d GDI objects and %d windows each run", int(Gdi), int(Windows));
  return Text;
}

uint64_t NameHash(const char* Name) {
  uint64_t H = 1469598103934665603ull;
  for (; *Name; ++Name) H = (H ^ static_cast<Byte>(*Name)) * 1099511628211ull;
  return H;
}

void Report(const TFuzzTarget& Target, const std::string& Why, const String& Saved) {
  std::printf("FAIL %s: %s%s%s\n", Target.Name, Why.c_str(), Saved.empty() ? "" : " -> ",
              Narrow(Saved).c_str());
  std::fflush(stdout);
}

}  // namespace

std::string RunInput(const TFuzzTarget& Target, const TInput& Input, bool CheckLeaks) {
  const Integer Gdi = CheckLeaks ? GdiObjectCount() : 0, Windows = CheckLeaks ? UserWindowCount() : 0;
  std::string Why = RunCaught(Target, Input);
  if (Why.empty() && !HeapsIntact()) Why = "heap damaged";
  if (Why.empty() && CheckLeaks) Why = CheckLeak(Target, Input, Gdi, Windows);
  return Why;
}

std::vector<TInput> LoadCorpus(const TFuzzTarget& Target, const String& CorpusRoot) {
  std::vector<TInput> Corpus;
  const String Folder = IncludeTrailingPathDelimiter(CorpusRoot) + UTF8Decode(Target.Corpus);
  for (const String& Path : FilesIn(Folder)) {
    TInput Data;
    if (ReadFileBytes(Path, Data)) Corpus.push_back(std::move(Data));
  }
  if (Target.MakeSeeds)
    for (TInput& Seed : Target.MakeSeeds()) Corpus.push_back(std::move(Seed));
  return Corpus;
}

TRunReport FuzzTarget(const TFuzzTarget& Target, const TFuzzOptions& Options) {
  TRunReport Result;
  const std::vector<TInput> Corpus = LoadCorpus(Target, Options.CorpusRoot);
  const TMutator Mutator(Corpus, Target.Dictionary);
  const ULONGLONG Deadline = GetTickCount64() + static_cast<ULONGLONG>(Options.Seconds * 1000);
  // The samples themselves first: a reader that fails on valid input is
  // the plainest fault of all.
  for (uint64_t I = Options.FirstIteration; Result.Tried < Options.MaxInputs; ++I) {
    if (GetTickCount64() >= Deadline && Result.Tried > 0) break;
    if (Options.SamplesOnly && I >= Corpus.size()) break;
    const TInput Input = I < Corpus.size() ? Corpus[I] : Mutator.Make(Options.Seed ^ NameHash(Target.Name), I);
    if (TSharedState* Shared = Options.Shared) {
      Shared->Size = static_cast<LONG>(Input.size());
      std::memcpy(Shared->Data, Input.data(), Input.size());
      Shared->Iteration = static_cast<LONG64>(I);
    }
    ArmWatchdog(&Target, &Input, Options.FailureRoot, Options.SystemFaultRoot);
    const std::string Why = RunInput(Target, Input, Options.CheckLeaks);
    DisarmWatchdog();
    ++Result.Tried;
    if (!Why.empty() && Target.SystemDecoders && Why.rfind("leak:", 0) == 0) {
      // The system's decoders under Wine keep objects of their own for
      // some pictures; ours are counted by the targets of our own readers.
      ++Result.SystemFaults;
      const String Saved =
          Options.SystemFaultRoot.empty() ? String() : SaveFailure(Options.SystemFaultRoot, Target, Input, "leak");
      std::printf("SYSTEM %s: %s inside the system's decoders%s%s\n", Target.Name, Why.c_str(),
                  Saved.empty() ? "" : " -> ", Narrow(Saved).c_str());
      std::fflush(stdout);
    } else if (!Why.empty()) {
      ++Result.Failures;
      const String Saved = Options.FailureRoot.empty() ? String() : SaveFailure(Options.FailureRoot, Target, Input, "fail");
      Report(Target, Why, Saved);
    }
    if (TSharedState* Shared = Options.Shared) {
      Shared->Tried = static_cast<LONG64>(Result.Tried);
      Shared->Failures = static_cast<LONG>(Result.Failures);
      Shared->SystemFaults = static_cast<LONG>(Result.SystemFaults);
    }
  }
  return Result;
}

// ---- Files ----

bool ReadFileBytes(const String& Path, TInput& Data) {
  HANDLE File = CreateFileW(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (File == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER Size{};
  bool Ok = GetFileSizeEx(File, &Size) && Size.QuadPart <= static_cast<LONGLONG>(TMutator::MaxInput);
  if (Ok) {
    Data.resize(static_cast<size_t>(Size.QuadPart));
    DWORD Got = 0;
    Ok = Data.empty() || (ReadFile(File, Data.data(), static_cast<DWORD>(Data.size()), &Got, nullptr) &&
                          Got == Data.size());
  }
  CloseHandle(File);
  return Ok;
}

std::vector<String> FilesIn(const String& Folder) {
  std::vector<String> Files;
  WIN32_FIND_DATAW Found;
  const String Base = IncludeTrailingPathDelimiter(Folder);
  HANDLE Search = FindFirstFileW((Base + L"*").c_str(), &Found);
  if (Search == INVALID_HANDLE_VALUE) return Files;
  do {
    if (!(Found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) Files.push_back(Base + Found.cFileName);
  } while (FindNextFileW(Search, &Found));
  FindClose(Search);
  std::sort(Files.begin(), Files.end());
  return Files;
}

String SaveFailure(const String& Root, const TFuzzTarget& Target, const TInput& Input, const char* Kind) {
  uint64_t H = 1469598103934665603ull;
  for (char C : Input) H = (H ^ static_cast<Byte>(C)) * 1099511628211ull;
  char Name[64];
  std::snprintf(Name, sizeof Name, "%s-%016llx.bin", Kind, static_cast<unsigned long long>(H));
  const String Folder = IncludeTrailingPathDelimiter(Root) + UTF8Decode(Target.Name);
  ForceDirectories(Folder);
  const String Path = IncludeTrailingPathDelimiter(Folder) + UTF8Decode(Name);
  HANDLE File = CreateFileW(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (File == INVALID_HANDLE_VALUE) return L"(not saved: " + Path + L")";
  DWORD Written = 0;
  WriteFile(File, Input.data(), static_cast<DWORD>(Input.size()), &Written, nullptr);
  CloseHandle(File);
  return Path;
}

// ---- Where a crash or a hang happened ----

namespace {

TSharedState* CrashState = nullptr;

// The file name of the module holding Address; empty for code outside
// every module (Wine's own native libraries).
String ModuleAt(const void* Address, size_t& Offset) {
  HMODULE Module = nullptr;
  wchar_t Name[MAX_PATH] = L"";
  Offset = reinterpret_cast<size_t>(Address);
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<LPCWSTR>(Address), &Module))
    return String();
  GetModuleFileNameW(Module, Name, MAX_PATH);
  Offset = static_cast<size_t>(reinterpret_cast<const Byte*>(Address) - reinterpret_cast<const Byte*>(Module));
  const wchar_t* Base = std::wcsrchr(Name, L'\\');
  return Base ? Base + 1 : Name;
}

// The C runtime and the loader only carry out what their caller asked:
// a fault there is blamed on the first frame above them.
bool PassesBlameOn(const String& Module) {
  return SameText(Module, L"ucrtbase.dll") || SameText(Module, L"msvcrt.dll") || SameText(Module, L"ntdll.dll") ||
         SameText(Module, L"kernelbase.dll") || SameText(Module, L"kernel32.dll");
}

// Prints the frames above a context, unwound by the function tables
// (x86_64; the 32-bit build shows the faulting address alone), and returns
// the module the fault is blamed on.
String PrintStack(CONTEXT Context) {
  String Blamed;
  bool Decided = false;
  auto Frame = [&](const void* Address) {
    size_t Offset = 0;
    const String Module = ModuleAt(Address, Offset);
    std::printf("  at %s+0x%llx\n", Module.empty() ? "(native code)" : UTF8Encode(Module).c_str(),
                static_cast<unsigned long long>(Offset));
    if (!Decided && !PassesBlameOn(Module)) {
      Blamed = Module.empty() ? String(L"(native code)") : Module;
      Decided = true;
    }
  };
#if defined(_WIN64)
  for (int Depth = 0; Depth < 24 && Context.Rip; ++Depth) {
    Frame(reinterpret_cast<const void*>(Context.Rip));
    DWORD64 ImageBase = 0;
    PRUNTIME_FUNCTION Function = RtlLookupFunctionEntry(Context.Rip, &ImageBase, nullptr);
    if (!Function) break;
    void* Handler = nullptr;
    DWORD64 Establisher = 0;
    RtlVirtualUnwind(UNW_FLAG_NHANDLER, ImageBase, Context.Rip, Function, &Context, &Handler, &Establisher,
                     nullptr);
  }
#else
  Frame(reinterpret_cast<const void*>(Context.Eip));
#endif
  std::fflush(stdout);
  return Blamed;
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* Pointers) {
  std::printf("crash 0x%08lX:\n", Pointers->ExceptionRecord->ExceptionCode);
  const String Blamed = PrintStack(*Pointers->ContextRecord);
  if (CrashState) {
    const size_t Length = std::min(Blamed.size(), std::size(CrashState->Blamed) - 1);
    std::wmemcpy(const_cast<wchar_t*>(CrashState->Blamed), Blamed.c_str(), Length);
    CrashState->Blamed[Length] = 0;
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void InstallCrashReport(TSharedState* Shared) {
  CrashState = Shared;
  SetUnhandledExceptionFilter(ReportCrash);
}

// ---- Watchdog ----

namespace {

struct TWatch {
  CRITICAL_SECTION Lock;
  const TFuzzTarget* Target = nullptr;
  const TInput* Input = nullptr;
  String FailureRoot;
  String SystemFaultRoot;
  ULONGLONG Started = 0;
  HANDLE Runner = nullptr;  // the thread that runs the inputs
  String Blamed;            // where the hung thread stands, once printed
};
TWatch* Watch = nullptr;

DWORD WINAPI PrintRunnerStack(void*) {
  CONTEXT Context{};
  Context.ContextFlags = CONTEXT_FULL;
  if (SuspendThread(Watch->Runner) == DWORD(-1)) return 0;
  const bool Read = GetThreadContext(Watch->Runner, &Context);
  // Held still only for its registers: suspended, it might keep a lock of
  // the heap or the loader that the printing and the saving need.
  ResumeThread(Watch->Runner);
  if (Read) Watch->Blamed = PrintStack(Context);
  return 0;
}

// The module the hung thread stands in; empty when its stack could not be
// read within two seconds (the hung thread may hold a lock the printing
// needs).
String HungModule() {
  HANDLE Printer = CreateThread(nullptr, 0, PrintRunnerStack, nullptr, 0, nullptr);
  if (!Printer) return String();
  const bool Printed = WaitForSingleObject(Printer, 2000) == WAIT_OBJECT_0;
  CloseHandle(Printer);
  return Printed ? Watch->Blamed : String();
}

[[noreturn]] void EndHungInput(const TFuzzTarget& Target) {
  char Why[64];
  std::snprintf(Why, sizeof Why, "input still running after %u ms", Target.TimeLimitMs);
  if (Target.SystemDecoders) {
    // Printed first, to tell a system decoder's own slowness from ours.
    std::printf("%s: %s\n", Target.Name, Why);
    const String Module = HungModule();
    if (!Module.empty() && !SameText(Module, ExtractFileName(ParamStr(0)))) {
      const String Saved =
          Watch->SystemFaultRoot.empty() ? String() : SaveFailure(Watch->SystemFaultRoot, Target, *Watch->Input, "hang");
      std::printf("SYSTEM %s: hang inside %s%s%s\n", Target.Name, Narrow(Module).c_str(), Saved.empty() ? "" : " -> ",
                  Narrow(Saved).c_str());
      std::fflush(stdout);
      TerminateProcess(GetCurrentProcess(), ExitSystemHang);
    }
  }
  String Saved;
  if (!Watch->FailureRoot.empty()) Saved = SaveFailure(Watch->FailureRoot, Target, *Watch->Input, "hang");
  Report(Target, std::string("hang: ") + Why, Saved);
  if (!Target.SystemDecoders) HungModule();
  TerminateProcess(GetCurrentProcess(), ExitHang);
  for (;;) Sleep(INFINITE);
}

DWORD WINAPI WatchdogThread(void*) {
  for (;;) {
    Sleep(50);
    EnterCriticalSection(&Watch->Lock);
    const TFuzzTarget* Target = Watch->Target;
    if (Target && GetTickCount64() - Watch->Started > Target->TimeLimitMs) EndHungInput(*Target);
    LeaveCriticalSection(&Watch->Lock);
  }
}

}  // namespace

void StartWatchdog() {
  if (Watch) return;
  Watch = new TWatch;
  InitializeCriticalSection(&Watch->Lock);
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &Watch->Runner, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  CloseHandle(CreateThread(nullptr, 0, WatchdogThread, nullptr, 0, nullptr));
}

void ArmWatchdog(const TFuzzTarget* Target, const TInput* Input, const String& FailureRoot,
                 const String& SystemFaultRoot) {
  if (!Watch) return;
  EnterCriticalSection(&Watch->Lock);
  Watch->Target = Target;
  Watch->Input = Input;
  Watch->FailureRoot = FailureRoot;
  Watch->SystemFaultRoot = SystemFaultRoot;
  Watch->Started = GetTickCount64();
  LeaveCriticalSection(&Watch->Lock);
}

void DisarmWatchdog() {
  if (!Watch) return;
  EnterCriticalSection(&Watch->Lock);
  Watch->Target = nullptr;
  LeaveCriticalSection(&Watch->Lock);
}

// ---- Heap and GUI objects ----

namespace {

const Byte* ProcessBlock() {
  return reinterpret_cast<const Byte*>(reinterpret_cast<const TEB*>(NtCurrentTeb())->ProcessEnvironmentBlock);
}

}  // namespace

bool HeapTailChecks() {
  constexpr DWORD TailCheck = 0x10;  // FLG_HEAP_ENABLE_TAIL_CHECK
  const size_t GlobalFlagOffset = sizeof(void*) == 8 ? 0xBC : 0x68;
  DWORD Flags;
  std::memcpy(&Flags, ProcessBlock() + GlobalFlagOffset, sizeof Flags);
  return Flags & TailCheck;
}

bool HeapsIntact() {
  HANDLE Heaps[64];
  const DWORD Count = GetProcessHeaps(64, Heaps);
  for (DWORD K = 0; K < Count && K < 64; ++K)
    if (!HeapValidate(Heaps[K], 0, nullptr)) return false;
  return true;
}

Integer GdiObjectCount() {
  if (const DWORD Count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<Integer>(Count);
  // Wine answers 0 above; it keeps the process's GDI handles in the table
  // the process block points to, 24 bytes an entry, the type at byte 14
  // (0 for a free entry).
  const size_t TableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
  const Byte* Table;
  std::memcpy(&Table, ProcessBlock() + TableOffset, sizeof Table);
  if (!Table) return 0;
  Integer Count = 0;
  for (size_t K = 0; K < 0x10000; ++K) Count += Table[K * 24 + 14] != 0;
  return Count;
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM Data) {
  ++*reinterpret_cast<Integer*>(Data);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND Window, LPARAM Data) {
  DWORD Process = 0;
  GetWindowThreadProcessId(Window, &Process);
  if (Process == GetCurrentProcessId()) {
    ++*reinterpret_cast<Integer*>(Data);
    EnumChildWindows(Window, CountChild, Data);  // every descendant, once
  }
  return TRUE;
}

}  // namespace

Integer UserWindowCount() {
  if (const DWORD Count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<Integer>(Count);
  // Wine answers 0 above; the windows are what a reader could leave.
  Integer Count = 0;
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&Count));
  HWND Message = nullptr;
  while ((Message = FindWindowExW(HWND_MESSAGE, Message, nullptr, nullptr)) != nullptr) {
    DWORD Process = 0;
    GetWindowThreadProcessId(Message, &Process);
    Count += Process == GetCurrentProcessId();
  }
  return Count;
}

}  // namespace jorv::fuzz
