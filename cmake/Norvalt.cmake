# Build helpers shared by every target: one place for the warning flags and the
# sanitizer switch, so that libraries, tests, tools and the program agree.

function(norvalt_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                           -Wnon-virtual-dtor -Wold-style-cast)
  if(NORVALT_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                             -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# norvalt_library(<name> SOURCES ... DEPS ...): the library target norvalt_<name>
# with its folder's parent on the include path, so that code includes
# "text/Cp950.h", "media/Tran01Layout.h" and so on.
function(norvalt_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(norvalt_${name} STATIC ${ARG_SOURCES})
  target_include_directories(norvalt_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(norvalt_${name} PUBLIC ${ARG_DEPS})
  norvalt_target_options(norvalt_${name})
endfunction()

# norvalt_test(<name> SOURCES ... DEPS ... [GUI]): one GoogleTest binary per
# layer. GUI tests run on Qt's offscreen platform.
function(norvalt_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;DEPS" ${ARGN})
  add_executable(test_${name} ${ARG_SOURCES})
  target_link_libraries(test_${name} PRIVATE ${ARG_DEPS} GTest::gtest)
  if(ARG_GUI)
    target_sources(test_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/GuiTestMain.cpp)
  else()
    target_link_libraries(test_${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests/support)
  target_compile_definitions(test_${name} PRIVATE NORVALT_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  norvalt_target_options(test_${name})
  add_test(NAME ${name} COMMAND test_${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 600)
endfunction()
