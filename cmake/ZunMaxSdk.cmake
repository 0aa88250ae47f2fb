# The externals as Max loads them, built against the public Max SDK at
# MAX_SDK_DIR the way the SDK's own max-pretarget.cmake and
# max-posttarget.cmake build them:
#   Windows  CLASS.mxe64, a DLL linked against MaxAPI.lib and MaxAudio.lib
#   macOS    CLASS.mxo, a bundle linked against the MaxAudioAPI framework,
#            the Max API resolved from Max at load; on a Mac for both
#            processors, elsewhere for one (cmake/darwin/, ZunMacBuild.cmake)
# `cmake --install BUILD --component max_package --prefix PACKAGES` puts
# them in PACKAGES/zun/externals.

set(ZUN_C74_SUPPORT ${MAX_SDK_DIR}/c74support)
foreach(header max-includes/ext.h msp-includes/z_dsp.h msp-includes/ext_buffer.h)
  if(NOT EXISTS ${ZUN_C74_SUPPORT}/${header})
    message(FATAL_ERROR
            "MAX_SDK_DIR (${MAX_SDK_DIR}) is not a max-sdk-base: no c74support/${header}")
  endif()
endforeach()

if(APPLE)
  # What max-pretarget.cmake links with: every Max API symbol left for Max
  # to provide when it loads the external.
  file(STRINGS ${MAX_SDK_DIR}/script/max-linker-flags.txt zun_max_linker_flags)
  separate_arguments(zun_max_linker_flags UNIX_COMMAND "${zun_max_linker_flags}")
  # The framework's binary by its versioned path: a checkout without
  # symbolic links keeps the framework's top-level links as text files.
  set(ZUN_MAX_AUDIO_FRAMEWORK
      ${ZUN_C74_SUPPORT}/msp-includes/MaxAudioAPI.framework/Versions/A/MaxAudioAPI)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/PkgInfo "iLaX????")
  # Built elsewhere, against our own Darwin headers: their layout is
  # checked as they are compiled.
  if(NOT CMAKE_HOST_APPLE)
    add_library(zun_darwin_layout OBJECT ${PROJECT_SOURCE_DIR}/cmake/darwin/layout.cpp)
  endif()
endif()

function(zun_max_external target class_name source objects)
  add_library(${target} MODULE ${source})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${class_name})
  install(TARGETS ${target} LIBRARY DESTINATION zun/externals
          COMPONENT max_package EXCLUDE_FROM_ALL)
  target_include_directories(${target} SYSTEM PRIVATE
    ${ZUN_C74_SUPPORT} ${ZUN_C74_SUPPORT}/max-includes ${ZUN_C74_SUPPORT}/msp-includes)
  # Handlers are registered as the SDK's generic `method` pointer.
  target_compile_options(${target} PRIVATE -Wno-cast-function-type)
  target_link_libraries(${target} PRIVATE ${objects})

  if(WIN32)
    set_target_properties(${target} PROPERTIES SUFFIX ".mxe64")
    target_compile_definitions(${target} PRIVATE WIN_VERSION MAXAPI_USE_MSCRT _USE_MATH_DEFINES)
    # MaxAudio.lib also names MaxAudio.dll's own DllMain: the runtime's
    # (in mingwex) comes first, or loading the external would call Max's
    # DllMain with the external's handle.
    target_link_libraries(${target} PRIVATE mingwex
      ${ZUN_C74_SUPPORT}/max-includes/x64/MaxAPI.lib
      ${ZUN_C74_SUPPORT}/msp-includes/x64/MaxAudio.lib)
    # The C++ runtime, libgcc and winpthread go inside the external, which
    # then imports only from Windows, the C runtime and Max; it exports
    # its entry point alone, and ships without its symbol table.
    target_link_options(${target} PRIVATE
      -static -static-libgcc -static-libstdc++
      -Wl,--exclude-all-symbols -Wl,--exclude-libs,ALL -s)
  elseif(APPLE)
    # A bundle identifier takes letters, digits, dots and hyphens.
    string(REPLACE "~" "-tilde" identifier "org.zun.${class_name}")
    set_target_properties(${target} PROPERTIES
      BUNDLE TRUE
      BUNDLE_EXTENSION mxo
      XCODE_ATTRIBUTE_WRAPPER_EXTENSION mxo
      CXX_VISIBILITY_PRESET hidden
      VISIBILITY_INLINES_HIDDEN ON
      MACOSX_BUNDLE_INFO_PLIST ${PROJECT_SOURCE_DIR}/cmake/MaxExternal.plist.in
      MACOSX_BUNDLE_GUI_IDENTIFIER ${identifier}
      MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
      MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
      MACOSX_BUNDLE_COPYRIGHT "zun, MIT licence")
    # Only the entry point leaves the bundle: Highway's symbols would too.
    target_link_options(${target} PRIVATE ${zun_max_linker_flags} -Wl,-exported_symbol,_main)
    target_link_libraries(${target} PRIVATE ${ZUN_MAX_AUDIO_FRAMEWORK})
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_BINARY_DIR}/PkgInfo
              $<TARGET_BUNDLE_CONTENT_DIR:${target}>/PkgInfo
      VERBATIM)
    # Built elsewhere, the bundle keeps the ad-hoc signature ld64.lld gives
    # each arm64 slice.
    if(CMAKE_HOST_APPLE)
      add_custom_command(TARGET ${target} POST_BUILD
        COMMAND codesign -s - -f --deep $<TARGET_BUNDLE_DIR:${target}> VERBATIM)
    endif()
  endif()
endfunction()
