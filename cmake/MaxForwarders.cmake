# Writes MaxAPI.def and MaxAudio.def (cmake -P, with NM, OBJDUMP, HOST,
# IMPORT_LIBRARIES and OUTPUT_DIR): for each of the SDK's import libraries,
# a DLL of the name it imports from, exporting every C function of the
# host library HOST that the import library has, forwarded to HOST. A C
# function of the host that neither library has is an error: an external
# could never import it.

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${HOST} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(([ \t]+\\[[^\n]+\n)*)" table "${headers}")
string(REGEX REPLACE "[ \t]+\\[ *[0-9]+\\] ([^\n]+)\n" "\\1;" names "${CMAKE_MATCH_1}")
set(functions "")
foreach(name IN LISTS names)
  if(NOT name MATCHES "^_Z")  # C++ names are the driver's API, not Max's
    list(APPEND functions ${name})
  endif()
endforeach()

get_filename_component(host_module ${HOST} NAME_WE)
set(unassigned ${functions})
foreach(library IN LISTS IMPORT_LIBRARIES)
  execute_process(COMMAND ${NM} ${library} OUTPUT_VARIABLE symbols ERROR_QUIET
                  COMMAND_ERROR_IS_FATAL ANY)
  get_filename_component(dll ${library} NAME_WE)
  set(def "LIBRARY ${dll}.dll\nEXPORTS\n")
  foreach(name IN LISTS functions)
    if(symbols MATCHES "\n[0-9a-f]+ T ${name}\n")
      string(APPEND def "  ${name} = ${host_module}.${name}\n")
      list(REMOVE_ITEM unassigned ${name})
    endif()
  endforeach()
  file(WRITE ${OUTPUT_DIR}/${dll}.def "${def}")
endforeach()

if(unassigned)
  message(FATAL_ERROR "${HOST} exports C functions that no Max library has: ${unassigned}")
endif()
