# Run by CPack on the staged files, just before it makes the .deb, to finish them as Debian's
# helpers would.
#
# The libraries the binaries need are found here with dpkg-shlibdeps, in the place of CPack's
# own scan: that scan also writes postinst and postrm scripts calling ldconfig for any shared
# object under /usr/lib, and the ones there are the game's private audio and pad modules, which
# the game loads by their paths and nothing links.
#
# The sections that say only which compiler made a binary are removed, as dh_strip removes them.
set(stage ${CPACK_TEMPORARY_DIRECTORY})

file(GLOB_RECURSE staged LIST_DIRECTORIES false ${stage}/*)
set(binaries)
foreach(path IN LISTS staged)
  if(NOT IS_SYMLINK ${path})
    file(READ ${path} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND binaries ${path})
    endif()
  endif()
endforeach()
if(NOT binaries)
  message(FATAL_ERROR "The package holds no program")
endif()

foreach(binary IN LISTS binaries)
  execute_process(COMMAND ${CPACK_ZUNDABAR_OBJCOPY} --remove-section=.comment
                          --remove-section=.note ${binary}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "objcopy could not clean ${binary}")
  endif()
endforeach()

# dpkg-shlibdeps wants a source package's control file in the folder it runs in.
set(scratch ${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps)
file(REMOVE_RECURSE ${scratch})
file(WRITE ${scratch}/debian/control "")
execute_process(COMMAND dpkg-shlibdeps -O ${binaries}
  WORKING_DIRECTORY ${scratch}
  OUTPUT_VARIABLE found
  ERROR_VARIABLE why
  RESULT_VARIABLE failed
  OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE ${scratch})
if(failed OR NOT found MATCHES "shlibs:Depends=(.+)")
  message(FATAL_ERROR "dpkg-shlibdeps found no libraries: ${why}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${CMAKE_MATCH_1}")
