# The externals for Max, built from this same source tree in builds of
# their own inside this one, of this build's type (ZunMaxSdk.cmake says
# how), when MAX_SDK_DIR names the public Max SDK:
#   win64/        burst.zun~.mxe64 and cloud.zun~.mxe64, cross-built with
#                 MinGW-w64, Highway with them from ZUN_HWY_SOURCE_DIR; the
#                 package takes them
#   macos-check/  the macOS sources compiled with clang; a compile error
#                 fails this build
# Each is skipped, and its test says why, when what it needs is missing;
# `./dev.sh package` installs all of it.

include(ExternalProject)

find_program(ZUN_MINGW_CXX x86_64-w64-mingw32-g++-posix)
find_program(ZUN_MINGW_OBJDUMP x86_64-w64-mingw32-objdump)
find_program(ZUN_CLANG_CXX clang++)

function(zun_skipped_test name reason)
  message(NOTICE "skipped: ${reason}")
  add_test(NAME ${name} COMMAND sh -c "echo 'skipped: ${reason}'; exit 77")
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 LABELS package)
endfunction()

set(zun_classes burst.zun~ cloud.zun~)

# ---- Windows

if(NOT MAX_SDK_DIR)
  set(zun_win64_missing "no Max SDK (MAX_SDK_DIR)")
elseif(NOT ZUN_MINGW_CXX OR NOT ZUN_MINGW_OBJDUMP)
  set(zun_win64_missing "no MinGW-w64 (g++-mingw-w64-x86-64-posix)")
elseif(NOT ZUN_HWY_SOURCE_DIR)
  set(zun_win64_missing "no Highway source (ZUN_HWY_SOURCE_DIR)")
endif()

if(zun_win64_missing)
  zun_skipped_test(win64_externals "Win64 externals: ${zun_win64_missing}")
else()
  set(win64 ${PROJECT_BINARY_DIR}/win64)
  set(externals "")
  foreach(class IN LISTS zun_classes)
    list(APPEND externals ${win64}/max/${class}.mxe64)
  endforeach()
  ExternalProject_Add(zun_win64
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${win64}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DMAX_SDK_DIR=${MAX_SDK_DIR}
               -DZUN_HWY_SOURCE_DIR=${ZUN_HWY_SOURCE_DIR}
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${externals}
    INSTALL_COMMAND "")
  install(FILES ${externals} DESTINATION zun/externals COMPONENT max_package EXCLUDE_FROM_ALL)
  foreach(file IN LISTS externals)
    get_filename_component(name ${file} NAME)
    add_test(NAME win64_external_${name}
             COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${ZUN_MINGW_OBJDUMP} -DFILE=${file}
                     -P ${PROJECT_SOURCE_DIR}/cmake/CheckWin64External.cmake)
    set_tests_properties(win64_external_${name} PROPERTIES LABELS package)
  endforeach()
endif()

# ---- macOS

if(NOT MAX_SDK_DIR)
  zun_skipped_test(macos_compile_check "macOS compile check: no Max SDK (MAX_SDK_DIR)")
elseif(NOT ZUN_CLANG_CXX)
  zun_skipped_test(macos_compile_check "macOS compile check: no clang++")
else()
  ExternalProject_Add(zun_macos_check
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${PROJECT_BINARY_DIR}/macos-check
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${ZUN_CLANG_CXX} -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
               -DZUN_MACOS_COMPILE_CHECK=ON -DMAX_SDK_DIR=${MAX_SDK_DIR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
endif()
