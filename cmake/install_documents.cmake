# The manual page and, where Debian looks for them, the copyright and the changelog. The page and
# the changelog are compressed as Debian's helpers compress them: gzip at its best, with no name
# or time inside, so that the same source always gives the same bytes.
find_program(ZUNDABAR_GZIP gzip REQUIRED)

set(documents_dir ${PROJECT_BINARY_DIR}/documents)
set(manual_page ${documents_dir}/zundabar.6.gz)
set(changelog ${documents_dir}/changelog.gz)

# Compresses SOURCE into OUTPUT (its name and .gz).
function(zundabar_compress source output)
  get_filename_component(plain ${output} NAME_WLE)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${documents_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${documents_dir}/${plain}
    COMMAND ${ZUNDABAR_GZIP} -9nf ${documents_dir}/${plain}
    # gzip gives its output the source's time, which would leave it older than the source.
    COMMAND ${CMAKE_COMMAND} -E touch ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${plain}" VERBATIM)
endfunction()

zundabar_compress(${PROJECT_SOURCE_DIR}/man/zundabar.6 ${manual_page})
zundabar_compress(${PROJECT_SOURCE_DIR}/packaging/debian/changelog ${changelog})
add_custom_target(zundabar_documents ALL DEPENDS ${manual_page} ${changelog})
# Made with the program, so that installing after building only the program finds them.
add_dependencies(zundabar zundabar_documents)

install(FILES ${manual_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# CMAKE_INSTALL_DOCDIR would be named after the project, Zundabar; Debian names it after the
# package.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${changelog}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zundabar)
