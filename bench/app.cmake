# The application: start-up to the menu's first paint of the real binary under
# Xvfb, resident memory after a 60-move game against GNU Go, the cost of
# keeping a game after every move, the coach's hint and a game's analysis, and
# the sound of a stone after a click.
find_package(X11)
if(TARGET hoshi AND X11_FOUND)
  add_executable(app_bench
    ${CMAKE_CURRENT_LIST_DIR}/AppBenchMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AppStartupBench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AppMemoryBench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameKeeperBench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CoachBench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoundBench.cpp
    ${PROJECT_SOURCE_DIR}/tests/e2e/XvfbDisplay.cpp)
  target_include_directories(app_bench PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests/e2e)
  target_link_libraries(app_bench PRIVATE hoshi_app hoshi_test_support Qt6::Test benchmark::benchmark X11::X11)
  target_compile_definitions(app_bench PRIVATE HOSHI_BINARY="$<TARGET_FILE:hoshi>")
  add_dependencies(app_bench hoshi)
  hoshi_warnings(app_bench)
endif()
