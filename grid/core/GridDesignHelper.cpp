// The quick configuration panel a grid shows while its form is designed:
// editing on or off, column numbers in row 0, and the look, with a close
// button. Outside design time none of this runs.
#include <memory>
#include "grid/core/GridGlyphs.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menus.h"

namespace jorv::grid {

namespace {

constexpr Integer PanelWidth = 150;
const wchar_t* const AllowEditText = L"Allow edit";
const wchar_t* const ColumnNumbersText = L"Column numbers";

void UsePanelFont(TCanvas* Canvas) {
  Canvas->Font()->SetName(L"Tahoma");
  Canvas->Font()->SetSize(8);
  Canvas->Font()->SetStyle({});
}

// Measures in the panel's font without a window.
struct TPanelMeasure {
  TMemoryDC DC{nullptr};
  TCanvas Canvas;
  TCanvasDC Bind{&Canvas, DC};
  TPanelMeasure() { UsePanelFont(&Canvas); }
  Integer LineHeight() { return Canvas.TextHeight(L"gh"); }
};

// The panel's look menu, in its order.
struct TLookItem {
  const wchar_t* Caption;
  TGridLook Look;
};
constexpr TLookItem LookMenu[] = {{L"Standard", glStandard},   {L"Soft", glSoft},
                                  {L"Classic", glClassic},     {L"ZVQ", glZVQ},
                                  {L"ListView", glListView},   {L"Office 2007", glOffice2007},
                                  {L"Windows XP", glXP},       {L"Windows Vista", glVista},
                                  {L"Windows 7", glWin7}};

}  // namespace

String LookToDisplayName(TGridLook Look) {
  switch (Look) {
    case glStandard: return L"Standard";
    case glSoft: return L"Soft";
    case glClassic: return L"Classic";
    case glZVQ: return L"ZVQ";
    case glXP: return L"Windows XP";
    case glListView: return L"ListView";
    case glVista: return L"Windows Vista";
    case glWin7: return L"Windows 7";
    case glOffice2007: return L"Office2007";
    default: return L"";
  }
}

TRect TRezIvevirAvod::DesignHelperRect() {
  TPanelMeasure Measure;
  const TRect R = ClientRect();
  return Rect(R.Right - PanelWidth, R.Bottom - (4 * Measure.LineHeight() + 18), R.Right, R.Bottom);
}

// Later tests win where the areas overlap.
Integer TRezIvevirAvod::DesignHitTest(Integer X, Integer Y) {
  TPanelMeasure Measure;
  const Integer th = Measure.LineHeight();
  const Integer lh = th + 2;
  const TRect R = ClientRect();
  const Integer Top = R.Bottom - (4 * th + 18);
  auto OnLine = [&](Integer Line) { return Y > Top + Line * lh + 4 && Y < Top + (Line + 1) * lh + 4; };
  const Integer Left = R.Right - PanelWidth;
  Integer Choice = -1;
  if (X > R.Right - 16 && Y > Top && Y < Top + 16) Choice = 4;
  if (X > Left && X < R.Right - 132 + Measure.Canvas.TextWidth(AllowEditText) && OnLine(1)) Choice = 1;
  if (X > Left && X < R.Right - 132 + Measure.Canvas.TextWidth(ColumnNumbersText) && OnLine(2)) Choice = 2;
  const String LookText = L"Set look: " + LookToDisplayName(FLook);
  if (X > Left && X < Left + Measure.Canvas.TextWidth(LookText) && OnLine(3)) Choice = 3;
  return Choice;
}

void TRezIvevirAvod::PaintDesignHelper() {
  if (!Designing() || !FShowDesignHelper) return;
  TCanvas* C = Canvas();
  TFont OldFont;
  OldFont.Assign(C->Font());
  const TColor OldBrush = C->Brush()->Color();
  const TColor OldPen = C->Pen()->Color();
  auto Restore = ScopeExit([&] {
    C->Font()->Assign(&OldFont);
    C->Brush()->SetColor(OldBrush);
    C->Pen()->SetColor(OldPen);
  });
  UsePanelFont(C);
  C->Font()->SetColor(0x800000);
  C->Font()->SetStyle({fsUnderline});
  C->Brush()->SetColor(clInfoBk);
  C->Pen()->SetColor(0x808080);
  const TRect R = DesignHelperRect();
  const Integer th = C->TextHeight(L"gh");
  C->Rectangle(R);
  C->TextOut(R.Left + 4, R.Top + 4, L"Quick config [v" + Version() + L"]");
  DrawGridGlyph(C, clInfoBk, Bounds(R.Right - 16, R.Top + 2, 16, 16), L"GRDCLOSE");
  POINT Screen{};
  GetCursorPos(&Screen);
  const TPoint Mouse = ScreenToClient(TPoint{Screen.x, Screen.y});
  const Integer Hovered = DesignHitTest(Mouse.X, Mouse.Y);
  auto Underline = [&](Integer Choice) { C->Font()->SetStyle(Hovered == Choice ? TFontStyles{fsUnderline} : TFontStyles{}); };
  DrawCheckBoxGlyph(C, Bounds(R.Left + 4, R.Top + th + 4, 16, 16), Options().Contains(goEditing), cbUnchecked,
                    false, csWinXP, false, true);
  Underline(1);
  C->TextOut(R.Left + 22, R.Top + th + 6, AllowEditText);
  DrawCheckBoxGlyph(C, Bounds(R.Left + 4, R.Top + 2 * th + 6, 16, 16), FShowColumnNumbersAtDesign, cbUnchecked,
                    false, csWinXP, false, true);
  Underline(2);
  C->TextOut(R.Left + 22, R.Top + 2 * th + 8, ColumnNumbersText);
  Underline(3);
  C->TextOut(R.Left + 4, R.Top + 3 * th + 10, L"Set look: " + LookToDisplayName(FLook));
}

// The designer asks which clicks the grid handles itself: those on a choice.
void TRezIvevirAvod::HandleDesignHitTestMessage(TMessage& Message) {
  TBaseGrid::WndProc(Message);
  if (!Designing() || !FShowDesignHelper) return;
  const auto& Hit = MsgAs<TWMMouse>(Message);
  const Integer Choice = DesignHitTest(Hit.XPos, Hit.YPos);
  // Only the panel's area is repainted, and only when the choice changes.
  if (Choice != FLastDesignChoice && HandleAllocated()) {
    const TRect R = ClientRect();
    RECT Area{R.Right - PanelWidth, R.Bottom - 70, R.Right, R.Bottom};
    ::InvalidateRect(Handle(), &Area, TRUE);
  }
  FLastDesignChoice = Choice;
  if (Choice >= 1 && Choice <= 4) Message.Result = 1;
}

void TRezIvevirAvod::DesignHelperClick(Integer X, Integer Y) {
  switch (DesignHitTest(X, Y)) {
    case 1:
      SetOptions(Options().Contains(goEditing) ? Options() - goEditing : Options() + goEditing);
      break;
    case 2:
      FShowColumnNumbersAtDesign = !FShowColumnNumbersAtDesign;
      Invalidate();
      break;
    case 3: PopupLookMenu(X, Y); break;
    case 4: SetShowDesignHelper(false); return;
    default: return;
  }
  NudgeParentForm();
}

void TRezIvevirAvod::PopupLookMenu(Integer X, Integer Y) {
  auto Menu = std::make_unique<TPopupMenu>(nullptr);
  for (const TLookItem& Entry : LookMenu) {
    const TGridLook Look = Entry.Look;
    auto* Item = new TMenuItem(Menu.get());
    Item->SetCaption(Entry.Caption);
    Item->SetChecked(Look == FLook);
    Item->OnClick = [this, Look](TObject*) { SetLook(Look); };
    Menu->Items()->Add(Item);
  }
  const TPoint P = ClientToScreen(TPoint{X, Y});
  Menu->Popup(P.X, P.Y);
}

// The designer lays the form out again when its width changes.
void TRezIvevirAvod::NudgeParentForm() {
  TCustomForm* Form = FindParentForm(this);
  if (!Form) return;
  Form->SetWidth(Form->Width() - 1);
  Form->SetWidth(Form->Width() + 1);
}

}  // namespace jorv::grid
