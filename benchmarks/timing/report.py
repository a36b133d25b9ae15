"""Compares the intervals between consecutive left presses the probe received with the schedule's waits.

The expected interval after a click is its wait: the next action comes that long after it. Presses on the
probe's child windows count too, on their border as well (xdotool clicks land on whatever is under the
point; the player posts to the top-level window). Errors are received minus expected, in ms; median, p95, p99 and max are of their
absolute values; drift is the last press's time minus the first's, minus the sum of the expected intervals.

CPU is the share of one core a process used over its playback: the player's from two samples of its Wine
process (player-cpu.txt beside the playback log, written by cputime.py), split into its main thread (status
tick, overlays, editor) and the rest (mostly the runner), and the pacer's as it measured itself.

    report.py <output folder> [picture]

Reads the logs of the runs that took place (playback.log: 迅点小侠4 in the background; pacer-probe.log and
pacer.log; xdotool.log; eventlist.log: 迅点小侠 in the background; foreground-script.log and
foreground-eventlist.log; foreground-pacer.log, the pacer injecting) and, given a picture path, draws each run's interval error per action and its
cumulative drift with matplotlib (Debian's python3-matplotlib; skipped with a note when it is missing).
"""
import os
import sys


def presses(log_path):
    times = []
    with open(log_path, encoding="utf-8", errors="replace") as log:
        for line in log:
            f = line.split()
            if len(f) >= 4 and f[1].isdigit() and f[3] in ("WM_LBUTTONDOWN", "WM_NCLBUTTONDOWN", "WM_LBUTTONDBLCLK"):
                times.append(int(f[0]) / 1000.0)
    return times


def percentile(sorted_values, q):
    if not sorted_values:
        return float("nan")
    k = max(0, min(len(sorted_values) - 1, int(round(q * (len(sorted_values) - 1)))))
    return sorted_values[k]


# Per run, for the picture: name, signed interval errors and cumulative drift per action, in ms.
PLOTTED = []


def summary(name, times, expected):
    n = min(len(times) - 1, len(expected))
    if n < 1:
        print(f"{name}: only {len(times)} presses arrived")
        return None
    errors = [(times[i + 1] - times[i]) - expected[i] for i in range(n)]
    absolute = sorted(abs(e) for e in errors)
    drift = (times[n] - times[0]) - sum(expected[:n])
    stats = {
        "median": percentile(absolute, 0.5),
        "p95": percentile(absolute, 0.95),
        "p99": percentile(absolute, 0.99),
        "max": absolute[-1],
        "drift": drift,
    }
    PLOTTED.append((name, stats, errors, [(times[i + 1] - times[0]) - sum(expected[:i + 1]) for i in range(n)]))
    late = sum(1 for e in errors if e > 0)
    print(f"{name}: {len(times)} presses, {n} intervals, {late} late / {n - late} early; signed error "
          f"min {min(errors):.2f} max {max(errors):.2f}; " +
          " ".join(f"{k}={v:.2f}" for k, v in stats.items()) + " ms")
    return stats


def player_cpu(playback_log):
    """Per cent of one core between the first and last sample of player-cpu.txt: the process's and the main
    thread's, or None."""
    try:
        with open(os.path.join(os.path.dirname(playback_log), "player-cpu.txt")) as f:
            samples = [[int(v) for v in line.split()] for line in f if len(line.split()) == 3]
    except OSError:
        return None
    if len(samples) < 2 or samples[-1][0] <= samples[0][0]:
        return None
    wall = samples[-1][0] - samples[0][0]
    return tuple(100.0 * (samples[-1][k] - samples[0][k]) / wall for k in (1, 2))


