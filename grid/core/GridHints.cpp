// The hint of the cell under the mouse, built each time the platform asks
// for one, and the balloon tool tips on a tool-tip window of the common
// controls.
#include <commctrl.h>
#include "foundation/HTMLRenderer.h"
#include "foundation/LayeredWindow.h"
#include "foundation/PictureContainer.h"
#include "foundation/ValueUtils.h"
#include "grid/core/GridUnit.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Application.h"

namespace jorv::grid {

namespace {

enum TTextKind : Integer { tkPlain = 0, tkHTML = 1, tkMarkedWide = 5 };

}  // namespace

void TRezIvevirAvod::SetUseHTMLHints(bool Value) {
  FUseHTMLHints = Value;
  if (Application) Application->HintWindowClass = Value ? &THTMLHintWindow::Make : nullptr;
}

void TRezIvevirAvod::BuildCellHint(String& HintStr, THintInfo& HintInfo) {
  HintInfo.HintColor = FHintColor;
  Integer ACol = -1, ARow = -1;
  MouseToCell(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, ACol, ARow);
  if (FControlLook->HintMaxWidth() > 0) HintInfo.HintMaxWidth = FControlLook->HintMaxWidth();
  GridUnit().HintFontName = Font()->Name();
  if (ACol >= 0 && ARow >= 0) PlaceCellHint(HintStr, HintInfo, ACol, ARow);
}

// The hint of one cell: its comment, the anchor under the mouse, the cell
// text itself, or the whole text of a cell too small for it.
void TRezIvevirAvod::PlaceCellHint(String& HintStr, THintInfo& HintInfo, Integer ACol, Integer ARow) {
  const TPoint Base = BaseCell(DisplToRealCol(ACol), ARow);
  ACol = RealToDisplCol(Base.X);
  ARow = Base.Y;
  FLastHintPos = TPoint{ACol, ARow};
  const Integer RC = Base.X;
  const TRect R = CellRect(ACol, ARow);
  // The hint belongs to this cell: the next cell asks for its own.
  HintInfo.CursorRect = R;
  const TPoint Cursor = HintInfo.CursorPos;
  String Comment;
  TPoint Pos = IsComment(RC, ARow, Comment) ? TPoint{R.Right, R.Top} : TPoint{Cursor.X, R.Bottom + 6};
  if (!Comment.empty()) HintStr = Comment;
  const String Text = GetCells(RC, ARow);
  const Integer Kind = ClassifyCellText(Text, FEnableHTML);
  if (Kind == tkHTML && FAnchorHint && HandleAllocated()) {
    String URL, Plain, Focused, Title, ControlID, ControlType, ControlValue;
    Integer W = 0, H = 0, AnchorCount = 0, Anchor = -1;
    TRect AnchorRect, ControlRect;
    DrawHTMLText(Canvas(), Text, R, FGridImages, Cursor.X, Cursor.Y, -1, -1, 0, true, false, false, false, false,
                 false, true, false, L"", 1.0, FURLColor, clNone, clNone, clGray, URL, Plain, Focused, Title, W, H,
                 AnchorCount, Anchor, AnchorRect, ControlRect, ControlID, ControlType, ControlValue,
                 FPictureCache.get(), FPictureContainer, Handle(), 0);
    if (!URL.empty() || !Title.empty()) {
      String AnchorText = Title.empty() ? URL : Title;
      if (OnAnchorHint) OnAnchorHint(this, ARow, RC, AnchorText);
      FLastAnchorHint = AnchorText;
      HintStr = AnchorText;
      Pos = TPoint{Cursor.X + 8, Cursor.Y - 16};
    }
  }
  const bool NormalCell = ACol >= FixedCols() && ACol <= ColCount() - FFixedRightCols - 1 && ARow >= FixedRows() &&
                          ARow <= RowCount() - FFixedFooters - 1;
  if (FHintShowCells && NormalCell) {
    Pos.Y = R.Top;
    HintStr = Kind == tkMarkedWide ? GetWideCells(RC, ARow) : FHTMLHint ? Text : GetStrippedCells(RC, ARow);
  }
  const TSize Size = HintTextSize(RC, ARow);
  if (FHintShowLargeText && (Size.cx > R.Width() || Size.cy > R.Height())) {
    if (FHintShowLargeTextPos == hpCell) Pos = R.TopLeft();
    HintStr = Kind == tkMarkedWide || FHTMLHint || Kind != tkHTML ? Text : GetStrippedCells(RC, ARow);
  }
  String WideHint;
  if (!(FFloatingFooter->Visible() && ARow == RowCount() - 1)) DoGridHint(RC, ARow, HintStr, WideHint);
  const Integer HintKind = ClassifyCellText(HintStr, true);
  if ((HintKind == tkHTML || HintKind == tkMarkedWide) && FUseInternalHintClass) {
    HintInfo.HintWindowClass = &THTMLHintWindow::Make;
    HintInfo.HintData = static_cast<TObject*>(this);
  }
  HintInfo.HintPos = ClientToScreen(Pos);
}

// The room a cell's text takes as the cell measures it, without the
// ellipsis a cut text would draw.
TSize TRezIvevirAvod::HintTextSize(Integer RealCol, Integer ARow) {
  const bool KeptEnhTextSize = FEnhTextSize;
  FEnhTextSize = false;
  TScopeExit Restore([&] { FEnhTextSize = KeptEnhTextSize; });
  return GetCellTextSize(RealCol, ARow, false, false);
}

// --- balloon tool tips -----------------------------------------------------------------------

void TRezIvevirAvod::BalloonEnableChanged() {
  if (Loading()) return;
  if (FBalloon->Enable())
    BalloonInit();
  else
    BalloonDone();
}

// The tool tip covers the grid's window, so the balloons wait for it:
// the window's creation starts them.
void TRezIvevirAvod::BalloonInit() {
  if (FBalloonStarted || !HandleAllocated()) return;
  FBalloonStarted = true;
  CreateToolTipWindow();
  AddToolTipTool(3, L"ToolTipText");
  const std::pair<WPARAM, Integer> Delays[] = {{TTDT_INITIAL, FBalloon->InitialDelay()},
                                               {TTDT_RESHOW, FBalloon->ReshowDelay()},
                                               {TTDT_AUTOPOP, FBalloon->AutoHideDelay()}};
  for (const auto& [Kind, Delay] : Delays)
    if (Delay != -1) SendMessageW(FHToolTip, TTM_SETDELAYTIME, Kind, MAKELPARAM(Delay, 0));
  if (FBalloon->Transparency() > 0 && FHToolTip) {
    SetWindowLongW(FHToolTip, GWL_EXSTYLE, GetWindowLongW(FHToolTip, GWL_EXSTYLE) | WS_EX_LAYERED);
    CallSetLayeredWindowAttributes(FHToolTip, 0, static_cast<BYTE>(255 - FBalloon->Transparency()), LWA_ALPHA);
    // The update the system refuses for a window with layered attributes;
    // the attributes above are what shows.
    TWindowDC ScreenDC(nullptr);
    TWindowDC TipDC(FHToolTip);
    SIZE Size{100, 100};
    POINT Source{0, 0};
    BLENDFUNCTION Blend{};
    CallUpdateLayeredWindow(FHToolTip, ScreenDC, nullptr, &Size, TipDC, &Source, 0, &Blend, ULW_ALPHA);
  }
}

void TRezIvevirAvod::BalloonDone() {
  if (FBalloonStarted) DestroyToolTipWindow();
  FBalloonStarted = false;
}

void TRezIvevirAvod::CreateToolTipWindow() {
  FHToolTip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (FHToolTip) SetWindowPos(FHToolTip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TRezIvevirAvod::DestroyToolTipWindow() {
  if (FHToolTip) DestroyWindow(FHToolTip);
  FHToolTip = nullptr;
}

void TRezIvevirAvod::AddToolTipTool(Integer Icon, const String& Title) {
  RECT Client{};
  if (!HandleAllocated() || !GetClientRect(Handle(), &Client)) return;
  TTTOOLINFOW Tool{};
  Tool.cbSize = sizeof(Tool);
  Tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  Tool.hwnd = Handle();
  Tool.uId = reinterpret_cast<UINT_PTR>(Handle());
  Tool.rect = Client;
  Tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(FHToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&Tool));
  const WPARAM IconKind = Icon >= 0 && Icon <= 3 ? static_cast<WPARAM>(Icon) : 0;
  SendMessageW(FHToolTip, TTM_SETTITLEW, IconKind, reinterpret_cast<LPARAM>(Title.c_str()));
}

void TRezIvevirAvod::DestroyWnd() {
  if (!Designing()) BalloonDone();
  // A new window registers again when it is made.
  RevokeOleDropTarget();
  TBaseGrid::DestroyWnd();
}

}  // namespace jorv::grid
