#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds with warnings as errors, and runs every test: unit,
# window, end-to-end and the packaging checks (desktop entry, AppStream data, the .deb).
# The end-to-end tests start their own X server, so no display is needed.
set -e
cd "$(dirname "$0")/.."
sh tools/install-deps.sh --tests
# Compiler results are shared between clones of this tree, wherever they sit.
export CCACHE_BASEDIR="$(pwd)" CCACHE_NOHASHDIR=1
export CMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCLAVORA_TESTS=ON -DCLAVORA_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure -j2 --timeout 300
cd ..
# The unit and window tests again under the sanitizers, then each fuzzer for a minute.
sh tools/run-sanitizers.sh
sh tools/run-fuzzers.sh
