#!/usr/bin/env bash
# The console program against PROJ's cs2cs on the same 1,000,000 points, in
# all four directions (the datum change against cs2cs with the EPSG codes
# 31467 and 25832, whose operation it pins): total CPU time (user + system) and peak memory, from GNU
# time. cs2cs (package proj-bin) and GNU time come from
# scripts/install-deps bench; they are no dependency of the program.
# Usage: bench/stapel/vergleich.sh [PROGRAMM]   (default: the release build)
set -euo pipefail
cd "$(dirname "$0")/../.."

programm="${1:-build/release/stapel/vazorodavazivovovar-stapel}"
punkte="${VAZ_BENCH_PUNKTE:-1000000}"
# cs2cs: from geographic on the Bessel ellipsoid to strip 3 (central meridian
# 9°); the inverse direction with -I.
projektion="+proj=longlat +ellps=bessel +to +proj=tmerc +ellps=bessel +lon_0=9 +x_0=3500000 +k=1"

scripts/install-deps bench >/dev/null

ordner="$(mktemp -d)"
trap 'rm -rf "$ordner"' EXIT

# The same points for both tools, each in its own notation: degrees, minutes
# and seconds around the central meridian 9° (strip 3), and eastings and
# northings in that strip, to the millimetre. A fixed seed keeps the files
# the same from run to run.
awk -v n="$punkte" -v dir="$ordner" 'BEGIN {
  srand(20261206)
  for (i = 0; i < n; i++) {
    lg = 7 + int(rand() * 4); lm = int(rand() * 60); ls = int(rand() * 60000) / 1000
    bg = 47 + int(rand() * 8); bm = int(rand() * 60); bs = int(rand() * 60000) / 1000
    s = sprintf("%.3f", ls); t = sprintf("%.3f", bs)
    printf "%s\"E %dd%d'\''%s\"N\n", lg "d" lm "'\''" s, bg, bm, t > (dir "/geo.cs2cs")
    gsub(/\./, ",", s); gsub(/\./, ",", t)
    printf "%d;%d;%s;%d;%d;%s;3\n", lg, lm, s, bg, bm, t > (dir "/geo.txt")
    r = sprintf("%.3f", 3350000 + rand() * 300000); h = sprintf("%.3f", 5200000 + rand() * 900000)
    print r, h > (dir "/gk.cs2cs")
    gsub(/\./, ",", r); gsub(/\./, ",", h)
    print r ";" h > (dir "/gk.txt")
    # Inside the grid BeTA2007, over the latitudes of Germany: strip 3 and zone
    # 32, the UTM points near enough to 9° for strip 3 to be the nearest.
    r = sprintf("%.3f", 3350000 + rand() * 300000); h = sprintf("%.3f", 5250000 + rand() * 800000)
    print h, r > (dir "/gkd.cs2cs")
    gsub(/\./, ",", r); gsub(/\./, ",", h)
    print r ";" h > (dir "/gkd.txt")
    e = sprintf("%.3f", 410000 + rand() * 180000); nw = sprintf("%.3f", 5250000 + rand() * 800000)
    print e, nw > (dir "/utm.cs2cs")
    gsub(/\./, ",", e); gsub(/\./, ",", nw)
    print "32;" e ";" nw > (dir "/utm.txt")
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
  printf '| %s, %d Punkte | %s s | %s s | %.2f | %d kB | %d kB |\n' "$1" "$punkte" \
    "$wir_cpu" "$sie_cpu" "$(awk -v a="$wir_cpu" -v b="$sie_cpu" 'BEGIN { print a / b }')" \
    "$wir_kb" "$sie_kb"
}

echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores"
echo "$(cs2cs 2>&1 | head -n 1)"
echo
echo "CPU: user + system, median of $runden runs; peak: maximum resident set size"
echo
echo "| Richtung | CPU Programm | CPU cs2cs | Verhältnis | Spitze Programm | Spitze cs2cs |"
echo "|---|---:|---:|---:|---:|---:|"
# LC_ALL=C: no locale, so the program reads and writes German numbers.
wir=$(LC_ALL=C messen "$ordner/geo.aus" "$programm" geo-gk "$ordner/geo.txt")
sie=$(messen "$ordner/geo.cs2cs.aus" cs2cs -f %.3f $projektion "$ordner/geo.cs2cs")
zeile "geo-gk" "$wir" "$sie"
wir=$(LC_ALL=C messen "$ordner/gk.aus" "$programm" gk-geo "$ordner/gk.txt")
sie=$(messen "$ordner/gk.cs2cs.aus" cs2cs -I -f %.3f $projektion "$ordner/gk.cs2cs")
zeile "gk-geo" "$wir" "$sie"
wir=$(LC_ALL=C messen "$ordner/gkd.aus" "$programm" gk-utm "$ordner/gkd.txt")
sie=$(messen "$ordner/gkd.cs2cs.aus" cs2cs -f %.3f EPSG:31467 EPSG:25832 "$ordner/gkd.cs2cs")
zeile "gk-utm" "$wir" "$sie"
wir=$(LC_ALL=C messen "$ordner/utm.aus" "$programm" utm-gk "$ordner/utm.txt")
sie=$(messen "$ordner/utm.cs2cs.aus" cs2cs -f %.3f EPSG:25832 EPSG:31467 "$ordner/utm.cs2cs")
zeile "utm-gk" "$wir" "$sie"

# Both compute the same thing: the largest difference of the eastings and
# northings, in millimetres.
paste -d ';' "$ordner/geo.aus" "$ordner/geo.cs2cs.aus" | tr ',\t' '.;' | awk -F ';' '
  { for (i = 8; i <= 9; i++) { d = $i - $(i + 2); if (d < 0) d = -d; if (d > max) max = d } }
  END { printf "\nGrößte Abweichung zu cs2cs (geo-gk): %.1f mm\n", max * 1000 }'
# The datum change computes PROJ's own operation: the same millimetres.
# cs2cs writes Gauss-Krüger as northing, easting: its fields then go back.
abweichung() { # title, our file, our easting field, cs2cs file, its easting field, its step
  paste -d ';' "$2" "$4" | tr ',\t ' '.;;' |
    awk -F ';' -v titel="$1" -v a="$3" -v b="$5" -v schritt="$6" '
    { for (i = 0; i < 2; i++) { d = $(a + i) - $(b + schritt * i); if (d < 0) d = -d; if (d > max) max = d } }
    END { printf "Größte Abweichung zu cs2cs (%s): %.1f mm\n", titel, max * 1000 }'
}
abweichung gk-utm "$ordner/gkd.aus" 4 "$ordner/gkd.cs2cs.aus" 6 1
abweichung utm-gk "$ordner/utm.aus" 4 "$ordner/utm.cs2cs.aus" 7 -1
