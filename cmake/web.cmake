# The browser game (web/): the page's program in WebAssembly with its small JavaScript library,
# and the files a static host serves beside it, all in the build folder: index.html, the style,
# the web app manifest and icons, the service worker that keeps them all for offline play, the
# WOFF2 subset of our font and the music. `package` packs them into zundabar-VERSION-web.zip.

# The game's pictures are decoded by the build machine's tool, which the default preset builds
# (scripts/test.sh builds it first).
set(ZUNDABAR_BAKE_PICTURES_TOOL ${PROJECT_SOURCE_DIR}/build/zundabar_bake_pictures
  CACHE FILEPATH "The picture decoder built for the build machine")
if(NOT EXISTS ${ZUNDABAR_BAKE_PICTURES_TOOL})
  message(WARNING "No ${ZUNDABAR_BAKE_PICTURES_TOOL}: build it with "
    "'cmake --preset default && cmake --build --preset default --target zundabar_bake_pictures' "
    "before building the browser game")
endif()
include(${PROJECT_SOURCE_DIR}/cmake/pictures.cmake)
zundabar_bake_pictures(${ZUNDABAR_BAKE_PICTURES_TOOL})

# What the page decides without the page itself, tested under Node.
add_library(zundabar_web_rules STATIC web/page_keys.cpp web/page_pad_reading.cpp)
target_link_libraries(zundabar_web_rules PUBLIC zundabar_core)

set(ZUNDABAR_WEB_LIBRARY ${PROJECT_SOURCE_DIR}/web/page_library.js)
add_library(zundabar_web_page STATIC
  ${ZUNDABAR_BAKED_PICTURES}
  web/canvas_playfield.cpp
  web/local_storage_store.cpp
  web/page_fonts.cpp
  web/page_game.cpp
  web/page_label.cpp
  web/page_main_window.cpp
  web/page_pads.cpp
  web/page_pictures.cpp
  web/page_timers.cpp
  web/page_window.cpp
)
target_link_libraries(zundabar_web_page PUBLIC zundabar_web_rules)

