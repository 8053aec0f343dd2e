#!/usr/bin/env bash
# Fails when a tracked C++ source is not laid out as .clang-format says; `clang-format-14 -i FILE` mends
# it. The version is pinned, since another one lays the same code out differently.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh clang-format-14 git
clang-format-14 --version
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror
echo "every tracked C++ source is formatted"
