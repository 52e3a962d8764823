// Layout and painting of the month calendar: background, caption band,
// navigation arrows, day names, week numbers, the six weeks of days and the
// today line. Everything is drawn into the window's memory bitmap (the
// control is double-buffered), so no step needs to avoid flicker itself.
#include <algorithm>
#include <cmath>

#include "calendar/AgendaCalendar.h"
#include "foundation/ExImage.h"
#include "foundation/XPTheme.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Frame3D.h"

namespace jorv::calendar {
using namespace jorv::foundation;

namespace {

constexpr TColor clGrayLine = 0x808080;

// clNone in a brush or pen means "draw nothing" rather than a colour.
void UseBrush(TCanvas* C, TColor Color) {
  if (Color == clNone) {
    C->Brush()->SetStyle(bsClear);
  } else {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color);
  }
}

void UsePen(TCanvas* C, TColor Color, Integer Width = 1) {
  C->Pen()->SetWidth(Width);
  if (Color == clNone) {
    C->Pen()->SetStyle(psClear);
  } else {
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetColor(Color);
  }
}

void UseFontColor(TCanvas* C, TColor Color) {
  if (Color != clNone) C->Font()->SetColor(Color);
}

// Cells before the first of the month (0..6); StartDay 1 puts Monday first.
Integer LeadCells(TDateTime first, Integer startDay) {
  Integer r = DayOfWeek(first) - startDay - 1;
  return r < 0 ? r + 7 : r;
}

void DrawCentered(TCanvas* C, TRect R, const String& Text, bool Vertically) {
  String S = Text;
  TTextFormat F{tfSingleLine, tfCenter, tfNoPrefix};
  if (Vertically) F.Include(tfVerticalCenter);
  C->TextRect(R, S, F);
}

void RaisedFrame(TCanvas* C, TRect R) { Frame3D(C, R, clWhite, clGrayLine, 1); }

// A glyph's corner colour is its transparent colour.
void DrawGlyph(TCanvas* C, TBitmap* Glyph, Integer X, Integer Y) {
  TBitmap Copy;
  Copy.Assign(Glyph);
  Copy.SetTransparentMode(tmAuto);
  Copy.SetTransparent(true);
  C->Draw(X, Y, &Copy);
}

}  // namespace

// --- geometry --------------------------------------------------------------------

void TAgendaCalendar::UpdateLayout() {
  Integer cols = FShowWeeks ? 8 : 7;
  Integer rows = FShowGotoToday ? 9 : 8;
  dx = static_cast<Word>(std::max(0, (Width() - cols) / cols));
  xoffset = FShowWeeks ? dx : BorderWidth();
  dy = static_cast<Word>(std::max(0, (Height() + 8) / rows));
}

TDateTime TAgendaCalendar::PointToDate(Integer x, Integer y, bool AllowChange) {
  xposin = x;
  yposin = y;
  Word ye, mo, da;
  DecodeDate(seldate, ye, mo, da);
  TDateTime first = EncodeDate(ye, mo, 1);
  Integer r = LeadCells(first, FStartDay);
  Integer col = dx ? x / dx : 0;
  Integer row = dy ? (y - yoffset - dy) / dy : 0;
  col = std::min(col, 6);
  row = std::min(row, 5);
  Integer n = col + 7 * row - r;
  Integer len = MonthDayCount(mo, ye);
  // Whole days from the first of the month; the time of day is dropped.
  TDateTime result = static_cast<TDateTime>(WholeDay(first) + n);
  if (n < 0) {
    if (AllowChange && FShowDaysBefore) ChangeMonth(-1);
  } else if (n + 1 > len) {
    if (AllowChange && FShowDaysAfter) ChangeMonth(1);
  }
  return result;
}

