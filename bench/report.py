#!/usr/bin/python3
"""Writes bench/RESULTS.md from the figures of one bench run.

usage: report.py RUN_FOLDER OUTPUT [FINDINGS]
RUN_FOLDER holds figures.tsv (phase, run, key, value), notes.txt and about.txt (key: value).
FINDINGS, when it exists, is the written account of the figures, appended as it is.
"""
import collections
import os
import statistics
import sys

KIB_LIMIT = 256
STRIPPED_SIZE_LIMIT_KIB = 256
RATIO_LIMIT = 1.3


def load(folder):
    figures = collections.defaultdict(dict)  # key -> {(phase, run): value}
    with open(f"{folder}/figures.tsv") as rows:
        for row in rows:
            phase, run, key, value = row.rstrip("\n").split("\t")
            figures[key][(phase, int(run))] = float(value)
    with open(f"{folder}/notes.txt") as lines:
        notes = [line.rstrip("\n") for line in lines if line.strip()]
    with open(f"{folder}/about.txt") as lines:
        about = dict(line.rstrip("\n").split(": ", 1) for line in lines if ": " in line)
    return figures, notes, about


def spread(values):
    values = list(values)
    if not values:
        return None
    return min(values), statistics.median(values), max(values)


def ratios(figures, numerator, denominator):
    top, bottom = figures.get(numerator, {}), figures.get(denominator, {})
    return [top[run] / bottom[run] for run in top if run in bottom and bottom[run] > 0]


def number(value, digits):
    return f"{value:,.{digits}f}"


class Table:
    def __init__(self, out):
        self.out = out
        self.out.append("| figure | runs | min | median | max | target | met |")
        self.out.append("|---|---|---|---|---|---|---|")

    def row(self, title, values, digits=1, target="", check=None, on="median", missing=None):
        found = spread(values)
        if found is None:
            self.out.append(f"| {title} | 0 | – | – | – | {target} | "
                            f"{missing or 'not measured'} |")
            return
        low, middle, high = found
        met = ""
        if check is not None:
            met = "yes" if check({"min": low, "median": middle, "max": high}[on]) else "**no**"
        cells = " | ".join(number(v, digits) for v in (low, middle, high))
        self.out.append(f"| {title} | {len(list(values))} | {cells} | {target} | {met} |")


TRACE_STEPS = [
    ("display_driver", "display driver loaded (the program's DLLs are in)"),
    ("io_dll", "io.dll loaded (glint: after starting the common controls)"),
    ("dialog_template", "main dialog template read (glint: after making its EC ports)"),
    ("dialog_controls", "dialog window and controls created"),
    ("first_skin_icon", "first skin icon read (glint: after the skin background)"),
    ("last_skin_icon", "last skin icon loaded"),
    ("last_traced", "last traced event of the start"),
]


def trace_table(out, figures):
    labels = ("baseline", "baseline_cc", "glint")
    out.extend(["", "Where the time goes: three starts of each traced by Wine "
                "(`WINEDEBUG=+timestamp,+loaddll,+dialog,+cursor`, which slows every step), "
                "medians in ms from the program's image being mapped:", "",
                "| step | " + " | ".join(labels) + " |", "|---|---|---|---|"])
    for step, title in TRACE_STEPS:
        cells = []
        for label in labels:
            found = spread(values(figures, f"startup_trace_{step}_ms.{label}"))
            cells.append(number(found[1], 0) if found else "–")
        out.append(f"| {title} | " + " | ".join(cells) + " |")


def section(out, title, text=None):
    out.extend(["", f"## {title}", ""])
    if text:
        out.extend([text, ""])


def values(figures, key, phase=None):
    return [value for (found, _), value in figures.get(key, {}).items()
            if phase is None or found == phase]


