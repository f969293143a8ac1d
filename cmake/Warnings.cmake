# Project-wide compile flags: warnings for our own targets, optional sanitizers.
add_library(vy_warnings INTERFACE)
target_compile_options(vy_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(VY_WERROR)
  target_compile_options(vy_warnings INTERFACE -Werror)
endif()

if(VY_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# ThreadSanitizer, for the engine and worker tests (scripts/test-extra/tsan.sh).
option(VY_TSAN "Build with ThreadSanitizer" OFF)
if(VY_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# vy_engine_library(name sources...): a plain C++ library without Qt.
function(vy_engine_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE vy_warnings)
endfunction()

# vy_test(name LIBS libs... SOURCES files...): a GoogleTest executable registered with ctest.
function(vy_test name)
  cmake_parse_arguments(T "" "" "LIBS;SOURCES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main vy_warnings)
  # The suppression file covers leaks inside system libraries Qt loads; it is
  # passed on to programs the tests start. Window tests see one full-HD screen,
  # whatever the machine has, so places kept on screen are the same everywhere.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/offscreen-screen.json"
      ENVIRONMENT_MODIFICATION "LSAN_OPTIONS=set:suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp")
endfunction()

# vy_window_library(name sources...): an area's windows (Qt). The program's
# window list links every library made this way.
function(vy_window_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC vy_platform_qt vy_widgets vy_core Qt6::Widgets PRIVATE vy_warnings)
  set_property(GLOBAL APPEND PROPERTY VY_WINDOW_LIBRARIES ${name})
endfunction()

# vy_beside_program(target folder files...): a target, built by default, that
# copies files into the folder of that name beside the program, each again
# whenever it changes (help pages, skins, the tables' pictures). The install
# puts them into the same folder of the installed program folder.
function(vy_beside_program target folder)
  set(copies)
  foreach(file ${ARGN})
    get_filename_component(name ${file} NAME)
    set(copy ${VY_PROGRAM_DIR}/${folder}/${name})
    add_custom_command(OUTPUT ${copy} COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${copy}
                       DEPENDS ${file} VERBATIM)
    list(APPEND copies ${copy})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${copies})
  set_property(GLOBAL APPEND PROPERTY VY_BESIDE_PROGRAM_TARGETS ${target})
  install(FILES ${ARGN} DESTINATION ${VY_INSTALL_PROGRAM_DIR}/${folder})
endfunction()
