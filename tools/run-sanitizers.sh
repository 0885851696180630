#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The unit and window tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -e
cd "$(dirname "$0")/.."
sh tools/sanitize-build.sh
cd build-sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest -L 'unit|widget' --output-on-failure -j2 --timeout 300
