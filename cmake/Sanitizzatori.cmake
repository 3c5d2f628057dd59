# -DGRIDORA_SANITIZE=ON builds everything with AddressSanitizer and UndefinedBehaviorSanitizer:
# the first error ends the program, and leaks are reported at exit and fail it. CTest hands the
# tests their options and the leak suppressions, however ctest is started. Meant with
# -DCMAKE_BUILD_TYPE=Debug: optimised, GCC 12 warns falsely (-Warray-bounds) about instrumented code.
option(GRIDORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(GRIDORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)

  set(_ambiente ${PROJECT_BINARY_DIR}/AmbienteSanitizzatori.cmake)
  file(WRITE ${_ambiente}
    "set(ENV{ASAN_OPTIONS} \"detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1\")\n"
    "set(ENV{LSAN_OPTIONS} \"suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan-soppressioni.txt:print_suppressions=0\")\n"
    "set(ENV{UBSAN_OPTIONS} \"print_stacktrace=1:halt_on_error=1\")\n")
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY TEST_INCLUDE_FILES ${_ambiente})
endif()
