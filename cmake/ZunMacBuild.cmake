# The externals for Max and Pd on macOS, built here without Apple's SDK:
# one build of this source tree a processor (macos-arm64/, macos-x86_64/,
# with the toolchains of cmake/darwin/), joined by llvm-lipo into
# universal files in macos/: the .mxo bundles, which the Max package
# takes, and the .d_fat Pd externals (installed with the component pd).
# Nothing here loads a Mach-O: the tests labelled `macos` read each
# external (check_macos_external.py) and prove the reading catches broken
# ones.

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
  set(slice_build ${PROJECT_BINARY_DIR}/macos-${arch})
  set(executables "")
  foreach(class IN LISTS zun_classes)
    list(APPEND executables ${slice_build}/max/${class}.mxo/Contents/MacOS/${class})
    if(ZUN_PD_INCLUDE_DIR)
      list(APPEND executables ${slice_build}/pd/zun/${class}.d_fat)
    endif()
  endforeach()
  ExternalProject_Add(zun_macos_${arch}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${slice_build}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/darwin/${arch}.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DMAX_SDK_DIR=${MAX_SDK_DIR}
               -DZUN_HWY_SOURCE_DIR=${ZUN_HWY_SOURCE_DIR}
               -DZUN_PD_INCLUDE_DIR=${ZUN_PD_INCLUDE_DIR} -DZUN_PD_SUFFIX=.d_fat
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${executables}
    INSTALL_COMMAND "")
endforeach()

set(macos ${PROJECT_BINARY_DIR}/macos)
set(zun_macos_externals "")
set(check ${ZUN_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/darwin/check_macos_external.py)
set(build_paths ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR} ${MAX_SDK_DIR} ${ZUN_HWY_SOURCE_DIR})
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
  list(APPEND zun_macos_externals ${bundle}/Contents/MacOS/${class})
  install(DIRECTORY ${bundle} DESTINATION zun/externals USE_SOURCE_PERMISSIONS
          COMPONENT max_package EXCLUDE_FROM_ALL)

  add_test(NAME macos_external_${class}.mxo
           COMMAND ${check} ${bundle} ${MAX_SDK_DIR}/script/max-linker-flags.txt ${build_paths})
  set(tests macos_external_${class}.mxo)

  if(ZUN_PD_INCLUDE_DIR)
    set(pd_external ${macos}/pd/zun/${class}.d_fat)
    set(slices "")
    foreach(arch IN LISTS zun_macos_arches)
      list(APPEND slices ${PROJECT_BINARY_DIR}/macos-${arch}/pd/zun/${class}.d_fat)
    endforeach()
    add_custom_command(OUTPUT ${pd_external}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${macos}/pd/zun
      COMMAND ${ZUN_LIPO} -create ${slices} -output ${pd_external}
      DEPENDS ${slices} zun_macos_arm64 zun_macos_x86_64
      VERBATIM)
    list(APPEND zun_macos_externals ${pd_external})
    install(PROGRAMS ${pd_external} DESTINATION ${ZUN_PD_INSTALL_DIR} COMPONENT pd)
    add_test(NAME macos_external_${class}.d_fat
             COMMAND ${check} ${pd_external}
                     ${PROJECT_BINARY_DIR}/macos-x86_64/pd/pd-linker-flags.txt ${build_paths})
    list(APPEND tests macos_external_${class}.d_fat)
  endif()
  set_tests_properties(${tests} PROPERTIES LABELS "package;macos")
endforeach()
add_custom_target(zun_macos_externals ALL DEPENDS ${zun_macos_externals})

add_test(NAME macos_external_check_catches_faults
         COMMAND ${ZUN_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/darwin/check_macos_external_mutations.py
                 ${macos}/burst.zun~.mxo ${MAX_SDK_DIR}/script/max-linker-flags.txt
                 ${PROJECT_BINARY_DIR}/macos-mutations)
set_tests_properties(macos_external_check_catches_faults PROPERTIES LABELS "package;macos")
