#!/usr/bin/env bash
# Start-up benchmark: how long the browser takes from process start to a loaded page, how much
# memory its process tree holds with 1 and 10 tabs, and how much CPU it burns while idle. The
# same work is measured for a bare web view program (the floor) and, when they are installed,
# for peer browsers, all in one sitting. See bench/README.md.
#
# Usage: bash bench/startup.sh [--peers | --no-peers] [--runs N] [--tab-runs N] [--no-build]
#                               [--wait-quiet SECONDS]
#   --peers       install the peer browsers with apt-get if missing, and measure them
#   --no-peers    skip the peer browsers even where they are installed
#   --runs N      timed 1-tab runs per program (the harness's default otherwise)
#   --tab-runs N  10-tab runs per program (the harness's default otherwise)
#   --no-build    measure what is already built in $BUILD
#   --wait-quiet SECONDS  before each program, wait up to SECONDS for the machine to be quiet:
#                 no other Qt WebEngine process and a 1-minute load average below 1
# Environment: BUILD (build folder, default build/), HARNESS (the measuring harness, default
# ../shared/bench-peers beside the repository), BENCH_OPTS (extra options for every harness call),
# DISPLAY (an X server to use; without it an Xvfb of 1600x1000x24 is started and stopped here).
# Results: bench/results/harness/results/*.json, logs beside them, the table in
# bench/results/summary.md. Exits 1 if any run failed.
set -uo pipefail

SELF=$(realpath "$0")
ROOT=$(cd "$(dirname "$SELF")/.." && pwd) || exit 1
cd "$ROOT" || exit 1
BUILD=$(realpath -m "${BUILD:-build}")
HARNESS=$(realpath -m "${HARNESS:-$ROOT/../shared/bench-peers}")
RESULTS=$ROOT/bench/results
WORK=$RESULTS/harness
PEER_PACKAGES=(falkon qutebrowser epiphany-browser surf)
PEER_COMMANDS=(falkon qutebrowser epiphany surf) # the names run_peers.sh knows them by

peers=auto
build=yes
quiet_wait=0
run_opts=()
while (($#)); do
    case $1 in
    --peers) peers=install ;;
    --no-peers) peers=no ;;
    --runs) run_opts+=(--runs "$2"); shift ;;
    --tab-runs) run_opts+=(--tab-runs "$2"); shift ;;
    --no-build) build=no ;;
    --wait-quiet) quiet_wait=$2; shift ;;
    -h | --help) sed -n '2,21p' "$SELF" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "unknown option: $1 (see --help)" >&2; exit 2 ;;
    esac
    shift
done
# shellcheck disable=SC2206 # BENCH_OPTS is a list of options, split on purpose
run_opts+=(${BENCH_OPTS:-})

apt_install() {
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$@"
}

# --- What the harness needs ------------------------------------------------------------------
missing=()
for pair in Xvfb:xvfb xauth:xauth dbus-daemon:dbus ip:iproute2 unshare:util-linux python3:python3; do
    command -v "${pair%%:*}" >/dev/null || missing+=("${pair#*:}")
