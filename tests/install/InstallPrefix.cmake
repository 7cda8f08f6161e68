# Installs the library and its development files from the build folder into a
# fresh prefix, as a host's build would find them.
# Usage: cmake -DBUILD_DIR=<build folder> -DPREFIX=<prefix> -P InstallPrefix.cmake
file(REMOVE_RECURSE ${PREFIX})
foreach(component library development)
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --component ${component}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "installing ${component} failed: ${status}")
  endif()
endforeach()
