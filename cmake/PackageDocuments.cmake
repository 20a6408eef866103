# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Tovalin developers
# Run by cpack on the staged package before it is packed: what Debian's policy wants beside
# the files `cmake --install` lays out. The changelog, signed by the maintainer, compressed
# as Debian's tools compress it; the program without the sections dh_strip removes.
set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(TOVALIN_MAINTAINER "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
execute_process(COMMAND date -u -R -d "${CPACK_TOVALIN_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TOVALIN_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(doc "${usr}/share/doc/tovalin")
configure_file("${CPACK_TOVALIN_SOURCE_DIR}/resources/doc/changelog.in" "${doc}/changelog" @ONLY)
execute_process(COMMAND gzip -9nf "${doc}/changelog" COMMAND_ERROR_IS_FATAL ANY)
file(GLOB programs "${usr}/libexec/tovalin/tovalin")
foreach(program IN LISTS programs)
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note "${program}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
