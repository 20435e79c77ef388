# Installation: both programs live in one private folder together with the
# files they look for beside their executables (Help/, imagens/, index.htm);
# bin/ holds relative symbolic links to them, and the desktop entries, icons
# and AppStream metadata go where desktops look for them.
include(GNUInstallDirs)

set(TAVESSA_INSTALL_APPDIR "${CMAKE_INSTALL_LIBDIR}/tavessa" CACHE STRING
    "Folder, relative to the prefix, that holds the executables and their files")
set(TAVESSA_APP_ID "org.tavessa.Tavessa")
set(LUMENTA_APP_ID "org.tavessa.Lumenta")

install(TARGETS tavessa lumenta RUNTIME DESTINATION ${TAVESSA_INSTALL_APPDIR})
# Hidden files (placeholders that keep a folder in git) stay behind.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Help/ DESTINATION ${TAVESSA_INSTALL_APPDIR}/Help
        PATTERN ".*" EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/imagens/ DESTINATION ${TAVESSA_INSTALL_APPDIR}/imagens
        PATTERN ".*" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/helpviewer/index.htm DESTINATION ${TAVESSA_INSTALL_APPDIR})
# The compile, debugger and try-it helpers, which Tavessa finds beside itself.
install(FILES ${CMAKE_BINARY_DIR}/tavessa-compiler.jar ${CMAKE_BINARY_DIR}/tavessa-debugger.jar
              ${CMAKE_BINARY_DIR}/tavessa-shell.jar
        DESTINATION ${TAVESSA_INSTALL_APPDIR})

# The links are relative, so the tree works under any prefix and in a package.
# The programs find their files through the real executable's folder, which
# the kernel reports with the links already resolved.
file(RELATIVE_PATH tavessa_bin_to_app /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${TAVESSA_INSTALL_APPDIR})
set(tavessa_links_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${tavessa_links_dir})
foreach(program tavessa lumenta)
    file(CREATE_LINK ${tavessa_bin_to_app}/${program} ${tavessa_links_dir}/${program} SYMBOLIC)
    install(FILES ${tavessa_links_dir}/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# Desktop entries, icons in every size, AppStream metadata.
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${packaging}/${TAVESSA_APP_ID}.desktop ${packaging}/${LUMENTA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${TAVESSA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(pair tavessa:${TAVESSA_APP_ID} lumenta:${LUMENTA_APP_ID})
    string(REPLACE ":" ";" pair "${pair}")
    list(GET pair 0 icon_file)
    list(GET pair 1 icon_name)
    foreach(size 16 32 48 64 128 256)
        install(FILES ${packaging}/icons/${icon_file}-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${icon_name}.png)
    endforeach()
    install(FILES ${packaging}/icons/${icon_file}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${icon_name}.svg)
endforeach()

# `cmake --build <build> --target uninstall` removes what the last direct
# install wrote. Its list is kept apart from install_manifest.txt, which
# cpack overwrites with the package's own staging install (DESTDIR set).
set(tavessa_installed_list ${CMAKE_BINARY_DIR}/tavessa-installed-files.txt)
install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
        list(JOIN CMAKE_INSTALL_MANIFEST_FILES \"\\n\" tavessa_files)
        file(WRITE \"${tavessa_installed_list}\" \"\${tavessa_files}\\n\")
    endif()")
add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${tavessa_installed_list}
            -DAPPDIR=${TAVESSA_INSTALL_APPDIR} -P ${CMAKE_SOURCE_DIR}/cmake/Uninstall.cmake
    COMMENT "Removing the files of the last installation")

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
