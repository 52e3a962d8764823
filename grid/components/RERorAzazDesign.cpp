// The data-aware grid's quick configuration at design time: a small panel
// in the grid's bottom right corner whose lines bind every field, unbind
// them, or remove the columns.
#include "grid/components/RERorAzaz.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Messages.h"

namespace jorv::grid {

namespace {

const wchar_t* const Choices[3] = {L"Add all DB fields", L"Remove all DB fields", L"Remove all columns"};

void UsePanelFont(TCanvas* C) {
  C->Font()->SetName(L"Tahoma");
  C->Font()->SetSize(8);
}

// Measures the panel's texts in its own font without a paint going on.
struct TPanelMeasure {
  TPanelMeasure() {
    Bitmap.SetSize(1, 1);
    UsePanelFont(Bitmap.Canvas());
  }
  TCanvas* Canvas() { return Bitmap.Canvas(); }
  TBitmap Bitmap;
};

// The top of choice Line (1..3) and the bottom of its band.
Integer ChoiceTop(Integer Bottom, Integer H, Integer Line) { return Bottom - 66 + 2 * Line + Line * H; }

}  // namespace

Integer TRERorAzaz::DesignHelperChoiceAt(Integer X, Integer Y) {
  TPanelMeasure Measure;
  const Integer H = Measure.Canvas()->TextHeight(L"gh");
  const TRect R = ClientRect();
  Integer Choice = 255;
  for (Integer Line = 1; Line <= 3; ++Line) {
    const Integer Top = ChoiceTop(R.Bottom, H, Line), Bottom = ChoiceTop(R.Bottom, H, Line + 1);
    const Integer Right = R.Right - 150 + Measure.Canvas()->TextWidth(Choices[Line - 1]);
    if (X > R.Right - 150 && X < Right && Y > Top && Y < Bottom) Choice = Line;
  }
  return Choice;
}

void TRERorAzaz::PaintDesignHelper() {
  if (!Designing() || !ShowDesignHelper()) return;
  TCanvas* C = Canvas();
  TFont OldFont;
  OldFont.Assign(C->Font());
  const TColor OldBrush = C->Brush()->Color(), OldPen = C->Pen()->Color();
  auto Restore = ScopeExit([&] {
    C->Font()->Assign(&OldFont);
    C->Brush()->SetColor(OldBrush);
    C->Pen()->SetColor(OldPen);
  });
  const TRect R = ClientRect();
  C->Brush()->SetColor(clInfoBk);
  C->Pen()->SetColor(0x808080);
  C->Rectangle(TRect(R.Right - 150, R.Bottom - 70, R.Right, R.Bottom));
  UsePanelFont(C);
  C->Font()->SetColor(0x800000);
  const Integer H = C->TextHeight(L"gh");
  C->Font()->SetStyle({fsUnderline});
  C->TextOut(R.Right - 146, R.Bottom - 66, L"Quick config[" + Version() + L"]");
  POINT Screen{};
  GetCursorPos(&Screen);
  const TPoint Mouse = ScreenToClient(TPoint{Screen.x, Screen.y});
  const Integer Hovered = DesignHelperChoiceAt(Mouse.X, Mouse.Y);
  for (Integer Line = 1; Line <= 3; ++Line) {
    C->Font()->SetStyle(Line == Hovered ? TFontStyles{fsUnderline} : TFontStyles{});
    C->TextOut(R.Right - 146, ChoiceTop(R.Bottom, H, Line), Choices[Line - 1]);
  }
}

// The designer passes a click on a choice to the grid.
void TRERorAzaz::HandleDesignHelperHitTest(TMessage& Message) {
  TRezIvevirAvod::WndProc(Message);
  if (!Designing() || !ShowDesignHelper()) return;
  const auto& Hit = MsgAs<TWMMouse>(Message);
  const Integer Choice = DesignHelperChoiceAt(Hit.XPos, Hit.YPos);
  if (Choice != FLastDesignChoice && HandleAllocated()) {
    const TRect R = ClientRect();
    RECT Area{R.Right - 150, R.Bottom - 70, R.Right, R.Bottom};
    ::InvalidateRect(Handle(), &Area, TRUE);
  }
  FLastDesignChoice = Choice;
  if (Choice >= 1 && Choice <= 3) Message.Result = 1;
}

void TRERorAzaz::DesignHelperClick(Integer X, Integer Y) {
  switch (DesignHelperChoiceAt(X, Y)) {
    case 1: AddAllFields(); break;
    case 2: RemoveAllFields(); break;
    case 3: RemoveAllColumns(); break;
    default: break;
  }
}

}  // namespace jorv::grid
