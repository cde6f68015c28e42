# Warnings for our own targets only; third-party headers come in as system headers.
function(mirt_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(MIRT_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
