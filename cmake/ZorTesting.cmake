# zor_add_test(name SOURCES ... [LIBS ...] [GUI])
#   One test executable, registered with CTest. GUI tests get a QApplication on
#   the offscreen platform (tests/support/gui_test_main.cpp); the others use
#   GoogleTest's own main. XDG_STATE_HOME points into the build tree, so
#   nothing a test leaves in the state folder (the service log, the simulated
#   controller's state) lands in the home folder.
function(zor_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  zor_warnings(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_GUI)
    target_link_libraries(${name} PRIVATE zor_gui_test_main Qt6::Test Qt6::Widgets)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZORCOMM_LINK=sim;XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-state"
    TIMEOUT 300)
endfunction()
