# mirt_core: the Qt-free heart of the program (parsers, engines, project, watch and the
# plain platform stand-ins). The tests, the console mode and the window all link it.
file(GLOB MIRT_CORE_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/platform/*.cpp
  ${PROJECT_SOURCE_DIR}/parsers/*.cpp
  ${PROJECT_SOURCE_DIR}/engines/*.cpp
  ${PROJECT_SOURCE_DIR}/project/*.cpp
  ${PROJECT_SOURCE_DIR}/watch/*.cpp)

add_library(mirt_core STATIC ${MIRT_CORE_SOURCES})
target_include_directories(mirt_core PUBLIC ${PROJECT_SOURCE_DIR})
target_include_directories(mirt_core SYSTEM PRIVATE ${ASPELL_INCLUDE_DIR})
target_link_libraries(mirt_core PUBLIC Threads::Threads ${ASPELL_LIBRARY})
mirt_warnings(mirt_core)
include(${CMAKE_CURRENT_LIST_DIR}/Keywords.cmake)

# Qt-backed implementations of the platform interfaces; only app/ picks them.
file(GLOB MIRT_PLATFORM_QT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/platform/qt/*.cpp)
add_library(mirt_platform_qt STATIC ${MIRT_PLATFORM_QT_SOURCES})
target_link_libraries(mirt_platform_qt PUBLIC mirt_core Qt6::Core)
mirt_warnings(mirt_platform_qt)
