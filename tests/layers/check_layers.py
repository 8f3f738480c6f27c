#!/usr/bin/env python3
"""Fails when a product file includes a header of a room its rule does not allow.

The rules are the table under "Which room may include which" in
docs/architecture.md; this check reads them from there, so the map and the
check cannot drift apart. A room may always include its own headers, and only
gui/ may include Qt.
"""
import os
import re
import sys

root = sys.argv[1]
doc = open(os.path.join(root, 'docs', 'architecture.md'), encoding='utf-8').read()
section = doc.split('### Which room may include which', 1)
if len(section) != 2:
    sys.exit('docs/architecture.md has no "Which room may include which" table')
rules = {}
for line in section[1].splitlines()[1:]:
    if line.startswith('#'):
        break
    cells = [c.strip() for c in line.strip().strip('|').split('|')]
    if len(cells) < 2 or not cells[0].startswith('`'):
        continue
    room = cells[0].strip('`/')
    rules[room] = set(re.findall(r'`([a-z]+)/`', cells[1]))
if not rules:
    sys.exit('the table under "Which room may include which" is empty')

include_re = re.compile(r'^\s*#\s*include\s+([<"])([^>"]+)[>"]', re.M)
faults = []
for room, allowed in sorted(rules.items()):
    folder = os.path.join(root, room)
    if not os.path.isdir(folder):
        faults.append(f'{room}/: named in the table but not in the tree')
        continue
    for name in sorted(os.listdir(folder)):
        if not name.endswith(('.cpp', '.h')):
            continue
        text = open(os.path.join(folder, name), encoding='utf-8').read()
        for kind, target in include_re.findall(text):
            if kind == '<' and re.match(r'Q[A-Za-z]+($|/)', target) and room != 'gui':
                faults.append(f'{room}/{name}: includes the Qt header <{target}>')
            if kind != '"' or '/' not in target:
                continue
            other = target.split('/', 1)[0]
            if other != room and other in rules and other not in allowed:
                faults.append(f'{room}/{name}: includes {target}, but {room}/ may include '
                              + (', '.join(sorted(f'{a}/' for a in allowed)) or 'only itself'))
rooms_in_tree = {d for d in os.listdir(root)
                 if os.path.isfile(os.path.join(root, d, 'CMakeLists.txt'))
                 and d not in ('tests', 'bench', 'fuzz', 'packaging', 'web')}
for missing in sorted(rooms_in_tree - set(rules)):
    faults.append(f'{missing}/: a room of the tree without a row in the table')
for fault in faults:
    print(fault)
print(f'{len(rules)} rooms checked, {len(faults)} faults')
sys.exit(1 if faults else 0)
