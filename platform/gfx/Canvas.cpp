#include "platform/gfx/Canvas.h"

#include "platform/rtl/Exceptions.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Graphic.h"

namespace jorv {

static_assert(sizeof(TPoint) == sizeof(POINT) && sizeof(TRect) == sizeof(RECT) &&
              sizeof(TSize) == sizeof(SIZE));

namespace {
const RECT* AsRect(const TRect& r) { return reinterpret_cast<const RECT*>(&r); }
RECT* AsRect(TRect& r) { return reinterpret_cast<RECT*>(&r); }
const POINT* AsPoints(const TPoint* p) { return reinterpret_cast<const POINT*>(p); }
}  // namespace

UINT TextFormatToFlags(const TTextFormat& Format) {
  static const UINT flags[] = {
      DT_BOTTOM,       DT_CALCRECT,    DT_CENTER,      DT_EDITCONTROL,
      DT_END_ELLIPSIS, DT_PATH_ELLIPSIS, DT_EXPANDTABS, DT_EXTERNALLEADING,
      DT_LEFT,         DT_MODIFYSTRING, DT_NOCLIP,     DT_NOPREFIX,
      DT_RIGHT,        DT_RTLREADING,  DT_SINGLELINE,  DT_TOP,
      DT_VCENTER,      DT_WORDBREAK,   DT_HIDEPREFIX,  DT_NOFULLWIDTHCHARBREAK,
      DT_PREFIXONLY,   DT_TABSTOP,     DT_WORD_ELLIPSIS, 0};
  UINT result = 0;
  for (unsigned i = 0; i < sizeof flags / sizeof flags[0]; ++i)
    if (Format.Contains(TTextFormats(i))) result |= flags[i];
  return result;
}

TCanvas::TCanvas() {
  InitializeCriticalSection(&FLock);
  FFont->OnChange = [this](TObject* s) { FontChanged(s); };
  FPen->OnChange = [this](TObject* s) { PenChanged(s); };
  FBrush->OnChange = [this](TObject* s) { BrushChanged(s); };
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
  DeleteCriticalSection(&FLock);
}

HDC TCanvas::Handle() {
  RequiredState({csHandleValid});
  return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
  if (FHandle == Value) return;
  if (FHandle) {
    DeselectFont();
    DeselectPen();
    DeselectBrush();
  }
  FHandle = Value;
  FState.Clear();
  if (Value) FState += csHandleValid;
}

void TCanvas::Refresh() {
  DeselectFont();
  DeselectPen();
  DeselectBrush();
}

void TCanvas::RequiredState(TCanvasStates Required) {
  TCanvasStates need = Required - FState;
  if (need.Empty()) return;
  if (need.Contains(csHandleValid)) {
    CreateHandle();
    if (!FHandle) throw EInvalidOperation(L"Canvas does not allow drawing");
  }
  if (need.Contains(csFontValid)) {
    HFONT font = FFont->Handle();
    if (font != FSelectedFont) {
      HGDIOBJ old = SelectObject(FHandle, font);
      if (!FOldFont) FOldFont = old;
      FSelectedFont = font;
    }
    SetTextColor(FHandle, COLORREF(ColorToRGB(FFont->Color())));
    FState += csFontValid;
  }
  if (need.Contains(csPenValid)) {
    HGDIOBJ old = SelectObject(FHandle, FPen->Handle());
    if (!FOldPen) FOldPen = old;
    SetROP2(FHandle, PenModeToRop2(FPen->Mode()));
    FState += csPenValid;
  }
  if (need.Contains(csBrushValid)) {
    HBRUSH brush = FBrush->Handle();
    UnrealizeObject(brush);
    HGDIOBJ old = SelectObject(FHandle, brush);
    if (!FOldBrush) FOldBrush = old;
    COLORREF color = COLORREF(ColorToRGB(FBrush->Color()));
    if (FBrush->Style() == bsSolid) {
      SetBkColor(FHandle, color);
      SetBkMode(FHandle, OPAQUE);
    } else {
      // Hatches vanish where the background equals the brush colour; the
      // transparent mode keeps the background colour out of sight anyway.
      SetBkColor(FHandle, ~color & 0xFFFFFF);
      SetBkMode(FHandle, TRANSPARENT);
    }
    FState += csBrushValid;
  }
}

void TCanvas::DeselectFont() {
  if (FHandle && FOldFont) SelectObject(FHandle, FOldFont);
  FOldFont = nullptr;
  FSelectedFont = nullptr;
  FState -= csFontValid;
}

void TCanvas::DeselectPen() {
  if (FHandle && FOldPen) SelectObject(FHandle, FOldPen);
  FOldPen = nullptr;
  FState -= csPenValid;
}

void TCanvas::DeselectBrush() {
  if (FHandle && FOldBrush) SelectObject(FHandle, FOldBrush);
  FOldBrush = nullptr;
  FState -= csBrushValid;
}

void TCanvas::FontChanged(TObject*) {
  // A kept handle, or the same one after a change of colour, stays alive:
  // selecting the DC's own font back only to select the next one costs a
  // font realisation each time.
  if (FFont->HandleKept() || FFont->HandleAllocated())
    FState -= csFontValid;
  else
    DeselectFont();
}
void TCanvas::PenChanged(TObject*) { DeselectPen(); }
void TCanvas::BrushChanged(TObject*) { DeselectBrush(); }

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

TPoint TCanvas::PenPos() {
  RequiredState({csHandleValid});
  POINT p{};
  GetCurrentPositionEx(FHandle, &p);
  return {p.x, p.y};
}

TRect TCanvas::ClipRect() {
  RequiredState({csHandleValid});
  TRect r;
  GetClipBox(FHandle, AsRect(r));
  return r;
}

TColor TCanvas::Pixels(Integer X, Integer Y) {
  RequiredState({csHandleValid});
  COLORREF c = GetPixel(FHandle, X, Y);
  // Outside the clip area GetPixel answers CLR_INVALID.
  return c == CLR_INVALID ? clNone : TColor(c);
}

void TCanvas::SetPixels(Integer X, Integer Y, TColor Value) {
  Changing();
  RequiredState({csHandleValid, csPenValid});
  SetPixelV(FHandle, X, Y, COLORREF(ColorToRGB(Value)));
  Changed();
}

void TCanvas::MoveTo(Integer X, Integer Y) {
  RequiredState({csHandleValid});
  MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(Integer X, Integer Y) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::LineTo(FHandle, X, Y);
  Changed();
}

void TCanvas::Polyline(const TPoint* Points, size_t Count) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Polyline(FHandle, AsPoints(Points), int(Count));
  Changed();
}

