#!/usr/bin/env bash
# Measures every contender on the same generated files (a fresh copy for each), for 1,000,
# 10,000 and 100,000 files: wall time, files per second, peak memory, each as a ratio to the
# file system's own floor. Writes bench/RESULTS.md and bench/files-per-second.png.
# Usage: bench/run.sh [N ...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000 100000)

scripts/install-deps.sh
need=()
for tool in exiftool:libimage-exiftool-perl gnuplot:gnuplot-nox /usr/bin/time:time; do
    command -v "${tool%%:*}" >/dev/null || need+=("${tool##*:}")
done
if [ ${#need[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release >/dev/null

# The generated files stay on the same disk as the project, in a folder git ignores.
work="$root/bench/work"
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
export TZ=Europe/Berlin QT_QPA_PLATFORM=offscreen
results="$root/bench/results.tsv"
: >"$results"

# measure NAME N COMMAND...: runs COMMAND once in a fresh copy of the N files (as
# $work/run, listed in $work/run.list), recording seconds and peak memory.
measure() {
    local name=$1 n=$2
    shift 2
    rm -rf "$work/run"
    cp -a "$work/master-$n" "$work/run"
    sed "s|$work/master-$n|$work/run|" "$work/master-$n.list" >"$work/run.list"
    sed "s|$work/master-$n|$work/run|" "$work/master-$n.pairs" >"$work/run.pairs"
    local start end
    start=$(date +%s.%N)
    /usr/bin/time -o "$work/time" -f "%M" "$@" >"$work/out" 2>"$work/err" || true
    end=$(date +%s.%N)
    local seconds memory extra=""
    seconds=$(echo "$end - $start" | bc -l)
    memory=$(tail -1 "$work/time")
    case $name in desktop*)
        read -r seconds event gap <"$work/out"
        extra="longest event ${event} ms, longest timer gap ${gap} ms" ;;
    esac
    printf '%s\t%s\t%.3f\t%s\t%s\n' "$name" "$n" "$seconds" "$memory" "$extra" >>"$results"
    printf '%-18s %7s files %9.3f s %8s KB %s\n' "$name" "$n" "$seconds" "$memory" "$extra"
}

for n in "${sizes[@]}"; do
    build/bench_make_files "$work/master-$n" "$n"
    find "$work/master-$n" -type f | sort >"$work/master-$n.list"
    # The floor renames to the very names stampwright gives, worked out beforehand.
    build/stampwright-cli <"$work/master-$n.list" | tr -d '\r' |
        sed -n 's|^REM copy "\(.*\)" "\(.*\)"$|\1\n\2|p' >"$work/master-$n.pairs"

    measure "floor stat" "$n" sh -c "'$root/build/bench_floor' stat <'$work/run.list'"
    measure "floor stat+rename" "$n" sh -c "'$root/build/bench_floor' rename <'$work/run.pairs'"
    measure "cli preview" "$n" sh -c "'$root/build/stampwright-cli' <'$work/run.list' >'$work/run.report'"
    measure "cli rename" "$n" sh -c "'$root/build/stampwright-cli' --rename <'$work/run.list' >'$work/run.report'"
    measure "desktop preview" "$n" "$root/build/bench_desktop_run" preview "$work/run.list"
    measure "desktop rename" "$n" "$root/build/bench_desktop_run" rename "$work/run.list"
    measure "exiftool rename" "$n" exiftool -q -q -m '-FileName<FileModifyDate' \
        -d '%Y%m%d_%H%M%S_MV%%-c.%%e' "$work/run"
    rm -rf "$work/master-$n"
done

bash bench/report.sh "$results" "$(git rev-parse --short HEAD)" "bench/run.sh ${sizes[*]}"
