# The shipped 32-bit programs.
set(TARVO_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# 32-bit Windows guarantees only 4-byte stack alignment where system code
# calls into a program (window and dialog procedures, timers, DDE callbacks,
# the entry point), while GCC assumes 16 bytes and so may keep SSE operands
# (the search's vector path) in stack slots that SSE needs aligned. With the
# incoming boundary set to 4 bytes, every function that needs more realigns
# its own frame, whoever called it, and those that need no more pay nothing.
# -mstackrealign asks for the same realignment another way (as if every
# function carried force_align_arg_pointer); the incoming boundary is chosen
# because it states the platform's rule itself, so every alignment decision
# GCC makes starts from 4 bytes.
set(CMAKE_C_FLAGS_INIT "-mincoming-stack-boundary=2")
set(CMAKE_CXX_FLAGS_INIT "-mincoming-stack-boundary=2")
