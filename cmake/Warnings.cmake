# Warnings are errors in our own code; third-party headers come in as system includes.
add_library(spanlyx_warnings INTERFACE)
target_compile_options(spanlyx_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
  -Wdouble-promotion -Wimplicit-fallthrough -Werror=switch -Werror)
# With optimisation GCC 12 reports -Wrestrict inside libstdc++'s own string code (GCC bug
# 105329), not in ours.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(spanlyx_warnings INTERFACE -Wno-restrict)
endif()
