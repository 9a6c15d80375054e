# vireno_vst3_bundle(Name SOURCES ... [LIBS ...] [DESTINATION dir])
#
# Builds a VST3 module as a Linux bundle in the build tree:
#   <dir>/<Name>.vst3/Contents/x86_64-linux/<Name>.so      (dir defaults to the top of the build tree)
# The module exports exactly GetPluginFactory, ModuleEntry and ModuleExit; a host sees nothing else.
# SOURCES and LIBS may hold the factory definition (GetPluginFactory) either way: the three entry
# points are pulled in even from static libraries. The target is called <Name>_vst3 and its bundle
# folder is in the target property VST3_BUNDLE_DIR.
function(vireno_vst3_bundle name)
  # Imported targets are seen only in the folder that found them: find boost in the caller's.
  find_package(Boost REQUIRED)
  # Variables of the folder that included this file do not reach other folders; the map lies here.
  set(exports_map "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/vst3-exports.map")
  cmake_parse_arguments(ARG "" "DESTINATION" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_DESTINATION)
    set(ARG_DESTINATION "${CMAKE_BINARY_DIR}")
  endif()
  set(target ${name}_vst3)
  set(bundle_dir "${ARG_DESTINATION}/${name}.vst3")

  vireno_plugin_module(${target}
    OUTPUT_NAME ${name}
    SUFFIX ".so"
    BUNDLE_DIR "${bundle_dir}"
    EXPORTS_MAP "${exports_map}"
    ENTRY_POINTS GetPluginFactory ModuleEntry ModuleExit
    SOURCES ${ARG_SOURCES}
    LIBS ${ARG_LIBS} vst3_sdk Boost::headers)
  set_target_properties(${target} PROPERTIES VST3_BUNDLE_DIR "${bundle_dir}")
endfunction()
