# The word-form commands of the Dictionary window on a Russian group of
# 1,000,000-headword lists: keystrokes with Auto find infinitive, the first
# keystroke after the group loads, and Find approach.
if(LEXORIN_GUI)
  add_executable(lexorin_bench_wordforms ${CMAKE_CURRENT_LIST_DIR}/wordforms_bench.cpp)
  target_link_libraries(lexorin_bench_wordforms PRIVATE lexorin_app_ui benchmark::benchmark)
  lexorin_warnings(lexorin_bench_wordforms)
endif()
