// Published properties of the grid's editor controls and of the cell
// checker, so that form streams hold them. Properties of the platform that
// its controls do not have (drag, dock, pop-up menu, IME, bi-di) and event
// handlers are not streamed.
#include "grid/base/ExDateTimePicker.h"
#include "grid/base/GrdComboBox.h"
#include "grid/base/GrdDateTimePicker.h"
#include "grid/base/GrdEditBtn.h"
#include "grid/base/GrdSpinEdit.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/ControlPublished.h"

namespace jorv::grid {

namespace {

const TEnumInfo SpinDirectionNames{{L"spVertical", L"spHorizontal"}};
const TEnumInfo SpinTypeNames{{L"sptNormal", L"sptFloat", L"sptDate", L"sptTime"}};
const TEnumInfo EditAlignNames{{L"eaLeft", L"eaRight", L"eaCenter"}};
const TEnumInfo BorderStyleNames{{L"bsNone", L"bsSingle"}};
const TEnumInfo CharCaseNames{{L"ecNormal", L"ecUpperCase", L"ecLowerCase"}};
const TEnumInfo ComboStyleNames{
    {L"csDropDown", L"csSimple", L"csDropDownList", L"csOwnerDrawFixed", L"csOwnerDrawVariable"}};
const TEnumInfo LabelPositionNames{{L"lpLeftTop", L"lpLeftCenter", L"lpLeftBottom", L"lpTopLeft", L"lpBottomLeft",
                                    L"lpLeftTopLeft", L"lpLeftCenterLeft", L"lpLeftBottomLeft", L"lpTopCenter",
                                    L"lpBottomCenter", L"lpRightTop", L"lpRightCenter", L"lpRighBottom"}};
const TEnumInfo PickerLabelPositionNames{
    {L"lpLeftTop", L"lpLeftCenter", L"lpLeftBottom", L"lpTopLeft", L"lpBottomLeft", L"lpLeftTopLeft",
     L"lpLeftCenterLeft", L"lpLeftBottomLeft", L"lpTopCenter", L"lpBottomCenter", L"lpRightTop", L"lpRightCenter",
     L"lpRighBottom", L"lpTopRight", L"lpBottomRight"}};
const TEnumInfo ExDateTimeKindNames{{L"dkDate", L"dkTime", L"dkDateTime"}};

template <class T>
void AddControlProperties(TPublishedClass<T>& Class, std::initializer_list<const wchar_t*> Names) {
  for (const wchar_t* Name : Names) Class.Add(ControlProperty(Name));
}

using S = TGrdSpinEdit;

// The four values are views of one text: only the one the spin type reads
// is stored, so that reading them back does not overwrite it.
bool StoresValueOf(const S* Edit, TGrdSpinType Type) { return Edit->SpinType() == Type; }

}  // namespace

JORV_PUBLISH(TGrdSpinButton, TControl) {
  using B = TGrdSpinButton;
  AddControlProperties(Class, {L"Align", L"Anchors"});
  Class.Color(L"ButtonColor", &B::ButtonColor, &B::SetButtonColor, clNone)
      .Color(L"ButtonColorHot", &B::ButtonColorHot, &B::SetButtonColorHot, clNone)
      .Color(L"ButtonColorDown", &B::ButtonColorDown, &B::SetButtonColorDown, clNone)
      .Color(L"ButtonTextColor", &B::ButtonTextColor, &B::SetButtonTextColor, clNone)
      .Color(L"ButtonTextColorHot", &B::ButtonTextColorHot, &B::SetButtonTextColorHot, clNone)
      .Color(L"ButtonTextColorDown", &B::ButtonTextColorDown, &B::SetButtonTextColorDown, clNone)
      .Color(L"ButtonBorderColor", &B::ButtonBorderColor, &B::SetButtonBorderColor, clNone);
  AddControlProperties(Class, {L"Constraints", L"Ctl3D"});
  Class.Enum(L"Direction", &B::Direction, &B::SetDirection, SpinDirectionNames, std::optional<TSpinDirection>())
      .Object(L"DownGlyph", &B::DownGlyph)
      .Integer(L"DownNumGlyphs", &B::DownNumGlyphs, &B::SetDownNumGlyphs, 1)
      .Add(ControlProperty(L"Enabled"))
      .Reference<TWinControl>(L"FocusControl", &B::FocusControl, &B::SetFocusControl);
  AddControlProperties(Class, {L"ParentCtl3D", L"ParentShowHint", L"ShowHint", L"TabOrder", L"TabStop"});
  Class.Object(L"UpGlyph", &B::UpGlyph)
      .Integer(L"UpNumGlyphs", &B::UpNumGlyphs, &B::SetUpNumGlyphs, 1)
      .Add(ControlProperty(L"Visible"));
}

JORV_PUBLISH(TGrdSpinEdit, TControl) {
  Class.Add(ControlProperty(L"TabStop"))
      .Default(1)
      .Boolean(L"ExcelStyleDecimalSeparator", &S::ExcelStyleDecimalSeparator, &S::SetExcelStyleDecimalSeparator)
      .Enum(L"Direction", &S::Direction, &S::SetDirection, SpinDirectionNames, std::optional<TSpinDirection>())
      .Boolean(L"ReturnIsTab", &S::ReturnIsTab, &S::SetReturnIsTab)
      .Integer(L"Precision", &S::Precision, &S::SetPrecision)
      .Enum(L"SpinType", &S::SpinType, &S::SetSpinType, SpinTypeNames, std::optional<TGrdSpinType>())
      .Integer(
          L"Value", [](const S* E) { return const_cast<S*>(E)->Value(); }, &S::SetValue)
      .StoredWhen([](const S* E) { return StoresValueOf(E, sptNormal); })
      .Float(
          L"FloatValue", [](const S* E) { return const_cast<S*>(E)->FloatValue(); }, &S::SetFloatValue)
      .StoredWhen([](const S* E) { return StoresValueOf(E, sptFloat); })
      .DateTime(
          L"TimeValue", [](const S* E) { return const_cast<S*>(E)->TimeValue(); }, &S::SetTimeValue)
      .StoredWhen([](const S* E) { return StoresValueOf(E, sptTime); })
      .DateTime(
          L"DateValue", [](const S* E) { return const_cast<S*>(E)->DateValue(); }, &S::SetDateValue)
      .StoredWhen([](const S* E) { return StoresValueOf(E, sptDate); })
      .Boolean(L"ShowSeconds", &S::ShowSeconds, &S::SetShowSeconds)
      .Boolean(L"SpinFlat", &S::SpinFlat, &S::SetSpinFlat)
      .Boolean(L"SpinTransparent", &S::SpinTransparent, &S::SetSpinTransparent)
      .Add(ControlProperty(L"Anchors"))
      .Boolean(L"AutoSelect", &S::AutoSelect, &S::SetAutoSelect, true)
      .Boolean(L"AllowEmptyValue", &S::AllowEmptyValue, &S::SetAllowEmptyValue)
      .Boolean(L"AutoSize", &S::AutoSize, &S::SetAutoSize, true)
      .Enum(L"BorderStyle", &S::BorderStyle, &S::SetBorderStyle, BorderStyleNames,
            std::optional<TBorderStyle>(bsSingle));
  AddControlProperties(Class, {L"Color", L"Constraints", L"Ctl3D"});
  Class.Enum(L"EditAlign", &S::EditAlign, &S::SetEditAlign, EditAlignNames, std::optional<TEditAlign>())
      .Boolean(L"EditorEnabled", &S::EditorEnabled, &S::SetEditorEnabled, true);
  AddControlProperties(Class, {L"Enabled", L"Font"});
  Class.Integer(L"Increment", &S::Increment, &S::SetIncrement, 1)
      .Float(L"IncrementFloat", &S::IncrementFloat, &S::SetIncrementFloat)
      .Float(L"IncrementFloatPage", &S::IncrementFloatPage, &S::SetIncrementFloatPage)
      .Integer(L"IncrementMinutes", &S::IncrementMinutes, &S::SetIncrementMinutes, 1)
      .Integer(L"IncrementSeconds", &S::IncrementSeconds, &S::SetIncrementSeconds, 1)
      .Integer(L"IncrementHours", &S::IncrementHours, &S::SetIncrementHours, 1)
      .Integer(L"MaxLength", &S::MaxLength, &S::SetMaxLength, 0)
      .Integer(L"MaxValue", &S::MaxValue, &S::SetMaxValue)
      .Integer(L"MinValue", &S::MinValue, &S::SetMinValue)
      .Float(L"MinFloatValue", &S::MinFloatValue, &S::SetMinFloatValue)
      .Float(L"MaxFloatValue", &S::MaxFloatValue, &S::SetMaxFloatValue)
      .DateTime(L"MinDateValue", &S::MinDateValue, &S::SetMinDateValue)
      .DateTime(L"MaxDateValue", &S::MaxDateValue, &S::SetMaxDateValue);
  AddControlProperties(Class, {L"ParentColor", L"ParentCtl3D", L"ParentFont", L"ParentShowHint"});
  Class.Boolean(L"ReadOnly", &S::ReadOnly, &S::SetReadOnly, false);
  AddControlProperties(Class, {L"ShowHint", L"TabOrder", L"Visible"});
}

JORV_PUBLISH(TGrdEditButton, TControl) {
  using B = TGrdEditButton;
  AddControlProperties(Class, {L"Align", L"Ctl3D"});
  Class.Object(L"Glyph", &B::Glyph)
      .Color(L"ButtonColor", &B::ButtonColor, &B::SetButtonColor, clNone)
      .Color(L"ButtonColorHot", &B::ButtonColorHot, &B::SetButtonColorHot, clNone)
      .Color(L"ButtonColorDown", &B::ButtonColorDown, &B::SetButtonColorDown, clNone)
      .Color(L"ButtonTextColor", &B::ButtonTextColor, &B::SetButtonTextColor, clNone)
      .Color(L"ButtonTextColorHot", &B::ButtonTextColorHot, &B::SetButtonTextColorHot, clNone)
      .Color(L"ButtonTextColorDown", &B::ButtonTextColorDown, &B::SetButtonTextColorDown, clNone)
      .Color(L"ButtonBorderColor", &B::ButtonBorderColor, &B::SetButtonBorderColor, clNone)
      .Text(L"ButtonCaption", &B::ButtonCaption, &B::SetButtonCaption)
      .Integer(L"NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, 1)
      .Add(ControlProperty(L"Enabled"))
      .Reference<TWinControl>(L"FocusControl", &B::FocusControl, &B::SetFocusControl)
      .Boolean(L"Flat", &B::Flat, &B::SetFlat);
  AddControlProperties(Class, {L"ParentCtl3D", L"ParentShowHint", L"ShowHint", L"TabOrder", L"TabStop", L"Visible"});
}

JORV_PUBLISH(TGrdEditBtn, TControl) {
  using E = TGrdEditBtn;
  Class.Add(ControlProperty(L"TabStop"))
      .Default(1)
      .Boolean(L"AutoSelect", &E::AutoSelect, &E::SetAutoSelect, true)
      .Boolean(L"AutoSize", &E::AutoSize, &E::SetAutoSize, true)
      .Enum(L"BorderStyle", &E::BorderStyle, &E::SetBorderStyle, BorderStyleNames,
            std::optional<TBorderStyle>(bsSingle))
      .Integer(L"ButtonWidth", &E::ButtonWidth, &E::SetButtonWidth);
  AddControlProperties(Class, {L"Color", L"Ctl3D"});
  Class.Boolean(L"EditorEnabled", &E::EditorEnabled, &E::SetEditorEnabled, true);
  AddControlProperties(Class, {L"Enabled", L"Font"});
  Class.Object(L"Glyph", &E::Glyph)
      .Boolean(L"IsWinXP", &E::IsWinXP, &E::SetIsWinXP)
      .Text(L"ButtonCaption", &E::ButtonCaption, &E::SetButtonCaption)
      .Integer(L"MaxLength", &E::MaxLength, &E::SetMaxLength, 0);
  AddControlProperties(Class, {L"ParentColor", L"ParentCtl3D", L"ParentFont", L"ParentShowHint"});
  Class.Boolean(L"ReadOnly", &E::ReadOnly, &E::SetReadOnly, false)
      .Boolean(L"RightAlign", &E::RightAlign, &E::SetRightAlign);
  AddControlProperties(Class, {L"ShowHint", L"TabOrder", L"Text", L"Visible"});
}

JORV_PUBLISH(TGrdUnitEditBtn, TGrdEditBtn) {
  using U = TGrdUnitEditBtn;
  Class.Object(L"Units", &U::Units)
      .Text(L"UnitID", &U::UnitID, &U::SetUnitID)
      .Integer(L"UnitSpace", &U::UnitSpace, &U::SetUnitSpace);
}

// The items come before the item index, which means nothing without them.
JORV_PUBLISH(TGrdComboBox, TControl) {
  using C = TGrdCustomCombo;
  Class.Add(ControlProperty(L"Align"))
      .Boolean(L"AutoFocus", &C::AutoFocus, &C::SetAutoFocus, false)
      .Color(L"BorderColor", &C::BorderColor, &C::SetBorderColor, clNone)
      .Integer(L"ButtonWidth", &C::ButtonWidth, &C::SetButtonWidth, 19)
      .Boolean(L"DisabledBorder", &C::DisabledBorder, &C::SetDisabledBorder, true)
      .Enum(L"Style", &C::Style, &C::SetStyle, ComboStyleNames, std::optional<TComboBoxStyle>(csDropDown))
      .Boolean(L"Flat", &C::Flat, &C::SetFlat, false)
      .Color(L"FlatLineColor", &C::FlatLineColor, &C::SetFlatLineColor, clNone)
      .Boolean(L"FlatParentColor", &C::FlatParentColor, &C::SetFlatParentColor, true)
      .Boolean(L"Etched", &C::Etched, &C::SetEtched, false)
      .Boolean(L"FocusBorder", &C::FocusBorder, &C::SetFocusBorder, false)
      .Color(L"FocusBorderColor", &C::FocusBorderColor, &C::SetFocusBorderColor, clNone)
      .Color(L"FocusColor", &C::FocusColor, &C::SetFocusColor, clNone)
      .Boolean(L"FocusLabel", &C::FocusLabel, &C::SetFocusLabel, false)
      .Enum(L"CharCase", &C::CharCase, &C::SetCharCase, CharCaseNames, std::optional<TEditCharCase>(ecNormal))
      .Color(L"Color", &C::Color, &C::SetColor);
  AddControlProperties(Class, {L"Ctl3D"});
  Class.Integer(L"DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 8)
      .Integer(L"DropWidth", &C::DropWidth, &C::SetDropWidth);
  AddControlProperties(Class, {L"Enabled", L"Font"});
  Class.Object(L"Items", &C::Items)
      .Integer(
          L"ItemIndex", [](const C* Combo) { return const_cast<C*>(Combo)->ItemIndex(); }, &C::SetItemIndex)
      .Integer(
          L"ItemHeight", [](const C* Combo) { return const_cast<C*>(Combo)->ItemHeight(); }, &C::SetItemHeight)
      .Text(L"LabelCaption", &C::LabelCaption, &C::SetLabelCaption)
      .Enum(L"LabelPosition", &C::LabelPosition, &C::SetLabelPosition, LabelPositionNames,
            std::optional<TLabelPosition>(lpLeftTop))
      .Integer(L"LabelMargin", &C::LabelMargin, &C::SetLabelMargin, 4)
      .Boolean(L"LabelTransparent", &C::LabelTransparent, &C::SetLabelTransparent, false)
      .Boolean(L"LabelAlwaysEnabled", &C::LabelAlwaysEnabled, &C::SetLabelAlwaysEnabled, false)
      .Object(L"LabelFont", &C::LabelFont)
      .Integer(L"MaxLength", &C::MaxLength, &C::SetMaxLength, 0);
  AddControlProperties(Class, {L"ParentColor", L"ParentCtl3D", L"ParentFont", L"ParentShowHint", L"ShowHint"});
  Class.Boolean(L"Sorted", &C::Sorted, &C::SetSorted, false);
  AddControlProperties(Class, {L"TabOrder", L"TabStop"});
  Class.Last().Default = 1;
  AddControlProperties(Class, {L"Text", L"Visible", L"Anchors", L"Constraints"});
}

JORV_PUBLISH(TGrdDateTimePicker, TControl) {
  Class.Text(L"Version", &TGrdDateTimePicker::Version, &TGrdDateTimePicker::SetVersion)
      .StoredWhen([](const TGrdDateTimePicker*) { return false; });
}

JORV_PUBLISH(TCustomDateTimePicker, TControl) {
  using P = TCustomDateTimePicker;
  Class.Boolean(L"AutoTab", &P::AutoTab, &P::SetAutoTab, false)
      .Boolean(L"AutoTabToNext", &P::AutoTabToNext, &P::SetAutoTabToNext, true)
      .Boolean(L"ShowCheckbox", &P::ShowCheckbox, &P::SetShowCheckbox, false)
      .Boolean(L"Checked", &P::Checked, &P::SetChecked, true);
  AddControlProperties(Class, {L"Align", L"Anchors", L"Color", L"Enabled", L"Font", L"ParentFont", L"ShowHint",
                               L"TabOrder", L"Visible"});
}

JORV_PUBLISH(TExDateTimePicker, TCustomDateTimePicker) {
  using P = TExDateTimePicker;
  Class.Enum(L"BorderStyle", &P::BorderStyle, &P::SetBorderStyle, BorderStyleNames, std::optional<TBorderStyle>())
      .Add(ControlProperty(L"Ctl3D"))
      .DateTime(L"Date", &P::Date, &P::SetDate)
      .DateTime(
          L"DateTime", [](const P* Picker) { return const_cast<P*>(Picker)->DateTime(); }, &P::SetDateTime)
      .Text(L"Format", &P::Format, &P::SetFormat)
      .Text(L"TimeFormat", &P::TimeFormat, &P::SetTimeFormat)
      .Enum(L"Kind", &P::Kind, &P::SetKind, ExDateTimeKindNames, std::optional<TExDateTimeKind>())
      .Add(ControlProperty(L"TabStop"))
      .DateTime(L"Time", &P::Time, &P::SetTime)
      .Text(L"Version", &P::Version, &P::SetVersion)
      .StoredWhen([](const P*) { return false; })
      .Boolean(L"FocusLabel", &P::FocusLabel, &P::SetFocusLabel, false)
      .Text(L"LabelCaption", &P::LabelCaption, &P::SetLabelCaption)
      .Enum(L"LabelPosition", &P::LabelPosition, &P::SetLabelPosition, PickerLabelPositionNames,
            std::optional<edit::TLabelPosition>(edit::lpLeftTop))
      .Integer(L"LabelMargin", &P::LabelMargin, &P::SetLabelMargin, 4)
      .Boolean(L"LabelTransparent", &P::LabelTransparent, &P::SetLabelTransparent, false)
      .Boolean(L"LabelAlwaysEnabled", &P::LabelAlwaysEnabled, &P::SetLabelAlwaysEnabled, false)
      .Object(L"LabelFont", &P::LabelFont);
}

JORV_PUBLISH(TRezIvevirAvodCheck, TComponent) {
  using K = TRezIvevirAvodCheck;
  Class.Boolean(L"AutoCorrect", &K::AutoCorrect, &K::SetAutoCorrect, false)
      .Boolean(L"AutoMarkError", &K::AutoMarkError, &K::SetAutoMarkError, false)
      .Boolean(L"GotoCell", &K::GotoCell, &K::SetGotoCell, false)
      .Boolean(L"UseCorrect", &K::UseCorrect, &K::SetUseCorrect, false)
      .Boolean(L"UseMarkError", &K::UseMarkError, &K::SetUseMarkError, false);
}

}  // namespace jorv::grid

JORV_PUBLISHED_UNIT(grid_base)
