# Checks the layers of src/: a library includes only from the libraries
# before it in the order the README gives under "Layers" (the line
# "core -> calc -> ..."), Qt headers are included only by the shell and the
# drawing surfaces (the sources of tarvik_surfaces in src/pages), and the
# pages, readings and the page table read nothing of the program's state:
# only the page dispatcher (src/registry/PageDispatcher.cpp) names its
# accessors (Program(), Births(), Native(), Partner(), Chart(), Match(),
# Config(), OutputRun()).
#
#     cmake -DSOURCE_DIR=<checkout> -P tools/check-layers.cmake
#
# An include names its layer however it is written: "calc/Chart.h",
# <calc/Chart.h>, or "../calc/Chart.h" from the folder of the file. A Qt
# header is one of Qt's classes (<QString>), modules (<QtCore/qglobal.h>) or
# lower-case headers (<qstring.h>). Every break of a rule is listed as
# "<file> includes <header>" or "<file> reads the program's state: <line>";
# the script then fails.

cmake_minimum_required(VERSION 3.22)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check-layers: give the checkout with -DSOURCE_DIR=<folder>")
endif()
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

# The order as the README states it.
file(STRINGS "${SOURCE_DIR}/README.md" order_lines REGEX "^ +core( -> [a-z]+)+ *$")
list(LENGTH order_lines found)
if(NOT found EQUAL 1)
  message(FATAL_ERROR "check-layers: README.md must hold one line \"core -> calc -> ...\" "
                      "giving the order of the layers (found ${found})")
endif()
string(STRIP "${order_lines}" order)
string(REPLACE " -> " ";" layers "${order}")

# The layers that draw from what they are handed, and the one file among
# them that hands it.
set(stateless_layers pages readings registry)
set(state_reader "registry/PageDispatcher.cpp")
set(accessors "(Program|Births|Native|Partner|Chart|Match|Config|OutputRun)[ \t]*\\([ \t]*\\)")

# Every folder of src/ is a layer of the order.
file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*")
set(faults)
set(source_folders)
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${SOURCE_DIR}/src/${folder}")
    list(APPEND source_folders "${folder}")
    if(NOT folder IN_LIST layers)
      list(APPEND faults "src/${folder} is no layer of the README's order \"${order}\"")
    endif()
  endif()
endforeach()

# The surfaces' own sources may include Qt.
set(surfaces)
if(EXISTS "${SOURCE_DIR}/src/pages/CMakeLists.txt")
  file(READ "${SOURCE_DIR}/src/pages/CMakeLists.txt" pages_cmake)
  if(pages_cmake MATCHES "add_library\\(tarvik_surfaces STATIC([^)]*)\\)")
    string(REGEX MATCHALL "[A-Za-z0-9_]+\\.(h|cpp)" surfaces "${CMAKE_MATCH_1}")
  endif()
endif()

# The layer of a header as included from a file of src/ (its folder there):
# a quoted path is first taken from the file's folder ("Frame.h",
# "../shell/frmMain.h"), else from src/; an angle-bracket path from src/
# when its first folder is one of src/. Sets <var> to "<layer>/<rest>", or
# to "" for a header from outside src/ (the system's, a library's).
function(header_in_src var file_folder quoted path)
  set(${var} "" PARENT_SCOPE)
  if(quoted AND NOT path MATCHES "^[a-z]+/" AND NOT path MATCHES "^\\.\\./")
    return()   # beside the file: its own layer
  endif()
  if(quoted AND path MATCHES "^\\.\\./")
    cmake_path(SET resolved NORMALIZE "src/${file_folder}/${path}")
    if(resolved MATCHES "^src/(.*)$")
      set(${var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    else()
      set(${var} "../${resolved}" PARENT_SCOPE)   # outside src/: no layer
    endif()
    return()
  endif()
  if(path MATCHES "^([a-z]+)/")
    if(quoted OR CMAKE_MATCH_1 IN_LIST source_folders)
      set(${var} "${path}" PARENT_SCOPE)
    endif()
  endif()
endfunction()

foreach(layer IN LISTS layers)
  list(FIND layers "${layer}" rank)
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src"
       "${SOURCE_DIR}/src/${layer}/*.h" "${SOURCE_DIR}/src/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    get_filename_component(name "${source}" NAME)
    get_filename_component(file_folder "${source}" DIRECTORY)
    file(STRINGS "${SOURCE_DIR}/src/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
      if(line MATCHES "include[ \t]*\"([^\"]*)\"")
        header_in_src(header "${file_folder}" TRUE "${CMAKE_MATCH_1}")
      elseif(line MATCHES "include[ \t]*<([^>]*)>")
        set(bracketed "${CMAKE_MATCH_1}")
        header_in_src(header "${file_folder}" FALSE "${bracketed}")
        if(NOT header AND (bracketed MATCHES "^Q[A-Za-z0-9]*(/[A-Za-z0-9_.]+)?$" OR
                           (bracketed MATCHES "^q[a-z0-9_]*\\.h$" AND NOT bracketed STREQUAL "quadmath.h")))
          if(NOT layer STREQUAL "shell" AND NOT (layer STREQUAL "pages" AND name IN_LIST surfaces))
            list(APPEND faults "src/${source} includes <${bracketed}>, a Qt header below the shell")
          endif()
        endif()
      endif()
      if(NOT header)
        continue()
      endif()
      string(REGEX REPLACE "/.*$" "" target "${header}")
      list(FIND layers "${target}" target_rank)
      if(target_rank EQUAL -1)
        list(APPEND faults "src/${source} includes ${header}, from no layer")
      elseif(target_rank GREATER rank)
        list(APPEND faults "src/${source} includes ${header}, from a layer above ${layer}")
      endif()
    endforeach()

    # The program's state, read below the dispatcher (comments aside). The
    # file's semicolons and square brackets stand aside while it is split
    # into its lines: a list is not split inside an unclosed bracket, as in
    # a comment's "[0, 360)".
    if(layer IN_LIST stateless_layers AND NOT source STREQUAL state_reader)
      file(READ "${SOURCE_DIR}/src/${source}" text)
      if(NOT text MATCHES "(^|[^A-Za-z0-9_.>])${accessors}")
        continue()
      endif()
      string(REPLACE ";" "<semicolon>" text "${text}")
      string(REPLACE "[" "<open>" text "${text}")
      string(REPLACE "]" "<close>" text "${text}")
      string(REPLACE "\n" ";" lines "${text}")
      set(number 0)
      foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        string(REGEX REPLACE "//.*$" "" code "${line}")
        if(code MATCHES "(^|[^A-Za-z0-9_.>])${accessors}")
          string(STRIP "${code}" code)
          string(REPLACE "<semicolon>" "" code "${code}")
          string(REPLACE "<open>" "[" code "${code}")
          string(REPLACE "<close>" "]" code "${code}")
          list(APPEND faults "src/${source}:${number} reads the program's state: ${code}")
        endif()
      endforeach()
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " listed)
  message(FATAL_ERROR "check-layers: the layers ${order} do not hold:\n  ${listed}")
endif()
message(STATUS "check-layers: ${order} holds")
