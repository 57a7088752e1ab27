#!/bin/sh
# strip as Debian's packaging strips: also without the compiler's .comment and .note sections.
# tools/package.sh hands it to CMake as CMAKE_STRIP.
exec strip --remove-section=.comment --remove-section=.note "$@"
