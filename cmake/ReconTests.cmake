# One convention for tests: each <name>_test.cpp of a folder is an executable
# <prefix>_<name>_test, linked with the given libraries and GoogleTest, with
# its tests registered in CTest under "<executable>.<suite>.<test>".
#
#   recon_tests(PREFIX p [DIR d] [RECURSE] [LIBS ...] [INCLUDES ...] [RESOURCES ...])
#
# The executables made are left in RECON_TEST_TARGETS of the caller.
function(recon_tests)
  cmake_parse_arguments(ARG "RECURSE" "PREFIX;DIR" "LIBS;INCLUDES;RESOURCES" ${ARGN})
  if(NOT ARG_DIR)
    set(ARG_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  if(ARG_RECURSE)
    file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${ARG_DIR}/*_test.cpp)
  else()
    file(GLOB tests CONFIGURE_DEPENDS ${ARG_DIR}/*_test.cpp)
  endif()
  set(targets)
  foreach(test ${tests})
    get_filename_component(base ${test} NAME_WE)
    set(target ${ARG_PREFIX}_${base})
    list(APPEND targets ${target})
    add_executable(${target} ${test})
    target_include_directories(${target} PRIVATE ${ARG_INCLUDES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    foreach(script ${ARG_RESOURCES})
      recon_add_resources(${target} ${script})
    endforeach()
    gtest_discover_tests(${target} TEST_PREFIX ${target}. DISCOVERY_TIMEOUT 60)
  endforeach()
  set(RECON_TEST_TARGETS ${targets} PARENT_SCOPE)
endfunction()

# Tests of the command plug-ins run in the host with the built plug-ins
# installed (tests/support/plugin_host.h): recon_tests with the host fixture,
# building the plug-ins first.
#
#   recon_plugin_tests(PREFIX p [DIR d] [LIBS ...] [INCLUDES ...] [RESOURCES ...])
function(recon_plugin_tests)
  cmake_parse_arguments(ARG "" "PREFIX;DIR" "LIBS;INCLUDES;RESOURCES" ${ARGN})
  recon_tests(PREFIX ${ARG_PREFIX} DIR ${ARG_DIR} LIBS ${ARG_LIBS} plugin_host INCLUDES ${ARG_INCLUDES}
              RESOURCES ${ARG_RESOURCES})
  foreach(target ${RECON_TEST_TARGETS})
    add_dependencies(${target} ReconCard ReconXfer)
  endforeach()
  set(RECON_TEST_TARGETS ${RECON_TEST_TARGETS} PARENT_SCOPE)
endfunction()