bool TAgendaCalendar::DateAtXY(Integer x, Integer y, TDateTime& ADate) {
  UpdateLayout();
  if (x <= xoffset || y <= dy) return false;
  if (FShowGotoToday && y > 8 * dy) return false;
  ADate = PointToDate(x - xoffset, y, false);
  Word ye, mo, da;
  DecodeDate(seldate, ye, mo, da);
  Integer day = WholeDay(ADate);
  if (!FShowDaysBefore && day < WholeDay(EncodeDate(ye, mo, 1))) return false;
  if (!FShowDaysAfter && day > WholeDay(EncodeDate(ye, mo, MonthDayCount(mo, ye)))) return false;
  return true;
}

bool TAgendaCalendar::IsMonthAllowed(TDateTime dt) const {
  // Whole months are compared, so that January of the next year counts as
  // after December and not before it.
  Word y1, m1, d1, y2, m2, d2;
  DecodeDate(dt, y1, m1, d1);
  DecodeDate(seldate, y2, m2, d2);
  Integer a = y1 * 12 + m1, s = y2 * 12 + m2;
  if (a > s && !FShowDaysAfter) return false;
  if (a < s && !FShowDaysBefore) return false;
  return true;
}

// --- the whole control ------------------------------------------------------------

void TAgendaCalendar::WMEraseBkgnd(TWMEraseBkgnd& Message) {
  // Paint covers every pixel.
  Message.Result = 1;
}

void TAgendaCalendar::Paint() {
  if (!Caption().empty()) SetCaption(String());
  TCustomCalendarPanel::Paint();
  BorderColor = 0;
  TCanvas* C = Canvas();
  if (FUpdateCount > 0) return;
  // Painting asks every day for its events, which leaves the answer for
  // the last painted day behind; the hint belongs to the day under the
  // pointer.
  struct TKeepHint {
    String& Ref;
    String Kept;
    explicit TKeepHint(String& r) : Ref(r), Kept(r) {}
    ~TKeepHint() { Ref = Kept; }
  } keepHint(EventHint);

  TRect client = ClientRect();
  if (FThemedBorder && FBorderXP && OpenThemeData && DrawThemeBackground && CloseThemeData) {
    TBitmap sample;
    sample.SetPixelFormat(pf24bit);
    sample.SetSize(12, 12);
    TCanvas* SC = sample.Canvas();
    SC->Lock();
    if (HTHEME theme = OpenThemeData(Handle(), L"Edit")) {
      RECT r{0, 0, 10, 10};
      DrawThemeBackground(theme, SC->Handle(), 1, 1, &r, nullptr);
      CloseThemeData(theme);
      BorderColor = SC->Pixels(0, 0);
    }
    SC->Unlock();
    UsePen(C, BorderColor);
    C->Brush()->SetStyle(bsClear);
    C->Rectangle(client);
  }

  TRect body = client;
  Integer inset = BorderWidth();
  if (BevelInner() != bvNone || BevelOuter() != bvNone) inset += BevelWidth();
  body.Left += inset;
  body.Top += inset;
  body.Right -= inset;
  body.Bottom -= inset;
  UseBrush(C, Color());
  UsePen(C, Color());
  C->Rectangle(body);

  if (!FBackground->Empty()) {
    Integer pw = FBackground->Width(), ph = FBackground->Height(), bw = BevelWidth();
    Integer L = body.Left, T = body.Top;
    auto at = [&](Integer x, Integer y) { FBackground->Draw(C, Bounds(x, y, pw, ph)); };
    switch (FBackgroundPosition) {
      case bpTopLeft: at(L, T); break;
      case bpTopRight: at(std::max(L, Width() - pw - bw), T); break;
      case bpBottomLeft: at(L, std::max(T, Height() - ph - bw)); break;
      case bpBottomRight: at(std::max(L, Width() - pw - bw), std::max(T, Height() - ph - bw)); break;
      case bpStretched: FBackground->Draw(C, body); break;
      case bpCenter:
        at(std::max(L, Width() - pw - bw) / 2, std::max(T, Height() - ph - bw) / 2);
        break;
      case bpTiled: {
        if (pw <= 0 || ph <= 0) break;
        HDC dc = C->Handle();
        int saved = SaveDC(dc);
        IntersectClipRect(dc, body.Left, body.Top, body.Right, body.Bottom);
        for (Integer y = T; y < body.Bottom; y += ph)
          for (Integer x = L; x < body.Right; x += pw) at(x, y);
        RestoreDC(dc, saved);
        break;
      }
    }
  } else {
    Integer rows = FShowGotoToday ? 9 : 8;
    C->Font()->Assign(FDayFont.get());
    Integer h = C->TextHeight(L"gh");
    Integer m = h - 4 + (rows + Height()) / rows;
    if (FMonthGradientStartColor != clNone && FMonthGradientEndColor != clNone) {
      TRect r = body;
      r.Bottom = m;
      FillGradient(C, FMonthGradientStartColor, FMonthGradientDirection == gdHorizontal, r, 80,
                   FMonthGradientEndColor);
    }
    if (FGradientStartColor != clNone && FGradientEndColor != clNone) {
      TRect r = body;
      if (FMonthGradientStartColor != clNone) r.Top = m;
      FillGradient(C, FGradientStartColor, FGradientDirection == gdHorizontal, r, 80,
                   FGradientEndColor);
    }
  }

  if (FCaptionColor != clNone) {
    C->Font()->Assign(Font());
    Integer bw = BorderWidth();
    TRect band(bw, bw, Width() - bw, C->TextHeight(L"X") + 5);
    UseBrush(C, FCaptionColor);
    UsePen(C, FCaption3D ? clGrayLine : FCaptionColor);
    C->Rectangle(band);
    if (FCaption3D) {
      UsePen(C, clWhite);
      C->MoveTo(band.Left, band.Bottom - 1);
      C->LineTo(band.Left, band.Top);
      C->LineTo(band.Right - 1, band.Top);
    }
  }

  PaintDays();
  if (FShowGotoToday) PaintTodayLine();
}

