// Published properties of the component and control bases, and the shared
// control properties that descendants publish.
#include "platform/ui/ControlPublished.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/WinControl.h"

namespace jorv {

const TEnumInfo AlignNames{{L"alNone", L"alTop", L"alBottom", L"alLeft", L"alRight", L"alClient",
                            L"alCustom"}};
const TEnumInfo BevelCutNames{{L"bvNone", L"bvLowered", L"bvRaised", L"bvSpace"}};

namespace {

const TEnumInfo AnchorNames{{L"akLeft", L"akTop", L"akRight", L"akBottom"}};
const TEnumInfo BevelKindNames{{L"bkNone", L"bkTile", L"bkSoft", L"bkFlat"}};
const TEnumInfo BevelEdgeNames{{L"beLeft", L"beTop", L"beRight", L"beBottom"}};

std::vector<TPropInfo> ControlTable() {
  TPublishedClass<TControl> c(L"TControl", std::nullopt);
  c.Enum(L"Align", &TControl::Align, &TControl::SetAlign, AlignNames,
         std::optional<TAlign>(alNone))
      .Set(L"Anchors", &TControl::Anchors, &TControl::SetAnchors, AnchorNames,
           std::optional<TAnchors>(TAnchors{akLeft, akTop}))
      .Boolean(L"AlignWithMargins", &TControl::AlignWithMargins, &TControl::SetAlignWithMargins,
               false)
      .Text(L"Caption", &TControl::Caption, &TControl::SetCaption)
      .Color(L"Color", &TControl::Color, &TControl::SetColor)
      .StoredWhen([](const TControl* o) { return !o->ParentColor(); })
      .Object(L"Constraints", &TControl::Constraints)
      .Integer(L"Cursor", &TControl::Cursor, &TControl::SetCursor, 0)
      .Boolean(L"Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
      .Object(L"Font", &TControl::Font)
      .StoredWhen([](const TControl* o) { return !o->ParentFont(); })
      .Text(L"Hint", &TControl::Hint, &TControl::SetHint)
      .Boolean(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true)
      .Boolean(L"ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
      .Boolean(L"ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
      .Boolean(L"ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
      .StoredWhen([](const TControl* o) { return !o->ParentShowHint(); })
      .Text(L"Text", &TControl::Text, &TControl::SetText)
      .Boolean(L"Visible", &TControl::Visible, &TControl::SetVisible, true);
  return c.TakeProps();
}

std::vector<TPropInfo> WinControlTable() {
  TPublishedClass<TWinControl> c(L"TWinControl", std::nullopt);
  c.Set(L"BevelEdges", &TWinControl::BevelEdges, &TWinControl::SetBevelEdges, BevelEdgeNames,
        std::optional<TBevelEdges>(TBevelEdges{beLeft, beTop, beRight, beBottom}))
      .Enum(L"BevelInner", &TWinControl::BevelInner, &TWinControl::SetBevelInner, BevelCutNames,
            std::optional<TBevelCut>(bvRaised))
      .Enum(L"BevelKind", &TWinControl::BevelKind, &TWinControl::SetBevelKind, BevelKindNames,
            std::optional<TBevelKind>(bkNone))
      .Enum(L"BevelOuter", &TWinControl::BevelOuter, &TWinControl::SetBevelOuter, BevelCutNames,
            std::optional<TBevelCut>(bvLowered))
      .Integer(L"BevelWidth", &TWinControl::BevelWidth, &TWinControl::SetBevelWidth, 1)
      .Integer(L"BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth, 0)
      .Boolean(L"Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D)
      .StoredWhen([](const TWinControl* o) { return !o->ParentCtl3D(); })
      .Boolean(L"DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered,
               false)
      .Boolean(L"ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true)
      .Integer(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1)
      .Boolean(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false);
  return c.TakeProps();
}

// Window-control properties reach only window controls: on another control
// the property reads as its default and ignores writes.
TPropInfo ForWinControls(TPropInfo Info) {
  auto isWin = [](const TPersistent* o) { return dynamic_cast<const TWinControl*>(o) != nullptr; };
  auto get = Info.GetOrd;
  auto set = Info.SetOrd;
  Int64 fallback = Info.Default.value_or(0);
  Info.GetOrd = [=](const TPersistent* o) { return isWin(o) ? get(o) : fallback; };
  Info.SetOrd = [=](TPersistent* o, Int64 v) {
    if (isWin(o)) set(o, v);
  };
  if (Info.Stored) {
    auto stored = Info.Stored;
    Info.Stored = [=](const TPersistent* o) { return isWin(o) && stored(o); };
  }
  return Info;
}

}  // namespace

TPropInfo ControlProperty(const String& Name) {
  static const std::vector<TPropInfo> controls = ControlTable();
  static const std::vector<TPropInfo> winControls = WinControlTable();
  for (const TPropInfo& p : controls)
    if (CompareText(p.Name, Name) == 0) return p;
  for (const TPropInfo& p : winControls)
    if (CompareText(p.Name, Name) == 0) return ForWinControls(p);
  throw EInvalidOperation(L"No control property " + Name);
}

JORV_PUBLISH(TComponent, TPersistent) {
  Class.Int64(L"Tag", &TComponent::Tag, &TComponent::SetTag, 0);
  // A component's name is written with its class, not as a property.
}

JORV_PUBLISH(TControl, TComponent) {
  Class.Integer(L"Left", &TControl::Left, &TControl::SetLeft)
      .Integer(L"Top", &TControl::Top, &TControl::SetTop)
      .Integer(L"Width", &TControl::Width, &TControl::SetWidth)
      .Integer(L"Height", &TControl::Height, &TControl::SetHeight);
}

}  // namespace jorv

JORV_PUBLISHED_UNIT(platform_ui)
