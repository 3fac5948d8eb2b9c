#!/usr/bin/env python3
"""The manual's playbook with the collection velto.gateway, run by a real ansible-playbook over
ten gateway folders on this machine (ansible_connection=local, the native zconf):
- the first run changes the nine good gateways, and each then has its document's settings;
- the tenth, whose file is no configuration, fails alone with zconf's own message;
- a second run changes nothing and writes no file, trying again where the file stayed busy;
- --check --diff with another port reports changed, shows the port's change in the diff and
  writes nothing;
- zconf_facts gives zconf's version and the gateway's configuration as the host's facts;
- over a Windows connection the command is quoted for PowerShell, its exit code zconf's.

usage: ansible_collection.py ANSIBLE_PLAYBOOK ZCONF MANUAL COLLECTIONS DATA_DIR WORK_DIR
"""
import fcntl
import json
import os
import re
import shutil
import subprocess
import sys
import threading
from pathlib import Path

from ansible_checks import Failures, ansible_env, run_main

HOSTS = [f"gw{n:02}" for n in range(1, 11)]
BROKEN = HOSTS[-1]


def playbook_of(manual):
    blocks = [b for b in re.findall(r"^```yaml\n(.*?)^```", manual.read_text(encoding="utf-8"), re.M | re.S)
              if "velto.gateway.zconf_apply" in b]
    if len(blocks) != 1:
        sys.exit(f"{manual}: {len(blocks)} playbooks with the collection, expected one")
    return blocks[0]


POWERSHELL_COMMAND = """
import sys
from ansible.plugins.loader import shell_loader
from ansible_collections.velto.gateway.plugins.plugin_utils.zconf import Zconf

class Action:  # what Zconf takes from an action plugin
    class _connection:
        _shell = shell_loader.get("powershell")

zconf = Zconf(Action(), {}, None)
print(zconf.command(["apply", zconf.conf(None, {}), sys.argv[1], "--json"]))
"""


def powershell_command(ansible, collections, desired):
    """The command zconf_apply sends over a Windows connection, built with Ansible's own
    PowerShell shell plugin by Ansible's interpreter (no Windows host here runs it)."""
    interpreter = Path(ansible).read_text(errors="replace").splitlines()[0][2:].split()
    return subprocess.run(interpreter + ["-c", POWERSHELL_COMMAND, desired], check=True, capture_output=True, text=True,
                          env=dict(os.environ, PYTHONPATH=str(collections))).stdout.strip()


