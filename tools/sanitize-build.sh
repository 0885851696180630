#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with clang's AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize, the libFuzzer harnesses included. Run again, it rebuilds only what changed.
set -e
cd "$(dirname "$0")/.."
if [ ! -f build-sanitize/CMakeCache.txt ]; then
    # -O1 with line tables only: readable stack traces at a fraction of the compile time.
    CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
        -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCLAVORA_BENCH=OFF -DCLAVORA_FUZZ=ON $CLAVORA_CMAKE_ARGS >/dev/null
fi
cmake --build build-sanitize -j"$(nproc)"
