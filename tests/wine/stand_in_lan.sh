# What the tests of Orvane.exe on the stand-in netapi32.dll share; sourced.
# The checks set failed=1 and say what is wrong.

# Skips unless both are built and Wine is ready, then copies the program
# and the DLL into WORK/app and goes there.
stand_in_app() {  # EXE DLL WORK
  wine_skip_unless_ready "$1"
  wine_skip_unless_ready "$2"
  mkdir -p "$3" && cd "$3" || exit 1
  rm -rf app && mkdir app && cp "$1" "$2" app/ && cd app || exit 1
}

# The file holds the text (shown cut, names may be huge).
expect() {  # FILE TEXT
  if ! grep -qF -- "$2" "$1" 2>/dev/null; then
    echo "missing in $1: ${2:0:80}"
    failed=1
  fi
}

# Puts the printf format's text in place of the fixture at once: the DLL
# reads the fixture at every call and must not meet it half written.
set_fixture() {  # FORMAT
  # shellcheck disable=SC2059
  printf "$1" >netapi_fixture.txt.new && mv netapi_fixture.txt.new netapi_fixture.txt
}

# Every buffer the DLL handed out was given back.
expect_buffers_freed() {
  local allocated freed
  allocated=$(grep -c '^NetApiBufferAllocate$' netapi_calls.log)
  freed=$(grep -c '^NetApiBufferFree$' netapi_calls.log)
  [ "$allocated" -eq "$freed" ] ||
    { echo "buffers: $allocated allocated, $freed freed"; failed=1; }
}
