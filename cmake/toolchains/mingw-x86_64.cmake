# Cross build for 64-bit Windows (x86_64) with Debian's mingw-w64 tool chain; the tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QX_MINGW_TRIPLET x86_64-w64-mingw32)
# The posix thread model gives std::thread and std::mutex, which GCC 12's win32 model lacks.
set(CMAKE_C_COMPILER ${QX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QX_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CTest and any build step that runs a built program go through Wine.
get_filename_component(QX_WINE_EXEC ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-exec ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QX_WINE_EXEC})
