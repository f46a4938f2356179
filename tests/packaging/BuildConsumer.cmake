# cmake -DBUILD_DIR=... -DEXAMPLES_DIR=... -DPACKAGE=... -DPLUGIN_DIR=... -DINCLUDE_ROOT=...
#       -DCMAKE_DIR=... -DCLASH_DIR=... [-DCXX_FLAGS=...] -P BuildConsumer.cmake
# Makes the Debian packages of the build, checks them with dpkg-deb (and lintian, when it is
# installed), unpacks them into a scratch root and builds every example project against that
# root, each with the application headers of CLASH_DIR (named like ours) on its include path;
# then runs the Designer form example with the runtime packages alone unpacked.
# Without cpack's DEB tools the build is installed into the scratch root instead. Everything
# happens in a new folder of the system's temporary directory (the examples' widgets write a
# translation file beside the installed library when they exit), which is removed after a
# successful run and kept for a look after a failed one.
cmake_minimum_required(VERSION 3.16)
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/ZriScratchDir.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/ZriCheckHeaders.cmake")
zri_scratch_dir(WORK_DIR zri-packaging)
set(prefix "${WORK_DIR}/root/usr")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n(kept for a look: ${WORK_DIR})")
    endif()
endfunction()

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(LINTIAN lintian)
if(DPKG_DEB AND DPKG_SHLIBDEPS)
    get_filename_component(cpack "${CMAKE_COMMAND}" DIRECTORY)
    run("${cpack}/cpack" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}/debs")
    file(GLOB debs "${WORK_DIR}/debs/*.deb")
    list(LENGTH debs count)
    if(count LESS 3)
        message(FATAL_ERROR "expected the runtime, dev and designer packages, got: ${debs}")
    endif()
    # What each package must hold, by the end of its name; the runtime package holds no headers.
    set(expect_dev "/ZuRaradirIzurodudoz\\.h\n" "Config\\.cmake\n")
    set(expect_designer "/designer/lib[^\n]*Designer[^\n]*\\.so\n")
    set(expect_runtime "/libZuRaradirIzurodudoz[^/\n]*\\.so\\.[0-9]+\\.[0-9]+\\.[0-9]+\n"
        "/libZuRaradirIzurodudozForms[^/\n]*\\.so\\.[0-9]+\\.[0-9]+\\.[0-9]+\n")
    foreach(deb IN LISTS debs)
        run("${DPKG_DEB}" --info "${deb}")
        execute_process(COMMAND "${DPKG_DEB}" --field "${deb}" Package OUTPUT_VARIABLE name
            OUTPUT_STRIP_TRAILING_WHITESPACE)
        execute_process(COMMAND "${DPKG_DEB}" --contents "${deb}" OUTPUT_VARIABLE contents)
        string(REGEX MATCH "(dev|designer)$" kind "${name}")
        if(NOT kind)
            set(kind runtime)
        endif()
        foreach(expected IN LISTS expect_${kind})
            if(NOT contents MATCHES "${expected}" OR (kind STREQUAL "runtime" AND contents MATCHES "/include/"))
                message(FATAL_ERROR "${name} does not hold what its name promises:\n${contents}")
            endif()
        endforeach()
        run("${DPKG_DEB}" -x "${deb}" "${WORK_DIR}/root")
        if(kind STREQUAL "runtime")
            list(APPEND runtime_debs "${deb}")
        endif()
    endforeach()
    if(LINTIAN)
        run("${LINTIAN}" --fail-on error ${debs})
    endif()
else()
    message(STATUS "dpkg-deb or dpkg-shlibdeps missing: checking a plain installation")
    run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
endif()

file(GLOB plugins "${prefix}/${PLUGIN_DIR}/*ZuRaradirIzurodudozDesigner*")
if(NOT plugins)
    message(FATAL_ERROR "the Designer plugin was not installed under ${prefix}/${PLUGIN_DIR}")
endif()
zri_check_installed_headers("${prefix}/${INCLUDE_ROOT}" "${prefix}/${CMAKE_DIR}")
foreach(example consumer designer-form)
    set(build "${WORK_DIR}/${example}")
    run(${CMAKE_COMMAND} -S "${EXAMPLES_DIR}/${example}" -B "${build}"
        "-DCMAKE_PREFIX_PATH=${prefix}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS} -I${CLASH_DIR}"
        "-DZRI_PACKAGE=${PACKAGE}")
    run(${CMAKE_COMMAND} --build "${build}" -j2)
    run("${build}/${example}")
endforeach()

# What a user installs to run such an application: the runtime packages alone, unpacked at the
# same place, so that the examples find their libraries where they were linked. The Designer
# form example links the Forms library.
if(runtime_debs)
    file(REMOVE_RECURSE "${WORK_DIR}/root")
    foreach(deb IN LISTS runtime_debs)
        run("${DPKG_DEB}" -x "${deb}" "${WORK_DIR}/root")
    endforeach()
    run("${WORK_DIR}/designer-form/designer-form")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
