# `cpack -G DEB` in a build configured with -DCMAKE_INSTALL_PREFIX=/usr
# -DZANBORA_DEBIAN_LAYOUT=ON (the `./package` script does both) makes
# zanbora_<version>_<arch>.deb from what `cmake --install` installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zanbora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "role-playing game of the bean folk (ザンボラ戦記)")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A Japanese-language role-playing game seen from above. Name a hero of
the bean folk, answer a trainer's questions to find a job, walk a large
world of fields, caves, towns and dungeons, fight turn-based duels, grow
on the level-up wheel, collect mascot companions, play side games, and
in the end defeat the master of the bean folk's tormentors.
.
The game's texts are in Japanese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zanbora developers <maintainers@users.noreply.c-seed-06c7fe40.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZANBORA_HOMEPAGE})
# The libraries the program links come from dpkg-shlibdeps (FluidSynth among
# them, through SDL_mixer); the font and the soundfont are loaded by path.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, timgm6mb-soundfont")
# SDL draws its message boxes (a save that failed, a second copy) with the X
# server's core fonts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xfonts-base")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