def plot(path, schedule_text):
    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
        from matplotlib.ticker import FuncFormatter
    except ImportError:
        print(f"picture: skipped, no matplotlib in {sys.executable} (python3-matplotlib)")
        return
    if not PLOTTED:
        return
    plt.rcParams["font.sans-serif"] = ["WenQuanYi Micro Hei", "Noto Sans CJK SC", "DejaVu Sans"]
    rows = len(PLOTTED)
    fig, axes = plt.subplots(rows, 2, figsize=(13, 1.9 * rows + 1), sharex=True, sharey="col", squeeze=False)
    for row, (name, stats, errors, drift) in zip(axes, PLOTTED):
        x = range(1, len(errors) + 1)
        row[0].plot(x, errors, ".", markersize=3)
        row[1].plot(x, drift, "-", linewidth=1.2)
        for ax in row:
            # Linear within ±1 ms, logarithmic beyond: sub-millisecond errors and xdotool's tens of ms both show.
            ax.set_yscale("symlog", linthresh=1)
            ax.yaxis.set_major_formatter(FuncFormatter(lambda v, _: f"{v:g}"))
            ax.axhline(0, color="grey", linewidth=0.6)
            ax.grid(True, which="major", alpha=0.3)
        row[0].set_ylabel(name, fontsize=9)
        row[0].set_title(f"median {stats['median']:.2f}  p99 {stats['p99']:.2f}  max {stats['max']:.2f} ms",
                         fontsize=8, loc="right")
        row[1].set_title(f"drift {stats['drift']:.2f} ms", fontsize=8, loc="right")
    axes[0][0].set_title("interval error per action (received − scheduled, ms)", fontsize=10, loc="left")
    axes[0][1].set_title("cumulative drift (ms)", fontsize=10, loc="left")
    axes[-1][0].set_xlabel("action")
    axes[-1][1].set_xlabel("action")
    fig.suptitle(f"Playback timing at the probe under Wine: {schedule_text}", fontsize=11)
    fig.tight_layout()
    fig.savefig(path, dpi=90)
    print(f"picture: {path}")


def main():
    out = sys.argv[1]
    picture = sys.argv[2] if len(sys.argv) > 2 else None

    def log(name):
        path = os.path.join(out, name)
        return path if os.path.exists(path) else None

    waits = [int(line.split()[2]) for line in open(os.path.join(out, "schedule.txt")) if line.strip()]
    expected = waits[:-1]
    schedule_text = (f"{len(waits)} clicks, waits {min(waits)}-{max(waits)} ms, "
                     f"mean {sum(waits) / len(waits):.0f} ms, {sum(waits) / 1000:.1f} s in all")
    print(f"schedule: {schedule_text}")
    playback_log = log("playback.log")
    ours = playback_log and summary("迅点小侠4", presses(playback_log), expected)
    pacer_cpu = []
    if log("pacer.log"):
        pacer_probe_log, pacer_log = log("pacer-probe.log"), log("pacer.log")
        received = presses(pacer_probe_log)
        summary("pacer (clock alone)", received, expected)
        lines = [line.split() for line in open(pacer_log) if line.strip()]
        stamps = [[int(v) / 1000.0 for v in f] for f in lines if len(f) == 3 and f[0] != "cpu"]
        pacer_cpu = [100.0 * int(f[1]) / int(f[2]) for f in lines if f[0] == "cpu" and int(f[2]) > 0]
        wake = sorted(w - d for d, w, _ in stamps)
        delivery = sorted(r - p for (_, _, p), r in zip(stamps, received))
        for name, values in (("wake-up lateness", wake), ("delivery (received - posted)", delivery)):
            if values:
                print(f"pacer {name}: median {percentile(values, 0.5):.2f} p95 {percentile(values, 0.95):.2f} "
                      f"p99 {percentile(values, 0.99):.2f} max {values[-1]:.2f} ms")
    theirs = log("xdotool.log") and summary("xdotool", presses(log("xdotool.log")), expected)
    events = log("eventlist.log") and summary("迅点小侠", presses(log("eventlist.log")), expected)
    foreground = [(name, summary(f"{name} foreground", presses(log(f"foreground-{run}.log")), expected))
                  for name, run in (("迅点小侠4", "script"), ("迅点小侠", "eventlist"), ("pacer", "pacer"))
                  if log(f"foreground-{run}.log")]

    def fmt(s):
        if not s:
            return "median=n/a p95=n/a p99=n/a max=n/a drift=n/a"
        return " ".join(f"{k}={s[k]:.2f}" for k in ("median", "p95", "p99", "max", "drift"))

    def percent(v):
        return "n/a" if v is None else f"{v:.1f}%"

    if picture:
        plot(picture, schedule_text)
    if playback_log or pacer_cpu:
        player = playback_log and player_cpu(playback_log)
        split = ""
        if player:
            split = f" (main thread {percent(player[1])}, runner and others {percent(player[0] - player[1])})"
        print(f"cpu: player={percent(player[0] if player else None)}{split} "
              f"pacer={percent(pacer_cpu[0] if pacer_cpu else None)} (of one core over the playback)")
    if log("eventlist.log"):
        print(f"eventlist timing: {fmt(events)}")
    for name, stats in foreground:
        print(f"foreground: {name} {fmt(stats)}")
    if playback_log or log("xdotool.log"):
        print(f"timing: {fmt(ours)} | xdotool: {fmt(theirs)}")


if __name__ == "__main__":
    main()
