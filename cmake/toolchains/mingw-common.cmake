# The part of the mingw-w64 cross build that both Windows architectures share. The including
# tool-chain file sets CMAKE_SYSTEM_PROCESSOR first; the triplet follows from it.
set(CMAKE_SYSTEM_NAME Windows)

set(QX_MINGW_TRIPLET ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
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
