#!/usr/bin/env bash
# Runs stundolog_sichernbench once (backup and verify against cp + cmp of the same files), keeps the JSON in the
# build folder and prints the ratios of the same run. Usage: bench/sichern.sh [BUILD-ORDNER] [--benchmark_...]
set -euo pipefail

WURZEL=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$WURZEL/build-bench}
shift || true

source "$WURZEL/bench/lauf.sh"
bench_laufen stundolog_sichernbench sichern "$@"

/usr/bin/python3 - "$AUSGABE" <<'PY'
import json
import sys

with open(sys.argv[1], encoding="utf-8") as f:
    daten = json.load(f)

median = {}
for b in daten["benchmarks"]:
    if b.get("error_occurred"):
        print(f"FEHLER {b['name']}: {b.get('error_message')}")
        continue
    name = b.get("run_name", b["name"]).split("/")[0]
    if b.get("aggregate_name", "") in ("", "median"):
        faktor = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
        median[name] = b["real_time"] * faktor

print(f"{'Benchmark':<20}{'Echtzeit ms':>12}")
for name, zeit in median.items():
    print(f"{name:<20}{zeit:>12.1f}")
print()
print("Verhältnisse (Mediane, Echtzeit; Ziel höchstens 1,5):")
for art, text in (("Klein", "200 Dateien zu 100 KB"), ("Gross", "eine Datei zu 50 MB")):
    z, n = f"BM_Sichern{art}", f"BM_CpCmp{art}"
    if z in median and n in median:
        v = median[z] / median[n]
        print(f"  Sichern/cp+cmp, {text}: {v:.2f}{'  (über 1,5)' if v > 1.5 else ''}")
    else:
        print(f"  Sichern/cp+cmp, {text}: fehlt")
PY
