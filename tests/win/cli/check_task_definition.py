#!/usr/bin/python3
"""Holds the definition that `glintctl restore definition` prints (the one `restore on` registers)
to what the restore task must be, by parsing it: the SYSTEM principal at the highest run level,
the start-up trigger and the two wake-up event triggers, the action with glintctl.exe's full path
and `resume`, and the battery, instance and time-limit settings. glintctl.exe runs from a folder
whose name needs escaping in XML.

usage: check_task_definition.py WINE_LOADER GLINTCTL_EXE
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

NS = {"t": "http://schemas.microsoft.com/windows/2004/02/mit/task"}
WAKE_EVENTS = {("Microsoft-Windows-Power-Troubleshooter", "1"),
               ("Microsoft-Windows-Kernel-Power", "507")}


def text(root, path):
    found = root.find(path, NS)
    assert found is not None, f"no {path}"
    return (found.text or "").strip()


def event_of(subscription):
    """The provider and event id that an event trigger's query selects."""
    query = ET.fromstring(subscription)
    select = query.find("Query/Select")
    assert select is not None and select.get("Path") == "System", subscription
    match = re.fullmatch(r"\*\[System\[Provider\[@Name='([^']+)'\] and EventID=(\d+)\]\]",
                         select.text.strip())
    assert match, select.text
    return match.group(1), match.group(2)


def main():
    loader, glintctl = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as scratch:
        folder = os.path.join(scratch, "Glint & Co's tools")
        os.makedirs(folder)
        program = os.path.join(folder, "glintctl.exe")
        shutil.copy(glintctl, program)
        printed = subprocess.run([loader, program, "restore", "definition"], check=True,
                                 capture_output=True).stdout.decode("utf-8")
        windows_path = subprocess.run([loader, "winepath", "-w", program], check=True,
                                      capture_output=True).stdout.decode("utf-8").strip()

    task = ET.fromstring(printed.replace("\r\n", "\n"))
    assert text(task, "t:RegistrationInfo/t:URI") == "\\Glint Controls\\Restore lighting"

    principal = task.find("t:Principals/t:Principal", NS)
    assert text(principal, "t:UserId") == "S-1-5-18", "not SYSTEM"
    assert text(principal, "t:RunLevel") == "HighestAvailable"
    assert task.find("t:Actions", NS).get("Context") == principal.get("id")

    triggers = task.find("t:Triggers", NS)
    assert len(triggers.findall("t:BootTrigger", NS)) == 1, "no start-up trigger"
    events = {event_of(text(trigger, "t:Subscription"))
              for trigger in triggers.findall("t:EventTrigger", NS)}
    assert events == WAKE_EVENTS, events
    assert len(list(triggers)) == 3

    actions = task.findall("t:Actions/t:Exec", NS)
    assert len(actions) == 1
    assert text(actions[0], "t:Command") == f'"{windows_path}"', (
        text(actions[0], "t:Command"), windows_path)
    assert text(actions[0], "t:Arguments") == "resume"

    settings = task.find("t:Settings", NS)
    assert text(settings, "t:MultipleInstancesPolicy") == "IgnoreNew"
    assert text(settings, "t:DisallowStartIfOnBatteries") == "false"
    assert text(settings, "t:StopIfGoingOnBatteries") == "false"
    assert text(settings, "t:StartWhenAvailable") == "true"
    assert text(settings, "t:ExecutionTimeLimit") == "PT1M"
    print("ok: the restore task's definition, with glintctl.exe at", windows_path)


if __name__ == "__main__":
    main()
