# Saved games: writing and reading a 120-turn game.
if(TARGET hoshi_sgf)
  add_executable(sgf_bench ${CMAKE_CURRENT_LIST_DIR}/SGFBench.cpp ${PROJECT_SOURCE_DIR}/tests/support/RandomMoveDrawer.cpp)
  target_include_directories(sgf_bench PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(sgf_bench PRIVATE hoshi_sgf benchmark::benchmark_main)
  hoshi_warnings(sgf_bench)
endif()