void TAgendaCalendar::FillGradient(TCanvas* Canvas, TColor FromColor, bool Across, const TRect& R,
                                   Integer Count, TColor ToColor) {
  Integer n = std::max(1, Count);
  TColor f = ColorToRGB(FromColor), t = ColorToRGB(ToColor);
  Integer fr = GetRValue(f), fg = GetGValue(f), fb = GetBValue(f);
  Integer tr = GetRValue(t), tg = GetGValue(t), tb = GetBValue(t);
  double size = Across ? double(R.Right - R.Left) / n : double(R.Bottom - R.Top) / n;
  Canvas->Pen()->SetStyle(psSolid);
  Canvas->Pen()->SetWidth(1);
  Canvas->Brush()->SetStyle(bsSolid);
  for (Integer i = 0; i < n; ++i) {
    auto mix = [&](Integer a, Integer b) {
      return static_cast<Integer>(Round(a + double(i) * (b - a) / n));
    };
    TColor c = static_cast<TColor>(RGB(mix(fr, tr), mix(fg, tg), mix(fb, tb)));
    Canvas->Pen()->SetColor(c);
    Canvas->Brush()->SetColor(c);
    Integer start = static_cast<Integer>(Round(i * size));
    Integer extent = static_cast<Integer>(size) + 1;
    if (Across) {
      Integer l = R.Left + start, r = std::min<Integer>(l + extent, R.Right);
      if (l < r) Canvas->FillRect(TRect(l, R.Top, r, R.Bottom));
    } else {
      Integer t2 = R.Top + start, b = std::min<Integer>(t2 + extent, R.Bottom);
      if (t2 < b) Canvas->FillRect(TRect(R.Left, t2, R.Right, b));
    }
  }
}

// --- the day grid -------------------------------------------------------------------

