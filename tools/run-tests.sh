#!/bin/sh
# Installs what is needed, builds, and runs every test: unit, window and end-to-end.
# The end-to-end tests start their own X server, so no display is needed.
set -e
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure -j2 --timeout 300
cd ..
# The unit and window tests again under the sanitizers, then each fuzzer for a minute.
sh tools/run-sanitizers.sh
sh tools/run-fuzzers.sh
