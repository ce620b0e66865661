# Every program shipped stays within 300 KB and imports system libraries only.
#   cmake -DDELIVER_DIR=<folder> -DOBJDUMP=<objdump> -P DeliverableBudget.cmake
cmake_minimum_required(VERSION 3.25)
set(budget 300000) # 300 KB, counted as the sizes in the issue tracker are
set(allowed msvcrt kernel32 user32 gdi32 advapi32)

# The suite's own programs (control panel, startup agent, right-button tool,
# installation, removal); the stand-ins of outside programs are not shipped.
file(GLOB programs ${DELIVER_DIR}/KVD2K*.exe)
list(FILTER programs INCLUDE REGEX "/KVD2K[CP](cp|ao|rb|di|de)\\.exe$")
list(LENGTH programs count)
if(count LESS 4)
  message(FATAL_ERROR "only ${count} deliverables in ${DELIVER_DIR}: build them first")
endif()

set(faults "")
foreach(program ${programs})
  get_filename_component(name ${program} NAME)
  file(SIZE ${program} size)
  if(size GREATER budget)
    string(APPEND faults "${name}: ${size} bytes, over the budget of ${budget}\n")
  endif()
  execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    string(APPEND faults "${name}: ${OBJDUMP} failed\n")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
  foreach(import ${imports})
    string(REGEX REPLACE "DLL Name: ([^.]+)\\.dll" "\\1" dll "${import}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST allowed)
      string(APPEND faults "${name}: imports ${dll}.dll\n")
    endif()
  endforeach()
  message(STATUS "${name}: ${size} bytes")
endforeach()
if(faults)
  message(FATAL_ERROR "${faults}")
endif()
