#!/usr/bin/env bash
# Fails when a tracked C++ source is not laid out as .clang-format says; `clang-format -i` mends it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh clang-format git
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "every tracked C++ source is formatted"
