# The rules core's benchmarks: random games through the move gate, review steps, counting.
if(TARGET hoshi_rules)
  add_executable(rules_bench RulesBench.cpp ${PROJECT_SOURCE_DIR}/tests/support/RandomMoveDrawer.cpp)
  target_include_directories(rules_bench PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(rules_bench PRIVATE hoshi_rules benchmark::benchmark_main)
  hoshi_warnings(rules_bench)
endif()
