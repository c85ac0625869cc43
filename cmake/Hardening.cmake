# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The defences Debian builds every package with, for the Release and RelWithDebInfo builds: the game reads files
# its players can write (the high-score table, the help page), so a buffer overrun there should stop the program
# rather than run someone's code. Checked string and memory functions (_FORTIFY_SOURCE, which needs
# optimisation, hence not in Debug), stack canaries, stack clash probes, control-flow protection on x86, a
# position-independent executable, and relocations resolved at start then made read-only (RELRO, BIND_NOW).
#
# A distribution that builds the game with flags of its own (CXXFLAGS and LDFLAGS in the environment, which
# CMake folds into CMAKE_CXX_FLAGS and CMAKE_*_LINKER_FLAGS when it first configures) keeps them: a defence its
# flags already choose, or turn off, is not added again.
option(KELVAD_HARDEN "Build Release and RelWithDebInfo with Debian's hardening flags" ON)

set(KELVAD_HARDENED_CONFIGS Release RelWithDebInfo)
if(NOT KELVAD_HARDEN)
    return()
endif()

include(CheckCXXCompilerFlag)
include(CheckPIESupported)

# Position-independent code everywhere: the executable, the static libraries linked into it and into the sound
# module, and the module itself. Qt asks for it anyway; the executable is then linked with -pie.
check_pie_supported(OUTPUT_VARIABLE pie_message LANGUAGES CXX)
if(CMAKE_CXX_LINK_PIE_SUPPORTED)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
else()
    message(WARNING "The linker cannot make a position-independent executable: ${pie_message}")
endif()

check_cxx_compiler_flag(-fstack-clash-protection KELVAD_HAVE_STACK_CLASH_PROTECTION)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86|x86)$")
    check_cxx_compiler_flag(-fcf-protection KELVAD_HAVE_CF_PROTECTION)
endif()

# kelvad_add_missing(VARIABLE FLAGS_SEEN PATTERN FLAG...): appends the FLAGs to VARIABLE unless the flags already
# given (FLAGS_SEEN) match the regular expression PATTERN.
macro(kelvad_add_missing variable flags_seen pattern)
    if(NOT " ${flags_seen} " MATCHES "${pattern}")
        foreach(flag ${ARGN})
            string(APPEND ${variable} " ${flag}")
        endforeach()
    endif()
endmacro()

foreach(config IN LISTS KELVAD_HARDENED_CONFIGS)
    string(TOUPPER ${config} config)
    set(given "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}}")
    # The sanitizers check every access themselves, and better; fortified functions would only get in their way.
    if(NOT KELVAD_SANITIZE)
        # -U first: a compiler that defines the macro itself would otherwise warn of a redefinition.
        kelvad_add_missing(CMAKE_CXX_FLAGS_${config} "${given}" "_FORTIFY_SOURCE" -U_FORTIFY_SOURCE
                           -D_FORTIFY_SOURCE=2)
    endif()
    kelvad_add_missing(CMAKE_CXX_FLAGS_${config} "${given}" "-f(no-)?stack-protector" -fstack-protector-strong)
    if(KELVAD_HAVE_STACK_CLASH_PROTECTION)
        kelvad_add_missing(CMAKE_CXX_FLAGS_${config} "${given}" "-f(no-)?stack-clash-protection"
                           -fstack-clash-protection)
    endif()
    if(KELVAD_HAVE_CF_PROTECTION)
        kelvad_add_missing(CMAKE_CXX_FLAGS_${config} "${given}" "-fcf-protection" -fcf-protection)
    endif()
    foreach(kind EXE SHARED MODULE)
        set(given "${CMAKE_${kind}_LINKER_FLAGS} ${CMAKE_${kind}_LINKER_FLAGS_${config}}")
        kelvad_add_missing(CMAKE_${kind}_LINKER_FLAGS_${config} "${given}" "[-,]z[, ]*(no)?relro" -Wl,-z,relro)
        kelvad_add_missing(CMAKE_${kind}_LINKER_FLAGS_${config} "${given}" "[-,]z[, ]*(now|lazy)[ ,]" -Wl,-z,now)
    endforeach()
endforeach()
