# The translation resource "texts": every texts/<code>.ts is compiled with
# lrelease and embedded uncompressed at the resource root as "<code>.qm".
# rcc names the registration functions after the .qrc (qInitResources_texts,
# qCleanupResources_texts) and adds a static object that registers the
# resource before main() and unregisters it at exit.
#
# A static initialiser in an archive member that nothing references would be
# dropped by the linker, so the resource is an OBJECT library whose objects
# go straight into every program that links launcher_core.
#
# Included from the launcher's CMakeLists.txt after launcher_core exists.

set(TEXTS_LANGUAGES chs cht dan csy deu enu esn fra hun ita jpn krn nld nor plk ptb ptg rus sve trk)
set(texts_src_dir ${CMAKE_CURRENT_LIST_DIR})
set(texts_out_dir ${CMAKE_CURRENT_BINARY_DIR}/texts)
file(MAKE_DIRECTORY ${texts_out_dir})

# Re-run the configuration when a catalogue source appears or goes away.
file(GLOB texts_ts_present CONFIGURE_DEPENDS ${texts_src_dir}/*.ts)

set(texts_qm_files)
set(texts_qrc_entries)
foreach(code IN LISTS TEXTS_LANGUAGES)
  set(ts ${texts_src_dir}/${code}.ts)
  # Without its catalogue a language would silently fall back to English.
  if(NOT ts IN_LIST texts_ts_present)
    message(FATAL_ERROR "texts: ${code}.ts not found; every language needs its catalogue")
  endif()
  set(qm ${texts_out_dir}/${code}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND Qt5::lrelease -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling translation catalogue ${code}.qm"
    VERBATIM)
  list(APPEND texts_qm_files ${qm})
  string(APPEND texts_qrc_entries "    <file>${code}.qm</file>\n")
endforeach()

set(texts_qrc ${texts_out_dir}/texts.qrc)
file(GENERATE OUTPUT ${texts_qrc} CONTENT
"<!DOCTYPE RCC>
<RCC version=\"1.0\">
<qresource prefix=\"/\">
${texts_qrc_entries}</qresource>
</RCC>
")

set(texts_cpp ${texts_out_dir}/qrc_texts.cpp)
add_custom_command(OUTPUT ${texts_cpp}
  COMMAND Qt5::rcc --name texts --no-compress --format-version 1 ${texts_qrc} -o ${texts_cpp}
  DEPENDS ${texts_qrc} ${texts_qm_files}
  COMMENT "Embedding the translation catalogues"
  VERBATIM)

add_library(launcher_texts OBJECT ${texts_cpp})
target_link_libraries(launcher_texts PRIVATE build_options Qt5::Core)
set_target_properties(launcher_texts PROPERTIES AUTOMOC OFF)

target_sources(launcher_core INTERFACE $<TARGET_OBJECTS:launcher_texts>)
