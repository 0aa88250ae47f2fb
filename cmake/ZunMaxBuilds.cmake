# The externals for Max, built from this same source tree in builds of
# their own inside this one, of this build's type (ZunMaxSdk.cmake says
# how), when MAX_SDK_DIR names the public Max SDK:
#   win64/        burst.zun~.mxe64 and cloud.zun~.mxe64 (and their mc. twins),
#                 cross-built with MinGW-w64, Highway with them from
#                 ZUN_HWY_SOURCE_DIR; the package takes them
#   macos/        burst.zun~.mxo and cloud.zun~.mxo (and their mc. twins),
#                 universal (arm64 and x86_64), built with clang and ld64.lld
#                 (ZunMacBuild.cmake)
#   arm64/        for Linux arm64 (g++-aarch64-linux-gnu): the core tests,
#                 the host, zun-driver, the plug-ins and the Pd externals
#                 (.l_arm64), run under qemu-aarch64 (the tests labelled
#                 `qemu`): every output bit as on this machine
# With Wine, win64/ also makes the host for Windows and zun-driver, and
# the tests labelled `wine` run the externals there: they must register
# and play exactly as the Linux plug-ins do. Each is skipped, and its test
# says why, when what it needs is missing; `./dev.sh package` installs all
# of it.

include(ExternalProject)

find_program(ZUN_MINGW_CXX x86_64-w64-mingw32-g++-posix)
find_program(ZUN_MINGW_OBJDUMP x86_64-w64-mingw32-objdump)
find_program(ZUN_CLANG_CXX clang++)
find_program(ZUN_WINE wine)
find_program(ZUN_ARM64_CXX aarch64-linux-gnu-g++)
find_program(ZUN_QEMU_ARM64 qemu-aarch64)

function(zun_skipped_test name reason)
  message(NOTICE "skipped: ${reason}")
  add_test(NAME ${name} COMMAND sh -c "echo 'skipped: ${reason}'; exit 77")
  set(labels package ${ARGN})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 LABELS "${labels}")
endfunction()

# Max's classes; Pd has the first two, whose boxes make the multichannel form
set(zun_classes burst.zun~ cloud.zun~ mc.burst.zun~ mc.cloud.zun~)
set(zun_pd_classes burst.zun~ cloud.zun~)
string(JOIN | linux_plugin_files $<TARGET_FILE:zun_burst_external>
       $<TARGET_FILE:zun_cloud_external> $<TARGET_FILE:zun_mc_burst_external>
       $<TARGET_FILE:zun_mc_cloud_external>)

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
  install(CODE "message(WARNING \"This Max package has no externals: ${zun_win64_missing}\")"
          COMPONENT max_package EXCLUDE_FROM_ALL)
  add_test(NAME max_package_without_externals
           COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --component max_package
                   --prefix ${PROJECT_BINARY_DIR}/package_without_externals)
  set_tests_properties(max_package_without_externals PROPERTIES
    PASS_REGULAR_EXPRESSION "This Max package has no externals")
