# The Wine-level tests, run from the host build so that one CTest run reports every level.
# They need the cross builds (presets win32 and wine-tests) built first; tools/test.sh does it.
set(SD_WIN32_DIR "${CMAKE_SOURCE_DIR}/build/win32" CACHE PATH "win32 preset build folder")
set(SD_WINE_TESTS_DIR "${CMAKE_SOURCE_DIR}/build/wine-tests" CACHE PATH "wine-tests preset build folder")
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(SD_LAUNCHER ${CMAKE_SOURCE_DIR}/cmake/wine-test.sh)
set(SD_WINE_ENV
    SD_ROOT=${CMAKE_SOURCE_DIR}
    SD_WIN32_DIR=${SD_WIN32_DIR}
    SD_WINE_TESTS_DIR=${SD_WINE_TESTS_DIR})

# One display and the template prefix for the whole run; the Wine servers end with it.
add_test(NAME wine_session_start COMMAND ${SD_LAUNCHER} session-start)
add_test(NAME wine_session_stop COMMAND ${SD_LAUNCHER} session-stop)
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${SD_WINE_ENV}")
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${SD_WINE_ENV}")

# Every Wine process start costs about a second (more under emulation): one entry per exe.
add_test(NAME win32_in_process
         COMMAND ${SD_LAUNCHER} gtest ${SD_WINE_TESTS_DIR}/tests/win32/win32_tests.exe)
set_tests_properties(win32_in_process PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${SD_WINE_ENV}" TIMEOUT 900)

# Each end-to-end module is run by unittest, with the harness beside it on the import path.
file(GLOB SD_E2E_TESTS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.py)
foreach(script ${SD_E2E_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e_${name} COMMAND ${SD_LAUNCHER} e2e ${Python3_EXECUTABLE} -m unittest -v ${name})
    set_tests_properties(e2e_${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 900
                         ENVIRONMENT "${SD_WINE_ENV};PYTHONPATH=${CMAKE_SOURCE_DIR}/tests/e2e")
endforeach()

# Only what the first Windows 95 has, imported or loaded on first use.
add_test(NAME exe_imports COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check_imports.py
         ${SD_WIN32_DIR}/SwiftDash.exe --sources ${CMAKE_SOURCE_DIR}/src)

# Windows 95/98 machines: no instruction newer than the Pentium, and an exe of at most 128 KB.
add_test(NAME exe_instructions COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check_instructions.py
         ${SD_WIN32_DIR}/SwiftDash.exe)
add_test(NAME exe_size COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/exe_size.py
         ${SD_WIN32_DIR}/SwiftDash.exe --limit 131072)
# The release command itself: packs build/release/SwiftDash-<version>.zip and checks it.
add_test(NAME release_package COMMAND bash ${CMAKE_SOURCE_DIR}/tools/release.sh)

add_test(NAME resource_pictures COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/src/resources/check_pictures.py
         ${CMAKE_SOURCE_DIR}/src/resources)
