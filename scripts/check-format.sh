#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vocarra developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, listing the files, when a tracked C++ file differs from what clang-format makes of it
# under the committed .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format=${CLANG_FORMAT:-clang-format}
unformatted=()
while IFS= read -r -d '' file; do
    "$clang_format" --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')

if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not formatted as .clang-format asks (run clang-format -i on them):"
    printf '    %s\n' "${unformatted[@]}"
    exit 1
fi
echo "All C++ files are formatted."
