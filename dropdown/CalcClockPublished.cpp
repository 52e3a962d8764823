// Published properties of the calculator and clock drop-downs and of the
// key pad, the clock and their settings objects.
#include "dropdown/CalculatorDropDown.h"
#include "dropdown/DropDownPublishing.h"

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

}  // namespace jorv::dropdown

JORV_PUBLISHED_UNIT(dropdown_calcclock)
