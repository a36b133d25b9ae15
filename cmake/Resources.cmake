# The programs' resources (icon font, icons, help picture), made at build time by
# programs/resources/make-resources.sh from the sources beside it.
#
#   xd_add_program_resources(<target> [HELP_PAGE <html file>])
#
# makes them in <binary dir of the caller>/<target>-resources and compiles the resources.rc written there
# into <target>. Windows targets only; elsewhere it does nothing. Needs python3-fontforge, imagemagick and
# fonts-wqy-microhei on the build machine (the script says which one is missing).

set(XD_RESOURCES_DIR ${CMAKE_CURRENT_LIST_DIR}/../programs/resources)

function(xd_add_program_resources target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(arg "" "HELP_PAGE" "" ${ARGN})
  enable_language(RC)
  set(src ${XD_RESOURCES_DIR})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}-resources)
  set(made ${out}/iconfont.ttf ${out}/zhu.ico ${out}/mkx.ico ${out}/help.png)
  add_custom_command(
    OUTPUT ${out}/resources.rc ${made}
    COMMAND bash ${src}/make-resources.sh ${out} ${arg_HELP_PAGE}
    DEPENDS ${src}/make-resources.sh ${src}/iconfont.py ${src}/icons.py ${src}/help_image.py ${arg_HELP_PAGE}
    COMMENT "Making the icon font, icons and help picture for ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out}/resources.rc)
  # windres reads the four files named in the .rc; rebuild the object when any of them changes.
  set_property(SOURCE ${out}/resources.rc APPEND PROPERTY OBJECT_DEPENDS ${made} ${arg_HELP_PAGE})
endfunction()
