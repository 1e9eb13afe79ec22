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
# Every plugin file that exists here, relative to the plugin directory.
set(_plugins)
foreach(_file IN LISTS _plugin_files)
  if(EXISTS ${QT_PLUGIN_DIR}/${_file})
    list(APPEND _plugins ${_file})
  endif()
endforeach()
foreach(_dir IN LISTS _plugin_dirs)
  file(GLOB_RECURSE _found RELATIVE ${QT_PLUGIN_DIR} ${QT_PLUGIN_DIR}/${_dir}/*)
  list(APPEND _plugins ${_found})
endforeach()
# One copy per file, declared as its output: the build copies a plugin only
# when it is missing or older than the toolkit's.
set(_bundled)
foreach(_file IN LISTS _plugins)
  add_custom_command(OUTPUT ${_bundled_dir}/${_file}
    COMMAND ${CMAKE_COMMAND} -E copy ${QT_PLUGIN_DIR}/${_file} ${_bundled_dir}/${_file}
    DEPENDS ${QT_PLUGIN_DIR}/${_file}
    COMMENT "Bundling plugin ${_file}"
    VERBATIM)
  list(APPEND _bundled ${_bundled_dir}/${_file})
endforeach()
add_custom_target(qt_plugins ALL DEPENDS ${_bundled})

install(DIRECTORY ${_bundled_dir} DESTINATION lib USE_SOURCE_PERMISSIONS)
