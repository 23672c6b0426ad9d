# The history window on a 100 000-line log and the source viewer on a 10 MB source, against the
# bare widgets they are built on.
add_executable(bench_history_source ${CMAKE_CURRENT_LIST_DIR}/history_source.cpp)
target_compile_options(bench_history_source PRIVATE ${ORVELIA_WARNINGS})
target_link_libraries(bench_history_source PRIVATE orvelia_core)