def main():
    folder, output = sys.argv[1], sys.argv[2]
    figures, notes, about = load(folder)
    out = ["# Glint Controls: footprint, soak and benchmark figures", ""]
    out.append("Written by `bash bench/run.sh` from one full run; every figure below was "
               "measured in that run. Timings are compared with the baseline program "
               "(`bench/baseline`: the least Win32 dialog program, same toolchain and options, "
               "same size and styles of window) measured in the same run.")
    out.append("")
    for key in ("run", "date", "machine", "cpu", "memory", "wine", "display", "commit",
                "settings"):
        if key in about:
            out.append(f"- **{key}**: {about[key]}")

    section(out, "1. Start-up", "From CreateProcess to the main window and all its controls "
            "shown with no paint pending (checked against the screen's pixels), in rounds of "
            "the baseline, the baseline that also starts the common controls (as glint.exe "
            "does) and glint.exe, the order rotating; a resident Wine process keeps Wine's "
            "server and desktop up, so that no start pays for them. The CPU time is what the "
            "process used up to that point; unlike the wall time it leaves out the waits for a "
            "CPU on a busy machine.")
    table = Table(out)
    painted, cpu = "startup_painted_ms.", "startup_cpu_ms."
    table.row("baseline, ms", values(figures, painted + "baseline"))
    table.row("baseline with common controls, ms", values(figures, painted + "baseline_cc"))
    table.row("glint.exe, ms", values(figures, painted + "glint"))
    table.row("ratio glint / baseline with common controls (per round)",
              ratios(figures, painted + "glint", painted + "baseline_cc"), 2,
              f"≤ {RATIO_LIMIT}", lambda v: v <= RATIO_LIMIT)
    table.row("ratio glint / baseline (per round)",
              ratios(figures, painted + "glint", painted + "baseline"), 2)
    table.row("ratio baseline with common controls / baseline",
              ratios(figures, painted + "baseline_cc", painted + "baseline"), 2)
    table.row("baseline with common controls, CPU ms", values(figures, cpu + "baseline_cc"))
    table.row("glint.exe, CPU ms", values(figures, cpu + "glint"))
    table.row("ratio of CPU time glint / baseline with common controls (per round)",
              ratios(figures, cpu + "glint", cpu + "baseline_cc"), 2)
    table.row("glint.exe: first EC port access, ms", values(figures, "startup_ec_first_ms.glint"))
    table.row("glint.exe: last EC port access before the window shows, ms",
              values(figures, "startup_ec_last_ms.glint"))
    trace_table(out, figures)

    section(out, "2. Idle CPU", f"CPU time over {about.get('idle seconds', '?')} s idle, glint.exe "
            "and the baseline idling side by side over the same seconds, first both shown, then "
            "both hidden (only one copy of glint.exe runs at a time); read from the scheduler's "
            "per-task counters (ns). A program is put on a CPU once per wake-up and again after "
            "each round trip to the wineserver. The baseline does what glint.exe must do at "
            "rest: one 500 ms timer that reads the power-level byte through glint's own EC "
            "access over the simulated io.dll.")
    table = Table(out)
    for state in ("shown", "hidden"):
        base = f"baseline_poll.{state}"
        glint = f"glint.{state}"
        table.row(f"baseline, window {state}, CPU ms", values(figures, "idle_cpu_ms." + base), 2)
        table.row(f"glint.exe, window {state}, CPU ms", values(figures, "idle_cpu_ms." + glint), 2)
        table.row(f"ratio of CPU time glint / baseline, {state}",
                  ratios(figures, "idle_cpu_ms." + glint, "idle_cpu_ms." + base), 2,
                  f"≤ {RATIO_LIMIT}", lambda v: v <= RATIO_LIMIT)
        table.row(f"baseline put on a CPU, times per second, {state}",
                  values(figures, "idle_wakeups_per_s." + base), 1)
        table.row(f"glint.exe put on a CPU, times per second, {state}",
                  values(figures, "idle_wakeups_per_s." + glint), 1)
        table.row(f"ratio of wake-ups glint / baseline, {state}",
                  ratios(figures, "idle_wakeups_per_s." + glint, "idle_wakeups_per_s." + base),
                  2, f"≤ {RATIO_LIMIT}", lambda v: v <= RATIO_LIMIT)
    table.row("wineserver (shared by the pair), ms", values(figures, "idle_cpu_ms.wineserver_all"), 2)
    table.row("one EC byte read of glint's over the simulated io.dll, µs of wall time",
              values(figures, "ec_read_us"), 0)
    table.row("the same, µs of CPU time", values(figures, "ec_read_cpu_us"), 0)
    table.row("one EC byte write, µs of wall time", values(figures, "ec_write_us"), 0)
    table.row("the same, µs of CPU time", values(figures, "ec_write_cpu_us"), 0)

    section(out, "3. Click to EC", "From a posted mouse click on a mode button to the write of "
            "that mode into the mode register, by the timestamps of the ecsim port trace; "
            "each run 1,000 clicks, over the simulated io.dll and over the simulated PawnIO.")
    table = Table(out)
    for phase, way in (("clicks", "io.dll"), ("clicks_pawnio", "PawnIO")):
        table.row(f"{way}: median of a run, ms", values(figures, "click_to_ec_median_ms", phase),
                  3, "< 5", lambda v: v < 5)
        table.row(f"{way}: 99th percentile of a run, ms",
                  values(figures, "click_to_ec_p99_ms", phase), 3)
        table.row(f"{way}: maximum of a run, ms", values(figures, "click_to_ec_max_ms", phase), 3)
        table.row(f"{way}: clicks with no write seen",
                  values(figures, "click_to_ec_missed", phase), 0)

    section(out, "4. Memory", "PrivateUsage of GetProcessMemoryInfo (under Wine: the "
            "process's resident anonymous memory plus swap). Growth is counted from the "
            "warm-up (200 mode clicks and 50 popup shows).")
    table = Table(out)
    table.row("after start, KiB", values(figures, "memory_start_kib"), 0)
    table.row("after warm-up, KiB", values(figures, "memory_warm_kib"), 0)
    table.row("after 10,000 mode clicks, KiB", values(figures, "memory_after_clicks_kib"), 0)
    table.row("after 1,000 popup shows, KiB", values(figures, "memory_after_shows_kib"), 0)
    table.row("growth over the clicks, KiB", values(figures, "memory_growth_clicks_kib"), 0)
    table.row("growth from warm-up to the end, KiB", values(figures, "memory_growth_total_kib"),
              0, f"< {KIB_LIMIT}", lambda v: v < KIB_LIMIT, on="max")

    section(out, "5. and 6. Soak and fuzzing", "The targets ran one after another (only one "
            "copy of glint.exe runs at a time): `normal` with "
            "the shipped skin and levels 1, 2, 3 in turn; `damaged` with a skin folder of "
            "damaged files; `fuzz` with the shipped skin and random power-level bytes. Each "
            "level change is held until the program's poll has read it (or 2 s). At the end "
            "each program must run and answer, its popup must look as at the start at level "
            "2, and each visible button as at the start after a click of Auto (98 % of the "
            "pixels equal).")
    table = Table(out)
    table.row("soak length of one target, minutes", values(figures, "soak_minutes"), 1)
    for label in ("normal", "damaged", "fuzz"):
        buttons = values(figures, f"soak_buttons.{label}")
        table.row(f"{label}: mode clicks", values(figures, f"soak_clicks.{label}"), 0)
        table.row(f"{label}: clicks not answered in 10 s",
                  values(figures, f"soak_unanswered_clicks.{label}"), 0, "0", lambda v: v == 0)
        table.row(f"{label}: level changes", values(figures, f"soak_level_changes.{label}"), 0)
        table.row(f"{label}: level changes not read back",
                  values(figures, f"soak_level_changes_unread.{label}"), 0)
        table.row(f"{label}: message boxes dismissed",
                  values(figures, f"soak_message_boxes.{label}"), 0)
        table.row(f"{label}: popup windows at the end", values(figures, f"soak_popup_windows.{label}"),
                  0, "1", lambda v: v == 1)
        table.row(f"{label}: still running (1 yes)", values(figures, f"soak_running.{label}"), 0,
                  "1", lambda v: v == 1)
        table.row(f"{label}: answers (1 yes)", values(figures, f"soak_responds.{label}"), 0,
                  "1", lambda v: v == 1)
        table.row(f"{label}: popup as at the start (1 yes)",
                  values(figures, f"soak_popup_shows_as_before.{label}"), 0, "1",
                  lambda v: v == 1)
        total = int(buttons[0]) if buttons else 0
        table.row(f"{label}: buttons as at the start (of {total})",
                  values(figures, f"soak_buttons_as_before.{label}"), 0, str(total),
                  lambda v, t=total: v == t)
        table.row(f"{label}: buttons showing an image at the end (of {total})",
                  values(figures, f"soak_buttons_with_image.{label}"), 0,
                  str(total) if label != "damaged" else "",
                  (lambda v, t=total: v == t) if label != "damaged" else None)
        table.row(f"{label}: private memory at start, KiB",
                  values(figures, f"soak_private_start_kib.{label}"), 0)
        table.row(f"{label}: private memory at the end, KiB",
                  values(figures, f"soak_private_end_kib.{label}"), 0)

    section(out, "7. Size and dependencies", "The built-in background bitmap is resource 129; "
            "skins are separate files and not counted. The shipped exe is stripped; the "
            "figures as built include the static runtime's debug information.")
    table = Table(out)
    for arch in ("x64", "x86"):
        table.row(f"glint.exe {arch} as built, KiB", values(figures, f"size_kib.{arch}"), 1)
        table.row(f"glint.exe {arch} stripped, KiB",
                  values(figures, f"size_kib.{arch}_stripped"), 1)
        table.row(f"built-in background {arch}, KiB",
                  values(figures, f"resource_kib.{arch}_stripped"), 1)
        table.row(f"glint.exe {arch} stripped, without the background, KiB",
                  values(figures, f"size_without_resource_kib.{arch}_stripped"), 1,
                  f"≤ {STRIPPED_SIZE_LIMIT_KIB}", lambda v: v <= STRIPPED_SIZE_LIMIT_KIB)

    if len(sys.argv) > 3 and os.path.exists(sys.argv[3]):
        with open(sys.argv[3]) as findings:
            out.extend(["", findings.read().rstrip("\n")])

    section(out, "Notes from the run")
    out.extend(f"- {note}" for note in notes)
    with open(output, "w") as result:
        result.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
