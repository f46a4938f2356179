# cmake -DGALLERY=<zri-gallery> -P Screenshots.cmake
# Runs the gallery's screenshot mode twice (every page; the layouts page dark at ratio 2) into
# a new folder of the system's temporary directory and checks that each page gave a picture.
include("${CMAKE_CURRENT_LIST_DIR}/../cmake/ZriScratchDir.cmake")
zri_scratch_dir(dir zri-gallery)

# The library writes the texts it showed into a translation file at exit; it goes to the same
# folder, not beside the library.
foreach(arguments IN ITEMS "--screenshot;${dir}" "--dark;--scale;2;--page;10-layouts;--screenshot;${dir}")
    execute_process(COMMAND "${GALLERY}" ${arguments} --translations "${dir}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "zri-gallery ${arguments} failed (${result}); pictures kept in ${dir}")
    endif()
endforeach()

file(GLOB pictures "${dir}/*.png")
list(LENGTH pictures count)
if(count LESS 11 OR NOT EXISTS "${dir}/10-layouts-dark.png")
    message(FATAL_ERROR "expected 10 pages and a dark layouts page, found ${count} pictures in ${dir}")
endif()
foreach(picture IN LISTS pictures)
    file(SIZE "${picture}" size)
    if(size LESS 1000)
        message(FATAL_ERROR "${picture} is nearly empty (${size} bytes)")
    endif()
endforeach()
file(REMOVE_RECURSE "${dir}")
