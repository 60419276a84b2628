# Native build: the portable core with its tests under AddressSanitizer and UBSan, the fuzz
# target, and the registration of the Wine-level tests so that one CTest run holds them all.
add_compile_options(-Wall -Wextra -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

add_library(sd_core STATIC ${SD_CORE_SOURCES})
target_include_directories(sd_core PUBLIC src)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${SD_GTEST_SOURCE} googletest EXCLUDE_FROM_ALL)

enable_testing()
add_subdirectory(tests/host)
include(cmake/wine-tests.cmake)

# Folders include only folders on the layers below them.
add_test(NAME source_layers COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check_layers.py
         ${CMAKE_SOURCE_DIR}/src)
