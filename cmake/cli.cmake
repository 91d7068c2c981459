# pricotta-cli, the companion program: its logic as a library on the notebook (QtCore only, never a
# widget), the program beside pricotta, the small report dialog of the desktop entry, their tests,
# the benchmark and what gets installed.

set(PRICOTTA_CLI_VIEW ${CMAKE_BINARY_DIR}/include-views/pricotta_cli_lib)
file(MAKE_DIRECTORY ${PRICOTTA_CLI_VIEW})
file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/cli ${PRICOTTA_CLI_VIEW}/cli SYMBOLIC)
file(GLOB PRICOTTA_CLI_SOURCES CONFIGURE_DEPENDS src/cli/*.cpp src/cli/*.h)
list(FILTER PRICOTTA_CLI_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(pricotta_cli_lib STATIC ${PRICOTTA_CLI_SOURCES})
target_include_directories(pricotta_cli_lib PUBLIC ${PRICOTTA_CLI_VIEW})
target_link_libraries(pricotta_cli_lib PUBLIC pricotta_notebook pricotta_flags)
target_compile_definitions(pricotta_cli_lib PRIVATE PRICOTTA_CLI_VERSION="${PROJECT_VERSION}")

add_executable(pricotta-cli src/cli/main.cpp)
target_link_libraries(pricotta-cli PRIVATE pricotta_cli_lib)
set_target_properties(pricotta-cli PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The desktop entry's program: a file dialog for the notebook, then `pricotta-cli report --open`,
# and a message box when that fails. A separate program, so pricotta-cli links no widget library.
add_executable(pricotta-report-dialog reportdialog/main.cpp)
target_link_libraries(pricotta-report-dialog PRIVATE Qt6::Widgets pricotta_flags)
set_target_properties(pricotta-report-dialog PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR} AUTOMOC OFF)
add_dependencies(pricotta-report-dialog pricotta-cli)

file(GLOB PRICOTTA_CLI_TESTS CONFIGURE_DEPENDS tests/cli/*.cpp tests/cli/*.h)
add_executable(cli_tests ${PRICOTTA_CLI_TESTS} tests/support/logic_main.cpp
  tests/support/testfiles.cpp tests/support/testfiles.h
  tests/support/notebooklines.cpp tests/support/notebooklines.h
  tests/support/unprivileged.cpp tests/support/unprivileged.h)
target_include_directories(cli_tests PRIVATE tests)
target_link_libraries(cli_tests PRIVATE pricotta_cli_lib GTest::gtest)
target_compile_definitions(cli_tests PRIVATE
  PRICOTTA_CLI_PROGRAM="$<TARGET_FILE:pricotta-cli>"
  PRICOTTA_REPORT_DIALOG="$<TARGET_FILE:pricotta-report-dialog>"
  PRICOTTA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(cli_tests pricotta-cli pricotta-report-dialog)
gtest_discover_tests(cli_tests DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")

if(PRICOTTA_BENCH)
  add_executable(pricotta_cli_bench bench/cli_bench.cpp)
  target_link_libraries(pricotta_cli_bench PRIVATE pricotta_cli_lib benchmark::benchmark)
endif()

include(GNUInstallDirs)
install(TARGETS pricotta-cli pricotta-report-dialog RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/pricotta-report.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The desktop entry passes its validator where the validator is installed.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME report_desktop_entry
    COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/resources/pricotta-report.desktop)
endif()
