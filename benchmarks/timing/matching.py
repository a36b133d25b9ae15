"""Pairs the presses the probe received with the schedule's actions by their times, so that a lost press costs
its own action and an extra press costs itself, and every later press is still measured against its own action.

Presses arrive in the order they were played, so a pairing keeps both orders. Of all such pairings the one of
least cost is chosen: each step from one pair to the next costs how far the presses' interval is from the
actions' (less the run's usual lateness per action, see below), and each action left without a press or press
left without an action costs UNPAIRED_MS. The steps are measured from the previous pair, not from one alignment
of the two series at their start: xdotool's clicks each come about 100 ms late and drift by many seconds, and
they still pair one to one; and a lost first press is found like any other, since no press is trusted as the
start. An extra press is left unpaired and counted; it takes no action's place unless it is closer to that
action's time than the real press.

The usual lateness per action is the median interval error of a first pairing that assumes none; the pairing
is then made again with it. (Taken from the presses and actions one to one instead, it would be a median of
differences of random waits whenever the first press is lost, tens of ms off.)
"""
import math
from dataclasses import dataclass, field

# A press that is off its action by d costs 2d (the interval before it and the one after), so a press is left
# extra and its action lost, at twice this cost, only when it is about a second away from it.
UNPAIRED_MS = 1000.0
# The most actions lost, or presses extra, in a row between two pairs; and the most actions lost in a row where
# no press came in between, as when the presses went to another window for a while. Longer runs are still
# counted, but the pairs next to them may be wrong.
MAX_GAP = 6
MAX_LOST_RUN = 40
# How far press numbers may run ahead of or behind action numbers: bounds the search for any input.
MAX_SHIFT = 48


@dataclass
class Pairing:
    press_of: list  # per action, the index of its press or None
    lost: list = field(default_factory=list)  # actions without a press
    extra: list = field(default_factory=list)  # presses without an action


def action_times(intervals):
    """Each action's time from the first, given the intervals between consecutive actions."""
    times = [0.0]
    for wait in intervals:
        times.append(times[-1] + wait)
    return times


def usual_lateness(pairing, presses, actions):
    errors = sorted(presses[pairing[i + 1]] - presses[pairing[i]] - (actions[i + 1] - actions[i])
                    for i in range(len(actions) - 1) if pairing[i] is not None and pairing[i + 1] is not None)
    return errors[len(errors) // 2] if errors else 0.0


def pair(presses, actions):
    """presses: received times (ms, ascending); actions: scheduled times (ms, ascending). Returns a Pairing."""
    press_of = pair_with_lateness(presses, actions, 0.0)
    late = usual_lateness(press_of, presses, actions)
    # Under a millisecond it could change no pairing that a 20 ms wait leaves in doubt.
    if abs(late) >= 1.0:
        press_of = pair_with_lateness(presses, actions, late)
    taken = set(j for j in press_of if j is not None)
    return Pairing(press_of, [i for i, j in enumerate(press_of) if j is None],
                   [j for j in range(len(presses)) if j not in taken])


def pair_with_lateness(presses, actions, late):
    """Per action, the index of its press or None, in the pairing of least cost."""
    n, m = len(actions), len(presses)
    # Pairs (i, j) are kept only where j - i lies in [low, high]: the shift the counts call for, give or take.
    low = max(min(0, m - n) - MAX_GAP, -MAX_SHIFT)
    high = min(max(0, m - n) + MAX_GAP, MAX_SHIFT)
    width = high - low + 1
    # cost[i][k]: the least cost of pairings whose last pair is action i with press i + low + k.
    cost = [[math.inf] * width for _ in range(n)]
    back = [[None] * width for _ in range(n)]
    for i in range(n):
        for k in range(width):
            j = i + low + k
            if j < 0 or j >= m:
                continue
            best, came = UNPAIRED_MS * (i + j), None  # the first pair: everything before it unpaired
            # a actions between the pairs; beyond MAX_GAP only with no press between, so only within the band.
            for a in range(min(i - 1, max(MAX_GAP, min(MAX_LOST_RUN, width - 1 - k))) + 1):
                i0 = i - 1 - a
                expected = actions[i] - actions[i0] + late * (a + 1)
                row = cost[i0]
                # x presses between the pairs, as far as the band and the first press allow.
                for x in range(max(0, k + a - width + 1), min(MAX_GAP if a <= MAX_GAP else 0, k + a, j - 1) + 1):
                    j0 = j - 1 - x
                    k0 = k + a - x
                    if row[k0] == math.inf:
                        continue
                    c = row[k0] + abs(presses[j] - presses[j0] - expected) + UNPAIRED_MS * (a + x)
                    if c < best:
                        best, came = c, (i0, k0)
            cost[i][k], back[i][k] = best, came
    best, end = UNPAIRED_MS * (n + m), None  # nothing paired
    for i in range(n):
        for k in range(width):
            j = i + low + k
            if 0 <= j < m:
                c = cost[i][k] + UNPAIRED_MS * ((n - 1 - i) + (m - 1 - j))
                if c < best:
                    best, end = c, (i, k)
    press_of = [None] * n
    while end:
        i, k = end
        press_of[i] = i + low + k
        end = back[i][k]
    return press_of
