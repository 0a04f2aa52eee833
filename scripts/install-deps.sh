#!/usr/bin/env bash
# Installs everything Voxlet needs to build and test on Debian 12, then cross-builds
# the third-party libraries that Debian ships only as source into
# .deps/prefix-<arch>, for 32-bit Windows (the product) and 64-bit Windows (the
# test build on machines that cannot execute 32-bit code).
# Idempotent: a second run only checks and returns within seconds.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
deps="$top/.deps"
cache="$deps/cache"        # apt lists and downloaded source tarballs
work="$deps/work"          # unpacked, built trees
mkdir -p "$cache" "$work"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# Runs a build step with its output kept in a log; when it fails, the log's last
# lines are shown and the script stops.
logged() { # log-file command...
  local log=$1
  shift
  mkdir -p "$(dirname "$log")"
  if ! "$@" >"$log" 2>&1; then
    echo "install-deps: failed: $*" >&2
    echo "install-deps: the last lines of $log:" >&2
    tail -n 40 "$log" >&2
    exit 1
  fi
}

# ---- Debian packages -------------------------------------------------------
packages=(
  g++-mingw-w64-i686 mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 libz-mingw-w64-dev
  cmake ninja-build nasm make autoconf automake libtool pkg-config dpkg-dev
  wine wine32:i386 wine64 fonts-wine xvfb x11-utils imagemagick fonts-wqy-microhei locales
  googletest g++ clang llvm libclang-rt-14-dev clang-format
  libpng-dev libjpeg-dev zlib1g-dev libstb-dev python3
  pulseaudio pulseaudio-utils sox espeak-ng
  midicsv
  librsvg2-bin icoutils nsis lintian appstream zip unzip
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# VOXLET_APT_OPTIONS: options given to apt-get for the machine's packages, such as
# a private list of sources (tests/packaging/unreachable_index_check.sh uses it).
read -r -a apt_options <<<"${VOXLET_APT_OPTIONS:-}"
# A mirror caught mid-sync fails one index ("File has unexpected size ... Mirror
# sync in progress?") while the others are fine: update is tried three times, then
# the run goes on with the indexes that did arrive.
update_indexes() {
  local log="$cache/apt-update.log" attempt
  for attempt in 1 2 3; do
    as_root apt-get "${apt_options[@]}" update -qq >"$log" 2>&1 && return 0
    [ $attempt -lt 3 ] && sleep $((attempt * 5))
  done
  echo "install-deps: some package indexes could not be fetched; going on with the others:" >&2
  grep -E '^(E|W): ' "$log" | sed 's/^/  /' >&2
}
# With one suite's index missing, the amd64 and i386 versions of a library may
# come from different suites and refuse to install together; the main suite alone
# has them in step. Fails naming the packages that cannot be installed at all.
install_packages() { # package...
  local log="$cache/apt-install.log" main_only="$cache/apt-main-only" bad=() p
  as_root apt-get "${apt_options[@]}" install -y -qq --no-install-recommends "$@" >"$log" 2>&1 && return 0
  mkdir -p "$main_only"
  mirror_entry=$(main_suite_entry)
  if [ -n "$mirror_entry" ]; then
    printf '%s\n' "$mirror_entry" >"$main_only/main.list"
    echo "install-deps: installing from the main suite alone" >&2
    as_root apt-get "${apt_options[@]}" -o Dir::Etc::sourcelist="$main_only/main.list" -o Dir::Etc::sourceparts=- \
      install -y -qq --no-install-recommends "$@" >>"$log" 2>&1 && return 0
  fi
  for p in "$@"; do
    apt-get "${apt_options[@]}" install -s -qq --no-install-recommends "$p" >/dev/null 2>&1 || bad+=("$p")
  done
  echo "install-deps: cannot install ${bad[*]:-the packages together}; apt said:" >&2
  grep -E '^(E|W): |^ ' "$log" | tail -n 20 | sed 's/^/  /' >&2
  exit 1
}
# The machine's first Debian archive (not security, not third-party).
debian_mirror() {
  { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null || true; } \
    | grep -E '^(URIs:|deb )' | grep -v security \
    | sed -E 's/^URIs:[[:space:]]*//; s/^deb[[:space:]]+(\[[^]]*\][[:space:]]+)?//; s/[[:space:]].*//' \
    | grep -E '/debian/?$' | head -n1
}
main_suite_entry() {
  local mirror
  mirror=$(debian_mirror)
  [ -n "$mirror" ] && echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main"
}
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  update_indexes
  install_packages "${missing[@]}"
fi

# ---- A private apt configuration for source packages ------------------------
# Built from the machine's own Debian mirror, with deb-src entries and backports,
# so the system's sources stay untouched.
aptdir="$cache/apt"
if [ ! -f "$aptdir/ready" ]; then
  mkdir -p "$aptdir/lists/partial" "$aptdir/archives/partial"
  mirror=$(debian_mirror)
  [ -n "$mirror" ] || { echo "install-deps: no Debian mirror configured in /etc/apt" >&2; exit 1; }
  cat > "$aptdir/sources.list" <<LIST
deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main
deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm-backports main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm-backports main
LIST
  touch "$aptdir/ready.pending"
fi
apt_private() {
  apt-get -o Dir::Etc::sourcelist="$aptdir/sources.list" -o Dir::Etc::sourceparts=- \
          -o Dir::State::Lists="$aptdir/lists" -o Dir::Cache::Archives="$aptdir/archives" \
          -o APT::Get::List-Cleanup=0 -o Debug::NoLocking=1 -o APT::Sandbox::User=root -qq "$@"
}
if [ -f "$aptdir/ready.pending" ]; then
  apt_private update
  mv "$aptdir/ready.pending" "$aptdir/ready"
fi

# Fetches the orig tarball of a source package into the cache (once).
fetch_source() { # package[/suite] glob
  local package=$1 glob=$2
  compgen -G "$cache/$glob" >/dev/null && return 0
  (cd "$cache" && apt_private source --download-only --tar-only "$package" >/dev/null 2>&1 \
     || apt_private source --download-only "$package" >/dev/null)
  compgen -G "$cache/$glob" >/dev/null || { echo "install-deps: could not fetch $package" >&2; exit 1; }
}
# Unpacks a tarball into work/NAME (once) and prints the tree.
unpack() { # tarball-glob name
  local tree="$work/$2"
  if [ ! -d "$tree" ]; then
    mkdir -p "$tree.tmp"
    tar -xf $(compgen -G "$cache/$1" | head -n1) -C "$tree.tmp" --strip-components=1
    mv "$tree.tmp" "$tree"
  fi
  echo "$tree"
}

# Builds one CMake project for one architecture into its prefix.
cross_cmake() { # arch src build extra-args...
  local arch=$1 src=$2 build=$3; shift 3
  logged "$build.log" cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps/prefix-$arch" -Wno-dev "$@"
  logged "$build.log" cmake --build "$build"
  logged "$build.log" cmake --install "$build"
}

for arch in i686 x86_64; do
  prefix="$deps/prefix-$arch"
  # ---- libjpeg-turbo (IJG API, static) -------------------------------------
  if [ ! -f "$prefix/lib/libjpeg.a" ]; then
    echo "install-deps: building libjpeg-turbo ($arch)"
    fetch_source libjpeg-turbo/bookworm 'libjpeg-turbo_*.orig.tar.*'
    src=$(unpack 'libjpeg-turbo_*.orig.tar.*' libjpeg-turbo)
    cross_cmake "$arch" "$src" "$work/libjpeg-turbo-$arch" -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF
  fi
  # ---- libpng (static, against the static mingw zlib) ----------------------
  if [ ! -f "$prefix/lib/libpng.a" ]; then
    echo "install-deps: building libpng ($arch)"
    fetch_source libpng1.6/bookworm 'libpng1.6_*.orig.tar.*'
    src=$(unpack 'libpng1.6_*.orig.tar.*' libpng)
    cross_cmake "$arch" "$src" "$work/libpng-$arch" -DPNG_SHARED=OFF -DPNG_TESTS=OFF \
        -DPNG_EXECUTABLES=OFF -DZLIB_USE_STATIC_LIBS=ON
  fi
done

# ---- sonic: speeds speech up inside eSpeak NG and slows it down below eSpeak's
# own floor in the speech library. One C file, built the same way for both
# architectures ------------------------------------------------------------------
for arch in i686 x86_64; do
  prefix="$deps/prefix-$arch"
  [ -f "$prefix/lib/libsonic.a" ] && [ -f "$prefix/include/sonic.h" ] && continue
  echo "install-deps: building sonic ($arch)"
  fetch_source sonic/bookworm 'sonic_*.orig.tar.*'
  src=$(unpack 'sonic_*.orig.tar.*' sonic)
  mkdir -p "$work/sonic-$arch" "$prefix/lib" "$prefix/include"
  "$arch-w64-mingw32-gcc-posix" -O2 -c "$src/sonic.c" -o "$work/sonic-$arch/sonic.o"
  rm -f "$prefix/lib/libsonic.a"
  "$arch-w64-mingw32-ar" rcs "$prefix/lib/libsonic.a" "$work/sonic-$arch/sonic.o"
  cp "$src/sonic.h" "$prefix/include/"
done

# ---- eSpeak NG 1.52: the built-in speech engine -----------------------------
# From bookworm-backports: bookworm's own 1.51 tarball is missing on the mirror and
# its Mandarin voice reads pinyin through English rules. Its CMake build clones
# sonic from the network, so the autotools build is used, in a copy of the tree per
# architecture (out-of-tree builds fail). It is built with sonic, and with UTF-8
# file names (speech/platform/espeak/library_build), so its data may lie in any
# folder. The stamp names how a library was built; another recipe rebuilds it.
names="$top/speech/platform/espeak/library_build"
espeak_recipe="1.52 sonic utf8-names $(cat "$names"/utf8_file_names.* | sha256sum | cut -c1-16)"
espeak_current() { [ -f "$1/lib/libespeak-ng.a" ] && [ "$(cat "$1/lib/libespeak-ng.recipe" 2>/dev/null)" = "$espeak_recipe" ]; }
espeak_lib_missing=0
for arch in i686 x86_64; do
  espeak_current "$deps/prefix-$arch" || espeak_lib_missing=1
done
if [ $espeak_lib_missing = 1 ]; then
  # The .dsc is missing on the mirror; only the orig tarball can be fetched.
  fetch_source espeak-ng/bookworm-backports 'espeak-ng_1.52*.orig.tar.*'
  src=$(unpack 'espeak-ng_1.52*.orig.tar.*' espeak-ng)
  for arch in i686 x86_64; do
    prefix="$deps/prefix-$arch"
    espeak_current "$prefix" && continue
    echo "install-deps: building eSpeak NG ($arch)"
    tree="$work/espeak-ng-$arch"
    rm -rf "$tree" && cp -a "$src" "$tree"
    (cd "$tree" && ./autogen.sh >/dev/null 2>&1 \
       && ./configure --host="$arch-w64-mingw32" --disable-shared --enable-static --without-async \
            --without-pcaudiolib --with-sonic --without-mbrola --without-speechplayer \
            CC="$arch-w64-mingw32-gcc-posix" CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" \
            CFLAGS="-O2 -include $names/utf8_file_names.h" >/dev/null \
       && grep -q '^#define HAVE_SONIC_H 1' config.h \
       && make -j2 src/libespeak-ng.la >/dev/null 2>&1 \
       && "$arch-w64-mingw32-gcc-posix" -O2 -c "$names/utf8_file_names.c" -o utf8_file_names.o \
       && "$arch-w64-mingw32-ar" rs src/.libs/libespeak-ng.a utf8_file_names.o >/dev/null) \
      || { echo "install-deps: eSpeak NG did not build ($arch)" >&2; exit 1; }
    # Every file name now goes through the UTF-8 functions: no ANSI call is left.
    if "$arch-w64-mingw32-nm" "$tree/src/.libs/libespeak-ng.a" 2>/dev/null \
         | grep -Eq ' U _{0,2}(imp_+)?_?(fopen|stat|_stat[0-9a-z]*|FindFirstFileA|FindNextFileA)(@[0-9]+)?$'; then
      echo "install-deps: eSpeak NG still opens files by ANSI names ($arch)" >&2
      exit 1
    fi
    mkdir -p "$prefix/lib" "$prefix/include/espeak-ng"
    cp "$tree/src/.libs/libespeak-ng.a" "$prefix/lib/"
    cp "$tree"/src/include/espeak-ng/*.h "$prefix/include/espeak-ng/"
    echo "$espeak_recipe" >"$prefix/lib/libespeak-ng.recipe"
  done
fi
# The same eSpeak NG built for this machine: the reference bench/speech_render.sh
# times the engine against (Debian 12's own espeak-ng is 1.51, which reads the 1.52
# data differently).
if [ ! -x "$deps/native/bin/espeak-ng" ]; then
  echo "install-deps: building eSpeak NG (native reference)"
  fetch_source espeak-ng/bookworm-backports 'espeak-ng_1.52*.orig.tar.*'
  src=$(unpack 'espeak-ng_1.52*.orig.tar.*' espeak-ng)
  tree="$work/espeak-ng-native"
  rm -rf "$tree" && cp -a "$src" "$tree"
  (cd "$tree" && ./autogen.sh >/dev/null 2>&1 \
     && ./configure --disable-shared --enable-static --without-async --without-pcaudiolib --without-sonic \
          --without-mbrola --without-speechplayer CFLAGS=-O2 >/dev/null \
     && make -j2 src/espeak-ng >/dev/null 2>&1) \
    || { echo "install-deps: the native eSpeak NG did not build" >&2; exit 1; }
  mkdir -p "$deps/native/bin"
  cp "$tree/src/espeak-ng" "$deps/native/bin/"
fi
# The compiled data: the amd64 package's files are the same for every Windows build.
# Only English and Mandarin are shipped (~2.4 MB of the package's ~25 MB).
espeak_data="$deps/espeak-ng-data"
if [ ! -f "$espeak_data/cmn_dict" ]; then
  echo "install-deps: extracting eSpeak NG data"
  compgen -G "$cache/espeak-ng-data_1.52*.deb" >/dev/null \
    || (cd "$cache" && apt_private download espeak-ng-data/bookworm-backports >/dev/null)
  rm -rf "$work/espeak-ng-data-deb" "$espeak_data.tmp"
  dpkg-deb -x $(compgen -G "$cache/espeak-ng-data_1.52*.deb" | head -n1) "$work/espeak-ng-data-deb"
  from=$(dirname "$(find "$work/espeak-ng-data-deb" -name phontab | head -n1)")
  mkdir -p "$espeak_data.tmp/lang/sit" "$espeak_data.tmp/lang/gmw"
  cp "$from"/{phontab,phonindex,phondata,intonations,en_dict,cmn_dict} "$espeak_data.tmp/"
  cp "$from"/lang/sit/cmn* "$espeak_data.tmp/lang/sit/"
  cp "$from"/lang/gmw/en* "$espeak_data.tmp/lang/gmw/"
  rm -rf "$espeak_data" && mv "$espeak_data.tmp" "$espeak_data"
fi

# ---- Locales of our own: under zh_CN.UTF-8 Wine's ANSI code page is 936, as on a
# Chinese Windows; en_US.UTF-8 (code page 1252) is the English system the reader is
# also tested on. The machine's locales are not touched ------------------------------
# (glibc looks a folder up under its normalised name, zh_CN.utf8.)
for locale in zh_CN en_US; do
  if [ ! -d "$deps/locale/$locale.utf8" ]; then
    mkdir -p "$deps/locale"
    localedef -i $locale -f UTF-8 "$deps/locale/$locale.utf8" 2>/dev/null || [ -d "$deps/locale/$locale.utf8" ]
  fi
done

echo "install-deps: ready"
