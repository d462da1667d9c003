#!/bin/bash
# Checks the desktop entry and the AppStream metainfo with the validators the desktops use:
#
#   gueltig.sh DESKTOPDATEI METAINFODATEI
#
# Any error or warning fails (status 1, the validators' reports on standard error); status 77 (skipped) with
# the reason when a validator is not installed (packages desktop-file-utils and appstream).
set -u
Desktop="$1"
Metainfo="$2"
for Werkzeug in desktop-file-validate:desktop-file-utils appstreamcli:appstream; do
    if ! command -v "${Werkzeug%%:*}" >/dev/null; then
        echo "gueltig: übersprungen, ${Werkzeug%%:*} fehlt (Paket ${Werkzeug##*:})"
        exit 77
    fi
done
Status=0
# desktop-file-validate ends with 0 after warnings and hints; whatever it reports counts.
Bericht=$(desktop-file-validate "$Desktop" 2>&1)
if [[ $? -ne 0 || -n "$Bericht" ]]; then
    echo "gueltig: $Desktop: $Bericht" >&2
    Status=1
fi
# Pedantic remarks (our id has capitals, as reverse-DNS ids of desktop programs do) are not faults.
if ! appstreamcli validate --no-net --explain "$Metainfo" >&2; then
    echo "gueltig: $Metainfo ist nicht gültig" >&2
    Status=1
fi
exit $Status
