# The action plugin of the same name does the work; this file documents it.
DOCUMENTATION = r"""
module: zconf_apply
short_description: Make a VELTO Gateway configuration match a document
description:
  - Copies the document to the target and runs C(zconf apply --json) there (C(--check) in check
    mode). Blocks are matched by type and port or address; what the document leaves out stays.
  - In diff mode the result has the configuration before and after, as C(zconf export) gives it.
  - While another program holds the file (zconf exit code 3), tries again.
options:
  document: {description: The document as data (a dict, or JSON text)., type: raw}
  template: {description: A template of the document (JSON or YAML), rendered on the controller., type: path}
  conf: {description: 'The configuration file; by default the host variable C(velto_gateway_conf), else on Windows the installed one.', type: str}
  create: {description: Make the file when it does not exist (C(--create))., type: bool, default: false}
  zconf: {description: 'The zconf program; by default the host variable C(velto_gateway_zconf), else zconf.', type: str}
  retries: {description: Tries again this many times while the file is busy., type: int, default: 10}
  delay: {description: Seconds between tries., type: float, default: 3}
author: VELTO
"""
EXAMPLES = r"""
- velto.gateway.zconf_apply:
    template: gateway.json.j2
  register: applied
"""
RETURN = r"""
msg: {description: zconf's own summary., type: str, returned: always}
changes: {description: Each change as zconf diff prints it., type: list, returned: success}
path: {description: The JSON path of a refused value., type: str, returned: when the document is refused}
"""
