# Read by cpack before it makes a package. Without dpkg-shlibdeps CPack would make a .deb without
# its library dependencies and say nothing, so that case stops here.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(KALMIRA_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(NOT KALMIRA_DPKG_SHLIBDEPS)
    message(FATAL_ERROR "dpkg-shlibdeps is missing, so the package's dependencies cannot be computed: "
      "install it with apt-get install dpkg-dev")
  endif()
endif()
