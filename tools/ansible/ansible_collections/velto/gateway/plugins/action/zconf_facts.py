# The gateway's configuration (its export) and zconf's version, as facts of the host.
from __future__ import annotations

from ansible.plugins.action import ActionBase

from ansible_collections.velto.gateway.plugins.plugin_utils.zconf import for_task


class ActionModule(ActionBase):
    _VALID_ARGS = frozenset(("conf", "zconf", "retries", "delay"))

    def run(self, tmp=None, task_vars=None):
        result = super().run(tmp, task_vars or {})
        zconf, conf = for_task(self, task_vars or {})
        rc, version, stdout, stderr = zconf.run("--version", "--json")
        if rc != 0 or not isinstance(version, dict):
            return dict(result, **zconf.failure(rc, version, stdout, stderr, "zconf --version"))
        rc, export, stdout, stderr = zconf.run("export", conf, "--json")
        if rc != 0 or not isinstance(export, dict):
            return dict(result, **zconf.failure(rc, export, stdout, stderr, conf))
        result["ansible_facts"] = {"zconf_version": version, "zconf_configuration": export}
        result["changed"] = False
        return result
