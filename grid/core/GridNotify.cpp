// The grid's answers to the notifications of its child windows: the date
// picker of an inplace editor reporting a change, and the balloon tool tip
// asking for the text, title and icon of the cell under the mouse.
#include <algorithm>
#include <commctrl.h>
#include "foundation/HTMLUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Colors.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/DateUtils.h"

namespace jorv::grid {

namespace {

constexpr size_t kBalloonTextMax = 2048;
constexpr size_t kBalloonTitleMax = 100;
constexpr Integer kBalloonMaxWidth = 300;

// Tabs as spaces, without the line breaks and tabs that would open the
// balloon with empty lines, and cut to what the tool tip can hold.
String TidyBalloonText(const String& Text) {
  size_t First = 0;
  while (First < Text.size() && (Text[First] == L'\r' || Text[First] == L'\n' || Text[First] == L'\t')) ++First;
  String Result = Text.substr(First);
  for (Char& Ch : Result)
    if (Ch == L'\t') Ch = L' ';
  if (Result.size() > kBalloonTextMax) Result = Result.substr(0, kBalloonTextMax - 3) + L"...";
  return Result;
}

}  // namespace

void TRezIvevirAvod::HandleNotifyMessage(TMessage& Message) {
  NMHDR* Header = MsgAs<TWMNotify>(Message).NMHdr;
  switch (Header ? Header->code : 0) {
    case DTN_DATETIMECHANGE:
      if (OnDateTimeChange) {
        const SYSTEMTIME& Time = reinterpret_cast<NMDATETIMECHANGE*>(Header)->st;
        const bool HasDate = Time.wYear != 0 && Time.wMonth != 0 && Time.wDay != 0;
        OnDateTimeChange(this, Col(), Row(), HasDate ? SystemTimeToDateTime(Time) : TDateTime(0));
      }
      break;
    case TTN_GETDISPINFOW:
      if (FBalloon->Enable()) AnswerBalloonText(reinterpret_cast<NMTTDISPINFOW*>(Header));
      return;
    case TTN_SHOW:
    case TTN_POP: return;
    default: break;
  }
  TBaseGrid::WndProc(Message);
}

// The text a balloon shows for a cell: what the cell reads as, without
// tags or rich-text codes.
String TRezIvevirAvod::BalloonCellText(Integer RCol, Integer ARow) {
  const String Text = GetCells(RCol, ARow);
  switch (foundation::ClassifyCellText(Text, FEnableHTML)) {
    case 1: return foundation::HTMLToPlainText(Text);
    case 2: {
      TFont Unused;
      return RichPlainText(Text, &Unused);
    }
    case 5: return foundation::MarkedTextToWide(Text);
    default: return Text;
  }
}

void TRezIvevirAvod::AnswerBalloonText(NMTTDISPINFOW* Info) {
  POINT Mouse{};
  ::GetCursorPos(&Mouse);
  ::ScreenToClient(Handle(), &Mouse);
  Integer ACol = -1, ARow = -1;
  MouseToCell(Mouse.x, Mouse.y, ACol, ARow);
  const bool Valid = ACol != -1 && ARow != -1;
  Integer RCol = -1;
  String Text;
  if (Valid) {
    const TPoint Base = BaseCell(DisplToRealCol(ACol), ARow);
    RCol = Base.X;
    ARow = Base.Y;
    Text = BalloonCellText(RCol, ARow);
  }
  Text = TidyBalloonText(Text);
  String Title = L" ";
  Integer Icon = biInfo;
  if (Valid) {
    TBalloonIcon CellIcon = biInfo;
    if (IsBalloon(RCol, ARow, Title, Text, CellIcon)) Icon = CellIcon;
    if (OnCellBalloon) OnCellBalloon(this, RCol, ARow, Title, Text, Icon);
  }
  FLastBalloonPos = TPoint{RCol, ARow};
  // The tool tip reads the text after this answer, so it lives in the grid.
  Text.resize(std::min(Text.size(), kBalloonTextMax));
  FToolTipBuffer = Text;
  Info->lpszText = FToolTipBuffer.data();
  Info->hinst = nullptr;
  if (Title.size() > kBalloonTitleMax) Title = Title.substr(0, kBalloonTitleMax - 3) + L"...";
  SendMessageW(FHToolTip, TTM_SETMAXTIPWIDTH, 0, kBalloonMaxWidth);
  if (FBalloon->TextColor() != clNone)
    SendMessageW(FHToolTip, TTM_SETTIPTEXTCOLOR, ColorToRGB(FBalloon->TextColor()), 0);
  if (FBalloon->BackgroundColor() != clNone)
    SendMessageW(FHToolTip, TTM_SETTIPBKCOLOR, ColorToRGB(FBalloon->BackgroundColor()), 0);
  const WPARAM IconKind = Icon >= 0 && Icon <= 3 ? static_cast<WPARAM>(Icon) : 0;
  SendMessageW(FHToolTip, TTM_SETTITLEW, IconKind, reinterpret_cast<LPARAM>(Title.c_str()));
}

}  // namespace jorv::grid
