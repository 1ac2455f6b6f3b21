add_executable(zundabar_settings_tests ui/stores/options_file_store_test.cpp
  ui/stores/display_file_test.cpp)
target_include_directories(zundabar_settings_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(zundabar_settings_tests PRIVATE zundabar_settings_qt GTest::gtest)
gtest_discover_tests(zundabar_settings_tests PROPERTIES LABELS core DISCOVERY_TIMEOUT 60)

add_executable(zundabar_gui_tests
  ui/gui_test_main.cpp
  ui/main_window/main_window_layout_test.cpp
  ui/main_window/display_modes_test.cpp
  ui/main_window/key_state_filter_test.cpp
  ui/main_window/lazy_wave_player_test.cpp
  ui/main_window/sdl_pad_test.cpp
  ui/main_window/message_box_test.cpp
  ui/main_window/play_control_window_test.cpp
  ui/main_window/playfield_frames_test.cpp
  ui/main_window/playfield_render_test.cpp
  ui/main_window/zoom_test.cpp
  ui/main_window/window_keys_test.cpp
  ui/options_window/options_window_test.cpp
  ui/about_window/about_window_test.cpp
  ui/font_configuration_test.cpp
  ui/pictures_test.cpp
  ui/designed_windows_test.cpp
)
target_include_directories(zundabar_gui_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(zundabar_gui_tests PRIVATE zundabar_ui Qt6::Test GTest::gtest SDL2::SDL2)
target_compile_definitions(zundabar_gui_tests PRIVATE
  ZUNDABAR_AUDIO_MODULE="$<TARGET_FILE:zundabar_audio>"
  ZUNDABAR_PAD_MODULE="$<TARGET_FILE:zundabar_pads>"
  ZUNDABAR_MUSIC_FILE="${PROJECT_SOURCE_DIR}/assets/Music.wav"
  ZUNDABAR_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets")
add_dependencies(zundabar_gui_tests zundabar_audio zundabar_pads)
gtest_discover_tests(zundabar_gui_tests PROPERTIES LABELS gui
  ENVIRONMENT QT_QPA_PLATFORM=offscreen DISCOVERY_TIMEOUT 60
  DISCOVERY_EXTRA_ARGS "" )

add_executable(zundabar_play_wav audio/play_wav.cpp)
target_include_directories(zundabar_play_wav PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(zundabar_play_wav PRIVATE zundabar_ui)
add_dependencies(zundabar_play_wav zundabar_audio)
add_test(NAME MusicIsHeardOnANullSink
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/audio/null_sink_test.sh $<TARGET_FILE:zundabar_play_wav>
          $<TARGET_FILE:zundabar_audio> ${PROJECT_SOURCE_DIR}/assets/Music.wav)
set_tests_properties(MusicIsHeardOnANullSink PROPERTIES LABELS audio SKIP_RETURN_CODE 77
  TIMEOUT 60)

# A test of the real game, driven by a script in e2e/ that is given the game and its music;
# the script exits 77 when it cannot run here.
function(add_game_test name script label timeout_s)
  add_test(NAME ${name}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/${script} $<TARGET_FILE:zundabar>
            ${PROJECT_SOURCE_DIR}/assets/Music.wav)
  set_tests_properties(${name} PROPERTIES LABELS ${label} SKIP_RETURN_CODE 77
    TIMEOUT ${timeout_s} ENVIRONMENT "ZUNDABAR_DESIGN=$<TARGET_FILE:zundabar_design>")
endfunction()

add_game_test(PlayAFirstGameUnderXvfb play_test.sh e2e 120)

add_game_test(UseTheOptionsAndAboutWindowsUnderXvfb options_test.sh e2e 120)

# The game on a headless Wayland compositor; as root the compositor runs as a user of its own.
add_game_test(PlayOnAWaylandCompositor wayland_test.sh wayland 300)

add_test(NAME InstallsLikeADesktopGame
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install/install_test.sh ${PROJECT_BINARY_DIR}
          ${PROJECT_SOURCE_DIR})
set_tests_properties(InstallsLikeADesktopGame PROPERTIES LABELS install SKIP_RETURN_CODE 77
  TIMEOUT 300)

# The same frames at twice the density.
add_executable(zundabar_high_density_tests ui/main_window/high_density_test.cpp
  ui/main_window/playfield_frames_test.cpp)
target_include_directories(zundabar_high_density_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(zundabar_high_density_tests PRIVATE zundabar_ui Qt6::Test GTest::gtest)
gtest_discover_tests(zundabar_high_density_tests PROPERTIES LABELS gui
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2" DISCOVERY_TIMEOUT 60)

add_game_test(SurviveBrokenMusicAndOptionsFiles faults_test.sh e2e 300)

add_game_test(PlayZoomedAndFullScreenUnderXvfb zoom_test.sh e2e 120)

add_game_test(KeepTheOptionsFileOnAFullDisk full_disk_test.sh e2e 120)

add_game_test(SurviveClosedStderrBrokenPipesAndNoDisplay surroundings_test.sh e2e 180)

add_game_test(LeaveThePlayerNoDeadEndsUnderXvfb dead_ends_test.sh e2e 120)

add_game_test(HoldKeysThroughAutoRepeatUnderXvfb held_keys_test.sh e2e 120)
