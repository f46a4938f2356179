# Helpers that keep the per-folder CMakeLists files short: each folder lists its own files,
# and the library target, the umbrella header and the package files are assembled here.

set(ZRI_GENERATED_INCLUDE_ROOT "${CMAKE_BINARY_DIR}/include")
set(ZRI_GENERATED_INCLUDE_DIR "${ZRI_GENERATED_INCLUDE_ROOT}/ZuRaradirIzurodudoz")
set(CMAKE_INSTALL_RPATH "\$ORIGIN")

define_property(GLOBAL PROPERTY ZRI_PUBLIC_HEADERS
    BRIEF_DOCS "Public headers installed flat under include/ZuRaradirIzurodudoz"
    FULL_DOCS "Absolute paths of every installed header, in the order they were declared")
define_property(GLOBAL PROPERTY ZRI_SEPARATE_HEADERS
    BRIEF_DOCS "Public headers that the umbrella header leaves out"
    FULL_DOCS "Installed headers that an application includes by name when it needs them")

function(_zri_register_headers)
    foreach(header IN LISTS ARGN)
        get_filename_component(abs "${header}" ABSOLUTE)
        set_property(GLOBAL APPEND PROPERTY ZRI_PUBLIC_HEADERS "${abs}")
    endforeach()
endfunction()

# Installed, but left out of the umbrella header: heavy (Boost.Spirit) or needed by few.
function(_zri_register_separate_headers)
    _zri_register_headers(${ARGN})
    foreach(header IN LISTS ARGN)
        get_filename_component(abs "${header}" ABSOLUTE)
        set_property(GLOBAL APPEND PROPERTY ZRI_SEPARATE_HEADERS "${abs}")
    endforeach()
endfunction()

# Shared libraries go to the runtime package, their development links to the dev package.
function(_zri_install_target target)
    install(TARGETS ${target} EXPORT ZuRaradirIzurodudozTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
        INCLUDES DESTINATION ${ZRI_INSTALL_INCLUDE_ROOT})
endfunction()

