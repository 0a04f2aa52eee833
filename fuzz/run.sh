#!/bin/sh
# Builds the window template fuzzer with clang and runs it over a seed corpus made
# by the template writer. Usage: fuzz/run.sh [runs] (default 2000000).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/fuzz"
runs="${1:-2000000}"
template="$root/runtime/template"
framework="$root/runtime/framework"
writer="$framework/archive_reader.cpp $framework/archive_writer.cpp $template/template_writer.cpp
        $template/unit_record.cpp"
reader="$writer $template/unit_table.cpp $template/window_template.cpp"
flags="-std=c++20 -g -O1 -I$root -fno-sanitize-recover=all"

mkdir -p "$out/corpus"
# shellcheck disable=SC2086
clang++ $flags -fsanitize=address,undefined -o "$out/make_seeds" \
  "$root/fuzz/make_seeds.cpp" "$root/tests/runtime/template/sample_template.cpp" $writer
"$out/make_seeds" "$out/corpus"
# shellcheck disable=SC2086
clang++ $flags -fsanitize=fuzzer,address,undefined -o "$out/template_fuzz" \
  "$root/fuzz/template_fuzz.cpp" $reader
"$out/template_fuzz" -runs="$runs" "$out/corpus"
