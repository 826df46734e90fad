# The browser build's program: quorila.js and quorila.wasm into the site
# folder (VQ_WEB_SITE); tools/web.sh adds the page and the data.
set(VQ_WEB_SITE ${CMAKE_BINARY_DIR}/site CACHE PATH "The folder the page is served from")
# Asyncify rewrites every function that may reach a wait so that it can be
# left and re-entered, and a pixel loop rewritten so runs several times
# slower. The points' fallback (command 1001 to the target) never waits, so
# it is taken off the list of functions that may; then a loop of vqpoint
# calls stays as compiled. Binaryen would otherwise copy that small
# fallback into each caller, where the name no longer matches: it inlines
# call-free functions of at most 8 units instead of 20.
set(VQ_WEB_ASYNCIFY
    -sASYNCIFY -sASYNCIFY_STACK_SIZE=131072 "-sASYNCIFY_REMOVE=['vqpoint_send*']"
    -sBINARYEN_EXTRA_PASSES=--flexible-inline-max-function-size=8)
set(VQ_WEB_LINK_OPTIONS
    ${VQ_WEB_ASYNCIFY}
    -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=67108864
    -sFORCE_FILESYSTEM=1 -sEXIT_RUNTIME=1 -sENVIRONMENT=web
    "-sEXPORTED_RUNTIME_METHODS=['FS','ENV','addRunDependency','removeRunDependency','stringToUTF8','lengthBytesUTF8']"
    "-sEXPORTED_FUNCTIONS=['_main','_setenv','_malloc','_free']"
    --pre-js ${CMAKE_SOURCE_DIR}/toolkit/platform/web/vqweb.js)
set_target_properties(quorila PROPERTIES SUFFIX ".js" RUNTIME_OUTPUT_DIRECTORY ${VQ_WEB_SITE}
                      LINK_DEPENDS ${CMAKE_SOURCE_DIR}/toolkit/platform/web/vqweb.js)
target_link_options(quorila PRIVATE ${VQ_WEB_LINK_OPTIONS})

# The panel benchmark in the page, measured against the desktop's (the
# figures script runs both): the same drawing on the headless back end,
# with the same asyncify build as the game.
add_library(vqbench STATIC tools/bench/bench_measure.cpp)
target_include_directories(vqbench PUBLIC tools/bench)
target_link_libraries(vqbench PUBLIC vqplatform)
add_executable(bench_panel tools/bench/bench_panel.cpp)
target_link_libraries(bench_panel PRIVATE vqkit vqbench)
set_target_properties(bench_panel PROPERTIES SUFFIX ".js" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
target_link_options(bench_panel PRIVATE ${VQ_WEB_ASYNCIFY} -sALLOW_MEMORY_GROWTH=1
                    -sINITIAL_MEMORY=67108864 -sEXIT_RUNTIME=1 -sENVIRONMENT=web)

# A toolkit program with a second top-level window, for the browser test of
# windows opened after the first (its own site folder, the page's names).
add_executable(web_windows tools/web/web_windows.cpp)
target_link_libraries(web_windows PRIVATE vqentry)
set_target_properties(web_windows PROPERTIES OUTPUT_NAME quorila SUFFIX ".js"
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/windows
                      LINK_DEPENDS ${CMAKE_SOURCE_DIR}/toolkit/platform/web/vqweb.js)
target_link_options(web_windows PRIVATE ${VQ_WEB_LINK_OPTIONS})
