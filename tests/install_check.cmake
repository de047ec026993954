# Installs the build into a fresh prefix and checks what a desktop finds there: the desktop
# entry and the AppStream metainfo pass their validators, the icons are in place, and the
# installed program starts and tells its version.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed:\n${out}\n${err}")
endif()
set(desktop ${PREFIX}/share/applications/${ID}.desktop)
set(metainfo ${PREFIX}/share/metainfo/${ID}.metainfo.xml)
foreach(file ${desktop} ${metainfo} ${PREFIX}/share/icons/hicolor/scalable/apps/${ID}.svg
        ${PREFIX}/share/icons/hicolor/48x48/apps/${ID}.png
        ${PREFIX}/share/icons/hicolor/128x128/apps/${ID}.png
        ${PREFIX}/share/icons/hicolor/256x256/apps/${ID}.png)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND desktop-file-validate ${desktop} OUTPUT_VARIABLE out ERROR_VARIABLE err
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${rc}\n${out}\n${err}")
endif()
execute_process(COMMAND appstreamcli validate --no-net ${metainfo} OUTPUT_VARIABLE out
  ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: ${rc}\n${out}\n${err}")
endif()
execute_process(COMMAND ${PREFIX}/bin/quillion --version OUTPUT_VARIABLE out ERROR_VARIABLE err
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "Quillion ${VERSION}\n")
  message(FATAL_ERROR "quillion --version: ${rc}\n${out}\n${err}")
endif()