void TCanvas::Polygon(const TPoint* Points, size_t Count) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Polygon(FHandle, AsPoints(Points), int(Count));
  Changed();
}

void TCanvas::PolyBezier(const TPoint* Points, size_t Count) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::PolyBezier(FHandle, AsPoints(Points), DWORD(Count));
  Changed();
}

void TCanvas::Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Rectangle(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
  Changed();
}

void TCanvas::Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Ellipse(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::Arc(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3,
                  Integer X4, Integer Y4) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Arc(FHandle, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Changed();
}

void TCanvas::Chord(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3,
                    Integer X4, Integer Y4) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Chord(FHandle, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Changed();
}

void TCanvas::Pie(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3,
                  Integer X4, Integer Y4) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Pie(FHandle, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Changed();
}

void TCanvas::FillRect(const TRect& Rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::FillRect(FHandle, AsRect(Rect), FBrush->Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& Rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::FrameRect(FHandle, AsRect(Rect), FBrush->Handle());
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::DrawFocusRect(FHandle, AsRect(Rect));
  Changed();
}

void TCanvas::FloodFill(Integer X, Integer Y, TColor Color, TFillStyle FillStyle) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ExtFloodFill(FHandle, X, Y, COLORREF(ColorToRGB(Color)),
               FillStyle == fsSurface ? FLOODFILLSURFACE : FLOODFILLBORDER);
  Changed();
}

void TCanvas::TextOut(Integer X, Integer Y, const String& Text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  ExtTextOutW(FHandle, X, Y, 0, nullptr, Text.c_str(), UINT(Text.size()), nullptr);
  SIZE s{};
  GetTextExtentPoint32W(FHandle, Text.c_str(), int(Text.size()), &s);
  MoveToEx(FHandle, X + s.cx, Y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& Rect, Integer X, Integer Y, const String& Text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  UINT options = ETO_CLIPPED;
  if (FBrush->Style() != bsClear) options |= ETO_OPAQUE;
  ExtTextOutW(FHandle, X, Y, options, AsRect(Rect), Text.c_str(), UINT(Text.size()), nullptr);
  Changed();
}

void TCanvas::TextRect(TRect& Rect, String& Text, TTextFormat TextFormat) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  UINT flags = TextFormatToFlags(TextFormat);
  if (TextFormat.Contains(tfModifyString) && !Text.empty()) {
    // DrawTextW may write the shortened text plus an ellipsis (up to four
    // characters more) into the buffer.
    std::vector<wchar_t> buf(Text.begin(), Text.end());
    buf.resize(Text.size() + 5, L'\0');
    DrawTextW(FHandle, buf.data(), int(Text.size()), AsRect(Rect), flags);
    Text.assign(buf.data());
  } else {
    DrawTextW(FHandle, Text.c_str(), int(Text.size()), AsRect(Rect), flags & ~DT_MODIFYSTRING);
  }
  Changed();
}

TSize TCanvas::TextExtent(const String& Text) {
  RequiredState({csHandleValid, csFontValid});
  SIZE s{};
  GetTextExtentPoint32W(FHandle, Text.c_str(), int(Text.size()), &s);
  return {s.cx, s.cy};
}

void TCanvas::Draw(Integer X, Integer Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Changing();
  RequiredState({csHandleValid});
  SetBkColor(FHandle, 0xFFFFFF);
  SetTextColor(FHandle, 0);
  Graphic->Draw(this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
  // The graphic may have changed the DC's colours.
  FState -= csFontValid;
  FState -= csBrushValid;
  Changed();
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Changing();
  RequiredState({csHandleValid});
  Graphic->Draw(this, Rect);
  FState -= csFontValid;
  FState -= csBrushValid;
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  if (!Canvas) return;
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  HDC src = Canvas->Handle();
  Canvas->RequiredState({csFontValid, csBrushValid});
  StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), src, Source.Left,
             Source.Top, Source.Width(), Source.Height(), DWORD(FCopyMode));
  Changed();
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
  if (!Bitmap || Bitmap->Empty()) return;
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  const int w = Source.Width(), h = Source.Height();
  HDC src = Bitmap->Canvas()->Handle();
  HDC work = CreateCompatibleDC(FHandle);
  HDC mask = CreateCompatibleDC(FHandle);
  HBITMAP workBmp = CreateCompatibleBitmap(FHandle, w, h);
  HBITMAP maskBmp = CreateBitmap(w, h, 1, 1, nullptr);
  HGDIOBJ oldWork = SelectObject(work, workBmp);
  HGDIOBJ oldMask = SelectObject(mask, maskBmp);
  // Mask: 1 where the source has Color.
  COLORREF oldBk = SetBkColor(src, COLORREF(ColorToRGB(Color)));
  BitBlt(mask, 0, 0, w, h, src, Source.Left, Source.Top, SRCCOPY);
  SetBkColor(src, oldBk);
  // Work = source with the masked pixels cleared ...
  BitBlt(work, 0, 0, w, h, src, Source.Left, Source.Top, SRCCOPY);
  SetTextColor(work, 0xFFFFFF);
  SetBkColor(work, 0);
  BitBlt(work, 0, 0, w, h, mask, 0, 0, SRCAND);
  // ... then the brush painted into them: (brush AND mask) OR work.
  SetTextColor(work, 0);
  SetBkColor(work, 0xFFFFFF);
  HGDIOBJ oldBrush = SelectObject(work, FBrush->Handle());
  BitBlt(work, 0, 0, w, h, mask, 0, 0, 0x00EA02E9 /* (P & S) | D */);
  SelectObject(work, oldBrush);
  StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), work, 0, 0, w, h,
             SRCCOPY);
  SelectObject(work, oldWork);
  SelectObject(mask, oldMask);
  DeleteObject(workBmp);
  DeleteObject(maskBmp);
  DeleteDC(work);
  DeleteDC(mask);
  Changed();
}

void TCanvas::Lock() {
  EnterCriticalSection(&FLock);
  ++FLockCount;
}

void TCanvas::Unlock() {
  --FLockCount;
  LeaveCriticalSection(&FLock);
}

bool TCanvas::TryLock() {
  if (!TryEnterCriticalSection(&FLock)) return false;
  ++FLockCount;
  return true;
}

}  // namespace jorv
