#!/usr/bin/env bash
# Start-up of the window program against a bare Qt window (offscreen, from
# the launch of the process to its first paint, alternating, median of N
# runs), and the time from a spin step to the repainted screen. Run from a build folder's data directory, e.g.
#   cd build/normaal/data && ../../../tools/meet-scherm.sh
set -euo pipefail
bench=${BENCH_SCHERM:-../tests/app/bench_scherm}
n=${1:-20}
export QT_QPA_PLATFORM=offscreen

meet() { RCV_T0=$(date +%s%N) "$bench" "$1" 2>/dev/null; }

mediaan() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

kaal=()
tekst=()
rcv=()
"$bench" kaal >/dev/null 2>&1 # warm the file cache
for ((i = 0; i < n; i++)); do
    kaal+=("$(meet kaal)")
    tekst+=("$(meet tekst)")
    rcv+=("$(meet rcveltor)")
done
mk=$(printf '%s\n' "${kaal[@]}" | mediaan)
mt=$(printf '%s\n' "${tekst[@]}" | mediaan)
mr=$(printf '%s\n' "${rcv[@]}" | mediaan)
echo "start-up to first paint, median of $n: bare Qt window ${mk} us, with one text ${mt} us," \
     "RcVeltor ${mr} us, ratio $(awk -v a="$mr" -v b="$mk" 'BEGIN {printf "%.2f", a / b}')" \
     "(to the window with text $(awk -v a="$mr" -v b="$mt" 'BEGIN {printf "%.2f", a / b}'))"
"$bench" stap 500 2>/dev/null
