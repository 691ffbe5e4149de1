# Picture libraries: libjpeg (6b API, from libjpeg-turbo), libpng and zlib.
# Native: Debian's -dev packages. Windows: static libraries cross-built by scripts/setup.sh into
# CLARIVUE_DEPS_PREFIX, with zlib from libz-mingw-w64-dev.
add_library(clarivue_deps INTERFACE)
if(WIN32)
  # Default: where scripts/setup.sh puts them in this source tree.
  set(CLARIVUE_DEPS_PREFIX "${CMAKE_SOURCE_DIR}/build/deps/mingw" CACHE PATH
      "Prefix of the cross-built libjpeg-turbo and libpng")
  if(NOT CLARIVUE_DEPS_PREFIX OR NOT EXISTS "${CLARIVUE_DEPS_PREFIX}/lib/libpng16.a")
    message(FATAL_ERROR "CLARIVUE_DEPS_PREFIX must name the cross-built dependencies "
                        "(run scripts/setup.sh)")
  endif()
  target_include_directories(clarivue_deps INTERFACE "${CLARIVUE_DEPS_PREFIX}/include")
  target_link_libraries(clarivue_deps INTERFACE
    "${CLARIVUE_DEPS_PREFIX}/lib/libpng16.a"
    "${CLARIVUE_DEPS_PREFIX}/lib/libjpeg.a"
    z)
else()
  find_package(PNG REQUIRED)
  find_package(JPEG REQUIRED)
  find_package(ZLIB REQUIRED)
  target_link_libraries(clarivue_deps INTERFACE PNG::PNG JPEG::JPEG ZLIB::ZLIB)
endif()
