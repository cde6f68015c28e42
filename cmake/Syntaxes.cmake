# The bundled syntax files and their keyword lists go beside the program, in the build
# folder and in the installation, where the parser registry reads every "*.ini".
file(GLOB MIRT_SYNTAX_FILES RELATIVE ${PROJECT_SOURCE_DIR}/resources/syntaxes CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/resources/syntaxes/*.ini
  ${PROJECT_SOURCE_DIR}/resources/syntaxes/keywords/*.txt)
set(MIRT_INSTALLED_SYNTAXES "")
foreach(syntax IN LISTS MIRT_SYNTAX_FILES)
  configure_file(${PROJECT_SOURCE_DIR}/resources/syntaxes/${syntax} ${CMAKE_BINARY_DIR}/${syntax}
    COPYONLY)
  get_filename_component(folder ${syntax} DIRECTORY)
  install(FILES ${CMAKE_BINARY_DIR}/${syntax} DESTINATION lib/mirt/${folder})
endforeach()
