#!/usr/bin/env bash
# Installs a build into a staging prefix and checks what lands there: the
# program, which runs, and the manual page, which renders without warnings.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage" >/dev/null
program=$stage/bin/skirmcast
page=$stage/share/man/man1/skirmcast.1
[ -x "$program" ] || { echo "not installed: bin/skirmcast"; exit 1; }
[ -f "$page" ] || { echo "not installed: share/man/man1/skirmcast.1"; exit 1; }
"$program" -h | head -n 1 | grep -q '^skirmcast' || { echo "the installed program does not run"; exit 1; }

if command -v groff >/dev/null; then
  warnings=$(groff -k -ww -man -Tutf8 -z "$page" 2>&1)
  [ -z "$warnings" ] || { echo "groff: $warnings"; exit 1; }
fi
if command -v mandoc >/dev/null; then
  mandoc -T lint "$page" || { echo "mandoc found faults in the page"; exit 1; }
fi
echo "installed and checked"
