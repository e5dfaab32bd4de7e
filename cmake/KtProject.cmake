# Project-wide compiler settings and helpers shared by every directory.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_C_STANDARD 11)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_C_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

option(KT_WERROR "Treat compiler warnings as errors" OFF)
option(KT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(WIN32)
  set(KT_POSIX OFF)
else()
  set(KT_POSIX ON)
endif()

# Media analysis (FFmpeg, Chromaprint, libebur128) exists only for the native target here.
if(KT_POSIX)
  set(_kt_media_default ON)
else()
  set(_kt_media_default OFF)
endif()
option(KT_WITH_MEDIA "Build the reference tools with FFmpeg, Chromaprint and libebur128" ${_kt_media_default})

add_library(kt_warnings INTERFACE)
target_compile_options(kt_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough)
if(KT_WERROR)
  target_compile_options(kt_warnings INTERFACE -Werror)
endif()

if(KT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(KT_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(KT_WINE /usr/lib/wine/wine64)
  else()
    set(KT_WINE wine)
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()

# GoogleTest: the system package natively, built from its Debian sources when cross-compiling.
if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(_lib gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${_lib})
      add_library(GTest::${_lib} ALIAS ${_lib})
    endif()
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()

# kt_add_test(NAME SOURCES src... [LIBS lib...] [NO_MAIN] [NATIVE_ONLY] [ENV var=value...])
# Builds one GoogleTest program and registers it as one test (under Wine when cross-compiling).
function(kt_add_test name)
  cmake_parse_arguments(T "NO_MAIN;NATIVE_ONLY" "" "SOURCES;LIBS;ENV" ${ARGN})
  if(T_NATIVE_ONLY AND CMAKE_CROSSCOMPILING)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} kt_warnings GTest::gtest)
  if(NOT T_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  if(T_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${T_ENV}")
  endif()
endfunction()

# kt_add_layer(NAME DIRS dir... [DEPS lib...]): a static library of one subsystem from the
# sources in its directories (the build picks up new files by itself). Directories with no
# sources yet give an interface library, so later layers can already name it.
function(kt_add_layer name)
  cmake_parse_arguments(L "" "" "DIRS;DEPS" ${ARGN})
  set(_sources)
  foreach(_dir ${L_DIRS})
    file(GLOB _found CONFIGURE_DEPENDS ${_dir}/*.cpp ${_dir}/*.c)
    list(APPEND _sources ${_found})
  endforeach()
  if(_sources)
    add_library(${name} STATIC ${_sources})
    target_link_libraries(${name} PUBLIC ${L_DEPS} PRIVATE kt_warnings)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${L_DEPS})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
  endif()
endfunction()

# Adds every subdirectory of the current directory that has a CMakeLists.txt.
function(kt_add_subdirectories)
  file(GLOB _entries LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(_entry ${_entries})
    if(IS_DIRECTORY ${_entry} AND EXISTS ${_entry}/CMakeLists.txt)
      add_subdirectory(${_entry})
    endif()
  endforeach()
endfunction()
