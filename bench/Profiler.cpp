#include "bench/Profiler.h"

#include <cxxabi.h>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>
#include "platform/rtl/WinApi.h"
#include <psapi.h>

namespace jorv::bench {

namespace {

bool GEnabled = false;

constexpr int KMaxFrames = 64;

struct TModule {
  uintptr_t Base = 0;
  uintptr_t End = 0;
  std::string Name;
#ifdef _WIN64
  const RUNTIME_FUNCTION* Functions = nullptr;
  size_t FunctionCount = 0;
#endif
};

const IMAGE_NT_HEADERS* Headers(uintptr_t Base) {
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(Base);
  return reinterpret_cast<const IMAGE_NT_HEADERS*>(Base + uintptr_t(dos->e_lfanew));
}

std::string Narrow(const std::wstring& Text) {
  std::string result;
  for (wchar_t c : Text) result += c < 128 ? char(c) : '?';
  return result;
}

// The modules loaded when profiling starts, sorted by address; read while
// the sampled thread is suspended, so it is made beforehand and never
// changes (a lookup must take no lock the suspended thread may hold).
std::vector<TModule> LoadedModules() {
  std::vector<HMODULE> handles(1024);
  DWORD needed = 0;
  EnumProcessModules(GetCurrentProcess(), handles.data(), DWORD(handles.size() * sizeof(HMODULE)), &needed);
  handles.resize(std::min<size_t>(handles.size(), needed / sizeof(HMODULE)));
  std::vector<TModule> modules;
  for (HMODULE handle : handles) {
    TModule module;
    module.Base = reinterpret_cast<uintptr_t>(handle);
    const IMAGE_NT_HEADERS* nt = Headers(module.Base);
    module.End = module.Base + nt->OptionalHeader.SizeOfImage;
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(handle, path, MAX_PATH);
    std::wstring name = path;
    module.Name = Narrow(name.substr(name.find_last_of(L"\\/") + 1));
#ifdef _WIN64
    const IMAGE_DATA_DIRECTORY& pdata = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXCEPTION];
    module.Functions = reinterpret_cast<const RUNTIME_FUNCTION*>(module.Base + pdata.VirtualAddress);
    module.FunctionCount = pdata.VirtualAddress ? pdata.Size / sizeof(RUNTIME_FUNCTION) : 0;
#endif
    modules.push_back(std::move(module));
  }
  std::sort(modules.begin(), modules.end(), [](const TModule& a, const TModule& b) { return a.Base < b.Base; });
  return modules;
}

const TModule* ModuleOf(const std::vector<TModule>& Modules, uintptr_t Address) {
  auto it = std::upper_bound(Modules.begin(), Modules.end(), Address,
                             [](uintptr_t a, const TModule& m) { return a < m.Base; });
  if (it == Modules.begin()) return nullptr;
  --it;
  return Address < it->End ? &*it : nullptr;
}

// Where the suspended thread runs and, on x86_64, the return addresses of
// its callers; allocates nothing.
int Walk(HANDLE Thread, const std::vector<TModule>& Modules, uintptr_t* Frames) {
  CONTEXT context{};
  context.ContextFlags = CONTEXT_FULL;
  if (!GetThreadContext(Thread, &context)) return 0;
#ifdef _WIN64
  int count = 0;
  while (count < KMaxFrames && context.Rip) {
    Frames[count++] = uintptr_t(context.Rip);
    const TModule* module = ModuleOf(Modules, uintptr_t(context.Rip));
    if (!module) break;  // outside every module: the unwind tables end here
    const DWORD rva = DWORD(context.Rip - module->Base);
    const RUNTIME_FUNCTION* end = module->Functions + module->FunctionCount;
    const RUNTIME_FUNCTION* function = std::upper_bound(
        module->Functions, end, rva, [](DWORD a, const RUNTIME_FUNCTION& f) { return a < f.BeginAddress; });
    if (function != module->Functions && rva < (function - 1)->EndAddress) {
      void* handlerData = nullptr;
      DWORD64 establisher = 0;
      RtlVirtualUnwind(UNW_FLAG_NHANDLER, module->Base, context.Rip,
                       const_cast<PRUNTIME_FUNCTION>(function - 1), &context, &handlerData, &establisher,
                       nullptr);
    } else {
      // A leaf function keeps nothing but its return address on the stack.
      context.Rip = *reinterpret_cast<const DWORD64*>(context.Rsp);
      context.Rsp += 8;
    }
  }
  return count;
#else
  (void)Modules;
  Frames[0] = uintptr_t(context.Eip);
  return 1;
#endif
}

struct TSymbol {
  uintptr_t Address = 0;
  std::string Name;
};

std::string Demangled(std::string Name) {
#ifndef _WIN64
  if (!Name.empty() && Name[0] == '_') Name.erase(0, 1);
#endif
  int status = 0;
  char* text = abi::__cxa_demangle(Name.c_str(), nullptr, nullptr, &status);
  if (status != 0 || !text) return Name;
  std::string result = text;
  std::free(text);
  return result;
}

// The functions of a program's symbol table, which the linker keeps in the
// file beside the image; Base is where the image is loaded. Returns the
// image's size (0 when the file cannot be read).
size_t AddProgramSymbols(const std::wstring& Path, uintptr_t Base, std::vector<TSymbol>& Symbols) {
  FILE* file = _wfopen(Path.c_str(), L"rb");
  if (!file) return 0;
  std::vector<char> bytes;
  char buffer[65536];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.insert(bytes.end(), buffer, buffer + n);
  std::fclose(file);
  if (bytes.size() < sizeof(IMAGE_DOS_HEADER)) return 0;
  const size_t headers = size_t(reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data())->e_lfanew);
  if (headers + sizeof(IMAGE_NT_HEADERS) > bytes.size()) return 0;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(bytes.data() + headers);
  const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
  const size_t table = nt->FileHeader.PointerToSymbolTable;
  const size_t count = nt->FileHeader.NumberOfSymbols;
  const size_t strings = table + count * IMAGE_SIZEOF_SYMBOL;
  if (!table || strings > bytes.size()) return nt->OptionalHeader.SizeOfImage;
  for (size_t i = 0; i < count; ++i) {
    const auto* symbol = reinterpret_cast<const IMAGE_SYMBOL*>(bytes.data() + table + i * IMAGE_SIZEOF_SYMBOL);
    const int section = symbol->SectionNumber;
    if (ISFCN(symbol->Type) && section > 0 && section <= nt->FileHeader.NumberOfSections) {
      std::string name = symbol->N.Name.Short
                             ? std::string(reinterpret_cast<const char*>(symbol->N.ShortName),
                                           strnlen(reinterpret_cast<const char*>(symbol->N.ShortName), 8))
                             : std::string(bytes.data() + std::min(bytes.size() - 1, strings + static_cast<size_t>(symbol->N.Name.Long)));
      Symbols.push_back({Base + sections[section - 1].VirtualAddress + symbol->Value, Demangled(name)});
    }
    i += symbol->NumberOfAuxSymbols;
  }
  return nt->OptionalHeader.SizeOfImage;
}

