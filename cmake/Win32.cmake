# Cross build: the program and the tests that run under Wine.
set(VIMO_WIN_DEFS NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800)
set(VIMO_WIN_LIBS gdiplus comctl32 comdlg32 ole32 oleaut32 uuid shell32 shlwapi ws2_32 psapi iphlpapi
    urlmon wininet crypt32 msimg32 gdi32 user32 kernel32 advapi32 winmm)
set(VIMO_ENTRY ${CMAKE_SOURCE_DIR}/app/winmain_win.cpp)
set(VIMO_RC ${CMAKE_SOURCE_DIR}/app/VimoKap.rc)

target_compile_definitions(vimo_options INTERFACE ${VIMO_WIN_DEFS})
target_compile_options(vimo_options INTERFACE -static)
target_link_options(vimo_options INTERFACE -static -static-libgcc -static-libstdc++)
target_link_libraries(vimo_options INTERFACE ${VIMO_WIN_LIBS})

# The Windows headers are the bulk of every Windows source's compile time. Windows Sockets 2 comes
# first, as its header must, so that any source may use sockets.
foreach(floor ${VIMO_FLOORS})
  get_target_property(kind ${floor} TYPE)
  if(NOT kind STREQUAL "INTERFACE_LIBRARY")
    target_precompile_headers(${floor} PRIVATE <winsock2.h> <windows.h>)
  endif()
endforeach()

