# 64-bit Windows: the same sources, for machines that cannot execute 32-bit code
# (there the Windows tests run on this build under 64-bit Wine).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
