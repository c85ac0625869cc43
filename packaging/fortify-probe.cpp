// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Built with the game's flags, never installed. Of the game's own calls that glibc can check, one is proven
// safe when compiled (a read into a fixed buffer of that buffer's size) and the others copy into buffers
// whose size the compiler cannot see, so all keep the plain functions. This reads a count known only at run
// time into a buffer of known size, which a fortified build turns into __read_chk: the install test looks for
// it.
#include <unistd.h>

#include <cstddef>

int main(int argc, char**) {
    char buffer[16];
    return static_cast<int>(read(0, buffer, static_cast<std::size_t>(argc) * 4));
}
