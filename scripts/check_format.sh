#!/usr/bin/env bash
# Checks that every C++ file of the repository is formatted as .clang-format says; lists those
# that are not and exits 1 then.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
unformatted=()
while IFS= read -r file; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files '*.h' '*.cpp')
if [ ${#unformatted[@]} -gt 0 ]; then
    printf 'not formatted: %s\n' "${unformatted[@]}"
    exit 1
fi
echo "format: every C++ file as .clang-format says"
