#!/usr/bin/env python3
"""Runs a command below a reaper, as a login session's init would.

    reaper.py COMMAND [ARG...]

The stand-in client is started in the background by a start script that
returns at once, so the client is orphaned; a session's init reaps it the
moment it ends. Where this process's own init does not (a container's first
process often leaves orphans as zombies, and a zombie still answers signal 0),
the launcher would take a client that had ended for one that still runs.
This process becomes the child subreaper of COMMAND's descendants, reaps
every one of them as it ends, and once COMMAND has ended kills whatever of
them is left, so that nothing the command started outlives it. Exits with
COMMAND's status.
"""

import ctypes
import glob
import os
import signal
import sys

PR_SET_CHILD_SUBREAPER = 36


def become_subreaper():
    libc = ctypes.CDLL(None, use_errno=True)
    if libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) != 0:
        raise OSError(ctypes.get_errno(), "prctl(PR_SET_CHILD_SUBREAPER)")


def children():
    """The processes whose parent is this one (orphans reparented here)."""
    mine = str(os.getpid())
    for path in glob.glob("/proc/[0-9]*/stat"):
        try:
            with open(path) as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if fields[1] == mine:
            yield int(path.split("/")[2])


def reap_until(command_pid):
    """Reaps every child as it ends; returns COMMAND's exit code."""
    while True:
        pid, status = os.wait()
        if pid == command_pid:
            return os.waitstatus_to_exitcode(status)


def kill_the_rest():
    """Kills and reaps what is left, also what is reparented meanwhile."""
    while True:
        for pid in children():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        try:
            os.wait()
        except ChildProcessError:
            return


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    become_subreaper()
    # Ended by a signal, it still kills what is left (SystemExit unwinds).
    for sig in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(sig, lambda number, frame: sys.exit(128 + number))
    command_pid = os.spawnvp(os.P_NOWAIT, sys.argv[1], sys.argv[1:])
    try:
        code = reap_until(command_pid)
    finally:
        kill_the_rest()
    return 128 - code if code < 0 else code


if __name__ == "__main__":
    sys.exit(main())
