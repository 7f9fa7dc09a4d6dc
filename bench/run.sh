#!/usr/bin/env bash
# Runs the benchmarks on generated data and prints one table.
#   bench/run.sh BUILD_DIR small|large
# Data is generated once per scale into $QARVEL_BENCH_DATA (default
# /tmp/qarvel-bench-<scale>) and reused by later runs.
set -euo pipefail

BUILD_DIR="$1"
SCALE="${2:-small}"
BIN="$BUILD_DIR/bin"
DATA="${QARVEL_BENCH_DATA:-/tmp/qarvel-bench-$SCALE}"
YEAR="$(date +%Y)"
DB="QarvelDATA$YEAR"

case "$SCALE" in
    small) GEN=(--items 2000 --accounts 200 --lines 20000 --vouchers 2000); SCANS=2000 ;;
    large) GEN=(--items 200000 --accounts 5000 --lines 2000000 --vouchers 200000); SCANS=5000 ;;
    *) echo "usage: bench/run.sh BUILD_DIR small|large" >&2; exit 2 ;;
esac

say() { printf 'bench: %s\n' "$*" >&2; }

if [[ ! -f "$DATA/$DB.sqlite" ]]; then
    say "generating the $SCALE data set into $DATA"
    mkdir -p "$DATA"
    "$BIN/qarvel-admin" --data "$DATA" generate "$DB" "${GEN[@]}" --seed 1 >&2
fi

ROWS="$(mktemp)"
trap 'rm -f "$ROWS"' EXIT

# Each program prints ROW lines; a copy of the file keeps the data set unchanged.
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK" "$ROWS"' EXIT
cp "$DATA/$DB.sqlite" "$WORK/"

say "point-of-sale scan path"
"$BIN/bench_pos" --data "$WORK" --db "$DB" --scans "$SCANS" | grep '^ROW' >>"$ROWS" || say "bench_pos failed"

if [[ -x "$BIN/bench_stock" ]]; then
    say "stock recomputation"
    # its own generated file (kept between runs), the scale of this run
    if [[ "$SCALE" == large ]]; then STOCK=(--items 200000 --lines 2000000); else STOCK=(--items 2000 --lines 20000); fi
    "$BIN/bench_stock" --dir "${DATA}-stock" "${STOCK[@]}" --reps 5 | grep '^ROW' >>"$ROWS" || say "bench_stock failed"
fi

if [[ -x "$BIN/bench_catalogue" ]]; then
    say "items list and search"
    QT_QPA_PLATFORM=offscreen "$BIN/bench_catalogue" --data "$WORK" --db "$DB" | grep '^ROW' >>"$ROWS" || say "bench_catalogue failed"
fi

if [[ -x "$BIN/bench_stockpage" ]]; then
    say "stock page and opening-stock grid"
    QT_QPA_PLATFORM=offscreen "$BIN/bench_stockpage" --data "$WORK" --db "$DB" | grep '^ROW' >>"$ROWS" || say "bench_stockpage failed"
fi

if [[ -n "${QARVEL_BENCH_PG:-}" ]]; then
    # A PostgreSQL year database with the catalogue of the scale and a
    # smaller history (generating millions of lines over the network would
    # take most of the run).
    say "PostgreSQL: scan path and terminals selling at once"
    PGDATA_DIR="$WORK/pg"
    mkdir -p "$PGDATA_DIR"
    if [[ "$SCALE" == large ]]; then PGGEN=(--items 200000 --accounts 5000 --lines 200000 --vouchers 20000); else PGGEN=(--items 2000 --accounts 200 --lines 20000 --vouchers 2000); fi
    if QARVEL_PASSWORD="${QARVEL_BENCH_PG_PASSWORD:-}" "$BIN/qarvel-admin" --data "$PGDATA_DIR" set-connection "$QARVEL_BENCH_PG" postgres >&2 \
        && "$BIN/qarvel-admin" --data "$PGDATA_DIR" generate "$DB" "${PGGEN[@]}" --seed 1 >&2; then
        "$BIN/bench_pos" --data "$PGDATA_DIR" --db "$DB" --scans "$SCANS" | grep '^ROW' >>"$ROWS" || say "bench_pos (PostgreSQL) failed"
        "$BIN/bench_terminals" --data "$PGDATA_DIR" --db "$DB" --terminals 4 --seconds 20 | grep '^ROW' >>"$ROWS" \
            || say "bench_terminals failed"
    else
        say "the PostgreSQL data set could not be made"
    fi
fi

say "start-up"
starts=()
for i in 1 2 3 4 5 6; do
    t0=$(date +%s%N)
    QT_QPA_PLATFORM=offscreen "$BIN/qarvel" --data "$WORK" --quit-at-login >/dev/null 2>&1 || true
    t1=$(date +%s%N)
    [[ $i -gt 1 ]] && starts+=($(( (t1 - t0) / 1000000 )))   # the first run warms the caches
done
median=$(printf '%s\n' "${starts[@]}" | sort -n | sed -n "$(( (${#starts[@]} + 1) / 2 ))p")
printf 'ROW\tStart-up to the login window (%s)\t%s ms\t-\t-\t<= 500 ms\n' "$SCALE" "$median" >>"$ROWS"

{
    echo "Qarvel benchmarks, $SCALE data set, $(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "Machine: $(nproc) cores, $(uname -m), SQLite $(sqlite3 --version 2>/dev/null | cut -d' ' -f1), $(psql --version 2>/dev/null | head -1)"
    echo
    printf 'operation\tfigure\tbaseline\tratio\tgoal\n'
    cut -f2- "$ROWS"
} | column -t -s $'\t'
