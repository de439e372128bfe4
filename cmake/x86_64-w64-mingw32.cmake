# The same programs for x86-64, for Wine tests where 32-bit Wine cannot run.
set(TARVO_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
