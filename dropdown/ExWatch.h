#pragma once
// An analog clock: hour and minute pointers, a second pointer while it
// follows the system clock, hour numbers, tick marks and an AM/PM box,
// drawn anti-aliased. A click inside the dial sets the hour, outside it the
// minute, on the AM/PM box the other half of the day; hour and minute
// changes can be animated. Its looks come from a settings object, twelve
// style presets and a colour preset per library look.
#include <memory>
#include "foundation/ZVQStyle.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/CustomControl.h"

namespace jorv {
class TTimer;
}
namespace jorv::foundation {
class TGPGraphics;
class TGPBrush;
class TGPPen;
class TGPGraphicsPath;
struct TGPRect;
}  // namespace jorv::foundation
namespace jorv::dropdown {

enum TWatchShape : uint8_t { wsCircle, wsRect, wsRoundRect };
enum TWatchGradient : uint8_t { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TPointerStyle : uint8_t { psLine, psShortLine, psPointer, psLineArrow };
enum TAMPMFrame : uint8_t { apRect, apRoundRect };
enum TTickMarks : uint8_t { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle : uint8_t { hmsLine, hmsQuartDblLine };
enum TWatchStyle : uint8_t {
  wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia,
  wsBlack, wsBlackWhite, wsGray, wsSuperNova, wsSports, wsSmooth
};

// The plain values of a clock's look, with the values a reset gives them.
struct TWatchLook {
  TColor AMPMBorderColor = 0;
  TColor AMPMColor = 0xFFFFFF;
  TAMPMFrame AMPMFrame = apRect;
  TColor BorderColor = 0;
  Integer BorderWidth = 4;
  TColor BackgroundColor = 0xFFFFFF;
  TColor BackgroundColorTo = clNone;
  TWatchGradient BackgroundGradient = wgVertical;
  TColor CenterPointBorderColor = clNone;
  TColor CenterPointOuterBorderColor = clNone;
  TColor CenterPointColor = 0;
  Byte CenterPointSize = 4;
  TColor HourColor = 0;
  Byte HourMarkLength = 0;
  Byte HourMarkWidth = 1;
  THourMarkStyle HourMarkStyle = hmsLine;
  TColor HourPointer = 0;
  TColor HourPointerShadow = clBtnShadow;
  Byte HourPointerSize = 4;
  TColor MinuteColor = 0x808080;
  TColor MinutePointer = 0;
  TColor MinutePointerShadow = clBtnShadow;
  Byte MinutePointerSize = 3;
  Byte MinuteMarkLength = 0;
  Byte MinuteMarkWidth = 1;
  TPointerStyle PointerStyle = psLine;
  TColor SecondPointer = 0x0000FF;
  Byte SecondPointerSize = 1;
  TWatchShape Shape = wsCircle;
  Integer Size = 0;
  TTickMarks TickMarks = tmAll;
};

#define JORV_WATCH_VALUE(Type, Name) \
  Type Name() const { return FLook.Name; } \
  void Set##Name(Type Value) { Store(FLook.Name, Value); }

class TWatchAppearance : public TPersistent {
 public:
  TWatchAppearance();
  ~TWatchAppearance() override;
  // Every value back to its reset value; the fonts get their name and size
  // only, and a picture already loaded stays.
  void SetDefaults();
  void Assign(TPersistent* Source) override;