done
if ((${#missing[@]})); then
    echo "Installing what the harness needs: ${missing[*]}"
    apt_install "${missing[@]}" || { echo "could not install ${missing[*]}" >&2; exit 1; }
fi
if [[ ! -f $HARNESS/bench.py ]]; then
    echo "no measuring harness at $HARNESS (set HARNESS)" >&2
    exit 1
fi

# --- Build -------------------------------------------------------------------------------------
if [[ $build == yes ]]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja >/dev/null || exit 1
    cmake --build "$BUILD" --target orvelia bench_bare_view || exit 1
fi
BROWSER=$BUILD/orvelia
BARE=$BUILD/bench/bench_bare_view
for exe in "$BROWSER" "$BARE"; do
    [[ -x $exe ]] || { echo "not built: $exe" >&2; exit 1; }
done

# --- A fresh copy of the harness: every sitting starts without earlier results ----------------
rm -rf "$WORK"
mkdir -p "$RESULTS"
cp -r "$HARNESS" "$WORK"
chmod -R u+w "$WORK"
rm -rf "$WORK/results"
python3 "$WORK/make_page.py" || exit 1

# --- Display -----------------------------------------------------------------------------------
XVFB_PID=
cleanup() {
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    rm -f "${DISPLAY_FILE:-}"
}
trap cleanup EXIT
if [[ -z ${DISPLAY:-} ]]; then
    DISPLAY_FILE=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$DISPLAY_FILE" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do [[ -s $DISPLAY_FILE ]] && break; sleep 0.2; done
    [[ -s $DISPLAY_FILE ]] || { echo "Xvfb did not start" >&2; exit 1; }
    DISPLAY=:$(cat "$DISPLAY_FILE")
    export DISPLAY
fi

# --- Peers to measure ------------------------------------------------------------------------
peer_list=()
if [[ $peers == install ]]; then
    absent=()
    for i in "${!PEER_PACKAGES[@]}"; do
        command -v "${PEER_COMMANDS[$i]}" >/dev/null || absent+=("${PEER_PACKAGES[$i]}")
    done
    if ((${#absent[@]})); then
        echo "Installing peer browsers: ${absent[*]}"
        apt_install "${absent[@]}" || echo "could not install every peer; measuring those present"
    fi
fi
if [[ $peers != no ]]; then
    for peer in "${PEER_COMMANDS[@]}"; do
        command -v "$peer" >/dev/null && peer_list+=("$peer")
    done
fi

load_average() { cut -d' ' -f1-3 /proc/loadavg; }
# shellcheck source=/dev/null
machine="$(nproc) cores, $(. /etc/os-release && echo "$PRETTY_NAME"), Qt WebEngine \
$(dpkg-query -W -f='${Version}' libqt6webenginecore6 2>/dev/null || echo '?'), \
display $DISPLAY$([[ -n $XVFB_PID ]] && echo ' (Xvfb 1600x1000x24)')"
started=$(date -u '+%Y-%m-%d %H:%M UTC')
load_before=$(load_average)
echo "Start-up benchmark, $started; $machine; load average $load_before"

# --- Runs --------------------------------------------------------------------------------------
# PSS shares a library's pages among every process mapping it: another program running the same
# engine library (a test suite, a second browser) makes ours read tens of MiB lower, and a busy
# CPU makes every start slower. Between our runs no engine process of ours is left, so any found
# belongs to someone else.
foreign_engines() { pgrep -c -x QtWebEngineProc || true; }
busy() { (($(foreign_engines) > 0)) || awk '{ exit !($1 >= 1.0) }' /proc/loadavg; }
disturbed=()
failed=()
wait_quiet() { # NAME: waits as --wait-quiet asks, then notes how busy the machine is
    local waited=0
    while busy && ((waited < quiet_wait)); do
        sleep 5
        waited=$((waited + 5))
    done
    echo "== $1 (load average $(load_average), other engine processes $(foreign_engines))"
    (($(foreign_engines) > 0)) && disturbed+=("$1")
}
measure() { # NAME, then harness options and command
    local name=$1
    shift
    wait_quiet "$name"
    python3 "$WORK/bench.py" --name "$name" "${run_opts[@]}" "$@" || failed+=("$name")
}
sandbox_off=(--env QTWEBENGINE_DISABLE_SANDBOX=1) # the engine's sandbox cannot run as root
# The browser reads its pictures from, and writes its settings and history into, its working
# folder: each run starts in its own fresh folder holding the picture files, like a first start.
# shellcheck disable=SC2016 # the inner shell expands $1 and $@
in_fresh_folder=(--pre "cp $(printf '%q' "$ROOT/assets")/* {profile}/"
    -- sh -c 'cd "$1" && shift && exec "$@"' orvelia '{profile}' "$BROWSER" '{urls}')
ten_tabs=(--runs 0 --warmup 0 --tabs 10) # memory and load time of 10 tabs, no 1-tab runs

# The browser composes pages with Qt Quick's software renderer unless the environment picks a
# scene graph backend; the -opengl runs pick OpenGL (Mesa llvmpipe without a GPU), the way Qt
# does by default, which the bare program shows too.
opengl=(--env QSG_RHI_BACKEND=opengl)
software=(--env QT_QUICK_BACKEND=software)
measure orvelia "${sandbox_off[@]}" --tabs 0 "${in_fresh_folder[@]}"
measure orvelia-10tabs "${sandbox_off[@]}" "${ten_tabs[@]}" "${in_fresh_folder[@]}"
measure orvelia-opengl "${sandbox_off[@]}" "${opengl[@]}" --tabs 0 "${in_fresh_folder[@]}"
measure orvelia-opengl-10tabs "${sandbox_off[@]}" "${opengl[@]}" "${ten_tabs[@]}" \
    "${in_fresh_folder[@]}"
measure bare-qwebengineview "${sandbox_off[@]}" --tabs 0 -- "$BARE" '{url}'
measure bare-qwebengineview-software "${sandbox_off[@]}" "${software[@]}" --tabs 0 -- "$BARE" '{url}'

if ((${#peer_list[@]})); then
    wait_quiet "peers: ${peer_list[*]}"
    # run_peers.sh knows how each peer opens tabs and keeps its profile; it uses our display
    # and ends with the harness's own table, of which the summary below is the merged form.
    BENCH_OPTS="${run_opts[*]}" sh "$WORK/run_peers.sh" "${peer_list[@]}"
    for peer in "${peer_list[@]}"; do
        [[ -f $WORK/results/$peer.json ]] || failed+=("$peer")
    done
else
    echo "== no peer browsers measured (--peers installs them)"
fi

# --- Summary -----------------------------------------------------------------------------------
if ! {
    echo "Start-up benchmark, $started; $machine."
    echo "Load average before: $load_before; after: $(load_average)."
    if ((${#disturbed[@]})); then
        echo "Other Qt WebEngine processes were running at the start of: ${disturbed[*]}" \
            "(their PSS reads low)."
    fi
    echo
    python3 "$ROOT/bench/summary.py" "$WORK/results"
} | tee "$RESULTS/summary.md"; then
    failed+=("(see the table)")
fi
echo "Raw results: $WORK/results/ (logs of each run in logs/); table: $RESULTS/summary.md"
if ((${#failed[@]})); then
    echo "Runs failed for: ${failed[*]} (see the logs)" >&2
    exit 1
fi
