#!/usr/bin/env bash
# Turns the benchmark's measurements into bench/RESULTS.md and the chart beside it.
# Usage: bench/report.sh RESULTS.tsv COMMIT COMMAND
set -euo pipefail
cd "$(dirname "$0")"
results=$1 commit=$2 command=$3

table=$(awk -F'\t' '
    { name[NR] = $1; n[NR] = $2; secs[NR] = $3; kb[NR] = $4; extra[NR] = $5
      if ($1 == "floor stat") { fs[$2] = $3; fsm[$2] = $4 }
      if ($1 == "floor stat+rename") { fr[$2] = $3; frm[$2] = $4 } }
    END {
      print "| files | contender | seconds | files/s | peak MB | time / floor | memory / floor | notes |"
      print "|---:|---|---:|---:|---:|---:|---:|---|"
      for (i = 1; i <= NR; i++) {
        renames = name[i] ~ /rename/
        floor = renames ? fr[n[i]] : fs[n[i]]
        floorKb = renames ? frm[n[i]] : fsm[n[i]]
        if (name[i] ~ /desktop/)
          extra[i] = sprintf("%.2f x %d timer intervals; %s", secs[i] / (n[i] / 1000), n[i], extra[i])
        printf "| %d | %s | %.3f | %.0f | %.1f | %.2f | %.2f | %s |\n", n[i], name[i], secs[i],
               n[i] / secs[i], kb[i] / 1024, secs[i] / floor, kb[i] / floorKb, extra[i]
      } }' "$results")

# One data file per contender, each line "files files-per-second".
data=$(mktemp -d)
awk -F'\t' -v dir="$data" '{ file = dir "/" $1; gsub(/ /, "_", file); printf "%d %.1f\n", $2, $2 / $3 >>file }' "$results"
plot=""
for file in "$data"/*; do
    plot+="${plot:+, }'$file' using 1:2 with linespoints lw 2 title '$(basename "$file" | tr _ ' ')'"
done
gnuplot <<PLOT
set terminal pngcairo size 900,540
set output 'files-per-second.png'
set logscale xy
set xlabel 'files'
set ylabel 'files per second'
set key outside right
set grid
plot $plot
PLOT
rm -r "$data"

cat >RESULTS.md <<MD
# Benchmark results

Made by \`$command\` at commit $commit on $(date -u +%Y-%m-%d), on $(nproc) cores of
$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/Mem:/ {print $2}') GiB,
file system $(df -T . | awk 'NR == 2 {print $2}'). Every contender works on a fresh copy of the
same generated files on the same disk. Times are wall-clock seconds of one run; "floor" is a
minimal program doing only the file system's part of the work (stat of every file; stat and
a rename that never replaces, to the same new names). Previews compare with the stat floor,
renames with the stat+rename floor. The desktop program runs on the offscreen platform, timed
from confirming Rename It (or pressing Preview It) to its "All N ..." title; it keeps its pace of
one file per 1 ms timer event on purpose, so a person can close the window part-way.

$table

![Files per second](files-per-second.png)
MD
