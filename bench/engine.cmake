# Engine link: answers parsed per second, and genmove -> HasPlayed against the fake engine.
if(TARGET hoshi_engine)
  add_executable(engine_bench
    ${CMAKE_CURRENT_LIST_DIR}/EngineBenchMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EngineAnswerBench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EngineRoundTripBench.cpp)
  target_link_libraries(engine_bench PRIVATE hoshi_engine benchmark::benchmark)
  if(TARGET fake_gtp_engine)
    target_compile_definitions(engine_bench PRIVATE FAKE_GTP_ENGINE="$<TARGET_FILE:fake_gtp_engine>")
    add_dependencies(engine_bench fake_gtp_engine)
  endif()
  hoshi_warnings(engine_bench)
endif()
