# cmake -DBUILD_DIR=... -DINCLUDE_ROOT=... -DCMAKE_DIR=... -P CheckHeaders.cmake
# Installs the dev component of the build into a scratch prefix and checks its headers (see
# cmake/ZriCheckHeaders.cmake): a quick look before the packaging test builds anything.
cmake_minimum_required(VERSION 3.16)
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/ZriScratchDir.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/ZriCheckHeaders.cmake")
zri_scratch_dir(prefix zri-headers)
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
    --component dev OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installing the dev component failed")
endif()
zri_check_installed_headers("${prefix}/${INCLUDE_ROOT}" "${prefix}/${CMAKE_DIR}")
file(REMOVE_RECURSE "${prefix}")
