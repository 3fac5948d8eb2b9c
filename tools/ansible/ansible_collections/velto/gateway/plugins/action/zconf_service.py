# zconf service start|stop|restart on the target; with `guard` a gateway that does not keep
# running gets its previous configuration back and the task fails.
from __future__ import annotations

from ansible.errors import AnsibleActionFail
from ansible.plugins.action import ActionBase

from ansible_collections.velto.gateway.plugins.plugin_utils.zconf import Zconf


class ActionModule(ActionBase):
    _VALID_ARGS = frozenset(("state", "wait", "guard", "conf", "zconf", "retries", "delay"))
    _COMMANDS = {"started": "start", "stopped": "stop", "restarted": "restart"}

    def run(self, tmp=None, task_vars=None):
        result = super().run(tmp, task_vars or {})
        args = self._task.args
        command = self._COMMANDS.get(args.get("state", "restarted"))
        if not command:
            raise AnsibleActionFail("state is one of: %s" % ", ".join(self._COMMANDS))
        zconf = Zconf(self, task_vars or {}, args.get("zconf"), args.get("retries", 0), args.get("delay", 3))
        argv = ["service", command, "--wait", str(args.get("wait", 60))]
        if args.get("guard") and command != "stop":
            argv += ["--guard", str(args["guard"])]
            conf = zconf.conf(args.get("conf"), task_vars or {})
            if conf:
                argv += ["--conf", conf]
        if self._task.check_mode:
            result.update(changed=command != "start", msg="check mode: not run: zconf " + " ".join(argv))
            return result
        rc, _, stdout, stderr = zconf.run(*argv)
        if rc != 0:
            result.update(zconf.failure(rc, None, stdout, stderr, "zconf service " + command))
            return result
        result.update(changed=True, rc=rc, msg=(stdout or "").strip() or command)
        return result
