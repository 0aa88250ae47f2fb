# The Pd package for deken, Pd's package manager: the Pd externals of the
# sub-builds (*/pd/zun in the build tree: Linux x86_64 from linux-pd below,
# Windows, Linux arm64, and any .d_fat a macOS sub-build leaves there),
# their help patches, zun-meta.pd, README and LICENSE in one zip, named
# after the platforms read from the binaries (pd/deken.py), into deken/
# of the build tree. The tests labelled `package` check the name against
# the binaries, and the ELF externals' imports and exports. This build's
# own Pd externals use Debian's Highway library, which a user of another
# Linux may not have: the package takes those of linux-pd, which carry
# Highway inside.

# Debian's python3: its python3-pefile, -macholib and -pyelftools are its own.
find_program(ZUN_DEBIAN_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(ZUN_DEBIAN_PYTHON)
  execute_process(COMMAND ${ZUN_DEBIAN_PYTHON} -c "import pefile, macholib, elftools"
                  RESULT_VARIABLE zun_deken_modules OUTPUT_QUIET ERROR_QUIET)
endif()
if(ZUN_SANITIZE)
  zun_skipped_test(deken "deken: externals built with sanitizers are not packaged")
  return()
elseif(NOT ZUN_DEBIAN_PYTHON OR NOT zun_deken_modules EQUAL 0)
  zun_skipped_test(deken "deken: no python3-pefile, python3-macholib, python3-pyelftools")
  return()
elseif(NOT TARGET zun_burst_pd)
  zun_skipped_test(deken "deken: no Pd externals (puredata-dev)")
  return()
elseif(NOT ZUN_HWY_SOURCE_DIR)
  zun_skipped_test(deken "deken: no Highway source (ZUN_HWY_SOURCE_DIR) to build in")
  return()
endif()

set(linux_pd ${PROJECT_BINARY_DIR}/linux-pd/pd/zun/burst.zun~.pd_linux
             ${PROJECT_BINARY_DIR}/linux-pd/pd/zun/cloud.zun~.pd_linux)
ExternalProject_Add(zun_linux_pd
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${PROJECT_BINARY_DIR}/linux-pd
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DZUN_PD_ONLY=ON
             -DZUN_HWY_SOURCE_DIR=${ZUN_HWY_SOURCE_DIR}
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${linux_pd}
  INSTALL_COMMAND "")

set(zun_deken_dir ${PROJECT_BINARY_DIR}/deken)
set(deken ${ZUN_DEBIAN_PYTHON} ${PROJECT_SOURCE_DIR}/pd/deken.py)
add_custom_target(zun_deken ALL
  COMMAND ${deken} make ${zun_deken_dir} ${PROJECT_VERSION} ${PROJECT_BINARY_DIR}
          ${PROJECT_SOURCE_DIR}
  VERBATIM)
foreach(build zun_linux_pd zun_win64 zun_arm64 zun_macos_externals)
  if(TARGET ${build})
    add_dependencies(zun_deken ${build})
  endif()
endforeach()

add_test(NAME deken_package COMMAND ${deken} check ${zun_deken_dir})
add_test(NAME deken_checks_fail_on_a_broken_package
         COMMAND ${ZUN_DEBIAN_PYTHON} ${PROJECT_SOURCE_DIR}/tests/package/deken_test.py
                 ${zun_deken_dir} $<TARGET_FILE:zun_burst_external>)
set(zun_pd_def ${PROJECT_BINARY_DIR}/pd/pd.def)
add_custom_command(OUTPUT ${zun_pd_def}
  COMMAND ${CMAKE_COMMAND} -DCC=${CMAKE_CXX_COMPILER} -DHEADER=${ZUN_PD_INCLUDE_DIR}/m_pd.h
          -DDEF=${zun_pd_def} -P ${PROJECT_SOURCE_DIR}/cmake/PdImportLibrary.cmake
  DEPENDS ${ZUN_PD_INCLUDE_DIR}/m_pd.h ${PROJECT_SOURCE_DIR}/cmake/PdImportLibrary.cmake)
add_custom_target(zun_pd_names ALL DEPENDS ${zun_pd_def})
set(elf_externals ${linux_pd} ${arm64_pd})
add_test(NAME pd_externals_imports_and_exports
         COMMAND ${deken} externals ${zun_pd_def} ${elf_externals})
set_tests_properties(deken_package deken_checks_fail_on_a_broken_package
                     pd_externals_imports_and_exports PROPERTIES LABELS package)
