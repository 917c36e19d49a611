# Runs the identity table programs A and B and fails unless both write the
# same table.
file(MAKE_DIRECTORY ${OUT})
foreach(program A B)
  execute_process(COMMAND ${${program}} ${OUT}/${program}.json 3000 RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${${program}} failed: ${status}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/A.json ${OUT}/B.json RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "the tables of ${A} and ${B} differ: see ${OUT}")
endif()
