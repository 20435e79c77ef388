# Removes every file listed in the list of installed files, then the folders of the
# program's own tree that this leaves empty. Run with
#   cmake -DMANIFEST=<build>/tavessa-installed-files.txt -DAPPDIR=<relative app folder> -P Uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "Nada a desinstalar: ${MANIFEST} não existe (instale antes com make install).")
endif()

file(STRINGS "${MANIFEST}" installed)
set(app_root "")
foreach(path ${installed})
    if(IS_SYMLINK "${path}" OR EXISTS "${path}")
        message(STATUS "Removendo ${path}")
        file(REMOVE "${path}")
    endif()
    # The private folder is the one whose path ends with APPDIR.
    if(NOT app_root AND APPDIR)
        string(FIND "${path}" "/${APPDIR}/" at)
        if(at GREATER -1)
            string(LENGTH "/${APPDIR}" length)
            math(EXPR end "${at} + ${length}")
            string(SUBSTRING "${path}" 0 ${end} app_root)
        endif()
    endif()
endforeach()

# Only empty folders go, deepest first: anything a user put there stays.
if(app_root AND IS_DIRECTORY "${app_root}")
    file(GLOB_RECURSE entries LIST_DIRECTORIES true "${app_root}/*")
    list(SORT entries ORDER DESCENDING)
    foreach(folder ${entries} "${app_root}")
        if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}")
            file(GLOB left LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")
            if(NOT left)
                file(REMOVE_RECURSE "${folder}")
            endif()
        endif()
    endforeach()
endif()
