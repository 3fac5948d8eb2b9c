# Makes a gateway's configuration match a document: the document is copied to the target and
# `zconf apply --json` run there; its own result becomes the task's (changed, msg, changes),
# with --check in check mode and the configuration before and after in diff mode.
from __future__ import annotations

import json

from ansible.errors import AnsibleActionFail
from ansible.module_utils.common.text.converters import to_text
from ansible.plugins.action import ActionBase
from ansible.utils.vars import merge_hash

from ansible_collections.velto.gateway.plugins.plugin_utils.zconf import for_task

import yaml


class ActionModule(ActionBase):
    TRANSFERS_FILES = True
    _VALID_ARGS = frozenset(("document", "template", "conf", "create", "zconf", "retries", "delay"))

    def _document_text(self):
        args = self._task.args
        if ("document" in args) == ("template" in args):
            raise AnsibleActionFail("give the document as 'document' (data) or 'template' (a file), one of them")
        if "document" in args:
            document = args["document"]
            if isinstance(document, str):
                document = json.loads(document)
        else:
            path = self._find_needle("templates", args["template"])
            with open(path, encoding="utf-8") as f:
                text = self._templar.template(f.read(), escape_backslashes=False)
            # A template may write JSON or YAML; YAML's yes and no are JSON's booleans to zconf.
            document = yaml.safe_load(to_text(text))
        if not isinstance(document, dict):
            raise AnsibleActionFail("the document is not an object: %r" % (document,))
        return json.dumps(document, ensure_ascii=True, indent=1)

    def run(self, tmp=None, task_vars=None):
        result = super().run(tmp, task_vars or {})
        args = self._task.args
        zconf, conf = for_task(self, task_vars or {})
        text = self._document_text()
        check = bool(self._task.check_mode)
        tmpdir = self._make_tmp_path()
        try:
            desired = self._connection._shell.join_path(tmpdir, "desired.json")
            self._transfer_data(desired, text)
            before = zconf.export(conf) if self._task.diff else None
            options = ["--check"] if check else []
            if args.get("create"):
                options.append("--create")
            rc, document, stdout, stderr = zconf.run("apply", conf, desired, "--json", *options)
            # 0 done or nothing to do; 1 with --check: it would change.
            if not isinstance(document, dict) or document.get("failed") or rc not in (0, 1) or (rc == 1 and not check):
                return merge_hash(result, zconf.failure(rc, document, stdout, stderr, conf))
            result["changed"] = bool(document.get("changed"))
            result["msg"] = document.get("msg", "")
            result["changes"] = [c.get("text", "") for c in document.get("changes", [])]
            if document.get("warnings"):
                result["warnings"] = list(document["warnings"])
            if self._task.diff:
                after = self._after_check(zconf, tmpdir, before, desired) if check else zconf.export(conf)
                result["diff"] = {"before_header": conf, "after_header": conf,
                                  "before": _shown(before), "after": _shown(after)}
        finally:
            self._remove_tmp_path(tmpdir)
        return result

    def _after_check(self, zconf, tmpdir, before, desired):
        """In check mode the file stays; what it would become is the document applied to a
        scratch configuration with the same settings."""
        scratch = self._connection._shell.join_path(tmpdir, "scratch.conf")
        if before is not None:
            copy = self._connection._shell.join_path(tmpdir, "before.json")
            self._transfer_data(copy, json.dumps(before, ensure_ascii=True))
            zconf.run("apply", scratch, copy, "--create")
        rc = zconf.run("apply", scratch, desired, "--create")[0]
        return zconf.export(scratch) if rc == 0 else None


def _shown(document):
    """A configuration as diff mode prints it: the export without what tells where it was made."""
    if document is None:
        return ""
    shown = {k: v for k, v in document.items() if k not in ("$schema", "computer", "product_version")}
    return json.dumps(shown, ensure_ascii=False, indent=2) + "\n"
