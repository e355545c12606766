# Cross build for 64-bit Windows (x86_64) with Debian's mingw-w64 tool chain; the tests run under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
