#!/bin/sh
# Builds the Debian package into a folder of its own and checks it as a
# Debian maintainer would:
#  - lintian --pedantic: no error, no warning, no hardening tag at all;
#  - the copyright file with the text of LICENSE, the changelog and both
#    manual pages are in it, the changelog and the manual pages with the
#    package's version;
#  - the programs carry no .comment section (dh_strip drops it), have
#    stack protection (lintian does not look), are bound at start when the
#    build links with -z now (BINDUNG "jetzt"), are each named in the
#    metainfo's <provides> and have a manual page;
#  - the console program's --version says the package's version, and every
#    argument of its usage line is explained in its --help.
# Usage: dist/lintian.sh BUILD_DIR jetzt|bedarf
set -eu

bau=$1
bindung=$2
aus=$bau/paket-pruefung
rm -rf "$aus"
mkdir -p "$aus"
if ! cpack --config "$bau/CPackConfig.cmake" -G DEB -B "$aus" >"$aus/cpack.log" 2>&1; then
  cat "$aus/cpack.log"
  exit 1
fi
deb=$(ls "$aus"/*.deb)
status=0
fehler() {
  echo "FEHLER: $*"
  status=1
}

echo "lintian --pedantic $deb"
lintian --pedantic --display-info --fail-on error,warning "$deb" >"$aus/lintian.log" 2>&1 ||
  fehler "lintian meldet Fehler oder Warnungen"
cat "$aus/lintian.log"
if grep -q ': hardening-' "$aus/lintian.log"; then
  fehler "lintian vermisst eine Härtung"
fi

wurzel=$aus/wurzel
dpkg-deb -x "$deb" "$wurzel"
version=$(dpkg-deb -f "$deb" Version)
doc=$wurzel/usr/share/doc/vazorodavazivovovar
# The copyright file's licence text, " ." lines blank and unindented, is
# LICENSE's from its first sentence on.
quelle=$(dirname "$0")/..
sed -n '/^License: Expat$/,$p' "$doc/copyright" | tail -n +2 | sed 's/^ //; s/^\.$//' >"$aus/lizenz"
sed -n '/^Permission is hereby granted/,$p' "$quelle/LICENSE" | cmp -s - "$aus/lizenz" ||
  fehler "copyright enthält nicht den Lizenztext aus LICENSE"
zcat "$doc/changelog.gz" | head -n 1 | grep -qF "($version)" ||
  fehler "changelog.gz beginnt nicht mit Version $version"
metainfo=$wurzel/usr/share/metainfo/de.vazorodavazivovovar.Vazorodavazivovovar.metainfo.xml
for programm in "$wurzel"/usr/bin/*; do
  name=${programm##*/}
  if readelf -S -W "$programm" | grep -qF ' .comment '; then
    fehler "$name hat einen Abschnitt .comment"
  fi
  if ! readelf -W --dyn-syms "$programm" | grep -qF ' __stack_chk_fail'; then
    fehler "$name ohne Stapelschutz"
  fi
  if [ "$bindung" = jetzt ] && ! readelf -d "$programm" | grep -q 'FLAGS.*BIND_NOW'; then
    fehler "$name ist nicht mit -z now gebunden"
  fi
  grep -qF "<binary>$name</binary>" "$metainfo" || fehler "$name fehlt in <provides>"
  seite=$wurzel/usr/share/man/man1/$name.1.gz
  if [ ! -f "$seite" ]; then
    fehler "Handbuchseite von $name fehlt"
  elif ! zcat "$seite" | head -n 1 | grep -qF "\"Vazorodavazivovovar $version\""; then
    fehler "Handbuchseite von $name ohne Version $version"
  fi
done

stapel=$wurzel/usr/bin/vazorodavazivovovar-stapel
[ "$("$stapel" --version)" = "vazorodavazivovovar-stapel $version" ] ||
  fehler "--version sagt nicht $version"
# Usage line: "Aufruf: PROGRAMM [Optionen] ARGUMENT...": each argument
# starts a line of the argument list.
hilfe=$("$stapel" --help)
for argument in $(printf '%s\n' "$hilfe" | head -n 1 | cut -d ' ' -f 4-); do
  argument=$(printf '%s' "$argument" | tr -d '[]')
  printf '%s\n' "$hilfe" | grep -q "^  $argument " ||
    fehler "--help erklärt $argument aus der Aufrufzeile nicht"
done

[ "$status" -eq 0 ] || echo "Paket fehlerhaft: $deb"
exit "$status"
