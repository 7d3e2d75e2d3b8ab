# Helpers for running Orvane.exe under Wine on a virtual X display.
# Sourced by scripts/run and the Wine tests (bash).

# Says which of the programs a Wine run on a virtual display needs is
# missing; false when all are there.
wine_tools_missing() {
  local tool
  for tool in wine wineserver Xvfb xwininfo; do
    if ! command -v "$tool" >/dev/null; then
      echo "$tool is not installed"
      return 0
    fi
  done
  return 1
}

# Exits 77 (the test runner's "skipped") when the Wine tools or the Windows
# program EXE are missing.
wine_skip_unless_ready() {
  if wine_tools_missing; then
    exit 77
  fi
  if ! [ -f "$1" ]; then
    echo "no Windows build at $1"
    exit 77
  fi
}

# A Wine prefix of our own in DIR; no Mono or Gecko prompts, no debug noise.
# A new one is a copy of a template prefix, made once per Wine version (a
# minute) in the cache, under a lock so that tests running side by side
# make it once. The X display must be set before the prefix's first wine
# command: a wine server that started without one refuses every window
# until it is killed.
wine_use_prefix() {
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$1/system.reg" ]; then
    local template
    template="${XDG_CACHE_HOME:-$HOME/.cache}/orvane/wineprefix-$(wine --version 2>/dev/null | tr -c 'a-zA-Z0-9.\n-' _)"
    mkdir -p "$(dirname "$template")"
    (
      flock 9
      if [ ! -f "$template/system.reg" ]; then
        echo "Creating the template Wine prefix $template (takes a minute)"
        rm -rf "$template.new" && mkdir -p "$template.new"
        WINEPREFIX="$template.new" wineboot -i >/dev/null 2>&1
        WINEPREFIX="$template.new" wineserver -w
        mv "$template.new" "$template"
      fi
    ) 9>"$template.lock"
    rm -rf "$1" && mkdir -p "$(dirname "$1")" && cp -a "$template" "$1"
  fi
  export WINEPREFIX="$1"
  # Wine looks for its own fonts (Marlett draws the caption buttons) only
  # in the prefix's Fonts folder, where Debian's fonts-wine does not put
  # them.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts" && cp /usr/share/wine/fonts/* "$fonts/"
  fi
}

# The stand-in netapi32.dll beside the program instead of Wine's own, which
# reports nothing and ends the process on several calls. After
# wine_use_prefix.
wine_use_stand_in_netapi() {
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;netapi32=n"
}

# Wine takes the user's locale from LANG: a Russian one, generated where
# the system lacks it, so times, dates and numbers appear as a Russian
# administrator sees them. False when it cannot be had.
wine_russian_locale() {
  if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 2>/dev/null || return 1
  fi
  export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
}

# Wine draws the window frames itself: no window manager runs on a virtual
# display, and without frames the screenshot shows no caption.
wine_draw_frames() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >/dev/null 2>&1
}

# Starts Xvfb on a display it picks itself (so parallel runs never share
# one) and exports DISPLAY; XVFB_PID holds its process id.
xvfb_start() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp \
    >"$number_file" 2>/dev/null &
  XVFB_PID=$!
  local tries=0
  while [ ! -s "$number_file" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  export DISPLAY=":$(head -n 1 "$number_file")"
  rm -f "$number_file"
}

xvfb_stop() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# Waits up to SECONDS for a top-level window with exactly that title, while
# the process PID runs.
wait_for_window() {
  local title=$1 seconds=$2 pid=$3 waited=0
  while [ "$waited" -lt "$seconds" ] && kill -0 "$pid" 2>/dev/null; do
    xwininfo -root -tree 2>/dev/null | grep -q "\"$title\": (" && return 0
    sleep 1
    waited=$((waited + 1))
  done
  return 1
}

# Waits up to 30 seconds for FILE to be written (not empty), while the
# process PID runs.
wait_for_file() {
  local file=$1 pid=$2 waited=0
  while [ ! -s "$file" ] && [ $waited -lt 120 ]; do
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.25
    waited=$((waited + 1))
  done
  [ -s "$file" ]
}

# The screen position "X Y" of the top-level window with exactly that title.
window_origin() {
  xwininfo -name "$1" | awk '/Absolute upper-left X/ {x = $4}
    /Absolute upper-left Y/ {y = $4} END {print x, y}'
}

# The whole screen as a PNG (ImageMagick's import, not a stand-in convert).
screenshot() {
  /usr/bin/import -window root "$1"
}

# Ends every program of the prefix.
wine_stop() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
}
