# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Tovalin developers
# Read by cpack when it builds the package: the maintainer is the person building it, taken
# as Debian's own tools take it (DEBFULLNAME and DEBEMAIL, which may also hold
# "Name <address>"), else git's user.name and user.email. Without a name and an address the
# package is not built: an invented address would end up in it.
cmake_policy(SET CMP0054 NEW)
set(name "$ENV{DEBFULLNAME}")
set(address "$ENV{DEBEMAIL}")
if(address MATCHES "^(.*[^ ]) *<([^>]+)>$")
  if(name STREQUAL "")
    set(name "${CMAKE_MATCH_1}")
  endif()
  set(address "${CMAKE_MATCH_2}")
endif()
function(from_git key out)
  execute_process(COMMAND git -C "${CPACK_TOVALIN_SOURCE_DIR}" config ${key}
                  OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
if(name STREQUAL "")
  from_git(user.name name)
endif()
if(address STREQUAL "")
  from_git(user.email address)
endif()
if(name STREQUAL "" OR NOT address MATCHES "^[^ <>@]+@[^ <>@]+$")
  message(FATAL_ERROR "The package needs its maintainer's name and address: set DEBFULLNAME and "
                      "DEBEMAIL (or git's user.name and user.email) to yours.")
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${name} <${address}>")
