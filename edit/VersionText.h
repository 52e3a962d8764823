#pragma once
// The version text of a component: the four bytes of its packed version
// number from the high byte down, joined by ".".
#include "platform/rtl/SysUtils.h"

namespace jorv::edit {

inline String VersionText(Cardinal V) {
  return IntToStr(V >> 24) + L"." + IntToStr((V >> 16) & 0xFF) + L"." + IntToStr((V >> 8) & 0xFF) + L"." +
         IntToStr(V & 0xFF);
}

}  // namespace jorv::edit
