#!/usr/bin/env python3
"""The manual's Ansible playbook without the collection, run by a real ansible-playbook against this machine.

The playbook is taken from the manual's chapter as it stands; its Windows modules become their
builtin kin (win_copy -> copy, win_command -> command) and its variables point at the native
zconf and at files in a work folder. The gateway is one configuration, the desired document the
export of another:
- the first run reports the apply task changed, and the configuration then equals the document's;
- the second run reports nothing changed and leaves the file's bytes and time alone;
- a run with --check and a different document reports changed and writes nothing.

usage: ansible_playbook.py ANSIBLE_PLAYBOOK ZCONF MANUAL DATA_DIR WORK_DIR
"""
import json
import os
import re
import shutil
import subprocess
import sys

from ansible_checks import Failures, ansible_env, run_main


def playbook_of(manual):
    blocks = [b for b in re.findall(r"^```yaml\n(.*?)^```", manual.read_text(encoding="utf-8"), re.M | re.S)
              if "ansible.windows.win_command" in b]
    if len(blocks) != 1:
        sys.exit(f"{manual}: {len(blocks)} playbooks with win_command, expected one")
    return blocks[0].replace("ansible.windows.win_", "ansible.builtin.")


def main(ansible, zconf, manual, data, work):
    env = ansible_env(ansible, work)
    shutil.rmtree(work, ignore_errors=True)
    (work / "files").mkdir(parents=True)
    (work / "gateways.yml").write_text(playbook_of(manual), encoding="utf-8")
    (work / "gateways.ini").write_text(
        "[gateways]\nlocalhost ansible_connection=local ansible_python_interpreter=/usr/bin/python3\n")
    conf, desired = work / "zidezir.conf", work / "desired.json"
    shutil.copyfile(data / "zconf" / "edited.conf", conf)

    variables = json.dumps({"zconf": zconf, "conf": str(conf), "desired": str(desired), "restart_service": False})
    failures = Failures()
    expect = failures.expect

    def export(source):
        out = subprocess.run([zconf, "export", str(data / source)], check=True, capture_output=True).stdout
        (work / "files" / "localhost.json").write_bytes(out)

    def run(name, *options):
        """What the screen says of one run: the apply task's status, the host's recap line
        (ok, changed, failed) and the lines the last task prints (the result's msg, then the
        changes)."""
        done = subprocess.run([ansible, "-i", "gateways.ini", "gateways.yml", "-e", variables, *options],
                              cwd=work, env=env, capture_output=True, text=True)
        status = re.search(r"^TASK \[zconf apply\] \**\n(\w+): \[localhost\]", done.stdout, re.M)
        recap = re.search(r"^localhost\s+: ok=(\d+)\s+changed=(\d+)\s+unreachable=\d+\s+failed=(\d+)", done.stdout, re.M)
        summary = re.search(r'^TASK \[Итог по шлюзу\] \**\nok: \[localhost\] => \{\n\s+"msg": (\[.*?\n\s*\])',
                            done.stdout, re.M | re.S)
        if done.returncode != 0 or not (status and recap and summary):
            sys.exit(f"{name}: ansible-playbook exited {done.returncode}:\n{done.stdout}\n{done.stderr}")
        return status.group(1), tuple(int(n) for n in recap.groups()), json.loads(summary.group(1))

    def same(a, b):
        return subprocess.run([zconf, "diff", str(a), str(b)], capture_output=True).returncode == 0

    export("zconf/gateway.conf")
    status, (_, changed, failed), summary = run("first run")
    expect(status == "changed" and changed >= 1 and not failed, f"first run: {status}, changed={changed}")
    expect(summary[0].startswith("изменений: ") and "Сетевые настройки / Название шлюза: Шлюз Север → VELTO Gateway"
           in summary[1:],
           f"first run: the summary says {summary}")
    expect(same(data / "zconf" / "gateway.conf", conf), "first run: the configuration is not the document's")

    os.utime(conf, (1_000_000_000, 1_000_000_000))
    before = (conf.read_bytes(), conf.stat().st_mtime_ns)
    status, (_, changed, failed), summary = run("second run")
    expect(status == "ok" and changed == 0 and not failed, f"second run: {status}, changed={changed}")
    expect(summary == ["конфигурация уже такая, как в документе; файл не записан"], f"second run: the summary says {summary}")
    expect((conf.read_bytes(), conf.stat().st_mtime_ns) == before, "second run: the file was written")

    export("golden/full/saved.conf")
    status, (_, changed, failed), summary = run("check run", "--check")
    expect(status == "changed" and "--check" in summary[0], f"check run: {status}, {summary}")
    expect((conf.read_bytes(), conf.stat().st_mtime_ns) == before, "check run: the file was written")

    return failures.verdict()


if __name__ == "__main__":
    run_main(main, __doc__, 3)
