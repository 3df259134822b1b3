#!/bin/sh
# Checks the package metadata: the desktop entry with desktop-file-validate,
# the AppStream metainfo with appstreamcli (offline). Fails on any error and
# on any warning either tool reports; hints, infos and pedantic notes pass.
# Usage: dist/validate.sh [DESKTOP_FILE METAINFO_FILE]
set -eu

hier=$(dirname "$0")
id=de.vazorodavazivovovar.Vazorodavazivovovar
desktop=${1:-$hier/$id.desktop}
metainfo=${2:-$hier/$id.metainfo.xml}

status=0

# desktop-file-validate exits 0 after mere warnings, so its output is read
# as well: anything but hints counts as a failure.
echo "desktop-file-validate $desktop"
if ausgabe=$(desktop-file-validate "$desktop" 2>&1); then
  :
else
  status=1
fi
if [ -n "$ausgabe" ]; then
  printf '%s\n' "$ausgabe"
  if printf '%s\n' "$ausgabe" | grep -v ': hint: ' | grep -q .; then
    status=1
  fi
fi

# appstreamcli fails on errors only (and --strict on infos as well), so its
# output is read too: a warning ("W:") fails, infos and pedantic notes pass.
echo "appstreamcli validate --no-net $metainfo"
if ausgabe=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
  :
else
  status=1
fi
printf '%s\n' "$ausgabe"
if printf '%s\n' "$ausgabe" | grep -q '^[EW]: '; then
  status=1
fi

if [ "$status" -ne 0 ]; then
  echo "Paketmetadaten fehlerhaft" >&2
fi
exit "$status"
