"""What the end-to-end tests share: a virtual display, and keys through xdotool."""
import os
import subprocess


def xdo(env, *args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True).stdout.strip()


def start_xvfb():
    """A virtual display on a free number; Xvfb itself picks it and says when it is ready."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as announced:
        number = announced.readline().strip()
    if not number:
        xvfb.kill()
        raise SystemExit("Xvfb did not start")
    return xvfb, number
