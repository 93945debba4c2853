# One static library per floor of the program: vimo_<floor>.
#
# vimo_floor(NAME BELOW...) collects NAME/*.cpp (recursively; the "_win.cpp" files only in the Windows
# builds), links the floors below, and gives the floor's sources an include folder of their own that
# holds links to NAME and the floors below and nothing else. An include of a higher floor's header
# therefore fails to compile. Tests and benchmarks see the whole source tree.
set(VIMO_FLOOR_VIEWS ${CMAKE_BINARY_DIR}/floors)
set(VIMO_FLOORS)

function(vimo_floor name)
  set(below ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp)
  if(NOT WIN32)
    list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
  endif()
  list(FILTER sources EXCLUDE REGEX "/app/winmain_win\\.cpp$")

  set(view ${VIMO_FLOOR_VIEWS}/${name})
  file(MAKE_DIRECTORY ${view})
  foreach(floor ${name} ${below})
    if(NOT EXISTS ${view}/${floor})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${floor} ${view}/${floor} SYMBOLIC)
    endif()
  endforeach()

  set(target vimo_${name})
  set(links)
  foreach(floor ${below})
    if(TARGET vimo_${floor})
      list(APPEND links vimo_${floor})
    endif()
  endforeach()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PRIVATE ${view})
    target_compile_options(${target} PRIVATE ${VIMO_WARNINGS})
    target_link_libraries(${target} PUBLIC vimo_options ${links})
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE vimo_options ${links})
  endif()
  set(VIMO_FLOORS ${VIMO_FLOORS} ${target} PARENT_SCOPE)
endfunction()

# What every floor and every test of a build shares: the language level, the build's definitions,
# sanitizer or static-runtime flags (set by Host.cmake or Win32.cmake).
add_library(vimo_options INTERFACE)