// A system module's exported functions: an address inside one of its
// internal functions is named after the nearest export before it.
void AddExports(const TModule& Module, std::vector<TSymbol>& Symbols) {
  const IMAGE_DATA_DIRECTORY& directory =
      Headers(Module.Base)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (!directory.VirtualAddress) return;
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(Module.Base + directory.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(Module.Base + exports->AddressOfNames);
  const auto* ordinals = reinterpret_cast<const WORD*>(Module.Base + exports->AddressOfNameOrdinals);
  const auto* functions = reinterpret_cast<const DWORD*>(Module.Base + exports->AddressOfFunctions);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    const DWORD rva = functions[ordinals[i]];
    if (rva >= directory.VirtualAddress && rva < directory.VirtualAddress + directory.Size) continue;  // forwarded
    Symbols.push_back({Module.Base + rva, Module.Name + ": near " +
                                              reinterpret_cast<const char*>(Module.Base + names[i])});
  }
}

class TResolver {
 public:
  // Names addresses of this process, or, given another program's file and
  // base, of that program; addresses of another process in the system's
  // modules are named after this process's modules, which Wine loads at
  // the same addresses in every process.
  explicit TResolver(std::vector<TModule> Modules, const std::wstring& OtherProgram = L"",
                     uintptr_t OtherBase = 0)
      : FModules(std::move(Modules)) {
    const uintptr_t self = reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr));
    if (!OtherProgram.empty()) {
      FModules.erase(std::remove_if(FModules.begin(), FModules.end(),
                                    [&](const TModule& m) { return m.Base == self || m.Base == OtherBase; }),
                     FModules.end());
      TModule program;
      program.Base = OtherBase;
      program.End = OtherBase + AddProgramSymbols(OtherProgram, OtherBase, FSymbols);
      program.Name = Narrow(OtherProgram.substr(OtherProgram.find_last_of(L"\\/") + 1));
      FModules.push_back(program);
      std::sort(FModules.begin(), FModules.end(),
                [](const TModule& a, const TModule& b) { return a.Base < b.Base; });
    }
    for (const TModule& module : FModules) {
      if (!OtherProgram.empty() && module.Base == OtherBase) continue;
      if (module.Base == self) {
        wchar_t path[MAX_PATH] = L"";
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        AddProgramSymbols(path, self, FSymbols);
      } else {
        AddExports(module, FSymbols);
      }
    }
    std::sort(FSymbols.begin(), FSymbols.end(),
              [](const TSymbol& a, const TSymbol& b) { return a.Address < b.Address; });
  }
  // With Offset, the name ends in "+0x" and the offset into the function,
  // for reading the hottest instructions in a disassembly.
  std::string Name(uintptr_t Address, bool Offset = false) const {
    const TModule* module = ModuleOf(FModules, Address);
    if (!module) return "(outside the modules: Wine's own code)";
    auto it = std::upper_bound(FSymbols.begin(), FSymbols.end(), Address,
                               [](uintptr_t a, const TSymbol& s) { return a < s.Address; });
    if (it == FSymbols.begin() || (it - 1)->Address < module->Base) return module->Name;
    if (!Offset) return (it - 1)->Name;
    char offset[32];
    std::snprintf(offset, sizeof offset, "+0x%llx", static_cast<unsigned long long>(Address - (it - 1)->Address));
    return (it - 1)->Name.substr(0, 100) + offset;
  }
  bool InProgram(uintptr_t Address, uintptr_t Base) const {
    const TModule* module = ModuleOf(FModules, Address);
    return module && module->Base == Base;
  }

 private:
  std::vector<TModule> FModules;
  std::vector<TSymbol> FSymbols;
};

}  // namespace

