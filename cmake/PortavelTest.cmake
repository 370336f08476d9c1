# add_qt_test(NAME <name> SOURCES <files...> [LIBS <libs...>])
# One executable per test file, run headless with a fixed locale.
function(add_qt_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE portavel_options portavel_testsupport Qt6::Test ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8"
    TIMEOUT 300)
endfunction()
