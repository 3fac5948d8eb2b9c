"""What the Ansible tests beside this file share: ansible-playbook's environment in a work
folder, the failures a test collects while it goes on, and its verdict as the exit code."""
import os
import shutil
import sys
from pathlib import Path


def ansible_env(ansible, work, **more):
    """The environment of ansible-playbook (which must be there) with its home and temporary
    folders in the work folder, and the variables given."""
    if not shutil.which(ansible):
        sys.exit(f"ansible-playbook not found ({ansible}): scripts/setup installs ansible-core")
    return dict(os.environ, ANSIBLE_NOCOLOR="1", ANSIBLE_HOME=str(work / "home"), ANSIBLE_LOCAL_TEMP=str(work / "tmp"),
                ANSIBLE_REMOTE_TEMP=str(work / "tmp"), **more)


class Failures(list):
    """What went wrong; a test checks everything it can before it says so."""

    def expect(self, condition, what):
        if not condition:
            self.append(what)

    def verdict(self):
        for failure in self:
            print("FAILED:", failure)
        print("three runs as expected" if not self else f"{len(self)} failures")
        return 1 if self else 0


def run_main(main, usage, paths):
    """main(ANSIBLE_PLAYBOOK, ZCONF, PATH...) with the command line's arguments, the last
    `paths` of them as paths; the usage when there are not as many."""
    if len(sys.argv) != 3 + paths:
        sys.exit(usage)
    sys.exit(main(sys.argv[1], sys.argv[2], *map(Path, sys.argv[3:])))
