// Published properties of the multi-column drop-down, its columns and its
// items.
#include "dropdown/DropDownPublishing.h"
#include "dropdown/MultiColumnDropDown.h"

namespace jorv::dropdown {

namespace {

const TEnumInfo AlignmentNames{{L"taLeftJustify", L"taRightJustify", L"taCenter"}};
const TEnumInfo ColumnTypeNames{{L"ctText", L"ctImage"}};

}  // namespace

JORV_PUBLISH(TDropDownColumn, TPersistent) {
  using T = TDropDownColumn;
  Class.Integer(L"Width", &T::Width, &T::SetWidth, 80)
      .Color(L"Color", &T::Color, &T::SetColor, TColor(0xFFFFFF))
      .Enum(L"Alignment", &T::Alignment, &T::SetAlignment, AlignmentNames, std::optional<TAlignment>(taLeftJustify))
      .Boolean(L"Ellipsis", &T::Ellipsis, &T::SetEllipsis, false)
      .Object(L"Font", &T::Font)
      .Enum(L"ColumnType", &T::ColumnType, &T::SetColumnType, ColumnTypeNames, std::optional<TColumnType>(ctText))
      .Text(L"Header", &T::Header, &T::SetHeader)
      .Boolean(L"Wordwrap", &T::Wordwrap, &T::SetWordwrap, false)
      .Boolean(L"AutoSize", &T::AutoSize, &T::SetAutoSize, false);
}

JORV_PUBLISH(TDropDownItem, TPersistent) {
  Class.Integer(L"ImageIndex", &TDropDownItem::ImageIndex, &TDropDownItem::SetImageIndex, -1)
      .Object(L"Text", &TDropDownItem::Text)
      .Integer(L"Tag", &TDropDownItem::Tag, &TDropDownItem::SetTag, 0);
}

JORV_PUBLISH(TExMultiColumnDropDown, TControl) {
  using T = TExMultiColumnDropDown;
  PublishDropDown(Class);
  Class.Boolean(L"CaseSensitive", &T::CaseSensitive, &T::SetCaseSensitive, false)
      .Boolean(L"DropDownAutoWidth", &T::DropDownAutoWidth, &T::SetDropDownAutoWidth, true)
      .Integer(L"DropDownRowHeight", &T::DropDownRowHeight, &T::SetDropDownRowHeight, 22)
      .Color(L"LineColor", &T::LineColor, &T::SetLineColor, TColor(0x808080))
      .Color(L"FixedLineColor", &T::FixedLineColor, &T::SetFixedLineColor)
      .Boolean(L"ColumnSizing", &T::ColumnSizing, &T::SetColumnSizing, false)
      .Boolean(L"ColumnSizeWithDropDown", &T::ColumnSizeWithDropDown, &T::SetColumnSizeWithDropDown, true)
      .Object(L"Columns", &T::Columns)
      .Color(L"HeaderColor", &T::HeaderColor, &T::SetHeaderColor)
      .Color(L"HeaderColorTo", &T::HeaderColorTo, &T::SetHeaderColorTo)
      .Integer(L"HeaderHeight", &T::HeaderHeight, &T::SetHeaderHeight)
      .Object(L"HeaderFont", &T::HeaderFont)
      .Integer(L"LookupColumn", &T::LookupColumn, &T::SetLookupColumn, 0)
      .Color(L"SelectionTextColor", &T::SelectionTextColor, &T::SetSelectionTextColor, TColor(0))
      .Object(L"Items", &T::Items)
      .Integer(L"ItemIndex", &T::ItemIndex, &T::SetItemIndex);
}

}  // namespace jorv::dropdown

JORV_PUBLISHED_UNIT(dropdown_multicolumn)
