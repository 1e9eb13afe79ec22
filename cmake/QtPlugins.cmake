# Bundles the Qt plugins the launcher needs into <build>/lib/plugins, and
# installs them to <prefix>/lib/plugins: the launcher points the toolkit at
# that one directory, so the build tree runs exactly like the installed one.
get_target_property(_xcb_plugin Qt5::QXcbIntegrationPlugin LOCATION)
get_filename_component(QT_PLUGIN_DIR "${_xcb_plugin}" DIRECTORY)
get_filename_component(QT_PLUGIN_DIR "${QT_PLUGIN_DIR}" DIRECTORY)

# Platform plugins (X11, Wayland, offscreen, minimal) and what they load:
# GL integrations, Wayland shells and decorations, input methods, themes.
set(_plugin_files
  platforms/libqxcb.so
  platforms/libqoffscreen.so
  platforms/libqminimal.so
  platforms/libqwayland-generic.so
  platforms/libqwayland-egl.so
)
set(_plugin_dirs
  xcbglintegrations
  wayland-shell-integration
  wayland-decoration-client
  wayland-graphics-integration-client
  platforminputcontexts
  platformthemes
  imageformats
  iconengines
)
set(_bundled_dir ${CMAKE_BINARY_DIR}/lib/plugins)
set(_bundle_commands)
foreach(_file IN LISTS _plugin_files)
  if(EXISTS ${QT_PLUGIN_DIR}/${_file})
    get_filename_component(_sub ${_file} DIRECTORY)
    list(APPEND _bundle_commands
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_bundled_dir}/${_sub}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QT_PLUGIN_DIR}/${_file} ${_bundled_dir}/${_sub})
  endif()
endforeach()
foreach(_dir IN LISTS _plugin_dirs)
  if(IS_DIRECTORY ${QT_PLUGIN_DIR}/${_dir})
    list(APPEND _bundle_commands
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${QT_PLUGIN_DIR}/${_dir} ${_bundled_dir}/${_dir})
  endif()
endforeach()
add_custom_target(qt_plugins ALL ${_bundle_commands}
  COMMENT "Bundling Qt plugins into lib/plugins")

install(DIRECTORY ${_bundled_dir} DESTINATION lib USE_SOURCE_PERMISSIONS)
