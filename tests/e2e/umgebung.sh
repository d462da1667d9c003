#!/bin/bash
# Runs one end-to-end test in a desktop of its own, the way a screen reader user's desktop looks:
# a virtual X server (Xvfb) with a window manager (openbox), a private D-Bus session with the
# accessibility bus and its registry, screen reader support switched on. Nothing of the user's own
# desktop, settings or files is touched: HOME, the settings and runtime folders are fresh folders
# under /tmp, removed at the end.
#
#   umgebung.sh TEST.py STUNDOLOG [ARGUMENTS...]
#
# runs "/usr/bin/python3 TEST.py STUNDOLOG ARGUMENTS..." in that desktop and ends with its status.
# A missing tool is an error (status 1) with a message naming it, never a skipped test.
# STUNDOLOG_E2E_BEHALTEN=1 keeps the temporary folder for a look afterwards.

set -u

Fehler() {
    echo "e2e: $*" >&2
    exit 1
}

# ---------------------------------------------------------------------------------------------------------
# Inside the private D-Bus session (second call of this script, by dbus-run-session).
if [[ "${1:-}" == --innen ]]; then
    shift
    Arbeit="$1"
    shift
    Kinder=()
    Aufraeumen() {
        local Pid
        for Pid in "${Kinder[@]}"; do
            kill "$Pid" 2>/dev/null
        done
        for Pid in "${Kinder[@]}"; do
            wait "$Pid" 2>/dev/null
        done
    }
    trap Aufraeumen EXIT
    trap 'exit 1' INT TERM HUP

    # Waits up to $1 tenths of a second for the command after it to succeed.
    Warten() {
        local Versuche="$1"
        shift
        while ((Versuche-- > 0)); do
            "$@" >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        return 1
    }

    # The accessibility bus and its registry.
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$Arbeit/at-spi-bus-launcher.log" 2>&1 &
    Kinder+=($!)
    Warten 100 gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress ||
        Fehler "at-spi-bus-launcher meldet sich nicht am Sitzungsbus (siehe $Arbeit/at-spi-bus-launcher.log)"
    A11yAdresse=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress | sed -e "s/^('//" -e "s/',)\$//")
    [[ -n "$A11yAdresse" ]] || Fehler "der Barrierefreiheits-Bus hat keine Adresse"
    "$Registryd" >"$Arbeit/at-spi2-registryd.log" 2>&1 &
    Kinder+=($!)
    RegistryDa() {
        gdbus call --address "$A11yAdresse" --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
            --method org.freedesktop.DBus.NameHasOwner org.a11y.atspi.Registry | grep -q true
    }
    Warten 100 RegistryDa || Fehler "at-spi2-registryd meldet sich nicht (siehe $Arbeit/at-spi2-registryd.log)"

    # What a screen reader does when it starts: programs that ask see that one runs.
    gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.freedesktop.DBus.Properties.Set org.a11y.Status ScreenReaderEnabled '<true>' >/dev/null ||
        Fehler "ScreenReaderEnabled lässt sich nicht setzen"

    # A window manager: without one no window becomes active and no field gets the keyboard focus.
    openbox --sm-disable >"$Arbeit/openbox.log" 2>&1 &
    Kinder+=($!)
    Warten 100 xdotool get_num_desktops || Fehler "openbox startet nicht (siehe $Arbeit/openbox.log)"

    /usr/bin/python3 "$@"
    exit $?
fi

