# One place for the warning flags of every target of ours.
function(stundolog_warnungen ziel)
  target_compile_options(${ziel} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                         -Wold-style-cast -Wcast-align -Woverloaded-virtual)
  if(STUNDOLOG_WERROR)
    target_compile_options(${ziel} PRIVATE -Werror)
  endif()
endfunction()
