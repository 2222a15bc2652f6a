# The floors of the code, held apart by the build. Each library sees only its own folders and those of
# the libraries it links: kelo_expose(target folder...) links each folder (or file) of the source tree
# into an include root of the target's own, in the build tree, and gives that root to the target and to
# whatever links it. Nothing adds the source tree itself as an include root, so a header of a higher
# floor is not found from a lower one and the compile fails.
#
#   apps           (the whole tree)
#   kelo_shell     shell/
#   kelo_render    render/
#   kelo_astro     astro/        kelo_settings  settings/
#   kelo_platform_api  the interfaces directly in platform/;  toolkits: platform/linux, cairo, glib, x11,
#                      gtk, win32
#   kelo_ground    core/
function(kelo_expose target)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  foreach(item ${ARGN})
    get_filename_component(parent ${root}/${item} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${item})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${item} ${root}/${item} SYMBOLIC)
    endif()
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
