# One library per source folder, declared bottom-up with the folders it may use. A folder can
# only name folders declared before it, so the dependencies cannot form a cycle; and a build
# step checks each folder's includes against that list, so an include of a folder above
# (a back edge) fails the build instead of just being frowned on.
#
#   nemra_layer(<target> <folder> [DEPENDS <folder>...] [LINKS <other targets>...] [EXCLUDE <file>...])
#
# The library holds <folder>/*.cpp (and its headers, for Qt's moc); it links the libraries
# of the folders it names and the other targets given; EXCLUDE keeps a program's main file out. Includes name their folder from the
# project root, which is the one include path.

function(nemra_layer target folder)
  cmake_parse_arguments(PARSE_ARGV 2 LAYER "" "" "DEPENDS;LINKS;EXCLUDE")
  string(MAKE_C_IDENTIFIER "${folder}" id)
  set(allowed ${folder})
  set(linked)
  foreach(dep IN LISTS LAYER_DEPENDS)
    string(MAKE_C_IDENTIFIER "${dep}" dep_id)
    get_property(dep_target GLOBAL PROPERTY NEMRA_LAYER_TARGET_${dep_id})
    if(NOT dep_target)
      message(FATAL_ERROR "${folder} uses ${dep}, which is not declared below it")
    endif()
    get_property(dep_allowed GLOBAL PROPERTY NEMRA_LAYER_ALLOWED_${dep_id})
    list(APPEND allowed ${dep_allowed})
    list(APPEND linked ${dep_target})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(GLOBAL PROPERTY NEMRA_LAYER_TARGET_${id} ${target})
  set_property(GLOBAL PROPERTY NEMRA_LAYER_ALLOWED_${id} ${allowed})
  set_property(GLOBAL APPEND PROPERTY NEMRA_LAYERS "${folder}")

  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  foreach(excluded IN LISTS LAYER_EXCLUDE)
    list(REMOVE_ITEM sources ${PROJECT_SOURCE_DIR}/${folder}/${excluded})
  endforeach()
  string(REPLACE ";" "|" allowed_arg "${allowed}")
  set(stamp ${PROJECT_BINARY_DIR}/layers/${id}.checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -DFOLDER=${folder} "-DALLOWED=${allowed_arg}"
            -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayer.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckLayer.cmake
    COMMENT "Checking the includes of ${folder}" VERBATIM)
  add_library(${target} STATIC ${sources} ${stamp})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${linked} ${LAYER_LINKS})
endfunction()
