# The Windows front-end's adapters: the registry store, the reports and the wave player. They
# need no window, and link only the core and libraries that come with Windows.
add_library(zundabar_win32_adapters STATIC
  win32/registry_store.cpp
  win32/report.cpp
  win32/system_error_text.cpp
  win32/utf16.cpp
  win32/wave_player.cpp
)
target_compile_definitions(zundabar_win32_adapters PUBLIC UNICODE _UNICODE NOMINMAX
  WIN32_LEAN_AND_MEAN)
target_link_libraries(zundabar_win32_adapters PUBLIC zundabar_core advapi32 winmm)
