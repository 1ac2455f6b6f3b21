# The browser game's tests. What the page decides without a page runs under Node; the game itself
# runs end to end in Debian's headless Chromium, driven by puppeteer-core (installed into
# tests/web/node_modules from its lock file by scripts/install_deps.sh), one browser at a time, as
# the tests wait for what a player would see.
add_executable(zundabar_web_tests web/page_keys_test.cpp web/page_pad_reading_test.cpp)
target_link_libraries(zundabar_web_tests PRIVATE zundabar_web_rules GTest::gtest_main)
zundabar_node_program(zundabar_web_tests)
gtest_discover_tests(zundabar_web_tests PROPERTIES LABELS web DISCOVERY_TIMEOUT 60)

find_program(ZUNDABAR_NODE node REQUIRED)
# The Linux build's pictures of the same moments, which the shots test puts beside the page's.
set(ZUNDABAR_WINDOW_SHOTS ${PROJECT_SOURCE_DIR}/build/zundabar_window_shots
  CACHE FILEPATH "The Linux build's zundabar_window_shots")
foreach(name play windows page touch shots pad)
  add_test(NAME WebEndToEnd.${name}
    COMMAND ${ZUNDABAR_NODE} --test ${CMAKE_CURRENT_SOURCE_DIR}/web/${name}_test.js)
  set_tests_properties(WebEndToEnd.${name} PROPERTIES
    LABELS web
    ENVIRONMENT "ZUNDABAR_WEB_DIR=${PROJECT_BINARY_DIR};ZUNDABAR_WINDOW_SHOTS=${ZUNDABAR_WINDOW_SHOTS};ZUNDABAR_DESIGN_TOOL=$<TARGET_FILE:zundabar_design>"
    RESOURCE_LOCK chromium
    TIMEOUT 300)
endforeach()
