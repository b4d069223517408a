#!/usr/bin/python3
"""Where a program's start-up time goes, from one start traced by Wine.

usage: startup_trace.py LABEL TRACE PROGRAM_FILE_NAME
TRACE is the standard error of `bench_driver startup` run with
WINEDEBUG=+timestamp,+pid,+loaddll,+dialog,+cursor. Prints, for each step that the trace shows,
"figure startup_trace_STEP_ms.LABEL N": milliseconds from the program's image being mapped.
"""
import re
import sys

LINE = re.compile(r"^(\d+\.\d+):([0-9a-f]+):[0-9a-f]+:(.*)$")

# step name, pattern, which occurrence
STEPS = [
    ("display_driver", re.compile(r'Loaded L"[^"]*winex11\.drv"'), "first"),
    ("io_dll", re.compile(r'Loaded L"[^"]*\\io\.dll"'), "first"),
    ("dialog_template", re.compile(r"DIALOG_ParseTemplate32 DIALOGEX"), "first"),
    ("dialog_controls", re.compile(r"DIALOG_CreateControls32\s+END"), "first"),
    ("first_skin_icon", re.compile(r"CURSORICON_LoadFromFile loading"), "first"),
    ("last_skin_icon", re.compile(r"CURSORICON_LoadFromFile loaded"), "last"),
    ("last_traced", re.compile(r""), "last"),
]


def main():
    label, path = sys.argv[1], sys.argv[2]
    program = re.compile(r'Loaded L"[^"]*\\' + re.escape(sys.argv[3]) + '"', re.IGNORECASE)
    start = pid = None
    found = {}
    with open(path, errors="replace") as trace:
        for line in trace:
            match = LINE.match(line)
            if not match:
                continue
            time, process, text = float(match.group(1)), match.group(2), match.group(3)
            if pid is None:
                if program.search(text):
                    start, pid = time, process
                continue
            if process != pid:
                continue
            for name, pattern, which in STEPS:
                if pattern.search(text) and (which == "last" or name not in found):
                    found[name] = time
    for name, _, _ in STEPS:
        if name in found:
            print(f"figure startup_trace_{name}_ms.{label} {(found[name] - start) * 1000:.1f}")


if __name__ == "__main__":
    main()
