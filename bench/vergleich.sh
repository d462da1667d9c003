#!/usr/bin/env bash
# Runs stundolog_bench once, keeps the JSON in the build folder and prints the ratios against the baselines
# of the same run. Usage: bench/vergleich.sh [BUILD-ORDNER] [weitere --benchmark_...-Optionen]
set -euo pipefail

WURZEL=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$WURZEL/build-bench}
shift || true

source "$WURZEL/bench/lauf.sh"
bench_laufen stundolog_bench bench "$@"

/usr/bin/python3 - "$AUSGABE" <<'PY'
import json
import sys

with open(sys.argv[1], encoding="utf-8") as f:
    daten = json.load(f)

kontext = daten["context"]
print(f"Rechner: {kontext.get('num_cpus')} CPUs, {kontext.get('mhz_per_cpu')} MHz, "
      f"Last {kontext.get('load_avg')}, Benchmark-Bibliothek {kontext.get('library_build_type')}, "
      f"Qt {kontext.get('qt_version')}, Ordner {kontext.get('temp_dir')}")

# With repetitions the median stands for a benchmark, otherwise its single run. File benchmarks are
# compared by real time; the text benchmarks, which only compute, by CPU time, which other processes on
# the machine disturb less.
echt, cpu, streuung, mbs, zeitart = {}, {}, {}, {}, {}
for b in daten["benchmarks"]:
    if b.get("error_occurred"):
        print(f"FEHLER {b['name']}: {b.get('error_message')}")
        continue
    voller_name = b.get("run_name", b["name"])
    name = voller_name.split("/")[0]
    art = b.get("aggregate_name", "")
    if art == "cv":
        streuung[name] = (b["real_time"], b["cpu_time"])
        continue
    if art not in ("", "median") or (art == "" and name in echt):
        continue
    faktor = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
    echt[name] = b["real_time"] * faktor
    cpu[name] = b["cpu_time"] * faktor
    zeitart[name] = "real" if voller_name.endswith("/real_time") else "cpu"
    if "bytes_per_second" in b:
        mbs[name] = b["bytes_per_second"] / 1e6


def zeit(name):
    return echt[name] if zeitart[name] == "real" else cpu[name]


print()
print(f"{'Benchmark':<24}{'Echtzeit ms':>12}{'CPU ms':>10}{'MB/s':>8}{'CV':>8}  Vergleich über")
for name in echt:
    cv = f"{100 * streuung[name][zeitart[name] == 'cpu']:.1f}%" if name in streuung else ""
    rate = f"{mbs[name]:.0f}" if name in mbs else ""
    print(f"{name:<24}{echt[name]:>12.2f}{cpu[name]:>10.2f}{rate:>8}{cv:>8}  {zeitart[name]}")

print()
print("Verhältnisse (Mediane):")
for zaehler, nenner, grenze in (
    ("BM_Laden", "BM_LesenQFile", 2.0),
    ("BM_Laden", "BM_LesenQFileReadAll", 2.0),
    ("BM_Speichern", "BM_SchreibenQFile", None),
    ("BM_Speichern", "BM_SchreibenQSaveFile", 2.0),
    ("BM_Text2x", "BM_Text1x", 2.3),
):
    if zaehler in echt and nenner in echt:
        v = zeit(zaehler) / zeit(nenner)
        hinweis = "  (über %.1f)" % grenze if grenze is not None and v > grenze else ""
        print(f"  {zaehler[3:]}/{nenner[3:]}: {v:.2f}{hinweis}")
    else:
        print(f"  {zaehler[3:]}/{nenner[3:]}: fehlt")
PY

# Backup and verify against cp + cmp: a run of its own.
echo
"$WURZEL/bench/sichern.sh" "$BUILD"
