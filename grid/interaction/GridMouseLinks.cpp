// Links in cells under the mouse: the anchor a press hits, and what the
// grid does with it. A cell's text is data, so the grid hands the shell
// web and mail links only, never a program or a path that came from a cell.
#include "foundation/HTMLRenderer.h"
#include "foundation/PictureContainer.h"
#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ShellOpen.h"

namespace jorv::grid {

namespace {

constexpr Integer HTMLTextKind = 1;

}  // namespace

// The anchor of the cell's HTML text under a client point, laid out as it
// is painted; empty when the point is on no anchor.
String TRezIvevirAvod::AnchorUnderPoint(Integer ACol, Integer ARow, Integer X, Integer Y, String* Title,
                                        THTMLControlHit* Control) {
  const String Text = GetCells(DisplToRealCol(ACol), ARow);
  TRect R = CellRect(ACol, ARow);
  R.Left += FXYOffset.X + 1;
  R.Top += FXYOffset.Y + 1;
  R.Right -= FXYOffset.X;
  TCanvas* C = Canvas();
  C->Font()->Assign(ACol < FixedCols() || ARow < FixedRows() ? FixedFont() : Font());
  String URL, Plain, Focused, AnchorTitle, ControlType, ControlValue;
  // A control asked for by its ID is found wherever the point lies.
  String ControlID = Control ? Control->ID : String();
  Integer W = 0, H = 0, AnchorCount = 0, Anchor = -1;
  TRect AnchorRect, ControlRect;
  foundation::DrawHTMLText(C, Text, R, GetCellImageList(ACol, ARow), X, Y, -1, -1, 0, true, false, false, false,
                           false, false, true, false, L"", 1.0, FURLColor, clNone, clNone, 0x808080, URL, Plain,
                           Focused, AnchorTitle, W, H, AnchorCount, Anchor, AnchorRect, ControlRect, ControlID,
                           ControlType, ControlValue, FPictureCache.get(), FPictureContainer, Handle(), 0);
  if (Title) *Title = AnchorTitle;
  if (Control) *Control = THTMLControlHit{ControlID, ControlType, ControlValue, ControlRect};
  return URL;
}

// A press on a link of a cell; true when it hit one (a link click neither
// selects nor edits).
bool TRezIvevirAvod::PressOnAnchor(Integer ACol, Integer ARow, Integer RealCol, Integer X, Integer Y) {
  const String Text = GetCells(RealCol, ARow);
  const bool HTML = ClassifyCellText(Text, FEnableHTML) == HTMLTextKind;
  String Anchor;
  THTMLControlHit Control;
  if (!HTML && FURLShow && IsURLText(Text)) Anchor = Text;
  if (HTML) Anchor = AnchorUnderPoint(ACol, ARow, X, Y, nullptr, &Control);
  if (Anchor.empty()) return HTML && PressBesideHTMLControls(ACol, ARow, Text);
  if (!Control.ID.empty() && PressOnHTMLControl(ACol, ARow, RealCol, Control)) return true;
  bool AutoHandle = true;
  if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, Anchor, AutoHandle);
  if (AutoHandle) OpenAnchor(Anchor);
  return true;
}

// "CELL://R2C3" moves to that cell and centres it; any other anchor is
// opened by the shell when it is a web or mail link, and dropped otherwise.
void TRezIvevirAvod::OpenAnchor(const String& Anchor) {
  if (Pos(L"CELL://", UpperCase(Anchor)) == 0) {
    OpenLink(Anchor);
    return;
  }
  TPoint Cell{};
  if (ParseRCCellRef(Anchor.substr(7), Cell) != 1) return;
  if (Cell.X < 0 || Cell.X >= ColCount() || Cell.Y < 0 || Cell.Y >= RowCount()) return;
  SetRow(Cell.Y);
  SetCol(Cell.X);
  ScrollInView(Cell.X, Cell.Y, spMiddle);
}

}  // namespace jorv::grid
