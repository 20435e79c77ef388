# The Debian package, built with `cpack -G DEB` in the build folder.
set(TAVESSA_MAINTAINER "Equipe Tavessa <tavessa@example.org>" CACHE STRING
    "Maintainer written into the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavessa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Equipe Tavessa")
set(CPACK_PACKAGE_CONTACT "${TAVESSA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ambiente de ensino de Java para iniciantes")
# The long description; CPack indents it and puts the summary line above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"O Tavessa é um ambiente de ensino da linguagem Java para estudantes que
escrevem os seus primeiros programas: programas de console, janelas AWT e
Swing, applets e páginas JSP. Toda a interface está em português do Brasil.

Traz um editor que colore o código Java, um editor de formulários Swing que
escreve o código sozinho, mais de duzentos modelos de código prontos, e
compila e executa os programas com o JDK instalado. O programa Lumenta mostra
a ajuda em HTML numa janela separada.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVESSA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The package always installs under /usr, whatever prefix the build was
# configured with.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# Qt's runtime and platform plugin, the editor's fonts, Qt's own Portuguese
# texts for the standard dialogs, a JDK able to run Swing windows, and a
# terminal for running the students' programs.
set(tavessa_depends
    "libqt6core6 (>= 6.4)"
    "libqt6gui6 (>= 6.4)"
    "libqt6widgets6 (>= 6.4)"
    "libqt6printsupport6 (>= 6.4)"
    "fonts-liberation2"
    "qt6-translations-l10n"
    "openjdk-17-jdk | default-jdk"
    "xterm | x-terminal-emulator")
list(JOIN tavessa_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

# Where dpkg-shlibdeps is at hand it adds the exact C and C++ library versions.
find_program(TAVESSA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TAVESSA_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
