# Runs zun-driver here on the Linux plug-ins and under Wine on the Windows
# externals, and fails unless both say the same (cmake -P, with WINE,
# DRIVER, WINDOWS_DRIVER, PLUGINS, EXTERNALS, WORK, and either CLASSES=ON
# or SCORE and ZUN; lists joined by |):
#   CLASSES  the classes, their type lists, assist texts and double-click
#   SCORE    on the tables zun builds here, the render's console lines and
#            outlet values, its samples as doubles, and as floats also
#            against `zun render -o -`
# KNOWN_DIFFERENCES names the comparisons (doubles, floats) that are known
# to differ and why: they must still differ, and are reported, so that the
# list shrinks when the cause is mended. WINEPREFIX and the rest of Wine's
# settings come from the environment.

cmake_minimum_required(VERSION 3.25)

foreach(list PLUGINS EXTERNALS KNOWN_DIFFERENCES)
  string(REPLACE | ";" ${list} "${${list}}")
endforeach()

file(MAKE_DIRECTORY ${WORK})
set(failures "")

# Wine takes Linux paths on its drive Z.
function(windows_paths out)
  set(paths "")
  foreach(p IN LISTS ARGN)
    list(APPEND paths "Z:${p}")
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

# Lines end as each system ends them.
function(same_text a b what)
  file(READ ${WORK}/${a} x)
  file(READ ${WORK}/${b} y)
  string(REPLACE "\r\n" "\n" y "${y}")
  if(NOT x STREQUAL y)
    set(failures "${failures}\n${what} differ:\n--- Linux\n${x}--- Windows\n${y}" PARENT_SCOPE)
  endif()
endfunction()

function(same_samples format a b what)
  execute_process(COMMAND ${DRIVER} compare ${format} ${WORK}/${a} ${WORK}/${b}
                  OUTPUT_VARIABLE report RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    set(failures "${failures}\n${what}: ${report}" PARENT_SCOPE)
  endif()
endfunction()

# Windows' samples against Linux's, `name` being doubles or floats.
function(windows_samples name format a b what)
  execute_process(COMMAND ${DRIVER} compare ${format} ${WORK}/${a} ${WORK}/${b}
                  OUTPUT_VARIABLE report RESULT_VARIABLE status)
  if(name IN_LIST KNOWN_DIFFERENCES)
    if(status EQUAL 0)
      set(failures "${failures}\n${what} no longer differ: take ${name} off KNOWN_DIFFERENCES"
          PARENT_SCOPE)
    else()
      message(STATUS "known difference, ${what}: ${report}")
    endif()
  elseif(NOT status EQUAL 0)
    set(failures "${failures}\n${what}: ${report}" PARENT_SCOPE)
  endif()
endfunction()

windows_paths(externals ${EXTERNALS})
if(CLASSES)
  run(linux.txt ${DRIVER} classes ${PLUGINS})
  run(windows.txt ${WINE} ${WINDOWS_DRIVER} classes ${externals})
  same_text(linux.txt windows.txt "the classes")
else()
  windows_paths(score ${SCORE})
  windows_paths(tables ${WORK}/tables)
  windows_paths(base ${WORK}/windows)
  run(zun.f32 ${ZUN} render ${SCORE} -o - --seed 1 -q)
  run(tables.log ${DRIVER} tables ${SCORE} 1 ${WORK}/tables)
  run(linux.log ${DRIVER} render ${SCORE} ${WORK}/tables 1 ${WORK}/linux ${PLUGINS})
  run(windows.log ${WINE} ${WINDOWS_DRIVER} render ${score} ${tables} 1 ${base} ${externals})
  same_text(linux.log windows.log "the console lines and outlet values")
  same_samples(float32 zun.f32 linux.f32 "zun-driver's floats against zun render")
  windows_samples(doubles float64 linux.f64 windows.f64 "the doubles of the mix")
  windows_samples(floats float32 zun.f32 windows.f32 "the floats against zun render")
endif()

if(failures)
  message(FATAL_ERROR "Windows and Linux differ:${failures}")
endif()
