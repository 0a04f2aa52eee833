#!/usr/bin/env bash
# installer_check.sh SETUP_EXE VERSION WORK
# The Windows installer under Wine, in a fresh prefix with a home and a display of
# its own: /S installs for all users under Program Files, with a Start-menu
# shortcut and an uninstaller registered in Programs and Features; the shortcut
# starts the installed reader (its picture: WORK/installed-reader.png); the
# uninstaller with /S removes every installed file and its registry entries.
set -euo pipefail
setup=$1 version=$2 work=$3
top=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../packaging/x11_window.sh
. "$top/packaging/x11_window.sh"
wine_run=$top/scripts/wine-run

rm -rf "$work"
mkdir -p "$work/home"
export VOXLET_WINEPREFIX=$work/prefix HOME=$work/home
unset XDG_DATA_HOME XDG_CONFIG_HOME
cleanup() {
  [ ! -d "$VOXLET_WINEPREFIX" ] || WINEPREFIX=$VOXLET_WINEPREFIX wineserver -k 2>/dev/null || true
  stop_private_display
  rm -rf "$VOXLET_WINEPREFIX" "$HOME"
}
trap cleanup EXIT
start_private_display "$work"
export VOXLET_DISPLAY=$DISPLAY
fail() { echo "installer_check: $*"; exit 1; }

# The prefix is made here; Wine's menu builder is turned off in it, so that the
# shortcut adds no Wine bookkeeping of its own to the registry.
"$wine_run" reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d "" /f >/dev/null
drive=$VOXLET_WINEPREFIX/drive_c
folder="$drive/Program Files (x86)/Voxlet"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Voxlet.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Voxlet'
# Every file and folder of the drive but the temporary ones, where the uninstaller
# runs from a copy of itself that Windows deletes at the next start.
drive_files() { (cd "$drive" && find . ! -path './users/*/Temp*' ! -path './windows/temp*' | LC_ALL=C sort); }
drive_files >"$work/files-before"

start=$(date +%s%N)
"$wine_run" "$setup" /S || fail "the installer ended with status $?"
echo "installer_check: installed in $((($(date +%s%N) - start) / 1000000)) ms"
for file in voxlet.exe voxlet-say.exe LICENSE README.txt uninstall.exe espeak-ng-data/cmn_dict espeak-ng-data/en_dict; do
  [ -f "$folder/$file" ] || fail "Program Files (x86)/Voxlet/$file is missing"
done
[ -f "$shortcut" ] || fail "the Start-menu shortcut is missing"
# A 32-bit installer writes to the 32-bit view of the registry.
key=$("$wine_run" reg query "$uninstall_key" /reg:32 | tr -d '\r') || fail "no uninstaller is registered"
for value in "DisplayName +REG_SZ +Voxlet$" "DisplayVersion +REG_SZ +$version$" \
             "UninstallString +REG_SZ +\"C:.Program Files \(x86\).Voxlet.uninstall.exe\"$" \
             "QuietUninstallString +REG_SZ +.*uninstall.exe\" /S$" "DisplayIcon +REG_SZ +.*voxlet.exe,0$"; do
  grep -Eq "^ +$value" <<<"$key" || fail "the uninstaller's registration lacks $value: $key"
done

# The shortcut, opened as Explorer opens it, starts the installed reader.
"$wine_run" start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Voxlet.lnk'
window=$(wait_for_window voxlet.exe Voxlet 30) || fail "the shortcut showed no reader window"
reader=$(pgrep -f -x 'C:\\Program Files \(x86\)\\Voxlet\\voxlet\.exe' | while read -r pid; do
  grep -qzFx "WINEPREFIX=$VOXLET_WINEPREFIX" "/proc/$pid/environ" && echo "$pid"; done)
[ -n "$reader" ] || fail "the reader that shows is not the installed one"
sleep 1  # its first painting
window_shot "$window" "$work/installed-reader.png"
echo "installer_check: the installed reader, started by its shortcut: $work/installed-reader.png"
"$wine_run" taskkill /IM voxlet.exe >/dev/null
wait_for_no_window voxlet.exe 10 || fail "the reader did not close"

"$wine_run" 'C:\Program Files (x86)\Voxlet\uninstall.exe' /S || fail "the uninstaller ended with status $?"
# The uninstaller works on from its temporary copy.
for _ in $(seq 300); do [ -e "$folder" ] || break; sleep 0.1; done
[ ! -e "$folder" ] || fail "Program Files (x86)/Voxlet is still there: $(ls "$folder")"
drive_files >"$work/files-after"
left=$(diff "$work/files-before" "$work/files-after") || fail "the uninstall left files behind: $left"
# The registry reaches its files when the prefix's server ends.
WINEPREFIX=$VOXLET_WINEPREFIX wineserver -k 2>/dev/null || true
WINEPREFIX=$VOXLET_WINEPREFIX wineserver -w
entries=$(grep -i -n voxlet "$VOXLET_WINEPREFIX"/*.reg) && fail "the registry still names Voxlet: $entries"
echo "installer_check: the uninstaller removed every file and registry entry"
