"""The timing report pairs the presses received with the schedule's actions by time: a lost or extra press costs
only itself, and every other interval is still measured against its own actions. Runs without Wine (ctest)."""
import contextlib
import io
import os
import random
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import report  # noqa: E402
from matching import action_times, pair  # noqa: E402

# Intervals between actions like the benchmark's two schedules: waits up to 2 s, and dense waits up to 300 ms.
def waits(count, low, high, seed):
    rng = random.Random(seed)
    return [rng.randint(low, high) for _ in range(count)]


STANDARD = waits(199, 20, 2000, 1)
DENSE = waits(999, 20, 300, 2)


def received(intervals, lost=(), extra=(), jitter=0.0, late=0.0):
    """The presses a player's run leaves at the probe, as (time, action or None), in time order: each action's
    press late by `late` per action played before it and off by up to `jitter`; the actions in `lost`
    missing; a press without an action at each (action, ms after it) of `extra`."""
    rng = random.Random(3)
    times = action_times(intervals)
    start = 86_400_000.0  # the probe's clock has nothing to do with the schedule's
    out = [(start + t + late * i + rng.uniform(-jitter, jitter), i) for i, t in enumerate(times) if i not in lost]
    out += [(start + times[i] + late * i + after, None) for i, after in extra]
    return sorted(out)


class PairingTest(unittest.TestCase):
    def test_each_press_goes_to_its_own_action(self):
        cases = [
            ("jitter of 2 ms", dict(intervals=STANDARD, jitter=2.0)),
            ("lost first press", dict(intervals=STANDARD, lost={0}, jitter=0.5)),
            ("lost middle press", dict(intervals=STANDARD, lost={100}, jitter=0.5)),
            ("lost last press", dict(intervals=STANDARD, lost={199}, jitter=0.5)),
            ("lost presses in a row and apart", dict(intervals=DENSE, lost={0, 1, 2, 400, 401, 750}, jitter=2.0)),
            ("a dozen presses lost in a row", dict(intervals=STANDARD, lost=set(range(60, 72)), jitter=0.5)),
            ("extra press between two actions", dict(intervals=STANDARD, extra=[(80, 10.0)], jitter=0.5)),
            ("extra press before the first", dict(intervals=DENSE, extra=[(0, -400.0)], jitter=2.0)),
            ("extra press close after a real one", dict(intervals=DENSE, extra=[(300, 9.0)], jitter=2.0)),
            ("lost and extra presses", dict(intervals=DENSE, lost={0, 500}, extra=[(700, 15.0)], jitter=2.0)),
            ("every click 107 ms late, one lost near the end",
             dict(intervals=DENSE, lost={995}, jitter=5.0, late=107.0)),
        ]
        for name, case in cases:
            with self.subTest(name):
                presses = received(**case)
                pairing = pair([t for t, _ in presses], action_times(case["intervals"]))
                truth = [None] * (len(case["intervals"]) + 1)
                for j, (_, i) in enumerate(presses):
                    if i is not None:
                        truth[i] = j
                self.assertEqual(pairing.press_of, truth)
                self.assertEqual(pairing.lost, sorted(case.get("lost", ())))
                self.assertEqual(len(pairing.extra), len(case.get("extra", ())))


class SummaryTest(unittest.TestCase):
    def summary(self, presses, intervals):
        out = io.StringIO()
        with contextlib.redirect_stdout(out):
            stats = report.summary("run", [t for t, _ in presses], intervals)
        return stats, out.getvalue()

    def test_a_lost_press_is_counted_and_the_rest_still_measured(self):
        # Once a lost press paired every later press with the wrong action: median 43 ms, drift 560 ms.
        stats, line = self.summary(received(STANDARD, lost={57}, jitter=0.5), STANDARD)
        self.assertLess(stats["median"], 1.0)
        self.assertLess(abs(stats["drift"]), 1.0)
        self.assertEqual(stats["lost"], 1)
        self.assertEqual(stats["over1ms"], 0)
        self.assertIn("1 lost (action 58)", line)
        # Other scripts read the first five figures in this order.
        self.assertRegex(report.fmt(stats), r"^median=\S+ p95=\S+ p99=\S+ max=\S+ drift=\S+ .*\blost=1\b")

    def test_the_tail_is_counted(self):
        presses = received(DENSE, jitter=0.5)
        # Three presses late: each makes its interval longer and the next one shorter by as much.
        for j, by in ((100, 2.0), (400, 5.0), (800, 40.0)):
            presses[j] = (presses[j][0] + by, presses[j][1])
        stats, _ = self.summary(presses, DENSE)
        self.assertEqual((stats["over1ms"], stats["over3ms"], stats["lost"]), (6, 4, 0))
        self.assertAlmostEqual(stats["max"], 40.0, delta=1.0)
        self.assertGreater(stats["p99.9"], 4.0)

    def test_too_few_presses_leave_the_figures_unmeasured(self):
        for count in (0, 1):
            with self.subTest(presses=count):
                stats, _ = self.summary(received(STANDARD)[:count], STANDARD)
                self.assertEqual(stats["lost"], 200 - count)
                self.assertIn("median=n/a", report.fmt(stats))


if __name__ == "__main__":
    unittest.main()
