#!/usr/bin/env bash
# Wall time and peak memory of quorvella-split BOOK 10 beside GNU split -n l/10 and a plain
# copy, on one generated GBK book with a warm page cache.
#
#   bench/split-bench.sh [BYTES]      (default 1 GiB; QUORVELLA_BENCH_DIR sets the folder)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh time coreutils
scripts/build.sh build-release -DCMAKE_BUILD_TYPE=Release -DQUORVELLA_TESTS=OFF >/dev/null

bytes=${1:-1073741824}
runs=${QUORVELLA_BENCH_RUNS:-3}
work=$(realpath -m "${QUORVELLA_BENCH_DIR:-bench/work}")
book=$work/book.txt
mkdir -p "$work"
if [ "$(stat -c %s "$book" 2>/dev/null || echo 0)" -gt "$bytes" ] ||
   [ "$(stat -c %s "$book" 2>/dev/null || echo 0)" -lt $((bytes - 4096)) ]; then
  echo "Generating a $bytes-byte book in $book ..."
  build-release/quorvella-make-book "$bytes" "$book"
fi
cat "$book" >/dev/null  # warm the page cache

clean() { rm -rf "$work"/book[0-9]*.txt "$work/split-out" "$work/copy"; sync; }

# run NAME COMMAND...: one timed run, recorded under NAME
declare -A wall peak medians
run() {
  local name=$1
  shift
  clean
  mkdir -p "$work/split-out"
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null
  read -r seconds kilobytes <"$work/time"
  wall[$name]+="$seconds "
  peak[$name]=$(( ${peak[$name]:-0} > kilobytes ? ${peak[$name]:-0} : kilobytes ))
}

for ((i = 1; i <= runs; i++)); do
  run quorvella build-release/quorvella-split "$book" 10
  run split split -n l/10 "$book" "$work/split-out/x"
  run cat sh -c 'cat "$1" > "$2"' sh "$book" "$work/copy"
done
clean

echo "Book: $book, $(stat -c %s "$book") bytes; $runs runs each, warm page cache"
printf '%-26s %10s %10s %14s\n' command "median s" "best s" "peak RSS MiB"
for name in quorvella split cat; do
  case $name in
    quorvella) label="quorvella-split BOOK 10" ;;
    split) label="split -n l/10 BOOK" ;;
    cat) label="cat BOOK > copy" ;;
  esac
  sorted=$(tr ' ' '\n' <<<"${wall[$name]}" | grep . | sort -n)
  median=$(awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}' <<<"$sorted")
  medians[$name]=$median
  printf '%-26s %10s %10s %14.1f\n' "$label" "$median" "$(head -1 <<<"$sorted")" \
    "$(awk -v k="${peak[$name]}" 'BEGIN {print k / 1024}')"
done
awk -v q="${medians[quorvella]}" -v s="${medians[split]}" \
  'BEGIN {printf "quorvella-split / split (median wall time): %.2f\n", q / s}'

