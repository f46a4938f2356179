# Debian packages of this build, made by `cpack -G DEB` in the build folder:
#   lib<name><major>       the shared libraries (the Forms one too) and the outside
#                          libraries they need                                     (runtime)
#   lib<name>-dev          headers, CMake package, dev links                       (dev)
#   lib<name>-designer     the Qt Designer plugin                                  (designer)
# <name> is zuraradirizurodudoz for Qt 5 and zuraradirizurodudozqt6 for Qt 6, the library's file
# name in lower case, so both sets install side by side. The runtime package carries the major
# version like the SONAME (libzuraradirizurodudoz0, libzuraradirizurodudozqt6-0).
string(TOLOWER "lib${ZRI_PACKAGE}" _zri_deb_base)
if(_zri_deb_base MATCHES "[0-9]$")
    set(_zri_deb_runtime "${_zri_deb_base}-${PROJECT_VERSION_MAJOR}")
else()
    set(_zri_deb_runtime "${_zri_deb_base}${PROJECT_VERSION_MAJOR}")
endif()
set(_zri_deb_names runtime "${_zri_deb_runtime}" dev "${_zri_deb_base}-dev"
    designer "${_zri_deb_base}-designer")

# Every package carries the copyright file and the change log that Debian asks for.
set(_zri_deb_doc "${CMAKE_BINARY_DIR}/debian-doc")
file(COPY "${CMAKE_CURRENT_LIST_DIR}/debian/copyright" DESTINATION "${_zri_deb_doc}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in" "${_zri_deb_doc}/changelog" @ONLY)
find_program(ZRI_GZIP gzip)
if(ZRI_GZIP)
    execute_process(COMMAND "${ZRI_GZIP}" -9nf "${_zri_deb_doc}/changelog")
endif()

set(CPACK_COMPONENTS_ALL runtime dev)
if(TARGET ZuRaradirIzurodudozDesigner)
    list(APPEND CPACK_COMPONENTS_ALL designer)
endif()
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
    list(FIND _zri_deb_names ${component} index)
    math(EXPR index "${index} + 1")
    list(GET _zri_deb_names ${index} name)
    string(TOUPPER ${component} upper)
    set(CPACK_DEBIAN_${upper}_PACKAGE_NAME "${name}")
    install(FILES "${_zri_deb_doc}/copyright" "${_zri_deb_doc}/changelog.gz"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/${name}" COMPONENT ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME "${_zri_deb_base}")
set(CPACK_PACKAGE_VENDOR "ZuRaradirIzurodudoz")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ZuRaradirIzurodudoz developers <zuraradirizurodudoz@example.org>")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The library's own files resolve from the build tree; Qt and Boost through their packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_BINARY_DIR}"
    "${CMAKE_BINARY_DIR}/forms" "${CMAKE_BINARY_DIR}/platform/qtextensions"
    "${CMAKE_BINARY_DIR}/platform/strings" "${CMAKE_BINARY_DIR}/platform/translatorregistry")
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Shared libraries in /usr/lib: ldconfig runs through its trigger, not from the maintainer
# scripts that CPack would write otherwise.
set(_zri_deb_ldconfig "${CMAKE_CURRENT_LIST_DIR}/debian/triggers"
    "${CMAKE_CURRENT_LIST_DIR}/debian/postinst" "${CMAKE_CURRENT_LIST_DIR}/debian/postrm")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${_zri_deb_ldconfig})
set(CPACK_DEBIAN_DEV_PACKAGE_CONTROL_EXTRA ${_zri_deb_ldconfig})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_COMPONENT_DESIGNER_DEPENDS runtime dev)
# Headers need the development packages of what they include.
set(_zri_deb_qt_dev qtbase5-dev)
if(ZRI_QT_MAJOR STREQUAL "6")
    set(_zri_deb_qt_dev qt6-base-dev)
endif()
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
    "${_zri_deb_qt_dev}, libboost-dev, libboost-thread-dev, libboost-filesystem-dev, libboost-system-dev")

# The first line is the synopsis of the package.
set(_zri_deb_what "Qt ${ZRI_QT_MAJOR} widgets for measurement and imaging applications")
set(_zri_deb_about "Painted buttons with an engraved look, lamps, gauges and display bases, and
composite editors for file paths, file lists, rectangles and logger
definitions.")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "${_zri_deb_what}
${_zri_deb_about} This package holds the shared libraries: the widgets, and
the Forms classes that applications built from Qt Designer forms use.")
set(CPACK_COMPONENT_DEV_DESCRIPTION "${_zri_deb_what} - development files
${_zri_deb_about} This package holds the headers and the CMake package.")
set(CPACK_COMPONENT_DESIGNER_DESCRIPTION "${_zri_deb_what} - Designer plugin
${_zri_deb_about} This package offers every widget of the library in the
widget box of Qt Designer.")
include(CPack)
