#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it. The header
# in resources/ is written by the artwork generator and kept as it writes it.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' ':!resources/' | xargs clang-format --dry-run --Werror
