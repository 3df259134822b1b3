#!/usr/bin/env bash
# The console program against PROJ's cs2cs with the EPSG codes (4314 DHDN,
# 31467 Gauss-Krüger strip 3, 4258 ETRS89, 25832 UTM zone 32) on the same
# 1,000,000 points, in all twelve directions: total CPU time (user + system)
# and peak memory, from GNU time. Angles are decimal degrees with nine
# decimals on both sides (--grad), metres three. cs2cs (package proj-bin)
# and GNU time come from scripts/install-deps bench; they are no dependency
# of the program.
# Usage: bench/stapel/vergleich.sh [PROGRAMM]   (default: the release build)
#   VAZ_BENCH_PUNKTE (1000000), VAZ_BENCH_RUNDEN (3), VAZ_BENCH_RICHTUNGEN
#   (all twelve, e.g. "gk-etrs geo-gk")
set -euo pipefail
cd "$(dirname "$0")/../.."

programm="${1:-build/release/stapel/vazorodavazivovovar-stapel}"
punkte="${VAZ_BENCH_PUNKTE:-1000000}"
richtungen="${VAZ_BENCH_RICHTUNGEN:-geo-gk gk-geo gk-etrs etrs-gk gk-utm utm-gk geo-etrs etrs-geo geo-utm utm-geo etrs-utm utm-etrs}"

scripts/install-deps bench >/dev/null

ordner="$(mktemp -d)"
trap 'rm -rf "$ordner"' EXIT

# The same points for both tools, each in its own notation, inside the grid
# BeTA2007 around 9° (strip 3, zone 32). A fixed seed keeps the files the
# same from run to run. cs2cs takes the axes in EPSG order: latitude before
# longitude, Gauss-Krüger's northing before its easting.
awk -v n="$punkte" -v dir="$ordner" 'BEGIN {
  srand(20261206)
  for (i = 0; i < n; i++) {
    l = sprintf("%.9f", 7.6 + rand() * 2.8); b = sprintf("%.9f", 47.5 + rand() * 7.5)
    print b, l > (dir "/geo.cs2cs"); print b, l > (dir "/etrs.cs2cs")
    print l ";" b ";3" > (dir "/geo.txt"); print l ";" b > (dir "/etrs.txt")
    r = sprintf("%.3f", 3400000 + rand() * 200000); h = sprintf("%.3f", 5270000 + rand() * 800000)
    print h, r > (dir "/gk.cs2cs"); print r ";" h > (dir "/gk.txt")
    e = sprintf("%.3f", 400000 + rand() * 200000); nw = sprintf("%.3f", 5270000 + rand() * 800000)
    print e, nw > (dir "/utm.cs2cs"); print "32;" e ";" nw > (dir "/utm.txt")
    # --wie-fenster reads as the windows do: decimal commas (LC_ALL=C).
    gsub(/\./, ",", l); gsub(/\./, ",", b); gsub(/\./, ",", r); gsub(/\./, ",", h)
    print l ";0;0;" b ";0;0;3" > (dir "/geo.fenster"); print r ";" h > (dir "/gk.fenster")
  }
}'

# Prints "user+system seconds" and "peak kB" of one command: the run with the
# median CPU time of $runden runs (the machine may be shared).
runden="${VAZ_BENCH_RUNDEN:-3}"
messen() {
  local ausgabe="$1"
  shift
  for _ in $(seq "$runden"); do
    /usr/bin/time -f '%U %S %M' -o "$ordner/zeit" "$@" >"$ausgabe" 2>"$ordner/meldung" ||
      { cat "$ordner/meldung" >&2; exit 1; }
    awk '{ printf "%.2f %d\n", $1 + $2, $3 }' "$ordner/zeit"
  done | sort -n | sed -n "$(((runden + 1) / 2))p"
}

zeile() { # direction, our "cpu kB", their "cpu kB"
  read -r wir_cpu wir_kb <<<"$2"
  read -r sie_cpu sie_kb <<<"$3"
  printf '| `%s` | %s s | %s s | %.2f | %d kB | %d kB | %.2f |\n' "$1" \
    "$wir_cpu" "$sie_cpu" "$(awk -v a="$wir_cpu" -v b="$sie_cpu" 'BEGIN { print a / b }')" \
    "$wir_kb" "$sie_kb" "$(awk -v a="$wir_kb" -v b="$sie_kb" 'BEGIN { print a / b }')"
}

declare -A code=([geo]=4314 [gk]=31467 [etrs]=4258 [utm]=25832)
echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores"
echo "$(cs2cs 2>&1 | head -n 1), $punkte Punkte"
echo
echo "CPU: user + system, median of $runden runs; peak: maximum resident set size"
echo
echo "| Richtung | CPU Programm | CPU cs2cs | Verhältnis | Spitze Programm | Spitze cs2cs | Verhältnis |"
echo "|---|---:|---:|---:|---:|---:|---:|"
for r in $richtungen; do
  q="${r%-*}" z="${r#*-}"
  optionen=(--dezimal punkt)
  case "$r" in *geo* | *etrs*) optionen+=(--grad) ;; esac
  format=%.3f
  case "$z" in geo | etrs) format=%.9f ;; esac
  wir=$(messen "$ordner/aus" "$programm" "$r" "${optionen[@]}" "$ordner/$q.txt")
  sie=$(messen "$ordner/aus.cs2cs" cs2cs -f "$format" "EPSG:${code[$q]}" "EPSG:${code[$z]}" "$ordner/$q.cs2cs")
  zeile "$r" "$wir" "$sie"
done

# The windows' series (--wie-fenster) against cs2cs with the same EPSG codes.
wir=$(LC_ALL=C messen "$ordner/aus" "$programm" geo-gk --wie-fenster "$ordner/geo.fenster")
sie=$(messen "$ordner/aus.cs2cs" cs2cs -f %.3f EPSG:4314 EPSG:31467 "$ordner/geo.cs2cs")
zeile "geo-gk --wie-fenster" "$wir" "$sie"
wir=$(LC_ALL=C messen "$ordner/aus" "$programm" gk-geo --wie-fenster "$ordner/gk.fenster")
sie=$(messen "$ordner/aus.cs2cs" cs2cs -f %.9f EPSG:31467 EPSG:4314 "$ordner/gk.cs2cs")
zeile "gk-geo --wie-fenster" "$wir" "$sie"
