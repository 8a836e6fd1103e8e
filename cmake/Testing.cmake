# One line per test program: the name, its sources and the targets it links.
# Every test runs headless, with a pinned locale and a timeout, so a window
# left open can never hold up a run.
set(TEST_TIMEOUT_SECONDS 60)

function(add_qt_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${TEST_TIMEOUT_SECONDS}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=en_US.UTF-8;LANG=en_US.UTF-8")
endfunction()
