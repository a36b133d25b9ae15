"""The soak's report (see run.sh): per edition, the probe's presses against the actions played, the drift of
the last press, and the growth of the process's resources between its two samples.

    report.py <output folder>
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "timing"))
from report import presses  # noqa: E402


def samples(path):
    try:
        lines = [dict(f.split("=", 1) for f in line.split() if "=" in f) for line in open(path) if line.strip()]
    except OSError:
        return []
    return lines


def growth(before, after, key):
    try:
        return int(after[key]) - int(before[key])
    except (KeyError, ValueError):
        return None


def main():
    out = sys.argv[1]
    clicks, runs, wait_ms = (int(v) for v in open(os.path.join(out, "plan.txt")).read().split())
    actions = clicks * runs
    results = []
    for edition, name in (("script", "迅点小侠4"), ("eventlist", "迅点小侠")):
        times = presses(os.path.join(out, f"{edition}.log"))
        drift = times[-1] - times[0] - (len(times) - 1) * wait_ms if len(times) > 1 else None
        taken = samples(os.path.join(out, f"{edition}-resources.txt"))
        before, after = (taken[0], taken[-1]) if len(taken) == 2 else ({}, {})
        memory_key = "private_kb" if before.get("private_kb", "n/a") != "n/a" else "rss_anon_kb"
        result = {"actions": actions, "received": len(times), "drift": drift,
                  "handles": growth(before, after, "handles"), "gdi": growth(before, after, "gdi"),
                  "user": growth(before, after, "user"), "memory": growth(before, after, memory_key)}
        results.append(result)
        print(f"{name}: {clicks} clicks × {runs} runs, {wait_ms} ms apart; memory as {memory_key}")
        for label, s in (("after the first run", before), ("in the last run", after)):
            print(f"  {label}: " + (" ".join(f"{k}={v}" for k, v in s.items()) if s else "no sample"))
        print(line(result))
    both = {"actions": sum(r["actions"] for r in results), "received": sum(r["received"] for r in results)}
    for key in ("handles", "gdi", "user", "memory", "drift"):
        known = [r[key] for r in results if r[key] is not None]
        # The larger growth, the drift farther from zero.
        both[key] = max(known, key=abs if key == "drift" else None) if len(known) == len(results) else None
    print(line(both))


def line(r):
    def signed(v):
        return "n/a" if v is None else f"{v:+d}"
    drift = "n/a" if r["drift"] is None else f"{r['drift']:.2f}"
    return (f"soak: actions={r['actions']} received={r['received']} handles={signed(r['handles'])} "
            f"gdi={signed(r['gdi'])} user={signed(r['user'])} memory={signed(r['memory'])} KB drift={drift} ms")


if __name__ == "__main__":
    main()
