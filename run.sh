#!/usr/bin/env bash
# Builds Portavel and starts it. The initial password is PORTAVEL.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target portavel
exec build/portavel
