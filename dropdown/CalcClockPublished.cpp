// Published properties of the calculator and clock drop-downs and of the
// key pad, the clock and their settings objects.
#include "dropdown/CalculatorDropDown.h"
#include "dropdown/DropDownPublishing.h"
#include "dropdown/ExWatch.h"
#include "dropdown/TimePickerDropDown.h"

namespace jorv::dropdown {

JORV_PUBLISH(TButtonAppearance, TPersistent) {
  using A = TButtonAppearance;
  Class.Color(L"BorderColor", &A::BorderColor, &A::SetBorderColor, TColor(0))
      .Color(L"BorderColorHot", &A::BorderColorHot, &A::SetBorderColorHot, TColor(0))
      .Color(L"BorderColorDown", &A::BorderColorDown, &A::SetBorderColorDown, TColor(0))
      .Color(L"Color", &A::Color, &A::SetColor, TColor(0x9A915F))
      .Color(L"ColorTo", &A::ColorTo, &A::SetColorTo, TColor(0xB0A170))
      .Color(L"ColorDown", &A::ColorDown, &A::SetColorDown, TColor(0x4B2F08))
      .Color(L"ColorDownTo", &A::ColorDownTo, &A::SetColorDownTo, TColor(0xADB514))
      .Color(L"ColorHot", &A::ColorHot, &A::SetColorHot, TColor(0x9F6F1C))
      .Color(L"ColorHotTo", &A::ColorHotTo, &A::SetColorHotTo, TColor(0xD5C244))
      .Color(L"GlowColorHot", &A::GlowColorHot, &A::SetGlowColorHot)
      .Color(L"GlowColorDown", &A::GlowColorDown, &A::SetGlowColorDown)
      .Color(L"ShineColor", &A::ShineColor, &A::SetShineColor, TColor(0xFFFFFF))
      .Object(L"Font", &A::Font)
      .Color(L"TextColor", &A::TextColor, &A::SetTextColor, TColor(0))
      .Color(L"SpecialTextColor", &A::SpecialTextColor, &A::SetSpecialTextColor, TColor(0x000080));
}

JORV_PUBLISH(TButtonItem, TPersistent) {
  Class.Text(L"Caption", &TButtonItem::Caption, &TButtonItem::SetCaption)
      .Color(L"CaptionColor", &TButtonItem::CaptionColor, &TButtonItem::SetCaptionColor, TColor(0xFFFFFF))
      .Integer(L"ImageIndex", &TButtonItem::ImageIndex, &TButtonItem::SetImageIndex, -1)
      .Object(L"Image", &TButtonItem::Image)
      .Integer(L"Tag", &TButtonItem::Tag, &TButtonItem::SetTag, 0);
}

JORV_PUBLISH(TCustomButtonPanel, TControl) {}

JORV_PUBLISH(TExCalculatorDropdown, TControl) {
  using C = TExCalculatorDropdown;
  PublishDropDown(Class, {L"DropDownColorTo", L"DropDownEnabled"});
  Class.Integer(L"Precision", &C::Precision, &C::SetPrecision, 2)
      .Object(L"CalcButtonAppearance", &C::CalcButtonAppearance)
      .Boolean(L"ShowThousandSeparator", &C::ShowThousandSeparator, &C::SetShowThousandSeparator, false);
}

namespace {

const TEnumInfo WatchShapeNames{{L"wsCircle", L"wsRect", L"wsRoundRect"}};
const TEnumInfo WatchGradientNames{{L"wgRadial", L"wgVertical", L"wgDiagonalForward", L"wgDiagonalBackward"}};
const TEnumInfo PointerStyleNames{{L"psLine", L"psShortLine", L"psPointer", L"psLineArrow"}};
const TEnumInfo AMPMFrameNames{{L"apRect", L"apRoundRect"}};
const TEnumInfo TickMarksNames{{L"tmAll", L"tmHours", L"tmQuartHours", L"tmNone"}};
const TEnumInfo HourMarkStyleNames{{L"hmsLine", L"hmsQuartDblLine"}};
const TEnumInfo WatchStyleNames{{L"wsClassic", L"wsTower", L"wsFluorescent", L"wsEmerald", L"wsBlueStar",
                                 L"wsFuchsia", L"wsBlack", L"wsBlackWhite", L"wsGray", L"wsSuperNova", L"wsSports",
                                 L"wsSmooth"}};

}  // namespace

JORV_PUBLISH(TWatchAppearance, TPersistent) {
  using A = TWatchAppearance;
  Class.Object(L"AMPMFont", &A::AMPMFont)
      .Color(L"AMPMBorderColor", &A::AMPMBorderColor, &A::SetAMPMBorderColor, TColor(0))
      .Color(L"AMPMColor", &A::AMPMColor, &A::SetAMPMColor, TColor(0xFFFFFF))
      .Enum(L"AMPMFrame", &A::AMPMFrame, &A::SetAMPMFrame, AMPMFrameNames, std::optional<TAMPMFrame>(apRect))
      .Color(L"BorderColor", &A::BorderColor, &A::SetBorderColor, TColor(0))
      .Integer(L"BorderWidth", &A::BorderWidth, &A::SetBorderWidth, 4)
      .Color(L"BackgroundColor", &A::BackgroundColor, &A::SetBackgroundColor, TColor(0xFFFFFF))
      .Color(L"BackgroundColorTo", &A::BackgroundColorTo, &A::SetBackgroundColorTo, clNone)
      .Enum(L"BackgroundGradient", &A::BackgroundGradient, &A::SetBackgroundGradient, WatchGradientNames,
            std::optional<TWatchGradient>(wgVertical))
      .Color(L"CenterPointBorderColor", &A::CenterPointBorderColor, &A::SetCenterPointBorderColor, clNone)
      .Color(L"CenterPointOuterBorderColor", &A::CenterPointOuterBorderColor, &A::SetCenterPointOuterBorderColor,
             clNone)
      .Color(L"CenterPointColor", &A::CenterPointColor, &A::SetCenterPointColor, TColor(0))
      .Integer(L"CenterPointSize", &A::CenterPointSize, &A::SetCenterPointSize, 4)
      .Object(L"HourFont", &A::HourFont)
      .Color(L"HourColor", &A::HourColor, &A::SetHourColor, TColor(0))
      .Integer(L"HourMarkLength", &A::HourMarkLength, &A::SetHourMarkLength, 0)
      .Integer(L"HourMarkWidth", &A::HourMarkWidth, &A::SetHourMarkWidth, 1)
      .Enum(L"HourMarkStyle", &A::HourMarkStyle, &A::SetHourMarkStyle, HourMarkStyleNames,
            std::optional<THourMarkStyle>(hmsLine))
      .Color(L"HourPointer", &A::HourPointer, &A::SetHourPointer, TColor(0))
      .Color(L"HourPointerShadow", &A::HourPointerShadow, &A::SetHourPointerShadow, clBtnShadow)
      .Integer(L"HourPointerSize", &A::HourPointerSize, &A::SetHourPointerSize, 4)
      .Color(L"MinuteColor", &A::MinuteColor, &A::SetMinuteColor, TColor(0x808080))
      .Color(L"MinutePointer", &A::MinutePointer, &A::SetMinutePointer, TColor(0))
      .Color(L"MinutePointerShadow", &A::MinutePointerShadow, &A::SetMinutePointerShadow, clBtnShadow)
      .Integer(L"MinutePointerSize", &A::MinutePointerSize, &A::SetMinutePointerSize, 3)
      .Integer(L"MinuteMarkLength", &A::MinuteMarkLength, &A::SetMinuteMarkLength, 0)
      .Integer(L"MinuteMarkWidth", &A::MinuteMarkWidth, &A::SetMinuteMarkWidth, 1)
      .Object(L"Picture", &A::Picture)
      .Enum(L"PointerStyle", &A::PointerStyle, &A::SetPointerStyle, PointerStyleNames,
            std::optional<TPointerStyle>(psLine))
      .Color(L"SecondPointer", &A::SecondPointer, &A::SetSecondPointer, TColor(0x0000FF))
      .Integer(L"SecondPointerSize", &A::SecondPointerSize, &A::SetSecondPointerSize, 1)
      .Enum(L"Shape", &A::Shape, &A::SetShape, WatchShapeNames, std::optional<TWatchShape>(wsCircle))
      .Integer(L"Size", &A::Size, &A::SetSize, 0)
      .Enum(L"TickMarks", &A::TickMarks, &A::SetTickMarks, TickMarksNames, std::optional<TTickMarks>(tmAll));
}

JORV_PUBLISH(TWatchSettings, TPersistent) {
  Class.Boolean(L"Auto", &TWatchSettings::Auto, &TWatchSettings::SetAuto, false)
      .Integer(L"TimeOffset", &TWatchSettings::TimeOffset, &TWatchSettings::SetTimeOffset, 0)
      .Boolean(L"Second", &TWatchSettings::Second, &TWatchSettings::SetSecond, true);
}

JORV_PUBLISH(TExWatch, TControl) {
  using W = TExWatch;
  for (const wchar_t* Name : {L"Align", L"Anchors", L"ShowHint"})
    Class.Add(ControlProperty(Name));
  Class.Boolean(L"Animation", &W::Animation, &W::SetAnimation, true)
      .Integer(L"AnimationFactor", &W::AnimationFactor, &W::SetAnimationFactor, 10)
      .Object(L"Appearance", &W::Appearance)
      .Boolean(L"ReadOnly", &W::ReadOnly, &W::SetReadOnly, false)
      .Object(L"Settings", &W::Settings)
      .DateTime(L"Time", &W::Time, &W::SetTime)
      .Boolean(L"ShowAMPM", &W::ShowAMPM, &W::SetShowAMPM, true)
      .Boolean(L"ShowNumbers", &W::ShowNumbers, &W::SetShowNumbers, true)
      .Enum(L"Style", &W::Style, &W::SetStyle, WatchStyleNames, std::optional<TWatchStyle>(wsClassic))
      .Text(L"Version", &W::Version, &W::SetVersion);
}

JORV_PUBLISH(TExTimePickerDropDown, TControl) {
  using P = TExTimePickerDropDown;
  PublishDropDown(Class, {L"DropDownColorTo", L"DropDownEnabled", L"Text"});
  Class.Boolean(L"DisabledBorder", &P::DisabledBorder, &P::SetDisabledBorder, true)
      .Boolean(L"Animation", &P::Animation, &P::SetAnimation, true)
      .Integer(L"AnimationFactor", &P::AnimationFactor, &P::SetAnimationFactor, 10)
      .Object(L"WatchSettings", &P::WatchSettings)
      .DateTime(L"Time", &P::Time, &P::SetTime)
      .Boolean(L"ShowWatchAMPM", &P::ShowWatchAMPM, &P::SetShowWatchAMPM, true)
      .Boolean(L"ShowWatchNumbers", &P::ShowWatchNumbers, &P::SetShowWatchNumbers, true)
      .Boolean(L"ShowTimePicker", &P::ShowTimePicker, &P::SetShowTimePicker, false)
      .Object(L"WatchAppearance", &P::WatchAppearance)
      .Boolean(L"ShowSeconds", &P::ShowSeconds, &P::SetShowSeconds, true);
}

}  // namespace jorv::dropdown

JORV_PUBLISHED_UNIT(dropdown_calcclock)
