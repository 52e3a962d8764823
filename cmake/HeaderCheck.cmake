# Every header of the libraries compiles on its own: one translation unit per
# header, built without the precompiled runtime header that would otherwise
# supply whatever a header forgot to include. Part of every build, so that a
# header that leans on its includer fails where it is written. Only the
# Windows headers come precompiled (through WinApi.h, the one way into them):
# they are half of every unit's time, and a header that forgets WinApi.h is
# the one slip this lets through.
file(GLOB_RECURSE _jorv_headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
     ${CMAKE_SOURCE_DIR}/platform/*.h ${CMAKE_SOURCE_DIR}/foundation/*.h
     ${CMAKE_SOURCE_DIR}/calendar/*.h ${CMAKE_SOURCE_DIR}/edit/*.h
     ${CMAKE_SOURCE_DIR}/panel/*.h ${CMAKE_SOURCE_DIR}/dropdown/*.h
     ${CMAKE_SOURCE_DIR}/grid/*.h ${CMAKE_SOURCE_DIR}/app/*.h
     ${CMAKE_SOURCE_DIR}/bench/*.h)
set(_jorv_header_units)
foreach(_header IN LISTS _jorv_headers)
  string(REGEX REPLACE "[/.]" "_" _unit_name "${_header}")
  set(_unit ${CMAKE_BINARY_DIR}/header_check/${_unit_name}.cpp)
  # Written only when it changes, so that reconfiguring rebuilds nothing.
  set(_text "#include \"${_header}\"\n")
  if(EXISTS ${_unit})
    file(READ ${_unit} _old)
  else()
    set(_old "")
  endif()
  if(NOT _old STREQUAL _text)
    file(WRITE ${_unit} "${_text}")
  endif()
  list(APPEND _jorv_header_units ${_unit})
endforeach()
if(_jorv_header_units)
  add_library(header_check OBJECT ${_jorv_header_units})
  target_precompile_headers(header_check PRIVATE platform/rtl/WinApi.h)
endif()