# Our font as WOFF2, holding only the characters the game shows: its texts are plain ASCII, with
# the copyright sign and the close control's cross; and in Base64, as the page holds it.
find_program(ZUNDABAR_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
set(ZUNDABAR_WEB_FONT ${PROJECT_BINARY_DIR}/zundabar_sans.woff2)
set(ZUNDABAR_WEB_FONT_BASE64 ${ZUNDABAR_WEB_FONT}.base64)
add_custom_command(OUTPUT ${ZUNDABAR_WEB_FONT} ${ZUNDABAR_WEB_FONT_BASE64}
  COMMAND ${ZUNDABAR_SYSTEM_PYTHON} -m fontTools.subset
          ${PROJECT_SOURCE_DIR}/assets/RobotoCondensed-Regular.ttf
          --unicodes=U+0020-007E,U+00A9,U+00D7 --layout-features=kern --flavor=woff2
          --output-file=${ZUNDABAR_WEB_FONT}
  COMMAND ${ZUNDABAR_SYSTEM_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/web_base64.py ${ZUNDABAR_WEB_FONT}
          ${ZUNDABAR_WEB_FONT_BASE64}
  DEPENDS ${PROJECT_SOURCE_DIR}/assets/RobotoCondensed-Regular.ttf
          ${PROJECT_SOURCE_DIR}/cmake/web_base64.py
  COMMENT "Making the web font (python3-fonttools, python3-brotli)" VERBATIM)

# A page's program in OUTPUT_DIR as zundabar.js and zundabar.wasm: no file system, no Node, a
# small heap that may grow (the game allocates little), for a page written by hand rather than
# by Emscripten's HTML minifier. The page itself, OUTPUT_DIR/index.html, is web/index.html with
# the style, that script and our font written into it (cmake/web_page.cmake): the first frame then
# waits for the page and the wasm alone.
function(zundabar_add_page target main output_dir)
  add_executable(${target} ${main})
  target_link_libraries(${target} PRIVATE zundabar_web_page)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME zundabar
    RUNTIME_OUTPUT_DIRECTORY ${output_dir} LINK_DEPENDS ${ZUNDABAR_WEB_LIBRARY})
  # Its strings are short: decoded in JavaScript, as TextDecoder costs more for each of them. The
  # smaller allocator is code the first frame waits less to compile; the game allocates little.
  target_link_options(${target} PRIVATE -sENVIRONMENT=web -sFILESYSTEM=0
    -sINITIAL_MEMORY=4194304 -sTOTAL_STACK=262144 -sALLOW_MEMORY_GROWTH=1 -sTEXTDECODER=0
    -sMALLOC=emmalloc
    --js-library ${ZUNDABAR_WEB_LIBRARY})
  add_custom_command(OUTPUT ${output_dir}/index.html
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${PROJECT_SOURCE_DIR}/web/index.html
            -DSTYLE=${PROJECT_SOURCE_DIR}/web/zundabar.css -DSCRIPT=${output_dir}/zundabar.js
            -DFONT=${ZUNDABAR_WEB_FONT_BASE64} -DOUT=${output_dir}/index.html
            -P ${PROJECT_SOURCE_DIR}/cmake/web_page.cmake
    DEPENDS ${target} ${PROJECT_SOURCE_DIR}/web/index.html ${PROJECT_SOURCE_DIR}/web/zundabar.css
            ${ZUNDABAR_WEB_FONT_BASE64} ${PROJECT_SOURCE_DIR}/cmake/web_page.cmake
    COMMENT "Writing the style, the script and the font into ${output_dir}/index.html" VERBATIM)
endfunction()
zundabar_add_page(zundabar_page web/web_main.cpp ${PROJECT_BINARY_DIR})

# The files beside the program.
set(ZUNDABAR_WEB_DIR ${PROJECT_BINARY_DIR})
set(ZUNDABAR_WEB_STATIC manifest.webmanifest)
set(ZUNDABAR_WEB_ICONS app_icon_32.png app_icon_64.png app_icon_128.png app_icon_192.png
  app_icon_256.png app_icon_512.png)
foreach(file ${ZUNDABAR_WEB_STATIC})
  configure_file(${PROJECT_SOURCE_DIR}/web/${file} ${ZUNDABAR_WEB_DIR}/${file} COPYONLY)
endforeach()
foreach(icon ${ZUNDABAR_WEB_ICONS})
  configure_file(${PROJECT_SOURCE_DIR}/assets/icons/${icon} ${ZUNDABAR_WEB_DIR}/icons/${icon}
    COPYONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/assets/Music.wav ${ZUNDABAR_WEB_DIR}/Music.wav COPYONLY)
# The game drawing from scripted values, for the tests' pictures: in shots/, never packed.
zundabar_add_page(zundabar_web_shots tools/web_shots/web_shots_main.cpp ${ZUNDABAR_WEB_DIR}/shots)
foreach(file ${ZUNDABAR_WEB_STATIC})
  configure_file(${PROJECT_SOURCE_DIR}/web/${file} ${ZUNDABAR_WEB_DIR}/shots/${file} COPYONLY)
endforeach()
# The start-up benchmark's bare page, never packed.
configure_file(${PROJECT_SOURCE_DIR}/bench/web_bare_page.html
  ${ZUNDABAR_WEB_DIR}/bare/web_bare_page.html COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/assets/landscape.png ${ZUNDABAR_WEB_DIR}/bare/landscape.png
  COPYONLY)

list(TRANSFORM ZUNDABAR_WEB_ICONS PREPEND icons/ OUTPUT_VARIABLE ZUNDABAR_WEB_ICON_FILES)
set(ZUNDABAR_WEB_FILES index.html ${ZUNDABAR_WEB_STATIC} ${ZUNDABAR_WEB_ICON_FILES}
  zundabar.wasm Music.wav)
set(ZUNDABAR_WEB_WORKER ${ZUNDABAR_WEB_DIR}/service_worker.js)
add_custom_command(OUTPUT ${ZUNDABAR_WEB_WORKER}
  COMMAND ${CMAKE_COMMAND} -DDIR=${ZUNDABAR_WEB_DIR} "-DFILES=${ZUNDABAR_WEB_FILES}"
          -DTEMPLATE=${PROJECT_SOURCE_DIR}/web/service_worker.js.in -DOUT=${ZUNDABAR_WEB_WORKER}
          -P ${PROJECT_SOURCE_DIR}/cmake/web_service_worker.cmake
  DEPENDS zundabar_page ${PROJECT_SOURCE_DIR}/web/service_worker.js.in
          ${PROJECT_SOURCE_DIR}/cmake/web_service_worker.cmake ${ZUNDABAR_WEB_DIR}/index.html
          ${ZUNDABAR_WEB_DIR}/manifest.webmanifest
  COMMENT "Writing the service worker" VERBATIM)
add_custom_target(zundabar_web ALL DEPENDS ${ZUNDABAR_WEB_WORKER})
add_dependencies(zundabar_web_shots zundabar_web)
add_custom_target(zundabar_web_shots_page ALL DEPENDS ${ZUNDABAR_WEB_DIR}/shots/index.html)

set(ZUNDABAR_WEB_ZIP ${PROJECT_BINARY_DIR}/zundabar-${PROJECT_VERSION}-web.zip)
add_custom_command(OUTPUT ${ZUNDABAR_WEB_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ZUNDABAR_WEB_ZIP} --format=zip ${ZUNDABAR_WEB_FILES}
          service_worker.js
  WORKING_DIRECTORY ${ZUNDABAR_WEB_DIR}
  DEPENDS zundabar_web ${ZUNDABAR_WEB_WORKER}
  COMMENT "Packing the browser game into zundabar-${PROJECT_VERSION}-web.zip" VERBATIM)
add_custom_target(package DEPENDS ${ZUNDABAR_WEB_ZIP})