// Each sample in Samples: its frame count, then its frames.
void PrintReport(const std::string& Title, const std::vector<uintptr_t>& Samples, size_t SampleCount,
                 const TResolver& resolver);

void EnableProfiling() { GEnabled = true; }
bool ProfilingEnabled() { return GEnabled; }

struct TProfile::TState {
  std::string Title;
  std::vector<TModule> Modules;
  HANDLE Target = nullptr;
  HANDLE Sampler = nullptr;
  std::atomic<bool> Active{true};
  std::atomic<bool> Stop{false};
  // Each sample: its frame count, then its frames.
  std::vector<uintptr_t> Samples;
  size_t SampleCount = 0;

  static DWORD WINAPI Run(void* Parameter) {
    auto* state = static_cast<TState*>(Parameter);
    uintptr_t frames[KMaxFrames];
    while (!state->Stop) {
      Sleep(1);
      if (!state->Active) continue;
      if (SuspendThread(state->Target) == DWORD(-1)) break;
      const int count = Walk(state->Target, state->Modules, frames);
      ResumeThread(state->Target);
      if (count == 0) continue;
      state->Samples.push_back(uintptr_t(count));
      state->Samples.insert(state->Samples.end(), frames, frames + count);
      ++state->SampleCount;
    }
    return 0;
  }

  void Report() const { PrintReport(Title, Samples, SampleCount, TResolver(Modules)); }
};

void PrintReport(const std::string& Title, const std::vector<uintptr_t>& Samples, size_t SampleCount,
                 const TResolver& resolver) {
  std::map<std::string, int> self, inclusive;
  std::map<uintptr_t, int> hottest;
  for (size_t i = 0; i < Samples.size();) {
    const size_t count = Samples[i++];
    ++hottest[Samples[i]];
    std::set<std::string> seen;
    for (size_t f = 0; f < count; ++f) {
      // A caller's frame holds the address after its call.
      const std::string name = resolver.Name(Samples[i + f] - (f ? 1 : 0));
      if (f == 0) ++self[name];
      if (seen.insert(name).second) ++inclusive[name];
    }
    i += count;
  }
  std::fprintf(stderr, "profile of %s: %zu samples\n   self  total  function\n", Title.c_str(), SampleCount);
  std::vector<std::pair<int, std::string>> order;
  for (const auto& [name, n] : inclusive) order.push_back({n, name});
  std::sort(order.rbegin(), order.rend());
  const double total = double(std::max<size_t>(SampleCount, 1));
  for (size_t i = 0; i < order.size() && i < 40; ++i) {
    const auto& [n, name] = order[i];
    if (n < total / 100) break;
    const auto own = self.find(name);
    std::fprintf(stderr, "  %5.1f%% %5.1f%%  %.150s\n", 100.0 * (own == self.end() ? 0 : own->second) / total,
                 100.0 * n / total, name.c_str());
  }
  std::fprintf(stderr, "  where the samples stopped:\n");
  order.clear();
  for (const auto& [name, n] : self) order.push_back({n, name});
  std::sort(order.rbegin(), order.rend());
  for (size_t i = 0; i < order.size() && i < 15; ++i)
    std::fprintf(stderr, "  %5.1f%%         %.150s\n", 100.0 * order[i].first / total, order[i].second.c_str());
  std::fprintf(stderr, "  the hottest instructions:\n");
  std::vector<std::pair<int, uintptr_t>> addresses;
  for (const auto& [address, n] : hottest) addresses.push_back({n, address});
  std::sort(addresses.rbegin(), addresses.rend());
  for (size_t i = 0; i < addresses.size() && i < 10; ++i)
    std::fprintf(stderr, "  %5.1f%%         %s\n", 100.0 * addresses[i].first / total,
                 resolver.Name(addresses[i].second, true).c_str());
}

