# Checks a Win64 external as Max will load it (cmake -P, with OBJDUMP and
# FILE): it imports only from Windows' KERNEL32, the C runtime and Max's
# two libraries, and no DllMain, exports nothing but `main`, and holds no aligned vector
# move of 32 or 64 bytes through memory, which could fault on a stack that
# GCC aligned to 16 only. For another host, HOST_LIBRARIES names its
# libraries (joined by |) and ENTRY the one export.

cmake_minimum_required(VERSION 3.25)
if(NOT HOST_LIBRARIES)
  set(HOST_LIBRARIES MaxAPI|MaxAudio)
endif()
if(NOT ENTRY)
  set(ENTRY main)
endif()
string(REPLACE "|" ";" host_libraries "${HOST_LIBRARIES}")
list(TRANSFORM host_libraries APPEND .dll)

function(fail what)
  message(FATAL_ERROR "${FILE}: ${what}")
endfunction()

execute_process(COMMAND ${OBJDUMP} -p ${FILE} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  fail("objdump -p failed")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
set(allowed "^(KERNEL32|msvcrt|api-ms-win-crt-[a-z0-9-]+|${HOST_LIBRARIES})\\.dll$")
set(seen "")
foreach(line IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  if(NOT dll MATCHES "${allowed}")
    fail("imports from ${dll}")
  endif()
  list(APPEND seen ${dll})
endforeach()
foreach(needed KERNEL32.dll ${host_libraries})
  if(NOT needed IN_LIST seen)
    fail("does not import from ${needed} (imports: ${seen})")
  endif()
endforeach()

# Its start-up must call its own DllMain, not one of Max's libraries.
if(headers MATCHES "\t[0-9a-f]+\t +[0-9]+  DllMain\n")
  fail("imports a DllMain")
endif()

string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(([ \t]+\\[[^\n]+\n)*)" table "${headers}")
string(REGEX MATCHALL "\\] [^\n]+" exports "${CMAKE_MATCH_1}")
if(NOT exports STREQUAL "] ${ENTRY}")
  fail("exports ${exports}, not ${ENTRY} alone")
endif()

execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${FILE}
                OUTPUT_VARIABLE code RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  fail("objdump -d failed")
endif()
# An aligned move of a ymm or zmm register, to memory or from it.
set(move "[^\n]*\t(vmovap[sd]|vmovdqa(32|64)?|vmovntp[sd]|vmovntdqa?)[ \t][^\n]*")
string(REGEX MATCHALL "${move}\\([^\n]*%[yz]mm[^\n]*|${move}%[yz]mm[^\n]*\\([^\n]*"
       aligned "${code}")
list(LENGTH aligned count)
if(count GREATER 0)
  list(GET aligned 0 first)
  fail("${count} aligned vector moves through memory, such as:\n${first}")
endif()
message(STATUS "${FILE}: imports ${seen}; exports ${ENTRY}; no aligned wide vector moves")
