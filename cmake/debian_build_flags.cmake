# A release build takes the flags a Debian package build takes, from
# dpkg-buildflags where it is installed: fortified libc calls, the strong
# stack protector, format checks, and relocations made read-only and
# resolved at load time (relro, now). Every hardening feature is asked for;
# DEB_BUILD_MAINT_OPTIONS, when set, comes after and may take some back.
# The release flags come after these, so that its -O3 is kept over -O2.
set(DEBIAN_HARDENED OFF)
if(CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT SANITIZE AND NOT FUZZ)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(COMMAND ${CMAKE_COMMAND} -E env
                              "DEB_BUILD_MAINT_OPTIONS=hardening=+all $ENV{DEB_BUILD_MAINT_OPTIONS}"
                              ${DPKG_BUILDFLAGS} --get ${kind}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                      OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    string(PREPEND CMAKE_CXX_FLAGS "${debian_CPPFLAGS} ${debian_CXXFLAGS} ")
    string(PREPEND CMAKE_EXE_LINKER_FLAGS "${debian_LDFLAGS} ")
    set(DEBIAN_HARDENED ON)
    message(STATUS "Flags from dpkg-buildflags: ${debian_CPPFLAGS} ${debian_CXXFLAGS} ${debian_LDFLAGS}")
  endif()
endif()
