# The main window's response to typing: from a key release in a tray field to
# the end of the diagram's repaint.
add_executable(ui_bench UiBench.cpp)
target_link_libraries(ui_bench PRIVATE kaldoventri_ui_window benchmark::benchmark)
