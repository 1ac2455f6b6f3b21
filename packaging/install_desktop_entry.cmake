# Writes the desktop entry at install time, when the final prefix is known (cmake --install
# --prefix and CPack each choose their own). Its working directory is the folder holding the
# music, so that the game started from a menu plays it.
set(music_dir "${CMAKE_INSTALL_PREFIX}/share/zundabar")
file(READ "${ZUNDABAR_SOURCE_DIR}/packaging/org.example.Zundabar.desktop.in" entry)
string(REPLACE "@MUSIC_DIR@" "${music_dir}" entry "${entry}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/org.example.Zundabar.desktop")
message(STATUS "Installing: ${target}")
file(WRITE "${target}" "${entry}")
