# Read by ctest in the Windows build's report tests: the tests that read their
# output back with Linux tools (poppler's pdftotext, unzip) do not run under
# Wine, which starts those tools without waiting for them (see CMakeLists.txt).
# The installer test reads the Windows program's report instead.
foreach(count 1 3 90)
  set_tests_properties("Counts/PdfReportTest.TablePagesThenOnePagePerTestAllNumbered/${count}" PROPERTIES DISABLED TRUE)
endforeach()
set_tests_properties("PdfReportUnits.OnlyATestWithUnitsShowsRateUncertaintyAndWarnings"
  "PdfReportRecords.RecordTableFollowsTheTestsTable"
  "XlsxTable.FiguresAreNumbersAndTextsStayAsTyped" PROPERTIES DISABLED TRUE)
