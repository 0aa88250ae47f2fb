# The externals for Max on macOS, built here without Apple's SDK: one
# build of this source tree a processor (macos-arm64/, macos-x86_64/, with
# the toolchains of cmake/darwin/), joined by llvm-lipo into universal
# bundles in macos/, which the package takes. Nothing here loads a Mach-O:
# the tests labelled `macos` read each bundle (check_mxo.py) and prove the
# reading catches broken ones.

find_program(ZUN_DARWIN_CLANG clang++-14)
find_program(ZUN_DARWIN_LD ld64.lld-14)
find_program(ZUN_LIPO llvm-lipo-14)
find_program(ZUN_MACHO_OBJDUMP llvm-objdump-14)
find_program(ZUN_MACHO_NM llvm-nm-14)
find_program(ZUN_PYTHON python3)

if(NOT MAX_SDK_DIR)
  set(zun_macos_missing "no Max SDK (MAX_SDK_DIR)")
elseif(NOT ZUN_HWY_SOURCE_DIR)
  set(zun_macos_missing "no Highway source (ZUN_HWY_SOURCE_DIR)")
elseif(NOT ZUN_DARWIN_CLANG OR NOT ZUN_DARWIN_LD OR NOT ZUN_LIPO OR NOT ZUN_MACHO_OBJDUMP
       OR NOT ZUN_MACHO_NM OR NOT EXISTS /usr/lib/llvm-14/include/c++/v1/mutex)
  set(zun_macos_missing "no clang-14, lld-14, llvm-14 and libc++-14-dev")
elseif(NOT ZUN_PYTHON)
  set(zun_macos_missing "no python3")
endif()

if(zun_macos_missing)
  zun_skipped_test(macos "macOS externals: ${zun_macos_missing}" macos)
  return()
endif()

set(zun_macos_arches arm64 x86_64)
foreach(arch IN LISTS zun_macos_arches)
  set(executables "")
  foreach(class IN LISTS zun_classes)
    list(APPEND executables ${PROJECT_BINARY_DIR}/macos-${arch}/max/${class}.mxo/Contents/MacOS/${class})
  endforeach()
  ExternalProject_Add(zun_macos_${arch}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${PROJECT_BINARY_DIR}/macos-${arch}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/darwin/${arch}.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DMAX_SDK_DIR=${MAX_SDK_DIR}
               -DZUN_HWY_SOURCE_DIR=${ZUN_HWY_SOURCE_DIR}
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${executables}
    INSTALL_COMMAND "")
endforeach()

set(macos ${PROJECT_BINARY_DIR}/macos)
set(zun_macos_bundles "")
foreach(class IN LISTS zun_classes)
  set(bundle ${macos}/${class}.mxo)
  set(slices "")
  foreach(arch IN LISTS zun_macos_arches)
    list(APPEND slices ${PROJECT_BINARY_DIR}/macos-${arch}/max/${class}.mxo/Contents/MacOS/${class})
  endforeach()
  # Info.plist and PkgInfo are the same in each build.
  add_custom_command(OUTPUT ${bundle}/Contents/MacOS/${class}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${bundle}
    COMMAND ${CMAKE_COMMAND} -E copy_directory
            ${PROJECT_BINARY_DIR}/macos-arm64/max/${class}.mxo ${bundle}
    COMMAND ${ZUN_LIPO} -create ${slices} -output ${bundle}/Contents/MacOS/${class}
    DEPENDS ${slices} zun_macos_arm64 zun_macos_x86_64
    VERBATIM)
  list(APPEND zun_macos_bundles ${bundle}/Contents/MacOS/${class})
  install(DIRECTORY ${bundle} DESTINATION zun/externals USE_SOURCE_PERMISSIONS
          COMPONENT max_package EXCLUDE_FROM_ALL)

  add_test(NAME macos_external_${class}
           COMMAND ${ZUN_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/darwin/check_mxo.py ${bundle}
                   ${MAX_SDK_DIR}/script/max-linker-flags.txt ${PROJECT_BINARY_DIR}
                   ${PROJECT_SOURCE_DIR} ${MAX_SDK_DIR} ${ZUN_HWY_SOURCE_DIR})
  set_tests_properties(macos_external_${class} PROPERTIES LABELS "package;macos")
endforeach()
add_custom_target(zun_macos_externals ALL DEPENDS ${zun_macos_bundles})

add_test(NAME macos_external_check_catches_faults
         COMMAND ${ZUN_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/darwin/check_mxo_mutations.py
                 ${macos}/burst.zun~.mxo ${MAX_SDK_DIR}/script/max-linker-flags.txt
                 ${PROJECT_BINARY_DIR}/macos-mutations)
set_tests_properties(macos_external_check_catches_faults PROPERTIES LABELS "package;macos")
