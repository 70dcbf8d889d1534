# SPDX-License-Identifier: GPL-3.0-or-later
# The checked build (`make test-sanitize`, `make fuzz`): clang with
# AddressSanitizer and UndefinedBehaviorSanitizer, floating-point division by
# zero and float-to-integer overflow included, since the program must raise
# its own errors before it ever reaches such an operation. -O1 and line
# tables keep the build quick while the reports still name file and line.
# The fuzz targets are built beside the tests (tests/fuzz).
option(OPTIKA_SANITIZE "Checked build with sanitizers and the fuzz targets (clang)" OFF)

if(OPTIKA_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The checked build needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  set(checks address,undefined,float-divide-by-zero,float-cast-overflow)
  add_compile_options(-fsanitize=${checks} -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -gline-tables-only)
  add_link_options(-fsanitize=${checks})
endif()