# ---------------------------------------------------------------------------------------------------------
# Outside: tools, folders, X server.
(($# >= 2)) || Fehler "Aufruf: umgebung.sh TEST.py STUNDOLOG [ARGUMENTE...]"
[[ -f "$1" ]] || Fehler "Testskript $1 fehlt"
[[ -x "$2" ]] || Fehler "Programm $2 fehlt oder ist nicht ausführbar"

Fehlend=()
for Werkzeug in Xvfb setxkbmap openbox xdotool dbus-run-session dbus-daemon gdbus; do
    command -v "$Werkzeug" >/dev/null 2>&1 || Fehlend+=("$Werkzeug")
done
[[ -x /usr/libexec/at-spi-bus-launcher ]] || Fehlend+=(at-spi-bus-launcher)
Registryd=""
for Ort in /usr/libexec/at-spi2-registryd /usr/lib/at-spi2-core/at-spi2-registryd; do
    [[ -x "$Ort" ]] && Registryd="$Ort" && break
done
[[ -n "$Registryd" ]] || Fehlend+=(at-spi2-registryd)
if [[ ! -x /usr/bin/python3 ]]; then
    Fehlend+=(/usr/bin/python3)
elif ! /usr/bin/python3 -c 'import pyatspi' >/dev/null 2>&1; then
    Fehlend+=("python3-pyatspi (import pyatspi)")
fi
((${#Fehlend[@]} == 0)) ||
    Fehler "Werkzeuge fehlen: ${Fehlend[*]} — bitte installieren (Pakete xvfb openbox xdotool dbus" \
        "libglib2.0-bin at-spi2-core python3-pyatspi x11-xkb-utils, siehe scripts/pakete.sh)"
export Registryd

Arbeit=$(mktemp -d /tmp/stundolog-e2e.XXXXXX) || Fehler "kein temporärer Ordner"
chmod 700 "$Arbeit"
XvfbPid=""
SitzungPid=""
Aufraeumen() {
    if [[ -n "$SitzungPid" ]]; then
        # dbus-run-session and everything it started run in a process group of their own.
        kill -TERM -- "-$SitzungPid" 2>/dev/null
        for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
            kill -0 -- "-$SitzungPid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL -- "-$SitzungPid" 2>/dev/null
    fi
    if [[ -n "$XvfbPid" ]]; then
        kill "$XvfbPid" 2>/dev/null
        wait "$XvfbPid" 2>/dev/null
    fi
    if [[ "${STUNDOLOG_E2E_BEHALTEN:-}" == 1 ]]; then
        echo "e2e: Arbeitsordner bleibt: $Arbeit" >&2
    else
        rm -rf "$Arbeit"
    fi
}
trap Aufraeumen EXIT
trap 'exit 1' INT TERM HUP

export HOME="$Arbeit/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_STATE_HOME="$HOME/.local/state"
export XDG_RUNTIME_DIR="$Arbeit/laufzeit"
export XDG_DOCUMENTS_DIR="$HOME/Documents"
export TMPDIR="$Arbeit/tmp"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" "$XDG_DOCUMENTS_DIR" \
    "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export GSETTINGS_BACKEND=memory
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Qt stays off the accessibility bus when it is given the bus address directly; it asks the session bus.
unset AT_SPI_BUS_ADDRESS NO_AT_BRIDGE WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER QT_ACCESSIBILITY \
    QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI XAUTHORITY

# The X server picks a free display itself and names it on a pipe.
mkfifo "$Arbeit/anzeige" || Fehler "mkfifo geht nicht"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$Arbeit/anzeige" >"$Arbeit/Xvfb.log" 2>&1 &
XvfbPid=$!
Anzeige=""
if ! read -r -t 20 Anzeige <"$Arbeit/anzeige" || [[ -z "$Anzeige" ]]; then
    Fehler "Xvfb startet nicht: $(tail -n 5 "$Arbeit/Xvfb.log")"
fi
export DISPLAY=":$Anzeige"
# A German keyboard, as the program's users have. Umlauts and ß are keys of their own then: xdotool types
# them directly instead of remapping a spare key for each one, which the program may see too late and
# then drops the character.
setxkbmap -layout de >"$Arbeit/setxkbmap.log" 2>&1 ||
    Fehler "setxkbmap -layout de geht nicht: $(tail -n 5 "$Arbeit/setxkbmap.log")"

setsid dbus-run-session -- bash "$0" --innen "$Arbeit" "$@" &
SitzungPid=$!
wait "$SitzungPid"
Status=$?
if [[ $Status -ne 0 ]]; then
    echo "e2e: Test endete mit Status $Status" >&2
    for Protokoll in "$Arbeit"/*.log; do
        [[ -s "$Protokoll" ]] && printf 'e2e: %s:\n%s\n' "${Protokoll##*/}" "$(tail -n 20 "$Protokoll")" >&2
    done
fi
exit "$Status"
