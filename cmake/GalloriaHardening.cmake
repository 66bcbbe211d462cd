# The protections a Debian package is expected to carry, for optimised ELF
# builds: fortified libc calls, stack protection, position-independent
# programs and a read-only relocation table bound at start-up. Windows, macOS,
# the sanitizer and fuzz builds and Debug builds go without: the sanitizers
# bring their own checks and _FORTIFY_SOURCE needs optimisation.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

set(galloria_hardened_types Release RelWithDebInfo MinSizeRel)
if(MSVC OR WIN32 OR APPLE OR GALLORIA_SANITIZE OR GALLORIA_FUZZ
   OR NOT CMAKE_BUILD_TYPE IN_LIST galloria_hardened_types)
  return()
endif()

# Some toolchains already define _FORTIFY_SOURCE; undefine first so it is never redefined.
add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong)
foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "GALLORIA_HAS${flag}" supported)
  check_cxx_compiler_flag(${flag} ${supported})
  if(${supported})
    add_compile_options(${flag})
  endif()
endforeach()

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_link_options(-Wl,-z,relro -Wl,-z,now)
message(STATUS "Hardening: fortify, stack protector, PIE, full RELRO")
