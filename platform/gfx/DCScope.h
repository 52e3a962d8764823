#pragma once
// Scope objects for device contexts and what is selected into them: each
// gives back what it took when it goes out of scope, also when drawing
// fails, so that no paint path needs a catch block to clean up.
#include <utility>
#include "platform/gfx/Canvas.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

// The device context of a WM_PAINT: the one the message brought (a
// rendering into another DC), else the window's from BeginPaint, which is
// ended with the scope.
class TPaintDC {
 public:
  TPaintDC(HWND Window, HDC Given) : FWindow(Window), FDC(Given) {
    if (!FDC) {
      FDC = BeginPaint(Window, &FPaint);
      FBegun = true;
    }
  }
  ~TPaintDC() {
    if (FBegun) EndPaint(FWindow, &FPaint);
  }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  HDC Handle() const { return FDC; }
  operator HDC() const { return FDC; }

 private:
  HWND FWindow = nullptr;
  HDC FDC = nullptr;
  PAINTSTRUCT FPaint{};
  bool FBegun = false;
};

// A window's (or, for nullptr, the screen's) device context from GetDC;
// with Whole, of the whole window, frame included (GetWindowDC).
class TWindowDC {
 public:
  explicit TWindowDC(HWND Window, bool Whole = false)
      : FWindow(Window), FDC(Whole ? GetWindowDC(Window) : GetDC(Window)) {}
  ~TWindowDC() {
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  HDC Handle() const { return FDC; }
  operator HDC() const { return FDC; }

 private:
  HWND FWindow = nullptr;
  HDC FDC = nullptr;
};

// The device context of a whole window, non-client area included
// (GetWindowDC).
class TNonClientDC {
 public:
  explicit TNonClientDC(HWND Window) : FWindow(Window), FDC(GetWindowDC(Window)) {}
  ~TNonClientDC() {
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  TNonClientDC(const TNonClientDC&) = delete;
  TNonClientDC& operator=(const TNonClientDC&) = delete;
  HDC Handle() const { return FDC; }
  operator HDC() const { return FDC; }

 private:
  HWND FWindow = nullptr;
  HDC FDC = nullptr;
};

// A memory device context compatible with Reference (the screen for nullptr).
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC Reference) : FDC(CreateCompatibleDC(Reference)) {}
  ~TMemoryDC() {
    if (FDC) DeleteDC(FDC);
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  HDC Handle() const { return FDC; }
  operator HDC() const { return FDC; }

 private:
  HDC FDC = nullptr;
};

// A GDI object this scope created and deletes (a bitmap, a brush, a pen, a
// font, a region). Release hands it on to a new owner.
template <class THandle>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(THandle Handle) : FHandle(Handle) {}
  ~TGdiObject() { Reset(); }
  TGdiObject(TGdiObject&& Other) noexcept : FHandle(std::exchange(Other.FHandle, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& Other) noexcept {
    if (this != &Other) {
      Reset();
      FHandle = std::exchange(Other.FHandle, nullptr);
    }
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  THandle Handle() const { return FHandle; }
  operator THandle() const { return FHandle; }
  THandle Release() { return std::exchange(FHandle, nullptr); }
  void Reset(THandle Handle = nullptr) {
    if (FHandle) DeleteObject(FHandle);
    FHandle = Handle;
  }

 private:
  THandle FHandle = nullptr;
};

// Selects Object into DC and selects back what it replaced.
class TSelectObject {
 public:
  TSelectObject(HDC DC, HGDIOBJ Object) : FDC(DC), FOld(Object ? SelectObject(DC, Object) : nullptr) {}
  ~TSelectObject() {
    if (FOld) SelectObject(FDC, FOld);
  }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

 private:
  HDC FDC = nullptr;
  HGDIOBJ FOld = nullptr;
};

// Saves the whole state of DC (selections, clip region, modes, origins) and
// restores it: the scope for clip regions and for a run of changes.
class TSavedDC {
 public:
  explicit TSavedDC(HDC DC) : FDC(DC), FSaved(DC ? SaveDC(DC) : 0) {}
  ~TSavedDC() {
    if (FSaved) RestoreDC(FDC, FSaved);
  }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC FDC = nullptr;
  int FSaved = 0;
};

// Sets the background colour of DC, which opaque fills and text cells
// paint in, and puts back the one it replaced: a canvas whose brush is
// selected counts on the DC's background colour being its brush colour.
class TBkColor {
 public:
  TBkColor(HDC DC, COLORREF Color) : FDC(DC), FOld(SetBkColor(DC, Color)) {}
  ~TBkColor() {
    if (FOld != CLR_INVALID) SetBkColor(FDC, FOld);
  }
  TBkColor(const TBkColor&) = delete;
  TBkColor& operator=(const TBkColor&) = delete;
  void Set(COLORREF Color) { SetBkColor(FDC, Color); }

 private:
  HDC FDC = nullptr;
  COLORREF FOld = CLR_INVALID;
};

// Lends Canvas the device context DC for the scope and takes it back.
class TCanvasDC {
 public:
  TCanvasDC(TCanvas* Canvas, HDC DC) : FCanvas(Canvas) { FCanvas->SetHandle(DC); }
  ~TCanvasDC() { FCanvas->SetHandle(nullptr); }
  TCanvasDC(const TCanvasDC&) = delete;
  TCanvasDC& operator=(const TCanvasDC&) = delete;

 private:
  TCanvas* FCanvas = nullptr;
};

}  // namespace jorv
