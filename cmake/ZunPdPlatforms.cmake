# Pd on other platforms, in a Pd built here from Pd's own source
# (PD_SOURCE_DIR, the version Debian ships; built once, then kept) and run
# headless: the Pd externals of the win64 sub-build (ZunMaxBuilds.cmake)
# in Windows Pd under Wine (the tests labelled `wine`), those of the arm64
# sub-build in Linux arm64 Pd under qemu (labelled `qemu`). In each, the
# help patches open without errors and sound, and the scenarios of
# tests/pd record what this machine's Pd records, bit for bit. The Windows
# externals are also checked as Pd loads them: their imports and exports.

set(PD_SOURCE_DIR "" CACHE PATH "Pd's source, to run the Windows and arm64 Pd externals")

# zun_pd_from_source(NAME TOOLCHAIN PD_COMMAND PACKAGE LABEL ENVIRONMENT...): Pd
# built with TOOLCHAIN into build/NAME, then the tests LABEL_pd_scenarios
# and LABEL_pd_help_patches running pd_tests against it as
# `PD_COMMAND DIR/pd...` on the externals in PACKAGE.
function(zun_pd_from_source name toolchain command package label)
  set(pd ${PROJECT_BINARY_DIR}/${name})
  ExternalProject_Add(zun_${name}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/tests/pd/pd-from-source
    BINARY_DIR ${pd}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/${toolchain}
               -DPD_SOURCE_DIR=${PD_SOURCE_DIR}
    INSTALL_COMMAND "")
  set(run ${CMAKE_COMMAND} -E env ${ARGN} "ZUN_FOREIGN_PD=${command}"
          ZUN_FOREIGN_PD_PACKAGE=${package} $<TARGET_FILE:pd_tests>)
  add_test(NAME ${label}_pd_scenarios COMMAND ${run} --gtest_filter=Foreign/*)
  add_test(NAME ${label}_pd_help_patches COMMAND ${run} --gtest_filter=ForeignPdTest.*)
  set_tests_properties(${label}_pd_scenarios ${label}_pd_help_patches PROPERTIES
    LABELS "package;${label}" TIMEOUT 900)
endfunction()

if(NOT TARGET pd_tests OR NOT TARGET zun_burst_pd)
  zun_skipped_test(foreign_pd "Pd elsewhere: no Pd here to compare with (puredata-core)")
  return()
elseif(NOT PD_SOURCE_DIR)
  zun_skipped_test(foreign_pd "Pd elsewhere: no Pd source (PD_SOURCE_DIR)")
  set(zun_no_pd_source ON)
endif()

# ---- Windows

if(zun_win64_missing)
  zun_skipped_test(windows_pd "Windows Pd: ${zun_win64_missing}" wine)
else()
  foreach(file IN LISTS win64_pd)
    get_filename_component(class ${file} NAME_WLE)
    string(REPLACE "." "0x2e" setup ${class})
    string(REPLACE "~" "_tilde" setup setup_${setup})
    add_test(NAME windows_pd_external_${class}
             COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${ZUN_MINGW_OBJDUMP} -DFILE=${file}
                     -DHOST_LIBRARIES=pd -DENTRY=${setup}
                     -P ${PROJECT_SOURCE_DIR}/cmake/CheckWin64External.cmake)
    set_tests_properties(windows_pd_external_${class} PROPERTIES LABELS package)
  endforeach()
  if(NOT ZUN_WINE)
    zun_skipped_test(wine_pd "Windows Pd: no wine (wine64 and wine)" wine)
  elseif(NOT zun_no_pd_source)
    # In the prefix of the Max tests under Wine (the `wine` fixture),
    # without Wine's ALSA driver, whose complaints of a missing sound card
    # would read as Pd's errors.
    zun_pd_from_source(windows-pd mingw-w64-x86_64.cmake
      "${ZUN_WINE} ${PROJECT_BINARY_DIR}/windows-pd/pd.com" ${win64}/pd/zun wine
      WINEPREFIX=${PROJECT_BINARY_DIR}/wine-prefix WINEDEBUG=-all
      WINEDLLOVERRIDES=mscoree,mshtml,winealsa.drv= --unset=DISPLAY --unset=WAYLAND_DISPLAY)
    # One Windows Pd at a time: two at once under Wine now and then leave
    # one hanging until the test's timeout.
    set_tests_properties(wine_pd_scenarios wine_pd_help_patches PROPERTIES
      FIXTURES_REQUIRED wine RESOURCE_LOCK windows_pd)
  endif()
endif()

# ---- Linux arm64

if(TARGET zun_arm64 AND NOT zun_no_pd_source)
  # -nrt: no real-time priority, which would want Pd's watchdog.
  zun_pd_from_source(arm64-pd aarch64-linux-gnu.cmake
    "${ZUN_QEMU_ARM64} ${PROJECT_BINARY_DIR}/arm64-pd/pd -nrt" ${arm64}/pd/zun qemu
    QEMU_LD_PREFIX=/usr/aarch64-linux-gnu)
endif()
