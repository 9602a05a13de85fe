# Settings shared by every target of the project, applied target by target.

# Warnings, and the sanitizers when asked for.
function(lintavox_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # g++ 12 at -O3 reports false overlaps in std::string concatenation (GCC bug 105329).
  target_compile_options(${target} PRIVATE -Wno-restrict)
  if(LINTAVOX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(LINTAVOX_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A computation library: a shared library that shows only its C exports (each symbol
# with its leading underscore) and carries its own copy of the sample streams. A
# version script hides the rest, template code of the standard library included.
function(lintavox_computation_library target)
  cmake_parse_arguments(L "" "" "EXPORTS;SOURCES" ${ARGN})
  add_library(${target} SHARED ${L_SOURCES})
  lintavox_defaults(${target})
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${target} PRIVATE Vartostream)
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  list(TRANSFORM L_EXPORTS PREPEND "_")
  list(JOIN L_EXPORTS "; " symbols)
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
  file(WRITE ${script} "{ global: ${symbols}; local: *; };\n")
  target_link_options(${target} PRIVATE -Wl,--no-undefined -Wl,--version-script=${script})
  set_target_properties(${target} PROPERTIES LINK_DEPENDS ${script})
  add_test(NAME ${target}.ExportsExactly
    COMMAND ${CMAKE_COMMAND} -DLIBRARY=$<TARGET_FILE:${target}> "-DEXPORTS=${L_EXPORTS}"
            -P ${PROJECT_SOURCE_DIR}/cmake/SprawdzEksporty.cmake)
  set_tests_properties(${target}.ExportsExactly PROPERTIES LABELS lib)
endfunction()

# A GoogleTest executable registered with CTest; the label lets a run pick out groups.
function(lintavox_gtest target)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${T_SOURCES})
  lintavox_defaults(${target})
  target_link_libraries(${target} PRIVATE GTest::gtest_main ${T_LIBS})
  include(GoogleTest)
  gtest_discover_tests(${target} PROPERTIES LABELS "${T_LABEL}" DISCOVERY_TIMEOUT 60)
endfunction()
