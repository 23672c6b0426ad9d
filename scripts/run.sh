#!/usr/bin/env bash
# Sets up and builds, then starts the browser in run/, a folder holding its picture files and,
# once it has run, its settings and history. Extra arguments are addresses to open.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

mkdir -p run
cp -u assets/* run/
cd run

if ((EUID == 0)); then
    # The web engine's sandbox cannot run as root; only this launcher turns it off, never the
    # program itself.
    echo "Running as root: the web engine's sandbox is turned off for this run."
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found: starting the browser under Xvfb (a virtual screen, 1600x1000)."
    exec xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" ../build/orvelia "$@"
fi
exec ../build/orvelia "$@"
