# 32-bit x86 (i686) build on a Debian 12 amd64 machine, against Debian's
# multiarch i386 packages (qtbase5-dev:i386, libarchive-dev:i386,
# libicu-dev:i386, libgtest-dev:i386) with the cross compiler
# g++-i686-linux-gnu. moc and rcc are the host's (the i386 Qt configuration
# names them), and so is lrelease.
#
# Only compilers and paths: this file is read again for every try_compile.
# scripts/build-i686 installs the packages, names the host's linguist tools
# (Qt5LinguistTools_DIR) and, where the kernel cannot run 32-bit programs,
# qemu-i386 as CMAKE_CROSSCOMPILING_EMULATOR; then it builds into
# build-i686/ and runs the unit tests.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
# Libraries and package configurations from /usr/lib/i386-linux-gnu.
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
