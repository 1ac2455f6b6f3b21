# Writes the desktop entry at install time, when the final prefix is known (cmake --install
# --prefix and CPack each choose their own). It names the program by its whole path, since a
# desktop session's PATH may not hold the games folder, and its working directory is the folder
# holding the music, so that the game started from a menu plays it.
set(music_dir "${CMAKE_INSTALL_PREFIX}/share/zundabar")
set(program "${CMAKE_INSTALL_PREFIX}/${ZUNDABAR_GAMESDIR}/zundabar")
# In Exec a path with a space or another reserved character is quoted, with ", `, $ and \
# escaped inside the quotes and every backslash escaped once more, as in any string of the
# entry; a % is doubled anywhere.
set(command "${program}")
if(command MATCHES "[^-A-Za-z0-9_./+,:@]")
  string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" command "${command}")
  string(REPLACE "\\" "\\\\" command "${command}")
  set(command "\"${command}\"")
endif()
string(REPLACE "%" "%%" command "${command}")
file(READ "${ZUNDABAR_SOURCE_DIR}/packaging/org.example.Zundabar.desktop.in" entry)
string(REPLACE "@MUSIC_DIR@" "${music_dir}" entry "${entry}")
string(REPLACE "@PROGRAM@" "${program}" entry "${entry}")
string(REPLACE "@PROGRAM_COMMAND@" "${command}" entry "${entry}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/org.example.Zundabar.desktop")
message(STATUS "Installing: ${target}")
file(WRITE "${target}" "${entry}")
