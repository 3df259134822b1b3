#!/usr/bin/env bash
# gk-utm and utm-gk against PROJ's own EPSG operations (cs2cs EPSG:31466..31469
# <-> EPSG:25832/25833, "DHDN to ETRS89 (8)" with BeTA2007) on random points
# across Germany, the zone from the ETRS89 longitude and the strip from the
# nearest central meridian as the program chooses them. Prints the largest
# differences in millimetres and fails above 1 mm. Not part of the test
# suite: it needs cs2cs (package proj-bin) and takes a while.
# Usage: bench/stapel/datum.sh [PROGRAMM]   (VAZ_PUNKTE: number of points, 20000)
set -euo pipefail
cd "$(dirname "$0")/../.."

programm="${1:-build/release/stapel/vazorodavazivovovar-stapel}"
scripts/install-deps bench >/dev/null
punkte="${VAZ_PUNKTE:-20000}"
ordner="$(mktemp -d)"
trap 'rm -rf "$ordner"' EXIT

# Random positions (latitude longitude name) over Germany's bounding box.
awk -v n="$punkte" 'BEGIN {
  srand(20261207)
  for (i = 0; i < n; i++) printf "%.9f %.9f P%d\n", 47.3 + rand() * 7.7, 5.9 + rand() * 9.1, i
}' >"$ordner/lagen"

# cs2cs with millimetres (or 1e-9 degrees) out; the name is carried along.
cs() { cs2cs -f "$1" "EPSG:$2" "EPSG:$3"; }
# Splits "a b c name" lines by the value of awk expression $1 into files
# $2.<value>.
teilen() { awk -v p="$2" "{ print > (p \".\" ($1)) }"; }
streifen_code() { echo $((31464 + $1)); } # strip 2..5: EPSG:31466..31469
zonen_code() { echo $((25800 + $1)); }    # zone 32, 33: EPSG:25832, 25833

# gk-utm: the positions taken as DHDN into their nearest strip (mm), then
# each point's ETRS89 longitude for its zone, and cs2cs into that zone.
teilen 'int($2 / 3 + 0.5)' "$ordner/dhdn" <"$ordner/lagen"
: >"$ordner/gk.ein" && : >"$ordner/gk.soll"
for datei in "$ordner"/dhdn.*; do
  s="${datei##*.}"
  cs %.3f 4314 "$(streifen_code "$s")" <"$datei" >"$ordner/gk.$s"       # H R 0 name
  awk '{ print $2, $1, $4 }' "$ordner/gk.$s" >>"$ordner/gk.ein"          # R H name
  cs %.9f "$(streifen_code "$s")" 4258 <"$ordner/gk.$s" |
    paste -d ' ' - "$ordner/gk.$s" |
    awk '{ print $5, $6, $8, ($2 < 12 ? 32 : 33) }' |                   # H R name zone
    teilen '$4' "$ordner/gk.$s.zone"
  for zdatei in "$ordner/gk.$s.zone".*; do
    z="${zdatei##*.}"
    cs %.3f "$(streifen_code "$s")" "$(zonen_code "$z")" <"$zdatei" |
      awk -v z="$z" '{ print $4, z, $1, $2 }' >>"$ordner/gk.soll"        # name zone E N
  done
done
tr ' .' ';,' <"$ordner/gk.ein" | awk -F ';' '{ print $3 ";" $1 ";" $2 }' |
  LC_ALL=C "$programm" gk-utm -p 2>/dev/null | tr ';,' ' .' |
  awk '{ print $1, $4, $5, $6 }' >"$ordner/gk.ist"                        # name zone E N

# utm-gk: the positions taken as ETRS89 into their zone (mm), then each
# point's DHDN longitude for its strip, and cs2cs into that strip.
awk '{ print $0, ($2 < 12 ? 32 : 33) }' "$ordner/lagen" | teilen '$4' "$ordner/etrs"
: >"$ordner/utm.ein" && : >"$ordner/utm.soll"
for datei in "$ordner"/etrs.*; do
  z="${datei##*.}"
  cut -d ' ' -f 1-3 "$datei" | cs %.3f 4258 "$(zonen_code "$z")" >"$ordner/utm.$z" # E N 0 name
  awk -v z="$z" '{ print $4, z, $1, $2 }' "$ordner/utm.$z" >>"$ordner/utm.ein"
  cs %.9f "$(zonen_code "$z")" 4314 <"$ordner/utm.$z" |
    paste -d ' ' - "$ordner/utm.$z" |
    awk '{ print $5, $6, $8, int($2 / 3 + 0.5) }' | teilen '$4' "$ordner/utm.$z.str"
  for sdatei in "$ordner/utm.$z.str".*; do
    s="${sdatei##*.}"
    cs %.3f "$(zonen_code "$z")" "$(streifen_code "$s")" <"$sdatei" |
      awk '{ print $4, $2, $1 }' >>"$ordner/utm.soll"                     # name R H
  done
done
tr ' .' ';,' <"$ordner/utm.ein" | LC_ALL=C "$programm" utm-gk -p 2>/dev/null | tr ';,' ' .' |
  awk '{ print $1, $5, $6 }' >"$ordner/utm.ist"                            # name R H

# Both round to the millimetre: per direction the largest difference, the
# values rounded the other way (0.5 mm apart in the unrounded results at
# most) and those more than 1 mm apart (a different zone or strip counts).
vergleichen() { # name, expected, actual ("name values..." per line)
  awk -v titel="$1" '
    NR == FNR { soll[$1] = $0; next }
    { split(soll[$1], s, " "); n++
      for (i = 2; i <= NF; i++) {
        d = $i - s[i]; if (d < 0) d = -d; if (d > max) max = d
        if (d > 0.0005) anders++
        if (d > 0.001 && ++schlecht < 5) print "  " $0 " / " soll[$1]
      } }
    END { printf "%s: %d Punkte, größte Abweichung %.1f mm, anders gerundet: %d, über 1 mm: %d\n",
                 titel, n, max * 1000, anders, schlecht
          exit (n == 0 || schlecht > 0) }' "$2" "$3"
}
echo "$(cs2cs 2>&1 | head -n 1)"
fehler=0
vergleichen "gk-utm" "$ordner/gk.soll" "$ordner/gk.ist" || fehler=1
vergleichen "utm-gk" "$ordner/utm.soll" "$ordner/utm.ist" || fehler=1
exit "$fehler"