else()
  set(win64 ${PROJECT_BINARY_DIR}/win64)
  set(externals "")
  foreach(class IN LISTS zun_classes)
    list(APPEND externals ${win64}/max/${class}.mxe64)
  endforeach()
  # and the Pd externals for Windows (ZunPdWindows.cmake)
  set(win64_pd ${win64}/pd/zun/burst.zun~.m_amd64 ${win64}/pd/zun/cloud.zun~.m_amd64)
  set(windows_host ${win64}/bin)
  set(windows_programs "")
  if(ZUN_WINE)
    set(windows_programs ${windows_host}/zun-driver.exe ${windows_host}/zun_core_tests.exe)
  endif()
  ExternalProject_Add(zun_win64
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${win64}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DMAX_SDK_DIR=${MAX_SDK_DIR}
               -DZUN_HWY_SOURCE_DIR=${ZUN_HWY_SOURCE_DIR}
               -DZUN_WINDOWS_HOST=$<BOOL:${ZUN_WINE}> -DZUN_PD_INCLUDE_DIR=${ZUN_PD_INCLUDE_DIR}
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${externals} ${windows_programs} ${win64_pd}
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

# ---- the Windows externals under Wine

if(zun_win64_missing)
  zun_skipped_test(wine "Wine: the Win64 externals are not built" wine)
elseif(NOT ZUN_WINE)
  zun_skipped_test(wine "Wine: no wine (wine64 and wine)" wine)
else()
  # Headless, in a prefix of this build's own, without the dialogs that
  # offer to install Mono and Gecko.
  set(wine_env ${CMAKE_COMMAND} -E env WINEPREFIX=${PROJECT_BINARY_DIR}/wine-prefix
               WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= --unset=DISPLAY
               --unset=WAYLAND_DISPLAY)
  add_test(NAME wine_prefix COMMAND ${wine_env} ${ZUN_WINE} wineboot --init)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
  # Every instruction set of the group renderer built in, each in turn.
  add_test(NAME wine_core_tests COMMAND ${wine_env} ${ZUN_WINE} ${windows_host}/zun_core_tests.exe)
  # Lists reach the script joined by |: a test's command splits them at ;.
  string(JOIN | external_files ${externals})
  set(compare ${wine_env} ${CMAKE_COMMAND} -DWINE=${ZUN_WINE} -DDRIVER=$<TARGET_FILE:zun_driver>
              -DWINDOWS_DRIVER=${windows_host}/zun-driver.exe -DPLUGINS=${linux_plugin_files}
              -DEXTERNALS=${external_files})
  add_test(NAME wine_classes
           COMMAND ${compare} -DCLASSES=ON -DWORK=${PROJECT_BINARY_DIR}/wine/classes
                   -P ${PROJECT_SOURCE_DIR}/cmake/CompareUnderWine.cmake)
  set(wine_tests wine_core_tests wine_classes)
  # MinGW-w64's exp2, log2, sin, cos and pow (libmingwex) round about one
  # argument in a thousand to the other neighbour of glibc's result. Where
  # a random draw meets one, a grain's samples differ in their last bits,
  # below what float32 keeps, or a grain event's value does. These scores
  # are known to meet one (cloud-scan: log2 in an event's pitch, sin in an
  # equal-power gain; ring: the equal-power gains of a grain moved round
  # eight channels); everything else must match.
  set(known_differences_cloud-scan log|doubles)
  set(known_differences_ring doubles)
  file(GLOB scores ${PROJECT_SOURCE_DIR}/examples/*.zun ${PROJECT_SOURCE_DIR}/tests/wine/*.zun)
  foreach(score IN LISTS scores)
    get_filename_component(name ${score} NAME_WE)
    set(every "")
    if(name MATCHES "^every_(.+)_message$")
      set(every ${CMAKE_MATCH_1}.zun~)
    endif()
    add_test(NAME wine_render_${name}
             COMMAND ${compare} -DSCORE=${score} -DZUN=$<TARGET_FILE:zun>
                     -DEVERY_MESSAGE_OF=${every}
                     -DWORK=${PROJECT_BINARY_DIR}/wine/${name}
                     -DKNOWN_DIFFERENCES=${known_differences_${name}}
                     -P ${PROJECT_SOURCE_DIR}/cmake/CompareUnderWine.cmake)
    list(APPEND wine_tests wine_render_${name})
  endforeach()
  set_tests_properties(${wine_tests} PROPERTIES FIXTURES_REQUIRED wine)
  set_tests_properties(wine_prefix ${wine_tests} PROPERTIES LABELS "package;wine" TIMEOUT 900)
endif()

# ---- Linux arm64 under qemu

if(NOT ZUN_HWY_SOURCE_DIR)
  zun_skipped_test(qemu "arm64: no Highway source (ZUN_HWY_SOURCE_DIR)" qemu)
elseif(NOT ZUN_ARM64_CXX OR NOT ZUN_QEMU_ARM64)
  zun_skipped_test(qemu "arm64: no g++-aarch64-linux-gnu or qemu-user" qemu)
else()
  set(arm64 ${PROJECT_BINARY_DIR}/arm64)
  set(arm64_plugins "")
  foreach(class IN LISTS zun_classes)
    list(APPEND arm64_plugins ${arm64}/max/${class}.so)
  endforeach()
  set(arm64_pd ${arm64}/pd/zun/burst.zun~.l_arm64 ${arm64}/pd/zun/cloud.zun~.l_arm64)
  ExternalProject_Add(zun_arm64
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${arm64}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/aarch64-linux-gnu.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DZUN_LINUX_CROSS=ON
               -DZUN_HWY_SOURCE_DIR=${ZUN_HWY_SOURCE_DIR}
               -DZUN_PD_INCLUDE_DIR=${ZUN_PD_INCLUDE_DIR} -DZUN_PD_SUFFIX=.l_arm64
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${arm64_plugins} ${arm64_pd} ${arm64}/tools/driver/zun-driver
                     ${arm64}/bin/zun_core_tests
    INSTALL_COMMAND "")
  set(qemu_env ${CMAKE_COMMAND} -E env QEMU_LD_PREFIX=/usr/aarch64-linux-gnu)
  # Every instruction set of the group renderer built in, each in turn.
  add_test(NAME qemu_core_tests COMMAND ${qemu_env} ${ZUN_QEMU_ARM64} ${arm64}/bin/zun_core_tests)
  string(JOIN | arm64_plugin_files ${arm64_plugins})
  set(compare ${qemu_env} ${CMAKE_COMMAND} -DWINE=${ZUN_QEMU_ARM64} -DFOREIGN_DRIVE=
              -DDRIVER=$<TARGET_FILE:zun_driver> -DWINDOWS_DRIVER=${arm64}/tools/driver/zun-driver
              -DPLUGINS=${linux_plugin_files} -DEXTERNALS=${arm64_plugin_files})
  add_test(NAME qemu_classes
           COMMAND ${compare} -DCLASSES=ON -DWORK=${PROJECT_BINARY_DIR}/qemu/classes
                   -P ${PROJECT_SOURCE_DIR}/cmake/CompareUnderWine.cmake)
  set(qemu_tests qemu_core_tests qemu_classes)
  file(GLOB scores ${PROJECT_SOURCE_DIR}/examples/*.zun ${PROJECT_SOURCE_DIR}/tests/wine/*.zun)
  foreach(score IN LISTS scores)
    get_filename_component(name ${score} NAME_WE)
    add_test(NAME qemu_render_${name}
             COMMAND ${compare} -DSCORE=${score} -DZUN=$<TARGET_FILE:zun>
                     -DWORK=${PROJECT_BINARY_DIR}/qemu/${name}
                     -P ${PROJECT_SOURCE_DIR}/cmake/CompareUnderWine.cmake)
    list(APPEND qemu_tests qemu_render_${name})
  endforeach()
  set_tests_properties(${qemu_tests} PROPERTIES LABELS "package;qemu" TIMEOUT 900)
endif()

# ---- macOS

include(ZunMacBuild)
