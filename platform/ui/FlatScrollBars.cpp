#include "platform/ui/FlatScrollBars.h"

namespace jorv {

const TFlatScrollBarApi& FlatScrollBarApi() {
  static TFlatScrollBarApi Api;
  static HMODULE Bound = nullptr;
  HMODULE Lib = GetModuleHandleW(L"comctl32.dll");
  if (Lib && Lib != Bound) {
    Api.InitializeFlatSB = ProcAddress<decltype(Api.InitializeFlatSB)>(Lib, "InitializeFlatSB");
    Api.UninitializeFlatSB = ProcAddress<decltype(Api.UninitializeFlatSB)>(Lib, "UninitializeFlatSB");
    Api.FlatSB_SetScrollInfo = ProcAddress<decltype(Api.FlatSB_SetScrollInfo)>(Lib, "FlatSB_SetScrollInfo");
    Api.FlatSB_GetScrollInfo = ProcAddress<decltype(Api.FlatSB_GetScrollInfo)>(Lib, "FlatSB_GetScrollInfo");
    Api.FlatSB_SetScrollProp = ProcAddress<decltype(Api.FlatSB_SetScrollProp)>(Lib, "FlatSB_SetScrollProp");
    Api.FlatSB_ShowScrollBar = ProcAddress<decltype(Api.FlatSB_ShowScrollBar)>(Lib, "FlatSB_ShowScrollBar");
    Bound = Lib;
  } else if (!Lib) {
    Api = TFlatScrollBarApi();
    Bound = nullptr;
  }
  return Api;
}

}  // namespace jorv
