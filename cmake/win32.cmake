# The Windows front-end's adapters: the registry store, the reports, the wave player and the
# pads. They need no window, and link only the core and libraries that come with Windows.
add_library(zundabar_win32_adapters STATIC
  win32/registry_display_store.cpp
  win32/registry_key.cpp
  win32/registry_store.cpp
  win32/report.cpp
  win32/system_error_text.cpp
  win32/utf16.cpp
  win32/wave_player.cpp
  win32/xinput_pads.cpp
)
target_compile_definitions(zundabar_win32_adapters PUBLIC UNICODE _UNICODE NOMINMAX
  WIN32_LEAN_AND_MEAN)
target_link_libraries(zundabar_win32_adapters PUBLIC zundabar_core advapi32)

# The layout rules of the Windows windows, free of any window: tested on their own.
add_library(zundabar_win32_layout STATIC
  win32/key_routing.cpp
  win32/scaled_design.cpp
)
target_link_libraries(zundabar_win32_layout PUBLIC zundabar_core)

# The game's pictures are decoded by the build machine's tool, which the default preset builds
# (scripts/test.sh builds it first).
set(ZUNDABAR_BAKE_PICTURES_TOOL ${PROJECT_SOURCE_DIR}/build/zundabar_bake_pictures
  CACHE FILEPATH "The picture decoder built for the build machine")
if(NOT EXISTS ${ZUNDABAR_BAKE_PICTURES_TOOL})
  message(WARNING "No ${ZUNDABAR_BAKE_PICTURES_TOOL}: build it with "
    "'cmake --preset default && cmake --build --preset default --target zundabar_bake_pictures' "
    "before building zundabar.exe")
endif()
include(${PROJECT_SOURCE_DIR}/cmake/pictures.cmake)
zundabar_bake_pictures(${ZUNDABAR_BAKE_PICTURES_TOOL})

# The windows, on the Windows API: GDI, common controls, and the pictures built in.
add_library(zundabar_win32_windows STATIC
  ${ZUNDABAR_BAKED_PICTURES}
  win32/about_window.cpp
  win32/common_controls.cpp
  win32/design_fonts.cpp
  win32/designed_window.cpp
  win32/display_menu.cpp
  win32/dpi.cpp
  win32/gdi_picture.cpp
  win32/main_window.cpp
  win32/message_box_closing.cpp
  win32/monitor.cpp
  win32/options_window.cpp
  win32/picture_control.cpp
  win32/playfield_window.cpp
  win32/tooltip.cpp
  win32/window_class.cpp
)
target_link_libraries(zundabar_win32_windows PUBLIC zundabar_win32_layout zundabar_win32_adapters
  gdi32 user32)

enable_language(RC)
set(ZUNDABAR_ICON ${PROJECT_SOURCE_DIR}/assets/icons/zundabar.ico)
set(ZUNDABAR_MANIFEST ${PROJECT_SOURCE_DIR}/win32/zundabar.manifest)
set(ZUNDABAR_FALLBACK_SANS ${PROJECT_SOURCE_DIR}/assets/RobotoCondensed-Regular.ttf)
configure_file(win32/zundabar.rc.in ${PROJECT_BINARY_DIR}/zundabar.rc @ONLY)
set_source_files_properties(${PROJECT_BINARY_DIR}/zundabar.rc PROPERTIES
  OBJECT_DEPENDS "${ZUNDABAR_ICON};${ZUNDABAR_MANIFEST};${ZUNDABAR_FALLBACK_SANS}")

add_executable(zundabar WIN32 win32/win_main.cpp ${PROJECT_BINARY_DIR}/zundabar.rc)
target_link_libraries(zundabar PRIVATE zundabar_win32_windows)
target_link_options(zundabar PRIVATE -municode)

# Pictures of the windows in fixed situations, for comparing two builds pixel by pixel under Wine
# (tools/window_shots/wine_window_shots.sh); a test tool, never installed.
add_executable(zundabar_window_shots tools/window_shots/win32_window_shots.cpp
  ${PROJECT_BINARY_DIR}/zundabar.rc)
target_link_libraries(zundabar_window_shots PRIVATE zundabar_win32_windows)
