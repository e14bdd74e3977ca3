# mazegen and mazecheck for Windows as an author runs them, under wine: the
# same seed makes the maze the Linux mazegen made, byte for byte, and the
# checker finds it winnable.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect_status expected)
  execute_process(COMMAND ${WINE} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT status EQUAL expected)
    message(FATAL_ERROR "${ARGN}: exit status ${status}, expected ${expected}\n${out}${err}")
  endif()
  set(last_out "${out}" PARENT_SCOPE)
endfunction()

expect_status(0 ${MAZEGEN} --seed 7 --keys 4 --output ${WORK}/6.maz)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/6.maz ${EXPECTED}
                RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "mazegen --seed 7 --keys 4 made another maze than on Linux")
endif()
expect_status(0 ${MAZECHECK} --route ${WORK}/6.maz)
if(NOT last_out MATCHES "Winnable\\.\r?\n" OR NOT last_out MATCHES "Route: ")
  message(FATAL_ERROR "unexpected report:\n${last_out}")
endif()
expect_status(2 ${MAZECHECK} --picture ${WORK}/6.png ${WORK}/6.maz)
if(NOT last_out MATCHES "No picture: the Windows edition of mazecheck draws no pictures")
  message(FATAL_ERROR "unexpected report:\n${last_out}")
endif()
expect_status(2 ${MAZEGEN} --keys 4)
