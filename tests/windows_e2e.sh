#!/usr/bin/env bash
# Builds the Windows program with MinGW-w64 and runs the end-to-end suite
# against it under Wine: the same byte-for-byte checks as the Linux build,
# with the CR LF line ends of Windows text mode, and whole reports against
# the literal reference program.
# Needs the release build's test binary (cmake --workflow --preset test).
set -euo pipefail
cd "$(dirname "$0")/.."

wine=${WINE:-}
if [ -z "$wine" ]; then
  for candidate in wine64 /usr/lib/wine/wine64 wine; do
    if command -v "$candidate" >/dev/null; then
      wine=$(command -v "$candidate")
      break
    fi
  done
fi
if [ -z "$wine" ] || ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "windows_e2e.sh: Wine or the MinGW-w64 compiler is missing" >&2
  echo "windows_e2e.sh: apt-get install wine64 g++-mingw-w64-x86-64-posix" >&2
  exit 1
fi
wineserver=$(dirname "$wine")/wineserver
command -v "$wineserver" >/dev/null || wineserver=wineserver

cmake --workflow --preset windows
suites=(build/release/tests/skirmcast_e2e_tests build/release/tests/skirmcast_reference_tests)
for suite in "${suites[@]}"; do
  [ -x "$suite" ] || { echo "windows_e2e.sh: build the tests first (cmake --workflow --preset test)" >&2; exit 1; }
done

# A prefix of our own, and a server kept running so that each of the many
# short runs does not start Wine afresh.
export WINEPREFIX=$PWD/build/wineprefix
export WINEDEBUG=-all
mkdir -p "$WINEPREFIX"
"$wineserver" -k 2>/dev/null || true
"$wineserver" -p
trap '"$wineserver" -k || true' EXIT
# The first start fills the prefix and talks about it on stderr.
"$wine" build/windows/skirmcast.exe -h >/dev/null 2>&1 || true

export SKIRMCAST_EXE=build/windows/skirmcast.exe SKIRMCAST_WRAPPER=$wine SKIRMCAST_CRLF=1
for suite in "${suites[@]}"; do
  "$suite"
done
