# The Dictionary window on large dictionaries: activating a group and one
# keystroke in the Russian input box.
if(LEXORIN_GUI)
  add_executable(lexorin_bench_window ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp)
  target_link_libraries(lexorin_bench_window PRIVATE lexorin_app_ui benchmark::benchmark)
endif()
