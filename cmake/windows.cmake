# Cross builds: the shipped exe (win32 preset) and the in-process Wine tests (wine-tests preset).

# Windows 95/98 load only PE images that say 4.0. They ran on 486, Pentium, K6 and Cyrix
# processors: no instruction newer than the Pentium (no CMOV) in our code.
set(SD_WIN9X_LINK_FLAGS
    -static -static-libgcc -static-libstdc++
    -Wl,--major-subsystem-version,4,--minor-subsystem-version,0
    -Wl,--major-os-version,4,--minor-os-version,0)
set(SD_WIN32_DEFINES WINVER=0x0400 _WIN32_WINDOWS=0x0410 _WIN32_IE=0x0400 NOMINMAX STRICT)
add_compile_options(-march=i586 -Wall -Wextra)
if(SD_TARGET STREQUAL "win32")
    add_compile_options(-Oz -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
                        -ffunction-sections -fdata-sections)
endif()

add_library(sd_core STATIC ${SD_CORE_SOURCES})
target_include_directories(sd_core PUBLIC src)
target_compile_definitions(sd_core PUBLIC ${SD_WIN32_DEFINES})

add_library(sd_win32 STATIC ${SD_WIN32_SOURCES})
target_link_libraries(sd_win32 PUBLIC sd_core)
# Only what shell mode needs at start-up is imported; SHELL32, COMDLG32 and COMCTL32 are
# loaded on first use.
target_link_libraries(sd_win32 PUBLIC kernel32 user32 gdi32 advapi32)

if(SD_TARGET STREQUAL "win32")
    # windres's own includes are not tracked: name the pictures so an edit rebuilds the exe.
    file(GLOB SD_PICTURES ${CMAKE_SOURCE_DIR}/src/resources/*.bmp ${CMAKE_SOURCE_DIR}/src/resources/*.ico)
    set_source_files_properties(src/resources/swiftdash.rc PROPERTIES
        OBJECT_DEPENDS "${SD_PICTURES};${CMAKE_SOURCE_DIR}/src/resources/resource_ids.h")
    # The exe links no part of Debian's MinGW runtime, libstdc++ or libgcc (all compiled for
    # the Pentium Pro), nor MSVCRT.DLL (absent from the first Windows 95): src/runtime has the
    # entry and the few support and C library functions, and the
    # library templates it uses are instantiated in its own objects. Only import libraries
    # are linked; a missing runtime piece fails the link, naming it. No data auto-import
    # (it would need the runtime's pseudo-relocation code). One thread: function-local statics
    # need no lock (libsupc++'s __cxa_guard_*).
    set(SD_RUNTIME_FLAGS
        "$<$<COMPILE_LANGUAGE:CXX>:-include;${CMAKE_SOURCE_DIR}/src/runtime/instantiate_here.h;-fno-threadsafe-statics>")
    target_compile_options(sd_core PRIVATE "${SD_RUNTIME_FLAGS}")
    target_compile_options(sd_win32 PRIVATE "${SD_RUNTIME_FLAGS}")
    add_executable(SwiftDash WIN32 src/shell_window/main.cpp src/runtime/entry.cpp
                   src/runtime/cxx_support.cpp src/runtime/c_support.cpp src/runtime/c_memory.cpp
                   src/runtime/heap.cpp src/runtime/strtod.cpp src/resources/swiftdash.rc)
    target_compile_options(SwiftDash PRIVATE "${SD_RUNTIME_FLAGS}")
    target_link_libraries(SwiftDash PRIVATE sd_win32)
    target_link_options(SwiftDash PRIVATE ${SD_WIN9X_LINK_FLAGS} -nostdlib -s -Wl,--gc-sections
                        -Wl,--disable-auto-import)
    add_subdirectory(tests/e2e/driver)
    add_subdirectory(tests/bench/fixture)
elseif(SD_TARGET STREQUAL "wine-tests")
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${SD_GTEST_SOURCE} googletest EXCLUDE_FROM_ALL)
    add_subdirectory(tests/win32)
else()
    message(FATAL_ERROR "unknown SD_TARGET ${SD_TARGET}")
endif()
