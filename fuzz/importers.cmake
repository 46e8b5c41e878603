# One target per parser of the importers.
foreach(parser text_source stardict dictd_index dictzip article_styles)
  lexorin_fuzz_target(fuzz_import_${parser} ${CMAKE_CURRENT_LIST_DIR}/import_${parser}_fuzz.cpp lexorin_importers_core)
endforeach()
