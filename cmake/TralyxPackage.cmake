# What `cmake --install` puts under a prefix besides the programs and the data files: the libraries
# an application links (src/library), the CMake package Tralyx that exports them, and the .deb files
# that `make package` builds from all of it.
#
# Tralyx::Runtime and Tralyx::Widgets are static: interfaces over the archives of the layers they
# are made of (common, store, runtime; binding), installed with them, so that an application carries
# the Tralyx it was built with. Tralyx::RuntimeShared and Tralyx::WidgetsShared are the same as shared
# libraries with a soname, libtralyx-runtime.so.1 and libtralyx-widgets.so.1 (components
# RuntimeLibrary and WidgetsLibrary, the .deb files libtralyx-runtime1 and libtralyx-widgets1).
# Neither needs more than Qt: the PO export, the merge, the checks and the editor's windows are not
# installed.
include(CMakePackageConfigHelpers)

set(TRALYX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Tralyx)
set(tralyx_installed_layers tralyx_common tralyx_store tralyx_runtime tralyx_binding)
set(tralyx_includes INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The public headers need C++20 (defaulted comparisons): an application that asks for less gets it.
foreach(library IN ITEMS tralyx_library_runtime tralyx_library_widgets)
  target_compile_features(${library} INTERFACE cxx_std_20)
endforeach()
foreach(library IN ITEMS tralyx_library_runtime_shared tralyx_library_widgets_shared)
  target_compile_features(${library} PUBLIC cxx_std_20)
endforeach()
install(TARGETS tralyx_library_runtime tralyx_library_widgets ${tralyx_installed_layers} EXPORT TralyxTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development ${tralyx_includes})
install(TARGETS tralyx_library_runtime_shared EXPORT TralyxTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT RuntimeLibrary NAMELINK_COMPONENT Development ${tralyx_includes})
install(TARGETS tralyx_library_widgets_shared EXPORT TralyxTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT WidgetsLibrary NAMELINK_COMPONENT Development ${tralyx_includes})
install(EXPORT TralyxTargets NAMESPACE Tralyx:: DESTINATION ${TRALYX_CMAKE_DIR} COMPONENT Development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/TralyxConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/TralyxConfig.cmake INSTALL_DESTINATION ${TRALYX_CMAKE_DIR}
  PATH_VARS CMAKE_INSTALL_INCLUDEDIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TralyxConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/TralyxConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/TralyxConfigVersion.cmake
  DESTINATION ${TRALYX_CMAKE_DIR} COMPONENT Development)

# The public headers: each under include/tralyx/<folder>/ as the tree includes it, and a flat
# header include/tralyx/<name>.h that forwards to it, so that applications write
# #include <tralyx/clsTralyx.h>. Installed, each includes the others as <tralyx/folder/name.h>, so
# that an application's own "common/clsCodePage.h" is never taken for ours, nor ours for its own.
# Every header that a public header includes must be public too, or an application's build fails
# on a file it cannot see: checked here, at configure time.
get_property(tralyx_public_headers GLOBAL PROPERTY TRALYX_PUBLIC_HEADERS)
set(tralyx_public_names)
foreach(entry IN LISTS tralyx_public_headers)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 1 relative)
  list(APPEND tralyx_public_names ${relative})
