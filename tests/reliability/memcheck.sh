#!/usr/bin/env bash
# Renames 1,000 generated files with stampwright-cli under valgrind's memcheck; any memory
# error or leak fails. Usage: memcheck.sh PATH-TO-stampwright-cli PATH-TO-bench_make_files
set -euo pipefail
cli=$1 make_files=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$make_files" "$work/photos" 1000
find "$work/photos" -type f >"$work/list"
valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
    "$cli" --rename --shift -1:2:3 --initials XY <"$work/list" >"$work/report"
renamed=$(grep -c '^Renamed ' "$work/report")
[ "$renamed" -eq 1000 ] || { echo "only $renamed of 1000 renamed" >&2; exit 1; }
echo "memcheck clean; $renamed files renamed"
