"""The files of a skin folder as res/skin_files.txt lists them, each button's control id taken
from res/resource.h; the program, the tests and the bench read the same list."""
import os
from collections import namedtuple

_RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'res')

# role: background, mode, test, window or popup; control: its name in res/resource.h ('-' for
# none) and its id (None for none); files: the file names of the line.
Entry = namedtuple('Entry', 'role control_name control files')


def _resource_ids(path):
    ids = {}
    with open(path, encoding='ascii') as f:
        for line in f:
            fields = line.split()
            if len(fields) == 3 and fields[0] == '#define' and fields[2].isdigit():
                ids[fields[1]] = int(fields[2])
    return ids


def _read(list_path, header_path):
    ids = _resource_ids(header_path)
    entries = []
    with open(list_path, encoding='ascii') as f:
        for line in f:
            fields = line.split('#', 1)[0].split()
            if fields:
                role, control, *files = fields
                entries.append(Entry(role, control, ids.get(control), files))
    return entries


ENTRIES = _read(os.path.join(_RES, 'skin_files.txt'), os.path.join(_RES, 'resource.h'))
FILES = [name for entry in ENTRIES for name in entry.files]
BACKGROUND = next(entry.files[0] for entry in ENTRIES if entry.role == 'background')
# Level 1, 2 and 3.
POPUPS = [entry.files[0] for entry in ENTRIES if entry.role == 'popup']
# Each with its plain and its selected icon.
MODES = [entry for entry in ENTRIES if entry.role == 'mode']
TEST = next(entry for entry in ENTRIES if entry.role == 'test')
WINDOW = [entry for entry in ENTRIES if entry.role == 'window']


def effect(mode):
    """The key of a mode button's words, colours and glyph: its control's name after IDC_, in
    lower case."""
    return mode.control_name[len('IDC_'):].lower()
