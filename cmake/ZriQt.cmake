# The Qt major version the library is built with, and the names that let a Qt 6 build be
# installed beside the Qt 5 one. Everything that differs between the two builds is decided here;
# the folders' lists only use the variables and the function below.
#
#   ZRI_QT             Qt5 or Qt6: the package and target prefix (${ZRI_QT}::Widgets)
#   ZRI_QT_MIN         the oldest Qt release supported for that major version
#   ZRI_NAME_SUFFIX    "" for Qt 5, "Qt6" for Qt 6: appended to every installed library file
#   ZRI_PACKAGE        the CMake package and target namespace of the installed library
#   ZRI_QT_PLUGINDIR   where the Designer plugin is installed, relative to the prefix
set(ZRI_QT_MAJOR 5 CACHE STRING "Qt major version to build with: 5 (Qt 5.15) or 6 (Qt 6.4 or later)")
set_property(CACHE ZRI_QT_MAJOR PROPERTY STRINGS 5 6)
if(ZRI_QT_MAJOR STREQUAL "5")
    set(ZRI_QT Qt5)
    set(ZRI_QT_MIN 5.15)
    set(ZRI_NAME_SUFFIX "")
elseif(ZRI_QT_MAJOR STREQUAL "6")
    set(ZRI_QT Qt6)
    set(ZRI_QT_MIN 6.4)
    set(ZRI_NAME_SUFFIX Qt6)
else()
    message(FATAL_ERROR "ZRI_QT_MAJOR must be 5 or 6, not '${ZRI_QT_MAJOR}'")
endif()
set(ZRI_PACKAGE "ZuRaradirIzurodudoz${ZRI_NAME_SUFFIX}")
string(TOLOWER "${ZRI_QT}" _zri_qt_lower)
set(ZRI_QT_PLUGINDIR "${CMAKE_INSTALL_LIBDIR}/${_zri_qt_lower}/plugins")

# Headers: <prefix>/include/ZuRaradirIzurodudoz/... for Qt 5 and
# <prefix>/include/ZuRaradirIzurodudozQt6/ZuRaradirIzurodudoz/... for Qt 6, so that both builds
# are included as <ZuRaradirIzurodudoz/X.h> and never overwrite each other.
if(ZRI_NAME_SUFFIX)
    set(ZRI_INSTALL_INCLUDE_ROOT "${CMAKE_INSTALL_INCLUDEDIR}/${ZRI_PACKAGE}")
else()
    set(ZRI_INSTALL_INCLUDE_ROOT "${CMAKE_INSTALL_INCLUDEDIR}")
endif()
set(ZRI_INSTALL_INCLUDEDIR "${ZRI_INSTALL_INCLUDE_ROOT}/ZuRaradirIzurodudoz")
set(ZRI_INSTALL_CMAKEDIR "${CMAKE_INSTALL_LIBDIR}/cmake/${ZRI_PACKAGE}")

# Finds components of the selected Qt: zri_find_qt([REQUIRED] COMPONENTS Widgets UiTools ...).
# Without REQUIRED, ZRI_QT_<component>_FOUND tells whether each one was found.
macro(zri_find_qt)
    cmake_parse_arguments(_ZRI_FIND "REQUIRED" "" "COMPONENTS" ${ARGN})
    if(_ZRI_FIND_REQUIRED)
        find_package(${ZRI_QT} ${ZRI_QT_MIN} REQUIRED COMPONENTS ${_ZRI_FIND_COMPONENTS})
    else()
        find_package(${ZRI_QT} ${ZRI_QT_MIN} QUIET COMPONENTS ${_ZRI_FIND_COMPONENTS})
    endif()
    foreach(_zri_component IN LISTS _ZRI_FIND_COMPONENTS)
        set(ZRI_QT_${_zri_component}_FOUND ${${ZRI_QT}${_zri_component}_FOUND})
    endforeach()
endmacro()

# The file name of one of the project's installed libraries in this build: FenraStrings for
# Qt 5, FenraStringsQt6 for Qt 6.
function(zri_set_output_name target base)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME "${base}${ZRI_NAME_SUFFIX}")
endfunction()
