# Opening and closing tabs in the real browser, in-process.
add_executable(bench_tabs ${CMAKE_CURRENT_LIST_DIR}/tabs.cpp)
target_compile_options(bench_tabs PRIVATE ${ORVELIA_WARNINGS})
target_link_libraries(bench_tabs PRIVATE orvelia_core)