  TFont* AMPMFont() const { return FAMPMFont.get(); }
  void SetAMPMFont(TFont* Value);
  TFont* HourFont() const { return FHourFont.get(); }
  void SetHourFont(TFont* Value);
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* Value);
  // Plain stores that report nothing.
  TColor AMPMBorderColor() const { return FLook.AMPMBorderColor; }
  void SetAMPMBorderColor(TColor Value) { FLook.AMPMBorderColor = Value; }
  TColor AMPMColor() const { return FLook.AMPMColor; }
  void SetAMPMColor(TColor Value) { FLook.AMPMColor = Value; }
  JORV_WATCH_VALUE(TAMPMFrame, AMPMFrame)
  JORV_WATCH_VALUE(TColor, BorderColor)
  JORV_WATCH_VALUE(Integer, BorderWidth)
  JORV_WATCH_VALUE(TColor, BackgroundColor)
  JORV_WATCH_VALUE(TColor, BackgroundColorTo)
  JORV_WATCH_VALUE(TWatchGradient, BackgroundGradient)
  JORV_WATCH_VALUE(TColor, CenterPointBorderColor)
  JORV_WATCH_VALUE(TColor, CenterPointOuterBorderColor)
  JORV_WATCH_VALUE(TColor, CenterPointColor)
  JORV_WATCH_VALUE(Byte, CenterPointSize)
  JORV_WATCH_VALUE(TColor, HourColor)
  JORV_WATCH_VALUE(Byte, HourMarkLength)
  JORV_WATCH_VALUE(Byte, HourMarkWidth)
  JORV_WATCH_VALUE(THourMarkStyle, HourMarkStyle)
  JORV_WATCH_VALUE(TColor, HourPointer)
  JORV_WATCH_VALUE(TColor, HourPointerShadow)
  JORV_WATCH_VALUE(Byte, HourPointerSize)
  JORV_WATCH_VALUE(TColor, MinuteColor)
  JORV_WATCH_VALUE(TColor, MinutePointer)
  JORV_WATCH_VALUE(TColor, MinutePointerShadow)
  JORV_WATCH_VALUE(Byte, MinutePointerSize)
  JORV_WATCH_VALUE(Byte, MinuteMarkLength)
  JORV_WATCH_VALUE(Byte, MinuteMarkWidth)
  JORV_WATCH_VALUE(TPointerStyle, PointerStyle)
  JORV_WATCH_VALUE(TColor, SecondPointer)
  JORV_WATCH_VALUE(Byte, SecondPointerSize)
  JORV_WATCH_VALUE(TWatchShape, Shape)
  JORV_WATCH_VALUE(Integer, Size)
  JORV_WATCH_VALUE(TTickMarks, TickMarks)

  TNotifyEvent OnChange;

 private:
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange(this);
  }

  TWatchLook FLook;
  std::unique_ptr<TFont> FAMPMFont;
  std::unique_ptr<TFont> FHourFont;
  std::unique_ptr<TPicture> FPicture;
};

#undef JORV_WATCH_VALUE

class TWatchSettings : public TPersistent {
 public:
  bool Auto() const { return FAuto; }
  void SetAuto(bool Value);
  Integer TimeOffset() const { return FTimeOffset; }
  void SetTimeOffset(Integer Value);
  bool Second() const { return FSecond; }
  void SetSecond(bool Value);
  void Assign(TPersistent* Source) override;
  TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  bool FAuto = false;
  Integer FTimeOffset = 0;
  bool FSecond = true;
};

class TExWatch : public TCustomControl {
 public:
  explicit TExWatch(TComponent* AOwner);
  ~TExWatch() override;

