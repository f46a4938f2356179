# cmake -DGALLERY=<zri-gallery> -P Screenshots.cmake
# Runs the gallery's screenshot mode three times (every page; the layouts page dark at ratio 2;
# every page in German) into a new folder of the system's temporary directory and checks that
# each page gave a picture. The German run must find every text it shows in the translation
# shipped with the library: a text missing there would be recorded into a German file.
include("${CMAKE_CURRENT_LIST_DIR}/../cmake/ZriScratchDir.cmake")
zri_scratch_dir(dir zri-gallery)

# The library writes the texts it showed into a translation file at exit; it goes to the same
# folder, not beside the library.
# The German run records into a folder of its own, which must stay empty: a text recorded there
# is missing from the shipped translation, or the language did not arrive.
file(MAKE_DIRECTORY "${dir}/german")
foreach(arguments IN ITEMS "--screenshot;${dir};--translations;${dir}"
        "--dark;--scale;2;--page;10-layouts;--screenshot;${dir};--translations;${dir}"
        "--language;German;--screenshot;${dir};--translations;${dir}/german")
    execute_process(COMMAND "${GALLERY}" ${arguments} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "zri-gallery ${arguments} failed (${result}); pictures kept in ${dir}")
    endif()
endforeach()

file(GLOB recorded "${dir}/german/*")
if(recorded)
    list(GET recorded 0 first)
    file(READ "${first}" missing)
    message(FATAL_ERROR "the German gallery recorded texts, not found in German:\n${missing}")
endif()

file(GLOB pictures "${dir}/*.png")
list(LENGTH pictures count)
if(count LESS 11 OR NOT EXISTS "${dir}/10-layouts-dark.png" OR NOT EXISTS "${dir}/11-texts-german.png")
    message(FATAL_ERROR "expected every page, a dark layouts page and German pages, found ${count} pictures in ${dir}")
endif()
foreach(picture IN LISTS pictures)
    file(SIZE "${picture}" size)
    if(size LESS 1000)
        message(FATAL_ERROR "${picture} is nearly empty (${size} bytes)")
    endif()
endforeach()
file(REMOVE_RECURSE "${dir}")
