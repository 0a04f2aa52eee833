# voxlet_library(target [PURE sources...] [WINDOWS sources...] [HOST sources...]
#                [DEPENDS targets...] [LINK system libraries...])
# One library per folder, its dependencies declared here and nowhere else. PURE
# sources build everywhere (natively under the sanitizers), WINDOWS ones only for
# Windows, HOST ones only where Windows is not the target. A folder with nothing to
# build for this target is an interface library that still carries its edges.
function(voxlet_library target)
  cmake_parse_arguments(arg "" "" "PURE;WINDOWS;HOST;DEPENDS;LINK" ${ARGN})
  set(sources ${arg_PURE})
  if(WIN32)
    list(APPEND sources ${arg_WINDOWS})
  else()
    list(APPEND sources ${arg_HOST})
  endif()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${arg_DEPENDS})
    if(WIN32)
      target_link_libraries(${target} PUBLIC ${arg_LINK})
    endif()
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${arg_DEPENDS})
  endif()
endfunction()
