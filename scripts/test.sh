#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds kinetrack and runs every test: once in a normal
# build, once under AddressSanitizer + UndefinedBehaviorSanitizer. Every source file must
# carry its licence line, and the package made from the normal build must pass Debian's
# checks (the install in a clean Debian root is left to scripts/test-package.sh by hand).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/spdx.sh --check
jobs=$(nproc)
# Many tests wait on a board, a process or a timer: twice as many at once as processors keeps
# the processors busy.
prove=$((2 * jobs))
# Line tables are all a failing test's backtrace needs; full debugging information would
# make every compile and link slower. A library's files compile a few at a time as one unit
# (CMAKE_UNITY_BUILD): Qt's headers are read once per unit instead of once per file.
unita=-DCMAKE_UNITY_BUILD=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    "$unita" >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$prove")
bash scripts/test-package.sh --checks-only build
if [ "${KT_SKIP_SANITIZERS:-0}" != 1 ]; then
    # The benchmarks are not tests: the sanitizer build leaves them out.
    cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1" -DKT_SANITIZE=ON \
        -DKT_BENCH=OFF "$unita" >/dev/null
    cmake --build build-san -j"$jobs"
    (cd build-san && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$prove")
fi