void TAgendaCalendar::PaintDays() {
  if (!FNameOfDays || !FNameOfMonths) return;
  TCanvas* C = Canvas();
  ApplyISOYearStart();
  Word ty, tm, td, cy, cm, cd;
  DecodeDate(thedate, ty, tm, td);
  DecodeDate(Now(), cy, cm, cd);
  const Word Y = ty, M = tm;

  UpdateLayout();
  if (FBrowsers->PrevMonth()) PaintPrevMonthButton();
  if (FBrowsers->NextMonth()) PaintNextMonthButton();
  if (FBrowsers->PrevYear()) PaintPrevYearButton();
  if (FBrowsers->NextYear()) PaintNextYearButton();
  PaintCaption();

  const TDateTime first = EncodeDate(Y, M, 1);
  const Integer r = LeadCells(first, FStartDay);
  const Integer len = MonthDayCount(M, Y);
  const Integer firstDay = WholeDay(first);
  const Integer prevLen = M == 1 ? 31 : MonthDayCount(M - 1, Y);

  // Day names.
  C->Font()->Assign(FDayFont.get());
  C->Brush()->SetStyle(bsClear);
  const Integer h2 = C->TextHeight(L"gh");
  const Integer bw = BorderWidth();
  if (FLook == look3D) {
    TRect header(bw + 1, dy - 4, Width() - bw - 1, h2 + dy - 4);
    if (FHeaderColor != clNone) {
      UseBrush(C, FHeaderColor);
      C->FillRect(header);
    }
    RaisedFrame(C, header);
  }
  C->Brush()->SetStyle(bsClear);
  for (Integer u = 1; u <= 7; ++u) {
    TRect cell(xoffset + (u - 1) * dx, dy - 6, xoffset + u * dx, 2 * dy);
    DrawCentered(C, cell, FNameOfDays->GetDay(u + FStartDay - 1), false);
  }

  // Separator under the names, and the week column.
  UseBrush(C, Color());
  UsePen(C, FLineColor);
  const Integer lineY = dy + h2 - 4;
  C->MoveTo(bw, lineY);
  C->LineTo(Width() - bw, lineY);
  if (FLine3D) {
    UsePen(C, clWhite);
    C->MoveTo(bw, lineY + 1);
    C->LineTo(Width() - bw, lineY + 1);
  }
  if (FShowWeeks) {
    UsePen(C, FLineColor);
    C->MoveTo(dx, lineY);
    C->LineTo(dx, Height() - 2);
    if (FLine3D) {
      UsePen(C, clWhite);
      C->MoveTo(dx + 1, lineY + 1);
      C->LineTo(dx + 1, Height() - 2);
    }
    C->Brush()->SetStyle(bsClear);
    C->Font()->Assign(FDayFont.get());
    DrawCentered(C, TRect(2, dy - 6, dx + 2, 2 * dy), FWeekName, false);
    C->Font()->Assign(FWeekFont.get());
    for (Integer row = 1; row <= 6; ++row) {
      Integer top = row * dy + yoffset - 2;
      DrawCentered(C, TRect(0, top, dx, top + dy - 2), IntToStr(WeekNumberOfRow(row)), true);
    }
  }

  // The days, column by column.
  const bool focused = HandleAllocated() && GetFocus() == Handle();
  const Integer hover = FHoverDate != 0 ? WholeDay(FHoverDate) : INT32_MIN;
  for (Integer col = 1; col <= 7; ++col) {
    for (Integer row = 1; row <= 6; ++row) {
      const Integer B = col + 7 * (row - 1);
      const Integer dayNo = B - r;
      TRect cell;
      cell.Right = col * dx + xoffset + 2;
      cell.Left = cell.Right - dx + 2;
      cell.Top = row * dy + yoffset - 2;
      cell.Bottom = cell.Top + dy;
      // Every cell starts from Font, so the looks of an event day do not
      // leak into the days drawn after it.
      C->Font()->Assign(Font());
      C->Brush()->SetStyle(bsClear);
      const TDateTime d = static_cast<TDateTime>(firstDay + dayNo - 1);
      const bool isHover = WholeDay(d) == hover && FDateHoverColor != clNone;
      const bool selected = FShowSelection && DateCol->IsDateInList(d) >= 0;
      const bool inBounds = DateInBounds(d);

      auto eventLooks = [&](TSelDateItem* item) {
        C->Font()->Assign(EventFont());
        C->Font()->SetColor(EventDayColor());
        if (item) {
          PaintEventMarker(cell, item->Color(), item->Shape(), item->ColorPM());
          UseFontColor(C, item->FontColor());
        } else {
          PaintEventMarker(cell, EventMarkerColor(), EventMarkerShape(), EventMarkerColor());
        }
      };
      auto selectionLooks = [&] {
        UseBrush(C, FDateSelectColor);
        UsePen(C, FDateSelectBorderColor);
        C->Font()->SetColor(FSelectFontColor);
      };
      auto hoverRect = [&](TColor fill) {
        UseBrush(C, fill);
        UsePen(C, BorderColor);
        C->Rectangle(cell);
      };
      auto text = [&](bool marked, bool inMonth, Integer shownDay) {
        C->Brush()->SetStyle(bsClear);
        if (OnCellDraw && FCustomDraw) {
          TRect rc = cell;
          OnCellDraw(this, C, d, selected, marked, inMonth, rc);
        } else {
          DrawCentered(C, cell, IntToStr(shownDay), true);
        }
      };
      auto restore = [&] {
        UseBrush(C, Color());
        UsePen(C, FTextColor);
      };

      if (dayNo >= 1 && dayNo <= len) {
        TSelDateItem* item = nullptr;
        const bool marked = HasEvent(d, item);
        if (marked) eventLooks(item);
        if (selected) {
          selectionLooks();
          if (!inBounds) C->Font()->SetColor(FInActiveColor);
          C->Rectangle(cell);
          if (isHover) {
            UseBrush(C, FDateDownColor);
            UsePen(C, BorderColor);
            C->Rectangle(cell);
          } else if (FDateSelectColor != clNone) {
            C->FillRect(cell);
          }
        } else {
          if (isHover) hoverRect(FDateHoverColor);
          if (!marked) C->Font()->SetColor(IsInactiveDay(d) ? FWeekendColor : FTextColor);
          if (!inBounds) C->Font()->SetColor(FInActiveColor);
        }
        if (FLook == look3D) RaisedFrame(C, cell);
        text(marked, true, dayNo);
        if (selected) restore();
      } else if (dayNo > len && FShowDaysAfter) {
        C->Font()->SetColor(FInversColor);
        UseBrush(C, Color());
        if (selected) {
          selectionLooks();
          C->Rectangle(cell);
        }
        if (isHover) hoverRect(selected ? FDateDownColor : FDateHoverColor);
        if (!inBounds) C->Font()->SetColor(FInActiveColor);
        TSelDateItem* item = nullptr;
        const bool marked = HasEvent(d, item);
        if (marked) eventLooks(item);
        if (!inBounds) C->Font()->SetColor(FInActiveColor);
        text(marked, false, dayNo - len);
        restore();
      } else if (dayNo < 1 && FShowDaysBefore) {
        if (selected) {
          selectionLooks();
          C->Rectangle(cell);
        } else {
          UseBrush(C, Color());
        }
        if (isHover) hoverRect(selected ? FDateDownColor : FDateHoverColor);
        TSelDateItem* item = nullptr;
        const bool marked = HasEvent(d, item);
        C->Font()->SetColor(FInversColor);
        if (marked) eventLooks(item);
        if (!inBounds) C->Font()->SetColor(FInActiveColor);
        text(marked, false, prevLen + col - r);
        restore();
      }

      if (focused && dayNo == td) {
        UsePen(C, FDateSelectColor);
        C->Font()->SetColor(FDateSelectColor);
        C->DrawFocusRect(cell);
      }
      if (FShowToday && dayNo == cd && cy == Y && cm == M) {
        Integer L = (col - 1) * dx + xoffset + 4, R = col * dx + xoffset + 2;
        Integer T = row * dy + yoffset - 2, Bm1 = (row + 1) * dy + yoffset - 3;
        TColor p1 = clGrayLine, p2 = clWhite;
        if (FTodayStyle == tsRaised) std::swap(p1, p2);
        if (FTodayStyle == tsFlat) p1 = p2 = FTodayLineColor;
        UsePen(C, p1);
        C->MoveTo(L, Bm1);
        C->LineTo(L, T);
        C->LineTo(R, T);
        UsePen(C, p2);
        C->LineTo(R, Bm1);
        C->LineTo(L, Bm1);
        UsePen(C, clBlack);
      }
    }
  }
}

