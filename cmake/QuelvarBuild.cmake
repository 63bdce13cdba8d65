# Build settings shared by every target: warnings, sanitizers, the Windows link, dependencies.

set(QUELVAR_WARNING_FLAGS -Wall -Wextra)

if(QUELVAR_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

function(quelvar_warnings target)
  target_compile_options(${target} PRIVATE ${QUELVAR_WARNING_FLAGS})
endfunction()

if(WIN32)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # One self-contained executable: no MinGW runtime DLLs beside it; ASLR and DEP on.
  add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--dynamicbase,--nxcompat)

  # Tests run under Wine with a prefix kept in this build directory.
  set(QUELVAR_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUELVAR_WINEARCH win64)
    set(QUELVAR_WINE_LOADER /usr/lib/wine/wine64)
    set(QUELVAR_TARGET_ARCH x86_64)
  else()
    set(QUELVAR_WINEARCH win32)
    set(QUELVAR_WINE_LOADER /usr/lib/wine/wine)
    set(QUELVAR_TARGET_ARCH i686)
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

  # Some kernels run no 32-bit code at all; the programs are then built but not run.
  execute_process(COMMAND ${QUELVAR_WINE_LOADER} --version RESULT_VARIABLE wine_status
                  OUTPUT_QUIET ERROR_QUIET)
  if(wine_status EQUAL 0)
    set(QUELVAR_CAN_RUN ON)
  else()
    set(QUELVAR_CAN_RUN OFF)
    message(STATUS "${QUELVAR_WINE_LOADER} cannot run here: Windows tests are built, not run")
  endif()

  set(QUELVAR_DEPS "$ENV{QUELVAR_DEPS}")
  if(NOT QUELVAR_DEPS)
    set(QUELVAR_DEPS /var/cache/quelvar-deps)
  endif()
  set(QUELVAR_JPEG_PREFIX ${QUELVAR_DEPS}/libjpeg-turbo-${QUELVAR_TARGET_ARCH})
  if(NOT EXISTS ${QUELVAR_JPEG_PREFIX}/lib/libjpeg.a)
    message(FATAL_ERROR "libjpeg-turbo for ${QUELVAR_TARGET_ARCH} not found in ${QUELVAR_JPEG_PREFIX}; run scripts/setup")
  endif()
  add_library(quelvar::jpeg STATIC IMPORTED)
  set_target_properties(quelvar::jpeg PROPERTIES
    IMPORTED_LOCATION ${QUELVAR_JPEG_PREFIX}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${QUELVAR_JPEG_PREFIX}/include)

  # GoogleTest, cross-built from Debian's source package.
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
  find_package(JPEG REQUIRED)
  add_library(quelvar::jpeg ALIAS JPEG::JPEG)
endif()

# A GoogleTest program registered with CTest. Natively each test is its own CTest entry; under
# Wine a process start costs about two seconds, so each program runs once, all its tests inside.
function(quelvar_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  quelvar_warnings(${target})
  if(WIN32)
    if(QUELVAR_CAN_RUN)
      add_test(NAME ${target} COMMAND ${target} --gtest_color=no)
      set_tests_properties(${target} PROPERTIES TIMEOUT 600 LABELS wine
                           ENVIRONMENT "${ARG_ENVIRONMENT}")
    endif()
  else()
    gtest_discover_tests(${target} PROPERTIES TIMEOUT 60)
  endif()
endfunction()
