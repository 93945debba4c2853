# Cross build: the program, the hook library and the tests that run under Wine.
set(VIMO_WIN_DEFS NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800)
set(VIMO_WIN_LIBS gdiplus comctl32 comdlg32 ole32 oleaut32 uuid shell32 shlwapi ws2_32 psapi iphlpapi
    urlmon wininet msimg32 gdi32 user32 kernel32 advapi32 winmm)
set(VIMO_ENTRY ${CMAKE_SOURCE_DIR}/app/winmain_win.cpp)
set(VIMO_RC ${CMAKE_SOURCE_DIR}/app/VimoKap.rc)

target_compile_options(vimo_portable PUBLIC -static)
target_link_options(vimo_portable PUBLIC -static -static-libgcc -static-libstdc++)

set(win_lib_sources ${VIMO_WIN_SOURCES})
list(REMOVE_ITEM win_lib_sources ${VIMO_ENTRY})
add_library(vimo_win STATIC ${win_lib_sources})
target_compile_definitions(vimo_win PUBLIC ${VIMO_WIN_DEFS})
target_compile_options(vimo_win PRIVATE ${VIMO_WARNINGS})
target_link_libraries(vimo_win PUBLIC vimo_portable ${VIMO_WIN_LIBS})

add_executable(VimoKap WIN32 ${VIMO_ENTRY} ${VIMO_RC})
target_compile_options(VimoKap PRIVATE ${VIMO_WARNINGS})
target_link_libraries(VimoKap PRIVATE vimo_win)

# The program directory: the exe and the skins, nothing else. Tests copy it into scratch folders.
set(VIMO_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
add_custom_command(TARGET VimoKap POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VIMO_PROGRAM_DIR}/Skin
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:VimoKap> ${VIMO_PROGRAM_DIR}/VimoKap.exe
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/skins ${VIMO_PROGRAM_DIR}/Skin
  COMMAND ${CMAKE_COMMAND} -E remove -f ${VIMO_PROGRAM_DIR}/Skin/generate.sh
  VERBATIM)

# GoogleTest cross-built from the Debian sources.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VIMO_GTEST_DIR} googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)

if(VIMO_WIN_TESTS)
  add_executable(win_tests ${VIMO_WIN_TESTS} ${VIMO_E2E_DRIVER} ${VIMO_RC})
  target_compile_options(win_tests PRIVATE ${VIMO_WARNINGS})
  target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(win_tests PRIVATE VIMO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    VIMO_PROGRAM_DIR="${VIMO_PROGRAM_DIR}" VIMO_SCRATCH_DIR="${CMAKE_BINARY_DIR}/scratch")
  target_link_libraries(win_tests PRIVATE vimo_win gtest gtest_main)
  gtest_discover_tests(win_tests TEST_PREFIX "win." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
endif()

# End-to-end tests start VimoKap.exe in scratch program directories and drive it.
if(VIMO_E2E_TESTS)
add_executable(e2e_tests ${VIMO_E2E_TESTS} ${VIMO_E2E_DRIVER})
target_compile_options(e2e_tests PRIVATE ${VIMO_WARNINGS})
target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
target_compile_definitions(e2e_tests PRIVATE ${VIMO_WIN_DEFS}
  VIMO_PROGRAM_DIR="${VIMO_PROGRAM_DIR}" VIMO_SCRATCH_DIR="${CMAKE_BINARY_DIR}/scratch")
target_link_libraries(e2e_tests PRIVATE vimo_portable gtest gtest_main ${VIMO_WIN_LIBS})
add_dependencies(e2e_tests VimoKap)
gtest_discover_tests(e2e_tests TEST_PREFIX "e2e." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
  PROPERTIES RUN_SERIAL TRUE TIMEOUT 180)
endif()

file(GLOB VIMO_BENCH_WIN CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_win_bench.cpp)
# One program per benchmark; scripts/bench.sh runs them all.
foreach(src ${VIMO_BENCH_WIN})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src} ${VIMO_E2E_DRIVER})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE ${VIMO_WIN_DEFS} VIMO_BENCH_STANDALONE
    VIMO_PROGRAM_DIR="${VIMO_PROGRAM_DIR}" VIMO_SCRATCH_DIR="${CMAKE_BINARY_DIR}/scratch")
  target_link_libraries(${name} PRIVATE vimo_win)
  add_dependencies(${name} VimoKap)
endforeach()
