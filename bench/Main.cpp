// The benchmark program: runs the cases named on the command line (all by
// default) and prints one line per measurement, then the whole table.
//   jorvbench [--program Jorvensaal.exe] [--bare BareWindow.exe]
//             [--database Tarvok.mdb] [--lines] [--profile] [case ...]
// --lines prints the measured lines only, without header and table;
// --profile prints where each measurement spends its time (bench/Profiler.h).
// A case is its number; "2s", "2b" and "2x" are the string grid, the base
// grid and the extended grid of case 2 alone.
#include <cstdio>
#include <cwchar>
#include <exception>
#include <set>
#include <string>
#include "bench/Cases.h"
#include "bench/Profiler.h"
#include "platform/ui/ui.h"

using namespace jorv;
using namespace jorv::bench;

namespace {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L"\\/"));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  TStartupPrograms programs;
  programs.Program = ProgramFolder() + L"\\..\\app\\Jorvensaal.exe";
  programs.Bare = ProgramFolder() + L"\\BareWindow.exe";
  bool linesOnly = false;
  std::set<std::wstring> chosen;
  const std::set<std::wstring> known = {L"1", L"2", L"2s", L"2b", L"2x", L"3", L"4", L"5", L"6", L"7", L"8",
                                       L"9", L"10", L"11", L"12", L"13", L"14"};
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (i + 1 < argc && arg == L"--program")
      programs.Program = argv[++i];
    else if (i + 1 < argc && arg == L"--bare")
      programs.Bare = argv[++i];
    else if (i + 1 < argc && arg == L"--database")
      programs.SampleDatabase = argv[++i];
    else if (arg == L"--lines")
      linesOnly = true;
    else if (arg == L"--profile")
      EnableProfiling();
    else if (arg == L"2")
      chosen.insert({L"2s", L"2b", L"2x"});
    else if (known.count(arg))
      chosen.insert(arg);
    else {
      std::fwprintf(stderr, L"unknown argument: %ls\n", arg.c_str());
      return 2;
    }
  }
  Application->Initialize();
  TTable table;
  int failed = 0;
  auto run = [&](const std::wstring& Name, const std::function<void()>& Case) {
    if (!chosen.empty() && !chosen.count(Name)) return;
    try {
      Case();
    } catch (const Exception& e) {
      std::fwprintf(stderr, L"case %ls failed: %ls\n", Name.c_str(), e.Message().c_str());
      ++failed;
    } catch (const std::exception& e) {
      const std::string what = e.what();
      std::fwprintf(stderr, L"case %ls failed: %ls\n", Name.c_str(), std::wstring(what.begin(), what.end()).c_str());
      ++failed;
    }
  };
  if (!linesOnly) std::printf("%-58s %14s %14s %8s  %-14s\n", "case", "ours", "reference", "ratio", "goal");
  run(L"1", [&] { CalendarCase(table); });
  run(L"2s", [&] { StringGridCase(table); });
  run(L"2b", [&] { BaseGridCase(table); });
  run(L"2x", [&] { ExtendedGridCase(table); });
  run(L"3", [&] { DatabaseCase(table); });
  run(L"4", [&] { SortCase(table); });
  run(L"5", [&] { HtmlCase(table); });
  run(L"6", [&] { StartupCase(table, programs); });
  run(L"7", [&] { DropDownCase(table); });
  run(L"8", [&] { HiddenRowsCase(table); });
  run(L"9", [&] { RowInsertCase(table); });
  run(L"10", [&] { GridSortCase(table); });
  run(L"11", [&] { FilterCase(table); });
  run(L"12", [&] { CalculationsCase(table); });
  run(L"13", [&] { CellPaintCase(table); });
  run(L"14", [&] { GroupingCase(table); });
  if (!linesOnly) table.PrintSummary();
  return failed ? 1 : 0;
}
