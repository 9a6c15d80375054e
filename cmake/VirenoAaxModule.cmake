# vireno_aax_module(Name SOURCES ... [LIBS ...] [DESTINATION dir])
#
# Builds an AAX plug-in module on the AAX library as a Linux bundle in the build tree:
#   <dir>/<Name>.aaxplugin/Contents/x86_64-linux/<Name>.aaxplugin   (dir defaults to the top of the build tree)
# The module exports exactly the seven ACF entry points, which come from the AAX library; SOURCES
# or LIBS define the plug-in's description (GetEffectDescriptions). The target is called
# <Name>_aax and its bundle folder is in the target property AAX_BUNDLE_DIR.
function(vireno_aax_module name)
  set(exports_map "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/aax-exports.map")
  cmake_parse_arguments(ARG "" "DESTINATION" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_DESTINATION)
    set(ARG_DESTINATION "${CMAKE_BINARY_DIR}")
  endif()
  set(target ${name}_aax)
  set(bundle_dir "${ARG_DESTINATION}/${name}.aaxplugin")

  vireno_plugin_module(${target}
    OUTPUT_NAME ${name}
    SUFFIX ".aaxplugin"
    BUNDLE_DIR "${bundle_dir}"
    EXPORTS_MAP "${exports_map}"
    ENTRY_POINTS ACFRegisterPlugin ACFRegisterComponent ACFGetClassFactory ACFCanUnloadNow
                 ACFStartup ACFShutdown ACFGetSDKVersion
    SOURCES ${ARG_SOURCES}
    LIBS ${ARG_LIBS} aax_library)
  set_target_properties(${target} PROPERTIES AAX_BUNDLE_DIR "${bundle_dir}")
endfunction()
