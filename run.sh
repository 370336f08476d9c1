#!/usr/bin/env bash
# Builds Portavel and starts it. The initial password is PORTAVEL.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target portavel
# The guide once, for the help window's PDF link; ./test.sh keeps it up to date.
[ -f build/Guida.pdf ] || cmake --build build --target guida
exec build/portavel
