# Makes, for one build, what setup and the scripts include; the names when
# NAMES is given, the file macro when LISTS is:
#   Names-<L>.nsh, names-<L>.sh: the names of BuildNames.h (keys, values,
#     hardware id, version), as NSIS definitions and shell variables;
#   Files-<L><VARIANT>.nsh: the macro TS_FILES <macro>, which inserts
#     <macro> with "<folder variable>" "<file>" "<source in the deliverables
#     folder>" for every file of the given lists.
#   cmake -DLETTER=C -DOUT=<folder>
#         [-DCOMPILER=<cc> -DCOMMON=<folder of BuildNames.h> -DNAMES=<BuildNames.in>]
#         [-DLISTS=<list>[|<list>] -DVARIANT=<"" or -Simulation>] -P GenerateIncludes.cmake
cmake_minimum_required(VERSION 3.25)

function(write_names)
  if(LETTER STREQUAL "P")
    set(ps2 1)
  else()
    set(ps2 0)
  endif()

  execute_process(
    COMMAND ${COMPILER} -E -P -x c -DTS_BUILD_PS2=${ps2} -I ${COMMON} ${NAMES}
    OUTPUT_VARIABLE expanded RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "preprocessing ${NAMES} failed: ${errors}")
  endif()

  set(nsis "; Made by the build from BuildNames.h; do not edit.\n")
  set(shell "# Made by the build from BuildNames.h; do not edit.\n")
  string(REPLACE "\n" ";" lines "${expanded}")
  foreach(line ${lines})
    if(NOT line MATCHES "^([A-Z_]+) (\".*\")$")
      continue()
    endif()
    set(name TS_${CMAKE_MATCH_1})
    # Adjacent C strings make one; of their escapes only \\ and \" occur.
    string(REGEX MATCHALL "\"([^\"\\\\]|\\\\.)*\"" literals "${CMAKE_MATCH_2}")
    set(value "")
    foreach(literal ${literals})
      string(REGEX REPLACE "^\"(.*)\"$" "\\1" literal "${literal}")
      string(REPLACE "\\\\" "\\" literal "${literal}")
      string(REPLACE "\\\"" "\"" literal "${literal}")
      string(APPEND value "${literal}")
    endforeach()
    if(value MATCHES "[\"\n]")
      message(FATAL_ERROR "${name}: a quote or line end cannot be passed on")
    endif()
    string(REPLACE "$" "$$" nsis_value "${value}")
    string(APPEND nsis "!define ${name} \"${nsis_value}\"\n")
    string(REPLACE "'" "'\\''" shell_value "${value}")
    string(APPEND shell "${name}='${shell_value}'\n")
  endforeach()
  if(NOT nsis MATCHES "TS_UNINSTALL_KEY")
    message(FATAL_ERROR "no names in the output of ${NAMES}")
  endif()
  # Rewritten only when changed, so that what includes them is not remade.
  file(CONFIGURE OUTPUT ${OUT}/Names-${LETTER}.nsh CONTENT "${nsis}" @ONLY)
  file(CONFIGURE OUTPUT ${OUT}/names-${LETTER}.sh CONTENT "${shell}" @ONLY)
endfunction()

function(write_files)
  string(REPLACE "|" ";" LISTS "${LISTS}")
  set(files "; Made by the build from its file lists; do not edit.\n!macro TS_FILES MACRO\n")
  foreach(list ${LISTS})
    # Comments go before the text is cut into lines: ';' also separates
    # CMake's list items.
    file(READ ${list} text)
    string(REGEX REPLACE ";[^\n]*" "" text "${text}")
    string(REPLACE "\n" ";" entries "${text}")
    foreach(entry ${entries})
      string(STRIP "${entry}" entry)
      if(entry STREQUAL "")
        continue()
      endif()
      string(REPLACE "{L}" "${LETTER}" entry "${entry}")
      string(REGEX REPLACE "[ \t]+" ";" fields "${entry}")
      list(LENGTH fields count)
      list(GET fields 0 folder)
      if(count LESS 2 OR count GREATER 3 OR NOT folder MATCHES "^(install|windows|setup)$")
        message(FATAL_ERROR "${list}: not <folder> <file> [<source>]: ${entry}")
      endif()
      # What setup only runs, it carries itself.
      if(folder STREQUAL "setup")
        continue()
      endif()
      list(GET fields 1 name)
      set(source ${name})
      if(count EQUAL 3)
        list(GET fields 2 source)
      endif()
      if(folder STREQUAL "install")
        set(variable "$INSTDIR")
      else()
        set(variable "$WINDIR")
      endif()
      string(REPLACE "/" "\\" source "${source}")
      string(APPEND files "  !insertmacro \${MACRO} \"${variable}\" \"${name}\" \"${source}\"\n")
    endforeach()
  endforeach()
  if(NOT files MATCHES "insertmacro")
    message(FATAL_ERROR "no file in ${LISTS}")
  endif()
  string(APPEND files "!macroend\n")
  file(CONFIGURE OUTPUT ${OUT}/Files-${LETTER}${VARIANT}.nsh CONTENT "${files}" @ONLY)
endfunction()

if(NAMES)
  write_names()
endif()
if(LISTS)
  write_files()
endif()
