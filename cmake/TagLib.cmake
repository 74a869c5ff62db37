# TagLib, built from the sources that tools/third_party.sh unpacks, as a
# static library for this build's own architecture with this build's
# toolchain. Gives the imported target `taglib_static`; whoever links it gets
# TagLib's headers and TAGLIB_STATIC. Only the TagLibInput plug-in uses it.
include(ExternalProject)

set(VUV_THIRD_PARTY_DIR ${CMAKE_SOURCE_DIR}/build/third_party CACHE PATH
    "Where tools/third_party.sh unpacked the third-party sources")
set(VUV_TAGLIB_SOURCE_DIR ${VUV_THIRD_PARTY_DIR}/taglib)
if(NOT EXISTS ${VUV_TAGLIB_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "TagLib sources not found in ${VUV_TAGLIB_SOURCE_DIR}: "
    "run tools/third_party.sh (tools/build.sh does it)")
endif()

set(_taglib_prefix ${CMAKE_BINARY_DIR}/third_party/taglib)
set(_taglib_install ${_taglib_prefix}/install)
set(_taglib_library ${_taglib_install}/lib/libtag.a)

ExternalProject_Add(taglib_build
  SOURCE_DIR ${VUV_TAGLIB_SOURCE_DIR}
  PREFIX ${_taglib_prefix}
  INSTALL_DIR ${_taglib_install}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
    -DCMAKE_INSTALL_LIBDIR=lib
    -DBUILD_SHARED_LIBS=OFF
    -DWITH_ZLIB=OFF
    -DBUILD_BINDINGS=OFF
    -DBUILD_TESTING=OFF
    -DBUILD_EXAMPLES=OFF
  BUILD_BYPRODUCTS ${_taglib_library}
  # The sources never change under a configured build: no update step.
  UPDATE_COMMAND ""
  LOG_CONFIGURE ON
  LOG_BUILD ON
  LOG_INSTALL ON
  LOG_OUTPUT_ON_FAILURE ON)

# An imported target's include folder must exist when CMake generates.
file(MAKE_DIRECTORY ${_taglib_install}/include/taglib)
add_library(taglib_static STATIC IMPORTED GLOBAL)
set_target_properties(taglib_static PROPERTIES
  IMPORTED_LOCATION ${_taglib_library}
  INTERFACE_INCLUDE_DIRECTORIES ${_taglib_install}/include/taglib
  INTERFACE_COMPILE_DEFINITIONS TAGLIB_STATIC)
add_dependencies(taglib_static taglib_build)
