# Checks the layers of src/: a library includes only from the libraries
# before it in the order the README gives under "Layers" (the line
# "core -> calc -> ..."), and Qt headers are included only by the shell and
# the drawing surfaces (the sources of tarvik_surfaces in src/pages).
#
#     cmake -DSOURCE_DIR=<checkout> -P tools/check-layers.cmake
#
# Every include that breaks a rule is listed as "<file> includes <header>";
# the script then fails.

cmake_minimum_required(VERSION 3.22)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check-layers: give the checkout with -DSOURCE_DIR=<folder>")
endif()

# The order as the README states it.
file(STRINGS "${SOURCE_DIR}/README.md" order_lines REGEX "^ +core( -> [a-z]+)+ *$")
list(LENGTH order_lines found)
if(NOT found EQUAL 1)
  message(FATAL_ERROR "check-layers: README.md must hold one line \"core -> calc -> ...\" "
                      "giving the order of the layers (found ${found})")
endif()
string(STRIP "${order_lines}" order)
string(REPLACE " -> " ";" layers "${order}")

# Every folder of src/ is a layer of the order.
file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*")
set(faults)
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${SOURCE_DIR}/src/${folder}" AND NOT folder IN_LIST layers)
    list(APPEND faults "src/${folder} is no layer of the README's order \"${order}\"")
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

foreach(layer IN LISTS layers)
  list(FIND layers "${layer}" rank)
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src"
       "${SOURCE_DIR}/src/${layer}/*.h" "${SOURCE_DIR}/src/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    get_filename_component(name "${source}" NAME)
    file(STRINGS "${SOURCE_DIR}/src/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
      if(line MATCHES "include[ \t]*\"([a-z]+)/([^\"]*)\"")
        set(target "${CMAKE_MATCH_1}")
        list(FIND layers "${target}" target_rank)
        if(target_rank EQUAL -1)
          list(APPEND faults "src/${source} includes ${target}/${CMAKE_MATCH_2}, from no layer")
        elseif(target_rank GREATER rank)
          list(APPEND faults "src/${source} includes ${target}/${CMAKE_MATCH_2}, from a layer above ${layer}")
        endif()
      elseif(line MATCHES "include[ \t]*<(Q[A-Za-z]*(/[A-Za-z]+)?)>")
        if(NOT layer STREQUAL "shell" AND NOT (layer STREQUAL "pages" AND name IN_LIST surfaces))
          list(APPEND faults "src/${source} includes <${CMAKE_MATCH_1}>, a Qt header below the shell")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " listed)
  message(FATAL_ERROR "check-layers: the layers ${order} do not hold:\n  ${listed}")
endif()
message(STATUS "check-layers: ${order} holds")
