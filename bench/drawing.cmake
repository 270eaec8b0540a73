# Drawing the spread diagram into an off-screen image, as a paint event does.
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(drawing_bench ${CMAKE_CURRENT_LIST_DIR}/DrawingBench.cpp)
target_link_libraries(drawing_bench PRIVATE kaldoventri_drawing kaldoventri_report Qt6::Gui benchmark::benchmark_main)