  TWatchAppearance* Appearance() const { return FAppearance.get(); }
  void SetAppearance(TWatchAppearance* Value) { FAppearance->Assign(Value); }
  TWatchSettings* Settings() const { return FSettings.get(); }
  void SetSettings(TWatchSettings* Value) { FSettings->Assign(Value); }
  TDateTime Time() const { return FTime; }
  void SetTime(TDateTime Value);
  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { FAnimation = Value; }
  Integer AnimationFactor() const { return FAnimationFactor; }
  void SetAnimationFactor(Integer Value) { FAnimationFactor = Value; }
  bool ShowAMPM() const { return FShowAMPM; }
  void SetShowAMPM(bool Value);
  bool ShowNumbers() const { return FShowNumbers; }
  void SetShowNumbers(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  TWatchStyle Style() const { return FStyle; }
  void SetStyle(TWatchStyle Value);
  String Version() const;
  void SetVersion(const String&) {}
  virtual Cardinal GetVersionNr() { return 0x01010002; }
  // Which half of the day a click on the dial means, and the label shown.
  bool AM() const { return FAM; }

  Integer XYToMinute(Integer X, Integer Y);
  Integer XYToHour(Integer X, Integer Y);
  void SetHour(Byte Value);
  void SetMinute(Byte Value);
  void SetComponentStyle(foundation::TZVQStyle AStyle);
  void StepByKey(Word Key);

  TRect GetWatchRect();
  TPoint GetCenter();
  Integer GetRadius();
  TRect GetAMPMRect();

  TNotifyEvent OnChange;

 protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void Dispatch(TMessage& Message) override;

 private:
  bool Idle() const;
  TDateTime CurrentWatchTime() const;
  void PaintWatch();
  void RepaintPointers();
  void DrawFace(foundation::TGPGraphics& G);
  void FillFace(foundation::TGPGraphics& G, foundation::TGPBrush& Brush);
  void DrawMarks(foundation::TGPGraphics& G);
  void DrawNumbers(TCanvas* Canvas);
  void DrawAMPM(TCanvas* Canvas, foundation::TGPGraphics& G);
  void DrawPointers(foundation::TGPGraphics& G);
  void DrawLinePointers(foundation::TGPGraphics& G, double HourAngle, double MinuteAngle);
  void DrawPolygonPointers(foundation::TGPGraphics& G, double HourAngle, double MinuteAngle);
  void DrawCenterPoint(foundation::TGPGraphics& G);
  void StoreTime(TDateTime Value);
  bool ChangeCompleted(bool AtTarget) const;
  void SetAM(bool Value);
  void RollAMPM(bool ToAM);
  void AnimationTimerTick(TObject* Sender);
  void WatchTimerTick(TObject* Sender);
  void SettingsChanged(TObject* Sender);
  void ToggleHalfDay();
  void ApplyStyle(TWatchStyle Value);
  void HandleSetCursorMessage(TMessage& Message);
  void HandleGetDlgCodeMessage(TMessage& Message);

  std::unique_ptr<TWatchAppearance> FAppearance;
  std::unique_ptr<TWatchSettings> FSettings;
  TDateTime FTime = 0;
  std::unique_ptr<TBitmap> FBKGCache;
  TTimer* FWatchTimer = nullptr;
  bool FAnimation = true;
  Integer FAnimationFactor = 10;
  TTimer* FAnimationTimer = nullptr;
  Byte FCurrentHourTo = 0;
  Byte FCurrentMinuteTo = 0;
  Byte FMinuteFrom = 0;
  bool FHourAnimating = false;
  bool FInternalCall = false;
  bool FAM = true;
  bool FShowAMPM = true;
  bool FShowNumbers = true;
  bool FInternalSet = false;
  TWatchStyle FStyle = wsClassic;
  bool FReadOnly = false;
};

// The clock colours of a library look, applied to A.
void ApplyWatchLook(TWatchAppearance* A, foundation::TZVQStyle AStyle);

// The time separator of the process's locale settings.
Char TimePickerTimeSeparator();

// Text in R through GDI+ (Quality 1 ClearType, 2 anti-aliased); the text's
// bounding box, drawn only when Draw is set.
TRect PaintGPText(TCanvas* Canvas, foundation::TGPGraphics* Graphics, TAlignment Alignment, const TRect& R,
                  const String& Text, TFont* Font, bool Enabled, bool Draw, Integer Quality);
void StrokeRoundedRect(foundation::TGPGraphics* Graphics, foundation::TGPPen* Pen, Integer X, Integer Y,
                       Integer Width, Integer Height, Integer Radius);
void FillRoundedRect(foundation::TGPGraphics* Graphics, foundation::TGPBrush* Brush, Integer X, Integer Y,
                     Integer Width, Integer Height, Integer Radius);
// The caller frees the path.
foundation::TGPGraphicsPath* MakeRoundedRectPath(const foundation::TGPRect& R, Integer Radius);
foundation::TGPGraphicsPath* MakeRectPath(const foundation::TGPRect& R);
void PaintGraphicGP(foundation::TGPGraphics* Graphics, TCanvas* Canvas, const TRect& R, TGraphic* Graphic,
                    bool Stretch, bool Transparent);
bool PointInEllipse(TPoint P, Integer X1, Integer Y1, Integer X2, Integer Y2);

}  // namespace jorv::dropdown
