# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for 64-bit ARM Linux (a Raspberry Pi 3, 4 or 5 at a site)
# with Debian's cross compilers and its arm64 libraries installed beside the
# build machine's own (multiarch). Qt's tools (moc, uic, rcc, lrelease) are
# the build machine's: Qt's CMake files name them under /usr/lib/qt6.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# pkg-config's arm64 wrapper finds PortAudio, libsndfile and Hamlib's arm64 files.
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config CACHE FILEPATH "pkg-config for arm64")
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu /usr/lib/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# Tests and the manual pages run under user-mode emulation, named explicitly
# (binfmt is not always there, in containers least of all); TONALIS_EMULATED
# tells a test that checks the process's own limits that they are the
# emulator's. With Debian's arm64 C library installed (multiarch), programs
# run on it, as on a Pi; without it, on the cross compiler's own copy. Never
# both: its loader would take the other's libc from the system's library
# cache, and a forked child then hangs.
if(EXISTS /lib/ld-linux-aarch64.so.1)
  set(CMAKE_CROSSCOMPILING_EMULATOR env TONALIS_EMULATED=1 qemu-aarch64)
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR env TONALIS_EMULATED=1 qemu-aarch64 -L /usr/aarch64-linux-gnu)
endif()
