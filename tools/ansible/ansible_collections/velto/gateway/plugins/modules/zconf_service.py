# The action plugin of the same name does the work; this file documents it.
DOCUMENTATION = r"""
module: zconf_service
short_description: Start, stop or restart the VELTO Gateway service through zconf
options:
  state: {description: What to do., type: str, choices: [started, stopped, restarted], default: restarted}
  wait: {description: Seconds the whole command may take., type: int, default: 60}
  guard: {description: Seconds the service must keep running, else the previous configuration comes back and the task fails., type: int}
  conf: {description: The configuration file the guard restores., type: str}
  zconf: {description: The zconf program., type: str, default: zconf}
author: VELTO
"""
