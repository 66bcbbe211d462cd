# Cross-builds for 64-bit Windows with Debian's MinGW-w64 toolchain
# (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DGALLORIA_BUILD_UI=OFF -DGALLORIA_BUILD_TESTS=OFF -DGALLORIA_BUILD_BENCH=OFF
#   cmake --build build-windows --target galloria-sim
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(GALLORIA_MINGW_PREFIX x86_64-w64-mingw32)
# The posix thread model: std::thread and std::mutex need it with GCC 12.
find_program(CMAKE_CXX_COMPILER NAMES ${GALLORIA_MINGW_PREFIX}-g++-posix ${GALLORIA_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${GALLORIA_MINGW_PREFIX}-gcc-posix ${GALLORIA_MINGW_PREFIX}-gcc)
find_program(CMAKE_RC_COMPILER NAMES ${GALLORIA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GALLORIA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that runs on its own: the C++ runtime and the thread library are
# linked in, so no MinGW DLL has to travel with it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Runs the cross-built programs (try_run, tests) under wine when it is there.
find_program(GALLORIA_WINE NAMES wine64 wine)
if(GALLORIA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GALLORIA_WINE})
endif()
