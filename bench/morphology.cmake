# Base-form finders and the approximate search on a generated list of
# 1,000,000 headwords.
add_executable(morphology_bench ${CMAKE_CURRENT_LIST_DIR}/morphology_bench.cpp)
target_link_libraries(morphology_bench PRIVATE lexorin_morphology_core benchmark::benchmark)
lexorin_warnings(morphology_bench)
