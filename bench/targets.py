"""Reads a Google Benchmark JSON result of quadrix_bench and prints the three target ratios.

Work ratios use CPU time, which other load on the machine disturbs least; the frame budget is
checked against wall time, what the user waits for. With repetitions, the medians are used.
"""
import json
import sys

SIZES = ("1920x1080", "3840x2160")
MOTIONS = ("rect_motion", "ellipse_motion", "triangle_motion", "move_motion")
# Each step alone, and the step with the repaint it asked for.
STEPS = MOTIONS + tuple(m + "+paint" for m in MOTIONS)
FRAME_BUDGET_US = 833.0   # 5% of a 60 Hz frame
SCALE_LIMIT = 1.2         # a 4K step against the same step at 1080p
REDRAW_LIMIT = 3.0        # redraw_all of 200 figures against one plain fill
HISTORY_LIMIT = 1.2       # an undo or redo step against one redraw_all of the same drawing

CHANGE_LIMIT_US = 20.0    # the event loop's share of one change, recovery copy included
DISK_LIMIT_US = 100e3     # a change's recovery copy on disk

TO_US = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}


def load(path):
    """{name: (cpu_us, real_us)}, medians when the run had repetitions."""
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    medians = {r["run_name"] for r in runs if r.get("aggregate_name") == "median"}
    times = {}
    for r in runs:
        name = r["run_name"]
        if r.get("error_occurred"):
            continue
        if name in medians and r.get("aggregate_name") != "median":
            continue
        if name not in medians and r.get("run_type") == "aggregate":
            continue
        unit = TO_US[r.get("time_unit", "ns")]
        times[name] = (r["cpu_time"] * unit, r["real_time"] * unit)
    return times


def counters(path, name):
    """The counters of a benchmark's median (or only) run: {} when it did not run."""
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    chosen = [r for r in runs if r["run_name"] == name and r.get("aggregate_name") in ("median", None)
              and not r.get("error_occurred")]
    return chosen[-1] if chosen else {}


def verdict(ok):
    return "ok" if ok else "MISSED"


def ratio_line(label, num, den, limit):
    if num is None or den is None:
        return f"  {label:<40} n/a", True
    r = num / den
    return f"  {label:<40} {r:6.2f}  (limit {limit:.1f})  {verdict(r <= limit)}", r <= limit


def main(path):
    t = load(path)
    cpu = lambda name: t[name][0] if name in t else None
    lines, all_ok = [], True

    lines.append(f"Rubber-band step, {SIZES[1]} / {SIZES[0]} (CPU time):")
    for m in MOTIONS:
        line, ok = ratio_line(m, cpu(f"{m}/{SIZES[1]}"), cpu(f"{m}/{SIZES[0]}"), SCALE_LIMIT)
        lines.append(line)
        all_ok &= ok
    # With Qt's own paint event and backing-store copy: shown, not held to the limit, since a
    # couple of microseconds of Qt's work (some of it in its thread pool) swing these between runs.
    for m in STEPS[len(MOTIONS):]:
        line, _ = ratio_line(m, cpu(f"{m}/{SIZES[1]}"), cpu(f"{m}/{SIZES[0]}"), SCALE_LIMIT)
        lines.append(line.replace("MISSED", "(info)").replace("  ok", "  (info)"))

    lines.append("redraw_all of 200 figures / one plain fill (CPU time):")
    for s in SIZES:
        line, ok = ratio_line(s, cpu(f"redraw_all/{s}"), cpu(f"fill/{s}"), REDRAW_LIMIT)
        lines.append(line)
        all_ok &= ok

    lines.append("Undo or redo step / redraw_all of the same 200 figures (CPU time):")
    for step in ("undo_step", "redo_step"):
        for s in SIZES:
            line, ok = ratio_line(f"{step}/{s}", cpu(f"{step}/{s}"), cpu(f"redraw_all/{s}"), HISTORY_LIMIT)
            lines.append(line)
            all_ok &= ok

    lines.append(f"Interactive steps against {FRAME_BUDGET_US:.0f} us (wall time):")
    steps = [f"{m}/{s}" for m in STEPS for s in SIZES] + ["list_pick/200"]
    for name in steps:
        if name not in t:
            lines.append(f"  {name:<40} n/a")
            continue
        real = t[name][1]
        ok = real < FRAME_BUDGET_US
        lines.append(f"  {name:<40} {real:8.1f} us  {verdict(ok)}")
        all_ok &= ok

    lines.append("Recovery copy:")
    change = cpu("recovery_change/200")
    if change is None:
        lines.append("  recovery_change/200                      n/a")
    else:
        ok = change < CHANGE_LIMIT_US
        lines.append(f"  {'recovery_change/200 (CPU)':<40} {change:8.2f} us  {verdict(ok)}")
        all_ok &= ok
    disk = counters(path, "recovery_change_to_disk/200x100/iterations:1")
    for key in ("median_us", "worst_us"):
        if key not in disk:
            continue
        ok = disk[key] < DISK_LIMIT_US
        lines.append(f"  {'change to disk, ' + key[:-3] + ' of 100':<40} {disk[key] / 1e3:8.1f} ms  {verdict(ok)}")
        all_ok &= ok

    print("\n".join(lines))
    print("All targets met." if all_ok else "Some targets missed.")


if __name__ == "__main__":
    main(sys.argv[1])
