# The Qt shell: the options store, the windows and the game itself.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

add_library(zundabar_settings_qt STATIC settings/qsettings_store.cpp)
target_link_libraries(zundabar_settings_qt PUBLIC zundabar_core Qt6::Core)

add_library(zundabar_ui STATIC
  assets/assets.qrc
  ui/about_window/frm_about.cpp
  ui/game_font.cpp
  ui/main_window/form1.cpp
  ui/main_window/key_state_filter.cpp
  ui/main_window/message_box.cpp
  ui/main_window/playfield_widget.cpp
  ui/main_window/qt_wave_player.cpp
  ui/options_window/frm_options.cpp
  ui/window_parts.cpp
)
target_link_libraries(zundabar_ui PUBLIC zundabar_core zundabar_settings_qt Qt6::Widgets
  Qt6::Multimedia)

add_executable(zundabar main.cpp)
target_link_libraries(zundabar PRIVATE zundabar_ui)

# The game plays Music.wav from its current directory; the build folder gets a copy to start in.
add_custom_command(TARGET zundabar POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/assets/Music.wav
          $<TARGET_FILE_DIR:zundabar>/Music.wav)
include(cmake/install.cmake)
