# Warnings are errors in our own code; third-party headers come in as system includes.
# -Wrestrict and -Wnull-dereference are left out: with optimisation GCC 12 reports them inside
# libstdc++'s own string and stream code (GCC bug 105329 and relatives), not in ours.
add_library(spanlyx_warnings INTERFACE)
target_compile_options(spanlyx_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
  -Wdouble-promotion -Wimplicit-fallthrough -Werror=switch -Wno-restrict -Werror)
