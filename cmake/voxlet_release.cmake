# voxlet_release_folder(target folder exe-target...): the target, part of the
# default build, keeps `folder` holding exactly what a user needs to run the
# programs: the exes without their debug information (Wine reads the ~16 MB of DWARF
# sections into memory with the image: 14 MB more working set), the speech data
# beside them, the licence and a short read-me. The folder is made anew each time,
# so nothing stale stays in it.
function(voxlet_release_folder target folder)
  set(exes ${ARGN})
  set(data ${CMAKE_SOURCE_DIR}/.deps/espeak-ng-data)
  file(GLOB_RECURSE data_files CONFIGURE_DEPENDS ${data}/*)
  # The read-me in Chinese and English, with Windows line ends; its byte order mark
  # lets every Notepad read it as UTF-8.
  set(readme ${CMAKE_CURRENT_BINARY_DIR}/README.txt)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/README.txt ${readme} @ONLY NEWLINE_STYLE CRLF)

  set(strip_commands)
  foreach(exe ${exes})
    list(APPEND strip_commands COMMAND ${CMAKE_STRIP} -o ${folder}/$<TARGET_FILE_NAME:${exe}> $<TARGET_FILE:${exe}>)
  endforeach()
  set(stamp ${folder}.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${folder}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    ${strip_commands}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${data} ${folder}/espeak-ng-data
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/LICENSE ${readme} ${folder}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${exes} ${data_files} ${CMAKE_SOURCE_DIR}/LICENSE ${readme}
    COMMENT "Release folder ${folder}")
  add_custom_target(${target} ALL DEPENDS ${stamp})
endfunction()
