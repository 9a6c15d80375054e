#!/usr/bin/env bash
# Builds the benchmarks, the accuracy report and the accuracy scorer, optimised, and runs them.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$top/scripts/setup.sh"
bash "$top/scripts/build-targets.sh" "the benchmarks and the accuracy report" vireno-bench-programs
results="$(mktemp -d)"
trap 'rm -rf "$results"' EXIT
for b in "$top"/build/release/bench/vireno-bench-*; do
  [[ -x "$b" ]] && "$b" --benchmark_out="$results/$(basename "$b").csv" --benchmark_out_format=csv
done

# The summary: CPU time per unit of work and the share of one core, from the benchmarks' CSV rows
# (name, iterations, real_time, cpu_time, time_unit, ..., label "core_percent=...").
cat "$results"/*.csv | awk -F, '
  function micro(t, unit) { return unit == "ns" ? t / 1000 : (unit == "ms" ? t * 1000 : (unit == "s" ? t * 1e6 : t)) }
  # Fills out[1..n] with the keys of set in ascending order (numbers compare as numbers); returns n.
  function sorted(set, out,    n, k, i, j, t) {
    n = 0
    for (k in set) out[++n] = k
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++)
      if ((out[j] ~ /^[0-9]+$/ ? out[j] + 0 : out[j]) < (out[i] ~ /^[0-9]+$/ ? out[i] + 0 : out[i])) { t = out[i]; out[i] = out[j]; out[j] = t }
    return n
  }
  /^"/ {
    name = $1; gsub(/"/, "", name); label = $8; sub(/^"core_percent=/, "", label); sub(/[ "].*$/, "", label)
    split(name, part, "/")
    if (part[1] ~ /AnalyseFrame/) kernel[part[1]] = sprintf("%10.1f %12s", micro($4, $5), label)
    else if (part[1] == "ResampleOneSecond") resampler[part[2]] = sprintf("%10.1f", micro($4, $5))
    else if (part[1] == "ProcessOneSecond") { dsp[part[2], part[3]] = label; rates[part[2]] = 1; blocks[part[3]] = 1 }
    else if (part[1] == "WorstOrdinaryBlock") { worst[part[2], part[3]] = $8; sub(/^"worst_ordinary_block=/, "", worst[part[2], part[3]]); sub(/".*$/, "", worst[part[2], part[3]]) }
  }
  END {
    printf "\nSummary (CPU time)\n%-32s %10s %12s\n", "kernel", "us/frame", "% of a core"
    n = sorted(kernel, keys); for (i = 1; i <= n; i++) printf "  %-30s %s\n", keys[i], kernel[keys[i]]
    printf "resampler, us per channel-second\n"
    n = sorted(resampler, keys); for (i = 1; i <= n; i++) printf "  %-30s %s\n", keys[i] " Hz", resampler[keys[i]]
    printf "algorithm object, %% of a core by block size\n  %-8s", "Hz"
    nb = sorted(blocks, block); for (i = 1; i <= nb; i++) printf " %9s", block[i]
    printf "\n"
    nr = sorted(rates, rate)
    for (r = 1; r <= nr; r++) {
      printf "  %-8s", rate[r]
      for (i = 1; i <= nb; i++) printf " %9s", dsp[rate[r], block[i]]
      printf "\n"
    }
    printf "dearest block that completes no frame, times the average block\n"
    for (r = 1; r <= nr; r++) {
      printf "  %-8s", rate[r]
      for (i = 1; i <= nb; i++) printf " %9s", ((rate[r], block[i]) in worst) ? worst[rate[r], block[i]] : "-"
      printf "\n"
    }
  }'

"$top/build/release/bench/vireno-accuracy"

# The accuracy scorer over the whole corpus, with instruments sampled from a General MIDI soundfont.
"$top/build/release/bench/vireno-corpus-score" --soundfont /usr/share/sounds/sf2/TimGM6mb.sf2
