#!/usr/bin/env bash
# Builds Portavel with every test and runs them all.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup-deps --tests
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j2
