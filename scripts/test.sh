#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
#   win     32-bit Windows, the product: its tests run under Wine where this machine
#           can execute 32-bit code; elsewhere they are built and only the checks
#           that run on the build machine itself (the exe's imports) are run
#   win64   the same sources for 64-bit Windows, all tests under 64-bit Wine
#   native  the pure modules on Linux under AddressSanitizer and UBSan
# then builds the packages (scripts/package.sh) and tries them
# (tests/packaging/packages_check.sh says which parts it skips and why).
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || exit 1

status=0
configure_and_build() { # preset extra-cmake-args...
  local preset=$1; shift
  cmake --preset "$preset" "$@" >/dev/null && cmake --build --preset "$preset"
}

scripts/can-run-32bit ||
  echo "test: this machine cannot execute 32-bit code; the 32-bit build is checked, its tests run as 64-bit"
configure_and_build win && ctest --preset win || status=1
configure_and_build win64 && ctest --preset win64 || status=1
configure_and_build native && ctest --preset native || status=1
# The zip, the installer and the Debian package, built and tried as users meet them.
tests/packaging/packages_check.sh || status=1
exit $status
