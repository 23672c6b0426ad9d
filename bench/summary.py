#!/usr/bin/env python3
"""Print the start-up figures of one sitting as a Markdown table.

    python3 summary.py RESULTS_DIR

RESULTS_DIR holds the NAME.json files the measuring harness wrote. A file named
NAME-10tabs.json (a multi-tab-only run) is shown in the row of NAME, so each
program gets one row: its 1-tab start-up and its 10-tab memory side by side.
Exits 1 if any run failed.
"""
import glob
import json
import os
import sys

TABS_SUFFIX = "-10tabs"
# Our own rows first, then the floor, then whatever else was measured.
FIRST = [
    "orvelia", "orvelia-opengl", "orvelia-software",
    "bare-qwebengineview-software", "bare-qwebengineview",
]


def spread(d, fmt="{:.0f}"):
    """'median (min-max)' of a harness summary entry, or 'n/a'."""
    if not d:
        return "n/a"
    if d["n"] == 1:
        return fmt.format(d["median"])
    return f"{fmt.format(d['median'])} ({fmt.format(d['min'])}-{fmt.format(d['max'])})"


def median(d, fmt="{:.0f}"):
    return "n/a" if not d else fmt.format(d["median"])


def load_results(folder):
    rows = {}
    for path in sorted(glob.glob(os.path.join(folder, "*.json"))):
        with open(path) as f:
            result = json.load(f)
        name = result["name"]
        key = name[: -len(TABS_SUFFIX)] if name.endswith(TABS_SUFFIX) else name
        row = rows.setdefault(key, {"one": None, "tabs": None, "failed": []})
        summary = result["summary"]
        if summary.get("load_ms"):
            row["one"] = summary
        if summary.get("tabs_pss_mib") or summary.get("tabs_loaded"):
            row["tabs"] = summary
        row["failed"] += summary.get("failed_runs", [])
    return rows


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    rows = load_results(sys.argv[1])
    order = [n for n in FIRST if n in rows] + sorted(n for n in rows if n not in FIRST)
    print("| program | start→load ms median (min-max) | PSS 1 tab MiB (RSS) "
          "| PSS 10 tabs MiB median (min-max) | 10-tab load ms | idle CPU % of 1 core "
          "| failed runs |")
    print("|---|---|---|---|---|---|---|")
    for name in order:
        row = rows[name]
        one, tabs = row["one"] or {}, row["tabs"] or {}
        pss = "n/a" if not one.get("pss_mib") else \
            f"{median(one['pss_mib'])} ({median(one.get('rss_mib'))})"
        print(f"| {name} | {spread(one.get('load_ms'))} | {pss} "
              f"| {spread(tabs.get('tabs_pss_mib'))} | {median(tabs.get('tabs_load_ms'))} "
              f"| {median(one.get('idle_cpu_pct'), '{:.1f}')} "
              f"| {' '.join(row['failed']) or 'none'} |")
    return 1 if any(row["failed"] for row in rows.values()) else 0


if __name__ == "__main__":
    sys.exit(main())
