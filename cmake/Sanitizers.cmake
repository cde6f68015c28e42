# Applies MIRT_SANITIZERS (a list such as "address;undefined" or "thread") to everything built.
if(MIRT_SANITIZERS)
  list(JOIN MIRT_SANITIZERS "," _mirt_san)
  add_compile_options(-fsanitize=${_mirt_san} -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=${_mirt_san})
  if("undefined" IN_LIST MIRT_SANITIZERS)
    add_compile_options(-fno-sanitize-recover=undefined)
  endif()
endif()
