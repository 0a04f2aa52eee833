# voxlet_release_folder(exe-target folder): the target <exe-target>_release, part
# of the default build, keeps `folder` holding exactly what a user needs to run the
# program: the exe without its debug information (Wine reads the ~16 MB of DWARF
# sections into memory with the image: 14 MB more working set), the speech data
# beside it, the licence and a short read-me. The folder is made anew each time,
# so nothing stale stays in it.
function(voxlet_release_folder exe folder)
  set(data ${CMAKE_SOURCE_DIR}/.deps/espeak-ng-data)
  file(GLOB_RECURSE data_files CONFIGURE_DEPENDS ${data}/*)
  set(readme ${CMAKE_CURRENT_BINARY_DIR}/README.txt)
  file(CONFIGURE OUTPUT ${readme} NEWLINE_STYLE CRLF CONTENT [=[
Voxlet
======

A small text-to-speech reader with a Chinese interface. Start voxlet.exe, paste
the text to be read over the instructions in the large box and press the first
button to hear it; the same button then pauses and resumes, the second button
stops, the third saves the speech as a WAV file. The list at the top picks the
voice; the two sliders set the volume and the speech rate.

Speech
------
Voxlet speaks through the system's speech engine (SAPI 5) where that works.
Where it does not, its built-in engine, eSpeak NG 1.52, speaks instead, reading
its Mandarin and English data from the espeak-ng-data folder: keep that folder
next to voxlet.exe.

Licence
-------
Voxlet is free software under the GNU General Public License, version 3 or any
later version (see LICENSE). voxlet.exe contains eSpeak NG, and espeak-ng-data
is eSpeak NG's data, both under the same licence; they are built from Debian's
espeak-ng 1.52.0 source package by Voxlet's scripts/install-deps.sh.
]=])

  set(stamp ${folder}.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${folder}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_STRIP} -o ${folder}/$<TARGET_FILE_NAME:${exe}> $<TARGET_FILE:${exe}>
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${data} ${folder}/espeak-ng-data
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/LICENSE ${readme} ${folder}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${exe} ${data_files} ${CMAKE_SOURCE_DIR}/LICENSE ${readme}
    COMMENT "Release folder ${folder}")
  add_custom_target(${exe}_release ALL DEPENDS ${stamp})
endfunction()
