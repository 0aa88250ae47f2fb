# Installs the build into a fresh prefix, moves the prefix elsewhere, and
# renders an installed example with the installed zun, which must find its
# plug-ins from where it is; the licence goes along. Run with -DBUILD_DIR=... -DWORK_DIR=...
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
if(NOT EXISTS ${WORK_DIR}/prefix/share/doc/zun/LICENSE)
  message(FATAL_ERROR "the licence is not installed")
endif()
file(RENAME ${WORK_DIR}/prefix ${WORK_DIR}/moved)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=ZUN_PLUGIN_PATH
          ${WORK_DIR}/moved/bin/zun render ${WORK_DIR}/moved/share/zun/examples/pulsar.zun
          -o ${WORK_DIR}/pulsar.wav --seed 1 --duration 0.5 -q
  RESULT_VARIABLE failed ERROR_VARIABLE errors)
if(failed OR NOT EXISTS ${WORK_DIR}/pulsar.wav)
  message(FATAL_ERROR "the installed zun failed: ${errors}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
