# One static library per source folder ("layer"), linking only the layers below it. Each layer
# exposes its headers under its folder's name (#include "store/clsTralyx.h") through an include
# directory of its own that holds nothing but that folder, so a layer sees the headers of exactly
# the layers it links: an include that runs back up the stack does not build.
#
#   tralyx_layer(<name> [FOLDER <dir>] [PUBLIC_DEPS <target>...] [PRIVATE_DEPS <target>...]
#                [EXCLUDE <file>...])
#
# builds tralyx_<name> from every .cpp under the calling folder's <name>/ (FOLDER names the folder
# when it differs from <name>) but the EXCLUDE ones (paths inside that folder): the implementation
# that another platform's build takes.
function(tralyx_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "FOLDER" "PUBLIC_DEPS;PRIVATE_DEPS;EXCLUDE")
  if(NOT arg_FOLDER)
    set(arg_FOLDER ${name})
  endif()
  set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${arg_FOLDER})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  foreach(excluded IN LISTS arg_EXCLUDE)
    list(REMOVE_ITEM sources ${dir}/${excluded})
  endforeach()
  set(target tralyx_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${target} INTERFACE)
    set(scope INTERFACE)
  endif()
  set(root ${PROJECT_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${root})
  get_filename_component(folder ${arg_FOLDER} NAME)
  file(CREATE_LINK ${dir} ${root}/${folder} SYMBOLIC COPY_ON_ERROR)
  # Installed, the headers include each other as <tralyx/...> (TralyxPackage.cmake): only the
  # folder above tralyx/ goes on an application's include path.
  target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${root}>
                             $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_link_libraries(${target} ${scope} ${arg_PUBLIC_DEPS})
  if(arg_PRIVATE_DEPS)
    target_link_libraries(${target} PRIVATE ${arg_PRIVATE_DEPS})
  endif()
  if(sources)
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON EXPORT_NAME Layer_${name})
  endif()
  set_property(GLOBAL APPEND PROPERTY TRALYX_LAYERS ${target})
endfunction()
