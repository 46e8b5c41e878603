# lexorin_warnings(target): the warning set every target of ours builds with.
function(lexorin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
endfunction()
