# Runs zun-driver here on the Linux plug-ins and under Wine on the Windows
# externals, and fails unless both say the same (cmake -P, with WINE,
# DRIVER, WINDOWS_DRIVER, PLUGINS, EXTERNALS, WORK, and either CLASSES=ON
# or SCORE and ZUN; lists joined by |):
#   CLASSES  the classes, their type lists, assist texts and double-click
#   SCORE    on the tables zun builds here, the render's console lines and
#            outlet values, its samples as doubles, and as floats also
#            against `zun render -o -`; with EVERY_MESSAGE_OF, first that
#            the score sends every message of that class
# KNOWN_DIFFERENCES names the comparisons (log, doubles, floats) known to
# differ: they must still differ, and are reported, so that the list
# shrinks when the cause is mended. WINEPREFIX and the rest of Wine's
# settings come from the environment. With FOREIGN_DRIVE set (empty), WINE
# may be another runner such as qemu-aarch64, on Linux paths as they are.

cmake_minimum_required(VERSION 3.25)

foreach(list PLUGINS EXTERNALS KNOWN_DIFFERENCES)
  string(REPLACE | ";" ${list} "${${list}}")
endforeach()

file(MAKE_DIRECTORY ${WORK})
set(failures "")

# Wine takes Linux paths on its drive Z.
if(NOT DEFINED FOREIGN_DRIVE)
  set(FOREIGN_DRIVE Z:)
endif()
function(windows_paths out)
  set(paths "")
  foreach(p IN LISTS ARGN)
    list(APPEND paths "${FOREIGN_DRIVE}${p}")
  endforeach()
  set(${out} ${paths} PARENT_SCOPE)
endfunction()

function(run name)
  execute_process(COMMAND ${ARGN} OUTPUT_FILE ${WORK}/${name} RESULT_VARIABLE status
                  ERROR_VARIABLE errors TIMEOUT 600)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nexited with ${status}:\n${errors}")
  endif()
endfunction()

# A comparison's outcome from its program's exit status. One named in
# KNOWN_DIFFERENCES must differ, and is reported; any other must not.
macro(verdict name status what report)
  set(differs OFF)
  if(NOT ${status} EQUAL 0)
    set(differs ON)
  endif()
  if(${name} IN_LIST KNOWN_DIFFERENCES)
    if(differs)
      message(STATUS "known difference, ${what}: ${report}")
    else()
      string(APPEND failures "\n${what} no longer differ: take ${name} off KNOWN_DIFFERENCES")
    endif()
  elseif(differs)
    string(APPEND failures "\n${what} differ: ${report}")
  endif()
endmacro()

# Lines end as each system ends them; the report shows the lines that differ.
macro(same_text name a b what)
  file(READ ${WORK}/${b} windows)
  string(REPLACE "\r\n" "\n" windows "${windows}")
  file(WRITE ${WORK}/${b}.lf "${windows}")
  execute_process(COMMAND diff ${WORK}/${a} ${WORK}/${b}.lf OUTPUT_VARIABLE lines
                  RESULT_VARIABLE status)
  verdict(${name} ${status} "${what}" "\n${lines}")
endmacro()

macro(same_samples name format a b what)
  execute_process(COMMAND ${DRIVER} compare ${format} ${WORK}/${a} ${WORK}/${b}
                  OUTPUT_VARIABLE report RESULT_VARIABLE status)
  verdict(${name} ${status} "${what}" "${report}")
endmacro()

# A score that stands for every message of the class EVERY_MESSAGE_OF
# sends each one that the class registers, but the host's own calls.
macro(every_message_sent)
  run(classes.txt ${DRIVER} classes ${PLUGINS})
  file(STRINGS ${WORK}/classes.txt lines)
  file(READ ${SCORE} text)
  set(class "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([^ ]+) in ")
      set(class ${CMAKE_MATCH_1})
    elseif(class STREQUAL EVERY_MESSAGE_OF AND line MATCHES "^  ([A-Za-z0-9_]+)( [0-9]+)*$")
      set(selector ${CMAKE_MATCH_1})
      if(NOT line MATCHES "^  [^ ]+ 9" AND NOT text MATCHES "\n(at|ramp) [^\n]* ${selector}[ \n]")
        string(APPEND failures "\n${SCORE} sends no ${selector}")
      endif()
    endif()
  endforeach()
endmacro()

windows_paths(externals ${EXTERNALS})
if(CLASSES)
  run(linux.txt ${DRIVER} classes ${PLUGINS})
  run(windows.txt ${WINE} ${WINDOWS_DRIVER} classes ${externals})
  same_text(classes linux.txt windows.txt "the classes")
else()
  if(EVERY_MESSAGE_OF)
    every_message_sent()
  endif()
  windows_paths(score ${SCORE})
  windows_paths(tables ${WORK}/tables)
  windows_paths(base ${WORK}/windows)
  run(zun.f32 ${ZUN} render ${SCORE} -o - --seed 1 -q)
  run(tables.log ${DRIVER} tables ${SCORE} 1 ${WORK}/tables)
  run(linux.log ${DRIVER} render ${SCORE} ${WORK}/tables 1 ${WORK}/linux ${PLUGINS})
  run(windows.log ${WINE} ${WINDOWS_DRIVER} render ${score} ${tables} 1 ${base} ${externals})
  same_text(log linux.log windows.log "the console lines and outlet values")
  same_samples(driver float32 zun.f32 linux.f32 "zun-driver's floats and zun render's")
  same_samples(doubles float64 linux.f64 windows.f64 "the doubles of the mix")
  same_samples(floats float32 zun.f32 windows.f32 "the floats, against zun render's")
endif()

if(failures)
  message(FATAL_ERROR "The foreign build and this machine's differ:${failures}")
endif()