# A stand-in for one of the product family's outside libraries: its own shared library with
# its own export header (<EXPORT_HEADER>, macro <BASE_NAME>_EXPORT).
#   zri_add_platform_library(NAME FenraStrings BASE_NAME FENRA_STRINGS EXPORT_HEADER FenraStringsExport.h
#                            HEADERS ... SOURCES ... [PUBLIC_LINK ...] [PRIVATE_LINK ...])
function(zri_add_platform_library)
    cmake_parse_arguments(ARG "" "NAME;BASE_NAME;EXPORT_HEADER" "HEADERS;SOURCES;PUBLIC_LINK;PRIVATE_LINK" ${ARGN})
    add_library(${ARG_NAME} SHARED ${ARG_HEADERS} ${ARG_SOURCES})
    add_library(ZuRaradirIzurodudoz::${ARG_NAME} ALIAS ${ARG_NAME})
    generate_export_header(${ARG_NAME} BASE_NAME ${ARG_BASE_NAME}
        EXPORT_FILE_NAME "${ZRI_GENERATED_INCLUDE_DIR}/${ARG_EXPORT_HEADER}")
    target_include_directories(${ARG_NAME} PUBLIC
        "$<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>"
        "$<BUILD_INTERFACE:${ZRI_GENERATED_INCLUDE_DIR}>"
        "$<INSTALL_INTERFACE:${ZRI_INSTALL_INCLUDE_ROOT}>")
    target_link_libraries(${ARG_NAME} PUBLIC ${ARG_PUBLIC_LINK} PRIVATE ${ARG_PRIVATE_LINK})
    set_target_properties(${ARG_NAME} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
    zri_set_output_name(${ARG_NAME} ${ARG_NAME})
    _zri_register_separate_headers(${ARG_HEADERS} "${ZRI_GENERATED_INCLUDE_DIR}/${ARG_EXPORT_HEADER}")
    _zri_install_target(${ARG_NAME})
endfunction()

# A header-only stand-in.
function(zri_add_platform_interface)
    cmake_parse_arguments(ARG "" "NAME" "HEADERS;PUBLIC_LINK" ${ARGN})
    add_library(${ARG_NAME} INTERFACE)
    add_library(ZuRaradirIzurodudoz::${ARG_NAME} ALIAS ${ARG_NAME})
    target_include_directories(${ARG_NAME} INTERFACE
        "$<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>"
        "$<INSTALL_INTERFACE:${ZRI_INSTALL_INCLUDE_ROOT}>")
    target_link_libraries(${ARG_NAME} INTERFACE ${ARG_PUBLIC_LINK})
    _zri_register_separate_headers(${ARG_HEADERS})
    _zri_install_target(${ARG_NAME})
endfunction()

# The widget library is compiled once into an object library. The shared library is what users
# get; the static twin exists only so that white-box tests can reach the internal (hidden)
# helpers. A test links one of the two, never both.
function(zri_create_library)
    add_library(ZuRaradirIzurodudozObjects OBJECT)
    target_compile_definitions(ZuRaradirIzurodudozObjects PRIVATE ZuRaradirIzurodudoz_EXPORTS)
    target_include_directories(ZuRaradirIzurodudozObjects PUBLIC
        "$<BUILD_INTERFACE:${ZRI_GENERATED_INCLUDE_DIR}>"
        "$<BUILD_INTERFACE:${ZRI_GENERATED_INCLUDE_ROOT}>")

    add_library(ZuRaradirIzurodudoz SHARED $<TARGET_OBJECTS:ZuRaradirIzurodudozObjects>)
    add_library(ZuRaradirIzurodudoz::ZuRaradirIzurodudoz ALIAS ZuRaradirIzurodudoz)
    set_target_properties(ZuRaradirIzurodudoz PROPERTIES EXPORT_NAME ${ZRI_PACKAGE}
        VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
    zri_set_output_name(ZuRaradirIzurodudoz ZuRaradirIzurodudoz)
    target_include_directories(ZuRaradirIzurodudoz PUBLIC
        "$<BUILD_INTERFACE:${ZRI_GENERATED_INCLUDE_DIR}>"
        "$<BUILD_INTERFACE:${ZRI_GENERATED_INCLUDE_ROOT}>"
        "$<INSTALL_INTERFACE:${ZRI_INSTALL_INCLUDE_ROOT}>")
    generate_export_header(ZuRaradirIzurodudoz BASE_NAME ZRI
        EXPORT_FILE_NAME "${ZRI_GENERATED_INCLUDE_DIR}/ZuRaradirIzurodudozExport.h")

    add_library(ZuRaradirIzurodudozInternal STATIC EXCLUDE_FROM_ALL $<TARGET_OBJECTS:ZuRaradirIzurodudozObjects>)
    target_include_directories(ZuRaradirIzurodudozInternal PUBLIC
        "${ZRI_GENERATED_INCLUDE_DIR}" "${ZRI_GENERATED_INCLUDE_ROOT}")

    zri_library_link(PUBLIC ${ZRI_QT}::Core ${ZRI_QT}::Gui ${ZRI_QT}::Widgets Boost::headers)
endfunction()

# Link requirements of the widget library, applied to the objects and to both libraries.
#   zri_library_link(PUBLIC FenraStrings PRIVATE Boost::thread)
function(zri_library_link)
    cmake_parse_arguments(ARG "" "" "PUBLIC;PRIVATE" ${ARGN})
    target_link_libraries(ZuRaradirIzurodudozObjects PUBLIC ${ARG_PUBLIC} ${ARG_PRIVATE})
    target_link_libraries(ZuRaradirIzurodudoz PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
    target_link_libraries(ZuRaradirIzurodudozInternal PUBLIC ${ARG_PUBLIC} ${ARG_PRIVATE})
endfunction()

# Files of one library folder. HEADERS are public (installed, listed in the umbrella header);
# SEPARATE_HEADERS are installed but left out of the umbrella; SOURCES hold the implementation
# and the private headers.
#   zri_library_sources(HEADERS ArrowButton.h SOURCES ArrowButton.cpp ArrowGeometry.h)
function(zri_library_sources)
    cmake_parse_arguments(ARG "" "" "HEADERS;SEPARATE_HEADERS;SOURCES" ${ARGN})
    set(files)
    foreach(f IN LISTS ARG_HEADERS ARG_SEPARATE_HEADERS ARG_SOURCES)
        get_filename_component(abs "${f}" ABSOLUTE)
        list(APPEND files "${abs}")
    endforeach()
    target_sources(ZuRaradirIzurodudozObjects PRIVATE ${files})
    target_include_directories(ZuRaradirIzurodudozObjects PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")
    target_include_directories(ZuRaradirIzurodudoz PUBLIC "$<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>")
    target_include_directories(ZuRaradirIzurodudozInternal PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")
    _zri_register_headers(${ARG_HEADERS})
    _zri_register_separate_headers(${ARG_SEPARATE_HEADERS})
endfunction()

# Writes the version and umbrella headers, mirrors the installed header folder in the build
# tree, installs the library, the headers and the CMake package.
function(zri_finish_library)
    configure_file("${PROJECT_SOURCE_DIR}/cmake/Version.h.in" "${ZRI_GENERATED_INCLUDE_DIR}/Version.h" @ONLY)
    get_property(headers GLOBAL PROPERTY ZRI_PUBLIC_HEADERS)
    get_property(separate GLOBAL PROPERTY ZRI_SEPARATE_HEADERS)
    list(APPEND headers "${ZRI_GENERATED_INCLUDE_DIR}/Version.h"
        "${ZRI_GENERATED_INCLUDE_DIR}/ZuRaradirIzurodudozExport.h")
    list(REMOVE_DUPLICATES headers)
    set(includes "")
    foreach(h IN LISTS headers)
        get_filename_component(name "${h}" NAME)
        if(NOT h IN_LIST separate)
            string(APPEND includes "#include \"${name}\"\n")
        endif()
        # <ZuRaradirIzurodudoz/X.h> finds the same files in the build tree as after installation.
        if(NOT h MATCHES "^${ZRI_GENERATED_INCLUDE_DIR}/")
            file(CREATE_LINK "${h}" "${ZRI_GENERATED_INCLUDE_DIR}/${name}" COPY_ON_ERROR SYMBOLIC)
        endif()
    endforeach()
    set(umbrella "${ZRI_GENERATED_INCLUDE_DIR}/ZuRaradirIzurodudoz.h")
    file(WRITE "${umbrella}.in"
        "// Generated at configure time: includes every widget, record and helper header of the\n"
        "// library. The parsers (LoggerDefinition.h), the translator lookup (Translate.h) and the\n"
        "// headers of the outside libraries are included by name where they are needed.\n"
        "#pragma once\n\n${includes}")
    configure_file("${umbrella}.in" "${umbrella}" COPYONLY)

    _zri_install_target(ZuRaradirIzurodudoz)
    install(FILES ${headers} "${umbrella}" DESTINATION ${ZRI_INSTALL_INCLUDEDIR} COMPONENT dev)
    install(EXPORT ZuRaradirIzurodudozTargets NAMESPACE ${ZRI_PACKAGE}::
        FILE ${ZRI_PACKAGE}Targets.cmake
        DESTINATION ${ZRI_INSTALL_CMAKEDIR} COMPONENT dev)

    include(CMakePackageConfigHelpers)
    configure_package_config_file("${PROJECT_SOURCE_DIR}/cmake/ZuRaradirIzurodudozConfig.cmake.in"
        "${CMAKE_BINARY_DIR}/${ZRI_PACKAGE}Config.cmake"
        INSTALL_DESTINATION ${ZRI_INSTALL_CMAKEDIR})
    write_basic_package_version_file("${CMAKE_BINARY_DIR}/${ZRI_PACKAGE}ConfigVersion.cmake"
        COMPATIBILITY SameMajorVersion)
    install(FILES "${CMAKE_BINARY_DIR}/${ZRI_PACKAGE}Config.cmake"
        "${CMAKE_BINARY_DIR}/${ZRI_PACKAGE}ConfigVersion.cmake"
        DESTINATION ${ZRI_INSTALL_CMAKEDIR} COMPONENT dev)
endfunction()

# One QTest executable registered with CTest, run on the offscreen platform.
#   zri_add_qtest(NAME foundation SOURCES tst_foundation.cpp [INTERNAL] [LINK ...])
# INTERNAL links the static twin of the library so that hidden helpers are reachable.
function(zri_add_qtest)
    cmake_parse_arguments(ARG "INTERNAL" "NAME;TIMEOUT" "SOURCES;LINK" ${ARGN})
    set(target tst_${ARG_NAME})
    add_executable(${target} ${ARG_SOURCES})
    if(ARG_INTERNAL)
        # Whole: the accessibility factories register themselves at start-up, from objects
        # that nothing else refers to.
        target_link_libraries(${target} PRIVATE
            "$<LINK_LIBRARY:WHOLE_ARCHIVE,ZuRaradirIzurodudozInternal>")
    else()
        target_link_libraries(${target} PRIVATE ZuRaradirIzurodudoz)
    endif()
    target_link_libraries(${target} PRIVATE ZriTestSupport ${ZRI_QT}::Test ${ARG_LINK})
    add_test(NAME ${ARG_NAME} COMMAND ${target})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false;${ZRI_SANITIZER_ENV}")
endfunction()

# Sanitizer settings for every test process: full stacks (Qt itself has no frame pointers, so
# suppressions need them) and the suppressions of known leaks inside Qt; under ThreadSanitizer
# any report fails the test, and the suppressions cover reports inside Qt's own libraries.
if(ZRI_SANITIZE STREQUAL "thread")
    set(ZRI_SANITIZER_ENV
        "TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1:suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp")
elseif(ZRI_SANITIZE)
    set(ZRI_SANITIZER_ENV
        "ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:abort_on_error=1"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
else()
    set(ZRI_SANITIZER_ENV "")
endif()
