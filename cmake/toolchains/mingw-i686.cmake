# Cross build for 32-bit Windows (i686) with Debian's mingw-w64 tool chain; the tests run under Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
