# The Qt shell: the options store, the windows and the game itself.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

# One line on stderr for what fails outside the game; the audio module uses it too.
add_library(zundabar_report STATIC ui/stderr_report.cpp)
set_target_properties(zundabar_report PROPERTIES POSITION_INDEPENDENT_CODE ON)
target_include_directories(zundabar_report PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zundabar_report PUBLIC zundabar_core)

# The stores: the platform's options store (a file of our own on Linux, QSettings on Windows and
# macOS) and the display choice's file.
add_library(zundabar_settings_qt STATIC ui/stores/display_file.cpp ui/stores/platform_store.cpp
  ui/stores/qsettings_store.cpp)
if(NOT WIN32)
  target_sources(zundabar_settings_qt PRIVATE ui/stores/guarded_file.cpp
    ui/stores/options_file_store.cpp)
endif()
target_link_libraries(zundabar_settings_qt PUBLIC zundabar_core zundabar_report Qt6::Core)

# The pictures are decoded when the game is built, into a source of the program.
add_executable(zundabar_bake_pictures tools/bake_pictures/bake_pictures.cpp)
target_link_libraries(zundabar_bake_pictures PRIVATE Qt6::Gui)
include(${PROJECT_SOURCE_DIR}/cmake/pictures.cmake)
zundabar_bake_pictures(zundabar_bake_pictures)
set_source_files_properties(${ZUNDABAR_BAKED_PICTURES} PROPERTIES SKIP_AUTOGEN ON)

add_library(zundabar_ui STATIC
  assets/assets.qrc
  ${ZUNDABAR_BAKED_PICTURES}
  ui/pictures.cpp
  ui/about_window/about_window.cpp
  ui/designed_window.cpp
  ui/font_configuration.cpp
  ui/game_font.cpp
  ui/main_window/display_modes.cpp
  ui/main_window/main_window.cpp
  ui/main_window/key_state_filter.cpp
  ui/main_window/message_box.cpp
  ui/main_window/playfield_widget.cpp
  ui/main_window/game_module.cpp
  ui/main_window/lazy_wave_player.cpp
  ui/main_window/lazy_pad_reader.cpp
  ui/main_window/pad_poller.cpp
  ui/options_window/options_window.cpp
  ui/surroundings.cpp
  ui/window_parts.cpp
  ui/window_zoom.cpp
  ui/wrapping_label.cpp
)
target_link_libraries(zundabar_ui PUBLIC zundabar_core zundabar_settings_qt Qt6::Widgets)
# Qt lists the fonts through fontconfig on Linux; the game reads its configuration early.
if(UNIX AND NOT APPLE)
  find_package(Fontconfig REQUIRED)
  target_link_libraries(zundabar_ui PRIVATE Fontconfig::Fontconfig)
  target_compile_definitions(zundabar_ui PRIVATE ZUNDABAR_HAS_FONTCONFIG=1)
endif()

# The audio stack in a module of its own, loaded at the first music step; the program itself
# does not link Qt Multimedia.
add_library(zundabar_audio_player STATIC ui/main_window/qt_wave_player.cpp)
set_target_properties(zundabar_audio_player PROPERTIES POSITION_INDEPENDENT_CODE ON)
target_link_libraries(zundabar_audio_player PUBLIC zundabar_core zundabar_report Qt6::Multimedia)
add_library(zundabar_audio MODULE ui/main_window/audio_module.cpp)
set_target_properties(zundabar_audio PROPERTIES PREFIX ""
  LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

target_link_libraries(zundabar_audio PRIVATE zundabar_audio_player)

# SDL's game controllers in a module of their own too, loaded at the first pad poll after the
# window has shown: start-up neither loads nor starts SDL.
find_package(SDL2 REQUIRED)
add_library(zundabar_pads MODULE ui/main_window/pad_module.cpp ui/main_window/sdl_pad_reader.cpp)
set_target_properties(zundabar_pads PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
target_link_libraries(zundabar_pads PRIVATE zundabar_report Qt6::Core SDL2::SDL2)

add_executable(zundabar main.cpp)
target_link_libraries(zundabar PRIVATE zundabar_ui)
add_dependencies(zundabar zundabar_audio zundabar_pads)

# The game plays Music.wav from its current directory; the build folder gets a copy to start in.
add_custom_command(TARGET zundabar POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/assets/Music.wav
          $<TARGET_FILE_DIR:zundabar>/Music.wav)
include(cmake/install.cmake)

# Pictures of the windows in fixed situations, to compare two builds pixel by pixel.
add_executable(zundabar_window_shots tools/window_shots/window_shots.cpp)
target_link_libraries(zundabar_window_shots PRIVATE zundabar_ui)
