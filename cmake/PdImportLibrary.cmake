# Makes the import library of Windows Pd's pd.dll from the headers alone
# (cmake -P, with CC, DLLTOOL, HEADER, DEF and LIBRARY): every name that
# m_pd.h (HEADER), and m_imp.h and g_canvas.h beside it, declare EXTERN,
# variables marked DATA, as pd.dll exports them. Without DLLTOOL, only the
# list of names (DEF).

cmake_minimum_required(VERSION 3.25)

get_filename_component(dir ${HEADER} DIRECTORY)
execute_process(COMMAND ${CC} -E -P -x c -D_WIN32 "-DEXTERN=extern __pdapi__" -include ${HEADER}
                        -include ${dir}/m_imp.h ${dir}/g_canvas.h
                OUTPUT_VARIABLE text RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "preprocessing ${HEADER} failed")
endif()
string(REPLACE "\n" " " text "${text}")
string(REGEX MATCHALL "extern __pdapi__[^;]*" declarations "${text}")

set(names "")
foreach(declaration IN LISTS declarations)
  if(declaration MATCHES "\\( *\\* *([A-Za-z_][A-Za-z_0-9]*) *\\) *\\(")
    list(APPEND names "${CMAKE_MATCH_1} DATA")  # a pointer to a function
  elseif(declaration MATCHES "([A-Za-z_][A-Za-z_0-9]*) *\\(")
    list(APPEND names "${CMAKE_MATCH_1}")
  else()
    # variables, maybe several: `t_symbol s_pointer, s_float`
    string(REGEX REPLACE "\\[[^]]*\\]" "" declaration "${declaration}")
    string(REPLACE "," ";" variables "${declaration}")
    foreach(variable IN LISTS variables)
      string(REGEX MATCH "[A-Za-z_][A-Za-z_0-9]* *$" name "${variable}")
      string(STRIP "${name}" name)
      list(APPEND names "${name} DATA")
    endforeach()
  endif()
endforeach()
list(REMOVE_DUPLICATES names)
list(LENGTH names count)
if(count LESS 200)
  message(FATAL_ERROR "${HEADER} declares only ${count} names for pd.dll")
endif()
string(JOIN "\n" lines "LIBRARY pd.dll" "EXPORTS" ${names})
file(WRITE ${DEF} "${lines}\n")
if(NOT DLLTOOL)
  return()
endif()
execute_process(COMMAND ${DLLTOOL} -d ${DEF} -D pd.dll -l ${LIBRARY} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dlltool failed on ${DEF}")
endif()
