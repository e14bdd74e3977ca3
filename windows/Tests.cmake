# The fast tests that hold no Linux-only code, built for Windows and run
# under wine: the same core on another compiler and C runtime. GoogleTest is
# built from the source Debian's googletest package installs.
set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source")
find_program(WINE_EXECUTABLE wine)
if(NOT EXISTS ${GOOGLETEST_SOURCE}/CMakeLists.txt OR NOT WINE_EXECUTABLE)
  message(STATUS "No googletest source or no wine: the Windows tests are left out")
  return()
endif()

# Every test runs in one wine prefix inside the build folder, made once: a
# first start of wine takes a quarter of a minute.
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env WINEPREFIX=${WINE_PREFIX} WINEDEBUG=-all ${WINE_EXECUTABLE})
add_custom_command(
  OUTPUT ${WINE_PREFIX}/system.reg
  COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${WINE_PREFIX} WINEDEBUG=-all
          ${WINE_EXECUTABLE} wineboot --init
  COMMENT "Making the wine prefix the tests run in"
  VERBATIM)
add_custom_target(wine_prefix DEPENDS ${WINE_PREFIX}/system.reg)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# One test per test program: a wine start for each of hundreds of cases
# would take minutes.
function(tarnwick_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TEST_BIN_DIR})
  target_compile_definitions(${name} PRIVATE
    TARNWICK_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TARNWICK_PROGRAM_DIR="${PROGRAM_DIR}")
  add_dependencies(${name} wine_prefix)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES LABELS windows TIMEOUT 300)
endfunction()

set(tests ${CMAKE_SOURCE_DIR}/tests)
add_subdirectory(${tests}/support ${CMAKE_BINARY_DIR}/tests/support)
foreach(dir maze sound game editor)
  add_subdirectory(${tests}/${dir} ${CMAKE_BINARY_DIR}/tests/${dir})
endforeach()

add_test(NAME windows_tools
  COMMAND ${CMAKE_COMMAND} "-DWINE=${CMAKE_CROSSCOMPILING_EMULATOR}"
    -DMAZEGEN=$<TARGET_FILE:mazegen> -DMAZECHECK=$<TARGET_FILE:mazecheck>
    -DEXPECTED=${tests}/fixtures/mazegen-seed7-keys4.maz
    -DWORK=${CMAKE_BINARY_DIR}/tests/tools -P ${CMAKE_CURRENT_SOURCE_DIR}/RunTools.cmake)
set_tests_properties(windows_tools PROPERTIES LABELS windows TIMEOUT 120)

# The end-to-end stories of both programs under wine on a virtual display,
# with their reader of dialog texts (not part of the program folder).
add_executable(dialogtext ${tests}/windows/dialogtext.cpp)
set_target_properties(dialogtext PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TEST_BIN_DIR})
add_dependencies(dialogtext wine_prefix)
foreach(story game editor)
  add_test(NAME e2e_windows_${story}
    COMMAND bash ${tests}/e2e/windows/${story}_test.sh ${PROGRAM_DIR} ${TEST_BIN_DIR} ${WINE_PREFIX})
  set_tests_properties(e2e_windows_${story} PROPERTIES
    LABELS "windows;e2e" RUN_SERIAL TRUE TIMEOUT 120)
endforeach()