def main(ansible, zconf, manual, collections, data, work):
    env = ansible_env(ansible, work, ANSIBLE_COLLECTIONS_PATH=str(collections), ANSIBLE_FORKS="5")
    shutil.rmtree(work, ignore_errors=True)
    (work / "templates").mkdir(parents=True)
    (work / "gateways.yml").write_text(playbook_of(manual), encoding="utf-8")
    # The template: a gateway's export with its name and port made the host's.
    exported = json.loads(subprocess.run([zconf, "export", str(data / "zconf" / "gateway.conf")], check=True,
                                         capture_output=True).stdout)
    exported["keys"]["System/Name"] = "{{ inventory_hostname }}"
    exported["keys"]["Network/Listener Port"] = "{{ listener_port }}"
    exported["keys"]["Network/Need Gatekeeper"] = False
    (work / "templates" / "gateway.json.j2").write_text(json.dumps(exported, ensure_ascii=False, indent=2),
                                                        encoding="utf-8")
    lines = ["[gateways]"]
    for host in HOSTS:
        folder = work / host
        folder.mkdir()
        source = "voice/three-blocks/voice.ini" if host == BROKEN else "zconf/edited.conf"
        shutil.copyfile(data / source, folder / "zidezir.conf")
        lines.append(f"{host} velto_gateway_conf={folder / 'zidezir.conf'} listener_port={1700 + int(host[2:])}")
    lines += ["[gateways:vars]", "ansible_connection=local", "ansible_python_interpreter=/usr/bin/python3",
              f"velto_gateway_zconf={zconf}"]
    (work / "gateways.ini").write_text("\n".join(lines) + "\n")

    failures = Failures()
    expect = failures.expect

    def run(name, *options):
        done = subprocess.run([ansible, "-i", "gateways.ini", "gateways.yml", "-e", "restart_service=false", *options],
                              cwd=work, env=env, capture_output=True, text=True)
        recap = {m[0]: (int(m[1]), int(m[2]), int(m[3])) for m in re.findall(
            r"^(gw\d+)\s+: ok=(\d+)\s+changed=(\d+)\s+unreachable=\d+\s+failed=(\d+)", done.stdout, re.M)}
        if sorted(recap) != HOSTS:
            sys.exit(f"{name}: no recap for every host (exit {done.returncode}):\n{done.stdout}\n{done.stderr}")
        return done.stdout, recap

    def files():
        return {h: ((work / h / "zidezir.conf").read_bytes(), (work / h / "zidezir.conf").stat().st_mtime_ns)
                for h in HOSTS}

    def get(host, key):
        return subprocess.run([zconf, "get", str(work / host / "zidezir.conf"), key], capture_output=True,
                              text=True).stdout.strip()

    out, recap = run("first run")
    good = [h for h in HOSTS if h != BROKEN]
    expect(all(recap[h] == (1, 1, 0) for h in good), f"first run: {recap}")
    expect(recap[BROKEN][2] == 1, f"first run: {BROKEN} did not fail: {recap[BROKEN]}")
    expect(all(get(h, "System/Name") == h and get(h, "Network/Listener Port") == str(1700 + int(h[2:]))
               for h in good), "first run: a gateway has not its document's name and port")
    fatal = re.search(rf"^fatal: \[{BROKEN}\]: FAILED! => (\{{.*\}})$", out, re.M)
    msg = json.loads(fatal.group(1)).get("msg", "") if fatal else ""
    expect(str(work / BROKEN / "zidezir.conf") in msg and "VoiceDevices:" in msg and "non-zero" not in msg,
           f"first run: {BROKEN}'s message is {msg!r}")

    for host in HOSTS:
        os.utime(work / host / "zidezir.conf", (1_000_000_000, 1_000_000_000))
    before = files()
    # Another zconf holds gw01's lock for longer than zconf waits for it: zconf_apply tries again.
    lock = open(work / HOSTS[0] / "zidezir.conf.lock", "w")
    fcntl.flock(lock, fcntl.LOCK_EX)
    release = threading.Timer(12, lambda: (fcntl.flock(lock, fcntl.LOCK_UN), lock.close()))
    release.start()
    out, recap = run("second run")
    release.join()
    expect(all(recap[h] == (1, 0, 0) for h in good), f"second run: {recap}")
    expect(files() == before, "second run: a file was written")

    out, recap = run("check run", "--check", "--diff", "-e", "listener_port=1799")
    expect(all(recap[h] == (1, 1, 0) for h in good), f"check run: {recap}")
    expect(re.search(r'^-\s+"Network/Listener Port": "1701",\n\+\s+"Network/Listener Port": "1799",', out, re.M),
           f"check run: no port change in the diff:\n{out[:3000]}")
    expect(files() == before, "check run: a file was written")

    command = powershell_command(ansible, collections, "C:\\Temp\\O'Brien\\desired.json")
    expect(command == "& 'zconf' 'apply' 'C:\\Program Files\\VELTO Gateway\\zidezir.conf' "
                      "'C:\\Temp\\O''Brien\\desired.json' '--json'; exit $LASTEXITCODE",
           f"the command for PowerShell: {command}")

    # The facts: zconf's version and the gateway's configuration, as the host's.
    adhoc = str(Path(ansible).with_name("ansible"))
    facts = subprocess.run([adhoc, "-i", "gateways.ini", HOSTS[0], "-m", "velto.gateway.zconf_facts", "-o"],
                           cwd=work, env=env, capture_output=True, text=True).stdout
    found = re.search(r"SUCCESS => (\{.*\})$", facts, re.M)
    facts = json.loads(found.group(1))["ansible_facts"] if found else {}
    expect(facts.get("zconf_version", {}).get("product_version") and
           facts.get("zconf_configuration", {}).get("keys", {}).get("System/Name") == HOSTS[0],
           f"facts: {facts}")

    return failures.verdict()


if __name__ == "__main__":
    run_main(main, __doc__, 4)
