#!/bin/bash
# The Debian package as a user gets it:
#
#   paket.sh BUILDORDNER
#
# builds the .deb with CPack from the build folder BUILDORDNER, checks its control data and contents, lets
# apt resolve its dependencies (simulated), unpacks it into a fresh root and runs the installed program there:
# --version, --aus-json and --pruefen on a class file, --ressourcen (the week sound and the change list must be
# found in the unpacked share folder), and the program with its window under Xvfb until its start-up step has
# made the data folder. Status 77 (skipped) with the reason where dpkg-deb is missing; 1 with a message on the
# first fault. STUNDOLOG_PAKET_BEHALTEN=1 keeps the work folder for a look afterwards.

set -u

Fehler() {
    echo "paket: $*" >&2
    exit 1
}

Bau="${1:?Aufruf: paket.sh BUILDORDNER}"
[[ -f "$Bau/CPackConfig.cmake" ]] || Fehler "$Bau/CPackConfig.cmake fehlt"

if ! command -v dpkg-deb >/dev/null; then
    echo "paket: übersprungen, dpkg-deb fehlt (kein Debian-System)"
    exit 77
fi
command -v cpack >/dev/null || Fehler "cpack fehlt"

Arbeit=$(mktemp -d /tmp/stundolog-paket.XXXXXX) || Fehler "kein temporärer Ordner"
Kinder=()
Aufraeumen() {
    local Pid
    for Pid in "${Kinder[@]}"; do
        kill -- "-$Pid" 2>/dev/null
    done
    for Pid in "${Kinder[@]}"; do
        wait "$Pid" 2>/dev/null
    done
    if [[ "${STUNDOLOG_PAKET_BEHALTEN:-}" == 1 ]]; then
        echo "paket: Arbeitsordner bleibt: $Arbeit" >&2
    else
        rm -rf "$Arbeit"
    fi
}
trap Aufraeumen EXIT
trap 'exit 1' INT TERM HUP

# ---- build ------------------------------------------------------------------------------------------------
cpack -G DEB --config "$Bau/CPackConfig.cmake" -B "$Arbeit/paket" >"$Arbeit/cpack.log" 2>&1 ||
    { cat "$Arbeit/cpack.log" >&2; Fehler "cpack ist gescheitert"; }
