# The board screen's benchmarks: one program; every bench/BoardBench*.cpp adds its cases.
if(TARGET hoshi_board)
  file(GLOB HOSHI_BOARD_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/BoardBench*.cpp)
  add_executable(board_bench ${HOSHI_BOARD_BENCH_SOURCES})
  target_link_libraries(board_bench PRIVATE hoshi_board benchmark::benchmark)
  hoshi_warnings(board_bench)
  # Cases that play against an engine use the tests' fake one when it is built.
  if(TARGET fake_gtp_engine)
    target_compile_definitions(board_bench PRIVATE HOSHI_FAKE_ENGINE="$<TARGET_FILE:fake_gtp_engine>")
    add_dependencies(board_bench fake_gtp_engine)
  endif()
endif()
