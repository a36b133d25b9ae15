"""Compares the intervals between consecutive left presses the probe received with the schedule's waits.

The expected interval after a click is its wait: the next action comes that long after it. Presses on the
probe's child windows count too, on their border as well (xdotool clicks land on whatever is under the
point; the player posts to the top-level window). Presses are paired with the actions by time (matching.py):
an action without a press is lost, a press without an action extra, and an interval is measured only between
two consecutive actions that both have their press. Errors are received minus expected, in ms; median, p95,
p99, p99.9 and max are of their absolute values, over1ms and over3ms count the intervals off by more than 1
and 3 ms; drift is the last paired press's time minus the first's, minus the schedule's time between their
actions.

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

from matching import action_times, pair


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


# Per run, for the picture: name, stats, and per interval its first action, signed error and the cumulative
# drift at its end, in ms.
PLOTTED = []
# The keys of a run's figures, in the order of its line: the first five as they always were, then the later ones.
KEYS = ("median", "p95", "p99", "max", "drift", "p99.9", "over1ms", "over3ms", "lost", "extra")


def summary(name, times, expected):
    """The figures of one run: times are the presses received, expected the intervals between the actions."""
    actions = action_times(expected)
    pairing = pair(times, actions)
    paired = [i for i, j in enumerate(pairing.press_of) if j is not None]
    received = {i: times[pairing.press_of[i]] for i in paired}
    stats = dict.fromkeys(KEYS)
    stats.update(lost=len(pairing.lost), extra=len(pairing.extra))
    losses = ""
    if pairing.lost:
        shown = ", ".join(str(i + 1) for i in pairing.lost[:10]) + (", …" if len(pairing.lost) > 10 else "")
        losses = f" (action{'s' if len(pairing.lost) > 1 else ''} {shown})"
    counts = f"{len(times)} presses for {len(actions)} actions, {len(pairing.lost)} lost{losses}, " \
             f"{len(pairing.extra)} extra"
    steps = [i for i in paired[:-1] if i + 1 in received]
    if not steps:
        print(f"{name}: {counts}: no interval to measure")
        return stats
    errors = [(received[i + 1] - received[i]) - expected[i] for i in steps]
    first = paired[0]

    def drift_at(i):
        return (received[i] - received[first]) - (actions[i] - actions[first])

    absolute = sorted(abs(e) for e in errors)
    stats.update({
        "median": percentile(absolute, 0.5),
        "p95": percentile(absolute, 0.95),
        "p99": percentile(absolute, 0.99),
        "max": absolute[-1],
        "drift": drift_at(paired[-1]),
        "p99.9": percentile(absolute, 0.999),
        "over1ms": sum(1 for e in absolute if e > 1.0),
        "over3ms": sum(1 for e in absolute if e > 3.0),
    })
    PLOTTED.append((name, stats, steps, errors, [drift_at(i + 1) for i in steps], pairing.lost))
    late = sum(1 for e in errors if e > 0)
    print(f"{name}: {counts}, {len(errors)} intervals, {late} late / {len(errors) - late} early; signed error "
          f"min {min(errors):.2f} max {max(errors):.2f} ms; {fmt(stats)}")
    return stats


def fmt(stats):
    """A run's figures as the report's lines give them: key=value, n/a for what could not be measured."""
    def value(k):
        v = stats.get(k) if stats else None
        return "n/a" if v is None else str(v) if isinstance(v, int) else f"{v:.2f}"
    return " ".join(f"{k}={value(k)}" for k in KEYS)


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
    for row, (name, stats, steps, errors, drift, lost) in zip(axes, PLOTTED):
        x = [i + 1 for i in steps]
        row[0].plot(x, errors, ".", markersize=3)
        row[1].plot(x, drift, "-", linewidth=1.2)
        for ax in row:
            # Linear within ±1 ms, logarithmic beyond: sub-millisecond errors and xdotool's tens of ms both show.
            ax.set_yscale("symlog", linthresh=1)
            ax.yaxis.set_major_formatter(FuncFormatter(lambda v, _: f"{v:g}"))
            ax.axhline(0, color="grey", linewidth=0.6)
            ax.grid(True, which="major", alpha=0.3)
            for i in lost:
                ax.axvline(i + 1, color="red", linewidth=0.8, alpha=0.6)
        if lost:
            row[0].text(0.01, 0.88, f"{len(lost)} press{'es' if len(lost) > 1 else ''} lost (red)", color="red",
                        fontsize=8, transform=row[0].transAxes)
        row[0].set_ylabel(name, fontsize=9)
        row[0].set_title(f"median {stats['median']:.2f}  p99 {stats['p99']:.2f}  p99.9 {stats['p99.9']:.2f}  "
                         f"max {stats['max']:.2f} ms  >1 ms: {stats['over1ms']}  >3 ms: {stats['over3ms']}",
                         fontsize=8, loc="right")
        row[1].set_title(f"drift {stats['drift']:.2f} ms", fontsize=8, loc="right")
    axes[-1][0].set_xlabel("action")
    axes[-1][1].set_xlabel("action")
    # The columns are named here: above the first row they would run into its figures.
    fig.suptitle(f"Playback timing at the probe under Wine: {schedule_text}\nleft: interval error per action "
                 "(received − scheduled, ms); right: cumulative drift (ms)", fontsize=11)
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
        # Each action's press, as paired by time: a lost press must not shift the later ones.
        press_of = pair(received, action_times(expected)).press_of
        delivery = sorted(received[j] - p for (_, _, p), j in zip(stamps, press_of) if j is not None)
        for name, values in (("wake-up lateness", wake), ("delivery (received - posted)", delivery)):
            if values:
                print(f"pacer {name}: median {percentile(values, 0.5):.2f} p95 {percentile(values, 0.95):.2f} "
                      f"p99 {percentile(values, 0.99):.2f} max {values[-1]:.2f} ms")
    theirs = log("xdotool.log") and summary("xdotool", presses(log("xdotool.log")), expected)
    events = log("eventlist.log") and summary("迅点小侠", presses(log("eventlist.log")), expected)
    foreground = [(name, summary(f"{name} foreground", presses(log(f"foreground-{run}.log")), expected))
                  for name, run in (("迅点小侠4", "script"), ("迅点小侠", "eventlist"), ("pacer", "pacer"))
                  if log(f"foreground-{run}.log")]

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
