# Throughput program for the scanner and word checks; built on request, never by ctest:
#   cmake --build <dir> --target mirt_scan_bench && <dir>/mirt_scan_bench [tree]
add_executable(mirt_scan_bench EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/bench/ScanBench.cpp)
target_link_libraries(mirt_scan_bench PRIVATE mirt_core)
mirt_warnings(mirt_scan_bench)
