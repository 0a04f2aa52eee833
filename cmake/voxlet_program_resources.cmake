# What every Voxlet program carries in its resources: the icon, the manifest and the
# version resource (product, version from project(), description, licence).
# voxlet_program_resources(target DESCRIPTION text) adds them to an exe target.
set(VOXLET_PRODUCT Voxlet)
set(VOXLET_LICENCE "GPL-3.0-or-later")

# The icon is drawn in packaging/icon: the small picture on the 16-pixel grid for 16
# and 32 pixels, the large one for 48 and 256 (stored as PNG inside the .ico, as
# Windows expects at that size). The PNGs also serve the Linux desktop's icon theme.
find_program(VOXLET_RSVG_CONVERT rsvg-convert REQUIRED)  # librsvg2-bin
find_program(VOXLET_ICOTOOL icotool REQUIRED)            # icoutils
set(VOXLET_ICON_DIR ${CMAKE_BINARY_DIR}/icon)
set(VOXLET_ICON ${VOXLET_ICON_DIR}/voxlet.ico)
set(icon_source ${CMAKE_SOURCE_DIR}/packaging/icon)
set(icon_commands)
set(icon_pngs)
foreach(size 16 32 48 256)
  if(size LESS 48)
    set(svg ${icon_source}/voxlet-small.svg)
  else()
    set(svg ${icon_source}/voxlet.svg)
  endif()
  list(APPEND icon_pngs ${VOXLET_ICON_DIR}/voxlet-${size}.png)
  list(APPEND icon_commands COMMAND ${VOXLET_RSVG_CONVERT} -w ${size} -h ${size} -o ${VOXLET_ICON_DIR}/voxlet-${size}.png
       ${svg})
endforeach()
list(POP_BACK icon_pngs icon_png_256)
add_custom_command(
  OUTPUT ${VOXLET_ICON} ${icon_pngs} ${icon_png_256}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VOXLET_ICON_DIR}
  ${icon_commands}
  COMMAND ${VOXLET_ICOTOOL} -c -o ${VOXLET_ICON} ${icon_pngs} --raw=${icon_png_256}
  DEPENDS ${icon_source}/voxlet.svg ${icon_source}/voxlet-small.svg
  COMMENT "Icon ${VOXLET_ICON}")
add_custom_target(voxlet_icon DEPENDS ${VOXLET_ICON})

function(voxlet_program_resources target)
  cmake_parse_arguments(arg "" "DESCRIPTION" "" ${ARGN})
  set(name ${target})
  set(description ${arg_DESCRIPTION})
  set(icon ${VOXLET_ICON})
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(architecture x86)
  else()
    set(architecture amd64)
  endif()
  set(templates ${CMAKE_SOURCE_DIR}/packaging/windows)
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  configure_file(${templates}/program.manifest.in ${manifest} @ONLY)
  configure_file(${templates}/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}.rc PROPERTIES OBJECT_DEPENDS
                                                                                  "${VOXLET_ICON};${manifest}")
  add_dependencies(${target} voxlet_icon)
endfunction()
