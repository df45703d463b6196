#!/usr/bin/env bash
# Times the program's five worst cases against the literal reference program
# in one run, checks that both write the same bytes, and reports the peak
# resident memory of each. Needs hyperfine and GNU time (Debian: hyperfine,
# time). Usage: bench/workloads.sh [build directory, default build/release]
set -euo pipefail

build=${1:-build/release}
fast=$build/skirmcast
literal=$build/tests/skirmcast_reference
for tool in hyperfine /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "workloads.sh: $tool is missing (apt-get install hyperfine time)" >&2; exit 2; }
done
[ -x "$fast" ] && [ -x "$literal" ] || { echo "workloads.sh: build first: cmake --workflow --preset release" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf '\n' > "$tmp/line"
dots=$(printf '%65536s' '' | tr ' ' .)

# name, arguments, standard input
names=(W1 W2 W3 W4 W5)
args=("-m 0 -b 0 $dots" "-m 0 -b 65536" "-m 65536 -a0 -b 0" "-m 3 -a aabac.[bc]a" "-m 65536 -a0 -b 65536 $dots")
inputs=(/dev/null "$tmp/line" "$tmp/line" /dev/null /dev/null)
what=("longest match" "every candidate, every battle" "the largest report" "a typical run" "everything at once")

mean_ms() {  # command name, runs, warmup, command, standard input
  # Without a shell where standard input is empty anyway: a shell's start-up
  # is as long as a whole typical run.
  local shell=(-N) command=$4
  if [ "$5" != /dev/null ]; then
    shell=()
    command="$4 <$5"
  fi
  hyperfine "${shell[@]}" --style none --runs "$2" --warmup "$3" --export-csv "$tmp/t.csv" \
    --command-name "$1" "$command" >/dev/null 2>&1
  awk -F, 'NR == 2 { printf "%.2f", $2 * 1000 }' "$tmp/t.csv"
}

peak_kib() {  # command (with redirections)
  /usr/bin/time -f %M -o "$tmp/peak" bash -c "$1" >/dev/null 2>&1 || true
  tail -n 1 "$tmp/peak"
}

true_ms=$(mean_ms true 300 20 /bin/true /dev/null)
echo "| workload | | literal ms | fast ms | ratio | peak KiB (literal / fast) | same bytes |"
echo "|---|---|---:|---:|---:|---:|---|"
for i in "${!names[@]}"; do
  a=${args[$i]}
  in=${inputs[$i]}
  "$fast" $a <"$in" >"$tmp/fast.out" 2>&1 || true
  "$literal" $a <"$in" >"$tmp/literal.out" 2>&1 || true
  same=yes
  cmp -s "$tmp/fast.out" "$tmp/literal.out" || same=NO
  literal_runs=3
  [ "${names[$i]}" = W3 ] || [ "${names[$i]}" = W4 ] && literal_runs=30
  lit=$(mean_ms literal "$literal_runs" 1 "$literal $a" "$in")
  fst=$(mean_ms fast 100 5 "$fast $a" "$in")
  ratio=$(awk -v l="$lit" -v f="$fst" 'BEGIN { printf "%.0f", l / f }')
  lpeak=$(peak_kib "$literal $a <$in")
  fpeak=$(peak_kib "$fast $a <$in")
  echo "| ${names[$i]} | ${what[$i]} | $lit | $fst | $ratio | $lpeak / $fpeak | $same |"
  [ "${names[$i]}" = W4 ] && typical_lit=$lit && typical_fast=$fst
done
echo
awk -v t="$true_ms" -v l="$typical_lit" -v f="$typical_fast" \
  'BEGIN { printf "/bin/true: %.2f ms; W4 literal %.2f x, fast %.2f x the start-up of /bin/true\n", t, l / t, f / t }'
