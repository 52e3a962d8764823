#include <stdexcept>
#include "bench/Cases.h"
#include "bench/Database.h"
#include "bench/Profiler.h"

namespace jorv::bench {

namespace {

struct TFound {
  DWORD Process = 0;
  HWND Window = nullptr;
};

// The process's main window: a shown top-level window of a real size (a
// hidden or zero-sized application window does not count).
// Enumeration callbacks are named functions: a lambda converts only to a
// function pointer of the default calling convention, which on i686 is not
// the one Windows calls back with.
BOOL CALLBACK TakeMainWindow(HWND Window, LPARAM Param) {
  auto* found = reinterpret_cast<TFound*>(Param);
  DWORD owner = 0;
  GetWindowThreadProcessId(Window, &owner);
  RECT bounds;
  if (owner != found->Process || !IsWindowVisible(Window) || !GetWindowRect(Window, &bounds) ||
      bounds.right - bounds.left < 200 || bounds.bottom - bounds.top < 200)
    return TRUE;
  found->Window = Window;
  return FALSE;
}

HWND MainWindowOf(DWORD Process) {
  TFound found{Process};
  EnumWindows(TakeMainWindow, reinterpret_cast<LPARAM>(&found));
  return found.Window;
}

// True when neither the window nor any of its children waits for a paint.
BOOL CALLBACK NoteChildToPaint(HWND Child, LPARAM Param) {
  if (IsWindowVisible(Child) && GetUpdateRect(Child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(Param) = true;
    return FALSE;
  }
  return TRUE;
}

bool NothingToPaint(HWND Window) {
  if (GetUpdateRect(Window, nullptr, FALSE)) return false;
  bool pending = false;
  EnumChildWindows(Window, NoteChildToPaint, reinterpret_cast<LPARAM>(&pending));
  return !pending;
}

void Close(const PROCESS_INFORMATION& Started, HWND Window) {
  if (Window) PostMessageW(Window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(Started.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(Started.hProcess, 1);
  WaitForSingleObject(Started.hProcess, 5000);
  CloseHandle(Started.hThread);
  CloseHandle(Started.hProcess);
}

// Nanoseconds from creating the process until its main window is shown,
// painted with all its children, and the program waits for input.
double StartOnce(const std::wstring& Program, const std::wstring& Dir, bool Profile = false) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  std::wstring commandLine = L"\"" + Program + L"\"";
  const double start = Seconds();
  if (!CreateProcessW(Program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, Dir.c_str(),
                      &startup, &started))
    throw std::runtime_error("cannot start " + std::string(Program.begin(), Program.end()) + " (error " +
                             std::to_string(GetLastError()) + ")");
  std::unique_ptr<TProcessProfile> profile;
  if (Profile)
    profile = std::make_unique<TProcessProfile>(started.hProcess, started.hThread, Program,
                                                "start-up of " + std::string(Program.begin(), Program.end()));
  HWND window = nullptr;
  double took = -1;
  while (Seconds() - start < 60) {
    if (WaitForSingleObject(started.hProcess, 0) == WAIT_OBJECT_0) break;
    window = MainWindowOf(started.dwProcessId);
    if (window && NothingToPaint(window) && WaitForInputIdle(started.hProcess, 0) == 0) {
      took = (Seconds() - start) * 1e9;
      break;
    }
    Sleep(1);
  }
  if (profile) profile->Finish();
  Close(started, window);
  if (took < 0) throw std::runtime_error("a program of the start-up case showed no painted main window");
  return took;
}

double MedianStart(const std::wstring& Program, const std::wstring& Dir) {
  StartOnce(Program, Dir);  // the first start also fills the system's caches
  std::vector<double> runs;
  for (int i = 0; i < 7; ++i) runs.push_back(StartOnce(Program, Dir, i == 0 && ProfilingEnabled()));
  return Median(runs);
}

void MakeSampleDatabase(const std::wstring& File) {
  std::unique_ptr<TADOConnection> db = OpenDatabase(File);
  RunSql(*db, L"CREATE TABLE Feiertage (Datum TIMESTAMP, Tagestext VARCHAR(30))");
  RunSql(*db, L"INSERT INTO Feiertage VALUES ('2016-01-01 00:00:00', 'Neujahr'), ('2016-03-25 00:00:00', "
         L"'Karfreitag'), ('2016-03-28 00:00:00', 'Ostermontag'), ('2016-05-01 00:00:00', 'Tag der Arbeit'), "
         L"('2016-05-05 00:00:00', 'Christi Himmelfahrt'), ('2016-05-16 00:00:00', 'Pfingstmontag'), "
         L"('2016-10-03 00:00:00', 'Tag der Deutschen Einheit'), ('2016-12-25 00:00:00', '1. Weihnachtstag'), "
         L"('2016-12-26 00:00:00', '2. Weihnachtstag')");
}

}  // namespace

void StartupCase(TTable& Table, const TStartupPrograms& Programs) {
  TScratchDir dir;
  const std::wstring database = dir.File(L"Tarvok.mdb");
  if (Programs.SampleDatabase.empty() || !CopyFileW(Programs.SampleDatabase.c_str(), database.c_str(), FALSE))
    MakeSampleDatabase(database);
  const double ours = MedianStart(Programs.Program, dir.Path());
  const double reference = MedianStart(Programs.Bare, dir.Path());
  Table.Add({"6 start-up to the main window's first paint, vs bare window", Duration(ours),
             Duration(reference), ours / reference, "<= 1.5", AtMost(ours / reference, 1.5)});
}

}  // namespace jorv::bench
