# Qwt, a baseline of the display benchmarks only (Debian's libqwt-qt5-dev, Qt 5 only). Defines
# the imported target ZriBench::Qwt when it is found; the benchmarks that need it are left out
# otherwise. Included by more than one benchmark list, so it only ever defines the target once.
if(NOT TARGET ZriBench::Qwt AND ZRI_QT_MAJOR STREQUAL "5")
    find_path(ZRI_QWT_INCLUDE_DIR qwt_thermo.h PATHS /usr/include/qwt PATH_SUFFIXES qwt)
    find_library(ZRI_QWT_LIBRARY NAMES qwt-qt5)
    if(ZRI_QWT_INCLUDE_DIR AND ZRI_QWT_LIBRARY)
        add_library(ZriBench::Qwt UNKNOWN IMPORTED)
        set_target_properties(ZriBench::Qwt PROPERTIES
            IMPORTED_LOCATION "${ZRI_QWT_LIBRARY}"
            INTERFACE_INCLUDE_DIRECTORIES "${ZRI_QWT_INCLUDE_DIR}"
            INTERFACE_COMPILE_DEFINITIONS ZRI_BENCH_HAVE_QWT)
    else()
        message(STATUS "Qwt not found: its benchmark baselines are left out")
    endif()
endif()
