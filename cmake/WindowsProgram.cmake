# The Windows program, included by src/app when building for Windows:
# Kaldoventri.exe, a window program that opens no console on a double-click;
# Kaldoventri.com, the same program as a console program, which cmd.exe and
# PowerShell pick for "Kaldoventri --csv - *.vkf" (.COM comes before .EXE) and
# wait for, so that the exit status and the output reach them; both with the
# icons and the version in the file properties. What the installer and the
# portable zip ship is installed as the component "windows":
#   cmake --install build-windows --component windows --prefix STAGE
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)

set_target_properties(Kaldoventri PROPERTIES WIN32_EXECUTABLE ON)
target_link_libraries(kaldoventri_platform PRIVATE shell32)

# The companion has the window program's sources and libraries, whatever they become.
get_target_property(program_sources Kaldoventri SOURCES)
get_target_property(program_libraries Kaldoventri LINK_LIBRARIES)
add_executable(KaldoventriConsole ${program_sources})
target_link_libraries(KaldoventriConsole PRIVATE ${program_libraries})
set_target_properties(KaldoventriConsole PROPERTIES OUTPUT_NAME Kaldoventri SUFFIX .com)

# Icons: the program's and the test file's, every size Explorer asks for,
# rendered from the same drawings as the Linux icons.
set(windows_generated ${CMAKE_CURRENT_BINARY_DIR}/windows)
set(windows_icons)
foreach(icon kaldoventri application-x-kaldoventri)
  set(svg ${PROJECT_SOURCE_DIR}/packaging/icons/${icon}.svg)
  set(render)
  set(pngs)
  foreach(size 16 20 24 32 40 48 64)
    list(APPEND render COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${windows_generated}/${icon}-${size}.png ${svg})
    list(APPEND pngs ${windows_generated}/${icon}-${size}.png)
  endforeach()
  add_custom_command(OUTPUT ${windows_generated}/${icon}.ico
    ${render}
    COMMAND ${RSVG_CONVERT} -w 256 -h 256 -o ${windows_generated}/${icon}-256.png ${svg}
    # The large size stays PNG inside the icon file, as Windows Vista and later read it.
    COMMAND ${ICOTOOL} -c -o ${windows_generated}/${icon}.ico ${pngs} --raw=${windows_generated}/${icon}-256.png
    DEPENDS ${svg}
    VERBATIM)
  list(APPEND windows_icons ${windows_generated}/${icon}.ico)
endforeach()

# The version resource: FILEVERSION takes the four numbers of the project's version.
string(REPLACE "." "," KALDOVENTRI_VERSION_COMMAS "${PROJECT_VERSION}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/Kaldoventri.rc.in ${windows_generated}/Kaldoventri.rc @ONLY)
# Compiled by hand rather than as a language of the project, which would hand
# windres the compiler's warning options; its texts are UTF-8.
set(resource_object ${windows_generated}/Kaldoventri.rc.obj)
add_custom_command(OUTPUT ${resource_object}
  COMMAND ${CMAKE_RC_COMPILER} --codepage=65001 -I ${windows_generated} -i ${windows_generated}/Kaldoventri.rc -o ${resource_object}
  DEPENDS ${windows_generated}/Kaldoventri.rc ${windows_icons}
  VERBATIM)
target_sources(Kaldoventri PRIVATE ${resource_object})
target_sources(KaldoventriConsole PRIVATE ${resource_object})

# What ships: both programs, the Qt libraries and plugins they load, the
# MinGW runtime, Qt's Swedish catalogue and a qt.conf that makes the program's
# folder Qt's prefix (plugins beside the program, catalogues in translations\).
install(TARGETS Kaldoventri KaldoventriConsole RUNTIME DESTINATION . COMPONENT windows)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> $<TARGET_FILE:Qt6::PrintSupport>
  $<TARGET_FILE:Qt6::Network>
  DESTINATION . COMPONENT windows)
if(KALDOVENTRI_SERIALPORT)
  install(FILES $<TARGET_FILE:Qt6::SerialPort> DESTINATION . COMPONENT windows)
endif()
# The archive: Qt SQL with its SQLite driver (SQLite built into it) and its
# PostgreSQL driver with libpq, PostgreSQL's client library, beside the program.
if(KALDOVENTRI_ARCHIVE)
  find_package(Qt6 REQUIRED COMPONENTS Sql)  # its targets, here too
  install(FILES $<TARGET_FILE:Qt6::Sql> DESTINATION . COMPONENT windows)
  install(FILES $<TARGET_FILE:Qt6::QSQLiteDriverPlugin> DESTINATION sqldrivers COMPONENT windows)
  if(TARGET Qt6::QPSQLDriverPlugin)
    find_file(LIBPQ_DLL libpq.dll PATH_SUFFIXES bin REQUIRED)
    install(FILES $<TARGET_FILE:Qt6::QPSQLDriverPlugin> DESTINATION sqldrivers COMPONENT windows)
    install(FILES ${LIBPQ_DLL} DESTINATION . COMPONENT windows)
  endif()
endif()
# The Windows platform serves the window and the command line's PDF report alike.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms COMPONENT windows)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles COMPONENT windows)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT IS_ABSOLUTE "${runtime_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${runtime} is")
  endif()
  install(FILES ${runtime_path} DESTINATION . COMPONENT windows)
endforeach()
file(GLOB qt_catalogues /usr/share/qt6/translations/qt_sv.qm /usr/share/qt6/translations/qtbase_sv.qm)
if(NOT qt_catalogues)
  message(FATAL_ERROR "Qt's Swedish catalogue is missing: install qt6-translations-l10n")
endif()
install(FILES ${qt_catalogues} DESTINATION translations COMPONENT windows)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/qt.conf ${windows_icons} DESTINATION . COMPONENT windows)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION . RENAME copyright.txt COMPONENT windows)
