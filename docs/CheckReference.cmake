# cmake -DBUILD_DIR=<build folder> -P CheckReference.cmake
# Builds the API reference and reads it as a user would: the members an application needs to
# derive from or to call are on their class pages, the translator's internals have no page of
# their own, and every picture of the main page is there.
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BUILD_DIR}" --target docs
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the docs target failed:\n${output}")
endif()
set(html "${BUILD_DIR}/docs/html")

# Class page (end of its file name), "|", and the members it must show, separated by ",".
set(pages
    "ZuRaradirIzurodudoz_1_1CHistogramDisplayBase|_HScrollSlot,_VScrollSlot,m_oHScrollBar,m_oVScrollBar"
    "ZuRaradirIzurodudoz_1_1CTrendDisplayBase|_HScrollSlot,_VScrollSlot"
    "ZuRaradirIzurodudoz_1_1SDataListMode|m_oColor,m_nValue,m_eDisplayMode,m_sLabel"
    "ZuRaradirIzurodudoz_1_1CArrowButton|GetMode,GetFitMode,SetMode"
    "ZuRaradirIzurodudoz_1_1CMediaButton|GetMode,IsOn,_BlinkSlot,m_oBlinkTimer"
    "ZuRaradirIzurodudoz_1_1CLoggerDefinitionsEdit|GetLoggerDefinitions,OnDefinitionsChanged,CLoggerDefinitionsEdit</a> (const std::vector"
    "ZuRaradirIzurodudoz_1_1CBarBase|_GetFooterFont,NeedMinMax"
    "Color_1_1CRGBColor|GetRed,SetBlue"
    "Internationalisation_1_1CTranslatorRegistry|SetLanguage,SetOutputDirectory")
foreach(entry IN LISTS pages)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 page)
    list(GET entry 1 members)
    string(REPLACE "," ";" members "${members}")
    file(GLOB found "${html}/*${page}.html")
    if(NOT found)
        message(FATAL_ERROR "the reference has no page ending in ${page}.html")
    endif()
    file(READ "${found}" text)
    foreach(member IN LISTS members)
        string(FIND "${text}" "${member}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${found} does not show ${member}")
        endif()
    endforeach()
endforeach()

foreach(internal IN ITEMS CTranslatorData CTranslatorBase CTranslatorFile CTranslator_ _1_1Detail
                          CTranslatorRegistryClient)
    file(GLOB found "${html}/class*${internal}*.html" "${html}/struct*${internal}*.html"
        "${html}/namespace*${internal}*.html")
    if(found)
        message(FATAL_ERROR "an internal has a page of its own: ${found}")
    endif()
endforeach()

# The lookup of the library's own texts is no API either: its header is not in the file list
# (read from the list, which every build writes anew: an older build's page may linger).
file(READ "${html}/files.html" files)
string(FIND "${files}" "Translate_8h.html" at)
if(NOT at EQUAL -1)
    message(FATAL_ERROR "the reference lists the translator's lookup, Translate.h")
endif()

file(READ "${html}/index.html" index)
string(REGEX MATCHALL "<img src=\"[^\"]*\"" pictures "${index}")
list(LENGTH pictures count)
if(count LESS 6)
    message(FATAL_ERROR "the main page shows ${count} pictures, the README has 6")
endif()
foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "<img src=\"([^\"]*)\"" "\\1" file "${picture}")
    if(NOT EXISTS "${html}/${file}")
        message(FATAL_ERROR "the main page shows ${file}, which is not in ${html}")
    endif()
endforeach()
