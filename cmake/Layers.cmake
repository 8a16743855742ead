# The layers are static libraries over one include root (src), so that no build needs links
# in its build folder. What a layer may include is enforced at build time instead: each layer
# records the folders it sees (its own and those of every layer it links), and a check run
# before the layer compiles fails on an include of any other folder of src.

set(RYLMO_LAYER_FOLDERS document models render editing ui trains locomotives passages coaches texts printing app
    CACHE INTERNAL "")

# rylmo_layer_check(target folder [ROOT dir] [QT_FREE] SEES folder...): the include check
# of target, whose sources and headers lie in ROOT/folder (ROOT defaults to src).
function(rylmo_layer_check target folder)
  cmake_parse_arguments(CHECK "QT_FREE" "ROOT" "SEES" ${ARGN})
  if(NOT CHECK_ROOT)
    set(CHECK_ROOT ${PROJECT_SOURCE_DIR}/src/${folder})
  endif()
  file(GLOB files CONFIGURE_DEPENDS ${CHECK_ROOT}/*.h ${CHECK_ROOT}/*.cpp)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.includes-checked)
  list(JOIN CHECK_SEES "," sees)
  list(JOIN RYLMO_LAYER_FOLDERS "," folders)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLAYER=${folder} -DSEES=${sees} -DQT_FREE=${CHECK_QT_FREE}
            -DFOLDERS=${folders} -DROOT=${CHECK_ROOT} -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking the includes of ${folder}" VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
  set_property(TARGET ${target} PROPERTY RYLMO_SEES ${CHECK_SEES})
endfunction()

# rylmo_layer(target folder SOURCES ... LINKS ...): a layer library seeing its own folder and
# every folder its linked layers see.
function(rylmo_layer target folder)
  cmake_parse_arguments(LAYER "" "" "SOURCES;LINKS" ${ARGN})
  list(TRANSFORM LAYER_SOURCES PREPEND ${folder}/)
  add_library(${target} STATIC ${LAYER_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${LAYER_LINKS})
  set(sees ${folder})
  foreach(link IN LISTS LAYER_LINKS)
    if(TARGET ${link})
      get_target_property(seen ${link} RYLMO_SEES)
      if(seen)
        list(APPEND sees ${seen})
      endif()
    endif()
  endforeach()
  list(REMOVE_DUPLICATES sees)
  rylmo_layer_check(${target} ${folder} SEES ${sees})
endfunction()
