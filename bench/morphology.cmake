# Base-form finders and the approximate search on a generated list of
# 1,000,000 headwords.
add_executable(lexorin_bench_morphology ${CMAKE_CURRENT_LIST_DIR}/morphology_bench.cpp)
target_link_libraries(lexorin_bench_morphology PRIVATE lexorin_morphology_core benchmark::benchmark)
lexorin_warnings(lexorin_bench_morphology)
