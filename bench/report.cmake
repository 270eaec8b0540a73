# The report layer per test, and the generator of test files for report_bench.sh.
add_executable(report_bench ${CMAKE_CURRENT_LIST_DIR}/ReportBench.cpp)
target_link_libraries(report_bench PRIVATE kaldoventri_report benchmark::benchmark)
add_executable(generate_test_files ${CMAKE_CURRENT_LIST_DIR}/GenerateTestFiles.cpp ${CMAKE_CURRENT_LIST_DIR}/RandomSheets.cpp)
target_link_libraries(generate_test_files PRIVATE kaldoventri_files)
