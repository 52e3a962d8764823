#pragma once
// A drawing surface over a device context. The font, pen and brush are
// selected into the DC only when a drawing operation needs them and are
// taken out again when they change or the DC goes, so the caller may change
// them at any time and the DC is never left holding one of our handles.
#include <initializer_list>
#include <memory>
#include <vector>
#include "platform/gfx/Font.h"
#include "platform/gfx/Pen.h"
#include "platform/gfx/Brush.h"

namespace jorv {

class TGraphic;
class TBitmap;

using TCopyMode = Integer;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

enum TFillStyle : uint8_t { fsSurface, fsBorder };

enum TCanvasState : uint8_t { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasStates = TSet<TCanvasState>;

enum TTextFormats : uint8_t {
  tfBottom,
  tfCalcRect,
  tfCenter,
  tfEditControl,
  tfEndEllipsis,
  tfPathEllipsis,
  tfExpandTabs,
  tfExternalLeading,
  tfLeft,
  tfModifyString,
  tfNoClip,
  tfNoPrefix,
  tfRight,
  tfRtlReading,
  tfSingleLine,
  tfTop,
  tfVerticalCenter,
  tfWordBreak,
  tfHidePrefix,
  tfNoFullWidthCharBreak,
  tfPrefixOnly,
  tfTabStop,
  tfWordEllipsis,
  tfComposited
};
using TTextFormat = TSet<TTextFormats>;

// The DT_* flags of a text format.
UINT TextFormatToFlags(const TTextFormat& Format);

class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;

  // The DC; a canvas without one asks CreateHandle for it and raises
  // EInvalidOperation when there is still none.
  HDC Handle();
  // Binds the canvas to another DC (or none), first taking our objects out
  // of the current one. The canvas never frees a DC it was given.
  void SetHandle(HDC Value);
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Takes the font, pen and brush out of the DC; the next drawing selects
  // them again.
  void Refresh();

  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }

  TPoint PenPos();
  void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
  TRect ClipRect();

  TColor Pixels(Integer X, Integer Y);
  void SetPixels(Integer X, Integer Y, TColor Value);

  void MoveTo(Integer X, Integer Y);
  void LineTo(Integer X, Integer Y);
  void Polyline(const TPoint* Points, size_t Count);
  void Polyline(std::initializer_list<TPoint> Points) { Polyline(Points.begin(), Points.size()); }
  void Polyline(const std::vector<TPoint>& Points) { Polyline(Points.data(), Points.size()); }
  void Polygon(const TPoint* Points, size_t Count);
  void Polygon(std::initializer_list<TPoint> Points) { Polygon(Points.begin(), Points.size()); }
  void Polygon(const std::vector<TPoint>& Points) { Polygon(Points.data(), Points.size()); }
  void PolyBezier(const TPoint* Points, size_t Count);
  void PolyBezier(std::initializer_list<TPoint> Points) { PolyBezier(Points.begin(), Points.size()); }
  void PolyBezier(const std::vector<TPoint>& Points) { PolyBezier(Points.data(), Points.size()); }
  void Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3);
  void Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  void Arc(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4,
           Integer Y4);
  void Chord(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4,
             Integer Y4);
  void Pie(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4,
           Integer Y4);
  void FillRect(const TRect& Rect);
  void FrameRect(const TRect& Rect);
  void DrawFocusRect(const TRect& Rect);
  void FloodFill(Integer X, Integer Y, TColor Color, TFillStyle FillStyle);

  void TextOut(Integer X, Integer Y, const String& Text);
  // Draws Text at (X, Y) clipped to Rect; the rectangle is filled with the
  // brush first unless the brush is clear.
  void TextRect(const TRect& Rect, Integer X, Integer Y, const String& Text);
  // Draws Text formatted into Rect. With tfCalcRect only Rect is adjusted to
  // the text's extent; with tfModifyString an ellipsis shortening is
  // written back into Text.
  void TextRect(TRect& Rect, String& Text, TTextFormat TextFormat = TTextFormat());
  TSize TextExtent(const String& Text);
  Integer TextWidth(const String& Text) { return TextExtent(Text).cx; }
  Integer TextHeight(const String& Text) { return TextExtent(Text).cy; }

  void Draw(Integer X, Integer Y, TGraphic* Graphic);
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  // Copies Source of Canvas into Dest of this canvas with CopyMode.
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
  // Copies Source of Bitmap into Dest with every pixel of Color replaced by
  // this canvas's brush.
  void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);

  // Serialises drawing from several threads; nests.
  void Lock();
  void Unlock();
  bool TryLock();
  Integer LockCount() const { return FLockCount; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Called when a DC is needed and none is bound; a descendant binds one
  // with SetHandle (a control's DC, a bitmap's memory DC).
  virtual void CreateHandle() {}
  // Makes sure the listed parts are ready: the DC, and the objects
  // selected into it.
  void RequiredState(TCanvasStates State);
  virtual void Changing();
  virtual void Changed();
  TCanvasStates State() const { return FState; }

 private:
  void FontChanged(TObject*);
  void PenChanged(TObject*);
  void BrushChanged(TObject*);
  void DeselectFont();
  void DeselectPen();
  void DeselectBrush();

  HDC FHandle = nullptr;
  TCanvasStates FState;
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  std::unique_ptr<TPen> FPen = std::make_unique<TPen>();
  std::unique_ptr<TBrush> FBrush = std::make_unique<TBrush>();
  // What the DC held before we selected ours, put back on deselection.
  HGDIOBJ FOldFont = nullptr;
  HGDIOBJ FOldPen = nullptr;
  HGDIOBJ FOldBrush = nullptr;
  // Our font now selected in the DC: selecting it again is skipped.
  HFONT FSelectedFont = nullptr;
  TCopyMode FCopyMode = cmSrcCopy;
  Integer FLockCount = 0;
  CRITICAL_SECTION FLock;
};

}  // namespace jorv
