# Runs at install time (cmake --install, cpack): writes the manual pages with the paths of the
# prefix actually installed to (the Debian package installs to /usr whatever the build was
# configured with), compresses them and the changelog as Debian wants (gzip -9n: best compression,
# no time stamp), and installs them. Expects KALMIRA_PACKAGING_SOURCE_DIR,
# KALMIRA_PACKAGING_BINARY_DIR, KALMIRA_VERSION, KALMIRA_DATADIR, KALMIRA_MANDIR and KALMIRA_DOCDIR
# (the last three relative to the prefix).
find_program(KALMIRA_GZIP gzip REQUIRED)

set(PROJECT_VERSION "${KALMIRA_VERSION}")
if(IS_ABSOLUTE "${KALMIRA_DATADIR}")
  set(CMAKE_INSTALL_FULL_DATADIR "${KALMIRA_DATADIR}")
else()
  set(CMAKE_INSTALL_FULL_DATADIR "${CMAKE_INSTALL_PREFIX}/${KALMIRA_DATADIR}")
endif()

# One working folder per destination, so that installs running at once (cpack and a test's install
# into a temporary prefix) do not write each other's pages.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(out "${KALMIRA_PACKAGING_BINARY_DIR}/install-${destination}")
file(MAKE_DIRECTORY "${out}")

function(kalmira_gzip source target)
  execute_process(COMMAND "${KALMIRA_GZIP}" -9 -n -c "${source}" OUTPUT_FILE "${target}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip failed on ${source}")
  endif()
endfunction()

set(pages "")
foreach(page kalmira kalmira-cli)
  configure_file("${KALMIRA_PACKAGING_SOURCE_DIR}/${page}.1.in" "${out}/${page}.1" @ONLY)
  kalmira_gzip("${out}/${page}.1" "${out}/${page}.1.gz")
  list(APPEND pages "${out}/${page}.1.gz")
endforeach()
file(INSTALL ${pages} DESTINATION "${CMAKE_INSTALL_PREFIX}/${KALMIRA_MANDIR}/man1"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

kalmira_gzip("${KALMIRA_PACKAGING_SOURCE_DIR}/changelog" "${out}/changelog.gz")
file(INSTALL "${out}/changelog.gz" DESTINATION "${CMAKE_INSTALL_PREFIX}/${KALMIRA_DOCDIR}"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(REMOVE_RECURSE "${out}")
