#pragma once
// The GDI+ wrappers' common ground: status and option enumerations with the
// library's published values, point and rectangle records laid out as GDI+
// reads them, ARGB colour helpers, and the base class whose instances live
// in GDI+'s own heap. The wrappers report failures as a Status and never
// throw.
#include <cstdint>
#include "platform/rtl/Types.h"

struct IStream;

namespace jorv::foundation {

// Opaque native objects; each wrapper owns one.
struct GpGraphics;
struct GpPen;
struct GpBrush;
struct GpPath;
struct GpRegion;
struct GpFontFamily;
struct GpFont;
struct GpFontCollection;
struct GpStringFormat;
struct GpImage;
struct GpImageAttributes;
struct GpMatrix;

using ARGB = uint32_t;
using PARGB = ARGB*;
using PSingle = float*;
using PByte = uint8_t*;

// Passed by value to the library, so each enumeration is the size of an int.
enum Status : int32_t {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
  PropertyNotFound = 19,
  PropertyNotSupported = 20
};
enum FillMode : int32_t {
  FillModeAlternate = 0,
  FillModeWinding = 1
};
enum Unit_ : int32_t {
  UnitWorld = 0,
  UnitDisplay = 1,
  UnitPixel = 2,
  UnitPoint = 3,
  UnitInch = 4,
  UnitDocument = 5,
  UnitMillimeter = 6
};
enum HatchStyle : int32_t {
  HatchStyleHorizontal = 0,
  HatchStyleVertical = 1,
  HatchStyleForwardDiagonal = 2,
  HatchStyleBackwardDiagonal = 3,
  HatchStyleCross = 4,
  HatchStyleLargeGrid = 4,
  HatchStyleDiagonalCross = 5,
  HatchStyle05Percent = 6,
  HatchStyle10Percent = 7,
  HatchStyle20Percent = 8,
  HatchStyle25Percent = 9,
  HatchStyle30Percent = 10,
  HatchStyle40Percent = 11,
  HatchStyle50Percent = 12,
  HatchStyle60Percent = 13,
  HatchStyle70Percent = 14,
  HatchStyle75Percent = 15,
  HatchStyle80Percent = 16,
  HatchStyle90Percent = 17,
  HatchStyleLightDownwardDiagonal = 18,
  HatchStyleLightUpwardDiagonal = 19,
  HatchStyleDarkDownwardDiagonal = 20,
  HatchStyleDarkUpwardDiagonal = 21,
  HatchStyleWideDownwardDiagonal = 22,
  HatchStyleWideUpwardDiagonal = 23,
  HatchStyleLightVertical = 24,
  HatchStyleLightHorizontal = 25,
  HatchStyleNarrowVertical = 26,
  HatchStyleNarrowHorizontal = 27,
  HatchStyleDarkVertical = 28,
  HatchStyleDarkHorizontal = 29,
  HatchStyleDashedDownwardDiagonal = 30,
  HatchStyleDashedUpwardDiagonal = 31,
  HatchStyleDashedHorizontal = 32,
  HatchStyleDashedVertical = 33,
  HatchStyleSmallConfetti = 34,
  HatchStyleLargeConfetti = 35,
  HatchStyleZigZag = 36,
  HatchStyleWave = 37,
  HatchStyleDiagonalBrick = 38,
  HatchStyleHorizontalBrick = 39,
  HatchStyleWeave = 40,
  HatchStylePlaid = 41,
  HatchStyleDivot = 42,
  HatchStyleDottedGrid = 43,
  HatchStyleDottedDiamond = 44,
  HatchStyleShingle = 45,
  HatchStyleTrellis = 46,
  HatchStyleSphere = 47,
  HatchStyleSmallGrid = 48,
  HatchStyleSmallCheckerBoard = 49,
  HatchStyleLargeCheckerBoard = 50,
  HatchStyleOutlinedDiamond = 51,
  HatchStyleSolidDiamond = 52,
  HatchStyleTotal = 53,
  HatchStyleMin = HatchStyleHorizontal,
  HatchStyleMax = HatchStyleTotal - 1
};
enum DashStyle : int32_t {
  DashStyleSolid = 0,
  DashStyleDash = 1,
  DashStyleDot = 2,
  DashStyleDashDot = 3,
  DashStyleDashDotDot = 4,
  DashStyleCustom = 5
};
enum WrapMode : int32_t {
  WrapModeTile = 0,
  WrapModeTileFlipX = 1,
  WrapModeTileFlipY = 2,
  WrapModeTileFlipXY = 3,
  WrapModeClamp = 4
};
enum LinearGradientMode : int32_t {
  LinearGradientModeHorizontal = 0,
  LinearGradientModeVertical = 1,
  LinearGradientModeForwardDiagonal = 2,
  LinearGradientModeBackwardDiagonal = 3 
};
enum CombineMode : int32_t {
  CombineModeReplace = 0,
  CombineModeIntersect = 1,
  CombineModeUnion = 2,
  CombineModeXor = 3,
  CombineModeExclude = 4,
  CombineModeComplement = 5
};
enum MatrixOrder : int32_t {
  MatrixOrderPrepend = 0,
  MatrixOrderAppend = 1
};
enum ColorMatrixFlags : int32_t {
  ColorMatrixFlagsDefault = 0,
  ColorMatrixFlagsSkipGrays = 1,
  ColorMatrixFlagsAltGray = 2
};
enum TextRenderingHint : int32_t {
  TextRenderingHintSystemDefault = 0,
  TextRenderingHintSingleBitPerPixelGridFit = 1,
  TextRenderingHintSingleBitPerPixel = 2,
  TextRenderingHintAntiAliasGridFit = 3,
  TextRenderingHintAntiAlias = 4,
  TextRenderingHintClearTypeGridFit = 5
};
enum StringAlignment : int32_t {
  StringAlignmentNear = 0,
  StringAlignmentCenter = 1,
  StringAlignmentFar = 2
};
enum StringTrimming : int32_t {
  StringTrimmingNone = 0,
  StringTrimmingCharacter = 1,
  StringTrimmingWord = 2,
  StringTrimmingEllipsisCharacter = 3,
  StringTrimmingEllipsisWord = 4,
  StringTrimmingEllipsisPath = 5
};
enum HotkeyPrefix : int32_t {
  HotkeyPrefixNone = 0,
  HotkeyPrefixShow = 1,
  HotkeyPrefixHide = 2
};
enum FlushIntention : int32_t {
  FlushIntentionFlush = 0,
  FlushIntentionSync = 1
};
enum RotateFlipType : int32_t {
  RotateNoneFlipNone = 0,
  Rotate90FlipNone = 1,
  Rotate180FlipNone = 2,
  Rotate270FlipNone = 3,
  RotateNoneFlipX = 4,
  Rotate90FlipX = 5,
  Rotate180FlipX = 6,
  Rotate270FlipX = 7,
  Rotate180FlipXY = 0,
  Rotate270FlipXY = 1, 
  RotateNoneFlipXY = 2,
  Rotate90FlipXY = 3,
  Rotate180FlipY = 4,
  Rotate270FlipY = 5,
  RotateNoneFlipY = 6,
  Rotate90FlipY = 7
};
enum ColorAdjustType : int32_t {
  ColorAdjustTypeDefault = 0,
  ColorAdjustTypeBitmap = 1,
  ColorAdjustTypeBrush = 2,
  ColorAdjustTypePen = 3,
  ColorAdjustTypeText = 4,
  ColorAdjustTypeCount = 5,
  ColorAdjustTypeAny = 6
};
enum ColorChannelFlags : int32_t {
  ColorChannelFlagsC = 0,
  ColorChannelFlagsM = 1,
  ColorChannelFlagsY = 2,
  ColorChannelFlagsK = 3,
  ColorChannelFlagsLast = 4
};

// Options GDI+ takes as plain integers.
enum : int32_t {
  SmoothingModeInvalid = -1,
  SmoothingModeDefault = 0,
  SmoothingModeHighSpeed = 1,
  SmoothingModeHighQuality = 2,
  SmoothingModeNone = 3,
  SmoothingModeAntiAlias = 4,
};
enum : int32_t {
  PixelFormat24bppRGB = 0x00021808,
  PixelFormat32bppRGB = 0x00022009,
  PixelFormat32bppARGB = 0x0026200A,
  PixelFormat32bppPARGB = 0x000E200B,
};

enum TGPImageFormat : uint8_t {
  ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon
};

struct TGPPoint {
  Integer X = 0;
  Integer Y = 0;
};
using PGPPoint = TGPPoint*;

struct TGPPointF {
  float X = 0;
  float Y = 0;
};
using PGPPointF = TGPPointF*;

struct TGPRect {
  Integer X = 0;
  Integer Y = 0;
  Integer Width = 0;
  Integer Height = 0;
};

struct TGPRectF {
  float X = 0;
  float Y = 0;
  float Width = 0;
  float Height = 0;
};

using TMatrixArray = float[6];

struct TColorMatrix {
  float m[5][5] = {};
};

struct TColorMap {
  ARGB oldColor = 0;
  ARGB newColor = 0;
};

struct TColorPalette {
  uint32_t Flags = 0;
  uint32_t Count = 0;
  ARGB Entries[1] = {};
};

struct TEncoderParameters;

using TGetThumbnailImageAbort = int(__stdcall*)(void* CallbackData);
using TDrawImageAbort = int(__stdcall*)(void* CallbackData);

ARGB ColorToGPColor(TColor Color);
constexpr ARGB ARGBColor(uint8_t A, uint8_t R, uint8_t G, uint8_t B) {
  return (ARGB(A) << 24) | (ARGB(R) << 16) | (ARGB(G) << 8) | ARGB(B);
}
constexpr ARGB OpaqueARGBColor(uint8_t R, uint8_t G, uint8_t B) { return ARGBColor(255, R, G, B); }
constexpr uint8_t ARGBRed(ARGB Color) { return uint8_t(Color >> 16); }
constexpr uint8_t ARGBGreen(ARGB Color) { return uint8_t(Color >> 8); }
constexpr uint8_t ARGBBlue(ARGB Color) { return uint8_t(Color); }
inline void SetGPPoint(Integer X, Integer Y, TGPPoint& P) {
  P.X = X;
  P.Y = Y;
}
inline void SetGPRectF(TGPRectF& R, float X, float Y, float Width, float Height) {
  R = {X, Y, Width, Height};
}

// Every wrapper is allocated from GDI+'s heap. Should the first allocation
// fail because GDI+ is not running yet (a wrapper made while the program's
// units are still starting), GDI+ is started and the allocation tried once
// more; a second failure is the platform's out-of-memory error.
class TGdiplusBase {
 public:
  virtual ~TGdiplusBase() = default;
  static void* operator new(std::size_t Size);
  static void operator delete(void* P) noexcept;
  static void* operator new[](std::size_t) = delete;
};

}  // namespace jorv::foundation
