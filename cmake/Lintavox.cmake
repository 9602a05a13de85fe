# Settings shared by every target of the project, applied target by target.

# Warnings, and the sanitizers when asked for (LINTAVOX_SANITIZER: address, thread or empty).
function(lintavox_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # g++ 12 at -O3 reports false overlaps in std::string concatenation (GCC bug 105329).
  target_compile_options(${target} PRIVATE -Wno-restrict)
  if(LINTAVOX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(LINTAVOX_SANITIZER STREQUAL "address")
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  elseif(LINTAVOX_SANITIZER STREQUAL "thread")
    target_compile_options(${target} PRIVATE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=thread)
  endif()
endfunction()

# Adds target to the group tests_<label>, which builds every test of that label and
# what they run, so that a build folder can make just the tests it will run.
function(lintavox_test_group label target)
  if(NOT TARGET tests_${label})
    add_custom_target(tests_${label})
  endif()
  add_dependencies(tests_${label} ${target})
endfunction()

# A computation library, from its classes and its exports:
#   lintavox_computation_library(<target> OBJECTS <objects> CLASSES <sources...>
#                                EXPORTS <names...> SOURCES <sources...>)
# The classes are built once as the OBJECT library <objects>, which the shipped library
# wraps in its exports and which the tests and benchmarks link to reach the inner steps.
# The shared library shows only its C exports (each symbol with its leading underscore)
# and carries its own copy of the sample streams; a version script hides the rest,
# template code of the standard library included.
function(lintavox_computation_library target)
  cmake_parse_arguments(L "" "OBJECTS" "CLASSES;EXPORTS;SOURCES" ${ARGN})
  add_library(${L_OBJECTS} OBJECT ${L_CLASSES})
  lintavox_defaults(${L_OBJECTS})
  set_target_properties(${L_OBJECTS} PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${L_OBJECTS} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${L_OBJECTS} PUBLIC Vartostream)

  add_library(${target} SHARED ${L_SOURCES})
  lintavox_defaults(${target})
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${target} PRIVATE ${L_OBJECTS} Vartostream)
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
  lintavox_test_group(lib ${target})
endfunction()

# A GoogleTest executable registered with CTest; the label lets a run pick out groups.
function(lintavox_gtest target)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${T_SOURCES})
  lintavox_defaults(${target})
  target_link_libraries(${target} PRIVATE GTest::gtest_main ${T_LIBS})
  include(GoogleTest)
  gtest_discover_tests(${target} PROPERTIES LABELS "${T_LABEL}" DISCOVERY_TIMEOUT 60)
  lintavox_test_group(${T_LABEL} ${target})
endfunction()

# A Qt Test executable registered with CTest under the label gui: on the offscreen
# platform, with a private runtime folder so Qt stays quiet, and a timeout so that a
# dialog left open can never hang the run.
function(lintavox_qtest target)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_NAME)
    set(T_NAME ${target})
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${target} ${T_SOURCES})
  lintavox_defaults(${target})
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII)
  target_link_libraries(${target} PRIVATE ${T_LIBS} Qt6::Test)
  set(xdg ${CMAKE_BINARY_DIR}/xdg-runtime)
  file(MAKE_DIRECTORY ${xdg})
  file(CHMOD ${xdg} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  add_test(NAME ${T_NAME} COMMAND ${target})
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS gui TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${xdg}")
  lintavox_test_group(gui ${target})
endfunction()
