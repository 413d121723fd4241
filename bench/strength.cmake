# The strength steps: a headless match between two steps (scripts/level-match.sh
# drives it), and one move of the weakest step against GNU Go's level 1 genmove.
if(TARGET hoshi_engine)
  add_executable(strength_match ${CMAKE_CURRENT_LIST_DIR}/StrengthMatch.cpp)
  target_link_libraries(strength_match PRIVATE hoshi_engine hoshi_strength)
  hoshi_warnings(strength_match)

  add_executable(strength_bench ${CMAKE_CURRENT_LIST_DIR}/EngineBenchMain.cpp ${CMAKE_CURRENT_LIST_DIR}/StrengthMoveBench.cpp)
  target_link_libraries(strength_bench PRIVATE hoshi_engine benchmark::benchmark)
  hoshi_warnings(strength_bench)
endif()
