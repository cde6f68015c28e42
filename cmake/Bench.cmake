# Programs built on request, never by ctest.
# Throughput of the scanner and word checks:
#   cmake --build <dir> --target mirt_scan_bench && <dir>/mirt_scan_bench [tree]
add_executable(mirt_scan_bench EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/bench/ScanBench.cpp)
target_link_libraries(mirt_scan_bench PRIVATE mirt_core)
mirt_warnings(mirt_scan_bench)

# The README's pictures of the window, taken by tools/screenshots.sh.
add_executable(mirt_screenshots EXCLUDE_FROM_ALL
  ${PROJECT_SOURCE_DIR}/tools/screenshots/Screenshots.cpp)
target_link_libraries(mirt_screenshots PRIVATE mirt_app Qt6::Test)
mirt_warnings(mirt_screenshots)
