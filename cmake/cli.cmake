# pricotta-cli, the companion program: its logic as a library on the notebook (QtCore only, never a
# widget), the program beside pricotta, the companion window of the desktop entry, their tests,
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

# The companion window of the desktop entry "Pricotta 買い物プラン": a Qt Widgets program on the
# notebook layer and pricotta_cli_lib, so pricotta-cli itself links no widget library. Its window
# is a library too, for its offscreen tests.
find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
add_library(pricotta_companion STATIC companion/companionwindow.cpp companion/companionwindow.h
  companion/companionfiles.cpp companion/companionfiles.h)
target_include_directories(pricotta_companion PUBLIC companion)
target_link_libraries(pricotta_companion PUBLIC pricotta_cli_lib Qt6::Widgets Qt6::PrintSupport pricotta_flags)
set_target_properties(pricotta_companion PROPERTIES AUTOMOC OFF)
add_executable(pricotta-companion companion/main.cpp)
target_link_libraries(pricotta-companion PRIVATE pricotta_companion)
set_target_properties(pricotta-companion PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR} AUTOMOC OFF)

file(GLOB PRICOTTA_CLI_TESTS CONFIGURE_DEPENDS tests/cli/*.cpp tests/cli/*.h)
add_executable(cli_tests ${PRICOTTA_CLI_TESTS} tests/support/logic_main.cpp
  tests/support/testfiles.cpp tests/support/testfiles.h
  tests/support/notebooklines.cpp tests/support/notebooklines.h
  tests/support/unprivileged.cpp tests/support/unprivileged.h)
target_include_directories(cli_tests PRIVATE tests)
target_link_libraries(cli_tests PRIVATE pricotta_cli_lib GTest::gtest)
target_compile_definitions(cli_tests PRIVATE
  PRICOTTA_CLI_PROGRAM="$<TARGET_FILE:pricotta-cli>"
  PRICOTTA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(cli_tests pricotta-cli)
gtest_discover_tests(cli_tests DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")

file(GLOB PRICOTTA_COMPANION_TESTS CONFIGURE_DEPENDS tests/companion/*.cpp)
add_executable(companion_tests ${PRICOTTA_COMPANION_TESTS} tests/support/testfiles.cpp tests/support/testfiles.h
  tests/support/notebooklines.cpp tests/support/notebooklines.h)
target_include_directories(companion_tests PRIVATE tests)
target_link_libraries(companion_tests PRIVATE pricotta_companion Qt6::Test GTest::gtest)
target_compile_definitions(companion_tests PRIVATE PRICOTTA_CLI_PROGRAM="$<TARGET_FILE:pricotta-cli>")
add_dependencies(companion_tests pricotta-cli)
gtest_discover_tests(companion_tests DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")

if(PRICOTTA_BENCH)
  add_executable(pricotta_cli_bench bench/cli_bench.cpp)
  target_link_libraries(pricotta_cli_bench PRIVATE pricotta_cli_lib benchmark::benchmark)
endif()

include(GNUInstallDirs)
install(TARGETS pricotta-cli pricotta-companion RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/pricotta-companion.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The desktop entry passes its validator where the validator is installed.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME companion_desktop_entry
    COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/resources/pricotta-companion.desktop)
endif()
