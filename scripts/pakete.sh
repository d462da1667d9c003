# shellcheck shell=bash
# The Debian packages that building, running and testing Stundolog need, in one place.
# Sourced by scripts/run, scripts/test and .ci/run; it only defines lists and functions.

# Building and running the program.
STUNDOLOG_PAKETE_RUN=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
    libgl-dev # Qt6Gui's CMake files look for the OpenGL headers (WrapOpenGL)
)

# Additionally for the tests, the benchmarks, the end-to-end tests and the fuzz target.
STUNDOLOG_PAKETE_TEST=(
    "${STUNDOLOG_PAKETE_RUN[@]}"
    xvfb xauth dbus libglib2.0-bin at-spi2-core python3 python3-pyatspi openbox xdotool
    x11-xkb-utils faketime unrtf poppler-utils
    libbenchmark-dev
    desktop-file-utils appstream # checking the desktop entry and the metainfo
    dpkg-dev # dpkg-shlibdeps: the package's dependencies on the libraries the program links
    clang libclang-rt-dev # libFuzzer and clang's sanitizer runtimes
)

# Prints the packages of "$@" that are not installed.
stundolog_fehlende_pakete() {
    local Paket
    for Paket in "$@"; do
        if [[ "$(dpkg-query -W -f='${db:Status-Status}' "$Paket" 2>/dev/null)" != installed ]]; then
            printf '%s\n' "$Paket"
        fi
    done
}

# Installs the packages of "$@" that are missing; does nothing when all are there. Runs apt-get as root,
# or through sudo for another user. Its output goes to standard error, so that the program's own output
# stays alone on standard output.
stundolog_pakete_installieren() {
    local Fehlend
    mapfile -t Fehlend < <(stundolog_fehlende_pakete "$@")
    if ((${#Fehlend[@]} == 0)); then
        return 0
    fi
    echo "Fehlende Pakete werden installiert: ${Fehlend[*]}" >&2
    local Als=()
    if ((EUID != 0)); then
        if ! command -v sudo >/dev/null; then
            echo "Bitte als root installieren: apt-get install ${Fehlend[*]}" >&2
            return 1
        fi
        Als=(sudo)
    fi
    "${Als[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update >&2
    "${Als[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${Fehlend[@]}" >&2
}
