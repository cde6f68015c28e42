# The user manual and its pictures go beside the program, as docs/, in the build folder
# and in the installation, where "Help Topics..." finds them.
file(GLOB MIRT_DOC_FILES RELATIVE ${PROJECT_SOURCE_DIR}/docs CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/docs/*.png ${PROJECT_SOURCE_DIR}/docs/manual/*)
foreach(doc IN LISTS MIRT_DOC_FILES)
  configure_file(${PROJECT_SOURCE_DIR}/docs/${doc} ${CMAKE_BINARY_DIR}/docs/${doc} COPYONLY)
endforeach()
install(DIRECTORY ${CMAKE_BINARY_DIR}/docs DESTINATION lib/mirt)
