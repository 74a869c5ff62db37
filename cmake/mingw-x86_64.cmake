# The same sources for 64-bit Windows: the test build on machines whose
# kernel cannot run 32-bit x86 code (see tools/common.sh).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
