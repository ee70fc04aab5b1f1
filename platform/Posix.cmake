# SPDX-License-Identifier: GPL-2.0-or-later
# The POSIX side without Qt: the file system and the folder lock, for the driver and the tools
# as well as the window (and for the fuzzing build, which builds no Qt widgets).
add_library(quibbix_posix STATIC ${CMAKE_CURRENT_LIST_DIR}/FolderLock.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/PosixFileSystem.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/PosixFiles.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/PosixProcess.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/PosixText.cpp)
target_include_directories(quibbix_posix PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quibbix_posix PUBLIC quibbix_engine)
