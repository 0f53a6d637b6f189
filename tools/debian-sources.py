#!/usr/bin/env python3
"""Prints the machine's Debian archive entries as one-line "deb" entries, and
nothing of third parties: a bookworm suite whose components are all Debian's
and whose key, if named, is Debian's. Reads the apt source files it is given,
one-line (.list) or deb822 (.sources); unreadable ones are skipped."""
import re, sys
suites = re.compile(r"bookworm(-updates|-security|-backports)?$")
areas = {"main", "contrib", "non-free", "non-free-firmware"}
def debian(suite_list, components, signed_by):
    return (all(suites.match(s) for s in suite_list) and set(components) <= areas
            and signed_by in ("", "/usr/share/keyrings/debian-archive-keyring.gpg"))
kept = []
for path in sys.argv[1:]:
    try:
        text = open(path).read()
    except OSError:
        continue
    if path.endswith(".sources"):
        for stanza in re.split(r"\n\s*\n", text):
            fields = dict(re.findall(r"^([A-Za-z-]+):\s*(.*)$", stanza, re.M))
            if (fields.get("Enabled", "yes") != "no" and "deb" in fields.get("Types", "").split()
                    and debian(fields.get("Suites", "").split(), fields.get("Components", "").split(),
                               fields.get("Signed-By", "").strip())):
                for uri in fields.get("URIs", "").split():
                    for suite in fields["Suites"].split():
                        kept.append((uri, suite, fields.get("Components", "")))
    else:
        for line in text.splitlines():
            m = re.match(r"\s*deb\s+(\[[^]]*\]\s+)?(\S+)\s+(\S+)\s*(.*)", line)
            if m:
                signed = re.search(r"signed-by=(\S+)", m.group(1) or "")
                if debian([m.group(3)], m.group(4).split(), signed.group(1).rstrip("]") if signed else ""):
                    kept.append((m.group(2), m.group(3), m.group(4)))
for uri, suite, components in kept:
    print("deb", uri, suite, components)