# VimoDetect.dll: the hook library the system loads into other programs. It needs nothing but USER32
# and carries its own runtime. The program links it at load time through its import library.
add_library(VimoDetect SHARED ${CMAKE_SOURCE_DIR}/hooklib/vimo_detect_win.cpp)
set_target_properties(VimoDetect PROPERTIES PREFIX "" OUTPUT_NAME VimoDetect)
target_compile_definitions(VimoDetect PRIVATE VIMO_DETECT_BUILD ${VIMO_WIN_DEFS})
target_include_directories(VimoDetect PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(VimoDetect PRIVATE ${VIMO_WARNINGS})
target_link_options(VimoDetect PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(VimoDetect PRIVATE user32)
target_link_libraries(vimo_bars PUBLIC VimoDetect)

add_executable(VimoKap WIN32 ${VIMO_ENTRY} ${VIMO_RC})
target_compile_options(VimoKap PRIVATE ${VIMO_WARNINGS})
target_include_directories(VimoKap PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(VimoKap PRIVATE vimo_app)

# The program directory: the exe, the hook library and the skins, nothing else. Tests copy it into scratch folders.
set(VIMO_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
add_custom_command(TARGET VimoKap POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:VimoKap> ${VIMO_PROGRAM_DIR}/VimoKap.exe
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:VimoDetect> ${VIMO_PROGRAM_DIR}/VimoDetect.dll
  VERBATIM)
# The skins are copied on every build, so that a changed skin reaches the program without a new exe.
add_custom_target(vimo_program_skins ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VIMO_PROGRAM_DIR}/Skin
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/skins ${VIMO_PROGRAM_DIR}/Skin
  COMMAND ${CMAKE_COMMAND} -E remove -f ${VIMO_PROGRAM_DIR}/Skin/generate.sh
  VERBATIM)
add_dependencies(VimoKap vimo_program_skins)

# The other program of the tests about other programs' windows.
add_executable(other_window WIN32 ${CMAKE_SOURCE_DIR}/tests/programs/other_window_win.cpp)
target_compile_options(other_window PRIVATE ${VIMO_WARNINGS})
target_include_directories(other_window PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(other_window PRIVATE vimo_options)
# The opener of the tests' made-up address scheme: it logs what the shell asked it to open.
add_executable(open_logger WIN32 ${CMAKE_SOURCE_DIR}/tests/programs/open_logger_win.cpp)
target_compile_options(open_logger PRIVATE ${VIMO_WARNINGS})
target_link_libraries(open_logger PRIVATE vimo_options)

# GoogleTest cross-built from the Debian sources.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VIMO_GTEST_DIR} googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)

# What the tests and benchmarks of this build share, compiled once: the end-to-end driver and the
# in-memory INI store.
add_library(vimo_test_support STATIC ${VIMO_E2E_DRIVER} ${VIMO_TEST_SUPPORT})
target_compile_options(vimo_test_support PRIVATE ${VIMO_WARNINGS})
target_include_directories(vimo_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
target_compile_definitions(vimo_test_support PUBLIC VIMO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
  VIMO_OTHER_WINDOW_EXE="${CMAKE_BINARY_DIR}/other_window.exe" VIMO_OPEN_LOGGER_EXE="${CMAKE_BINARY_DIR}/open_logger.exe"
  VIMO_PROGRAM_DIR="${VIMO_PROGRAM_DIR}" VIMO_SCRATCH_DIR="${CMAKE_BINARY_DIR}/scratch"
  VIMO_POP3_PEER_DIR="${CMAKE_BINARY_DIR}/pop3-peer")
target_link_libraries(vimo_test_support PUBLIC vimo_app)
add_dependencies(vimo_test_support other_window open_logger)
target_precompile_headers(vimo_test_support PRIVATE <winsock2.h> <windows.h>)

if(VIMO_WIN_TESTS)
  add_executable(win_tests ${VIMO_WIN_TESTS} ${VIMO_RC})
  target_compile_options(win_tests PRIVATE ${VIMO_WARNINGS})
  target_link_libraries(win_tests PRIVATE vimo_test_support gtest gtest_main)
  target_precompile_headers(win_tests PRIVATE <winsock2.h> <windows.h> <gtest/gtest.h>)
  # Each test runs on one of the test script's displays (a CTest resource), so several run at once.
  # The test script describes the displays in this file before it runs CTest.
  set(CTEST_RESOURCE_SPEC_FILE ${CMAKE_BINARY_DIR}/test-displays.json)
  gtest_discover_tests(win_tests TEST_PREFIX "win." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES RESOURCE_GROUPS displays:1)
endif()

# End-to-end tests start VimoKap.exe in scratch program directories and drive it.
if(VIMO_E2E_TESTS)
  add_executable(e2e_tests ${VIMO_E2E_TESTS})
  target_compile_options(e2e_tests PRIVATE ${VIMO_WARNINGS})
  target_link_libraries(e2e_tests PRIVATE vimo_test_support gtest gtest_main version)
  target_precompile_headers(e2e_tests REUSE_FROM win_tests)
  add_dependencies(e2e_tests VimoKap)
  gtest_discover_tests(e2e_tests TEST_PREFIX "e2e." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    TEST_FILTER "-MailAlert*:Package*:KillWhileSaving*:Soak*:KapData.AFullDisk*:HostileMailServer*" PROPERTIES TIMEOUT 180
    RESOURCE_GROUPS displays:1)
  # Six sessions against a misbehaving server, each waited for up to 20 s: its own bounds add up to
  # about three minutes, so a slow machine sees its own message rather than CTest's timeout.
  gtest_discover_tests(e2e_tests TEST_PREFIX "e2e." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    TEST_FILTER "HostileMailServer*" PROPERTIES TIMEOUT 300 RESOURCE_GROUPS displays:1)
  # The long tests (killing the program while it saves takes many rounds of starting it; the soak
  # runs for minutes) start first.
  gtest_discover_tests(e2e_tests TEST_PREFIX "e2e." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    TEST_FILTER "KillWhileSaving*:Soak*" PROPERTIES TIMEOUT 900 COST 1000 RESOURCE_GROUPS displays:1)
  # The full-disk test runs its program from a small file system mounted for it.
  set(small_disk ${CMAKE_SOURCE_DIR}/scripts/small-disk.sh)
  add_test(NAME small-disk.mount COMMAND bash ${small_disk} mount ${CMAKE_BINARY_DIR}/scratch/small-disk 48)
  add_test(NAME small-disk.unmount COMMAND bash ${small_disk} unmount ${CMAKE_BINARY_DIR}/scratch/small-disk)
  set_tests_properties(small-disk.mount PROPERTIES FIXTURES_SETUP smalldisk)
  set_tests_properties(small-disk.unmount PROPERTIES FIXTURES_CLEANUP smalldisk)
  gtest_discover_tests(e2e_tests TEST_PREFIX "e2e." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    TEST_FILTER "KapData.AFullDisk*" PROPERTIES TIMEOUT 180 RESOURCE_GROUPS displays:1 FIXTURES_REQUIRED smalldisk)
  # The download package, made from the builds and unpacked as a user would, before its test.
  add_test(NAME package.make COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/package.sh --no-build
    --unpack-to ${CMAKE_BINARY_DIR}/package-unpacked)
  set_tests_properties(package.make PROPERTIES FIXTURES_SETUP package)
  gtest_discover_tests(e2e_tests TEST_PREFIX "e2e." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    TEST_FILTER "Package*" PROPERTIES TIMEOUT 180 RESOURCE_GROUPS displays:1 FIXTURES_REQUIRED package)
  # The mail alert's tests talk to a real POP3 server: a private Dovecot on 127.0.0.1 port 110, started
  # before the first of them and stopped after the last.
  set(pop3_peer ${CMAKE_SOURCE_DIR}/scripts/pop3-peer.sh)
  add_test(NAME pop3-peer.start COMMAND bash ${pop3_peer} start ${CMAKE_BINARY_DIR}/pop3-peer)
  add_test(NAME pop3-peer.stop COMMAND bash ${pop3_peer} stop ${CMAKE_BINARY_DIR}/pop3-peer)
  set_tests_properties(pop3-peer.start PROPERTIES FIXTURES_SETUP pop3peer)
  set_tests_properties(pop3-peer.stop PROPERTIES FIXTURES_CLEANUP pop3peer)
  gtest_discover_tests(e2e_tests TEST_PREFIX "e2e." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    TEST_FILTER "MailAlert*" PROPERTIES TIMEOUT 180 RESOURCE_GROUPS displays:1 FIXTURES_REQUIRED pop3peer)
endif()

# The run command's showcase: drives the program as a new user would, for its screenshot.
add_executable(showcase_win ${CMAKE_SOURCE_DIR}/tools/showcase_win.cpp)
target_compile_options(showcase_win PRIVATE ${VIMO_WARNINGS})
target_link_libraries(showcase_win PRIVATE vimo_test_support)
add_dependencies(showcase_win VimoKap)

file(GLOB VIMO_BENCH_WIN CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_win_bench.cpp)
# One program per benchmark; scripts/bench.sh runs them all.
foreach(src ${VIMO_BENCH_WIN})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_compile_definitions(${name} PRIVATE VIMO_BENCH_STANDALONE)
  target_link_libraries(${name} PRIVATE vimo_test_support)
  add_dependencies(${name} VimoKap)
endforeach()

# Where this build's tests are only compiled (the Wine tests run on the other build), they are built
# unoptimised: they still must compile, and that takes a fraction of the time.
option(VIMO_TESTS_COMPILE_ONLY "The tests of this build are compiled, not run" OFF)
if(VIMO_TESTS_COMPILE_ONLY)
  foreach(target vimo_test_support win_tests e2e_tests showcase_win gtest gtest_main)
    if(TARGET ${target})
      target_compile_options(${target} PRIVATE -O0)
    endif()
  endforeach()
endif()
