# The Qt-free heart of the program: one static library per folder, linked along the
# layering (platform <- watch, engines <- parsers <- project). Each folder's sources see
# only the folders below it: their include root holds links to those folders alone, so
# a wrong include between core folders is a compile error. mirt_core gathers them for
# the tests, the console mode and the window.
set(MIRT_LAYERS_DIR ${PROJECT_BINARY_DIR}/layers)

# mirt_core_layer(folder lower...): a library of folder/*.cpp that may include the
# lower folders' headers.
function(mirt_core_layer folder)
  set(root ${MIRT_LAYERS_DIR}/${folder})
  file(MAKE_DIRECTORY ${root})
  foreach(seen IN ITEMS ${folder} ${ARGN})
    if(NOT EXISTS ${root}/${seen})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${seen} ${root}/${seen} SYMBOLIC)
    endif()
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  set(target mirt_${folder})
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PRIVATE ${root})
  foreach(lower IN LISTS ARGN)
    target_link_libraries(${target} PUBLIC mirt_${lower})
  endforeach()
  mirt_warnings(${target})
endfunction()

mirt_core_layer(platform)
target_link_libraries(mirt_platform PUBLIC Threads::Threads)
mirt_core_layer(watch platform)
mirt_core_layer(engines platform)
target_include_directories(mirt_engines SYSTEM PRIVATE ${ASPELL_INCLUDE_DIR})
target_link_libraries(mirt_engines PUBLIC ${ASPELL_LIBRARY})
mirt_core_layer(parsers engines platform)
include(${CMAKE_CURRENT_LIST_DIR}/Keywords.cmake)
mirt_core_layer(project parsers engines watch platform)

add_library(mirt_core INTERFACE)
target_include_directories(mirt_core INTERFACE ${PROJECT_SOURCE_DIR})
target_link_libraries(mirt_core INTERFACE mirt_project)

# Qt-backed implementations of the platform interfaces; only app/ picks them.
file(GLOB MIRT_PLATFORM_QT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/platform/qt/*.cpp)
add_library(mirt_platform_qt STATIC ${MIRT_PLATFORM_QT_SOURCES})
target_link_libraries(mirt_platform_qt PUBLIC mirt_core Qt6::Core)
mirt_warnings(mirt_platform_qt)
