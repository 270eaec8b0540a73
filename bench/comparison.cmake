# The comparison window's drawing after a change of one of four compared tests.
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(comparison_bench ${CMAKE_CURRENT_LIST_DIR}/ComparisonBench.cpp)
target_link_libraries(comparison_bench PRIVATE kaldoventri_drawing Qt6::Gui benchmark::benchmark_main)
