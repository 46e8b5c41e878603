# Reading articles out of a compressed article file, in file order against
# random order (why the importers read articles in file order). The import
# figures on real dictionaries come from bench/import_figures.sh.
find_package(ZLIB REQUIRED)
add_executable(lexorin_bench_importers ${CMAKE_CURRENT_LIST_DIR}/importers_bench.cpp)
target_link_libraries(lexorin_bench_importers PRIVATE lexorin_importers_core benchmark::benchmark ZLIB::ZLIB)
lexorin_warnings(lexorin_bench_importers)
