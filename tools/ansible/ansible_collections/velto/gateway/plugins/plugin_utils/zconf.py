# zconf run on the target through the connection's own shell: PowerShell over WinRM/PSRP/SSH
# to Windows, sh elsewhere. Arguments are quoted by that shell's rules, so that a path with
# blanks or quotes reaches zconf as one argument.
from __future__ import annotations

import json
import shlex
import time

from ansible.errors import AnsibleActionFail

WINDOWS_CONF = "C:\\Program Files\\VELTO Gateway\\zidezir.conf"
EXIT_BUSY = 3


class Zconf:
    def __init__(self, action, task_vars, program, retries=10, delay=3):
        self._action = action
        self._shell = action._connection._shell
        self.program = program or task_vars.get("velto_gateway_zconf") or "zconf"
        self.retries = int(retries)
        self.delay = float(delay)

    @property
    def windows(self):
        return bool(getattr(self._shell, "_IS_WINDOWS", False))

    def conf(self, given, task_vars):
        """The configuration file: the task's, the host's `velto_gateway_conf`, or the installed
        one on Windows."""
        return given or task_vars.get("velto_gateway_conf") or (WINDOWS_CONF if self.windows else None)

    def command(self, args):
        argv = [self.program] + list(args)
        if self.windows:
            # '& 'zconf' 'apply' ...; exit $LASTEXITCODE': the native program's exit code is the
            # script's.
            return self._shell.wrap_for_exec(" ".join("'%s'" % self._shell._escape(a) for a in argv))
        return " ".join(shlex.quote(a) for a in argv)

    def run(self, *args):
        """(rc, the JSON document zconf printed or None, stdout, stderr); a busy file is tried
        again `retries` times, `delay` seconds apart."""
        for attempt in range(self.retries + 1):
            done = self._action._low_level_execute_command(self.command(args), sudoable=False)
            rc = done.get("rc")
            if rc != EXIT_BUSY or attempt == self.retries:
                break
            time.sleep(self.delay)
        stdout, stderr = done.get("stdout", ""), done.get("stderr", "")
        try:
            document = json.loads(stdout)
        except ValueError:
            document = None
        return rc, document, stdout, stderr

    def failure(self, rc, document, stdout, stderr, what):
        """The task's result for a failed zconf: its own message, not an escaped stdout."""
        if isinstance(document, dict) and document.get("msg"):
            msg = document["msg"]
        else:
            # zconf not found, or a shell error: what the shell said.
            msg = (stderr or stdout or "").strip() or "exit code %s" % rc
        result = {"failed": True, "rc": rc, "msg": "%s: %s" % (what, msg)}
        if rc == EXIT_BUSY:
            result["msg"] += " (the file stayed busy after %d tries)" % (self.retries + 1)
        if isinstance(document, dict) and document.get("path"):
            result["path"] = document["path"]
        return result

    def export(self, conf):
        rc, document, stdout, stderr = self.run("export", conf, "--json")
        return document if rc == 0 and isinstance(document, dict) else None


def for_task(action, task_vars):
    """The task's zconf and its configuration file, from the task's arguments and the host's
    variables."""
    args = action._task.args
    zconf = Zconf(action, task_vars, args.get("zconf"), args.get("retries", 10), args.get("delay", 3))
    conf = zconf.conf(args.get("conf"), task_vars)
    if not conf:
        raise AnsibleActionFail("'conf' (or the host variable velto_gateway_conf) names the configuration file")
    return zconf, conf
