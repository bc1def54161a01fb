# Reads every #include "..." line under src/ and fails on an include against the layering:
# each folder may include itself and the folders listed for it, and those lists only name
# folders further up this file, so no cycle can form between folders. It also fails when a
# generated file is kept in git.
#   cmake -DSOURCE_DIR=<repo>/src -P check_layering.cmake
cmake_minimum_required(VERSION 3.21)

# folder | the folders it may include
set(LOTTO_LAYERS
  "generation|"
  "shared|"
  "browserprotocol|"
  "browserhelper|shared browserprotocol"
  "ui/browser|shared browserprotocol"
  "ui/luck|shared generation"
  "ui/main|shared generation ui/luck ui/browser"
  "app|shared generation ui/luck ui/browser ui/main"
  ".|app")

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "give -DSOURCE_DIR=<the src folder>")
endif()
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

set(known)
set(problems)
foreach(layer IN LISTS LOTTO_LAYERS)
  string(REPLACE "|" ";" parts "${layer}")
  list(GET parts 0 folder)
  list(LENGTH parts n)
  set(allowed)
  if(n GREATER 1)
    list(GET parts 1 allowed)
    separate_arguments(allowed UNIX_COMMAND "${allowed}")
  endif()
  # The layering itself has no cycle: a folder names only folders declared before it.
  foreach(dep IN LISTS allowed)
    if(NOT dep IN_LIST known)
      list(APPEND problems "layering: ${folder} may include ${dep}, which is not below it")
    endif()
  endforeach()
  list(APPEND known ${folder})
  string(REPLACE "/" "_" key "${folder}")
  set(ALLOWED_${key} ${folder} ${allowed})
endforeach()

# The folder a path under src/ belongs to: the longest declared folder that holds it.
function(lotto_folder_of path out)
  set(best "")
  foreach(folder IN LISTS known)
    if(folder STREQUAL ".")
      continue()
    endif()
    string(LENGTH "${folder}/" len)
    string(SUBSTRING "${path}" 0 ${len} head)
    string(LENGTH "${best}" bestlen)
    if(head STREQUAL "${folder}/" AND len GREATER bestlen)
      set(best ${folder})
    endif()
  endforeach()
  if(best STREQUAL "" AND NOT path MATCHES "/")
    set(best ".")
  endif()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
list(SORT sources)
set(checked 0)
foreach(source IN LISTS sources)
  lotto_folder_of(${source} from)
  if(from STREQUAL "")
    list(APPEND problems "${source}: its folder is not in the layering")
    continue()
  endif()
  string(REPLACE "/" "_" key "${from}")
  get_filename_component(dir ${source} DIRECTORY)
  file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" target "${line}")
    # A name without a folder is a file beside the includer.
    if(NOT target MATCHES "/")
      if(dir STREQUAL "")
        set(target "${target}")
      else()
        set(target "${dir}/${target}")
      endif()
    endif()
    if(target MATCHES "\\.moc$")
      continue()
    endif()
    lotto_folder_of(${target} to)
    math(EXPR checked "${checked} + 1")
    if(to STREQUAL "")
      list(APPEND problems "${source}: includes \"${target}\", outside every folder of src/")
    elseif(NOT to IN_LIST ALLOWED_${key})
      list(APPEND problems "${source}: ${from} includes ${to} (\"${target}\")")
    endif()
  endforeach()
endforeach()

# Nothing generated is kept in git (compiled Python, objects, compiled catalogues).
find_program(GIT git)
if(GIT AND EXISTS ${SOURCE_DIR}/../.git)
  execute_process(COMMAND ${GIT} ls-files -- "*.pyc" "*/__pycache__/*" "*.o" "*.qm"
                  WORKING_DIRECTORY ${SOURCE_DIR}/.. OUTPUT_VARIABLE generated)
  string(STRIP "${generated}" generated)
  if(generated)
    string(REPLACE "\n" ", " generated "${generated}")
    list(APPEND problems "generated files in git: ${generated}")
  endif()
endif()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes against the layering:\n  ${text}")
endif()
message(STATUS "${checked} includes in ${SOURCE_DIR} follow the layering")