void TAgendaCalendar::PaintEventMarker(const TRect& Cell, TColor AColor, TEventShape AShape,
                                       TColor AColorPM) {
  TCanvas* C = Canvas();
  TRect r(Cell.Left + 1, Cell.Top + 1, Cell.Right - 1, Cell.Bottom - 1);
  UseBrush(C, AColor);
  UsePen(C, AColor);
  Integer midX = (r.Left + r.Right) / 2, midY = (r.Top + r.Bottom) / 2;
  switch (AShape) {
    case evsRectangle: C->Rectangle(r); break;
    case evsCircle: C->Ellipse(r); break;
    case evsSquare:
      C->Polygon({TPoint(midX, r.Top), TPoint(r.Right, midY), TPoint(midX, r.Bottom),
                  TPoint(r.Left, midY)});
      break;
    case evsTriangle:
      C->Polygon({TPoint(midX, r.Top), TPoint(r.Right, r.Bottom), TPoint(r.Left, r.Bottom)});
      break;
    case evsNone: break;
    case evsAMPMRectangle: {
      Integer a = (r.Bottom - r.Top) / 2 + 1;
      if (AColor != clNone) C->Rectangle(TRect(r.Left, r.Top, r.Right, r.Top + a));
      if (AColorPM != clNone) {
        UseBrush(C, AColorPM);
        UsePen(C, AColorPM);
        C->Rectangle(TRect(r.Left, r.Top + a, r.Right, r.Bottom));
        UseBrush(C, AColor);
        UsePen(C, AColor);
      }
      break;
    }
  }
}

