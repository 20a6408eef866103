# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Tovalin developers
# The Debian package: `cpack -G DEB` in the build directory. It installs under /usr
# exactly what `cmake --install` lays out, and depends on the tools the program runs
# and, through dpkg-shlibdeps, on the libraries it links. The maintainer is whoever builds
# the package, found when it is built (cmake/PackageMaintainer.cmake).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovalin)
set(CPACK_PACKAGE_VENDOR "The Tovalin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ringtone maker: a section of an MP3 file as an iPhone ringtone")
set(CPACK_PACKAGE_DESCRIPTION
    "Tovalin cuts a section of up to 40 seconds out of an MP3 file, fades it in\n\
and out, and saves it as an AAC ringtone in an MPEG-4 container (.m4r) that an\n\
iPhone takes. The work is done on the computer by mp3splt, SoX and FFmpeg.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
if(TOVALIN_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TOVALIN_HOMEPAGE}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The splitter, the fader with its MP3 support, the converter, the window font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "mp3splt, sox, libsox-fmt-mp3, ffmpeg, fonts-wine")
# Opening the input file and the output's folder goes through the desktop's handlers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Read by the scripts CPack runs when it builds the package.
set(CPACK_TOVALIN_SOURCE_DIR ${CMAKE_SOURCE_DIR})
set(CPACK_TOVALIN_RELEASE_DATE ${TOVALIN_RELEASE_DATE})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/PackageMaintainer.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/PackageDocuments.cmake)
include(CPack)
