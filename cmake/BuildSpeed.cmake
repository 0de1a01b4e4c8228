# What makes the build fast: ccache when installed, the Qt headers precompiled once for
# each kind of target, and a faster linker where the toolchain has one. Nothing here
# changes what is built.
option(UNITDESK_PCH "Precompile the Qt headers (unitdesk_precompile)" ON)

# Rebuilds of the same sources (another work tree, a build directory made anew) come from
# the cache. ccache caches a file built with a precompiled header only with this sloppiness;
# it is set here so that a clean clone needs no ccache configuration of its own, and the
# base directory makes the cache shared by every clone.
find_program(CCACHE_PROGRAM ccache)
find_program(ENV_PROGRAM env)
if(CCACHE_PROGRAM AND ENV_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER
      ${ENV_PROGRAM} CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} ${CCACHE_PROGRAM})
endif()

# gold links the programs in a third of the time of the default linker (the test programs
# are linked against every library); lld where the compiler is clang (the fuzz build).
if(NOT WIN32 AND NOT CMAKE_CROSSCOMPILING)
  include(CheckLinkerFlag)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    check_linker_flag(CXX -fuse-ld=lld UNITDESK_LINKER_LLD)
    if(UNITDESK_LINKER_LLD)
      add_link_options(-fuse-ld=lld)
    endif()
  else()
    check_linker_flag(CXX -fuse-ld=gold UNITDESK_LINKER_GOLD)
    if(UNITDESK_LINKER_GOLD)
      add_link_options(-fuse-ld=gold)
    endif()
  endif()
endif()

# Whether a target links the widgets, itself or through one of our libraries.
function(_unitdesk_links_widgets out target)
  set(result OFF)
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(libraries ${target} ${property})
    foreach(library IN LISTS libraries)
      if(library MATCHES "^Qt6?::(Widgets|PrintSupport|Charts)$")
        set(result ON)
      elseif(TARGET ${library} AND library MATCHES "^(ud_|unitdesk_)")
        _unitdesk_links_widgets(inner ${library})
        if(inner)
          set(result ON)
        endif()
      endif()
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Precompiles the Qt headers for a target (call it once its libraries are linked): QtCore's
# for the libraries of logic, the widgets' for the windows, QtTest as well for the test
# programs and benchmarks. Each kind is compiled once and reused by every later target of
# that kind (their compiler options are the same; the macros only some of them define, such
# as QT_CHARTS_LIB, appear in none of these headers). QtTest reads the test folder's path
# from a macro, so each folder has its own. Clang refuses a precompiled header made with
# other macros on the command line: there every target compiles its own.
function(unitdesk_precompile target)
  if(NOT UNITDESK_PCH)
    return()
  endif()
  get_target_property(libraries ${target} LINK_LIBRARIES)
  _unitdesk_links_widgets(widgets ${target})
  if(libraries MATCHES "Qt6?::Test")
    set(kind test)
    set(key test_${CMAKE_CURRENT_SOURCE_DIR})
  elseif(widgets)
    set(kind widgets)
    set(key widgets)
  else()
    set(kind core)
    set(key core)
  endif()
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    set(key ${key}_${target})
  endif()
  string(MAKE_C_IDENTIFIER "UNITDESK_PCH_${key}" slot)
  get_property(first GLOBAL PROPERTY ${slot})
  if(first)
    target_precompile_headers(${target} REUSE_FROM ${first})
  else()
    target_precompile_headers(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/pch/${kind}.h)
    set_property(GLOBAL PROPERTY ${slot} ${target})
  endif()
endfunction()
