# Read by cpack before it makes a package. The programs look for their data in
# the install prefix that the build was configured with, so a Debian package,
# which installs under /usr, must come from a build configured for /usr.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
  message(FATAL_ERROR
    "The Debian package installs under /usr, but this build folder was configured for "
    "${CPACK_PACKAGING_INSTALL_PREFIX}. Configure a build folder with -DCMAKE_INSTALL_PREFIX=/usr "
    "(scripts/build.sh deb does).")
endif()
