"""Compares the intervals between consecutive left presses the probe received with the schedule's waits.

The expected interval after a click is its wait: the next action comes that long after it. Presses on the
probe's child windows count too, on their border as well (xdotool clicks land on whatever is under the
point; the player posts to the top-level window). Errors are received minus expected, in ms; median, p95, p99 and max are of their
absolute values; drift is the last press's time minus the first's, minus the sum of the expected intervals.

CPU is the share of one core a process used over its playback: the player's from two samples of its Wine
process (player-cpu.txt beside the playback log, written by cputime.py), split into its main thread (status
tick, overlays, editor) and the rest (mostly the runner), and the pacer's as it measured itself.
"""
import os
import sys


def presses(log_path):
    times = []
    with open(log_path, encoding="utf-8", errors="replace") as log:
        for line in log:
            f = line.split()
            if len(f) >= 4 and f[1].isdigit() and f[3] in ("WM_LBUTTONDOWN", "WM_NCLBUTTONDOWN"):
                times.append(int(f[0]) / 1000.0)
    return times


def percentile(sorted_values, q):
    if not sorted_values:
        return float("nan")
    k = max(0, min(len(sorted_values) - 1, int(round(q * (len(sorted_values) - 1)))))
    return sorted_values[k]


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


def main():
    schedule, playback_log, xdotool_log = sys.argv[1:4]  # then, if the pacer ran: its probe log, its own log
    waits = [int(line.split()[2]) for line in open(schedule) if line.strip()]
    expected = waits[:-1]
    print(f"schedule: {len(waits)} clicks, waits {min(waits)}-{max(waits)} ms, "
          f"mean {sum(waits) / len(waits):.0f} ms, {sum(waits) / 1000:.1f} s in all")
    ours = summary("迅点小侠4", presses(playback_log), expected)
    pacer_cpu = []
    if len(sys.argv) > 5:
        pacer_probe_log, pacer_log = sys.argv[4:6]
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
    theirs = summary("xdotool", presses(xdotool_log), expected)

    def fmt(s):
        if s is None:
            return "median=n/a p95=n/a p99=n/a max=n/a drift=n/a"
        return " ".join(f"{k}={s[k]:.2f}" for k in ("median", "p95", "p99", "max", "drift"))

    def percent(v):
        return "n/a" if v is None else f"{v:.1f}%"

    player = player_cpu(playback_log)
    split = ""
    if player is not None:
        split = f" (main thread {percent(player[1])}, runner and others {percent(player[0] - player[1])})"
    print(f"cpu: player={percent(player and player[0])}{split} pacer={percent(pacer_cpu[0] if pacer_cpu else None)}"
          " (of one core over the playback)")
    print(f"timing: {fmt(ours)} | xdotool: {fmt(theirs)}")


if __name__ == "__main__":
    main()
