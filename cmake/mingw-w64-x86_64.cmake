# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64).
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The posix-threads flavour of the compiler gives std::thread and std::mutex (GoogleTest needs them).
# Everything is linked statically (libgcc, libstdc++, winpthread) so the programs run on a bare Windows
# or under Wine without any DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELO_MINGW_PREFIX x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${KELO_MINGW_PREFIX}-gcc-posix ${KELO_MINGW_PREFIX}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${KELO_MINGW_PREFIX}-g++-posix ${KELO_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KELO_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${KELO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# glibc's <cmath> declares M_PI and friends under g++'s default _GNU_SOURCE; mingw-w64 needs this macro
# for the same constants, so that code and tests written on Linux compile unchanged.
set(CMAKE_C_FLAGS_INIT "-D_USE_MATH_DEFINES")
set(CMAKE_CXX_FLAGS_INIT "-D_USE_MATH_DEFINES")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and tools built for Windows are run by Wine when asked through CMake (e.g. add_test with the
# emulator), never by gtest_discover_tests at build time.
find_program(KELO_WINE NAMES wine64 wine)
if(KELO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KELO_WINE})
endif()

