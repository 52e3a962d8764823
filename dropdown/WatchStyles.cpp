// The clock's twelve designs and its colour preset per library look.
#include <optional>
#include "dropdown/ExWatch.h"
#include "platform/rtl/Math.h"

namespace jorv::dropdown {

using namespace jorv::foundation;

namespace {

TFontStyles Bold() { return TFontStyles{fsBold}; }

void SetWatchFont(TFont* F, TColor Color, Integer Size, const wchar_t* Name, std::optional<TFontStyles> Style) {
  if (Color != clNone) F->SetColor(Color);
  if (Size > 0) F->SetSize(Size);
  if (Name) F->SetName(Name);
  if (Style) F->SetStyle(*Style);
}

void SetPointers(TWatchAppearance* A, TColor Hour, TColor HourShadow, Integer HourSize, TColor Minute,
                 TColor MinuteShadow, Integer MinuteSize) {
  A->SetHourPointer(Hour);
  A->SetHourPointerShadow(HourShadow);
  if (HourSize > 0) A->SetHourPointerSize(static_cast<Byte>(HourSize));
  if (Minute != clNone) A->SetMinutePointer(Minute);
  A->SetMinutePointerShadow(MinuteShadow);
  if (MinuteSize > 0) A->SetMinutePointerSize(static_cast<Byte>(MinuteSize));
}

void CenterPoint(TWatchAppearance* A, TColor Border, TColor Outer, TColor Color) {
  A->SetCenterPointBorderColor(Border);
  A->SetCenterPointOuterBorderColor(Outer);
  A->SetCenterPointColor(Color);
}

const TFontStyles Regular{};

}  // namespace

void TExWatch::SetStyle(TWatchStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  if (Value > wsSmooth) return;
  FAppearance->SetDefaults();
  ApplyStyle(Value);
}

void TExWatch::ApplyStyle(TWatchStyle Value) {
  TWatchAppearance* A = FAppearance.get();
  const Integer Side = Min(Width(), Height());
  switch (Value) {
    case wsClassic:
      SetWatchFont(A->AMPMFont(), clNone, 0, L"MS Sans Serif", Regular);
      SetWatchFont(A->HourFont(), clNone, 10, L"Comic Sans MS", Bold());
      A->SetHourMarkLength(8);
      SetPointers(A, 0, clBtnShadow, 5, clNone, clBtnShadow, 0);
      A->SetMinuteMarkLength(4);
      FAnimation = true;
      FAnimationFactor = 10;
      SetShowAMPM(true);
      SetShowNumbers(true);
      break;
    case wsTower:
      SetWatchFont(A->AMPMFont(), clNone, 0, L"MS Sans Serif", Regular);
      A->SetAMPMFrame(apRect);
      A->SetBorderWidth(1);
      A->SetBackgroundColor(0xB1F0FE);
      A->SetBackgroundGradient(wgDiagonalForward);
      A->SetCenterPointColor(0x002BD5);
      A->SetCenterPointSize(6);
      SetWatchFont(A->HourFont(), clWindowText, 0, L"Century", Bold());
      SetPointers(A, 0, clBtnShadow, 5, clNone, clBtnShadow, 0);
      A->SetSecondPointer(0x002BD5);
      A->SetShape(wsRect);
      A->SetPointerStyle(psPointer);
      A->SetBackgroundColorTo(0x5BCCE8);
      A->SetAMPMColor(A->BackgroundColor());
      SetShowNumbers(false);
      A->SetTickMarks(tmHours);
      break;
    case wsFluorescent:
      SetWatchFont(A->AMPMFont(), clWindowText, 10, L"MS Sans Serif", Regular);
      A->SetAMPMFrame(apRoundRect);
      A->SetBorderColor(0xFF3E3E);
      A->SetBackgroundColor(0);
      A->SetBackgroundColorTo(0);
      A->SetCenterPointColor(0xFF3E3E);
      A->SetCenterPointBorderColor(0);
      A->SetCenterPointOuterBorderColor(0);
      A->SetCenterPointSize(20);
      SetWatchFont(A->HourFont(), clWindowText, 8, L"MS Sans Serif", Regular);
      A->SetHourColor(0xFF3E3E);
      A->SetHourMarkLength(10);
      SetPointers(A, 0xFF3E3E, clBtnShadow, 2, 0xFF3E3E, clBtnShadow, 2);
      A->SetMinuteColor(0xFF3E3E);
      A->SetShape(wsRoundRect);
      A->SetHourMarkWidth(2);
      A->SetHourMarkStyle(hmsQuartDblLine);
      A->SetTickMarks(tmHours);
      SetShowAMPM(false);
      SetShowNumbers(false);
      break;
    case wsEmerald:
      SetWatchFont(A->AMPMFont(), 0xA00000, 0, L"MS Sans Serif", Regular);
      A->SetAMPMFrame(apRoundRect);
      A->SetBorderColor(0x3AE800);
      A->SetBackgroundColor(0x3AE800);
      A->SetBackgroundColorTo(0);
      A->SetBackgroundGradient(wgDiagonalForward);
      A->SetCenterPointBorderColor(0x40FF00);
      A->SetCenterPointColor(0x38E100);
      A->SetCenterPointSize(16);
      SetWatchFont(A->HourFont(), clNone, 0, L"MS Sans Serif", Regular);
      SetPointers(A, 0x40FF00, clBtnShadow, 5, 0x40FF00, clBtnShadow, 0);
      A->SetShape(wsRect);
      A->SetPointerStyle(psPointer);
      A->SetAMPMColor(clNone);
      A->HourFont()->SetColor(A->BackgroundColor());
      A->SetHourColor(A->BackgroundColor());
      A->SetCenterPointOuterBorderColor(0);
      A->SetHourMarkStyle(hmsQuartDblLine);
      A->SetSecondPointer(0x00FFFF);
      A->SetTickMarks(tmHours);
      SetShowNumbers(false);
      SetShowAMPM(false);
      break;
    case wsBlueStar:
      SetWatchFont(A->AMPMFont(), 0xA00000, 10, L"MS Sans Serif", Regular);
      A->SetAMPMBorderColor(clNone);
      A->SetAMPMFrame(apRoundRect);
      A->SetBorderColor(0xFFD5D5);
      A->SetBackgroundColor(0xFFD5D5);
      A->SetBackgroundColorTo(0xA00000);
      A->SetBackgroundGradient(wgRadial);
      SetWatchFont(A->HourFont(), clNone, 8, L"MS Sans Serif", Regular);
      SetPointers(A, 0xA00000, clBtnShadow, 5, 0xA00000, clBtnShadow, 0);
      A->SetShape(wsRoundRect);
      A->SetPointerStyle(psPointer);
      A->SetAMPMColor(clNone);
      A->HourFont()->SetColor(A->BackgroundColor());
      SetShowAMPM(true);
      SetShowNumbers(true);
      break;
    case wsFuchsia:
      SetWatchFont(A->AMPMFont(), clWindowText, 10, L"MS Sans Serif", Regular);
      A->SetAMPMFrame(apRoundRect);
      A->SetBorderColor(0xFFD0FF);
      A->SetBackgroundColor(0);
      A->SetBackgroundColorTo(0);
      A->SetCenterPointBorderColor(0xDD68DD);
      A->SetCenterPointSize(20);
      SetWatchFont(A->HourFont(), clWindowText, 8, L"MS Sans Serif", Regular);
      A->SetHourColor(0xFFD0FF);
      A->SetHourMarkLength(10);
      SetPointers(A, 0xFFD0FF, clBtnShadow, 2, 0xFFD0FF, clBtnShadow, 2);
      A->SetMinuteColor(0xFFD0FF);
      A->SetShape(wsRect);
      A->SetCenterPointOuterBorderColor(0);
      A->SetHourMarkWidth(2);
      A->SetHourMarkStyle(hmsQuartDblLine);
      A->SetSecondPointer(0xDD68DD);
      A->SetTickMarks(tmQuartHours);
      SetShowAMPM(false);
      SetShowNumbers(false);
      break;
    case wsBlack:
      SetWatchFont(A->AMPMFont(), clNone, 0, L"MS Sans Serif", Regular);
      A->SetBackgroundColor(0x202020);
      A->SetBackgroundColorTo(clNone);
      A->SetBorderColor(0);
      CenterPoint(A, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF);
      A->SetHourColor(0x585858);
      SetWatchFont(A->HourFont(), 0xFFFFFF, 11, L"Century Gothic", std::nullopt);
      SetPointers(A, 0xFFFFFF, clBtnShadow, 5, 0xFFFFFF, clBtnShadow, 0);
      A->SetMinuteColor(0x585858);
      A->SetMinuteMarkLength(4);
      SetShowAMPM(false);
      SetShowNumbers(true);
      break;
    case wsBlackWhite:
      A->SetBackgroundColor(0xFFFFFF);
      A->SetBackgroundColorTo(clNone);
      A->SetBorderColor(0);
      A->SetBorderWidth(8);
      CenterPoint(A, 0, 0, 0);
      A->SetCenterPointSize(8);
      A->SetHourColor(0x585858);
      SetWatchFont(A->HourFont(), 0, 14, L"Century Gothic", Bold());
      SetPointers(A, 0, clBtnShadow, 5, 0, clBtnShadow, 0);
      A->SetMinuteMarkLength(4);
      A->SetSecondPointer(0x000080);
      A->SetPointerStyle(psPointer);
      A->SetTickMarks(tmQuartHours);
      SetShowAMPM(false);
      SetShowNumbers(true);
      break;
    case wsGray:
      SetWatchFont(A->AMPMFont(), clNone, 10, L"MS Sans Serif", std::nullopt);
      A->SetBackgroundColor(0xD1D1D1);
      A->SetBackgroundColorTo(0x6C6C6C);
      A->SetBackgroundGradient(wgRadial);
      A->SetBorderColor(0x454545);
      CenterPoint(A, 0x454545, clNone, 0);
      A->SetHourColor(0);
      SetWatchFont(A->HourFont(), clNone, 8, L"Comic Sans MS", Regular);
      SetPointers(A, 0x4E4E4E, clNone, 1, 0x4E4E4E, clNone, 1);
      A->SetMinuteColor(0x808080);
      A->SetSecondPointer(0x0000FF);
      SetShowAMPM(true);
      SetShowNumbers(true);
      break;
    case wsSuperNova:
      A->SetBackgroundColorTo(0xD1D3D3);
      A->SetBorderColor(clNone);
      A->SetCenterPointOuterBorderColor(0);
      A->SetCenterPointSize(10);
      A->SetHourMarkLength(static_cast<Byte>(Round(Side / 4.5)));
      A->SetHourPointer(0);
      A->SetHourPointerShadow(clBtnShadow);
      A->SetMinuteColor(0x808080);
      A->SetMinuteMarkLength(static_cast<Byte>(Side / 3));
      A->SetMinutePointer(0);
      SetShowAMPM(false);
      SetShowNumbers(false);
      break;
    case wsSports:
    case wsSmooth: {
      const bool Sports = Value == wsSports;
      A->SetBackgroundColor(Sports ? 0 : 0xFFFFFF);
      A->SetBackgroundColorTo(Sports ? clNone : 0xABB0B1);
      A->SetBorderColor(Sports ? 0 : 0x585858);
      A->SetBorderWidth(1);
      if (Sports)
        CenterPoint(A, 0xFF0000, 0, 0x191919);
      else
        CenterPoint(A, 0, 0x4A4A4A, 0xFFFFFF);
      A->SetCenterPointSize(static_cast<Byte>(Sports ? Round(Side / 3.6) : 6));
      A->SetHourColor(0xABB0B1);
      SetWatchFont(A->HourFont(), 0x797979, 9, L"Times New Roman", std::nullopt);
      if (Sports)
        SetPointers(A, 0x0000FF, clNone, 2, 0x00FFFF, clNone, 2);
      else
        SetPointers(A, 0x4A4A4A, 0xB2B2B2, 2, 0x4A4A4A, 0xB2B2B2, 2);
      A->SetMinuteColor(0x808080);
      A->SetMinuteMarkLength(1);
      A->SetSecondPointer(Sports ? 0x188BFE : 0x4A4A4A);
      A->SetTickMarks(tmQuartHours);
      SetShowAMPM(false);
      SetShowNumbers(true);
      break;
    }
  }
}

namespace {

struct TWatchColors {
  TZVQStyle Style;
  TColor AMPMBorderColor, AMPMColor, BackgroundFrom, BackgroundTo, BorderColor, CenterPointBorderColor,
      CenterPointColor, Marks, SecondPointer, Shadows;
};

constexpr TColor White = 0xFFFFFF;
constexpr TWatchColors WatchColors[] = {
    {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, White, White},
    {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, White, White},
    {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, White, White},
    {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080,
     White},
    {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, 0x723708, White},
    {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, 0xF2F1F0,
     White},
    {tsWindowsXP, 0, clBtnFace, clBtnFace, clBtnFace, 0, 0, 0, 0, 0, White},
    {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, White},
    {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, 0x74706F,
     White},
    {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, White},
    {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, White},
    {tsTerminal, 0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, White},
    {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, White},
    {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, White, White, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0},
    {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, White},
};

}  // namespace

void ApplyWatchLook(TWatchAppearance* A, TZVQStyle AStyle) {
  A->SetCenterPointOuterBorderColor(0);
  A->HourFont()->SetColor(0);
  A->AMPMFont()->SetColor(0);
  for (const TWatchColors& L : WatchColors) {
    if (L.Style != AStyle) continue;
    A->SetAMPMBorderColor(L.AMPMBorderColor);
    A->SetAMPMColor(L.AMPMColor);
    if (AStyle == tsOffice2007Obsidian) A->AMPMFont()->SetColor(0xF2F1F0);
    A->SetBackgroundColor(L.BackgroundFrom);
    A->SetBackgroundColorTo(L.BackgroundTo);
    A->SetBorderColor(L.BorderColor);
    A->SetCenterPointBorderColor(L.CenterPointBorderColor);
    A->SetCenterPointColor(L.CenterPointColor);
    A->SetHourColor(L.Marks);
    A->SetMinuteColor(L.Marks);
    A->SetHourPointerShadow(L.Shadows);
    A->SetHourPointer(L.Marks);
    A->SetMinutePointerShadow(L.Shadows);
    A->SetMinutePointer(L.Marks);
    A->SetSecondPointer(L.SecondPointer);
    if (AStyle == tsOffice2007Obsidian) A->HourFont()->SetColor(0xF2F1F0);
  }
}

void TExWatch::SetComponentStyle(TZVQStyle AStyle) {
  ApplyWatchLook(FAppearance.get(), AStyle);
  Invalidate();
}

}  // namespace jorv::dropdown
