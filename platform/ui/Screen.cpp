#include "platform/ui/Screen.h"
#include <algorithm>
#include "platform/ui/Form.h"

namespace jorv {

namespace {
TScreen GScreen;
}  // namespace

TScreen* Screen = &GScreen;

TRect TMonitor::BoundsRect() const {
  MONITORINFO MI{};
  MI.cbSize = sizeof(MI);
  GetMonitorInfoW(FHandle, &MI);
  return Rect(MI.rcMonitor.left, MI.rcMonitor.top, MI.rcMonitor.right, MI.rcMonitor.bottom);
}

TRect TMonitor::WorkareaRect() const {
  MONITORINFO MI{};
  MI.cbSize = sizeof(MI);
  GetMonitorInfoW(FHandle, &MI);
  return Rect(MI.rcWork.left, MI.rcWork.top, MI.rcWork.right, MI.rcWork.bottom);
}

bool TMonitor::Primary() const {
  MONITORINFO MI{};
  MI.cbSize = sizeof(MI);
  GetMonitorInfoW(FHandle, &MI);
  return (MI.dwFlags & MONITORINFOF_PRIMARY) != 0;
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen::~TScreen() {
  if (Screen == this) Screen = nullptr;
  for (auto& [Index, H] : FCursors)
    if (Index > 0) DestroyCursor(H);
}

TRect TScreen::WorkAreaRect() const {
  RECT R;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &R, 0);
  return Rect(R.left, R.top, R.right, R.bottom);
}

Integer TScreen::PixelsPerInch() const { return ScreenPixelsPerInch(); }

namespace {
BOOL CALLBACK CollectMonitor(HMONITOR H, HDC, LPRECT, LPARAM L) {
  reinterpret_cast<std::vector<HMONITOR>*>(L)->push_back(H);
  return TRUE;
}
}  // namespace

Integer TScreen::MonitorCount() {
  std::vector<HMONITOR> L;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&L));
  for (HMONITOR H : L) MonitorOf(H);
  return static_cast<Integer>(FMonitors.size());
}

TMonitor* TScreen::Monitors(Integer Index) {
  MonitorCount();
  return FMonitors.at(Index).get();
}

TMonitor* TScreen::MonitorOf(HMONITOR H) {
  if (!H) return nullptr;
  for (auto& M : FMonitors)
    if (M->Handle() == H) return M.get();
  FMonitors.push_back(std::make_unique<TMonitor>(H, static_cast<Integer>(FMonitors.size())));
  return FMonitors.back().get();
}

static DWORD Flag(TMonitorDefaultTo D) {
  switch (D) {
    case mdNull: return MONITOR_DEFAULTTONULL;
    case mdPrimary: return MONITOR_DEFAULTTOPRIMARY;
    default: return MONITOR_DEFAULTTONEAREST;
  }
}

TMonitor* TScreen::MonitorFromPoint(const TPoint& P, TMonitorDefaultTo D) {
  return MonitorOf(::MonitorFromPoint(POINT{P.X, P.Y}, Flag(D)));
}

TMonitor* TScreen::MonitorFromWindow(HWND H, TMonitorDefaultTo D) {
  return MonitorOf(::MonitorFromWindow(H, Flag(D)));
}

TMonitor* TScreen::MonitorFromRect(const TRect& R, TMonitorDefaultTo D) {
  RECT X{R.Left, R.Top, R.Right, R.Bottom};
  return MonitorOf(::MonitorFromRect(&X, Flag(D)));
}

void TScreen::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  POINT P;
  GetCursorPos(&P);
  HWND H = WindowFromPoint(P);
  if (Value != crDefault)
    ::SetCursor(Cursors(Value));
  else if (H)
    SendMessageW(H, WM_SETCURSOR, reinterpret_cast<WPARAM>(H), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

HCURSOR TScreen::Cursors(TCursor Index) {
  auto It = FCursors.find(Index);
  if (It != FCursors.end()) return It->second;
  const wchar_t* Id = nullptr;
  switch (Index) {
    case crNone: return nullptr;
    case crArrow: case crDefault: Id = IDC_ARROW; break;
    case crCross: Id = IDC_CROSS; break;
    case crIBeam: Id = IDC_IBEAM; break;
    case crSizeNESW: Id = IDC_SIZENESW; break;
    case crSizeNS: case crVSplit: Id = IDC_SIZENS; break;
    case crSizeNWSE: Id = IDC_SIZENWSE; break;
    case crSizeWE: case crHSplit: Id = IDC_SIZEWE; break;
    case crUpArrow: Id = IDC_UPARROW; break;
    case crHourGlass: case crSQLWait: Id = IDC_WAIT; break;
    case crDrag: case crMultiDrag: Id = IDC_ARROW; break;
    case crNoDrop: case crNo: Id = IDC_NO; break;
    case crAppStart: Id = IDC_APPSTARTING; break;
    case crHelp: Id = IDC_HELP; break;
    case crHandPoint: Id = IDC_HAND; break;
    case crSizeAll: Id = IDC_SIZEALL; break;
    default: Id = IDC_ARROW;
  }
  HCURSOR H = LoadCursorW(nullptr, Id);
  FCursors[Index] = H;
  return H;
}

void TScreen::SetCursors(TCursor Index, HCURSOR Handle) {
  auto It = FCursors.find(Index);
  if (It != FCursors.end() && Index > 0 && It->second != Handle) DestroyCursor(It->second);
  if (Handle)
    FCursors[Index] = Handle;
  else
    FCursors.erase(Index);
}

TFont* TScreen::HintFont() {
  if (!FHintFont) {
    FHintFont = std::make_unique<TFont>();
    NONCLIENTMETRICSW NCM{};
    NCM.cbSize = sizeof(NCM);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(NCM), &NCM, 0)) {
      FHintFont->SetName(NCM.lfStatusFont.lfFaceName);
      FHintFont->SetHeight(NCM.lfStatusFont.lfHeight);
    }
    FHintFont->SetColor(clInfoText);
  }
  return FHintFont.get();
}

void TScreen::AddForm(TCustomForm* Form) { FForms.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
  if (FActiveForm == Form) FActiveForm = nullptr;
  if (FActiveControl && Form->ContainsControl(FActiveControl)) FActiveControl = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* Form) {
  if (FActiveForm == Form) return;
  FActiveForm = Form;
  if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) return;
  FActiveControl = Control;
  if (OnActiveControlChange) OnActiveControlChange(this);
}

}  // namespace jorv
