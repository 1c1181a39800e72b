#!/usr/bin/env bash
# The house style and the static checks: clang-format must leave every C++ file as it is, and clang-tidy
# (the checks of .clang-tidy) must find nothing in src/. Needs a configured build/ (compile_commands.json).
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
command -v clang-format >/dev/null && command -v clang-tidy >/dev/null \
    || $sudo apt-get install -y -q --no-install-recommends clang-format clang-tidy
[ -f build/compile_commands.json ] || cmake -S . -B build >/dev/null

files=$(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror $files
echo "clang-format: $(wc -w <<<"$files") files clean"

report=$(mktemp)
git ls-files 'src/*.cpp' | xargs -P2 -n1 clang-tidy -p build --quiet >"$report" 2>/dev/null || true
if grep -E "(warning|error):" "$report"; then
    echo "clang-tidy found the above" >&2
    exit 1
fi
echo "clang-tidy: $(git ls-files 'src/*.cpp' | wc -l) files clean"
