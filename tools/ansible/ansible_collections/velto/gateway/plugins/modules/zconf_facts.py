# The action plugin of the same name does the work; this file documents it.
DOCUMENTATION = r"""
module: zconf_facts
short_description: The gateway's configuration and zconf's version as facts
description:
  - Sets C(zconf_configuration) (the export) and C(zconf_version) (product_version, file_version, build).
options:
  conf: {description: The configuration file; on Windows the installed one by default., type: str}
  zconf: {description: The zconf program., type: str, default: zconf}
author: VELTO
"""
