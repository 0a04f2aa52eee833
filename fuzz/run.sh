#!/bin/sh
# Builds the fuzzers with clang and libFuzzer (outside CMake) and runs each over a
# seed corpus made by its seed generator. Usage: fuzz/run.sh [runs] [target...]
# (default: 2000000 runs of every target). Findings stop the run with libFuzzer's
# report and a crash file in build/fuzz.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/fuzz"
runs="${1:-2000000}"
[ $# -gt 0 ] && shift
only="$*"
flags="-std=c++20 -g -O1 -I$root -fno-sanitize-recover=all"
mkdir -p "$out"

# fuzz NAME "SEEDER SOURCES" "TARGET SOURCES" [LIBS]: builds the seed generator and
# the target, seeds build/fuzz/NAME-corpus and runs the target over it.
fuzz() {
  name=$1 seeder=$2 target=$3 libs=${4:-}
  case " ${only:-$name} " in *" $name "*) ;; *) return 0 ;; esac
  corpus="$out/$name-corpus"
  mkdir -p "$corpus"
  # shellcheck disable=SC2086
  clang++ $flags -fsanitize=address,undefined -o "$out/$name-seeds" $seeder $libs
  "$out/$name-seeds" "$corpus"
  # shellcheck disable=SC2086
  clang++ $flags -fsanitize=fuzzer,address,undefined -o "$out/$name-fuzz" $target $libs
  echo "fuzz: $name, $runs runs"
  "$out/$name-fuzz" -runs="$runs" -artifact_prefix="$out/$name-" "$corpus"
}

template="$root/runtime/template"
framework="$root/runtime/framework"
archive="$framework/archive_reader.cpp $framework/archive_writer.cpp"
template_writer="$archive $template/template_writer.cpp $template/unit_record.cpp"

fuzz template "$root/fuzz/template_seeds.cpp $root/tests/runtime/template/sample_template.cpp $template_writer" \
  "$root/fuzz/template_fuzz.cpp $template_writer $template/unit_table.cpp $template/window_template.cpp"

pictures="$root/pictures"
readers="$archive $pictures/bmp_reader.cpp $pictures/gif_reader.cpp $pictures/icon_directory.cpp
  $pictures/indexed_bitmap.cpp $pictures/jpeg_reader.cpp $pictures/lzw_decoder.cpp $pictures/pcx_reader.cpp
  $pictures/picture_kind.cpp $pictures/pixel_block.cpp $pictures/pixel_picture.cpp $pictures/png_reader.cpp"
picture_seeds="$root/fuzz/picture_seeds.cpp $root/tests/pictures/sample_pictures.cpp $archive"
# The readers' fuzzing build: smaller pictures (pictures/pixel_block.h), the libraries.
picture_libraries="-DFUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION -lpng -ljpeg -lz"
fuzz bmp "$picture_seeds" "$root/fuzz/bmp_fuzz.cpp $readers" "$picture_libraries"
fuzz gif "$picture_seeds" "$root/fuzz/gif_fuzz.cpp $readers" "$picture_libraries"
fuzz pcx "$picture_seeds" "$root/fuzz/pcx_fuzz.cpp $readers" "$picture_libraries"
fuzz icon "$picture_seeds" "$root/fuzz/icon_fuzz.cpp $readers" "$picture_libraries"
fuzz png "$picture_seeds" "$root/fuzz/png_fuzz.cpp $readers" "$picture_libraries"
fuzz jpeg "$picture_seeds" "$root/fuzz/jpeg_fuzz.cpp $readers" "$picture_libraries"

sound="$root/sound"
images="$root/tests/sound/sound_images.cpp $framework/archive_writer.cpp"
fuzz wave "$root/fuzz/wave_seeds.cpp $images" \
  "$root/fuzz/wave_fuzz.cpp $sound/wave_data.cpp $sound/sound_kind.cpp $framework/archive_reader.cpp"
fuzz midi "$root/fuzz/midi_seeds.cpp $images" "$root/fuzz/midi_fuzz.cpp $sound/midi_file.cpp $sound/midi_sequence.cpp"
