# Shared by the project's scripts: paths, a shared Xvfb, and what this machine can run.

QUELVAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

say() { printf '[%s] %s\n' "$(basename "$0")" "$*"; }
die() {
  printf '[%s] error: %s\n' "$(basename "$0")" "$*" >&2
  exit 1
}

run_setup() {
  if [ "$(id -u)" = 0 ]; then
    bash "$QUELVAR_ROOT/scripts/setup"
  else
    sudo bash "$QUELVAR_ROOT/scripts/setup"
  fi
}

# True when this kernel runs 32-bit x86 code (some virtual machines switch it off), so that the
# i686 build itself can run under Wine.
can_run_32bit() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Starts a private Xvfb unless a usable display is set; sets DISPLAY and XVFB_PID.
XVFB_PID=
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  local n
  for n in $(seq 20 60); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local _
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  die "could not start Xvfb"
}

stop_display() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# Builds a preset; the full output goes to build/<preset>.log, warnings and errors to the screen.
configure_and_build() {
  local preset=$1 log="$QUELVAR_ROOT/build/$preset.log"
  mkdir -p "$QUELVAR_ROOT/build"
  say "building $preset (log: build/$preset.log)"
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset"; } >"$log" 2>&1; then
    grep -E "error|warning" "$log" | head -n 40 >&2
    tail -n 20 "$log" >&2
    die "build of $preset failed"
  fi
  grep -E "warning:" "$log" | head -n 20 || true
}
