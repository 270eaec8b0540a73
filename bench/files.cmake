# Save plus open of one test file through the file layer.
if(TARGET kaldoventri_files)
  add_executable(file_bench ${CMAKE_CURRENT_LIST_DIR}/FileBench.cpp)
  target_link_libraries(file_bench PRIVATE kaldoventri_files benchmark::benchmark_main)
endif()
