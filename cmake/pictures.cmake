# The pictures the build decodes into a source of the program, for both front-ends.
set(ZUNDABAR_PICTURES player_up.png player_down.png cloud.png crate.png app_icon.png pi_sign.png
  maker_banner.png credit_banner.bmp)
# The landscape, drawn a part at a time, is kept as the rectangles of one colour that make it up.
set(ZUNDABAR_FLAT_PICTURES landscape.png)
list(TRANSFORM ZUNDABAR_PICTURES PREPEND ${PROJECT_SOURCE_DIR}/assets/)
list(TRANSFORM ZUNDABAR_FLAT_PICTURES PREPEND ${PROJECT_SOURCE_DIR}/assets/)
set(ZUNDABAR_BAKED_PICTURES ${PROJECT_BINARY_DIR}/baked_pictures.cpp)

# The command that writes the source; TOOL is a target or the path of a program.
function(zundabar_bake_pictures tool)
  add_custom_command(OUTPUT ${ZUNDABAR_BAKED_PICTURES}
    COMMAND ${tool} ${ZUNDABAR_BAKED_PICTURES} ${ZUNDABAR_PICTURES}
            --areas ${ZUNDABAR_FLAT_PICTURES}
    DEPENDS ${tool} ${ZUNDABAR_PICTURES} ${ZUNDABAR_FLAT_PICTURES}
    COMMENT "Decoding the game's pictures" VERBATIM)
endfunction()
