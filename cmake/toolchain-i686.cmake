# 32-bit x86 (i686) build on a Debian 12 amd64 machine, against Debian's
# multiarch i386 packages (qtbase5-dev:i386, libarchive-dev:i386,
# libicu-dev:i386, libgtest-dev:i386) with the cross compiler
# g++-i686-linux-gnu. moc and rcc are the host's (the i386 Qt configuration
# names them), and so is lrelease. scripts/build-i686 installs all of it,
# builds into build-i686/ and runs the unit tests.
#
# I686_QEMU says how 32-bit programs run (tests and their discovery):
#   AUTO  directly where the kernel runs them, through qemu-i386 otherwise
#   ON    always through qemu-i386
#   OFF   always directly
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
# Libraries and package configurations from /usr/lib/i386-linux-gnu.
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)

# The linguist tools' configuration holds only host programs, so the host's
# serves.
execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH
                OUTPUT_VARIABLE _build_multiarch OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_QUIET)
if(_build_multiarch)
  set(Qt5LinguistTools_DIR /usr/lib/${_build_multiarch}/cmake/Qt5LinguistTools
      CACHE PATH "The host's Qt 5 linguist tools")
endif()

set(I686_QEMU AUTO CACHE STRING "Run 32-bit programs through qemu-i386: AUTO, ON or OFF")
set(_use_qemu ${I686_QEMU})
if(_use_qemu STREQUAL "AUTO")
  # The i386 dynamic loader is itself a 32-bit program: it runs where the
  # kernel runs 32-bit programs, and fails with "Exec format error" elsewhere.
  execute_process(COMMAND /lib/ld-linux.so.2 --version RESULT_VARIABLE _native
                  OUTPUT_QUIET ERROR_QUIET)
  if(_native STREQUAL "0")
    set(_use_qemu OFF)
  else()
    set(_use_qemu ON)
  endif()
endif()
if(_use_qemu)
  find_program(QEMU_I386 qemu-i386)
  if(NOT QEMU_I386)
    message(FATAL_ERROR "32-bit programs need qemu-i386 here (Debian package qemu-user)")
  endif()
  # -L /: the i386 loader and libraries are in the host's multiarch paths.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_I386} -L /)
endif()