Pakete=("$Arbeit"/paket/*.deb)
((${#Pakete[@]} == 1)) && [[ -f "${Pakete[0]}" ]] || Fehler "cpack hat nicht genau ein .deb gebaut: ${Pakete[*]}"
Deb="${Pakete[0]}"
echo "paket: $(basename "$Deb")"

# ---- control data -----------------------------------------------------------------------------------------
Feld() { dpkg-deb --field "$Deb" "$1"; }
[[ "$(Feld Package)" == stundolog ]] || Fehler "Paketname ist \"$(Feld Package)\""
[[ "$(Feld Version)" == 1.01 ]] || Fehler "Version ist \"$(Feld Version)\""
Abhaengig="$(Feld Depends)"
echo "paket: Depends: $Abhaengig"
for Paket in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6network6 libqt6multimedia6 \
    qt6-qpa-plugins qt6-translations-l10n libc6 libstdc++6; do
    # The names without versions and alternatives' bars, one a line.
    sed -e 's/ *([^)]*)//g' -e 's/ *[,|] */\n/g' <<<"$Abhaengig" | grep -Fqx "$Paket" ||
        Fehler "Depends nennt $Paket nicht: $Abhaengig"
done

# ---- contents ---------------------------------------------------------------------------------------------
dpkg-deb --contents "$Deb" | awk '{print $NF}' | sed -e 's|^\./|/|' | sort >"$Arbeit/inhalt.txt"
for Datei in /usr/bin/stundolog /usr/share/stundolog/NeueZeile.wav /usr/share/stundolog/History.txt \
    /usr/share/applications/de.stundolog.Stundolog.desktop /usr/share/icons/hicolor/scalable/apps/stundolog.svg \
    /usr/share/metainfo/de.stundolog.Stundolog.metainfo.xml /usr/share/doc/stundolog/copyright; do
    grep -qx "$Datei" "$Arbeit/inhalt.txt" || Fehler "das Paket enthält $Datei nicht"
done
# Nothing of the build leaks in: no libraries, headers or tests.
Fremd=$(grep -v -e '/$' "$Arbeit/inhalt.txt" | grep -v -x -e /usr/bin/stundolog -e '/usr/share/.*')
[[ -z "$Fremd" ]] || Fehler "unerwartete Dateien im Paket: $Fremd"

# ---- dependencies resolvable here (simulated: nothing is installed) ----------------------------------------
if command -v apt-get >/dev/null; then
    apt-get install --simulate --no-install-recommends "$Deb" >"$Arbeit/apt.log" 2>&1 ||
        { cat "$Arbeit/apt.log" >&2; Fehler "apt kann die Abhängigkeiten des Pakets nicht auflösen"; }
fi

# ---- unpacked into a fresh root ---------------------------------------------------------------------------
Wurzel="$Arbeit/wurzel"
dpkg-deb --extract "$Deb" "$Wurzel" || Fehler "dpkg-deb --extract ist gescheitert"
Programm="$Wurzel/usr/bin/stundolog"
[[ -x "$Programm" ]] || Fehler "$Programm ist nicht ausführbar"
# The program finds its files from its own place; the settings and documents of this run are fresh folders.
export HOME="$Arbeit/home" XDG_CONFIG_HOME="$Arbeit/home/.config" XDG_DATA_HOME="$Arbeit/home/.local/share"
export XDG_RUNTIME_DIR="$Arbeit/laufzeit"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

Version=$("$Programm" --version) || Fehler "--version endet mit Fehler"
[[ "$Version" == "Stundolog V1.01" ]] || Fehler "--version zeigt \"$Version\""

printf '%s' '{"Klasse": "5a", "Faecher": [{"Fachname": "Deutsch", "Wochen": [{"Datum": 43899, "Text": "Lesen"}]}]}' \
    >"$Arbeit/5a.json"
"$Programm" --aus-json "$Arbeit/5a.json" "$Arbeit/5a.SGV" || Fehler "--aus-json endet mit Fehler"
Bericht=$("$Programm" --pruefen "$Arbeit/5a.SGV") || Fehler "--pruefen endet mit Fehler: $Bericht"
grep -qx 'Klasse: "5a"' <<<"$Bericht" || Fehler "--pruefen nennt die Klasse nicht: $Bericht"
grep -q '"Deutsch": 1 Woche' <<<"$Bericht" || Fehler "--pruefen nennt das Fach nicht: $Bericht"

Orte=$("$Programm" --ressourcen) || Fehler "--ressourcen findet nicht alles: $Orte"
for Datei in NeueZeile.wav History.txt; do
    grep -qx "$Datei: $Wurzel/usr/share/stundolog/$Datei" <<<"$Orte" ||
        Fehler "$Datei wird nicht im installierten share-Ordner gefunden: $Orte"
done

# Without the change list the check says so.
mv "$Wurzel/usr/share/stundolog/History.txt" "$Arbeit/History.txt"
Orte=$("$Programm" --ressourcen)
Status=$?
((Status == 1)) || Fehler "--ressourcen ohne History.txt endet mit $Status statt 1"
grep -qx "History.txt: nicht gefunden" <<<"$Orte" || Fehler "--ressourcen meldet die fehlende History.txt nicht: $Orte"
mv "$Arbeit/History.txt" "$Wurzel/usr/share/stundolog/History.txt"

# ---- the window under Xvfb ----------------------------------------------------------------------------------
command -v xvfb-run >/dev/null || Fehler "xvfb-run fehlt (Paket xvfb)"
# In a process group of its own, so that the end of the test ends the X server and the program together.
setsid xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$Programm" \
    >"$Arbeit/programm.log" 2>&1 &
Kinder+=($!)
# The start-up step makes the data folder: in the documents folder or beside the program.
Da=""
for ((Versuch = 0; Versuch < 300; ++Versuch)); do
    for Ordner in "$HOME/Documents/Stundolog" "$HOME/Dokumente/Stundolog" "$Wurzel/usr/bin/Stundolog"; do
        [[ -d "$Ordner" ]] && Da="$Ordner"
    done
    [[ -n "$Da" ]] && break
    kill -0 "${Kinder[0]}" 2>/dev/null || break
    sleep 0.1
done
[[ -n "$Da" ]] || { cat "$Arbeit/programm.log" >&2; Fehler "das Programm hat unter Xvfb keinen Datenordner angelegt"; }
sleep 1
kill -0 "${Kinder[0]}" 2>/dev/null || { cat "$Arbeit/programm.log" >&2; Fehler "das Programm lief unter Xvfb nicht weiter"; }
echo "paket: das installierte Programm läuft unter Xvfb (Datenordner $Da)"
exit 0
