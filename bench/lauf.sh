# Shared start of the benchmark scripts (sourced): configures BUILD as a release build with the benchmarks
# where it is no build folder yet, builds the target $1 and runs it once with the further arguments, writing its
# JSON to BUILD/$2-DATE-TIME.json, whose path it leaves in AUSGABE.
# Needs WURZEL (the source tree) and BUILD.
bench_laufen() {
    local Ziel=$1 Praefix=$2
    shift 2
    if [[ ! -f $BUILD/build.ninja && ! -f $BUILD/Makefile ]]; then
        cmake -S "$WURZEL" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTUNDOLOG_BENCH=ON -DSTUNDOLOG_TESTS=OFF
    fi
    cmake --build "$BUILD" --target "$Ziel"
    AUSGABE=$BUILD/$Praefix-$(date +%Y%m%d-%H%M%S).json
    "$BUILD/bench/$Ziel" --benchmark_format=json "$@" >"$AUSGABE"
    echo "JSON: $AUSGABE"
}
