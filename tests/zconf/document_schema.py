#!/usr/bin/env python3
"""The schema zconf prints against the documents zconf reads, with Debian's python3-jsonschema.

- `zconf schema` is a valid draft-07 schema whose $id is what every export names in $schema;
- for every configuration among the test data that export can read, its export passes the
  schema exactly when apply --check takes that export back (neither refuses what the other
  takes, on files with faults as well as on clean ones);
- a document as an engine writes it (YAML's booleans, an inventory's numeric strings, remarks)
  passes, and a block that cannot tell which block it is does not.

usage: document_schema.py ZCONF DATA_DIR WORK_DIR
"""
import json
import shutil
import subprocess
import sys
from pathlib import Path

try:
    import jsonschema
except ImportError:
    sys.exit("python3-jsonschema is missing: scripts/setup installs it")


def main(zconf, data, work):
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    schema = json.loads(subprocess.run([zconf, "schema"], check=True, capture_output=True).stdout)
    jsonschema.Draft7Validator.check_schema(schema)
    validator = jsonschema.Draft7Validator(schema)
    failures = []

    checked = 0
    for conf in sorted(data.rglob("*.conf")):
        exported = subprocess.run([zconf, "export", str(conf)], capture_output=True)
        if exported.returncode != 0:
            continue  # not a configuration export reads
        document = json.loads(exported.stdout)
        if document.get("$schema") != schema["$id"]:
            failures.append(f"{conf}: the export names {document.get('$schema')!r}, the schema is {schema['$id']!r}")
        errors = [f"{'/'.join(map(str, e.absolute_path))}: {e.message}" for e in validator.iter_errors(document)]
        target, desired = work / "target.conf", work / "desired.json"
        shutil.copyfile(conf, target)
        desired.write_bytes(exported.stdout)
        applied = subprocess.run([zconf, "apply", str(target), str(desired), "--check", "--json"], capture_output=True)
        taken = applied.returncode != 2
        if taken == bool(errors):
            failures.append(f"{conf}: apply exit {applied.returncode} ({json.loads(applied.stdout).get('msg', '')}), "
                            f"schema errors {errors[:3]}")
        checked += 1

    engine = {"$schema": schema["$id"], "_generated_by": "template", "version": 1,
              "keys": {"Network/Need Gatekeeper": False, "Network/Listener Port": "1721", "Audio/Max Calls": 4},
              "blocks": [{"type": "TRL-M", "port": "2", "units": [{"type": "pvk", "address": "5", "host": "h"}]},
                         {"type": "ТРЛ-МЕ", "address": "10.0.0.7"}]}
    if not validator.is_valid(engine):
        failures.append(f"an engine's document fails: {[e.message for e in validator.iter_errors(engine)]}")
    for broken in ({"version": 1, "blocks": [{"type": "TRL-M"}]},
                   {"version": 1, "blocks": [{"type": "TRL-ME", "port": 3}]},
                   {"version": 1, "keys": {"Network/Need Gatekeeper": "maybe"}},
                   {"version": "1"}):
        if validator.is_valid(broken):
            failures.append(f"the schema takes {broken}")

    for failure in failures:
        print("FAILED:", failure)
    print(f"{checked} passed, {len(failures)} failed")
    return 1 if failures or checked < 10 else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])))