endforeach()
foreach(entry IN LISTS tralyx_public_headers)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 header)
  list(GET entry 1 relative)
  get_filename_component(folder ${relative} DIRECTORY)
  get_filename_component(name ${relative} NAME)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
  file(READ ${header} text)
  string(REGEX REPLACE "#include \"([^\"]+)\"" "#include <tralyx/\\1>" text "${text}")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/installed/${relative} "${text}")
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/installed/${relative} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tralyx/${folder}
          COMPONENT Development)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/forward/${name} "#pragma once\n#include <tralyx/${relative}>\n")
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/forward/${name} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tralyx
          COMPONENT Development)
  file(STRINGS ${header} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
    if(NOT included IN_LIST tralyx_public_names)
      message(FATAL_ERROR "The public header ${header} includes \"${included}\", which is not installed: "
                          "make it public (src/core/CMakeLists.txt, src/qt/CMakeLists.txt) or drop the include.")
    endif()
  endforeach()
endforeach()

# make package: the .deb files tralyx (the programs, the desktop entry, the icon, the AppStream
# metadata, the man pages, the bash completion: what a translator installs), tralyx-dev (the library
# package for application developers) and the shared libraries' libtralyx-runtime1 and
# libtralyx-widgets1. Their dependencies on shared libraries are read from the programs and
# libraries by dpkg-shlibdeps. Each carries its copyright file and changelog (data/), and all pass
# lintian without an error or a warning (tools/test-install.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tralyx)
set(CPACK_PACKAGE_VENDOR "The Tralyx developers")
set(CPACK_PACKAGE_CONTACT "${TRALYX_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Each package's description below starts with its own summary line, so none is put in front.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
# The component Licence (LICENSE beside the CMake package) stays out: the packages' copyright files
# hold the licence.
set(CPACK_COMPONENTS_ALL Runtime Development RuntimeLibrary WidgetsLibrary)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SOURCE tralyx)
# libtralyx-widgets.so.1 needs libtralyx-runtime.so.1, which no installed package has yet.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/src/library)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(tralyx_exact "(= ${PROJECT_VERSION})")

# Descriptions: a synopsis line, then lines that fit in 80 columns once indented.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME tralyx)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION editors)
# Spell checking marks nothing without a dictionary; any Hunspell one will do. Qt's own translations
# give a translated editor's standard buttons (Yes, No, Cancel) in the same language.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "hunspell-en-us | hunspell-dictionary, qt6-translations-l10n")
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "Editor for .lrc language resource files
Tralyx edits the language files with which a family of Windows applications
is translated: the captions and tool-tips of forms (core.lrc), message boxes
(messages.lrc) and texts fetched by number (secondary.lrc). It keeps every
byte of a file, shows each text beside its source language, checks the
translation and carries it over to the files of a new release.

This package holds the editor tralyx and the command-line tool tralyx-lrc,
which checks, dumps, writes, merges, lints, exports and imports these files.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME tralyx-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
  "qt6-base-dev (>= ${TRALYX_QT_MIN}), libtralyx-runtime1 ${tralyx_exact}, libtralyx-widgets1 ${tralyx_exact}")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "Run-time library of Tralyx for translated Qt applications
The static and shared libraries of Tralyx, their headers under include/tralyx
and the CMake package Tralyx (find_package(Tralyx), targets Tralyx::Runtime and
Tralyx::Widgets): loading language folders, applying them to Qt forms, showing
their messages.")

set(CPACK_DEBIAN_RUNTIMELIBRARY_PACKAGE_NAME libtralyx-runtime1)
set(CPACK_DEBIAN_RUNTIMELIBRARY_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIMELIBRARY_DESCRIPTION "Run-time library of Tralyx, without widgets
Loads an application's language folders of .lrc files and hands out their
texts and messages (QtCore only).")
set(CPACK_DEBIAN_WIDGETSLIBRARY_PACKAGE_NAME libtralyx-widgets1)
set(CPACK_DEBIAN_WIDGETSLIBRARY_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_WIDGETSLIBRARY_PACKAGE_DEPENDS "libtralyx-runtime1 ${tralyx_exact}")
# The shared libraries' packages have dpkg run ldconfig through a trigger, as Debian asks. (CPack
# adds maintainer scripts that call it as well: see the packages' lintian overrides, data/.)
configure_file(${PROJECT_SOURCE_DIR}/data/library.triggers ${CMAKE_CURRENT_BINARY_DIR}/library/triggers COPYONLY)
set(CPACK_DEBIAN_RUNTIMELIBRARY_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/library/triggers)
set(CPACK_DEBIAN_WIDGETSLIBRARY_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/library/triggers)
set(CPACK_DEBIAN_WIDGETSLIBRARY_DESCRIPTION "Run-time library of Tralyx for Qt widgets
Applies an application's language folders of .lrc files to its Qt windows and
shows their messages.")
include(CPack)

# pkg-config files of the shared libraries, for builds without CMake, relative to where they are
# installed so that any prefix works; under the architecture's folder where it has one (Debian's
# multiarch: what a cross build's pkg-config reads).
set(TRALYX_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(TRALYX_PC_DIR ${CMAKE_INSTALL_LIBDIR}/${CMAKE_LIBRARY_ARCHITECTURE}/pkgconfig)
endif()
file(RELATIVE_PATH TRALYX_PC_PREFIX "/p/${TRALYX_PC_DIR}" "/p")
foreach(pc IN ITEMS runtime widgets)
  if(pc STREQUAL "runtime")
    set(TRALYX_PC_REQUIRES "Qt6Core")
    set(TRALYX_PC_DESCRIPTION "Tralyx run-time library: the language files of an application and their texts (QtCore only)")
  else()
    set(TRALYX_PC_REQUIRES "tralyx-runtime = ${PROJECT_VERSION}, Qt6Widgets")
    set(TRALYX_PC_DESCRIPTION "Tralyx on Qt widgets: Translation's apply, showMessage and harvest")
  endif()
  set(TRALYX_PC_NAME tralyx-${pc})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/tralyx.pc.in ${CMAKE_CURRENT_BINARY_DIR}/tralyx-${pc}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tralyx-${pc}.pc DESTINATION ${TRALYX_PC_DIR} COMPONENT Development)
endforeach()