// --- caption, buttons and the today line -----------------------------------------

String TAgendaCalendar::TodayText() const { return FormatDateTime(FTodayFormat, Now()); }

void TAgendaCalendar::PaintTodayLine() {
  TCanvas* C = Canvas();
  C->Font()->Assign(Font());
  C->Brush()->SetStyle(bsClear);
  if (FTodayLineHover) {
    TFontStyles st = C->Font()->Style();
    st.Include(fsUnderline);
    C->Font()->SetStyle(st);
    C->Font()->SetColor(FSelectColor);
  }
  C->TextOut(xoffset + 2, 8 * dy - 4, TodayText());
  C->Font()->Assign(Font());
}

void TAgendaCalendar::PaintCaption() {
  TCanvas* C = Canvas();
  C->Font()->Assign(Font());
  Integer tw = C->TextWidth(labels), tw9 = C->TextWidth(L" 9999");
  C->Font()->SetColor(FCaptionHover ? FSelectColor : FCaptionTextColor);
  C->Brush()->SetStyle(bsClear);
  Integer start = std::max(0, (Width() - tw - xoffset) / 2);
  C->TextOut(start + xoffset, 2, labels);
  C->Font()->SetColor(FTextColor);
  lblx1 = static_cast<Word>(start);
  lblx2 = static_cast<Word>(std::max(0, start + tw - tw9));
  lblx3 = static_cast<Word>(start + tw);
}

namespace {
struct TArrowPaint {
  TCanvas* C;
  TColor Back;
  void Begin(TColor Color) {
    UseBrush(C, Color);
    UsePen(C, Color);
  }
  void Triangle(TPoint a, TPoint b, TPoint c) { C->Polygon({a, b, c}); }
  void End() { UseBrush(C, Back); }
};
}  // namespace