TProfile::TProfile(std::string Title) {
  if (!GEnabled) return;
  FState = new TState;
  FState->Title = std::move(Title);
  FState->Modules = LoadedModules();
  FState->Samples.reserve(1 << 20);
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &FState->Target,
                  THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT | THREAD_QUERY_INFORMATION, FALSE, 0);
  FState->Sampler = CreateThread(nullptr, 0, &TState::Run, FState, 0, nullptr);
}

TProfile::~TProfile() {
  if (!FState) return;
  FState->Stop = true;
  WaitForSingleObject(FState->Sampler, INFINITE);
  CloseHandle(FState->Sampler);
  CloseHandle(FState->Target);
  FState->Report();
  delete FState;
}

void TProfile::Pause() {
  if (FState) FState->Active = false;
}

void TProfile::Resume() {
  if (FState) FState->Active = true;
}

}  // namespace jorv::bench

namespace jorv::bench {

struct TProcessProfile::TState {
  std::string Title;
  std::wstring Program;
  HANDLE Process = nullptr;
  HANDLE Thread = nullptr;
  HANDLE Sampler = nullptr;
  std::atomic<bool> Stop{false};
  uintptr_t Base = 0;
  size_t Size = 0;
  std::vector<uintptr_t> Samples;
  size_t SampleCount = 0;

  // The leaf address and every word on the stack that points into the
  // program: another process's stack cannot be unwound from here, so its
  // callers are guessed by what looks like a return address.
  static DWORD WINAPI Run(void* Parameter) {
    auto* state = static_cast<TState*>(Parameter);
    std::vector<uintptr_t> stack(16384);
    while (!state->Stop) {
      Sleep(1);
      if (!state->Base) state->FindProgram();
      if (SuspendThread(state->Thread) == DWORD(-1)) break;
      CONTEXT context{};
      context.ContextFlags = CONTEXT_CONTROL;
      size_t words = 0;
      uintptr_t leaf = 0;
      if (GetThreadContext(state->Thread, &context)) {
#ifdef _WIN64
        leaf = uintptr_t(context.Rip);
        const uintptr_t top = uintptr_t(context.Rsp);
#else
        leaf = uintptr_t(context.Eip);
        const uintptr_t top = uintptr_t(context.Esp);
#endif
        for (size_t want = stack.size(); want >= 512 && !words; want /= 4) {
          SIZE_T got = 0;
          if (ReadProcessMemory(state->Process, reinterpret_cast<void*>(top), stack.data(),
                                want * sizeof(uintptr_t), &got))
            words = got / sizeof(uintptr_t);
        }
      }
      ResumeThread(state->Thread);
      if (!leaf) continue;
      const size_t at = state->Samples.size();
      state->Samples.push_back(1);
      state->Samples.push_back(leaf);
      for (size_t i = 0; i < words; ++i)
        if (state->Base && stack[i] - state->Base < state->Size) {
          state->Samples.push_back(stack[i]);
          ++state->Samples[at];
        }
      ++state->SampleCount;
    }
    return 0;
  }

  void FindProgram() {
    HMODULE first = nullptr;
    DWORD needed = 0;
    if (!EnumProcessModules(Process, &first, sizeof first, &needed) || !first) return;
    MODULEINFO info{};
    if (!GetModuleInformation(Process, first, &info, sizeof info)) return;
    Size = info.SizeOfImage;
    Base = reinterpret_cast<uintptr_t>(info.lpBaseOfDll);
  }
};

TProcessProfile::TProcessProfile(HANDLE Process, HANDLE Thread, std::wstring Program, std::string Title) {
  if (!GEnabled) return;
  FState = new TState;
  FState->Title = std::move(Title);
  FState->Program = std::move(Program);
  FState->Process = Process;
  FState->Thread = Thread;
  FState->Samples.reserve(1 << 22);
  FState->Sampler = CreateThread(nullptr, 0, &TState::Run, FState, 0, nullptr);
}

void TProcessProfile::Finish() {
  if (!FState) return;
  FState->Stop = true;
  WaitForSingleObject(FState->Sampler, INFINITE);
  CloseHandle(FState->Sampler);
  PrintReport(FState->Title + " (another process: callers are guessed from its stack)", FState->Samples,
              FState->SampleCount, TResolver(LoadedModules(), FState->Program, FState->Base));
  delete FState;
  FState = nullptr;
}

TProcessProfile::~TProcessProfile() { Finish(); }

}  // namespace jorv::bench
