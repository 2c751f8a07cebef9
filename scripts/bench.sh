#!/usr/bin/env bash
# Builds the benchmark (Release) and times the import against the copy floor
# for 10,000, 100,000 and 1,000,000 items, and for one list of 10,000 and of
# 1,000,000 items (peak memory against the size of a list). Writes
# bench/results.md and bench/scaling.png.
#
#   bash scripts/bench.sh [runs]        (default 5; the median is reported)
#
# The collections (about 3 GB with the outputs of every run) are written
# below build/bench/work and removed at the end; each run's time and peak
# memory go to build/bench/runs.log.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
runs=${1:-5}
build=build/bench

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRUZOZIV_BENCH=ON -DRUZOZIV_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target ruzoziv_bench

table=$(mktemp)
data=$(mktemp)
trap 'rm -f "$table" "$data"' EXIT
command="$build/bench/ruzoziv_bench --work $build/work --sizes 10000,100000,1000000 --one-list 10000,1000000 --runs $runs"
$command --table "$table" --data "$data" 2> >(tee "$build/runs.log" >&2)

{
  echo "# Benchmark results"
  echo
  echo "Import (\`ImportTree\` and \`Internet.WLS\`, all five columns on) against the copy floor (create each"
  echo "folder, read each list whole, write it as the folder's Item.dat), on the same warm input."
  echo "Median of $runs runs each, alternating; peak resident memory is the largest of a run's child process."
  echo
  cat "$table"
  echo
  echo "The floor is bound by the file system: on ext4 without a journal, creating files soon after many"
  echo "were deleted (an earlier run's clean-up, for example) is slower for both, which lowers the ratio."
  echo "\"import - floor\" is the import's own work (parsing and formatting) and varies much less."
  echo "\"one list\" puts every item into a single folder's list: the import's peak memory stays the same"
  echo "from 10,000 to 1,000,000 items, while the floor holds the whole list."
  echo
  echo "Command: \`bash scripts/bench.sh $runs\` (runs \`$command\`)."
  echo
  echo "Machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo),"
  echo "$(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1), file system $(findmnt -n -o FSTYPE -T "$build"),"
  echo "$(date -u +%Y-%m-%d)."
} > bench/results.md

gnuplot <<GNUPLOT
set terminal pngcairo size 800,520 font "sans,10" noenhanced
set output "bench/scaling.png"
set title "Import time against items (median of $runs runs)"
set xlabel "items"
set ylabel "seconds"
set logscale xy
set format x "%.0s%c"
set key top left
set grid
plot "$data" using 1:2 with linespoints lw 2 pt 7 title "import", \
     "$data" using 1:3 with linespoints lw 2 pt 5 title "copy floor", \
     "$data" using 1:(\$3*1.3) with lines dt 2 lc rgb "gray" title "1.3 x floor"
GNUPLOT
echo "wrote bench/results.md and bench/scaling.png"
