# zri_scratch_dir(<variable> <name>): a new folder path <tmp>/<name>-<random> in the system's
# temporary directory (TMPDIR when it names a folder), for the scripts that tests run with -P.
function(zri_scratch_dir variable name)
    if(DEFINED ENV{TMPDIR} AND IS_DIRECTORY "$ENV{TMPDIR}")
        set(temp "$ENV{TMPDIR}")
    else()
        set(temp "/tmp")
    endif()
    string(RANDOM LENGTH 10 suffix)
    set(${variable} "${temp}/${name}-${suffix}" PARENT_SCOPE)
endfunction()
