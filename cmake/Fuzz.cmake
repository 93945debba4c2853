# Fuzz targets: one per reader of outside data, tests/fuzz/<name>_fuzz.cpp, each defining
# LLVMFuzzerTestOneInput. Their seed inputs and the crashers found so far are in tests/fuzz/inputs/<name>.
#
# - In the host build each target is linked with tests/fuzz/replay_main.cpp as <name>_fuzz and
#   registered as fuzz.<name>.inputs, which feeds it every file of its inputs folder.
# - In the fuzz build (-DVIMO_FUZZ=ON, clang) the floors are instrumented for libFuzzer and each target
#   is a fuzzer; fuzz.<name>.run fuzzes it for a few seconds, starting from the inputs folder (read only:
#   new inputs go to a scratch folder emptied before every run, any crash to fuzz-work/<name>/found).
#   scripts/fuzz.sh runs the same targets for longer, on a corpus kept from run to run.
file(GLOB VIMO_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
set(VIMO_FUZZ_INPUTS ${CMAKE_SOURCE_DIR}/tests/fuzz/inputs)

add_library(vimo_fuzz_support STATIC ${CMAKE_SOURCE_DIR}/tests/support/ini_profile_store.cpp)
target_compile_options(vimo_fuzz_support PRIVATE ${VIMO_WARNINGS})
target_include_directories(vimo_fuzz_support PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(vimo_fuzz_support PUBLIC vimo_app)

if(VIMO_FUZZ)
  set(VIMO_FUZZ_SECONDS 3 CACHE STRING "How long each fuzz.<name>.run test fuzzes its target")
  set(work ${CMAKE_BINARY_DIR}/fuzz-work)
  set(scratch)
  set(found)
endif()

foreach(src ${VIMO_FUZZ_SOURCES})
  get_filename_component(target ${src} NAME_WE)
  string(REGEX REPLACE "_fuzz$" "" name ${target})
  if(VIMO_FUZZ)
    add_executable(${target} ${src})
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
  else()
    add_executable(${target} ${src} ${CMAKE_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
  endif()
  target_compile_options(${target} PRIVATE ${VIMO_WARNINGS})
  target_link_libraries(${target} PRIVATE vimo_fuzz_support)

  if(VIMO_FUZZ)
    list(APPEND scratch ${work}/${name}/scratch)
    list(APPEND found ${work}/${name}/found)
    add_test(NAME fuzz.${name}.run
             COMMAND ${target} -max_total_time=${VIMO_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                     -artifact_prefix=${work}/${name}/found/ ${work}/${name}/scratch ${VIMO_FUZZ_INPUTS}/${name})
    set_tests_properties(fuzz.${name}.run PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED fuzz_work)
  else()
    add_test(NAME fuzz.${name}.inputs COMMAND ${target} ${VIMO_FUZZ_INPUTS}/${name})
    set_tests_properties(fuzz.${name}.inputs PROPERTIES TIMEOUT 120)
  endif()
endforeach()

if(VIMO_FUZZ)
  # Empty scratch folders keep every run as short as the one before.
  list(JOIN scratch " " scratch)
  list(JOIN found " " found)
  add_test(NAME fuzz.work COMMAND sh -c "rm -rf ${scratch} && mkdir -p ${scratch} ${found}")
  set_tests_properties(fuzz.work PROPERTIES FIXTURES_SETUP fuzz_work)
endif()
