# The Qt shell: the options store, the windows and the game itself.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

add_library(zundabar_settings_qt STATIC settings/qsettings_store.cpp)
target_link_libraries(zundabar_settings_qt PUBLIC zundabar_core Qt6::Core)
