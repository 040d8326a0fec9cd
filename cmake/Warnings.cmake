# Warnings are errors in our own code; third-party headers come in as system includes.
add_library(spanlyx_warnings INTERFACE)
target_compile_options(spanlyx_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wnull-dereference
  -Wdouble-promotion -Wimplicit-fallthrough -Werror=switch -Werror)
