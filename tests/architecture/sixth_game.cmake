# Adding a game takes one row in the game table and one in the link table, and nothing
# else. This copies the program's sources, adds a test-only sixth game "Test 4" to those
# two tables (and touches no other file), builds the copy with a small probe program and
# runs it on the offscreen platform (see sixth_game_probe.cpp).
#   cmake -DSOURCE_DIR=<repo> -DWORK_DIR=<scratch folder> -P sixth_game.cmake
cmake_minimum_required(VERSION 3.21)

foreach(var SOURCE_DIR WORK_DIR)
  if(NOT ${var})
    message(FATAL_ERROR "give -D${var}=...")
  endif()
endforeach()

set(copy ${WORK_DIR}/tree)
file(REMOVE_RECURSE ${copy})
file(MAKE_DIRECTORY ${copy}/cmake)
file(COPY ${SOURCE_DIR}/src ${SOURCE_DIR}/assets ${SOURCE_DIR}/translations DESTINATION ${copy})
file(COPY ${SOURCE_DIR}/cmake/Translations.cmake DESTINATION ${copy}/cmake)
file(COPY ${SOURCE_DIR}/tests/architecture/sixth_game_probe.cpp DESTINATION ${copy}/probe)

# Inserts `row` before the end of the table that starts at `start` in `file`.
function(add_row file start row)
  file(READ ${file} text)
  string(FIND "${text}" "${start}" begin)
  if(begin LESS 0)
    message(FATAL_ERROR "${file}: no table starting with '${start}'")
  endif()
  string(SUBSTRING "${text}" ${begin} -1 tail)
  string(FIND "${tail}" "\n};" end)
  if(end LESS 0)
    message(FATAL_ERROR "${file}: the table has no end")
  endif()
  math(EXPR cut "${begin} + ${end} + 1")
  string(SUBSTRING "${text}" 0 ${cut} head)
  string(SUBSTRING "${text}" ${cut} -1 rest)
  file(WRITE ${file} "${head}${row}\n${rest}")
endfunction()

add_row(${copy}/src/ui/main/catalogue.h "inline constexpr GameInfo kGameTable[]" [=[
    {.name = "Test 4", .draw = {.count = 4, .poolSize = 20, .poolFirst = 1, .distinct = true},
     .picture = ":/assets/pick3.svg",
     .selectionTip = "Select this to generate numbers for Test 4",
     .selectionRect = {5640, 960, 1200, 900},
     .frameName = "fraTest4",
     .frameCaption = "The generated numbers will appear in here: 4 numbers from 1-20",
     .frameRect = {2040, 960, 5055, 1095}, .labelBase = "lbltest4",
     .rulesTop = 1440,
     .rules = [] { return QList<Rules::Message>{{QStringLiteral("Test 4 Information . . ."), QStringLiteral("Draw 4 numbers.")}}; },
     .vorlaStatusLeft = 1890, .vorlaStatusTop = 2280,
     .linkImageName = "imgtest4", .linkImageRect = {120, 240, 1440, 1140},
     .pointerName = "lblTest4Pointer",
     .pointerText = "<--- Click here to check the results for the Test 4 Lottery"},]=])
add_row(${copy}/src/ui/browser/linktable.cpp "constexpr LinkRow kRows[]" [=[
    {.handler = "imgtest4_Click", .control = "imgtest4",
     .text = "Click here to see the latest lotto results for TEST 4",
     .place = LinkPlace::ResultsPicture, .site = Site::Results, .path = "/test4.html"},]=])

file(WRITE ${copy}/CMakeLists.txt [=[
cmake_minimum_required(VERSION 3.21)
project(lottoworla VERSION 1.0.0 LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
include(GNUInstallDirs)
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Svg PrintSupport LinguistTools)
qt_standard_project_setup()
set(LOTTO_BUILD_BROWSER OFF)
add_subdirectory(src)
qt_add_executable(sixth_game_probe probe/sixth_game_probe.cpp)
target_link_libraries(sixth_game_probe PRIVATE lottoapp)
]=])

set(launcher)
find_program(CCACHE ccache)
if(CCACHE)
  set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE})
  set(ENV{CCACHE_BASEDIR} ${WORK_DIR})
endif()
# Unoptimised: the check reads which panel, picture and Rules box the sixth game got, and an
# unoptimised build takes a fraction of the time to compile.
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${copy} -B ${WORK_DIR}/build -G Ninja
          -DCMAKE_BUILD_TYPE=None ${launcher}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the copy with a sixth game does not configure")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build --target sixth_game_probe
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the copy with a sixth game does not build")
endif()
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${WORK_DIR}/build/sixth_game_probe RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the sixth game did not get what the other five have")
endif()
