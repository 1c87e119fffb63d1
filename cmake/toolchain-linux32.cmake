# 32-bit Linux (i686) with the native GCC and -m32; programs run through
# qemu-i386, as this machine's kernel cannot run them itself. The libraries
# come from build/deps/linux32/prefix (scripts/build-linux32-deps), never from
# the 64-bit system.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/qemu-run)

get_filename_component(_vorlan_linux32_prefix ${CMAKE_CURRENT_LIST_DIR}/../build/deps/linux32/prefix ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH ${_vorlan_linux32_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
