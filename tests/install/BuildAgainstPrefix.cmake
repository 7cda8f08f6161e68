# Configures and builds a host project against an installed Orbel; with
# PROGRAM, runs the program it built and compares what it prints to EXPECTED.
# Usage: cmake -DSOURCE=<project> -DBINARY=<build folder> -DPREFIX=<prefix> -DGENERATOR=<generator>
#              -DCXX=<compiler> [-DQT_DIR=<Qt6 package folder>] [-DLINK_FLAGS=<flags>]
#              [-DPROGRAM=<name> -DEXPECTED=<text>]
#              -P BuildAgainstPrefix.cmake
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nfailed (${status}):\n${output}")
  endif()
endfunction()

file(REMOVE_RECURSE ${BINARY})
set(prefixPath ${PREFIX})
if(QT_DIR)
  list(APPEND prefixPath ${QT_DIR})
endif()
run(${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX}
    "-DCMAKE_PREFIX_PATH=${prefixPath}" "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}")
run(${CMAKE_COMMAND} --build ${BINARY} -j2)

if(PROGRAM)
  execute_process(COMMAND ${BINARY}/${PROGRAM} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0 OR NOT output STREQUAL "${EXPECTED}\n")
    message(FATAL_ERROR "${PROGRAM} exited with ${status} and printed:\n${output}\nexpected:\n${EXPECTED}")
  endif()
endif()