void TAgendaCalendar::PaintPrevMonthButton() {
  TCanvas* C = Canvas();
  const Integer x0 = xoffset, bw = BorderWidth();
  TBitmap* glyph = FGlyphs->PrevMonth();
  TBitmap* py = FGlyphs->PrevYear();
  const bool pyOn = FBrowsers->PrevYear();
  const bool pyGlyph = pyOn && !py->Empty();
  if (!glyph->Empty()) {
    Integer x = !pyOn ? x0 + 5 : (py->Empty() ? x0 + 26 : x0 + py->Width() + 10);
    DrawGlyph(C, glyph, x, bw + 1);
    return;
  }
  TColor color = FPrevMonthHover ? FSelectColor : FCaptionTextColor;
  if (!DateInBounds(NeighbourMonthDate(-1))) color = FInActiveColor;
  TArrowPaint a{C, Color()};
  a.Begin(color);
  Integer p = pyOn ? x0 + 20 : x0;
  if (!pyGlyph) {
    a.Triangle({p + 10, bw + 3}, {p + 5, bw + 8}, {p + 10, bw + 13});
  } else {
    Integer gw = py->Width();
    a.Triangle({p + gw + 5, bw + 1}, {p + gw, bw + 6}, {p + gw + 5, bw + 11});
  }
  a.End();
}

void TAgendaCalendar::PaintNextMonthButton() {
  TCanvas* C = Canvas();
  const Integer W = Width(), bw = BorderWidth();
  TBitmap* glyph = FGlyphs->NextMonth();
  TBitmap* ny = FGlyphs->NextYear();
  const bool nyOn = FBrowsers->NextYear();
  const bool nyGlyph = nyOn && !ny->Empty();
  const Integer a0 = nyOn ? 25 : 5;
  if (!glyph->Empty()) {
    Integer mw = glyph->Width();
    Integer x = !nyGlyph ? W - a0 - mw : W - mw - ny->Width() - 10;
    DrawGlyph(C, glyph, x, bw + 1);
    return;
  }
  TColor color = FNextMonthHover ? FSelectColor : FCaptionTextColor;
  if (!DateInBounds(NeighbourMonthDate(1))) color = FInActiveColor;
  TArrowPaint a{C, Color()};
  a.Begin(color);
  if (!nyGlyph) {
    a.Triangle({W - a0 - 5, bw + 3}, {W - a0 - 5, bw + 13}, {W - a0, bw + 8});
  } else {
    Integer gw = ny->Width();
    a.Triangle({W - gw - 15, bw + 1}, {W - gw - 15, bw + 11}, {W - gw - 10, bw + 6});
  }
  a.End();
}

void TAgendaCalendar::PaintPrevYearButton() {
  TCanvas* C = Canvas();
  const Integer x0 = xoffset, bw = BorderWidth();
  TBitmap* glyph = FGlyphs->PrevYear();
  if (!glyph->Empty()) {
    DrawGlyph(C, glyph, x0 + 5, bw + 1);
    return;
  }
  TColor color = FPrevYearHover ? FSelectColor : FCaptionTextColor;
  if (!DateInBounds(NeighbourYearDate(-1))) color = FInActiveColor;
  TArrowPaint a{C, Color()};
  a.Begin(color);
  a.Triangle({x0 + 10, bw + 3}, {x0 + 5, bw + 8}, {x0 + 10, bw + 13});
  a.Triangle({x0 + 15, bw + 3}, {x0 + 10, bw + 8}, {x0 + 15, bw + 13});
  a.End();
}

void TAgendaCalendar::PaintNextYearButton() {
  TCanvas* C = Canvas();
  const Integer W = Width(), bw = BorderWidth();
  TBitmap* glyph = FGlyphs->NextYear();
  if (!glyph->Empty()) {
    DrawGlyph(C, glyph, W - glyph->Width() - 5, bw + 1);
    return;
  }
  TColor color = FNextYearHover ? FSelectColor : FCaptionTextColor;
  if (!DateInBounds(NeighbourYearDate(1))) color = FInActiveColor;
  TArrowPaint a{C, Color()};
  a.Begin(color);
  a.Triangle({W - 10, bw + 3}, {W - 10, bw + 13}, {W - 5, bw + 8});
  a.Triangle({W - 15, bw + 3}, {W - 15, bw + 13}, {W - 10, bw + 8});
  a.End();
}

}  // namespace jorv::calendar
