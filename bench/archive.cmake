# The test archive: importing a season's folder, listing a large archive, its size per test.
if(TARGET kaldoventri_archive_cli AND TARGET kaldoventri_ui_archive)
  add_executable(archive_bench ${CMAKE_CURRENT_LIST_DIR}/ArchiveBench.cpp ${CMAKE_CURRENT_LIST_DIR}/RandomSheets.cpp)
  target_link_libraries(archive_bench PRIVATE kaldoventri_archive_cli kaldoventri_ui_archive benchmark::benchmark)
endif()
