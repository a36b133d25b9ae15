# Imported targets for the static Scintilla and VB-lexer libraries that scripts/fetch-scintilla.sh builds
# outside the checkout:  Scintilla::Scintilla  (editor, links the Win32 system libraries it needs)
#                        Scintilla::LexillaVB  (CreateLexer with the "vb" lexer only)
# Sets XD_HAVE_SCINTILLA when both are found.

if(DEFINED ENV{XDG_CACHE_HOME})
  set(_xd_cache "$ENV{XDG_CACHE_HOME}")
else()
  set(_xd_cache "$ENV{HOME}/.cache")
endif()
set(XD_SCINTILLA_DIR "${_xd_cache}/xundian/scintilla-5.3.3"
    CACHE PATH "Folder with include/ and lib/ made by scripts/fetch-scintilla.sh")

set(XD_HAVE_SCINTILLA OFF)
if(TARGET Scintilla::Scintilla)
  set(XD_HAVE_SCINTILLA ON)
  return()
endif()

find_library(XD_SCINTILLA_LIB NAMES libscintilla.a scintilla
             PATHS "${XD_SCINTILLA_DIR}/lib" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_library(XD_LEXILLA_VB_LIB NAMES liblexilla_vb.a lexilla_vb
             PATHS "${XD_SCINTILLA_DIR}/lib" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)

if(NOT XD_SCINTILLA_LIB OR NOT XD_LEXILLA_VB_LIB)
  message(STATUS "Scintilla not found in ${XD_SCINTILLA_DIR} (run scripts/fetch-scintilla.sh)")
  return()
endif()

add_library(Scintilla::Scintilla STATIC IMPORTED GLOBAL)
set_target_properties(Scintilla::Scintilla PROPERTIES
  IMPORTED_LOCATION "${XD_SCINTILLA_LIB}"
  INTERFACE_INCLUDE_DIRECTORIES "${XD_SCINTILLA_DIR}/include/scintilla"
  # What the static library needs from Windows beyond the usual GUI set.
  INTERFACE_LINK_LIBRARIES "imm32;ole32;uuid;oleaut32;msimg32;user32;gdi32;comctl32")

add_library(Scintilla::LexillaVB STATIC IMPORTED GLOBAL)
set_target_properties(Scintilla::LexillaVB PROPERTIES
  IMPORTED_LOCATION "${XD_LEXILLA_VB_LIB}"
  INTERFACE_INCLUDE_DIRECTORIES "${XD_SCINTILLA_DIR}/include/lexilla;${XD_SCINTILLA_DIR}/include/scintilla")

set(XD_HAVE_SCINTILLA ON)
message(STATUS "Scintilla: ${XD_SCINTILLA_DIR}")
