# Third-party libraries, all from Debian's packages (libjpeg-turbo for the
# mingw targets is built from Debian's source package by scripts/setup-deps).

if(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(_vorlan_deps_prefix ${PROJECT_SOURCE_DIR}/build/deps/mingw64)
  else()
    set(_vorlan_deps_prefix ${PROJECT_SOURCE_DIR}/build/deps/mingw32)
  endif()
  list(APPEND CMAKE_FIND_ROOT_PATH ${_vorlan_deps_prefix})
  list(APPEND CMAKE_PREFIX_PATH ${_vorlan_deps_prefix})
endif()

set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)
find_package(JPEG REQUIRED)

if(VORLAN_BUILD_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # No test uses gmock: it is not built.
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
