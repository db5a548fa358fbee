# Toolchain file for 32-bit x86 (Debian's i386) on a 64-bit x86 Debian host:
# g++-multilib's -m32, and the i386 libraries of Debian's multiarch
# (zlib1g-dev:i386, libexpat1-dev:i386) where they are installed.
#   cmake -S . -B build/m32 --toolchain cmake/m32.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
