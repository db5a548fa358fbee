# Installing the three programs with their manual pages (cmake --install, make
# install) and the Debian package that `make package` builds with CPack.
include(GNUInstallDirs)

# `make install` in the build tree must not rebuild as root; the top-level
# Makefile builds first. It also keeps CPack from building while it packs.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

install(TARGETS cairnlog stileline gpx2wayfile RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual pages and the changelog go in compressed, as Debian wants them; -n
# leaves the time stamp out so that the same text gives the same bytes.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(packed_files "")
function(add_packed_file source packed)
  add_custom_command(OUTPUT ${packed}
                     COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${source} > ${packed}
                     DEPENDS ${source}
                     COMMENT "Compressing ${source}")
  set(packed_files ${packed_files} ${packed} PARENT_SCOPE)
endfunction()

# Each page takes its program's version as CMake configures it into man/:
# cairnlog's here, from the project; stileline's and gpx2wayfile's in
# track/ and import/, beside their versions.
configure_file(docs/cairnlog.1.in ${PROJECT_BINARY_DIR}/man/cairnlog.1 @ONLY)
foreach(page cairnlog stileline gpx2wayfile)
  add_packed_file(${PROJECT_BINARY_DIR}/man/${page}.1 ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
  install(FILES ${PROJECT_BINARY_DIR}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The changelog's newest entry carries the project's version, so that the
# package and its changelog always agree.
configure_file(cmake/debian/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
add_packed_file(${PROJECT_BINARY_DIR}/changelog ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz cmake/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
add_custom_target(packed_docs ALL DEPENDS ${packed_files})

# The walker's guide and the examples it talks about, with the guide picture
# where the README's link expects it.
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES docs/guide-page1.png docs/route-card-column.png docs/plan-page.png DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cairnlog)
set(CPACK_PACKAGE_VENDOR "Tessaron Engineering")
set(CPACK_PACKAGE_CONTACT "Tessaron Engineering <packages@tessaron.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "waypoint compiler, track converter and GPX importer for walkers")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "cairnlog reads a plain text list of a walk's waypoints and writes a GPX
waypoint file for a GPS, a tab-delimited report with British or Irish
national grid references, distances and grades for a spreadsheet, and a
PDF Take-Along Guide to print double-sided, laminate and cut into slices.
stileline turns a plain text list of positions into a GPX track, and
gpx2wayfile starts such a list of waypoints from a GPX file.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tessaron.example")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps finds the libraries the programs need (libc, libstdc++, zlib, expat).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
