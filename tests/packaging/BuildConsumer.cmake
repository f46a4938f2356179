# cmake -DBUILD_DIR=... -DEXAMPLES_DIR=... -DPACKAGE=... -DPLUGIN_DIR=... [-DCXX_FLAGS=...]
#       -P BuildConsumer.cmake
# Installs the build into a scratch prefix, then configures, builds and runs every example
# project against the installed package. Everything happens in a new folder of the system's
# temporary directory (the examples' widgets write a translation file beside the installed
# library when they exit), which is removed after a successful run and kept for a look after
# a failed one.
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/ZriScratchDir.cmake")
zri_scratch_dir(WORK_DIR zri-packaging)
set(prefix "${WORK_DIR}/prefix")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n(kept for a look: ${WORK_DIR})")
    endif()
endfunction()

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
file(GLOB plugins "${prefix}/${PLUGIN_DIR}/*ZuRaradirIzurodudozDesigner*")
if(NOT plugins)
    message(FATAL_ERROR "the Designer plugin was not installed under ${prefix}/${PLUGIN_DIR}")
endif()
foreach(example consumer designer-form)
    set(build "${WORK_DIR}/${example}")
    run(${CMAKE_COMMAND} -S "${EXAMPLES_DIR}/${example}" -B "${build}"
        "-DCMAKE_PREFIX_PATH=${prefix}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DZRI_PACKAGE=${PACKAGE}")
    run(${CMAKE_COMMAND} --build "${build}" -j2)
    run("${build}/${example}")
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
