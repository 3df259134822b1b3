#!/usr/bin/env bash
# All twelve directions between the four systems against PROJ's own EPSG
# operations (cs2cs with EPSG:4314 DHDN, 31466..31469 Gauss-Krüger, 4258
# ETRS89, 25832/25833 UTM; "DHDN to ETRS89 (8)" with BeTA2007) on random
# points across Germany, both ways. The strip is that of the nearest central
# meridian, the zone that of the ETRS89 longitude, as the program chooses
# them. Prints the largest difference per direction and fails above 1 mm
# (for angles 9e-9°, 1 mm of latitude). Not part of the test suite: it
# needs cs2cs (package proj-bin) and takes a while.
# Usage: bench/stapel/datum.sh [PROGRAMM]   (VAZ_PUNKTE: number of points, 20000)
set -euo pipefail
cd "$(dirname "$0")/../.."

programm="${1:-build/release/stapel/vazorodavazivovovar-stapel}"
scripts/install-deps bench >/dev/null
punkte="${VAZ_PUNKTE:-20000}"
ordner="$(mktemp -d)"
trap 'rm -rf "$ordner"' EXIT

# Random DHDN positions over Germany's bounding box, inside the grid:
# "Breite Länge name".
awk -v n="$punkte" 'BEGIN {
  srand(20261207)
  for (i = 0; i < n; i++) printf "%.10f %.10f P%d\n", 47.3 + rand() * 7.7, 5.9 + rand() * 9.1, i
}' >"$ordner/geo.lagen"

# The reference in every system, one file each, "name x y" (x before y,
# UTM "name zone E N"), from cs2cs.
awk '{ print $3, $2, $1 }' "$ordner/geo.lagen" >"$ordner/geo.soll"
cs2cs -f %.10f EPSG:4314 EPSG:4258 <"$ordner/geo.lagen" | paste -d ' ' - "$ordner/geo.lagen" |
  awk '{ print $7, $2, $1 }' >"$ordner/etrs.soll"
: >"$ordner/gk.soll"
for s in 2 3 4 5; do
  awk -v s="$s" 'int($2 / 3 + 0.5) == s' "$ordner/geo.lagen" >"$ordner/lagen.$s"
  cs2cs -f %.4f EPSG:4314 "EPSG:$((31464 + s))" <"$ordner/lagen.$s" |
    paste -d ' ' - "$ordner/lagen.$s" | awk '{ print $7, $2, $1 }' >>"$ordner/gk.soll"
done
: >"$ordner/utm.soll"
for z in 32 33; do
  awk -v z="$z" '($2 < 12 ? 32 : 33) == z { print $3, $2, $1 }' "$ordner/etrs.soll" >"$ordner/etrs.$z"
  cs2cs -f %.4f EPSG:4258 "EPSG:$((25800 + z))" <"$ordner/etrs.$z" |
    paste -d ' ' - "$ordner/etrs.$z" | awk -v z="$z" '{ print $7, z, $1, $2 }' >>"$ordner/utm.soll"
done
for s in geo gk etrs utm; do sort -o "$ordner/$s.soll" "$ordner/$s.soll"; done

# One direction: the source's reference through the program, against the
# target's; angles as decimal degrees with a decimal point.
vergleichen() { # quelle ziel
  local q="$1" z="$2" optionen=(-p --dezimal punkt) toleranz=0.001 felder=2
  case "$q$z" in *geo* | *etrs*) optionen+=(--grad) ;; esac
  case "$z" in geo | etrs) toleranz=0.000000009 ;; utm) felder=3 ;; esac
  local eingabe="$ordner/$q.soll"
  if [ "$q-$z" = geo-gk ]; then # the strip field
    eingabe="$ordner/geo.streifen"
    awk '{ print $0, int($2 / 3 + 0.5) }' "$ordner/geo.soll" >"$eingabe"
  fi
  tr ' ' ';' <"$eingabe" | LC_ALL=C "$programm" "$q-$z" "${optionen[@]}" 2>/dev/null |
    awk -F ';' -v k="$felder" '{ printf "%s", $1; for (i = NF - k + 1; i <= NF; i++) printf " %s", $i; print "" }' |
    sort >"$ordner/ist"
  awk -v titel="$q-$z" -v t="$toleranz" '
    NR == FNR { soll[$1] = $0; next }
    { split(soll[$1], s, " "); n++
      for (i = 2; i <= NF; i++) {
        d = $i - s[i]; if (d < 0) d = -d; if (!(d <= t) && ++schlecht < 4) print "  " $0 " / " soll[$1]
        if (d > max) max = d
      } }
    END { printf "%-10s %d Punkte, größte Abweichung %.2f %s, über 1 mm: %d\n", titel, n,
                 t < 0.001 ? max / t : max * 1000, t < 0.001 ? "mm (Breite)" : "mm", schlecht
          exit (n == 0 || schlecht > 0) }' "$ordner/$z.soll" "$ordner/ist"
}
echo "$(cs2cs 2>&1 | head -n 1)"
fehler=0
for q in geo gk etrs utm; do
  for z in geo gk etrs utm; do
    [ "$q" = "$z" ] || vergleichen "$q" "$z" || fehler=1
  done
done
exit "$fehler"
