# Sourced by the scripts that show Voxlet on a display of their own and take its
# picture (packaging/screenshot.sh, tests/packaging/): a private Xvfb, waiting for
# a program's window, and a picture of that window.

# Starts Xvfb on a free display number and exports DISPLAY; xvfb_pid names it.
start_private_display() { # work-dir
  local file="$1/display"
  rm -f "$file"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$file" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
  [ -s "$file" ] || { echo "x11_window: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$file")"
}

stop_private_display() {
  [ -z "${xvfb_pid:-}" ] || kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
}

# Prints the id of the top-level window titled TITLE of the Windows program EXE
# (Wine names the X window's class after the exe) once it is shown; fails after
# SECONDS.
wait_for_window() { # exe title seconds
  local id
  for _ in $(seq $(($3 * 10))); do
    id=$(xwininfo -root -tree 2>/dev/null | awk -v want="\"$2\": (\"$1\"" 'index($0, want) {print $1; exit}')
    if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Waits until no window of EXE is left; fails after SECONDS.
wait_for_no_window() { # exe seconds
  for _ in $(seq $(($2 * 10))); do
    xwininfo -root -tree 2>/dev/null | grep -q "(\"$1\" " || return 0
    sleep 0.1
  done
  return 1
}

# Saves the picture of window ID, as it shows on the screen, to a PNG file.
window_shot() { # id file
  local geometry
  geometry=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                                       /Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h "+" x "+" y}')
  import -window root "$2.full.png"
  /usr/bin/convert "$2.full.png" -crop "$geometry" +repage "$2"
  rm -f "$2.full.png"
}
