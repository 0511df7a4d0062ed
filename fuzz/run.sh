#!/usr/bin/env bash
# Runs one harness of a fuzz build for some seconds, over a working corpus
# in the build tree and the seed corpus fuzz/corpus/<name> (read only), with
# the sanitizer options of scripts/sanitizer-env.sh. A crash, leak, time-out
# or sanitizer report fails the run and leaves its input in
# <build>/fuzz/artifacts/; rerun it with: <build>/fuzz/fuzz_<name> <file>.
#
# Usage: fuzz/run.sh <build-dir> <name> <seconds> [libFuzzer options...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
name="$2"
seconds="$3"
shift 3
source "$here/../scripts/sanitizer-env.sh"
work="$build/fuzz/corpus/$name"
artifacts="$build/fuzz/artifacts"
mkdir -p "$work" "$artifacts"
options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
         -artifact_prefix="$artifacts/$name-")
if [ -f "$here/dict/$name.dict" ]; then
    options+=(-dict="$here/dict/$name.dict")
fi
# With -jobs, libFuzzer writes each worker's fuzz-<n>.log into the current
# directory: the build tree, not the sources.
cd "$build/fuzz"
exec "$build/fuzz/fuzz_$name" "${options[@]}" "$@" "$work" "$here/corpus/$name"
