# Installs the Debian packages named as arguments that are not installed yet.
# Sourced by the run and test commands.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake g++ make googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix fp-utils)
# orvane --server and its tests against a private smbd with real clients.
SAMBA_PACKAGES=(pkg-config samba samba-dev smbclient python3-samba iproute2)
# Without the fonts Wine draws the caption buttons as the letters "0 1 r";
# locales gives the Russian locale the demo and the page tour run in.
WINE_PACKAGES=(wine wine64 xvfb xauth imagemagick x11-utils xdotool fonts-wine
  fonts-liberation locales)

# The one sanitizer build (clang, address and undefined-behaviour
# sanitizers, -O1, every library also instrumented for libFuzzer): the
# native tests, the fuzz targets and the soak's runner. Needs clang.
SANITIZER_BUILD=build-san
configure_sanitizer_build() {
  CC=clang CXX=clang++ cmake -S . -B "$SANITIZER_BUILD" -DCMAKE_BUILD_TYPE= \
    -DCMAKE_C_FLAGS="-O1 -gline-tables-only" \
    -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
    -DORVANE_SANITIZE=ON -DORVANE_TEST_SET=unit >/dev/null
}

# Runs a command as a named step and prints how long it took.
step() {
  local name=$1 from=$SECONDS
  shift
  echo "== $name"
  "$@"
  echo "== $name: $((SECONDS - from)) s"
}
