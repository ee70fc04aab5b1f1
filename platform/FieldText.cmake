# SPDX-License-Identifier: GPL-2.0-or-later
# Reading and writing the text of a word list's fields, with ICU for the compact form: for the
# importers, the lists, the windows and the tools alike (and the fuzzing build).
find_package(PkgConfig REQUIRED)
pkg_check_modules(QUIBBIX_ICU_UC REQUIRED IMPORTED_TARGET icu-uc)
add_library(quibbix_field_text STATIC ${CMAKE_CURRENT_LIST_DIR}/FieldText.cpp)
target_include_directories(quibbix_field_text PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quibbix_field_text PUBLIC quibbix_engine PRIVATE PkgConfig::QUIBBIX_ICU_UC)
set_target_properties(quibbix_field_text PROPERTIES POSITION_INDEPENDENT_CODE ON)
