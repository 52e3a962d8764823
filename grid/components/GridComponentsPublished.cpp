// The grid's components known by name: the grid makes the editor of its
// edExGridDropDown cells from the class registry, since that editor is
// built on the grid itself.
#include "grid/components/GridExGridDropDown.h"
#include "grid/components/RERorAzaz.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TypInfo.h"

namespace jorv::grid {

namespace {

const bool Registered = [] {
  RegisterClass<TGridExGridDropDown>(L"TGridExGridDropDown");
  RegisterClass<TCustomExGridDropDown>(L"TCustomExGridDropDown");
  RegisterClass<TRERorAzaz>(L"TRERorAzaz");
  return true;
}();

}  // namespace

}  // namespace jorv::grid

JORV_PUBLISHED_UNIT(grid_components)
