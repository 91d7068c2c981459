# Builds each probe of the library direction and passes when every one fails to compile on its
# second include, the one against the direction. Run by ctest with -DBIN=<build folder>.
set(probes
  "direction_probe_core|notebook/pricebook.h"
  "direction_probe_notebook|pricebook/document.h"
  "direction_probe_features|app/mainform.h"
  "direction_probe_app|ui/mainwindow.h")
foreach(probe IN LISTS probes)
  string(REPLACE "|" ";" parts "${probe}")
  list(GET parts 0 target)
  list(GET parts 1 header)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BIN} --target ${target}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(result EQUAL 0)
    message(FATAL_ERROR "${target} compiled: ${header} is reachable against the direction")
  endif()
  string(FIND "${output}" "${header}: No such file or directory" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${target} failed, but not on ${header}:\n${output}")
  endif()
  message(STATUS "${target}: ${header} is out of reach")
endforeach()
