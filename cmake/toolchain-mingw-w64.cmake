# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix thread model).
#
#   cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64.cmake \
#         -DCLARIVUE_DEPS_PREFIX=$PWD/build/deps/mingw
#
# Programs built here run under Wine through tests/wine/wine-run.sh (ctest, custom commands).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CLARIVUE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CLARIVUE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CLARIVUE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${CLARIVUE_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW tree (zlib: libz-mingw-w64-dev) and from the
# cross-built picture libraries; build tools come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${CLARIVUE_MINGW_TRIPLET})
if(CLARIVUE_DEPS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH "${CLARIVUE_DEPS_PREFIX}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

get_filename_component(_clarivue_source_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_clarivue_source_root}/tests/wine/wine-run.sh")
