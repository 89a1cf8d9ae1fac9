# Checks that the layers stay apart: a folder includes headers of its own layer or of lower
# layers only, and only the desktop program's folders include Qt Widgets headers or link
# widget libraries.
#
#   cmake -DSOURCE_DIR=<tree> -DWIDGETS_INCLUDE_DIR=<QtWidgets include folder> -P check_layers.cmake
#
# Exits non-zero and lists every violation. The layer map below is the one place that says
# which folder is which layer; a folder not in it is not checked (tests, benchmarks, fuzzing).

# folder | level | widgets allowed (1) or not (0). A file belongs to the longest folder that
# holds it.
set(LAYERS
  "core|0|0"
  "resources|0|0"
  "shell|1|0"
  "model|2|0"
  "link|3|0"
  "report|3|0"
  "sim|4|0"
  "cli|5|0"
  "gui|5|1"
  "editors|5|1"
  "app|6|1")
# Libraries that bring widgets in; a folder without widgets links none of them.
set(WIDGET_LIBS "Qt6::Widgets" "Qt6::PrintSupport" "Qt6::Help" "zqv_gui" "zqv_editors" "zqv_editors_frame")

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check_layers: SOURCE_DIR not given")
endif()

function(layer_of path out_level out_widgets out_folder)
  set(best "")
  set(best_len -1)
  foreach(entry IN LISTS LAYERS)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 folder)
    string(LENGTH "${folder}" len)
    string(FIND "${path}" "${folder}/" pos)
    if(pos EQUAL 0 AND len GREATER best_len)
      set(best "${entry}")
      set(best_len ${len})
    endif()
  endforeach()
  if(best STREQUAL "")
    set(${out_level} "" PARENT_SCOPE)
    return()
  endif()
  string(REPLACE "|" ";" parts "${best}")
  list(GET parts 0 folder)
  list(GET parts 1 level)
  list(GET parts 2 widgets)
  set(${out_level} ${level} PARENT_SCOPE)
  set(${out_widgets} ${widgets} PARENT_SCOPE)
  set(${out_folder} ${folder} PARENT_SCOPE)
endfunction()

# Every header of the checked folders by its file name. Names are unique across the tree
# (a file is named after its class), so a quoted include names exactly one of them.
file(GLOB_RECURSE headers RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h")
foreach(h IN LISTS headers)
  get_filename_component(name "${h}" NAME)
  string(MAKE_C_IDENTIFIER "${name}" key)
  set(HEADER_${key} "${h}")
endforeach()

set(widget_headers "")
if(WIDGETS_INCLUDE_DIR AND IS_DIRECTORY "${WIDGETS_INCLUDE_DIR}")
  file(GLOB widget_headers RELATIVE "${WIDGETS_INCLUDE_DIR}" "${WIDGETS_INCLUDE_DIR}/Q*")
endif()

set(violations "")
set(checked 0)
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
foreach(src IN LISTS sources)
  layer_of("${src}" level widgets folder)
  if(level STREQUAL "")
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  file(STRINGS "${SOURCE_DIR}/${src}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" inc "${line}")
    if(line MATCHES "\"")
      get_filename_component(name "${inc}" NAME)
      string(MAKE_C_IDENTIFIER "${name}" key)
      if(NOT DEFINED HEADER_${key})
        continue()
      endif()
      layer_of("${HEADER_${key}}" inc_level inc_widgets inc_folder)
      if(inc_level STREQUAL "")
        continue()
      endif()
      if(inc_level GREATER level)
        list(APPEND violations "${src}: includes ${HEADER_${key}} of the higher layer ${inc_folder}/")
      elseif(inc_widgets AND NOT widgets)
        list(APPEND violations "${src}: includes the widget header ${HEADER_${key}}")
      endif()
    elseif(NOT widgets)
      string(REGEX REPLACE "^QtWidgets/" "" bare "${inc}")
      if(inc MATCHES "^Qt(Widgets|PrintSupport)/" OR bare IN_LIST widget_headers)
        list(APPEND violations "${src}: includes the Qt Widgets header <${inc}>")
      endif()
    endif()
  endforeach()
endforeach()

# The CMake files of folders without widgets link no widget library.
foreach(entry IN LISTS LAYERS)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 folder)
  list(GET parts 2 widgets)
  set(cmake_file "${SOURCE_DIR}/${folder}/CMakeLists.txt")
  if(widgets OR NOT EXISTS "${cmake_file}")
    continue()
  endif()
  file(READ "${cmake_file}" text)
  foreach(lib IN LISTS WIDGET_LIBS)
    string(REGEX REPLACE "([.+*?^$()[\\]])" "\\\\\\1" pattern "${lib}")
    if(text MATCHES "(^|[ \t\n(])${pattern}([ \t\n)]|$)")
      list(APPEND violations "${folder}/CMakeLists.txt: links ${lib}, a widget library")
    endif()
  endforeach()
endforeach()

if(violations)
  list(SORT violations)
  list(LENGTH violations count)
  foreach(v IN LISTS violations)
    message("layer violation: ${v}")
  endforeach()
  message(FATAL_ERROR "${count} layer violation(s)")
endif()
message("layers: ${checked} files checked, no violation")
