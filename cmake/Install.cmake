# Install rules.  An installed copy keeps the layout of the build's program folder: the
# program, its libraries, the display control and every data file in one folder under the
# prefix, where the program finds them beside itself (the libraries through the run path
# $ORIGIN, the display control through components.manifest).  bin/zomelbuilder starts it
# from anywhere; the desktop entry, icons and metainfo go where the desktop looks for them.
include(GNUInstallDirs)

set(ZOMEL_INSTALL_APPDIR ${CMAKE_INSTALL_LIBDIR}/zomelbuilder
    CACHE STRING "The program's folder under the prefix")

# The shared libraries the build makes for the program: every one outside the tests, the
# benchmarks and the fuzz targets, so that a library split off later is installed too.
function(zomel_program_libraries dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  set(found "")
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "MODULE_LIBRARY")
      list(APPEND found ${target})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${subdir})
    string(REGEX MATCH "^[^/]+" top "${relative}")
    if(NOT top MATCHES "^(tests|bench|fuzz)$")
      zomel_program_libraries(${subdir} below)
      list(APPEND found ${below})
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

zomel_program_libraries(${PROJECT_SOURCE_DIR} zomel_libraries)
install(TARGETS zomelbuilder regsvr ${zomel_libraries}
        RUNTIME DESTINATION ${ZOMEL_INSTALL_APPDIR}
        LIBRARY DESTINATION ${ZOMEL_INSTALL_APPDIR}
        COMPONENT program)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/ DESTINATION ${ZOMEL_INSTALL_APPDIR}
        COMPONENT program
        PATTERN CMakeLists.txt EXCLUDE)

# bin/zomelbuilder: a relative link, so that the whole prefix can move.
file(RELATIVE_PATH zomel_link_target /${CMAKE_INSTALL_BINDIR}
     /${ZOMEL_INSTALL_APPDIR}/zomelbuilder)
install(CODE "
  set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/zomelbuilder\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  message(STATUS \"Installing: \${link}\")
  file(CREATE_LINK ${zomel_link_target} \"\${link}\" SYMBOLIC)
" COMPONENT program)

set(ZOMEL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${ZOMEL_PACKAGING_DIR}/zomelbuilder.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT program)
install(FILES ${ZOMEL_PACKAGING_DIR}/zomelbuilder.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT program)
install(FILES ${ZOMEL_PACKAGING_DIR}/zomelbuilder.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps COMPONENT program)
install(FILES ${ZOMEL_PACKAGING_DIR}/com.veldo.zomelbuilder.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT program)
