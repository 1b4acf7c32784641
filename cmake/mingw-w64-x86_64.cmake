# Cross-compiles for 64-bit Windows with mingw-w64 (Debian: g++-mingw-w64-x86-64-posix).
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# The posix thread model is preferred: it gives std::thread and std::mutex, which the win32
# model of GCC 12 lacks. Programs are linked statically (libgcc, libstdc++, winpthread), so an
# .exe runs on its own, and they run here under Wine when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(COILWIND_MINGW_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${COILWIND_MINGW_TRIPLE}-gcc-posix ${COILWIND_MINGW_TRIPLE}-gcc
             REQUIRED)
find_program(CMAKE_CXX_COMPILER
             NAMES ${COILWIND_MINGW_TRIPLE}-g++-posix ${COILWIND_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${COILWIND_MINGW_TRIPLE}-windres)

# Libraries, headers and CMake packages come from the target system's tree only; programs that
# run during the build (cmake -P scripts) are the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${COILWIND_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest and gtest_discover_tests start the test programs through Wine.
find_program(COILWIND_WINE NAMES wine)
if(COILWIND_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${COILWIND_WINE})
endif()
